#include "core/engine.h"
#include "tests/support/engine_view.h"
#include "core/tips.h"
#include "tests/support/fake_ui.h"
#include "tests/support/catalogue.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tornavel;

TEST(UpdateRules, DateMajReadsOnlyTheServersFormats)
{
    const QDateTime at(QDate(2024, 3, 5), QTime(14, 30));
    struct Case {
        const char* text;
        QDateTime expected; // invalid: not a date
    };
    const Case cases[] = {
        {"05/03/2024 14:30", at},
        {"5/3/2024 14:30:00", at},
        {" 05/03/2024  14:30:07 ", at.addSecs(7)},
        {"2024-03-05T14:30:00", at},
        {"2024-03-05 14:30", at},
        {"2024-03-05T13:30:00Z", QDateTime(QDate(2024, 3, 5), QTime(13, 30), Qt::UTC)},
        {"03/05/2024", QDateTime()},          // no time
        {"31/02/2024 10:00", QDateTime()},    // no such day
        {"05/03/2024 25:00", QDateTime()},
        {"5 mars 2024 14:30", QDateTime()},
        {"3/5/24 2:30 PM", QDateTime()},
        {"", QDateTime()},
        {"05/03/2024 14:30:", QDateTime()},
        {"105/03/2024 14:30", QDateTime()},
        {"05/03/2024\t14:30:07\r\n", at.addSecs(7)},
        {"2024-03-05T14:30:00.250", at.addMSecs(250)},
        {"2024-03-05T14:30:00.", QDateTime()},
        {"2024-03-05T14:30+0100", QDateTime(QDate(2024, 3, 5), QTime(13, 30), Qt::UTC)},
        {"2024-03-05T14:30+01", QDateTime()},
        {"2024-3-05T14:30", QDateTime()},
        {"2024-03-05T14:30:00Zx", QDateTime()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const std::optional<QDateTime> parsed = ParseUpdateDate(QString::fromUtf8(c.text));
        EXPECT_EQ(parsed.has_value(), c.expected.isValid());
        if (parsed && c.expected.isValid()) {
            EXPECT_EQ(*parsed, c.expected);
        }
    }
}

TEST(UpdateRules, OnlyWebAddressesWithAHostAreOpened)
{
    EXPECT_TRUE(IsWebAddress(QStringLiteral("https://tornavel.example/dl?v=1.2")));
    EXPECT_TRUE(IsWebAddress(QStringLiteral("HTTP://tornavel.example")));
    for (const char* refused : {"file:///bin/sh", "/bin/sh", "C:\\setup.exe", "https://", "http:/x", "javascript:alert(1)",
                                "mailto:a@b.c", "", "ftp://tornavel.example/"})
        EXPECT_FALSE(IsWebAddress(QString::fromUtf8(refused))) << refused;
}

TEST(UpdateRules, APageAddressCarriesTheProductAsItsQueryValue)
{
    StringTable strings;
    FakeUi ui;
    Engine engine(AllCalculators(), strings, ui);
    engine.FormCreate(QStringLiteral("O"));
    EXPECT_EQ(engine.UpdatePageAddress(), WebServerRoot() + QStringLiteral("/info/maj.php?logiciel=Tornavel1.1"));
    EXPECT_EQ(engine.UpgradePageAddress(), WebServerRoot() + QStringLiteral("/info/man.php?logiciel=Tornavel1.1"));
    EXPECT_EQ(UpgradePageAddress(QStringLiteral("Tornavel pro&co1.1")),
              WebServerRoot() + QStringLiteral("/info/man.php?logiciel=Tornavel%20pro%26co1.1"));
}

namespace {

struct Tips : ::testing::Test {
    QTemporaryDir program;
    QTemporaryDir current;
    QString savedCurrent = QDir::currentPath();
    StringTable strings;
    FakeUi ui;
    Engine engine{AllCalculators(), strings, ui};

    void SetUp() override
    {
        engine.SetDirectories(program.path() + QLatin1Char('/'));
        QDir::setCurrent(current.path());
    }
    void TearDown() override { QDir::setCurrent(savedCurrent); }
    static void Write(const QString& path, const QByteArray& text)
    {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
};

} // namespace

TEST_F(Tips, ButtonsWalkTheElevenTipsAndOpenTheirPages)
{
    TipsWindow tips = engine.Tips();
    QList<bool> aide;
    for (int step = 0; step < 12; ++step) {
        EXPECT_EQ(tips.PredEnabled(), tips.Tip() > 1);
        aide << tips.AideEnabled();
        tips.BtnAideClick();
        tips.BtnSuivantClick();
    }
    EXPECT_EQ(tips.Tip(), 11);
    EXPECT_FALSE(tips.SuivantEnabled());
    EXPECT_EQ(aide.mid(0, 11), (QList<bool>{true, false, true, true, true, false, true, false, true, true, true}));
    // Tip 1 opens the demonstration videos on the web; the others a page beside the program.
    ASSERT_EQ(ui.openedUrls.size(), 9);
    EXPECT_EQ(ui.openedUrls[0], Seen(engine).help.WebPageAddress(346));
    EXPECT_EQ(ui.openedUrls.last(),
              HelpLinks::HelpPageUrl(QStringLiteral("Aide/selection-unite-mesure.html"), Seen(engine).help.ProgramDirectory()));
    for (int step = 0; step < 12; ++step)
        tips.BtnPredClick();
    EXPECT_EQ(tips.Tip(), 1);
    EXPECT_FALSE(tips.PredEnabled());
}

// The update check works in the same folders as the tips.
using UpdateQuestion = Tips;

// A newer build of the running version is offered by a Yes/No question: its text and its
// caption whole, typed apart from the string table.
TEST_F(UpdateQuestion, ANewerBuildIsOfferedWithTheQuestionsTextAndCaption)
{
    ui.programDate = QDateTime(QDate(2024, 3, 5), QTime(14, 30));
    Write(program.filePath(QStringLiteral("Liste_logiciels.ini")),
          "[Tornavel1.1]\r\nDateMaj=06/03/2024 08:00\r\nUrlMaj=https://tornavel.example/dl\r\n"
          "DerVersion=Tornavel1.1\r\n");
    engine.FormCreate(QStringLiteral("O"));
    engine.FormActivate();
    ASSERT_EQ(ui.pendingDownloads.size(), 1);
    ui.pendingDownloads[0](true);
    EXPECT_EQ(ui.questions, QStringList{u"Une nouvelle mise à jour est disponible.\nVoulez-vous accéder à la page de "
                                        u"téléchargement de cette mise à\njour ?"_qs});
    EXPECT_EQ(ui.questionCaptions, QStringList{u"Nouvelle mise à jour détectée"_qs});
}

TEST_F(Tips, DocumentsAreFoundBesideTheProgramFirstThenInTheCurrentDirectory)
{
    TipsWindow tips = engine.Tips();
    const QStringList missing = tips.Document().PlainText().split(QLatin1Char('\n'));
    EXPECT_EQ(missing, (QStringList{QStringLiteral("Le fichier Astuce_1.rtf n'a pas été trouvé !"),
                                    QStringLiteral("Si ce fichier à été déplacé ou supprimé, réinstallez le logiciel pour "
                                                   "pouvoir y accéder de nouveau !")}));
    Write(current.filePath(QStringLiteral("Aide/Astuce_1.rtf")), "{\\rtf1 ici}");
    EXPECT_EQ(tips.Document().PlainText(), QStringLiteral("ici"));
    Write(program.filePath(QStringLiteral("Aide/Astuce_1.rtf")), "{\\rtf1 programme}");
    EXPECT_EQ(tips.Document().PlainText(), QStringLiteral("programme"));
}
