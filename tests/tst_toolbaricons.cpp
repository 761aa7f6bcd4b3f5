#include "app/ToolbarIcons.h"

#include <QColor>
#include <QImage>
#include <QtTest>

namespace {

const QStringList buttonNames{
    QStringLiteral("cmdBrainStorm"),  QStringLiteral("cmdFreeAss"), QStringLiteral("cmdPsycho"),
    QStringLiteral("cmdSentence"),    QStringLiteral("cmdCharGen"), QStringLiteral("cmdNumber"),
    QStringLiteral("cmdStoryWizard"), QStringLiteral("cmdCrystal"), QStringLiteral("cmdPlot"),
    QStringLiteral("cmdScene"),       QStringLiteral("cmdHelp"),    QStringLiteral("cmdCBT"),
    QStringLiteral("cmdExit"),
};

QImage pictureOf(const QString& name, int size, QIcon::Mode mode = QIcon::Normal)
{
    return toolbarIcon(name)
        .pixmap(QSize(size, size), 1.0, mode)
        .toImage()
        .convertToFormat(QImage::Format_ARGB32);
}

int opaquePixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) == 255;
    }
    return count;
}

// Pixels whose colour or coverage differs noticeably between two pictures of the same size.
int differingPixels(const QImage& a, const QImage& b)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            const int distance = qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) +
                                 qAbs(qBlue(p) - qBlue(q)) + qAbs(qAlpha(p) - qAlpha(q));
            if (distance > 60)
                ++count;
        }
    }
    return count;
}

} // namespace

class TestToolbarIcons : public QObject
{
    Q_OBJECT

private slots:
    void everyButtonHasAPicture_data();
    void everyButtonHasAPicture();
    void picturesDifferFromEachOther();
};

void TestToolbarIcons::everyButtonHasAPicture_data()
{
    QTest::addColumn<QString>("name");
    for (const QString& name : buttonNames)
        QTest::newRow(qPrintable(name)) << name;
}

void TestToolbarIcons::everyButtonHasAPicture()
{
    QFETCH(QString, name);
    const QIcon icon = toolbarIcon(name);
    QVERIFY(!icon.isNull());
    for (int size : {16, 24, 32, 48}) {
        QVERIFY2(icon.availableSizes().contains(QSize(size, size)),
                 qPrintable(QString::number(size)));
        const QImage picture = pictureOf(name, size);
        QCOMPARE(picture.size(), QSize(size, size));
        // A real picture covers a good part of its square, not a dot.
        QVERIFY2(opaquePixels(picture) > size * size / 5, qPrintable(QString::number(size)));
    }
}

void TestToolbarIcons::picturesDifferFromEachOther()
{
    for (int i = 0; i < buttonNames.size(); ++i) {
        const QImage first = pictureOf(buttonNames.at(i), 24);
        for (int j = i + 1; j < buttonNames.size(); ++j) {
            const QImage second = pictureOf(buttonNames.at(j), 24);
            QVERIFY2(
                differingPixels(first, second) > 24 * 24 / 10,
                qPrintable(buttonNames.at(i) + QStringLiteral(" looks like ") + buttonNames.at(j)));
        }
    }
}

QTEST_MAIN(TestToolbarIcons)
#include "tst_toolbaricons.moc"
