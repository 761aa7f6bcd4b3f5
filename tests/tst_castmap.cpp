#include "data/CastMap.h"
#include "data/Relationships.h"
#include "data/StoryLinks.h"
#include "engines/CastLayout.h"
#include "records/CastMapWindow.h"
#include "records/CharacterWindow.h"
#include "shared/widgets/CastMapArrow.h"
#include "shared/widgets/CastMapNode.h"
#include "shared/widgets/CastMapView.h"
#include "shared/widgets/ChildFrame.h"
#include "support/TestEnvironment.h"

#include <QBuffer>
#include <QComboBox>
#include <QFile>
#include <QMdiArea>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <cmath>

using CastLayout::Edge;
using CastLayout::Node;

namespace {

enum class Links { None, Ring, Star, Random, Parts };

// A cast of n characters, every third with a long name when asked, the first `fixed` of them
// placed by the user far apart from each other.
QList<Node> castOf(int n, bool longNames, int fixed)
{
    QList<Node> nodes;
    for (int i = 0; i < n; ++i) {
        QString name = QStringLiteral("Character %1").arg(i);
        if (longNames && i % 3 == 0)
            name += QStringLiteral(" of the house by the long grey river");
        Node node{100 + i, name, QSizeF(7.0 * name.size() + 24, 30), std::nullopt};
        if (i < fixed)
            node.fixedPosition = QPointF(500.0 * i - 900, (i % 2) * 300.0 - 150);
        nodes.append(node);
    }
    return nodes;
}

QList<Edge> linksOf(int n, Links kind)
{
    QList<Edge> edges;
    QRandomGenerator pick(42);
    const auto link = [&](int a, int b) { edges.append({100 + a, 100 + b, "knows"}); };
    for (int i = 0; i < n && n > 1; ++i) {
        if (kind == Links::Ring)
            link(i, (i + 1) % n);
        else if (kind == Links::Star && i > 0)
            link(0, i);
        else if (kind == Links::Parts && i % 4 != 0)
            link(i - i % 4, i); // a small star every four characters
    }
    for (int i = 0; kind == Links::Random && i < 200; ++i)
        link(pick.bounded(n), pick.bounded(n)); // ties to oneself included
    return edges;
}

// The room between two boxes on the axis where they are furthest apart.
double gapBetween(const Node& a, const QPointF& pa, const Node& b, const QPointF& pb)
{
    return std::max(std::abs(pa.x() - pb.x()) - (a.size.width() + b.size.width()) / 2,
                    std::abs(pa.y() - pb.y()) - (a.size.height() + b.size.height()) / 2);
}

// The texts of an SVG picture, one a line; empty when it does not parse.
QString svgTexts(const QByteArray& svg)
{
    QXmlStreamReader reader(svg);
    QString texts;
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::Characters)
            texts += reader.text().toString() + u'\n';
    }
    return reader.hasError() ? QString() : texts;
}

// A small cast: Ann mentors Bo, Cy is Bo's rival and owes Di, Di loves Hal, who is hidden. Bo,
// Ann and Cy are in Voyage, Di in Arrival.
const char* const CastRows[] = {
    "INSERT INTO character (Name, visible) VALUES ('Ann', 0), ('Bo', 0), ('Cy', 0), ('Di', 0), "
    "('Hal', -1)",
    "INSERT INTO \"Story Profile\" (\"Story Name\") VALUES ('Voyage'), ('Arrival')",
    "INSERT INTO Story_Character (Story_ID, Character_ID) VALUES (1, 2), (1, 1), (1, 3), (2, 4)",
    "INSERT INTO character_relationship (From_ID, To_ID, Kind) VALUES (1, 2, 'mentor of'), "
    "(3, 2, 'rival of'), (3, 4, 'owes'), (4, 5, 'loves')"};

} // namespace

// The cast map: where its layout puts the characters, and the view that shows them.
class TestCastMap : public QObject
{
    Q_OBJECT

    std::unique_ptr<CastMapView> m_view;
    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<CastMapWindow> m_window;
    const QList<Node> m_cast = {{1, "Ann <\"Red\"> & 'Co'", {}, {}},
                                {2, "Bob", {}, {}},
                                {3, "Cy", {}, {}},
                                {4, "Di", {}, {}}};
    const QList<Edge> m_ties = {{1, 2, "sister of"},
                                {2, 1, "brother of"},
                                {2, 3, "owes <money> & more"},
                                {4, 4, "self"},
                                {3, 99, "to nobody"}};

