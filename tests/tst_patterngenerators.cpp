#include "generators/frmNameGenerator.h"
#include "generators/frmSentence.h"
#include "generators/SentencePattern.h"
#include "shared/Clock.h"
#include "shared/Random.h"
#include "support/TestEnvironment.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

class TestPatternGenerators : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void engineJoinsLowerCaseWords();
    void engineThrowsAwayInvalidPatterns();
    void sentenceFromSelectedPattern();
    void sentenceNeedsAPattern();
    void randomPatternIsChosenAndShown();
    void invalidStoredPatternIsReported();
    void timerFollowsClicks();
    void codeKeyOnDoubleOrRightClick();
    void copiedSentencesByteForByte();
    void seededRunsRepeat();
    void nameFromPattern();
    void invalidNamePatternKeepsLettersBuilt();
    void realNamesNeedAPatternToo();
    void optionBoxesExcludeEachOther();

private:
    // Leaves one word in each table, so every sentence is known in advance.
    void keepOneWordPerTable();
    template <typename Window> std::unique_ptr<Window> open();
    static void select(QListWidget* list, const QString& text);

    std::unique_ptr<TestEnvironment> m_env;
};

void TestPatternGenerators::init()
{
    m_env = std::make_unique<TestEnvironment>();
    QVERIFY(m_env->db.isOpen());
}

void TestPatternGenerators::cleanup()
{
    m_env.reset();
}

template <typename Window> std::unique_ptr<Window> TestPatternGenerators::open()
{
    auto window = std::make_unique<Window>();
    window->load();
    window->show();
    return window;
}

void TestPatternGenerators::select(QListWidget* list, const QString& text)
{
    const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
    QVERIFY2(!found.isEmpty(), qPrintable(text));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(found.first()).center());
}

void TestPatternGenerators::keepOneWordPerTable()
{
    const QStringList words = {"possessivePronoun:Our",
                               "directObjectPronoun:Them",
                               "preposition:Beneath",
                               "noun:OWL",
                               "verb:sang",
                               "adjective:Silver",
                               "pronouns:I",
                               "adverb:softly",
                               "article:the"};
    for (const QString& entry : words) {
        const QString table = entry.section(':', 0, 0);
        QVERIFY(m_env->db.execute(QStringLiteral("DELETE FROM \"%1\"").arg(table)));
        QVERIFY(m_env->db.execute(QStringLiteral("INSERT INTO \"%1\" VALUES (1, '%2')")
                                      .arg(table, entry.section(':', 1))));
    }
}

void TestPatternGenerators::engineJoinsLowerCaseWords()
{
    const auto draw = [](const QString& table) { return table.toUpper(); };
    QCOMPARE(SentencePattern::expand("tjnv", draw).sentence,
             QStringLiteral("Article adjective noun verb "));
    QCOMPARE(SentencePattern::expand("n", draw).sentence, QStringLiteral("Noun "));
    QCOMPARE(SentencePattern::expand("qyxpr", draw).sentence,
             QStringLiteral("Possessivepronoun directobjectpronoun preposition pronouns adverb "));

    // "A" and "an" follow the sound of the next word; "I" keeps its capital wherever it stands.
    const auto sentence = [](const QString& pattern, const QString& article, const QString& noun,
                             const QString& pronoun = QStringLiteral("I")) {
        return SentencePattern::expand(
                   pattern,
                   [&](const QString& table) {
                       return table == "article" ? article : table == "noun" ? noun : pronoun;
                   })
            .sentence;
    };
    QCOMPARE(sentence("tn", "An", "Scourge"), "A scourge ");
    QCOMPARE(sentence("tn", "a", "Owl"), "An owl ");
    QCOMPARE(sentence("pvtn", "A", "hour", "i'm"), "I'm I'm an hour ");
    QCOMPARE(sentence("tntnp", "an", "Honest"), "An honest an honest I ");
    const QStringList aWords = {"unicorn", "one-off", "European", "useful", "ewe", "uniform"};
    for (const QString& word : aWords)
        QCOMPARE(sentence("tn", "an", word), "A " + word.toLower() + ' ');
    const QStringList anWords = {"apple", "unintentional", "urn", "heir", "utmost", "oncoming"};
    for (const QString& word : anWords)
        QCOMPARE(sentence("tn", "a", word), "An " + word + ' ');
    QCOMPARE(sentence("pt", "AN", "x", "we"), "We an "); // nothing follows: left as drawn
    QCOMPARE(sentence("tn", "The", "owl"), "The owl ");
}

