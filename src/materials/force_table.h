// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The specific cutting force of named steel and cast-iron grades: base force
// kc1.1 in N/mm² and chip-thickness exponent mc, read by row number. Row 0
// stands for no grade.

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace zerbo {

struct MaterialForceRow {
    std::string_view grade;
    std::int32_t baseForce; // kc1.1, N/mm²
    double exponent;        // mc
};

inline constexpr std::array<MaterialForceRow, 15> MaterialForceTable = {{
    // row  grade                   kc1.1  mc
    /*  0 */ {"", 0, 0},
    /*  1 */ {"S235JR (St37-2)", 1550, 0.3},
    /*  2 */ {"E295 (St50-2)", 1750, 0.27},
    /*  3 */ {"E335 (St60-2)", 1940, 0.17},
    /*  4 */ {"C15", 1590, 0.28},
    /*  5 */ {"C35", 1570, 0.29},
    /*  6 */ {"2C45 (Ck45)", 1765, 0.25},
    /*  7 */ {"GG-15", 935, 0.21},
    /*  8 */ {"GG-25", 1140, 0.26},
    /*  9 */ {"2C60 (Ck60)", 1835, 0.22},
    /* 10 */ {"15 CrMo 5", 1755, 0.23},
    /* 11 */ {"16 MnCr 5", 1680, 0.27},
    /* 12 */ {"34 CrNiMo 6", 1725, 0.2},
    /* 13 */ {"30 CrMo V 9", 1605, 0.25},
    /* 14 */ {"X 5 NiCrTi 26 15", 1975, 0.27},
}};

// kc1.1 of a row; 0 for row 0 and for any number outside the table.
std::int32_t MaterialBaseForce(int row);
// mc of a row; 0 for row 0 and for any number outside the table.
double MaterialExponent(int row);

// The list entry that stands for "no grade" in the precise-material dialog.
inline constexpr std::string_view kNoGradeText = "Keine Werte vorh.";

// The rows the precise-material dialog offers for a material group under a
// dialog mode (1 = seven-group scheme, 2 = eleven-group scheme; any other
// mode counts as 2). A group without grades gives the single row 0
// ("Keine Werte vorh."); group 0 and numbers above 11 give no rows.
std::vector<int> GradeRows(int mode, int group);

// The list text of a row: its grade, or "Keine Werte vorh." for row 0 and
// any number outside the table.
std::string_view GradeText(int row);

} // namespace zerbo
