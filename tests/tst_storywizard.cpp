#include "inspiration/frmStoryWizard.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

class TestStoryWizard : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensAtTheFirstQuestion();
    void walksThroughACategory();
    void anotherCategoryOrClearRestarts();
    void categoriesAreCapitalised();
    void emptyCategoryIsToldNotFatal();
    void unreadableQuestionsAreToldNotFatal();
    void unreadableCategoriesAreFatal();
    void leavingTheCategoryGoesToTheAnswer();

private:
    void open();
    void answer(const QString& text);
    void chooseCategory(int move);
    void typeCategory(const QString& text);
    QStringList record() const;
    bool asking() const { return m_window->txtAnswer->isEnabled(); }
    QString question() const { return m_window->txtQuestion->toPlainText(); }

    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<frmStoryWizard> m_window;
};

const QString FirstQuestion = QStringLiteral("Who is your main character?");
const QString SettingFirst = QStringLiteral("Where does the story take place?");
const QString NoQuestions = QStringLiteral("There are no questions in this category yet.");

void TestStoryWizard::init()
{
    m_env = std::make_unique<TestEnvironment>();
}

void TestStoryWizard::cleanup()
{
    m_window.reset();
    m_env.reset();
}

void TestStoryWizard::open()
{
    m_window = std::make_unique<frmStoryWizard>();
    m_window->load();
    m_window->show();
}

void TestStoryWizard::answer(const QString& text)
{
    QTest::keyClicks(m_window->txtAnswer, text);
    QTest::keyClick(m_window->txtAnswer, Qt::Key_Return);
}

void TestStoryWizard::chooseCategory(int move)
{
    const auto key = move > 0 ? Qt::Key_Down : Qt::Key_Up;
    for (int i = 0; i < std::abs(move); ++i)
        QTest::keyClick(m_window->cboQuestions, key);
}

void TestStoryWizard::typeCategory(const QString& text)
{
    m_window->cboQuestions->lineEdit()->selectAll();
    QTest::keyClicks(m_window->cboQuestions->lineEdit(), text);
}

QStringList TestStoryWizard::record() const
{
    QStringList lines;
    for (int i = 0; i < m_window->lstResults->count(); ++i)
        lines << m_window->lstResults->item(i)->text();
    return lines;
}

void TestStoryWizard::opensAtTheFirstQuestion()
{
    open();
    QCOMPARE(m_window->Frame1->title(), QStringLiteral("Question && Answer"));
    QCOMPARE(m_window->cboQuestions->toolTip(), QStringLiteral("Select the category of questions"));
    QCOMPARE(m_window->txtAnswer->toolTip(),
             QStringLiteral("Place your answer to the question in this field and hit ENTER."));
    QCOMPARE(m_window->cboQuestions->currentText(), QStringLiteral("Character"));
    QCOMPARE(m_window->cboQuestions->count(), 2);
    QCOMPARE(question(), FirstQuestion);
    QVERIFY(asking());
    QVERIFY(!m_env->desktop.busy);
    answer("");
    QCOMPARE(record(), QStringList({"Question: " + FirstQuestion, "Answer: No response"}));
}

void TestStoryWizard::walksThroughACategory()
{
    open();
    answer("Mira");
    answer("");
    QCOMPARE(question(), QStringLiteral("What stands in the way?"));
    answer("The sea");
    QVERIFY(!asking());
    QVERIFY(!m_window->lstResults->isEnabled());
    QCOMPARE(question(), QStringLiteral("What stands in the way?")); // still shown
    QCOMPARE(m_window->txtAnswer->text(), QString());
    answer("ignored"); // a disabled box takes no keys
    QCOMPARE(record().size(), 6);

    QTest::mouseClick(m_window->cmdClip, Qt::LeftButton);
    QCOMPARE(m_env->desktop.clipboard,
             "\n" + TestEnvironment::headerLine("Story Wizard") + "\n" + QString(80, '-') +
                 "\nQuestion: Who is your main character?\nAnswer: Mira"
                 "\nQuestion: What does your character want most?\nAnswer: No response"
                 "\nQuestion: What stands in the way?\nAnswer: The sea\n");
}

