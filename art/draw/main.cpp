// Re-exports the game's pictures from their sources, or checks that the
// committed images are exactly what the sources draw.
//   klonkatron_draw_art export <icon sources> <images> <contact sheet>
//   klonkatron_draw_art check <icon sources> <images>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>

#include "art/draw/drawing.h"

namespace {

using klonkatron::art::draw::Exported;

// PNG of the picture's own kind: 24-bit without alpha for bitmaps, 32-bit
// with alpha for icons.
bool save(const QImage& image, const QString& path) {
    const QImage::Format format =
        image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB888;
    return image.convertToFormat(format).save(path, "PNG");
}

bool samePixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size() || a.hasAlphaChannel() != b.hasAlphaChannel()) return false;
    return a.convertToFormat(QImage::Format_ARGB32) == b.convertToFormat(QImage::Format_ARGB32);
}

int exportAll(const std::vector<Exported>& pictures, const QDir& images, const QString& sheet) {
    QTextStream err(stderr);
    for (const Exported& picture : pictures) {
        if (!save(picture.image, images.filePath(picture.name + ".png"))) {
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

int checkAll(const std::vector<Exported>& pictures, const QDir& images) {
    QTextStream err(stderr);
    int differing = 0;
    for (const Exported& picture : pictures) {
        const QImage committed(images.filePath(picture.name + ".png"));
        if (!samePixels(picture.image, committed)) {
            err << picture.name << ".png differs from what its source draws\n";
            ++differing;
        }
    }
    const QStringList files = images.entryList({"*.png"}, QDir::Files);
    if (files.size() != static_cast<qsizetype>(pictures.size())) {
        err << "the images hold " << files.size() << " pictures; the sources draw "
            << pictures.size() << "\n";
        ++differing;
    }
    return differing == 0 ? 0 : 1;
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
    return exporting ? exportAll(pictures, images, args[4]) : checkAll(pictures, images);
}
