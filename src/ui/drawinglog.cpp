#include "drawinglog.h"

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

DrawingLog::DrawingLog()
    : m_index(16, IndexHash{this}, IndexEqual{this})
{
}

void DrawingLog::append(const DrawingOp& op)
{
    m_ops.push_back(op);
    m_alive.push_back(true);
    const std::size_t newIndex = m_ops.size() - 1;
    const auto earlier = m_index.find(newIndex);
    if (earlier != m_index.end()) {
        m_alive[*earlier] = false;
        ++m_dropped;
        m_index.erase(earlier);
    }
    m_index.insert(newIndex);
    if (m_dropped > 4096 && m_dropped > m_ops.size() / 2)
        compact();
}

void DrawingLog::clear()
{
    m_index.clear();
    m_ops.clear();
    m_alive.clear();
    m_ops.shrink_to_fit();
    m_alive.shrink_to_fit();
    m_dropped = 0;
}

void DrawingLog::compact()
{
    std::vector<DrawingOp> live;
    live.reserve(size());
    forEach([&live](const DrawingOp& op) { live.push_back(op); });
    m_index.clear();
    m_ops = std::move(live);
    m_alive.assign(m_ops.size(), true);
    m_dropped = 0;
    for (std::size_t i = 0; i < m_ops.size(); ++i)
        m_index.insert(i);
}