void TestPatternGenerators::engineThrowsAwayInvalidPatterns()
{
    for (const QString pattern : {"tnV", "tn v", "tnv.", "N", "tnv,", "tnz"}) {
        QStringList drawn;
        const auto expansion = SentencePattern::expand(pattern, [&](const QString& table) {
            drawn << table;
            return QStringLiteral("word");
        });
        QVERIFY2(!expansion.valid, qPrintable(pattern));
        QCOMPARE(expansion.sentence, QStringLiteral("Not a valid custom sentence pattern."));
        // The words before the bad character have been drawn; nothing after it.
        QCOMPARE(drawn.size(), int(pattern.indexOf(QRegularExpression("[^qyxnvjprt]"))));
    }
}

void TestPatternGenerators::sentenceFromSelectedPattern()
{
    keepOneWordPerTable();
    QVERIFY(m_env->db.execute("INSERT INTO sentencePattern (sentencePattern) VALUES ('tjnvrxqn'), "
                              "('pvxy')"));
    auto window = open<frmSentence>();
    select(window->lstPatternType, "tjnvrxqn");
    QTest::mouseClick(window->cmdGenerate, Qt::LeftButton);
    select(window->lstPatternType, "pvxy");
    QTest::keyClick(window.get(), Qt::Key_Return); // the default button
    QCOMPARE(window->lstResults->count(), 2);
    QCOMPARE(window->lstResults->item(0)->text(),
             QStringLiteral("The silver owl sang softly beneath our owl "));
    QCOMPARE(window->lstResults->item(1)->text(), QStringLiteral("I sang beneath them "));
    QCOMPARE(window->lstResults->currentRow(), 1);
    QVERIFY(m_env->desktop.messages.isEmpty());
}

void TestPatternGenerators::sentenceNeedsAPattern()
{
    auto window = open<frmSentence>();
    QTest::mouseClick(window->cmdGenerate, Qt::LeftButton);
    QCOMPARE(window->lstResults->count(), 0);
    QCOMPARE(m_env->desktop.messages.size(), 1);
    QCOMPARE(m_env->desktop.lastMessage(), QStringLiteral("No pattern has been selected."));
    QCOMPARE(m_env->desktop.messages.last().title, QStringLiteral("Pattern Selection"));
    QCOMPARE(m_env->desktop.messages.last().icon, MessageIcon::Information);
}

void TestPatternGenerators::randomPatternIsChosenAndShown()
{
    QVERIFY(m_env->db.execute("DELETE FROM sentencePattern"));
    QVERIFY(m_env->db.execute("INSERT INTO sentencePattern (sentencePattern) VALUES ('tnv')"));
    keepOneWordPerTable();
    auto window = open<frmSentence>();
    tick(window->chkRandom);
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(window->cmdGenerate, Qt::LeftButton);
    QCOMPARE(window->lstResults->count(), 3);
    QCOMPARE(window->lstResults->item(2)->text(), QStringLiteral("The owl sang "));
    QCOMPARE(window->lstPatternType->currentRow(), 0);
    QCOMPARE(window->currentPattern, QStringLiteral("tnv"));
}

