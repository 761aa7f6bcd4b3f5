// The customization window imports word lists from any file the user picks. The input is read
// as a text file and as a CSV file, imported into an empty word table, exported again and read
// back: the values must survive the round trip.
#include "FuzzSupport.h"

#include "data/Database.h"
#include "data/ListFile.h"
#include "data/ListImport.h"

#include <QFile>
#include <QSet>
#include <QSqlQuery>
#include <QTemporaryDir>

namespace {

QString writeInput(const QString& path, const uint8_t* data, size_t size)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
        FuzzSupport::fail(file.errorString());
    return path;
}

QSet<QString> caseFolded(const QStringList& values)
{
    QSet<QString> folded;
    for (const QString& value : values) {
        if (!value.trimmed().isEmpty())
            folded.insert(value.trimmed().toCaseFolded());
    }
    return folded;
}

void importAndExport(const QString& path, const QString& exportPath)
{
    const QString table = QStringLiteral("noun");
    QString problem;
    const auto values = ListFile::readValues(path, &problem);
    if (!values) {
        if (problem.isEmpty())
            FuzzSupport::fail(QStringLiteral("a refused file gave no reason"));
        return;
    }
    ListImport::Counts counts;
    StoreError error;
    if (!ListImport::addValues(table, *values, &counts, &error))
        FuzzSupport::fail(QStringLiteral("import: ") + error.description);
    if (counts.added + counts.skipped != values->size())
        FuzzSupport::fail(QStringLiteral("the counts do not add up to the lines"));
    const QList<QStringList> rows = ListImport::rowsWithoutKey(table, &error);
    if (error.isSet() || !ListFile::writeRows(exportPath, rows, &problem))
        FuzzSupport::fail(QStringLiteral("export: ") + error.description + problem);
    const auto exported = ListFile::readValues(exportPath, &problem);
    if (!exported || caseFolded(*exported) != caseFolded(*values) ||
        exported->size() != counts.added)
        FuzzSupport::fail(QStringLiteral("the exported list differs from the imported one"));
    QSqlQuery(Database::connection()).exec(QStringLiteral("DELETE FROM noun"));
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
    static QTemporaryDir folder;
    for (const QString& suffix : {QStringLiteral("txt"), QStringLiteral("csv")}) {
        importAndExport(writeInput(folder.filePath(QStringLiteral("list.") + suffix), data, size),
                        folder.filePath(QStringLiteral("export.") + suffix));
    }
    return 0;
}
