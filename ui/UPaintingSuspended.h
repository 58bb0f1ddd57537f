#pragma once
// Suspends the painting of a view for the lifetime of the object, so that a rebuild is drawn
// once, at its end.

#include <QWidget>

class TPaintingSuspended {
public:
    explicit TPaintingSuspended(QWidget* view) : FView(view) { FView->setUpdatesEnabled(false); }
    TPaintingSuspended(const TPaintingSuspended&) = delete;
    TPaintingSuspended& operator=(const TPaintingSuspended&) = delete;
    ~TPaintingSuspended() { FView->setUpdatesEnabled(true); }

private:
    QWidget* FView;
};
