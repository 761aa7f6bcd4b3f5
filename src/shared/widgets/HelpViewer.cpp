#include "shared/widgets/HelpViewer.h"

#include "shared/desktop/Desktop.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

namespace {

constexpr int anchorRole = Qt::UserRole;
constexpr int sectionRole = Qt::UserRole + 1;

struct Heading
{
    int level;
    QString title;
    QString anchor;
    int start;
};

// The anchor names set in a block; a heading written with an id carries its id here.
QStringList anchorsIn(const QTextBlock& block)
{
    QStringList names;
    for (auto it = block.begin(); !it.atEnd(); ++it)
        names += it.fragment().charFormat().anchorNames();
    return names;
}

// A heading without an id still needs a place to go to, so it is given one. Naming it is not an
// edit: unnoticed by the browser, which would otherwise load the file afresh on the next link.
QString nameHeading(QTextDocument* document, const QTextBlock& block, int number)
{
    const QString anchor = QStringLiteral("topic-%1").arg(number);
    const QSignalBlocker quiet(document);
    QTextCursor cursor(block);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    QTextCharFormat format;
    format.setAnchor(true);
    format.setAnchorNames({anchor});
    cursor.mergeCharFormat(format);
    return anchor;
}

QString textBetween(QTextDocument* document, int start, int end)
{
    QTextCursor cursor(document);
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    return cursor.selectedText();
}

bool mentions(const QTreeWidgetItem* item, const QString& text)
{
    return item->data(0, sectionRole).toString().contains(text, Qt::CaseInsensitive);
}

} // namespace

HelpViewer::HelpViewer(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmHelpViewer"));
    setWindowTitle(tr("Writing Reference"));
    // Reading the reference must not keep the program alive once its main window has gone.
    setAttribute(Qt::WA_QuitOnClose, false);

    m_back = new QPushButton(tr("&Back"), this);
    m_back->setObjectName(QStringLiteral("cmdBack"));
    m_back->setAccessibleName(tr("Back"));
    m_back->setEnabled(false);
    m_forward = new QPushButton(tr("&Forward"), this);
    m_forward->setObjectName(QStringLiteral("cmdForward"));
    m_forward->setAccessibleName(tr("Forward"));
    m_forward->setEnabled(false);

    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("txtSearch"));
    m_search->setPlaceholderText(tr("Search"));
    m_search->setAccessibleName(tr("Search the reference"));
    m_search->setClearButtonEnabled(true);
    m_findNext = new QPushButton(tr("Find &Next"), this);
    m_findNext->setObjectName(QStringLiteral("cmdFindNext"));
    m_findNext->setAccessibleName(tr("Find next"));
    m_matches = new QLabel(this);
    m_matches->setObjectName(QStringLiteral("lblMatches"));
    m_matches->setAccessibleName(tr("Search matches"));
    m_matches->setMinimumWidth(m_matches->fontMetrics().horizontalAdvance(tr("999 matches")));

    m_contents = new QTreeWidget(this);
    m_contents->setObjectName(QStringLiteral("treContents"));
    m_contents->setAccessibleName(tr("Contents"));
    m_contents->setHeaderLabel(tr("Contents"));
    m_contents->header()->setSectionsClickable(false);

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("txtReference"));
    m_browser->setAccessibleName(tr("Reference text"));
    // Links are followed here, so that web links reach the browser through the desktop.
    m_browser->setOpenLinks(false);

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setObjectName(QStringLiteral("splReference"));
    splitter->setAccessibleName(tr("Contents and text"));
    splitter->addWidget(m_contents);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({230, 630});

    auto* bar = new QHBoxLayout;
    bar->addWidget(m_back);
    bar->addWidget(m_forward);
    bar->addSpacing(12);
    bar->addWidget(m_search, 1);
    bar->addWidget(m_findNext);
    bar->addWidget(m_matches);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(splitter, 1);
    resize(860, 600);

    connect(m_back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::anchorClicked, this, &HelpViewer::followLink);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpViewer::showPlace);
    connect(m_search, &QLineEdit::textChanged, this, &HelpViewer::updateMatches);
    connect(m_search, &QLineEdit::returnPressed, this, &HelpViewer::findNext);
    connect(m_findNext, &QPushButton::clicked, this, &HelpViewer::findNext);
    connect(m_contents, &QTreeWidget::itemClicked, this, &HelpViewer::openTopic);
    connect(m_contents, &QTreeWidget::itemActivated, this, &HelpViewer::openTopic);

    connect(new QShortcut(QKeySequence::Find, this), &QShortcut::activated, this, [this] {
        m_search->setFocus();
        m_search->selectAll();
    });
    connect(new QShortcut(QKeySequence::FindNext, this), &QShortcut::activated, this,
            &HelpViewer::findNext);
    connect(new QShortcut(QKeySequence::Back, this), &QShortcut::activated, m_browser,
            &QTextBrowser::backward);
    connect(new QShortcut(QKeySequence::Forward, this), &QShortcut::activated, m_browser,
            &QTextBrowser::forward);
}

HelpViewer* HelpViewer::instance()
{
    static QPointer<HelpViewer> viewer;
    if (!viewer) {
        viewer = new HelpViewer;
        // Closing only hides the window, so it reopens where the reader left it.
        connect(qApp, &QCoreApplication::aboutToQuit, viewer, &QObject::deleteLater);
    }
    return viewer;
}

