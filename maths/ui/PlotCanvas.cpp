// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PlotCanvas.h"

#include <algorithm>
#include <cerrno>

#include <QAccessible>
#include <QActionGroup>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QBuffer>
#include <QDir>
#include <QFontMetricsF>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include "Accessibility.h"
#include "Contrast.h"
#include "SaveFile.h"
#include "Services.h"

namespace numora {
namespace {

// A drawing colour as shown on `face`: legible against it by its role.
QColor Colour(maths::Rgb c, maths::Picture::Role role, const QColor& face) {
    const maths::Rgb bg{static_cast<std::uint8_t>(face.red()), static_cast<std::uint8_t>(face.green()),
                        static_cast<std::uint8_t>(face.blue())};
    const maths::Rgb shown = maths::LegibleColour(c, role, bg);
    return QColor(shown.r, shown.g, shown.b);
}

// Texts read at a higher contrast than lines.
QColor TextColour(maths::Rgb c, maths::Picture::Role role, const QColor& face) {
    if (role == maths::Picture::Role::Curve) return Colour(c, role, face);
    const Rgb8 shown = LegibleOn({c.r, c.g, c.b}, {face.red(), face.green(), face.blue()}, 4.5);
    return QColor(shown.r, shown.g, shown.b);
}

}  // namespace

PlotCanvas::PlotCanvas(Services& services, QSize size, QWidget* parent)
    : QWidget(parent), services_(services), preferred_(size) {
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    const int least = std::min(size.width(), 240);
    setMinimumSize(least, heightForWidth(least));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);  // the picture commands from the keyboard
    setAttribute(Qt::WA_OpaquePaintEvent);
}

PlotCanvas::~PlotCanvas() = default;

int PlotCanvas::heightForWidth(int width) const {
    return preferred_.width() > 0 ? width * preferred_.height() / preferred_.width() : preferred_.height();
}

