#include "scene.h"

#include "parts.h"
#include "photofx.h"
#include "rng.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

using parts::kSilk;
using parts::Side;

namespace {

constexpr int kWidth = 600;
constexpr int kHeight = 559;

// Where the big parts sit. The page's hotspots are laid over these areas, so
// every part must stay inside its box.
const QRectF kPci104(120, 16, 360, 60);
const QRectF kPc104(179, 479, 345, 65);
const QRectF kHeader1(0, 88, 81, 377);
const QRectF kHeader2(85, 88, 36, 377);
const QRectF kHeader3(520, 88, 81, 377);
const QRectF kHeader4(480, 88, 33, 377);
const QRectF kJumpers(364, 182, 41, 57);
const QRectF kDipSwitch(112, 514, 49, 41);

const QRectF kQfp(192, 106, 80, 80);
const QRectF kPlccA(150, 252, 60, 60);
const QRectF kPlccB(150, 372, 60, 60);
const QRectF kPlccC(392, 262, 60, 60);
const QRectF kPlccD(392, 376, 60, 60);

const QPointF kHoles[4] = {{42, 42}, {558, 42}, {42, 516}, {558, 516}};

struct Layers {
    QImage base;
    QImage copper;
    QImage tallShadow;
    QImage lowShadow;
};

QImage makeLayer()
{
    QImage img(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

QPainterPath boardOutline()
{
    QPainterPath path;
    path.addRoundedRect(QRectF(0.5, 0.5, kWidth - 1.0, kHeight - 1.0), 9.0, 9.0);
    return path;
}

class Scene {
public:
    explicit Scene(std::uint64_t seed) : rng_(seed) {}

    QImage render();

private:
    using DrawFn = std::function<void(QPainter &)>;
    struct Item {
        QRectF footprint;
        double height;
        DrawFn draw;
    };

    void add(const QRectF &footprint, double height, DrawFn draw)
    {
        items_.push_back({footprint, height, std::move(draw)});
        keepout_.push_back(footprint.adjusted(-3, -3, 3, 3));
    }
    bool isFree(const QRectF &r) const
    {
        return std::none_of(keepout_.begin(), keepout_.end(), [&](const QRectF &k) { return k.intersects(r); });
    }

    void paintMask(QImage &img);
    void layoutParts();
    void layoutTraces();
    void paintCopper(QImage &img);
    void paintSilkscreen(QPainter &p);
    void paintVias(QPainter &p);
    void paintShadows(QImage &img);
    void scatterPassives();

    void trace(const QPointF &a, const QPointF &b, double width, double k, bool horizontalFirst = true);
    void silkRect(QPainter &p, const QRectF &r);
    void silkText(QPainter &p, const QPointF &topLeft, const QString &text, double px, bool bold = true,
                  int rotation = 0);

    Rng rng_;
    std::vector<Item> items_;
    std::vector<QRectF> keepout_;
    std::vector<std::pair<QPainterPath, double>> traces_;
    std::vector<QPointF> traceVias_;
    std::vector<std::function<void(QPainter &)>> silk_;
};

void Scene::trace(const QPointF &a, const QPointF &b, double width, double k, bool horizontalFirst)
{
    // Octilinear routing with one 45-degree leg, like a router would do.
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    const double sx = dx < 0 ? -1.0 : 1.0;
    const double sy = dy < 0 ? -1.0 : 1.0;
    QPainterPath path(a);
    if (horizontalFirst && std::abs(dx) >= std::abs(dy)) {
        const double h = (std::abs(dx) - std::abs(dy)) * k;
        const QPointF p1 = a + QPointF(sx * h, 0);
        path.lineTo(p1);
        path.lineTo(p1 + QPointF(sx * std::abs(dy), sy * std::abs(dy)));
    } else if (!horizontalFirst && std::abs(dy) >= std::abs(dx)) {
        const double v = (std::abs(dy) - std::abs(dx)) * k;
        const QPointF p1 = a + QPointF(0, sy * v);
        path.lineTo(p1);
        path.lineTo(p1 + QPointF(sx * std::abs(dx), sy * std::abs(dx)));
    } else if (horizontalFirst) {
        const QPointF p1 = a + QPointF(sx * std::abs(dx) * k * 0.5, 0);
        path.lineTo(p1);
        const double rem = std::abs(dx) - std::abs(dx) * k * 0.5;
        path.lineTo(p1 + QPointF(sx * rem, sy * rem));
    } else {
        const QPointF p1 = a + QPointF(0, sy * std::abs(dy) * k * 0.5);
        path.lineTo(p1);
        const double rem = std::abs(dy) - std::abs(dy) * k * 0.5;
        path.lineTo(p1 + QPointF(sx * rem, sy * rem));
    }
    path.lineTo(b);
    traces_.emplace_back(path, width);
}

void Scene::paintMask(QImage &img)
{
    ValueNoise coarse(rng_, kWidth, kHeight, 70.0);
    ValueNoise medium(rng_, kWidth, kHeight, 14.0);
    ValueNoise fine(rng_, kWidth, kHeight, 3.2);
    const QPainterPath outline = boardOutline();

    QImage mask(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < kHeight; ++y) {
        auto *row = reinterpret_cast<QRgb *>(mask.scanLine(y));
        for (int x = 0; x < kWidth; ++x) {
            // Mask thickness varies in soft blotches; glass weave of the
            // laminate shows as a fine grain through it.
            const double v = 1.0 + 0.05 * coarse.at(x, y) + 0.025 * medium.at(x, y) + 0.02 * fine.at(x, y)
                             + 0.012 * rng_.gauss();
            const double weave = 0.008 * std::sin(x * 1.9) * std::sin(y * 1.9);
            const double f = v + weave;
            row[x] = qRgb(std::clamp(int(27 * f), 0, 255), std::clamp(int(86 * f), 0, 255),
                          std::clamp(int(50 * f), 0, 255));
        }
    }

    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Neutral dark backdrop the board was photographed on.
    QLinearGradient bg(0, 0, kWidth, kHeight);
    bg.setColorAt(0.0, QColor(54, 54, 56));
    bg.setColorAt(1.0, QColor(38, 38, 40));
    p.fillRect(img.rect(), bg);
    p.setClipPath(outline);
    p.drawImage(0, 0, mask);
    p.setClipping(false);
    p.end();
}

void Scene::layoutParts()
{
    // --- PCI/104 stack-through connector: 4 x 30 sockets.
    add(kPci104.adjusted(1, 1, -1, -1), 7.0, [](QPainter &p) {
        const QRectF body = kPci104.adjusted(1, 2, -1, -2);
        parts::plastic(p, body, 2.0, 4.0);
        const double pitchX = body.width() / 30.0;
        const double top = body.top() + 7.0;
        const double pitchY = (body.height() - 14.0) / 3.0;
        for (int r = 0; r < 4; ++r) {
            for (int c = 0; c < 30; ++c) {
                const QPointF ctr(body.left() + pitchX * (c + 0.5), top + r * pitchY);
                const QRectF hole(ctr.x() - 3.3, ctr.y() - 3.3, 6.6, 6.6);
                // Lead-in chamfer: a lighter ring around each socket.
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(58, 58, 62));
                p.drawRect(hole.adjusted(-1.0, -1.0, 1.0, 1.0));
                p.setBrush(QColor(6, 6, 7));
                p.drawRect(hole);
                parts::goldContact(p, QRectF(hole.left() + 1.0, hole.top() + 1.2, 4.6, 2.2));
                p.setBrush(QColor(255, 240, 190, 150));
                p.drawRect(QRectF(hole.left() + 1.4, hole.top() + 1.3, 2.0, 0.8));
            }
        }
        // Keying wall at pin 1 end and a moulded rib along the top.
        p.setPen(QPen(QColor(0, 0, 0, 160), 1.0));
        p.drawLine(QPointF(body.left() + 3, body.top() + 2.5), QPointF(body.right() - 3, body.top() + 2.5));
        p.setBrush(QColor(18, 18, 20));
        p.drawRect(QRectF(body.left() + 1.5, body.center().y() - 5, 2.5, 10));
    });

    // --- PC/104 bus connector: 64-pin and 40-pin sections, two rows each.
    add(kPc104.adjusted(1, 3, -1, -4), 7.0, [](QPainter &p) {
        const double pitch = 6.5;
        const double gap = 3.0;
        const QRectF j1(kPc104.left() + 1, kPc104.top() + 5, 32 * pitch, 52);
        const QRectF j2(j1.right() + gap, j1.top(), 20 * pitch, 52);
        for (const QRectF &body : {j1, j2}) {
            parts::plastic(p, body, 1.5, 2.0);
            const int cols = static_cast<int>(std::lround(body.width() / pitch));
            for (int r = 0; r < 2; ++r) {
                const double y = body.top() + 16.0 + r * 20.0;
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(10, 10, 11, 200));
                p.drawRect(QRectF(body.left() + 2, y - 5.0, body.width() - 4, 10.0));
                for (int c = 0; c < cols; ++c) {
                    const QPointF ctr(body.left() + pitch * (c + 0.5), y);
                    p.setBrush(QColor(54, 54, 58));
                    p.drawRect(QRectF(ctr.x() - 2.9, ctr.y() - 2.9, 5.8, 5.8));
                    p.setBrush(QColor(4, 4, 5));
                    p.drawRect(QRectF(ctr.x() - 2.3, ctr.y() - 2.3, 4.6, 4.6));
                    parts::goldPin(p, ctr, 3.8);
                }
            }
            // Moulded standoff ribs between the rows.
            p.setPen(QPen(QColor(70, 70, 76, 140), 1.0));
            p.drawLine(QPointF(body.left() + 3, body.top() + 26), QPointF(body.right() - 3, body.top() + 26));
            p.setPen(QPen(QColor(0, 0, 0, 150), 1.0));
            p.drawLine(QPointF(body.left() + 3, body.top() + 27.2), QPointF(body.right() - 3, body.top() + 27.2));
        }
    });

    // --- Boxed 50-pin headers on both edges.
    auto boxHeader = [](const QRectF &area, bool notchOnRight) {
        return [area, notchOnRight](QPainter &p) {
            const QRectF body = area.adjusted(2, 3, -2, -3);
            parts::plastic(p, body, 2.0, 6.0);
            const double wall = 10.0;
            const double end = 9.0;
            const QRectF cavity = body.adjusted(wall, end, -wall, -end);
            QLinearGradient floor(cavity.topLeft(), cavity.topRight());
            floor.setColorAt(0.0, QColor(8, 8, 9));
            floor.setColorAt(0.15, QColor(20, 20, 22));
            floor.setColorAt(1.0, QColor(14, 14, 16));
            p.setPen(Qt::NoPen);
            p.setBrush(floor);
            p.drawRect(cavity);
            // Inner walls: the lit one is the far (right/bottom) side.
            p.setBrush(QColor(2, 2, 3));
            p.drawRect(QRectF(cavity.left(), cavity.top(), cavity.width(), 2.5));
            p.drawRect(QRectF(cavity.left(), cavity.top(), 2.5, cavity.height()));
            p.setBrush(QColor(62, 62, 68));
            p.drawRect(QRectF(cavity.right() - 1.5, cavity.top(), 1.5, cavity.height()));

            // Polarising notch in the middle of one long wall.
            const double notchH = 40.0;
            const QRectF notch = notchOnRight
                                     ? QRectF(cavity.right(), body.center().y() - notchH / 2, wall, notchH)
                                     : QRectF(body.left(), body.center().y() - notchH / 2, wall, notchH);
            p.setBrush(QColor(14, 14, 16));
            p.drawRect(notch);
            p.setBrush(QColor(2, 2, 3));
            p.drawRect(QRectF(notch.left(), notch.top(), notch.width(), 2.0));
            p.setBrush(QColor(60, 60, 66));
            p.drawRect(QRectF(notch.left(), notch.bottom() - 1.2, notch.width(), 1.2));

            const double pitch = cavity.height() / 25.0;
            const double cx = cavity.center().x();
            for (int r = 0; r < 25; ++r) {
                for (int c = 0; c < 2; ++c) {
                    const QPointF ctr(cx + (c == 0 ? -pitch / 2 : pitch / 2), cavity.top() + pitch * (r + 0.5));
                    p.setPen(Qt::NoPen);
                    p.setBrush(QColor(0, 0, 0, 120));
                    p.drawRect(QRectF(ctr.x() - 1.8, ctr.y() - 1.0, 6.0, 6.0));
                    parts::goldPin(p, ctr, 5.8);
                }
            }
            // Moulded pin-1 triangle on the end wall.
            const double tx = cx - pitch / 2;
            QPolygonF tri({QPointF(tx - 3.0, body.top() + 2.5), QPointF(tx + 3.0, body.top() + 2.5),
                           QPointF(tx, body.top() + 6.5)});
            p.setBrush(QColor(70, 70, 76));
            p.drawPolygon(tri);
            // Ejector slots at the ends.
            p.setBrush(QColor(10, 10, 11));
            p.drawRect(QRectF(cx - 8, body.bottom() - 6.0, 16, 3.0));
        };
    };
    add(kHeader1.adjusted(2, 3, -2, -3), 8.0, boxHeader(kHeader1, true));
    add(kHeader3.adjusted(2, 3, -2, -3), 8.0, boxHeader(kHeader3, false));

    // --- Open 2 x 25 pin strips next to them.
    auto pinStrip = [](const QRectF &area) {
        return [area](QPainter &p) {
            const double pitch = area.height() / 25.0;
            const double colPitch = std::min(15.0, area.width() - 19.0);
            const double cx = area.center().x();
            for (int r = 0; r < 25; ++r) {
                const double cy = area.top() + pitch * (r + 0.5);
                const QRectF blk(cx - colPitch / 2 - 6.8, cy - pitch / 2 + 0.4, colPitch + 13.6, pitch - 0.8);
                parts::plastic(p, blk, 1.2, 2.0);
                for (int c = 0; c < 2; ++c)
                    parts::goldPin(p, QPointF(cx + (c == 0 ? -colPitch / 2 : colPitch / 2), cy), 5.2);
            }
        };
    };
    add(kHeader2.adjusted(1, 1, -1, -1), 6.0, pinStrip(kHeader2));
    add(kHeader4.adjusted(1, 1, -1, -1), 6.0, pinStrip(kHeader4));

    // --- Selection jumpers: two 3-pin headers with shunts.
    add(kJumpers.adjusted(3, 5, -3, -5), 8.0, [](QPainter &p) {
        const double pitch = 15.0;
        const double top = kJumpers.top() + 13.5;
        const double xs[2] = {kJumpers.left() + 11.5, kJumpers.right() - 11.5};
        for (int j = 0; j < 2; ++j) {
            for (int i = 0; i < 3; ++i) {
                const QPointF c(xs[j], top + i * pitch);
                parts::plastic(p, QRectF(c.x() - 7.0, c.y() - 7.2, 14.0, 14.4), 1.0, 2.0);
                parts::goldPin(p, c, 5.0);
            }
            // Shunt on pins 1-2 for the first jumper, 2-3 for the second.
            const double y0 = top + (j == 0 ? 0 : pitch) - 8.5;
            const QRectF shunt(xs[j] - 7.8, y0, 15.6, pitch + 17.0);
            QLinearGradient g(shunt.topLeft(), shunt.bottomRight());
            g.setColorAt(0.0, QColor(58, 74, 150));
            g.setColorAt(0.4, QColor(30, 42, 108));
            g.setColorAt(1.0, QColor(14, 20, 58));
            p.setPen(QPen(QColor(8, 10, 30), 0.8));
            p.setBrush(g);
            p.drawRoundedRect(shunt, 2.0, 2.0);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(170, 190, 255, 60));
            p.drawRoundedRect(QRectF(shunt.left() + 1.5, shunt.top() + 1.2, shunt.width() - 3, 3.0), 1.0, 1.0);
            // Grip ridges and the test-probe opening on top.
            p.setBrush(QColor(10, 14, 40, 160));
            for (int k = 0; k < 3; ++k)
                p.drawRect(QRectF(shunt.left() + 3, shunt.top() + 8 + k * 3.2, shunt.width() - 6, 1.1));
            p.setBrush(QColor(6, 8, 24));
            p.drawRect(QRectF(shunt.center().x() - 2.2, shunt.bottom() - 9.5, 4.4, 4.4));
        }
    });

