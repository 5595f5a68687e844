// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdlib>

#include "core/reports/SchemeDrawing.h"
#include "gui/reports/QPainterCanvas.h"
#include "support/SampleProject.h"

using namespace fundis;

namespace {

QGuiApplication& application() {
    static int argc = 1;
    static char name[] = "scheme_bench";
    static char* argv[] = {name, nullptr};
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    static QGuiApplication app(argc, argv);
    return app;
}

// One paint of the scheme window at the screen unit, on a full-HD offscreen image.
void paintScheme(benchmark::State& state) {
    application();
    const SampleDesign sample = twoStepFoundation();
    QImage image(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        QPainterCanvas canvas(painter);
        DrawFoundationScheme(canvas, kScreenSchemeUnit, sample.design(), 75, '.');
        painter.end();
        benchmark::ClobberMemory();
    }
    state.counters["steps"] = sample.result.steps.nSteps;
}
BENCHMARK(paintScheme)->Unit(benchmark::kMillisecond);

}  // namespace
