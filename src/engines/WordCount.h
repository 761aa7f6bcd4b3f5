#pragma once

#include <QStringView>

// Counts words the way a word processor does: a word is a run of characters between white space
// that holds at least one letter or digit, so "well-known" and "3.14" are one word each and a
// dash standing alone is none. Text written without spaces (Chinese, Japanese) is better
// measured by its characters, which are counted too.
namespace WordCount {

struct Count
{
    int words = 0;
    int characters = 0; // other than white space, each character once however it is encoded
};

Count of(QStringView text);

} // namespace WordCount
