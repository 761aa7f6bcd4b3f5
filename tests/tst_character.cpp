#include "data/DataControl.h"
#include "data/DataGrid.h"
#include "records/CharacterDraws.h"
#include "records/frmCharacter.h"
#include "shared/Clock.h"
#include "shared/Random.h"
#include "support/TestEnvironment.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <memory>

using CharacterDraws::Attribute;
using Draws = QList<CharacterDraws::Drawn>;

// The character window driven as a user would on a fresh fixture database, and the draws behind
// its Generate.
class TestCharacter : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void genderIsDrawnBeforeName();
    void numbersStayInTheirRanges();
    void weightedDefaults_data();
    void weightedDefaults();

    void opensAsDescribed();
    void emptyTableOffersOnlyNew();
    void newGenerateUpdateCycle();
    void clearedBoxesAreLeftAlone();
    void duplicateNameDropsTheNewRow();
    void hiddenRowsAndDelete();
    void checkOnOffInvertsEveryBoxAndTheTimer();
    void printedAndCopiedByteForByte();
    void editsAreSavedWhenMovingOrClosing();

private:
    std::unique_ptr<frmCharacter> open();
    QVariant scalar(const QString& sql) { return m_env->db.scalar(sql); }
    int characters() { return scalar("SELECT count(*) FROM character").toInt(); }
    QString storedNames()
    {
        return scalar("SELECT group_concat(Name) FROM (SELECT Name FROM character ORDER BY ID)")
            .toString();
    }
    static QStringList names(const QString& table);
    static void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    static void navigate(frmCharacter* window, const QString& button);

    std::unique_ptr<TestEnvironment> m_env;
};

namespace {
// Every value names its table, so a test sees where it came from.
QString tableName(const QString& table)
{
    return "<" + table + ">";
}

Draws drawOnly(const QList<Attribute>& ticked)
{
    return CharacterDraws::draw([&](Attribute a) { return ticked.contains(a); }, {}, tableName);
}

QString valueOf(const Draws& drawn, Attribute attribute)
{
    for (const auto& [which, value] : drawn) {
        if (which == attribute)
            return value;
    }
    return {};
}
} // namespace

void TestCharacter::init()
{
    m_env = std::make_unique<TestEnvironment>(4711);
    QVERIFY2(m_env->db.isOpen(), qPrintable(m_env->db.error()));
}

void TestCharacter::cleanup()
{
    QVERIFY(m_env->db.fatalErrors.isEmpty());
    m_env.reset();
}

std::unique_ptr<frmCharacter> TestCharacter::open()
{
    auto window = std::make_unique<frmCharacter>();
    window->load();
    window->show();
    window->activate();
    if (!QTest::qWaitForWindowExposed(window.get()))
        qWarning("The window was not shown");
    return window;
}

QStringList TestCharacter::names(const QString& table)
{
    QStringList result;
    QSqlQuery query(QStringLiteral("SELECT \"%1\" FROM \"%1\"").arg(table));
    while (query.next())
        result << query.value(0).toString();
    return result;
}

void TestCharacter::navigate(frmCharacter* window, const QString& button)
{
    for (QToolButton* found : window->dtaCharacter->findChildren<QToolButton*>()) {
        if (found->accessibleName() == button)
            return click(found);
    }
    QFAIL(qPrintable("No navigator button " + button));
}

void TestCharacter::genderIsDrawnBeforeName()
{
    QStringList asked;
    const auto word = [&](const QString& table) {
        asked << table;
        return table == "gender" ? QStringLiteral("Male") : tableName(table);
    };
    const Draws drawn = CharacterDraws::draw([](Attribute) { return true; }, "Female", word);
    QCOMPARE(asked.mid(0, 5), QStringList({"gender", "hair", "eyes", "maleName", "surnames"}));
    QCOMPARE(valueOf(drawn, Attribute::Name), "<maleName> <surnames>");
    QCOMPARE(drawn.size(), 22);
    QCOMPARE(asked.last(), "thrift");
}

