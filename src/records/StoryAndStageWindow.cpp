#include "records/StoryAndStageWindow.h"

#include "data/CastMap.h"
#include "data/RecordTable.h"
#include "data/StoryBible.h"
#include "records/ProfileForm.h"
#include "records/StoryCast.h"
#include "records/StoryLinkList.h"
#include "shared/desktop/BusyPointer.h"
#include "shared/desktop/Desktop.h"
#include "shared/widgets/ControlMakers.h"
#include "shared/widgets/FatalError.h"
#include "shared/widgets/OutputText.h"
#include "shared/widgets/RecordNavigator.h"
#include "shared/widgets/Report.h"
#include "shared/widgets/WindowServices.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QSqlRecord>
#include <QTableView>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace ProfileForm;

namespace {

QStringList linkButtons(const char* add, const char* update, const char* refresh,
                        const char* remove)
{
    return {QLatin1String(add), QLatin1String(update), QLatin1String(refresh),
            QLatin1String(remove)};
}

StoryLinkList::Setup characterLinks()
{
    return {{"Story_Character", "ID", "Character_ID", "character", {"Name"}, "Note"},
            "dtaStoryCharacter",
            "txtStoryCharacterID",
            "cboCharacter",
            StoryAndStageWindow::tr("Character"),
            StoryAndStageWindow::tr("Character:"),
            "dbgCharacters",
            StoryAndStageWindow::tr("Character List"),
            true,
            linkButtons("cmdNewCharacter", "cmdUpdateCharacter", "cmdRefreshList", "cmdDelete"),
            {},
            StoryAndStageWindow::tr("New Character"),
            StoryAndStageWindow::tr(
                "Now select a character from the drop down and click the Update button."),
            StoryAndStageWindow::tr("Select your character.")};
}

StoryLinkList::Setup plotLinks()
{
    return {{"Story_Plot",
             "Id",
             "Plot_ID",
             "Plot Profile",
             {"Plot Name", "Character One", "Motivation One", "Character Two", "Motivation Two",
              "Character Three", "Motivation Three"},
             "Comment"},
            "dtaStory_Plot",
            "txtStoryPlotID",
            "cboPlot",
            StoryAndStageWindow::tr("Plot"),
            StoryAndStageWindow::tr("Plot:"),
            "dbgStory_Plot",
            StoryAndStageWindow::tr("Plot List"),
            false,
            linkButtons("cmdNewPlot", "cmdUpdatePlot", "cmdRefreshPlot", "cmdDeletePlot"),
            {},
            StoryAndStageWindow::tr("New Plot"),
            StoryAndStageWindow::tr(
                "Now select a plot from the drop down and click the Update button."),
            StoryAndStageWindow::tr("Select your plot.")};
}

StoryLinkList::Setup sceneLinks()
{
    return {{"Story_Scene", "ID", "Scene_ID", "Scene Profile", {"Scene Name"}, {}},
            "dtaStory_Scene",
            "txtStorySceneID",
            "cboScene",
            StoryAndStageWindow::tr("Scene"),
            StoryAndStageWindow::tr("Scene:"),
            "dbgScene",
            StoryAndStageWindow::tr("Scene List"),
            true,
            linkButtons("cmdNewScene", "cmdUpdateScene", "cmdRefreshScene", "cmdDeleteScene"),
            {StoryAndStageWindow::tr("Add a new scene"),
             StoryAndStageWindow::tr("Update this scene"),
             {},
             StoryAndStageWindow::tr("Delete this scene")},
            StoryAndStageWindow::tr("New Scene"),
            StoryAndStageWindow::tr(
                "Now select a scene from the drop down and click the Update button."),
            StoryAndStageWindow::tr("Select your scene.")};
}

// Every field of every link after the key, but the references: "name: value" and a blank line.
void addLinkLines(Report* report, const LinkListModel* links)
{
    for (int row = 0; row < links->rowCount(); ++row) {
        for (int column = 1; column < links->columnCount(); ++column) {
            const QString field = links->record().fieldName(column);
            if (field.endsWith(QStringLiteral("ID")))
                continue;
            report->addLabelled(field, links->index(row, column).data().toString());
            report->addLine(QStringLiteral(" "));
        }
    }
}

} // namespace

