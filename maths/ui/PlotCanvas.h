// A drawing canvas with a user coordinate mapping. What is drawn stays
// (as lines in shares of the canvas, so a later change of the mapping or of
// the widget's size does not move it) until the canvas is cleared; the axis
// elements are drawn over it. Right-click copies or saves the picture.
#pragma once

#include <QImage>
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

    maths::Picture picture() const;
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

private:
    void paintPicture(QPainter& painter, QSize size) const;

    Services& services_;
    maths::CanvasMapping mapping_;
    std::vector<maths::Picture::Line> drawn_;
    std::vector<maths::Picture::Line> axes_;
    std::vector<maths::Picture::Text> labels_;
};

}  // namespace numora
