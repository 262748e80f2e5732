// Options.dat and CLS.dat where saving or reading goes wrong: a full disk, something
// else than a file in their place, a file that cannot be read.

#include "core/engine.h"
#include "tests/support/engine_view.h"
#include "tests/support/program_steps.h"
#include "core/history_file.h"
#include "core/options_file.h"
#include "platform/inifile.h"
#include "platform/save_file.h"
#include "tests/support/fake_ui.h"
#include "tests/support/file_system.h"
#include "tests/support/catalogue.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <cstdlib>
#include <vector>

#include <sys/file.h>

using namespace tornavel;
using namespace tornavel::testing;

namespace {

const QByteArray kHistory = [] {
    History history;
    history.HistoryEntries[0] = HistoryEntry{3, QStringLiteral("10"), {10.0}, 0, 10};
    history.LastHistoryIndex = 0;
    return EncodeHistory(history);
}();
const QByteArray kOptions = EncodeOptions(Options{1000});
const History kPlaced = [] {
    History history;
    history.HistoryEntries[0] = HistoryEntry{3, QStringLiteral("20"), {20.0}, 0, 10};
    history.LastHistoryIndex = 0;
    return history;
}();

struct StateSession {
    StringTable strings;
    FakeUi ui;
    Engine engine{AllCalculators(), strings, ui, QStringLiteral(",")};
    const QString& options = Seen(engine).options.FilePath();
    const QString& history = Seen(engine).history.FilePath();

    explicit StateSession(const QString& directory)
    {
        // The program's folder is the current one.
        QDir::setCurrent(directory);
        engine.FormCreate(QStringLiteral("O"));
    }
    // A calculation and a change of unit, then the close.
    void WorkAndClose()
    {
        RecordAsAFamily(engine, 0, QStringLiteral("1+2"), {}, 0);
        ChooseInUnitWindow(engine, 1);
        engine.FormClose();
    }
    // Message k, checked to fit the message window, without the blanks of its layout.
    QString Message(int k) const
    {
        const QStringList lines = ui.messages.value(k).split(u'\n');
        EXPECT_EQ(ui.messageLines.value(k), lines.size());
        for (const QString& line : lines)
            EXPECT_LE(line.size(), 28) << line.toStdString();
        return lines.join(QString()).remove(QRegularExpression(QStringLiteral("[ \\x{00A0}]")));
    }
};

QString SaveFailure(const char* what, const QString& path, const QString& reason)
{
    return QStringLiteral("Impossible d'enregistrer %1 dans %2 : %3")
        .arg(QString::fromUtf8(what), QFileInfo(path).absoluteFilePath(), reason)
        .remove(u' ');
}

} // namespace

TEST(StateFiles, FullDiskKeepsBothFilesWholeAndSaysSoAtClose)
{
    KeepCurrentFolder keep;
    SmallFileSystem disk;
    if (!disk.mounted)
        GTEST_SKIP() << "cannot mount a small file system here";
    StateSession session(disk.dir.path());
    Write(session.options, kOptions);
    Write(session.history, kHistory);
    disk.Fill();
    session.engine.FormActivate();
    session.WorkAndClose();

    EXPECT_EQ(Contents(session.options), kOptions);
    EXPECT_EQ(Contents(session.history), kHistory);
    ASSERT_EQ(session.ui.messages.size(), 2);
    const QString full = QStringLiteral("le disque est plein");
    EXPECT_EQ(session.Message(0), SaveFailure("les options", session.options, full));
    EXPECT_EQ(session.Message(1), SaveFailure("l'historique des calculs", session.history, full));
}

