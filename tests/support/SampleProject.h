// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The sample projects the tests and the benchmarks share.

#include <stdexcept>
#include <utility>

#include "core/files/DanFile.h"
#include "core/model/ProjectForm.h"
#include "core/model/ProjectRecord.h"
#include "core/reports/ReportContext.h"

// The sand project of tests/data/sand_frost_depth.dan as "Открыть" gives it to the input dialog: a
// 0.4 x 0.4 column on sand, its socket deciding the laying depth; a file of before the added fields,
// so its steps are laid out by k1.dat. (What the file holds field by field DanFileTest checks.)
inline fundis::ProjectForm sandProjectForm() {
    fundis::ProjectFile project;
    fundis::Status settlementPartRead;
    const fundis::Status read =
        fundis::readProjectFile(FUNDIS_TEST_DATA_DIR "/sand_frost_depth.dan", project, settlementPartRead);
    if (!read.ok()) {
        throw std::runtime_error(read.message());
    }
    return project.form;
}

// Soil, loads and the column of a design that comes out at 2.4 x 3.3 m, typed over a new
// project's defaults (loam, B 12,5, the frost depth from Mt).
inline fundis::ProjectForm columnProjectForm() {
    using T = fundis::TextField;
    fundis::ProjectForm form;
    const std::pair<T, const char*> texts[] = {
        {T::Mt, "49"},     {T::MII1, "120"}, {T::NII1, "1500"}, {T::QII1, "30"},   {T::MII2, "60"},
        {T::NII2, "1900"}, {T::QII2, "20"},  {T::MII3, "80"},   {T::NII3, "1600"}, {T::QII3, "60"},
        {T::fii, "28"},    {T::cii, "5"},    {T::Yii, "18"},    {T::Yii1, "17"},   {T::MI1, "132"},
        {T::NI1, "1650"},  {T::QI1, "33"},   {T::MI2, "66"},    {T::NI2, "2090"},  {T::QI2, "22"},
        {T::MI3, "88"},    {T::NI3, "1760"}, {T::QI3, "66"},    {T::bc, "0.4"},    {T::lc, "0.4"}};
    for (const auto& [field, text] : texts) {
        form.text(field) = text;
    }
    form.choice(fundis::ListField::floorType) = 2;
    form.choice(fundis::ListField::temperature) = 2;
    form.choice(fundis::ListField::soil) = 1;
    form.choice(fundis::ListField::method) = 1;
    return form;
}

// The inputs and the result of one calculation, as the documents take them; a context pointing at
// them for a document to draw (the object must stay where it is while the context is used).
struct SampleDesign {
    fundis::ProjectRecord inputs;
    fundis::CalculationResult result;
    fundis::Design design() const { return {inputs, result, nullptr}; }
    fundis::ReportContext context() const {
        fundis::ReportContext context;
        context.inputs = &inputs;
        context.result = &result;
        return context;
    }
};

// A finished design of a 2.4 x 1.8 m base with two steps under a 0.9 x 1.2 m pedestal, as the
// calculation leaves it.
inline SampleDesign twoStepFoundation() {
    SampleDesign sample;
    fundis::ProjectRecord& data = sample.inputs;
    data.MII = {0, 120.0f, 60.0f, 80.0f};
    data.NII = {0, 900.0f, 1100.0f, 950.0f};
    data.QII = {0, 30.0f, 20.0f, 45.0f};
    data.MI = {0, 132.0f, 66.0f, 88.0f};
    data.NI = {0, 990.0f, 1210.0f, 1045.0f};
    data.QI = {0, 33.0f, 22.0f, 49.5f};
    data.Yii = 18.5f;
    data.Yii1 = 17.0f;
    data.fii = 28.0f;
    data.cii = 4.0f;
    data.pedestalTop = data.groundLevel = -0.15f;
    data.d_l = data.d_h = 0.3f;
    data.socketDepth = data.socketBottom = 0.6f;
    data.bc = data.lc = 0.4f;

    fundis::CalculationResult& r = sample.result;
    r.ran = true;
    r.depth.d = r.depth.Hf = 1.35f;
    r.base.found = true;
    r.base.l = 2.4f;
    r.base.b = 1.8f;
    r.base.A = 4.32f;
    r.base.R = 273.818f;
    r.base.pEnv = 260.796f;
    r.base.pmaxEnv = 290.194f;
    r.base.pminEnv = 146.56f;
    r.pedestal.found = true;
    r.pedestal.buc = 0.9f;
    r.pedestal.luc = 1.2f;
    r.stepsRan = true;
    fundis::StepsResult& s = r.steps;
    s.fitted = true;
    s.l = s.lSearch = s.lStep[1] = 2.4f;
    s.b = s.bSearch = s.bStep[1] = 1.8f;
    s.huc = 0.75f;
    s.nSteps = 2;
    s.hSteps = 0.6f;
    s.h[1] = s.h[2] = 0.3f;
    s.c[1] = s.c[2] = s.cb[2] = 0.3f;
    s.cb[1] = 0.15f;
    s.lStep[2] = 1.8f;
    s.bStep[2] = 1.5f;
    fundis::ReinforcementSide& l = r.reinforcement.alongL;
    fundis::ReinforcementSide& b = r.reinforcement.alongB;
    l.area = 0.0024127f;
    b.area = 0.0010179f;
    l.count = 12;
    b.count = 9;
    l.diameter = 0.016f;
    b.diameter = 0.012f;
    return sample;
}
