#pragma once
#include "platform/colors.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>

// A drawing canvas on a 32-bit image with the classic pixel rules: a rectangle (l, t, r, b)
// covers columns l..r-1 and rows t..b-1, and a pen of width 1 lies on its outermost pixels.
// Antialiasing is off so that every pixel is predictable.
class TCanvas {
public:
    struct Pen {
        TColor color = TColors::Black;
        int width = 1;
        Qt::PenStyle style = Qt::SolidLine; // Qt::NoPen is the clear pen
    };
    struct Brush {
        TColor color = TColors::White;
        Qt::BrushStyle style = Qt::SolidPattern; // Qt::NoBrush is the hollow brush
    };

    explicit TCanvas(QImage &image);
    ~TCanvas();
    TCanvas(const TCanvas &) = delete;
    TCanvas &operator=(const TCanvas &) = delete;

    Pen pen;
    Brush brush;
    QFont font;
    TColor fontColor = TColors::Black;

    void rectangle(int l, int t, int r, int b);
    void roundRect(int l, int t, int r, int b, int ellipseWidth, int ellipseHeight);
    void ellipse(int l, int t, int r, int b);
    void fillRect(int l, int t, int r, int b); // brush only, no outline
    void line(int x1, int y1, int x2, int y2);
    // Text with its top-left corner at (x, y), drawn without a background fill.
    void textOut(int x, int y, const QString &text);
    void draw(int x, int y, const QImage &picture);

    QPainter &painter() { return m_painter; }

private:
    void apply();
    QPainter m_painter;
};

// Turns an upright picture into one of the four display orientations, pixel by pixel.
// quarterTurns: 0 as drawn, 2 half a turn, 1 clockwise, 3 anticlockwise.
QImage turnImage(const QImage &upright, int quarterTurns);
