// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineF>
#include <QRectF>

#include <optional>

// The part of the line a-b that lies inside `clip`, or nothing. Works for any
// finite coordinates; infinite ones are taken as +-1e300 so that a line
// towards infinity keeps its direction. A line with a NaN coordinate has no
// visible part.
std::optional<QLineF> clipLine(QLineF line, const QRectF& clip);
