#include "ui/UAlign.h"

#include <QEvent>
#include <QWidget>

namespace {

const char* const kAlignProperty = "edomerAlign";
const char* const kAnchorsProperty = "edomerAnchors";

class TAligner : public QObject {
public:
    explicit TAligner(QWidget* parent) : QObject(parent), FParent(parent), FSize(parent->size()) {
        setObjectName(QStringLiteral("Aligner"));
        parent->installEventFilter(this);
    }

    void Watch(QWidget* child) { child->installEventFilter(this); }

    void Realign() {
        if (FBusy)
            return;
        FBusy = true;
        QRect rest = FParent->rect();
        for (TAlign pass :
             {TAlign::Top, TAlign::Bottom, TAlign::Left, TAlign::Right, TAlign::Client}) {
            for (QObject* object : FParent->children()) {
                auto* child = qobject_cast<QWidget*>(object);
                if (!child || child->isHidden() || child->isWindow() ||
                    TAlign(child->property(kAlignProperty).toInt()) != pass)
                    continue;
                Place(child, pass, rest);
            }
        }
        FBusy = false;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize || event->type() == QEvent::Show ||
            event->type() == QEvent::Hide) {
            if (watched == FParent && event->type() == QEvent::Resize)
                MoveAnchored();
            Realign();
        }
        return false;
    }

private:
    static void Place(QWidget* child, TAlign align, QRect& rest) {
        QRect r;
        switch (align) {
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
            r = QRect(rest.right() + 1 - child->width(), rest.top(), child->width(), rest.height());
            rest.setRight(r.left() - 1);
            break;
        default:
            r = rest;
            break;
        }
        if (child->geometry() != r)
            child->setGeometry(r);
    }

    void MoveAnchored() {
        const QSize now = FParent->size();
        const int dw = now.width() - FSize.width();
        const int dh = now.height() - FSize.height();
        FSize = now;
        if (dw == 0 && dh == 0)
            return;
        for (QObject* object : FParent->children()) {
            auto* child = qobject_cast<QWidget*>(object);
            if (!child || child->isWindow() || !child->property(kAnchorsProperty).isValid() ||
                TAlign(child->property(kAlignProperty).toInt()) != TAlign::None)
                continue;
            const int anchors = child->property(kAnchorsProperty).toInt();
            QRect r = child->geometry();
            if ((anchors & akRight) && (anchors & akLeft))
                r.setWidth(r.width() + dw);
            else if (anchors & akRight)
                r.translate(dw, 0);
            if ((anchors & akBottom) && (anchors & akTop))
                r.setHeight(r.height() + dh);
            else if (anchors & akBottom)
                r.translate(0, dh);
            child->setGeometry(r);
        }
    }

    QWidget* FParent;
    QSize FSize;
    bool FBusy = false;
};

TAligner* AlignerOf(QWidget* parent) {
    auto* aligner =
        parent->findChild<TAligner*>(QStringLiteral("Aligner"), Qt::FindDirectChildrenOnly);
    return aligner ? aligner : new TAligner(parent);
}

} // namespace

void SetAlign(QWidget* control, TAlign align) {
    control->setProperty(kAlignProperty, int(align));
    TAligner* aligner = AlignerOf(control->parentWidget());
    aligner->Watch(control);
    aligner->Realign();
}

void SetAnchors(QWidget* control, int anchors) {
    AlignerOf(control->parentWidget());
    control->setProperty(kAnchorsProperty, anchors);
}

void Realign(QWidget* parent) {
    AlignerOf(parent)->Realign();
}
