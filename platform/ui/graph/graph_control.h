// The graph control: draws a GraphSettings and GraphData on screen and paper, zooms when the user drags
// across X or turns the mouse wheel, scrolls while zoomed, puts the data cursor on the point under the
// mouse, clicked or stepped to with the arrow keys, and tells its owner through notifications.
#pragma once

#include <QPoint>
#include <QPrinter>
#include <QScrollBar>
#include <QWidget>
#include <optional>
#include <span>
#include <vector>

#include "platform/ui/graph/graph_data.h"
#include "platform/ui/graph/graph_renderer.h"
#include "platform/ui/graph/graph_settings.h"

namespace platform {

enum class GraphNotification {
    CursorMoved,     // the mouse moved over the plot while the data cursor is on
    ZoomedIn,        // a drag zoomed in (also from one zoom to a closer one)
    ZoomedOut,       // the last zoom was undone: the whole X range shows again
    ZoomMoved,       // the zoomed window moved by a scroll step or page, or the scroll thumb was let go
    CursorPlaced,    // a click or the left or right arrow key put the data cursor on a point: Cursor()
    MenuItemChosen,  // one of the owner's context-menu items was chosen: LastMenuItem()
    Customised,      // the settings dialog changed the look
};

class GraphControl : public QWidget {
    Q_OBJECT

public:
    explicit GraphControl(QWidget* parent = nullptr);

    // Change the settings, then Reinitialise to show them.
    GraphSettings& Settings() { return settings_; }
    const GraphSettings& Settings() const { return settings_; }
    // New data shows the whole X range again.
    void SetData(GraphData data);
    const GraphData& Data() const { return data_; }
    // One point per subset at `x` (beyond the last), keeping at most `keptPoints` points: the oldest
    // go. `values` has one value per subset; the view follows the data or the numeric X range.
    void AppendPoint(double x, std::span<const float> values, std::size_t keptPoints);
    void Reinitialise();

    // The mouse position of the last mouse event, and what lies there in the last drawing.
    QPoint LastMousePosition() const { return last_mouse_; }
    GraphHit HitTest(QPoint position) const;
    // The point the data cursor marks (kind DataPoint), when it marks one.
    const GraphHit& Cursor() const { return cursor_; }
    const GraphLayout& LastLayout() const { return layout_; }

    bool IsZoomed() const { return !zooms_.empty(); }
    // The X range in view (serial dates).
    double ViewStart() const { return view_from_; }
    double ViewEnd() const { return view_to_; }
    // Zooms to [from, to] (within the data); ignored for an empty range.
    void ZoomTo(double from, double to);
    // Back to the zoom before, or the whole range.
    void UndoZoom();
    // Moves the zoomed window by `fraction` of its width, held within the data.
    void ScrollZoom(double fraction);
    // Zooms in (`steps` > 0) or out around serial date `at`, which stays where it is on the X axis; each
    // step halves or doubles the width in view. Out to the whole range, the zooms are undone.
    void ZoomAround(double at, int steps);

    // The last owner's menu item chosen, -1 for none.
    int LastMenuItem() const { return last_menu_item_; }

    // Draws the graph into `area` of `canvas` (the screen, an image, a test's recording canvas).
    GraphLayout Render(GraphCanvas& canvas, const GraphRect& area) const;
    // One page: the graph drawn with the aspect of width x height, as large as the page allows. False
    // when the printer (or PDF file) cannot be opened.
    bool Print(QPrinter& printer, int width, int height) const;

    // The settings dialog (plotting method, points, labels, grid) under the main title; Customised when
    // the user changed something. Returns when the dialog closes.
    void RunSettingsDialog();
    // The space key's operation: the next choice of grid lines.
    void CycleGridLines();

signals:
    void Notify(platform::GraphNotification notification);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    GraphScene Scene() const;
    // The whole X range: the numeric axis's or the data's.
    void TakeFullRange();
    GraphRect DrawingArea() const;
    void ShowView(double from, double to);
    void UpdateScrollBar();
    void OnScrollAction(int action);
    void MoveCursor(int step);
    void PlaceCursor(const GraphHit& hit);

    GraphSettings settings_;
    GraphData data_;
    double full_from_ = 0.0;
    double full_to_ = 0.0;
    double view_from_ = 0.0;
    double view_to_ = 0.0;
    std::vector<std::pair<double, double>> zooms_;
    mutable GraphLayout layout_;
    QScrollBar* scroll_bar_;
    bool updating_scroll_bar_ = false;
    QPoint last_mouse_;
    std::optional<int> drag_start_x_;
    int drag_end_x_ = 0;
    GraphHit cursor_;
    int last_menu_item_ = -1;
};

}  // namespace platform
