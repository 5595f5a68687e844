#pragma once

// The sample projects the tests and the benchmarks share.

#include "core/model/ProjectForm.h"
#include "core/model/ProjectRecord.h"

// The sand project of tests/data/sand_frost_depth.dan as the input dialog holds it: a 0.4 x 0.4
// column on sand, its socket deciding the laying depth.
inline fundis::ProjectForm sandProjectForm() {
    fundis::ProjectForm form;
    form.combos = {1, 0, 2, 0, 1, 0, 0, 0, 0};
    const char* const edits[fundis::kEditCount] = {
        "36.5", "",   "95",     "820",  "22",   "40",     "1010",  "9",      "60",  "870",   "35",
        "0.3",  "30", "2",      "",     "19.2", "18.0",   "0.7",   "-0.150", "0.3", "0.750", "0.500",
        "0.4",  "",   "",       "",     "0.4",  "0.020",  "0.070", "365",    "365", "109",   "943",
        "25.3", "46", "1161.5", "10.4", "69",   "1000.5", "40.3",  ""};
    for (int i = 0; i < fundis::kEditCount; ++i) {
        form.edits[i] = edits[i];
    }
    return form;
}

// A finished design of a 2.4 x 1.8 m base with two steps under a 0.9 x 1.2 m pedestal, as the
// calculation leaves the record.
inline fundis::ProjectRecord twoStepFoundation() {
    fundis::ProjectRecord data;
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
    data.d = data.Hf = 1.35f;
    data.l = data.lStep[1] = 2.4f;
    data.b = data.bStep[1] = 1.8f;
    data.A = 4.32f;
    data.R = 273.818f;
    data.pEnv = 260.796f;
    data.pmaxEnv = 290.194f;
    data.pminEnv = 146.56f;
    data.buc = 0.9f;
    data.luc = 1.2f;
    data.huc = 0.75f;
    data.bc = data.lc = 0.4f;
    data.nSteps = 2;
    data.hSteps = 0.6f;
    data.h[1] = data.h[2] = 0.3f;
    data.c[1] = data.c[2] = data.cb[2] = 0.3f;
    data.cb[1] = 0.15f;
    data.lStep[2] = 1.8f;
    data.bStep[2] = 1.5f;
    data.Asl = 0.0024127f;
    data.Asb = 0.0010179f;
    data.nl = 12;
    data.nb = 9;
    data.dsl = 0.016f;
    data.dsb = 0.012f;
    return data;
}
