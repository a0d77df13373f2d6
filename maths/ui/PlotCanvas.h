// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A drawing canvas with a user coordinate mapping. What is drawn stays
// (as lines in shares of the canvas, so a later change of the mapping or of
// the widget's size does not move it) until the canvas is cleared; the axis
// elements are drawn over it. Right-click, the menu key or Shift+F10 opens
// the copy and save commands (also Ctrl+C and Ctrl+S while the canvas has
// the focus). On screen the picture is drawn on the window's text face
// (dark on a dark desktop); an exported picture stays black on white, at
// the canvas's size or, chosen in the menu, the screen's or twice it.
#pragma once

#include <QImage>
#include <QStringList>
#include <QWidget>
#include <vector>

#include "Plotter.h"

class QMenu;

namespace numora {

struct Services;

class PlotCanvas : public QWidget {
    Q_OBJECT

public:
    // `size`: the preferred size; a narrow window shrinks the canvas,
    // keeping its shape.
    PlotCanvas(Services& services, QSize size, QWidget* parent = nullptr);
    ~PlotCanvas() override;
    QSize sizeHint() const override { return preferred_; }
    int heightForWidth(int width) const override;

    void setMapping(const maths::CanvasMapping& mapping) { mapping_ = mapping; }
    const maths::CanvasMapping& mapping() const { return mapping_; }
    // Draws segments given in the current user coordinates (clipped to the
    // canvas in user coordinates first, so no far-off end overflows).
    void addSegments(const std::vector<maths::Segment>& segments, maths::Rgb colour, double width = 1,
                     maths::Picture::Role role = maths::Picture::Role::Curve);
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
    void setDescriptionItems(const QStringList& items);

    // What the canvas shows (the plotter's canvas adds its view, numbers and
    // key points).
    virtual maths::Picture picture() const;
    // The picture `side` pixels wide (0: the canvas's size in pixels,
    // whatever the screen's scale), black on white.
    QImage image(int side = 0) const;
    // The exported picture's width in pixels: 0 for the canvas's size, or
    // one of exportSides().
    void setExportSide(int side) { exportSide_ = side; }
    int exportSide() const { return exportSide_; }
    // The sizes offered: the default (the canvas's design size), the
    // screen's (the canvas at the screen's scale) when it is larger, and
    // twice the canvas's.
    QList<int> exportSides() const;
    // Context-menu commands.
    void copyPicture();
    void savePicture();

signals:
    // The mouse moved over the canvas, at user position (x, y).
    void mouseMovedTo(double x, double y);

protected:
    // Draws a picture on `painter`, `size` in the canvas's pixels.
    // `onScreen`: on the palette's face, colours made readable against it.
    void paintPicture(QPainter& painter, QSize size, bool onScreen, const maths::Picture& picture) const;
    // The font of the canvas's texts (axis names and numbers).
    QFont textFont() const;
    // More entries for the right-click menu, after copy and save.
    virtual void addMenuEntries(QMenu& menu);
    // Drawn over the picture on screen only (a trace marker).
    virtual void paintOverlay(QPainter& painter);
    const std::vector<maths::Picture::Line>& drawnLines() const { return drawn_; }

    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void showMenu(const QPoint& globalPos);
    void updateDescription();

    Services& services_;
    QSize preferred_;
    maths::CanvasMapping mapping_;
    std::vector<maths::Picture::Line> drawn_;
    std::vector<maths::Picture::Line> axes_;
    std::vector<maths::Picture::Text> labels_;
    QString descriptionBase_;
    QStringList descriptionItems_;
    int exportSide_ = 0;
};

}  // namespace numora
