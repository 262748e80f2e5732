#include "core/engine.h"
#include "platform/locale.h"
#include "platform/paths.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tornavel {
namespace {

TEST(DirectoryOfPath, KeepsEverythingUpToTheLastSeparatorOfEitherKind)
{
    EXPECT_EQ(DirectoryOfPath("C:\\Programmes\\Tornavel\\tornavel.exe"), "C:\\Programmes\\Tornavel\\");
    EXPECT_EQ(DirectoryOfPath("/opt/tornavel/bin/tornavel"), "/opt/tornavel/bin/");
    EXPECT_EQ(DirectoryOfPath("C:/Tornavel\\bin/verolan"), "C:/Tornavel\\bin/");
    EXPECT_EQ(DirectoryOfPath("/opt\\x"), "/opt\\");
    EXPECT_EQ(DirectoryOfPath("/"), "/");
    EXPECT_EQ(DirectoryOfPath("tornavel"), "");
    EXPECT_EQ(DirectoryOfPath(""), "");
}

TEST(DesktopUrl, HelpPageInADirectoryWithEscapedCharactersIsThatFile)
{
    for (const QString& directory : {QString("/opt/tornavel/"), QString("/home/léa/Mes outils #2 (100%)/")}) {
        const QUrl url = DesktopUrl(HelpLinks::HelpPageUrl("Aide/aide-tornavel.html", directory));
        EXPECT_TRUE(url.isLocalFile()) << directory.toStdString();
        EXPECT_EQ(url.toLocalFile(), directory + "Aide/aide-tornavel.html");
    }
    EXPECT_EQ(DesktopUrl("https://tornavel.example/Pages_fr/a.html?x=1#y").toString(),
              "https://tornavel.example/Pages_fr/a.html?x=1#y");
}

TEST(SettingsFilePath, UsesAWritableProgramDirectory)
{
    QTemporaryDir program;
    QTemporaryDir config;
    EXPECT_EQ(SettingsFilePath(program.path() + "/", config.path()), program.path() + "/tornavel.ini");
    EXPECT_EQ(SettingsFilePath(program.path(), config.path()), program.path() + "/tornavel.ini");
    EXPECT_FALSE(QFileInfo::exists(config.filePath("tornavel")));
}

TEST(SettingsFilePath, FallsBackToTheConfigurationDirectoryAndCreatesIt)
{
    QTemporaryDir config;
    const QString missingProgram = config.filePath("absent/bin/");
    EXPECT_EQ(SettingsFilePath(missingProgram, config.path()),
              config.path() + "/tornavel/tornavel.ini");
    EXPECT_TRUE(QFileInfo(config.filePath("tornavel")).isDir());
    // Never a file at the root when there is no configuration directory.
    EXPECT_EQ(SettingsFilePath(missingProgram, ""), missingProgram + "tornavel.ini");
}

TEST(DecimalSeparator, FollowsTheLocaleAndFallsBackToComma)
{
    EXPECT_EQ(ReadDecimalSeparator(QLocale(QLocale::French, QLocale::France)), ",");
    EXPECT_EQ(ReadDecimalSeparator(QLocale::c()), ".");
    EXPECT_EQ(DecimalSeparatorOrComma(""), ",");
    EXPECT_FALSE(ReadDecimalSeparator().isEmpty());
}

} // namespace
} // namespace tornavel
