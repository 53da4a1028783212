#include "platform/OleColor.h"

#include "base/RuntimeError.h"

#include <QGuiApplication>
#include <QPalette>

namespace OleColor {

QColor toColor(qint32 value)
{
    if (value == buttonFace)
        return QGuiApplication::palette().color(QPalette::Button);
    if (value == buttonText)
        return QGuiApplication::palette().color(QPalette::ButtonText);
    if (value < 0 || value > 0xFFFFFF)
        throw RuntimeError(RuntimeErrors::invalidPropertyValue);
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

qint32 fromColor(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return rgb.red() | (rgb.green() << 8) | (rgb.blue() << 16);
}

}
