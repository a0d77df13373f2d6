// frmData: the reference-data window. Three read-only sheets of constants
// (mathematics, physics, chemistry) and a close label drawn as a raised
// button that looks pressed while the mouse button is held on it.
//
// Position, check marks and unloading belong to the main frame (MainFrame.h);
// this window only closes its own widget.
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

class QLabel;

namespace numora {

class MainFrame;

class frmData : public QWidget {
    Q_OBJECT

public:
    explicit frmData(QWidget* parent = nullptr);
    ~frmData() override;

    // Registers the window with the main frame's reference-data toggle ("frmData").
    static void Register(MainFrame& frame);

    // ---- The sheets ------------------------------------------------------------
    enum class Sheet { Maths, Physics, Chem };
    // The text of a sheet: its heading line, then one line per entry: two
    // blanks, the name, blanks up to the value column, the value and, when
    // there is one, a blank and the unit. Every line ends with a line break.
    static QString sheetText(Sheet sheet);
    // The column (in character cells, a Chinese character taking two) where
    // every sheet's values start, so the three sheets line up with each other.
    static int valueColumn();
    // Width of a text in character cells of a monospaced font.
    static int cellWidth(const QString& text);

    // ---- The close label ---------------------------------------------------------
    bool closePressed() const { return pressed_; }
    // Colour of one of the four edges around CloseLabel: 1 top, 2 left,
    // 3 bottom, 4 right.
    QColor edgeColour(int line) const;
    static QColor shadowColour() { return QColor(128, 128, 128); }
    static QColor lightColour() { return QColor(224, 224, 224); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setPressed(bool pressed);

    QLabel* closeLabel_ = nullptr;
    bool pressed_ = false;  // the label looks pressed
    bool held_ = false;     // the left button went down on the label
};

}  // namespace numora
