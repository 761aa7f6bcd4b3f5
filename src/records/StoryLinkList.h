#pragma once

#include "data/LinkListModel.h"
#include "data/NewRowMark.h"

#include <QWidget>

class QComboBox;
class QLineEdit;
class QPushButton;
class QSqlQueryModel;
class QTableView;

// One of a story's link lists, on its own tab: the story's key, a combo box that points the
// current link at an item, a grid of the links (their own text edited in place) and the Add,
// Update, Refresh List and Delete buttons.
//
// Edits are never dropped unnoticed: choosing another link or story saves them first, as Update
// would. A duplicate only ever removes the link Add has just made.
class StoryLinkList : public QWidget
{
    Q_OBJECT

public:
    struct Setup
    {
        LinkListModel::Setup link;
        QString modelName; // "dta..."
        QString storyBoxName;
        QString comboName;
        QString itemName;    // what one item is called, for assistive tools: "Character"
        QString itemCaption; // the label of the combo box: "Character:"
        QString gridName;
        QString listName;        // what the grid is called: "Character List"
        bool listCaptioned;      // whether the grid shows its name in a caption bar above it
        QStringList buttonNames; // Add, Update, Refresh List, Delete
        QStringList buttonTips;
        QString placeholder;
        QString prompt;
        QString promptTitle;
    };

    StoryLinkList(const Setup& setup, QWidget* parent = nullptr);

    // Lists the links of the story after saving the edits of the links shown.
    void showStory(qint64 storyKey);
    // Saves what was changed in the links since they were listed, if anything; false when the
    // database refused it and the changes are still shown.
    bool saveEdits();
    const LinkListModel* links() const { return m_links; }

    void addLink();
    void updateLinks();
    void refresh();
    void deleteLinks();

private:
    void createControls(const Setup& setup);
    // Lists the links again when another window wrote them.
    void followLinksWritten(const QString& linkTable, const QObject* origin);
    void arrangeControls(const Setup& setup);
    // Lists the links again and makes the link of the key current, or the first.
    void requery(qint64 key);
    int currentRow() const;
    void showItemOfCurrentLink();
    // Saves the pending changes, the link of the key being current; false when the failure was
    // fatal.
    bool save(qint64 currentKey);

    QString m_placeholder;
    QString m_prompt;
    QString m_promptTitle;
    LinkListModel* m_links;
    QSqlQueryModel* m_items;
    QLineEdit* m_storyBox = nullptr;
    QComboBox* m_combo = nullptr;
    QTableView* m_grid = nullptr;
    QList<QPushButton*> m_buttons;
    NewRowMark m_newLink; // the link Add has just made
    bool m_requerying = false;
};
