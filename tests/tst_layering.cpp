#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>

// The program is built in floors: the data layer at the bottom includes nothing of ours outside
// itself, nor do the engines (drawing and counting without widgets); the desktop seam stands on
// them and includes no window; the widget kit stands on the seam; each tool window module stands
// on those and never on the main window or on another window module. Only the data layer speaks
// SQL.
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
    // Each folder with the folders it may not include: the floors above it, and for a tool
    // window module its neighbours.
    const QString windowModules =
        QStringLiteral("generators|records|inspiration|customization|practice");
    const QList<std::pair<QString, QString>> forbidden = {
        {QStringLiteral("data/"), QStringLiteral("engines|shared|app|") + windowModules},
        {QStringLiteral("engines/"), QStringLiteral("data|shared|app|") + windowModules},
        {QStringLiteral("shared/desktop/"), QStringLiteral("shared/widgets|app|") + windowModules},
        {QStringLiteral("shared/widgets/"), QStringLiteral("app|") + windowModules},
        {QStringLiteral("generators/"),
         QStringLiteral("app|records|inspiration|customization|practice")},
        {QStringLiteral("records/"),
         QStringLiteral("app|generators|inspiration|customization|practice")},
        {QStringLiteral("inspiration/"),
         QStringLiteral("app|generators|records|customization|practice")},
        {QStringLiteral("customization/"),
         QStringLiteral("app|generators|records|inspiration|practice")},
        {QStringLiteral("practice/"),
         QStringLiteral("app|generators|records|inspiration|customization")},
    };
    QStringList offences;
    QHash<QString, int> filesRead;
    for (const auto& [path, text] : sourceFiles()) {
        const auto floor =
            std::find_if(forbidden.begin(), forbidden.end(),
                         [&file = path](const auto& rule) { return file.startsWith(rule.first); });
        if (floor == forbidden.end())
            continue;
        ++filesRead[floor->first];
        QString reach = QStringLiteral("(%1)/").arg(floor->second);
        // The desktop seam shows no window of its own: the program hands it the ones it shows.
        // The engines draw and count without widgets.
        if (floor->first.startsWith(QLatin1String("engines")))
            reach += QStringLiteral(
                "|Qt(Widgets|PrintSupport|Sql)?/"
                "|Q(Widget|Sql|Print|MessageBox|Dialog|Application|Label|PushButton)");
        const QRegularExpression include(
            QStringLiteral("^\\s*#\\s*include\\s*[\"<]((%1)[^\">]*)").arg(reach),
            QRegularExpression::MultilineOption);
        for (auto match = include.globalMatch(text); match.hasNext();)
            offences << path + " includes " + match.next().captured(1);
    }
    for (const auto& [folder, reach] : forbidden)
        QVERIFY2(filesRead.value(folder) >= 2, qPrintable(folder + " holds too few files"));
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
