#include "platform/save_file.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

using namespace tornavel;

// A save removes a temporary of its own name for that file only once it is stale and no
// living program holds it.
TEST(SaveFile, ASuccessfulSaveRemovesOnlyItsOwnStaleTemporaries)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Options.dat"));
    const struct {
        const char* name;
        int age;  // seconds
        bool held;
        bool removed;
    } files[] = {
        {"Options.dat.tornavel.Qx3kPz.tmp", 3600, false, true},
        {"Options.dat.tornavel.Rt5mWq.tmp", 0, false, false},   // another save's, being written
        {"Options.dat.tornavel.Lk8nVb.tmp", 3600, true, false},  // a living program's, stalled
        {"Other.dat.tornavel.Qx3kPz.tmp", 3600, false, false},
    };
    std::vector<int> held;
    for (const auto& file : files) {
        QFile made(dir.filePath(QString::fromLatin1(file.name)));
        ASSERT_TRUE(made.open(QIODevice::WriteOnly));
        made.setFileTime(QDateTime::currentDateTime().addSecs(-file.age), QFileDevice::FileModificationTime);
        if (file.held) {
            held.push_back(::open(QFile::encodeName(made.fileName()).constData(), O_RDONLY));
            ASSERT_EQ(::flock(held.back(), LOCK_EX), 0);
        }
    }
    ASSERT_TRUE(SaveFileAtomically(path, "new"));
    for (const auto& file : files)
        EXPECT_EQ(QFile::exists(dir.filePath(QString::fromLatin1(file.name))), !file.removed) << file.name;
    for (const int fd : held)
        ::close(fd);
}
