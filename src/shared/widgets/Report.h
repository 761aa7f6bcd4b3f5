#pragma once

#include <QString>

// What Print and Clipboard hand on: a header naming the window and the time, a rule, then the
// lines the window adds, in the order it adds them. Each line follows a line feed, so the text
// begins with one and ends with its last line.
class Report
{
public:
    // "Quillane -- <caption> <date and time>" and a rule of 80 "-".
    explicit Report(const QString& caption);

    void addLine(const QString& line);
    // "label: value"
    void addLabelled(const QString& label, const QString& value);
    void addRule();

    const QString& text() const { return m_text; }

private:
    QString m_text;
};
