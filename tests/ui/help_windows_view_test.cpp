// The windows of the help menu and the window-behaviour window, shown for real.

#include "core/engine.h"
#include "tests/support/engine_view.h"
#include "tests/support/fake_ui.h"
#include "tests/support/file_system.h"
#include "tests/support/local_http_server.h"
#include "ui/dialogs/about_window.h"
#include "ui/dialogs/tips_window.h"
#include "ui/dialogs/unit_window.h"
#include "ui/dialogs/window_behaviour_window.h"
#include "ui/dialogs/page_document.h"
#include "ui/dialogs/page_windows.h"
#include "platform/bounded_text.h"
#include "platform/page_html.h"
#include "platform/child_fetch.h"
#include "platform/translations.h"
#include "ui/widget_ui_services.h"
#include "tests/support/catalogue.h"
#include "tests/support/shaped_marks.h"

#include <QAbstractButton>
#include <QAbstractTextDocumentLayout>
#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>
#include <QTimer>

#include <gtest/gtest.h>

#include <map>

using namespace tornavel;
using namespace tornavel::testing;

namespace {

// Runs `user` on the modal window that the next call opens.
void WithModal(std::function<void(QWidget*)> user)
{
    QTimer::singleShot(0, [user] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        user(modal);
    });
}

struct HelpWindows : ::testing::Test {
    StringTable strings;
    FakeUi fake;
    WidgetUiServices ui{strings};
    Engine engine{AllCalculators(), strings, ui};
    // Links in the page windows go to the desktop's browser.
    WebPageOpener browser = [this](const QString& address) { ui.OpenUrl(address); };

    void SetUp() override
    {
        engine.SetDirectories(QCoreApplication::applicationDirPath() + QLatin1Char('/'));
        engine.FormCreate(QStringLiteral("O"));
    }
};

} // namespace

TEST_F(HelpWindows, TipsWindowWalksTheElevenTipsAndKeepsTheLastOneSeen)
{
    Engine recording(AllCalculators(), strings, fake);
    recording.SetDirectories(Seen(engine).help.ProgramDirectory());
    TFAstuces tips(strings, recording.Tips());
    tips.show();
    QStringList texts{tips.RichEdit()->toPlainText()};
    for (int click = 0; click < 11; ++click) {
        QTest::mouseClick(tips.BtnSuivant(), Qt::LeftButton);
        texts << tips.RichEdit()->toPlainText();
    }
    EXPECT_EQ(tips.Model().Tip(), 11);
    EXPECT_FALSE(tips.BtnSuivant()->isEnabled());
    EXPECT_EQ(texts[11], texts[10]); // a click past the last tip changes nothing
    // The prompt stands to the left of the field it names.
    EXPECT_TRUE(texts[0].contains(QStringLiteral("L'étiquette à gauche du champ de saisie"))) << texts[0].toStdString();
    for (int tip = 1; tip <= 10; ++tip) {
        EXPECT_NE(texts[tip], texts[tip - 1]) << tip;
        EXPECT_FALSE(texts[tip].contains(QStringLiteral("n'a pas été trouvé"))) << tip;
    }
    // The title is bold and centred over the body.
    const QTextBlock title = tips.RichEdit()->document()->firstBlock();
    EXPECT_EQ(title.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(title.begin().fragment().charFormat().fontWeight(), QFont::Bold);
    QTest::mouseClick(tips.BtnAide(), Qt::LeftButton);
    EXPECT_EQ(fake.openedUrls.size(), 1);
    for (int click = 0; click < 10; ++click)
        QTest::mouseClick(tips.BtnPred(), Qt::LeftButton);
    EXPECT_EQ(tips.RichEdit()->toPlainText(), texts[0]);
    EXPECT_FALSE(tips.BtnPred()->isEnabled());
    // Return presses the focused button.
    tips.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&tips));
    tips.BtnSuivant()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(tips.BtnSuivant(), Qt::Key_Return);
    QTest::keyClick(tips.BtnSuivant(), Qt::Key_Return);
    EXPECT_EQ(tips.RichEdit()->toPlainText(), texts[2]);
    tips.BtnPred()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(tips.BtnPred(), Qt::Key_Return);
    EXPECT_EQ(tips.RichEdit()->toPlainText(), texts[1]);
    EXPECT_TRUE(tips.isVisible());
    QTest::mouseClick(tips.BtnPred(), Qt::LeftButton);

    // Through the help menu: closed on tip 3, it opens again on tip 3.
    WithModal([](QWidget* window) {
        auto* next = window->findChild<QPushButton*>(QStringLiteral("BtnSuivant"));
        QTest::mouseClick(next, Qt::LeftButton);
        QTest::mouseClick(next, Qt::LeftButton);
        window->close();
    });
    engine.HelpMenuClick(HelpItem::AstucesTornavel);
    QString reopened;
    WithModal([&](QWidget* window) {
        reopened = window->findChild<QTextBrowser*>(QStringLiteral("RichEdit"))->toPlainText();
        window->close();
    });
    engine.HelpMenuClick(HelpItem::AstucesTornavel);
    EXPECT_EQ(reopened, texts[2]);
}