    // --- Two-position DIP switch.
    add(kDipSwitch.adjusted(1, 3, -19, -9), 4.0, [](QPainter &p) {
        const QRectF body(kDipSwitch.left() + 2, kDipSwitch.top() + 8, 24, 22);
        parts::gullLegs(p, body, Side::Top, 2, 12.0, 3.6, 3.0);
        parts::gullLegs(p, body, Side::Bottom, 2, 12.0, 3.6, 3.0);
        QLinearGradient g(body.topLeft(), body.bottomRight());
        g.setColorAt(0.0, QColor(226, 60, 52));
        g.setColorAt(0.5, QColor(186, 32, 28));
        g.setColorAt(1.0, QColor(120, 16, 14));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawRoundedRect(body, 1.5, 1.5);
        p.setBrush(QColor(255, 200, 190, 50));
        p.drawRect(QRectF(body.left() + 1, body.top() + 1, body.width() - 2, 2.0));
        for (int i = 0; i < 2; ++i) {
            const double x = body.left() + 6.0 + i * 12.0;
            const QRectF slot(x - 3.4, body.top() + 3.0, 6.8, body.height() - 6.0);
            p.setBrush(QColor(40, 6, 6));
            p.drawRect(slot);
            // Switch 1 set to ON (towards the top), switch 2 off.
            const bool on = i == 0;
            const QRectF act = on ? QRectF(slot.left() + 0.6, slot.top() + 0.6, slot.width() - 1.2, 7.0)
                                  : QRectF(slot.left() + 0.6, slot.bottom() - 7.6, slot.width() - 1.2, 7.0);
            QLinearGradient a(act.topLeft(), act.bottomLeft());
            a.setColorAt(0.0, QColor(252, 252, 248));
            a.setColorAt(1.0, QColor(196, 196, 190));
            p.setBrush(a);
            p.drawRect(act);
            p.setBrush(QColor(150, 150, 146));
            for (int k = 0; k < 3; ++k)
                p.drawRect(QRectF(act.left() + 1, act.top() + 1.5 + k * 2.0, act.width() - 2, 0.6));
        }
    });

