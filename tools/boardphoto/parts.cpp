#include "parts.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include <cmath>

namespace parts {

namespace {

QColor tinMid(178, 178, 172);

void fillPolygon(QPainter &p, const QPolygonF &poly, const QColor &c)
{
    p.setBrush(c);
    p.drawPolygon(poly);
}

QRectF centred(QPointF c, double w, double h) { return {c.x() - w / 2.0, c.y() - h / 2.0, w, h}; }

void tinBlob(QPainter &p, const QRectF &r, bool horizontal)
{
    QLinearGradient g = horizontal ? QLinearGradient(r.topLeft(), r.bottomLeft())
                                   : QLinearGradient(r.topLeft(), r.topRight());
    g.setColorAt(0.0, QColor(226, 226, 220));
    g.setColorAt(0.35, QColor(196, 196, 190));
    g.setColorAt(1.0, QColor(128, 128, 124));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(r, 0.8, 0.8);
}

} // namespace

QFont silkFont(double pixelSize, bool bold)
{
    QFont f(QStringLiteral("DejaVu Sans Condensed"));
    f.setPixelSize(static_cast<int>(std::lround(pixelSize)));
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QFont markFont(double pixelSize)
{
    QFont f(QStringLiteral("DejaVu Sans Mono"));
    f.setPixelSize(static_cast<int>(std::lround(pixelSize)));
    f.setStyleStrategy(QFont::PreferAntialias);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

void goldPin(QPainter &p, QPointF c, double s)
{
    const QRectF r = centred(c, s, s);
    const double t = s * 0.20;
    const QRectF tip = centred(c + QPointF(-s * 0.04, -s * 0.04), 2 * t, 2 * t);

    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(176, 140, 58));
    p.drawRect(r);
    fillPolygon(p, QPolygonF({r.topLeft(), r.topRight(), tip.topRight(), tip.topLeft()}), QColor(250, 228, 148));
    fillPolygon(p, QPolygonF({r.topLeft(), tip.topLeft(), tip.bottomLeft(), r.bottomLeft()}), QColor(222, 184, 92));
    fillPolygon(p, QPolygonF({r.topRight(), r.bottomRight(), tip.bottomRight(), tip.topRight()}), QColor(150, 112, 40));
    fillPolygon(p, QPolygonF({r.bottomLeft(), tip.bottomLeft(), tip.bottomRight(), r.bottomRight()}), QColor(112, 82, 28));
    p.setBrush(QColor(240, 210, 126));
    p.drawRect(tip);
    p.setBrush(QColor(255, 255, 240, 190));
    p.drawEllipse(centred(r.topLeft() + QPointF(s * 0.32, s * 0.22), s * 0.28, s * 0.16));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(40, 30, 10, 110), 0.6));
    p.drawRect(r);
    p.restore();
}

void goldContact(QPainter &p, const QRectF &r)
{
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0.0, QColor(246, 220, 140));
    g.setColorAt(0.5, QColor(200, 160, 70));
    g.setColorAt(1.0, QColor(120, 90, 30));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRect(r);
    p.restore();
}

void plastic(QPainter &p, const QRectF &r, double radius, double lift)
{
    p.save();
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0.0, QColor(50 + lift, 50 + lift, 55 + lift));
    g.setColorAt(0.45, QColor(30 + lift, 30 + lift, 33 + lift));
    g.setColorAt(1.0, QColor(15 + lift, 15 + lift, 17 + lift));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(r, radius, radius);

    // A broad, faint reflection across the top: moulded plastic is satin,
    // not matte.
    QLinearGradient s(r.topLeft(), r.bottomLeft());
    s.setColorAt(0.0, QColor(255, 255, 255, 0));
    s.setColorAt(0.12, QColor(255, 255, 255, 24));
    s.setColorAt(0.30, QColor(255, 255, 255, 0));
    s.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setBrush(s);
    p.drawRoundedRect(r, radius, radius);

    const QRectF e = r.adjusted(0.5, 0.5, -0.5, -0.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(110, 110, 118, 120), 1.0));
    p.drawLine(QPointF(e.left() + radius, e.top()), QPointF(e.right() - radius, e.top()));
    p.drawLine(QPointF(e.left(), e.top() + radius), QPointF(e.left(), e.bottom() - radius));
    p.setPen(QPen(QColor(0, 0, 0, 170), 1.0));
    p.drawLine(QPointF(e.left() + radius, e.bottom()), QPointF(e.right() - radius, e.bottom()));
    p.drawLine(QPointF(e.right(), e.top() + radius), QPointF(e.right(), e.bottom() - radius));
    p.restore();
}

