#include "generators/frmNumberGenerator.h"

#include "shared/RandomListValue.h"
#include "generators/NumberKinds.h"
#include "generators/SpinButton.h"
#include "shared/BusyPointer.h"
#include "shared/ControlMakers.h"
#include "shared/Desktop.h"
#include "shared/OutputText.h"
#include "shared/TimerHold.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
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
        const auto& description = NumberKinds::describe(NumberKinds::Kind(kind));
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

frmNumberGenerator::frmNumberGenerator(QWidget* parent)
    : ToolWindow(QStringLiteral("frmNumberGenerator"), QStringLiteral("Number Generator"), parent)
{
    createControls();
    arrangeControls();
    connectControls();
    resize(sizeHint().expandedTo(QSize(520, 230)));
}

void frmNumberGenerator::createControls()
{
    frmNumberTypes = ControlMakers::named(new QGroupBox(QStringLiteral("Number Types")),
                                          QStringLiteral("frmNumberTypes"));
    m_numberTypes = new QButtonGroup(this);
    for (int kind = 0; kind < NumberKinds::KindCount; ++kind) {
        const QString& caption = NumberKinds::describe(NumberKinds::Kind(kind)).caption;
        auto* option = ControlMakers::named(new QRadioButton(caption, frmNumberTypes),
                                            QStringLiteral("optNumberType_%1").arg(kind));
        m_numberTypes->addButton(option, kind);
        optNumberType.append(option);
    }
    optNumberType.first()->setChecked(true);

    lstResults = ControlMakers::named(new QListWidget, QStringLiteral("lstResults"));
    lstResults->setAccessibleName(QStringLiteral("Results"));
    QFont listFont = lstResults->font();
    listFont.setPointSize(12);
    lstResults->setFont(listFont);

    frmControl = ControlMakers::named(new QGroupBox(QStringLiteral("Parameters")),
                                      QStringLiteral("frmControl"));
    lblResult = ControlMakers::named(new QLabel(frmControl), QStringLiteral("lblResult"));
    lblResult->setAccessibleName(QStringLiteral("Last result"));
    lblRange1 = ControlMakers::named(new QLabel(QStringLiteral("Lower"), frmControl),
                                     QStringLiteral("lblRange1"));
    txtRange1 = ControlMakers::named(new QLineEdit(frmControl), QStringLiteral("txtRange1"));
    spnRange1 = new SpinButton(QStringLiteral("spnRange1"), frmControl);
    lblRange2 = ControlMakers::named(new QLabel(QStringLiteral("Upper"), frmControl),
                                     QStringLiteral("lblRange2"));
    txtRange2 = ControlMakers::named(new QLineEdit(frmControl), QStringLiteral("txtRange2"));
    spnRange2 = new SpinButton(QStringLiteral("spnRange2"), frmControl);
    chkTimer = ControlMakers::named(new QCheckBox(QStringLiteral("&Timer"), frmControl),
                                    QStringLiteral("chkTimer"));

    cmdGenerate = ControlMakers::button(QStringLiteral("cmdGenerate"), QStringLiteral("&Generate"));
    cmdPrint = ControlMakers::button(QStringLiteral("cmdPrint"), QStringLiteral("&Print"));
    cmdClip = ControlMakers::button(QStringLiteral("cmdClip"), QStringLiteral("&Clipboard"));
    cmdClear = ControlMakers::button(QStringLiteral("cmdClear"), QStringLiteral("Clear List"));
    cmdOK = ControlMakers::button(QStringLiteral("cmdOK"), QStringLiteral("Close"));
    cmdGenerate->setDefault(true);
    setDefaultButton(cmdGenerate);

    tmrNumber = ControlMakers::named(new QTimer(this), QStringLiteral("tmrNumber"));
    tmrNumber->setInterval(1000);
}

void frmNumberGenerator::arrangeControls()
{
    auto* types = new QVBoxLayout(frmNumberTypes);
    for (QRadioButton* option : std::as_const(optNumberType))
        types->addWidget(option);
    types->addStretch();
    setBoldTitle(frmNumberTypes);

    auto* parameters = new QGridLayout(frmControl);
    parameters->addWidget(lblResult, 0, 0, 1, 2);
    parameters->addWidget(lblRange1, 1, 0);
    parameters->addLayout(boxWithSpinButton(txtRange1, spnRange1), 1, 1);
    parameters->addWidget(lblRange2, 2, 0);
    parameters->addLayout(boxWithSpinButton(txtRange2, spnRange2), 2, 1);
    parameters->addWidget(chkTimer, 3, 0, 1, 2);
    parameters->setRowStretch(4, 1);
    setBoldTitle(frmControl);
    lblResult->setFont(withWeight(lblResult->font(), true));
    lblResult->setMinimumHeight(lblResult->fontMetrics().height());
    for (QLabel* label : {lblRange1, lblRange2})
        label->setMinimumWidth(boundLabelWidth(label));
    lblRange1->setBuddy(txtRange1);
    lblRange2->setBuddy(txtRange2);

    auto* panes = new QHBoxLayout;
    panes->addWidget(frmNumberTypes);
    panes->addWidget(lstResults, 1);
    panes->addWidget(frmControl);
    lstResults->setMinimumWidth(lstResults->fontMetrics().horizontalAdvance(QString(12, u'0')));

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {cmdGenerate, cmdPrint, cmdClip, cmdClear})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(cmdOK);

    auto* window = new QVBoxLayout(this);
    window->addLayout(panes, 1);
    window->addLayout(buttons);

    QList<QWidget*> tabOrder = {cmdGenerate, cmdPrint, cmdClip, cmdClear, cmdOK};
    tabOrder += QList<QWidget*>(optNumberType.cbegin(), optNumberType.cend());
    tabOrder += {txtRange1, spnRange1, txtRange2, spnRange2, chkTimer, lstResults};
    setTabOrderChain(tabOrder);
}

