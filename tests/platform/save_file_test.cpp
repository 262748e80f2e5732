#include "platform/save_file.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tornavel;

TEST(SaveFile, ASuccessfulSaveRemovesItsOwnStaleTemporaries)
{
    QTemporaryDir dir;
    // Only the first is a temporary of CLS.dat left over; "CLS.dat.swap." files hold what
    // came out of a swap, for a close to merge; the last may be another save's, being
    // written right now.
    const QStringList names = {"CLS.dat.Qx3kPz", "CLS.dat.bak", "CLS.dat.a1b2c", "Options.dat.Qx3kPz",
                               "CLS.dat.Qx3kPzA", "CLS.dat.Qx3k-z", "CLS.dat_Qx3kPz", "cls.dat.Qx3kPz",
                               "xCLS.dat.Qx3kPz", "CLS.dat.swap.Qx3kPz", "CLS.dat.Rt5mWq"};
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
