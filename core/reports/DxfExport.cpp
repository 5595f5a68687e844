// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reports/DxfExport.h"

#include <algorithm>

#include "core/model/FileIo.h"
#include "core/reports/DxfCanvas.h"
#include "core/reports/SchemeDrawing.h"

namespace fundis {

namespace {

// Annotations are sized for plotting at 1:1 up to 1:kLargestPlotScale.
constexpr int kLargestPlotScale = 1000;
constexpr double kNoteSize = 10;

}  // namespace

std::string schemeDxf(const ReportContext& context) {
    const Design design = shownDesign(context);
    // the verdict of the calculation above the title, as in the other documents: the out-of-date line,
    // the red lines, and without a foundation a statement instead of a drawing of zeros
    const bool shaped = foundationShaped(context);
    std::vector<std::string> notes;
    if (context.outOfDate) {
        notes.emplace_back(kOutOfDateLine);
    }
    if (!shaped) {
        notes.emplace_back(kNotDesignedScheme);
    }
    for (const std::string& failure : context.failures) {
        if (!failure.empty()) {
            notes.push_back(failure);
        }
    }
    const int plotScale = std::clamp(context.schemeScale, 1, kLargestPlotScale);
    // A canvas unit of 0.01 mm: the scheme's k = 100 u / S px a metre is 100 000 units a metre
    // when u = 1000 S, so the geometry comes out at true size whatever the scale.
    const int unit = 1000 * plotScale;
    DxfCanvas::Setup setup;
    setup.millimetresPerUnit = 0.01;
    setup.markScale = unit / kScreenSchemeUnit;
    setup.origin = SchemeOrigin(unit);
    setup.plotScale = plotScale;
    DxfCanvas canvas(setup);
    // a scale of 0 or less draws the message saying so, as on the screen and the printer
    const int schemeScale = context.schemeScale <= 0 ? context.schemeScale : plotScale;
    if (shaped) {
        DrawFoundationScheme(canvas, unit, design, schemeScale, context.decimalSeparator);
        DrawSchemeReinforcementTable(canvas, unit, design, schemeScale, context.decimalSeparator);
        DrawSchemeMaterials(canvas, unit, design, shownQuantities(context), schemeScale,
                            context.decimalSeparator);
    }

    if (!notes.empty()) {
        // above the title, the last line just clear of it
        CanvasFont font;
        font.sizePoints = kNoteSize;
        font.color = CanvasColor::Red;
        canvas.setFont(font);
        canvas.setLayer(DrawingLayer::Text);
        const int lineHeight = canvas.textHeight("#");
        int y = static_cast<int>(0.5 * unit) - lineHeight * static_cast<int>(notes.size()) - lineHeight / 2;
        for (const std::string& note : notes) {
            canvas.textOut(5 * unit, y, note);
            y += lineHeight;
        }
    }
    return canvas.document();
}

Status writeSchemeDxf(const std::string& path, const ReportContext& context) {
    return saveFileAtomically(path, schemeDxf(context));
}

}  // namespace fundis
