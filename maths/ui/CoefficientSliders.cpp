// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CoefficientSliders.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "Accessibility.h"
#include "FormHelpers.h"
#include "NumberText.h"
#include "Reflow.h"
#include "Services.h"

namespace numora {
namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

// The animation's tick, and how many slider steps a tick moves at each speed.
constexpr int kTickMs = 40;
constexpr int kStrides[] = {1, 3, 8};

QString Number(double v) { return QString::fromStdString(FormatResult(NumberText(v == 0 ? 0 : v))); }

// MathsFunctionShapeFrame2Text1 -> MathsFunctionShapeFrame2Slider1.
QString SliderName(const QLineEdit* box) {
    QString name = box->objectName();
    return name.replace(QLatin1String("Text"), QLatin1String("Slider"));
}

QLineEdit* SmallBox(const QString& name, const QString& text, const char* tip) {
    auto* box = new QLineEdit(text);
    box->setObjectName(name);
    box->setToolTip(U(tip));
    SensibleInputWidth(box, 4);
    box->setMaximumWidth(box->minimumWidth() * 3 / 2);
    return box;
}

}  // namespace

CoefficientSliders::CoefficientSliders(Dialogs& dialogs, QWidget* parent)
    : QGroupBox(U("系数滑块"), parent), dialogs_(dialogs), pages_(new QStackedWidget) {
    setObjectName(QStringLiteral("MathsFunctionShapeSliders"));
    auto* column = new QVBoxLayout(this);
    column->addWidget(SizedByShownPage(pages_));

    timer_.setInterval(kTickMs);
    connect(&timer_, &QTimer::timeout, this, &CoefficientSliders::tick);
}

void CoefficientSliders::addKind(const QList<QLineEdit*>& boxes, const QStringList& letters) {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(0, 0, 0, 0);
    QList<Row*> kind;
    for (int i = 0; i < boxes.size(); ++i) {
        QLineEdit* box = boxes[i];
        auto row = std::make_unique<Row>();
        row->box = box;
        const QString name = SliderName(box);
        row->slider = new QSlider(Qt::Horizontal);
        row->slider->setObjectName(name);
        row->slider->setFocusPolicy(Qt::StrongFocus);
        row->slider->setPageStep(10);
        row->slider->setMinimumWidth(100);
        row->min = SmallBox(name + QLatin1String("Min"), Number(row->scale.min), "滑块的最小值");
        row->max = SmallBox(name + QLatin1String("Max"), Number(row->scale.max), "滑块的最大值");
        row->step = SmallBox(name + QLatin1String("Step"), Number(row->scale.step), "滑块每一格的步长");
        row->line = new QWidget;
        auto* line = new QHBoxLayout(row->line);
        line->setContentsMargins(0, 0, 0, 0);
        line->addWidget(new QLabel(i < letters.size() ? letters[i] : QString()));
        line->addWidget(row->slider, 1);
        line->addWidget(row->min);
        line->addWidget(row->max);
        line->addWidget(row->step);
        grid->addWidget(row->line, i, 0);
        for (QObject* part : {static_cast<QObject*>(box), static_cast<QObject*>(row->slider),
                              static_cast<QObject*>(row->min), static_cast<QObject*>(row->max),
                              static_cast<QObject*>(row->step)})
            parts_.insert(part, row.get());
        connect(box, &QLineEdit::textChanged, this, [this, box] {
            if (Row* r = rowOf(box); r && !writing_) boxEdited(*r);
        });
        connect(row->slider, &QSlider::valueChanged, this, [this, slider = row->slider](int position) {
            if (Row* r = rowOf(slider)) slid(*r, position);
        });
        for (QLineEdit* edit : {row->min, row->max, row->step}) {
            connect(edit, &QLineEdit::editingFinished, this, [this, edit] {
                if (Row* r = rowOf(edit)) rangeEdited(*r);
            });
            edit->installEventFilter(this);  // Enter sets the range, and presses nothing
        }
        kind << row.get();
        rows_.push_back(std::move(row));
        boxEdited(*kind.back());
    }
    kinds_ << kind;
    pages_->addWidget(page);
}

void CoefficientSliders::finish() {
    auto* row = new QHBoxLayout;
    animated_ = new QComboBox;
    animated_->setObjectName(QStringLiteral("MathsFunctionShapeSlidersCombo1"));
    animated_->setToolTip(U("动画中变化的系数"));
    speed_ = new QComboBox;
    speed_->setObjectName(QStringLiteral("MathsFunctionShapeSlidersCombo2"));
    speed_->addItems({U("慢"), U("中"), U("快")});
    speed_->setCurrentIndex(1);
    speed_->setToolTip(U("动画的速度"));
    play_ = new QPushButton(U("播放"));
    play_->setObjectName(QStringLiteral("MathsFunctionShapeSliderscmd1"));
    connect(play_, &QPushButton::clicked, this, [this] { playing() ? pause() : play(); });
    row->addWidget(new QLabel(U("动画:")));
    row->addWidget(animated_);
    row->addWidget(new QLabel(U("速度:")));
    row->addWidget(speed_);
    row->addWidget(play_);
    row->addStretch();
    static_cast<QVBoxLayout*>(layout())->addLayout(row);

    fillAnimated();
}

CoefficientSliders::Row* CoefficientSliders::rowOf(const QObject* anyPart) { return parts_.value(anyPart, nullptr); }