void TestCharacter::numbersStayInTheirRanges()
{
    const QList<std::tuple<Attribute, int, int>> ranges = {
        {Attribute::Height, 48, 96}, {Attribute::Weight, 50, 300}, {Attribute::Age, 15, 120}};
    for (const auto& [attribute, low, high] : ranges) {
        QSet<int> seen;
        for (int i = 0; i < 5000; ++i)
            seen << valueOf(drawOnly({attribute}), attribute).toInt();
        QCOMPARE(seen.size(), high - low + 1); // every value, both ends included, nothing else
        QVERIFY(seen.contains(low) && seen.contains(high));
    }
}

void TestCharacter::weightedDefaults_data()
{
    QTest::addColumn<Attribute>("attribute");
    QTest::addColumn<QString>("drawn");
    QTest::addColumn<QString>("usual");
    QTest::addColumn<int>("expected"); // in 10000
    QTest::newRow("foreign") << Attribute::Country << "<country>"
                             << "United States" << 1200;
    QTest::newRow("condition") << Attribute::Mental << "<mental>"
                               << "Normal" << 1000;
}

void TestCharacter::weightedDefaults()
{
    QFETCH(Attribute, attribute);
    QFETCH(QString, drawn);
    QFETCH(QString, usual);
    QFETCH(int, expected);
    int fromTable = 0;
    for (int i = 0; i < 10000; ++i) {
        const QString value = valueOf(drawOnly({attribute}), attribute);
        QVERIFY(value == drawn || value == usual);
        fromTable += value == drawn;
    }
    // About five standard deviations.
    QVERIFY2(std::abs(fromTable - expected) < 160, qPrintable(QString::number(fromTable)));
}