// The captions that the about, tips and unit windows and the menu items take from the
// string table, each whole against a copy typed apart from the table. A screen reader
// names the tip's text by the tips window's caption.
TEST_F(HelpWindows, WindowsAndMenuItemsShowTheirCaptionsWhole)
{
    TFApropos about(strings);
    TFAstuces tips(strings, engine.Tips());
    TFOptions unit(strings, {});
    const std::map<QString, QWidget*> windows{
        {QStringLiteral("FApropos"), &about}, {QStringLiteral("FAstuces"), &tips}, {QStringLiteral("FOptions"), &unit}};
    const struct {
        const char* window;  // "" for an item of the main window's menus
        const char* element; // "" for the window's caption
        const char* text;
    } captions[] = {
        {"FApropos", "", "A propos de Tornavel"},
        {"FAstuces", "", "Premiers pas avec Tornavel"},
        {"FAstuces", "BtnPred", "Astuce précéd"},
        {"FAstuces", "BtnSuivant", "Astuce suivante"},
        {"FOptions", "", "Unité de mesure"},
        {"FOptions", "RgUnites", "Sélection de l'unité de mesure"},
        {"FOptions", "RgUnites_0", "Millimètre (mm/mm2/mm3)"},
        {"FOptions", "RgUnites_1", "Centimètre (cm/cm2/cm3)"},
        {"FOptions", "RgUnites_2", "Mètre (m/m2/m3)"},
        {"FOptions", "RgUnites_3", "Pouce (in/in2/in3)"},
        {"FOptions", "RgAffUnite", "Affichage de l'unite de mesure"},
        {"FOptions", "RgAffUnite_0", "Afficher si nécéssaire"},
        {"FOptions", "RgAffUnite_1", "Toujours afficher"},
        {"", "AideTornavel", "Aide Tornavel"},
        {"", "Collaboration", "Collaboration entre calculatrices"},
        {"", "AstucesTornavel", "Astuces Tornavel"},
        {"", "PagePresentationTornavel", "Page de présentation Tornavel"},
        {"", "SiteInternetAuteur", "Site Internet de l'auteur"},
        {"", "AproposdeTornavel", "A propos de Tornavel"},
        {"", "UniteMesure", "Unité de mesure"},
        {"", "SelCalculetteDefaut", "Sélection calculatrice par défaut"},
        {"", "SelCalculetteFavorites", "Sélection calculatrices favorites"},
    };
    for (const auto& c : captions) {
        SCOPED_TRACE(::testing::Message() << c.window << " " << c.element);
        const QString element = QString::fromLatin1(c.element);
        QString shown;
        if (!*c.window) {
            shown = engine.Window().menuCaptions.value(element);
        } else if (element.isEmpty()) {
            shown = windows.at(QString::fromLatin1(c.window))->windowTitle();
        } else {
            const QWidget* widget = windows.at(QString::fromLatin1(c.window))->findChild<QWidget*>(element);
            ASSERT_NE(widget, nullptr);
            if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
                shown = button->text();
            else if (const auto* group = qobject_cast<const QGroupBox*>(widget))
                shown = group->title();
        }
        EXPECT_EQ(shown, QString::fromUtf8(c.text));
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(tips.RichEdit())->text(QAccessible::Name),
              QStringLiteral("Premiers pas avec Tornavel"));
}

