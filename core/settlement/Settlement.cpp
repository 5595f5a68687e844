// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settlement/Settlement.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace fundis {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kBeta = 0.8;
constexpr double kDeepestBoundary = 100.0;  // m below the base
constexpr double kWeakModulus = 5.0;        // MPa

// The sublayers from the base down, one at a time: each layer's part below the base in equal
// sublayers of at most 0.4·b, the last layer in sublayers of 0.4·b without end.
class SublayerWalk {
  public:
    SublayerWalk(const std::vector<SoilLayer>& layers, double b, double d)
        : layers_(layers), d_(d), step_(0.4 * b) {
        enterLayer();
    }

    int layer() const { return layer_; }
    double z1() const { return start_ + index_ * thickness_; }
    double z2() const { return start_ + (index_ + 1) * thickness_; }

    void next() {
        if (index_ + 1 < count_) {
            ++index_;
            return;
        }
        top_ += layers_[static_cast<std::size_t>(layer_)].h;
        ++layer_;
        enterLayer();
    }

  private:
    void enterLayer() {
        const int lastLayer = static_cast<int>(layers_.size()) - 1;
        // layers wholly above the base give no sublayers
        while (layer_ < lastLayer && top_ + layers_[static_cast<std::size_t>(layer_)].h <= d_) {
            top_ += layers_[static_cast<std::size_t>(layer_)].h;
            ++layer_;
        }
        start_ = std::max(top_, d_) - d_;
        index_ = 0;
        if (layer_ == lastLayer) {
            thickness_ = step_;
            count_ = std::numeric_limits<double>::infinity();
            return;
        }
        const double t = top_ + layers_[static_cast<std::size_t>(layer_)].h - d_ - start_;
        // a part of exactly n·0.4·b stays n sublayers though the division may come out a hair above n
        count_ = std::max(1.0, std::ceil(t / step_ - 1e-9));
        thickness_ = t / count_;
    }

    const std::vector<SoilLayer>& layers_;
    double d_, step_;
    int layer_ = 0;
    double top_ = 0;  // of layer_, below the relief
    double start_ = 0, thickness_ = 0;
    double count_ = 0, index_ = 0;  // counted in double: a thick layer may hold more than an int
};

struct Boundary {
    bool found = false;
    double Hc = 0;
    int layer = 0;
};

class LayerSummation {
  public:
    LayerSummation(double b, double d, double eta, double p0, const SettlementData& data)
        : b_(b), d_(d), eta_(eta), p0_(p0), data_(data) {}

    double sigmaZp(double z) const { return alphaRectangle(2 * z / b_, eta_) * p0_; }
    double sigmaZg(double z) const { return naturalStress(data_.layers, d_ + z); }

    Boundary boundary(double k) const {
        auto f = [&](double z) { return sigmaZp(z) - k * sigmaZg(z); };
        for (SublayerWalk walk(data_.layers, b_, d_); walk.z1() < kDeepestBoundary; walk.next()) {
            const double f1 = f(walk.z1());
            if (f1 <= 0) {
                return {true, walk.z1(), walk.layer()};
            }
            const double f2 = f(walk.z2());
            if (f2 <= 0) {
                // rounding must not carry Hc past the sublayer's bottom
                const double Hc = std::min(walk.z2(), walk.z1() + (walk.z2() - walk.z1()) * f1 / (f1 - f2));
                return {Hc <= kDeepestBoundary, Hc, walk.layer()};
            }
        }
        return {};
    }

    std::vector<Sublayer> sublayers(double Hc) const {
        std::vector<Sublayer> list;
        for (SublayerWalk walk(data_.layers, b_, d_); walk.z1() < Hc; walk.next()) {
            Sublayer sub;
            sub.z1 = walk.z1();
            sub.z2 = std::min(walk.z2(), Hc);
            sub.zeta = 2 * sub.z2 / b_;
            sub.alpha = alphaRectangle(sub.zeta, eta_);
            sub.sigmaZp = sub.alpha * p0_;
            sub.sigmaZg = sigmaZg(sub.z2);
            sub.E = data_.layers[static_cast<std::size_t>(walk.layer())].E;
            sub.s = kBeta * (sigmaZp(sub.z1) + sub.sigmaZp) / 2 * (sub.z2 - sub.z1) / (sub.E * 1000);
            list.push_back(sub);
        }
        return list;
    }

  private:
    double b_, d_, eta_, p0_;
    const SettlementData& data_;
};

}  // namespace

double alphaRectangle(double zeta, double eta) {
    if (zeta == 0) {
        return 1.0;
    }
    const double r = std::sqrt(1 + eta * eta + zeta * zeta);
    return 2 / kPi *
           (std::atan(eta / (zeta * r)) +
            eta * zeta / r * (1 / (1 + zeta * zeta) + 1 / (eta * eta + zeta * zeta)));
}

double naturalStress(const std::vector<SoilLayer>& layers, double t) {
    double stress = 0;
    double top = 0;
    for (std::size_t i = 0; i < layers.size() && top < t; ++i) {
        const bool last = i + 1 == layers.size();
        const double bottom = last ? t : std::min(t, top + layers[i].h);
        stress += layers[i].gamma * (bottom - top);
        top += layers[i].h;
    }
    return stress;
}

SettlementResult computeSettlement(double b, double l, double d, double pEnv, const SettlementData& data) {
    SettlementResult result;
    result.su = data.su;
    if (!(b > 0) || !(l > 0)) {
        result.status = Status::failure("Сначала выполните расчет фундамента.");
        return result;
    }
    if (data.layers.empty()) {
        result.status =
            Status::failure("Слои грунта не заданы. Добавьте хотя бы один слой и рассчитайте снова.");
        return result;
    }
    result.p = pEnv;
    result.sigmaZg0 = naturalStress(data.layers, d);
    result.p0 = result.p - result.sigmaZg0;
    result.eta = l / b;
    if (!(result.p0 > 0)) {
        result.noAdditionalPressure = true;
        return result;
    }
    const LayerSummation method(b, d, result.eta, result.p0, data);
    Boundary boundary = method.boundary(0.2);
    const auto weak = [&](int layer) {
        return layer < static_cast<int>(data.layers.size()) &&
               data.layers[static_cast<std::size_t>(layer)].E < kWeakModulus;
    };
    // a weak soil at the boundary or right beneath it keeps settling under smaller pressures
    if (boundary.found && (weak(boundary.layer) || weak(boundary.layer + 1))) {
        result.k = 0.1;
        boundary = method.boundary(0.1);
    }
    if (!boundary.found) {
        result.status =
            Status::failure("Нижняя граница сжимаемой толщи не найдена до глубины 100 м ниже подошвы.");
        return result;
    }
    result.Hc = boundary.Hc;
    result.sublayers = method.sublayers(boundary.Hc);
    for (const Sublayer& sub : result.sublayers) {
        result.s += sub.s;
    }
    result.exceeds = result.s > result.su;
    return result;
}

}  // namespace fundis