void frmNumberGenerator::connectControls()
{
    connect(m_numberTypes, &QButtonGroup::idClicked, this,
            &frmNumberGenerator::optNumberType_Click);
    connect(spnRange1, &SpinButton::spinUp, this, &frmNumberGenerator::spnRange1_SpinUp);
    connect(spnRange1, &SpinButton::spinDown, this, &frmNumberGenerator::spnRange1_SpinDown);
    connect(spnRange2, &SpinButton::spinUp, this, &frmNumberGenerator::spnRange2_SpinUp);
    connect(spnRange2, &SpinButton::spinDown, this, &frmNumberGenerator::spnRange2_SpinDown);
    connect(cmdGenerate, &QPushButton::clicked, this, &frmNumberGenerator::cmdGenerate_Click);
    connect(chkTimer, &QCheckBox::clicked, this, &frmNumberGenerator::chkTimer_Click);
    TimerHold::connectTicks(tmrNumber, chkTimer, [this] { tmrNumber_Timer(); });
    connect(cmdClear, &QPushButton::clicked, this, &frmNumberGenerator::cmdClear_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmNumberGenerator::cmdPrint_Click);
    connect(cmdClip, &QPushButton::clicked, this, &frmNumberGenerator::cmdClip_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmNumberGenerator::cmdOK_Click);
}

QList<QWidget*> frmNumberGenerator::rangeInputs() const
{
    return {txtRange1, spnRange1, txtRange2, spnRange2};
}

void frmNumberGenerator::load()
{
    optNumberType_Click(NumberKinds::Age);
}

void frmNumberGenerator::optNumberType_Click(int index)
{
    optNumberType.at(index)->setChecked(true);
    m_numberType = qint16(index);
    const auto& kind = NumberKinds::describe(NumberKinds::Kind(index));
    if (!kind.hasBounds) {
        disableLabel();
        return;
    }
    enableLabel();
    lblRange1->setText(kind.firstLabel);
    lblRange2->setText(kind.secondLabel);
    txtRange1->setText(kind.firstBound);
    txtRange2->setText(kind.secondBound);
    spnRange1->setStepName(kind.firstLabel);
    spnRange2->setStepName(kind.secondLabel);
}

void frmNumberGenerator::disableLabel()
{
    lblResult->clear();
    for (QWidget* input : rangeInputs()) {
        input->setEnabled(false);
        input->hide();
    }
    lblRange1->clear();
    lblRange2->clear();
}

void frmNumberGenerator::enableLabel()
{
    // The boxes take typing, so they come back enabled along with the spin buttons.
    for (QWidget* input : rangeInputs()) {
        input->setEnabled(true);
        input->show();
    }
}

void frmNumberGenerator::spnRange1_SpinUp()
{
    txtRange1->setText(NumberKinds::spinUp(txtRange1->text()));
}

void frmNumberGenerator::spnRange1_SpinDown()
{
    txtRange1->setText(NumberKinds::spinDown(txtRange1->text()));
}

void frmNumberGenerator::spnRange2_SpinUp()
{
    txtRange2->setText(NumberKinds::spinUp(txtRange2->text()));
}

void frmNumberGenerator::spnRange2_SpinDown()
{
    txtRange2->setText(NumberKinds::spinDown(txtRange2->text()));
}

void frmNumberGenerator::cmdGenerate_Click()
{
    generateNumber();
}

void frmNumberGenerator::generateNumber()
{
    setHourglass();
    const auto result = NumberKinds::generate(NumberKinds::Kind(m_numberType), txtRange1->text(),
                                              txtRange2->text(), getRandomRecord);
    resetPointer();
    if (!result) {
        showOutOfRange();
        return;
    }
    lblResult->setText(*result);
    lstResults->addItem(*result);
    lstResults->setCurrentRow(lstResults->count() - 1);
}

void frmNumberGenerator::showOutOfRange()
{
    desktop().messageBox(QStringLiteral("The Number you have selected is out of range"),
                         QStringLiteral("Out of Range"), MessageIcon::None, MessageButtons::Ok);
}

void frmNumberGenerator::chkTimer_Click()
{
    // The timer follows the clicks, not the box's value; the two start out agreeing.
    if (tmrNumber->isActive())
        tmrNumber->stop();
    else
        tmrNumber->start();
}

void frmNumberGenerator::tmrNumber_Timer()
{
    cmdGenerate_Click();
}

void frmNumberGenerator::cmdClear_Click()
{
    lstResults->clear();
}

void frmNumberGenerator::cmdPrint_Click()
{
    printList(this);
}

void frmNumberGenerator::cmdClip_Click()
{
    copyList(this);
}

void frmNumberGenerator::cmdOK_Click()
{
    unload();
}

void frmNumberGenerator::closeEvent(QCloseEvent* event)
{
    tmrNumber->stop();
    ToolWindow::closeEvent(event);
}
