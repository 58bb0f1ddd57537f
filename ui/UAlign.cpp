#include "ui/UAlign.h"

#include <QEvent>
#include <QRect>
#include <QWidget>

namespace {

const char* const kAlignProperty = "edomerAlign";
const char* const kAnchorsProperty = "edomerAnchors";
const char* const kBaseRectProperty = "edomerAnchorRect";
const char* const kBaseSizeProperty = "edomerAnchorParentSize";

TAlign AlignOf(const QWidget* w) {
    return TAlign(w->property(kAlignProperty).toInt());
}

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

// Re-lays the parent when one of its aligned children is shown, hidden or resized by the user.
class TLayoutWatcher : public QObject {
public:
    explicit TLayoutWatcher(QObject* parent) : QObject(parent) {
        setObjectName(QStringLiteral("LayoutWatcher"));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* w = static_cast<QWidget*>(watched);
        switch (event->type()) {
        case QEvent::Resize:
            Relayout(w);
            break;
        case QEvent::ShowToParent:
        case QEvent::HideToParent:
            if (AlignOf(w) != TAlign::None && w->parentWidget())
                Relayout(w->parentWidget());
            break;
        default:
            break;
        }
        return false;
    }
};

void Watch(QWidget* w) {
    if (w->findChild<TLayoutWatcher*>(QStringLiteral("LayoutWatcher"), Qt::FindDirectChildrenOnly))
        return;
    w->installEventFilter(new TLayoutWatcher(w));
}

void RecordBase(QWidget* control) {
    if (!control->property(kAnchorsProperty).isValid() || !control->parentWidget())
        return;
    control->setProperty(kBaseRectProperty, control->geometry());
    control->setProperty(kBaseSizeProperty, control->parentWidget()->size());
}

void AfterOwnChange(QWidget* control) {
    RecordBase(control);
    Relayout(control);
    if (AlignOf(control) != TAlign::None && control->parentWidget())
        Relayout(control->parentWidget());
}

} // namespace

void SetAlign(QWidget* control, TAlign align) {
    control->setProperty(kAlignProperty, int(align));
    Watch(control);
    if (control->parentWidget()) {
        Watch(control->parentWidget());
        Relayout(control->parentWidget());
    }
}

void SetAnchors(QWidget* control, int anchors) {
    control->setProperty(kAnchorsProperty, anchors);
    RecordBase(control);
    Watch(control);
    if (control->parentWidget())
        Watch(control->parentWidget());
}

void Relayout(QWidget* control) {
    QRect rest = control->rect();
    for (TAlign pass : {TAlign::Top, TAlign::Bottom, TAlign::Left, TAlign::Right, TAlign::Client}) {
        for (QObject* object : control->children()) {
            if (!IsLaidOut(object))
                continue;
            auto* child = static_cast<QWidget*>(object);
            if (child->isHidden() || AlignOf(child) != pass)
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
    for (QObject* object : control->children()) {
        if (!IsLaidOut(object))
            continue;
        auto* child = static_cast<QWidget*>(object);
        if (AlignOf(child) != TAlign::None || !child->property(kAnchorsProperty).isValid())
            continue;
        const int anchors = child->property(kAnchorsProperty).toInt();
        QRect r = child->property(kBaseRectProperty).toRect();
        const QSize base = child->property(kBaseSizeProperty).toSize();
        const int dw = control->width() - base.width();
        const int dh = control->height() - base.height();
        if ((anchors & akRight) && (anchors & akLeft))
            r.setWidth(r.width() + dw);
        else if (anchors & akRight)
            r.translate(dw, 0);
        if ((anchors & akBottom) && (anchors & akTop))
            r.setHeight(r.height() + dh);
        else if (anchors & akBottom)
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
