#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tornavel"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Tornavel"));
    window.resize(296, 400);
    window.show();
    return app.exec();
}
