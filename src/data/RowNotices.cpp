#include "data/RowNotices.h"

RowNotices& RowNotices::instance()
{
    static RowNotices notices;
    return notices;
}
