// The graph control: drawing, zoom, scrolling, data cursor, printing and notifications.
#include "platform/ui/graph/graph_control.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "platform/ui/graph/graph_ids.h"
#include "platform/ui/graph/graph_settings_dialog.h"
#include "platform/ui/graph/qpainter_graph_canvas.h"
#include "platform/ui/qt_text.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"

namespace platform {
namespace {

// A drag shorter than this is a click, not a zoom.
constexpr int kMinimumZoomDrag = 5;
// Steps of the scroll bar over the whole X range.
constexpr int kScrollSteps = 10000;
// Printing draws on a layout this many pixels wide, scaled onto the page.
constexpr int kPrintLayoutWidth = 1600;
// The wheel's angle for one zoom step (one notch of most mice).
constexpr int kWheelStep = 120;
// A zoom in keeps at least this many points in view.
constexpr std::size_t kFewestPointsInZoom = 2;

}  // namespace

GraphControl::GraphControl(QWidget* parent) : QWidget(parent), scroll_bar_(new QScrollBar(Qt::Horizontal, this)) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    scroll_bar_->setRange(0, 0);
    scroll_bar_->hide();
    connect(scroll_bar_, &QScrollBar::valueChanged, this, [this](int value) {
        if (updating_scroll_bar_ || !IsZoomed()) {
            return;
        }
        const double width = view_to_ - view_from_;
        const double from = full_from_ + (full_to_ - full_from_) * value / kScrollSteps;
        ShowView(from, from + width);
    });
    connect(scroll_bar_, &QScrollBar::actionTriggered, this, [this](int action) { OnScrollAction(action); });
    connect(scroll_bar_, &QScrollBar::sliderReleased, this, [this] { emit Notify(GraphNotification::ZoomMoved); });
}

void GraphControl::SetData(GraphData data) {
    data_ = std::move(data);
    TakeFullRange();
    zooms_.clear();
    cursor_ = {};
    ShowView(full_from_, full_to_);
}

void GraphControl::AppendPoint(double x, std::span<const float> values, std::size_t keptPoints) {
    data_.x.push_back(x);
    const std::size_t dropped = data_.x.size() > keptPoints ? data_.x.size() - keptPoints : 0;
    data_.x.erase(data_.x.begin(), data_.x.begin() + static_cast<long>(dropped));
    data_.subsets.resize(values.size());
    for (std::size_t subset = 0; subset < values.size(); ++subset) {
        // Old point i becomes point i - dropped; a subset that joins late starts with gaps.
        const MinMaxPyramid& before = data_.subsets[subset];
        std::vector<float> samples(data_.x.size(), settings_.nullValue);
        for (std::size_t point = dropped; point < before.Size() && point - dropped + 1 < samples.size(); ++point) {
            samples[point - dropped] = before.Sample(point);
        }
        samples.back() = values[subset];
        data_.subsets[subset] = MinMaxPyramid(samples, settings_.nullValue);
    }
    if (!IsZoomed()) {
        TakeFullRange();
        ShowView(full_from_, full_to_);
    }
}

void GraphControl::TakeFullRange() {
    if (settings_.numericX) {
        full_from_ = settings_.numericX->from;
        full_to_ = settings_.numericX->to;
        return;
    }
    full_from_ = data_.x.empty() ? 0.0 : data_.x.front();
    full_to_ = data_.x.empty() ? 0.0 : data_.x.back();
}

void GraphControl::Reinitialise() {
    if (!IsZoomed()) {
        TakeFullRange();
        view_from_ = full_from_;
        view_to_ = full_to_;
    }
    UpdateScrollBar();
    update();
}

GraphScene GraphControl::Scene() const {
    GraphScene scene{settings_, data_, view_from_, view_to_};
    if (settings_.dataCursor && cursor_.kind == GraphHitKind::DataPoint) {
        scene.cursorSubset = cursor_.subset;
        scene.cursorPoint = cursor_.point;
    }
    return scene;
}

GraphRect GraphControl::DrawingArea() const {
    const int bottom = !scroll_bar_->isHidden() ? height() - scroll_bar_->sizeHint().height() : height();
    return {0, 0, width(), bottom};
}

GraphLayout GraphControl::Render(GraphCanvas& canvas, const GraphRect& area) const {
    return DrawGraph(Scene(), canvas, area);
}

GraphHit GraphControl::HitTest(QPoint position) const {
    return HitTestGraph(Scene(), layout_, position.x(), position.y());
}

void GraphControl::ShowView(double from, double to) {
    const double width = to - from;
    if (IsZoomed()) {
        // A zoomed window keeps its width and stays within the data.
        from = std::clamp(from, full_from_, std::max(full_from_, full_to_ - width));
        to = from + width;
    }
    view_from_ = from;
    view_to_ = to;
    UpdateScrollBar();
    update();
}

