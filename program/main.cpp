// Klonkatron: the program starts with its first window; everything else is
// event handlers of the windows.
#include <QApplication>

#include "backends/qt/font_preparation.h"
#include "program/qt_program.h"
#include "program/qt_program_icon.h"

int main(int argc, char* argv[]) {
    // The fonts are found while Qt starts and the splash is built.
    std::thread fontConfiguration = forms::qt::readFontConfiguration();
    QApplication qtApp(argc, argv);
    fontConfiguration.join();
    const std::jthread fontDatabase = forms::qt::fillFontDatabase();
    // Desktop shells find the program's name and icon through its entry.
    QGuiApplication::setDesktopFileName(QStringLiteral(KLONKATRON_APP_ID));
    QApplication::setWindowIcon(klonkatron::programIcon());
    klonkatron::QtProgram program;
    return program.run();
}