void icTop(QPainter &p, const QRectF &body, const QStringList &marking, double fontPx, int rotationDeg)
{
    p.save();
    QLinearGradient g(body.topLeft(), body.bottomRight());
    g.setColorAt(0.0, QColor(44, 44, 47));
    g.setColorAt(0.5, QColor(31, 31, 33));
    g.setColorAt(1.0, QColor(22, 22, 24));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRect(body);

    // The moulded chamfer around the top surface catches light on the upper
    // and left edges only.
    const QRectF e = body.adjusted(0.6, 0.6, -0.6, -0.6);
    p.setPen(QPen(QColor(92, 92, 98, 150), 1.1));
    p.drawLine(e.topLeft(), e.topRight());
    p.drawLine(e.topLeft(), e.bottomLeft());
    p.setPen(QPen(QColor(4, 4, 6, 200), 1.1));
    p.drawLine(e.bottomLeft(), e.bottomRight());
    p.drawLine(e.topRight(), e.bottomRight());
    const QRectF inner = body.adjusted(2.0, 2.0, -2.0, -2.0);
    p.setPen(QPen(QColor(255, 255, 255, 10), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(inner);

    if (!marking.isEmpty()) {
        p.translate(body.center());
        p.rotate(rotationDeg);
        const QFont f = markFont(fontPx);
        p.setFont(f);
        p.setPen(QColor(176, 176, 170, 150));
        const double lineH = fontPx * 1.22;
        const double total = lineH * marking.size();
        double y = -total / 2.0;
        const double w = (rotationDeg % 180 == 0) ? body.width() : body.height();
        for (const QString &line : marking) {
            p.drawText(QRectF(-w / 2.0, y, w, lineH), Qt::AlignCenter, line);
            y += lineH;
        }
    }
    p.restore();
}

void pin1Dimple(QPainter &p, QPointF centre, double radius)
{
    p.save();
    p.setPen(Qt::NoPen);
    QRadialGradient g(centre + QPointF(-radius * 0.3, -radius * 0.3), radius * 1.3);
    g.setColorAt(0.0, QColor(12, 12, 13));
    g.setColorAt(0.7, QColor(20, 20, 22));
    g.setColorAt(1.0, QColor(70, 70, 76));
    p.setBrush(g);
    p.drawEllipse(centre, radius, radius);
    p.restore();
}

void pad(QPainter &p, const QRectF &r)
{
    p.save();
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0.0, QColor(214, 214, 206));
    g.setColorAt(0.5, QColor(182, 182, 175));
    g.setColorAt(1.0, QColor(140, 140, 134));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(r, 0.6, 0.6);
    p.restore();
}

void gullLegs(QPainter &p, const QRectF &body, Side side, int count, double pitch, double length, double width)
{
    p.save();
    const bool vertical = side == Side::Left || side == Side::Right;
    const double span = pitch * (count - 1);
    const QPointF c = body.center();
    for (int i = 0; i < count; ++i) {
        const double along = -span / 2.0 + i * pitch;
        QRectF leg;
        QRectF pd;
        QRectF toe;
        switch (side) {
        case Side::Left:
            leg = QRectF(body.left() - length, c.y() + along - width / 2, length, width);
            pd = leg.adjusted(-1.4, -0.5, -length * 0.35, 0.5);
            toe = QRectF(leg.left() - 0.6, leg.top(), length * 0.45, width);
            break;
        case Side::Right:
            leg = QRectF(body.right(), c.y() + along - width / 2, length, width);
            pd = leg.adjusted(length * 0.35, -0.5, 1.4, 0.5);
            toe = QRectF(leg.right() - length * 0.45 + 0.6, leg.top(), length * 0.45, width);
            break;
        case Side::Top:
            leg = QRectF(c.x() + along - width / 2, body.top() - length, width, length);
            pd = leg.adjusted(-0.5, -1.4, 0.5, -length * 0.35);
            toe = QRectF(leg.left(), leg.top() - 0.6, width, length * 0.45);
            break;
        case Side::Bottom:
            leg = QRectF(c.x() + along - width / 2, body.bottom(), width, length);
            pd = leg.adjusted(-0.5, length * 0.35, 0.5, 1.4);
            toe = QRectF(leg.left(), leg.bottom() - length * 0.45 + 0.6, width, length * 0.45);
            break;
        }
        pad(p, pd);
        QLinearGradient g = vertical ? QLinearGradient(leg.topLeft(), leg.bottomLeft())
                                     : QLinearGradient(leg.topLeft(), leg.topRight());
        g.setColorAt(0.0, QColor(120, 120, 116));
        g.setColorAt(0.35, QColor(232, 232, 226));
        g.setColorAt(1.0, QColor(110, 110, 106));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawRect(leg);
        tinBlob(p, toe, vertical);
    }
    p.restore();
}

void soic(QPainter &p, const QRectF &body, int pinsPerSide, bool legsLeftRight, const QStringList &marking,
          double fontPx)
{
    const double along = legsLeftRight ? body.height() : body.width();
    const double pitch = (along - 3.0) / pinsPerSide;
    const double legLen = 4.6;
    const double legW = pitch * 0.48;
    if (legsLeftRight) {
        gullLegs(p, body, Side::Left, pinsPerSide, pitch, legLen, legW);
        gullLegs(p, body, Side::Right, pinsPerSide, pitch, legLen, legW);
    } else {
        gullLegs(p, body, Side::Top, pinsPerSide, pitch, legLen, legW);
        gullLegs(p, body, Side::Bottom, pinsPerSide, pitch, legLen, legW);
    }
    icTop(p, body, marking, fontPx, legsLeftRight ? 90 : 0);
    if (legsLeftRight)
        pin1Dimple(p, body.topLeft() + QPointF(3.6, 3.6), 1.6);
    else
        pin1Dimple(p, body.bottomLeft() + QPointF(3.6, -3.6), 1.6);
    // Pin-1 side bevel line moulded along the edge.
    p.save();
    p.setPen(QPen(QColor(0, 0, 0, 90), 1.0));
    if (legsLeftRight)
        p.drawLine(body.topLeft() + QPointF(1.5, 1.5), body.topRight() + QPointF(-1.5, 1.5));
    else
        p.drawLine(body.topLeft() + QPointF(1.5, 1.5), body.bottomLeft() + QPointF(1.5, -1.5));
    p.restore();
}

void qfp(QPainter &p, const QRectF &body, int pinsPerSide, const QStringList &marking, double fontPx)
{
    const double pitch = (body.width() - 10.0) / (pinsPerSide - 1);
    const double legLen = 5.2;
    const double legW = pitch * 0.46;
    gullLegs(p, body, Side::Left, pinsPerSide, pitch, legLen, legW);
    gullLegs(p, body, Side::Right, pinsPerSide, pitch, legLen, legW);
    gullLegs(p, body, Side::Top, pinsPerSide, pitch, legLen, legW);
    gullLegs(p, body, Side::Bottom, pinsPerSide, pitch, legLen, legW);
    icTop(p, body, marking, fontPx);
    pin1Dimple(p, body.topLeft() + QPointF(6.0, 6.0), 2.4);
    // Shallow ejector-pin marks from the mould, barely visible.
    p.save();
    p.setPen(QPen(QColor(60, 60, 64, 70), 0.8));
    p.setBrush(QColor(26, 26, 28, 120));
    p.drawEllipse(body.bottomRight() + QPointF(-8.0, -8.0), 3.5, 3.5);
    p.restore();
}

void plcc(QPainter &p, const QRectF &body, int pinsPerSide, const QStringList &marking, double fontPx)
{
    const double pitch = (body.width() - 12.0) / (pinsPerSide - 1);
    const double w = pitch * 0.5;
    p.save();
    // J-leads tuck under the body; only the bend and the solder fillet show.
    for (int s = 0; s < 4; ++s) {
        for (int i = 0; i < pinsPerSide; ++i) {
            const double a = -pitch * (pinsPerSide - 1) / 2.0 + i * pitch;
            const QPointF c = body.center();
            QRectF pd;
            QRectF lead;
            switch (s) {
            case 0:
                pd = QRectF(c.x() + a - w * 0.75, body.top() - 3.8, w * 1.5, 5.0);
                lead = QRectF(c.x() + a - w / 2, body.top() - 2.4, w, 2.6);
                break;
            case 1:
                pd = QRectF(body.right() - 1.2, c.y() + a - w * 0.75, 5.0, w * 1.5);
                lead = QRectF(body.right() - 0.2, c.y() + a - w / 2, 2.6, w);
                break;
            case 2:
                pd = QRectF(c.x() + a - w * 0.75, body.bottom() - 1.2, w * 1.5, 5.0);
                lead = QRectF(c.x() + a - w / 2, body.bottom() - 0.2, w, 2.6);
                break;
            default:
                pd = QRectF(body.left() - 3.8, c.y() + a - w * 0.75, 5.0, w * 1.5);
                lead = QRectF(body.left() - 2.4, c.y() + a - w / 2, 2.6, w);
                break;
            }
            pad(p, pd);
            tinBlob(p, lead, s == 1 || s == 3);
        }
    }
    p.restore();

    // Chamfered corner marks pin 1.
    p.save();
    QPainterPath outline;
    const double ch = 5.0;
    outline.moveTo(body.left() + ch, body.top());
    outline.lineTo(body.topRight());
    outline.lineTo(body.bottomRight());
    outline.lineTo(body.bottomLeft());
    outline.lineTo(body.left(), body.top() + ch);
    outline.closeSubpath();
    p.setClipPath(outline);
    icTop(p, body, marking, fontPx);
    p.setClipping(false);
    p.setPen(QPen(QColor(90, 90, 96, 150), 1.0));
    p.drawLine(QPointF(body.left() + ch, body.top() + 0.5), QPointF(body.left() + 0.5, body.top() + ch));
    // Inner raised plateau typical of PLCC mouldings.
    p.setPen(QPen(QColor(0, 0, 0, 110), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(body.adjusted(4.5, 4.5, -4.5, -4.5));
    p.setPen(QPen(QColor(255, 255, 255, 18), 1.0));
    p.drawRect(body.adjusted(5.5, 5.5, -5.5, -5.5));
    p.restore();
    pin1Dimple(p, QPointF(body.center().x(), body.top() + 8.5), 2.0);
}

void sot223(QPainter &p, const QRectF &body, const QString &mark)
{
    const double pitch = body.width() / 3.4;
    pad(p, QRectF(body.left() + 2, body.top() - 6.5, body.width() - 4, 6.8));
    p.save();
    QRectF tab(body.left() + 3, body.top() - 5.0, body.width() - 6, 5.2);
    tinBlob(p, tab, false);
    p.restore();
    gullLegs(p, body, Side::Bottom, 3, pitch, 5.0, pitch * 0.42);
    icTop(p, body, {mark}, 4.5);
}

void sot23(QPainter &p, QPointF c, bool rotated)
{
    const QRectF body = rotated ? centred(c, 5.0, 8.0) : centred(c, 8.0, 5.0);
    if (rotated) {
        gullLegs(p, body, Side::Left, 2, 4.8, 2.4, 1.3);
        gullLegs(p, body, Side::Right, 1, 4.8, 2.4, 1.3);
    } else {
        gullLegs(p, body, Side::Bottom, 2, 4.8, 2.4, 1.3);
        gullLegs(p, body, Side::Top, 1, 4.8, 2.4, 1.3);
    }
    icTop(p, body, {}, 3.0);
}

void chip(QPainter &p, QPointF c, double length, double width, bool vertical, const QColor &body)
{
    const QRectF r = vertical ? centred(c, width, length) : centred(c, length, width);
    const double cap = length * 0.24;
    p.save();
    // Solder fillets stick out a little beyond the terminals.
    if (vertical) {
        pad(p, QRectF(r.left() - 0.6, r.top() - 1.2, r.width() + 1.2, cap + 1.4));
        pad(p, QRectF(r.left() - 0.6, r.bottom() - cap - 0.2, r.width() + 1.2, cap + 1.4));
    } else {
        pad(p, QRectF(r.left() - 1.2, r.top() - 0.6, cap + 1.4, r.height() + 1.2));
        pad(p, QRectF(r.right() - cap - 0.2, r.top() - 0.6, cap + 1.4, r.height() + 1.2));
    }
    QLinearGradient g = vertical ? QLinearGradient(r.topLeft(), r.topRight())
                                 : QLinearGradient(r.topLeft(), r.bottomLeft());
    g.setColorAt(0.0, body.lighter(135));
    g.setColorAt(0.45, body);
    g.setColorAt(1.0, body.darker(150));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    const QRectF mid = vertical ? r.adjusted(0, cap, 0, -cap) : r.adjusted(cap, 0, -cap, 0);
    p.drawRect(mid);
    if (vertical) {
        tinBlob(p, QRectF(r.left(), r.top(), r.width(), cap), false);
        tinBlob(p, QRectF(r.left(), r.bottom() - cap, r.width(), cap), false);
    } else {
        tinBlob(p, QRectF(r.left(), r.top(), cap, r.height()), true);
        tinBlob(p, QRectF(r.right() - cap, r.top(), cap, r.height()), true);
    }
    p.restore();
}

void resistorArray(QPainter &p, const QRectF &body, bool vertical)
{
    p.save();
    const int n = 4;
    const double along = vertical ? body.height() : body.width();
    const double pitch = along / n;
    for (int i = 0; i < n; ++i) {
        const double a = (i + 0.5) * pitch;
        if (vertical) {
            pad(p, QRectF(body.left() - 1.8, body.top() + a - pitch * 0.3, 3.6, pitch * 0.6));
            pad(p, QRectF(body.right() - 1.8, body.top() + a - pitch * 0.3, 3.6, pitch * 0.6));
        } else {
            pad(p, QRectF(body.left() + a - pitch * 0.3, body.top() - 1.8, pitch * 0.6, 3.6));
            pad(p, QRectF(body.left() + a - pitch * 0.3, body.bottom() - 1.8, pitch * 0.6, 3.6));
        }
    }
    QLinearGradient g(body.topLeft(), body.bottomRight());
    g.setColorAt(0.0, QColor(40, 40, 42));
    g.setColorAt(1.0, QColor(14, 14, 15));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRect(vertical ? body.adjusted(1.0, 0, -1.0, 0) : body.adjusted(0, 1.0, 0, -1.0));
    // Printed value code, too small to read, shows as a light smudge.
    p.setBrush(QColor(200, 200, 196, 70));
    const QPointF c = body.center();
    if (vertical)
        p.drawRect(QRectF(c.x() - 0.7, c.y() - pitch, 1.4, pitch * 2));
    else
        p.drawRect(QRectF(c.x() - pitch, c.y() - 0.7, pitch * 2, 1.4));
    p.restore();
}

void tantalum(QPainter &p, const QRectF &r, bool vertical, bool anodeAtStart, const QString &mark)
{
    p.save();
    const double term = (vertical ? r.height() : r.width()) * 0.16;
    if (vertical) {
        pad(p, QRectF(r.left() + 2, r.top() - 2.5, r.width() - 4, term + 3));
        pad(p, QRectF(r.left() + 2, r.bottom() - term - 0.5, r.width() - 4, term + 3));
    } else {
        pad(p, QRectF(r.left() - 2.5, r.top() + 2, term + 3, r.height() - 4));
        pad(p, QRectF(r.right() - term - 0.5, r.top() + 2, term + 3, r.height() - 4));
    }
    const QRectF b = vertical ? r.adjusted(0, term * 0.5, 0, -term * 0.5) : r.adjusted(term * 0.5, 0, -term * 0.5, 0);
    QLinearGradient g(b.topLeft(), b.bottomRight());
    g.setColorAt(0.0, QColor(242, 192, 78));
    g.setColorAt(0.4, QColor(214, 156, 44));
    g.setColorAt(1.0, QColor(150, 100, 22));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(b, 1.2, 1.2);
    // Moulded top is smaller than the base: a soft inner highlight.
    p.setBrush(QColor(255, 230, 160, 40));
    p.drawRoundedRect(b.adjusted(2, 2, -2, -2), 1.0, 1.0);

    const double bandW = (vertical ? b.height() : b.width()) * 0.18;
    QRectF band;
    if (vertical)
        band = anodeAtStart ? QRectF(b.left(), b.top() + 1.5, b.width(), bandW)
                            : QRectF(b.left(), b.bottom() - 1.5 - bandW, b.width(), bandW);
    else
        band = anodeAtStart ? QRectF(b.left() + 1.5, b.top(), bandW, b.height())
                            : QRectF(b.right() - 1.5 - bandW, b.top(), bandW, b.height());
    p.setBrush(QColor(110, 66, 20));
    p.drawRect(band);

    p.setFont(markFont(4.6));
    p.setPen(QColor(96, 58, 16, 200));
    p.translate(b.center());
    if (vertical)
        p.rotate(90);
    const double w = vertical ? b.height() : b.width();
    const double h = vertical ? b.width() : b.height();
    p.drawText(QRectF(-w / 2 + (anodeAtStart ? bandW : -bandW) * 0.6, -h / 2, w, h), Qt::AlignCenter, mark);
    p.restore();
}

void crystal(QPainter &p, const QRectF &r, const QString &mark)
{
    p.save();
    pad(p, QRectF(r.left() - 3.5, r.center().y() - 3.5, 8, 7));
    pad(p, QRectF(r.right() - 4.5, r.center().y() - 3.5, 8, 7));
    // Plastic carrier plate under the metal can.
    plastic(p, r.adjusted(1, 0, -1, 0), 1.0);
    const QRectF can = r.adjusted(3.0, 2.0, -3.0, -2.0);
    QLinearGradient g(can.topLeft(), can.bottomLeft());
    g.setColorAt(0.0, QColor(132, 132, 136));
    g.setColorAt(0.22, QColor(236, 236, 238));
    g.setColorAt(0.5, QColor(176, 176, 180));
    g.setColorAt(0.8, QColor(206, 206, 210));
    g.setColorAt(1.0, QColor(108, 108, 112));
    p.setPen(QPen(QColor(70, 70, 74), 0.8));
    p.setBrush(g);
    const double rad = can.height() / 2.0;
    p.drawRoundedRect(can, rad, rad);
    p.setPen(QPen(QColor(255, 255, 255, 120), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(can.adjusted(1.5, 1.5, -1.5, -1.5), rad - 1.5, rad - 1.5);
    p.setFont(markFont(5.0));
    p.setPen(QColor(60, 60, 64, 190));
    p.drawText(can, Qt::AlignCenter, mark);
    p.restore();
}

void led(QPainter &p, QPointF c, bool vertical)
{
    chip(p, c, 10.0, 6.0, vertical, QColor(200, 210, 190));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 220, 120, 110));
    p.drawRect(vertical ? centred(c, 5.6, 5.0) : centred(c, 5.0, 5.6));
    p.setBrush(QColor(230, 215, 150));
    p.drawRect(centred(c, 1.6, 1.6));
    p.restore();
}

void via(QPainter &p, QPointF c, double ring, bool tented)
{
    p.save();
    p.setPen(Qt::NoPen);
    if (tented) {
        // Mask over a via leaves a small dome with a dimple in the middle.
        QRadialGradient g(c + QPointF(-ring * 0.3, -ring * 0.3), ring * 1.2);
        g.setColorAt(0.0, QColor(120, 190, 120, 90));
        g.setColorAt(1.0, QColor(20, 70, 35, 40));
        p.setBrush(g);
        p.drawEllipse(c, ring, ring);
        p.setBrush(QColor(8, 40, 20, 150));
        p.drawEllipse(c, ring * 0.38, ring * 0.38);
    } else {
        QRadialGradient g(c + QPointF(-ring * 0.35, -ring * 0.35), ring * 1.3);
        g.setColorAt(0.0, QColor(236, 236, 230));
        g.setColorAt(0.6, QColor(176, 176, 170));
        g.setColorAt(1.0, QColor(110, 110, 106));
        p.setBrush(g);
        p.drawEllipse(c, ring, ring);
        p.setBrush(QColor(26, 26, 24));
        p.drawEllipse(c, ring * 0.42, ring * 0.42);
    }
    p.restore();
}

void mountingHole(QPainter &p, QPointF c, double ring, double hole)
{
    p.save();
    p.setPen(Qt::NoPen);
    QRadialGradient g(c + QPointF(-ring * 0.35, -ring * 0.35), ring * 1.4);
    g.setColorAt(0.0, QColor(238, 238, 232));
    g.setColorAt(0.45, QColor(190, 190, 184));
    g.setColorAt(1.0, QColor(118, 118, 114));
    p.setBrush(g);
    p.drawEllipse(c, ring, ring);
    // Solder levels unevenly on a large annulus; a couple of soft bumps.
    p.setBrush(QColor(255, 255, 250, 60));
    p.drawEllipse(c + QPointF(-ring * 0.45, -ring * 0.55), ring * 0.28, ring * 0.18);

    const int stitches = 8;
    const double sr = (ring + hole) / 2.0;
    for (int i = 0; i < stitches; ++i) {
        const double a = i * 2.0 * M_PI / stitches + M_PI / 8.0;
        const QPointF v = c + QPointF(std::cos(a) * sr, std::sin(a) * sr);
        p.setBrush(QColor(90, 90, 88));
        p.drawEllipse(v, 1.4, 1.4);
        p.setBrush(QColor(22, 22, 22));
        p.drawEllipse(v, 0.9, 0.9);
    }

    // Bore: the plated barrel shows as a bright inner wall, lit on the far
    // side, with darkness below.
    QRadialGradient bore(c, hole);
    bore.setColorAt(0.0, QColor(14, 14, 15));
    bore.setColorAt(0.80, QColor(24, 24, 26));
    bore.setColorAt(0.92, QColor(70, 70, 68));
    bore.setColorAt(1.0, QColor(150, 150, 144));
    p.setBrush(bore);
    p.drawEllipse(c, hole, hole);
    QPen wall(QColor(200, 200, 194, 140), 1.2);
    p.setPen(wall);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - hole + 0.8, c.y() - hole + 0.8, 2 * hole - 1.6, 2 * hole - 1.6), 200 * 16, 160 * 16);
    p.restore();
}

} // namespace parts
