// The review sheet of the art: every picture at its own size and at four
// times its size, nearest-neighbour, with its name.
#include <QFont>
#include <QPainter>

#include <algorithm>

#include "art/draw/drawing.h"

namespace klonkatron::art::draw {
namespace {

constexpr int kSheetWidth = 1800;
constexpr int kGap = 12;
constexpr int kLabelHeight = 16;
const QColor kSheetBack{0x50, 0x50, 0x58};
const QColor kChecker{0x68, 0x68, 0x70};

// A checkered ground, so that an icon's clear pixels show as clear.
void checker(QPainter& p, const QRect& area) {
    p.fillRect(area, kSheetBack);
    for (int y = area.top(); y < area.bottom(); y += 8)
        for (int x = area.left() + ((y - area.top()) / 8 % 2) * 8; x < area.right(); x += 16)
            p.fillRect(QRect(x, y, 8, 8).intersected(area), kChecker);
}

QSize cellSize(const QImage& image) {
    // Wide enough for its label too.
    return {std::max(120, image.width() + kGap + 4 * image.width()),
            kLabelHeight + 4 * image.height()};
}

}  // namespace

QImage contactSheet(const std::vector<Exported>& unsorted) {
    // Pictures of one height share a row: the icons, the bars, the larger
    // pictures, the plain backdrop last.
    std::vector<Exported> pictures = unsorted;
    std::stable_sort(pictures.begin(), pictures.end(), [](const Exported& a, const Exported& b) {
        return a.image.height() < b.image.height();
    });
    int sheetWidth = kSheetWidth;
    for (const Exported& picture : pictures)
        sheetWidth = std::max(sheetWidth, cellSize(picture.image).width() + 2 * kGap);
    // Lay out left to right in rows, and find the sheet's height first.
    std::vector<QPoint> places;
    int x = kGap;
    int y = kGap;
    int rowHeight = 0;
    for (const Exported& picture : pictures) {
        const QSize cell = cellSize(picture.image);
        if (x + cell.width() > sheetWidth - kGap && x > kGap) {
            x = kGap;
            y += rowHeight + kGap;
            rowHeight = 0;
        }
        places.emplace_back(x, y);
        x += cell.width() + 2 * kGap;
        rowHeight = std::max(rowHeight, cell.height());
    }
    QImage sheet(sheetWidth, y + rowHeight + kGap, QImage::Format_RGB32);
    sheet.fill(QColor(0x30, 0x30, 0x34));

    QPainter p(&sheet);
    QFont font("Liberation Sans");
    font.setPixelSize(12);
    p.setFont(font);
    for (size_t i = 0; i < pictures.size(); ++i) {
        const QImage& image = pictures[i].image;
        const QPoint at = places[i];
        p.setPen(QColor(0xF0, 0xF0, 0xF0));
        p.drawText(QRect(at, QSize(cellSize(image).width() + kGap, kLabelHeight)),
                   Qt::AlignLeft | Qt::AlignTop,
                   QStringLiteral("%1  %2x%3")
                       .arg(pictures[i].name)
                       .arg(image.width())
                       .arg(image.height()));
        const QRect one(at + QPoint(0, kLabelHeight), image.size());
        const QRect four(one.topRight() + QPoint(kGap + 1, 0), image.size() * 4);
        checker(p, one);
        checker(p, four);
        p.drawImage(one, image);
        p.drawImage(four,
                    image.scaled(image.size() * 4, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    }
    return sheet;
}

}  // namespace klonkatron::art::draw
