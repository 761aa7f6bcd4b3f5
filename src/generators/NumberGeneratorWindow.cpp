#include "generators/NumberGeneratorWindow.h"

#include "engines/DiceNotation.h"
#include "engines/NumberKinds.h"
#include "engines/Random.h"
#include "shared/desktop/BusyPointer.h"
#include "shared/desktop/Desktop.h"
#include "shared/desktop/TimerHold.h"
#include "shared/widgets/AccessKeys.h"
#include "shared/widgets/ControlMakers.h"
#include "shared/widgets/OutputText.h"
#include "shared/widgets/ResultKeeping.h"
#include "shared/widgets/SeededGeneration.h"
#include "shared/widgets/SpinButton.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace {

QFont withWeight(QFont font, bool bold)
{
    // Setting the weight even when plain marks it as chosen, so a bold parent leaves it alone.
    font.setBold(bold);
    return font;
}

// Bold caption, plain contents.
void setBoldTitle(QGroupBox* frame)
{
    const QFont plain = withWeight(frame->font(), false);
    for (QWidget* child : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->setFont(plain);
    frame->setFont(withWeight(frame->font(), true));
}

// Wide enough for every caption a bound label takes, so switching kinds never moves the boxes.
int boundLabelWidth(const QLabel* label)
{
    int width = 0;
    for (int kind = 0; kind < NumberKinds::KindCount; ++kind) {
        const auto description = NumberKinds::describe(NumberKinds::Kind(kind));
        for (const QString& caption : {description.firstLabel, description.secondLabel})
            width = std::max(width, label->fontMetrics().horizontalAdvance(caption));
    }
    return width;
}

// The box and its spin button side by side; hidden, they keep their place so that nothing below
// them moves.
QHBoxLayout* boxWithSpinButton(QLineEdit* box, SpinButton* spinButton)
{
    auto* pair = new QHBoxLayout;
    pair->setSpacing(0);
    pair->addWidget(box);
    pair->addWidget(spinButton);
    pair->addStretch();
    box->setMaximumWidth(box->fontMetrics().horizontalAdvance(QString(10, u'0')));
    for (QWidget* control : QList<QWidget*>{box, spinButton}) {
        QSizePolicy policy = control->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        control->setSizePolicy(policy);
    }
    return pair;
}

} // namespace

NumberGeneratorWindow::NumberGeneratorWindow(QWidget* parent)
    : ToolWindow(QStringLiteral("frmNumberGenerator"), tr("Number Generator"), parent)
{
    createControls();
    arrangeControls();
    connectControls();
    resize(sizeHint().expandedTo(QSize(520, 230)));
}

void NumberGeneratorWindow::createControls()
{
    m_kindsFrame =
        ControlMakers::named(new QGroupBox(tr("Number Types")), QStringLiteral("frmNumberTypes"));
    m_kinds = new QButtonGroup(this);
    for (int kind = 0; kind < NumberKinds::KindCount; ++kind) {
        const QString caption = NumberKinds::describe(NumberKinds::Kind(kind)).caption;
        auto* option = ControlMakers::named(new QRadioButton(caption, m_kindsFrame),
                                            QStringLiteral("optNumberType_%1").arg(kind));
        m_kinds->addButton(option, kind);
        m_kindOptions.append(option);
    }
    m_kindOptions.first()->setChecked(true);

    m_results = ControlMakers::resultsList();
    QFont listFont = m_results->font();
    listFont.setPointSize(12);
    m_results->setFont(listFont);

    m_parametersFrame =
        ControlMakers::named(new QGroupBox(tr("Parameters")), QStringLiteral("frmControl"));
    m_lastResult = ControlMakers::named(new QLabel(m_parametersFrame), QStringLiteral("lblResult"));
    m_lastResult->setAccessibleName(tr("Last result"));
    m_firstLabel = ControlMakers::named(new QLabel(tr("Lower"), m_parametersFrame),
                                        QStringLiteral("lblRange1"));
    m_firstBound =
        ControlMakers::named(new QLineEdit(m_parametersFrame), QStringLiteral("txtRange1"));
    m_firstSpin = new SpinButton(QStringLiteral("spnRange1"), m_parametersFrame);
    m_secondLabel = ControlMakers::named(new QLabel(tr("Upper"), m_parametersFrame),
                                         QStringLiteral("lblRange2"));
    m_secondBound =
        ControlMakers::named(new QLineEdit(m_parametersFrame), QStringLiteral("txtRange2"));
    m_secondSpin = new SpinButton(QStringLiteral("spnRange2"), m_parametersFrame);
    m_timerBox = ControlMakers::named(new QCheckBox(tr("&Timer"), m_parametersFrame),
                                      QStringLiteral("chkTimer"));

    m_generate = ControlMakers::button(QStringLiteral("cmdGenerate"), tr("&Generate"));
    m_print = ControlMakers::button(QStringLiteral("cmdPrint"), tr("&Print"));
    m_copy = ControlMakers::button(QStringLiteral("cmdClip"), tr("&Clipboard"));
    m_clear = ControlMakers::button(QStringLiteral("cmdClear"), tr("Clear List"));
    m_close = ControlMakers::button(QStringLiteral("cmdOK"), tr("Close"));
    m_generate->setDefault(true);
    setDefaultButton(m_generate);

    m_timer = addTimer(QStringLiteral("tmrNumber"));
    m_timer->setInterval(1000);
}

