#include "data/DataControl.h"
#include "data/DataGrid.h"
#include "support/TestDatabase.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

#include <memory>

// Data controls, their bound controls and grids in a shown window, driven as a user would.
class TestDataControl : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void navigatorMovesBoundControls();
    void updateWritesBoundControls();
    void addNewStartsFromEmptyControls();
    void listComboShowsNameAndWritesKey();
    void gridFollowsAndMovesTheDataControl();
    void editableGridWritesWhenLeavingRow();

private:
    DataControl* openControl(const QString& name, const QString& source);
    void clickNavigator(DataControl* control, const QString& name);
    void clickRow(DataGrid* grid, int row);
    DataGrid* showGrid(DataControl* control, const QStringList& columns, bool editable);
    // Opens the editor of the grid's current cell.
    QLineEdit* editCell(DataGrid* grid);
    QString characters()
    {
        return m_db->scalar("SELECT group_concat(Name, ',') FROM character").toString();
    }

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<QWidget> m_window;
};

void TestDataControl::init()
{
    m_db = std::make_unique<TestDatabase>();
    QVERIFY2(m_db->isOpen(), qPrintable(m_db->error()));
    QVERIFY(m_db->execute("INSERT INTO character (Name, Gender, visible) VALUES "
                          "('Ann', 'female', 0), ('Bob', 'male', -1), ('Cy', NULL, 0), "
                          "('Dee', 'other', -1)"));
    m_window = std::make_unique<QWidget>();
    new QVBoxLayout(m_window.get());
}

void TestDataControl::cleanup()
{
    m_window.reset();
    m_db.reset();
}

DataControl* TestDataControl::openControl(const QString& name, const QString& source)
{
    auto* control = new DataControl(name, m_window.get());
    m_window->layout()->addWidget(control);
    control->setRecordSource(source);
    StoreError error;
    if (!control->refresh(&error))
        qWarning() << source << error.description;
    return control;
}

void TestDataControl::clickNavigator(DataControl* control, const QString& name)
{
    for (QToolButton* button : control->findChildren<QToolButton*>()) {
        if (button->accessibleName() == name)
            return QTest::mouseClick(button, Qt::LeftButton);
    }
    QFAIL(qPrintable("No navigator button " + name));
}

void TestDataControl::clickRow(DataGrid* grid, int row)
{
    const QModelIndex cell = grid->model()->index(row, grid->columnAt(0));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(cell).center());
}

DataGrid* TestDataControl::showGrid(DataControl* control, const QStringList& columns, bool editable)
{
    auto* grid = new DataGrid("grdCharacter", m_window.get());
    m_window->layout()->addWidget(grid);
    grid->setDataControl(control, columns);
    grid->setEditable(editable);
    m_window->show();
    if (!QTest::qWaitForWindowExposed(m_window.get()))
        qWarning("The window was not shown");
    return grid;
}

QLineEdit* TestDataControl::editCell(DataGrid* grid)
{
    grid->edit(grid->currentIndex());
    return grid->viewport()->findChild<QLineEdit*>();
}

void TestDataControl::navigatorMovesBoundControls()
{
    DataControl* control = openControl("dtaCharacter", "character");
    auto* name = new QLineEdit(m_window.get());
    auto* gender = new QPlainTextEdit(m_window.get());
    auto* hidden = new QCheckBox(m_window.get());
    control->bind(name, "Name");
    control->bind(gender, "gender");
    control->bind(hidden, "visible");
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QCOMPARE(name->text(), "Ann");
    QVERIFY(!hidden->isChecked());

    clickNavigator(control, "Next record");
    QCOMPARE(name->text(), "Bob");
    QCOMPARE(gender->toPlainText(), "male");
    QVERIFY(hidden->isChecked());
    clickNavigator(control, "Last record");
    clickNavigator(control, "Next record"); // stays on the last row
    QCOMPARE(name->text(), "Dee");
    clickNavigator(control, "Previous record");
    QCOMPARE(name->text(), "Cy");
    QCOMPARE(gender->toPlainText(), "");
    clickNavigator(control, "First record");
    clickNavigator(control, "Previous record");
    QCOMPARE(control->recordset()->absolutePosition(), 0);

    int asked = 0;
    control->setMoveCheck([&] { return ++asked > 1; }); // the window refuses the first move
    clickNavigator(control, "Next record");
    QCOMPARE(name->text(), "Ann");
    clickNavigator(control, "Next record");
    QCOMPARE(name->text(), "Bob");
}