// The folder the program was started in, deleted while it ran: the message names both
// files by their whole path and says why.
TEST(StateFiles, ACurrentFolderDeletedMeanwhileIsNamedAndSaidToBeGone)
{
    KeepCurrentFolder keep;
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("calculs"));
    ASSERT_TRUE(QDir().mkdir(folder));
    struct BackToTheStart {
        const QString start = QDir::currentPath();
        ~BackToTheStart() { QDir::setCurrent(start); }
    } back;
    ASSERT_TRUE(QDir::setCurrent(folder));
    StateSession session(QStringLiteral("."));
    session.engine.FormActivate();
    ASSERT_TRUE(QDir(folder).removeRecursively());
    session.WorkAndClose();

    ASSERT_EQ(session.ui.messages.size(), 2);
    const QString gone = QStringLiteral("le dossier n'existe pas");
    EXPECT_EQ(session.Message(0), SaveFailure("les options", folder + QStringLiteral("/Options.dat"), gone));
    EXPECT_EQ(session.Message(1), SaveFailure("l'historique des calculs", folder + QStringLiteral("/CLS.dat"), gone));
}

// The display going away while the first message is open ends the program from inside
// that message, and exit() runs the close again: it saves nothing again and tells only
// what is not told yet. Each failure is told once, on one line that keeps the path whole.
TEST(StateFiles, ACloseReachedFromItsOwnMessageTellsEachFailureOnce)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("a folder with a long name/calculs"));
    ASSERT_TRUE(QDir().mkpath(folder));
    KeepCurrentFolder keep;
    StateSession session(folder);
    session.engine.FormActivate();
    ASSERT_TRUE(QDir(folder).removeRecursively());
    session.ui.whileFailureShown = [&session] {
        session.ui.whileFailureShown = nullptr;
        session.engine.FormClose();
    };
    session.WorkAndClose();

    const QString gone = QStringLiteral("\u00A0: le dossier n'existe pas");
    EXPECT_EQ(session.ui.saveFailures,
              QStringList({QStringLiteral("Impossible d'enregistrer les options dans ") + folder
                               + QStringLiteral("/Options.dat") + gone,
                           QStringLiteral("Impossible d'enregistrer l'historique des calculs dans ") + folder
                               + QStringLiteral("/CLS.dat") + gone}));
    EXPECT_EQ(session.ui.messages.size(), 2);
}

TEST(StateFiles, SomethingElseInPlaceOfAStateFileReadsAsMissingAndStays)
{
    KeepCurrentFolder keep;
    for (const bool options : {true, false}) {
        for (const int kind : kSpecials) {
            SCOPED_TRACE(::testing::Message() << (options ? "Options.dat" : "CLS.dat") << " as " << kind);
            QTemporaryDir dir;
            StateSession session(dir.path());
            const QString& path = options ? session.options : session.history;
            const mode_t type = MakeSpecial(path, kind);
            {
                const HangGuard guard;
                session.engine.FormActivate();
                EXPECT_EQ(IniFile(path).ReadString(QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("O")),
                          QStringLiteral("O"));
            }
            session.WorkAndClose();

            EXPECT_EQ(TypeAt(path), type);
            EXPECT_FALSE(QFile::exists(path + QStringLiteral(".absent")));
            EXPECT_EQ(session.Message(0), SaveFailure(options ? "les options" : "l'historique des calculs", path,
                                                      UnreadableFileKeptReason()));
            // The other file is saved as usual.
            EXPECT_TRUE(QFileInfo(options ? session.history : session.options).isFile());
        }
    }
}

TEST(StateFiles, AWriteOnlyOptionsFileIsLeftAlone)
{
    KeepCurrentFolder keep;
    QTemporaryDir dir;
    StateSession session(dir.path());
    Write(session.options, kOptions);
    ASSERT_TRUE(QFile::setPermissions(session.options, QFileDevice::WriteOwner));
    // The super-user reads any file: the session runs as an ordinary user.
    struct OrdinaryUser {
        const bool root = ::geteuid() == 0;
        ~OrdinaryUser()
        {
            if (root && ::seteuid(0) != 0)
                std::abort();
        }
    } user;
    if (user.root) {
        ASSERT_EQ(::chown(QFile::encodeName(session.options).constData(), 65534, 65534), 0);
        ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0777), 0);
        ASSERT_EQ(::seteuid(65534), 0);
    }
    session.engine.FormActivate();
    EXPECT_EQ(Seen(session.engine).options.Values().UnitScaleCode, 10);
    session.WorkAndClose();
    EXPECT_EQ(session.Message(0), SaveFailure("les options", session.options, UnreadableFileKeptReason()));
    QFile::setPermissions(session.options, QFileDevice::ReadOwner);
    EXPECT_EQ(Contents(session.options), kOptions);
}