void TestPatternGenerators::invalidStoredPatternIsReported()
{
    QVERIFY(m_env->db.execute("INSERT INTO sentencePattern (sentencePattern) VALUES ('tnvX')"));
    auto window = open<frmSentence>();
    select(window->lstPatternType, "tnvX");
    QTest::mouseClick(window->cmdGenerate, Qt::LeftButton);
    QCOMPARE(m_env->desktop.lastMessage(),
             QStringLiteral("tnvX: is not valid.  Please use the customization feature to delete "
                            "this."));
    QCOMPARE(m_env->desktop.messages.last().title, QStringLiteral("Invalid Sentence Pattern"));
    QCOMPARE(window->lstResults->count(), 1);
    QCOMPARE(window->lstResults->item(0)->text(),
             QStringLiteral("Not a valid custom sentence pattern."));
}

void TestPatternGenerators::timerFollowsClicks()
{
    auto window = open<frmSentence>();
    QCOMPARE(window->timer->objectName(), QStringLiteral("tmrSentence"));
    QCOMPARE(window->timer->interval(), 1000);
    QVERIFY(!window->timer->isActive());
    tick(window->chkSentence);
    QVERIFY(window->chkSentence->isChecked());
    QVERIFY(window->timer->isActive());
    tick(window->chkSentence);
    QVERIFY(!window->timer->isActive());
    QVERIFY(!window->chkSentence->isChecked());

    // A tick is a Generate: with no pattern it asks for one, once, and the timer stops.
    tick(window->chkSentence);
    window->timer->setInterval(5);
    QTRY_COMPARE(m_env->desktop.messages.size(), 1);
    QCOMPARE(m_env->desktop.lastMessage(), QStringLiteral("No pattern has been selected."));
    QVERIFY(!window->timer->isActive());
    QVERIFY(!window->chkSentence->isChecked());
    QTest::qWait(30);
    QCOMPARE(m_env->desktop.messages.size(), 1);
    tick(window->chkSentence);
    QVERIFY(window->timer->isActive());
}

void TestPatternGenerators::codeKeyOnDoubleOrRightClick()
{
    auto window = open<frmSentence>();
    QListWidget* patterns = window->lstPatternType;
    const QPoint first = patterns->visualItemRect(patterns->item(0)).center();
    QTest::mouseClick(patterns->viewport(), Qt::RightButton, {}, first);
    QCOMPARE(m_env->desktop.messages.size(), 1);
    QCOMPARE(m_env->desktop.messages.last().title, QStringLiteral("Key to Sentence Codes"));
    QCOMPARE(patterns->selectedItems().size(), 0);
    QTest::mouseDClick(patterns->viewport(), Qt::LeftButton, {}, first);
    QCOMPARE(m_env->desktop.messages.size(), 2);
    QCOMPARE(window->lstResults->count(), 0);
}

void TestPatternGenerators::copiedSentencesByteForByte()
{
    keepOneWordPerTable();
    auto window = open<frmSentence>();
    select(window->lstPatternType, "tnv");
    QTest::mouseClick(window->cmdGenerate, Qt::LeftButton);
    QTest::mouseClick(window->cmdGenerate, Qt::LeftButton);
    QTest::mouseClick(window->cmdClip, Qt::LeftButton);
    QCOMPARE(m_env->desktop.clipboard, "\n" + TestEnvironment::headerLine("Sentence Generator") +
                                           "\n" + QString(80, '-') +
                                           "\nThe owl sang \nThe owl sang \n");
    QTest::mouseClick(window->cmdClear, Qt::LeftButton);
    QCOMPARE(window->lstResults->count(), 0);
}

void TestPatternGenerators::seededRunsRepeat()
{
    const auto run = [this] {
        Random::instance().seed(77);
        auto window = open<frmSentence>();
        tick(window->chkRandom);
        QStringList lines;
        for (int i = 0; i < 10; ++i) {
            QTest::mouseClick(window->cmdGenerate, Qt::LeftButton);
            lines << window->lstResults->item(i)->text();
        }
        return lines;
    };
    const QStringList first = run();
    QCOMPARE(run(), first);
    QVERIFY(QSet<QString>(first.begin(), first.end()).size() > 5);
    static const QRegularExpression sentence("^[A-Z][a-z']*( [a-z'-]+)* $");
    for (const QString& line : first)
        QVERIFY2(sentence.match(line).hasMatch(), qPrintable(line));
}