StoryAndStageWindow::StoryAndStageWindow(QWidget* parent)
    : RecordWindow(QStringLiteral("frmStoryandStage"), tr("Story and Stage"),
                   {.table = QStringLiteral("Story Profile"),
                    .gridFields = {"ID", "Story Name", "Story Description"},
                    .navigatorName = QStringLiteral("dtaStory"),
                    .navigatorCaption = tr("Story"),
                    .gridName = QStringLiteral("dbgStoryList"),
                    .noRecordText = {},
                    .noRecordTitle = {},
                    .rowFilter = {},
                    .deleteQuestion = tr("Are you sure that you want to delete this story?"),
                    .deleteTitle = tr("Are you Sure?"),
                    .nothingToDelete = tr("No item to delete.")},
                   parent)
{
    createControls();
    arrangeControls();
    connectControls();
    resize(sizeHint().expandedTo(QSize(800, 600)));
}

void StoryAndStageWindow::createControls()
{
    m_storyName = makeTextBox(QStringLiteral("txtStoryName"), tr("Story Name"), this);
    m_storyId = makeTextBox(QStringLiteral("txtStoryID"), tr("Story ID"), this);
    m_storyId->setReadOnly(true); // the key is the store's, never typed
    grid()->setToolTip(tr("Pick a story profile"));
    setRoomyScrollArea(grid(), 40, 9);

    m_tabs = ControlMakers::named(new QTabWidget(this), QStringLiteral("dbgPlot"));
    m_tabs->setAccessibleName(tr("Story"));
    m_description =
        ControlMakers::named(new QPlainTextEdit(this), QStringLiteral("txtStoryDescription"));
    m_description->setAccessibleName(tr("Story Description"));
    m_description->setToolTip(tr("Enter a description of this story"));
    m_notes = ControlMakers::named(new QPlainTextEdit(this), QStringLiteral("txtNotes"));
    m_notes->setAccessibleName(tr("Notes"));
    for (QPlainTextEdit* text : {m_description, m_notes})
        text->setTabChangesFocus(true);
    m_plots = new StoryLinkList(plotLinks(), this);
    m_characters = new StoryLinkList(characterLinks(), this);
    m_scenes = new StoryLinkList(sceneLinks(), this);
    m_tabs->addTab(m_description, tr("Description"));
    m_tabs->addTab(m_plots, tr("Plot"));
    m_tabs->addTab(m_characters, tr("Characters"));
    m_tabs->addTab(m_notes, tr("Notes"));
    m_tabs->addTab(m_scenes, tr("Scenes"));

    bindField(m_storyName, QStringLiteral("Story Name"));
    bindField(m_description, QStringLiteral("Story Description"));
    bindField(m_notes, QStringLiteral("Notes"));

    m_newButton =
        ControlMakers::button(QStringLiteral("cmdNew"), tr("New"), tr("Create a new story"), this);
    m_updateButton = ControlMakers::button(QStringLiteral("cmdUpdate"), tr("Update"),
                                           tr("Save this profile"), this);
    m_deleteButton = ControlMakers::button(QStringLiteral("cmdDeleteStory"), tr("Delete"),
                                           tr("Delete this profile"), this);
    m_printButton = ControlMakers::button(QStringLiteral("cmdPrint"), tr("Print"),
                                          tr("Print a report on the selected story"), this);
    m_clipboardButton =
        ControlMakers::button(QStringLiteral("cmdClipboard"), tr("Clipboard"),
                              tr("Paste a copy of the story to the clipboard"), this);
    m_exportButton =
        ControlMakers::button(QStringLiteral("cmdExport"), tr("Export…"),
                              tr("Save the whole story as a web page or Markdown"), this);
}

void StoryAndStageWindow::arrangeControls()
{
    auto* layout = new QVBoxLayout(this);
    auto* story = new QGridLayout;
    addLabelled(story, 0, 0, tr("Story Name:"), m_storyName);
    addLabelled(story, 0, 2, tr("ID:"), m_storyId);
    story->setColumnStretch(1, 1);
    layout->addLayout(story);
    layout->addWidget(m_tabs, 3);
    layout->addWidget(captionedGrid(grid(), tr("Story List")), 2);
    layout->addWidget(navigator());
    auto* buttons = new QHBoxLayout;
    for (QWidget* button : {m_newButton, m_updateButton, m_deleteButton, m_printButton,
                            m_clipboardButton, m_exportButton})
        buttons->addWidget(button);
    buttons->addStretch();
    layout->addLayout(buttons);
}

