// The rows that describe the calculators, and what the engine derives from them
// (menu, calculator lists, sub-calculations, unit suffixes, titles, help pages).

#include "core/calculator_list.h"
#include "tests/support/engine_parts.h"
#include "tests/support/family_key.h"
#include "core/engine.h"
#include "core/menus.h"
#include "tests/support/fake_ui.h"
#include "tests/support/catalogue.h"

#include <gtest/gtest.h>

#include <QFileInfo>

#include <algorithm>
#include <cstring>
#include <map>
#include <set>

using namespace tornavel;
using namespace Qt::StringLiterals;

namespace {

// The codes that the keypad's keys leave in LastKeyCode and KeyClass.
const std::set<int> KeypadCodes{Code::Plus,      Code::Minus,     Code::Times,      Code::Divide,     Code::Root,
                                Code::Inverse,   Code::Equals,    Code::NextTerm,   Code::AfterUndo,  Code::AfterCE,
                                Code::Digit,     Code::Sine,      Code::Cosine,     Code::Tangent,    Code::Power,
                                Code::Pi,        Code::ArcSine,   Code::ArcCosine,  Code::ArcTangent, Code::ChangeSign,
                                Code::MemoryRecall};

struct CalculatorRows : ::testing::Test {
    StringTable strings;
    FakeUi ui;
    Engine engine{AllCalculators(), strings, ui, QStringLiteral(",")};
    const CalculatorRegistry& rows = engine.Descriptions();

    CalculatorRows() { engine.FormCreate(QStringLiteral("O"), QStringLiteral(",")); }

    std::set<int> OfferedBy(int onScreen) const
    {
        std::set<int> offered;
        for (int c = 0; c < CalculatorCount; ++c) {
            if (rows.Offers(onScreen, c))
                offered.insert(c);
        }
        return offered;
    }
};

std::set<int> Range(int first, int last, std::set<int> more = {})
{
    for (int c = first; c <= last; ++c)
        more.insert(c);
    return more;
}

} // namespace

