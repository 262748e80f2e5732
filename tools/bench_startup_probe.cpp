// Start-up probe for tools/bench-startup: starts one window, either a bare Qt window
// with one label or the Tornavel main window, and prints, once its first frame is
// painted, the time since the process was started and its resident memory; then, once
// the program has settled, its resident memory again. Settled means two seconds after
// the start and, for the main window, the update check of its first activation ended,
// whatever its outcome.
//
// The same source builds two programs: bench_bare_probe, with TORNAVEL_BENCH_BARE
// defined, links Qt Widgets alone and does what a bare Qt program does; and
// bench_startup_probe, linked like Tornavel, starts the main window as ui/main.cpp does.
// So each pays for the loading of its own program, and nothing of the other's.
//
//   bench_bare_probe bare | bench_startup_probe main
//   -> first-paint-ns=<nanoseconds> rss-kib=<kibibytes>
//      settled-rss-kib=<kibibytes>
//
// The start of the process is the time in TORNAVEL_BENCH_LAUNCH (seconds since the
// epoch with a fraction, as bash's EPOCHREALTIME, read just before the program is
// started); without it, the start of main().

#ifndef TORNAVEL_BENCH_BARE
#include "calculators/install.h"
#include "core/engine.h"
#include "core/strings.h"
#include "platform/font_preload.h"
#include "platform/paths.h"
#include "platform/translations.h"
#include "ui/focus_frames.h"
#include "ui/program_icon.h"
#include "ui/session_end.h"
#include "ui/tornavel_window.h"
#include "ui/widget_ui_services.h"

#include <QDir>
#include <QTemporaryDir>
#endif
#include "core/layout.h"

#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>

namespace {

// Resident set size of this process, from /proc/self/status (0 when unreadable).
long long ResidentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

constexpr qint64 kSettledAfterMs = 2000;

// Nanoseconds between the start of the process, as TORNAVEL_BENCH_LAUNCH gives it, and
// the start of main(); 0 without it.
qint64 LaunchToMainNs()
{
    const QByteArray launch = qgetenv("TORNAVEL_BENCH_LAUNCH").replace(',', '.');
    const int point = launch.indexOf('.');
    if (launch.isEmpty() || point < 0)
        return 0;
    // Whole seconds and the fraction apart: a double would round away the microseconds.
    const qint64 seconds = launch.left(point).toLongLong();
    const qint64 micros = launch.mid(point + 1).leftJustified(6, '0').left(6).toLongLong();
    const qint64 nowNs = QDateTime::currentMSecsSinceEpoch() * 1000000;
    return std::max<qint64>(0, nowNs - (seconds * 1000000000 + micros * 1000));
}

#ifndef TORNAVEL_BENCH_BARE
// The desktop services of the program, noting when the update check has ended.
class WatchedUiServices : public tornavel::WidgetUiServices {
public:
    using WidgetUiServices::WidgetUiServices;
    bool checkEnded = false;
    void DownloadFile(const QString& address, const QString& localPath, std::function<void(bool)> done) override
    {
        WidgetUiServices::DownloadFile(address, localPath, [this, done](bool downloaded) {
            checkEnded = true;
            done(downloaded);
        });
    }
};

#endif

// Reports the first paint of one window, after the whole frame is done, then the
// memory once `settled` holds and kSettledAfterMs have passed since main() began.
class FirstPaint : public QObject {
public:
    FirstPaint(QWidget* window, const QElapsedTimer& sinceMain, qint64 launchToMainNs, std::function<bool()> settled)
        : window_(window), sinceMain_(sinceMain), launchToMainNs_(launchToMainNs), settled_(std::move(settled))
    {
        qApp->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!seen_ && event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget*>(watched)->window() == window_) {
            seen_ = true;
            // Queued: runs once every widget of this frame has painted, before what the
            // window itself queued from its paint.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    std::printf("first-paint-ns=%lld rss-kib=%lld\n",
                                static_cast<long long>(launchToMainNs_ + sinceMain_.nsecsElapsed()), ResidentKiB());
                    std::fflush(stdout);
                    WaitUntilSettled();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    void WaitUntilSettled()
    {
        if (sinceMain_.elapsed() < kSettledAfterMs || !settled_()) {
            QTimer::singleShot(50, this, [this] { WaitUntilSettled(); });
            return;
        }
        std::printf("settled-rss-kib=%lld\n", ResidentKiB());
        std::fflush(stdout);
        QCoreApplication::exit(0);
    }

    QWidget* window_;
    const QElapsedTimer& sinceMain_;
    qint64 launchToMainNs_;
    std::function<bool()> settled_;
    bool seen_ = false;
};

} // namespace

int main(int argc, char* argv[])
{
    QElapsedTimer sinceMain;
    sinceMain.start();
    // Read at once, before anything else delays it.
    const qint64 launchToMainNs = LaunchToMainNs();
#ifdef TORNAVEL_BENCH_BARE
    if (argc < 2 || std::strcmp(argv[1], "bare") != 0) {
        std::fprintf(stderr, "usage: %s bare\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    auto window = std::make_unique<QWidget>();
    auto* label = new QLabel(QStringLiteral("Tornavel"), window.get());
    label->move(10, 10);
    window->resize(tornavel::MainClientWidth, tornavel::MainClientHeight);
    FirstPaint watch(window.get(), sinceMain, launchToMainNs, [] { return true; });
#else
    if (argc < 2 || std::strcmp(argv[1], "main") != 0) {
        std::fprintf(stderr, "usage: %s main\n", argv[0]);
        return 2;
    }
    using namespace tornavel;
    // The steps of ui/main.cpp, but for the state files, kept out of the current
    // directory, and the services, which note the end of the update check.
    FontConfigurationPreload fonts;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tornavel"));
    InstallFrenchTranslations(app);
    SetProgramIcon();
    ShowFocusFrames(app);
    QTemporaryDir dir;
    StringTable strings;
    strings.LoadReplacement(ProgramDirectory() + QStringLiteral("uitext.rcc"));
    WatchedUiServices ui(strings);
    CalculatorCatalogue calculators;
    InstallCalculatorFamilies(calculators);
    Engine engine(calculators, strings, ui, QStringLiteral(","));
    // The state files are named relative to the current directory.
    QDir::setCurrent(dir.path());
    auto window = std::make_unique<TFTornavel>(engine, dir.filePath(QStringLiteral("tornavel.ini")),
                                               QStringLiteral(","));
    ui.SetMainWindow(window.get());
    SessionEndCloser sessionEnd(window.get());
    FirstPaint watch(window.get(), sinceMain, launchToMainNs, [&ui] { return ui.checkEnded; });
    fonts.Wait();
#endif
    window->show();
    // Never wait for ever: a window that is not painted reports nothing.
    QTimer::singleShot(30000, &app, [] { QCoreApplication::exit(1); });
    const int status = app.exec();
    window.reset();
    return status;
}
