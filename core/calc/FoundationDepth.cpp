#include "core/calc/FoundationDepth.h"

#include <cmath>

namespace fundis {

void setDepthFromHeight(ProjectRecord& data) {
    data.d = static_cast<float>(static_cast<double>(data.Hf) + data.groundLevel - data.pedestalTop);
}

void computeFoundationDepth(ProjectRecord& data) {
    if (data.d == 0.0f) {
        // Mt is a sum of absolute values; a sum typed with its minus sign means the same frost
        data.dfn = static_cast<float>(data.d0 * std::sqrt(std::fabs(static_cast<double>(data.Mt))));
        data.df = static_cast<float>(static_cast<double>(data.kh) * data.dfn);
        data.d = data.df;
    }
    // the socket and its bottom must fit under the pedestal top
    const float dmin = static_cast<float>(static_cast<double>(data.socketDepth) + data.socketBottom -
                                          data.pedestalTop + data.groundLevel);
    if (dmin > data.d) {
        data.d = dmin;
    }
    data.Hf = static_cast<float>(static_cast<double>(data.d) - data.groundLevel + data.pedestalTop);
    // a height already on the module (within 0.1 mm) stays, any other goes up to the next one
    const double modules = std::trunc((static_cast<double>(data.Hf) - 0.0001) / data.d_h) + 1.0;
    data.Hf = static_cast<float>(modules * data.d_h);
    setDepthFromHeight(data);
}

}  // namespace fundis
