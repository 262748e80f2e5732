#include "core/calcerror.h"
#include "tests/support/engine_parts.h"
#include "tests/support/family_key.h"
#include "tests/support/program_steps.h"
#include "core/engine.h"
#include "core/history_file.h"
#include "core/menus.h"
#include "tests/support/fake_ui.h"
#include "tests/support/catalogue.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include <sys/stat.h>

using namespace tornavel;

namespace {

HistoryEntry Entry(int number, const QString& text, std::array<double, 6> inputs, int termIndex, int unit = 10)
{
    HistoryEntry e;
    e.Number = number;
    e.Text = text;
    e.Inputs = inputs;
    e.TermIndex = termIndex;
    e.UnitScale = unit;
    return e;
}

qint32 Int32At(const QByteArray& bytes, int offset)
{
    return qFromLittleEndian<qint32>(bytes.constData() + offset);
}

double DoubleAt(const QByteArray& bytes, int offset)
{
    const quint64 bits = qFromLittleEndian<quint64>(bytes.constData() + offset);
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}

QByteArray FileBytes(std::initializer_list<HistoryEntry> entries, int count)
{
    History h;
    int k = 0;
    for (const HistoryEntry& e : entries)
        h.HistoryEntries[static_cast<size_t>(k++)] = e;
    h.LastHistoryIndex = k - 1;
    QByteArray bytes = EncodeHistory(h);
    qToLittleEndian<qint32>(count, bytes.data());
    return bytes;
}

struct CalculationHistory : ::testing::Test {
    StringTable strings;
    FakeUi ui;
    Engine engine{AllCalculators(), strings, ui, QStringLiteral(",")};
    QTemporaryDir dir;
    // The history file on its own, for the tests of its bytes.
    HistoryBook book{engine.Descriptions()};

    CalculationHistory() { engine.FormCreate(QStringLiteral("O")); }

