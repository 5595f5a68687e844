#pragma once

#include "core/model/ProjectRecord.h"

namespace fundis {

// Frost depth, laying depth d and foundation height Hf, rounded up to the height module.
// An entered d (non-zero) is kept and dfn, df are left as they are; d_h must be positive.
void computeFoundationDepth(ProjectRecord& data);

// d follows Hf: d = Hf + groundLevel - pedestalTop.
void setDepthFromHeight(ProjectRecord& data);

}  // namespace fundis
