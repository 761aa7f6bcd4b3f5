#include "records/RollSeedFields.h"

#include "shared/widgets/SeededGeneration.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScopeGuard>

#include <limits>

namespace {
template <typename Box> Box* hiddenBox(QWidget* window, const QString& name)
{
    auto* box = new Box(window);
    box->setObjectName(name);
    box->setAccessibleName(name);
    box->hide();
    return box;
}
} // namespace

RollSeedFields::RollSeedFields(QWidget* window)
    : QObject(window), m_window(window),
      m_seed(hiddenBox<QLineEdit>(window, QStringLiteral("rollSeed"))),
      m_lists(hiddenBox<QPlainTextEdit>(window, QStringLiteral("rollLists"))),
      m_locked(hiddenBox<QLineEdit>(window, QStringLiteral("rollLocked"))),
      m_label(new QLabel(window))
{
    m_label->setObjectName(QStringLiteral("lblSeed"));
    m_label->setAccessibleName(tr("Seed"));
    m_label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Room for the longest seed, so that the bar beside it stays put from record to record.
    m_label->setMinimumWidth(
        m_label->fontMetrics().horizontalAdvance(seedText(std::numeric_limits<quint32>::max())));
    // Shown, undone or read again, the seed and its locks change through the boxes alone.
    connect(m_seed, &QLineEdit::textChanged, this, &RollSeedFields::showSeed);
    connect(m_locked, &QLineEdit::textChanged, this, &RollSeedFields::showSeed);
}

void RollSeedFields::bind(const std::function<void(QWidget*, const QString&)>& bindField) const
{
    bindField(m_seed, QStringLiteral("RollSeed"));
    bindField(m_lists, QStringLiteral("RollLists"));
    bindField(m_locked, QStringLiteral("RollLocked"));
}

QList<QWidget*> RollSeedFields::boxes() const
{
    return {m_seed, m_lists, m_locked};
}

void RollSeedFields::mark(const SeededGeneration::Roll& roll, const QStringList& locked)
{
    m_lists->setPlainText(roll.lists());
    m_locked->setText(locked.join(u' '));
    m_seed->setText(QString::number(roll.seed()));
}

std::optional<quint32> RollSeedFields::seed() const
{
    return SeededGeneration::readSeed(m_seed->text());
}

QString RollSeedFields::seedText(quint32 seed)
{
    return tr("Seed %1").arg(seed);
}

void RollSeedFields::showSeed()
{
    const std::optional<quint32> shown = seed();
    m_label->setText(shown ? seedText(*shown) : QString());
    QStringList notDrawn;
    for (const QString& name : m_locked->text().split(u' ', Qt::SkipEmptyParts)) {
        const QWidget* box = m_window->findChild<QWidget*>(name);
        notDrawn << (box ? box->accessibleName() : name);
    }
    QString tip;
    if (shown)
        tip = tr("Generate from Seed with this seed draws these values again.");
    if (shown && !notDrawn.isEmpty())
        tip += tr("\nNot drawn: %1.").arg(notDrawn.join(QStringLiteral(", ")));
    m_label->setToolTip(tip);
}

QAction* RollSeedFields::addGenerateFromSeed(const std::function<void(quint32)>& generate,
                                             const RestoreLocks& restoreLocks)
{
    QAction* action = SeededGeneration::generateFromSeedAction(m_window);
    connect(action, &QAction::triggered, this, [this, generate, restoreLocks] {
        const std::optional<quint32> own = seed();
        const std::optional<quint32> typed = SeededGeneration::askSeed(own);
        if (!typed)
            return;
        if (typed == own) {
            // The boxes stay as they were for the roll unless the replay is called off.
            auto putBack = qScopeGuard(
                restoreLocks ? restoreLocks(m_locked->text().split(u' ', Qt::SkipEmptyParts))
                             : std::function<void()>([] {}));
            if (!SeededGeneration::mayReplay(m_lists->toPlainText()))
                return;
            putBack.dismiss();
        }
        generate(*typed);
    });
    m_window->addAction(action);
    return action;
}
