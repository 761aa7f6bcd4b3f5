#include "records/CastMapWindow.h"

#include "data/CastMap.h"
#include "data/Relationships.h"
#include "data/StoryLinks.h"
#include "data/TableNotices.h"
#include "records/StoryCast.h"
#include "shared/desktop/BusyPointer.h"
#include "shared/desktop/Desktop.h"
#include "shared/widgets/CastMapView.h"
#include "shared/widgets/ControlMakers.h"
#include "shared/widgets/FatalError.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>

using namespace ControlMakers;

namespace {

// The tables whose changes show on the map.
bool showsOnMap(const QString& table)
{
    static const QStringList tables = {QStringLiteral("character"), QStringLiteral("Story Profile"),
                                       QStringLiteral("Story_Character"), Relationships::table()};
    return tables.contains(table);
}

} // namespace

CastMapWindow::CastMapWindow(QWidget* parent)
    : ToolWindow(QStringLiteral("frmCastMap"), tr("Cast Map"), parent)
{
    createControls();
    arrangeControls();
    connectControls();
    resize(sizeHint().expandedTo(QSize(820, 600)));
}

void CastMapWindow::createControls()
{
    m_story = named(new QComboBox(this), QStringLiteral("cboMapStory"));
    m_story->setAccessibleName(tr("Story"));
    m_map = named(new CastMapView(this), QStringLiteral("cstMap"));
    m_map->setMinimumSize(640, 400); // room for a cast of half a dozen without scrolling
    m_exportSvg = button(QStringLiteral("cmdExportSvg"), tr("Export S&VG…"),
                         tr("Save the map as an SVG picture"), this);
    m_exportPng = button(QStringLiteral("cmdExportPng"), tr("Export P&NG…"),
                         tr("Save the map as a PNG picture"), this);
    m_print = button(QStringLiteral("cmdPrint"), tr("&Print"), tr("Print the map"), this);
    m_close = button(QStringLiteral("cmdClose"), tr("Close"), {}, this);
}

void CastMapWindow::arrangeControls()
{
    auto* window = new QVBoxLayout(this);
    auto* choice = new QHBoxLayout;
    auto* label = new QLabel(tr("S&tory:"), this);
    label->setBuddy(m_story);
    choice->addWidget(label);
    choice->addWidget(m_story, 1);
    choice->addStretch(1);
    window->addLayout(choice);
    window->addWidget(m_map, 1);
    window->addLayout(buttonRow({m_exportSvg, m_exportPng, m_print, m_close}));
    setTabOrderChain({m_story, m_map, m_exportSvg, m_exportPng, m_print, m_close});
}

void CastMapWindow::connectControls()
{
    connect(m_story, &QComboBox::currentIndexChanged, this, &CastMapWindow::showMap);
    connect(m_map, &CastMapView::nodeMoved, this, &CastMapWindow::keepPosition);
    connect(m_map, &CastMapView::nodeOpened, this,
            [this](qint64 key) { openWindowOn(QStringLiteral("frmCharacter"), key); });
    connect(m_exportSvg, &QPushButton::clicked, this, [this] {
        exportPicture(tr("Export SVG"), tr("SVG picture (*.svg)"), QStringLiteral("svg"),
                      &CastMapView::writeSvg);
    });
    connect(m_exportPng, &QPushButton::clicked, this, [this] {
        exportPicture(tr("Export PNG"), tr("PNG picture (*.png)"), QStringLiteral("png"),
                      &CastMapView::writePng);
    });
    connect(m_print, &QPushButton::clicked, this, &CastMapWindow::printMap);
    connect(m_close, &QPushButton::clicked, this, &CastMapWindow::unload);

    // A story's name or a character written elsewhere, a cast or a relationship changed.
    const auto follow = [this](const QString& table) {
        if (showsOnMap(table))
            fillStories();
    };
    connect(&TableNotices::instance(), &TableNotices::written, this, follow);
    connect(&TableNotices::instance(), &TableNotices::linksChanged, this, follow);
}

void CastMapWindow::load()
{
    fillStories();
}

void CastMapWindow::activate()
{
    ToolWindow::activate();
    // Characters and stories edited in their windows meanwhile.
    fillStories();
}

void CastMapWindow::fillStories()
{
    QList<StoryLinks::Story> stories;
    StoreError error;
    if (!StoryLinks::allStories(&stories, &error))
        return reportFatalError(error);
    const qint64 chosen = storyKey();
    {
        const QSignalBlocker blocker(m_story);
        m_story->clear();
        m_story->addItem(tr("All characters"), CastMap::AllCharacters);
        for (const StoryLinks::Story& story : std::as_const(stories))
            m_story->addItem(story.name.isEmpty() ? tr("Untitled story") : story.name, story.key);
        m_story->setCurrentIndex(std::max(0, m_story->findData(chosen)));
    }
    showMap();
}

qint64 CastMapWindow::storyKey() const
{
    return m_story->count() > 0 ? m_story->currentData().toLongLong() : CastMap::AllCharacters;
}

void CastMapWindow::showMap()
{
    const BusyPointer busy;
    StoryCast::Cast cast;
    StoreError error;
    if (!StoryCast::read(storyKey(), &cast, &error))
        return reportFatalError(error);
    const std::optional<qint64> selected = m_map->selectedNode();
    m_map->arrange(cast.nodes, cast.edges);
    if (selected)
        m_map->selectNode(*selected);
}

void CastMapWindow::keepPosition(qint64 characterKey, const QPointF& centre)
{
    StoreError error;
    if (!CastMap::keepPosition(storyKey(), characterKey, centre, &error))
        //: What the refused change was about, as in "Quillane could not save/add/delete …"
        reportFailedWrite(error, RefusedWrite::saving(tr("where the character stands"),
                                                      tr("It stays there on the map")));
}

void CastMapWindow::exportPicture(const QString& title, const QString& kind, const QString& suffix,
                                  bool (CastMapView::*write)(QIODevice*))
{
    //: The name offered for the picture of a story's map, before its ".svg" or ".png"
    const QString fileName = desktop().askSaveFileName(
        title, tr("%1 cast map").arg(m_story->currentText()) + u'.' + suffix, {kind});
    if (fileName.isEmpty())
        return;
    const BusyPointer busy;
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || !(m_map->*write)(&file) || !file.commit())
        desktop().messageBox(tr("The map could not be saved.  %1").arg(file.errorString()), title,
                             MessageIcon::Exclamation, MessageButtons::Ok);
}

void CastMapWindow::printMap()
{
    const QString title = tr("Print Cast Map");
    if (desktop().messageBox(tr("Is your printer on and loaded with paper."), title,
                             MessageIcon::None, MessageButtons::YesNo) != MessageAnswer::Yes)
        return;
    const BusyPointer busy;
    QString error;
    const PrintResult printed = desktop().printPicture(
        [this](QPainter* painter, const QRectF& page) { m_map->render(painter, page); }, &error);
    if (printed == PrintResult::NoPrinter)
        desktop().messageBox(tr("No printer is installed.  Export the map as a "
                                "picture to print it elsewhere."),
                             title, MessageIcon::Exclamation, MessageButtons::Ok);
    else if (printed == PrintResult::Failed)
        desktop().messageBox(tr("The map could not be printed.  %1").arg(error), title,
                             MessageIcon::Exclamation, MessageButtons::Ok);
}
