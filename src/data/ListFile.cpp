#include "data/ListFile.h"

#include "data/CsvText.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(ListFile)
};

} // namespace

namespace {

bool isCsv(const QString& path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0;
}

std::optional<QString> readText(const QString& path, QString* problem)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *problem = file.errorString();
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder.decode(bytes);
    if (decoder.hasError() || bytes.contains('\0')) {
        *problem = Texts::tr("it is not a UTF-8 text file");
        return std::nullopt;
    }
    return text;
}

const QRegularExpression& lineEnd()
{
    static const QRegularExpression crLfCrOrLf(QStringLiteral("\r\n|\r|\n"));
    return crLfCrOrLf;
}

QStringList lines(const QString& text)
{
    QStringList lines = text.split(lineEnd());
    if (lines.last().isEmpty())
        lines.removeLast(); // the end of the last line
    // Files joined end to end keep each one's byte-order mark at the start of a line; left
    // there, it would make an invisible twin of a word already in the list.
    for (QString& line : lines) {
        if (line.startsWith(QChar::ByteOrderMark))
            line.remove(0, 1);
    }
    return lines;
}

// The field as a message shows it: on one line, and not too long.
QString shown(QString field)
{
    field.remove(QChar::ByteOrderMark).replace(lineEnd(), QStringLiteral("⏎"));
    return field.size() > 60 ? field.left(59) + u'…' : field;
}

// Why the rows cannot be written one a line, or an empty text when they can.
QString unfitForLines(const QList<QStringList>& rows)
{
    for (qsizetype row = 0; row < rows.size(); ++row) {
        for (const QString& field : rows.at(row)) {
            const char* fault = nullptr;
            if (field.contains(u'\n') || field.contains(u'\r'))
                fault = QT_TRANSLATE_NOOP("ListFile", "holds a line break");
            else if (field.startsWith(QChar::ByteOrderMark))
                fault = QT_TRANSLATE_NOOP("ListFile", "begins with an invisible byte-order mark");
            if (fault)
                return Texts::tr("row %1, \"%2\", %3, which a text file cannot keep; export "
                                 "it as CSV")
                    .arg(row + 1)
                    .arg(shown(field), Texts::tr(fault));
        }
    }
    return {};
}

} // namespace

std::optional<ListFile::Contents>
ListFile::readValues(const QString& path, const QStringList& fieldNames, QString* problem)
{
    const auto text = readText(path, problem);
    if (!text)
        return std::nullopt;
    const qsizetype fields = std::max<qsizetype>(fieldNames.size(), 1);
    Contents contents;
    if (!isCsv(path)) {
        for (const QString& line : lines(*text))
            contents.rows << (fields > 1 ? line.split(u'\t').mid(0, fields) : QStringList{line});
        return contents;
    }
    const auto rows = CsvText::rows(*text, problem);
    if (!rows)
        return std::nullopt;
    for (const QStringList& row : *rows)
        contents.rows << row.mid(0, fields);
    if (!contents.rows.isEmpty() && !fieldNames.isEmpty() &&
        contents.rows.first().first().trimmed().compare(fieldNames.first(), Qt::CaseInsensitive) ==
            0)
        contents.heading = contents.rows.takeFirst().first();
    return contents;
}

bool ListFile::writeRows(const QString& path, const QStringList& fieldNames,
                         const QList<QStringList>& rows, QString* problem)
{
    QString text;
    if (isCsv(path)) {
        if (!fieldNames.isEmpty())
            text = CsvText::row(fieldNames) + u'\n';
        for (const QStringList& row : rows)
            text += CsvText::row(row) + u'\n';
    } else {
        *problem = unfitForLines(rows);
        if (!problem->isEmpty())
            return false;
        for (const QStringList& row : rows)
            text += row.join(u'\t') + u'\n';
    }
    const QByteArray bytes = text.toUtf8();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *problem = file.errorString();
        return false;
    }
    return true;
}
