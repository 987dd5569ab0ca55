// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Feed and cutting-speed recommendations of the carbide and indexable-insert
// drills ("VHM/WP").

#include "drilling/drill_tables.h"

#include <iterator>
#include <string_view>

namespace zerbo::drill_tables {

namespace {

// clang-format off
// Feed per revolution, "VHM/HM-Spiralbohrer" (VHM/WP tool 0, coating "HM unbeschichtet")
constexpr DiameterRange kCarbideTwistFeedColumns[] = {{0, 3}, {3.1, 4}, {4.1, 5}, {5.1, 6}, {6.1, 7}, {7.1, 8}, {8.1, 9}, {9.1, 10}, {10.2, 11}, {11.5, 12}, {12.5, 13}, {13.5, 14}, {14.5, 15}, {15.5, 16}, {18, 18}, {20, 20}};
constexpr std::string_view kCarbideTwistFeedCells[] = {
    /*  0 */ "0.02", "0.03", "0.035", "0.04", "0.05", "0.06", "0.07", "0.08", "0.085", "0.09", "0.095", "0.1", "0.11", "0.115", "0.125", "0.14",
    /*  1 */ "0.02", "0.02", "0.03", "0.04", "0.045", "0.05", "0.055", "0.06", "0.065", "0.07", "0.075", "0.075", "0.08", "0.08", "0.085", "0.09",
    /*  2 */ "0.02", "0.02", "0.02", "0.025", "0.025", "0.03", "0.03", "0.032", "0.035", "0.037", "0.039", "0.04", "0.043", "0.046", "0.052", "0.06",
    /*  3 */ "0.01", "0.01", "0.012", "0.014", "0.018", "0.02", "0.022", "0.024", "0.026", "0.028", "0.03", "0.032", "0.034", "0.035", "0.037", "0.04",
    /*  4 */ "0.01", "0.01", "0.012", "0.014", "0.016", "0.02", "0.021", "0.022", "0.023", "0.024", "0.025", "0.026", "0.0275", "0.028", "0.029", "0.03",
    /*  5 */ "0.03", "0.03", "0.035", "0.04", "0.05", "0.06", "0.065", "0.07", "0.075", "0.08", "0.085", "0.085", "0.0855", "0.09", "0.095", "0.1",
    /*  6 */ "0.04", "0.04", "0.05", "0.06", "0.07", "0.08", "0.085", "0.09", "0.11", "0.115", "0.12", "0.125", "0.13", "0.135", "0.14", "0.16",
    /*  7 */ "0.02", "0.02", "0.025", "0.03", "0.035", "0.04", "0.045", "0.05", "0.055", "0.058", "0.06", "0.062", "0.065", "0.068", "0.073", "0.08",
    /*  8 */ "0.02", "0.02", "0.025", "0.03", "0.035", "0.04", "0.045", "0.0457", "0.05", "0.051", "0.052", "0.053", "0.054", "0.055", "0.057", "0.06",
    /*  9 */ "0.01", "0.01", "0.015", "0.02", "0.025", "0.03", "0.031", "0.032", "0.033", "0.034", "0.0345", "0.035", "0.0355", "0.036", "0.038", "0.04",
    /* 10 */ "0.03", "0.03", "0.035", "0.04", "0.045", "0.05", "0.055", "0.057", "0.05", "0.06", "0.063", "0.067", "0.071", "0.075", "0.085", "0.1",
    /* 11 */ "0.04", "0.04", "0.05", "0.06", "0.07", "0.08", "0.085", "0.09", "0.095", "0.1", "0.115", "0.12", "0.125", "0.13", "0.145", "0.16",
    /* 12 */ "0.03", "0.03", "0.035", "0.04", "0.05", "0.06", "0.07", "0.075", "0.08", "0.085", "0.09", "0.095", "0.1", "0.11", "0.13", "0.14",
    /* 13 */ "0.04", "0.04", "0.05", "0.06", "0.07", "0.08", "0.085", "0.09", "0.11", "0.12", "0.13", "0.14", "0.15", "0.16", "0.18", "0.2",
    /* 14 */ "0.06", "0.06", "0.07", "0.08", "0.09", "0.1", "0.115", "0.12", "0.125", "0.13", "0.135", "0.14", "0.15", "0.16", "0.18", "0.2",
    /* 15 */ "0.01", "0.01", "0.012", "0.014", "0.017", "0.02", "0.021", "0.022", "0.0225", "0.023", "0.0235", "0.024", "0.025", "0.026", "0.028", "0.03",
    /* 16 */ "0.06", "0.06", "0.07", "0.08", "0.09", "0.1", "0.115", "0.12", "0.125", "0.13", "0.135", "0.14", "0.15", "0.16", "0.17", "0.18",
    /* 17 */ "0.03", "0.03", "0.035", "0.04", "0.05", "0.06", "0.065", "0.067", "0.069", "0.071", "0.072", "0.073", "0.074", "0.075", "0.077", "0.08",
    /* 18 */ "0.02", "0.02", "0.023", "0.026", "0.028", "0.03", "0.031", "0.0315", "0.032", "0.0325", "0.033", "0.034", "0.035", "0.036", "0.038", "0.04",
    /* 19 */ "0.04", "0.04", "0.05", "0.06", "0.07", "0.08", "0.085", "0.09", "0.095", "0.1", "0.115", "0.12", "0.125", "0.13", "0.14", "0.16",
    /* 20 */ "0.03", "0.03", "0.035", "0.04", "0.05", "0.06", "0.07", "0.08", "0.085", "0.09", "0.1", "0.11", "0.12", "0.13", "0.15", "0.16",
    /* 21 */ "0.03", "0.03", "0.05", "0.07", "0.09", "0.12", "0.13", "0.14", "0.15", "0.16", "0.17", "0.19", "0.2", "0.21", "0.23", "0.25",
    /* 22 */ "0.2", "0.2", "0.2", "0.2", "0.2", "0.2", "0.2", "0.2", "0.2", "0.2", "0.2", "0.2", "0.2", "0.2", "0.2", "0.2",
};
static_assert(std::size(kCarbideTwistFeedCells) == 23 * std::size(kCarbideTwistFeedColumns));

// Cutting speed, "VHM/HM-Spiralbohrer" (VHM/WP tool 0, coating "HM unbeschichtet")
constexpr DiameterRange kCarbideTwistSpeedColumns[] = {{1, 8}, {8.1, 20}};
constexpr SpeedRange kCarbideTwistSpeedCells[] = {
    /*  0 */ {40, 47}, {45, 54},
    /*  1 */ {40, 50}, {45, 55},
    /*  2 */ {25, 30}, {27, 32},
    /*  3 */ {20, 22}, {22, 24},
    /*  4 */ {8, 10}, {10, 12},
    /*  5 */ {20, 25}, {23, 27},
    /*  6 */ {40, 60}, {50, 70},
    /*  7 */ {20, 40}, {25, 50},
    /*  8 */ {8, 20}, {10, 25},
    /*  9 */ {5, 8}, {6, 10},
    /* 10 */ {40, 45}, {45, 50},
    /* 11 */ {40, 48}, {46, 54},
    /* 12 */ {32, 40}, {38, 46},
    /* 13 */ {70, 80}, {80, 90},
    /* 14 */ {80, 100}, {90, 110},
    /* 15 */ {15, 20}, {20, 25},
    /* 16 */ {100, 120}, {110, 130},
    /* 17 */ {50, 60}, {55, 70},
    /* 18 */ {60, 75}, {70, 85},
    /* 19 */ {60, 100}, {80, 120},
    /* 20 */ {80, 100}, {100, 120},
    /* 21 */ {80, 100}, {90, 110},
    /* 22 */ {70, 150}, {70, 150},
};
static_assert(std::size(kCarbideTwistSpeedCells) == 23 * std::size(kCarbideTwistSpeedColumns));

// Feed per revolution, DIN 6537 drills, "TiAIN-beschichtet" (tools 1 and 2, same values)
constexpr DiameterRange kDin6537TiAlNFeedColumns[] = {{1, 2.9}, {3, 4.9}, {5, 7.9}, {8, 11.8}, {12, 15.5}, {16, 18}, {20, 20}};
constexpr std::string_view kDin6537TiAlNFeedCells[] = {
    /*  0 */ "0.05", "0.15-0.36", "0.25-0.45", "0.25-0.45", "0.3-0.55", "0.4-0.6", "0.05",
    /*  1 */ "0.05", "0.15-0.3", "0.22-0.4", "0.27-0.52", "0.3-0.57", "0.37-0.63", "0.05",
    /*  2 */ "0.05", "0.15-0.45", "0.23-0.42", "0.27-0.53", "0.3-0.57", "0.38-0.63", "0.05",
    /*  3 */ "0.05", "0.15-0.23", "0.18-0.3", "0.21-0.38", "0.24-0.45", "0.27-0.48", "0.05",
    /*  4 */ "0.05", "0.23-0.33", "0.3-0.53", "0.38-0.68", "0.45-0.75", "0.53-0.83", "0.05",
    /*  5 */ "0.05", "0.23-0.33", "0.3-0.53", "0.38-0.68", "0.45-0.75", "0.53-0.83", "0.05",
    /*  6 */ "0.05", "0.18-0.3", "0.21-0.33", "0.3-0.53", "0.38-0.6", "0.45-0.68", "0.05",
    /*  7 */ "0.05", "0.09-0.15", "0.12-0.18", "0.15-0.21", "0.18-0.24", "0.21-0.27", "0.05",
};
static_assert(std::size(kDin6537TiAlNFeedCells) == 8 * std::size(kDin6537TiAlNFeedColumns));

// Cutting speed, DIN 6537 drills, "TiAIN-beschichtet": "VHM-Spiralbohrer DIN 6537 kurz" (tool 1)
constexpr DiameterRange kDin6537ShortTiAlNSpeedColumns[] = {{1, 20}};
constexpr SpeedRange kDin6537ShortTiAlNSpeedCells[] = {
    /*  0 */ {60, 80},
    /*  1 */ {60, 80},
    /*  2 */ {55, 75},
    /*  3 */ {55, 75},
    /*  4 */ {60, 85},
    /*  5 */ {60, 85},
    /*  6 */ {60, 85},
    /*  7 */ {40, 50},
};
static_assert(std::size(kDin6537ShortTiAlNSpeedCells) == 8 * std::size(kDin6537ShortTiAlNSpeedColumns));

// Cutting speed, DIN 6537 drills, "TiAIN-beschichtet": "VHM-Spiralbohrer DIN 6537 lang" (tool 2)
constexpr DiameterRange kDin6537LongTiAlNSpeedColumns[] = {{1, 20}};
constexpr SpeedRange kDin6537LongTiAlNSpeedCells[] = {
    /*  0 */ {70, 90},
    /*  1 */ {70, 90},
    /*  2 */ {65, 85},
    /*  3 */ {65, 85},
    /*  4 */ {70, 95},
    /*  5 */ {70, 95},
    /*  6 */ {70, 95},
    /*  7 */ {50, 60},
};
static_assert(std::size(kDin6537LongTiAlNSpeedCells) == 8 * std::size(kDin6537LongTiAlNSpeedColumns));

// Feed per revolution, DIN 6537 drills, "TiN-beschichtet" (tools 1 and 2, same values)
constexpr DiameterRange kDin6537TiNFeedColumns[] = {{1, 2.9}, {3, 4.9}, {5, 7.9}, {8, 11.8}, {12, 15.5}, {16, 18}, {20, 20}};
constexpr std::string_view kDin6537TiNFeedCells[] = {
    /*  0 */ "", "0.06-0.12", "0.08-0.15", "0.1-0.2", "0.15-0.25", "0.2-0.3", "",
};
static_assert(std::size(kDin6537TiNFeedCells) == 1 * std::size(kDin6537TiNFeedColumns));

// Cutting speed, DIN 6537 drills, "TiN-beschichtet" (tools 1 and 2, same values)
constexpr DiameterRange kDin6537TiNSpeedColumns[] = {{1, 20}};
constexpr SpeedRange kDin6537TiNSpeedCells[] = {
    /*  0 */ {30, 50},
};
static_assert(std::size(kDin6537TiNSpeedCells) == 1 * std::size(kDin6537TiNSpeedColumns));

// Feed per revolution, "VHM-Spiralbohrer 3 Schneiden" (tool 3)
constexpr DiameterRange kThreeFluteFeedColumns[] = {{3, 4.5}, {5, 7.5}, {8, 10.8}, {11, 13.5}, {14, 16}};
constexpr std::string_view kThreeFluteFeedCells[] = {
    /*  0 */ "0.06-0.1", "0.08-0.15", "0.12-0.2", "0.16-0.25", "0.2-0.3",
    /*  1 */ "0.04-0.08", "0.06-0.1", "0.1-0.15", "0.12-0.16", "0.13-0.18",
    /*  2 */ "0.02-0.04", "0.03-0.07", "0.05-0.08", "0.06-0.09", "0.08-0.1",
    /*  3 */ "0.02-0.04", "0.03-0.07", "0.05-0.08", "0.06-0.09", "0.08-0.1",
    /*  4 */ "0.02-0.04", "0.03-0.07", "0.05-0.08", "0.06-0.09", "0.08-0.1",
    /*  5 */ "0.03-0.05", "0.04-0.08", "0.07-0.12", "0.1-0.13", "0.12-0.16",
    /*  6 */ "0.02-0.04", "0.03-0.07", "0.05-0.08", "0.06-0.09", "0.08-0.1",
    /*  7 */ "0.02-0.04", "0.03-0.07", "0.05-0.08", "0.06-0.09", "0.08-0.1",
    /*  8 */ "0.04-0.08", "0.06-0.12", "0.1-0.15", "0.14-0.18", "0.17-0.2",
    /*  9 */ "0.07-0.1", "0.1-0.15", "0.15-0.2", "0.2-0.25", "0.25-0.3",
};
static_assert(std::size(kThreeFluteFeedCells) == 10 * std::size(kThreeFluteFeedColumns));

// Cutting speed, "VHM-Spiralbohrer 3 Schneiden" (tool 3)
constexpr DiameterRange kThreeFluteSpeedColumns[] = {{3, 16}};
constexpr SpeedRange kThreeFluteSpeedCells[] = {
    /*  0 */ {80, 100},
    /*  1 */ {60, 100},
    /*  2 */ {50, 60},
    /*  3 */ {35, 45},
    /*  4 */ {25, 40},
    /*  5 */ {50, 70},
    /*  6 */ {40, 60},
    /*  7 */ {30, 40},
    /*  8 */ {50, 70},
    /*  9 */ {100, 120},
};
static_assert(std::size(kThreeFluteSpeedCells) == 10 * std::size(kThreeFluteSpeedColumns));

// Feed per revolution, "Wendeplatten-Vollbohrer" (tool 4; the same for all three coatings)
constexpr DiameterRange kInsertDrillFeedColumns[] = {{14, 19}, {20, 24.5}, {25, 29}, {30, 44}};
constexpr std::string_view kInsertDrillFeedCells[] = {
    /*  0 */ "0.08", "0.1", "0.12", "0.14",
    /*  1 */ "0.1", "0.12", "0.14", "0.16",
    /*  2 */ "0.08", "0.1", "0.12", "0.14",
    /*  3 */ "0.06", "0.1", "0.12", "0.14",
    /*  4 */ "0.05", "0.08", "0.1", "0.12",
    /*  5 */ "0.04", "0.06", "0.08", "0.1",
    /*  6 */ "0.07", "0.1", "0.12", "0.14",
    /*  7 */ "0.04", "0.06", "0.08", "0.1",
    /*  8 */ "0.08", "0.1", "0.12", "0.14",
    /*  9 */ "0.1", "0.12", "0.14", "0.16",
    /* 10 */ "0.08", "0.1", "0.12", "0.14",
    /* 11 */ "0.05", "0.08", "0.08", "0.1",
    /* 12 */ "0.06", "0.1", "0.12", "0.12",
    /* 13 */ "0.08", "0.1", "0.12", "0.14",
    /* 14 */ "0.1", "0.1", "0.12", "0.14",
    /* 15 */ "0.1", "0.12", "0.14", "0.16",
    /* 16 */ "0.04", "0.06", "0.08", "0.08",
    /* 17 */ "0.1", "0.12", "0.14", "0.16",
};
static_assert(std::size(kInsertDrillFeedCells) == 18 * std::size(kInsertDrillFeedColumns));

// Cutting speed, "Wendeplatten-Vollbohrer" (tool 4; the same for all three coatings)
constexpr DiameterRange kInsertDrillSpeedColumns[] = {{14, 44}};
constexpr SpeedRange kInsertDrillSpeedCells[] = {
    /*  0 */ {250, 300},
    /*  1 */ {250, 300},
    /*  2 */ {140, 200},
    /*  3 */ {180, 250},
    /*  4 */ {140, 200},
    /*  5 */ {100, 150},
    /*  6 */ {150, 180},
    /*  7 */ {20, 60},
    /*  8 */ {150, 200},
    /*  9 */ {150, 200},
    /* 10 */ {100, 150},
    /* 11 */ {350, 350},
    /* 12 */ {250, 250},
    /* 13 */ {200, 200},
    /* 14 */ {150, 250},
    /* 15 */ {200, 350},
    /* 16 */ {20, 50},
    /* 17 */ {150, 300},
};
static_assert(std::size(kInsertDrillSpeedCells) == 18 * std::size(kInsertDrillSpeedColumns));

// Feed per revolution, "Aufbohrer" VHM/WP (tool 5)
constexpr DiameterRange kCarbideBoringFeedColumns[] = {{7.8, 10}, {10.75, 15}, {15.75, 20}, {20.7, 25}, {25.7, 30}, {30.6, 40}, {41.6, 62}};
constexpr std::string_view kCarbideBoringFeedCells[] = {
    /*  0 */ "0.1", "0.12", "0.12", "0.14", "0.14", "0.16", "0.18",
    /*  1 */ "0.08", "0.09", "0.1", "0.12", "0.12", "0.14", "0.16",
    /*  2 */ "0.05", "0.05", "0.06", "0.07", "0.08", "0.09", "0.12",
    /*  3 */ "0.1", "0.12", "0.12", "0.14", "0.14", "0.16", "0.18",
    /*  4 */ "0.1", "0.12", "0.12", "0.14", "0.14", "0.16", "0.18",
    /*  5 */ "0.13", "0.14", "0.15", "0.17", "0.18", "0.2", "0.23",
    /*  6 */ "0.1", "0.12", "0.12", "0.14", "0.14", "0.16", "0.18",
    /*  7 */ "0.1", "0.12", "0.12", "0.14", "0.14", "0.16", "0.18",
    /*  8 */ "0.13", "0.14", "0.15", "0.17", "0.18", "0.2", "0.23",
    /*  9 */ "0.13", "0.14", "0.15", "0.17", "0.18", "0.2", "0.23",
    /* 10 */ "0.1", "0.12", "0.12", "0.14", "0.14", "0.16", "0.18",
    /* 11 */ "0.18", "0.2", "0.2", "0.22", "0.22", "0.24", "0.26",
    /* 12 */ "0.18", "0.2", "0.2", "0.22", "0.22", "0.24", "0.26",
};
static_assert(std::size(kCarbideBoringFeedCells) == 13 * std::size(kCarbideBoringFeedColumns));

// Cutting speed, "Aufbohrer" VHM/WP (tool 5)
constexpr DiameterRange kCarbideBoringSpeedColumns[] = {{7.8, 15}, {15.75, 30}, {30.6, 50}, {51.5, 60}, {61.5, 62}};
constexpr SpeedRange kCarbideBoringSpeedCells[] = {
    /*  0 */ {20, 25}, {25, 30}, {30, 35}, {35, 40}, kNoSpeed,
    /*  1 */ {15, 18}, {18, 22}, {22, 26}, {26, 30}, kNoSpeed,
    /*  2 */ {5, 8}, {7, 10}, {9, 12}, {12, 15}, kNoSpeed,
    /*  3 */ {20, 25}, {25, 30}, {30, 35}, {35, 40}, kNoSpeed,
    /*  4 */ {15, 18}, {18, 22}, {22, 26}, {26, 30}, kNoSpeed,
    /*  5 */ {25, 80}, {28, 32}, {32, 36}, {36, 40}, kNoSpeed,
    /*  6 */ {20, 22}, {24, 26}, {28, 30}, {30, 35}, kNoSpeed,
    /*  7 */ {20, 25}, {25, 30}, {30, 35}, {35, 40}, kNoSpeed,
    /*  8 */ {40, 50}, {50, 60}, {60, 70}, {70, 75}, kNoSpeed,
    /*  9 */ {20, 25}, {25, 30}, {30, 35}, {35, 40}, kNoSpeed,
    /* 10 */ {15, 18}, {18, 22}, {22, 26}, {26, 30}, kNoSpeed,
    /* 11 */ {60, 70}, {70, 80}, {70, 80}, {75, 80}, kNoSpeed,
    /* 12 */ {60, 70}, {70, 80}, {70, 80}, {75, 80}, kNoSpeed,
};
static_assert(std::size(kCarbideBoringSpeedCells) == 13 * std::size(kCarbideBoringSpeedColumns));

// Feed per revolution, "Aufsteck-Aufbohrer" VHM/WP (tool 6)
constexpr DiameterRange kCarbideShellBoringFeedColumns[] = {{29.7, 30}, {30.6, 40}, {41.6, 62}};
constexpr std::string_view kCarbideShellBoringFeedCells[] = {
    /*  0 */ "0.14", "0.16", "0.18",
    /*  1 */ "0.12", "0.14", "0.16",
    /*  2 */ "0.08", "0.09", "0.12",
    /*  3 */ "0.14", "0.16", "0.18",
    /*  4 */ "0.14", "0.16", "0.18",
    /*  5 */ "0.18", "0.2", "0.23",
    /*  6 */ "0.14", "0.16", "0.18",
    /*  7 */ "0.14", "0.16", "0.18",
    /*  8 */ "0.18", "0.2", "0.23",
    /*  9 */ "0.18", "0.2", "0.23",
    /* 10 */ "0.14", "0.16", "0.18",
    /* 11 */ "0.22", "0.24", "0.26",
    /* 12 */ "0.22", "0.24", "0.26",
};
static_assert(std::size(kCarbideShellBoringFeedCells) == 13 * std::size(kCarbideShellBoringFeedColumns));

// Cutting speed, "Aufsteck-Aufbohrer" VHM/WP (tool 6)
constexpr DiameterRange kCarbideShellBoringSpeedColumns[] = {{29.7, 30}, {30.6, 50}, {51.5, 60}, {61.5, 62}};
constexpr SpeedRange kCarbideShellBoringSpeedCells[] = {
    /*  0 */ {25, 30}, {30, 35}, {35, 40}, kNoSpeed,
    /*  1 */ {18, 22}, {22, 26}, {26, 30}, kNoSpeed,
    /*  2 */ {7, 10}, {9, 12}, {12, 15}, kNoSpeed,
    /*  3 */ {25, 30}, {30, 35}, {35, 40}, kNoSpeed,
    /*  4 */ {18, 22}, {22, 26}, {26, 30}, kNoSpeed,
    /*  5 */ {28, 32}, {32, 36}, {36, 40}, kNoSpeed,
    /*  6 */ {24, 26}, {28, 30}, {30, 35}, kNoSpeed,
    /*  7 */ {25, 30}, {30, 35}, {35, 40}, kNoSpeed,
    /*  8 */ {50, 60}, {60, 70}, {70, 75}, kNoSpeed,
    /*  9 */ {25, 30}, {30, 35}, {35, 40}, kNoSpeed,
    /* 10 */ {18, 22}, {22, 26}, {26, 30}, kNoSpeed,
    /* 11 */ {70, 80}, {70, 80}, {75, 80}, kNoSpeed,
    /* 12 */ {70, 80}, {70, 80}, {75, 80}, kNoSpeed,
};
static_assert(std::size(kCarbideShellBoringSpeedCells) == 13 * std::size(kCarbideShellBoringSpeedColumns));

// Feed per revolution, "VHM/HM-Spiralbohrer" material 22 (glass-fibre
// reinforced epoxy resin) from 1 to 3 mm
constexpr DiameterRange kCarbideTwistEpoxyFeedColumns[] = {{1, 1}, {1.1, 1.1}, {1.2, 1.2}, {1.3, 1.3}, {1.4, 1.4}, {1.5, 1.5}, {1.6, 1.6}, {1.7, 1.7}, {1.8, 1.8}, {1.9, 1.9}, {2, 2}, {2.1, 2.1}, {2.2, 2.2}, {2.3, 2.3}, {2.4, 2.4}, {2.5, 2.5}, {2.6, 2.6}, {2.7, 2.7}, {2.8, 2.8}, {2.9, 2.9}, {3, 3}};
constexpr std::string_view kCarbideTwistEpoxyFeedCells[] = {"0.1", "0.11", "0.12", "0.13", "0.14", "0.15", "0.155", "0.16", "0.165", "0.17", "0.173", "0.176", "0.18", "0.183", "0.186", "0.19", "0.192", "0.194", "0.196", "0.198", "0.2"};
static_assert(std::size(kCarbideTwistEpoxyFeedCells) == std::size(kCarbideTwistEpoxyFeedColumns));

// clang-format on

} // namespace

const FeedTable kCarbideTwistFeed{kCarbideTwistFeedColumns, kCarbideTwistFeedCells};
const SpeedTable kCarbideTwistSpeed{kCarbideTwistSpeedColumns, kCarbideTwistSpeedCells};
const FeedTable kDin6537TiAlNFeed{kDin6537TiAlNFeedColumns, kDin6537TiAlNFeedCells};
const SpeedTable kDin6537ShortTiAlNSpeed{kDin6537ShortTiAlNSpeedColumns,
                                         kDin6537ShortTiAlNSpeedCells};
const SpeedTable kDin6537LongTiAlNSpeed{kDin6537LongTiAlNSpeedColumns, kDin6537LongTiAlNSpeedCells};
const FeedTable kDin6537TiNFeed{kDin6537TiNFeedColumns, kDin6537TiNFeedCells};
const SpeedTable kDin6537TiNSpeed{kDin6537TiNSpeedColumns, kDin6537TiNSpeedCells};
const FeedTable kThreeFluteFeed{kThreeFluteFeedColumns, kThreeFluteFeedCells};
const SpeedTable kThreeFluteSpeed{kThreeFluteSpeedColumns, kThreeFluteSpeedCells};
const FeedTable kInsertDrillFeed{kInsertDrillFeedColumns, kInsertDrillFeedCells};
const SpeedTable kInsertDrillSpeed{kInsertDrillSpeedColumns, kInsertDrillSpeedCells};
const FeedTable kCarbideBoringFeed{kCarbideBoringFeedColumns, kCarbideBoringFeedCells};
const SpeedTable kCarbideBoringSpeed{kCarbideBoringSpeedColumns, kCarbideBoringSpeedCells};
const FeedTable kCarbideShellBoringFeed{kCarbideShellBoringFeedColumns,
                                        kCarbideShellBoringFeedCells};
const SpeedTable kCarbideShellBoringSpeed{kCarbideShellBoringSpeedColumns,
                                          kCarbideShellBoringSpeedCells};

const FeedTable kCarbideTwistEpoxyFeed{kCarbideTwistEpoxyFeedColumns, kCarbideTwistEpoxyFeedCells};

} // namespace zerbo::drill_tables