    QString PathOf(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    void WriteFile(const QString& path, const QByteArray& bytes)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    QByteArray ReadFile(const QString& path)
    {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return f.readAll();
    }

    // A calculation recorded as a family's compute key records it, in the current unit.
    void Add(int number, const QString& text, std::array<double, 6> inputs = {}, int term = 0)
    {
        RecordAsAFamily(engine, number, text, inputs, term);
    }
};

} // namespace

// ---- The file, byte by byte ------------------------------------------------

TEST_F(CalculationHistory, EntryIsWrittenFieldByFieldLittleEndian)
{
    History h;
    h.LastHistoryIndex = 0;
    h.HistoryEntries[0] = Entry(26, QString::fromUtf8("Crépi€&2"), {12.5, -3, 0.25, 0, 0, 0}, 2, 25);
    const QByteArray bytes = EncodeHistory(h);

    ASSERT_EQ(bytes.size(), 4 + 168);
    EXPECT_EQ(Int32At(bytes, 0), 0);
    EXPECT_EQ(Int32At(bytes, 4), 26);
    // Windows-1252: é is E9, the euro sign 80; the text ends with a NUL.
    EXPECT_EQ(bytes.mid(8, 9), QByteArray("Cr\xE9pi\x80&2\0", 9));
    EXPECT_EQ(DoubleAt(bytes, 4 + 112), 12.5);
    EXPECT_EQ(DoubleAt(bytes, 4 + 120), -3.0);
    EXPECT_EQ(DoubleAt(bytes, 4 + 128), 0.25);
    EXPECT_EQ(Int32At(bytes, 4 + 160), 2);
    EXPECT_EQ(Int32At(bytes, 4 + 164), 25);

    const History back = DecodeHistory(bytes);
    ASSERT_EQ(back.LastHistoryIndex, 0);
    EXPECT_EQ(back.HistoryEntries[0].Text, QString::fromUtf8("Crépi€&2"));
    EXPECT_EQ(back.HistoryEntries[0].Inputs, h.HistoryEntries[0].Inputs);
    EXPECT_EQ(back.HistoryEntries[0].UnitScale, 25);
}

TEST_F(CalculationHistory, EmptyHistoryIsWrittenAsFourFFBytes)
{
    const QString path = PathOf("CLS.dat");
    ASSERT_TRUE(book.Save(path));
    EXPECT_EQ(ReadFile(path), QByteArray("\xFF\xFF\xFF\xFF"));
}

TEST_F(CalculationHistory, TwentyEntriesMakeA3364ByteFileThatReadsBackTheSame)
{
    TemporaryCurrentFolder folder;
    engine.FormActivate();
    for (int k = 0; k < 20; ++k)
        Add(2 + k % 10, QStringLiteral("%1&7").arg(k), {double(k), 7, 0, 0, 0, 0}, 1);
    engine.FormClose();
    EXPECT_EQ(ReadFile(folder.Path(QStringLiteral("CLS.dat"))).size(), 3364);

    Engine next{AllCalculators(), strings, ui, QStringLiteral(",")};
    next.FormActivate();
    ASSERT_EQ(Seen(next).history.Values().LastHistoryIndex, 19);
    for (int k = 0; k < 20; ++k) {
        const HistoryEntry& a = Seen(engine).history.Values().HistoryEntries[static_cast<size_t>(k)];
        const HistoryEntry& b = Seen(next).history.Values().HistoryEntries[static_cast<size_t>(k)];
        EXPECT_EQ(a.Number, b.Number);
        EXPECT_EQ(a.Text, b.Text);
        EXPECT_EQ(a.Inputs, b.Inputs);
        EXPECT_EQ(a.TermIndex, b.TermIndex);
        EXPECT_EQ(a.UnitScale, b.UnitScale);
    }
}

TEST_F(CalculationHistory, TextIsCutTo107CharactersAndStaysTerminated)
{
    Add(0, QString(200, QLatin1Char('7')));
    EXPECT_EQ(Seen(engine).history.Values().HistoryEntries[0].Text.size(), 107);
    const QByteArray bytes = EncodeHistory(Seen(engine).history.Values());
    EXPECT_EQ(bytes.at(4 + 4 + 107), '\0');

    // A file whose text fills all 108 bytes is read as 107 characters.
    QByteArray hostile = bytes;
    hostile[4 + 4 + 107] = 'x';
    EXPECT_EQ(DecodeHistory(hostile).HistoryEntries[0].Text, QString(107, QLatin1Char('7')));
}

// ---- Appending --------------------------------------------------------------

TEST_F(CalculationHistory, TwentyFirstCalculationDropsTheOldest)
{
    for (int k = 0; k < 20; ++k)
        Add(2, QStringLiteral("e%1").arg(k), {double(k), 100.0 + k, 0, 0, 0, 0}, 1);
    // The new one is of the standard calculator, which stores no inputs.
    Add(0, QStringLiteral("1+1=2"));
    const auto& e = Seen(engine).history.Values().HistoryEntries;
    EXPECT_EQ(Seen(engine).history.Values().LastHistoryIndex, 19);
    EXPECT_EQ(e[0].Text, QStringLiteral("e1"));
    EXPECT_EQ(e[0].Inputs[0], 1.0);
    EXPECT_EQ(e[0].Inputs[1], 101.0);
    EXPECT_EQ(e[18].Text, QStringLiteral("e19"));
    EXPECT_EQ(e[19].Number, 0);
    EXPECT_EQ(e[19].Text, QStringLiteral("1+1=2"));
    // Twenty-one added, of which the twenty still there count as this run's.
    EXPECT_EQ(Seen(engine).history.Values().NewEntryCount, HistoryCapacity);
}

TEST_F(CalculationHistory, NothingIsAddedWhileRecomputingAndCalculator39KeepsItsFunction)
{
    as_family::Open(engine, 2);
    AsFamilyKey(engine, [](CalculatorContext& c) {
        c.RecomputeForOption([&c] {
            c.ShowResult({.terms = QStringLiteral("3&4"), .result = QStringLiteral("7"), .formula = QStringLiteral("3&4")});
        });
    });
    EXPECT_EQ(Seen(engine).history.Values().LastHistoryIndex, -1);

    AsFamilyKey(engine, [](CalculatorContext& c) { c.TakenBack(Code::Tangent); });
    Add(39, QStringLiteral("45"));
    EXPECT_EQ(Seen(engine).history.Values().HistoryEntries[0].Inputs[2], 30.0);
}

// ---- Damaged and hostile files ------------------------------------------------

TEST_F(CalculationHistory, ShortOrNegativeCountFilesGiveAnEmptyHistory)
{
    EXPECT_EQ(DecodeHistory(QByteArray()).LastHistoryIndex, -1);
    EXPECT_EQ(DecodeHistory(QByteArray("\x01\x00", 2)).LastHistoryIndex, -1);
    const QByteArray negative = FileBytes({Entry(2, QStringLiteral("a"), {1, 2}, 1)}, -7);
    EXPECT_EQ(DecodeHistory(negative).LastHistoryIndex, -1);
}

TEST_F(CalculationHistory, FileShorterThanItsCountKeepsItsCompleteRecords)
{
    QByteArray bytes = FileBytes({Entry(2, QStringLiteral("a"), {1, 2}, 1), Entry(4, QStringLiteral("b"), {3, 4}, 1),
                                  Entry(5, QStringLiteral("c"), {5, 6}, 1)},
                                 9);
    bytes.chop(10);  // the third record is cut short
    const History h = DecodeHistory(bytes);
    ASSERT_EQ(h.LastHistoryIndex, 1);
    EXPECT_EQ(h.HistoryEntries[1].Text, QStringLiteral("b"));
}

TEST_F(CalculationHistory, CountAbove19KeepsTheNewestTwentyRecords)
{
    QByteArray bytes;
    for (int k = 0; k < 25; ++k) {
        History one;
        one.LastHistoryIndex = 0;
        one.HistoryEntries[0] = Entry(2, QStringLiteral("r%1").arg(k), {double(k), 1}, 1);
        bytes += EncodeHistory(one).mid(4);
    }
    char count[4];
    qToLittleEndian<qint32>(24, count);
    bytes.prepend(count, 4);
    const History h = DecodeHistory(bytes);
    ASSERT_EQ(h.LastHistoryIndex, 19);
    EXPECT_EQ(h.HistoryEntries[0].Text, QStringLiteral("r5"));
    EXPECT_EQ(h.HistoryEntries[19].Text, QStringLiteral("r24"));
}

TEST_F(CalculationHistory, RecordsThatCannotBeReplayedSafelyAreDropped)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const QByteArray bytes = FileBytes(
        {
            Entry(CalculatorCount, QStringLiteral("number outside"), {1}, 0),
            Entry(-1, QStringLiteral("number -1"), {1}, 0),
            Entry(2, QStringLiteral("term 6"), {1, 2}, 6),
            Entry(2, QStringLiteral("term -1"), {1, 2}, -1),
            Entry(2, QStringLiteral("unit 7"), {1, 2}, 1, 7),
            Entry(2, QStringLiteral("nan"), {1, nan}, 1),
            Entry(39, QStringLiteral("nan code"), {1, 0, nan}, 0),
            Entry(33, QStringLiteral("circuit 18"), {18, 1}, 1),
            Entry(35, QStringLiteral("material 107"), {107, 1, 0}, 2),
            Entry(37, QStringLiteral("scale -1"), {-1, 20}, 1),
            Entry(2, QStringLiteral("kept"), {1, 2, nan, nan, 0, 0}, 1),
            Entry(37, QStringLiteral("kept too"), {2, 20}, 1),
        },
        11);
    const History h = DecodeHistory(bytes, &engine.Descriptions());
    ASSERT_EQ(h.LastHistoryIndex, 1);
    EXPECT_EQ(h.HistoryEntries[0].Text, QStringLiteral("kept"));
    // Values beyond the term index carry no meaning and are cleared.
    EXPECT_EQ(h.HistoryEntries[0].Inputs[2], 0.0);
    EXPECT_EQ(h.HistoryEntries[1].Text, QStringLiteral("kept too"));
}

