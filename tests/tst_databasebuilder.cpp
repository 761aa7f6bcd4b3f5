#include "data/Database.h"
#include "data/DatabaseBuilder.h"
#include "support/TestDatabase.h"

#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

class TestDatabaseBuilder : public QObject
{
    Q_OBJECT

private slots:
    void tableFiles_data();
    void tableFiles();
    void keysAreNeverReusedAndDuplicatesFail();
    void makeToolNeverOverwritesAndRepeatsItself();
};

void TestDatabaseBuilder::tableFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("result"); // the plots read back, or the error reported
    QTest::newRow("escapes and Null") << "plots.tsv"
                                      << QByteArray("id\tplot_name\tplot_description\n1\tA\tone\\n"
                                                    "two\\tthree \\\\ four\n2\tEmpty\t\n")
                                      << "1 one\ntwo\tthree \\ four|2 Null";
    QTest::newRow("no such table") << "nouns.txt" << QByteArray("owl\n") << "nouns";
    QTest::newRow("duplicate") << "noun.txt" << QByteArray("owl\nOwl\n") << "noun.txt, row 3";
    QTest::newRow("cells") << "plots.tsv" << QByteArray("id\tplot_name\n1\n") << "plots.tsv";
    QTest::newRow("no header") << "plots.tsv" << QByteArray() << "header";
}

// Table files are read with their escapes; a malformed one is named and leaves no database.
void TestDatabaseBuilder::tableFiles()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    QFETCH(QString, result);
    QTemporaryDir folder;
    QFile source(folder.filePath(file));
    QVERIFY(source.open(QIODevice::WriteOnly) && source.write(content) == content.size());
    source.close();
    QString error;
    const QString target = folder.filePath("quillane97.mdb");
    const bool built =
        DatabaseBuilder::build(TestDatabase::schemaFile(), folder.path(), target, &error);
    QCOMPARE(QFile::exists(target), built);
    if (built) {
        TestDatabase db(folder.path());
        error = db.scalar("SELECT group_concat(id || ' ' || ifnull(plot_description, 'Null'), '|') "
                          "FROM plots")
                    .toString();
    }
    QVERIFY2(error.contains(result), qPrintable(error));
}

void TestDatabaseBuilder::keysAreNeverReusedAndDuplicatesFail()
{
    TestDatabase db;
    QSqlQuery duplicate(Database::connection());
    QVERIFY(!duplicate.exec("INSERT INTO noun (noun) VALUES ('ANCHOR')")); // lists ignore case
    QVERIFY(db.execute("INSERT INTO character (Name) VALUES ('Ann'), ('Bea')") &&
            db.execute("INSERT INTO \"Story Profile\" (\"Story Name\") VALUES ('Tale')") &&
            db.execute("INSERT INTO Story_Character (Story_ID, Character_ID, Note) VALUES (1, 2, "
                       "'lead')"));
    QVERIFY(!duplicate.exec("INSERT INTO Story_Character (Story_ID, Character_ID) VALUES (1, 2)"));
    QCOMPARE(db.scalar("SELECT Name || '/' || Note FROM qryStory_Character").toString(),
             QStringLiteral("Bea/lead"));
    QVERIFY(db.execute("DELETE FROM character WHERE Name = 'Bea'") &&
            db.execute("INSERT INTO character (Name) VALUES ('Cid')"));
    QCOMPARE(db.scalar("SELECT ID FROM character WHERE Name = 'Cid'").toInt(), 3);
}

// The tool leaves an existing file alone unless told to replace it, and the same sources always
// give the same file.
void TestDatabaseBuilder::makeToolNeverOverwritesAndRepeatsItself()
{
    QTemporaryDir folder;
    const QString target = folder.filePath("quillane97.mdb"), copy = folder.filePath("copy.mdb");
    const auto make = [](const QString& how, const QString& path) {
        return QProcess::execute(QUILLANE_MAKEDB, {how, QUILLANE_SOURCE_DIR "/data", path});
    };
    const auto bytes = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    QVERIFY(make("--if-missing", target) == 0 && make("--replace", copy) == 0);
    const QByteArray made = bytes(target);
    QVERIFY(made.size() > 100000 && made == bytes(copy));
    QFile saved(target);
    QVERIFY(saved.open(QIODevice::Append) && saved.write("saved work") > 0);
    saved.close();
    QCOMPARE(make("--if-missing", target), 0);
    QCOMPARE(bytes(target), made + "saved work");
    QCOMPARE(make("--replace", target), 0);
    QCOMPARE(bytes(target), made);
}

QTEST_GUILESS_MAIN(TestDatabaseBuilder)
#include "tst_databasebuilder.moc"
