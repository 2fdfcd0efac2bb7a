// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form1.h"

// What tests and benchmarks reach inside the window: its controls, to work
// them as a pupil does and to read what they show.
class Form1Probe
{
public:
    static const Steuerelemente& steuerelemente(const Form1& form) { return form.m_ui; }
    // Ctrl+T without a key event: benchmarks open the evaluation directly.
    static void auswertungUmschalten(Form1& form) { form.auswertungUmschalten(); }
};
