#include "platform/save_file.h"
#include "tests/support/file_system.h"

#include <QDateTime>
#include <QSaveFile>

using namespace tornavel;
using namespace tornavel::testing;

namespace {

// A file whose every write fails, as on a failing disk.
class FailingSaveFile : public QSaveFile {
public:
    using QSaveFile::QSaveFile;

protected:
    qint64 writeData(const char*, qint64) override { return -1; }
};

} // namespace

TEST(SaveFile, AWriteFailureCancelsTheSave)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Options.dat"));
    Write(path, "old");
    FailingSaveFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QString reason;
    EXPECT_FALSE(WriteAndCommit(file, "new", &reason));
    EXPECT_EQ(reason, QStringLiteral("erreur d'écriture"));
    EXPECT_EQ(Contents(path), "old");
}

TEST(SaveFile, ASuccessfulSaveRemovesItsOwnStaleTemporaries)
{
    QTemporaryDir dir;
    // Only the first is a temporary of CLS.dat left over; the last may be another
    // save's, being written right now.
    const QStringList names = {"CLS.dat.Qx3kPz", "CLS.dat.bak", "CLS.dat.a1b2c", "Options.dat.Qx3kPz",
                               "CLS.dat.Rt5mWq"};
    for (const QString& name : names) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        if (name != names.back())
            file.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime);
    }
    ASSERT_TRUE(SaveFileAtomically(dir.filePath(QStringLiteral("CLS.dat")), "new"));
    for (const QString& name : names)
        EXPECT_EQ(QFile::exists(dir.filePath(name)), name != names.front()) << name.toStdString();
}
