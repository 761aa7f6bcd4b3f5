#include "shared/widgets/ResultKeeping.h"

#include "shared/desktop/BusyPointer.h"
#include "shared/desktop/Clock.h"
#include "shared/desktop/Desktop.h"
#include "shared/widgets/FatalError.h"
#include "shared/widgets/RecordChoiceDialog.h"
#include "shared/widgets/ToolWindow.h"

#include <QAction>
#include <QFontMetrics>
#include <QHash>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QTextBlock>
#include <QTextDocumentFragment>

namespace {

using KeptLines::Kind;

const int LineKindRole = Qt::UserRole + 7;
// A long line is shortened in the dialog's prompt, which would otherwise grow as wide.
const int PromptWidth = 320;

// What the commands and the dialogs call the records of a kind, in the interface's language.
struct Words
{
    QString chooseFirst; // told when nothing is chosen in the dialog
    QString title;       // "Keep in Character"
    QString listCaption; // "&Character:"
    QString listName;    // "Characters"
    QString untitled;    // how a record without a name is listed
    QString noneYet;     // told when there is no record of the kind
    QString kept;        // the status once kept, "%1" standing for the record's name
};

Words words(Kind kind)
{
    switch (kind) {
    case Kind::Character:
        return {ResultKeeping::tr("Choose a character from the list first."),
                ResultKeeping::tr("Keep in Character"),
                ResultKeeping::tr("&Character:"),
                ResultKeeping::tr("Characters"),
                ResultKeeping::tr("Untitled character"),
                ResultKeeping::tr("There is no character to keep it in yet."),
                ResultKeeping::tr("Kept in the character %1.")};
    case Kind::Scene:
        return {ResultKeeping::tr("Choose a scene from the list first."),
                ResultKeeping::tr("Keep in Scene"),
                ResultKeeping::tr("S&cene:"),
                ResultKeeping::tr("Scenes"),
                ResultKeeping::tr("Untitled scene"),
                ResultKeeping::tr("There is no scene to keep it in yet."),
                ResultKeeping::tr("Kept in the scene %1.")};
    case Kind::Story:
        break;
    }
    return {ResultKeeping::tr("Choose a story from the list first."),
            ResultKeeping::tr("Keep in Story"),
            ResultKeeping::tr("&Story:"),
            ResultKeeping::tr("Stories"),
            ResultKeeping::tr("Untitled story"),
            ResultKeeping::tr("There is no story to keep it in yet."),
            ResultKeeping::tr("Kept in the story %1.")};
}

// The record last chosen for each kind during the run, chosen first the next time.
QHash<Kind, qint64>& lastChosen()
{
    static QHash<Kind, qint64> chosen;
    return chosen;
}

RefusedWrite refusedKeeping()
{
    return {ResultKeeping::tr("Not Kept"), ResultKeeping::tr("keep this line"),
            ResultKeeping::tr("Nothing was kept: %1, then try again.")};
}

void tellPlainly(const QString& text, const QString& title)
{
    desktop().messageBox(text, title, MessageIcon::Information, MessageButtons::Ok);
}

} // namespace

ResultKeeping::ResultKeeping(QAbstractScrollArea* control, QListWidget* list, QPlainTextEdit* box)
    : QObject(control), m_control(control), m_list(list), m_box(box), m_menu(new QMenu(control))
{
    setObjectName(QStringLiteral("resultKeeping"));
    m_menu->setObjectName(QStringLiteral("mnuKeep"));
    const auto add = [this](const QString& name, const QString& caption, auto keep) {
        auto* action = new QAction(caption, m_menu);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, keep);
        m_actions.append(action);
    };
    add(QStringLiteral("actKeepInNewCharacter"), tr("Keep in &New Character"),
        &ResultKeeping::keepInNewCharacter);
    add(QStringLiteral("actKeepInCharacter"), tr("Keep in &Character…"),
        [this] { keepInChosen(Kind::Character); });
    add(QStringLiteral("actKeepInScene"), tr("Keep in &Scene…"),
        [this] { keepInChosen(Kind::Scene); });
    add(QStringLiteral("actKeepInStory"), tr("Keep in S&tory…"),
        [this] { keepInChosen(Kind::Story); });
    m_menu->addActions(m_actions);

    auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_K), control);
    shortcut->setObjectName(QStringLiteral("keyKeep"));
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    connect(shortcut, &QShortcut::activated, this, &ResultKeeping::showMenuAtLine);

    control->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(control, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        const QPoint global = m_control->viewport()->mapToGlobal(at);
        if (m_list) {
            if (QListWidgetItem* item = m_list->itemAt(at))
                m_list->setCurrentItem(item);
            return showMenu(m_menu, global);
        }
        // The text box keeps its own commands (copy, select all) above the keeping ones.
        QMenu* menu = m_box->createStandardContextMenu(at);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->addSeparator();
        menu->addActions(m_actions);
        if (!m_commands.isEmpty())
            menu->addSeparator();
        menu->addActions(m_commands);
        showMenu(menu, global);
    });
}

