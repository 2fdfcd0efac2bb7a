// SPDX-License-Identifier: GPL-3.0-or-later
#include "zeichenprotokoll.h"

Zeichenprotokoll::Zeichenprotokoll()
    : m_index(16, IndexHash{this}, IndexEqual{this})
{
}

void Zeichenprotokoll::anhaengen(const Zeichenop& op)
{
    m_ops.push_back(op);
    m_alive.push_back(true);
    m_aufwand += static_cast<std::size_t>(op.aufwand());
    const std::size_t newIndex = m_ops.size() - 1;
    const auto earlier = m_index.find(newIndex);
    if (earlier != m_index.end()) {
        m_alive[*earlier] = false;
        ++m_dropped;
        m_aufwand -= static_cast<std::size_t>(m_ops[*earlier].aufwand());
        m_index.erase(earlier);
    }
    m_index.insert(newIndex);
    if (m_dropped > 4096 && m_dropped > m_ops.size() / 2)
        verdichten();
}

void Zeichenprotokoll::leeren()
{
    m_index.clear();
    m_ops.clear();
    m_alive.clear();
    m_ops.shrink_to_fit();
    m_alive.shrink_to_fit();
    m_dropped = 0;
    m_aufwand = 0;
}

void Zeichenprotokoll::verdichten()
{
    std::vector<Zeichenop> live;
    live.reserve(anzahl());
    fuerJede([&live](const Zeichenop& op) { live.push_back(op); });
    m_index.clear();
    m_ops = std::move(live);
    m_alive.assign(m_ops.size(), true);
    m_dropped = 0;
    for (std::size_t i = 0; i < m_ops.size(); ++i)
        m_index.insert(i);
}
