#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>

// Drawing primitives for the components on the board. Everything is drawn in
// picture pixels, lit from the upper left like the rest of the scene.
namespace parts {

enum class Side { Left, Top, Right, Bottom };

inline const QColor kSilk(236, 236, 228);

QFont silkFont(double pixelSize, bool bold = true);
QFont markFont(double pixelSize);

// Square header post seen from above; the pointed tip catches the light on
// one face, which is what makes pins read as metal at this size.
void goldPin(QPainter &p, QPointF centre, double size);
void goldContact(QPainter &p, const QRectF &r);

// Moulded black plastic with a bevel and a faint sheen.
void plastic(QPainter &p, const QRectF &r, double radius = 1.5, double lift = 0.0);

void icTop(QPainter &p, const QRectF &body, const QStringList &marking, double fontPx, int rotationDeg = 0);
void pin1Dimple(QPainter &p, QPointF centre, double radius);

void gullLegs(QPainter &p, const QRectF &body, Side side, int count, double pitch, double length,
              double width);
void soic(QPainter &p, const QRectF &body, int pinsPerSide, bool legsLeftRight, const QStringList &marking,
          double fontPx);
void qfp(QPainter &p, const QRectF &body, int pinsPerSide, const QStringList &marking, double fontPx);
void plcc(QPainter &p, const QRectF &body, int pinsPerSide, const QStringList &marking, double fontPx);
void sot223(QPainter &p, const QRectF &body, const QString &mark);
void sot23(QPainter &p, QPointF centre, bool rotated);

void chip(QPainter &p, QPointF centre, double length, double width, bool vertical, const QColor &body);
void resistorArray(QPainter &p, const QRectF &body, bool vertical);
void tantalum(QPainter &p, const QRectF &r, bool vertical, bool anodeAtStart, const QString &mark);
void crystal(QPainter &p, const QRectF &r, const QString &mark);
void led(QPainter &p, QPointF centre, bool vertical);

void pad(QPainter &p, const QRectF &r);
void via(QPainter &p, QPointF centre, double ring, bool tented);
void mountingHole(QPainter &p, QPointF centre, double ring, double hole);

} // namespace parts
