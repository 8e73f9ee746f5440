// The picture window's photograph: a seated long-haired dachshund on white.
// The dog sits in profile, facing left: its long back slopes from the haunch
// on the floor up to the shoulders over two short front legs, the deep chest
// hangs low between them, and the head carries a long muzzle and a long
// feathered ear. It is painted at a few times its size and averaged down, so
// that single hairs come out as the soft texture of a photograph.
//
// The parts are drawn in the coordinates of the 238 by 264 picture and set
// in it a little smaller (kDogToPixels). The window shows the picture from
// x 8 to 235 and from y 8 to 256, so the dog stays inside that.
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

#include "art/draw/drawing.h"
#include "art/draw/shading.h"

namespace klonkatron::art::draw {
namespace {

constexpr int kWidth = 238;
constexpr int kHeight = 264;
constexpr int kSupersample = 3;

// From the dog's drawing to the painted pixels: the drawing is set a little
// smaller and to the right, clear of the window's cut on the left.
const QTransform kDogToPixels = QTransform()
                                    .scale(kSupersample, kSupersample)
                                    .translate(126, 245)
                                    .scale(0.97, 0.97)
                                    .translate(-124, -245);

// A red coat, from the sunlit tips down to the shade between the legs.
const QColor kCoatHighlight{0xEC, 0xA4, 0x64};
const QColor kCoatLight{0xC0, 0x6C, 0x32};
const QColor kCoat{0x8E, 0x40, 0x18};
const QColor kCoatShade{0x56, 0x22, 0x0A};
const QColor kCoatDeep{0x26, 0x0E, 0x04};

// The colour with that alpha, for glazes over the coat.
QColor tinted(QColor colour, int alpha) {
    colour.setAlpha(alpha);
    return colour;
}

QPainterPath line(QPointF from, QPointF to) {
    QPainterPath path(from);
    path.lineTo(to);
    return path;
}

QPainterPath ellipse(qreal cx, qreal cy, qreal rx, qreal ry, qreal degrees = 0) {
    QPainterPath path;
    path.addEllipse(QPointF(0, 0), rx, ry);
    return QTransform().translate(cx, cy).rotate(degrees).map(path);
}

// ---- The parts of the dog -------------------------------------------------

// Neck, chest, belly and back as one outline: from the throat down the front
// of the neck, round the deep chest and along the belly, then from the rump
// up the long back and the crest of the neck.
QPainterPath torsoShape() {
    QPainterPath t(QPointF(72, 98));          // throat, under the jaw
    t.cubicTo(66, 112, 62, 126, 58, 140);     // front of the neck
    t.cubicTo(42, 166, 54, 218, 92, 226);     // the forechest and the deep chest to the keel
    t.cubicTo(116, 230, 136, 222, 156, 210);  // the belly, tucked up toward the flank
    t.lineTo(206, 234);                       // hidden under the haunch
    t.cubicTo(214, 212, 212, 194, 200, 182);  // round the rump
    t.cubicTo(170, 158, 132, 132, 106, 116);  // the long back, up to the withers
    t.cubicTo(100, 100, 100, 80, 94, 58);     // the crest of the neck
    t.lineTo(76, 68);
    t.closeSubpath();
    return t;
}

// The seated haunch: the big rounded thigh resting on the floor. Its top
// edge is where the flank's long hair falls over it.
QPainterPath thighTopEdge() {
    QPainterPath h(QPointF(148, 233));        // the stifle, low at the front
    h.cubicTo(144, 209, 160, 187, 186, 185);  // over the top of the thigh
    h.cubicTo(208, 185, 220, 205, 218, 225);  // round the buttock
    return h;
}

QPainterPath thighShape() {
    QPainterPath h = thighTopEdge();
    h.cubicTo(216, 241, 200, 245, 180, 245);  // resting on the floor
    h.cubicTo(164, 245, 152, 245, 148, 233);
    return h;
}

// The hind foot lies flat on the floor in front of the haunch.
QPainterPath hindFootShape() { return ellipse(154, 241.5, 16, 4); }

// A short front leg from under the chest: the forearm narrows to the wrist
// and the paw reaches forward, its toes at the front.
QPainterPath frontLegShape(qreal x, qreal width) {
    const qreal back = x + width;
    QPainterPath leg(QPointF(x, 190));
    leg.lineTo(back, 190);
    leg.cubicTo(back, 208, back - 2, 226, back - 2, 236);  // back of the forearm
    leg.lineTo(back - 1, 245);                             // the heel of the paw
    leg.lineTo(x - 7, 245);                                // the sole
    leg.cubicTo(x - 12, 245, x - 12, 237, x - 6, 236);     // round the toes
    leg.cubicTo(x - 2, 235, x + 1, 231, x + 1, 225);       // up the paw to the wrist
    leg.cubicTo(x + 1, 212, x, 200, x, 190);               // the front of the forearm
    return leg;
}

// Skull and the long, tapering muzzle, the nose at the far left.
QPainterPath headShape() {
    QPainterPath h(QPointF(100, 60));     // back of the skull
    h.cubicTo(96, 42, 82, 32, 66, 34);    // the crown
    h.cubicTo(58, 35, 53, 42, 49, 48);    // forehead down to the stop
    h.cubicTo(40, 52, 28, 57, 20, 62);    // the long, faintly arched bridge
    h.cubicTo(13, 65, 12, 74, 15, 78);    // nose tip
    h.cubicTo(22, 85, 36, 89, 50, 92);    // lower jaw
    h.cubicTo(60, 96, 70, 100, 80, 96);   // the throat under the jaw
    h.cubicTo(94, 92, 102, 78, 100, 60);  // the cheek, back to the skull
    return h;
}

// The long ear hangs from high on the back of the skull down the neck.
QPainterPath earShape() {
    QPainterPath e(QPointF(76, 46));         // front of the ear's base
    e.cubicTo(86, 36, 102, 40, 104, 54);     // over the base
    e.cubicTo(110, 80, 116, 118, 112, 144);  // the back edge, down the neck
    e.cubicTo(108, 156, 92, 158, 84, 150);   // the rounded tip
    e.cubicTo(76, 128, 72, 98, 74, 74);      // the front edge
    e.cubicTo(74, 62, 74, 52, 76, 46);
    return e;
}

// The feathered tail, lying out behind the haunch onto the floor.
QPainterPath tailShape() {
    QPainterPath t(QPointF(206, 196));
    t.cubicTo(218, 202, 223, 220, 221, 238);
    t.cubicTo(220, 244, 216, 245, 211, 244);
    t.cubicTo(213, 230, 210, 218, 202, 210);
    t.closeSubpath();
    return t;
}

// ---- Painting ---------------------------------------------------------------

// Fills a part of the coat, lit from the upper left: `lit` is where the light
// falls most, `reach` how far the light carries before the shade.
void fillCoat(QPainter& p, const QPainterPath& shape, QPointF lit, qreal reach,
              const QColor& shade = kCoatShade) {
    QRadialGradient coat(lit, reach);
    coat.setColorAt(0, kCoatLight);
    coat.setColorAt(0.5, kCoat);
    coat.setColorAt(1, shade);
    p.fillPath(shape, coat);
}

// Darkens where one part lies against another: the soft shadow of `caster`,
// moved by `offset`, kept to `onto`.
void contactShadow(QPainter& p, const QPainterPath& onto, const QPainterPath& caster,
                   QPointF offset, int alpha, int blur) {
    const QImage shadow = softShadow(QSize(kWidth, kHeight) * kSupersample,
                                     kDogToPixels.map(caster.translated(offset)),
                                     QColor(0x20, 0x0C, 0x02, alpha), blur * kSupersample);
    p.save();
    p.setClipPath(onto);
    p.resetTransform();
    p.drawImage(0, 0, shadow);
    p.restore();
}

// The hair: short strokes laid over the shaded coat, each taking the colour
// of the coat at its root, a little lighter or darker.
class Fur {
public:
    // The direction hair lies in at a point, in degrees (0 right, 90 down).
    using Flow = std::function<qreal(QPointF)>;