    // --- Controller and port ICs.
    add(kQfp.adjusted(-6, -6, 6, 6), 2.0, [](QPainter &p) {
        parts::qfp(p, kQfp, 20, {QStringLiteral("QX4410-C"), QStringLiteral("PQ100"), QStringLiteral("2316 A7")}, 7.0);
    });
    const QStringList ppiMark = {QStringLiteral("TK24P-2"), QStringLiteral("2311")};
    for (const QRectF &r : {kPlccA, kPlccB, kPlccC, kPlccD})
        add(r.adjusted(-4, -4, 4, 4), 2.5, [r, ppiMark](QPainter &p) { parts::plcc(p, r, 11, ppiMark, 6.0); });

    const QRectF buf1(240, 236, 24, 70);
    const QRectF buf2(296, 236, 24, 70);
    for (const QRectF &r : {buf1, buf2})
        add(r.adjusted(-6, -1, 6, 1), 1.5,
            [r](QPainter &p) { parts::soic(p, r, 10, true, {QStringLiteral("HB245T"), QStringLiteral("2309")}, 5.5); });

    const QRectF logic1(238, 338, 50, 20);
    const QRectF logic2(300, 338, 50, 20);
    add(logic1.adjusted(-1, -6, 1, 6), 1.5,
        [logic1](QPainter &p) { parts::soic(p, logic1, 7, false, {QStringLiteral("LV138")}, 5.5); });
    add(logic2.adjusted(-1, -6, 1, 6), 1.5,
        [logic2](QPainter &p) { parts::soic(p, logic2, 7, false, {QStringLiteral("LV04A")}, 5.5); });

