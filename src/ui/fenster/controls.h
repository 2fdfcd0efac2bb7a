// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controltable.h"

#include <QWidget>

#include <utility>
#include <vector>

// Creates the window's controls from the control table, binds each to its
// typed member of Steuerelemente, and lays them out at a zoom factor.
class QLabel;

class Controls
{
public:
    // Creates every control of the table below `client`, at zoom 1.
    explicit Controls(QWidget* client);

    const Steuerelemente& steuerelemente() const { return m_steuerelemente; }
    Steuerelemente& steuerelemente() { return m_steuerelemente; }

    // Places and sizes every control for a zoom factor; fonts scale with it.
    void applyZoom(double zoom);

private:
    void setTabOrder();
    QWidget* create(const ControlSpec& spec, QWidget* parent);
    void applyLook(const ControlSpec& spec, QWidget* widget, double zoom);
    // A label whose text is wider than its box below zoom 1 reaches further left.
    static void keepTextInView(QLabel& label);

    QObject* m_mouseSink;
    // Every control with its row of the table, in the table's order.
    std::vector<std::pair<const ControlSpec*, QWidget*>> m_controls;
    Steuerelemente m_steuerelemente;
};

// A rectangle of twips as logical pixels: edges are rounded, so neighbouring
// controls stay flush. A line becomes a band one pixel thick.
QRect pixelRect(const ControlSpec& spec, double zoom);
