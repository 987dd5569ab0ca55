// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "materials/force_table.h"

namespace zerbo {

namespace {

bool InTable(int row) {
    return row >= 1 && row < static_cast<int>(MaterialForceTable.size());
}

// First and last row offered per group; {0, 0} = no grades.
struct RowRange {
    int first;
    int last;
};

// clang-format off
constexpr RowRange kGradeRanges[2][12] = {
    //  group 0   1        2         3          4          5       6          7       8       9       10      11
    /* mode 1 */ {{0, 0}, {1, 8}, {9, 11}, {12, 13}, {14, 14}, {0, 0}, {0, 0},   {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}},
    /* mode 2 */ {{0, 0}, {1, 6}, {9, 11}, {12, 13}, {0, 0},   {0, 0}, {14, 14}, {7, 8}, {0, 0}, {0, 0}, {0, 0}, {0, 0}},
};
// clang-format on

} // namespace

std::int32_t MaterialBaseForce(int row) {
    return InTable(row) ? MaterialForceTable[static_cast<size_t>(row)].baseForce : 0;
}

double MaterialExponent(int row) {
    return InTable(row) ? MaterialForceTable[static_cast<size_t>(row)].exponent : 0;
}

std::vector<int> GradeRows(int mode, int group) {
    if (group < 1 || group > 11) return {};
    const RowRange range = kGradeRanges[mode == 1 ? 0 : 1][group];
    if (range.first == 0) return {0};
    std::vector<int> rows;
    for (int row = range.first; row <= range.last; ++row)
        rows.push_back(row);
    return rows;
}

std::string_view GradeText(int row) {
    return InTable(row) ? MaterialForceTable[static_cast<size_t>(row)].grade : kNoGradeText;
}

} // namespace zerbo
