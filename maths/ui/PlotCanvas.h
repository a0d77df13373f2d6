// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A drawing canvas with a user coordinate mapping. What is drawn stays
// (as lines in shares of the canvas, so a later change of the mapping or of
// the widget's size does not move it) until the canvas is cleared; the axis
// elements are drawn over it. Right-click, the menu key or Shift+F10 opens
// the copy and save commands (also Ctrl+C and Ctrl+S while the canvas has
// the focus). On screen the picture is drawn on the window's text face
// (dark on a dark desktop); an exported picture stays black on white.
#pragma once

#include <QImage>
#include <QStringList>
#include <QWidget>
#include <vector>

#include "Plotter.h"

namespace numora {

struct Services;

class PlotCanvas : public QWidget {
    Q_OBJECT

public:
    PlotCanvas(Services& services, QSize size, QWidget* parent = nullptr);

    void setMapping(const maths::CanvasMapping& mapping) { mapping_ = mapping; }
    const maths::CanvasMapping& mapping() const { return mapping_; }
    // Draws segments given in the current user coordinates.
    void addSegments(const std::vector<maths::Segment>& segments, maths::Rgb colour, double width = 1);
    void clear();
    std::size_t lineCount() const { return drawn_.size(); }

    // The plotter's axis elements (layout units), or the sketch's two centre lines.
    void setAxes(const maths::AxisLayout& axes);
    void setCentreAxes();

    // What the canvas shows, for assistive technology: `base` says the kind
    // of canvas and its range; each drawn item (a graph, a curve) is added
    // to it until the canvas is cleared.
    void setDescriptionBase(const QString& base);
    void addDescriptionItem(const QString& item);

    maths::Picture picture() const;
    // The picture at the canvas's size in pixels (whatever the screen's
    // scale), black on white.
    QImage image() const;
    // Context-menu commands.
    void copyPicture();
    void savePicture();

signals:
    // The mouse moved over the canvas, at user position (x, y).
    void mouseMovedTo(double x, double y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // `onScreen`: on the palette's face, colours made readable against it.
    void paintPicture(QPainter& painter, QSize size, bool onScreen) const;
    void showMenu(const QPoint& globalPos);
    void updateDescription();

    Services& services_;
    maths::CanvasMapping mapping_;
    std::vector<maths::Picture::Line> drawn_;
    std::vector<maths::Picture::Line> axes_;
    std::vector<maths::Picture::Text> labels_;
    QString descriptionBase_;
    QStringList descriptionItems_;
};

}  // namespace numora
