#include "platform/qt_messages.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

QStringList passedOn;

void Record(QtMsgType, const QMessageLogContext&, const QString& message)
{
    passedOn << message;
}

// Only Qt's warnings for a desktop without an opener, which the program reports in
// French, are held back; the rest reaches the handler installed before the filter.
TEST(QtMessageFilter, HoldsBackOnlyTheWarningsReportedInFrench)
{
    const QtMessageHandler before = qInstallMessageHandler(Record);
    tornavel::InstallQtMessageFilter();
    QMessageLogger().warning("Unable to detect a launcher for 'file:///opt/Aide/calculatrice-standard.html'");
    QMessageLogger().warning("Unable to detect a web browser to launch 'https://tornavel.example/'");
    QMessageLogger().warning("QFile::open: No file name specified");
    QMessageLogger().critical("Unable to detect a launcher for 'file:///x'");
    qInstallMessageHandler(before);
    EXPECT_EQ(passedOn, (QStringList{u"QFile::open: No file name specified"_qs,
                                     u"Unable to detect a launcher for 'file:///x'"_qs}));
}

} // namespace
