// Two Tornavels started on one folder: each run's history reaches CLS.dat, whichever
// closes first.

#include "core/engine.h"
#include "tests/support/engine_view.h"
#include "tests/support/program_steps.h"
#include "core/history_file.h"
#include "tests/support/fake_ui.h"
#include "tests/support/file_system.h"
#include "tests/support/catalogue.h"

#include <latch>
#include <optional>
#include <thread>

using namespace tornavel;
using namespace tornavel::testing;

namespace {

QStringList Texts(const History& history)
{
    QStringList texts;
    for (int k = 0; k <= history.LastHistoryIndex; ++k)
        texts << history.HistoryEntries[static_cast<size_t>(k)].Text;
    return texts;
}

QStringList Numbered(const char* prefix, int from, int to)
{
    QStringList texts;
    for (int k = from; k <= to; ++k)
        texts << QLatin1String(prefix) + QString::number(k);
    return texts;
}

// One program started in the folder, which becomes the current one: it reads the files
// there at its first activation.
struct Program {
    StringTable strings;
    FakeUi ui;
    Engine engine{AllCalculators(), strings, ui, QStringLiteral(",")};

    explicit Program(const QString& directory)
    {
        QDir::setCurrent(directory);
        engine.FormCreate(QStringLiteral("O"));
        engine.FormActivate();
    }
    void Calculate(const QStringList& texts)
    {
        for (const QString& text : texts)
            RecordAsAFamily(engine, 2, text, {3, 4}, 1);
    }
};

} // namespace

TEST(TwoRuns, EachRunsNewEntriesFollowWhatTheFileHoldsAtItsClose)
{
    KeepCurrentFolder keep;
    struct Case {
        const char* name;
        QStringList before, first, second;  // the file at the start; the new entries of each run
        QStringList after;                  // the file once both have closed, first before second
        bool firstReplays = false;          // the first run reopens the entries it read
    };
    const Case cases[] = {
        {"no file yet", {}, {"11+1"}, {"22+2", "33+3"}, {"11+1", "22+2", "33+3"}},
        {"a file of two", {"a", "b"}, {"11+1"}, {"22+2"}, {"a", "b", "11+1", "22+2"}},
        {"entries read and replayed are not new", {"a", "b"}, {}, {"22+2"}, {"a", "b", "22+2"}, true},
        {"the newest twenty are kept", Numbered("old", 1, 18), {"x1", "x2", "x3"}, {"y1", "y2"},
         Numbered("old", 4, 18) + QStringList{"x1", "x2", "x3", "y1", "y2"}},
        {"a run of more than twenty", {"a"}, Numbered("x", 1, 25), {"y1"}, Numbered("x", 7, 25) + QStringList{"y1"}},
    };
    for (const Case& c : cases) {
        for (const bool firstStartsFirst : {true, false}) {
            SCOPED_TRACE(::testing::Message() << c.name << (firstStartsFirst ? "" : ", the other started first"));
            QTemporaryDir dir;
            const QString path = dir.filePath(QStringLiteral("CLS.dat"));
            History start;
            for (const QString& text : c.before)
                start.HistoryEntries[static_cast<size_t>(++start.LastHistoryIndex)] = HistoryEntry{2, text, {3, 4}, 1, 10};
            if (!c.before.isEmpty())
                Write(path, EncodeHistory(start));
            std::optional<Program> first, second;
            (firstStartsFirst ? first : second).emplace(dir.path());
            (firstStartsFirst ? second : first).emplace(dir.path());
            first->Calculate(c.first);
            second->Calculate(c.second);
            for (int k = 0; c.firstReplays && k < c.before.size(); ++k)
                first->engine.TraitArticleMCalculs(k);

            first->engine.FormClose();
            second->engine.FormClose();
            EXPECT_EQ(Texts(DecodeHistory(Contents(path))), c.after);
            // A second close adds nothing again.
            first->engine.FormClose();
            EXPECT_EQ(Texts(DecodeHistory(Contents(path))), c.after);
            EXPECT_TRUE(first->ui.messages.isEmpty() && second->ui.messages.isEmpty());
        }
    }
}

TEST(TwoRuns, OneRunAloneWritesItsHistoryAsItIs)
{
    KeepCurrentFolder keep;
    QTemporaryDir dir;
    Write(dir.filePath(QStringLiteral("CLS.dat")), EncodeHistory(History{{}, 19}));
    Program run(dir.path());
    run.Calculate({"11+1", "22+2"});
    const QByteArray held = EncodeHistory(Seen(run.engine).history.Values());
    run.engine.FormClose();
    EXPECT_EQ(Contents(dir.filePath(QStringLiteral("CLS.dat"))), held);
}

// Two runs closing at the same moment, again and again on one file: neither writes over
// what the other has just added, and nothing is written twice.
TEST(TwoRuns, RunsClosingTogetherKeepEveryCalculation)
{
    KeepCurrentFolder keep;
    QTemporaryDir dir;
    for (int round = 0; round < 60; ++round) {
        Program first(dir.path()), second(dir.path());
        const QString mine = QStringLiteral("a%1").arg(round), theirs = QStringLiteral("b%1").arg(round);
        first.Calculate({mine});
        second.Calculate({theirs});
        std::latch start(2);
        std::thread other([&] { start.arrive_and_wait(), second.engine.FormClose(); });
        start.arrive_and_wait(), first.engine.FormClose();
        other.join();
        const QStringList after = Texts(DecodeHistory(Contents(dir.filePath(QStringLiteral("CLS.dat")))));
        EXPECT_EQ(after.size(), std::min(2 * round + 2, HistoryCapacity)) << round;
        EXPECT_EQ(after.count(mine) + after.count(theirs), 2) << after.join(u' ').toStdString();
    }
}
