// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/project/SettlementJson.h"

#include "core/project/Json.h"

namespace fundis {

std::string settlementJson(const SettlementResult& result, const std::vector<ReportLine>& report) {
    JsonObject object;
    if (!result.status) {
        object.add("error", jsonString(result.status.message()));
        object.add("report", reportJson(report));
        return object.close();
    }
    object.add("p", result.p);
    object.add("sigma_zg0", result.sigmaZg0);
    object.add("p0", result.p0);
    object.add("eta", result.eta);
    object.add("k", result.k);
    object.add("Hc", result.Hc);
    object.add("s", result.s);
    object.add("su", result.su);
    object.add("exceeds", result.exceeds);
    std::vector<std::string> sublayers;
    for (const Sublayer& sub : result.sublayers) {
        JsonObject item;
        item.add("z1", sub.z1);
        item.add("z2", sub.z2);
        item.add("zeta", sub.zeta);
        item.add("alpha", sub.alpha);
        item.add("sigma_zp", sub.sigmaZp);
        item.add("sigma_zg", sub.sigmaZg);
        item.add("E", sub.E);
        item.add("s", sub.s);
        sublayers.push_back(item.close());
    }
    object.add("sublayers", jsonList(sublayers));
    object.add("report", reportJson(report));
    return object.close();
}

}  // namespace fundis
