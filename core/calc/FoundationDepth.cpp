// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calc/FoundationDepth.h"

#include <cmath>

namespace fundis {

float depthFromHeight(float Hf, const ProjectRecord& inputs) {
    return static_cast<float>(static_cast<double>(Hf) + inputs.groundLevel - inputs.pedestalTop);
}

DepthResult computeFoundationDepth(const ProjectRecord& inputs) {
    DepthResult depth;
    depth.Mt = inputs.Mt;
    depth.d0 = inputs.d0;
    depth.kh = inputs.kh;
    depth.given = inputs.d != 0.0f;  // then the frost depth is not computed (dfn = df = 0)
    float d = inputs.d;
    if (!depth.given) {
        // Mt is a sum of absolute values; a sum typed with its minus sign means the same frost
        depth.dfn = static_cast<float>(inputs.d0 * std::sqrt(std::fabs(static_cast<double>(inputs.Mt))));
        depth.df = static_cast<float>(static_cast<double>(inputs.kh) * depth.dfn);
        d = depth.df;
    }
    depth.dStart = d;
    // the socket and its bottom must fit under the pedestal top
    depth.dSocket = static_cast<float>(static_cast<double>(inputs.socketDepth) + inputs.socketBottom -
                                       inputs.pedestalTop + inputs.groundLevel);
    depth.socketGoverns = depth.dSocket > d;
    if (depth.socketGoverns) {
        d = depth.dSocket;
    }
    depth.HfExact = static_cast<float>(static_cast<double>(d) - inputs.groundLevel + inputs.pedestalTop);
    // a height already on the module (within 0.1 mm) stays, any other goes up to the next one
    const double modules = std::trunc((static_cast<double>(depth.HfExact) - 0.0001) / inputs.d_h) + 1.0;
    depth.Hf = static_cast<float>(modules * inputs.d_h);
    depth.d = depthFromHeight(depth.Hf, inputs);
    return depth;
}

}  // namespace fundis
