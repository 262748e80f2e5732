// Verolan: chooses whether Tornavel's main window is resizable, writing the answer
// into the settings file that Tornavel reads at its next start.

#include "chooser/choice.h"
#include "chooser/chooser_window.h"
#include "core/strings.h"
#include "platform/paths.h"
#include "platform/translations.h"
#include "ui/focus_frames.h"

#include <QApplication>
#include <QMessageBox>

#include <exception>

int main(int argc, char* argv[])
{
    using namespace tornavel;

    QApplication app(argc, argv);
    QApplication::setApplicationName(verolan::ProgramTitle());
    // Qt's own words (standard buttons, the text fields' context menus) in French too.
    InstallFrenchTranslations(app);
    ShowFocusFrames(app);

    try {
        StringTable strings;
        strings.LoadReplacement(ProgramDirectory() + QStringLiteral("uitext.rcc"));
        TFSelComTornavel window(strings, SettingsWritePath());
        window.show();
        return app.exec();
    } catch (const std::exception& error) {
        QMessageBox::critical(nullptr, verolan::ProgramTitle(), QString::fromLocal8Bit(error.what()));
        return 1;
    }
}