void NumberGeneratorWindow::arrangeControls()
{
    auto* types = new QVBoxLayout(m_kindsFrame);
    for (QRadioButton* option : std::as_const(m_kindOptions))
        types->addWidget(option);
    types->addStretch();
    setBoldTitle(m_kindsFrame);

    auto* parameters = new QGridLayout(m_parametersFrame);
    parameters->addWidget(m_lastResult, 0, 0, 1, 2);
    parameters->addWidget(m_firstLabel, 1, 0);
    parameters->addLayout(boxWithSpinButton(m_firstBound, m_firstSpin), 1, 1);
    parameters->addWidget(m_secondLabel, 2, 0);
    parameters->addLayout(boxWithSpinButton(m_secondBound, m_secondSpin), 2, 1);
    parameters->addWidget(m_timerBox, 3, 0, 1, 2);
    parameters->setRowStretch(4, 1);
    setBoldTitle(m_parametersFrame);
    m_lastResult->setFont(withWeight(m_lastResult->font(), true));
    m_lastResult->setMinimumHeight(m_lastResult->fontMetrics().height());
    for (QLabel* label : {m_firstLabel, m_secondLabel})
        label->setMinimumWidth(boundLabelWidth(label));
    m_firstLabel->setBuddy(m_firstBound);
    m_secondLabel->setBuddy(m_secondBound);

    auto* panes = new QHBoxLayout;
    panes->addWidget(m_kindsFrame);
    panes->addWidget(m_results, 1);
    panes->addWidget(m_parametersFrame);
    m_results->setMinimumWidth(m_results->fontMetrics().horizontalAdvance(QString(12, u'0')));

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {m_generate, m_print, m_copy, m_clear})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(m_close);

    auto* window = new QVBoxLayout(this);
    window->addLayout(panes, 1);
    window->addLayout(buttons);

    QList<QWidget*> tabOrder = {m_generate, m_print, m_copy, m_clear, m_close};
    tabOrder += QList<QWidget*>(m_kindOptions.cbegin(), m_kindOptions.cend());
    tabOrder += {m_firstBound, m_firstSpin, m_secondBound, m_secondSpin, m_timerBox, m_results};
    setTabOrderChain(tabOrder);
}

void NumberGeneratorWindow::connectControls()
{
    connect(m_kinds, &QButtonGroup::idClicked, this, &NumberGeneratorWindow::chooseKind);
    for (auto [spin, box] : {std::pair{m_firstSpin, m_firstBound}, {m_secondSpin, m_secondBound}}) {
        connect(spin, &SpinButton::spinUp, box,
                [box = box] { box->setText(NumberKinds::spinUp(box->text())); });
        connect(spin, &SpinButton::spinDown, box,
                [box = box] { box->setText(NumberKinds::spinDown(box->text())); });
    }
    connect(m_generate, &QPushButton::clicked, this, &NumberGeneratorWindow::generate);
    connect(m_timerBox, &QCheckBox::clicked, this, &NumberGeneratorWindow::toggleTimer);
    TimerHold::connectTicks(m_timer, m_timerBox, [this] { generate(); });
    connect(m_clear, &QPushButton::clicked, m_results, &QListWidget::clear);
    connect(m_print, &QPushButton::clicked, this,
            [this] { printResults(windowTitle(), m_results); });
    connect(m_copy, &QPushButton::clicked, this, [this] { copyResults(windowTitle(), m_results); });
    connect(m_close, &QPushButton::clicked, this, &NumberGeneratorWindow::unload);
    SeededGeneration::addGenerateFromSeed(m_results,
                                          [this](quint32 seed) { generateFromSeed(seed); });
}

