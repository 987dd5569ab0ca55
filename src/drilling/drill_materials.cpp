// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The material lists of the drilling page with the data of each material:
// force-table row, coolant lines, drill type and point angle or carbide
// grade.

#include "drilling/drill_data.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zerbo {

namespace {

// The coolant lines shown for the steel rows of the boring-out tools.
constexpr std::string_view kGeneralCoolant =
    "Flußstahl:\nBohrölemulsion\nSchneidöl\n---------------------\nWerkzeugstahl:\n"
    "Bohrölemulsion\nRübölersatz\n---------------------\nLegierter Stahl:\nBohrölemulsion\n"
    "Rübölersatz\nBenzol\n---------------------\nHitzebeständiger und\nnichtrostender Stahl:\n"
    "Bohröl\nTerpentinöl";

// clang-format off
// "VHM/HM-Spiralbohrer" (VHM/WP, tool 0; 23 items)
constexpr DrillMaterial kCarbideTwistMaterials[] = {
    /*  0 */ {" Baust.,Vergütungs-,Einsatz-,Autom-,Nietrirst. bis 1400 N/mm2", 3, "Bohrölemulsion\nSchneidöl", "P40", ""},
    /*  1 */ {" Werkzeugstähle 850-1000 N/mm2 ", 5, "Bohrölemulsion\nSchneidöl", "P40", ""},
    /*  2 */ {" Werkzeugstähle 1000-1400 N/mm2 ", 0, "Bohrölemulsion", "P40", ""},
    /*  3 */ {" Werkzeugstähle 1400-1800 N/mm2 ", 0, "Bohrölemulsion", "K10", ""},
    /*  4 */ {" Werkzeugstähle 1800-2000 N/mm2 ", 0, "Bohrölemulsion", "K10", ""},
    /*  5 */ {" Sonderstähle (hitzebest.,nichtrostend, chem. best. ", 0, "Bohrölemulsion", "K10", ""},
    /*  6 */ {" Gußeisen bis 250 HB", 7, "Trocken", "K10", ""},
    /*  7 */ {" Legiertes Gußeisen 250-350 HB", 8, "Trocken", "K10", ""},
    /*  8 */ {" Legiertes Gußeisen 360-450 HB", 0, "Trocken", "K10", ""},
    /*  9 */ {" Hartguß 480-650 HB", 0, "Trocken", "K10", ""},
    /* 10 */ {" Sphäro-Guß, Temperguß bis 270 HB", 0, "Trocken", "K10", ""},
    /* 11 */ {" Stahlguß bis 500 N/mm2", 0, "Bohrölemulsion", "P40", ""},
    /* 12 */ {" Stahlguß bis 500-700 N/mm2", 0, "Bohrölemulsion", "P40", ""},
    /* 13 */ {" Kupfer ", 0, "Trocken", "K10", ""},
    /* 14 */ {" Messing,Bronze,Zink,Rotguß ", 0, "Trocken", "K10", ""},
    /* 15 */ {" Hochwarmfeste Cr-Ni und Cr-Ni-Co - Stähle", 0, "Schneidöl", "K10", ""},
    /* 16 */ {" Alu-Leg. (Si < 12%), Magn.Leg", 0, "Bohrölemulsion\nPetroleum", "K10", ""},
    /* 17 */ {" Alu-Leg. (Si > 12%)", 0, "Bohrölemulsion\nPetroleum", "K10", ""},
    /* 18 */ {" Titan, Titanlegierungen", 0, "Bohrölemulsion\nSchneidöl", "K10", ""},
    /* 19 */ {" Hartpapier", 0, "Trocken", "K10", ""},
    /* 20 */ {" Thermoplaste", 0, "Trocken", "K10", ""},
    /* 21 */ {" Duroplaste", 0, "Trocken", "K10", ""},
    /* 22 */ {" Glasfaserverstärkte Epoxydharze", 0, "Trocken", "K10", ""},
};

// DIN 6537 drills with "TiAIN-beschichtet" (VHM/WP, tools 1 and 2, coating 0; 8 items)
constexpr DrillMaterial kDin6537TiAlNMaterials[] = {
    /*  0 */ {" Unlegierte Stähle bis 700 N/mm2", 3, "Bohrölemulsion\nSchneidöl", "", ""},
    /*  1 */ {" Stahlguß über 700 N/mm2", 5, "Bohrölemulsion\nSchneidöl", "", ""},
    /*  2 */ {" Legierte Stähle bis 900 N/mm2", 0, "Bohrölemulsion", "", ""},
    /*  3 */ {" Legierte Stähle bis und über 1000 N/mm2", 0, "Bohrölemulsion", "", ""},
    /*  4 */ {" Gußeisen bis 200 HB", 0, "Bohrölemulsion", "", ""},
    /*  5 */ {" Temperguß bis 250 HB", 0, "Bohrölemulsion", "", ""},
    /*  6 */ {" Temperguß über 250 HB", 7, "Trocken", "", ""},
    /*  7 */ {" Hartguß bis 350-450 HB", 8, "Trocken", "", ""},
};

// DIN 6537 drills with "TiN-beschichtet" (VHM/WP, tools 1 and 2, coating 1; 1 item)
constexpr DrillMaterial kDin6537TiNMaterials[] = {
    /*  0 */ {" Rost- und Säurebest. Stähle", 1, "Bohrölemulsion", "", ""},
};

// "VHM-Spiralbohrer 3 Schneiden" (VHM/WP, tool 3; 10 items)
constexpr DrillMaterial kThreeFluteMaterials[] = {
    /*  0 */ {" Unlegierte Stähle über 700 N/mm2", 5, "Bohrölemulsion", "", ""},
    /*  1 */ {" Legierte Stähle über 1000 N/mm2", 12, "Bohrölemulsion\nSchneidöl", "", ""},
    /*  2 */ {" Federbandstähle über 1200-1500 N/mm2", 0, "Bohrölemulsion", "", ""},
    /*  3 */ {" Vergütete Stähle 40-45 HRc", 0, "Bohrölemulsion\nSchneidöl", "", ""},
    /*  4 */ {" Mangan-Hartstähle", 0, "Bohrölemulsion", "", ""},
    /*  5 */ {" Hartguß bis 350 HB", 0, "Bohrölemulsion", "", ""},
    /*  6 */ {" Hartguß 350-450 HB", 7, "Bohrölemulsion", "", ""},
    /*  7 */ {" Hartguß über 450 HB", 8, "Bohrölemulsion", "", ""},
    /*  8 */ {" Bronze hart", 0, "Bohrölemulsion", "", ""},
    /*  9 */ {" Messing kurzspanend", 0, "Trocken\nBohrölemulsion", "", ""},
};

// "Wendeplatten-Vollbohrer" (VHM/WP, tool 4; 18 items; the memo stays empty)
constexpr DrillMaterial kInsertDrillMaterials[] = {
    /*  0 */ {" Baustähle bis 500 N/mm2", 1, "", "", ""},
    /*  1 */ {" Automatenstähle bis 550 N/mm2", 1, "", "", ""},
    /*  2 */ {" Bau- und Vergütung-,Cr-,CrMo-stähle 500-700N/mm2", 3, "", "", ""},
    /*  3 */ {" Bau-,Einsatz- und Vergütungsstähle 500-700 N/mm2", 3, "", "", ""},
    /*  4 */ {" Werkzeug- und Vergütungsstähle 850-1000 N/mm2", 0, "", "", ""},
    /*  5 */ {" Werkzeug- und Vergütungsstähle 1000-1400 N/mm2", 0, "", "", ""},
    /*  6 */ {" Nichtrostende und hitzebeständige Stähle", 0, "", "", ""},
    /*  7 */ {" Gehärtete Stähle über 50 HRC", 0, "", "", ""},
    /*  8 */ {" Stahlguß bis 700 N/mm2", 0, "", "", ""},
    /*  9 */ {" Grauguß 180-250 HB", 7, "", "", ""},
    /* 10 */ {" Grauguß über 250 HB", 8, "", "", ""},
    /* 11 */ {" Aluminium-Legierungen bis 80 HB", 0, "", "", ""},
    /* 12 */ {" Aluminium-Legierungen bis 80-120 HB", 0, "", "", ""},
    /* 13 */ {" Aluminium-Legierungen über 120 HB", 0, "", "", ""},
    /* 14 */ {" Messing, Rotguß", 0, "", "", ""},
    /* 15 */ {" Magnesium-Legierungen", 0, "", "", ""},
    /* 16 */ {" Exote", 14, "", "", ""},
    /* 17 */ {" Kunststoffe fest", 0, "", "", ""},
};

// "Aufbohrer" and "Aufsteck-Aufbohrer" (VHM/WP, tools 5 and 6; 13 items)
constexpr DrillMaterial kCarbideBoringMaterials[] = {
    /*  0 */ {" Stahl bis 700 N/mm2", 3, kGeneralCoolant, "", ""},
    /*  1 */ {" Stahl 700-1000 N/mm2", 0, kGeneralCoolant, "", ""},
    /*  2 */ {" Stahl 1000-1200 N/mm2", 0, kGeneralCoolant, "", ""},
    /*  3 */ {" Stahlguß 400-500 N/mm2", 0, "Bohrölemulsion", "", ""},
    /*  4 */ {" Stahlguß 500-700 N/mm2", 0, "Bohrölemulsion", "", ""},
    /*  5 */ {" Grauguß bis 200 HB ", 7, "Trocken\nBohrölemulsion", "", ""},
    /*  6 */ {" Grauguß über 200 HB", 8, "Trocken\nBohrölemulsion", "", ""},
    /*  7 */ {" Temperguß", 0, "Trocken\nBohrölemulsion", "", ""},
    /*  8 */ {" Kupfer", 0, "Bohrölemulsion", "", ""},
    /*  9 */ {" Messing, Rotguß ", 0, "Trocken\nBohrölemulsion", "", ""},
    /* 10 */ {" Gußbronze", 0, "Trocken\nBohrölemulsion", "", ""},
    /* 11 */ {" Aluminium-Legierungen", 0, "Bohrölemulsion\nRübölersatz", "", ""},
    /* 12 */ {" Kunststoffe", 0, "Trocken\nPreßluft\nKein Wasser", "", ""},
};

// "Spiralbohrer" (HSS, tool 0; 40 items)
constexpr DrillMaterial kHssTwistMaterials[] = {
    /*  0 */ {" Autom.Stahl bis 500 N/mm2", 1, "Bohrölemulsion", "N", "118°"},
    /*  1 */ {" Unl.Baustahl bis 500 N/mm2", 2, "Bohrölemulsion", "N", "118°"},
    /*  2 */ {" Unl.Baustahl 500-700 N/mm2", 3, "Bohrölemulsion", "N", "118°"},
    /*  3 */ {" Unl.Baustahl 700-900 N/mm2", 0, "Bohrölemulsion", "N", "118°"},
    /*  4 */ {" Unl.Stahlguß bis 700 N/mm2", 8, "Bohrölemulsion", "N", "118°"},
    /*  5 */ {" Leg.Stahlguß", 0, "Bohrölemulsion\n(Öl)", "N", "118°"},
    /*  6 */ {" Leg.Stahl 700-900 N/mm2", 10, "Bohrölemulsion", "N", "118°"},
    /*  7 */ {" Leg.Cr-Ni-Stahl 1000-1100 N/mm2", 0, "Bohrölemulsion\n(Öl)", "Kobalt", "130°"},
    /*  8 */ {" Leg.Cr-Ni-Mo-Stahl 1100-1400 N/mm2", 12, "Bohrölemulsion\n(Öl)", "Kobalt", "130°"},
    /*  9 */ {" Rost- und säurebest. Stahl", 0, "Bohrölemulsion\n(Öl)", "Kobalt", "130°"},
    /* 10 */ {" Hitzebeständiger Stahl", 14, "Bohrölemulsion\n(Öl)", "Kobalt", "130°"},
    /* 11 */ {" Mangan-Hartstahl über 10% Mn", 0, "Trocken\nErwärmen 200°-300°", "Spezial", "130°"},
    /* 12 */ {" Federstahl", 0, "Bohrölemulsion\n(Öl)", "Spezial", "130°"},
    /* 13 */ {" Nimonic, Hastelloy, Inconel-Leg.", 0, "Öl", "Kobalt", "130°"},
    /* 14 */ {" Titan- und Titanlegierungen", 0, "Öl", "Kobalt", "130°"},
    /* 15 */ {" Ferro-Tic", 0, "Trocken\nPreßluft", "Spezial", "130°"},
    /* 16 */ {" Grauguß bis 200 HB ", 7, "Trocken\nPreßluft", "N", "118°"},
    /* 17 */ {" Grauguß bis 350HB (Hartguß)", 8, "Trocken\nPreßluft", "Kobalt", "130°"},
    /* 18 */ {" Nickel Monel-Metall", 0, "Öl\nBohrölemulsion", "Kobalt", "130°"},
    /* 19 */ {" Messing spröde, MS58", 0, "Trocken\nÖl\nBohrölemulsion", "H", "130°"},
    /* 20 */ {" Messing zäh, MS60, MS63", 0, "Bohrölemulsion\nÖl", "H", "130°"},
    /* 21 */ {" Rotguß, Bronze (weich)", 0, "Bohrölemulsion\nÖl", "N", "118°"},
    /* 22 */ {" Alu-Bronze (halbhart, hart)", 0, "Bohrölemulsion\nÖl", "N", "118°"},
    /* 23 */ {" Neusilber ", 0, "Bohrölemulsion\nÖl", "N", "118°"},
    /* 24 */ {" Hüttenkupfer", 0, "Bohrölemulsion\nÖl", "W", "130°"},
    /* 25 */ {" Elektrolitkupfer", 0, "Bohrölemulsion\nÖl", "N", "118°"},
    /* 26 */ {" Aluminium", 0, "Bohrölemulsion", "W", "130°"},
    /* 27 */ {" Alu-Leg. langspanend", 0, "Bohrölemulsion", "W", "130°"},
    /* 28 */ {" Alu-Leg. kurzspanend", 0, "Bohrölemulsion", "N", "118°"},
    /* 29 */ {" Alu-Si-Leg. Silumin", 0, "Bohrölemulsion", "W", "130°"},
    /* 30 */ {" Magnesium Leg. Elektron", 0, "Trocken\nKein Wasser", "H", "130°"},
    /* 31 */ {" Zink, Zink-Leg.", 0, "Bohrölemulsion", "", ""},
    /* 32 */ {" Kunststoffe hart (Duroplaste)", 0, "Trocken\nPreßluft", "Spezial", "80°"},
    /* 33 */ {" Kunststoffe weich (Thermoplaste)", 0, "Wasser\nPreßluft", "W", "130°"},
    /* 34 */ {" Plexiglas", 0, "Wasser", "Spezial", "80°"},
    /* 35 */ {" Schichtpreßstoffe, Papier, Gewebe, Holz", 0, "Trocken\nPreßluft", "W", "130°"},
    /* 36 */ {" Hartgummi", 0, "Trocken\nPreßluft", "Spezial", "80°"},
    /* 37 */ {" Graphit, Schiefer", 0, "Trocken\nPreßluft", "Spezial", "80°"},
    /* 38 */ {" HARDOX 400", 0, "Bohrölemulsion", "Spezial", "130°"},
    /* 39 */ {" HARDOX 500", 0, "Bohrölemulsion", "Spezial", "130°"},
};

// "Aufbohrer" and "Aufsteck-Aufbohrer" (HSS, tools 1 and 2; 17 items)
constexpr DrillMaterial kHssBoringMaterials[] = {
    /*  0 */ {" Stahl bis 500 N/mm2", 1, kGeneralCoolant, "", ""},
    /*  1 */ {" Stahl 500-700 N/mm2", 2, kGeneralCoolant, "", ""},
    /*  2 */ {" Stahl 700-900 N/mm2", 3, kGeneralCoolant, "", ""},
    /*  3 */ {" Stahl 900-1100 N/mm2", 0, kGeneralCoolant, "", ""},
    /*  4 */ {" Stahlguß 400-500 N/mm2", 0, "Bohrölemulsion", "", ""},
    /*  5 */ {" Stahlguß 500-700 N/mm2", 0, "Bohrölemulsion", "", ""},
    /*  6 */ {" Grauguß bis 200 HB ", 7, "Trocken\nBohrölemulsion", "", ""},
    /*  7 */ {" Grauguß über 200 HB", 8, "Trocken\nBohrölemulsion", "", ""},
    /*  8 */ {" Temperguß bis 450 N/mm2", 0, "Trocken\nBohrölemulsion", "", ""},
    /*  9 */ {" Temperguß 450-600 N/mm2", 0, "Trocken\nBohrölemulsion", "", ""},
    /* 10 */ {" Kupfer", 0, "Bohrölemulsion", "", ""},
    /* 11 */ {" Messing zäh", 0, "Trocken\nBohrölemulsion", "", ""},
    /* 12 */ {" Messing spröde", 0, "Trocken\nBohrölemulsion", "", ""},
    /* 13 */ {" Leichtmetalle", 0, "Alu zäh:\nBohrölemulsion\n---------------------\nAlu ausgehärtet:\nBohrölemulsion\nPetroleum\nRübölersatz", "", ""},
    /* 14 */ {" Silumin", 0, "Bohrölemulsion\nPetroleum\nRüböl", "", ""},
    /* 15 */ {" Kunststoffe hart", 0, "Trocken\nPreßluft\nKein Wasser", "", ""},
    /* 16 */ {" Kunststoffe weich", 0, "Trocken\nPreßluft\nKein Wasser", "", ""},
};

// clang-format on

} // namespace

