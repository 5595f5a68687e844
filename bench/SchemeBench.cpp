#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <clocale>
#include <cstdlib>

#include "calc/Calculation.h"
#include "reports/ui/QPainterCanvas.h"
#include "reports/SchemeDrawing.h"

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
    std::setlocale(LC_NUMERIC, "C");
    return app;
}

// A 0.5 x 0.5 column on dense sand, designed by the calculation.
TProjectData designedProject() {
    TProjectData data;
    data.Mt = 72;
    data.kh = 0.9f;
    data.d0 = 0.23f;
    data.MII = {0, 106, 48, 64};
    data.NII = {0, 1547.7f, 1951, 1579};
    data.QII = {0, 31.5f, 21, 51.2f};
    data.MI = {0, 125, 56, 75.2f};
    data.NI = {0, 1818.7f, 2293, 1856};
    data.QI = {0, 37, 24.7f, 60};
    data.fii = 34.1f;
    data.cii = 38;
    data.Yii = 18.5f;
    data.Yii1 = 20.36f;
    data.Yc1 = data.Yc2 = 1.3f;
    data.k = 1.1f;
    data.d_l = data.d_h = 0.3f;
    data.pedestalTop = -0.15f;
    data.socketDepth = 0.9f;
    data.socketBottom = 0.5f;
    data.lc = data.bc = 0.5f;
    data.da = 0.02f;
    data.dz = 0.07f;
    data.Rs = 365000;
    data.Rbt = 0.66f;
    CalculationOptions options;
    options.programDir = FUNDIS_TABLES_DIR;
    runCalculation(data, options);
    return data;
}

// One paint of the scheme window at the screen unit, on a full-HD offscreen image.
void paintScheme(benchmark::State& state) {
    application();
    const TProjectData data = designedProject();
    QImage image(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        QPainterCanvas canvas(painter);
        DrawFoundationScheme(canvas, 33, data, 75, '.');
        painter.end();
        benchmark::ClobberMemory();
    }
    state.counters["steps"] = data.nSteps;
}
BENCHMARK(paintScheme)->Unit(benchmark::kMillisecond);

}  // namespace
