#include "engines/CastLayout.h"
#include "shared/widgets/CastMapArrow.h"
#include "shared/widgets/CastMapNode.h"
#include "shared/widgets/CastMapView.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <QSignalSpy>
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

} // namespace

// The cast map: where its layout puts the characters, and the view that shows them.
class TestCastMap : public QObject
{
    Q_OBJECT

    std::unique_ptr<CastMapView> m_view;
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
    void cleanup() { m_view.reset(); }

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
        QXmlStreamReader reader(svg.data());
        QString texts;
        while (!reader.atEnd()) {
            if (reader.readNext() == QXmlStreamReader::Characters)
                texts += reader.text().toString() + u'\n';
        }
        QVERIFY2(!reader.hasError(), qPrintable(reader.errorString()));
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
};

QTEST_MAIN(TestCastMap)
#include "tst_castmap.moc"
