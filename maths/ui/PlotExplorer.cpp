// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlotExplorer.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "FormHelpers.h"
#include "FunctionCanvas.h"
#include "PlotView.h"
#include "Reflow.h"

namespace numora {
namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

QPushButton* Button(const char* name, const char* caption) {
    auto* button = new QPushButton(U(caption));
    button->setObjectName(QLatin1String(name));
    return button;
}

QLineEdit* ResultBox(const char* name) {
    auto* box = new QLineEdit;
    box->setObjectName(QLatin1String(name));
    box->setReadOnly(true);
    ResultFace(box);
    TooltipFollowsText(box);
    return box;
}

}  // namespace

PlotExplorer::PlotExplorer(FunctionCanvas* canvas, Dialogs& dialogs, QWidget* parent)
    : QGroupBox(U("图象探究"), parent), canvas_(canvas), dialogs_(dialogs) {
    setObjectName(QStringLiteral("MathsFunctionShapeExplore"));
    auto* grid = new QGridLayout(this);

    // y of every graph at a typed x.
    auto* x = new QLineEdit(QStringLiteral("0"));
    x->setObjectName(QStringLiteral("MathsFunctionShapeExploreText1"));
    x->setMinimumWidth(40);
    QPushButton* values = Button("MathsFunctionShapeExplorecmd1", "求 y");
    connect(values, &QPushButton::clicked, this, &PlotExplorer::showValues);
    grid->addWidget(new QLabel(U("x =")), 0, 0);
    grid->addWidget(x, 0, 1);
    grid->addWidget(values, 0, 2);
    grid->addWidget(ResultBox(maths::kValuesBox), 1, 0, 1, 4);

    // The trace marker's point.
    QLineEdit* trace = ResultBox("MathsFunctionShapeExploreText3");
    grid->addWidget(new QLabel(U("追踪:")), 2, 0);
    grid->addWidget(trace, 2, 1, 1, 3);
    connect(canvas, &FunctionCanvas::traced, this, [this](const QString& text) {
        showTrace(text);
        emit status(U("追踪 ") + text);
    });

    // On one line while it fits, else the buttons under the check box.
    auto* rowHolder = new QWidget;
    auto* row = new FlowLayout(rowHolder);
    row->setContentsMargins(0, 0, 0, 0);
    auto* keys = new QCheckBox(U("显示关键点"));
    keys->setObjectName(QStringLiteral("MathsFunctionShapeExploreCheck1"));
    keys->setChecked(canvas->keyPointsShown());
    connect(keys, &QCheckBox::toggled, canvas, &FunctionCanvas::setKeyPointsShown);
    connect(canvas, &FunctionCanvas::keyPointsShownChanged, keys, &QCheckBox::setChecked);
    row->addWidget(keys);
    row->newGroup();
    QPushButton* in = Button("MathsFunctionShapeExplorecmd2", "放大");
    QPushButton* out = Button("MathsFunctionShapeExplorecmd3", "缩小");
    QPushButton* home = Button("MathsFunctionShapeExplorecmd4", "复位视图");
    connect(in, &QPushButton::clicked, canvas, &FunctionCanvas::zoomIn);
    connect(out, &QPushButton::clicked, canvas, &FunctionCanvas::zoomOut);
    connect(home, &QPushButton::clicked, canvas, &FunctionCanvas::resetView);
    row->addWidget(in);
    row->addWidget(out);
    row->addWidget(home);
    grid->addWidget(rowHolder, 3, 0, 1, 4);
    // What is said once instead of points.
    auto* notes = new QLabel;
    notes->setObjectName(QStringLiteral("MathsFunctionShapeExploreLabel1"));
    notes->setWordWrap(true);
    grid->addWidget(notes, 4, 0, 1, 4);
    connect(canvas, &FunctionCanvas::viewChanged, this, &PlotExplorer::showNotes);
    connect(canvas, &FunctionCanvas::keyPointsShownChanged, this, &PlotExplorer::showNotes);
    grid->setColumnStretch(1, 1);
}

// The canvas speaks the trace once it rests; the box only shows it (its
// own announcement as a result field would say it a second time).
void PlotExplorer::showTrace(const QString& text) {
    auto* box = findChild<QLineEdit*>(QStringLiteral("MathsFunctionShapeExploreText3"));
    const QSignalBlocker quiet(box);
    box->setText(text);
    box->setToolTip(text);
    box->setCursorPosition(0);
}

void PlotExplorer::showNotes() {
    QStringList notes;
    for (const std::string& n : canvas_->session().KeyNotes()) notes << QString::fromStdString(n);
    findChild<QLabel*>(QStringLiteral("MathsFunctionShapeExploreLabel1"))->setText(notes.join(U("；")));
}

void PlotExplorer::graphsChanged() {
    showNotes();
    showTrace(canvas_->traceText());
    auto* values = findChild<QLineEdit*>(QLatin1String(maths::kValuesBox));
    if (values->text().isEmpty()) return;
    const QString x = FieldText(this, QStringLiteral("MathsFunctionShapeExploreText1"));
    const Outcome outcome = maths::CurveValues(canvas_->curves(), x.toStdString());
    // Never a message here: a box that no longer reads is emptied.
    values->setText(outcome.failed() ? QString() : QString::fromStdString(outcome.Field(maths::kValuesBox).value_or("")));
}

void PlotExplorer::clearTexts() {
    findChild<QLineEdit*>(QLatin1String(maths::kValuesBox))->clear();
    showTrace(QString());
    showNotes();
}

void PlotExplorer::showValues() {
    const QString x = FieldText(this, QStringLiteral("MathsFunctionShapeExploreText1"));
    ApplyOutcome(this, maths::CurveValues(canvas_->curves(), x.toStdString()), dialogs_);
}

}  // namespace numora
