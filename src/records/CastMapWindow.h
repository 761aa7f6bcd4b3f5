#pragma once

#include "shared/widgets/ToolWindow.h"

#include <QPointF>

class CastMapView;
class QComboBox;
class QIODevice;
class QPushButton;

// The cast map: the characters of the chosen story, or all characters, as boxes with their
// relationships among them as arrows. Where the user drags a character it stays, on that map,
// the next time too; the others are laid out around them. A character opens in the character
// window; the map can be printed or kept as an SVG or PNG picture. It follows changes to the
// characters, their relationships and the stories' casts.
class CastMapWindow : public ToolWindow
{
    Q_OBJECT

public:
    explicit CastMapWindow(QWidget* parent = nullptr);

    void load() override;
    void activate() override;

    CastMapView* map() const { return m_map; }

private:
    void createControls();
    void arrangeControls();
    void connectControls();

    // Lists the stories again, keeping the chosen one while it is there.
    void fillStories();
    qint64 storyKey() const;
    void showMap();
    void keepPosition(qint64 characterKey, const QPointF& centre);

    // Saves the map as a picture of the file kind, its name ending in the suffix.
    void exportPicture(const QString& title, const QString& kind, const QString& suffix,
                       bool (CastMapView::*write)(QIODevice*));
    void printMap();

    QComboBox* m_story = nullptr;
    CastMapView* m_map = nullptr;
    QPushButton* m_exportSvg = nullptr;
    QPushButton* m_exportPng = nullptr;
    QPushButton* m_print = nullptr;
    QPushButton* m_close = nullptr;
};
