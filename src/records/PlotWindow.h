#pragma once

#include "data/PlotCatalogue.h"
#include "records/CharacterSketchBoxes.h"
#include "records/RecordWindow.h"

#include <optional>

class QGroupBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class Report;
class RollSeedFields;

// Plot profiles: a plot type and three characters sketched for it, kept in "Plot Profile". The
// catalogue of plot types beside them shows what each plot is about, and Suggest picks a plot
// and its characters at random.
class PlotWindow : public RecordWindow, private CharacterSketchBoxes
{
    Q_OBJECT

public:
    explicit PlotWindow(QWidget* parent = nullptr);

    void load() override;
    // Also offers the names of the characters saved since in the character boxes.
    void activate() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void arrangeControls();
    void connectControls();

    // Lists the catalogue's plot names in table order.
    void listCatalogue();
    // Picks a catalogue plot at random, selects it and shows it.
    void pickRandomPlot(SeededGeneration::Roll& roll);
    // Empties the plot name and the six character boxes.
    void clearSuggestion();
    // Suggests a plot and its characters on screen, all from the seed, and keeps the seed; nothing
    // is saved.
    void suggest(quint32 seed);
    void addPlot();
    // Shows the description and the name of the selected catalogue plot.
    void showChosenPlot();
    // The plot name, each character's occupation and motivation in turn, then the description.
    Report report() const;

    // The state of the catalogue; tells the user when it cannot be used. Empty on a store
    // failure, which has been reported as fatal.
    std::optional<PlotCatalogue::Check> checkCatalogue();
    void tellCatalogueProblem(PlotCatalogue::State state);
    // Selects the list entry without showing it; -1 clears the selection.
    void selectListEntry(int row);

    QGroupBox* m_suggestionFrame = nullptr;
    QLineEdit* m_plotName = nullptr;
    QGroupBox* m_referenceFrame = nullptr;
    QListWidget* m_catalogue = nullptr;
    QPlainTextEdit* m_description = nullptr;
    QPushButton* m_newButton = nullptr;
    QPushButton* m_updateButton = nullptr;
    QPushButton* m_deleteButton = nullptr;
    QPushButton* m_suggestButton = nullptr;
    QPushButton* m_printButton = nullptr;
    QPushButton* m_closeButton = nullptr;
    RollSeedFields* m_rollSeed = nullptr;

    // Selection changes counted, so that a click can tell whether it changed the selection.
    int m_selectionChanges = 0;
    int m_selectionChangesAtPress = 0;
};
