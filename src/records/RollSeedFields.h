#pragma once

#include <QObject>
#include <QStringList>

#include <functional>
#include <optional>

class QAction;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace SeededGeneration {
class Roll;
}

// The roll that last filled a record, kept with the record: its seed, the fingerprints of the
// lists it drew from and the boxes it left alone. Each sits in a hidden box bound to a field of
// its own, so it is saved, undone and read again exactly as the drawn values are; a label shows
// the seed. "Generate from Seed…" in the window's menu rolls a typed seed again.
class RollSeedFields : public QObject
{
    Q_OBJECT

public:
    // Sets the boxes a roll of the record's own seed leaves alone as they were for it; the
    // function given back puts them as they were before.
    using RestoreLocks = std::function<std::function<void()>(const QStringList& locked)>;

    explicit RollSeedFields(QWidget* window);

    // "Seed 123": the record's seed, read-only.
    QLabel* label() const { return m_label; }
    // Binds each hidden box to its field through the window's bind.
    void bind(const std::function<void(QWidget*, const QString&)>& bindField) const;
    // The hidden boxes, for a roll to take back with the values it drew.
    QList<QWidget*> boxes() const;

    // Notes the roll just made, with the boxes it left alone by their control names.
    void mark(const SeededGeneration::Roll& roll, const QStringList& locked = {});
    std::optional<quint32> seed() const;

    // Adds "Generate from Seed…" to the window's menu: it asks for a seed, offering the record's;
    // for the record's own seed it first restores its locks, then asks before rolling again
    // lists that have changed since. A seed agreed to goes to generate.
    QAction* addGenerateFromSeed(const std::function<void(quint32)>& generate,
                                 const RestoreLocks& restoreLocks = {});

private:
    // "Seed 123", as the label shows it.
    static QString seedText(quint32 seed);
    void showSeed();

    QWidget* m_window;
    QLineEdit* m_seed;
    QPlainTextEdit* m_lists; // one list a line
    QLineEdit* m_locked;
    QLabel* m_label;
};
