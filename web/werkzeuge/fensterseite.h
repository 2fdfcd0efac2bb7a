// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controltable.h"

#include <span>
#include <string>

// The main window as the page's own markup, written at build time from the
// control table: each control an element at its design rectangle inside
// its parent, with its name as id, its German name for screen readers and
// its place in the Tab order. It comes hidden: the page's script shows it
// once its frame is set up, so that the browser lays it out once. The places, fonts and colours go into the
// style sheet (the page's security policy allows no style attributes).
// A picture's source is its resource path (":/pictures/name.svg"), which
// the packer replaces by the picture's data.
struct Fensterseite
{
    std::string html;
    std::string stil;
};

// `clientBreite` × `clientHoehe`: the client area in CSS pixels at zoom 1.
Fensterseite fensterseite(std::span<const ControlSpec> tabelle, double clientBreite, double clientHoehe);
