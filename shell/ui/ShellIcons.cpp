// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ShellIcons.h"

#include <QApplication>
#include <QFont>
#include <QIconEngine>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>
#include <QtMath>

namespace numora {
namespace {

// Every drawing works in a 24 x 24 box; the engine scales it to the size asked.
using Drawing = void (*)(QPainter&);

QPen Outline(const QColor& color, qreal width = 1.2) {
    QPen pen(color, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

QLinearGradient Vertical(const QColor& top, const QColor& bottom, qreal y0 = 0, qreal y1 = 24) {
    QLinearGradient g(0, y0, 0, y1);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

// A pocket calculator: body, display, a grid of keys.
void DrawCalculator(QPainter& p) {
    p.setPen(Outline(QColor(0x2b, 0x3a, 0x55)));
    p.setBrush(Vertical(QColor(0x7d, 0x93, 0xb8), QColor(0x3f, 0x54, 0x7a)));
    p.drawRoundedRect(QRectF(4, 1.5, 16, 21), 2.5, 2.5);
    p.setPen(Outline(QColor(0x33, 0x4d, 0x33), 0.8));
    p.setBrush(QColor(0xcd, 0xec, 0xb8));
    p.drawRect(QRectF(6, 3.8, 12, 4.6));
    p.setPen(Qt::NoPen);
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            const bool op = col == 2;
            p.setBrush(op ? QColor(0xf0, 0x8c, 0x2e) : QColor(0xf4, 0xf6, 0xfa));
            p.drawRoundedRect(QRectF(6 + col * 4.2, 10.2 + row * 3.9, 3.4, 2.9), 0.7, 0.7);
        }
    }
}

// Axes with a sine curve: the mathematics window's plotter.
void DrawPlot(QPainter& p) {
    p.setPen(Outline(QColor(0x9a, 0xa4, 0xb0), 0.8));
    p.setBrush(QColor(0xfb, 0xfc, 0xff));
    p.drawRoundedRect(QRectF(1.5, 1.5, 21, 21), 2, 2);
    p.setPen(Outline(QColor(0x30, 0x30, 0x30), 1.1));
    p.drawLine(QPointF(3.5, 12), QPointF(20.5, 12));
    p.drawLine(QPointF(12, 20.5), QPointF(12, 3.5));
    p.drawLine(QPointF(20.5, 12), QPointF(18.8, 11));
    p.drawLine(QPointF(20.5, 12), QPointF(18.8, 13));
    p.drawLine(QPointF(12, 3.5), QPointF(11, 5.2));
    p.drawLine(QPointF(12, 3.5), QPointF(13, 5.2));
    QPainterPath wave;
    for (int i = 0; i <= 48; ++i) {
        const qreal x = 3.5 + i * (17.0 / 48);
        const qreal y = 12 - 6 * qSin((x - 12) * M_PI / 6.5);
        i == 0 ? wave.moveTo(x, y) : wave.lineTo(x, y);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(Outline(QColor(0xd6, 0x2d, 0x2d), 1.6));
    p.drawPath(wave);
}

// A conical flask half full of a green solution.
void DrawFlask(QPainter& p) {
    QPainterPath glass;
    glass.moveTo(9, 2.5);
    glass.lineTo(15, 2.5);
    glass.lineTo(15, 4);
    glass.lineTo(14, 4);
    glass.lineTo(14, 9);
    glass.lineTo(20.5, 20);
    glass.quadTo(21.2, 21.5, 19.5, 21.5);
    glass.lineTo(4.5, 21.5);
    glass.quadTo(2.8, 21.5, 3.5, 20);
    glass.lineTo(10, 9);
    glass.lineTo(10, 4);
    glass.lineTo(9, 4);
    glass.closeSubpath();

    QPainterPath liquid;
    liquid.moveTo(7.05, 13.8);
    liquid.lineTo(16.95, 13.8);
    liquid.lineTo(20.5, 20);
    liquid.quadTo(21.2, 21.5, 19.5, 21.5);
    liquid.lineTo(4.5, 21.5);
    liquid.quadTo(2.8, 21.5, 3.5, 20);
    liquid.closeSubpath();

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xe8, 0xf4, 0xfc));
    p.drawPath(glass);
    p.setBrush(Vertical(QColor(0x6c, 0xd6, 0x6a), QColor(0x1e, 0x8c, 0x3c), 13, 22));
    p.drawPath(liquid);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(QPointF(10, 17.5), 1.1, 1.1);
    p.drawEllipse(QPointF(13.5, 19), 0.8, 0.8);
    p.drawEllipse(QPointF(12, 15.6), 0.6, 0.6);
    p.setBrush(Qt::NoBrush);
    p.setPen(Outline(QColor(0x35, 0x55, 0x75), 1.2));
    p.drawPath(glass);
}

// A sigma on a gold tile: the number-theory tools of the scientific window.
void DrawSigma(QPainter& p) {
    p.setPen(Outline(QColor(0x8a, 0x5a, 0x00)));
    p.setBrush(Vertical(QColor(0xff, 0xd8, 0x5a), QColor(0xe0, 0x96, 0x10)));
    p.drawRoundedRect(QRectF(1.5, 1.5, 21, 21), 4, 4);
    QPainterPath sigma;
    sigma.moveTo(17, 7.5);
    sigma.lineTo(17, 5);
    sigma.lineTo(7, 5);
    sigma.lineTo(12.5, 12);
    sigma.lineTo(7, 19);
    sigma.lineTo(17, 19);
    sigma.lineTo(17, 16.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(Outline(QColor(0x5a, 0x2a, 0x00), 2.2));
    p.drawPath(sigma);
}

// A gear wheel: the Options window.
void DrawGear(QPainter& p) {
    const QPointF c(12, 12);
    const int teeth = 8;
    QPainterPath gear;
    for (int i = 0; i < teeth * 4; ++i) {
        // Each tooth: rise, top, fall, root.
        const qreal angle = (i * 2 * M_PI) / (teeth * 4) - M_PI / 2;
        const qreal r = (i % 4 == 1 || i % 4 == 2) ? 10.5 : 7.8;
        const QPointF pt(c.x() + r * qCos(angle), c.y() + r * qSin(angle));
        i == 0 ? gear.moveTo(pt) : gear.lineTo(pt);
    }
    gear.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(c, 3.2, 3.2);
    gear = gear.subtracted(hole);
    p.setPen(Outline(QColor(0x3a, 0x40, 0x48), 1.0));
    p.setBrush(Vertical(QColor(0xc4, 0xcb, 0xd4), QColor(0x6c, 0x76, 0x82)));
    p.drawPath(gear);
}

void DrawBadge(QPainter& p, const QColor& top, const QColor& bottom, const QString& glyph,
               qreal pointSize) {
    p.setPen(Outline(bottom.darker(140)));
    p.setBrush(Vertical(top, bottom));
    p.drawEllipse(QPointF(12, 12), 10.5, 10.5);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPointSizeF(pointSize);
    QPainterPath text;
    text.addText(0, 0, font, glyph);
    const QRectF box = text.boundingRect();
    text.translate(12 - box.center().x(), 12 - box.center().y());
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(text);
}

void DrawHelp(QPainter& p) {
    DrawBadge(p, QColor(0x5a, 0xa9, 0xf0), QColor(0x1d, 0x5f, 0xb8), QStringLiteral("?"), 13);
}

void DrawAbout(QPainter& p) {
    DrawBadge(p, QColor(0x61, 0xc7, 0xa5), QColor(0x1b, 0x7f, 0x6a), QStringLiteral("i"), 13);
}

// The application icon: the calculator with a sigma on its display.
void DrawApplication(QPainter& p) {
    p.setPen(Outline(QColor(0x1f, 0x35, 0x5e), 0.9));
    p.setBrush(Vertical(QColor(0x4f, 0x8e, 0xe8), QColor(0x1d, 0x4f, 0xa8)));
    p.drawRoundedRect(QRectF(2, 1, 20, 22), 3.5, 3.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xe9, 0xf7, 0xdc));
    p.drawRoundedRect(QRectF(4.5, 3.5, 15, 6.5), 1.2, 1.2);
    QPainterPath sigma;
    sigma.moveTo(15.5, 5.3);
    sigma.lineTo(8.5, 5.3);
    sigma.lineTo(11.3, 6.75);
    sigma.lineTo(8.5, 8.2);
    sigma.lineTo(15.5, 8.2);
    p.setBrush(Qt::NoBrush);
    p.setPen(Outline(QColor(0x1d, 0x4f, 0xa8), 1.1));
    p.drawPath(sigma);
    p.setPen(Qt::NoPen);
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            p.setBrush(col == 2 ? QColor(0xff, 0x9f, 0x2e) : QColor(0xf7, 0xf9, 0xfd));
            p.drawRoundedRect(QRectF(4.5 + col * 5.3, 11.8 + row * 3.7, 4.3, 2.8), 0.8, 0.8);
        }
    }
}

