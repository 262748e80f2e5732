#include "ui/session_end.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>

#include <array>
#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <unistd.h>

namespace tornavel {

namespace {

constexpr std::array kSignals{SIGTERM, SIGINT, SIGHUP};

// The pipe between the signal handler and the event loop. A signal handler reaches no
// object, so its end of the pipe has to be at file scope.
int gSignalPipe[2] = {-1, -1};
struct sigaction gPrevious[kSignals.size()];

void OnSignalRaised(int)
{
    const int saved = errno;
    const char byte = 1;
    // A full pipe already holds a request: nothing is lost when the write fails.
    [[maybe_unused]] const ssize_t written = ::write(gSignalPipe[1], &byte, 1);
    errno = saved;
}

} // namespace

SessionEndCloser::SessionEndCloser(QWidget* window, std::function<void()> beforeClose)
    : window_(window), beforeClose_(std::move(beforeClose))
{
    if (::pipe2(gSignalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    notifier_ = new QSocketNotifier(gSignalPipe[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &SessionEndCloser::OnSignal);
    struct sigaction action {};
    action.sa_handler = OnSignalRaised;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (size_t k = 0; k < kSignals.size(); ++k)
        ::sigaction(kSignals[k], &action, &gPrevious[k]);
}

SessionEndCloser::~SessionEndCloser()
{
    if (!notifier_)
        return;
    // Once asked to stop, the program is ending with everything saved: the rest of a
    // burst of requests is ignored rather than cut the end short with the signal's status.
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    for (size_t k = 0; k < kSignals.size(); ++k)
        ::sigaction(kSignals[k], closing_ ? &ignore : &gPrevious[k], nullptr);
    delete notifier_;
    ::close(gSignalPipe[0]);
    ::close(gSignalPipe[1]);
    gSignalPipe[0] = gSignalPipe[1] = -1;
}

void SessionEndCloser::OnSignal()
{
    char bytes[64];
    while (::read(gSignalPipe[0], bytes, sizeof bytes) > 0) {
    }
    if (closing_)
        return;
    closing_ = true;
    CloseWhenIdle();
}

void SessionEndCloser::CloseWhenIdle()
{
    if (!window_) {
        QCoreApplication::quit();
        return;
    }
    // A menu or a modal window runs its own event loop inside the handler that opened
    // it. Take it away, and come back once that handler has finished, so that the main
    // window's close does not run in the middle of another handler. A modal window is
    // hidden, not closed: its close may stand for its OK, which may refuse and ask the
    // user (who is leaving) in a box of its own, holding the session up; hidden, it
    // keeps nothing of a choice that was not confirmed.
    if (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    if (QWidget* modal = QApplication::activeModalWidget())
        modal->hide();
    if (QThread::currentThread()->loopLevel() > 1) {
        QTimer::singleShot(10, this, &SessionEndCloser::CloseWhenIdle);
        return;
    }
    if (beforeClose_)
        beforeClose_();
    window_->close();
    QCoreApplication::quit();
}

} // namespace tornavel
