#include "backends/qt/painter.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QPalette>

#include <cmath>

#include "backends/qt/picture_image.h"
#include "forms/picture_pixels.h"
#include "forms/pixels.h"
#include "forms/text_layout.h"

namespace forms::qt {
namespace {

QColor qcolorOf(Color c) { return QColor(c.red(), c.green(), c.blue()); }

void paintLabel(QPainter& painter, const Label& label) {
    const QRect area = qrectOf(label.bounds());
    const QFont font = qfontOf(label.font());
    const QFontMetricsF metrics(font);
    const auto lines = wrapText(label.caption(), area.width(), [&metrics](std::string_view text) {
        return metrics.horizontalAdvance(
            QString::fromUtf8(text.data(), static_cast<int>(text.size())));
    });
    painter.save();
    painter.setClipRect(area);
    painter.setFont(font);
    painter.setPen(qcolorOf(label.foreColor()));
    const qreal lineHeight = metrics.height();
    qreal y = area.top();
    for (const std::string& text : lines) {
        const QString line = QString::fromStdString(text);
        const qreal width = metrics.horizontalAdvance(line);
        qreal x = area.left();
        if (label.alignment() == Alignment::Center) x += (area.width() - width) / 2;
        if (label.alignment() == Alignment::Right) x += area.width() - width;
        painter.drawText(QPointF(x, y + metrics.ascent()), line);
        y += lineHeight;
        if (y >= area.bottom() + 1) break;
    }
    painter.restore();
}

void paintImage(QPainter& painter, const Image& image) {
    if (image.picture().isEmpty()) return;
    const QRect area = qrectOf(image.bounds());
    painter.save();
    painter.setClipRect(area);
    painter.drawPixmap(area.topLeft(), pixmapOf(image.picture()));
    painter.restore();
}

void paintLine(QPainter& painter, const Line& line) {
    const QColor colour = qcolorOf(line.color());
    const LinePixels pixels = linePixels(line);
    if (pixels.straight) {
        const PixelRect& f = pixels.fill;
        painter.fillRect(QRect(f.left, f.top, f.width, f.height), colour);
    } else {
        painter.setPen(QPen(colour, pixels.width));
        painter.drawLine(pixels.from.x, pixels.from.y, pixels.to.x, pixels.to.y);
    }
}

}  // namespace

QRect qrectOf(const Rect& twips) {
    const PixelRect p = pixelRect(twips);
    return {p.left, p.top, p.width, p.height};
}

const QPixmap& pixmapOf(const Picture& picture) {
    // Keyed by the pixels, which live as long as the program: one pixmap per image.
    static QHash<const PixelImage*, QPixmap> converted;
    const PixelImage* pixels = &pixelsOf(picture);
    auto it = converted.find(pixels);
    if (it == converted.end()) it = converted.insert(pixels, QPixmap::fromImage(imageOf(*pixels)));
    return *it;
}

QFont qfontOf(const Font& font) {
    QFont qfont(QString::fromStdString(font.name));
    qfont.setPixelSize(static_cast<int>(std::lround(font.sizePoints * 96.0 / 72.0)));
    qfont.setBold(font.bold);
    return qfont;
}

void paintForm(QPainter& painter, const Form& form, const QRect& dirty) {
    const auto& design = form.design();
    const QColor back = design.backColor ? qcolorOf(*design.backColor)
                                         : QApplication::palette().color(QPalette::Window);
    painter.fillRect(dirty, back);
    if (!form.picture().isEmpty()) painter.drawPixmap(0, 0, pixmapOf(form.picture()));

    const auto& controls = form.controls();
    for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
        const Control& control = **it;
        if (!control.visible() || !control.isWindowless()) continue;
        if (!qrectOf(control.bounds()).intersects(dirty)) continue;
        switch (control.kind()) {
            case ControlKind::Label:
                paintLabel(painter, static_cast<const Label&>(control));
                break;
            case ControlKind::Image:
                paintImage(painter, static_cast<const Image&>(control));
                break;
            case ControlKind::Line:
                paintLine(painter, static_cast<const Line&>(control));
                break;
            default:
                break;
        }
    }
}

}  // namespace forms::qt
