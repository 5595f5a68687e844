// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calc/CalculationReport.h"
#include "core/calc/StageResults.h"
#include "core/model/ProjectRecord.h"

namespace fundis {

// What helps a plate the pedestal punches, or steps that do not fit, when the steps are laid out by
// the 1989 manual: none of it depends on the depth.
inline constexpr const char* kTallerStepsRemedy =
    "Необходимо задать более высокие ступени (поле «Высоты ступеней» или таблица hstup.dat), повысить "
    "класс бетона, увеличить сечение подколонника или уменьшить защитный слой арматуры.";

// The 1st-limit-state pressure envelope, then punching by the pedestal and punching by the column
// through the socket bottom, each when its geometry calls for it; a failure is reported in red.
PunchingResult CheckPunching(const ProjectRecord& inputs, const DepthResult& depth,
                             const BaseSizeResult& base, const PedestalResult& pedestal,
                             const StepsResult& steps, CalculationReport& report, bool debug);

}  // namespace fundis
