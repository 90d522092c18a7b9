// The designer: splash, main window, the file named on the command line.
#include "mainwindow.h"
#include "splash.h"

#include "platform/fontsubstitution.h"

#include <QApplication>
#include <QEventLoop>
#include <QScreen>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessarine"));
    tessarine::RegisterFontSubstitutions();

    if (qEnvironmentVariableIsEmpty("TESSARINE_NO_SPLASH")) {
        tessarine::THeading splash;
        splash.show();
        QEventLoop wait;
        QObject::connect(&splash.TurnOffTimer(), &QTimer::timeout, &wait, &QEventLoop::quit);
        if (splash.Showing())
            wait.exec();
    }

    tessarine::TMain main;
    // Without a window manager "maximised" means nothing: take the screen's size outright.
    if (QScreen* screen = QGuiApplication::primaryScreen())
        main.setGeometry(screen->availableGeometry());
    main.SetSystem(); // last: applies the stored language to every window
    main.showMaximized();
    main.ShowToolPalette();
    if (!main.OpenCommandLine(app.arguments().mid(1)))
        return 1;
    // For the start-up benchmark: quit as soon as the window is ready for input.
    if (qEnvironmentVariableIsSet("TESSARINE_QUIT_WHEN_READY"))
        QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); }); // no close question
    // For scripts: a picture of the window once it has settled, then quit.
    const QString screenshot = qEnvironmentVariable("TESSARINE_SCREENSHOT");
    if (!screenshot.isEmpty()) {
        QTimer::singleShot(1500, &main, [&main, screenshot] {
            main.grab().save(screenshot, "PNG");
            QCoreApplication::exit(0);
        });
    }
    return app.exec();
}
