#pragma once

// The main window on a fresh engine, with its state and settings files in a temporary
// directory (the current one while the test runs), driven through its real buttons, keys, menus and lists.

#include "core/engine.h"
#include "tests/support/engine_view.h"
#include "tests/support/program_steps.h"
#include "core/menus.h"
#include "ui/tornavel_window.h"
#include "tests/support/fake_ui.h"
#include "tests/support/catalogue.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <type_traits>

namespace tornavel::testing {

// Thrown when a widget the test reaches for is missing: the test fails there, with the
// name, and the other tests go on (a null pointer would end the whole test program).
struct MissingWidget : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Desktop services on the test's string table where they show windows of their own.
template <typename Ui>
Ui MakeUiServices(const StringTable& strings)
{
    if constexpr (std::is_constructible_v<Ui, const StringTable&>)
        return Ui(strings);
    else
        return Ui();
}

template <typename Ui = FakeUi>
struct WindowFixture : ::testing::Test {
    QTemporaryDir dir;
    // The program finds Options.dat and CLS.dat under their plain names in the current
    // directory.
    const QString previousDirectory = QDir::currentPath();
    const bool inDirectory = QDir::setCurrent(dir.path());
    StringTable strings;
    Ui ui = MakeUiServices<Ui>(strings);
    // The calculators the engine serves.
    const CalculatorCatalogue* catalogue = &AllCalculators();
    std::unique_ptr<Engine> engine;
    std::unique_ptr<TFTornavel> window;

    ~WindowFixture() override
    {
        window.reset();
        engine.reset();
        QDir::setCurrent(previousDirectory);
    }

    // Creates a fresh engine and its window, replacing any earlier ones. `settings`,
    // when not null, is written as the settings file first.
    void Build(const QByteArray& settings = QByteArray())
    {
        ASSERT_TRUE(dir.isValid() && inDirectory);
        const QString ini = dir.filePath(QStringLiteral("tornavel.ini"));
        if (!settings.isNull()) {
            QFile file(ini);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(settings);
        }
        window.reset();
        engine = std::make_unique<Engine>(*catalogue, strings, ui, QStringLiteral(","));
        engine->SetDirectories(dir.path() + QLatin1Char('/'));
        window = std::make_unique<TFTornavel>(*engine, ini, QStringLiteral(","));
        if constexpr (requires { ui.SetMainWindow(window.get()); })
            ui.SetMainWindow(window.get());
    }

    // Shows the window and lets what waits for its first paint run.
    void Show()
    {
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        QCoreApplication::processEvents();
    }

    // Builds and shows the window, with the pop-up menus as a first click on the menu
    // bar leaves them; a calculator's panel is there once the calculator is opened.
    void Start()
    {
        Build();
        Show();
        window->BuildMenus();
    }

    template <typename T = QWidget>
    T* Find(const QString& name) const
    {
        T* found = window ? window->findChild<T*>(name) : nullptr;
        if (!found)
            throw MissingWidget("no widget named " + name.toStdString());
        return found;
    }
    QString Result(int n) const { return Find<QLineEdit>(QStringLiteral("EdtCalculetteRes%1").arg(n))->text(); }
    QString Formula(int n) const
    {
        return Find<QPlainTextEdit>(QStringLiteral("EdtFormule%1").arg(n))->toPlainText();
    }
    QString Prompt(int n) const { return Find<QLabel>(QStringLiteral("LblResultat%1").arg(n))->text(); }
    // The panel that takes the keyboard.
    QWidget* Keyboard() const { return Find(QStringLiteral("PanelListe")); }

    void Click(const QString& name) { QTest::mouseClick(Find<QPushButton>(name), Qt::LeftButton); }
    // Clicks the keypad and standard-calculator buttons for a text of keys: digits, ",",
    // the four operators, "=", "r" (root) and "i" (1/x).
    void ClickKeys(const QString& keys)
    {
        for (const QChar k : keys) {
            switch (k.unicode()) {
            case '+': Click(QStringLiteral("PCalculatricePlus")); break;
            case '-': Click(QStringLiteral("PCalculatriceMoins")); break;
            case '*': Click(QStringLiteral("PCalculatriceMult")); break;
            case '/': Click(QStringLiteral("PCalculatriceSlash")); break;
            case '=': Click(QStringLiteral("PCalculatriceEgal")); break;
            case ',': Click(QStringLiteral("PCalculatriceVirgule")); break;
            case 'r': Click(QStringLiteral("PCalculatriceRac")); break;
            case 'i': Click(QStringLiteral("PCalculatriceInverse")); break;
            default: Click(QStringLiteral("PCalculatrice%1").arg(k)); break;
            }
        }
    }
    // Chooses a calculator from the calculators menu.
    void Open(int calculator)
    {
        const int item = engine->Descriptions().MenuItemOfCalculator(calculator);
        Find<QAction>(QStringLiteral("Calculette%1").arg(item))->trigger();
    }
    // Double-clicks the row of the sub-calculation list that offers a calculator.
    void DoubleClickOffered(int calculator)
    {
        auto* list = Find<QListWidget>(QStringLiteral("LbCalculettes"));
        const QString name = Seen(*engine).screen.CalculatorName(calculator);
        const auto items = list->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << name.toStdString();
        const QRect rect = list->visualItemRect(items.front());
        // A real double-click: press, release, then the double-click press.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    }
};

} // namespace tornavel::testing