TEST_F(HelpWindows, MissingTipSaysSoOnTwoLines)
{
    QTemporaryDir empty;
    const QString saved = QDir::currentPath();
    QDir::setCurrent(empty.path());
    engine.SetDirectories(empty.path() + QLatin1Char('/'));
    TFAstuces tips(strings, engine.Tips());
    QTest::mouseClick(tips.BtnSuivant(), Qt::LeftButton);
    QDir::setCurrent(saved);
    EXPECT_EQ(tips.RichEdit()->toPlainText(),
              QStringLiteral("Le fichier Astuce_2.rtf n'a pas été trouvé !\nSi ce fichier à été déplacé ou supprimé, "
                             "réinstallez le logiciel pour pouvoir y accéder de nouveau !"));
    EXPECT_TRUE(tips.BtnPred()->isEnabled());
    EXPECT_FALSE(tips.BtnAide()->isEnabled());
}

TEST_F(HelpWindows, TipFilesOfEndlessWordsOrAccentsShowTheirBeginningAndClose)
{
    QTemporaryDir program;
    ASSERT_TRUE(QDir(program.path()).mkpath(QStringLiteral("Aide")));
    engine.SetDirectories(program.path() + QLatin1Char('/'));
    // A megabyte of letters in one word; one letter under 65,000 accents; one letter, then
    // accents on 2,100 zero-width spaces.
    for (const QByteArray& text : {QByteArray(2 << 20, 'x'), "a" + QByteArray("\\u769?").repeated(65000) + "b",
                                   "a" + ("\\u8203?" + QByteArray("\\u769?").repeated(29)).repeated(2100)}) {
        QFile file(program.filePath(QStringLiteral("Aide/Astuce_2.rtf")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("{\\rtf1\\ansi {\\b Astuce}\\par Cliquez sur la touche.\\par " + text + "}");
        file.close();
        TFAstuces tips(strings, engine.Tips());
        tips.show();
        QTest::mouseClick(tips.BtnSuivant(), Qt::LeftButton);
        const QString shown = tips.RichEdit()->toPlainText();
        EXPECT_TRUE(shown.startsWith(QStringLiteral("Astuce\nCliquez sur la touche.\n") + QChar::fromLatin1(text[0])));
        EXPECT_LE(shown.size(), 17 * 1024);
        EXPECT_FALSE(shown.contains(QString(kMaxUnbrokenRun + 1, QLatin1Char('x'))));
        EXPECT_LE(LongestMarkChain(shown), kMaxMarkRun);
        if (text.endsWith('b')) {
            EXPECT_TRUE(shown.endsWith(QString(kMaxMarkRun, QChar(0x0301)) + u'b'));
        }
        QTest::keyClick(&tips, Qt::Key_Escape);
        EXPECT_FALSE(tips.isVisible());
    }
}

TEST_F(HelpWindows, TipOfThirtyThousandShortRunsIsLaidOutOnceAndCloses)
{
    QTemporaryDir program;
    ASSERT_TRUE(QDir(program.path()).mkpath(QStringLiteral("Aide")));
    QFile file(program.filePath(QStringLiteral("Aide/Astuce_2.rtf")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("{\\rtf1{\\colortbl;\\red200\\green0\\blue0;}" + QByteArray("{\\b a}{\\i b}{\\ul c}{\\cf1 d}").repeated(30000) + "}");
    file.close();
    engine.SetDirectories(program.path() + QLatin1Char('/'));
    TFAstuces tips(strings, engine.Tips());
    tips.show();
    QTextDocument* document = tips.RichEdit()->document();
    int changes = 0;
    QObject::connect(document, &QTextDocument::contentsChange, [&] { ++changes; });
    QTest::mouseClick(tips.BtnSuivant(), Qt::LeftButton);
    // The tip is laid out once, not again at each run put in; and it has few runs.
    EXPECT_LE(changes, 3);
    int runs = 0;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it)
            ++runs;
    }
    EXPECT_GT(runs, 100);
    EXPECT_LE(runs, TipsWindow::kMaxRuns);
    EXPECT_TRUE(tips.RichEdit()->toPlainText().startsWith(QStringLiteral("abcdabcd")));
    QTest::keyClick(&tips, Qt::Key_Escape);
    EXPECT_FALSE(tips.isVisible());
}

TEST_F(HelpWindows, AboutAndWindowBehaviourWindowsShowTheirTextsAndClose)
{
    QString about;
    WithModal([&](QWidget* window) {
        about = window->windowTitle() + QLatin1Char('|') + window->findChild<QLabel*>(QStringLiteral("LblRens"))->text();
        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("BtnOk")), Qt::LeftButton);
    });
    engine.HelpMenuClick(HelpItem::AproposdeTornavel);
    EXPECT_EQ(about, engine.Str(127) + QLatin1Char('|') + engine.Str(128));

    bool startedFixed = false;
    WithModal([&](QWidget* window) {
        auto* label = window->findChild<QLabel*>(QStringLiteral("Label"));
        EXPECT_EQ(label->text(), engine.Str(340, 600));
        EXPECT_LE(label->heightForWidth(label->width()), label->height()) << "text 340 does not fit";
        startedFixed = window->findChild<QRadioButton*>(QStringLiteral("RdbtnNonRedim"))->isChecked();
        QTest::mouseClick(window->findChild<QRadioButton*>(QStringLiteral("RdbtnRedim")), Qt::LeftButton);
        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("BtnOk")), Qt::LeftButton);
    });
    EXPECT_EQ(ui.ShowWindowBehaviourWindow(false), QStringLiteral("O"));
    EXPECT_TRUE(startedFixed);
}