// What an entry holds comes from its calculator's row: the standard calculator keeps
// no inputs, the mathematical functions keep their function beyond the term index.
TEST_F(CalculationHistory, EntriesHoldWhatTheirCalculatorsRowsSay)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const QByteArray bytes = FileBytes(
        {
            Entry(0, QStringLiteral("1+2=3"), {nan, nan, nan, 0, 0, 0}, 0),
            Entry(39, QStringLiteral("30"), {30, nan, Code::Sine, nan, 0, 0}, 0),
        },
        1);
    const History h = DecodeHistory(bytes, &engine.Descriptions());
    ASSERT_EQ(h.LastHistoryIndex, 1);
    EXPECT_EQ(h.HistoryEntries[0].Inputs, (std::array<double, 6>{0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(h.HistoryEntries[1].Inputs, (std::array<double, 6>{30, 0, Code::Sine, 0, 0, 0}));

    // Without the rows every entry holds its inputs up to its term index.
    const History bare = DecodeHistory(bytes);
    ASSERT_EQ(bare.LastHistoryIndex, 0);
    EXPECT_EQ(bare.HistoryEntries[0].Text, QStringLiteral("30"));
}

TEST_F(CalculationHistory, MissingFileGivesAnEmptyHistoryThatIsWrittenAtClose)
{
    const QString path = PathOf("CLS.dat");
    EXPECT_FALSE(book.Load(path));
    EXPECT_EQ(book.Values().LastHistoryIndex, -1);
    EXPECT_TRUE(book.Save(path));
    EXPECT_TRUE(QFile::exists(path));
}

TEST_F(CalculationHistory, FileThatExistsButCannotBeReadIsNotReplaced)
{
    // A directory in place of the file: it exists, but opening it for reading fails.
    const QString path = PathOf("CLS.dat");
    ASSERT_TRUE(QDir().mkpath(path));
    EXPECT_FALSE(book.Load(path));
    book.Add(2, QStringLiteral("3&4"), {3, 4}, 1, 10, Code::None);
    EXPECT_FALSE(book.Save(path));
    EXPECT_TRUE(QFileInfo(path).isDir());
}

// A read-only history file (in a folder that can be written) is kept as it is, and the
// close says that the history could not be saved; for the super-user too, whom the
// system lets write anything.
TEST_F(CalculationHistory, AHistoryFileThatCannotBeOpenedForWritingIsKeptAndTheCloseSaysSo)
{
    KeepCurrentFolder keep;
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    const QString path = PathOf("CLS.dat");
    const QByteArray before = FileBytes({Entry(2, QStringLiteral("3&4"), {3, 4}, 1)}, 0);
    WriteFile(path, before);
    const QByteArray native = QFile::encodeName(path);
    ASSERT_EQ(::chmod(native.constData(), 0444), 0);
    engine.FormActivate();
    Add(2, QStringLiteral("5&6"), {5, 6}, 1);
    engine.FormClose();

    EXPECT_EQ(ReadFile(path), before);
    struct stat st {};
    EXPECT_TRUE(::stat(native.constData(), &st) == 0 && (st.st_mode & 07777) == 0444);
    EXPECT_EQ(ui.saveFailures, QStringList({QStringLiteral("Impossible d'enregistrer l'historique des calculs dans ")
                                            + path + QString::fromUtf8("\u00A0: accès refusé")}));
}

TEST_F(CalculationHistory, SavingReplacesTheFileWhole)
{
    const QString path = PathOf("CLS.dat");
    WriteFile(path, QByteArray(5000, 'x'));
    ASSERT_TRUE(book.Load(path));  // read, nothing usable in it
    EXPECT_EQ(book.Values().LastHistoryIndex, -1);
    ASSERT_TRUE(book.Save(path));
    EXPECT_EQ(ReadFile(path), QByteArray("\xFF\xFF\xFF\xFF"));
    // Nothing is left beside it: no temporary, no lock file.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"CLS.dat"}));
}

// ---- The history menu ---------------------------------------------------------

TEST_F(CalculationHistory, MenuOverAnEmptyHistoryHasNoItem)
{
    engine.PopupMCalculsPopup();
    EXPECT_TRUE(engine.Window().historyCaptions.isEmpty());
}

TEST_F(CalculationHistory, CaptionsNameTheCalculatorAndTheValueThatIdentifiesIt)
{
    as_family::Open(engine, 0);
    AsFamilyKey(engine, [](CalculatorContext& c) { c.TakenBack(Code::Power); });
    Add(0, QStringLiteral("123456789012345"));
    Add(2, QStringLiteral("12,5&3"), {12.5, 3}, 1);
    Add(39, QStringLiteral("2^3"), {2, 3}, 1);
    Add(35, QStringLiteral("x"), {0, 2, 1}, 2);
    Add(37, QStringLiteral("x"), {2, 20}, 1);
    engine.PopupMCalculsPopup();
    const QStringList& c = engine.Window().historyCaptions;
    ASSERT_EQ(c.size(), 5);
    EXPECT_EQ(c[0], QStringLiteral("Standard: 1234567890..."));
    EXPECT_EQ(c[1], QString::fromUtf8("Périmètre d'éllipse: 12,5..."));
    EXPECT_EQ(c[2], QString::fromUtf8("Fonctions mathématiques: X²..."));
    EXPECT_TRUE(c[3].startsWith(QStringLiteral("Convertisseur volume-poids: "))) << qPrintable(c[3]);
    EXPECT_EQ(c[4], QStringLiteral("Convertisseur température: Fahrenheit..."));
}

TEST_F(CalculationHistory, RafterAndParquetCaptionsShowTheLengthInTheUnitOfTheEntry)
{
    // 100 inches typed, stored in centimetres.
    ChooseInUnitWindow(engine, 25);
    Add(17, QStringLiteral("100&200&24"), {254, 0, 60.96}, 2);
    ChooseInUnitWindow(engine, 10);
    engine.PopupMCalculsPopup();
    ASSERT_EQ(engine.Window().historyCaptions.size(), 1);
    EXPECT_TRUE(engine.Window().historyCaptions[0].endsWith(QStringLiteral(": 100..."))) << qPrintable(engine.Window().historyCaptions[0]);
}

// ---- Reopening an entry -------------------------------------------------------

TEST_F(CalculationHistory, ReopeningRecomputesWithoutAddingAndRestoresTheEntryUnit)
{
    // An earlier run computed in millimetres, then went back to centimetres.
    TemporaryCurrentFolder folder;
    Engine earlier{AllCalculators(), strings, ui, QStringLiteral(",")};
    earlier.FormActivate();
    OpenFromMenu(earlier, 1);
    ChooseInUnitWindow(earlier, 1);
    earlier.PCalculatriceDigitClick(1);
    earlier.PCalculatriceDigitClick(0);
    earlier.PCalculClick(1);
    ASSERT_EQ(Seen(earlier).history.Values().LastHistoryIndex, 0);
    const QString formula = earlier.Panel(1).formula;
    const QString result = earlier.Panel(1).result;
    ChooseInUnitWindow(earlier, 10);
    earlier.FormClose();

    engine.FormActivate();
    OpenFromMenu(engine, 2);
    engine.TraitArticleMCalculs(0);

    EXPECT_EQ(Seen(engine).stack.Top().Number, 1);
    EXPECT_EQ(engine.Panel(1).formula, formula);
    EXPECT_EQ(engine.Panel(1).result, result);
    EXPECT_EQ(Seen(engine).history.Values().LastHistoryIndex, 0);
    EXPECT_EQ(Seen(engine).options.Values().UnitScaleCode, 1);
    EXPECT_EQ(Seen(engine).options.Values().LengthUnitSuffix, QStringLiteral("(mm)"));
    EXPECT_FALSE(Seen(engine).options.Values().OptionsChanged);
    EXPECT_FALSE(Seen(engine).keys.RecomputingFlag());
}

TEST_F(CalculationHistory, StandardCalculatorEntryShowsItsLastTerm)
{
    Add(0, QStringLiteral("2+3=5"));
    engine.TraitArticleMCalculs(0);
    EXPECT_EQ(engine.Panel(0).formula, QStringLiteral("2+3=5"));
    EXPECT_EQ(engine.Panel(0).result, QStringLiteral("5"));
    EXPECT_EQ(Seen(engine).keys.LastKeyCode(), Code::Equals);
    EXPECT_EQ(Seen(engine).keys.KeyClass(), Code::Equals);
}

TEST_F(CalculationHistory, FailingComputeKeyLeavesRecomputingCleared)
{
    bool sawFlag = false;
    const CalculatorCatalogue failing = WithKeysOf(19, [&sawFlag](CalculatorKeys& keys) {
        keys.compute = [&sawFlag](CalculatorContext& c) {
            sawFlag = c.Keys().RecomputingFlag();
            throw CalcError(QStringLiteral("Division par zéro en virgule flottante"));
        };
    }, AllCalculators());
    Engine standIn{failing, strings, ui, QStringLiteral(",")};
    RecordAsAFamily(standIn, 19, QStringLiteral("30&5"), {30, 5}, 1);
    EXPECT_THROW(standIn.TraitArticleMCalculs(0), CalcError);
    EXPECT_TRUE(sawFlag);
    EXPECT_FALSE(Seen(standIn).keys.RecomputingFlag());
}

TEST_F(CalculationHistory, ReplayRefillsListsAndSelectsOnlyRowsInsideThem)
{
    // The compute keys of 37 and 18 stand in for their own; the test runs on an engine
    // that serves them.
    std::array<double, 6> seen{};
    const CalculatorCatalogue standIns = WithKeysOf(18, [](CalculatorKeys& keys) {
        keys.compute = [](CalculatorContext&) {};
    }, WithKeysOf(37, [&seen](CalculatorKeys& keys) {
        keys.compute = [&seen](CalculatorContext& c) { seen = c.Top().Inputs; };
    }, AllCalculators()));
    Engine standIn{standIns, strings, ui, QStringLiteral(",")};
    standIn.FormCreate(QStringLiteral("O"));
    Engine& engine = standIn;
    RecordAsAFamily(engine, 37, QStringLiteral("Fahrenheit&20"), {2, 20}, 1);
    engine.TraitArticleMCalculs(0);
    EXPECT_EQ(engine.Panel(37).listRows,
              (QStringList{QStringLiteral("Celsius"), QStringLiteral("Kelvin"), QStringLiteral("Fahrenheit")}));
    EXPECT_EQ(engine.Panel(37).listIndex, 2);
    EXPECT_EQ(seen[0], 2.0);
    EXPECT_EQ(seen[1], 20.0);
    EXPECT_EQ(Seen(engine).stack.Top().TermIndex, 1);

    // A rafter entry whose last input is not a row of the load classes selects none
    // (seen before the calculator's own compute key, which refuses such a section).
    RecordAsAFamily(engine, 18, QStringLiteral("300&250&8/12"), {300, 1, 7}, 2);
    engine.TraitArticleMCalculs(1);
    EXPECT_EQ(engine.Panel(18).listRows.size(), 3);
    EXPECT_EQ(engine.Panel(18).listIndex, -1);

    // Paint: the surface list is refilled without a selection.
    OpenFromMenu(engine, 25);
    AsFamilyKey(engine, [](CalculatorContext& c) { c.TakeListChoice(3); });
    RecordAsAFamily(engine, 25, QStringLiteral("x"), {10, 2, 8, 2}, 3);
    engine.TraitArticleMCalculs(2);
    EXPECT_EQ(engine.Panel(25).listRows.size(), 5);
    EXPECT_EQ(engine.Panel(25).listIndex, -1);

    // Circuit: the points of the circuit chosen first.
    RecordAsAFamily(engine, 33, QStringLiteral("x"), {0, 3}, 1);
    engine.TraitArticleMCalculs(3);
    EXPECT_FALSE(engine.Panel(33).listRows.isEmpty());
    EXPECT_EQ(engine.Panel(33).listRows.first(), QStringLiteral("1"));
    EXPECT_EQ(engine.Panel(33).listIndex, 3);
}

TEST_F(CalculationHistory, OutOfRangeMenuItemDoesNothing)
{
    OpenFromMenu(engine, 3);
    engine.TraitArticleMCalculs(0);
    engine.TraitArticleMCalculs(-1);
    EXPECT_EQ(Seen(engine).stack.Top().Number, 3);
}
