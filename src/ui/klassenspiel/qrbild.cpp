// SPDX-License-Identifier: GPL-3.0-or-later
#include "qrbild.h"

#include <qrencode.h>

#include <memory>

QImage qrBild(const QString& text)
{
    // Level M: a projected code read from the back of the room survives some blur.
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
        QRcode_encodeString(text.toUtf8().constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1), &QRcode_free);
    if (!code)
        return {};
    constexpr int rand = 4;
    const int breite = code->width;
    QImage bild(breite + 2 * rand, breite + 2 * rand, QImage::Format_Mono);
    bild.fill(1);
    bild.setColor(0, qRgb(0, 0, 0));
    bild.setColor(1, qRgb(255, 255, 255));
    // Each module is one byte; its lowest bit says black.
    for (int y = 0; y < breite; ++y)
        for (int x = 0; x < breite; ++x)
            if (code->data[y * breite + x] & 1)
                bild.setPixel(x + rand, y + rand, 0);
    return bild;
}
