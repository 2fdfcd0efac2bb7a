// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The projector zoom's steps, from the design size up to three times it.
namespace zoomstufen {

constexpr double kleinste = 1.0;
constexpr double groesste = 3.0;
// The smallest zoom the window takes to fit a screen smaller than its design.
constexpr double kleinsteAnpassung = 0.75;

// The next larger step, or `zoom` itself at the largest.
double groesser(double zoom);
// The next smaller step, or `zoom` itself at the smallest.
double kleiner(double zoom);

} // namespace zoomstufen
