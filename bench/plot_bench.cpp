// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The plotter's canvas under the user's hands, in the real window (the
// offscreen platform): four graphs (a parabola, a line, a sine and the typed
// cubic x^3/4-x) on a canvas of 1400 device pixels (700 at a screen scale of
// 2), key points shown. Each row is one step as the user takes it, the key
// handled or the slider moved and the canvas painted anew:
//
//   plain repaint      the peer: the same canvas painted, nothing changed
//   trace step         Right/Left along the selected graph
//   zoom step          + and - about the traced point
//   pan step           Ctrl+Right/Left
//   slider step        the parabola's a moved one step: its field, its graph
//                      and every key point found anew
//
// The bar is a 16 ms frame. bench/README.md has the figures.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <cstdlib>
#include <memory>
#include <sys/stat.h>

#include "Fakes.h"
#include "FunctionCanvas.h"
#include "Maths.h"

using namespace numora;

namespace {

struct Rig {
    testing::FakeServices fakes;
    std::unique_ptr<Maths> maths;
    FunctionCanvas* canvas = nullptr;
    QSlider* slider = nullptr;
    QImage screen;

    Rig() {
        maths = std::make_unique<Maths>(fakes.services);
        maths->selectTab(QStringLiteral("FunctionDrawer"));
        maths->resize(1200, 900);
        maths->show();
        canvas = maths->functionCanvas();
        // A canvas of 700 device-independent pixels.
        for (int i = 0; i < 4; ++i) {
            QApplication::processEvents();
            maths->resize(maths->width() + 700 - canvas->width(), maths->height() + 700 - canvas->height());
        }
        QApplication::processEvents();
        auto* kinds = maths->findChild<QComboBox*>(QStringLiteral("MathsFunctionShapeCombo1"));
        auto* draw = maths->findChild<QPushButton*>(QStringLiteral("MathsFunctionShapecmd1"));
        const struct { int kind; QStringList boxes; } graphs[] = {
            {5, {"2", "1", "0", "0"}}, {0, {"1", "-1"}}, {10, {"x^3/4-x"}}, {1, {"1", "-3", "2"}}};
        for (const auto& g : graphs) {
            kinds->setCurrentIndex(g.kind);
            for (int i = 0; i < g.boxes.size(); ++i)
                maths->findChild<QLineEdit*>(QStringLiteral("MathsFunctionShapeFrame%1Text%2").arg(g.kind + 1).arg(i + 1))
                    ->setText(g.boxes[i]);
            draw->click();
        }
        // The parabola, drawn last, is the graph its sliders move.
        slider = maths->findChild<QSlider*>(QStringLiteral("MathsFunctionShapeFrame2Slider1"));
        canvas->setFocus();
        screen = QImage(canvas->size() * 2, QImage::Format_ARGB32_Premultiplied);
        screen.setDevicePixelRatio(2);
    }

    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent press(QEvent::KeyPress, k, modifiers);
        QApplication::sendEvent(canvas, &press);
    }
    void paint() { canvas->render(&screen); }
};

// Made at the first benchmark, gone before the application.
std::unique_ptr<Rig> g_rig;
Rig& TheRig() {
    if (!g_rig) g_rig = std::make_unique<Rig>();
    return *g_rig;
}

void Report(benchmark::State& state) {
    state.counters["px"] = TheRig().screen.width();
    state.counters["graphs"] = static_cast<double>(TheRig().canvas->curves().size());
}

void BM_PlainRepaint(benchmark::State& state) {
    Rig& rig = TheRig();
    rig.canvas->resetView();
    for (auto _ : state) rig.paint();
    Report(state);
}

void BM_TraceStep(benchmark::State& state) {
    Rig& rig = TheRig();
    rig.canvas->resetView();
    int i = 0;
    for (auto _ : state) {
        rig.key(i++ % 40 < 20 ? Qt::Key_Right : Qt::Key_Left);
        rig.paint();
    }
    Report(state);
}

void BM_ZoomStep(benchmark::State& state) {
    Rig& rig = TheRig();
    rig.canvas->resetView();
    int i = 0;
    for (auto _ : state) {
        rig.key(i++ % 2 ? Qt::Key_Minus : Qt::Key_Plus);
        rig.paint();
    }
    Report(state);
}

void BM_PanStep(benchmark::State& state) {
    Rig& rig = TheRig();
    rig.canvas->resetView();
    int i = 0;
    for (auto _ : state) {
        rig.key(i++ % 2 ? Qt::Key_Left : Qt::Key_Right, Qt::ControlModifier);
        rig.paint();
    }
    Report(state);
}

void BM_SliderStep(benchmark::State& state) {
    Rig& rig = TheRig();
    rig.canvas->resetView();
    int i = 0;
    for (auto _ : state) {
        rig.slider->setValue(rig.slider->value() + (i++ % 40 < 20 ? 1 : -1));
        rig.paint();
    }
    Report(state);
}

// What a zoom or slider step spends on the key points alone.
void BM_KeyPointsOnly(benchmark::State& state) {
    Rig& rig = TheRig();
    rig.canvas->resetView();
    const std::vector<maths::Curve> curves = rig.canvas->curves();
    for (auto _ : state) benchmark::DoNotOptimize(maths::FindKeyPoints(curves, rig.canvas->view()));
    Report(state);
}

BENCHMARK(BM_PlainRepaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KeyPointsOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TraceStep)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZoomStep)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PanStep)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SliderStep)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QByteArray folder = qgetenv("TMPDIR").isEmpty() ? QByteArray("/tmp") : qgetenv("TMPDIR");
    folder += "/numora-plot-bench-XXXXXX";
    if (!mkdtemp(folder.data())) return 1;
    chmod(folder.constData(), 0700);
    qputenv("XDG_RUNTIME_DIR", folder);
    qputenv("XDG_CONFIG_HOME", folder + "/config");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_rig.reset();
    return 0;
}
