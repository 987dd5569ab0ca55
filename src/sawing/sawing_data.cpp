// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sawing/sawing_data.h"

namespace zerbo {

namespace {

template <class Row, size_t N, class Get>
std::vector<std::string> Column(const std::array<Row, N>& rows, Get get) {
    std::vector<std::string> items;
    items.reserve(N);
    for (const Row& r : rows)
        items.emplace_back(get(r));
    return items;
}

} // namespace

std::vector<std::string> SawCoolantLines(int material) {
    std::vector<std::string> lines;
    if (material < 0 || material >= static_cast<int>(kSawMaterials.size())) return lines;
    for (std::string_view line : kSawMaterials[static_cast<size_t>(material)].coolant)
        if (!line.empty()) lines.emplace_back(line);
    return lines;
}

std::vector<std::string> SawBladeDiameterItems() {
    return Column(kSawBlades, [](const SawBlade& b) { return b.diameter; });
}

std::vector<std::string> SawMaterialItems() {
    return Column(kSawMaterials, [](const SawMaterial& m) { return m.item; });
}

std::vector<std::string> SawDepthClassItems() {
    return Column(kSawDepthClasses, [](const SawDepthClass& d) { return d.item; });
}

} // namespace zerbo
