#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>

// Helpers of the painted pictures.
namespace klonkatron::art::draw {

// A shadow of the shape, softened by a box blur of that radius, in an image
// of that size with clear pixels around it.
QImage softShadow(const QSize& size, const QPainterPath& shape, const QColor& colour, int radius);

// A picture painted at `factor` times its size, brought to its size by
// averaging each square of factor by factor pixels: fine detail comes out
// soft, as in a photograph, and the same on every processor.
QImage averagedDown(const QImage& large, int factor);

// A small random number generator whose sequence is the same on every
// system, so that painted textures come out the same.
class Dice {
public:
    explicit Dice(quint32 seed) : state_(seed) {}
    // A number from 0 up to, not including, 1.
    double next() {
        state_ = state_ * 1664525U + 1013904223U;
        return (state_ >> 8) / double(1U << 24);
    }
    double between(double low, double high) { return low + (high - low) * next(); }

private:
    quint32 state_;
};

}  // namespace klonkatron::art::draw
