#include "records/PlotWindow.h"

#include "records/ProfileForm.h"
#include "records/RollSeedFields.h"
#include "shared/desktop/BusyPointer.h"
#include "shared/desktop/Desktop.h"
#include "shared/widgets/ControlMakers.h"
#include "shared/widgets/FatalError.h"
#include "shared/widgets/OutputText.h"
#include "shared/widgets/RecordNavigator.h"
#include "shared/widgets/Report.h"
#include "shared/widgets/SeededGeneration.h"
#include "shared/widgets/WindowServices.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableView>
#include <QVBoxLayout>

using namespace ProfileForm;

PlotWindow::PlotWindow(QWidget* parent)
    : RecordWindow(QStringLiteral("frmPlot"), tr("Plot"),
                   {QStringLiteral("Plot Profile"),
                    {"Plot Name", "Character One", "Motivation One", "Character Two",
                     "Motivation Two", "Character Three", "Motivation Three"},
                    QStringLiteral("dtaPlot"),
                    tr("Plot Navigate"),
                    QStringLiteral("dbgPlot"),
                    tr("You must create your first plot by selecting New.  This will "
                       "not be saved."),
                    tr("Create New First")},
                   parent)
{
    createControls();
    arrangeControls();
    connectControls();
    m_rollSeed->addGenerateFromSeed([this](quint32 seed) { suggest(seed); });
    resize(sizeHint().expandedTo(QSize(780, 560)));
}

void PlotWindow::createControls()
{
    m_suggestionFrame = makeFrame(QStringLiteral("frmPlotComponents"), tr("Plot Suggestion"), this);
    m_plotName = makeTextBox(QStringLiteral("txtPlotName"), tr("Plot Name"), m_suggestionFrame);
    auto* suggestion = new QGridLayout(m_suggestionFrame);
    addLabelled(suggestion, 0, 0, tr("Plot Name:"), m_plotName, 3);
    createCharacterBoxes(m_suggestionFrame, suggestion, 1,
                         {tr("Character One:"), tr("Character Two:"), tr("Character Three:")});
    suggestion->setRowStretch(4, 1);

    m_referenceFrame = makeFrame(QStringLiteral("framePlot"), tr("Plot Reference"), this);
    m_catalogue =
        ControlMakers::named(new QListWidget(m_referenceFrame), QStringLiteral("lstPlot"));
    m_catalogue->setAccessibleName(tr("Plots"));
    m_description = ControlMakers::named(new QPlainTextEdit(m_referenceFrame),
                                         QStringLiteral("txtPlotDescription"));
    m_description->setAccessibleName(tr("Plot Description"));
    m_description->setReadOnly(true); // the catalogue is not edited here
    m_description->setTabChangesFocus(true);
    setRoomyScrollArea(m_catalogue, 22, 8);
    setRoomyScrollArea(m_description, 28, 8);

    bindField(m_plotName, QStringLiteral("Plot Name"));
    bindCharacterBoxes([this](QWidget* box, const QString& field) { bindField(box, field); });
    m_rollSeed = new RollSeedFields(this);
    m_rollSeed->bind([this](QWidget* box, const QString& field) { bindField(box, field); });

    m_newButton = ControlMakers::button(QStringLiteral("cmdNew"), tr("New"), {}, this);
    m_updateButton = ControlMakers::button(QStringLiteral("cmdUpdate"), tr("Update"), {}, this);
    m_deleteButton = ControlMakers::button(QStringLiteral("cmdDelete"), tr("Delete"), {}, this);
    m_suggestButton = ControlMakers::button(QStringLiteral("cmdSuggest"), tr("&Suggest"), {}, this);
    m_printButton = ControlMakers::button(QStringLiteral("cmdPrint"), tr("Print"), {}, this);
    m_closeButton = ControlMakers::button(QStringLiteral("cmdOK"), tr("Close"), {}, this);
}

void PlotWindow::arrangeControls()
{
    auto* reference = new QHBoxLayout(m_referenceFrame);
    reference->addWidget(m_catalogue, 2);
    reference->addWidget(m_description, 3);

    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(m_suggestionFrame, 3);
    top->addWidget(m_referenceFrame, 2);
    layout->addLayout(top);
    layout->addWidget(captionedGrid(grid(), tr("Plot")), 1);
    layout->addWidget(navigatorBar(m_rollSeed->label()));
    layout->addLayout(ControlMakers::buttonRow({m_newButton, m_updateButton, m_deleteButton,
                                                m_suggestButton, m_printButton, m_closeButton}));

    QList<QWidget*> chain = {m_plotName};
    for (QLineEdit* box : characterBoxes())
        chain << box;
    setTabOrderChain(chain << m_catalogue << m_description << grid() << m_newButton
                           << m_updateButton << m_deleteButton << m_suggestButton << m_printButton
                           << m_closeButton);
}

