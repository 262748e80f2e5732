// Start-up probe for tools/bench-startup: starts one window, either a bare Qt window
// with one label or the Tornavel main window, and prints, once its first frame is
// painted, the time since main() began and the resident memory of the process; then,
// once the program has settled, its resident memory again. Settled means two seconds
// after the start and, for the main window, the update check of its first activation
// ended, whatever its outcome.
//
//   bench_startup_probe bare|main
//   -> first-paint-ns=<nanoseconds> rss-kib=<kibibytes>
//      settled-rss-kib=<kibibytes>

#include "calculators/install.h"
#include "core/engine.h"
#include "core/layout.h"
#include "core/strings.h"
#include "ui/tornavel_window.h"
#include "ui/widget_ui_services.h"

#include <QDir>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
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

// The desktop services of the program, noting when the update check has ended.
class WatchedUiServices : public tornavel::WidgetUiServices {
public:
    bool checkEnded = false;
    void DownloadFile(const QString& address, const QString& localPath, std::function<void(bool)> done) override
    {
        WidgetUiServices::DownloadFile(address, localPath, [this, done](bool downloaded) {
            checkEnded = true;
            done(downloaded);
        });
    }
};

// Reports the first paint of one window, after the whole frame is done, then the
// memory once `settled` holds and kSettledAfterMs have passed since main() began.
class FirstPaint : public QObject {
public:
    FirstPaint(QWidget* window, const QElapsedTimer& sinceMain, std::function<bool()> settled)
        : window_(window), sinceMain_(sinceMain), settled_(std::move(settled))
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
                                static_cast<long long>(sinceMain_.nsecsElapsed()), ResidentKiB());
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
    std::function<bool()> settled_;
    bool seen_ = false;
};

} // namespace

int main(int argc, char* argv[])
{
    QElapsedTimer sinceMain;
    sinceMain.start();
    const bool bare = argc > 1 && std::strcmp(argv[1], "bare") == 0;
    const bool tornavel = argc > 1 && std::strcmp(argv[1], "main") == 0;
    if (!bare && !tornavel) {
        std::fprintf(stderr, "usage: %s bare|main\n", argv[0]);
        return 2;
    }

    QApplication app(argc, argv);
    using namespace tornavel;
    // The main window keeps its state files out of the current directory.
    QTemporaryDir dir;
    StringTable strings;
    WatchedUiServices ui;
    CalculatorCatalogue calculators;
    InstallCalculatorFamilies(calculators);
    std::unique_ptr<Engine> engine;
    std::unique_ptr<QWidget> window;
    if (bare) {
        window = std::make_unique<QWidget>();
        auto* label = new QLabel(QStringLiteral("Tornavel"), window.get());
        label->move(10, 10);
        window->resize(MainClientWidth, MainClientHeight);
    } else {
        engine = std::make_unique<Engine>(calculators, strings, ui, QStringLiteral(","));
        ui.SetEngine(*engine);
        // The state files are named relative to the current directory.
        QDir::setCurrent(dir.path());
        auto mainWindow = std::make_unique<TFTornavel>(*engine, dir.filePath(QStringLiteral("tornavel.ini")),
                                                        QStringLiteral(","));
        ui.SetMainWindow(mainWindow.get());
        window = std::move(mainWindow);
    }
    FirstPaint watch(window.get(), sinceMain, [&] { return bare || ui.checkEnded; });
    window->show();
    // Never wait for ever: a window that is not painted reports nothing.
    QTimer::singleShot(30000, &app, [] { QCoreApplication::exit(1); });
    const int status = app.exec();
    window.reset();
    return status;
}
