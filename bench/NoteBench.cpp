// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTemporaryDir>

#include "core/note/CalculationNote.h"
#include "core/note/SvgCanvas.h"
#include "core/project/ProjectPass.h"
#include "core/reports/MaterialsTables.h"
#include "core/reports/SchemeDrawing.h"
#include "gui/note/NoteDocument.h"
#include "support/SampleProject.h"

using namespace fundis;

namespace {

// A full design of the sand project with three layers under its base.
const ProjectPass& designWithSettlement() {
    static const ProjectPass pass = [] {
        PassOptions options;
        options.tablesDir = FUNDIS_TABLES_DIR;
        options.decimalSeparator = ',';
        SettlementInputs layers;
        layers.layers = {{"1,5", "18", "12"}, {"2", "19", "20"}, {"3", "19,5", "25"}};
        return runProjectPass(sandProjectForm(), layers, options);
    }();
    return pass;
}

// The note's blocks from the pass: what the window, the HTML, the ODT and the PDF all start with.
void buildNoteOfAFullDesign(benchmark::State& state) {
    const ProjectPass& pass = designWithSettlement();
    if (!pass.settlement || !pass.settlement->result.status.ok()) {
        state.SkipWithError("the design has no settlement");
        return;
    }
    const NoteOptions options{"sand.dan", ',', false};
    std::size_t blocks = 0;
    for (auto _ : state) {
        const CalculationNote note = buildCalculationNote(&pass, options);
        blocks = note.blocks.size();
        benchmark::DoNotOptimize(blocks);
    }
    state.counters["blocks"] = static_cast<double>(blocks);
}
BENCHMARK(buildNoteOfAFullDesign)->Unit(benchmark::kMicrosecond);

// What the bill of materials adds to the note: the quantities computed from the design and their
// tables drawn (the list of positions and the steel schedule, as the scheme window and the DXF draw them).
void quantitiesAndTheirTables(benchmark::State& state) {
    const ProjectPass& pass = designWithSettlement();
    std::size_t size = 0;
    for (auto _ : state) {
        const BillOfMaterials bill = billOfMaterials(pass.record, pass.calculation, "B 15");
        SvgCanvas canvas(1600, 1100);
        DrawMaterialsTables(canvas, 0, 0, kScreenSchemeUnit, bill, ',');
        size = canvas.svg().size();
        benchmark::DoNotOptimize(size);
    }
    state.counters["svg bytes"] = static_cast<double>(size);
}
BENCHMARK(quantitiesAndTheirTables)->Unit(benchmark::kMicrosecond);

// The note as an ODT file with its scheme picture, as "Сохранить..." and fundis-cli --explain write it.
void writeNoteOdt(benchmark::State& state) {
    // fonts and a paint device for the scheme picture, no screen
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "note_bench";
    char* argv[] = {name, nullptr};
    QGuiApplication application(argc, argv);
    const ProjectPass& pass = designWithSettlement();
    const CalculationNote note = buildCalculationNote(&pass, {"sand.dan", ',', false});
    ReportContext context = documentContext(pass);
    context.decimalSeparator = ',';
    QTemporaryDir folder;
    const std::string path = folder.filePath(QStringLiteral("note.odt")).toStdString();
    for (auto _ : state) {
        if (!writeNoteFile(path, note, context).ok()) {
            state.SkipWithError("the ODT was not written");
            break;
        }
    }
}
BENCHMARK(writeNoteOdt)->Unit(benchmark::kMillisecond);

}  // namespace
