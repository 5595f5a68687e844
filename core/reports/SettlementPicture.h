// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The picture of the layer-summation method beside the sublayer table: the foundation at depth d,
// the depth axis with the layer boundaries, σzg left of the axis, σzp right of it with k·σzg
// dashed over it, and the lower boundary Hc of the compressible zone where they meet.

#include "core/reports/Canvas.h"
#include "core/settlement/Settlement.h"

namespace fundis {

// Scaled to fit the area left..left+width, top..top+height and never drawn outside it; the font
// size is the caller's. The pen and the font are restored afterwards, the brush is left clear.
void DrawSettlementPicture(Canvas& canvas, int left, int top, int width, int height, double d,
                           const SettlementData& data, const SettlementResult& result, char decimalSeparator);

}  // namespace fundis
