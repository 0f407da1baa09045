// Moves and sizes a resizable dialog's controls by a table of rules, and holds its tracking sizes.
#include "kivo32/dialogs/layout_helper.h"

#include <vector>

#include "platform/ui/control_id.h"

namespace {

int ReadEdge(const QRect& rect, int edge) {
    const int left = rect.x();
    const int top = rect.y();
    const int right = rect.x() + rect.width();
    const int bottom = rect.y() + rect.height();
    switch (edge) {
        case EDGE_TOP:
            return top;
        case EDGE_LEFT:
            return left;
        case EDGE_RIGHT:
            return right;
        case EDGE_BOTTOM:
            return bottom;
        case EDGE_HCENTER:
            return left + (right - left) / 2;
        case EDGE_VCENTER:
            return top + (bottom - top) / 2;
        case EDGE_HEIGHT:
            return bottom - top;
        case EDGE_WIDTH:
            return right - left;
        default:
            return 0;
    }
}

// Moves the edge, keeping the size, except for the height and width codes.
void SetEdge(QRect& rect, int edge, int value) {
    switch (edge) {
        case EDGE_TOP:
            rect.moveTop(value);
            break;
        case EDGE_LEFT:
            rect.moveLeft(value);
            break;
        case EDGE_RIGHT:
            rect.moveLeft(value - rect.width());
            break;
        case EDGE_BOTTOM:
            rect.moveTop(value - rect.height());
            break;
        case EDGE_HCENTER:
            rect.moveLeft(value - rect.width() / 2);
            break;
        case EDGE_VCENTER:
            rect.moveTop(value - rect.height() / 2);
            break;
        case EDGE_HEIGHT:
            rect.setHeight(value);
            break;
        case EDGE_WIDTH:
            rect.setWidth(value);
            break;
        default:
            break;
    }
}

}  // namespace

void CLayoutHelper::Attach(QWidget* owner, int anchorId) {
    owner_ = owner;
    anchor_id_ = anchorId;
}

QWidget* CLayoutHelper::Control(int id) const {
    for (QWidget* child : owner_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (platform::ControlId(child) == id) {
            return child;
        }
    }
    return nullptr;
}

// A control's rectangle, or for id 0 the owner's whole window (frame included), in client coordinates.
QRect CLayoutHelper::RectOf(int id) const {
    if (id != 0) {
        return Control(id)->geometry();
    }
    const QRect frame = owner_->frameGeometry();
    return QRect(frame.topLeft() - owner_->geometry().topLeft(), frame.size());
}

void CLayoutHelper::Resize(std::span<const LayoutRule> rules, int cx, int cy) {
    if (owner_ == nullptr) {
        return;
    }
    if (cx == -1 || cy == -1) {
        cx = owner_->width();
        cy = owner_->height();
    }
    if (QWidget* anchor = anchor_id_ != 0 ? Control(anchor_id_) : nullptr) {
        anchor->move(cx - anchor->width(), cy - anchor->height());
    }
    for (const LayoutRule& rule : rules) {
        if (rule.kind == LAYOUT_END) {
            break;
        }
        const bool limits = rule.kind == LAYOUT_WIDTH || rule.kind == LAYOUT_HEIGHT;
        QWidget* control = rule.control != 0 ? Control(rule.control) : nullptr;
        if ((rule.control != 0 && control == nullptr) || (rule.control == 0 && !limits)) {
            return;
        }
        if (limits) {
            (rule.kind == LAYOUT_WIDTH ? minimum_width_ : minimum_height_) = rule.value1;
            (rule.kind == LAYOUT_WIDTH ? maximum_width_ : maximum_height_) = rule.value2;
        } else if (rule.kind == LAYOUT_EDGE) {
            if (rule.reference != 0 && Control(rule.reference) == nullptr) {
                return;
            }
            QRect rect = control->geometry();
            SetEdge(rect, rule.edge, ReadEdge(RectOf(rule.reference), rule.referenceEdge) + rule.value1);
            control->setGeometry(rect);
        } else if (rule.kind == LAYOUT_SPREAD && rule.spread.size() >= 3) {
            std::vector<QWidget*> spread;
            for (int id : rule.spread) {
                if (QWidget* member = Control(id)) {
                    spread.push_back(member);
                }
            }
            if (spread.size() != rule.spread.size()) {
                continue;
            }
            const auto centre = [](QWidget* widget) { return ReadEdge(widget->geometry(), EDGE_HCENTER); };
            const int first = centre(spread.front());
            const int step = (centre(spread.back()) - first) / static_cast<int>(spread.size() - 1);
            for (std::size_t i = 1; i + 1 < spread.size(); ++i) {
                QRect rect = spread[i]->geometry();
                SetEdge(rect, EDGE_HCENTER, first + step * static_cast<int>(i));
                spread[i]->setGeometry(rect);
            }
        }
    }
    owner_->update();
}

void CLayoutHelper::SetTrackSizes(int minimumWidth, int minimumHeight, int maximumWidth, int maximumHeight) {
    minimum_width_ = minimumWidth;
    minimum_height_ = minimumHeight;
    maximum_width_ = maximumWidth;
    maximum_height_ = maximumHeight;
}

MinMaxInfo* CLayoutHelper::GetMinMaxInfo(MinMaxInfo* info) const {
    if (minimum_width_ != -1 && minimum_height_ != -1) {
        info->minTrackSize = QSize(minimum_width_, minimum_height_);
    }
    if (maximum_width_ != -1 && maximum_height_ != -1) {
        info->maxTrackSize = QSize(maximum_width_, maximum_height_);
    }
    return info;
}