void TestPatternGenerators::nameFromPattern()
{
    auto window = open<frmNameGenerator>();
    select(window->lstPatternType, "cvccv");
    QCOMPARE(window->currentPattern, QStringLiteral("cvccv")); // set by the click itself
    for (int i = 0; i < 20; ++i)
        QTest::mouseClick(window->cmdGenerate, Qt::LeftButton);
    static const QRegularExpression shape("^[B-DF-HJ-NP-TV-Z][aeiou][b-df-hj-np-tv-z]{2}[aeiou]$");
    for (int i = 0; i < 20; ++i)
        QVERIFY2(shape.match(window->lstResults->item(i)->text()).hasMatch(),
                 qPrintable(window->lstResults->item(i)->text()));
    QCOMPARE(window->lstResults->currentRow(), 19);
}

void TestPatternGenerators::invalidNamePatternKeepsLettersBuilt()
{
    QVERIFY(m_env->db.execute("INSERT INTO namePattern (namePattern) VALUES ('cvCv'), ('Vc')"));
    auto window = open<frmNameGenerator>();
    select(window->lstPatternType, "cvCv");
    QTest::mouseClick(window->cmdGenerate, Qt::LeftButton);
    QCOMPARE(window->lstResults->count(), 1);
    const QString shortened = window->lstResults->item(0)->text();
    QCOMPARE(shortened.size(), 2);
    QCOMPARE(m_env->desktop.lastMessage(),
             "cvCv: is not valid.  Please use customization to delete this pattern: " +
                 shortened.toLower());
    QCOMPARE(m_env->desktop.messages.last().title, QStringLiteral("Invalid Name Pattern"));

    select(window->lstPatternType, "Vc");
    QTest::mouseClick(window->cmdGenerate, Qt::LeftButton);
    QCOMPARE(window->lstResults->count(), 1);
    QCOMPARE(m_env->desktop.messages.size(), 2);
}

void TestPatternGenerators::realNamesNeedAPatternToo()
{
    auto window = open<frmNameGenerator>();
    tick(window->chkRealName);
    QTest::mouseClick(window->cmdGenerate, Qt::LeftButton);
    QCOMPARE(m_env->desktop.lastMessage(), QStringLiteral("No pattern has been selected."));
    QCOMPARE(window->lstResults->count(), 0);

    select(window->lstPatternType, "cvc");
    const QStringList males = {"Aarav",  "Ahmed",  "Andre",   "Carlos", "Chen",
                               "Dmitri", "Elijah", "Hiroshi", "James",  "Kofi",
                               "Lars",   "Liam",   "Mateo",   "Omar",   "Pablo",
                               "Rafael", "Samuel", "Tariq",   "Thomas", "Yusuf"};
    int male = 0;
    for (int i = 0; i < 200; ++i) {
        QTest::mouseClick(window->cmdGenerate, Qt::LeftButton);
        const QStringList parts = window->lstResults->item(i)->text().split(' ');
        QCOMPARE(parts.size(), 2);
        male += males.contains(parts.first());
    }
    QVERIFY2(male > 70 && male < 130, qPrintable(QString::number(male)));
    QVERIFY(m_env->desktop.messages.size() == 1);
}

void TestPatternGenerators::optionBoxesExcludeEachOther()
{
    auto window = open<frmNameGenerator>();
    tick(window->chkRandom);
    tick(window->chkRealName);
    QVERIFY(window->chkRealName->isChecked());
    QVERIFY(!window->chkRandom->isChecked());
    tick(window->chkRandom);
    QVERIFY(window->chkRandom->isChecked());
    QVERIFY(!window->chkRealName->isChecked());
    QCOMPARE(window->timer->objectName(), QStringLiteral("tmrName"));
}

QTEST_MAIN(TestPatternGenerators)
#include "tst_patterngenerators.moc"
