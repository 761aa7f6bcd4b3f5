#pragma once

#include "data/Relationships.h"

#include <QWidget>

class QComboBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;
struct RefusedWrite;

// The relationships of one character, each read from its side (the other character, the kind,
// the note), with a choice of the other character and the kind, a note, and Add, Update and
// Delete. A relationship written anywhere shows here at once, read from this side.
class RelationshipList : public QWidget
{
    Q_OBJECT

public:
    explicit RelationshipList(QWidget* parent = nullptr);

    // Lists the relationships of the character (none for a negative key).
    void showCharacter(qint64 characterKey);
    // The controls in the order the keyboard reaches them.
    QList<QWidget*> focusChain() const;

private:
    void createControls();
    void arrangeControls();
    // Reads the characters to choose from and the relationships again, the one of the key
    // current where it is still there.
    void requery(qint64 key);
    qint64 currentKey() const;
    // Shows the current relationship in the choices.
    void showCurrent();
    // The other character and the kind chosen; false, after telling the user, while either is
    // missing.
    bool chosen(qint64* other, QString* kind) const;
    // Tells why a write was refused, and reports any failure the user cannot mend as fatal.
    void tellRefused(const StoreError& error, const RefusedWrite& write);

    void addRelationship();
    void updateRelationship();
    void deleteRelationship();

    qint64 m_character = -1;
    QList<Relationships::Relationship> m_shown;
    QTreeWidget* m_list = nullptr;
    QComboBox* m_other = nullptr;
    QComboBox* m_kind = nullptr;
    QLineEdit* m_note = nullptr;
    QPushButton* m_addButton = nullptr;
    QPushButton* m_updateButton = nullptr;
    QPushButton* m_deleteButton = nullptr;
};
