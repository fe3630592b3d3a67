#include "IconPainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>

namespace {

constexpr double kGrid = 256.0;

const QColor kRobotInk(0x23, 0x34, 0x4a);
const QColor kSkullInk(0x2b, 0x27, 0x24);

// A transparent image with a painter scaled to the 256-unit grid.
struct Canvas {
    QImage image;
    QPainter painter;
    explicit Canvas(int size)
        : image(size, size, QImage::Format_ARGB32_Premultiplied)
    {
        image.fill(Qt::transparent);
        painter.begin(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / kGrid, size / kGrid);
    }
};

// About one and a half pixels at every size, never thinner than 8 grid units.
double OutlineWidth(int size)
{
    return std::max(8.0, 1.5 * kGrid / size);
}

void DrawAntenna(QPainter& p, double outline)
{
    p.setPen(QPen(kRobotInk, std::max(10.0, outline), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(128, 58), QPointF(128, 30));
    QRadialGradient glow(QPointF(122, 20), 20);
    glow.setColorAt(0, QColor(0xff, 0xb3, 0x8a));
    glow.setColorAt(1, QColor(0xf0, 0x4e, 0x30));
    p.setPen(QPen(kRobotInk, outline));
    p.setBrush(glow);
    p.drawEllipse(QPointF(128, 24), 16, 16);
}

void DrawRobotHead(QPainter& p, double outline)
{
    p.setPen(QPen(kRobotInk, outline));
    p.setBrush(QColor(0x5d, 0x80, 0xa8));
    p.drawRoundedRect(QRectF(14, 104, 34, 64), 10, 10);  // ears
    p.drawRoundedRect(QRectF(208, 104, 34, 64), 10, 10);
    QLinearGradient metal(0, 56, 0, 232);
    metal.setColorAt(0, QColor(0xb7, 0xd3, 0xf0));
    metal.setColorAt(1, QColor(0x6f, 0x9a, 0xca));
    p.setBrush(metal);
    p.drawRoundedRect(QRectF(36, 56, 184, 176), 40, 40);
}

void DrawRobotFace(QPainter& p, double outline, bool detailed)
{
    for (double x : {92.0, 164.0}) {
        p.setPen(QPen(kRobotInk, outline * 0.8));
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(x, 126), 28, 28);
        p.setPen(Qt::NoPen);
        p.setBrush(kRobotInk);
        p.drawEllipse(QPointF(x + 4, 130), 14, 14);
        if (detailed) {
            p.setBrush(Qt::white);
            p.drawEllipse(QPointF(x + 9, 124), 5, 5);
            p.setBrush(QColor(0xff, 0x8f, 0xa3, 150)); // cheeks
            p.drawEllipse(QPointF(x < 128 ? 62 : 194, 178), 14, 9);
        }
    }
    QPainterPath smile(QPointF(86, 176));
    smile.quadTo(QPointF(128, 218), QPointF(170, 176));
    p.setPen(QPen(kRobotInk, std::max(12.0, outline), Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(smile);
}

// The cranium and the jaw as one outline, so no seam shows between them.
QPainterPath SkullShape()
{
    QPainterPath cranium;
    cranium.addEllipse(QPointF(128, 110), 96, 92);
    QPainterPath jaw;
    jaw.addRoundedRect(QRectF(72, 150, 112, 88), 26, 26);
    return cranium.united(jaw);
}

void DrawSkullFace(QPainter& p, bool detailed)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kSkullInk);
    for (double x : {88.0, 168.0}) {
        p.save();
        p.translate(x, 122);
        p.rotate(x < 128 ? 12 : -12); // sockets tilt down toward the nose
        p.drawEllipse(QPointF(0, 0), 30, 34);
        p.restore();
    }
    QPainterPath nose(QPointF(128, 150));
    nose.quadTo(QPointF(140, 172), QPointF(138, 180));
    nose.lineTo(QPointF(118, 180));
    nose.quadTo(QPointF(116, 172), QPointF(128, 150));
    p.drawPath(nose);
    if (detailed) {
        p.setBrush(QColor(255, 255, 255, 220)); // a glint in each socket: cartoon, not gruesome
        p.drawEllipse(QPointF(98, 112), 7, 7);
        p.drawEllipse(QPointF(176, 112), 7, 7);
    }
}

void DrawTeeth(QPainter& p, double outline)
{
    p.setPen(QPen(kSkullInk, std::max(6.0, outline * 0.8), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(90, 204), QPointF(166, 204));
    for (double x : {106.0, 128.0, 150.0})
        p.drawLine(QPointF(x, 192), QPointF(x, 220));
}

} // namespace

void PaintRobot(QPainter& p, int size)
{
    const double outline = OutlineWidth(size);
    DrawAntenna(p, outline);
    DrawRobotHead(p, outline);
    DrawRobotFace(p, outline, size >= 32);
}

void PaintSkull(QPainter& p, int size)
{
    const double outline = OutlineWidth(size);
    QLinearGradient bone(0, 18, 0, 238);
    bone.setColorAt(0, QColor(0xfd, 0xfb, 0xf3));
    bone.setColorAt(1, QColor(0xdc, 0xd3, 0xbd));
    p.setPen(QPen(kSkullInk, outline));
    p.setBrush(bone);
    p.drawPath(SkullShape());
    DrawSkullFace(p, size >= 32);
    if (size >= 32)
        DrawTeeth(p, outline);
}

QImage DrawRobot(int size)
{
    Canvas canvas(size);
    PaintRobot(canvas.painter, size);
    canvas.painter.end();
    return canvas.image;
}

QImage DrawSkull(int size)
{
    Canvas canvas(size);
    PaintSkull(canvas.painter, size);
    canvas.painter.end();
    return canvas.image;
}
