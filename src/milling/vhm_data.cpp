// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "milling/carbide_data.h"

#include "milling/milling_page.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zerbo {

namespace {

// clang-format off
constexpr ToolTypeRow kToolTypes[kVhmToolTypeCount] = {
    // text, max. depth of cut, teeth, diameters, four teeth in group 11
    {"LL-Schlichtfr. Typ N (Fräsbreite 100%)", 125, {"2", "3"}, {"4", "6", "8", "10", "12", "16", "20"}, true},
    {"Schaftfräser   Typ N (Fräsbreite 50%)", 125, {"2", "3"}, {"4", "6", "8", "10", "12", "16", "20"}, true},
    {"Schruppfr. Typ HR,WR (Fräsbreite 100%)", 125, {"2", "3"}, {"6", "8", "10", "12", "16", "20"}, false},
    {"Schruppfr. Typ HR,WR (Fräsbreite 50%)", 125, {"2", "3"}, {"6", "8", "10", "12", "16", "20"}, false},
    {"HSC-Fräser für Stahl (Fräsbreite 100%)", 75, {"1", "2", "3"}, {"6", "8", "10", "12", "16", "20"}, false},
    {"HSC-Fräser für Alu (Fräsbr. 0.2-1.0 mm !)", 75, {"1", "2", "3"}, {"6", "8", "10", "12", "16", "20"}, false},
};

enum Coating { Uncoated, Coated, Cermet, CoatingCount };

constexpr std::string_view kCoatingNames[CoatingCount] = {
    "HM unbeschichtet", "HM TiCN/TiAIN-beschichtet", "Cermet",
};

// The five coating lists 'A'..'E'.
constexpr Coating kListA[] = {Uncoated, Coated, Cermet};
constexpr Coating kListB[] = {Uncoated, Coated};
constexpr Coating kListC[] = {Coated};
constexpr Coating kListD[] = {Uncoated};
constexpr Coating kListE[] = {Coated, Cermet};

// Vc range by group, tool-type pair and coating.
struct RangeRow {
    SpeedRange types01[3]; // HM unbeschichtet, HM TiCN/TiAIN, Cermet
    SpeedRange types23[2]; // HM unbeschichtet, HM TiCN/TiAIN
    SpeedRange types45[3]; // HM unbeschichtet, HM TiCN/TiAIN, Cermet
};
constexpr RangeRow kSpeedRange[kVhmGroupCount] = {
    {{{60, 100}, {100, 300}, {100, 300}}, {kNoRange, {80, 200}}, {kNoRange, {600, 1200}, {600, 1000}}}, // group 1
    {{{40, 70}, {50, 140}, {60, 120}}, {kNoRange, {50, 140}}, {kNoRange, {600, 1000}, {600, 800}}}, // group 2
    {{{30, 60}, {40, 120}, kNoRange}, {kNoRange, {40, 120}}, {kNoRange, {600, 800}, {400, 600}}}, // group 3
    {{{40, 60}, {60, 120}, {60, 100}}, {kNoRange, {60, 120}}, {kNoRange, {200, 300}, kNoRange}}, // group 4
    {{{20, 50}, {40, 100}, kNoRange}, {kNoRange, {40, 100}}, {kNoRange, {200, 250}, kNoRange}}, // group 5
    {{{15, 40}, {20, 60}, kNoRange}, {kNoRange, {20, 60}}, {kNoRange, {100, 180}, kNoRange}}, // group 6
    {{{70, 100}, {100, 150}, {80, 130}}, {kNoRange, {100, 150}}, {kNoRange, {500, 600}, {400, 500}}}, // group 7
    {{{70, 100}, {100, 150}, {80, 130}}, {kNoRange, {100, 150}}, {kNoRange, {500, 600}, {400, 500}}}, // group 8
    {{{150, 250}, {200, 400}, kNoRange}, {{150, 250}, {200, 400}}, {kNoRange, {700, 1500}, kNoRange}}, // group 9
    {{{150, 250}, {200, 400}, kNoRange}, {{150, 250}, {200, 400}}, {kNoRange, {700, 1500}, kNoRange}}, // group 10
    {{{10, 40}, {20, 90}, kNoRange}, {{0, 0}, {0, 0}}, {{100, 500}, kNoRange, kNoRange}}, // group 11
};

// Cutting data of one tool type and group: the coating list offered ('-'
// keeps the list as it is), the recommended Vc by coating and the feed per
// tooth by diameter position (the same for every coating).
struct DataRow {
    char list;
    std::string_view speed[CoatingCount]; // HM unbeschichtet, HM TiCN/TiAIN, Cermet
    std::string_view feed[7];
};

// Tool types 0..4; the aluminium HSC cutter (5) has no cutting data and
// offers the coating lists of tool type 4.
constexpr DataRow kData[5][kVhmGroupCount] = {
    // Tool type 0 "LL-Schlichtfr. Typ N (Fräsbreite 100%)": D 4, D 6, D 8, D 10, D 12, D 16, D 20
    {
        {'A', {"80", "200", "200"}, {"0.015", "0.02", "0.035", "0.04", "0.05", "0.08", "0.1"}}, // group 1
        {'B', {"55", "95", kKeep}, {"0.01", "0.015", "0.025", "0.03", "0.04", "0.06", "0.07"}}, // group 2
        {'B', {"45", "80", kKeep}, {"0.01", "0.015", "0.022", "0.028", "0.034", "0.05", "0.06"}}, // group 3
        {'B', {"50", "90", kKeep}, {"0.01", "0.015", "0.02", "0.03", "0.04", "0.05", "0.06"}}, // group 4
        {'B', {"35", "70", kKeep}, {"0.01", "0.015", "0.02", "0.03", "0.04", "0.05", "0.06"}}, // group 5
        {'B', {"27", "40", kKeep}, {"0.008", "0.014", "0.018", "0.025", "0.03", "0.04", "0.06"}}, // group 6
        {'A', {"85", "125", "105"}, {"0.012", "0.02", "0.026", "0.036", "0.042", "0.055", "0.07"}}, // group 7
        {'A', {"85", "125", "105"}, {"0.012", "0.02", "0.026", "0.036", "0.042", "0.055", "0.07"}}, // group 8
        {'B', {"200", "300", kKeep}, {"0.01", "0.02", "0.026", "0.036", "0.045", "0.065", "0.085"}}, // group 9
        {'B', {"200", "300", kKeep}, {"0.01", "0.02", "0.026", "0.036", "0.045", "0.065", "0.085"}}, // group 10
        {'B', {"25", "50", kKeep}, {kEmpty, "0.007", "0.008", "0.01", "0.014", "0.016", "0.02"}}, // group 11
    },
    // Tool type 1 "Schaftfräser   Typ N (Fräsbreite 50%)": D 4, D 6, D 8, D 10, D 12, D 16, D 20
    {
        {'A', {"80", "200", "200"}, {"0.054", "0.063", "0.072", "0.08", "0.089", "0.107", kKeep}}, // group 1
        {'A', {"55", "95", "90"}, {"0.036", "0.045", "0.054", "0.063", "0.08", "0.1", kKeep}}, // group 2
        {'B', {"45", "80", kKeep}, {"0.03", "0.04", "0.05", "0.06", "0.07", "0.08", kKeep}}, // group 3
        {'A', {"50", "90", "80"}, {"0.036", "0.045", "0.054", "0.063", "0.085", "0.115", kKeep}}, // group 4
        {'B', {"35", "70", kKeep}, {"0.03", "0.04", "0.05", "0.06", "0.085", "0.1", kKeep}}, // group 5
        {'B', {"27", "40", kKeep}, {"0.025", "0.032", "0.045", "0.054", "0.07", "0.105", kKeep}}, // group 6
        {'A', {"85", "125", "105"}, {"0.027", "0.054", "0.072", "0.089", "0.107", "0.125", kKeep}}, // group 7
        {'A', {"85", "125", "105"}, {"0.027", "0.054", "0.072", "0.089", "0.107", "0.125", kKeep}}, // group 8
        {'B', {"200", "300", kKeep}, {"0.031", "0.047", "0.063", "0.079", "0.101", "0.126", kKeep}}, // group 9
        {'B', {"200", "300", kKeep}, {"0.031", "0.047", "0.063", "0.079", "0.101", "0.126", kKeep}}, // group 10
        {'B', {"25", "50", kKeep}, {"0.018", "0.021", "0.025", "0.029", "0.032", "0.036", kKeep}}, // group 11
    },
    // Tool type 2 "Schruppfr. Typ HR,WR (Fräsbreite 100%)": D 6, D 8, D 10, D 12, D 16, D 20
    {
        {'C', {kKeep, "140", kKeep}, {"0.03", "0.04", "0.05", "0.06", "0.08", "0.1"}}, // group 1
        {'C', {kKeep, "95", kKeep}, {"0.018", "0.03", "0.035", "0.04", "0.06", "0.08"}}, // group 2
        {'C', {kKeep, "80", kKeep}, {"0.015", "0.02", "0.025", "0.035", "0.05", "0.06"}}, // group 3
        {'C', {kKeep, "90", kKeep}, {"0.02", "0.025", "0.03", "0.035", "0.05", "0.06"}}, // group 4
        {'C', {kKeep, "70", kKeep}, {"0.015", "0.02", "0.025", "0.03", "0.045", "0.06"}}, // group 5
        {'C', {kKeep, "40", kKeep}, {"0.015", "0.02", "0.025", "0.03", "0.045", "0.055"}}, // group 6
        {'C', {kKeep, "125", kKeep}, {"0.02", "0.03", "0.04", "0.045", "0.06", "0.08"}}, // group 7
        {'C', {kKeep, "125", kKeep}, {"0.02", "0.03", "0.04", "0.045", "0.06", "0.08"}}, // group 8
        {'B', {"200", "300", kKeep}, {"0.025", "0.03", "0.04", "0.05", "0.065", "0.085"}}, // group 9
        {'B', {"200", "300", kKeep}, {"0.025", "0.03", "0.04", "0.05", "0.065", "0.085"}}, // group 10
        {'-', {kKeep, kKeep, kKeep}, {kKeep, kKeep, kKeep, kKeep, kKeep, kKeep}}, // group 11
    },
    // Tool type 3 "Schruppfr. Typ HR,WR (Fräsbreite 50%)": D 6, D 8, D 10, D 12, D 16, D 20
    {
        {'C', {kKeep, "140", kKeep}, {"0.033", "0.045", "0.06", "0.08", "0.1", "0.12"}}, // group 1
        {'C', {kKeep, "95", kKeep}, {"0.022", "0.028", "0.035", "0.045", "0.06", "0.08"}}, // group 2
        {'C', {kKeep, "80", kKeep}, {"0.02", "0.025", "0.03", "0.04", "0.055", "0.065"}}, // group 3
        {'C', {kKeep, "90", kKeep}, {"0.025", "0.03", "0.04", "0.05", "0.07", "0.09"}}, // group 4
        {'C', {kKeep, "70", kKeep}, {"0.017", "0.025", "0.032", "0.045", "0.06", "0.075"}}, // group 5
        {'C', {kKeep, "40", kKeep}, {"0.024", "0.032", "0.04", "0.05", "0.06", "0.07"}}, // group 6
        {'C', {kKeep, "125", kKeep}, {"0.03", "0.04", "0.05", "0.06", "0.08", "0.1"}}, // group 7
        {'C', {kKeep, "125", kKeep}, {"0.03", "0.04", "0.05", "0.06", "0.08", "0.1"}}, // group 8
        {'B', {"200", "300", kKeep}, {"0.03", "0.04", "0.05", "0.07", "0.09", "0.12"}}, // group 9
        {'B', {"200", "300", kKeep}, {"0.03", "0.04", "0.05", "0.07", "0.09", "0.12"}}, // group 10
        {'-', {kKeep, kKeep, kKeep}, {kKeep, kKeep, kKeep, kKeep, kKeep, kKeep}}, // group 11
    },
    // Tool type 4 "HSC-Fräser für Stahl (Fräsbreite 100%)": D 6, D 8, D 10, D 12, D 16, D 20
    {
        {'E', {kKeep, "900", "800"}, {"0.1", "0.12", "0.14", "0.16", "0.18", "0.2"}}, // group 1
        {'E', {kKeep, "800", "700"}, {"0.1", "0.12", "0.14", "0.16", "0.18", "0.2"}}, // group 2
        {'E', {kKeep, "700", "500"}, {"0.1", "0.12", "0.14", "0.16", "0.18", "0.2"}}, // group 3
        {'C', {kKeep, "300", kKeep}, {"0.1", "0.12", "0.14", "0.16", "0.18", "0.2"}}, // group 4
        {'C', {kKeep, "225", kKeep}, {"0.1", "0.12", "0.14", "0.16", "0.18", "0.2"}}, // group 5
        {'C', {kKeep, "140", kKeep}, {"0.1", "0.12", "0.14", "0.16", "0.18", "0.2"}}, // group 6
        {'E', {kKeep, "600", "450"}, {"0.1", "0.12", "0.14", "0.16", "0.18", "0.2"}}, // group 7
        {'E', {kKeep, "600", "450"}, {"0.1", "0.12", "0.14", "0.16", "0.18", "0.2"}}, // group 8
        {'C', {kKeep, "1100", kKeep}, {"0.1", "0.12", "0.14", "0.16", "0.18", "0.2"}}, // group 9
        {'C', {kKeep, "1100", kKeep}, {"0.1", "0.12", "0.14", "0.16", "0.18", "0.2"}}, // group 10
        {'D', {"300", kKeep, kKeep}, {"0.05", "0.06", "0.07", "0.08", "0.09", "0.1"}}, // group 11
    },
};
// clang-format on

bool IsGroup(int group) {
    return group >= 1 && group <= kVhmGroupCount;
}

const DataRow* Row(int toolType, int group) {
    if (!InRange(toolType, kVhmToolTypeCount) || !IsGroup(group)) return nullptr;
    return &kData[toolType == 5 ? 4 : toolType][group - 1];
}

std::span<const Coating> CoatingList(char list) {
    switch (list) {
    case 'A':
        return kListA;
    case 'B':
        return kListB;
    case 'C':
        return kListC;
    case 'D':
        return kListD;
    case 'E':
        return kListE;
    default:
        return {};
    }
}

// The coating at a position of the list the tool type and group offer. The
// roughing cutters offer no list of their own for group 11; their range
// cells there are read by position as in list B.
std::optional<Coating> CoatingAt(const DataRow& row, int position) {
    const auto list = CoatingList(row.list == '-' ? 'B' : row.list);
    if (!InRange(position, static_cast<int>(list.size()))) return std::nullopt;
    return list[static_cast<size_t>(position)];
}

} // namespace