void TestDataControl::updateWritesBoundControls()
{
    DataControl* control = openControl("dtaCharacter", "character");
    auto* name = new QLineEdit(m_window.get());
    auto* hidden = new QCheckBox(m_window.get());
    auto* gender = new QComboBox(m_window.get());
    gender->addItems({"female", "male"});
    control->bind(name, "Name");
    control->bind(hidden, "visible");
    control->bind(gender, "Gender");
    QVERIFY(!control->hasUnsavedEdits());
    name->setText("Anna");
    QVERIFY(control->hasUnsavedEdits());
    control->showCurrentRow();
    QCOMPARE(name->text(), "Ann");

    name->setText("Anna");
    hidden->setChecked(true);
    gender->setCurrentText("male");
    RecordSet* records = control->recordset();
    QVERIFY(records->edit(nullptr));
    StoreError error;
    QVERIFY2(records->update(&error), qPrintable(error.description));
    QVERIFY(!control->hasUnsavedEdits());
    const QString stored = "SELECT visible || Gender FROM character WHERE Name = 'Anna'";
    QCOMPARE(m_db->scalar(stored).toString(), "-1male");
    hidden->setChecked(false);
    QVERIFY(records->edit(nullptr));
    QVERIFY(records->update(nullptr));
    QCOMPARE(m_db->scalar(stored).toString(), "0male");

    // Emptied names are Null, so two of them do not collide in the unique index on Name.
    for (int row = 0; row < 2; ++row) {
        QVERIFY(records->setAbsolutePosition(row, nullptr));
        name->clear();
        QVERIFY(records->edit(nullptr));
        QVERIFY2(records->update(&error), qPrintable(error.description));
    }
    QCOMPARE(m_db->scalar("SELECT count(*) FROM character WHERE Name IS NULL").toInt(), 2);
    records->moveNext();
    QCOMPARE(gender->currentIndex(), -1); // Cy's Gender is Null
    records->moveNext();
    QCOMPARE(gender->currentIndex(), -1); // Dee's is not in the list, and must survive a save
    QVERIFY(records->edit(nullptr));
    QVERIFY(records->update(nullptr));
    QCOMPARE(m_db->scalar("SELECT Gender FROM character WHERE Name = 'Dee'").toString(), "other");
}

void TestDataControl::addNewStartsFromEmptyControls()
{
    DataControl* control =
        openControl("dtaCharacter", "select * from character where visible <> -1");
    auto* name = new QLineEdit(m_window.get());
    control->bind(name, "Name");
    RecordSet* records = control->recordset();
    QVERIFY(records->addNew(nullptr));
    QCOMPARE(name->text(), "");
    name->setText("Eve");
    QVERIFY(records->update(nullptr));
    QCOMPARE(name->text(), "Eve");
    QCOMPARE(records->field("Name").toString(), "Eve");
    QCOMPARE(m_db->scalar("SELECT visible FROM character WHERE Name = 'Eve'").toInt(), 0);

    QVERIFY(records->addNew(nullptr));
    name->setText("Cy");
    StoreError error;
    QVERIFY(!records->update(&error));
    QCOMPARE(error.number, 3022);
    records->cancelUpdate();
    QCOMPARE(name->text(), "Eve");
    QCOMPARE(characters(), "Ann,Bob,Cy,Dee,Eve");
}