TEST_F(HelpWindows, PageWindowsShowTheServedPageAFreshLoadEachTimeOrTheErrorPage)
{
    LocalHttpServer server;
    server.Set("/info/man.php?logiciel=Tornavel1.1", {LocalHttpServer::Kind::Normal, 200,
                                                      "<html><meta charset=\"utf-8\"><p>Passez à la version 2</p></html>"});
    ChildHttpClient network;
    const TFPageWindow::Layout layout{"Page", 348, 542, 402, 524, 345, 214, 365};
    TFPageWindow page(strings, network, browser, layout, server.Root() + QStringLiteral("/info/man.php?logiciel=Tornavel1.1"));
    for (int showing = 1; showing <= 2; ++showing) {
        page.show();
        ASSERT_TRUE(WaitFor([&] { return page.Browser()->toPlainText().contains(QStringLiteral("Passez à la version 2")); }));
        EXPECT_EQ(server.Requests(), showing);
        QTest::mouseClick(page.BtnFermer(), Qt::LeftButton);
        EXPECT_FALSE(page.isVisible());
    }
    TFPageWindow missing(strings, network, browser, layout, server.Root() + QStringLiteral("/introuvable"));
    missing.show();
    ASSERT_TRUE(WaitFor([&] { return missing.Browser()->toPlainText().startsWith(QStringLiteral("Impossible d'afficher")); }));
    EXPECT_TRUE(missing.Browser()->toPlainText().contains(QStringLiteral("/introuvable")));

    // A page of one unbroken line of several megabytes: its beginning shows, and the window closes.
    server.Set("/info/maj.php?logiciel=Tornavel1.1",
               {LocalHttpServer::Kind::Normal, 200, "<p>Version 2</p><p>" + QByteArray(5'000'000, 'x') + "</p>"});
    TFPageWindow hostile(strings, network, browser, layout, server.Root() + QStringLiteral("/info/maj.php?logiciel=Tornavel1.1"));
    hostile.show();
    ASSERT_TRUE(WaitFor([&] { return hostile.Browser()->toPlainText().startsWith(QStringLiteral("Version 2\nxxx")); }));
    EXPECT_LE(hostile.Browser()->toPlainText().remove(kBreakPoint).size(), kMaxShownPageLength);
    EXPECT_FALSE(hostile.Browser()->toPlainText().contains(QString(kMaxUnbrokenRun + 1, QLatin1Char('x'))));
    QTest::keyClick(&hostile, Qt::Key_Escape);
    EXPECT_FALSE(hostile.isVisible());

    // The help menu's upgrade item shows the engine's upgrade page.
    Engine recording(AllCalculators(), strings, fake);
    recording.HelpMenuClick(HelpItem::MiseANiveau);
    ASSERT_EQ(fake.pageAddresses, QStringList{recording.UpgradePageAddress()});
    TFMiseANiveau upgrade(strings, network, browser, fake.pageAddresses.front());
    EXPECT_EQ(upgrade.windowTitle(), QStringLiteral("Mettre à niveau Tornavel"));
    EXPECT_EQ(upgrade.Address(), recording.UpgradePageAddress());
}