std::span<const ToolTypeRow> VhmToolTypes() {
    return kToolTypes;
}

std::optional<std::vector<std::string>> VhmCoatingList(int toolType, int group) {
    const DataRow* row = Row(toolType, group);
    if (row == nullptr || row->list == '-') return std::nullopt;
    std::vector<std::string> items;
    for (Coating c : CoatingList(row->list))
        items.emplace_back(kCoatingNames[c]);
    return items;
}

std::optional<SpeedRange> VhmSpeedRange(int toolType, int group, int coating) {
    const DataRow* row = Row(toolType, group);
    if (row == nullptr) return std::nullopt;
    const auto name = CoatingAt(*row, coating);
    if (!name) return std::nullopt;
    const RangeRow& ranges = kSpeedRange[group - 1];
    using Cells = std::span<const SpeedRange>;
    const Cells cells = toolType <= 1   ? Cells(ranges.types01)
                        : toolType <= 3 ? Cells(ranges.types23)
                                        : Cells(ranges.types45);
    if (!InRange(*name, static_cast<int>(cells.size()))) return std::nullopt;
    const SpeedRange& r = cells[static_cast<size_t>(*name)];
    if (!HasRange(r)) return std::nullopt;
    return r;
}

std::optional<std::string_view> VhmSpeed(int toolType, int group, int coating) {
    if (toolType == 5) return std::nullopt;
    const DataRow* row = Row(toolType, group);
    if (row == nullptr) return std::nullopt;
    const auto name = CoatingAt(*row, coating);
    if (!name) return std::nullopt;
    return row->speed[*name];
}

