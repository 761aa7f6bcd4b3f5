#include "data/MarkdownText.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

const QRegularExpression& lineEnd()
{
    static const QRegularExpression crLfCrOrLf(QStringLiteral("\r\n|\r|\n"));
    return crLfCrOrLf;
}

// One line whose first character is not blank. Characters that open inline markup anywhere are
// escaped, and so is a block marker that counts only at the start of a line: "-", "+", "=" or
// the "." or ")" after a number.
QString escapedText(const QString& line)
{
    static const QString inlineMarks = QStringLiteral("\\`*_[]<>&#|~");
    static const QRegularExpression blockMark(QStringLiteral("^(?:[-+=]|\\d{1,9}(?=[.)]))"));
    QString text;
    text.reserve(line.size() * 2);
    for (const QChar c : line) {
        if (inlineMarks.contains(c))
            text += u'\\';
        text += c;
    }
    const QRegularExpressionMatch mark = blockMark.match(text);
    if (mark.hasMatch())
        text.insert(text.at(0).isDigit() ? mark.capturedEnd() : 0, u'\\');
    return text;
}

// A line of a paragraph: blank, or its leading blank written as an entity so that no indent
// makes it a code block and no block marker after the indent counts.
QString escapedParagraphLine(const QString& line)
{
    if (line.trimmed().isEmpty())
        return {};
    if (!line.at(0).isSpace())
        return escapedText(line);
    return QStringLiteral("&#%1;").arg(line.at(0).unicode()) + escapedText(line.mid(1));
}

} // namespace

QString MarkdownText::escaped(const QString& text)
{
    QStringList lines = text.split(lineEnd());
    for (QString& line : lines)
        line = escapedParagraphLine(line);
    // A backslash at the end of a line breaks it there, as the writer did; it would show
    // itself at the end of a paragraph.
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        if (!lines.at(i).isEmpty() && !lines.at(i + 1).isEmpty())
            lines[i] += u'\\';
    }
    return lines.join(u'\n');
}

QString MarkdownText::escapedLine(const QString& text)
{
    const QString line = QString(text).replace(lineEnd(), QStringLiteral(" ")).trimmed();
    return line.isEmpty() ? line : escapedText(line);
}
