#pragma once

// The game with its board open in a real Qt window, for the window tests.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>

#include <cmath>

#include "backends/qt/form_window.h"
#include "backends/qt/picture_image.h"
#include "designs/window_names.h"
#include "forms/picture_pixels.h"
#include "program/qt_program.h"

class BoardWindow : public ::testing::Test {
public:
    BoardWindow() {
        app.show(klonkatron::window::kBoard);
        window = forms::qt::windowOf(*app.find(klonkatron::window::kBoard));
    }
    ~BoardWindow() override {
        if (!app.ended()) app.end();
        QApplication::processEvents();
    }
    BoardWindow(const BoardWindow&) = delete;
    BoardWindow& operator=(const BoardWindow&) = delete;

protected:
    // The window as painted, in device pixels.
    QImage rendered() const {
        return window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    qreal ratio() const { return window->devicePixelRatioF(); }
    bool wholeRatio() const { return std::abs(ratio() - std::round(ratio())) < 1e-6; }
    // The device pixel at the centre of a window pixel.
    QRgb at(const QImage& image, QPoint p) const {
        return image.pixel(static_cast<int>((p.x() + 0.5) * ratio()),
                           static_cast<int>((p.y() + 0.5) * ratio()));
    }
    // A picture of the game as it is drawn at 1x.
    static QImage art(const char* name) {
        return forms::qt::imageOf(forms::pixelsOf(forms::PictureSource{name}))
            .convertToFormat(QImage::Format_ARGB32);
    }
    static QPoint pixelsOf(forms::Point twips) {
        return {twips.x / forms::kTwipsPerPixel, twips.y / forms::kTwipsPerPixel};
    }
    forms::Control& control(const char* name) const { return window->form()->control(name); }
    template <class T>
    T& get(const char* name) const {
        return window->form()->get<T>(name);
    }

    klonkatron::QtProgram program{klonkatron::SystemChoice::Unavailable};
    forms::Application& app = program.app();
    forms::qt::FormWindow* window = nullptr;
};
