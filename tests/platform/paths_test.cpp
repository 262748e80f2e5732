#include "core/engine.h"
#include "platform/locale.h"
#include "platform/paths.h"
#include "platform/settings.h"

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

// The build tree keeps the help pages and the helper beside the program: found there
// first, also when an installed tree sits beside (the install test checks the other case).
TEST(InstalledFiles, AreFoundBesideTheProgramFirst)
{
    QTemporaryDir root;
    const QString build = root.filePath("build/");
    for (const QString& dir : {build + "Aide", build + "tornavel-fetch", root.filePath("share/tornavel/Aide"),
                               root.filePath("lib/tornavel/tornavel-fetch")})
        ASSERT_TRUE(QDir().mkpath(dir));
    EXPECT_EQ(HelpDirectory(build), build);
    EXPECT_EQ(HelperProgramPath(build, "tornavel-fetch"), build + "tornavel-fetch");
}

// The program folder cannot be written (here it is missing, as the super-user can write
// any folder that exists): the default beside the program is read until the user has a
// file of his own, which the first write makes, folder included.
TEST(SettingsPaths, AreBesideAWritableProgramElseTheUsersFileOnceWritten)
{
    QTemporaryDir root;
    const QString config = root.filePath("config");
    const QString user = root.filePath("config/tornavel/tornavel.ini");
    const QString missing = root.filePath("missing/");
    const QString writable = root.path() + "/";
    EXPECT_EQ(SettingsWritePath(missing, config), user);
    EXPECT_EQ(SettingsReadPath(missing, config), missing + "tornavel.ini");
    EXPECT_FALSE(QFileInfo::exists(config));  // finding the paths makes nothing
    ASSERT_TRUE(QDir().mkpath(user));         // something in the file's place that is no file
    EXPECT_EQ(SettingsReadPath(missing, config), missing + "tornavel.ini");
    ASSERT_TRUE(QDir().rmdir(user));
    ASSERT_TRUE(WriteSetting(SettingsWritePath(missing, config), "Comportement fenetre", "Redimensionnable", "N"));
    EXPECT_EQ(SettingsReadPath(missing, config), user);
    EXPECT_EQ(ReadWindowBehaviour(user), "N");

    // A writable program folder is read and written, whatever the user has.
    EXPECT_EQ(SettingsWritePath(writable, config), writable + "tornavel.ini");
    EXPECT_EQ(SettingsReadPath(root.path(), config), writable + "tornavel.ini");
    // Never a file at the root when there is no configuration directory.
    EXPECT_EQ(SettingsWritePath(missing, ""), missing + "tornavel.ini");
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