ResultKeeping* ResultKeeping::attach(QListWidget* list)
{
    return new ResultKeeping(list, list, nullptr);
}

ResultKeeping* ResultKeeping::attach(QPlainTextEdit* box)
{
    return new ResultKeeping(box, nullptr, box);
}

ResultKeeping* ResultKeeping::of(const QWidget* control)
{
    return control ? control->findChild<ResultKeeping*>(QStringLiteral("resultKeeping"),
                                                        Qt::FindDirectChildrenOnly)
                   : nullptr;
}

void ResultKeeping::markLine(QListWidgetItem* line, LineKind kind)
{
    line->setData(LineKindRole, int(kind));
}

QString ResultKeeping::currentLine() const
{
    if (m_list) {
        const QListWidgetItem* item = m_list->currentItem();
        return item ? item->text().trimmed() : QString();
    }
    const QTextCursor cursor = m_box->textCursor();
    if (m_keepsWholeText) {
        const QString text =
            cursor.hasSelection() ? cursor.selection().toPlainText() : m_box->toPlainText();
        return text.trimmed();
    }
    const QString text = cursor.hasSelection() ? cursor.selectedText() : cursor.block().text();
    // A selection across lines holds paragraph separators; the notes keep it as one line.
    return text.simplified();
}

ResultKeeping::LineKind ResultKeeping::currentLineKind() const
{
    const QListWidgetItem* item = m_list ? m_list->currentItem() : nullptr;
    const QVariant marked = item ? item->data(LineKindRole) : QVariant();
    return marked.isValid() ? LineKind(marked.toInt()) : m_lineKind;
}

void ResultKeeping::addCommand(QAction* action)
{
    if (m_commands.isEmpty())
        m_menu->addSeparator();
    m_commands.append(action);
    m_menu->addAction(action);
}

void ResultKeeping::showMenuAtLine()
{
    QRect line;
    if (m_list && m_list->currentItem())
        line = m_list->visualItemRect(m_list->currentItem());
    else if (m_box)
        line = m_box->cursorRect();
    const QRect shown = m_control->viewport()->rect();
    const QPoint at = line.isValid() && shown.intersects(line) ? line.bottomLeft() + QPoint(8, 0)
                                                               : shown.topLeft();
    showMenu(m_menu, m_control->viewport()->mapToGlobal(at));
}

void ResultKeeping::showMenu(QMenu* menu, const QPoint& globalPosition)
{
    const bool hasLine = !currentLine().isEmpty();
    for (QAction* action : std::as_const(m_actions))
        action->setEnabled(hasLine);
    // Not modal: the menu is driven by the keyboard or the mouse like any other popup.
    menu->popup(globalPosition);
    // The first command is ready for Enter, the others a key away.
    if (hasLine)
        menu->setActiveAction(m_actions.first());
}

QWidget* ResultKeeping::ownerWindow() const
{
    for (QWidget* widget = m_control; widget; widget = widget->parentWidget()) {
        if (qobject_cast<ToolWindow*>(widget))
            return widget;
    }
    return m_control->window();
}

void ResultKeeping::tellStatus(const QString& text)
{
    if (auto* window = qobject_cast<ToolWindow*>(ownerWindow()))
        window->showStatus(text);
}

QString ResultKeeping::withSource(const QString& line) const
{
    const auto [source, date] =
        m_source ? m_source() : std::pair(ownerWindow()->windowTitle(), currentDateTime().date());
    return KeptLines::withSource(line, source, date);
}