std::span<const DrillMaterial> DrillMaterials(DrillGroup group, int tool, int coating) {
    if (group == DrillGroup::Hss) {
        switch (tool) {
        case kHssTwistDrill:
            return kHssTwistMaterials;
        case kHssBoringTool:
        case kHssShellBoringTool:
            return kHssBoringMaterials;
        default:
            return {};
        }
    }
    switch (tool) {
    case kCarbideTwistDrill:
        return kCarbideTwistMaterials;
    case kDin6537Short:
    case kDin6537Long:
        if (coating == 0) return kDin6537TiAlNMaterials;
        if (coating == 1) return kDin6537TiNMaterials;
        return {};
    case kThreeFluteDrill:
        return kThreeFluteMaterials;
    case kInsertDrill:
        return kInsertDrillMaterials;
    case kCarbideBoringTool:
    case kCarbideShellBoringTool:
        return kCarbideBoringMaterials;
    default:
        return {};
    }
}

const DrillMaterial* FindDrillMaterial(const DrillKeys& keys) {
    const auto list = DrillMaterials(keys.group, keys.tool, keys.coating);
    if (keys.material < 0 || static_cast<std::size_t>(keys.material) >= list.size()) return nullptr;
    return &list[static_cast<std::size_t>(keys.material)];
}

std::vector<std::string> CoolantLines(const DrillMaterial& material) {
    std::vector<std::string> lines;
    std::string_view rest = material.coolant;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        lines.emplace_back(rest.substr(0, end));
        if (end == std::string_view::npos) break;
        rest.remove_prefix(end + 1);
    }
    return lines;
}

} // namespace zerbo