    CastMapNode* node(qint64 id) const
    {
        for (CastMapNode* node : m_view->nodes()) {
            if (node->id() == id)
                return node;
        }
        qFatal("No node %lld", id);
    }
    QPoint onScreen(qint64 id) const { return m_view->mapFromScene(node(id)->pos()); }

    // Opens the map window on the story, the small cast stored.
    void openMap(const QString& story)
    {
        m_env = std::make_unique<TestEnvironment>();
        for (const char* sql : CastRows)
            QVERIFY(m_env->db.execute(sql));
        reopenMap(story);
    }
    void reopenMap(const QString& story)
    {
        m_window = TestEnvironment::open<CastMapWindow>();
        auto* stories = m_window->findChild<QComboBox*>("cboMapStory");
        stories->setCurrentIndex(stories->findText(story));
        QCOMPARE(stories->currentText(), story);
    }
    // The map's boxes, and its arrows as "from>to kind".
    QStringList mapShown() const
    {
        QStringList shown;
        for (const CastMapNode* node : m_window->map()->nodes())
            shown << node->label();
        for (const CastMapArrow* arrow : m_window->map()->arrows())
            shown << arrow->from()->label() + '>' + arrow->to()->label() + ' ' + arrow->label();
        return shown;
    }
    QPointF centreOf(const QString& label) const
    {
        for (const CastMapNode* node : m_window->map()->nodes()) {
            if (node->label() == label)
                return node->pos();
        }
        return {};
    }
    // The arrow's end lies on the border of the box it points to.
    static bool onBorder(const QPointF& point, const CastMapNode* node)
    {
        const QRectF box = CastLayout::boxAt(node->pos(), node->size());
        return box.adjusted(-0.5, -0.5, 0.5, 0.5).contains(point) &&
               !box.adjusted(0.5, 0.5, -0.5, -0.5).contains(point);
    }

private slots:
    void layoutKeepsBoxesApart_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<Links>("links");
        QTest::addColumn<bool>("longNames");
        QTest::addColumn<int>("fixed");
        QTest::newRow("alone") << 1 << Links::None << false << 0;
        QTest::newRow("two strangers") << 2 << Links::None << true << 0;
        QTest::newRow("two tied, one placed") << 2 << Links::Ring << false << 1;
        QTest::newRow("ten in a ring") << 10 << Links::Ring << false << 0;
        QTest::newRow("ten round one, long names") << 10 << Links::Star << true << 0;
        QTest::newRow("ten in three parts, two placed") << 10 << Links::Parts << false << 2;
        QTest::newRow("sixty strangers") << 60 << Links::None << false << 0;
        QTest::newRow("sixty in fifteen parts") << 60 << Links::Parts << true << 0;
        QTest::newRow("sixty, 200 ties") << 60 << Links::Random << false << 0;
        QTest::newRow("sixty, 200 ties, long names, four placed")
            << 60 << Links::Random << true << 4;
    }
    void layoutKeepsBoxesApart()
    {
        QFETCH(int, count);
        QFETCH(Links, links);
        QFETCH(bool, longNames);
        QFETCH(int, fixed);
        const QList<Node> nodes = castOf(count, longNames, fixed);
        const QList<Edge> edges = linksOf(count, links);
        const CastLayout::Options options;
        const QList<QPointF> at = CastLayout::layout(nodes, edges, options);
        QCOMPARE(at.size(), count);
        QCOMPARE(CastLayout::layout(nodes, edges, options), at);

        QRectF spread;
        double boxArea = 0;
        for (int i = 0; i < count; ++i) {
            QVERIFY(std::isfinite(at[i].x()) && std::isfinite(at[i].y()));
            if (i < fixed)
                QCOMPARE(at[i], *nodes[i].fixedPosition);
            for (int j = i + 1; j < count; ++j)
                QVERIFY2(gapBetween(nodes[i], at[i], nodes[j], at[j]) >= options.margin - 1e-6,
                         qPrintable(nodes[i].label + " touches " + nodes[j].label));
            spread |= CastLayout::boxAt(at[i], nodes[i].size);
            boxArea += (nodes[i].size.width() + options.margin) *
                       (nodes[i].size.height() + options.margin);
        }
        // Characters without ties stay near the others rather than drifting off.
        if (fixed == 0)
            QVERIFY2(spread.width() * spread.height() < 25 * boxArea,
                     qPrintable(QString::number(spread.width() * spread.height() / boxArea)));
    }

    void init()
    {
        m_view = std::make_unique<CastMapView>();
        m_view->resize(640, 480);
        m_view->arrange(m_cast, m_ties);
        m_view->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
    }
    void cleanup()
    {
        m_window.reset();
        m_env.reset();
        m_view.reset();
    }

    void viewShowsEveryCharacterAndTie()
    {
        QCOMPARE(m_view->nodes().size(), m_cast.size());
        QCOMPARE(m_view->arrows().size(), m_ties.size() - 1); // the tie to nobody is left out
        QCOMPARE(m_view->accessibleName(), "Cast map");
        const QList<CastMapArrow*> arrows = m_view->arrows();
        for (int i = 0; i < arrows.size(); ++i) {
            QCOMPARE(arrows[i]->label(), m_ties[i].label);
            QVERIFY(onBorder(arrows[i]->tail(), node(m_ties[i].from)));
            QVERIFY(onBorder(arrows[i]->tip(), node(m_ties[i].to)));
        }
        // Ties both ways between two characters are drawn apart.
        QVERIFY(QLineF(arrows[0]->tip(), arrows[1]->tail()).length() > 4);
    }

    void draggingMovesTheNodeAndItsArrows()
    {
        QSignalSpy moved(m_view.get(), &CastMapView::nodeMoved);
        const QPointF tipBefore = m_view->arrows()[0]->tip();
        const QPoint from = onScreen(2);
        QTest::mousePress(m_view->viewport(), Qt::LeftButton, {}, from);
        QTest::mouseMove(m_view->viewport(), from + QPoint(40, 30));
        QTest::mouseRelease(m_view->viewport(), Qt::LeftButton, {}, from + QPoint(40, 30));
        QCOMPARE(moved.size(), 1);
        QCOMPARE(moved[0][0].toLongLong(), 2);
        QCOMPARE(moved[0][1].toPointF(), node(2)->pos());
        QVERIFY(m_view->arrows()[0]->tip() != tipBefore);
        QVERIFY(onBorder(m_view->arrows()[0]->tip(), node(2)));
    }

    void openingByMouseAndKeyboard()
    {
        QSignalSpy opened(m_view.get(), &CastMapView::nodeOpened);
        QTest::mouseDClick(m_view->viewport(), Qt::LeftButton, {}, onScreen(3));
        QTest::mouseRelease(m_view->viewport(), Qt::LeftButton, {}, onScreen(3));
        QCOMPARE(opened.size(), 1);
        QCOMPARE(opened[0][0].toLongLong(), 3);

        // Tab goes through the cast in its order, then leaves the map.
        m_view->scene()->clearSelection();
        m_view->setFocus();
        for (const Node& expected : m_cast) {
            QTest::keyClick(m_view.get(), Qt::Key_Tab);
            QCOMPARE(m_view->selectedNode(), expected.id);
            QCOMPARE(m_view->accessibleDescription(), expected.label);
        }
        QTest::keyClick(m_view.get(), Qt::Key_Backtab);
        QCOMPARE(m_view->selectedNode(), m_cast[2].id);
        QTest::keyClick(m_view.get(), Qt::Key_Return);
        QCOMPARE(opened.size(), 2);
        QCOMPARE(opened[1][0].toLongLong(), m_cast[2].id);
        // An arrow key goes to the nearest character that way, where there is one.
        const Qt::Key toward =
            node(1)->pos().x() < node(3)->pos().x() ? Qt::Key_Left : Qt::Key_Right;
        QTest::keyClick(m_view.get(), toward);
        QVERIFY(m_view->selectedNode() != m_cast[2].id);
    }

    void picturesHoldTheWholeMap()
    {
        QBuffer svg;
        svg.open(QIODevice::WriteOnly);
        QVERIFY(m_view->writeSvg(&svg));
        const QString texts = svgTexts(svg.data());
        QVERIFY(!texts.isEmpty());
        for (const Node& character : m_cast)
            QVERIFY2(texts.contains(character.label), qPrintable(character.label));
        for (const CastMapArrow* arrow : m_view->arrows())
            QVERIFY2(texts.contains(arrow->label()), qPrintable(arrow->label()));

        QBuffer png;
        png.open(QIODevice::WriteOnly);
        QVERIFY(m_view->writePng(&png));
        QCOMPARE(QImage::fromData(png.data(), "PNG").size(), m_view->size());
    }

    void paletteChangeRecolours()
    {
        QPalette dark = m_view->palette();
        dark.setColor(QPalette::Button, QColor(40, 40, 48));
        dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
        m_view->setPalette(dark);
        for (const CastMapNode* character : m_view->nodes())
            QCOMPARE(character->fill(), QColor(40, 40, 48));
    }

    // A story's map shows its cast in the order it was linked, the map of all characters every
    // one not hidden, by name; each with the relationships among them as stored.
    void windowMapsTheChosenCast_data()
    {
        QTest::addColumn<QString>("story");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("all")
            << "All characters"
            << QStringList{"Ann",       "Bo", "Cy", "Di", "Ann>Bo mentor of", "Cy>Bo rival of",
                           "Cy>Di owes"};
        QTest::newRow("story") << "Voyage"
                               << QStringList{"Bo", "Ann", "Cy", "Ann>Bo mentor of",
                                              "Cy>Bo rival of"};
        QTest::newRow("one") << "Arrival" << QStringList{"Di"};
    }
    void windowMapsTheChosenCast()
    {
        QFETCH(QString, story);
        QFETCH(QStringList, shown);
        openMap(story);
        QCOMPARE(m_window->findChild<QComboBox*>("cboMapStory")->itemText(0), "All characters");
        QCOMPARE(mapShown(), shown);

        // The SVG picture holds every name and kind.
        const QTemporaryDir folder;
        m_env->desktop.saveFileToChoose = folder.filePath("map.svg");
        QTest::mouseClick(m_window->findChild<QPushButton*>("cmdExportSvg"), Qt::LeftButton);
        QFile svg(m_env->desktop.saveFileToChoose);
        QVERIFY(svg.open(QIODevice::ReadOnly));
        const QString texts = svgTexts(svg.readAll());
        for (const QString& text : shown)
            QVERIFY2(texts.contains(text.section(' ', 1).isEmpty() ? text : text.section(' ', 1)),
                     qPrintable(text));
    }

    // Where the user drags a character stays, on that story's map alone, for the next opening;
    // the map follows relationships and casts changed elsewhere; a character opens in its window.
    void windowKeepsDragsFollowsChangesAndOpensCharacters()
    {
        openMap("Voyage");
        const QPointF dropped(-420.5, 310.25);
        emit m_window->map()->nodeMoved(3, dropped);
        QCOMPARE(m_env->db.column("SELECT Story_ID || '/' || Character_ID || '/' || x || '/' || y "
                                  "FROM cast_map_position"),
                 QStringList{"1/3/-420.5/310.25"});
        reopenMap("Voyage");
        QCOMPARE(centreOf("Cy"), dropped);

        StoreError error;
        qint64 key = -1;
        QVERIFY(Relationships::add(2, 3, "owes", {}, &key, &error));
        QVERIFY(mapShown().contains("Bo>Cy owes"));
        QVERIFY(StoryLinks::link(*StoryLinks::forItemTable("character"), 1, 4, {}, &error));
        QVERIFY(mapShown().contains("Cy>Di owes"));
        QCOMPARE(centreOf("Cy"), dropped);

        QMdiArea area;
        auto* frame = new ChildFrame(&area);
        m_window->setChildFrame(frame);
        QSignalSpy opened(frame, &ChildFrame::windowRequested);
        emit m_window->map()->nodeOpened(2);
        QCOMPARE(opened.value(0), (QVariantList{"frmCharacter", qint64(2)}));

        // Printed on one page; without a printer, the pictures are offered instead.
        for (const PrintResult result : {PrintResult::Printed, PrintResult::NoPrinter}) {
            m_env->desktop.printResult = result;
            m_env->desktop.answerNext(MessageAnswer::Yes);
            QTest::mouseClick(m_window->findChild<QPushButton*>("cmdPrint"), Qt::LeftButton);
        }
        QCOMPARE(m_env->desktop.printedPictures.size(), 1);
        QImage blank(m_env->desktop.printedPictures[0].size(), QImage::Format_ARGB32);
        blank.fill(Qt::white);
        QVERIFY(m_env->desktop.printedPictures[0] != blank);
        QVERIFY(m_env->expectMessage("No printer is installed.  Export the map as a picture to "
                                     "print it elsewhere.",
                                     "Print Cast Map", MessageIcon::Exclamation));
    }
};

QTEST_MAIN(TestCastMap)
#include "tst_castmap.moc"
