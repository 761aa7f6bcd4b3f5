// The database builder reads the table files of data/, which anyone may edit. The first line
// names the file ("noun.txt", "plots.tsv"), the rest is its content; a database is built from
// the schema and that one file, and opened when the build succeeds.
#include "FuzzSupport.h"

#include "data/Database.h"
#include "data/DatabaseBuilder.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzSupport::startApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const QRegularExpression fileName(QStringLiteral("^\\w+\\.(txt|tsv)$"));
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype end = input.indexOf('\n');
    const QString name = QString::fromUtf8(input.left(end));
    if (end < 0 || !fileName.match(name).hasMatch())
        return 0;
    static QTemporaryDir folder;
    QDir tables(folder.filePath(QStringLiteral("tables")));
    tables.removeRecursively();
    tables.mkpath(QStringLiteral("."));
    QFile file(tables.filePath(name));
    const QByteArray content = input.mid(end + 1);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        FuzzSupport::fail(file.errorString());
    file.close();
    const QString database = folder.filePath(QStringLiteral("quillane97.mdb"));
    QString error;
    if (DatabaseBuilder::build(QStringLiteral(QUILLANE_SOURCE_DIR "/data/schema.sql"),
                               tables.path(), database, &error)) {
        StoreError openError;
        if (!Database::open(database, &openError))
            FuzzSupport::fail(QStringLiteral("a built database does not open: ") +
                              openError.description);
        Database::close();
    } else if (error.isEmpty()) {
        FuzzSupport::fail(QStringLiteral("a failed build gave no reason"));
    }
    return 0;
}
