#include "app/MenuLayout.h"
#include "app/ToolCatalog.h"
#include "shared/widgets/AccessKeys.h"
#include "shared/widgets/ControlMakers.h"
#include "shared/widgets/ToolWindow.h"
#include "shared/widgets/ToolWindowCatalog.h"
#include "support/TestEnvironment.h"

#include <QtTest>
#include <QtWidgets>

// What every tool window shares: how screen readers and the keyboard reach its controls, and
// how its timers wait for the user's answer to a message.
class TestToolWindows : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestEnvironment> m_env;

    // A line that counts how often its list reads it.
    struct CountedLine : QListWidgetItem
    {
        using QListWidgetItem::QListWidgetItem;
        QVariant data(int role) const override { return ++reads, QListWidgetItem::data(role); }
        inline static int reads = 0;
    };

    static QList<QTimer*> timersOf(ToolWindow* window)
    {
        return window->findChildren<QTimer*>(QRegularExpression(QStringLiteral("^tmr")));
    }

    static std::unique_ptr<ToolWindow> open(const QString& windowName)
    {
        std::unique_ptr<ToolWindow> window(ToolCatalog::factory(windowName)());
        window->load();
        window->show();
        window->activate();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get()))
            qWarning("The window did not become active");
        return window;
    }

private slots:
    void initTestCase()
    {
        QString menuLetters; // as the main window sets them
        for (const MenuDefinition& menu : mainMenus())
            menuLetters += AccessKeys::letterOf(menu.caption);
        AccessKeys::setMenuLetters(menuLetters);
    }
    void init() { m_env = std::make_unique<TestEnvironment>(); }
    void cleanup()
    {
        QVERIFY(m_env->db.fatalErrors.isEmpty());
        m_env.reset();
    }

    // Every control has a name for screen readers and is reached by the Tab key, in the order
    // laid down where there is one; Enter presses the focused button, elsewhere the default one.
    // Every button's caption and every caption of a control has one Alt letter, which no control
    // shown with it shares, and none but the listed ones shares a menu title's; screen readers
    // read captions without the marker. No key of the window opens a tool window.
    // A line added to a long results list is current and in view without the list reading again
    // the lines it holds, and its longest line is neither cut nor out of the scroll bar's reach.
    void keyboardAndScreenReadersReachEveryControl_data()
    {
        QTest::addColumn<QString>("windowName");
        QTest::addColumn<QString>("tabOrder");
        // The controls whose only free Alt letters are a menu title's, or whose documented
        // caption has one.
        QTest::addColumn<QString>("menuLetters");
        const QHash<QString, QString> menuLetters = {
            {"frmBrainstorm", "&Clipboard"},
            {"frmCharacter", "C&haracter:|Relation&ship:|&Wealth|Eye&s|&Weight|&Hair|&Clipboard|"
                             "Time&r"},
            {"frmFreeAss", "&Start|&Clipboard"},
            {"frmNameGenerator", "&Clipboard"},
            {"frmNumberGenerator", "Lo&wer|&Clipboard"},
            {"frmPlot", "&Suggest"},
            {"frmScene", "&Weather:|T&hree:|Time&r"},
            {"frmSentence", "&Clipboard"},
            {"frmSprint", "&Start"},
            {"frmStoryWizard", "&Clipboard"},
        };
        const QHash<QString, QString> orders = {
            {"frmSentence", "cmdGenerate cmdPrint cmdClip cmdClear lstPatternType chkRandom "
                            "chkSentence lstResults OK_BT"},
            {"frmNameGenerator", "cmdGenerate cmdPrint cmdClip cmdClear lstPatternType chkRandom "
                                 "chkSentence OK_BT lstResults chkRealName chkLikeRealNames"},
            // Tab stops at the chosen option of a group; the arrow keys move among the options.
            {"frmNumberGenerator", "cmdGenerate cmdPrint cmdClip cmdClear cmdOK optNumberType_0 "
                                   "txtRange1 spnRange1 txtRange2 spnRange2 chkTimer lstResults"},
        };
        for (const QString& name : ToolCatalog::windowNames())
            QTest::newRow(qPrintable(name))
                << name << orders.value(name) << menuLetters.value(name);
    }

    void keyboardAndScreenReadersReachEveryControl()
    {
        QFETCH(QString, windowName);
        QFETCH(QString, tabOrder);
        QFETCH(QString, menuLetters);
        const auto window = open(windowName);
        QList<QWidget*> captioned;
        for (QWidget* control : window->findChildren<QWidget*>()) {
            const auto* label = qobject_cast<QLabel*>(control);
            const QString text = control->property("text").toString();
            if ((label && label->buddy()) || (qobject_cast<QAbstractButton*>(control) &&
                                              text.contains(QRegularExpression("[A-Za-z]")) &&
                                              control->objectName() != "cmdPsycho"))
                captioned << control;
        }
        QStringList onMenuLetters;
        for (QWidget* control : std::as_const(captioned)) {
            const QString text = control->property("text").toString();
            QVERIFY2(QString(text).replace("&&", "").count('&') == 1,
                     qPrintable(control->objectName() + ' ' + text));
            const QAccessibleInterface* read = QAccessible::queryAccessibleInterface(control);
            QVERIFY2(!read->text(QAccessible::Name).contains('&'), qPrintable(text));
            if (AccessKeys::menuLetters().contains(AccessKeys::letterOf(text)))
                onMenuLetters << text;
        }
        QCOMPARE(onMenuLetters.join('|'), menuLetters);
        // Letters are shared only by controls that never show together: those on other pages.
        QList<std::pair<QTabWidget*, int>> pages = {{nullptr, 0}};
        for (QTabWidget* tabs : window->findChildren<QTabWidget*>())
            for (int page = 0; page < tabs->count(); ++page)
                pages.append({tabs, page});
        for (const auto& [tabs, page] : std::as_const(pages)) {
            if (tabs)
                tabs->setCurrentIndex(page);
            QHash<QChar, QWidget*> letters;
            for (QWidget* control : std::as_const(captioned)) {
                const QString text = control->property("text").toString();
                const QWidget* other = letters.value(AccessKeys::letterOf(text));
                // Labels of one caption share it: Alt moves from one to the next.
                const bool sameLabel = other && qobject_cast<const QLabel*>(other) &&
                                       qobject_cast<QLabel*>(control) &&
                                       other->property("text") == text;
                if (!control->isVisibleTo(window.get()))
                    continue;
                QVERIFY2(!other || sameLabel, qPrintable(text));
                letters.insert(AccessKeys::letterOf(text), control);
            }
        }
        for (const auto& [tabs, page] : std::as_const(pages))
            if (tabs)
                tabs->setCurrentIndex(0);
        QStringList windowKeys;
        for (const QAction* action : window->findChildren<QAction*>())
            for (const QKeySequence& key : action->shortcuts())
                windowKeys << key.toString(QKeySequence::PortableText);
        for (const QShortcut* shortcut : window->findChildren<QShortcut*>())
            windowKeys << shortcut->key().toString(QKeySequence::PortableText);
        for (const ToolWindowEntry& tool : ToolWindowCatalog::entries())
            QVERIFY2(tool.shortcut.isEmpty() || !windowKeys.contains(tool.shortcut),
                     qPrintable(tool.shortcut));
        if (auto* list = window->findChild<QListWidget*>("lstResults")) {
            const QString longest = QString("far ").repeated(80);
            for (int i = 0; i < 1000; ++i)
                new CountedLine(i == 1 ? longest : "near", list);
            const int width = list->fontMetrics().horizontalAdvance(longest);
            QVERIFY(list->visualItemRect(list->item(1)).width() >= width); // laid out
            CountedLine::reads = 0;
            ControlMakers::addResultLine(list, "nearer");
            const QRect added = list->visualItemRect(list->currentItem());
            QVERIFY(list->currentRow() == 1000 && added.top() >= 0 &&
                    added.bottom() < list->viewport()->height());
            QCOMPARE(CountedLine::reads, 0);
            QVERIFY(list->visualItemRect(list->item(1)).width() >= width &&
                    list->horizontalScrollBar()->maximum() + list->viewport()->width() >= width);
            list->clear();
        }
        const auto takesTab = [&](QWidget* widget) {
            return window->isAncestorOf(widget) && (widget->focusPolicy() & Qt::TabFocus) &&
                   widget->isVisibleTo(window.get()) && widget->isEnabled() &&
                   !widget->focusProxy();
        };
        QStringList reachable;
        QWidget* widget = window.get();
        while ((widget = widget->nextInFocusChain()) != window.get()) {
            if (!takesTab(widget))
                continue;
            reachable << widget->objectName();
            const QString name =
                QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
            QVERIFY2(!name.trimmed().isEmpty(), qPrintable(widget->objectName()));
        }
        if (!tabOrder.isEmpty()) {
            const qsizetype first = reachable.indexOf(tabOrder.section(u' ', 0, 0));
            QCOMPARE((reachable.mid(first) + reachable.mid(0, first)).join(u' '), tabOrder);
        }
        for (QWidget* control : window->findChildren<QWidget*>())
            QVERIFY2(!takesTab(control) || reachable.contains(control->objectName()),
                     qPrintable(control->objectName()));
        // No control covers another.
        QList<std::pair<QWidget*, QRect>> placed;
        for (QWidget* control : window->findChildren<QWidget*>()) {
            if (!takesTab(control))
                continue;
            const QRect area(control->mapTo(window.get(), QPoint()), control->size());
            for (const auto& [other, otherArea] : std::as_const(placed))
                QVERIFY2(!area.intersects(otherArea),
                         qPrintable(control->objectName() + " covers " + other->objectName()));
            placed.append({control, area});
        }

        QAbstractButton* defaultButton = window->defaultButton();
        QList<QPushButton*> buttons = window->findChildren<QPushButton*>();
        // "Close" goes last: it ends the window.
        const auto closing = [](QPushButton* button) {
            return button->text().remove('&') == "Close";
        };
        std::stable_partition(buttons.begin(), buttons.end(), std::not_fn(closing));
        QVERIFY(!buttons.isEmpty());

        const auto pressEnterOn = [](QWidget* control) {
            control->setFocus();
            QVERIFY(control->hasFocus());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        };
        for (QPushButton* button : std::as_const(buttons)) {
            if (!button->isVisible() || !button->isEnabled())
                continue;
            QSignalSpy pressed(button, &QAbstractButton::clicked);
            QSignalSpy pressedDefault(defaultButton ? defaultButton : button,
                                      &QAbstractButton::clicked);
            pressEnterOn(button);
            QVERIFY2(pressed.size() == 1 &&
                         pressedDefault.size() == int(!defaultButton || defaultButton == button),
                     qPrintable(button->objectName()));
            const auto lists = window->findChildren<QListWidget*>();
            if (defaultButton && defaultButton->isVisible() && !lists.isEmpty() &&
                button != buttons.last()) {
                QSignalSpy pressedByList(defaultButton, &QAbstractButton::clicked);
                pressEnterOn(lists.first());
                QCOMPARE(pressedByList.size(), 1);
            }
        }
        QCOMPARE(window->isVisible(), !closing(buttons.last()));
    }

    // With a translation installed, a window shows no text that did not go through it: its
    // title, captions, tooltips, accessible names, tab and column headings and commands.
    void everyTextGoesThroughTranslation_data()
    {
        QTest::addColumn<QString>("windowName");
        for (const char* name : {"frmCharacter", "frmScene", "frmPlot", "frmStoryandStage",
                                 "frmCastMap", "frmBrainstorm", "frmFreeAss", "frmPsycho",
                                 "frmCrystalBall", "frmStoryWizard", "frmCustom"})
            QTest::newRow(name) << QString(name);
    }

    void everyTextGoesThroughTranslation()
    {
        QFETCH(QString, windowName);
        // Marks every text it translates, whoever asks.
        struct MarkingTranslator : QTranslator
        {
            bool isEmpty() const override { return false; }
            QString translate(const char*, const char* source, const char*, int) const override
            {
                return u'\u00a4' + QString::fromUtf8(source);
            }
        } marking;
        QCoreApplication::installTranslator(&marking);
        const auto uninstall = qScopeGuard([&] { QCoreApplication::removeTranslator(&marking); });
        const auto window = open(windowName);
        // The button that shows a drawn word, and what the widget kit makes, which it names
        // itself: the Keep and Generate from Seed commands, the start window's options, a
        // results list's and the cast map's own names.
        static const QRegularExpression word("\\p{L}");
        static const QRegularExpression leftAlone(
            "^(cmdPsycho|actKeepIn.*|actGenerateFromSeed|optFormStart_.*|lstResults|cstMap)$");
        QStringList unmarked;
        const auto check = [&](const QObject* owner, const QString& text) {
            // Symbols (the navigator's arrows) are no words to translate.
            if (!text.contains(word) || text.contains(u'\u00a4') ||
                leftAlone.match(owner->objectName()).hasMatch())
                return;
            unmarked << owner->objectName() + u'=' + text;
        };
        check(window.get(), window->windowTitle());
        for (QWidget* control : window->findChildren<QWidget*>()) {
            // Never shown, as the boxes that keep a roll's seed; but pages of tabs show in turn.
            if (control->isHidden() && !qobject_cast<QStackedWidget*>(control->parentWidget()))
                continue;
            check(control, control->accessibleName());
            check(control, control->toolTip());
            if (qobject_cast<QLabel*>(control) || qobject_cast<QAbstractButton*>(control))
                check(control, control->property("text").toString());
            if (auto* frame = qobject_cast<QGroupBox*>(control))
                check(frame, frame->title());
            if (auto* tabs = qobject_cast<QTabWidget*>(control))
                for (int tab = 0; tab < tabs->count(); ++tab)
                    check(tabs, tabs->tabText(tab));
            if (auto* tree = qobject_cast<QTreeWidget*>(control))
                for (int column = 0; column < tree->columnCount(); ++column)
                    check(tree, tree->headerItem()->text(column));
        }
        for (const QAction* action : window->findChildren<QAction*>())
            check(action, action->text());
        QCOMPARE(unmarked.join(u'|'), QString());
    }

    void timersWaitWhileAMessageIsOpen()
    {
        int timedWindows = 0;
        for (const QString& name : ToolCatalog::windowNames()) {
            const auto window = open(name);
            const QList<QTimer*> timers = timersOf(window.get());
            if (timers.isEmpty())
                continue;
            ++timedWindows;
            QList<std::shared_ptr<QSignalSpy>> ticks;
            for (QTimer* timer : timers) {
                timer->start(5);
                ticks << std::make_shared<QSignalSpy>(timer, &QTimer::timeout);
            }
            m_env->desktop.whileOpen = [] { QTest::qWait(40); };
            desktop().messageBox("Read me", "Title", MessageIcon::Information, MessageButtons::Ok);
            m_env->desktop.whileOpen = {};
            for (qsizetype i = 0; i < timers.size(); ++i) {
                QVERIFY2(ticks.at(i)->isEmpty(), qPrintable(timers.at(i)->objectName()));
                QVERIFY2(timers.at(i)->isActive(), qPrintable(timers.at(i)->objectName()));
                timers.at(i)->stop();
            }
        }
        QVERIFY(timedWindows >= 8);
    }

    void deleteRemovesTheRowAskedAbout_data()
    {
        QTest::addColumn<QString>("windowName");
        QTest::addColumn<QString>("table");
        QTest::newRow("character") << QString("frmCharacter") << "character";
        QTest::newRow("scene") << QString("frmScene") << "Scene Profile";
    }

    void deleteRemovesTheRowAskedAbout()
    {
        QFETCH(QString, windowName);
        QFETCH(QString, table);
        const auto window = open(windowName);
        const auto click = [&](const char* name) {
            auto* button = window->findChild<QAbstractButton*>(name);
            QVERIFY(button);
            QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
        };
        const auto keys = [&] {
            return m_env->db.column("SELECT ID FROM \"" + table + "\" ORDER BY ID");
        };
        click("cmdNew");
        click("cmdNew"); // the second row is the current one
        const QStringList before = keys();
        QCOMPARE(before.size(), 2);

        // The timer is on and a tick falls due while the user reads the question.
        click("chkTimer");
        QTimer* timer = timersOf(window.get()).value(0);
        QVERIFY(timer && timer->isActive());
        timer->setInterval(5);
        m_env->desktop.whileOpen = [] { QTest::qWait(50); };
        m_env->desktop.answerNext(MessageAnswer::Yes);
        click("cmdDelete");
        m_env->desktop.whileOpen = {};
        QCOMPARE(keys(), QStringList{before.first()});
        QCOMPARE(m_env->desktop.messages.size(), 1); // its words are checked with the window's
    }
};

QTEST_MAIN(TestToolWindows)
#include "tst_toolwindows.moc"
