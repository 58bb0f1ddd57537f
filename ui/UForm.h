#pragma once
// The base of every dialog window: modal showing through the seam, Delphi-style modal
// results, and the show and close handlers run inside Guard.

#include <QDialog>
#include <QPointer>

enum TModalResult { mrNone = 0, mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7 };

class TForm : public QDialog {
    Q_OBJECT
public:
    explicit TForm(QWidget* parent = nullptr);

    // Runs once, right after the program has created the window.
    virtual void FormCreate() {}

    // Shows the window modally and returns its modal result.
    int ShowModal();
    // Closes a modal showing with the given result.
    void SetModalResult(int result) { done(result); }
    // Closes the window; a modal showing ends with mrCancel.
    void Close() { done(mrCancel); }

    QString Caption() const { return windowTitle(); }
    void SetCaption(const QString& caption) { setWindowTitle(caption); }
    // A window of fixed client size.
    void SetClientSize(int width, int height);
    void SetClientHeight(int height);
    // Centres the window over the reference (halves to the even neighbour).
    void CentreOver(const QWidget* reference);

    void done(int result) override;
    void reject() override;

protected:
    virtual void FormShow() {}
    virtual void FormClose() {}
    void showEvent(QShowEvent* event) override;

private:
    void MoveToCentre();
    // The window to centre over once the frame is known at the showing.
    QPointer<QWidget> FCentreOver;
};