QSlider* CoefficientSliders::sliderFor(const QLineEdit* box) const {
    const Row* row = parts_.value(box, nullptr);
    return row ? row->slider : nullptr;
}

void CoefficientSliders::showKind(int kind) {
    if (kind < 0 || kind >= kinds_.size()) return;
    if (animated_) pause();
    pages_->setCurrentIndex(kind);
    fillAnimated();
}

void CoefficientSliders::showOnly(int kind, const QList<bool>& used) {
    if (kind < 0 || kind >= kinds_.size()) return;
    const QList<Row*>& rows = kinds_[kind];
    for (int i = 0; i < rows.size(); ++i) rows[i]->line->setVisible(i < used.size() && used[i]);
    if (pages_->currentIndex() == kind) fillAnimated();
}

// The coefficients the animation may move: those with a slider shown.
void CoefficientSliders::fillAnimated() {
    if (!animated_) return;  // not finished yet
    const QString before = animated_->currentText();
    animated_->clear();
    const int kind = pages_->currentIndex();
    if (kind < 0 || kind >= kinds_.size()) return;
    const QList<Row*>& rows = kinds_[kind];
    for (int i = 0; i < rows.size(); ++i) {
        if (rows[i]->line->isHidden()) continue;
        auto* label = rows[i]->line->findChild<QLabel*>();
        animated_->addItem(label ? label->text() : QString::number(i + 1), i);
    }
    if (const int again = animated_->findText(before); again >= 0) animated_->setCurrentIndex(again);
    play_->setEnabled(animated_->count() > 0);
    if (animated_->count() == 0) pause();
}

void CoefficientSliders::nameAfterBoxes() {
    AccessibleTable table;
    for (const auto& row : rows_) {
        const QString box = row->box->accessibleName();
        table.push_back({row->slider->objectName(), box + U(" 滑块"), {}});
        table.push_back({row->min->objectName(), box + U(" 滑块最小值"), {}});
        table.push_back({row->max->objectName(), box + U(" 滑块最大值"), {}});
        table.push_back({row->step->objectName(), box + U(" 滑块步长"), {}});
    }
    table.push_back({animated_->objectName(), U("系数滑块 动画系数"), {}});
    table.push_back({speed_->objectName(), U("系数滑块 动画速度"), {}});
    table.push_back({play_->objectName(), U("系数滑块 播放/暂停"), {}});
    ApplyAccessibility(this, table);
}

// The box was typed into (or written): the slider follows, its range
// widened to take the value.
void CoefficientSliders::boxEdited(Row& row) {
    const QString text = row.box->text();
    const double v = LeadingValue(text.toStdString());
    if (text.trimmed().isEmpty() || !std::isfinite(v)) return;
    const maths::SliderScale wider = row.scale.Containing(v);
    if (!(wider == row.scale)) {
        row.scale = wider;
        row.min->setText(Number(wider.min));
        row.max->setText(Number(wider.max));
        row.step->setText(Number(wider.step));
    }
    const QSignalBlocker quiet(row.slider);
    row.slider->setRange(0, row.scale.Positions());
    row.slider->setValue(row.scale.PositionOf(v));
}

void CoefficientSliders::slid(Row& row, int position) {
    writing_ = true;
    row.box->setText(Number(row.scale.ValueAt(position)));
    writing_ = false;
    emit moved(row.box);
}

void CoefficientSliders::rangeEdited(Row& row) {
    const maths::ScaleResult read =
        maths::ReadScale(row.min->text().toStdString(), row.max->text().toStdString(), row.step->text().toStdString());
    if (!read.scale) {
        // The range as it was.
        row.min->setText(Number(row.scale.min));
        row.max->setText(Number(row.scale.max));
        row.step->setText(Number(row.scale.step));
        ApplyOutcome(this, read.outcome, dialogs_);
        return;
    }
    row.scale = *read.scale;
    const double v = LeadingValue(row.box->text().toStdString());
    const bool outside = std::isfinite(v) && (v < row.scale.min || v > row.scale.max);
    {
        const QSignalBlocker quiet(row.slider);
        row.slider->setRange(0, row.scale.Positions());
        row.slider->setValue(row.scale.PositionOf(v));
    }
    // The box's value stays inside the range: it moves to the nearer end.
    if (outside) slid(row, row.slider->value());
}

void CoefficientSliders::play() {
    if (animated_->count() == 0) return;
    direction_ = 1;
    timer_.start();
    play_->setText(U("暂停"));
}

void CoefficientSliders::pause() {
    timer_.stop();
    if (play_) play_->setText(U("播放"));
}

void CoefficientSliders::tick() {
    const int kind = pages_->currentIndex();
    const int index = animated_->currentData().toInt();
    if (kind < 0 || kind >= kinds_.size() || index < 0 || index >= kinds_[kind].size() || !isVisible()) {
        pause();
        return;
    }
    QSlider* slider = kinds_[kind][index]->slider;
    const int stride = kStrides[std::clamp(speed_->currentIndex(), 0, 2)];
    slider->setValue(maths::BouncePosition(slider->value(), direction_, slider->maximum(), stride));
}

bool CoefficientSliders::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (Row* r = rowOf(watched)) rangeEdited(*r);
            return true;
        }
    }
    return QGroupBox::eventFilter(watched, event);
}

void CoefficientSliders::hideEvent(QHideEvent* event) {
    pause();  // the page or the window is going away
    QGroupBox::hideEvent(event);
}

}  // namespace numora