    const QRectF eeprom(300, 140, 56, 21);
    add(eeprom.adjusted(-1, -6, 1, 6), 1.5, [eeprom](QPainter &p) {
        parts::soic(p, eeprom, 8, false, {QStringLiteral("CF93S16")}, 5.5);
    });

    const QRectF crystalR(300, 100, 44, 17);
    add(crystalR.adjusted(-4, -1, 4, 1), 3.5, [crystalR](QPainter &p) { parts::crystal(p, crystalR, QStringLiteral("16.000")); });

    const QRectF reg(372, 102, 34, 18);
    add(reg.adjusted(-1, -8, 1, 6), 2.0, [reg](QPainter &p) { parts::sot223(p, reg, QStringLiteral("R33")); });

    for (int i = 0; i < 2; ++i) {
        const QRectF tant(424, 92 + i * 24, 26, 15);
        add(tant.adjusted(-3, -1, 3, 1), 2.5,
            [tant](QPainter &p) { parts::tantalum(p, tant, false, true, QStringLiteral("107")); });
    }

    // Pull-up / series resistor arrays along both header strips.
    for (int i = 0; i < 12; ++i) {
        const QRectF l(128, 98 + i * 30.0, 10, 20);
        const QRectF r(463, 98 + i * 30.0, 10, 20);
        add(l.adjusted(-2, 0, 2, 0), 1.0, [l](QPainter &p) { parts::resistorArray(p, l, true); });
        if (r.top() > 86 && !(r.intersects(QRectF(420, 90, 40, 45))))
            add(r.adjusted(-2, 0, 2, 0), 1.0, [r](QPainter &p) { parts::resistorArray(p, r, true); });
    }