// Every row is complete and agrees with itself, and every table derived from the rows
// agrees with them.
TEST_F(CalculatorRows, EveryRowIsCompleteAndEveryDerivedTableFollowsTheRows)
{
    std::set<QString> titles;
    std::set<QString> helpPages;
    std::set<int> menuItems;
    for (int n = 0; n < CalculatorCount; ++n) {
        SCOPED_TRACE(n);
        ASSERT_TRUE(rows.Has(n));
        const CalculatorDescription& row = rows.Of(n);
        EXPECT_EQ(row.number, n);

        // Title: a text of its own, which the menu, the lists and the status bar show.
        const QString title = strings.Str(row.titleId);
        EXPECT_FALSE(title.isEmpty());
        titles.insert(title);
        EXPECT_EQ(Seen(engine).screen.CalculatorName(n), title);

        // Help page: a page of its own, beside the program.
        const QString page = strings.Str(row.helpPageId);
        EXPECT_TRUE(page.startsWith(u"Aide/"_s) && page.endsWith(u".html"_s)) << page.toStdString();
        EXPECT_TRUE(QFileInfo::exists(QStringLiteral(TORNAVEL_SOURCE_DIR "/") + page)) << page.toStdString();
        helpPages.insert(page);

        // Menu item.
        EXPECT_GE(row.menuItem, 0);
        menuItems.insert(row.menuItem);
        EXPECT_EQ(rows.MenuItemOfCalculator(n), row.menuItem);
        EXPECT_EQ(rows.CalculatorOfMenuItem(row.menuItem), n);
        EXPECT_EQ(engine.Window().menuCaptions.value(QStringLiteral("Calculette%1").arg(row.menuItem)), title);

        // Kind: a keypad calculator has no inputs and shows its result with "="; an
        // input-protocol one asks for inputs, each with a prompt, and leaves a result
        // code of its own.
        if (row.isKeypad()) {
            EXPECT_TRUE(row.inputs.empty());
            EXPECT_EQ(row.resultCode, Code::None);
            EXPECT_FALSE(row.hasNextKey);
            EXPECT_TRUE(row.options.buttons.empty());
        } else {
            EXPECT_TRUE(rows.IsResultState(row.resultCode) && row.resultCode != Code::Equals) << row.resultCode;
            // A family's code must not be read as one of the keypad's.
            EXPECT_EQ(KeypadCodes.count(row.resultCode), 0u) << row.resultCode;
            ASSERT_FALSE(row.inputs.empty());
            EXPECT_EQ(row.hasNextKey, row.inputCount() > 1);
            for (const InputDescription& input : row.inputs) {
                EXPECT_FALSE(strings.Str(input.prompt.stringId).isEmpty()) << input.prompt.stringId;
                EXPECT_EQ(input.list, input.rows != nullptr);
            }
        }
        EXPECT_EQ(engine.Panel(n).kind, row.kind);

        // Keys: every calculator has "f=" and CE; a keypad one its operator or function
        // keys; an input-protocol one "&&" when it shows it, the list when it has one and
        // the option buttons when it has them.
        const CalculatorKeys& keys = row.keys;
        EXPECT_TRUE(keys.compute);
        EXPECT_TRUE(keys.undo);
        if (row.isKeypad()) {
            EXPECT_TRUE(keys.keypadKey);
        } else {
            EXPECT_FALSE(keys.keypadKey);
            EXPECT_EQ(static_cast<bool>(keys.nextTerm), row.hasNextKey);
            const bool hasList =
                std::any_of(row.inputs.begin(), row.inputs.end(), [](const InputDescription& i) { return i.list; });
            EXPECT_TRUE(keys.listChoice || !hasList);
            EXPECT_TRUE(keys.variantChoice || row.options.buttons.empty());
        }

        // Option buttons write a selection, each button named once.
        std::set<QString> buttons;
        for (const OptionButton& button : row.options.buttons)
            buttons.insert(QString::fromLatin1(button.name));
        EXPECT_EQ(buttons.size(), row.options.buttons.size());
        EXPECT_EQ(row.options.buttons.empty(), rows.SelectionOf(n) < 0);

        // Sub-calculations: the derived relation is the row's list, and the list shown
        // when the calculator opens offers them in the list order.
        for (int c : row.offers)
            EXPECT_TRUE(rows.Has(c)) << c;
        for (int c = 0; c < CalculatorCount; ++c) {
            EXPECT_EQ(rows.Offers(n, c),
                      row.offersEveryCalculator || std::count(row.offers.begin(), row.offers.end(), c) == 1)
                << c;
        }
        EXPECT_EQ(rows.SubCalculationsShowUnits(n), row.subCalculationsShowUnits);
        OpenFromMenu(engine, n);
        std::vector<int> expected;
        for (int c : rows.ListOrder()) {
            if (rows.Offers(n, c))
                expected.push_back(c);
        }
        const auto& shown = Seen(engine).stack.Top().OfferedCalculators;
        EXPECT_EQ(std::vector<int>(shown.begin(), shown.end()), expected);
        EXPECT_EQ(static_cast<size_t>(engine.Window().offeredRows.size()), expected.size());
    }
    EXPECT_EQ(titles.size(), static_cast<size_t>(CalculatorCount));
    EXPECT_EQ(helpPages.size(), static_cast<size_t>(CalculatorCount));
    EXPECT_EQ(menuItems.size(), static_cast<size_t>(CalculatorCount));

    // The menu: an item per calculator in the menu's order, each once, and its separators,
    // named N1, N2 ... in order; never first, never two in a row.
    const std::vector<CalculatorMenuEntry>& menu = rows.Menu();
    std::vector<int> lines;
    int separators = 0;
    for (size_t i = 0; i < menu.size(); ++i) {
        SCOPED_TRACE(i);
        const CalculatorMenuEntry& entry = menu[i];
        if (entry.item < 0) {
            EXPECT_EQ(entry.name, QStringLiteral("N%1").arg(++separators));
            EXPECT_EQ(entry.calculator, -1);
            ASSERT_LT(i + 1, menu.size());
            EXPECT_GE(menu[i + 1].item, 0);
            lines.push_back(MenuSeparator);
            continue;
        }
        EXPECT_EQ(entry.name, QStringLiteral("Calculette%1").arg(entry.item));
        EXPECT_EQ(entry.item, rows.Of(entry.calculator).menuItem);
        lines.push_back(entry.calculator);
    }
    EXPECT_EQ(lines, CalculatorsMenuOrder());
    EXPECT_EQ(std::set<int>(lines.begin(), lines.end()), Range(0, CalculatorCount - 1, {MenuSeparator}));
    EXPECT_EQ(lines.size(), static_cast<size_t>(CalculatorCount + separators));
    EXPECT_GE(menu.front().item, 0);

    // The calculator lists: every calculator once, the keypad ones first, each group by
    // number; the list window's boxes follow them.
    const std::vector<int>& order = rows.ListOrder();
    ASSERT_EQ(order.size(), static_cast<size_t>(CalculatorCount));
    const auto firstOther =
        std::find_if(order.begin(), order.end(), [this](int c) { return !rows.Of(c).isKeypad(); });
    EXPECT_TRUE(std::all_of(firstOther, order.end(), [this](int c) { return !rows.Of(c).isKeypad(); }));
    EXPECT_TRUE(std::is_sorted(order.begin(), firstOther));
    EXPECT_TRUE(std::is_sorted(firstOther, order.end()));
    WithCalculatorList(engine, CalculatorListWindow::ChooseDefault, [&](CalculatorListWindow& list) {
        for (int box = 0; box < list.BoxCount(); ++box) {
            EXPECT_EQ(list.CalculatorOfBox(box), order[static_cast<size_t>(box)]) << box;
            EXPECT_EQ(list.BoxCaption(box), Seen(engine).screen.CalculatorName(order[static_cast<size_t>(box)])) << box;
        }
    });
}