void StoryAndStageWindow::connectControls()
{
    connect(m_newButton, &QPushButton::clicked, this, &StoryAndStageWindow::newStory);
    connect(m_updateButton, &QPushButton::clicked, this, &StoryAndStageWindow::saveRecord);
    connect(m_deleteButton, &QPushButton::clicked, this, &StoryAndStageWindow::deleteRecord);
    connect(m_printButton, &QPushButton::clicked, this, [this] { printReport(report()); });
    connect(m_clipboardButton, &QPushButton::clicked, this, [this] { copyReport(report()); });
    connect(m_exportButton, &QPushButton::clicked, this, &StoryAndStageWindow::exportStory);
}

void StoryAndStageWindow::load()
{
    setDataControls(this);
    checkForFirst();
}

void StoryAndStageWindow::activate()
{
    checkForFirst();
    RecordWindow::activate();
}

void StoryAndStageWindow::checkForFirst()
{
    m_tabs->setEnabled(recordCount() > 0);
}

void StoryAndStageWindow::recordShown(qint64 key)
{
    m_storyId->setText(key >= 0 ? QString::number(key) : QString());
    for (StoryLinkList* list : {m_characters, m_scenes, m_plots})
        list->showStory(key);
}

void StoryAndStageWindow::newStory()
{
    newRecord(
        [this] {
            m_storyName->setText(desktop().inputBox(tr("Enter the name for this story."), {}, {}));
        },
        m_storyName);
}

bool StoryAndStageWindow::removeRecord(qint64 key, StoreError* error)
{
    // The links go with the story: a failure leaves both as they were.
    QList<RecordTable::Link> links;
    for (const char* table : {"Story_Plot", "Story_Character", "Story_Scene"})
        links.append({QString::fromLatin1(table), QStringLiteral("Story_ID")});
    links += CastMap::storyLinks();
    if (!RecordTable(QStringLiteral("Story Profile")).removeWithLinks(key, links, error))
        return false;
    return navigator()->refresh(error);
}

Report StoryAndStageWindow::report() const
{
    Report report(tr("Story and Stage"));
    report.addLine(m_storyName->text());
    report.addLine(m_description->toPlainText());
    report.addLine(QStringLiteral(" "));
    const auto section = [&report](const QString& heading) {
        report.addRule();
        report.addLine(heading);
        report.addRule();
    };
    section(tr("Characters"));
    addLinkLines(&report, m_characters->links());
    section(tr("Plot"));
    addLinkLines(&report, m_plots->links());
    section(tr("Scenes"));
    addLinkLines(&report, m_scenes->links());
    section(tr("Notes"));
    report.addLine(m_notes->toPlainText());
    return report;
}

bool StoryAndStageWindow::saveEdits()
{
    bool saved = true;
    for (StoryLinkList* list : {m_characters, m_plots, m_scenes})
        saved = list->saveEdits() && saved;
    return RecordWindow::saveEdits() && saved;
}

void StoryAndStageWindow::exportStory()
{
    const qint64 key = currentKey();
    if (key < 0)
        return;
    // The file holds the story as it is on screen.
    if (!saveEdits())
        return;
    const QString name = m_storyName->text().isEmpty() ? tr("Story") : m_storyName->text();
    const QString fileName =
        desktop().askSaveFileName(tr("Export Story"), name + QStringLiteral(".html"),
                                  {tr("Web page (*.html)"), tr("Markdown (*.md)")});
    if (fileName.isEmpty())
        return;
    const BusyPointer busy;
    const StoryBible::Format format = StoryBible::formatOf(fileName);
    QString text;
    QString castMap;
    StoreError error;
    if ((format == StoryBible::Format::Html &&
         !StoryCast::svgElement(key, tr("Cast map of %1").arg(name), &castMap, &error)) ||
        !StoryBible::write(key, format, &text, &error, castMap))
        return reportFatalError(error);
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit())
        desktop().messageBox(tr("The story could not be saved.  %1").arg(file.errorString()),
                             tr("Export Story"), MessageIcon::Exclamation, MessageButtons::Ok);
}
