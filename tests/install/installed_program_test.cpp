// Run by check_install.cmake, copied beside the installed programs (PREFIX/bin) and
// started from another folder: what the programs find where the install put things.

#include "core/engine.h"
#include "platform/child_fetch.h"
#include "platform/paths.h"
#include "tests/support/catalogue.h"
#include "tests/support/engine_view.h"
#include "tests/support/program_steps.h"
#include "tests/support/fake_ui.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>

using namespace tornavel;

namespace {

TEST(InstalledProgram, FindsItsHelperHelpPagesAndTips)
{
    const QString prefix = QDir::cleanPath(ProgramDirectory() + "..") + "/";
    EXPECT_EQ(HelpDirectory().toStdString(), (prefix + "share/tornavel/").toStdString());
    EXPECT_EQ(FetchHelperPath().toStdString(), (prefix + "lib/tornavel/tornavel-fetch").toStdString());

    // The engine set up as the program's start-up does; Ctrl+A on every calculator.
    StringTable strings;
    FakeUi ui;
    Engine engine(AllCalculators(), strings, ui, ",");
    engine.SetDirectories(ProgramDirectory(), HelpDirectory());
    engine.FormCreate("O", ",");
    for (int n = 0; n < CalculatorCount; ++n) {
        OpenFromMenu(engine, n);
        engine.FormKeyDown(Keypad::KeyA, true);
    }
    ASSERT_EQ(ui.openedUrls.size(), CalculatorCount);
    for (const QString& page : ui.openedUrls)
        EXPECT_TRUE(QFileInfo(DesktopUrl(page).toLocalFile()).isFile()) << page.toStdString();
    const TipsWindow tips = engine.Tips();
    for (int tip = 1; tip <= TipsWindow::TipCount; ++tip)
        EXPECT_TRUE(tips.DocumentPath(tip).startsWith(HelpDirectory())) << tip;
}

// The installed Tornavel starts, and ends at the end of the session with its history kept
// in the current folder.
TEST(InstalledProgram, StartsFromAnotherFolderAndKeepsItsStateThere)
{
    QTemporaryDir folder;
    QProcess tornavel;
    tornavel.setWorkingDirectory(folder.path());
    tornavel.start(ProgramDirectory() + "tornavel", {});
    ASSERT_TRUE(tornavel.waitForStarted());
    const auto catchesSigterm = [&] {  // once its window is up
        QFile status(QStringLiteral("/proc/%1/status").arg(tornavel.processId()));
        const QByteArray text = status.open(QIODevice::ReadOnly) ? status.readAll() : QByteArray();
        const qsizetype at = text.indexOf("SigCgt:");
        return at >= 0 && (text.mid(at + 7, 17).trimmed().toULongLong(nullptr, 16) >> (SIGTERM - 1)) & 1;
    };
    ASSERT_TRUE(QTest::qWaitFor(catchesSigterm, 20000));
    ::kill(static_cast<pid_t>(tornavel.processId()), SIGTERM);
    ASSERT_TRUE(tornavel.waitForFinished(20000));
    EXPECT_EQ(tornavel.exitCode(), 0) << tornavel.readAllStandardError().toStdString();
    EXPECT_TRUE(QFileInfo(folder.filePath("CLS.dat")).isFile());
}

// The icon of the desktop's menu and task bar shows a picture, not a plain square.
TEST(InstalledProgram, IconDrawsAPicture)
{
    const QString icons = QDir::cleanPath(ProgramDirectory() + "..") + "/share/icons/hicolor/";
    EXPECT_TRUE(QFileInfo(icons + "scalable/apps/tornavel.svg").isFile());
    for (const int size : {16, 48}) {
        const QImage icon(icons + QStringLiteral("%1x%1/apps/tornavel.png").arg(size));
        ASSERT_EQ(icon.size(), QSize(size, size)) << size;
        // Dark strokes on light keys, not a pale gradient.
        int darkest = 255, lightest = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                if (qAlpha(icon.pixel(x, y)) == 255) {
                    darkest = std::min(darkest, qGray(icon.pixel(x, y)));
                    lightest = std::max(lightest, qGray(icon.pixel(x, y)));
                }
            }
        }
        EXPECT_GE(lightest - darkest, 128) << size;
    }
}

} // namespace

int main(int argc, char* argv[])
{
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
