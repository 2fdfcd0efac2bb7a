// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QString>

// An icon drawn from an SVG resource at whatever size and device pixel
// ratio it is asked for, so button faces stay sharp on any screen and zoom.
// Drawn by our own engine: Qt's icon plugins need not be searched and
// loaded at start-up for it.
QIcon svgIcon(const QString& resource);
