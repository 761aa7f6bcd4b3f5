#include "FuzzSupport.h"

#include "data/Database.h"
#include "data/DatabaseBuilder.h"
#include "data/RandomRecord.h"

#include <QCoreApplication>
#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {
QTemporaryDir& folder()
{
    static QTemporaryDir temporary;
    return temporary;
}
} // namespace

void FuzzSupport::startApplication(int* argc, char*** argv)
{
    static QCoreApplication application(*argc, *argv);
}

void FuzzSupport::openDatabase(bool withRows)
{
    const QString sources = QStringLiteral(QUILLANE_SOURCE_DIR "/data");
    const QString tables = withRows ? sources + QStringLiteral("/tables") : folder().path();
    const QString path = folder().filePath(QStringLiteral("quillane97.mdb"));
    QString error;
    if (!DatabaseBuilder::build(sources + QStringLiteral("/schema.sql"), tables, path, &error))
        fail(error);
    StoreError openError;
    if (!Database::open(path, &openError))
        fail(openError.description);
}

QString FuzzSupport::drawWord(const QString& table)
{
    static QRandomGenerator random(97);
    StoreError error;
    const auto word = RandomRecord::draw(table, random, &error);
    if (!word)
        fail(table + QStringLiteral(": ") + error.description);
    return *word;
}

QString FuzzSupport::text(const uint8_t* data, size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
}

void FuzzSupport::fail(const QString& what)
{
    std::fprintf(stderr, "%s\n", qPrintable(what));
    std::abort();
}
