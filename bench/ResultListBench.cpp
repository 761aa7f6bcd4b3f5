#include "ResultListBench.h"

#include "generators/NameGeneratorWindow.h"
#include "generators/NumberGeneratorWindow.h"
#include "generators/SentenceWindow.h"
#include "inspiration/BrainstormWindow.h"
#include "inspiration/FreeAssociationWindow.h"
#include "inspiration/StoryWizardWindow.h"
#include "shared/widgets/ControlMakers.h"
#include "support/TestEnvironment.h"

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextStream>

#include <algorithm>
#include <functional>
#include <vector>

namespace {

constexpr int Samples = 21;

struct ResultWindow
{
    const char* name;
    std::function<std::unique_ptr<ToolWindow>()> open;
    // Readies the window for one Generate, before the list is filled; then the Generate itself.
    std::function<void(ToolWindow*)> ready;
    std::function<void(ToolWindow*)> generate;
};

template <typename Control> Control* control(ToolWindow* window, const char* name)
{
    return window->findChild<Control*>(QLatin1String(name));
}

void click(ToolWindow* window, const char* name)
{
    control<QPushButton>(window, name)->click();
}

// Types a line into a box and presses Enter on it.
void enter(ToolWindow* window, const char* box, const QString& line)
{
    auto* edit = control<QLineEdit>(window, box);
    edit->setText(line);
    QTest::keyClick(edit, Qt::Key_Return);
}

template <typename Window> std::unique_ptr<ToolWindow> openRandom()
{
    std::unique_ptr<ToolWindow> window = TestEnvironment::open<Window>();
    control<QCheckBox>(window.get(), "chkRandom")->setChecked(true);
    return window;
}

const std::vector<ResultWindow>& resultWindows()
{
    static const std::vector<ResultWindow> windows = {
        {"Sentence Generator",
         openRandom<SentenceWindow>,
         {},
         [](ToolWindow* w) { click(w, "cmdGenerate"); }},
        {"Name Generator",
         openRandom<NameGeneratorWindow>,
         {},
         [](ToolWindow* w) { click(w, "cmdGenerate"); }},
        {"Number Generator",
         TestEnvironment::open<NumberGeneratorWindow>,
         {},
         [](ToolWindow* w) { click(w, "cmdGenerate"); }},
        {"Brainstorm",
         [] {
             std::unique_ptr<ToolWindow> window = TestEnvironment::open<BrainstormWindow>();
             control<QLineEdit>(window.get(), "txtTopic")->setText(QStringLiteral("Lighthouse"));
             return window;
         },
         {},
         [](ToolWindow* w) {
             enter(w, "txtResponse", QStringLiteral("A keeper who cannot swim"));
         }},
        {"Free Association",
         [] {
             std::unique_ptr<ToolWindow> window = TestEnvironment::open<FreeAssociationWindow>();
             click(window.get(), "cmdGenerate");
             return window;
         },
         {},
         [](ToolWindow* w) { enter(w, "txtResponse", QStringLiteral("feather")); }},
        {"Story Wizard", TestEnvironment::open<StoryWizardWindow>,
         // The category starts again, so that a question is always waiting.
         [](ToolWindow* w) { emit control<QComboBox>(w, "cboQuestions")->activated(0); },
         [](ToolWindow* w) { enter(w, "txtAnswer", QStringLiteral("By the sea")); }},
    };
    return windows;
}

// Milliseconds of one Generate, up to the window drawn again, over a list of the given length
// (median of several).
double generateMs(ToolWindow* window, const ResultWindow& kind, int lines)
{
    QStringList filler;
    for (int i = 0; i < lines; ++i)
        filler << QStringLiteral("Line %1 of what the window has given so far").arg(i);
    auto* list = control<QListWidget>(window, "lstResults");
    std::vector<double> samples;
    for (int sample = 0; sample < Samples; ++sample) {
        if (kind.ready)
            kind.ready(window);
        list->clear();
        // As a user finds the list after earlier Generates: the last line current and in view.
        ControlMakers::addResultLines(list, filler);
        QCoreApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        kind.generate(window);
        QCoreApplication::processEvents();
        samples.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::nth_element(samples.begin(), samples.begin() + samples.size() / 2, samples.end());
    return samples[samples.size() / 2];
}

} // namespace

void benchResultLists()
{
    QTextStream out(stdout);
    out << QStringLiteral("Result lists, one Generate over n lines already listed (median of %1), "
                          "ms:\n")
               .arg(Samples);
    for (const ResultWindow& kind : resultWindows()) {
        TestEnvironment environment(1234, TestDatabase::shippedTables());
        const std::unique_ptr<ToolWindow> window = kind.open();
        out << QStringLiteral("  %1").arg(QLatin1String(kind.name), -18);
        for (const int lines : {0, 200, 1000, 10000}) {
            out << QStringLiteral("  %1: %2")
                       .arg(lines)
                       .arg(generateMs(window.get(), kind, lines), 6, 'f', 2);
            if (lines == 0)
                out << " (reference)";
        }
        out << '\n';
        out.flush();
    }
}
