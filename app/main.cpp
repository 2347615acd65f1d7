#include "app/MainWindow.h"
#include "app/Translations.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The desktop entry's name. Wayland compositors match windows to their entry by it; on
    // X11 the window class, the executable's name, does that. The window titles stay as
    // they are: no application display name is set, which Qt would append to each of them.
    QGuiApplication::setDesktopFileName(QStringLiteral(VORRINTAL_APP_ID));
    const Translations translations(QLocale::system(), Translations::directory());
    MainWindow window;
    window.show();
    return app.exec();
}