void TestCharacter::opensAsDescribed()
{
    auto window = open();
    QCOMPARE(window->windowTitle(), "Character Generator");
    QStringList tabs;
    for (int i = 0; i < window->SSTab1->count(); ++i)
        tabs << window->SSTab1->tabText(i);
    QCOMPARE(tabs, QStringList({"Personal", "Social", "Interests", "Psychology"}));
    for (QCheckBox* box : window->findChildren<QCheckBox*>())
        QCOMPARE(box->isChecked(), box != window->chkTimer);
    QVERIFY(!window->tmrCharacter->isActive());
    QCOMPARE(window->tmrCharacter->interval(), 15000);
    QCOMPARE(window->cboJob->count(), names("occupation").size());
    QCOMPARE(window->cboMental->itemText(0), names("mental").first());

    QHeaderView* header = window->dbgGridCharacter->horizontalHeader();
    QStringList columns;
    for (int visual = 0; visual < header->count(); ++visual) {
        const int column = header->logicalIndex(visual);
        if (!header->isSectionHidden(column))
            columns << header->model()->headerData(column, Qt::Horizontal).toString();
    }
    QCOMPARE(columns.join(','), "Name,Gender,Hair,Eye,Height,Weight,Age,Country,Language,Family,"
                                "Education,Wealth,Occupation,Hobby,Interest,Mental State,"
                                "Materialism,Morality,Motivation,Intellect,Thrift,Religion");

    // Every control speaks its name, and the keyboard follows the rows on screen.
    const QRegularExpression controls("^(txt|cbo|chk|cmd|dbg|dtaCharacter|SSTab1|OK_BT)");
    for (QWidget* control : window->findChildren<QWidget*>(controls)) {
        const QString name =
            QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
        QVERIFY2(!name.isEmpty(), qPrintable(control->objectName()));
    }
    window->txtName->setFocus();
    for (QWidget* next : QList<QWidget*>{window->chkName, window->cboGender, window->chkGender,
                                         window->cboHair, window->chkHair, window->cboEyes}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
}

void TestCharacter::emptyTableOffersOnlyNew()
{
    auto window = open();
    const QList<QWidget*> buttons = {window->cmdUpdate, window->cmdGenerate, window->cmdClip,
                                     window->cmdDelete, window->cmdPrint,    window->cmdNew,
                                     window->cmdOnOff,  window->chkTimer,    window->OK_BT};
    const auto enabled = [&] {
        QString result;
        for (QWidget* button : buttons)
            result += button->isEnabled() ? '1' : '0';
        return result;
    };
    QCOMPARE(enabled(), "000001111");
    window->cmdUpdate_Click();
    QCOMPARE(m_env->desktop.lastMessage(),
             "You must create your first character by selecting New.  "
             "This character will not be saved.");
    QCOMPARE(m_env->desktop.messages.last().title, "Create a New Character.");
    click(window->cmdNew);
    QCOMPARE(characters(), 1);
    QCOMPARE(enabled(), "111111111");
}

void TestCharacter::newGenerateUpdateCycle()
{
    auto window = open();
    // New shows the tab that holds the name, whichever tab was showing.
    window->SSTab1->setCurrentIndex(window->SSTab1->count() - 1);
    click(window->cmdNew);
    QVERIFY(window->txtName->isVisible());
    QVERIFY(window->txtName->hasFocus());
    QSqlQuery row("SELECT Name, Gender, Height, Hair, Language, \"Mental State\", visible "
                  "FROM character");
    QVERIFY(row.next());
    const QString name = row.value(0).toString();
    QCOMPARE(window->txtName->text(), name);
    const QString first = name.section(' ', 0, 0);
    QVERIFY(names(row.value(1).toString() == "Male" ? "maleName" : "femaleName").contains(first));
    QVERIFY(names("surnames").contains(name.section(' ', 1)));
    QVERIFY(row.value(2).toInt() >= 48 && row.value(2).toInt() <= 96);
    // Kept as drawn, first letter upper-cased, although the list item is lower case.
    QCOMPARE(window->cboHair->currentText(), row.value(3).toString());
    QVERIFY(row.value(3).toString().at(0).isUpper());
    QVERIFY(!row.value(4).isNull() && !row.value(5).isNull());
    QCOMPARE(row.value(6).toInt(), 0);

    click(window->cmdGenerate);
    QVERIFY(window->txtName->text() != name);
    QCOMPARE(scalar("SELECT Name FROM character").toString(), name); // saved by Update only
    click(window->cmdUpdate);
    QCOMPARE(scalar("SELECT Name FROM character").toString(), window->txtName->text());
    click(window->cmdNew);
    QCOMPARE(characters(), 2);
    QCOMPARE(window->dbgGridCharacter->model()->rowCount(), 2);
    QCOMPARE(window->dbgGridCharacter->currentIndex().row(), 1);
    QVERIFY(m_env->desktop.messages.isEmpty());

    // Without the gender drawn, only the exact text "Male" shown gives a male first name.
    tick(window->chkGender);
    for (const QString shown : {"male", "Male"}) {
        window->cboGender->setEditText(shown);
        click(window->cmdGenerate);
        QCOMPARE(window->cboGender->currentText(), shown);
        const QString first = window->txtName->text().section(' ', 0, 0);
        QVERIFY(names(shown == "Male" ? "maleName" : "femaleName").contains(first));
    }
}

void TestCharacter::clearedBoxesAreLeftAlone()
{
    QVERIFY(m_env->db.execute("INSERT INTO character (Name, Hair, Country, Language) VALUES "
                              "('Ann Lee', 'Gray', 'Peru', 'Quechua')"));
    auto window = open();
    tick(window->chkName);
    tick(window->chkCountry);                             // a language is drawn only with a country
    window->chkHair->setCheckState(Qt::PartiallyChecked); // grayed counts as ticked
    click(window->cmdGenerate);
    QCOMPARE(window->txtName->text(), "Ann Lee");
    QCOMPARE(window->cboLanguage->currentText(), "Quechua");
    QVERIFY(window->cboHair->currentText() != "Gray");

    tick(window->chkCountry);
    tick(window->chkLanguage);
    QString language = "Quechua";
    for (int i = 0; i < 40; ++i) {
        click(window->cmdGenerate);
        // A domestic draw sets English whatever the box says; a foreign one keeps the language.
        if (window->cboCountry->currentText() == "United States")
            language = "English";
        QCOMPARE(window->cboLanguage->currentText(), language);
    }

    // With every box cleared nothing changes, and New saves an empty character.
    for (QCheckBox* box : window->findChildren<QCheckBox*>(QRegularExpression("^chk")))
        box->setChecked(false);
    window->txtAge->setText("41");
    click(window->cmdGenerate);
    QCOMPARE(window->txtAge->text(), "41");
    click(window->cmdNew);
    QCOMPARE(scalar("SELECT Age FROM character WHERE Name = 'Ann Lee'").toString(), "41");
    QCOMPARE(scalar("SELECT count(*) FROM character WHERE coalesce(Name, Gender, Hair, Eye, "
                    "Height, Weight, Age, Country, Language, Family, Education, Religion, Wealth, "
                    "Occupation, Hobby, Interest, \"Mental State\", Materialism, Morality, "
                    "Motivation, Intellect, Thrift) IS NULL")
                 .toInt(),
             1);
}

void TestCharacter::duplicateNameDropsTheNewRow()
{
    QVERIFY(m_env->db.execute("DELETE FROM femaleName WHERE femaleName <> 'Zoe'"));
    QVERIFY(m_env->db.execute("DELETE FROM surnames WHERE surnames <> 'Wilson'"));
    auto window = open();
    tick(window->chkGender); // New shows no gender, so the name is always Zoe Wilson
    click(window->cmdNew);
    const QVariant firstId = scalar("SELECT ID FROM character");
    click(window->cmdNew);
    QCOMPARE(m_env->desktop.messages.size(), 1);
    QCOMPARE(m_env->desktop.lastMessage(), "A duplicate exists.  Please try again.");
    QCOMPARE(m_env->desktop.messages.last().title, "Duplicate Item Exists");
    QCOMPARE(m_env->desktop.messages.last().icon, MessageIcon::Information);
    QCOMPARE(characters(), 1);
    QCOMPARE(scalar("SELECT ID FROM character"), firstId);
    QCOMPARE(window->txtName->text(), "Zoe Wilson");
    QCOMPARE(window->dbgGridCharacter->model()->rowCount(), 1);

    // A stored character renamed by hand to a taken name keeps its saved name.
    QVERIFY(m_env->db.execute("INSERT INTO character (Name) VALUES ('Ann Lee')"));
    window->activate();
    navigate(window.get(), "Last record");
    window->txtName->setText("zoe wilson");
    click(window->cmdUpdate);
    QCOMPARE(m_env->desktop.messages.size(), 2);
    QCOMPARE(storedNames(), "Zoe Wilson,Ann Lee");
}

void TestCharacter::hiddenRowsAndDelete()
{
    QVERIFY(m_env->db.execute("INSERT INTO character (Name, visible) VALUES ('Hidden', -1), "
                              "('Ann Lee', 0), ('Bo Chan', 1)"));
    auto window = open();
    QCOMPARE(window->txtName->text(), "Ann Lee");
    QCOMPARE(window->dbgGridCharacter->model()->rowCount(), 2);
    navigate(window.get(), "Last record");
    click(window->cmdDelete); // answered No
    QCOMPARE(m_env->desktop.lastMessage(), "Are you sure you wish to delete this record?");
    QCOMPARE(m_env->desktop.messages.last().title, "Delete this Record.");
    QCOMPARE(m_env->desktop.messages.last().icon, MessageIcon::None);
    QCOMPARE(characters(), 3);

    m_env->desktop.answerNext(MessageAnswer::Yes);
    click(window->cmdDelete);
    QCOMPARE(storedNames(), "Hidden,Ann Lee");
    QCOMPARE(window->txtName->text(), "Ann Lee");
    m_env->desktop.answerNext(MessageAnswer::Yes);
    click(window->cmdDelete);
    QVERIFY(!window->cmdDelete->isEnabled()); // the hidden row counts for nothing
    QCOMPARE(scalar("SELECT visible FROM character").toInt(), -1);
}

void TestCharacter::checkOnOffInvertsEveryBoxAndTheTimer()
{
    auto window = open();
    tick(window->chkHair);
    window->chkEyes->setCheckState(Qt::PartiallyChecked);
    click(window->cmdOnOff);
    for (QCheckBox* box : window->findChildren<QCheckBox*>()) {
        const bool wasUnchecked = box == window->chkHair || box == window->chkTimer;
        QCOMPARE(box->checkState(), wasUnchecked ? Qt::Checked : Qt::Unchecked);
    }
    QVERIFY(window->tmrCharacter->isActive());
    window->tmrCharacter->setInterval(5); // each tick is a New, with no question asked
    QTRY_VERIFY(characters() >= 2);
    QVERIFY(m_env->desktop.messages.isEmpty());

    click(window->cmdOnOff);
    QCOMPARE(window->chkHair->checkState(), Qt::Unchecked);
    QCOMPARE(window->chkEyes->checkState(), Qt::Checked);
    QCOMPARE(window->chkThrift->checkState(), Qt::Checked);
    QVERIFY(!window->tmrCharacter->isActive());
    tick(window->chkTimer);
    QVERIFY(window->tmrCharacter->isActive());
}

void TestCharacter::printedAndCopiedByteForByte()
{
    QVERIFY(m_env->db.execute(
        "INSERT INTO character (Name, Gender, Hair, Eye, Height, Weight, Age, Country, Language, "
        "Family, Education, Religion, Wealth, Occupation, Hobby, Interest, \"Mental State\", "
        "Materialism, Morality, Motivation, Intellect, Thrift) VALUES ('Mei Tanaka', 'Female', "
        "'Auburn', 'Amber', '61', '120', '34', 'Japan', 'Japanese', 'Adopted', 'Doctorate', "
        "'Buddhist', 'In debt', 'Chef', 'Chess', 'Art', 'Normal', 'Frugal', 'Compassionate', "
        "'Curiosity', 'Clever', 'Generous')"));
    auto window = open();
    const QString expected = "\n" + TestEnvironment::headerLine("Character Generator") + "\n" +
                             QString(80, '-') +
                             "\nMental: Normal\nMaterialism: Frugal\nMorality: Compassionate"
                             "\nMotivation: Curiosity\nIntellect: Clever\nThrift: Generous"
                             "\nJob: Chef\nHobby: Chess\nInterest: Art\nCountry: Japan"
                             "\nLanguage: Japanese\nFamily: Adopted\nEducation: Doctorate"
                             "\nReligion: Buddhist\nWealth: In debt\nEyes: Amber\nAge: 34"
                             "\nWeight: 120\nHeight: 61\nName: Mei Tanaka\nGender: Female"
                             "\nHair: Auburn";
    click(window->cmdClip);
    QCOMPARE(m_env->desktop.clipboard, expected);
    window->SSTab1->setCurrentIndex(2); // whichever tab shows
    m_env->desktop.answerNext(MessageAnswer::Yes);
    click(window->cmdPrint);
    QCOMPARE(m_env->desktop.printed, QStringList{expected});
}

void TestCharacter::editsAreSavedWhenMovingOrClosing()
{
    QVERIFY(m_env->db.execute("INSERT INTO character (Name, Hair) VALUES ('Ann Lee', 'Auburn'), "
                              "('Bo Chan', 'Bald')"));
    auto window = open();
    QVERIFY(!window->dtaCharacter->hasUnsavedEdits()); // "Auburn" shown against list's "auburn"
    window->txtAge->setText("30");
    navigate(window.get(), "Next record");
    QCOMPARE(scalar("SELECT Age || Hair FROM character WHERE Name = 'Ann Lee'").toString(),
             "30Auburn");

    window->cboHair->setEditText("Silver");
    window->activate(); // coming back to the window reads the rows again
    QCOMPARE(scalar("SELECT Hair FROM character WHERE Name = 'Bo Chan'").toString(), "Silver");

    window->txtAge->setText("52");
    click(window->cmdNew);
    QCOMPARE(scalar("SELECT Age FROM character WHERE Name = 'Ann Lee'").toString(), "52");
    navigate(window.get(), "First record");
    window->cboEyes->setEditText("Green");
    click(window->OK_BT);
    QCOMPARE(scalar("SELECT Eye FROM character WHERE Name = 'Ann Lee'").toString(), "Green");
    QVERIFY(m_env->desktop.messages.isEmpty());
}

QTEST_MAIN(TestCharacter)
#include "tst_character.moc"
