#include "shared/desktop/BusyPointer.h"
#include "shared/desktop/QtDesktop.h"
#include "shared/widgets/CodeKeyMessages.h"
#include "shared/widgets/FatalError.h"
#include "shared/widgets/OutputText.h"
#include "shared/widgets/RecordNavigator.h"
#include "shared/widgets/Report.h"
#include "shared/widgets/WindowServices.h"
#include "support/TestEnvironment.h"

#include <QtTest>
#include <QtWidgets>

Q_DECLARE_METATYPE(StoreError)

class TestSharedRoutines : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestEnvironment> m_env;
    ScriptedDesktop& desktop() { return m_env->desktop; }
    // The messages shown, one a line: "title (icon, buttons): text", icon and buttons by number.
    QString told()
    {
        QStringList lines;
        for (const auto& m : desktop().messages)
            lines << m.title + QString(" (%1, %2): ").arg(int(m.icon)).arg(int(m.buttons)) + m.text;
        return lines.join('\n');
    }

private slots:
    void init() { m_env = std::make_unique<TestEnvironment>(); }
    void cleanup() { m_env.reset(); }

    void dataControlsAreOpenedInControlOrder()
    {
        QWidget window;
        QStringList refreshed;
        for (const QString name : {"dtaNoun", "dtaBroken", "dtaLater"}) {
            (new RecordNavigator(name, name, &window))->setRefresh([&, name](StoreError* error) {
                refreshed << name;
                if (name == "dtaBroken")
                    *error = {3078, name, "There is no such table."};
                return name != "dtaBroken";
            });
        }
        setDataControls(&window);
        QCOMPARE(refreshed, (QStringList{"dtaNoun", "dtaBroken"})); // the program ended first
        QVERIFY(told().startsWith("Quillane (0, 0): An error occurred on control dtaBroken\n"));
        QCOMPARE(m_env->db.fatalErrors, QList<int>{3078});
    }

    // A write refused for a cause the user can mend is told; any other failure is reported and
    // ends the program. The program's own error numbers are never read as SQLite's codes. The
    // busy pointer is down while the message is open, even with guards still living.
    void failedWritesAreToldByTheirCause_data()
    {
        QTest::addColumn<StoreError>("error");
        QTest::addColumn<QString>("expected");
        const QString told = "Not Saved (2, 0): Quillane could not save this record because %1.";
        QTest::newRow("busy") << StoreError::fromSqlite(5, "save", "database is locked")
                              << told.arg("another program is using the database");
        QTest::newRow("locked, extended") << StoreError::fromSqlite(262, "save", "locked")
                                          << told.arg("another program is using the database");
        QTest::newRow("disk full")
            << StoreError::fromSqlite(13, "save", "full") << told.arg("the disk is full");
        QTest::newRow("read-only") << StoreError::fromSqlite(1032, "save", "readonly")
                                   << told.arg("the database or its folder is read-only");
        // 3078 & 0xff is 6, SQLite's "locked"; 3080 & 0xff is 8, "read only".
        QTest::newRow("missing table")
            << StoreError{3078, "save", "Cannot find the table"} << "fatal 3078";
        QTest::newRow("program's 3080") << StoreError{3080, "save", "not a lock"} << "fatal 3080";
    }
    void failedWritesAreToldByTheirCause()
    {
        QFETCH(StoreError, error);
        QFETCH(QString, expected);
        bool busyWhileOpen = false;
        desktop().whileOpen = [&] { busyWhileOpen = busyWhileOpen || desktop().busy; };
        {
            const BusyPointer outer, inner;
            reportFailedWrite(error, RefusedWrite::saving("this record", "It is still shown"));
            QVERIFY(desktop().busy); // the work under the guards goes on
        }
        QVERIFY(!busyWhileOpen && !desktop().busy);
        const bool fatal = expected.startsWith("fatal");
        QCOMPARE(m_env->db.fatalErrors, fatal ? QList<int>{expected.mid(6).toInt()} : QList<int>());
        QVERIFY2(fatal || told().startsWith(expected), qPrintable(told()));
    }

    // An empty list is refused; a list, and a report of labelled lines, are printed and copied,
    // the same text each time. When printing or copying goes wrong the user is told. Then the
    // keys to the codes. Busy pointers nest: copying inside other work leaves the pointer busy
    // until that ends.
    void textIsPrintedAndCopied()
    {
        QListWidget results; // as every generator window has one
        const QString caption = "Sentence Generator";
        copyResults(caption, &results);
        printResults(caption, &results);
        QVERIFY(desktop().clipboard.isEmpty()); // nor printed: only the reports below are
        results.addItems({"A quiet owl sang", "The moon fled"});
        copyResults(caption, &results);
        QCOMPARE(desktop().clipboard,
                 TestEnvironment::expectedOutput("sharedroutines-list.txt", true));

        Report form("Character Generator");
        form.addLabelled("Age", "42");
        form.addLabelled("Name", "Mei Tanaka");
        form.addLabelled("Gender", "Female");
        for (int i = 0; i < 5; ++i) // ready for two reports; then failing; then none, so a PDF
            desktop().answerNext(MessageAnswer::Yes);
        printReport(form);
        printReport(form);
        QCOMPARE(desktop().printed,
                 QStringList(2, TestEnvironment::expectedOutput("sharedroutines-form.txt", true)));
        {
            const BusyPointer outer;
            copyReport(form);
            QVERIFY(desktop().busy);
        }
        QVERIFY(!desktop().busy);
        QCOMPARE(desktop().clipboard,
                 TestEnvironment::expectedOutput("sharedroutines-form.txt", true));
        QCOMPARE(desktop().clipboardClears, 2);

        // The printer failing, then none installed, then not ready; the clipboard failing.
        desktop().pdfFileToChoose = m_env->db.folder() + "/out.pdf";
        desktop().clipboardWorks = false;
        for (auto result : {PrintResult::Failed, PrintResult::NoPrinter, PrintResult::Printed}) {
            desktop().printResult = result;
            printResults(caption, &results);
            QCOMPARE(QFile(desktop().pdfFileToChoose).size() > 0, result != PrintResult::Failed);
        }
        copyResults(caption, &results);
        QVERIFY(desktop().printed.size() == 2 && desktop().clipboard.isEmpty() && !desktop().busy);
        showSentenceKey();
        showNameKey();
        QCOMPARE(told(), TestEnvironment::expectedOutput("sharedroutines-messages.txt", true));
    }

    // A name typed without a suffix takes the chosen kind's before the save dialog checks it:
    // the dialog asks before replacing the file that would be written.
    void saveDialogAsksAboutTheFileWritten()
    {
        QTemporaryDir folder;
        QVERIFY(QFile(folder.filePath("notes.txt")).open(QIODevice::WriteOnly));
        QFileDialog dialog(nullptr, "Export noun", folder.filePath("noun.txt"));
        dialog.setOption(QFileDialog::DontUseNativeDialog); // as offscreen, whatever the theme
        QtDesktop::makeSaveDialog(&dialog, {"Text files (*.txt)", "CSV files (*.csv)"});
        dialog.show();
        auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
        auto* kind = dialog.findChild<QComboBox*>("fileTypeCombo");
        QTest::keyClick(kind, Qt::Key_Down);
        name->setText("report");
        QCOMPARE(dialog.selectedFiles(), QStringList{folder.filePath("report.csv")});
        QTest::keyClick(kind, Qt::Key_Up);
        name->setText("notes");
        QCOMPARE(dialog.selectedFiles(), QStringList{folder.filePath("notes.txt")});
        QString asked;
        QTimer::singleShot(0, &dialog, [&asked] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                asked = box->text();
                box->button(QMessageBox::No)->click();
            }
        });
        QTest::keyClick(name, Qt::Key_Return);
        QCOMPARE(asked, "notes.txt already exists.\nDo you want to replace it?");
        QVERIFY(dialog.isVisible()); // No: the user chooses again
    }
};

QTEST_MAIN(TestSharedRoutines)
#include "tst_sharedroutines.moc"
