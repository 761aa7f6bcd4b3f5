#include "app/ToolbarIcons.h"

#include <QColor>
#include <QImage>
#include <QtTest>

#include <functional>

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

int countPixels(const QImage& image, const std::function<bool(QRgb)>& wanted)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (wanted(image.pixel(x, y)))
                ++count;
        }
    }
    return count;
}

int opaquePixels(const QImage& image)
{
    return countPixels(image, [](QRgb pixel) { return qAlpha(pixel) == 255; });
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
    void unknownNameGivesGenericPicture();
    void picturesReadOnLightAndDark_data();
    void picturesReadOnLightAndDark();
    void disabledPictureIsGreyButVisible();
    void drawingIsRepeatable();
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

void TestToolbarIcons::unknownNameGivesGenericPicture()
{
    const QImage generic = pictureOf(QStringLiteral("cmdNoSuchButton"), 24);
    QVERIFY(opaquePixels(generic) > 24 * 24 / 5);
    QCOMPARE(pictureOf(QString(), 24), generic);
    for (const QString& name : buttonNames)
        QVERIFY2(differingPixels(generic, pictureOf(name, 24)) > 24 * 24 / 10, qPrintable(name));
}

void TestToolbarIcons::picturesReadOnLightAndDark_data()
{
    everyButtonHasAPicture_data();
}

// A dark outline keeps a picture visible on a light toolbar, bright fills on a dark one.
void TestToolbarIcons::picturesReadOnLightAndDark()
{
    QFETCH(QString, name);
    const QImage picture = pictureOf(name, 24);
    const int dark = countPixels(
        picture, [](QRgb pixel) { return qAlpha(pixel) > 200 && QColor(pixel).lightness() < 80; });
    const int bright = countPixels(
        picture, [](QRgb pixel) { return qAlpha(pixel) > 200 && QColor(pixel).lightness() > 110; });
    QVERIFY2(dark > 20, qPrintable(QString::number(dark)));
    QVERIFY2(bright > 30, qPrintable(QString::number(bright)));
}

void TestToolbarIcons::disabledPictureIsGreyButVisible()
{
    for (const QString& name : buttonNames) {
        const QImage normal = pictureOf(name, 24);
        const QImage disabled = pictureOf(name, 24, QIcon::Disabled);
        QCOMPARE(disabled.size(), QSize(24, 24));
        const int visible = countPixels(disabled, [](QRgb pixel) { return qAlpha(pixel) > 100; });
        QVERIFY2(visible > 24 * 24 / 5, qPrintable(name));
        const int coloured = countPixels(disabled, [](QRgb pixel) {
            return qAlpha(pixel) > 0 &&
                   (qRed(pixel) != qGreen(pixel) || qGreen(pixel) != qBlue(pixel));
        });
        QVERIFY2(coloured == 0, qPrintable(name));
        QVERIFY2(differingPixels(normal, disabled) > 0, qPrintable(name));
    }
}

void TestToolbarIcons::drawingIsRepeatable()
{
    for (const QString& name : buttonNames)
        QCOMPARE(pictureOf(name, 32), pictureOf(name, 32));
}

QTEST_MAIN(TestToolbarIcons)
#include "tst_toolbaricons.moc"
