// Re-exports the game's pictures from their sources, or checks that the
// committed images are what the sources draw.
//   klonkatron_draw_art export <icon sources> <images> <contact sheet>
//   klonkatron_draw_art check <icon sources> <images>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>

#include "art/draw/drawing.h"
#include "art/draw/picture_check.h"

namespace {

using klonkatron::art::draw::Exported;

int exportAll(const std::vector<Exported>& pictures, const QDir& images, const QString& sheet) {
    QTextStream err(stderr);
    for (const Exported& picture : pictures) {
        if (!klonkatron::art::draw::savePicture(picture.image,
                                                images.filePath(picture.name + ".png"))) {
            err << "cannot write " << picture.name << "\n";
            return 1;
        }
    }
    if (!klonkatron::art::draw::contactSheet(pictures).save(sheet, "PNG")) {
        err << "cannot write " << sheet << "\n";
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    // Drawing needs fonts but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    const bool exporting = args.size() == 5 && args[1] == "export";
    const bool checking = args.size() == 4 && args[1] == "check";
    if (!exporting && !checking) {
        QTextStream(stderr) << "usage: " << args.value(0)
                            << " export <icon sources> <images> <contact sheet>\n"
                            << "       " << args.value(0) << " check <icon sources> <images>\n";
        return 2;
    }
    const auto pictures = klonkatron::art::draw::allPictures(args[2]);
    const QDir images(args[3]);
    if (exporting) return exportAll(pictures, images, args[4]);
    QTextStream err(stderr);
    return klonkatron::art::draw::checkPictures(pictures, images, err) ? 0 : 1;
}
