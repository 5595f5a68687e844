// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calc/StageResults.h"
#include "core/model/ProjectRecord.h"

namespace fundis {

// Frost depth, laying depth d and foundation height Hf, rounded up to the height module, from the
// record's inputs. An entered d (non-zero) is kept and the frost depth is not computed; d_h must
// be positive.
DepthResult computeFoundationDepth(const ProjectRecord& inputs);

// The depth a foundation height gives: d = Hf + groundLevel - pedestalTop.
float depthFromHeight(float Hf, const ProjectRecord& inputs);

}  // namespace fundis
