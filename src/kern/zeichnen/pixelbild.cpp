// SPDX-License-Identifier: GPL-3.0-or-later
#include "pixelbild.h"

#include <algorithm>

Pixelrechteck Pixelrechteck::vereint(const Pixelrechteck& anderes) const
{
    if (leer())
        return anderes;
    if (anderes.leer())
        return *this;
    return {std::min(x0, anderes.x0), std::min(y0, anderes.y0), std::max(x1, anderes.x1),
            std::max(y1, anderes.y1)};
}

Pixelrechteck Pixelrechteck::geschnitten(const Pixelrechteck& anderes) const
{
    return {std::max(x0, anderes.x0), std::max(y0, anderes.y0), std::min(x1, anderes.x1),
            std::min(y1, anderes.y1)};
}

Pixelbild::Pixelbild(int breite, int hoehe, Farbe grund)
    : m_breite(std::max(0, breite))
    , m_hoehe(std::max(0, hoehe))
    , m_pixel(static_cast<std::size_t>(m_breite) * static_cast<std::size_t>(m_hoehe), imSpeicher(grund))
{
}

Pixelrechteck Pixelbild::fuellen(Pixelrechteck bereich, Farbe farbe)
{
    bereich = bereich.geschnitten(rechteck());
    if (bereich.leer())
        return {};
    for (int y = bereich.y0; y <= bereich.y1; ++y)
        std::fill_n(m_pixel.begin() + static_cast<std::ptrdiff_t>(index(bereich.x0, y)),
                    bereich.x1 - bereich.x0 + 1, imSpeicher(farbe));
    return bereich;
}

void Pixelbild::alles(Farbe farbe)
{
    std::fill(m_pixel.begin(), m_pixel.end(), imSpeicher(farbe));
}

void Pixelbild::skaliertUebernehmen(const Pixelbild& quelle)
{
    if (quelle.istLeer() || istLeer())
        return;
    // In 64-bit integers: the centre of pixel x, (x + 1/2) * w / W, floored.
    for (int y = 0; y < m_hoehe; ++y) {
        const int qy = static_cast<int>((2LL * y + 1) * quelle.m_hoehe / (2LL * m_hoehe));
        for (int x = 0; x < m_breite; ++x) {
            const int qx = static_cast<int>((2LL * x + 1) * quelle.m_breite / (2LL * m_breite));
            m_pixel[index(x, y)] = quelle.m_pixel[quelle.index(qx, qy)];
        }
    }
}
