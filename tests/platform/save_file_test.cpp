#include "platform/save_file.h"
#include "tests/support/file_system.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <gtest/gtest.h>

using namespace tornavel;
using namespace tornavel::testing;

namespace {

const QByteArray kOld = QByteArrayLiteral("old contents");
const QByteArray kNew(3000, 'n');

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

// A file whose every write fails, as on a failing disk.
class FailingSaveFile : public QSaveFile {
public:
    using QSaveFile::QSaveFile;

protected:
    qint64 writeData(const char*, qint64) override { return -1; }
};

} // namespace

TEST(SaveFile, FullFileSystemLeavesTheOldFileWholeAndSaysWhy)
{
    SmallFileSystem disk;
    if (!disk.mounted)
        GTEST_SKIP() << "cannot mount a small file system here";
    const QString path = disk.FilePath("CLS.dat");
    Write(path, kOld);
    disk.Fill();

    QString reason;
    EXPECT_FALSE(SaveFileAtomically(path, kNew, &reason));
    EXPECT_EQ(Contents(path), kOld);
    EXPECT_EQ(reason, QStringLiteral("le disque est plein"));
    EXPECT_EQ(QDir(disk.dir.path()).entryList(QDir::Files).size(), 2);

    QFile::remove(disk.FilePath("filler"));
    EXPECT_TRUE(SaveFileAtomically(path, kNew, &reason));
    EXPECT_EQ(Contents(path), kNew);
}

TEST(SaveFile, AWriteFailureCancelsTheSave)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Options.dat"));
    Write(path, kOld);
    FailingSaveFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QString reason;
    EXPECT_FALSE(WriteAndCommit(file, kNew, &reason));
    EXPECT_FALSE(reason.isEmpty());
    EXPECT_EQ(Contents(path), kOld);
}

TEST(SaveFile, OnlyRegularFilesAreReadOrReplaced)
{
    QTemporaryDir dir;
    QByteArray bytes;
    EXPECT_EQ(ReadRegularFile(dir.filePath(QStringLiteral("absent")), -1, bytes), FileReadStatus::Missing);
    for (const Special kind : kSpecials) {
        SCOPED_TRACE(NameOf(kind));
        const QString path = dir.filePath(QString::fromLatin1(NameOf(kind)));
        MakeSpecial(path, kind);
        FifoWatchdog watchdog(path);
        EXPECT_EQ(ReadRegularFile(path, -1, bytes), FileReadStatus::Unreadable);
        watchdog.Stop();
        EXPECT_FALSE(watchdog.fired) << "the read waited for a writer";

        QString reason;
        EXPECT_FALSE(SaveFileAtomically(path, kNew, &reason));
        EXPECT_EQ(reason, QStringLiteral("ce n'est pas un fichier ordinaire"));
        EXPECT_TRUE(StillSpecial(path, kind));
    }
}

TEST(SaveFile, ASuccessfulSaveRemovesItsOwnStaleTemporaries)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("CLS.dat"));
    const QStringList kept = {QStringLiteral("CLS.dat.bak"), QStringLiteral("CLS.dat.a1b2c"),
                              QStringLiteral("CLS.dat.a-b2c3"), QStringLiteral("Options.dat.Qx3kPz")};
    const QString stale = QStringLiteral("CLS.dat.Qx3kPz");
    const QString fresh = QStringLiteral("CLS.dat.Rt5mWq");
    for (const QString& name : kept + QStringList{stale, fresh})
        Write(dir.filePath(name), kOld);
    const QDateTime longAgo = QDateTime::currentDateTime().addSecs(-3600);
    for (const QString& name : kept + QStringList{stale}) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(longAgo, QFileDevice::FileModificationTime));
    }

    ASSERT_TRUE(SaveFileAtomically(path, kNew));
    EXPECT_FALSE(QFile::exists(dir.filePath(stale)));
    // One being written by another save right now stays.
    EXPECT_TRUE(QFile::exists(dir.filePath(fresh)));
    for (const QString& name : kept)
        EXPECT_TRUE(QFile::exists(dir.filePath(name))) << name.toStdString();
}
