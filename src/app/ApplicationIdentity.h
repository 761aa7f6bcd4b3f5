#pragma once

#include <QString>

// The program's name, also the title of its ordinary messages and questions.
inline const QString ProgramName = QStringLiteral("Quillane");
// The command that starts it, which also begins what it writes on the command line.
inline const QString CommandName = QStringLiteral("quillane");

// Gives the application its names, its desktop entry and its icon, which every window and
// dialog then carries on its title bar. Call once, right after the QApplication is made.
void setApplicationIdentity();