    // Power indicator.
    add(QRectF(154, 86, 12, 8), 1.0, [](QPainter &p) { parts::led(p, QPointF(160, 90), false); });
}

void Scene::scatterPassives()
{
    // Decoupling capacitors next to every IC's supply pins.
    const QColor tan1(178, 142, 98);
    const QColor tan2(150, 112, 72);
    struct Cap {
        QPointF c;
        bool vertical;
    };
    const std::vector<Cap> caps = {
        {{182, 98}, false},  {{282, 98}, false},  {{182, 196}, false}, {{282, 196}, false},
        {{146, 244}, false}, {{218, 320}, true},  {{146, 364}, false}, {{218, 440}, true},
        {{384, 254}, false}, {{460, 330}, true},  {{384, 368}, false}, {{460, 444}, true},
        {{252, 226}, false}, {{308, 226}, false}, {{252, 316}, false}, {{308, 316}, false},
        {{230, 330}, true},  {{362, 346}, true},  {{362, 148}, true},  {{296, 126}, false},
        {{348, 126}, false}, {{416, 134}, true}, {{178, 120}, true},
    };
    for (std::size_t i = 0; i < caps.size(); ++i) {
        const Cap cap = caps[i];
        const QColor body = (i % 3 == 0) ? tan2 : tan1;
        const QRectF fp = cap.vertical ? QRectF(cap.c.x() - 3.5, cap.c.y() - 6, 7, 12)
                                       : QRectF(cap.c.x() - 6, cap.c.y() - 3.5, 12, 7);
        add(fp, 1.0, [cap, body](QPainter &p) { parts::chip(p, cap.c, 10.0, 5.0, cap.vertical, body); });
    }

    // Small resistors and transistors around the jumpers and the bus buffers.
    const QColor black(24, 24, 25);
    const std::vector<Cap> res = {
        {{340, 252}, false}, {{340, 264}, false}, {{340, 276}, false}, {{420, 196}, true},
        {{432, 196}, true},  {{444, 196}, true},  {{166, 104}, false},
        {{246, 468}, false}, {{262, 468}, false}, {{278, 468}, false}, {{372, 462}, false},
        {{388, 462}, false}, {{340, 288}, false},
    };
    for (const Cap &r : res) {
        const QRectF fp = r.vertical ? QRectF(r.c.x() - 3.5, r.c.y() - 6, 7, 12) : QRectF(r.c.x() - 6, r.c.y() - 3.5, 12, 7);
        add(fp, 1.0, [r, black](QPainter &p) { parts::chip(p, r.c, 10.0, 5.0, r.vertical, black); });
    }
    for (const QPointF &t : {QPointF(344, 312), QPointF(356, 262)})
        add(QRectF(t.x() - 6, t.y() - 6, 12, 12), 1.2, [t](QPainter &p) { parts::sot23(p, t, true); });
}