    Fur(QPainter& painter, const QImage& shadedCoat, quint32 seed)
        : p_(painter), coat_(shadedCoat), dice_(seed) {}

    // Hairs rooted all over `area`, about `length` long, `perPixel` of them
    // to a square pixel, bending by up to `curl` degrees.
    void cover(const QPainterPath& area, const Flow& flow, qreal length, qreal perPixel,
               qreal curl = 10) {
        const QRectF box = area.boundingRect();
        const int tries = int(box.width() * box.height() * perPixel);
        for (int i = 0; i < tries; ++i) {
            const QPointF root(dice_.between(box.left(), box.right()),
                               dice_.between(box.top(), box.bottom()));
            if (!area.contains(root)) continue;
            const qreal bend = dice_.between(-curl, curl);
            strand(root, flow(root), length, bend, 2 * bend, dice_.between(0.72, 1.3),
                   {0.25, 0.6, 0.7});
        }
    }

    // Long, wavy hairs hanging the way `flow` says past `edge`: the
    // feathering of the long coat. They gather in locks of a dozen that wave
    // together, rooted up to `depth` back from the edge.
    void fringe(const QPainterPath& edge, qreal depth, const Flow& flow, qreal length, int count) {
        constexpr int kPerLock = 12;
        QPointF lock;
        qreal bend = 0, reach = 0, tone = 1;
        for (int i = 0; i < count; ++i) {
            if (i % kPerLock == 0) {
                const QPointF on = edge.pointAtPercent(dice_.next());
                lock = on - towards(flow(on)) * dice_.between(0, depth);
                bend = dice_.between(-26, 26);
                reach = length * dice_.between(0.7, 1.3);
                tone = dice_.between(0.8, 1.35);
            }
            const QPointF root = lock + QPointF(dice_.between(-1.5, 1.5), dice_.between(-1.5, 1.5));
            const qreal b = bend + dice_.between(-6, 6);
            strand(root, flow(root), reach, b, -b / 2, tone * dice_.between(0.85, 1.15),
                   {0.2, 0.5, 0.7});
        }
    }

private:
    static QPointF towards(qreal degrees) {
        const qreal r = degrees * std::numbers::pi / 180;
        return {std::cos(r), std::sin(r)};
    }

