// Verolan's real window on a settings file in a temporary directory: its buttons are
// clicked, its boxes read and answered, and the file read back as Tornavel reads it.

#include "chooser/fselcomtornavel.h"
#include "core/strings.h"
#include "platform/settings.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace tornavel {
namespace {

struct Box {
    bool shown = false;
    QString caption, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Runs `action`; a box it opens is read and closed with its OK button.
Box AnswerBox(const std::function<void()>& action)
{
    Box box;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* shown = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!shown)
            return;
        poll.stop();
        box = {true, shown->windowTitle(), shown->text(), shown->icon()};
        shown->button(QMessageBox::Ok)->click();
    });
    poll.start(10);
    action();
    return box;
}

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

struct Verolan : ::testing::Test {
    QTemporaryDir dir;
    StringTable strings;
    std::unique_ptr<TFSelComTornavel> window;
    const QString ini = dir.filePath(QStringLiteral("tornavel.ini"));

    void Open(const QString& settingsPath)
    {
        window = std::make_unique<TFSelComTornavel>(strings, settingsPath);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    Box PressOk()
    {
        return AnswerBox([this] { QTest::mouseClick(window->BtnOk(), Qt::LeftButton); });
    }
};

TEST_F(Verolan, StartsCentredOnTheFixedChoiceAndOkUntouchedWritesN)
{
    Open(ini);
    EXPECT_FALSE(window->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    // The window's stored size is centred, its frame starting where the halves say.
    EXPECT_LE((QRect(window->pos(), window->size()).center() - screen.center()).manhattanLength(), 1);
    // The whole explanation shows, line for line, without scrolling.
    EXPECT_EQ(window->MemoMsg()->blockCount(), 12);
    EXPECT_EQ(window->MemoMsg()->document()->lineCount(), 12);
    EXPECT_EQ(window->MemoMsg()->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(window->RdbtnRedim()->text(), strings.Str(299));
    EXPECT_EQ(window->RdbtnNonRedim()->text(), strings.Str(300));
    EXPECT_TRUE(window->RdbtnNonRedim()->isChecked());
    EXPECT_FALSE(window->RdbtnRedim()->isChecked());

    EXPECT_FALSE(PressOk().shown);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(Contents(ini), "[Comportement fenetre]\r\nRedimensionnable=N\r\n");
    EXPECT_EQ(ReadWindowBehaviour(ini), QStringLiteral("N"));
}

TEST_F(Verolan, EachChoiceIsWhatTornavelReadsAtItsNextStart)
{
    Write(ini, "[Comportement fenetre]\r\nRedimensionnable=N\r\n");
    for (const auto& [button, expected] : {std::pair{&TFSelComTornavel::RdbtnRedim, "O"},
                                           std::pair{&TFSelComTornavel::RdbtnNonRedim, "N"}}) {
        Open(ini);
        QTest::mouseClick((window.get()->*button)(), Qt::LeftButton, {}, QPoint(5, 9));
        EXPECT_EQ(window->Choice(), QLatin1String(expected));
        EXPECT_FALSE(PressOk().shown);
        EXPECT_EQ(ReadWindowBehaviour(ini), QLatin1String(expected));
    }
}

TEST_F(Verolan, OtherSectionsAndKeysKeepEveryByte)
{
    const struct {
        QByteArray before, after;
    } cases[] = {
        {"; r\xE9glages\n[Autre]\nCle=1\r\n\n[comportement fenetre]\nAvant=x\n redimensionnable = N\nApres=y\n[Fin]\nZ=\xE9t\xE9",
         "; r\xE9glages\n[Autre]\nCle=1\r\n\n[comportement fenetre]\nAvant=x\n redimensionnable = O\nApres=y\n[Fin]\nZ=\xE9t\xE9"},
        {"[Autre]\r\nCle=\xE9t\xE9\r\n",
         "[Autre]\r\nCle=\xE9t\xE9\r\n\r\n[Comportement fenetre]\r\nRedimensionnable=O\r\n"},
    };
    for (const auto& c : cases) {
        Write(ini, c.before);
        Open(ini);
        window->RdbtnRedim()->click();
        PressOk();
        EXPECT_EQ(Contents(ini), c.after);
    }
}

TEST_F(Verolan, AFailedWriteIsShownWhileTheWindowStaysOpenAndTheOldFileWhole)
{
    const QString blocker = dir.filePath(QStringLiteral("fichier"));
    Write(blocker, "x");
    const QString path = blocker + QStringLiteral("/tornavel.ini");
    Open(path);
    const Box box = PressOk();
    EXPECT_TRUE(box.shown);
    EXPECT_EQ(box.text, QStringLiteral("Impossible d'écrire dans ") + path);
    EXPECT_EQ(box.icon, QMessageBox::Critical);
    EXPECT_TRUE(window->isVisible());

    // Once the place can be written, OK again writes and leaves.
    ASSERT_TRUE(QFile::remove(blocker) && QDir(dir.path()).mkdir(QStringLiteral("fichier")));
    EXPECT_FALSE(PressOk().shown);
    EXPECT_EQ(ReadWindowBehaviour(path), QStringLiteral("N"));
    EXPECT_FALSE(window->isVisible());

    // A settings file in a folder that cannot be written keeps its old bytes (unless the
    // tests run with rights that write anyway).
    const QByteArray before = "[Comportement fenetre]\r\nRedimensionnable=O\r\n";
    Write(path, before);
    QFile::setPermissions(blocker, QFile::ReadOwner | QFile::ExeOwner);
    QFile probe(blocker + QStringLiteral("/essai"));
    if (!probe.open(QIODevice::WriteOnly)) {
        Open(path);
        EXPECT_TRUE(PressOk().shown);
        EXPECT_EQ(Contents(path), before);
    }
    QFile::setPermissions(blocker, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST_F(Verolan, NothingIsWrittenWithoutAValidOk)
{
    Open(ini);
    for (QRadioButton* button : {window->RdbtnRedim(), window->RdbtnNonRedim()}) {
        button->setAutoExclusive(false);
        button->setChecked(false);
    }
    const Box box = PressOk();
    EXPECT_TRUE(box.shown);
    EXPECT_EQ(box.caption, QStringLiteral("Choix non valide"));
    EXPECT_EQ(box.text, QStringLiteral("Vous devez sélectionner une option !"));
    EXPECT_EQ(box.icon, QMessageBox::NoIcon);
    EXPECT_TRUE(window->isVisible());

    // Closed by the window manager after a choice, the window leaves without writing.
    window->RdbtnRedim()->setChecked(true);
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(QFile::exists(ini));
}

} // namespace
} // namespace tornavel
