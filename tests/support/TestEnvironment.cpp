#include "support/TestEnvironment.h"

#include "shared/desktop/Clock.h"
#include "shared/widgets/RunRandom.h"

#include <QtTest>
#include <QtWidgets>

TestEnvironment::TestEnvironment(quint32 seed, const QString& tablesFolder) : db(tablesFolder)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    setFixedDateTime(QDateTime(QDate(2026, 12, 6), QTime(9, 30)));
    runRandom().seed(seed);
}

TestEnvironment::~TestEnvironment()
{
    setFixedDateTime({});
}

bool TestEnvironment::expectMessage(const QString& text, const QString& title,
                                    std::optional<MessageIcon> icon) const
{
    if (desktop.messages.isEmpty())
        return QTest::qVerify(false, "a message", qPrintable("No message; expected: " + text),
                              __FILE__, __LINE__);
    const ScriptedDesktop::Message& last = desktop.messages.last();
    return QTest::qCompare(last.text, text, "message", "expected", __FILE__, __LINE__) &&
           (title.isEmpty() ||
            QTest::qCompare(last.title, title, "title", "expected", __FILE__, __LINE__)) &&
           (!icon ||
            QTest::qCompare(int(last.icon), int(*icon), "icon", "expected", __FILE__, __LINE__));
}

QString TestEnvironment::expectedOutput(const QString& name, bool dropFinalLineFeed)
{
    QFile file(QStringLiteral(QUILLANE_FIXTURES_DIR "/expected/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromUtf8(file.readAll());
    if (dropFinalLineFeed && text.endsWith(u'\n'))
        text.chop(1);
    return text;
}

void tick(QCheckBox* box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

QString TestEnvironment::told() const
{
    static const QStringList icons = {"none", "information", "exclamation", "critical"};
    QStringList lines = desktop.launched + desktop.helpShown;
    for (const ScriptedDesktop::Message& m : desktop.messages)
        lines << m.title + " (" + icons.at(int(m.icon)) + "): " + m.text;
    return lines.join('\n')
        .replace(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation), "<data>")
        .replace(db.folder(), "<folder>")
        .replace('\r', "<CR>");
}

QString shownText(const QWidget* control)
{
    const bool plain = control->inherits("QPlainTextEdit");
    const bool combo = control->inherits("QComboBox");
    return control->property(plain ? "plainText" : combo ? "currentText" : "text").toString();
}

QStringList columnTexts(const QAbstractItemModel* model, int column)
{
    QStringList texts;
    for (int row = 0; row < model->rowCount(); ++row)
        texts << model->index(row, column).data().toString();
    return texts;
}

void editCell(QTableView* grid, int row, int column, const QString& text)
{
    const QModelIndex cell = grid->model()->index(row, column);
    grid->setCurrentIndex(cell);
    grid->edit(cell);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(cell.data().toString(), text); // the editor hands its text on when it closes
}

QByteArray checksum(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly)
               ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256)
               : QByteArray();
}

bool writeGarbage(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(QByteArray(4096, 'x')) == 4096;
}

bool writeFile(const QString& path, const QByteArray& contents)
{
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).absolutePath()) && file.open(QIODevice::WriteOnly) &&
           file.write(contents) == contents.size();
}