bool HelpViewer::showFile(const QString& path)
{
    const QString fullPath = QFileInfo(path).absoluteFilePath();
    QFile file(fullPath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    file.close();
    if (fullPath != m_fileName)
        load(fullPath);
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
    return true;
}

void HelpViewer::load(const QString& path)
{
    m_fileName = path;
    m_fileUrl = QUrl::fromLocalFile(path);
    // The Writing Reference (writer.hlp) is an HTML page whatever its extension says, so the
    // type is stated rather than guessed from the name.
    m_browser->setSource(m_fileUrl, QTextDocument::HtmlResource);
    m_browser->clearHistory();
    collectTopics();
    updateMatches();
}

void HelpViewer::collectTopics()
{
    m_contents->clear();
    m_anchors.clear();
    QTextDocument* document = m_browser->document();
    QList<Heading> headings;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const QStringList names = anchorsIn(block);
        m_anchors += names;
        const int level = block.blockFormat().headingLevel();
        const QString title = block.text().simplified();
        if ((level != 2 && level != 3) || title.isEmpty())
            continue;
        QString anchor = names.value(0);
        if (anchor.isEmpty()) {
            anchor = nameHeading(document, block, int(headings.size()) + 1);
            m_anchors += anchor;
        }
        headings.append({level, title, anchor, block.position()});
    }

    QTreeWidgetItem* topic = nullptr;
    for (qsizetype i = 0; i < headings.size(); ++i) {
        const Heading& heading = headings.at(i);
        // A section runs to the next heading of its own level or above.
        int end = document->characterCount() - 1;
        for (qsizetype j = i + 1; j < headings.size(); ++j) {
            if (headings.at(j).level <= heading.level) {
                end = headings.at(j).start;
                break;
            }
        }
        auto* item = heading.level == 3 && topic ? new QTreeWidgetItem(topic)
                                                 : new QTreeWidgetItem(m_contents);
        if (heading.level == 2)
            topic = item;
        item->setText(0, heading.title);
        item->setData(0, anchorRole, heading.anchor);
        item->setData(0, sectionRole, textBetween(document, heading.start, end));
    }
    m_contents->expandAll();
}

QStringList HelpViewer::contentsTitles() const
{
    QStringList titles;
    for (QTreeWidgetItemIterator it(m_contents, QTreeWidgetItemIterator::NotHidden); *it; ++it)
        titles.append((*it)->text(0));
    return titles;
}

QString HelpViewer::currentAnchor() const
{
    return m_browser->source().fragment();
}

bool HelpViewer::openAnchor(const QString& anchor)
{
    if (!m_anchors.contains(anchor))
        return false;
    QUrl target = m_fileUrl;
    target.setFragment(anchor);
    m_browser->setSource(target, QTextDocument::HtmlResource);
    return true;
}

void HelpViewer::followLink(const QUrl& link)
{
    const QUrl target = m_browser->source().resolved(link);
    if (target.adjusted(QUrl::RemoveFragment) == m_fileUrl) {
        if (target.fragment().isEmpty())
            m_browser->setSource(m_fileUrl, QTextDocument::HtmlResource);
        else
            openAnchor(target.fragment());
        return;
    }
    // Everything else is for the web browser; without one the link does nothing.
    desktop().openUrl(target);
}

int HelpViewer::search(const QString& text)
{
    m_search->setText(text);
    findNext();
    return m_matchCount;
}

void HelpViewer::findNext()
{
    const QString text = m_search->text();
    if (text.trimmed().isEmpty())
        return;
    QTextDocument* document = m_browser->document();
    QTextCursor found = document->find(text, m_browser->textCursor());
    if (found.isNull())
        found = document->find(text); // round again from the top
    if (found.isNull())
        return;
    m_browser->setTextCursor(found);
    m_browser->ensureCursorVisible();
}

void HelpViewer::updateMatches()
{
    const QString text = m_search->text();
    QList<QTextEdit::ExtraSelection> marks;
    if (!text.trimmed().isEmpty()) {
        // Fixed colours: a marker pen looks the same on a light page and a dark one.
        QTextCharFormat mark;
        mark.setBackground(QColor(0xff, 0xd6, 0x5a));
        mark.setForeground(Qt::black);
        QTextDocument* document = m_browser->document();
        for (QTextCursor found = document->find(text); !found.isNull();
             found = document->find(text, found))
            marks.append({found, mark});
    }
    m_matchCount = int(marks.size());
    m_browser->setExtraSelections(marks);
    if (text.trimmed().isEmpty())
        m_matches->clear();
    else if (m_matchCount == 0)
        m_matches->setText(tr("No matches"));
    else
        m_matches->setText(m_matchCount == 1 ? tr("1 match") : tr("%1 matches").arg(m_matchCount));
    filterContents(text.trimmed().isEmpty() ? QString() : text);
}

void HelpViewer::filterContents(const QString& text)
{
    for (int i = 0; i < m_contents->topLevelItemCount(); ++i) {
        QTreeWidgetItem* topic = m_contents->topLevelItem(i);
        bool anyPart = false;
        for (int j = 0; j < topic->childCount(); ++j) {
            QTreeWidgetItem* part = topic->child(j);
            const bool shown = text.isEmpty() || mentions(part, text);
            part->setHidden(!shown);
            anyPart = anyPart || shown;
        }
        topic->setHidden(!(text.isEmpty() || anyPart || mentions(topic, text)));
    }
}

void HelpViewer::showPlace(const QUrl& source)
{
    const QString anchor = source.fragment();
    // Find Next goes on from the place the reader went to, not from where the cursor was left.
    if (!anchor.isEmpty())
        m_browser->setTextCursor(m_browser->cursorForPosition(QPoint(0, 0)));
    for (QTreeWidgetItemIterator it(m_contents); *it; ++it) {
        if (!anchor.isEmpty() && (*it)->data(0, anchorRole).toString() == anchor) {
            m_contents->setCurrentItem(*it);
            return;
        }
    }
    m_contents->clearSelection();
}

void HelpViewer::openTopic(QTreeWidgetItem* item)
{
    if (item)
        openAnchor(item->data(0, anchorRole).toString());
}
