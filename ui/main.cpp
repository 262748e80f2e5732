#include "calculators/install.h"
#include "core/engine.h"
#include "ui/tornavel_window.h"
#include "platform/font_preload.h"
#include "platform/locale.h"
#include "platform/paths.h"
#include "platform/qt_messages.h"
#include "platform/save_at_exit.h"
#include "ui/focus_frames.h"
#include "ui/program_icon.h"
#include "ui/session_end.h"
#include "platform/translations.h"
#include "ui/widget_ui_services.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <exception>
#include <utility>

namespace {

// Once the session is ending, a message would wait for a user who is leaving and hold
// the logout up: it goes to the error output instead.
class ProgramUiServices : public tornavel::WidgetUiServices {
public:
    using WidgetUiServices::WidgetUiServices;
    bool sessionEnding = false;

    void ShowMessageForm(const QString& text, int lines) override
    {
        if (!sessionEnding) {
            WidgetUiServices::ShowMessageForm(text, lines);
            return;
        }
        QString line = text;
        line.replace(u'\n', u' ');
        Print(line);
    }

    // Told on one line as it was written, not as the message window lays it out: a path
    // is cut at its slashes there.
    void ShowSaveFailure(const QString& text, const QString& wrapped, int lines) override
    {
        if (sessionEnding) {
            Print(text);
            return;
        }
        shownFailure_ = text;
        WidgetUiServices::ShowSaveFailure(text, wrapped, lines);
        shownFailure_.clear();
    }

    // The display went away: a save failure that its message window was showing may not
    // have been read, and is told on the error output.
    void DisplayLost()
    {
        sessionEnding = true;
        if (!shownFailure_.isEmpty())
            Print(std::exchange(shownFailure_, QString()));
    }

private:
    QString shownFailure_;

    static void Print(const QString& line) { std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData()); }
};

} // namespace

int main(int argc, char* argv[])
{
    using namespace tornavel;

    // The font configuration loads beside the application object and the main window.
    FontConfigurationPreload fonts;
    InstallQtMessageFilter();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tornavel"));
    InstallFrenchTranslations(app);
    SetProgramIcon();
    ShowFocusFrames(app);

    try {
        StringTable strings;
        strings.LoadReplacement(ProgramDirectory() + QStringLiteral("uitext.rcc"));
        ProgramUiServices ui(strings);
        // The engine outlives the window; its calculator records are plain data, so
        // discarding them at exit touches no widget.
        // The engine serves the calculators that the families register.
        CalculatorCatalogue calculators;
        InstallCalculatorFamilies(calculators);
        Engine engine(calculators, strings, ui, ReadDecimalSeparator());
        engine.SetDirectories(ProgramDirectory(), HelpDirectory());
        TFTornavel window(engine, SettingsReadPath(), ReadDecimalSeparator());
        ui.SetMainWindow(&window);
        // The end of the session closes the window as its close box does, also when it
        // comes during the first activation: the close then waits for the event loop.
        SessionEndCloser sessionEnd(&window, [&ui] { ui.sessionEnding = true; });
        // When the display goes away, Qt ends the program with exit() and the window never closes.
        // A close under way (its failure message open) is not saved again: only what it
        // has not told yet is told.
        SaveAtExit displayLost([&ui, &engine] {
            ui.DisplayLost();
            engine.FormClose();
        });
        fonts.Wait();
        window.show();
        return app.exec();
    } catch (const std::exception& error) {
        QMessageBox::critical(nullptr, QStringLiteral("Tornavel"), QString::fromLocal8Bit(error.what()));
        return 1;
    }
}
