#pragma once

// A finished design of a 2.4 x 1.8 m base with two steps, as the calculation leaves the record.

#include "model/ProjectData.h"

inline fundis::TProjectData twoStepFoundation() {
    fundis::TProjectData data;
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
    data.pedestalTop = -0.15f;
    data.groundLevel = -0.15f;
    data.d_l = 0.3f;
    data.d_h = 0.3f;
    data.socketDepth = 0.6f;
    data.socketBottom = 0.6f;
    data.d = 1.35f;
    data.Hf = 1.35f;
    data.l = 2.4f;
    data.b = 1.8f;
    data.A = 4.32f;
    data.R = 273.818f;
    data.pEnv = 260.796f;
    data.pmaxEnv = 290.194f;
    data.pminEnv = 146.56f;
    data.buc = 0.9f;
    data.luc = 1.2f;
    data.huc = 0.75f;
    data.bc = 0.4f;
    data.lc = 0.4f;
    data.nSteps = 2;
    data.hSteps = 0.6f;
    data.h[1] = 0.3f;
    data.h[2] = 0.3f;
    data.c[1] = 0.3f;
    data.c[2] = 0.3f;
    data.cb[1] = 0.15f;
    data.cb[2] = 0.3f;
    data.lStep[1] = 2.4f;
    data.lStep[2] = 1.8f;
    data.bStep[1] = 1.8f;
    data.bStep[2] = 1.5f;
    data.Asl = 0.0024127f;
    data.Asb = 0.0010179f;
    data.nl = 12;
    data.nb = 9;
    data.dsl = 0.016f;
    data.dsb = 0.012f;
    return data;
}
