#include "core/engine.h"
#include "tests/support/engine_view.h"
#include "platform/bounded_text.h"
#include "tests/support/fake_ui.h"
#include "tests/support/catalogue.h"

#include <gtest/gtest.h>

using namespace tornavel;

namespace {

struct HelpMenu : ::testing::Test {
    StringTable strings;
    FakeUi ui;
    Engine engine{AllCalculators(), strings, ui, QStringLiteral(",")};

    QString Server() const
    {
        QString s = QStringLiteral(TORNAVEL_WEB_SERVER);
        while (s.endsWith(QLatin1Char('/')))
            s.chop(1);
        return s;
    }
};

} // namespace

TEST_F(HelpMenu, HelpPageAddressIsTheFileBesideTheProgram)
{
    EXPECT_EQ(HelpLinks::HelpPageUrl(QStringLiteral("Aide/aide-tornavel.html"), QStringLiteral("/opt/mes outils/")),
              QStringLiteral("file:///opt/mes outils/Aide/aide-tornavel.html"));
}

TEST_F(HelpMenu, HelpItemsOpenTheirPages)
{
    engine.SetDirectories(QStringLiteral("/opt/tornavel/"));
    engine.HelpMenuClick(HelpItem::AideTornavel);
    engine.HelpMenuClick(HelpItem::Collaboration);
    EXPECT_EQ(ui.openedUrls,
              (QStringList{QStringLiteral("file:///opt/tornavel/Aide/aide-tornavel.html"),
                           QStringLiteral("file:///opt/tornavel/Aide/collaboration-entre-calculatrices.html")}));
    EXPECT_TRUE(ui.boxes.isEmpty());
}

TEST_F(HelpMenu, HelpPageFailureEndsWithTheAddressOnItsOwnLine)
{
    engine.SetDirectories(QStringLiteral("/opt/tornavel/"));
    ui.openSucceeds = false;
    engine.HelpMenuClick(HelpItem::AideTornavel);
    ASSERT_EQ(ui.boxes.size(), 1);
    EXPECT_EQ(ui.boxes[0].caption, QString::fromUtf8("Erreur dans l'ouverture du fichier !"));
    EXPECT_EQ(ui.boxes[0].icon, BoxIcon::Exclamation);
    EXPECT_EQ(ui.boxes[0].text,
              QString::fromUtf8("Impossible de lancer votre navigateur par défaut !\n"
                                "Pour accéder au système d'aide, lancer manuellement votre navigateur et "
                                "saisissez dans la barre d'adresse :\n"
                                "file:///opt/tornavel/Aide/aide-tornavel.html"));
}

TEST_F(HelpMenu, WebItemsOpenPagesOfTheConfiguredServer)
{
    engine.HelpMenuClick(HelpItem::SiteInternetAuteur);
    engine.HelpMenuClick(HelpItem::VideosdedmonstrationdeTornavel);
    engine.HelpMenuClick(HelpItem::PagePresentationTornavel);
    ASSERT_EQ(ui.openedUrls.size(), 3);
    EXPECT_EQ(ui.openedUrls[0], Server() + QStringLiteral("/"));
    EXPECT_EQ(ui.openedUrls[1], Server() + QStringLiteral("/Pages_fr/videos-demonstrations-tornavel.html"));
    EXPECT_TRUE(ui.openedUrls[2].startsWith(Server() + QStringLiteral("/Pages_fr/tornavel"))) << qPrintable(ui.openedUrls[2]);
}

TEST_F(HelpMenu, WebPageFailureNamesTheAddressToType)
{
    ui.openSucceeds = false;
    engine.HelpMenuClick(HelpItem::SiteInternetAuteur);
    ASSERT_EQ(ui.boxes.size(), 1);
    EXPECT_TRUE(ui.boxes[0].text.contains(QString::fromUtf8("Pour accéder à cette page web")));
    EXPECT_TRUE(ui.boxes[0].text.endsWith(QStringLiteral(":\n") + Server() + QStringLiteral("/")));
}

TEST_F(HelpMenu, AReplacedWebAddressOfAnyLengthIsShownBoundedInTheFailureBox)
{
#ifdef TEST_REPLACEMENT_RCC
    // The replacement names the presentation page with 3000 letters.
    StringTable replaced;
    ASSERT_TRUE(replaced.LoadReplacement(QStringLiteral(TEST_REPLACEMENT_RCC)));
    Engine other(AllCalculators(), replaced, ui, QStringLiteral(","));
    ui.openSucceeds = false;
    other.HelpMenuClick(HelpItem::PagePresentationTornavel);
    ASSERT_EQ(ui.openedUrls, QStringList{QString(3000, QLatin1Char('a'))});
    ASSERT_EQ(ui.boxes.size(), 1);
    QString shown = ui.boxes[0].text.section(QLatin1Char('\n'), -1);
    EXPECT_EQ(shown.count(kBreakPoint), 2048 / kMaxUnbrokenRun);
    EXPECT_EQ(shown.remove(kBreakPoint), QString(2048, QLatin1Char('a')));
#else
    GTEST_SKIP() << "no replacement resource in this build";
#endif
}

TEST_F(HelpMenu, WindowItemsShowTheirWindowsAndOpenNoPage)
{
    engine.HelpMenuClick(HelpItem::AstucesTornavel);
    engine.HelpMenuClick(HelpItem::AproposdeTornavel);
    engine.HelpMenuClick(HelpItem::MiseANiveau);
    EXPECT_EQ(ui.windowsShown, (QStringList{QStringLiteral("tips"), QStringLiteral("about"), QStringLiteral("upgrade")}));
    EXPECT_TRUE(ui.openedUrls.isEmpty());
    EXPECT_TRUE(ui.boxes.isEmpty());
}
