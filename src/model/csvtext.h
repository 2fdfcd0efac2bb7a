// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// A table as the text of a CSV file that a German spreadsheet opens
// correctly by a double-click: UTF-8 with a byte-order mark (without it the
// umlauts come out garbled), the semicolon as separator (the comma is the
// decimal separator there), one line per row, each ended by CR LF. A field
// holding a semicolon, a quotation mark or a line break is put in quotation
// marks, its own quotation marks doubled. The fields are UTF-8 texts, the
// numbers already written with a decimal comma; the first row is the header.
std::string csvText(const std::vector<std::vector<std::string>>& zeilen);
