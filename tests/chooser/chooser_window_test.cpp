// Verolan's real window on a settings file in a temporary directory: its buttons are
// clicked, its boxes read and answered, and the file read back as Tornavel reads it.

#include "chooser/chooser_window.h"
#include "core/strings.h"
#include "platform/settings.h"
#include "tests/support/layout_faults.h"

#include <QAccessible>
#include <QApplication>
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

#include <iterator>

namespace tornavel {
namespace {

struct Box {
    QString caption, text; // empty when no box showed
};

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
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
    // Clicks OK; a box it opens is read and closed with its own OK button.
    Box PressOk()
    {
        Box box;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (auto* shown = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                poll.stop();
                box = {shown->windowTitle(), shown->text()};
                shown->button(QMessageBox::Ok)->click();
            }
        });
        poll.start(10);
        QTest::mouseClick(window->BtnOk(), Qt::LeftButton);
        return box;
    }
};

TEST_F(Verolan, StartsOnTheFixedChoiceAndEachChoiceIsWhatTornavelReadsNext)
{
    {
        // Centred on the screen's free area, before it is shown, with the frame that the
        // desktop will draw.
        const TFSelComTornavel unshown(strings, ini);
        EXPECT_LE(testing::OffCentre(&unshown).manhattanLength(), 2);
    }
    Open(ini);
    // The whole explanation shows, line for line, without scrolling.
    EXPECT_EQ(window->MemoMsg()->document()->lineCount(), 12);
    EXPECT_EQ(window->MemoMsg()->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(window->RdbtnRedim()->text(), QStringLiteral("Fenêtre redimentionnable"));
    EXPECT_EQ(window->RdbtnNonRedim()->text(), QStringLiteral("Fenêtre non redimentionnable"));

    EXPECT_TRUE(PressOk().text.isEmpty());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(Contents(ini), "[Comportement fenetre]\r\nRedimensionnable=N\r\n");
    EXPECT_EQ(ReadWindowBehaviour(ini), QStringLiteral("N"));

    Open(ini);
    QTest::mouseClick(window->RdbtnRedim(), Qt::LeftButton, {}, QPoint(5, 9));
    EXPECT_TRUE(PressOk().text.isEmpty());
    EXPECT_EQ(ReadWindowBehaviour(ini), QStringLiteral("O"));
}

// The caption and the explanation, line for line with the blanks at their ends, typed
// apart from the program's copy; a screen reader names the explanation by the caption.
TEST_F(Verolan, ShowsItsCaptionAndExplanationWhole)
{
    const QString caption = QStringLiteral("Comportement de la fenêtre de Tornavel");
    const char* const lines[] = {
        "Attention !",
        "",
        "Par défaut, la fenêtre de Tornavel est non redimensionnable. Cela peut poser des ",
        "problèmes d'affichage avec certaines configurations exotiques de Windows.",
        "",
        "Si vous souhaitez que Tornavel soit redimensionnable, cochez l'option \"Fenêtre ",
        "redimensionnable\". ",
        "",
        "Vous pouvez aussi après l'installation, modifier le paramétrage du fichier ",
        "\"tornavel.ini\" ce trouvant dans le répertoire de Tornavel en donnant au ",
        "paramètre \"Redimensionnable\" la valeur \"O\" (Oui) ou n \"N\" (Non) exemple : ",
        "Redimensionnable=O, puis en sauvegardant la modification.",
    };
    Open(ini);
    EXPECT_EQ(window->windowTitle(), caption);
    const QStringList shown = window->MemoMsg()->toPlainText().split(QLatin1Char('\n'));
    ASSERT_EQ(shown.size(), std::ssize(lines));
    for (qsizetype line = 0; line < shown.size(); ++line)
        EXPECT_EQ(shown[line], QString::fromUtf8(lines[line])) << "line " << line + 1;
    EXPECT_EQ(QAccessible::queryAccessibleInterface(window->MemoMsg())->text(QAccessible::Name), caption);
}

TEST_F(Verolan, OtherSectionsAndKeysKeepEveryByte)
{
    const QByteArray before = "; r\xE9glages\n[Autre]\nCle=1\r\n\n[comportement fenetre]\nAvant=x\n"
                              " redimensionnable = O\nApres=y\n[Fin]\nZ=\xE9t\xE9";
    Write(ini, before);
    Open(ini);
    PressOk();
    EXPECT_EQ(Contents(ini), QByteArray(before).replace(" = O", " = N"));
}

TEST_F(Verolan, NothingIsWrittenWithoutASuccessfulOk)
{
    // The settings file cannot be written: the error shows and the window stays.
    const QString blocker = dir.filePath(QStringLiteral("fichier"));
    Write(blocker, "x");
    Open(blocker + QStringLiteral("/tornavel.ini"));
    Box box = PressOk();
    EXPECT_EQ(box.text, QStringLiteral("Impossible d'écrire dans %1/tornavel.ini").arg(blocker));
    EXPECT_TRUE(window->isVisible());

    Open(ini);
    for (QRadioButton* button : {window->RdbtnRedim(), window->RdbtnNonRedim()}) {
        button->setAutoExclusive(false);
        button->setChecked(false);
    }
    box = PressOk();
    EXPECT_EQ(box.caption, QStringLiteral("Choix non valide"));
    EXPECT_EQ(box.text, QStringLiteral("Vous devez sélectionner une option !"));
    EXPECT_TRUE(window->isVisible());

    // Closed by the window manager after a choice, the window leaves without writing.
    window->RdbtnRedim()->setChecked(true);
    window->close();
    EXPECT_FALSE(QFile::exists(ini));
}

// The window opens in its text; Tab stops at the checked option (where Space keeps it)
// and OK; Return presses OK from every stop.
TEST_F(Verolan, ReturnPressesOkFromEveryStopOfTab)
{
    const char* stops[] = {"MemoMsg", "RdbtnNonRedim", "BtnOk"};
    for (int tabs = 0; tabs < 3; ++tabs) {
        const char* focused = stops[tabs];
        QFile::remove(ini);
        Open(ini);
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        for (int tab = 0; tab < tabs; ++tab)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), QLatin1String(focused));
        if (qobject_cast<QRadioButton*>(QApplication::focusWidget()))
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_FALSE(window->isVisible()) << focused;
        EXPECT_EQ(ReadWindowBehaviour(ini), QStringLiteral("N")) << focused;
    }
}

} // namespace
} // namespace tornavel
