#include "records/frmPlot.h"

#include "data/DataControl.h"
#include "data/DataGrid.h"
#include "shared/FatalError.h"
#include "shared/RandomListValue.h"
#include "records/ProfileForm.h"
#include "shared/BusyPointer.h"
#include "shared/ControlMakers.h"
#include "shared/Desktop.h"
#include "shared/OutputText.h"
#include "shared/Random.h"
#include "shared/WindowServices.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

using namespace ProfileForm;

namespace {
const QStringList GridColumns = {"Plot Name",       "Character One",  "Motivation One",
                                 "Character Two",   "Motivation Two", "Character Three",
                                 "Motivation Three"};
}

frmPlot::frmPlot(QWidget* parent)
    : RecordWindow(QStringLiteral("frmPlot"), QStringLiteral("Plot"),
                   QStringLiteral("Plot Profile"),
                   QStringLiteral("You must create your first plot by selecting New.  This will "
                                  "not be saved."),
                   QStringLiteral("Create New First"), parent)
{
    createControls();
    arrangeControls();
    connectControls();
    resize(sizeHint().expandedTo(QSize(780, 560)));
}

void frmPlot::createControls()
{
    // Control order, which is the order Print writes the fields in: the plot name, each
    // character's occupation and motivation in turn, then the catalogue's description.
    frmPlotComponents =
        makeFrame(QStringLiteral("frmPlotComponents"), QStringLiteral("Plot Suggestion"), this);
    txtPlotName =
        makeTextBox(QStringLiteral("txtPlotName"), QStringLiteral("Plot Name"), frmPlotComponents);
    auto* suggestion = new QGridLayout(frmPlotComponents);
    addLabelled(suggestion, 0, 0, QStringLiteral("Plot Name:"), txtPlotName, 3);
    createCharacterBoxes(frmPlotComponents, suggestion, 1,
                         {QStringLiteral("Character One:"), QStringLiteral("Character Two:"),
                          QStringLiteral("Character Three:")},
                         CreationOrder::PairByPair);
    suggestion->setRowStretch(4, 1);

    framePlot = makeFrame(QStringLiteral("framePlot"), QStringLiteral("Plot Reference"), this);
    lstPlot = new QListWidget(framePlot);
    lstPlot->setObjectName(QStringLiteral("lstPlot"));
    lstPlot->setAccessibleName(QStringLiteral("Plots"));
    txtPlotDescription = new QPlainTextEdit(framePlot);
    txtPlotDescription->setObjectName(QStringLiteral("txtPlotDescription"));
    txtPlotDescription->setAccessibleName(QStringLiteral("Plot Description"));
    txtPlotDescription->setReadOnly(true); // the catalogue is not edited here
    txtPlotDescription->setTabChangesFocus(true);
    setRoomyScrollArea(lstPlot, 22, 8);
    setRoomyScrollArea(txtPlotDescription, 28, 8);

    dtaPlot = new DataControl(QStringLiteral("dtaPlot"), this);
    dtaPlot->setRecordSource(QStringLiteral("select * from [Plot Profile] where visible <> -1"));
    dtaPlot->setCaption(QStringLiteral("Plot Navigate"));
    dtaPlot->bind(txtPlotName, QStringLiteral("Plot Name"));
    bindCharacterBoxes(dtaPlot);
    setRecordControl(dtaPlot);
    dbgPlot = new DataGrid(QStringLiteral("dbgPlot"), this);

    cmdNew = ControlMakers::button(QStringLiteral("cmdNew"), QStringLiteral("New"), {}, this);
    cmdUpdate =
        ControlMakers::button(QStringLiteral("cmdUpdate"), QStringLiteral("Update"), {}, this);
    cmdDelete =
        ControlMakers::button(QStringLiteral("cmdDelete"), QStringLiteral("Delete"), {}, this);
    cmdSuggest =
        ControlMakers::button(QStringLiteral("cmdSuggest"), QStringLiteral("&Suggest"), {}, this);
    cmdPrint = ControlMakers::button(QStringLiteral("cmdPrint"), QStringLiteral("Print"), {}, this);
    cmdOK = ControlMakers::button(QStringLiteral("cmdOK"), QStringLiteral("Close"), {}, this);
}

void frmPlot::arrangeControls()
{
    auto* reference = new QHBoxLayout(framePlot);
    reference->addWidget(lstPlot, 2);
    reference->addWidget(txtPlotDescription, 3);

    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(frmPlotComponents, 3);
    top->addWidget(framePlot, 2);
    layout->addLayout(top);
    layout->addWidget(captionedGrid(dbgPlot, QStringLiteral("Plot"), dtaPlot, GridColumns), 1);
    layout->addWidget(dtaPlot);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {cmdNew, cmdUpdate, cmdDelete, cmdSuggest, cmdPrint})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    layout->addLayout(buttons);

    setTabOrderChain({txtPlotName, txtJob1, txtCharacter1, txtJob2, txtCharacter2, txtJob3,
                      txtCharacter3, lstPlot, txtPlotDescription, dbgPlot, cmdNew, cmdUpdate,
                      cmdDelete, cmdSuggest, cmdPrint, cmdOK});
}

