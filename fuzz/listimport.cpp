// The customization window imports word lists from any file the user picks, and exports them.
// The input is read as a text file and as a CSV file and imported into an empty word table;
// that list is exported in both forms and imported again into an empty table, and must come
// back exactly. The input split at NUL characters is also taken as values of any kind, written
// in both forms and read back: each must come back as it was, unless a text file refuses it
// for a line break or a leading byte-order mark.
#include "FuzzSupport.h"

#include "data/Database.h"
#include "data/ListFile.h"
#include "data/ListImport.h"

#include <algorithm>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>

namespace {

const QString Table = QStringLiteral("adjective");

QTemporaryDir& folder()
{
    static QTemporaryDir temporary;
    return temporary;
}

QString writeInput(const QString& path, const uint8_t* data, size_t size)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
        FuzzSupport::fail(file.errorString());
    return path;
}

// The values, one a row.
QList<QStringList> oneARow(const QStringList& values)
{
    QList<QStringList> rows;
    for (const QString& value : values)
        rows << QStringList{value};
    return rows;
}

// The value of each row, its first field.
QStringList valuesOf(const QList<QStringList>& rows)
{
    QStringList values;
    for (const QStringList& row : rows)
        values << row.first();
    return values;
}

// The values read from the file, which must be readable.
QStringList readBack(const QString& path)
{
    QString problem;
    const auto contents = ListFile::readValues(path, ListImport::fieldsWithoutKey(Table), &problem);
    if (!contents)
        FuzzSupport::fail(path + QStringLiteral(" as written cannot be read: ") + problem);
    return valuesOf(contents->rows);
}

// Imports the values into the emptied table; the values stored, in table order.
QStringList import(const QStringList& values)
{
    if (!QSqlQuery(Database::connection()).exec(QStringLiteral("DELETE FROM adjective")))
        FuzzSupport::fail(QStringLiteral("the table cannot be emptied"));
    ListImport::Counts counts;
    StoreError error;
    if (!ListImport::addValues(Table, oneARow(values), &counts, &error))
        FuzzSupport::fail(QStringLiteral("import: ") + error.description);
    if (counts.added + counts.skipped != values.size())
        FuzzSupport::fail(QStringLiteral("the counts do not add up to the lines"));
    QStringList stored;
    for (const QStringList& row : ListImport::rowsWithoutKey(Table, &error))
        stored << row.value(0);
    if (error.isSet() || stored.size() != counts.added)
        FuzzSupport::fail(QStringLiteral("the stored list differs from the counts"));
    return stored;
}

bool fitsOneALine(const QString& value)
{
    return !value.contains(u'\n') && !value.contains(u'\r') &&
           !value.startsWith(QChar::ByteOrderMark);
}

// Writes the values one a row; false when a text file refuses them, as it must for a value it
// cannot keep and only then.
bool write(const QString& path, const QStringList& values)
{
    QString problem;
    if (ListFile::writeRows(path, ListImport::fieldsWithoutKey(Table), oneARow(values), &problem))
        return true;
    if (problem.isEmpty() || path.endsWith(QStringLiteral(".csv")) ||
        std::all_of(values.cbegin(), values.cend(), fitsOneALine))
        FuzzSupport::fail(QStringLiteral("export refused: ") + problem);
    return false;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzSupport::startApplication(argc, argv);
    FuzzSupport::openDatabase(false);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QStringList suffixes = {QStringLiteral(".txt"), QStringLiteral(".csv")};
    const QStringList anyValues = FuzzSupport::text(data, size).split(QChar(0));
    for (const QString& suffix : suffixes) {
        const QString path = folder().filePath(QStringLiteral("values") + suffix);
        if (write(path, anyValues) && readBack(path) != anyValues)
            FuzzSupport::fail(QStringLiteral("values read back from ") + path +
                              QStringLiteral(" differ from those written"));
    }
    for (const QString& suffix : suffixes) {
        const QString path =
            writeInput(folder().filePath(QStringLiteral("list") + suffix), data, size);
        QString problem;
        const auto contents =
            ListFile::readValues(path, ListImport::fieldsWithoutKey(Table), &problem);
        if (!contents) {
            if (problem.isEmpty())
                FuzzSupport::fail(QStringLiteral("a refused file gave no reason"));
            continue;
        }
        const QStringList stored = import(valuesOf(contents->rows));
        for (const QString& exportSuffix : suffixes) {
            const QString exported = folder().filePath(QStringLiteral("export") + exportSuffix);
            if (!write(exported, stored))
                continue;
            const QStringList values = readBack(exported);
            if (values != stored || import(values) != stored)
                FuzzSupport::fail(QStringLiteral("the list imported from ") + exported +
                                  QStringLiteral(" differs from the one exported"));
        }
    }
    return 0;
}
