#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>

// The program is built in floors: the data layer at the bottom includes nothing of ours outside
// itself; the shared routines stand on it; each tool window module stands on both and never on
// the main window or on another window module. The desktop seam among the shared routines
// includes no window. Only the data layer speaks SQL.
class TestLayering : public QObject
{
    Q_OBJECT

private slots:
    void includesGoDownOnly();
    void sqlStaysInData();

private:
    // Every header and source file of the program by its path under src/, with its text.
    static QList<std::pair<QString, QString>> sourceFiles();
};

QList<std::pair<QString, QString>> TestLayering::sourceFiles()
{
    const QDir source(QStringLiteral(QUILLANE_SOURCE_DIR "/src"));
    QList<std::pair<QString, QString>> files;
    for (QDirIterator it(source.path(), {"*.h", "*.cpp"}, QDir::Files,
                         QDirIterator::Subdirectories);
         it.hasNext();) {
        QFile file(it.next());
        if (file.open(QIODevice::ReadOnly | QIODevice::Text))
            files.append(
                {source.relativeFilePath(file.fileName()), QString::fromUtf8(file.readAll())});
    }
    return files;
}

void TestLayering::includesGoDownOnly()
{
    const QString windowModules = QStringLiteral("generators|records|inspiration|customization");
    const QHash<QString, QString> forbidden = {
        {QStringLiteral("data"), QStringLiteral("shared|app|") + windowModules},
        {QStringLiteral("shared"), QStringLiteral("app|") + windowModules},
        {QStringLiteral("generators"), QStringLiteral("app|records|inspiration|customization")},
        {QStringLiteral("records"), QStringLiteral("app|generators|inspiration|customization")},
        {QStringLiteral("inspiration"), QStringLiteral("app|generators|records|customization")},
        {QStringLiteral("customization"), QStringLiteral("app|generators|records|inspiration")},
    };
    QStringList offences;
    int filesRead = 0;
    for (const auto& [path, text] : sourceFiles()) {
        const QString module = path.section(u'/', 0, 0);
        if (!forbidden.contains(module))
            continue;
        ++filesRead;
        QString reach = QStringLiteral("(%1)/").arg(forbidden.value(module));
        // The desktop seam shows no window of its own: the program hands it the ones it shows.
        if (module == QLatin1String("shared") && QFileInfo(path).baseName().endsWith("Desktop"))
            reach += QStringLiteral("|shared/(?!(Qt)?Desktop\\.|TimerHold\\.|TextPrinting\\.)");
        const QRegularExpression include(
            QStringLiteral("^\\s*#\\s*include\\s*\"((%1)[^\"]*)").arg(reach),
            QRegularExpression::MultilineOption);
        for (auto match = include.globalMatch(text); match.hasNext();)
            offences << path + " includes " + match.next().captured(1);
    }
    QVERIFY(filesRead > 50);
    QVERIFY2(offences.isEmpty(), qPrintable(offences.join(u'\n')));
}

void TestLayering::sqlStaysInData()
{
    // A statement in a string, or the class that runs one, outside the data layer.
    const QRegularExpression sql(
        QStringLiteral("^\\s*#\\s*include\\s*<QSqlQuery>|\"[^\"\\n]*\\b(SELECT|INSERT|UPDATE|"
                       "DELETE|CREATE|DROP|ALTER|PRAGMA|BEGIN|COMMIT|ROLLBACK)\\b"),
        QRegularExpression::MultilineOption);
    QStringList offences;
    int filesRead = 0;
    for (const auto& [path, text] : sourceFiles()) {
        if (path.startsWith(QLatin1String("data/")))
            continue;
        ++filesRead;
        if (const QRegularExpressionMatch match = sql.match(text); match.hasMatch())
            offences << path + " holds " + match.captured(0).trimmed();
    }
    QVERIFY(filesRead > 50);
    QVERIFY2(offences.isEmpty(), qPrintable(offences.join(u'\n')));
}

QTEST_APPLESS_MAIN(TestLayering)
#include "tst_layering.moc"