    struct Stroke {
        qreal thinnest, thickest, opacity;
    };

    // A hair leaving `root` at `angle`, turning by `bend` at its middle and
    // to `tipBend` at its tip, in the coat's colour at its root made lighter
    // or darker by `tone`. Roots off the coat grow nothing.
    void strand(QPointF root, qreal angle, qreal length, qreal bend, qreal tipBend, qreal tone,
                Stroke stroke) {
        const QPoint at = kDogToPixels.map(root).toPoint();
        if (!coat_.valid(at) || qAlpha(coat_.pixel(at)) < 250) return;
        const QColor base = coat_.pixelColor(at);
        const qreal len = length * dice_.between(0.6, 1.25);
        angle += dice_.between(-10, 10);
        const QPointF c1 = root + towards(angle) * len * 0.4;
        const QPointF c2 = c1 + towards(angle + bend) * len * 0.3;
        const QPointF tip = c2 + towards(angle + tipBend) * len * 0.3;
        QPainterPath hair(root);
        hair.cubicTo(c1, c2, tip);

        const auto channel = [tone](int c) { return std::clamp(int(c * tone + 6), 0, 255); };
        const QColor colour(channel(base.red()), channel(base.green()), channel(base.blue()),
                            int(255 * stroke.opacity * dice_.between(0.6, 1.0)));
        p_.setPen(QPen(colour, dice_.between(stroke.thinnest, stroke.thickest), Qt::SolidLine,
                       Qt::RoundCap));
        p_.setBrush(Qt::NoBrush);
        p_.drawPath(hair);
    }

    QPainter& p_;
    const QImage& coat_;
    Dice dice_;
};

// Hair lying one way all over.
Fur::Flow lying(qreal degrees) {
    return [degrees](QPointF) { return degrees; };
}

// The body's hair runs back along the sloping spine and turns downward over
// the ribs; down the neck and the forechest it falls straight.
qreal bodyFlow(QPointF at) {
    const QPointF withers(106, 116), rump(200, 182);
    const QPointF along = rump - withers;
    const qreal length = std::hypot(along.x(), along.y());
    // How far below the line of the back, 0 on it, 1 at the belly.
    const qreal below = std::clamp(
        ((at.x() - withers.x()) * -along.y() + (at.y() - withers.y()) * along.x()) / length / 70,
        0.0, 1.0);
    const qreal spine = std::atan2(along.y(), along.x()) * 180 / std::numbers::pi;
    if (at.x() < 100) return 96;
    return spine + (100 - spine) * below;
}

// The haunch's hair runs round the curve of the thigh.
qreal thighFlow(QPointF at) { return 40 + (at.y() - 186) * 1.4; }

// The ear's hair falls straight down, spreading a little toward its back.
qreal earFlow(QPointF at) { return 84 + (at.x() - 90) * 0.4; }

// The studio floor: a wide soft shadow, and a darker one where the dog
// touches it.
void floorShadow(QPainter& p) {
    const QSize big = QSize(kWidth, kHeight) * kSupersample;
    const QPainterPath contact = ellipse(180, 245, 40, 2).united(ellipse(84, 245, 26, 2));
    p.drawImage(0, 0,
                softShadow(big, kDogToPixels.map(ellipse(146, 245, 86, 4)),
                           QColor(0x80, 0x78, 0x70, 110), 5 * kSupersample));
    p.drawImage(0, 0,
                softShadow(big, kDogToPixels.map(contact), QColor(0x40, 0x34, 0x2C, 160),
                           2 * kSupersample));
}

void paintFace(QPainter& p) {
    // the eye: almond-shaped and dark, set in a shaded socket under the brow
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x3A, 0x1A, 0x08, 120));
    p.drawPath(ellipse(58, 56, 6.5, 4.6, -14));
    QRadialGradient eye(QPointF(57, 55), 4.5);
    eye.setColorAt(0, QColor(0x4A, 0x22, 0x0C));
    eye.setColorAt(1, QColor(0x0C, 0x05, 0x02));
    p.setBrush(eye);
    p.drawPath(ellipse(58, 56, 4.4, 3.2, -14));
    p.setBrush(QColor(255, 255, 255, 210));
    p.drawEllipse(QPointF(56.4, 54.8), 1.0, 0.8);

