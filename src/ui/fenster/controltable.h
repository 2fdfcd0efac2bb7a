// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "steuerelemente.h"

#include <span>

// The fixed controls of the window, as designed: one row per control, in the
// order they are created (a later sibling lies above an earlier one).
// Positions and sizes are in twips (1/1440 inch, 15 twips per logical pixel).

enum class ControlKind {
    Panel,          // grey container
    Surface,        // drawing surface
    Button,         // button with a caption
    PictureButton,  // button with a picture face
    TextBox,
    BorderlessTextBox,
    Label,
    VScrollBar,     // larger end at the top
    HScrollBar,
    Line,           // decoration line from (left, top) to (left + width, top + height)
    Picture,        // picture without behaviour
    Explanation,    // the explanation picture, drawn in code
};

enum class FontFace { Sans, Serif, Symbol };

struct ControlSpec
{
    const char* name;
    Bindung binden; // to the member of Steuerelemente of the same name
    ControlKind kind;
    const char* parent; // "" for the window's client area
    int left, top, width, height;
    const char* text = "";  // caption or text, UTF-8
    int backColour = -1;    // 0xRRGGBB, -1 for the kind's default
    int textColour = -1;    // 0xRRGGBB, -1 for black
    FontFace face = FontFace::Sans;
    double points = 8.25;
    bool visibleAtStart = true;
    bool readOnly = false;
    const char* toolTip = "";
    int minimum = 0, maximum = 0, value = 0, step = 1; // scroll bars
    const char* picture = ""; // resource path of a picture face
    // The picture's own size in pixels at zoom 1; 0 x 0: it fills the control.
    int pictureWidth = 0, pictureHeight = 0;
    const char* accessibleName = ""; // German name for screen readers, "" for the caption
    int tabIndex = -1; // place in the Tab order, -1 for none
};

std::span<const ControlSpec> controlTable();

// The window's client area below the menu bar, in twips.
constexpr int clientWidthTwips = 13740;
constexpr int clientHeightTwips = 9432;
