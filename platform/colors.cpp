#include "platform/colors.h"

#include <QApplication>
#include <QPalette>

QColor toQColor(TColor color)
{
    if (color & 0x80000000u) {
        const QPalette palette = QApplication::palette();
        switch (color & 0xFF) {
        case 0x0F: return palette.color(QPalette::Button);
        case 0x08: return palette.color(QPalette::WindowText);
        case 0x05: return palette.color(QPalette::Base);
        case 0x12: return palette.color(QPalette::ButtonText);
        default: return palette.color(QPalette::Window);
        }
    }
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

TColor fromQColor(const QColor &color)
{
    return TColor(color.red()) | (TColor(color.green()) << 8) | (TColor(color.blue()) << 16);
}

QRgb toRgb32(TColor color)
{
    return toQColor(color).rgb();
}
