#pragma once

#include <QDir>
#include <QImage>
#include <QPoint>
#include <QTextStream>

#include <vector>

#include "art/draw/drawing.h"

// Whether the committed pictures are what their sources draw.
namespace klonkatron::art::draw {

// Qt's raster engine picks its anti-aliasing code by the processor's
// instruction set, and the code paths round differently: the same drawing
// lands a level (of 255) apart in a channel here and there. A painted
// picture may lie this far from its drawing in every channel; an edit by
// hand or a changed drawing lies further. Pictures from pixel maps have no
// anti-aliasing and must match exactly.
constexpr int kAntiAliasingTolerance = 2;

// The largest difference between two pictures of one size, in levels of
// one channel (alpha included), and the first pixel that differs that much.
struct PixelDifference {
    int levels = 0;
    QPoint where;
};
PixelDifference largestDifference(const QImage& a, const QImage& b);

// Saves a picture as PNG of its kind: 24-bit without alpha for bitmaps,
// 32-bit with alpha for icons.
bool savePicture(const QImage& image, const QString& path);

// Compares every picture with its PNG file in `images`, and the number of
// files with the number of pictures. Writes a line to `report` for each
// difference found, with its size and place; true when there is none.
bool checkPictures(const std::vector<Exported>& pictures, const QDir& images, QTextStream& report);

}  // namespace klonkatron::art::draw