void TestDataControl::listComboShowsNameAndWritesKey()
{
    QVERIFY(m_db->execute("INSERT INTO Story_Character (Story_ID, Character_ID) VALUES (1, 3)"));
    DataControl* list =
        openControl("dtaCharacterList", "select * from character where visible <> -1");
    list->setNavigatorVisible(false);
    DataControl* links = openControl("dtaStoryCharacter", "Story_Character");
    auto* character = new QComboBox(m_window.get());
    links->bind(character, "Character_ID", list, "Name", "ID");
    QCOMPARE(character->count(), 2); // hidden characters are not offered
    QCOMPARE(character->currentText(), "Cy");
    QVERIFY(!links->hasUnsavedEdits());

    character->setCurrentText("Ann");
    QVERIFY(links->hasUnsavedEdits());
    QVERIFY(links->recordset()->edit(nullptr));
    QVERIFY(links->recordset()->update(nullptr));
    QCOMPARE(m_db->scalar("SELECT Character_ID FROM Story_Character").toInt(), 1);

    QVERIFY(m_db->execute("INSERT INTO character (Name) VALUES ('Eve')"));
    QVERIFY(list->refresh(nullptr));
    QCOMPARE(character->count(), 3);
    QCOMPARE(character->currentText(), "Ann");
}

void TestDataControl::gridFollowsAndMovesTheDataControl()
{
    DataControl* control = openControl("dtaCharacter", "character");
    DataGrid* grid = showGrid(control, {"Name", "Gender"}, false);
    QVERIFY(!grid->accessibleName().isEmpty());
    QVERIFY(grid->isColumnHidden(control->recordset()->fieldIndex("ID")));
    QVERIFY(!grid->isColumnHidden(control->recordset()->fieldIndex("Gender")));
    QCOMPARE(grid->model()->headerData(grid->columnAt(0), Qt::Horizontal).toString(), "Name");

    QSignalSpy moved(control, &DataControl::currentRowChanged);
    clickRow(grid, 2);
    QCOMPARE(control->recordset()->field("Name").toString(), "Cy");
    QCOMPARE(moved.size(), 1);
    control->recordset()->moveFirst();
    QCOMPARE(grid->currentIndex().row(), 0);
    QVERIFY(grid->selectionModel()->isRowSelected(0, {}));
}

void TestDataControl::editableGridWritesWhenLeavingRow()
{
    DataControl* control = openControl("dtaCharacter", "character");
    DataGrid* grid = showGrid(control, {"Name"}, true);
    RecordSet* records = control->recordset();
    QSignalSpy refused(grid, &DataGrid::writeFailed);
    QLineEdit* editor = editCell(grid);
    QVERIFY(editor);
    editor->setText("Cy");
    clickRow(grid, 2);
    QTRY_COMPARE(refused.size(), 1);
    QCOMPARE(refused.at(0).at(0).value<StoreError>().number, 3022);
    QCOMPARE(records->absolutePosition(), 0); // the refused row and its change stay
    QCOMPARE(records->editMode(), RecordSet::EditMode::Editing);
    QCOMPARE(grid->currentIndex().row(), 0);
    records->cancelUpdate();
    QCOMPARE(records->field("Name").toString(), "Ann");

    clickRow(grid, 1);
    editor = editCell(grid);
    QVERIFY(editor);
    editor->setText("Bert");
    clickRow(grid, 3);
    QTRY_COMPARE(characters(), "Ann,Bert,Cy,Dee");
    QCOMPARE(records->field("Name").toString(), "Dee");

    editor = editCell(grid);
    QVERIFY(editor);
    editor->clear();
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(records->editMode(), RecordSet::EditMode::Editing);
    QVERIFY(records->update(nullptr));
    QCOMPARE(m_db->scalar("SELECT count(*) FROM character WHERE Name IS NULL").toInt(), 1);
}

QTEST_MAIN(TestDataControl)
#include "tst_datacontrol.moc"