void PlotWindow::connectControls()
{
    connect(m_newButton, &QPushButton::clicked, this, &PlotWindow::addPlot);
    connectRecordButtons(m_updateButton, m_deleteButton, m_closeButton);
    connect(m_suggestButton, &QPushButton::clicked, this,
            [this] { suggest(SeededGeneration::drawSeed()); });
    connect(m_printButton, &QPushButton::clicked, this, [this] { printReport(report()); });
    // A change of selection, by mouse or keyboard; not the focus arriving in the list, which
    // moves its current entry without selecting it. A click on the plot already selected shows
    // it again.
    connect(m_catalogue, &QListWidget::itemSelectionChanged, this, [this] {
        ++m_selectionChanges;
        showChosenPlot();
    });
    connect(m_catalogue, &QListWidget::itemClicked, this, [this] {
        if (m_selectionChanges == m_selectionChangesAtPress)
            showChosenPlot();
    });
    m_catalogue->viewport()->installEventFilter(this);
}

bool PlotWindow::eventFilter(QObject* watched, QEvent* event)
{
    const bool press =
        event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    if (watched == m_catalogue->viewport() && press)
        m_selectionChangesAtPress = m_selectionChanges;
    return RecordWindow::eventFilter(watched, event);
}

void PlotWindow::activate()
{
    refreshCastNames();
    RecordWindow::activate();
}

void PlotWindow::load()
{
    listCatalogue();
    setDataControls(this);
}

void PlotWindow::listCatalogue()
{
    QStringList names;
    StoreError error;
    if (!PlotCatalogue::names(&names, &error)) {
        reportFatalError(error);
        return;
    }
    const QSignalBlocker quiet(m_catalogue);
    m_catalogue->clear();
    m_catalogue->addItems(names);
}

std::optional<PlotCatalogue::Check> PlotWindow::checkCatalogue()
{
    PlotCatalogue::Check catalogue;
    StoreError error;
    if (!PlotCatalogue::check(&catalogue, &error)) {
        reportFatalError(error);
        return std::nullopt;
    }
    if (catalogue.state != PlotCatalogue::State::Sound)
        tellCatalogueProblem(catalogue.state);
    return catalogue;
}

void PlotWindow::tellCatalogueProblem(PlotCatalogue::State state)
{
    desktop().messageBox(PlotCatalogue::problemText(state), PlotCatalogue::problemTitle(),
                         MessageIcon::Information, MessageButtons::Ok);
}

void PlotWindow::selectListEntry(int row)
{
    const QSignalBlocker quiet(m_catalogue);
    if (row < 0)
        m_catalogue->clearSelection();
    else
        m_catalogue->setCurrentRow(row);
}

void PlotWindow::pickRandomPlot(SeededGeneration::Roll& roll)
{
    roll.noteList(QStringLiteral("plots"));
    const std::optional<PlotCatalogue::Check> catalogue = checkCatalogue();
    if (!catalogue)
        return;
    if (catalogue->state != PlotCatalogue::State::Sound) {
        selectListEntry(-1);
        m_description->clear();
        return;
    }
    // The list was read when the window opened; the catalogue may have changed since.
    if (m_catalogue->count() != catalogue->count)
        listCatalogue();
    // In a sound catalogue the r-th plot is numbered r and listed at r - 1.
    selectListEntry(int(roll.random().below(catalogue->count)));
    showChosenPlot();
}

void PlotWindow::clearSuggestion()
{
    m_plotName->clear();
    for (QLineEdit* box : characterBoxes())
        box->clear();
}

void PlotWindow::showChosenPlot()
{
    const QList<QListWidgetItem*> selected = m_catalogue->selectedItems();
    if (selected.isEmpty())
        return;
    const std::optional<PlotCatalogue::Check> catalogue = checkCatalogue();
    if (!catalogue)
        return;
    std::optional<PlotCatalogue::Plot> plot;
    if (catalogue->state == PlotCatalogue::State::Sound) {
        StoreError error;
        if (!PlotCatalogue::plotNumbered(m_catalogue->row(selected.first()) + 1, &plot, &error)) {
            reportFatalError(error);
            return;
        }
        // A list read before plots were taken out of the catalogue.
        if (!plot)
            tellCatalogueProblem(PlotCatalogue::State::Damaged);
    }
    if (!plot) {
        m_description->clear();
        return;
    }
    m_description->setPlainText(plot->description);
    showText(m_plotName, plot->name);
}

void PlotWindow::suggest(quint32 seed)
{
    const BusyPointer busy;
    SeededGeneration::Roll roll(seed);
    clearSuggestion();
    pickRandomPlot(roll);
    drawCharacters(roll);
    m_rollSeed->mark(roll);
}

void PlotWindow::addPlot()
{
    newRecord([this] { suggest(SeededGeneration::drawSeed()); }, m_plotName);
}

Report PlotWindow::report() const
{
    Report report(windowTitle());
    report.addLabelled(tr("PlotName"), m_plotName->text());
    addCharacterLines(&report, ReportOrder::PairByPair);
    report.addLabelled(tr("PlotDescription"), m_description->toPlainText());
    return report;
}
