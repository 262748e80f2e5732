#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>

class QSocketNotifier;

namespace tornavel {

// Closes the main window as its close box does, so that the history and the options
// are saved, when the desktop session ends or the program is asked to stop: SIGTERM,
// SIGINT and SIGHUP. The signal handler only writes a byte into a pipe; the close runs
// in the event loop, after any modal window or menu open at the time has been closed
// and the handler that opened it has finished. One at a time per process.
class SessionEndCloser : public QObject {
public:
    // `beforeClose` runs once, just before the window is closed.
    explicit SessionEndCloser(QWidget* window, std::function<void()> beforeClose = {});
    // Restores the earlier signal handling; after a close that a signal asked for, the
    // signals are ignored from then on.
    ~SessionEndCloser() override;

private:
    void OnSignal();
    void CloseWhenIdle();

    QPointer<QWidget> window_;
    std::function<void()> beforeClose_;
    QSocketNotifier* notifier_ = nullptr;
    bool closing_ = false;
};

} // namespace tornavel