// Ctrl+A on a calculator opens its own help page.
TEST_F(CalculatorRows, HelpKeyOpensThePageOfTheCalculatorOnScreen)
{
    engine.SetDirectories(QStringLiteral("/opt/tornavel/"));
    std::set<QString> opened;
    for (int n = 0; n < CalculatorCount; ++n) {
        SCOPED_TRACE(n);
        OpenFromMenu(engine, n);
        ui.openedUrls.clear();
        EXPECT_TRUE(engine.FormKeyDown(Keypad::KeyA, true));
        ASSERT_EQ(ui.openedUrls.size(), 1);
        EXPECT_EQ(ui.openedUrls[0], HelpLinks::HelpPageUrl(strings.Str(rows.Of(n).helpPageId), Seen(engine).help.ProgramDirectory()));
        opened.insert(ui.openedUrls[0]);
    }
    EXPECT_EQ(opened.size(), static_cast<size_t>(CalculatorCount));
}

TEST_F(CalculatorRows, TitlesAreReadByTheirStringNumbersAndCutToTheBuffer)
{
    const QString longText(200, QLatin1Char('x'));
    const int longId = rows.Of(39).titleId;
    const int missingId = rows.Of(31).titleId;
    const auto names = rows.Titles([&](int id) {
        if (id == longId)
            return longText;
        if (id == missingId)
            return QString(); // missing from the string table
        return QStringLiteral("S%1").arg(id);
    });
    for (int n = 0; n < CalculatorCount; ++n) {
        SCOPED_TRACE(n);
        if (n == 39)
            EXPECT_EQ(names[39], longText.left(149));
        else if (n == 31)
            EXPECT_EQ(names[31], QString());
        else
            EXPECT_EQ(names[static_cast<size_t>(n)], QStringLiteral("S%1").arg(rows.Of(n).titleId));
    }

    const auto own = ReadCalculatorTitles(strings, rows);
    EXPECT_EQ(own[0], u"Calculatrice standard"_s);
    EXPECT_EQ(own[14], u"Calculatrice volume de pyramide à 4 faces"_s);
    EXPECT_EQ(own[39], u"Calculatrice fonctions mathématiques"_s);

    // Before the string table is read, every name is empty.
    Engine fresh{AllCalculators(), strings, ui, QStringLiteral(",")};
    EXPECT_EQ(Seen(fresh).screen.CalculatorName(5), QString());
}