TEST(StateFiles, AWindowClosedBeforeTheFirstActivationWritesNothing)
{
    KeepCurrentFolder keep;
    QTemporaryDir dir;
    StateSession session(dir.path());
    Write(session.history, kHistory);
    ChooseInUnitWindow(session.engine, 1);
    session.engine.FormClose();
    EXPECT_EQ(Contents(session.history), kHistory);
    EXPECT_FALSE(QFile::exists(session.options));
}

// A close, with both state files in the program's folder or links there to files in
// another, removes no file of the user's beside them, however named and however old; of
// the files under the program's own name, it removes only a temporary of the options that
// is stale and that no living program holds, and merges the history's leftover into the
// history.
TEST(StateFiles, ACloseRemovesNoFileOfTheUsersBesideEitherFile)
{
    const struct {
        const char* name;
        bool stays;
        int age = 300;  // seconds
        bool held = false;
    } beside[] = {
        {"CLS.dat.backup", true}, {"CLS.dat.ancien", true}, {"CLS.dat.241210", true}, {"CLS.dat.notes1", true},
        {"Options.dat.backup", true}, {"Options.dat.Qx3kPz", true}, {"CLS.dat.swap.Qx3kPz", true},
        {"Options.dat.tornavel.Qx3kPz", true}, {"xOptions.dat.tornavel.Qx3kPz.tmp", true},
        {"Options.dat.tornavel.Rt5mWq.tmp", true, 0},        // another save's, being written
        {"Options.dat.tornavel.Lk8nVb.tmp", true, 300, true}, // a living program's, stalled
        {"Options.dat.tornavel.Qx3kPz.tmp", false}, {"CLS.dat.tornavel.Qx3kPz.tmp", false},
    };
    for (const bool throughLinks : {false, true}) {
        SCOPED_TRACE(throughLinks ? "links to the files" : "the files");
        KeepCurrentFolder keep;
        QTemporaryDir dir;
        const QString files = dir.filePath(QStringLiteral("files"));
        ASSERT_TRUE(QDir().mkpath(files) && QDir().mkpath(dir.filePath(QStringLiteral("program"))));
        const QString folder = throughLinks ? files : dir.filePath(QStringLiteral("program"));
        std::vector<int> held;
        for (const auto& file : beside) {
            const QByteArray path = QFile::encodeName(QDir(folder).filePath(QString::fromLatin1(file.name)));
            Write(QFile::decodeName(path), kHistory);
            const timespec then[2] = {{0, UTIME_OMIT}, {::time(nullptr) - file.age, 0}};
            ASSERT_EQ(::utimensat(AT_FDCWD, path.constData(), then, 0), 0);
            if (file.held)
                held.push_back(::open(path.constData(), O_RDONLY));
            ASSERT_TRUE(!file.held || ::flock(held.back(), LOCK_EX) == 0);
        }
        StateSession session(dir.filePath(QStringLiteral("program")));
        Write(QDir(folder).filePath(session.options), kOptions);
        Write(QDir(folder).filePath(session.history), EncodeHistory(kPlaced));
        if (throughLinks) {
            for (const QString& name : {session.options, session.history})
                ASSERT_TRUE(QFile::link(QDir(files).filePath(name), name));
        }
        session.engine.FormActivate();
        session.WorkAndClose();
        EXPECT_TRUE(session.ui.messages.isEmpty());
        for (const auto& file : beside) {
            const QString path = QDir(folder).filePath(QString::fromLatin1(file.name));
            EXPECT_EQ(QFile::exists(path), file.stays) << file.name;
            if (file.stays) {
                EXPECT_EQ(Contents(path), kHistory) << file.name;
            }
        }
        // The leftover's calculation is in the history, after what was there.
        EXPECT_EQ(DecodeHistory(Contents(session.history)).LastHistoryIndex, 2);
        for (const int fd : held)
            ::close(fd);
    }
}
