// Options.dat and CLS.dat where saving or reading goes wrong: a full disk, something
// else than a file in their place, a file that cannot be read.

#include "core/engine.h"
#include "core/history_file.h"
#include "core/options_file.h"
#include "platform/save_file.h"
#include "tests/support/fake_ui.h"
#include "tests/support/file_system.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <cstdlib>
#include <utility>

using namespace tornavel;
using namespace tornavel::testing;

namespace {

const QByteArray kHistory = [] {
    History history;
    history.HistoryEntries[0] = HistoryEntry{3, QStringLiteral("10"), {10.0}, 0, 10};
    history.LastHistoryIndex = 0;
    return EncodeHistory(history);
}();
const QByteArray kOptions = [] {
    Options options;
    options.UnitScaleCode = 1000;
    return EncodeOptions(options);
}();

// A message without the line breaks and blanks of its layout.
QString Flat(QString text)
{
    return text.remove(QRegularExpression(QStringLiteral("[\\s\\x{00A0}]")));
}

QString SaveFailure(const char* what, const QString& path, const QString& reason)
{
    return Flat(QStringLiteral("Impossible d'enregistrer %1 dans %2 : %3")
                    .arg(QString::fromUtf8(what), QFileInfo(path).absoluteFilePath(), reason));
}

struct Session {
    StringTable strings;
    FakeUi ui;
    Engine engine{strings, ui, QStringLiteral(",")};
    QString& options = engine.OptionsFilePath;
    QString& history = engine.HistoryFilePath;

    explicit Session(const QString& directory)
    {
        options = QDir(directory).filePath(QStringLiteral("Options.dat"));
        history = QDir(directory).filePath(QStringLiteral("CLS.dat"));
        engine.FormCreate(QStringLiteral("O"));
    }
    // A calculation and a change of unit, then the close.
    void WorkAndClose()
    {
        engine.AddHistoryEntry(0, QStringLiteral("1+2"), {}, 0, 10);
        engine.options.UnitScaleCode = 1;
        engine.options.OptionsChanged = true;
        engine.FormClose();
    }
};

} // namespace

TEST(StateFiles, FullDiskKeepsBothFilesWholeAndSaysSoAtClose)
{
    SmallFileSystem disk;
    if (!disk.mounted)
        GTEST_SKIP() << "cannot mount a small file system here";
    Session session(disk.dir.path());
    Write(session.options, kOptions);
    Write(session.history, kHistory);
    disk.Fill();
    session.engine.FormActivate();
    session.WorkAndClose();

    EXPECT_EQ(Contents(session.options), kOptions);
    EXPECT_EQ(Contents(session.history), kHistory);
    const QStringList& messages = session.ui.messages;
    ASSERT_EQ(messages.size(), 2);
    const QString full = QStringLiteral("le disque est plein");
    EXPECT_EQ(Flat(messages[0]), SaveFailure("les options", session.options, full));
    EXPECT_EQ(Flat(messages[1]), SaveFailure("l'historique des calculs", session.history, full));
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
    for (const bool options : {true, false}) {
        for (const Special kind : kSpecials) {
            SCOPED_TRACE(std::string(options ? "Options.dat" : "CLS.dat") + " as a " + NameOf(kind));
            QTemporaryDir dir;
            Session session(dir.path());
            const QString& path = options ? session.options : session.history;
            MakeSpecial(path, kind);
            {
                const HangGuard guard;
                session.engine.FormActivate();
            }
            session.WorkAndClose();

            EXPECT_TRUE(StillSpecial(path, kind));
            ASSERT_EQ(session.ui.messages.size(), 1);
            EXPECT_EQ(Flat(session.ui.messages[0]),
                      SaveFailure(options ? "les options" : "l'historique des calculs", path,
                                  UnreadableFileKeptReason()));
            // The other file is saved as usual.
            EXPECT_TRUE(QFileInfo(options ? session.history : session.options).isFile());
        }
    }
}

TEST(StateFiles, AWriteOnlyOptionsFileIsLeftAlone)
{
    QTemporaryDir dir;
    Session session(dir.path());
    Write(session.options, kOptions);
    ASSERT_TRUE(QFile::setPermissions(session.options, QFileDevice::WriteOwner));
    // The super-user reads any file: the session then runs as an ordinary user.
    struct OrdinaryUser {
        bool switched = false;
        void Leave()
        {
            if (std::exchange(switched, false) && ::seteuid(0) != 0)
                std::abort();
        }
        ~OrdinaryUser() { Leave(); }
    } user;
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(QFile::encodeName(session.options).constData(), 65534, 65534), 0);
        ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0777), 0);
        ASSERT_EQ(::seteuid(65534), 0);
        user.switched = true;
    }
    session.engine.FormActivate();
    EXPECT_EQ(session.engine.options.UnitScaleCode, 10);
    session.WorkAndClose();
    user.Leave();

    EXPECT_EQ(Contents(session.options), kOptions);
    ASSERT_EQ(session.ui.messages.size(), 1);
    EXPECT_EQ(Flat(session.ui.messages[0]), SaveFailure("les options", session.options, UnreadableFileKeptReason()));
}

TEST(StateFiles, NothingIsWrittenOrToldWhenNothingWouldBeLost)
{
    QTemporaryDir dir;
    Session closedBeforeActivation(dir.path());
    Write(closedBeforeActivation.history, kHistory);
    closedBeforeActivation.engine.options.OptionsChanged = true;
    closedBeforeActivation.engine.FormClose();
    EXPECT_EQ(Contents(closedBeforeActivation.history), kHistory);
    EXPECT_FALSE(QFile::exists(closedBeforeActivation.options));

    // A save that fails over an empty history and unchanged options loses nothing.
    QTemporaryDir other;
    Session idle(other.path());
    MakeSpecial(idle.history, Special::Directory);
    idle.engine.FormActivate();
    idle.engine.FormClose();
    EXPECT_TRUE(idle.ui.messages.isEmpty());
}
