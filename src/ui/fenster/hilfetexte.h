// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "steuerelemente.h"

#include <vector>

// A control's fixed help text, shown whenever the pointer moves over it.
struct FesterHilfetext
{
    QWidget* steuerelement;
    const char* text; // UTF-8
};
std::vector<FesterHilfetext> festeHilfetexte(const Steuerelemente& ui);