void ResultKeeping::keepInNewCharacter()
{
    const QString line = currentLine();
    if (line.isEmpty())
        return;
    const LineKind lineKind = currentLineKind();
    const KeptLines::Place& character = KeptLines::place(Kind::Character);
    const BusyPointer busy;
    StoreError error;
    const qint64 key =
        lineKind == LineKind::Name ? KeptLines::newCharacter(character.nameField, line, &error)
        : lineKind == LineKind::Age
            ? KeptLines::newCharacter(QStringLiteral("Age"), line, &error)
            : KeptLines::newCharacter(character.notesField, withSource(line), &error);
    if (key < 0)
        return tellFailure(error, line, tr("Keep in New Character"));
    tellStatus(lineKind == LineKind::Name ? tr("Kept in a new character, %1.").arg(line)
                                          : tr("Kept in a new character."));
}

void ResultKeeping::keepInChosen(Kind kind)
{
    const QString line = currentLine();
    if (line.isEmpty())
        return;
    // The line and its kind are taken now, whatever the list shows when the choice is made.
    const LineKind lineKind = currentLineKind();
    const Words named = words(kind);
    QList<KeptLines::Record> records;
    StoreError error;
    if (!KeptLines::records(kind, &records, &error))
        return reportFatalError(error);
    if (records.isEmpty())
        return tellPlainly(named.noneYet, named.title);
    QList<RecordChoiceDialog::Choice> choices;
    QHash<qint64, QString> names;
    for (const KeptLines::Record& record : std::as_const(records)) {
        choices.append({record.key, record.name});
        names.insert(record.key, record.name.isEmpty() ? named.untitled : record.name);
    }
    auto* dialog = new RecordChoiceDialog(
        choices,
        {.objectName = QStringLiteral("dlgKeepIn"),
         .title = named.title,
         .filterName = QStringLiteral("txtRecordFilter"),
         .listName = QStringLiteral("lstRecords"),
         .listCaption = named.listCaption,
         .listAccessibleName = named.listName,
         .chooseFirst = named.chooseFirst,
         .untitled = named.untitled,
         .noteCaption = {},
         .prompt = tr("Keep “%1” in:")
                       .arg(QFontMetrics(ownerWindow()->font())
                                .elidedText(line.simplified(), Qt::ElideRight, PromptWidth)),
         .preselected = lastChosen().value(kind, -1)},
        [this, kind, names, line, lineKind](qint64 key, const QString&) {
            lastChosen().insert(kind, key);
            return keepIn(kind, key, names.value(key), line, lineKind);
        },
        ownerWindow());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->show();
}

bool ResultKeeping::keepIn(Kind kind, qint64 key, const QString& name, const QString& line,
                           LineKind lineKind)
{
    const Words named = words(kind);
    const QString& title = named.title;
    StoreError error;
    QString status = named.kept.arg(name);
    bool kept = false;
    if (kind == Kind::Character && lineKind != LineKind::Text) {
        const bool isName = lineKind == LineKind::Name;
        const QString field = isName ? KeptLines::place(kind).nameField : QStringLiteral("Age");
        QString old;
        if (!KeptLines::fieldText(kind, key, field, &old, &error)) {
            reportFatalError(error);
            return false;
        }
        if (!old.trimmed().isEmpty() && old != line) {
            const BusyPointer::Pause forQuestion;
            if (desktop().messageBox((isName ? tr("Replace the name %1 with %2?")
                                             : tr("Replace the age %1 with %2?"))
                                         .arg(old, line),
                                     title, MessageIcon::None,
                                     MessageButtons::YesNo) != MessageAnswer::Yes)
                return true; // nothing to keep: the choice is done
        }
        const BusyPointer busy;
        kept = KeptLines::setField(kind, key, field, line, &error);
        if (isName)
            status = words(Kind::Character).kept.arg(line);
    } else {
        const BusyPointer busy;
        kept = KeptLines::appendToNotes(kind, key, withSource(line), &error);
    }
    if (!kept) {
        tellFailure(error, line, title);
        return false;
    }
    tellStatus(status);
    return true;
}

void ResultKeeping::tellFailure(const StoreError& error, const QString& line, const QString& title)
{
    if (error.number == EngineError::DuplicateValue)
        return tellPlainly(tr("There is already a character named %1.").arg(line), title);
    if (error.number == EngineError::RecordDeleted)
        return tellPlainly(tr("That record was deleted meanwhile.  Choose another one."), title);
    reportFailedWrite(error, refusedKeeping());
}
