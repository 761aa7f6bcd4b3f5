#include "data/ListFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace {

bool isCsv(const QString& path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0;
}

// The first field of a CSV line; a quoted field may hold commas and doubled quotes.
QString firstCsvField(const QString& line)
{
    if (!line.startsWith(u'"'))
        return line.section(u',', 0, 0);
    QString field;
    for (qsizetype i = 1; i < line.size(); ++i) {
        if (line.at(i) != u'"')
            field += line.at(i);
        else if (i + 1 < line.size() && line.at(i + 1) == u'"')
            field += line.at(++i);
        else
            break;
    }
    return field;
}

QString csvField(const QString& value)
{
    if (!value.contains(u',') && !value.contains(u'"'))
        return value;
    return u'"' + QString(value).replace(QLatin1String("\""), QLatin1String("\"\"")) + u'"';
}

} // namespace

std::optional<QStringList> ListFile::readValues(const QString& path, QString* problem)
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
        *problem = QStringLiteral("it is not a UTF-8 text file");
        return std::nullopt;
    }
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QStringList values = text.split(u'\n');
    if (values.last().isEmpty())
        values.removeLast(); // the end of the last line
    // Files joined end to end keep each one's byte-order mark at the start of a line; left
    // there, it would make an invisible twin of a word already in the list.
    for (QString& value : values) {
        if (value.startsWith(QChar::ByteOrderMark))
            value.remove(0, 1);
    }
    if (isCsv(path)) {
        for (QString& value : values)
            value = firstCsvField(value);
    }
    return values;
}

bool ListFile::writeRows(const QString& path, const QList<QStringList>& rows, QString* problem)
{
    const bool csv = isCsv(path);
    QByteArray bytes;
    for (QStringList fields : rows) {
        if (csv)
            std::transform(fields.begin(), fields.end(), fields.begin(), csvField);
        bytes += fields.join(csv ? u',' : u'\t').toUtf8() + '\n';
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *problem = file.errorString();
        return false;
    }
    return true;
}
