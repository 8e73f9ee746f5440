#include "backends/qt/painter.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QPalette>

#include <cmath>

#include "backends/qt/picture_image.h"
#include "forms/picture_pixels.h"
#include "forms/text_layout.h"

namespace forms::qt {
namespace {

QColor qcolorOf(Color c) { return QColor(c.red(), c.green(), c.blue()); }

void paintLabel(QPainter& painter, const Label& label) {
    const QRect area = pixelRect(label.bounds());
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
    const QRect area = pixelRect(image.bounds());
    painter.save();
    painter.setClipRect(area);
    painter.drawPixmap(area.topLeft(), pixmapOf(image.picture()));
    painter.restore();
}

void paintLine(QPainter& painter, const Line& line) {
    const QColor colour = qcolorOf(line.color());
    const int x1 = pixelsFromTwips(line.from().x);
    const int y1 = pixelsFromTwips(line.from().y);
    const int x2 = pixelsFromTwips(line.to().x);
    const int y2 = pixelsFromTwips(line.to().y);
    const int w = line.borderWidth();
    if (y1 == y2) {
        painter.fillRect(QRect(std::min(x1, x2), y1, std::abs(x2 - x1) + 1, w), colour);
    } else if (x1 == x2) {
        painter.fillRect(QRect(x1, std::min(y1, y2), w, std::abs(y2 - y1) + 1), colour);
    } else {
        painter.setPen(QPen(colour, w));
        painter.drawLine(x1, y1, x2, y2);
    }
}

}  // namespace

QRect pixelRect(const Rect& twips) {
    const int left = static_cast<int>(std::floor(twips.left / double(kTwipsPerPixel)));
    const int top = static_cast<int>(std::floor(twips.top / double(kTwipsPerPixel)));
    const int right =
        static_cast<int>(std::ceil((twips.left + twips.width) / double(kTwipsPerPixel)));
    const int bottom =
        static_cast<int>(std::ceil((twips.top + twips.height) / double(kTwipsPerPixel)));
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
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
        if (!pixelRect(control.bounds()).intersects(dirty)) continue;
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
