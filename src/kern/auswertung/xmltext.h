// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// Text and numbers as SVG and HTML take them.

// `text` safe between tags and inside an attribute's double quotes.
std::string xmlMaskiert(std::string_view text);

// A number with a decimal point and at most two decimals, written from
// whole hundredths, so that no locale can put a comma in. Two decimals are
// finer than a device pixel at any zoom; the values written are far within
// the range of the integer.
std::string xmlZahl(double wert);