    // the nose, glossy and black, at the very tip of the muzzle
    QRadialGradient nose(QPointF(16, 70), 8);
    nose.setColorAt(0, QColor(0x5A, 0x48, 0x46));
    nose.setColorAt(0.5, QColor(0x22, 0x18, 0x18));
    nose.setColorAt(1, QColor(0x08, 0x04, 0x04));
    p.setBrush(nose);
    p.drawPath(ellipse(19, 72, 6.5, 5.5, 10));
    p.setBrush(QColor(0, 0, 0, 200));
    p.drawPath(ellipse(15.5, 74, 1.6, 1.1, 30));  // the nostril

    // the lip line along the jaw, darkest at the corner of the mouth
    p.setBrush(Qt::NoBrush);
    QPainterPath lip(QPointF(19, 80));
    lip.cubicTo(28, 86, 38, 88, 48, 89);
    p.setPen(QPen(QColor(0x2A, 0x10, 0x06, 150), 0.9, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(lip);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2A, 0x10, 0x06, 140));
    p.drawPath(ellipse(48, 89, 2.4, 1.2, 10));
}

// The parts of the dog, drawn back to front.
struct Parts {
    QPainterPath tail = tailShape();
    QPainterPath farLeg = frontLegShape(88, 13);
    QPainterPath torso = torsoShape();
    QPainterPath hindFoot = hindFootShape();
    QPainterPath thigh = thighShape();
    QPainterPath nearLeg = frontLegShape(66, 16);
    QPainterPath head = headShape();
    QPainterPath ear = earShape();
};

// The coat's colour and shading under the hair, part by part, with the soft
// shadows where one part lies against another.
void paintCoat(QPainter& p, const Parts& dog) {
    fillCoat(p, dog.tail, QPointF(206, 204), 44);
    fillCoat(p, dog.farLeg, QPointF(90, 200), 50, kCoatDeep);
    fillCoat(p, dog.torso, QPointF(104, 126), 150);
    {
        // the underside and the chest between the legs lie in shade
        QLinearGradient under(QPointF(120, 148), QPointF(104, 230));
        under.setColorAt(0, tinted(kCoatDeep, 0));
        under.setColorAt(1, tinted(kCoatDeep, 170));
        p.fillPath(dog.torso, under);
        // the silky coat shines along the top of the back
        QLinearGradient sheen(QPointF(140, 138), QPointF(128, 160));
        sheen.setColorAt(0, tinted(kCoatHighlight, 110));
        sheen.setColorAt(1, tinted(kCoatHighlight, 0));
        p.fillPath(dog.torso, sheen);
    }
    fillCoat(p, dog.hindFoot, QPointF(160, 236), 24, kCoatDeep);
    contactShadow(p, dog.torso.united(dog.hindFoot), dog.thigh, QPointF(-3, 1), 170, 4);
    fillCoat(p, dog.thigh, QPointF(166, 212), 70);
    contactShadow(p, dog.torso.united(dog.farLeg), dog.nearLeg, QPointF(4, 0), 150, 3);
    {
        // the foreleg comes out of the shaded chest into the light
        QLinearGradient leg(QPointF(0, 192), QPointF(0, 245));
        leg.setColorAt(0, kCoatShade);
        leg.setColorAt(0.45, kCoat);
        leg.setColorAt(0.8, kCoatLight);
        leg.setColorAt(1, kCoat);
        p.fillPath(dog.nearLeg, leg);
    }
    contactShadow(p, dog.torso, dog.head, QPointF(2, 5), 190, 5);
    fillCoat(p, dog.head, QPointF(64, 46), 60);
    {
        // the muzzle darkens toward the nose and under the jaw
        QLinearGradient muzzle(QPointF(44, 0), QPointF(14, 0));
        muzzle.setColorAt(0, tinted(kCoatDeep, 0));
        muzzle.setColorAt(1, tinted(kCoatDeep, 90));
        p.fillPath(dog.head, muzzle);
        QLinearGradient jaw(QPointF(0, 74), QPointF(0, 96));
        jaw.setColorAt(0, tinted(kCoatDeep, 0));
        jaw.setColorAt(1, tinted(kCoatDeep, 120));
        p.fillPath(dog.head, jaw);
    }
    contactShadow(p, dog.torso.united(dog.head), dog.ear, QPointF(3, 3), 200, 4);
    fillCoat(p, dog.ear, QPointF(86, 50), 110, kCoatDeep);
    {
        // the long hair of the ear falls in waves, each catching the light
        QLinearGradient waves(QPointF(0, 60), QPointF(0, 74));
        waves.setSpread(QGradient::ReflectSpread);
        waves.setColorAt(0, tinted(kCoatDeep, 70));
        waves.setColorAt(1, tinted(kCoatHighlight, 60));
        p.fillPath(dog.ear, waves);
        // and the fold along its front edge catches more
        QLinearGradient fold(QPointF(74, 0), QPointF(86, 0));
        fold.setColorAt(0, tinted(kCoatHighlight, 0));
        fold.setColorAt(0.4, tinted(kCoatHighlight, 90));
        fold.setColorAt(1, tinted(kCoatHighlight, 0));
        p.fillPath(dog.ear, fold);
    }
}