void Scene::layoutTraces()
{
    const double h2pitch = kHeader2.height() / 25.0;
    // Left strip and box header rows fan into the left-hand port chips.
    for (int r = 0; r < 25; ++r) {
        const double y = kHeader2.top() + h2pitch * (r + 0.5);
        const bool upper = r < 12;
        const QRectF chipR = upper ? kPlccA : kPlccB;
        const int idx = upper ? r : r - 12;
        const double pitch = (chipR.width() - 12.0) / 10.0;
        const double ty = chipR.center().y() - pitch * 5 + pitch * std::min(idx, 10);
        const double tx = chipR.left() - 3.0;
        if (idx <= 10) {
            trace(QPointF(70, y), QPointF(tx, ty), 1.6, 0.25 + 0.5 * (idx / 10.0));
        } else {
            trace(QPointF(70, y), QPointF(chipR.center().x(), chipR.bottom() + 3), 1.6, 0.3, true);
        }
    }
    for (int r = 0; r < 25; ++r) {
        const double y = kHeader4.top() + h2pitch * (r + 0.5);
        const bool upper = r < 12;
        const QRectF chipR = upper ? kPlccC : kPlccD;
        const int idx = upper ? r : r - 12;
        const double pitch = (chipR.width() - 12.0) / 10.0;
        const double ty = chipR.center().y() - pitch * 5 + pitch * std::min(idx, 10);
        const double tx = chipR.right() + 3.0;
        if (idx <= 10)
            trace(QPointF(532, y), QPointF(tx, ty), 1.6, 0.25 + 0.5 * ((10 - idx) / 10.0));
    }

    // Bus from the stack connector down into the controller.
    const double pciPitch = (kPci104.width() - 2) / 30.0;
    const double qPitch = (kQfp.width() - 10.0) / 19.0;
    for (int i = 0; i < 20; ++i) {
        const double sx = kPci104.left() + 1 + pciPitch * (i + 3.5);
        const double qx = kQfp.center().x() - qPitch * 9.5 + qPitch * i;
        trace(QPointF(sx, 68), QPointF(qx, kQfp.top() - 4), 1.4, 0.35, false);
    }
    // Data bus from the controller's lower side to the buffers and ports.
    for (int i = 0; i < 10; ++i) {
        const double qx = kQfp.center().x() - qPitch * 9.5 + qPitch * (i + 5);
        const double bx = 240 - 4.0;
        const double by = 236 + 1.5 + (70 - 3.0) / 10.0 * (i + 0.5);
        trace(QPointF(qx, kQfp.bottom() + 4), QPointF(bx, by), 1.4, 0.2, false);
    }
    for (int i = 0; i < 8; ++i) {
        const double y = 240 + i * 7.0;
        trace(QPointF(268, y), QPointF(292, y + 2.0), 1.4, 0.5);
        trace(QPointF(324, y), QPointF(388, 270 + i * 4.6), 1.4, 0.4);
    }
    // PC/104 data lines up to the buffers.
    for (int i = 0; i < 10; ++i) {
        const double sx = kPc104.left() + 1 + 6.5 * (i + 8.5);
        const double by = 236 + 1.5 + (70 - 3.0) / 10.0 * (i + 0.5);
        trace(QPointF(sx, 490), QPointF(324 + 3.0, by), 1.4, 0.25, false);
        traceVias_.push_back(QPointF(sx, 468 - i * 0.0));
    }
    // Supply rails: wide traces from the regulator and tantalums.
    trace(QPointF(389, 92), QPointF(438, 96), 4.5, 0.5);
    trace(QPointF(389, 124), QPointF(438, 124), 4.0, 0.5);
    trace(QPointF(438, 124), QPointF(282, 200), 3.5, 0.3, false);
    trace(QPointF(182, 200), QPointF(146, 250), 3.0, 0.5, false);
    trace(QPointF(460, 140), QPointF(460, 470), 3.0, 0.5, false);
    trace(QPointF(140, 470), QPointF(520, 472), 3.5, 0.5);
    // Chip-select and control lines between the logic and the ports.
    for (int i = 0; i < 6; ++i) {
        trace(QPointF(243 + i * 6.8, 368), QPointF(214, 380 + i * 4.3), 1.3, 0.4, false);
        trace(QPointF(305 + i * 6.8, 368), QPointF(388, 386 + i * 4.3), 1.3, 0.4, false);
    }
    for (int i = 0; i < 4; ++i)
        trace(QPointF(378 + (i % 2) * 23, 244), QPointF(348 - i * 6.8, 334), 1.3, 0.5, false);

    for (const auto &t : traces_) {
        if (rng_.chance(0.25)) {
            const double len = t.first.length();
            traceVias_.push_back(t.first.pointAtPercent(std::clamp(0.5 + rng_.range(-0.2, 0.2), 0.0, 1.0)));
            (void)len;
        }
    }
}

