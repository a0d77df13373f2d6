// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// frmData: the reference-data window. Three read-only sheets of constants
// (mathematics, physics, chemistry) and a close label drawn as a raised
// button that looks pressed while the mouse button is held on it.
//
// Position, check marks and unloading belong to the main frame (MainFrame.h);
// this window only closes its own widget.
#pragma once

#include <QList>
#include <QString>
#include <QWidget>

class QLabel;

namespace numora {

class frmData : public QWidget {
    Q_OBJECT

public:
    explicit frmData(QWidget* parent = nullptr);
    ~frmData() override;

    // ---- The sheets ------------------------------------------------------------
    enum class Sheet { Maths, Physics, Chem };
    struct Entry {
        QString name, value, unit;  // unit: empty when the value has none
    };
    // A sheet's heading and its entries, in order.
    static QString sheetHeading(Sheet sheet);
    static QList<Entry> sheetEntries(Sheet sheet);
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
    // True while the left button is held on CloseLabel: its top and left
    // edges are then grey (128) and its bottom and right edges light grey
    // (224); raised, the other way round.
    bool closePressed() const { return pressed_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setPressed(bool pressed);

    QLabel* closeLabel_ = nullptr;
    bool pressed_ = false;  // the label looks pressed
    bool held_ = false;     // the left button went down on the label
};

}  // namespace numora
