// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The sample projects the tests and the benchmarks share.

#include <utility>

#include "core/model/ProjectForm.h"
#include "core/model/ProjectRecord.h"
#include "core/reports/ReportContext.h"

// The sand project of tests/data/sand_frost_depth.dan as the input dialog holds it: a 0.4 x 0.4
// column on sand, its socket deciding the laying depth.
inline fundis::ProjectForm sandProjectForm() {
    using fundis::ListField;
    using T = fundis::TextField;
    fundis::ProjectForm form;
    form.choice(ListField::frostSoil) = 1;    // sands, fine and silty
    form.choice(ListField::temperature) = 2;  // 10 degrees
    form.choice(ListField::soil) = 1;         // fine sands
    const std::pair<T, const char*> texts[] = {{T::Mt, "36.5"},
                                               {T::MII1, "95"},
                                               {T::NII1, "820"},
                                               {T::QII1, "22"},
                                               {T::MII2, "40"},
                                               {T::NII2, "1010"},
                                               {T::QII2, "9"},
                                               {T::MII3, "60"},
                                               {T::NII3, "870"},
                                               {T::QII3, "35"},
                                               {T::d_l, "0.3"},
                                               {T::fii, "30"},
                                               {T::cii, "2"},
                                               {T::Yii, "19.2"},
                                               {T::Yii1, "18.0"},
                                               {T::bToL, "0.7"},
                                               {T::pedestalTop, "-0.150"},
                                               {T::d_h, "0.3"},
                                               {T::socketDepth, "0.750"},
                                               {T::socketBottom, "0.500"},
                                               {T::lc, "0.4"},
                                               {T::bc, "0.4"},
                                               {T::da, "0.020"},
                                               {T::dz, "0.070"},
                                               {T::Rs, "365"},
                                               {T::Rsc, "365"},
                                               {T::MI1, "109"},
                                               {T::NI1, "943"},
                                               {T::QI1, "25.3"},
                                               {T::MI2, "46"},
                                               {T::NI2, "1161.5"},
                                               {T::QI2, "10.4"},
                                               {T::MI3, "69"},
                                               {T::NI3, "1000.5"},
                                               {T::QI3, "40.3"}};
    form.texts = {};
    for (const auto& [field, text] : texts) {
        form.text(field) = text;
    }
    // the file is of before the added fields: its steps are laid out by k1.dat
    fundis::setAddedFieldsAsInOlderFiles(form);
    return form;
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
