#include "inspiration/frmFreeAss.h"

#include "shared/RandomListValue.h"
#include "shared/BusyPointer.h"
#include "shared/ControlMakers.h"
#include "shared/OutputText.h"
#include "shared/TimerHold.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

namespace {

using ControlMakers::named;

const QString StartCaption = QStringLiteral("&Start");
const QString StopCaption = QStringLiteral("&Stop");

QLineEdit* makeTextBox(const QString& name, const QString& accessibleName)
{
    auto* box = named(new QLineEdit, name);
    box->setAccessibleName(accessibleName);
    box->setEnabled(false);
    return box;
}

} // namespace

frmFreeAss::frmFreeAss(QWidget* parent)
    : ToolWindow(QStringLiteral("frmFreeAss"), QStringLiteral("Free Association"), parent)
{
    lblStimulus = named(new QLabel(QStringLiteral("Stimulus:")), QStringLiteral("lblStimulus"));
    txtStimulus = makeTextBox(QStringLiteral("txtStimulus"), QStringLiteral("Stimulus"));
    // Never typed in, but read at a glance: its text keeps the normal colour.
    QPalette stimulusColours = txtStimulus->palette();
    stimulusColours.setColor(QPalette::Disabled, QPalette::Text,
                             stimulusColours.color(QPalette::Active, QPalette::Text));
    txtStimulus->setPalette(stimulusColours);
    lblResponse = named(new QLabel(QStringLiteral("Response:")), QStringLiteral("lblResponse"));
    txtResponse = makeTextBox(QStringLiteral("txtResponse"), QStringLiteral("Response"));
    lstResults = ControlMakers::resultsList();
    lstResults->setAccessibleName(QStringLiteral("Stimuli and responses"));
    cmdGenerate = ControlMakers::button(QStringLiteral("cmdGenerate"), StartCaption);
    cmdPrint = ControlMakers::button(QStringLiteral("cmdPrint"), QStringLiteral("&Print"));
    cmdClip = ControlMakers::button(QStringLiteral("cmdClip"), QStringLiteral("&Clipboard"));
    cmdClear = ControlMakers::button(QStringLiteral("cmdClear"), QStringLiteral("Clear List"));
    cmdOK = ControlMakers::button(QStringLiteral("cmdOK"), QStringLiteral("Close"));
    tmrFreeAss = named(new QTimer(this), QStringLiteral("tmrFreeAss"));
    tmrFreeAss->setInterval(AnswerPeriod);
    // A coarse timer may stretch the user's time to answer by a twentieth.
    tmrFreeAss->setTimerType(Qt::PreciseTimer);

    arrangeControls();
    connectControls();
    resize(sizeHint().expandedTo(QSize(520, 320)));
}

void frmFreeAss::arrangeControls()
{
    lblStimulus->setBuddy(txtStimulus);
    lblResponse->setBuddy(txtResponse);

    auto* grid = new QGridLayout(this);
    grid->addWidget(lblStimulus, 0, 0);
    grid->addWidget(txtStimulus, 0, 1);
    grid->addWidget(lblResponse, 1, 0);
    grid->addWidget(txtResponse, 1, 1);
    grid->addWidget(lstResults, 2, 0, 1, 2);
    grid->addLayout(ControlMakers::buttonRow({cmdGenerate, cmdPrint, cmdClip, cmdClear, cmdOK}), 3,
                    0, 1, 2);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(1, 1);

    const QList<QWidget*> tabOrder = {txtResponse, cmdGenerate, cmdPrint,  cmdClip,
                                      cmdClear,    cmdOK,       lstResults};
    setTabOrderChain(tabOrder);
}

void frmFreeAss::connectControls()
{
    connect(cmdGenerate, &QPushButton::clicked, this, &frmFreeAss::cmdGenerate_Click);
    connect(txtResponse, &QLineEdit::returnPressed, this, &frmFreeAss::txtResponse_KeyPress);
    TimerHold::connectTicks(tmrFreeAss, nullptr, [this] { tmrFreeAss_Timer(); });
    connect(cmdClear, &QPushButton::clicked, this, &frmFreeAss::cmdClear_Click);
    connect(cmdClip, &QPushButton::clicked, this, &frmFreeAss::cmdClip_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmFreeAss::cmdPrint_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmFreeAss::cmdOK_Click);
}

void frmFreeAss::newWord()
{
    txtStimulus->setText(getRandomRecord(QStringLiteral("Noun")));
    // Starting again restarts the period: the next automatic word is a full period away.
    tmrFreeAss->stop();
    tmrFreeAss->start(m_answerPeriod);
}

void frmFreeAss::activate()
{
    setHourglass();
    ToolWindow::activate();
    resetPointer();
}

void frmFreeAss::cmdGenerate_Click()
{
    if (cmdGenerate->text() == StartCaption) {
        cmdGenerate->setText(StopCaption);
        txtResponse->setEnabled(true);
        txtResponse->setFocus();
        newWord();
    } else {
        cmdGenerate->setText(StartCaption);
        txtResponse->clear();
        txtStimulus->clear();
        txtResponse->setEnabled(false);
        tmrFreeAss->stop();
    }
}

void frmFreeAss::txtResponse_KeyPress()
{
    ControlMakers::addResultLine(lstResults, QStringLiteral("Stimulus: ") + txtStimulus->text() +
                                                 QStringLiteral("      Response: ") +
                                                 txtResponse->text());
    txtResponse->clear();
    txtResponse->setFocus();
    newWord();
}

void frmFreeAss::tmrFreeAss_Timer()
{
    newWord();
}

void frmFreeAss::cmdClear_Click()
{
    lstResults->clear();
    txtStimulus->clear();
    txtResponse->clear();
}

void frmFreeAss::cmdClip_Click()
{
    copyList(this);
}

void frmFreeAss::cmdPrint_Click()
{
    printList(this);
}

void frmFreeAss::cmdOK_Click()
{
    unload();
}
