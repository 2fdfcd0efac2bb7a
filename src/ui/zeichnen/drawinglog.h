// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drawingop.h"

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
class DrawingLog
{
public:
    DrawingLog();
    // The index refers back to this object, so a log is never copied or moved.
    DrawingLog(const DrawingLog&) = delete;
    DrawingLog& operator=(const DrawingLog&) = delete;

    void append(const DrawingOp& op);
    void clear();

    // Number of operations that still count.
    std::size_t size() const { return m_ops.size() - m_dropped; }
    // The work of drawing them all again (DrawingOp::work).
    std::size_t work() const { return m_work; }

    template <typename Visit>
    void forEach(Visit visit) const
    {
        for (std::size_t i = 0; i < m_ops.size(); ++i)
            if (m_alive[i])
                visit(m_ops[i]);
    }

private:
    void compact();

    struct IndexHash
    {
        const DrawingLog* log;
        std::size_t operator()(std::size_t i) const { return hashOf(log->m_ops[i]); }
    };
    struct IndexEqual
    {
        const DrawingLog* log;
        bool operator()(std::size_t a, std::size_t b) const { return log->m_ops[a] == log->m_ops[b]; }
    };

    std::vector<DrawingOp> m_ops;
    std::vector<bool> m_alive;
    std::size_t m_dropped = 0;
    std::size_t m_work = 0;
    // Indices of the live operations, hashed by the operation they point to.
    std::unordered_set<std::size_t, IndexHash, IndexEqual> m_index;
};
