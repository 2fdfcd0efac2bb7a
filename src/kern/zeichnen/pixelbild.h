// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

// An opaque colour as 0xffRRGGBB: the layout of the desktop's 32-bit images,
// so that they can show the buffer as it is.
using Farbe = std::uint32_t;

constexpr Farbe farbeAus(int rot, int gruen, int blau)
{
    return 0xff000000u | (static_cast<Farbe>(rot & 0xff) << 16) | (static_cast<Farbe>(gruen & 0xff) << 8)
        | static_cast<Farbe>(blau & 0xff);
}

// How a pixel is held in a picture's memory, so that each edition shows the
// buffer as it is: on the desktop the 32-bit image's word 0xffRRGGBB (the
// colour itself); in the browser the canvas's bytes R, G, B, A, which in
// WebAssembly's little-endian memory are the word 0xffBBGGRR. It turns a
// held pixel back into its colour as well.
constexpr Farbe imSpeicher(Farbe farbe)
{
#ifdef __EMSCRIPTEN__
    return 0xff000000u | (farbe & 0x0000ff00u) | ((farbe >> 16) & 0xffu) | ((farbe & 0xffu) << 16);
#else
    return farbe;
#endif
}

// A rectangle of whole pixels, both corners included; empty when x1 < x0
// or y1 < y0.
struct Pixelrechteck
{
    int x0 = 0, y0 = 0, x1 = -1, y1 = -1;

    bool leer() const { return x1 < x0 || y1 < y0; }
    // The smallest rectangle that holds both.
    Pixelrechteck vereint(const Pixelrechteck& anderes) const;
    Pixelrechteck geschnitten(const Pixelrechteck& anderes) const;
    bool operator==(const Pixelrechteck&) const = default;
};

// A picture of breite x hoehe opaque pixels, row by row from the top left.
// Every write outside the picture is dropped, so a rasteriser can write
// without checking.
class Pixelbild
{
public:
    Pixelbild() = default;
    Pixelbild(int breite, int hoehe, Farbe grund = farbeAus(255, 255, 255));

    int breite() const { return m_breite; }
    int hoehe() const { return m_hoehe; }
    bool istLeer() const { return m_pixel.empty(); }
    Pixelrechteck rechteck() const { return {0, 0, m_breite - 1, m_hoehe - 1}; }

    Farbe pixel(int x, int y) const { return imSpeicher(m_pixel[index(x, y)]); }
    void setzen(int x, int y, Farbe farbe)
    {
        if (x >= 0 && y >= 0 && x < m_breite && y < m_hoehe)
            m_pixel[index(x, y)] = imSpeicher(farbe);
    }
    // Fills the part of the rectangle that lies in the picture and returns it.
    Pixelrechteck fuellen(Pixelrechteck bereich, Farbe farbe);
    void alles(Farbe farbe);
    // Draws `quelle` scaled over the whole picture, nearest neighbour: each
    // pixel takes the source pixel under its centre, so every pixel keeps one
    // of the source's colours.
    void skaliertUebernehmen(const Pixelbild& quelle);

    // The pixels as held in memory (see imSpeicher), row by row.
    const Farbe* daten() const { return m_pixel.data(); }
    Farbe* daten() { return m_pixel.data(); }

private:
    std::size_t index(int x, int y) const
    {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(m_breite) + static_cast<std::size_t>(x);
    }

    int m_breite = 0;
    int m_hoehe = 0;
    std::vector<Farbe> m_pixel;
};
