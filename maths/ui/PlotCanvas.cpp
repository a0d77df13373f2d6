#include "PlotCanvas.h"

#include <QContextMenuEvent>
#include <QFile>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include "Services.h"

namespace numora {
namespace {

QColor Colour(maths::Rgb c) { return QColor(c.r, c.g, c.b); }

}  // namespace

PlotCanvas::PlotCanvas(Services& services, QSize size, QWidget* parent) : QWidget(parent), services_(services) {
    setFixedSize(size);
    setMouseTracking(true);
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
    update();
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

void PlotCanvas::paintPicture(QPainter& painter, QSize size) const {
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    const double w = size.width(), h = size.height();
    auto draw = [&](const std::vector<maths::Picture::Line>& lines) {
        QPen pen;
        for (const auto& l : lines) {
            double x1 = l.x1 * w, y1 = l.y1 * h, x2 = l.x2 * w, y2 = l.y2 * h;
            // Far-off ends are cut at the canvas, which also keeps them in
            // the painter's range.
            if (!maths::ClipSegment(x1, y1, x2, y2, -4, -4, w + 4, h + 4)) continue;
            pen.setColor(Colour(l.colour));
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
        painter.setPen(Colour(t.colour));
        painter.drawText(QPointF(t.left * w, t.top * h + painter.fontMetrics().ascent()), QString::fromStdString(t.text));
    }
}

void PlotCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintPicture(painter, size());
}

QImage PlotCanvas::image() const {
    QImage image(size(), QImage::Format_RGB32);
    QPainter painter(&image);
    paintPicture(painter, size());
    return image;
}

void PlotCanvas::mouseMoveEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    emit mouseMovedTo(mapping_.UserX(at.x() / width()), mapping_.UserY(at.y() / height()));
    QWidget::mouseMoveEvent(event);
}

void PlotCanvas::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    menu.addAction(QString::fromUtf8("复制图象"), this, &PlotCanvas::copyPicture);
    menu.addAction(QString::fromUtf8("保存图象..."), this, &PlotCanvas::savePicture);
    menu.exec(event->globalPos());
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
