// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The plotter's frame "系数滑块" (coefficient sliders): beside each
// coefficient box of the chosen kind (a typed function: each parameter a, b,
// c it uses) a slider with its range and step (-10 to 10 in steps of 0.1 to
// begin with), which writes its box as it moves; the box's value always
// lies inside the slider's range. 播放 moves one chosen coefficient back and
// forth over its range at a chosen speed until 暂停, or until the page or
// the window closes.
#pragma once

#include <QGroupBox>
#include <QHash>
#include <QTimer>
#include <memory>
#include <vector>

#include "GraphFormula.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QStackedWidget;

namespace numora {

class Dialogs;

class CoefficientSliders : public QGroupBox {
    Q_OBJECT

public:
    explicit CoefficientSliders(Dialogs& dialogs, QWidget* parent = nullptr);

    // One page of sliders per kind: its coefficient boxes and the letters
    // they are known by ("k", "b"); a slider and its range boxes are named
    // after its box: MathsFunctionShapeFrame2Text1 gets ...Slider1,
    // ...Slider1Min, ...Slider1Max, ...Slider1Step.
    void addKind(const QList<QLineEdit*>& boxes, const QStringList& letters);
    // Shows the sliders of kind `kind` (its index in the order added).
    void showKind(int kind);
    // After the last kind: the animation's controls, after every slider in
    // tab order.
    void finish();
    // A typed function shows the sliders of the parameters it uses.
    void showOnly(int kind, const QList<bool>& used);
    // The accessible names follow the boxes': "二次函数 二次项系数 滑块".
    void nameAfterBoxes();

    QSlider* sliderFor(const QLineEdit* box) const;
    bool playing() const { return timer_.isActive(); }
    void play();
    void pause();

signals:
    // A slider wrote its box (the user, or the animation).
    void moved(QLineEdit* box);

protected:
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Row {
        QLineEdit* box;
        QSlider* slider;
        QLineEdit *min, *max, *step;
        QWidget* line;
        maths::SliderScale scale;
    };
    Row* rowOf(const QObject* anyPart);
    void boxEdited(Row& row);
    void slid(Row& row, int position);
    void rangeEdited(Row& row);
    void fillAnimated();
    void tick();

    Dialogs& dialogs_;
    QStackedWidget* pages_;
    QList<QList<Row*>> kinds_;
    QHash<const QObject*, Row*> parts_;
    std::vector<std::unique_ptr<Row>> rows_;
    QComboBox* animated_ = nullptr;
    QComboBox* speed_ = nullptr;
    QPushButton* play_ = nullptr;
    QTimer timer_;
    int direction_ = 1;
    bool writing_ = false;
};

}  // namespace numora
