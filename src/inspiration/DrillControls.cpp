#include "inspiration/DrillControls.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>

void addResultLine(QListWidget* list, const QString& line)
{
    list->addItem(line);
    list->setCurrentRow(list->count() - 1);
}

QHBoxLayout* makeButtonRow(const QList<QPushButton*>& buttons)
{
    auto* row = new QHBoxLayout;
    for (qsizetype i = 0; i + 1 < buttons.size(); ++i)
        row->addWidget(buttons.at(i));
    row->addStretch();
    if (!buttons.isEmpty())
        row->addWidget(buttons.last());
    return row;
}
