#pragma once

#include <QColor>
#include <QImage>
#include <QString>

#include <vector>

// The drawings of the game's pictures. Each function renders one picture at
// its exact size; the same build of the same sources renders the same pixels.
namespace klonkatron::art::draw {

// The backdrop greens: the board's background picture and the splash scene
// merge into their windows on the first, the table and the banner on the
// second.
inline const QColor kWindowGreen{0x00, 0x78, 0x00};
inline const QColor kTableGreen{0x00, 0x7F, 0x00};

// An opaque 24-bit picture of that size, filled with one colour.
QImage opaqueCanvas(int width, int height, const QColor& fill);

QImage backgroundPicture();
QImage tablePicture();
QImage bannerPicture();
QImage exitFacePicture();
QImage lampBarPicture(int lit);
QImage splashScenePicture();
QImage dachshundPicture();

// An icon from its pixel map: every pixel wholly opaque or wholly clear.
QImage iconFromPixelMap(const QString& path);
// The face of a level from 1 to 10: the one head with that level's mouth,
// eyes and cheeks laid over it.
QImage facePicture(const QString& headPath, const QString& expressionsPath, int level);

// One exported picture: its resource name and pixels, and whether it is
// painted with anti-aliasing (its edges' pixels then depend a little on the
// processor) or set pixel by pixel.
struct Exported {
    QString name;
    QImage image;
    bool antiAliased = false;
};
// Every picture of the game, drawn from the pixel maps in `iconSources`.
std::vector<Exported> allPictures(const QString& iconSources);
// All pictures side by side at 1x and 4x, each labelled with its name.
QImage contactSheet(const std::vector<Exported>& pictures);

}  // namespace klonkatron::art::draw
