#include "shared/widgets/AccessKeys.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QHash>
#include <QLabel>
#include <QSet>
#include <QStackedWidget>

#include <algorithm>
#include <functional>
#include <tuple>

namespace {

const char LeaveAloneProperty[] = "keepsCaption";

QString& menuLetterSet()
{
    static QString letters;
    return letters;
}

// The same command has the same letter in every window: its caption, with that letter marked.
const char* const CommandCaptions[] = {
    QT_TRANSLATE_NOOP("AccessKeys", "&New"),
    QT_TRANSLATE_NOOP("AccessKeys", "&Update"),
    QT_TRANSLATE_NOOP("AccessKeys", "&Delete"),
    QT_TRANSLATE_NOOP("AccessKeys", "S&ave"),
    QT_TRANSLATE_NOOP("AccessKeys", "Cl&ose"),
    QT_TRANSLATE_NOOP("AccessKeys", "&Generate"),
    QT_TRANSLATE_NOOP("AccessKeys", "&Print"),
    QT_TRANSLATE_NOOP("AccessKeys", "Clip&board"),
    QT_TRANSLATE_NOOP("AccessKeys", "C&lear List"),
    QT_TRANSLATE_NOOP("AccessKeys", "C&lear"),
    QT_TRANSLATE_NOOP("AccessKeys", "E&xport…"),
    QT_TRANSLATE_NOOP("AccessKeys", "&Import…"),
    QT_TRANSLATE_NOOP("AccessKeys", "Add to Stor&y…"),
    QT_TRANSLATE_NOOP("AccessKeys", "Chec&k On/Off"),
    QT_TRANSLATE_NOOP("AccessKeys", "Appears &in:"),
};

QString shownCaption(const QString& caption);

// The commands' captions as shown in the interface's language, each with its letter; made again
// when the language changes.
const QHash<QString, QChar>& commandLetters()
{
    static QHash<QString, QChar> letters;
    static QString madeFor;
    const QString first = QCoreApplication::translate("AccessKeys", CommandCaptions[0]);
    if (letters.isEmpty() || first != madeFor) {
        letters.clear();
        for (const char* marked : CommandCaptions) {
            const QString caption = QCoreApplication::translate("AccessKeys", marked);
            const qsizetype at = caption.indexOf(u'&');
            if (at >= 0 && at + 1 < caption.size())
                letters.insert(shownCaption(caption), caption.at(at + 1).toLower());
        }
        madeFor = first;
    }
    return letters;
}

QString captionOf(const QWidget* control)
{
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    return static_cast<const QLabel*>(control)->text();
}

void setCaption(QWidget* control, const QString& caption)
{
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->setText(caption);
    else
        static_cast<QLabel*>(control)->setText(caption);
}

// The caption as shown: a literal ampersand is written twice.
QString shownCaption(const QString& caption)
{
    QString shown;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == u'&' && i + 1 < caption.size())
            ++i;
        shown += caption.at(i);
    }
    return shown;
}

// The pages the control stands on, outermost first: controls show together only when the pages
// of one are the first pages of the other's.
QList<const QWidget*> pagesOf(const QWidget* control, const QWidget* window)
{
    QList<const QWidget*> pages;
    for (const QWidget* w = control; w && w != window; w = w->parentWidget())
        if (qobject_cast<const QStackedWidget*>(w->parentWidget()))
            pages.prepend(w);
    return pages;
}

bool showTogether(const QList<const QWidget*>& a, const QList<const QWidget*>& b)
{
    const qsizetype common = std::min(a.size(), b.size());
    return a.first(common) == b.first(common);
}

struct Control
{
    QWidget* widget;
    QList<const QWidget*> pages;
    QString caption; // as it was before this run
    QChar letter;
    bool given = false; // the letter is this run's choice, free to move
};

// The letters worth trying, best first: the command's own, the first of each word, the rest.
QList<qsizetype> candidatePositions(const QString& shown)
{
    QList<qsizetype> first, rest;
    if (const QChar own = commandLetters().value(shown); !own.isNull())
        first << shown.indexOf(own, 0, Qt::CaseInsensitive);
    for (qsizetype i = 0; i < shown.size(); ++i) {
        if (!shown.at(i).isLetterOrNumber())
            continue;
        const bool startsWord = i == 0 || !shown.at(i - 1).isLetterOrNumber();
        (startsWord ? first : rest) << i;
    }
    return first + rest;
}

