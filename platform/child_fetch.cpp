#include "platform/child_fetch.h"

#include "platform/paths.h"

#include <QPointer>
#include <QProcess>
#include <QTimer>

#include <csignal>
#include <memory>
#include <utility>

#include <sys/prctl.h>
#include <unistd.h>

namespace tornavel {

namespace {

// How long past its request's time-out a child may take to start and to save.
constexpr int kChildGraceMs = 1000;

// What a "download" may write to its output: nothing but a stray message.
constexpr qsizetype kMaxDownloadOutputBytes = 4096;

// Runs the helper with `arguments` and calls `finished` from the event loop once the
// child has ended: true when it exited with status 0, with what it wrote (at most
// `outputLimit` bytes). A child that could not start, crashed, outlasted `timeoutMs` or
// wrote more than `outputLimit` is a failure.
void RunChild(ChildHttpClient& client, const QStringList& arguments, int timeoutMs, qsizetype outputLimit,
              std::function<void(bool, const QByteArray&)> finished)
{
    auto* child = new QProcess(&client);
    child->setProgram(client.HelperPath());
    child->setArguments(arguments);
    child->setStandardInputFile(QProcess::nullDevice());
    child->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const pid_t parent = ::getpid();
    child->setChildProcessModifier([parent] {
        // Runs in the child before the helper starts: it is killed when this process
        // ends, and ends at once when this process already has.
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != parent)
            ::_exit(1);
    });

    // The output is taken as it comes, so that QProcess never holds more than one read
    // of the pipe, and a helper that floods it is ended at the limit.
    auto output = std::make_shared<HelperOutput>(outputLimit);
    auto drain = [child, output] {
        char buffer[65536];
        for (qint64 got; (got = child->read(buffer, sizeof buffer)) > 0;) {
            if (!output->Take(QByteArrayView(buffer, got)) && child->state() != QProcess::NotRunning)
                child->kill();
        }
    };
    QObject::connect(child, &QProcess::readyReadStandardOutput, child, drain);

    auto reported = std::make_shared<bool>(false);
    auto report = [child, reported, output, drain, finished](bool ok) {
        if (std::exchange(*reported, true))
            return;
        // From the event loop, also for a helper that fails to start inside start().
        QTimer::singleShot(0, child, [child, ok, output, drain, finished] {
            drain();
            child->deleteLater();
            finished(ok && !output->Overflowed(), output->Bytes());
        });
    };
    QObject::connect(child, &QProcess::finished, child, [report](int code, QProcess::ExitStatus status) {
        report(status == QProcess::NormalExit && code == 0);
    });
    QObject::connect(child, &QProcess::errorOccurred, child, [report](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            report(false);
    });
    auto* deadline = new QTimer(child);
    deadline->setSingleShot(true);
    QObject::connect(deadline, &QTimer::timeout, child, &QProcess::kill);
    deadline->start(timeoutMs + kChildGraceMs);
    child->start(QIODevice::ReadOnly);
}

} // namespace

bool HelperOutput::Take(QByteArrayView bytes)
{
    if (overflowed_ || bytes.size() > limit_ - bytes_.size()) {
        overflowed_ = true;
        return false;
    }
    bytes_.append(bytes);
    return true;
}

HttpReply ReplyFromHelperOutput(bool exitedWell, const QByteArray& output)
{
    HttpReply reply;
    const qsizetype end = output.indexOf('\n');
    if (end < 0)
        return reply;
    const QList<QByteArray> fields = output.left(end).split(' ');
    bool validStatus = false;
    bool validLength = false;
    const int status = fields.value(0).toInt(&validStatus);
    const qsizetype length = fields.value(1).toLongLong(&validLength);
    // Each field as the helper writes it ("%d %zu"): Qt's reading of a number stops at a
    // NUL and lets signs, blanks and leading zeros pass, so "5" followed by other bytes
    // would be taken for the length 5.
    if (fields.size() != 2 || !validStatus || !validLength || fields[0] != QByteArray::number(status)
        || fields[1] != QByteArray::number(length))
        return reply;
    reply.status = status;
    reply.body = output.mid(end + 1);
    // A helper that failed, or whose output came cut or padded, gives no page.
    reply.ok = exitedWell && IsSuccessStatus(reply.status) && reply.body.size() == length;
    return reply;
}

QString FetchHelperPath()
{
    return HelperProgramPath(ProgramDirectory(), QStringLiteral("tornavel-fetch"));
}

ChildHttpClient::ChildHttpClient(QString helperPath) : helperPath_(std::move(helperPath)) {}

ChildHttpClient::~ChildHttpClient()
{
    AbandonRequests(*this);
}

void HttpGet(ChildHttpClient& client, const QString& address, int timeoutMs,
             std::function<void(const HttpReply&)> done)
{
    RunChild(client, {QStringLiteral("get"), QString::number(timeoutMs), address}, timeoutMs, kMaxGetOutputBytes,
             [done](bool ok, const QByteArray& output) { done(ReplyFromHelperOutput(ok, output)); });
}

void HttpDownloadToFile(ChildHttpClient& client, const QString& address, const QString& localPath,
                        int timeoutMs, std::function<void(bool)> done)
{
    RunChild(client, {QStringLiteral("download"), QString::number(timeoutMs), address, localPath}, timeoutMs,
             kMaxDownloadOutputBytes, [done](bool ok, const QByteArray&) { done(ok); });
}

void AbandonRequests(ChildHttpClient& client)
{
    for (QProcess* child : client.findChildren<QProcess*>(Qt::FindDirectChildrenOnly)) {
        child->disconnect();
        child->kill();
        child->waitForFinished();
        delete child;
    }
}

} // namespace tornavel
