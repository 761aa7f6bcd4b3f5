#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>

// The program is built in floors: the data layer at the bottom includes nothing of ours outside
// itself; the shared routines stand on it; each tool window module stands on both and never on
// the main window or on another window module. The desktop seam among the shared routines
// includes no window.
class TestLayering : public QObject
{
    Q_OBJECT

private slots:
    void includesGoDownOnly();
};

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
    const QDir source(QStringLiteral(QUILLANE_SOURCE_DIR "/src"));
    QStringList offences;
    int filesRead = 0;
    for (QDirIterator it(source.path(), {"*.h", "*.cpp"}, QDir::Files,
                         QDirIterator::Subdirectories);
         it.hasNext();) {
        const QString path = it.next();
        const QString module = source.relativeFilePath(path).section(u'/', 0, 0);
        if (!forbidden.contains(module))
            continue;
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        ++filesRead;
        QString reach = QStringLiteral("(%1)/").arg(forbidden.value(module));
        // The desktop seam shows no window of its own: the program hands it the ones it shows.
        if (module == QLatin1String("shared") && QFileInfo(path).baseName().endsWith("Desktop"))
            reach += QStringLiteral("|shared/(?!(Qt)?Desktop\\.|TimerHold\\.|TextPrinting\\.)");
        const QRegularExpression include(
            QStringLiteral("^\\s*#\\s*include\\s*\"((%1)[^\"]*)").arg(reach),
            QRegularExpression::MultilineOption);
        for (auto match = include.globalMatch(QString::fromUtf8(file.readAll())); match.hasNext();)
            offences << source.relativeFilePath(path) + " includes " + match.next().captured(1);
    }
    QVERIFY(filesRead > 50);
    QVERIFY2(offences.isEmpty(), qPrintable(offences.join(u'\n')));
}

QTEST_APPLESS_MAIN(TestLayering)
#include "tst_layering.moc"
