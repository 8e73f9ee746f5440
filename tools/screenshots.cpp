// Renders every window of the game, as it opens, at 1x, 1.5x and 2x into PNG
// files: the pictures of the documentation and a look at the art in place.
//   klonkatron_screenshots <directory>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTextStream>

#include "backends/qt/form_window.h"
#include "program/qt_program.h"

namespace {

// The client area as a screen of that device pixel ratio shows it.
QImage render(QWidget& window, qreal ratio) {
    QImage image(window.size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::black);
    window.render(&image);
    return image;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qtApp(argc, argv);
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: " << argv[0] << " <directory>\n";
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(".")) {
        err << "cannot make " << out.path() << "\n";
        return 1;
    }

    klonkatron::QtProgram program(klonkatron::SystemChoice::Unavailable);
    forms::Application& app = program.app();
    // Each window stays open until all are taken.
    for (const std::string& name : app.formNames()) {
        forms::Form& form = app.show(name);
        QApplication::processEvents();
        forms::qt::FormWindow* window = forms::qt::windowOf(form);
        if (window == nullptr) {
            err << "no window for " << name.c_str() << "\n";
            return 1;
        }
        for (const qreal ratio : {1.0, 1.5, 2.0}) {
            const QString file = out.filePath(
                QStringLiteral("%1-%2x.png").arg(QString::fromStdString(name)).arg(ratio));
            if (!render(*window, ratio).save(file)) {
                err << "cannot write " << file << "\n";
                return 1;
            }
        }
    }
    // Unloading one window after another could end the program early.
    app.end();
    return 0;
}
