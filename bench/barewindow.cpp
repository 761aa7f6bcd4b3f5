// The reference the program's start-up is measured against: a bare Qt main window with a menu
// bar of five menus, a toolbar of thirteen buttons with icons and an MDI frame, built of Qt alone.
// It quits as soon as it is shown, printing its peak memory ("VmHWM: ... kB").
#include "app/PeakMemory.h"

#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenuBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QMdiArea);
    const QList<QStringList> menus = {
        {"C&reative", "&Brainstorm", "&Free Association", "&PsychoStimulatron", "",
         "&Sentence Generator", "&Number Generator", "", "&Customization", "", "E&xit"},
        {"&Character", "Character &Generator", "&Name Generator"},
        {"&Story", "Story &Wizard", "&Crystal Ball", "Story and Stage", "", "&Plot",
         "&Scene Generator"},
        {"&Window", "&Cascade", "&Tile", "&Arrange Icons"},
        {"&Help", "How to Use This Program", "Writing Reference", "On the Web", "", "About", "",
         "Personal Message"},
    };
    for (const QStringList& entries : menus) {
        QMenu* menu = window.menuBar()->addMenu(entries.first());
        for (const QString& entry : entries.sliced(1)) {
            if (entry.isEmpty())
                menu->addSeparator();
            else
                menu->addAction(entry);
        }
    }
    QToolBar* toolBar = window.addToolBar(QStringLiteral("Toolbar"));
    toolBar->setIconSize(QSize(24, 24));
    for (int button = 0; button < 13; ++button) {
        const auto icon = QStyle::StandardPixmap(QStyle::SP_FileIcon + button);
        toolBar->addAction(window.style()->standardIcon(icon),
                           QStringLiteral("Button %1").arg(button));
    }
    window.resize(1000, 720);
    window.show();
    QTimer::singleShot(0, &app, [] {
        std::printf("VmHWM: %ld kB\n", peakMemoryKib());
        std::fflush(stdout);
        std::_Exit(EXIT_SUCCESS);
    });
    return app.exec();
}