void GraphControl::ZoomTo(double from, double to) {
    from = std::max(from, full_from_);
    to = std::min(to, full_to_);
    if (!(from < to)) {
        return;
    }
    zooms_.emplace_back(view_from_, view_to_);
    ShowView(from, to);
    emit Notify(GraphNotification::ZoomedIn);
}

void GraphControl::UndoZoom() {
    if (zooms_.empty()) {
        return;
    }
    const auto [from, to] = zooms_.back();
    zooms_.pop_back();
    ShowView(from, to);
    emit Notify(IsZoomed() ? GraphNotification::ZoomedIn : GraphNotification::ZoomedOut);
}

void GraphControl::ScrollZoom(double fraction) {
    if (!IsZoomed()) {
        return;
    }
    const double shift = (view_to_ - view_from_) * fraction;
    ShowView(view_from_ + shift, view_to_ + shift);
}

void GraphControl::ZoomAround(double at, int steps) {
    if (steps == 0 || !(full_from_ < full_to_)) {
        return;
    }
    const double scale = std::pow(2.0, -steps);
    const double from = at - (at - view_from_) * scale;
    const double to = at + (view_to_ - at) * scale;
    if (steps > 0) {
        const auto [first, last] = data_.PointsBetween(std::max(from, full_from_), std::min(to, full_to_));
        if (last - first >= kFewestPointsInZoom) {
            ZoomTo(from, to);
        }
        return;
    }
    if (!IsZoomed()) {
        return;
    }
    if (to - from >= full_to_ - full_from_) {
        zooms_.clear();
        ShowView(full_from_, full_to_);
        emit Notify(GraphNotification::ZoomedOut);
        return;
    }
    // Out by the wheel goes back over the way in: no zoom of its own to undo.
    ShowView(from, to);
    emit Notify(GraphNotification::ZoomedIn);
}

void GraphControl::UpdateScrollBar() {
    const bool show = IsZoomed() && full_to_ > full_from_;
    updating_scroll_bar_ = true;
    if (show) {
        const double span = full_to_ - full_from_;
        const int page = std::max(1, static_cast<int>((view_to_ - view_from_) / span * kScrollSteps));
        scroll_bar_->setRange(0, std::max(0, kScrollSteps - page));
        scroll_bar_->setPageStep(page);
        scroll_bar_->setSingleStep(std::max(1, page / 10));
        scroll_bar_->setValue(static_cast<int>((view_from_ - full_from_) / span * kScrollSteps));
        const int barHeight = scroll_bar_->sizeHint().height();
        scroll_bar_->setGeometry(0, height() - barHeight, width(), barHeight);
    }
    scroll_bar_->setVisible(show);
    updating_scroll_bar_ = false;
}

void GraphControl::OnScrollAction(int action) {
    // Steps and pages tell the owner at once; dragging the thumb tells it when let go.
    if (action != QAbstractSlider::SliderMove && action != QAbstractSlider::SliderNoAction) {
        // The bar applies the action's value after this signal; the notification follows it.
        QMetaObject::invokeMethod(this, [this] { emit Notify(GraphNotification::ZoomMoved); }, Qt::QueuedConnection);
    }
}

bool GraphControl::Print(QPrinter& printer, int width, int height) const {
    if (width <= 0 || height <= 0) {
        return false;
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    const QRect page = painter.viewport();
    const int layoutHeight = std::max(1, static_cast<int>(static_cast<long long>(kPrintLayoutWidth) * height / width));
    const double scale = std::min(static_cast<double>(page.width()) / kPrintLayoutWidth,
                                  static_cast<double>(page.height()) / layoutHeight);
    painter.setViewport(page.left(), page.top(), static_cast<int>(kPrintLayoutWidth * scale),
                        static_cast<int>(layoutHeight * scale));
    painter.setWindow(0, 0, kPrintLayoutWidth, layoutHeight);
    QPainterGraphCanvas canvas(painter);
    DrawGraph(Scene(), canvas, {0, 0, kPrintLayoutWidth, layoutHeight});
    return painter.end();
}

void GraphControl::RunSettingsDialog() {
    GraphSettingsDialog dialog(settings_, this);
    if (dialog.DoModal() == IDOK && dialog.Changed()) {
        settings_.style = dialog.Style();
        update();
        emit Notify(GraphNotification::Customised);
    }
}

void GraphControl::CycleGridLines() {
    int& grid = settings_.style.gridAttributes[0];
    grid = grid >= 0 && grid < 3 ? grid + 1 : 0;
    update();
    emit Notify(GraphNotification::Customised);
}

void GraphControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QPainterGraphCanvas canvas(painter);
    layout_ = Render(canvas, DrawingArea());
    if (drag_start_x_) {
        const int left = std::min(*drag_start_x_, drag_end_x_);
        painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
        painter.drawRect(left, layout_.plot.top, std::abs(drag_end_x_ - *drag_start_x_), layout_.plot.Height() - 1);
    }
}

