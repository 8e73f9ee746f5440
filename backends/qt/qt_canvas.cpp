#include "backends/qt/qt_canvas.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>

#include "backends/qt/conversions.h"

namespace forms::qt {
namespace {

QString qstringOf(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QtCanvas::QtCanvas(QPainter& painter) : painter_(painter) { painter_.save(); }

QtCanvas::~QtCanvas() { painter_.restore(); }

Color QtCanvas::dialogColor() {
    return rgb(QApplication::palette().color(QPalette::Window).rgb() & 0xFFFFFF);
}

void QtCanvas::clipTo(const PixelRect* clip) {
    if (clip != nullptr) {
        painter_.setClipRect(qrectOf(*clip));
    } else if (painter_.hasClipping()) {
        painter_.setClipping(false);
    }
}

void QtCanvas::fillRect(const PixelRect& area, Color colour) {
    clipTo(nullptr);
    painter_.fillRect(qrectOf(area), qcolorOf(colour));
}

void QtCanvas::drawPicture(const PixelImage& pixels, Point at, const PixelRect& clip) {
    clipTo(&clip);
    painter_.drawPixmap(at.x, at.y, pixmapOf(pixels));
}

const QtCanvas::FontInUse& QtCanvas::use(const Font& font) {
    if (!font_ || font_->font != font) {
        const QFont qfont = qfontOf(font);
        font_.emplace(FontInUse{font, qfont, QFontMetricsF(qfont)});
    }
    return *font_;
}

double QtCanvas::lineHeight(const Font& font) { return use(font).metrics.height(); }

double QtCanvas::textWidth(const Font& font, std::string_view text) {
    return use(font).metrics.horizontalAdvance(qstringOf(text));
}

void QtCanvas::drawText(const Font& font, std::string_view text, double x, double y,
                        const PixelRect& clip, Color colour) {
    const FontInUse& inUse = use(font);
    clipTo(&clip);
    painter_.setFont(inUse.qfont);
    painter_.setPen(qcolorOf(colour));
    painter_.drawText(QPointF(x, y + inUse.metrics.ascent()), qstringOf(text));
}

}  // namespace forms::qt