std::optional<std::string_view> VhmFeed(int toolType, int group, int coating, int diameter) {
    if (toolType == 5) return std::nullopt;
    const DataRow* row = Row(toolType, group);
    if (row == nullptr || !CoatingAt(*row, coating) ||
        !InRange(diameter, ListSize(kToolTypes[toolType].diameters)))
        return std::nullopt;
    return row->feed[diameter];
}

void FillVhmToolTypes(MillingPage& page) {
    page.toolList.fill(ToolTypeTexts(kToolTypes));
}

void FillVhmCoatings(MillingPage& page) {
    if (auto items = VhmCoatingList(page.toolList.index(), page.shell().state.activeMaterialGroup))
        page.coatingList.fill(std::move(*items));
}

void FillVhmSizes(MillingPage& page) {
    FillToolSizes(page, kToolTypes);
}

namespace {

void WriteCell(Field& field, std::optional<std::string_view> cell) {
    if (cell && *cell != kKeep) field.setText(std::string(*cell));
}

} // namespace

void VhmCuttingData(MillingPage& page) {
    const int type = page.toolList.index();
    if (!InRange(type, kVhmToolTypeCount - 1)) return;
    SetCarbideSpeedRange(page);
    const int group = page.shell().state.activeMaterialGroup;
    if (!IsGroup(group)) return;
    if (Row(type, group)->list == '-') {
        // The roughing cutters have no data for hardened materials: no
        // recommendation rather than the previous group's.
        page.setRecommendedSpeed("");
        page.toothFeed.setText("");
        return;
    }
    const int coating = page.coatingList.index();
    if (auto speed = VhmSpeed(type, group, coating); speed && *speed != kKeep)
        page.setRecommendedSpeed(std::string(*speed));
    WriteCell(page.toothFeed, VhmFeed(type, group, coating, page.diameterList.index()));
}

void SetCarbideSpeedRange(MillingPage& page) {
    const auto& state = page.shell().state;
    const int type = page.toolList.index();
    const int group = state.activeMaterialGroup;
    const int coating = page.coatingList.index();
    std::optional<SpeedRange> range;
    if (state.millingCuttingMaterial == 2 && InRange(type, kWpToolTypeCount))
        range = WpSpeedRange(group, coating, state.speedIncreasePercent);
    if (state.millingCuttingMaterial == 3) range = VhmSpeedRange(type, group, coating);
    if (range) page.setSpeedRange(range->min, range->max);
}

} // namespace zerbo