void Scene::paintCopper(QImage &img)
{
    QImage copper = makeLayer();
    {
        QPainter p(&copper);
        p.setRenderHint(QPainter::Antialiasing);
        // Ground pour on the top layer, kept back from the board edge.
        QPainterPath pour;
        pour.addRoundedRect(QRectF(7, 7, kWidth - 14, kHeight - 14), 6, 6);
        for (const QPointF &h : kHoles)
            pour.addEllipse(h, 22, 22);
        p.fillPath(pour, QColor(255, 255, 255, 80));
        p.setCompositionMode(QPainter::CompositionMode_Clear);
        for (const auto &t : traces_)
            p.strokePath(t.first, QPen(Qt::black, t.second + 4.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        for (const QPointF &v : traceVias_)
            p.drawEllipse(v, 5.5, 5.5);
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        for (const auto &t : traces_)
            p.strokePath(t.first, QPen(QColor(255, 255, 255), t.second, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    }
    photofx::blur(copper, 1, 1);

    // Copper under the mask reads as a lighter, slightly yellower green;
    // the bare-laminate gaps stay darker.
    for (int y = 0; y < kHeight; ++y) {
        auto *row = reinterpret_cast<QRgb *>(img.scanLine(y));
        const auto *cr = reinterpret_cast<const QRgb *>(copper.constScanLine(y));
        for (int x = 0; x < kWidth; ++x) {
            const double a = qAlpha(cr[x]) / 255.0;
            if (a <= 0.0)
                continue;
            const QRgb c = row[x];
            row[x] = qRgb(std::min(255, int(qRed(c) * (1.0 + 1.05 * a) + 5 * a)),
                          std::min(255, int(qGreen(c) * (1.0 + 0.46 * a))),
                          std::min(255, int(qBlue(c) * (1.0 + 0.10 * a))));
        }
    }
}

void Scene::silkRect(QPainter &p, const QRectF &r)
{
    p.setPen(QPen(kSilk, 1.1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r);
}

void Scene::silkText(QPainter &p, const QPointF &topLeft, const QString &text, double px, bool bold, int rotation)
{
    p.save();
    p.translate(topLeft);
    p.rotate(rotation);
    p.setFont(parts::silkFont(px, bold));
    p.setPen(kSilk);
    p.drawText(QRectF(0, 0, 200, px * 1.4), Qt::AlignLeft | Qt::AlignTop, text);
    p.restore();
}

void Scene::paintSilkscreen(QPainter &p)
{
    // Component outlines.
    silkRect(p, kHeader1.adjusted(1, 1.5, -1, -1.5));
    silkRect(p, kHeader3.adjusted(1, 1.5, -1, -1.5));
    silkRect(p, kHeader2.adjusted(1.5, 0, -1.5, 0));
    silkRect(p, kHeader4.adjusted(1.5, 0, -1.5, 0));
    silkRect(p, kPci104.adjusted(0, 1, 0, -1));
    silkRect(p, QRectF(kPc104.left(), kPc104.top() + 3, kPc104.width() - 1, kPc104.height() - 7));
    silkRect(p, kJumpers.adjusted(3, 4, -3, -4));

    // Pin-1 marks.
    auto triangle = [&p](QPointF tip, double dir) {
        QPolygonF t({tip, tip + QPointF(-3.5, -5.0 * dir), tip + QPointF(3.5, -5.0 * dir)});
        p.setPen(Qt::NoPen);
        p.setBrush(kSilk);
        p.drawPolygon(t);
    };
    const double pitch1 = (kHeader1.height() - 12 - 18) / 25.0;
    triangle(QPointF(kHeader1.center().x() - pitch1 / 2, 85.5), 1.0);
    triangle(QPointF(kHeader3.center().x() - pitch1 / 2, 85.5), 1.0);
    triangle(QPointF(kHeader2.center().x() - 7.5, 85.5), 1.0);
    triangle(QPointF(kHeader4.center().x() - 7.5, 85.5), 1.0);
    silkText(p, QPointF(kHeader1.center().x() - pitch1 / 2 - 14, 75), QStringLiteral("1"), 8);
    silkText(p, QPointF(kHeader2.center().x() - 11, 75), QStringLiteral("1"), 8);
    silkText(p, QPointF(kHeader3.center().x() - pitch1 / 2 + 5, 75), QStringLiteral("1"), 8);
    silkText(p, QPointF(kHeader4.center().x() - 4, 75), QStringLiteral("1"), 8);
    silkText(p, QPointF(kHeader1.center().x() + 3, 469), QStringLiteral("49"), 7, false);
    silkText(p, QPointF(kHeader3.center().x() - 13, 469), QStringLiteral("49"), 7, false);

    silkText(p, QPointF(18, 66), QStringLiteral("P1"), 9);
    silkText(p, QPointF(92, 60), QStringLiteral("P2"), 9);
    silkText(p, QPointF(569, 66), QStringLiteral("P3"), 9);
    silkText(p, QPointF(488, 60), QStringLiteral("P4"), 9);
    silkText(p, QPointF(100, 20), QStringLiteral("J3"), 9);
    silkText(p, QPointF(113, 36), QStringLiteral("1"), 7, false);
    triangle(QPointF(kPci104.left() + 7, 80.5), -1.0);

    silkText(p, QPointF(165, 510), QStringLiteral("J1"), 8, true, -90);
    silkText(p, QPointF(kPc104.left() + 32 * 6.5 + 6, 545.5), QStringLiteral("J2"), 7.5);
    silkText(p, QPointF(kPc104.left() + 2, 545.5), QStringLiteral("A1"), 7, false);
    silkText(p, QPointF(kPc104.left() + 32 * 6.5 - 10, 545.5), QStringLiteral("A32"), 7, false);

    // Jumper legends.
    silkText(p, QPointF(337, 191), QStringLiteral("SEL 1"), 7.5);
    silkText(p, QPointF(407, 222), QStringLiteral("SEL 2"), 7.5);
    silkText(p, QPointF(kJumpers.left() - 3, 182), QStringLiteral("1"), 6, false);
    silkText(p, QPointF(kJumpers.right() - 1, 182), QStringLiteral("1"), 6, false);

    // DIP switch legend: positions printed next to the part.
    {
        const QRectF body(kDipSwitch.left() + 2, kDipSwitch.top() + 8, 24, 22);
        silkRect(p, body.adjusted(-1.5, -1.5, 1.5, 1.5));
        silkText(p, QPointF(body.left() + 3.5, body.bottom() + 3.2), QStringLiteral("1"), 6.5);
        silkText(p, QPointF(body.left() + 15.5, body.bottom() + 3.2), QStringLiteral("2"), 6.5);
        const double x = body.right() + 4.0;
        silkText(p, QPointF(x, kDipSwitch.top() + 1.5), QStringLiteral("ON"), 7);
        p.setPen(QPen(kSilk, 1.1));
        p.drawLine(QPointF(x + 5, body.top() + 4), QPointF(x + 5, body.bottom() - 6));
        p.setPen(Qt::NoPen);
        p.setBrush(kSilk);
        p.drawPolygon(QPolygonF({QPointF(x + 5, body.top() + 1.5), QPointF(x + 2.2, body.top() + 6),
                                 QPointF(x + 7.8, body.top() + 6)}));
        silkText(p, QPointF(x + 0.5, body.bottom() - 3.5), QStringLiteral("OFF"), 6, false);
        silkText(p, QPointF(kDipSwitch.left() - 1, kDipSwitch.top() - 11), QStringLiteral("SW1"), 8);
    }

    // Board identity.
    silkText(p, QPointF(238, 386), QStringLiteral("QK-4410"), 19);
    silkText(p, QPointF(240, 410), QStringLiteral("REV B"), 11);
    silkText(p, QPointF(240, 425), QStringLiteral("96-CH DIGITAL I/O"), 8, false);
    p.setPen(QPen(kSilk, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(300, 409, 50, 13));
    silkText(p, QPointF(302, 411), QStringLiteral("S/N"), 7, false);
    p.setPen(Qt::NoPen);
    p.setBrush(kSilk);
    p.drawRect(QRectF(300, 438, 26, 9));

    // Reference designators.
    silkText(p, QPointF(226, 88), QStringLiteral("U1"), 8);
    silkText(p, QPointF(156, 236), QStringLiteral("U4"), 8);
    silkText(p, QPointF(156, 437), QStringLiteral("U5"), 8);
    silkText(p, QPointF(437, 248), QStringLiteral("U6"), 8);
    silkText(p, QPointF(396, 440), QStringLiteral("U7"), 8);
    silkText(p, QPointF(268, 222), QStringLiteral("U8"), 7);
    silkText(p, QPointF(324, 222), QStringLiteral("U9"), 7);
    silkText(p, QPointF(222, 354), QStringLiteral("U10"), 7, true, -90);
    silkText(p, QPointF(318, 322), QStringLiteral("U11"), 7);
    silkText(p, QPointF(360, 164), QStringLiteral("U2"), 7);
    silkText(p, QPointF(383, 127), QStringLiteral("U3"), 7);
    silkText(p, QPointF(316, 88), QStringLiteral("Y1"), 7);
    silkText(p, QPointF(452, 93), QStringLiteral("C1"), 7);
    silkText(p, QPointF(452, 117), QStringLiteral("C2"), 7);
    silkText(p, QPointF(168, 85), QStringLiteral("PWR"), 6.5);
    // Designators go only where no part would cover them.
    for (int i = 0; i < 12; ++i) {
        const QPointF at(143.0, 104 + i * 30.0);
        if (isFree(QRectF(at + QPointF(1.5, 0), QSizeF(11, 7))))
            silkText(p, at, QStringLiteral("RN%1").arg(i + 1), 5.5, false);
    }

    // Polarity marks for the tantalums.
    p.setPen(QPen(kSilk, 1.0));
    for (int i = 0; i < 2; ++i) {
        const double y = 92 + i * 24 + 7.5;
        p.drawLine(QPointF(418, y - 3), QPointF(418, y + 3));
        p.drawLine(QPointF(415, y), QPointF(421, y));
    }
}

void Scene::paintVias(QPainter &p)
{
    for (const QPointF &v : traceVias_) {
        const QRectF r(v.x() - 3, v.y() - 3, 6, 6);
        if (isFree(r))
            parts::via(p, v, 2.6, false);
    }
    // Stitching vias tying the pour to the inner ground plane.
    int placed = 0;
    for (int attempt = 0; attempt < 1500 && placed < 70; ++attempt) {
        const QPointF c(rng_.range(12, kWidth - 12), rng_.range(12, kHeight - 12));
        const QRectF r(c.x() - 4, c.y() - 4, 8, 8);
        bool nearTrace = false;
        for (const auto &t : traces_) {
            if (t.first.controlPointRect().adjusted(-3, -3, 3, 3).contains(c)) {
                QPainterPathStroker st;
                st.setWidth(t.second + 8);
                if (st.createStroke(t.first).contains(c)) {
                    nearTrace = true;
                    break;
                }
            }
        }
        bool nearHole = false;
        for (const QPointF &h : kHoles)
            nearHole = nearHole || QLineF(h, c).length() < 26;
        if (nearTrace || nearHole || !isFree(r))
            continue;
        parts::via(p, c, 2.4, rng_.chance(0.55));
        keepout_.push_back(r);
        ++placed;
    }
}

void Scene::paintShadows(QImage &img)
{
    QImage tall = makeLayer();
    QImage low = makeLayer();
    {
        QPainter pt(&tall);
        QPainter pl(&low);
        pt.setRenderHint(QPainter::Antialiasing);
        pl.setRenderHint(QPainter::Antialiasing);
        for (const Item &it : items_) {
            if (it.height >= 3.0) {
                const double k = it.height / 8.0;
                pt.fillRect(it.footprint.translated(4.0 * k, 5.0 * k), QColor(0, 0, 0, 235));
            } else {
                pl.fillRect(it.footprint.translated(1.0, 1.4), QColor(0, 0, 0, 150));
            }
        }
    }
    photofx::blur(tall, 3, 3);
    photofx::blur(low, 1, 2);
    QPainter p(&img);
    p.setClipPath(boardOutline());
    p.setOpacity(0.85);
    p.drawImage(0, 0, tall);
    p.setOpacity(0.6);
    p.drawImage(0, 0, low);
}

QImage Scene::render()
{
    QImage img(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    paintMask(img);
    layoutParts();
    scatterPassives();
    layoutTraces();
    paintCopper(img);

    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        // Board edge: the routed laminate is paler where the mask thins out.
        p.setPen(QPen(QColor(120, 150, 90, 150), 2.0));
        p.setBrush(Qt::NoBrush);
        p.drawPath(boardOutline());
        p.setPen(QPen(QColor(10, 40, 20, 120), 1.0));
        p.drawRoundedRect(QRectF(2.5, 2.5, kWidth - 5.0, kHeight - 5.0), 8, 8);

        for (const QPointF &h : kHoles)
            parts::mountingHole(p, h, 15.0, 7.5);
        paintSilkscreen(p);
        paintVias(p);
    }
    paintShadows(img);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        for (const Item &it : items_)
            it.draw(p);
    }

    photofx::cameraLook(img, rng_);
    return img;
}

} // namespace

QImage renderBoardPhoto(std::uint64_t seed)
{
    Scene scene(seed);
    return scene.render();
}
