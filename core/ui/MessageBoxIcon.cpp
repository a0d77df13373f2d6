// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MessageBoxIcon.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace numora {
namespace {

// Draws `icon` in the square (0, 0, side, side) of `p`, in logical units.
void Draw(QPainter& p, MessageIcon icon, qreal side) {
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = side;
    auto pen = [s](const QColor& colour, qreal width) {
        QPen pen(colour, width * s);
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
        return pen;
    };
    auto disc = [&](const QColor& fill) {
        p.setPen(pen(fill.darker(125), 0.03));
        p.setBrush(fill);
        p.drawEllipse(QRectF(0.04 * s, 0.04 * s, 0.92 * s, 0.92 * s));
    };
    auto dot = [&](const QColor& colour, qreal x, qreal y) {
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawEllipse(QPointF(x * s, y * s), 0.075 * s, 0.075 * s);
    };
    const QColor white(Qt::white);
    switch (icon) {
    case MessageIcon::Information:
        disc(QColor(0x2f, 0x6f, 0xd0));
        dot(white, 0.5, 0.28);
        p.setPen(pen(white, 0.13));
        p.drawLine(QPointF(0.5 * s, 0.45 * s), QPointF(0.5 * s, 0.74 * s));
        break;
    case MessageIcon::Question: {
        disc(QColor(0x2f, 0x6f, 0xd0));
        QPainterPath hook;
        hook.arcMoveTo(QRectF(0.34 * s, 0.2 * s, 0.32 * s, 0.3 * s), 160);
        hook.arcTo(QRectF(0.34 * s, 0.2 * s, 0.32 * s, 0.3 * s), 160, -230);
        hook.quadTo(QPointF(0.5 * s, 0.52 * s), QPointF(0.5 * s, 0.6 * s));
        p.setPen(pen(white, 0.11));
        p.setBrush(Qt::NoBrush);
        p.drawPath(hook);
        dot(white, 0.5, 0.76);
        break;
    }
    case MessageIcon::Exclamation: {
        QPainterPath triangle;
        triangle.moveTo(0.5 * s, 0.08 * s);
        triangle.lineTo(0.95 * s, 0.9 * s);
        triangle.lineTo(0.05 * s, 0.9 * s);
        triangle.closeSubpath();
        p.setPen(pen(QColor(0xc8, 0x8a, 0x00), 0.06));
        p.setBrush(QColor(0xf6, 0xbb, 0x1f));
        p.drawPath(triangle);
        const QColor ink(0x30, 0x24, 0x00);
        p.setPen(pen(ink, 0.12));
        p.drawLine(QPointF(0.5 * s, 0.37 * s), QPointF(0.5 * s, 0.63 * s));
        dot(ink, 0.5, 0.78);
        break;
    }
    case MessageIcon::Stop:
        disc(QColor(0xd3, 0x3a, 0x2c));
        p.setPen(pen(white, 0.12));
        p.drawLine(QPointF(0.33 * s, 0.33 * s), QPointF(0.67 * s, 0.67 * s));
        p.drawLine(QPointF(0.67 * s, 0.33 * s), QPointF(0.33 * s, 0.67 * s));
        break;
    case MessageIcon::None:
        break;
    }
}

}  // namespace

MessageBoxIcon::MessageBoxIcon(MessageIcon icon, int side, QWidget* parent) : QWidget(parent), icon_(icon), side_(side) {
    setObjectName(QStringLiteral("MessageIcon"));
    setFixedSize(side, side);
}

QImage MessageBoxIcon::Render(MessageIcon icon, int side, qreal ratio) {
    QImage image(QSize(side, side) * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter p(&image);
    Draw(p, icon, side);
    return image;
}

void MessageBoxIcon::paintEvent(QPaintEvent*) {
    QPainter p(this);
    Draw(p, icon_, side_);
}

}  // namespace numora
