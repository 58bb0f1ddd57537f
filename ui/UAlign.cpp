#include "ui/UAlign.h"

#include <QEvent>
#include <QRect>
#include <QWidget>
#include <vector>

namespace {

// What the layout keeps of a control: its alignment and, for an anchored control, its anchors
// with the place and the parent's size they were taken at.
struct TLayoutInfo {
    TAlign align = TAlign::None;
    bool anchored = false;
    int anchors = 0;
    QRect baseRect;
    QSize baseSize;
};

bool IsLaidOut(const QObject* object) {
    const auto* w = qobject_cast<const QWidget*>(object);
    return w && !w->isWindow();
}

void Place(QWidget* child, const QRect& bounds) {
    if (child->geometry() == bounds)
        return;
    const QSize before = child->size();
    child->setGeometry(bounds);
    if (child->size() != before)
        Relayout(child);
}

// Re-lays the parent when one of its aligned children is shown, hidden or resized by the user,
// and holds the control's layout information (a lookup by a child object is much cheaper than
// one by a property name, and a layout asks for it for every child).
class TLayoutWatcher : public QObject {
public:
    explicit TLayoutWatcher(QObject* parent) : QObject(parent) {}
    TLayoutInfo info;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* w = static_cast<QWidget*>(watched);
        switch (event->type()) {
        case QEvent::Resize:
            Relayout(w);
            break;
        case QEvent::ShowToParent:
        case QEvent::HideToParent:
            if (info.align != TAlign::None && w->parentWidget())
                Relayout(w->parentWidget());
            break;
        default:
            break;
        }
        return false;
    }
};

TLayoutWatcher* WatcherOf(const QObject* control) {
    for (QObject* child : control->children())
        if (auto* watcher = dynamic_cast<TLayoutWatcher*>(child))
            return watcher;
    return nullptr;
}

TLayoutInfo InfoOf(const QObject* control) {
    const TLayoutWatcher* watcher = WatcherOf(control);
    return watcher ? watcher->info : TLayoutInfo();
}

TLayoutWatcher* Watch(QWidget* w) {
    TLayoutWatcher* watcher = WatcherOf(w);
    if (!watcher) {
        watcher = new TLayoutWatcher(w);
        w->installEventFilter(watcher);
    }
    return watcher;
}

void RecordBase(QWidget* control) {
    TLayoutWatcher* watcher = WatcherOf(control);
    if (!watcher || !watcher->info.anchored || !control->parentWidget())
        return;
    watcher->info.baseRect = control->geometry();
    watcher->info.baseSize = control->parentWidget()->size();
}

void AfterOwnChange(QWidget* control) {
    RecordBase(control);
    Relayout(control);
    if (InfoOf(control).align != TAlign::None && control->parentWidget())
        Relayout(control->parentWidget());
}

} // namespace

void SetAlign(QWidget* control, TAlign align) {
    Watch(control)->info.align = align;
    if (control->parentWidget()) {
        Watch(control->parentWidget());
        Relayout(control->parentWidget());
    }
}

void SetAnchors(QWidget* control, int anchors) {
    TLayoutWatcher* watcher = Watch(control);
    watcher->info.anchored = true;
    watcher->info.anchors = anchors;
    RecordBase(control);
    if (control->parentWidget())
        Watch(control->parentWidget());
}

void Relayout(QWidget* control) {
    // Each laid-out child with its layout information, read once for the passes below.
    std::vector<std::pair<QWidget*, TLayoutInfo>> children;
    for (QObject* object : control->children())
        if (IsLaidOut(object))
            children.emplace_back(static_cast<QWidget*>(object), InfoOf(object));
    QRect rest = control->rect();
    for (TAlign pass : {TAlign::Top, TAlign::Bottom, TAlign::Left, TAlign::Right, TAlign::Client}) {
        for (const auto& [child, info] : children) {
            if (child->isHidden() || info.align != pass)
                continue;
            QRect r;
            switch (pass) {
            case TAlign::Top:
                r = QRect(rest.left(), rest.top(), rest.width(), child->height());
                rest.setTop(r.bottom() + 1);
                break;
            case TAlign::Bottom:
                r = QRect(rest.left(), rest.bottom() + 1 - child->height(), rest.width(),
                          child->height());
                rest.setBottom(r.top() - 1);
                break;
            case TAlign::Left:
                r = QRect(rest.left(), rest.top(), child->width(), rest.height());
                rest.setLeft(r.right() + 1);
                break;
            case TAlign::Right:
                r = QRect(rest.right() + 1 - child->width(), rest.top(), child->width(),
                          rest.height());
                rest.setRight(r.left() - 1);
                break;
            default:
                r = rest;
                break;
            }
            Place(child, r);
        }
    }
    for (const auto& [child, info] : children) {
        if (info.align != TAlign::None || !info.anchored)
            continue;
        QRect r = info.baseRect;
        const int dw = control->width() - info.baseSize.width();
        const int dh = control->height() - info.baseSize.height();
        if ((info.anchors & akRight) && (info.anchors & akLeft))
            r.setWidth(r.width() + dw);
        else if (info.anchors & akRight)
            r.translate(dw, 0);
        if ((info.anchors & akBottom) && (info.anchors & akTop))
            r.setHeight(r.height() + dh);
        else if (info.anchors & akBottom)
            r.translate(0, dh);
        Place(child, r);
    }
}

void SetBounds(QWidget* control, const QRect& bounds) {
    control->setGeometry(bounds);
    AfterOwnChange(control);
}

void SetWidth(QWidget* control, int width) {
    SetBounds(control, QRect(control->pos(), QSize(width, control->height())));
}

void SetHeight(QWidget* control, int height) {
    SetBounds(control, QRect(control->pos(), QSize(control->width(), height)));
}

void SetLeft(QWidget* control, int left) {
    SetBounds(control, QRect(QPoint(left, control->y()), control->size()));
}

void SetTop(QWidget* control, int top) {
    SetBounds(control, QRect(QPoint(control->x(), top), control->size()));
}
