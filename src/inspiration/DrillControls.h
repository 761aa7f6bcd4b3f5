#pragma once

#include <QList>

class QHBoxLayout;
class QListWidget;
class QPushButton;
class QString;

// What the drill windows do alike with their results list and their bottom row of buttons.

// Adds a line at the end of the list and selects it, so that it scrolls into view.
void addResultLine(QListWidget* list, const QString& line);
// The buttons side by side, the last one kept apart at the right.
QHBoxLayout* makeButtonRow(const QList<QPushButton*>& buttons);