namespace {

// The work a text view does on a document: the levels of frames (each level of tables
// lays out the ones inside it again) and their count, the cells of its grids, its
// pictures (each may float), the items of its longest list and the most combining marks
// tied to one character (see LongestMarkChain).
struct LayoutWork {
    int depth = 0, frames = 0, cells = 0, images = 0, listItems = 0, marks = 0;

    explicit LayoutWork(QTextDocument& document)
    {
        depth = Depth(document.rootFrame());
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
            if (block.textList())
                listItems = std::max(listItems, block.textList()->count());
            for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it)
                images += it.fragment().charFormat().isImageFormat();
        }
        marks = static_cast<int>(LongestMarkChain(document.toPlainText()));
    }
    int Depth(QTextFrame* frame)
    {
        if (const QTextTable* table = qobject_cast<QTextTable*>(frame))
            cells += table->rows() * table->columns();
        int inner = 0;
        for (QTextFrame* child : frame->childFrames()) {
            ++frames;
            inner = std::max(inner, Depth(child));
        }
        return inner + 1;
    }
};

} // namespace

TEST_F(HelpWindows, HostilePagesAreLaidOutWithinBoundsAndClose)
{
    const auto times = [](const char* piece, int n) { return QByteArray(piece).repeated(n); };
    const QByteArray huge = "2147483647";
    QTemporaryDir folder;
    const QString fifo = folder.filePath(QStringLiteral("image.png"));
    ASSERT_EQ(MakeSpecial(fifo, 0), S_IFIFO);
    const QByteArray accents = QString(65000, QChar(0x0301)).toUtf8();
    const QByteArray threeTables = times("<table><tr><td>", 3);
    // A letter, then 2,100 invisible characters each under accents.
    const auto accentsOn = [](char32_t invisible, int each) {
        return "fin a" + (QString::fromUcs4(&invisible, 1) + QString(each, QChar(0x0301))).repeated(2100).toUtf8();
    };
    QList<QByteArray> pages = {
        times("<table><tr><td>", 22) + "fin",
        // Qt puts each table that stands directly in a table, a row, a caption or a
        // section inside the one before: thirty such tables are thirty levels deep.
        "<table>" + times("<table><tr><td>x</table>", 30) + "fin",
        "<table><tr><td>x</td></tr>" + times("<table><tr><td>x</table>", 30) + "fin",
        "<table><caption>" + times("<table><tr><td>x</table>", 30) + "fin",
        "<table><tbody>" + times("<table><tr><td>x</table>", 30) + "fin",
        // A letter under 65,000 accents, written as characters or as references.
        threeTables + "fin a" + accents,
        threeTables + "fin a" + times("&#769;", 10000),
        // Accents on invisible characters after a letter (more such characters below).
        times("<table><tr><td>", 2) + accentsOn(0x200B, 29),
        threeTables + accentsOn(0x200B, 1),
        threeTables + "fin a" + times("&#8203;&#769;", 5000),
        "<table cellpadding=" + huge + "><tr><td>fin</td></tr></table>",
        times("<table><tr><td>", 4300) + "fin",
        // Sizes of the same kind, through other attributes and style sheets.
        "<style>td{padding:" + huge + "px;border:" + huge + "px solid} p{margin:" + huge + "px}</style><table cellspacing="
            + huge + " border=" + huge + " width=" + huge + "><tr><td colspan=" + huge + " rowspan=" + huge
            + "><p style=\"font-size:16777215px;line-height:" + huge + "px;text-indent:" + huge + "px;-qt-block-indent:"
            + huge + "\">x<img width=" + huge + " height=" + huge + "></table><ul style=\"-qt-list-indent:" + huge
            + "\"><li>fin</ul>",
        // Counts of the same kind.
        "<ol>" + times("<li>x", 2000) + "</ol>" + times("<img style=\"float:left\">", 600) + "<table><tr>"
            + times("<td>", 1000) + times("<tr><td>", 1000) + "</table>" + times("<ul><li>", 1000) + "fin",
        // Nothing a page names is read: this file never ends, and a FIFO waits for a writer.
        "<img src=\"file:///dev/zero\" width=20 height=20><img src=\"" + QFile::encodeName(fifo) + "\">fin",
    };
    for (const char32_t invisible : {0x200B, 0x2060, 0xFEFF, 0x00AD, 0x202E, 0x200E})
        pages << threeTables + accentsOn(invisible, 29);
    LocalHttpServer server;
    ChildHttpClient network;
    const TFPageWindow::Layout layout{"Page", 348, 542, 402, 524, 345, 214, 365};
    for (const QByteArray& body : pages) {
        SCOPED_TRACE(body.left(60).toStdString());
        const HangGuard guard;
        server.Set("/info/maj.php", {LocalHttpServer::Kind::Normal, 200, body});
        TFPageWindow page(strings, network, browser, layout, server.Root() + QStringLiteral("/info/maj.php"));
        page.show();
        ASSERT_TRUE(WaitFor([&] { return page.Browser()->toPlainText().contains(QStringLiteral("fin")); }));
        QTextDocument& document = *page.Browser()->document();
        const LayoutWork work(document);
        EXPECT_LE(work.depth, 1 + PageDocument::kFrameDepth);
        EXPECT_LE(work.frames, PageDocument::kFrames);
        EXPECT_LE(work.marks, kMaxMarkRun);
        // Tables over the bound leave their text.
        if (body.contains("<td>x</table>")) {
            EXPECT_EQ(document.toPlainText().count(QLatin1Char('x')), body.count("<td>x"));
        }
        EXPECT_LE(work.cells, PageLimits::kTableCells);
        EXPECT_LE(work.images, PageLimits::kImages);
        EXPECT_LE(work.listItems, PageLimits::kListItems);
        // Every size was brought within what a window shows, so the page has a size.
        const QSizeF size = document.documentLayout()->documentSize();
        EXPECT_GT(size.height(), 0);
        EXPECT_LT(size.width(), 10'000);
        EXPECT_LT(size.height(), 1'000'000);
        QTest::keyClick(&page, Qt::Key_Escape);
        EXPECT_FALSE(page.isVisible());
    }
}

TEST_F(HelpWindows, StandardButtonsAndFieldMenusSpeakFrench)
{
    ASSERT_TRUE(InstallFrenchTranslations(*qApp))
        << "Qt's French translation is missing: install the Debian package qt6-translations-l10n";
    QStringList buttons;
    QString caption, text;
    WithModal([&](QWidget* box) {
        for (QAbstractButton* button : box->findChildren<QAbstractButton*>())
            buttons << button->text().remove(QLatin1Char('&'));
        caption = box->windowTitle();
        text = static_cast<QMessageBox*>(box)->text();
        static_cast<QMessageBox*>(box)->button(QMessageBox::No)->click();
    });
    EXPECT_FALSE(ui.AskYesNo(engine.Str(345, 200), engine.Str(343, 200)));
    EXPECT_EQ(caption, engine.Str(343, 200));
    EXPECT_EQ(text, engine.Str(345, 200));
    buttons.sort();
    EXPECT_EQ(buttons, (QStringList{QStringLiteral("Non"), QStringLiteral("Oui")}));
    QLineEdit field;
    std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
    QStringList items;
    for (const QAction* action : menu->actions())
        items << action->text().remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0);
    EXPECT_TRUE(items.contains(QStringLiteral("Copier"))) << items.join(QLatin1Char(',')).toStdString();
    EXPECT_TRUE(items.contains(QStringLiteral("Coller")));
}
