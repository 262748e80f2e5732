#include "core/engine.h"
#include "ui/tornavel_window.h"
#include "platform/locale.h"
#include "platform/paths.h"
#include "ui/translations.h"
#include "ui/widget_ui_services.h"

#include <QApplication>
#include <QMessageBox>

#include <exception>

int main(int argc, char* argv[])
{
    using namespace tornavel;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tornavel"));
    InstallFrenchTranslations(app);

    try {
        StringTable strings;
        strings.LoadReplacement(ProgramDirectory() + QStringLiteral("uitext.rcc"));
        WidgetUiServices ui;
        // The engine outlives the window; its calculator records are plain data, so
        // discarding them at exit touches no widget.
        Engine engine(strings, ui, ReadDecimalSeparator());
        engine.ProgramDirectory = ProgramDirectory();
        TFTornavel window(engine, SettingsFilePath(), ReadDecimalSeparator());
        ui.SetMainWindow(&window);
        window.show();
        return app.exec();
    } catch (const std::exception& error) {
        QMessageBox::critical(nullptr, QStringLiteral("Tornavel"), QString::fromLocal8Bit(error.what()));
        return 1;
    }
}