// The hair, back to front as the coat was painted: short and smooth on
// the face and the legs, long on the body, feathered at the chest, the
// belly, the backs of the legs, the ears and the tail.
void growHair(QPainter& p, const Parts& dog, const QImage& shadedCoat) {
    Fur fur(p, shadedCoat, 1999);
    fur.cover(dog.tail, lying(40), 8, 3);
    fur.fringe(line({208, 200}, {219, 236}), 6, lying(60), 10, 480);  // the tail's flag
    fur.cover(dog.farLeg, lying(95), 4, 3, 4);
    fur.cover(dog.torso, bodyFlow, 7, 3);
    fur.fringe(line({104, 226}, {150, 212}), 8, lying(95), 11, 360);  // along the belly
    fur.cover(dog.hindFoot, lying(180), 3, 3, 4);
    fur.cover(dog.thigh, thighFlow, 7, 3);
    fur.fringe(thighTopEdge(), 6, bodyFlow, 10, 900);                 // the flank over the thigh
    fur.fringe(line({212, 200}, {216, 234}), 6, lying(80), 10, 160);  // the breeches
    fur.cover(dog.nearLeg, lying(95), 4, 3, 4);
    fur.fringe(line({48, 170}, {100, 224}), 10, lying(98), 15, 700);  // chest feathering
    fur.fringe(line({50, 150}, {48, 196}), 4, lying(116), 9, 240);    // the frill in front
    fur.fringe(line({82, 204}, {82, 232}), 4, lying(70), 8, 120);     // back of the foreleg
    fur.cover(dog.head, lying(175), 3, 3, 4);
    fur.cover(dog.ear, earFlow, 12, 4, 18);
    fur.fringe(line({84, 150}, {112, 146}), 24, lying(92), 16, 600);  // the ear's fringe
    fur.fringe(line({108, 64}, {114, 138}), 4, lying(70), 10, 220);   // its back edge
    fur.fringe(line({74, 80}, {78, 140}), 4, lying(110), 8, 160);     // its front edge
}

}  // namespace

QImage dachshundPicture() {
    // The dog is painted on a clear layer first, so that its hair grows only
    // from the coat, then set on the white floor.
    const QSize big = QSize(kWidth, kHeight) * kSupersample;
    QImage dog(big, QImage::Format_ARGB32_Premultiplied);
    dog.fill(Qt::transparent);
    const Parts parts;
    QPainter p(&dog);
    p.setRenderHint(QPainter::Antialiasing);
    p.setTransform(kDogToPixels);
    paintCoat(p, parts);
    const QImage shadedCoat = dog.copy();
    growHair(p, parts, shadedCoat);
    paintFace(p);
    p.end();

    QImage photo(big, QImage::Format_RGB32);
    photo.fill(Qt::white);
    p.begin(&photo);
    floorShadow(p);
    p.drawImage(0, 0, dog);
    p.end();
    return averagedDown(photo, kSupersample).convertToFormat(QImage::Format_RGB32);
}

}  // namespace klonkatron::art::draw