void PlotCanvas::addSegments(const std::vector<maths::Segment>& segments, maths::Rgb colour, double width,
                             maths::Picture::Role role) {
    drawn_.reserve(drawn_.size() + segments.size());
    maths::Segment s{};
    for (const maths::Segment& segment : segments) {
        // Clipped to the canvas in user coordinates, then mapped: a segment
        // that crosses the canvas is drawn however far its ends lie.
        if (!maths::ShareSegment(mapping_, segment, s)) continue;
        // Single precision, as the canvas takes its points.
        drawn_.push_back({static_cast<float>(s.x1), static_cast<float>(s.y1), static_cast<float>(s.x2),
                          static_cast<float>(s.y2), colour, width, role});
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
    Announce(this, QString::fromUtf8("已绘制：") + item);  // what a drawing command shows
}

void PlotCanvas::setDescriptionItems(const QStringList& items) {
    QStringList added;  // what a drawing command (or a slider) has just shown
    for (const QString& item : items)
        if (!descriptionItems_.contains(item)) added << item;
    descriptionItems_ = items;
    updateDescription();
    if (!added.isEmpty()) Announce(this, QString::fromUtf8("已绘制：") + added.join(QString::fromUtf8("；")));
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
    axes_ = {{0, 0.5, 1, 0.5, maths::kGreen, 1, maths::Picture::Role::Axis},
             {0.5, 0, 0.5, 1, maths::kGreen, 1, maths::Picture::Role::Axis}};
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

QFont PlotCanvas::textFont() const {
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    return font;
}

void PlotCanvas::paintPicture(QPainter& painter, QSize size, bool onScreen, const maths::Picture& p) const {
    const QColor face = onScreen ? palette().color(QPalette::Base) : QColor(Qt::white);
    painter.fillRect(QRect(QPoint(0, 0), size), face);
    const double w = size.width(), h = size.height();
    // Lines of one colour, width and role go to the painter together.
    QVector<QLineF> run;
    QPen pen;
    pen.setCapStyle(Qt::FlatCap);
    const maths::Picture::Line* first = nullptr;
    auto flush = [&] {
        if (run.isEmpty()) return;
        pen.setColor(Colour(first->colour, first->role, face));
        pen.setWidthF(first->width);
        painter.setPen(pen);
        painter.drawLines(run);
        run.clear();
    };
    auto drawLines = [&](bool grid) {
        for (const auto& l : p.lines) {
            if ((l.role == maths::Picture::Role::Grid) != grid) continue;
            double x1 = l.x1 * w, y1 = l.y1 * h, x2 = l.x2 * w, y2 = l.y2 * h;
            // Far-off ends are cut at the canvas, which also keeps them in
            // the painter's range.
            if (!maths::ClipSegment(x1, y1, x2, y2, -4, -4, w + 4, h + 4)) continue;
            if (first && (first->colour != l.colour || first->width != l.width || first->role != l.role)) flush();
            if (run.isEmpty()) first = &l;
            run.append(QLineF(x1, y1, x2, y2));
        }
        flush();
    };
    painter.setFont(textFont());
    // The canvas's own metrics, by which the texts were placed (a painter
    // on a picture answers for other ones).
    const QFontMetricsF metrics(textFont(), this);
    const double ascent = metrics.ascent();
    // The grid lies under everything; the axes' numbers and names sit on
    // the face, so no grid line runs through them, and axes and graphs
    // are drawn over.
    drawLines(true);
    // A little face on either side too: a grid line stops short of a
    // number, so "3" never reads as "-3".
    for (const auto& t : p.texts) {
        const double width = metrics.horizontalAdvance(QString::fromStdString(t.text));
        painter.fillRect(QRectF(t.left * w - 3, t.top * h, width + 6, metrics.height()), face);
    }
    drawLines(false);
    if (!p.marks.empty()) {
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        for (const auto& m : p.marks) {
            const double x = m.x * w, y = m.y * h;
            if (!(x >= -8 && x <= w + 8 && y >= -8 && y <= h + 8)) continue;
            painter.setPen(QPen(face, 1));
            painter.setBrush(Colour(m.colour, maths::Picture::Role::Curve, face));
            painter.drawEllipse(QPointF(x, y), m.radius, m.radius);
        }
        painter.restore();
    }
    for (const auto& t : p.texts) {
        painter.setPen(TextColour(t.colour, t.role, face));
        painter.drawText(QPointF(t.left * w, t.top * h + ascent), QString::fromStdString(t.text));
    }
}

void PlotCanvas::paintOverlay(QPainter&) {}

// Drawn straight on the window's backing store, which has the screen's
// device pixel ratio: lines stay sharp at any scale.
void PlotCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintPicture(painter, size(), true, picture());
    paintOverlay(painter);
    if (hasFocus()) {
        QPen pen(palette().color(QPalette::Highlight), 1, Qt::DashLine);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    }
}

QImage PlotCanvas::image(int side) const {
    if (side <= 0) side = preferred_.width();  // the default picture: the canvas's design size
    QImage image(QSize(side, side * height() / std::max(1, width())), QImage::Format_RGB32);
    // Drawn in the canvas's own units, scaled to the picture's pixels.
    QPainter painter(&image);
    const double scale = static_cast<double>(side) / std::max(1, width());
    painter.scale(scale, scale);
    paintPicture(painter, size(), false, picture());
    return image;
}

QList<int> PlotCanvas::exportSides() const {
    QList<int> sides{preferred_.width()};
    const QWindow* window = windowHandle() ? windowHandle() : (this->window() ? this->window()->windowHandle() : nullptr);
    const double ratio = window ? window->devicePixelRatio() : devicePixelRatioF();
    // A canvas squeezed below its design size offers no smaller picture
    // than the default as the screen's.
    const int screen = static_cast<int>(std::lround(width() * ratio));
    if (screen > sides.front()) sides << screen;
    if (2 * width() > sides.front() && !sides.contains(2 * width())) sides << 2 * width();
    return sides;
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
    // The size of a copied or saved picture.
    QMenu* sizes = menu.addMenu(QString::fromUtf8("图象大小(&Z)"));
    auto* group = new QActionGroup(sizes);
    const QList<int> sides = exportSides();
    const double ratio = devicePixelRatioF();
    for (int i = 0; i < sides.size(); ++i) {
        const int side = sides[i];
        QString caption = QStringLiteral("%1×%1").arg(side);
        const bool screen = side == static_cast<int>(std::lround(width() * ratio)), twice = side == 2 * width();
        if (i == 0)
            caption += QString::fromUtf8("（默认）");
        else if (screen && twice)
            caption += QString::fromUtf8("（屏幕大小，2倍）");
        else
            caption += screen ? QString::fromUtf8("（屏幕大小）") : QString::fromUtf8("（2倍）");
        QAction* choice = sizes->addAction(caption, this, [this, side, i] { setExportSide(i == 0 ? 0 : side); });
        choice->setCheckable(true);
        choice->setChecked(i == 0 ? exportSide_ == 0 : exportSide_ == side);
        group->addAction(choice);
    }
    addMenuEntries(menu);
    menu.exec(globalPos);
}

void PlotCanvas::addMenuEntries(QMenu&) {}

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

void PlotCanvas::copyPicture() { services_.clipboard.SetImage(image(exportSide_)); }

void PlotCanvas::savePicture() {
    const SaveRequest request{QString::fromUtf8("保存图象"), QString::fromUtf8("PNG 图片 (*.png);;SVG 图片 (*.svg)"),
                              QDir::home().filePath(QString::fromUtf8("函数图象.png")),
                              QString::fromUtf8("保存图象失败：")};
    SaveWithDialog(this, services_.dialogs, request, [this](QString& path) {
        const bool svg = path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive);
        if (!svg && !path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive)) path += QLatin1String(".png");
        QByteArray bytes;
        if (svg) {
            // Vector at any size: the picture's numbers in the canvas's font size.
            const int side = exportSide_ > 0 ? exportSide_ : width();
            const double scale = static_cast<double>(side) / std::max(1, width());
            bytes = QByteArray::fromStdString(maths::PictureSvg(picture(), side, side * height() / std::max(1, width()),
                                                                QFontInfo(textFont()).pixelSize() * scale));
        } else {
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            if (!image(exportSide_).save(&buffer, "PNG")) return FailedWrite(EIO);
        }
        // Whole or not at all: a picture already there stays on a failure.
        return SaveBytes(path, bytes);
    });
}

}  // namespace numora
