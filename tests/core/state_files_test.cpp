// The state files Options.dat and CLS.dat where saving or reading goes wrong: a full
// disk, something else than a file in their place, a file that cannot be read.

#include "core/engine.h"
#include "core/history_file.h"
#include "core/options_file.h"
#include "platform/save_file.h"
#include "tests/support/fake_ui.h"
#include "tests/support/file_system.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

using namespace tornavel;
using namespace tornavel::testing;

namespace {

QByteArray OneEntryHistory()
{
    History history;
    history.HistoryEntries[0] = HistoryEntry{3, QStringLiteral("10"), {10.0}, 0, 10};
    history.LastHistoryIndex = 0;
    return EncodeHistory(history);
}

QByteArray MetreOptions()
{
    Options options;
    options.UnitScaleCode = 1000;
    return EncodeOptions(options);
}

QByteArray Contents(const QString& path)
{
    QByteArray bytes;
    return ReadRegularFile(path, -1, bytes) == FileReadStatus::Read ? bytes : QByteArray("<not read>");
}

void Write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// A message without its line breaks and blanks, which the message window's layout chooses.
QString Flat(QString text)
{
    return text.remove(u'\n').remove(u' ').remove(QChar(0x00A0));
}

QString SaveFailure(const char* what, const QString& path, const QString& reason)
{
    return Flat(QStringLiteral("Impossible d'enregistrer %1 dans %2 : %3")
                    .arg(QString::fromUtf8(what), QFileInfo(path).absoluteFilePath(), reason));
}

struct Session {
    StringTable strings;
    FakeUi ui;
    std::unique_ptr<Engine> engine;

    explicit Session(const QDir& dir) : engine(std::make_unique<Engine>(strings, ui, QStringLiteral(",")))
    {
        engine->OptionsFilePath = dir.filePath(QStringLiteral("Options.dat"));
        engine->HistoryFilePath = dir.filePath(QStringLiteral("CLS.dat"));
        engine->FormCreate(QStringLiteral("O"));
    }
    // A calculation and a change of unit, then the close.
    void WorkAndClose()
    {
        engine->AddHistoryEntry(0, QStringLiteral("1+2"), {}, 0, 10);
        engine->options.UnitScaleCode = 1;
        engine->options.OptionsChanged = true;
        engine->FormClose();
    }
};

} // namespace

TEST(StateFiles, FullDiskKeepsBothFilesWholeAndSaysSoAtClose)
{
    SmallFileSystem disk;
    if (!disk.mounted)
        GTEST_SKIP() << "cannot mount a small file system here";
    const QString options = disk.FilePath("Options.dat");
    const QString history = disk.FilePath("CLS.dat");
    Write(options, MetreOptions());
    Write(history, OneEntryHistory());
    disk.Fill();

    Session session(QDir(disk.dir.path()));
    session.engine->FormActivate();
    ASSERT_EQ(session.engine->history.LastHistoryIndex, 0);
    session.WorkAndClose();

    EXPECT_EQ(Contents(options), MetreOptions());
    EXPECT_EQ(Contents(history), OneEntryHistory());
    const QStringList& messages = session.ui.messages;
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(Flat(messages[0]), SaveFailure("les options", options, QStringLiteral("le disque est plein")));
    EXPECT_EQ(Flat(messages[1]),
              SaveFailure("l'historique des calculs", history, QStringLiteral("le disque est plein")));
    // The message window does not wrap: the lines are laid out for it and counted.
    for (int k = 0; k < messages.size(); ++k) {
        const QStringList lines = messages[k].split(u'\n');
        EXPECT_EQ(session.ui.messageLines[k], lines.size());
        for (const QString& line : lines)
            EXPECT_LE(line.size(), 28) << line.toStdString();
    }
}

TEST(StateFiles, SomethingElseInPlaceOfAStateFileReadsAsMissingAndStays)
{
    for (const char* name : {"Options.dat", "CLS.dat"}) {
        for (const Special kind : kSpecials) {
            SCOPED_TRACE(std::string(name) + " as a " + NameOf(kind));
            QTemporaryDir dir;
            const QString path = dir.filePath(QString::fromLatin1(name));
            MakeSpecial(path, kind);
            Session session{QDir(dir.path())};
            FifoWatchdog watchdog(path);
            session.engine->FormActivate();
            watchdog.Stop();
            EXPECT_FALSE(watchdog.fired) << "the start waited for a writer";
            session.WorkAndClose();

            EXPECT_TRUE(StillSpecial(path, kind));
            ASSERT_EQ(session.ui.messages.size(), 1);
            const bool options = std::string(name) == "Options.dat";
            EXPECT_EQ(Flat(session.ui.messages[0]),
                      SaveFailure(options ? "les options" : "l'historique des calculs", path,
                                  UnreadableFileKeptReason()));
            // The other file is saved as usual.
            const QString other = options ? session.engine->HistoryFilePath : session.engine->OptionsFilePath;
            EXPECT_TRUE(QFileInfo(other).isFile());
        }
    }
}

TEST(StateFiles, AWriteOnlyOptionsFileIsLeftAlone)
{
    QTemporaryDir dir;
    const QString options = dir.filePath(QStringLiteral("Options.dat"));
    Write(options, MetreOptions());
    ASSERT_TRUE(QFile::setPermissions(options, QFileDevice::WriteOwner));
    // The super-user reads any file: the session then runs as an ordinary user.
    struct OrdinaryUser {
        bool switched = false;
        void Leave()
        {
            if (switched && ::seteuid(0) != 0)
                std::abort();
            switched = false;
        }
        ~OrdinaryUser() { Leave(); }
    } user;
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(QFile::encodeName(options).constData(), 65534, 65534), 0);
        ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0777), 0);
        ASSERT_EQ(::seteuid(65534), 0);
        user.switched = true;
    }
    Session session{QDir(dir.path())};
    session.engine->FormActivate();
    const int unitRead = session.engine->options.UnitScaleCode;
    session.WorkAndClose();
    user.Leave();

    EXPECT_EQ(unitRead, 10);
    EXPECT_EQ(Contents(options), MetreOptions());
    ASSERT_EQ(session.ui.messages.size(), 1);
    EXPECT_EQ(Flat(session.ui.messages[0]), SaveFailure("les options", options, UnreadableFileKeptReason()));
}

TEST(StateFiles, AWindowClosedBeforeTheFirstActivationWritesNothing)
{
    QTemporaryDir dir;
    Session session{QDir(dir.path())};
    Write(session.engine->HistoryFilePath, OneEntryHistory());
    session.engine->options.OptionsChanged = true;
    session.engine->FormClose();
    EXPECT_EQ(Contents(session.engine->HistoryFilePath), OneEntryHistory());
    EXPECT_FALSE(QFile::exists(session.engine->OptionsFilePath));
}

TEST(StateFiles, AFailedSaveThatLosesNothingIsNotReported)
{
    QTemporaryDir dir;
    Session session{QDir(dir.path())};
    MakeSpecial(session.engine->HistoryFilePath, Special::Directory);
    session.engine->FormActivate();
    session.engine->FormClose();  // an empty history, no option changed
    EXPECT_TRUE(session.ui.messages.isEmpty());
}