void frmPlot::connectControls()
{
    connect(cmdNew, &QPushButton::clicked, this, &frmPlot::cmdNew_Click);
    connect(cmdUpdate, &QPushButton::clicked, this, &frmPlot::cmdUpdate_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmPlot::cmdDelete_Click);
    connect(cmdSuggest, &QPushButton::clicked, this, &frmPlot::cmdSuggest_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmPlot::cmdPrint_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmPlot::cmdOK_Click);
    // A change of selection, by mouse or keyboard; not the focus arriving in the list, which
    // moves its current entry without selecting it. A click on the plot already selected shows
    // it again.
    connect(lstPlot, &QListWidget::itemSelectionChanged, this, [this] {
        ++m_selectionChanges;
        lstPlot_Click();
    });
    connect(lstPlot, &QListWidget::itemClicked, this, [this] {
        if (m_selectionChanges == m_selectionChangesAtPress)
            lstPlot_Click();
    });
    lstPlot->viewport()->installEventFilter(this);
}

bool frmPlot::eventFilter(QObject* watched, QEvent* event)
{
    const bool press =
        event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    if (watched == lstPlot->viewport() && press)
        m_selectionChangesAtPress = m_selectionChanges;
    return RecordWindow::eventFilter(watched, event);
}

void frmPlot::load()
{
    getPlots();
    setDataControls(this);
}

void frmPlot::activate()
{
    setHourglass();
    RecordWindow::activate();
    resetPointer();
}

void frmPlot::getPlots()
{
    QStringList names;
    StoreError error;
    if (!PlotCatalogue::names(&names, &error)) {
        reportFatalError(error);
        return;
    }
    const QSignalBlocker quiet(lstPlot);
    lstPlot->clear();
    lstPlot->addItems(names);
}

std::optional<PlotCatalogue::Check> frmPlot::checkCatalogue()
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

void frmPlot::tellCatalogueProblem(PlotCatalogue::State state)
{
    desktop().messageBox(PlotCatalogue::problemText(state), PlotCatalogue::problemTitle(),
                         MessageIcon::Information, MessageButtons::Ok);
}

void frmPlot::selectListEntry(int row)
{
    const QSignalBlocker quiet(lstPlot);
    if (row < 0)
        lstPlot->clearSelection();
    else
        lstPlot->setCurrentRow(row);
}

void frmPlot::setRandomPlot()
{
    const std::optional<PlotCatalogue::Check> catalogue = checkCatalogue();
    if (!catalogue)
        return;
    if (catalogue->state != PlotCatalogue::State::Sound) {
        selectListEntry(-1);
        txtPlotDescription->clear();
        return;
    }
    // The list was read when the window opened; the catalogue may have changed since.
    if (lstPlot->count() != catalogue->count)
        getPlots();
    // In a sound catalogue the r-th plot is numbered r and listed at r - 1.
    selectListEntry(randomNumber(catalogue->count) - 1);
    lstPlot_Click();
}

void frmPlot::setPlotElements()
{
    drawCharacters();
}

void frmPlot::clearUI()
{
    txtPlotName->clear();
    for (QLineEdit* box : characterBoxes())
        box->clear();
}

void frmPlot::lstPlot_Click()
{
    const QList<QListWidgetItem*> selected = lstPlot->selectedItems();
    if (selected.isEmpty())
        return;
    const std::optional<PlotCatalogue::Check> catalogue = checkCatalogue();
    if (!catalogue)
        return;
    std::optional<PlotCatalogue::Plot> plot;
    if (catalogue->state == PlotCatalogue::State::Sound) {
        StoreError error;
        if (!PlotCatalogue::plotNumbered(lstPlot->row(selected.first()) + 1, &plot, &error)) {
            reportFatalError(error);
            return;
        }
        // A list read before plots were taken out of the catalogue.
        if (!plot)
            tellCatalogueProblem(PlotCatalogue::State::Damaged);
    }
    if (!plot) {
        txtPlotDescription->clear();
        return;
    }
    txtPlotDescription->setPlainText(plot->description);
    showText(txtPlotName, plot->name);
}

void frmPlot::cmdSuggest_Click()
{
    setHourglass();
    clearUI();
    setRandomPlot();
    setPlotElements();
    resetPointer();
}

void frmPlot::cmdNew_Click()
{
    newRecord([this] { cmdSuggest_Click(); }, txtPlotName);
}

void frmPlot::cmdUpdate_Click()
{
    saveRecord();
}

void frmPlot::cmdDelete_Click()
{
    deleteRecord();
}

void frmPlot::cmdPrint_Click()
{
    printForm(this);
}

void frmPlot::cmdOK_Click()
{
    unload();
}