void GraphControl::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    UpdateScrollBar();
}

void GraphControl::mousePressEvent(QMouseEvent* event) {
    last_mouse_ = event->position().toPoint();
    if (event->button() == Qt::LeftButton && InPlot(layout_, last_mouse_.x(), last_mouse_.y())) {
        drag_start_x_ = last_mouse_.x();
        drag_end_x_ = last_mouse_.x();
    }
}

void GraphControl::mouseMoveEvent(QMouseEvent* event) {
    last_mouse_ = event->position().toPoint();
    if (drag_start_x_) {
        drag_end_x_ = std::clamp(last_mouse_.x(), layout_.plot.left, layout_.plot.right);
        update();
        return;
    }
    if (settings_.dataCursor) {
        // The cursor stays on the last point the mouse touched; the read-out follows the mouse.
        if (const GraphHit hit = HitTest(last_mouse_); hit.kind == GraphHitKind::DataPoint) {
            cursor_ = hit;
            update();
        }
        emit Notify(GraphNotification::CursorMoved);
    }
}

void GraphControl::mouseReleaseEvent(QMouseEvent* event) {
    last_mouse_ = event->position().toPoint();
    if (!drag_start_x_) {
        return;
    }
    const int start = *drag_start_x_;
    drag_start_x_.reset();
    update();
    if (std::abs(drag_end_x_ - start) >= kMinimumZoomDrag) {
        const double a = layout_.PixelToX(start);
        const double b = layout_.PixelToX(drag_end_x_);
        ZoomTo(std::min(a, b), std::max(a, b));
    } else if (settings_.dataCursor) {
        const GraphHit hit = NearestDataPoint(Scene(), layout_, last_mouse_.x(), last_mouse_.y());
        if (hit.kind == GraphHitKind::DataPoint) {
            PlaceCursor(hit);
        }
    }
}

void GraphControl::MoveCursor(int step) {
    if (!settings_.dataCursor || data_.x.empty() || data_.SubsetCount() == 0) {
        return;
    }
    GraphHit hit = cursor_;
    if (hit.kind != GraphHitKind::DataPoint) {
        // The first step starts at the edge of the view it moves away from.
        const auto [first, last] = data_.PointsBetween(view_from_, view_to_);
        if (first >= last) {
            return;
        }
        hit = {GraphHitKind::DataPoint, 0, step > 0 ? first : last - 1};
    } else {
        const auto next = static_cast<long long>(hit.point) + step;
        hit.point = static_cast<std::size_t>(
            std::clamp<long long>(next, 0, static_cast<long long>(data_.x.size()) - 1));
    }
    PlaceCursor(hit);
}

void GraphControl::PlaceCursor(const GraphHit& hit) {
    cursor_ = hit;
    update();
    emit Notify(GraphNotification::CursorPlaced);
}

void GraphControl::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Left:
            MoveCursor(-1);
            break;
        case Qt::Key_Right:
            MoveCursor(1);
            break;
        default:
            QWidget::keyPressEvent(event);
    }
}

void GraphControl::wheelEvent(QWheelEvent* event) {
    const QPoint at = event->position().toPoint();
    const int steps = event->angleDelta().y() / kWheelStep;
    if (steps == 0 || !InPlot(layout_, at.x(), at.y())) {
        QWidget::wheelEvent(event);
        return;
    }
    ZoomAround(layout_.PixelToX(at.x()), steps);
    event->accept();
}

void GraphControl::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    for (std::size_t i = 0; i < settings_.menuItems.size(); ++i) {
        const GraphMenuItem& item = settings_.menuItems[i];
        if (item.text == "|") {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(ToQString(item.text));
        action->setCheckable(true);
        action->setChecked(item.checked);
        connect(action, &QAction::triggered, this, [this, i] {
            last_menu_item_ = static_cast<int>(i);
            emit Notify(GraphNotification::MenuItemChosen);
        });
    }
    if (!settings_.menuItems.empty()) {
        menu.addSeparator();
    }
    QAction* undo = menu.addAction(ToQString(LoadText(IDS_GRAPH_UNDO_ZOOM)), this, [this] { UndoZoom(); });
    undo->setEnabled(IsZoomed());
    menu.addAction(ToQString(LoadText(IDS_GRAPH_SETTINGS)), this, [this] { RunSettingsDialog(); });
    menu.exec(event->globalPos());
}

}  // namespace platform
