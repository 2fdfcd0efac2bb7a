// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "diagrammdaten.h"

#include <string>

// The plot of the whole run as an SVG picture of `breite` × `hoehe` CSS
// pixels: a grid with labelled axes, the series in their order (the later
// in front) clipped to the plot area, and below it the legend, centred, in
// as many rows as it needs. Being vector graphics it stays sharp at every
// zoom, and the same text serves as the plot's file. `kennung` names the
// plot area's clip path: two plots in one page need two names.
std::string diagrammSvg(const Diagrammdaten& daten, double breite, double hoehe,
                        const std::string& kennung = "flaeche");