// The caption with the marker before the letter at a position of its shown text.
QString markedAt(const QString& caption, qsizetype shownPosition)
{
    qsizetype shownIndex = 0;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (shownIndex == shownPosition)
            return caption.left(i) + u'&' + caption.mid(i);
        if (caption.at(i) == u'&')
            ++i;
        ++shownIndex;
    }
    return caption;
}

} // namespace

namespace AccessKeys {

QChar letterOf(const QString& caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption.at(i) != u'&')
            continue;
        if (caption.at(i + 1) != u'&')
            return caption.at(i + 1).toLower();
        ++i;
    }
    return {};
}

void setMenuLetters(const QString& letters)
{
    menuLetterSet() = letters.toLower();
}

QString menuLetters()
{
    return menuLetterSet();
}

void leaveAlone(QWidget* control)
{
    control->setProperty(LeaveAloneProperty, true);
}

void give(QWidget* window)
{
    QList<Control> controls;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        const auto* label = qobject_cast<QLabel*>(widget);
        const bool captioned = qobject_cast<QAbstractButton*>(widget) || (label && label->buddy());
        if (!captioned || widget->property(LeaveAloneProperty).toBool())
            continue;
        const QString caption = captionOf(widget);
        if (std::none_of(caption.cbegin(), caption.cend(), [](QChar c) { return c.isLetter(); }))
            continue; // a caption of signs only, such as an arrow
        controls.append({widget, pagesOf(widget, window), caption, letterOf(caption)});
    }
    // The controls that always show choose first, then those of each page; among them the
    // commands with a letter of their own, then buttons, then the captions with fewest letters.
    const auto choiceOrder = [](const Control& control) {
        const QString shown = shownCaption(control.caption);
        QString letters;
        for (QChar c : shown)
            if (c.isLetterOrNumber() && !letters.contains(c.toLower()))
                letters += c.toLower();
        return std::tuple(control.pages.size(), !commandLetters().contains(shown),
                          bool(qobject_cast<QLabel*>(control.widget)), letters.size());
    };
    std::stable_sort(controls.begin(), controls.end(), [&](const Control& a, const Control& b) {
        return choiceOrder(a) < choiceOrder(b);
    });
    const auto holders = [&](const Control& control, QChar letter) {
        QList<Control*> found;
        for (Control& other : controls)
            if (&other != &control && other.letter == letter &&
                showTogether(control.pages, other.pages))
                found << &other;
        return found;
    };
    const auto give = [](Control& control, qsizetype position) {
        control.letter = shownCaption(control.caption).at(position).toLower();
        control.given = true;
        setCaption(control.widget, markedAt(control.caption, position));
    };
    // Takes a free letter of the caption, or one whose holder, chosen earlier in this run, can
    // move to another; a menu title's letter only when allowed.
    QSet<QChar> tried;
    const std::function<bool(Control&, bool)> place = [&](Control& control,
                                                          bool menuLetterAllowed) {
        const QString shown = shownCaption(control.caption);
        for (qsizetype position : candidatePositions(shown)) {
            const QChar letter = shown.at(position).toLower();
            if (tried.contains(letter) || (!menuLetterAllowed && menuLetterSet().contains(letter)))
                continue;
            tried.insert(letter);
            const QList<Control*> others = holders(control, letter);
            // A control chosen earlier may move, never off its command's own letter.
            const auto moved = [&](Control* other) {
                return other->given &&
                       other->letter != commandLetters().value(shownCaption(other->caption)) &&
                       place(*other, menuLetterAllowed);
            };
            if (others.isEmpty() || (others.size() == 1 && moved(others.first()))) {
                give(control, position);
                return true;
            }
        }
        return false;
    };
    for (Control& control : controls) {
        if (!control.letter.isNull())
            continue;
        const QString shown = shownCaption(control.caption);
        // Labels of one caption shown together share its letter: Alt moves from one to the next.
        if (qobject_cast<QLabel*>(control.widget)) {
            const auto same = std::find_if(controls.begin(), controls.end(), [&](const auto& o) {
                return &o != &control && !o.letter.isNull() && qobject_cast<QLabel*>(o.widget) &&
                       shownCaption(o.caption) == shown && showTogether(control.pages, o.pages);
            });
            if (same != controls.end()) {
                give(control, shown.indexOf(same->letter, 0, Qt::CaseInsensitive));
                control.given = same->given = false; // they move no more
                continue;
            }
        }
        for (bool menuLetterAllowed : {false, true}) {
            tried.clear();
            if (place(control, menuLetterAllowed))
                break;
        }
        // Left without a letter only when every letter of the caption is in use beside it.
    }
}

} // namespace AccessKeys
