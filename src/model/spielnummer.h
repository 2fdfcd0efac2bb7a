// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

// Numbered games, so that every pupil of a class can play a game of their
// own and anyone can replay it. Game 0 is the program's fixed game, started
// from StandardZufallsquelle::startwert as ever. Game k (1 to 99) starts its
// random source from
//
//     spielStartwert(k) = mix32(klassenspielStartwert + k),
//
// where mix32 is the bijective mix of 32 bits that the many games use for
// theirs (zufallsmischung.h), on inputs about 450,000 apart from theirs: the
// 99 numbered games, the fixed game and the many games never share a seed.
inline constexpr int hoechsteSpielnummer = 99;
inline constexpr std::uint32_t klassenspielStartwert = 0x4b6c6173u;

// The seed of game `nummer`, or nothing when there is no game of that number.
std::optional<std::uint32_t> spielStartwert(int nummer);
