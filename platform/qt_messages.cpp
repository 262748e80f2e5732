#include "platform/qt_messages.h"

#include <QString>
#include <QtGlobal>

#include <atomic>

namespace tornavel {

namespace {

// The handler that the filter passes messages on to (Qt's own when none was installed).
std::atomic<QtMessageHandler> previousHandler{nullptr};

// How Qt's warnings begin when the desktop has no program to open an address with;
// the address follows.
constexpr const char* kToldInFrench[] = {
    "Unable to detect a launcher for '",
    "Unable to detect a web browser to launch '",
};

bool IsToldInFrench(QtMsgType type, const QString& message)
{
    if (type != QtWarningMsg)
        return false;
    for (const char* start : kToldInFrench) {
        if (message.startsWith(QLatin1String(start)))
            return true;
    }
    return false;
}

void Filter(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (IsToldInFrench(type, message))
        return;
    if (const QtMessageHandler next = previousHandler.load())
        next(type, context, message);
}

} // namespace

void InstallQtMessageFilter()
{
    const QtMessageHandler previous = qInstallMessageHandler(Filter);
    // Installed twice, the filter would pass messages on to itself.
    if (previous != Filter)
        previousHandler.store(previous);
}

} // namespace tornavel