void TestStoryWizard::anotherCategoryOrClearRestarts()
{
    open();
    answer("Mira");
    chooseCategory(+1);
    QCOMPARE(m_window->cboQuestions->currentText(), QStringLiteral("Setting"));
    QCOMPARE(question(), SettingFirst);
    QVERIFY(record().isEmpty());
    answer("A harbour town");
    answer("");
    QVERIFY(!asking());

    QTest::mouseClick(m_window->cmdClear, Qt::LeftButton);
    QVERIFY(asking());
    QVERIFY(record().isEmpty());
    QCOMPARE(question(), SettingFirst);
    // Clear keeps a half-typed answer and restarts the category typed in the box.
    QTest::keyClicks(m_window->txtAnswer, "draft");
    typeCategory("character");
    QCOMPARE(question(), SettingFirst);
    QTest::mouseClick(m_window->cmdClear, Qt::LeftButton);
    QCOMPARE(question(), FirstQuestion);
    QCOMPARE(m_window->txtAnswer->text(), QStringLiteral("draft"));

    QTest::mouseClick(m_window->cmdPrint, Qt::LeftButton);
    QCOMPARE(m_env->desktop.lastMessage(), QStringLiteral("There are no items in this list."));
}

void TestStoryWizard::categoriesAreCapitalised()
{
    QVERIFY(m_env->db.execute("INSERT INTO questions (category, question) VALUES "
                              "('plot', 'What goes wrong first?')"));
    open();
    QCOMPARE(m_window->cboQuestions->itemText(2), QStringLiteral("Plot"));
    chooseCategory(+2);
    QCOMPARE(question(), QStringLiteral("What goes wrong first?"));
}

void TestStoryWizard::emptyCategoryIsToldNotFatal()
{
    open();
    QVERIFY(m_env->db.execute("DELETE FROM questions WHERE category = 'Setting'"));
    chooseCategory(+1);
    QCOMPARE(m_env->desktop.lastMessage(), NoQuestions);
    QCOMPARE(m_env->desktop.messages.last().title, QStringLiteral("Story Wizard"));
    QCOMPARE(m_env->desktop.messages.last().icon, MessageIcon::Information);
    QVERIFY(!asking());
    QCOMPARE(question(), QString());
    chooseCategory(-1);
    QCOMPARE(question(), FirstQuestion);
    // A typed category that is not listed is only looked for when Clear restarts it.
    typeCategory("Plot");
    QCOMPARE(m_env->desktop.messages.size(), 1);
    QTest::mouseClick(m_window->cmdClear, Qt::LeftButton);
    QCOMPARE(m_env->desktop.messages.size(), 2);
    QCOMPARE(m_env->desktop.lastMessage(), NoQuestions);
    QVERIFY(!asking());
    QVERIFY(m_env->db.fatalErrors.isEmpty());
}

void TestStoryWizard::unreadableQuestionsAreToldNotFatal()
{
    open();
    const QString sql =
        m_env->db.scalar("SELECT sql FROM MSysQueries WHERE name = 'questionList'").toString();
    QVERIFY(m_env->db.execute("DELETE FROM MSysQueries"));
    chooseCategory(+1);
    QVERIFY(m_env->desktop.lastMessage().startsWith(
        QStringLiteral("The questions of this category could not be read.\n")));
    QCOMPARE(m_env->desktop.messages.last().icon, MessageIcon::Exclamation);
    QVERIFY(!asking());
    QVERIFY(m_env->db.fatalErrors.isEmpty());

    QVERIFY(m_env->db.execute("INSERT INTO MSysQueries VALUES ('questionList', '" + sql + "')"));
    QTest::mouseClick(m_window->cmdClear, Qt::LeftButton);
    QVERIFY(asking());
    QCOMPARE(question(), SettingFirst);
}

void TestStoryWizard::unreadableCategoriesAreFatal()
{
    QVERIFY(m_env->db.execute("DROP VIEW questionCategory"));
    open();
    QCOMPARE(m_env->db.fatalErrors.size(), 1);
    QCOMPARE(m_window->cboQuestions->count(), 0);
}

void TestStoryWizard::leavingTheCategoryGoesToTheAnswer()
{
    open();
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QCOMPARE(QApplication::focusWidget(), m_window->txtAnswer);

    m_window->cboQuestions->setFocus();
    QTest::mouseClick(m_window->cmdClip, Qt::LeftButton);
    QTRY_COMPARE(QApplication::focusWidget(), m_window->txtAnswer);

    answer("");
    answer("");
    answer("");
    m_window->cboQuestions->setFocus();
    QTest::mouseClick(m_window->cmdClip, Qt::LeftButton);
    QTest::qWait(20);
    QCOMPARE(QApplication::focusWidget(), m_window->cmdClip); // finished: the answer box is off
}

QTEST_MAIN(TestStoryWizard)
#include "tst_storywizard.moc"
