#pragma once

#include "records/CharacterSketchBoxes.h"
#include "records/PlotCatalogue.h"
#include "records/RecordWindow.h"

class DataControl;
class DataGrid;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

// Plot profiles: a plot type and three characters sketched for it, kept in "Plot Profile". The
// catalogue of plot types beside them shows what each plot is about, and Suggest picks a plot
// and its characters at random.
class frmPlot : public RecordWindow, public CharacterSketchBoxes
{
    Q_OBJECT

public:
    explicit frmPlot(QWidget* parent = nullptr);

    void load() override;
    void activate() override;

    // Lists the catalogue's plot names in table order.
    void getPlots();
    // Picks a catalogue plot at random, selects it and shows it.
    void setRandomPlot();
    // Draws the three characters.
    void setPlotElements();
    // Empties the plot name and the six character boxes.
    void clearUI();

    void cmdSuggest_Click();
    void cmdNew_Click();
    void cmdUpdate_Click();
    void cmdDelete_Click();
    void cmdPrint_Click();
    void cmdOK_Click();
    // Shows the description and the name of the selected catalogue plot.
    void lstPlot_Click();

    QGroupBox* frmPlotComponents = nullptr;
    QLineEdit* txtPlotName = nullptr;
    // txtJob1..3 and txtCharacter1..3 come from CharacterSketchBoxes.

    QGroupBox* framePlot = nullptr;
    QListWidget* lstPlot = nullptr;
    QPlainTextEdit* txtPlotDescription = nullptr;

    DataControl* dtaPlot = nullptr;
    DataGrid* dbgPlot = nullptr;

    QPushButton* cmdNew = nullptr;
    QPushButton* cmdUpdate = nullptr;
    QPushButton* cmdDelete = nullptr;
    QPushButton* cmdSuggest = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdOK = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void arrangeControls();
    void connectControls();
    // The state of the catalogue; tells the user when it cannot be used. Empty on a store
    // failure, which has been reported as fatal.
    std::optional<PlotCatalogue::Check> checkCatalogue();
    void tellCatalogueProblem(PlotCatalogue::State state);
    // Selects the list entry without running lstPlot_Click; -1 clears the selection.
    void selectListEntry(int row);

    // Selection changes counted, so that a click can tell whether it changed the selection.
    int m_selectionChanges = 0;
    int m_selectionChangesAtPress = 0;
};
