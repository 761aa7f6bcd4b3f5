#include "shared/widgets/ControlMakers.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>

QPushButton* ControlMakers::button(const QString& name, const QString& caption,
                                   const QString& toolTip, QWidget* parent)
{
    auto* made = named(new QPushButton(caption, parent), name);
    made->setToolTip(toolTip);
    made->setAutoDefault(false);
    return made;
}

QCheckBox* ControlMakers::checkBox(const QString& name, const QString& caption)
{
    return named(new QCheckBox(caption), name);
}

QListWidget* ControlMakers::resultsList()
{
    auto* list = named(new QListWidget, QStringLiteral("lstResults"));
    list->setAccessibleName(QStringLiteral("Results"));
    enlargeFont(list, 4.0 / 3.0);
    return list;
}

void ControlMakers::enlargeFont(QWidget* control, qreal factor)
{
    QFont font = control->font();
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * factor);
    else
        font.setPixelSize(qRound(font.pixelSize() * factor));
    control->setFont(font);
}

void ControlMakers::addResultLine(QListWidget* list, const QString& line)
{
    list->addItem(line);
    list->setCurrentRow(list->count() - 1);
}

QHBoxLayout* ControlMakers::buttonRow(const QList<QPushButton*>& buttons)
{
    auto* row = new QHBoxLayout;
    for (qsizetype i = 0; i + 1 < buttons.size(); ++i)
        row->addWidget(buttons.at(i));
    row->addStretch();
    if (!buttons.isEmpty())
        row->addWidget(buttons.last());
    return row;
}
