#pragma once

#include <QFont>
#include <QObject>
#include <QPointer>
#include <QRect>

#include <array>
#include <vector>

class QAction;
class QMainWindow;
class QMenu;

// The size of the table and of the windows opened from it: 100 %, 125 %, 150 %, 200 % or as large as
// the screen allows, chosen in the menu it fills or with Ctrl++, Ctrl+- and Ctrl+0. The choice is
// the player's own setting (settings/PlayerSettings), kept across runs; a choice larger than the
// screen allows is shown as large as it allows, so the window always fits.
class TableZoom : public QObject {
    Q_OBJECT
public:
    static constexpr int FitToScreen = 0;
    static constexpr std::array<int, 4> Steps{100, 125, 150, 200};

    // Records the table's controls as they were built, at 100 %, fills the menu and takes the
    // remembered choice. largestTable is the window at 100 % with every seat.
    TableZoom(QMainWindow& table, QMenu& menu, QSize largestTable);
    // The zoom goes with the table: back to 100 % and the application's own font.
    ~TableZoom() override;

    int choice() const { return m_choice; }
    // Remembers the choice and shows the table at it.
    void choose(int choice);
    void zoomIn();
    void zoomOut();

    // The zoom in percent that a choice gives on a screen with the given free area.
    static int percentFor(int choice, QSize available, QSize largestTable);
    // Lays the table out at percent and makes it the zoom of the windows opened from now on; the
    // windows already open keep the size they opened with.
    void apply(int percent);
    // A control added to the table after it was built, given its place at 100 %: laid out at the
    // zoom in force and at every zoom from now on. It may be deleted at any time.
    void place(QWidget* widget, const QRect& geometry);
    // Where a control of the table stands at 100 %; an empty rectangle for one it does not lay out.
    QRect placeAtFullSize(const QWidget* widget) const;

signals:
    // The table has been laid out at a new zoom; its window takes the size that goes with it.
    void zoomed();

private:
    struct Placed {
        QPointer<QWidget> widget;
        QRect geometry;
        QFont font;
    };

    void buildMenu(QMenu& menu);
    int percentOnScreen(int choice) const;
    void keepOpenWindowsAsTheyAre();
    void keepOnScreen();

    QMainWindow& m_table;
    QSize m_largest;
    QFont m_appFont;
    std::vector<Placed> m_placed;
    std::vector<std::pair<int, QAction*>> m_choices;
    int m_choice = 100;
};
