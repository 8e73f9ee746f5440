// Klonkatron: the program starts with its first window; everything else is
// event handlers of the windows.
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "backends/qt/font_preparation.h"
#include "program/qt_program.h"
#include "program/qt_program_icon.h"

int main(int argc, char* argv[]) {
    // The fonts are found while Qt starts and the splash is built.
    std::thread fontConfiguration = forms::qt::readFontConfiguration();
    QApplication qtApp(argc, argv);
    fontConfiguration.join();
    int exitCode = 0;
    {
        const std::jthread fontDatabase = forms::qt::fillFontDatabase();
        // Desktop shells find the program's name and icon through its entry.
        QGuiApplication::setDesktopFileName(QStringLiteral(KLONKATRON_APP_ID));
        QApplication::setWindowIcon(klonkatron::programIcon());
        klonkatron::QtProgram program;
        exitCode = program.run();
    }
    // Qt 6.4's Wayland client can wait for ever while it closes its
    // connection (its event thread waits for a read that the main thread
    // prepared and never made), leaving a process without windows behind.
    // The game has nothing left to save once its windows are gone, so on
    // Wayland the process ends here rather than in QApplication's destructor.
    if (QGuiApplication::platformName() == QLatin1String("wayland")) {
        std::fflush(nullptr);
        std::_Exit(exitCode);
    }
    return exitCode;
}
