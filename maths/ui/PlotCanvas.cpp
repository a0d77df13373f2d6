// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PlotCanvas.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QFile>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include "Contrast.h"
#include "Services.h"

namespace numora {
namespace {

QColor Colour(maths::Rgb c) { return QColor(c.r, c.g, c.b); }

// A drawing colour as shown on `face`: readable against it.
QColor Colour(maths::Rgb c, const QColor& face) {
    const Rgb8 shown = ReadableOn({c.r, c.g, c.b}, {face.red(), face.green(), face.blue()});
    return QColor(shown.r, shown.g, shown.b);
}

}  // namespace

PlotCanvas::PlotCanvas(Services& services, QSize size, QWidget* parent) : QWidget(parent), services_(services) {
    setFixedSize(size);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);  // the picture commands from the keyboard
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PlotCanvas::addSegments(const std::vector<maths::Segment>& segments, maths::Rgb colour, double width) {
    drawn_.reserve(drawn_.size() + segments.size());
    for (const maths::Segment& s : segments) {
        double x1 = mapping_.ShareX(s.x1), y1 = mapping_.ShareY(s.y1);
        double x2 = mapping_.ShareX(s.x2), y2 = mapping_.ShareY(s.y2);
        // Far-off ends are cut near the canvas first, so that every point
        // kept is a finite number in single precision too.
        if (!maths::ClipSegment(x1, y1, x2, y2, -1, -1, 2, 2)) continue;
        // Single precision, as the canvas takes its points.
        drawn_.push_back({static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x2),
                          static_cast<float>(y2), colour, width});
    }
    update();
}

void PlotCanvas::clear() {
    drawn_.clear();
    drawn_.shrink_to_fit();
    descriptionItems_.clear();
    updateDescription();
    update();
}

void PlotCanvas::setDescriptionBase(const QString& base) {
    descriptionBase_ = base;
    updateDescription();
}

void PlotCanvas::addDescriptionItem(const QString& item) {
    descriptionItems_ << item;
    updateDescription();
}

void PlotCanvas::updateDescription() {
    QString text = descriptionBase_;
    const QString items = descriptionItems_.isEmpty() ? QString::fromUtf8("未绘制图象")
                                                      : QString::fromUtf8("已绘制：") + descriptionItems_.join(QString::fromUtf8("；"));
    text += (text.isEmpty() ? QString() : QString::fromUtf8("，")) + items;
    if (text == accessibleDescription()) return;
    setAccessibleDescription(text);  // tells assistive technology of the change
}

void PlotCanvas::setAxes(const maths::AxisLayout& axes) {
    const maths::Picture p = maths::PlotPicture({}, axes);
    axes_ = p.lines;
    labels_ = p.texts;
    update();
}

void PlotCanvas::setCentreAxes() {
    axes_ = {{0, 0.5, 1, 0.5, maths::kGreen, 1}, {0.5, 0, 0.5, 1, maths::kGreen, 1}};
    labels_.clear();
    update();
}

maths::Picture PlotCanvas::picture() const {
    maths::Picture p;
    p.lines = drawn_;
    p.lines.insert(p.lines.end(), axes_.begin(), axes_.end());
    p.texts = labels_;
    return p;
}

void PlotCanvas::paintPicture(QPainter& painter, QSize size, bool onScreen) const {
    const QColor face = onScreen ? palette().color(QPalette::Base) : QColor(Qt::white);
    painter.fillRect(QRect(QPoint(0, 0), size), face);
    auto colour = [&](maths::Rgb c) { return onScreen ? Colour(c, face) : Colour(c); };
    const double w = size.width(), h = size.height();
    auto draw = [&](const std::vector<maths::Picture::Line>& lines) {
        QPen pen;
        for (const auto& l : lines) {
            double x1 = l.x1 * w, y1 = l.y1 * h, x2 = l.x2 * w, y2 = l.y2 * h;
            // Far-off ends are cut at the canvas, which also keeps them in
            // the painter's range.
            if (!maths::ClipSegment(x1, y1, x2, y2, -4, -4, w + 4, h + 4)) continue;
            pen.setColor(colour(l.colour));
            pen.setWidthF(l.width);
            painter.setPen(pen);
            painter.drawLine(QPointF(x1, y1), QPointF(x2, y2));
        }
    };
    draw(drawn_);
    draw(axes_);
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    painter.setFont(font);
    for (const auto& t : labels_) {
        painter.setPen(colour(t.colour));
        painter.drawText(QPointF(t.left * w, t.top * h + painter.fontMetrics().ascent()), QString::fromStdString(t.text));
    }
}

// Drawn straight on the window's backing store, which has the screen's
// device pixel ratio: lines stay sharp at any scale.
void PlotCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintPicture(painter, size(), true);
    if (hasFocus()) {
        QPen pen(palette().color(QPalette::Highlight), 1, Qt::DashLine);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    }
}

QImage PlotCanvas::image() const {
    QImage image(size(), QImage::Format_RGB32);
    image.setDevicePixelRatio(1);
    QPainter painter(&image);
    paintPicture(painter, size(), false);
    return image;
}

void PlotCanvas::mouseMoveEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    emit mouseMovedTo(mapping_.UserX(at.x() / width()), mapping_.UserY(at.y() / height()));
    QWidget::mouseMoveEvent(event);
}

void PlotCanvas::contextMenuEvent(QContextMenuEvent* event) {
    // From the keyboard (the menu key) the menu opens at the canvas's centre.
    showMenu(event->reason() == QContextMenuEvent::Mouse ? event->globalPos() : mapToGlobal(rect().center()));
}

void PlotCanvas::showMenu(const QPoint& globalPos) {
    QMenu menu(this);
    QAction* copy = menu.addAction(QString::fromUtf8("复制图象(&C)"), this, &PlotCanvas::copyPicture);
    copy->setShortcut(QKeySequence::Copy);
    QAction* save = menu.addAction(QString::fromUtf8("保存图象(&S)..."), this, &PlotCanvas::savePicture);
    save->setShortcut(QKeySequence::Save);
    menu.exec(globalPos);
}

void PlotCanvas::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        copyPicture();
    } else if (event->matches(QKeySequence::Save)) {
        savePicture();
    } else if (event->key() == Qt::Key_Menu || (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier)) {
        showMenu(mapToGlobal(rect().center()));
    } else {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void PlotCanvas::focusInEvent(QFocusEvent* event) {
    update();
    QWidget::focusInEvent(event);
}

void PlotCanvas::focusOutEvent(QFocusEvent* event) {
    update();
    QWidget::focusOutEvent(event);
}

void PlotCanvas::copyPicture() { services_.clipboard.SetImage(image()); }

void PlotCanvas::savePicture() {
    QString path = services_.dialogs.SaveFileName(this, QString::fromUtf8("保存图象"),
                                                  QString::fromUtf8("PNG 图片 (*.png);;SVG 图片 (*.svg)"), QString());
    if (path.isEmpty()) return;
    const bool svg = path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive);
    if (!svg && !path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive)) path += QLatin1String(".png");
    bool saved = false;
    if (svg) {
        QFile file(path);
        const std::string text = maths::PictureSvg(picture(), width(), height());
        saved = file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                file.write(text.data(), static_cast<qint64>(text.size())) == static_cast<qint64>(text.size());
    } else {
        saved = image().save(path, "PNG");
    }
    if (!saved)
        services_.dialogs.Message(this, QString::fromUtf8("保存图象失败：") + path, QString::fromUtf8("Numora错误报告"),
                                  MsgIcon::Exclamation, MsgButtons::Ok);
}

}  // namespace numora
