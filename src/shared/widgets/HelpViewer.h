#pragma once

#include <QStringList>
#include <QUrl>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;

// The program's own reader for the Writing Reference: the document on the right, its headings as
// a contents list on the left, a search box that marks every match and narrows the contents to
// the topics that mention it, and Back and Forward through the places visited. One window serves
// the whole run.
class HelpViewer : public QWidget
{
    Q_OBJECT

public:
    explicit HelpViewer(QWidget* parent = nullptr);

    // The run's viewer, made on first use.
    static HelpViewer* instance();

    // Shows the file at its contents and brings the window to the front; a file already shown
    // stays where the reader left it. False, with the window unchanged, when it cannot be read.
    bool showFile(const QString& path);

    QString fileName() const { return m_fileName; }
    // The titles of the contents entries not filtered out, topics and their subtopics in order.
    QStringList contentsTitles() const;
    // The anchor of the place last gone to, empty at the top of the document.
    QString currentAnchor() const;
    // Puts the text in the search box and goes to its next occurrence; returns how many there
    // are.
    int search(const QString& text);

public slots:
    // Goes to a named place of the document, remembered for Back; false when there is none.
    bool openAnchor(const QString& anchor);
    // A link of the document: places in it are gone to, anything else goes to the web browser.
    void followLink(const QUrl& link);
    void findNext();

private:
    void load(const QString& path);
    void collectTopics();
    void updateMatches();
    void filterContents(const QString& text);
    void showPlace(const QUrl& source);
    void openTopic(QTreeWidgetItem* item);

    QString m_fileName;
    QUrl m_fileUrl;
    QStringList m_anchors;
    int m_matchCount = 0;

    QPushButton* m_back;
    QPushButton* m_forward;
    QLineEdit* m_search;
    QPushButton* m_findNext;
    QLabel* m_matches;
    QTreeWidget* m_contents;
    QTextBrowser* m_browser;
};
