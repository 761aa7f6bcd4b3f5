#include "records/ProfileForm.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace ProfileForm {

QLineEdit* makeTextBox(const QString& name, const QString& accessibleName, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setAccessibleName(accessibleName);
    return box;
}

void showText(QLineEdit* box, const QString& text)
{
    box->setText(text);
    box->setCursorPosition(0);
}

void setRoomyScrollArea(QWidget* area, int minimumCharacters, int minimumLines)
{
    area->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    const QFontMetrics metrics = area->fontMetrics();
    area->setMinimumSize(metrics.averageCharWidth() * minimumCharacters,
                         metrics.lineSpacing() * minimumLines);
}

QGroupBox* makeFrame(const QString& name, const QString& caption, QWidget* parent)
{
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(name);
    return frame;
}

QLabel* addLabelled(QGridLayout* grid, int row, int column, const QString& caption,
                    QWidget* control, int controlColumnSpan)
{
    auto* label = new QLabel(caption, control->parentWidget());
    label->setObjectName(QStringLiteral("lbl") + control->objectName().mid(3));
    label->setBuddy(control);
    grid->addWidget(label, row, column);
    grid->addWidget(control, row, column + 1, 1, controlColumnSpan);
    return label;
}

QWidget* captionedGrid(QTableView* grid, const QString& caption)
{
    auto* block = new QWidget(grid->parentWidget());
    auto* title = new QLabel(caption, block);
    title->setObjectName(QStringLiteral("lbl") + grid->objectName() + QStringLiteral("Caption"));
    title->setAlignment(Qt::AlignCenter);
    title->setFrameShape(QFrame::Panel);
    title->setFrameShadow(QFrame::Raised);
    title->setBackgroundRole(QPalette::Mid);
    title->setAutoFillBackground(true);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    grid->setAccessibleName(caption);
    // The columns share the width. A heading too long for its column takes two lines, so a
    // column need only be as wide as the longest word of a heading; a narrower window scrolls.
    QHeaderView* header = grid->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Stretch);
    header->setDefaultAlignment(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    QFont headingFont = header->font();
    headingFont.setBold(true);
    const QFontMetrics heading(headingFont);
    const int margins = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    int widestWord = 0;
    for (int column = 0; column < grid->model()->columnCount(); ++column) {
        const QString text = grid->model()->headerData(column, Qt::Horizontal).toString();
        for (const QString& word : text.split(u' '))
            widestWord = std::max(widestWord, heading.horizontalAdvance(word));
    }
    header->setMinimumSectionSize(widestWord + margins + heading.averageCharWidth());
    header->setFixedHeight(2 * heading.lineSpacing() + margins);
    auto* layout = new QVBoxLayout(block);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(title);
    layout->addWidget(grid, 1);
    return block;
}

} // namespace ProfileForm