TEST_F(CalculatorRows, SubCalculationsOffered)
{
    EXPECT_EQ(OfferedBy(0), Range(1, 16, Range(18, 39))) << "every calculator but 0 and 17";
    EXPECT_TRUE(OfferedBy(33).empty());
    EXPECT_EQ(OfferedBy(39), Range(0, CalculatorCount - 1));
    for (int c : {1, 16, 17, 20, 22, 27, 32, 36, 38})
        EXPECT_EQ(OfferedBy(c), (std::set<int>{0, 39})) << c;
    EXPECT_EQ(OfferedBy(21), (std::set<int>{0, 19, 39}));
    EXPECT_EQ(OfferedBy(23), Range(11, 15, {0, 39}));
    EXPECT_EQ(OfferedBy(35), Range(11, 15, {0, 39}));
    EXPECT_EQ(OfferedBy(24), (std::set<int>{0, 3, 4, 8, 9, 39}));
    EXPECT_EQ(OfferedBy(25), (std::set<int>{0, 3, 4, 5, 8, 9, 39}));
    EXPECT_EQ(OfferedBy(26), (std::set<int>{0, 8, 9, 10, 39}));
    EXPECT_EQ(OfferedBy(34), (std::set<int>{0, 33, 39}));

    for (int row = 0; row < CalculatorCount; ++row)
        EXPECT_EQ(rows.Offers(row, 17), row == 39) << row;
}

TEST_F(CalculatorRows, UnitSuffixesShownInTheSubCalculationsOfBuildingAndElectricalCalculators)
{
    std::set<int> flagged;
    for (int c = 0; c < CalculatorCount; ++c) {
        if (rows.SubCalculationsShowUnits(c))
            flagged.insert(c);
    }
    EXPECT_EQ(flagged, Range(21, 34, {17, 18, 19}));
}

TEST_F(CalculatorRows, CalculatorsNamingTheSameGroupShareOneSelection)
{
    as_family::Open(engine, 0);
    // Chooses option `index` of calculator `number`, as its option button's key does.
    const auto choose = [](CalculatorContext& c, const CalculatorDescription& row, int index) {
        c.ChooseOption(row, index);
        c.RecomputeForOption([] {});
    };
    int pairsSharing = 0;
    for (int a = 0; a < CalculatorCount; ++a) {
        const OptionGroup& options = rows.Of(a).options;
        if (options.buttons.empty())
            continue;
        for (int b = 0; b < CalculatorCount; ++b) {
            const OptionGroup& other = rows.Of(b).options;
            if (b == a || other.buttons.empty())
                continue;
            SCOPED_TRACE(::testing::Message() << a << " and " << b);
            const bool sameGroup = options.group && other.group && std::strcmp(options.group, other.group) == 0;
            AsFamilyKey(engine, [&](CalculatorContext& c) {
                choose(c, rows.Of(a), 1);
                EXPECT_EQ(c.OptionSelection(rows.Of(b)), sameGroup ? 1 : 0);
                choose(c, rows.Of(a), 0);
            });
            pairsSharing += sameGroup ? 1 : 0;
        }
    }
    EXPECT_GT(pairsSharing, 0);
}