QList<QWidget*> NumberGeneratorWindow::rangeInputs() const
{
    return {m_firstBound, m_firstSpin, m_secondBound, m_secondSpin};
}

void NumberGeneratorWindow::load()
{
    chooseKind(NumberKinds::Age);
}

void NumberGeneratorWindow::chooseKind(int kind)
{
    m_kindOptions.at(kind)->setChecked(true);
    m_kind = NumberKinds::Kind(kind);
    const auto description = NumberKinds::describe(m_kind);
    if (!description.hasBounds) {
        hideBounds();
        return;
    }
    showBounds();
    m_firstLabel->setText(description.firstLabel);
    m_secondLabel->setText(description.secondLabel);
    AccessKeys::give(this); // the new captions take their letters again
    m_firstBound->setText(description.firstBound);
    m_secondBound->setText(description.secondBound);
    m_firstSpin->setStepName(description.firstLabel);
    m_secondSpin->setStepName(description.secondLabel);
    // Either box also takes dice written as players write them.
    const QString notation =
        m_kind == NumberKinds::Dice
            ? tr("Or dice notation such as 3d6+2, d20, 4d6kh3, 3d6!, d% or 2d6+1d4-1")
            : QString();
    m_firstBound->setToolTip(notation);
    m_secondBound->setToolTip(notation);
}

void NumberGeneratorWindow::hideBounds()
{
    m_lastResult->clear();
    for (QWidget* input : rangeInputs()) {
        input->setEnabled(false);
        input->hide();
    }
    m_firstLabel->clear();
    m_secondLabel->clear();
}

void NumberGeneratorWindow::showBounds()
{
    // The boxes take typing, so they come back enabled along with the spin buttons.
    for (QWidget* input : rangeInputs()) {
        input->setEnabled(true);
        input->show();
    }
}

void NumberGeneratorWindow::generate()
{
    generateFromSeed(SeededGeneration::drawSeed());
}

void NumberGeneratorWindow::generateFromSeed(quint32 seed)
{
    SeededGeneration::Roll roll(seed);
    if (const QString notation = diceNotation(); !notation.isEmpty())
        return throwNotation(notation, roll);
    BusyPointer busy;
    const auto result = NumberKinds::generate(m_kind, m_firstBound->text(), m_secondBound->text(),
                                              roll.words(), roll.random());
    busy.release();
    if (!result) {
        desktop().messageBox(tr("The Number you have selected is out of range"), tr("Out of Range"),
                             MessageIcon::None, MessageButtons::Ok, m_firstBound);
        return;
    }
    showResult(*result, roll);
}

QString NumberGeneratorWindow::diceNotation() const
{
    if (m_kind != NumberKinds::Dice)
        return {};
    for (const QLineEdit* box : {m_firstBound, m_secondBound}) {
        if (DiceNotation::looksLikeNotation(box->text()))
            return box->text();
    }
    return {};
}

void NumberGeneratorWindow::throwNotation(const QString& notation, SeededGeneration::Roll& roll)
{
    const auto parsed = DiceNotation::parse(notation);
    if (const auto* wrong = std::get_if<QString>(&parsed)) {
        desktop().messageBox(
            *wrong, tr("Dice Notation"), MessageIcon::Information, MessageButtons::Ok,
            DiceNotation::looksLikeNotation(m_firstBound->text()) ? m_firstBound : m_secondBound);
        return;
    }
    showResult(DiceNotation::roll(std::get<DiceNotation::Expression>(parsed), roll.random()).line,
               roll);
}

void NumberGeneratorWindow::showResult(const QString& line, const SeededGeneration::Roll& roll)
{
    m_lastResult->setText(line);
    auto* item = new QListWidgetItem(line);
    SeededGeneration::markLine(item, roll);
    // An age, kept in a character, becomes its age rather than a line of its notes.
    if (m_kind == NumberKinds::Age)
        ResultKeeping::markLine(item, ResultKeeping::LineKind::Age);
    ControlMakers::addResultLine(m_results, item);
}

void NumberGeneratorWindow::toggleTimer()
{
    // The timer follows the clicks, not the box's value; the two start out agreeing.
    if (m_timer->isActive())
        m_timer->stop();
    else
        m_timer->start();
}
