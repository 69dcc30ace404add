#pragma once
// A window the user finishes before working elsewhere: an update form, a
// list run for selection. Qt's own modality would block the frame's whole
// window, since the frame is the top level of every list, and with it the
// toolbar whose navigation buttons save and move the form. So instead every
// other top-level window but the frame's tool windows (the calendar, which
// serves the form) is disabled while it runs, and the frame turns off
// what must wait (its child windows, the commands that open or close
// windows) and keeps what serves the window on top: the navigation
// buttons, the Edit and Help menus.
//
//   ModalRun run(form);
//   connect(form, &QDialog::finished, [&run] { run.quit(); });
//   form->show();
//   run.exec(); // returns once quit() was called

#include <QEventLoop>
#include <QPointer>
#include <QWidget>
#include <utility>
#include <vector>

namespace velkora::app {

// The frame's side of a modal run.
class ModalFrame {
public:
    virtual ~ModalFrame() = default;
    // The first window starts running modally over the frame.
    virtual void enterModal() = 0;
    // The last one has ended: the frame is as before.
    virtual void leaveModal() = 0;
};
// The frame, or nullptr when no frame runs (a window tested alone).
void setModalFrame(ModalFrame* frame);

class ModalRun {
public:
    explicit ModalRun(QWidget* window);
    ~ModalRun();
    ModalRun(const ModalRun&) = delete;
    ModalRun& operator=(const ModalRun&) = delete;

    // Activates the window and waits until quit(); at once when the window
    // is hidden or quit() came first.
    void exec();
    void quit();
    QWidget* window() const { return window_; }

private:
    QWidget* window_;
    ModalRun* outer_;
    QEventLoop loop_;
    bool ended_ = false;
    // The windows this run disabled, each with the field that had its focus.
    std::vector<std::pair<QPointer<QWidget>, QPointer<QWidget>>> disabled_;
};

// The window of the innermost run, or nullptr.
QWidget* modalWindow();

// The field the user is typing in: the focused field of the window running
// on top (a click on the frame took the focus from it), else the
// application's; the entry of an editable drop list. nullptr when none.
QWidget* fieldInUse();

} // namespace velkora::app
