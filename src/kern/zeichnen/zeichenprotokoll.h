// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "zeichenop.h"

#include <cstddef>
#include <unordered_set>
#include <vector>

// The operations drawn on a surface since it was last cleared, in order, so
// that the picture can be rasterised again at another scale.
//
// Drawing is opaque and aliased, so painting an operation a second time
// repaints exactly the pixels it painted before: its earlier copy can no
// longer be seen and is dropped. Repeating a drawing (the same curve clicked
// again) therefore never makes the log grow.
class Zeichenprotokoll
{
public:
    Zeichenprotokoll();
    // The index refers back to this object, so a log is never copied or moved.
    Zeichenprotokoll(const Zeichenprotokoll&) = delete;
    Zeichenprotokoll& operator=(const Zeichenprotokoll&) = delete;

    void anhaengen(const Zeichenop& op);
    void leeren();

    // Number of operations that still count.
    std::size_t anzahl() const { return m_ops.size() - m_dropped; }
    // The work of drawing them all again (Zeichenop::aufwand).
    std::size_t aufwand() const { return m_aufwand; }

    template <typename Visit>
    void fuerJede(Visit visit) const
    {
        for (std::size_t i = 0; i < m_ops.size(); ++i)
            if (m_alive[i])
                visit(m_ops[i]);
    }

private:
    void verdichten();

    struct IndexHash
    {
        const Zeichenprotokoll* log;
        std::size_t operator()(std::size_t i) const { return hashVon(log->m_ops[i]); }
    };
    struct IndexEqual
    {
        const Zeichenprotokoll* log;
        bool operator()(std::size_t a, std::size_t b) const { return log->m_ops[a] == log->m_ops[b]; }
    };

    std::vector<Zeichenop> m_ops;
    std::vector<bool> m_alive;
    std::size_t m_dropped = 0;
    std::size_t m_aufwand = 0;
    // Indices of the live operations, hashed by the operation they point to.
    std::unordered_set<std::size_t, IndexHash, IndexEqual> m_index;
};
