// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

// The QR code of `text` (the address the pupils open), one pixel per
// module with the quiet zone of four modules around it, black on white:
// the window scales it up by whole pixels, so it stays sharp on a
// projector. A null image when the text does not fit a QR code.
QImage qrBild(const QString& text);
