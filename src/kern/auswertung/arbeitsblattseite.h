// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "laufauswertung.h"

#include <string>
#include <utility>
#include <vector>

// The worksheet as the page prints it through the browser: the same
// content and measures as the desktop's painted sheet, as HTML that the
// page's print style sheet lays out. The HTML has no style attributes (the
// page's security policy lets only its own style sheet style it); the
// measures come as CSS custom properties for the script to set.
struct Arbeitsblattseite
{
    std::string html;
    // Custom properties without their "--", each with its CSS value ("15mm").
    std::vector<std::pair<std::string, std::string>> masse;
    // The table's rows of cycles, of which the page keeps as many as fit.
    int zyklen = 0;
};

// The worksheet of the run `stand`, dated `datum` ("9. Dezember 2026").
Arbeitsblattseite arbeitsblattseite(const LaufAuswertung& stand, const std::string& datum);

// The paper: A4 upright with the worksheet's margins, as an @page rule.
std::string arbeitsblattPapier();