// A cross in the text colour of the application's palette (light on a dark desktop).
void DrawClose(QPainter& p) {
    p.setPen(Outline(QApplication::palette().color(QPalette::WindowText), 2.4));
    p.drawLine(QPointF(6, 6), QPointF(18, 18));
    p.drawLine(QPointF(18, 6), QPointF(6, 18));
}

class PaintedIconEngine final : public QIconEngine {
public:
    explicit PaintedIconEngine(Drawing drawing) : drawing_(drawing) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        painter->drawPixmap(rect, pixmap(rect.size() * painter->device()->devicePixelRatioF(),
                                         mode, state));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        QPixmap pm(size);
        pm.fill(Qt::transparent);
        {
            QPainter p(&pm);
            p.setRenderHint(QPainter::Antialiasing);
            p.scale(size.width() / 24.0, size.height() / 24.0);
            drawing_(p);
        }
        if (mode == QIcon::Disabled) {
            if (const QStyle* style = QApplication::style()) {
                QStyleOption option;
                return style->generatedIconPixmap(mode, pm, &option);
            }
        }
        return pm;
    }

    QIconEngine* clone() const override { return new PaintedIconEngine(drawing_); }
    QString key() const override { return QStringLiteral("NumoraPainted"); }

private:
    Drawing drawing_;
};

}  // namespace

QIcon ToolbarIcon(const QString& key) {
    static const struct {
        const char* key;
        Drawing drawing;
    } kIcons[] = {
        {"Standard", DrawCalculator}, {"Maths", DrawPlot},  {"Chem", DrawFlask},
        {"Scientific", DrawSigma},    {"Option", DrawGear}, {"Help", DrawHelp},
        {"About", DrawAbout},
    };
    for (const auto& icon : kIcons) {
        if (key == QLatin1String(icon.key)) return QIcon(new PaintedIconEngine(icon.drawing));
    }
    return {};
}

QIcon CloseIcon() { return QIcon(new PaintedIconEngine(DrawClose)); }

QIcon PaintedApplicationIcon() { return QIcon(new PaintedIconEngine(DrawApplication)); }

}  // namespace numora
