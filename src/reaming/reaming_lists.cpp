// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reaming/reaming_data.h"

#include <iterator>
#include <string_view>

namespace zerbo::reaming {

namespace {

constexpr std::string_view kHssTools[] = {
    "Maschinen-Reibahlen zyl.Schaft",       "Maschinen-Reibahlen MK-Schaft",
    "Werkzeugmacher-Reibahlen zyl.Schaft",  "Maschinen-Schälreibahlen zyl. Schaft",
    "Maschinen-Schälreibahlen MK-Schaft",   "Aufsteck-Reibahlen"};
constexpr std::string_view kHmTools[] = {"HM-Maschinen-Reibahlen zyl. Schaft",
                                         "HM-Maschinen-Reibahlen MK-Schaft",
                                         "Hochleistungs-Reibahlen"};

constexpr std::string_view kHssCoated[] = {"HSS/E unbeschichtet", "HSS/E TiN-beschichtet"};
constexpr std::string_view kHssUncoated[] = {"HSS/E unbeschichtet"};
constexpr std::string_view kCarbide[] = {"Hartmetall"};
constexpr std::string_view kCarbideOrCermet[] = {"Hartmetall", "Cermet"};

// The material items begin with a blank.
constexpr std::string_view kHssMaterials[] = {
    " Stahl bis 500 N/mm2",      " Stahl 500-700 N/mm2",    " Stahl 700-900 N/mm2",
    " Stahl 900-1100 N/mm2",     " Stahlguß 400-500 N/mm2", " Stahlguß 500-700 N/mm2",
    " Grauguß bis 200 HB ",      " Grauguß über 200 HB",    " Temperguß bis 450 N/mm2",
    " Temperguß 450-600 N/mm2",  " Kupfer",                 " Messing zäh",
    " Messing spröde",           " Leichtmetalle",          " Silumin",
    " Kunststoffe hart",         " Kunststoffe weich"};
constexpr std::string_view kHmMaterials[] = {
    " Stahl bis 700 N/mm2",     " Stahl 700-1000 N/mm2",       " Stahl 1000-1400 N/mm2",
    " Stahlguß 400-500 N/mm2",  " Stahlguß 500-700 N/mm2",     " Grauguß bis 200 HB ",
    " Grauguß über 200 HB",     " Temperguß",                  " Kupfer",
    " Messing, Rotguß",         " Gußbronze",                  " Alu-Legierungen über 80 HB",
    " Kunststoffe"};

// Nominal diameters in mm, per tool type.
// clang-format off
// 96 diameters
constexpr std::string_view kHss0[] = {
    "1.5", "1.6", "1.7", "1.8", "1.9", "2", "2.1", "2.2", "2.3", "2.4", "2.5", "2.6", "2.7",
    "2.8", "2.9", "3", "3.1", "3.2", "3.3", "3.4", "3.5", "3.6", "3.7", "3.8", "3.9", "4",
    "4.1", "4.2", "4.3", "4.4", "4.5", "4.6", "4.7", "4.8", "4.9", "5", "5.1", "5.2", "5.3",
    "5.4", "5.5", "5.6", "5.7", "5.8", "5.9", "6", "6.1", "6.2", "6.3", "6.4", "6.5", "6.6",
    "6.7", "6.8", "6.9", "7", "7.1", "7.2", "7.3", "7.4", "7.5", "7.6", "7.7", "7.8", "7.9",
    "8", "8.1", "8.2", "8.3", "8.4", "8.5", "8.6", "8.7", "8.8", "8.9", "9", "9.1", "9.2",
    "9.3", "9.4", "9.5", "9.6", "9.7", "9.8", "9.9", "10", "11", "12", "13", "14", "15", "16",
    "17", "18", "19", "20",
};
// 35 diameters
constexpr std::string_view kHss1[] = {
    "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15", "16", "17", "18", "19", "20",
    "22", "24", "25", "26", "28", "30", "32", "34", "35", "36", "38", "40", "42", "44", "45",
    "46", "47", "48", "50",
};
// 60 diameters
constexpr std::string_view kHss2[] = {
    "1", "1.01", "1.02", "1.5", "1.51", "1.52", "1.97", "1.98", "1.99", "2", "2.01", "2.02",
    "2.48", "2.49", "2.5", "2.51", "2.52", "2.97", "2.98", "2.99", "3", "3.01", "3.02", "3.97",
    "3.98", "3.99", "4", "4.01", "4.02", "4.97", "4.98", "4.99", "5", "5.01", "5.02", "5.97",
    "5.98", "5.99", "6", "6.01", "6.02", "7.97", "7.98", "7.99", "8", "8.01", "8.02", "9",
    "9.01", "9.02", "9.97", "9.98", "9.99", "10", "10.01", "10.02", "11.97", "11.98", "11.99",
    "12",
};
// 14 diameters
constexpr std::string_view kHss3[] = {
    "2", "2.5", "3", "3.5", "4", "4.5", "5", "6", "7", "8", "9", "10", "11", "12",
};
// 23 diameters
constexpr std::string_view kHss4[] = {
    "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15", "16", "17", "18", "19", "20",
    "22", "24", "25", "26", "28", "30", "32",
};
// 21 diameters
constexpr std::string_view kHss5[] = {
    "25", "26", "27", "28", "29", "30", "31", "32", "34", "35", "36", "37", "38", "40", "42",
    "44", "45", "46", "47", "48", "50",
};
// 11 diameters
constexpr std::string_view kHm0[] = {
    "1.5", "2", "3", "4", "5", "6", "7", "8", "9", "10", "12",
};
// 18 diameters
constexpr std::string_view kHm1[] = {
    "10", "11", "12", "13", "14", "15", "16", "17", "18", "19", "20", "22", "24", "25", "26",
    "28", "30", "32",
};
// 16 diameters
constexpr std::string_view kHm2[] = {
    "6.5", "7", "7.5", "8", "8.5", "9", "9.5", "10", "10.5", "11", "11.5", "12", "13", "14",
    "15", "16",
};
// clang-format on

constexpr Texts kHssDiameters[] = {kHss0, kHss1, kHss2, kHss3, kHss4, kHss5};
constexpr Texts kHmDiameters[] = {kHm0, kHm1, kHm2};

template <class T, size_t N> Texts At(const T (&lists)[N], int i) {
    return i >= 0 && i < static_cast<int>(N) ? lists[i] : Texts{};
}

} // namespace

Texts ToolTypes(Group group) { return group == Group::Hss ? Texts(kHssTools) : Texts(kHmTools); }

Texts CuttingMaterials(Group group, int type) {
    if (group == Group::Hss) {
        const Texts lists[] = {kHssCoated, kHssCoated, kHssUncoated,
                               kHssUncoated, kHssUncoated, kHssUncoated};
        return At(lists, type);
    }
    const Texts lists[] = {kCarbide, kCarbide, kCarbideOrCermet};
    return At(lists, type);
}

Texts Diameters(Group group, int type) {
    return group == Group::Hss ? At(kHssDiameters, type) : At(kHmDiameters, type);
}

Texts Materials(Group group) {
    return group == Group::Hss ? Texts(kHssMaterials) : Texts(kHmMaterials);
}

int AllowanceIncrease(Group group, int type) {
    return group == Group::Hss && (type == kHssPeelingCylindrical || type == kHssPeelingTaper)
               ? 50
               : 0;
}

} // namespace zerbo::reaming
