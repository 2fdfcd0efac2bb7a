// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawingop.h"

#include <functional>

namespace {

std::size_t combine(std::size_t seed, std::size_t value)
{
    return seed ^ (value + 0x9e3779b97f4a7c15ULL + (seed << 6) + (seed >> 2));
}

std::size_t hashOfDouble(double value)
{
    // 0.0 and -0.0 compare equal, so they must hash alike.
    return std::hash<double>{}(value == 0.0 ? 0.0 : value);
}

} // namespace

std::size_t hashOf(const DrawingOp& op)
{
    std::size_t seed = static_cast<std::size_t>(op.kind);
    seed = combine(seed, op.penWidth);
    seed = combine(seed, op.colour);
    seed = combine(seed, hashOfDouble(op.x1));
    seed = combine(seed, hashOfDouble(op.y1));
    seed = combine(seed, hashOfDouble(op.x2));
    return combine(seed, hashOfDouble(op.y2));
}
