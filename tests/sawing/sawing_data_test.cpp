#include "sawing/sawing_data.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace zerbo;

namespace {

template <size_t N> bool Listed(const std::array<std::string_view, N>& items, std::string_view s) {
    return std::find(items.begin(), items.end(), s) != items.end();
}

TEST(SawingData, EveryBladeComesWithTeethAndThicknessOfTheLists) {
    EXPECT_EQ(kSawBlades.front().diameter, "20");
    EXPECT_EQ(kSawBlades.back().diameter, "1410");
    int previous = 0;
    for (const SawBlade& b : kSawBlades) {
        EXPECT_TRUE(Listed(kSawTeeth, b.teeth)) << b.diameter;
        EXPECT_TRUE(Listed(kSawThicknesses, b.thickness)) << b.diameter;
        const int ds = std::stoi(std::string(b.diameter));
        EXPECT_GT(ds, previous) << "diameters rise";
        previous = ds;
    }
    EXPECT_EQ(kSawTeeth.front(), "24");
    EXPECT_EQ(kSawTeeth.back(), "1036");
    EXPECT_EQ(kSawThicknesses.front(), "0.2");
    EXPECT_EQ(kSawThicknesses.back(), "9");
}

TEST(SawingData, MaterialRowsSampled) {
    struct Case {
        int index;
        std::string_view item;
        SawRange vc, area;
        int forceRow;
        SawRange feedFirst, feedLast;
    };
    const Case cases[] = {
        {0, "Stahl bis 500 N/mm2", {25, 50}, {10, 14}, 1, {10, 25}, {60, 75}},
        {3, "Nichtrostender Stahl (V2A, V4A)", {7, 15}, {6, 10}, 0, {2, 7}, {25, 35}},
        {5, "Grauguß über GG 18", {25, 30}, {8, 10}, 8, {10, 20}, {55, 70}},
        {8, "Leichtmetallprofile", {1000, 2400}, {80, 200}, 0, {70, 100}, {250, 400}},
        {9, "Kunststoffe, Preßstoffe", {1500, 2400}, {80, 200}, 0, {70, 100}, {300, 500}},
    };
    for (const Case& c : cases) {
        const SawMaterial& m = kSawMaterials[static_cast<size_t>(c.index)];
        EXPECT_EQ(m.item, c.item);
        EXPECT_EQ(m.vc.min, c.vc.min) << c.item;
        EXPECT_EQ(m.vc.max, c.vc.max) << c.item;
        EXPECT_EQ(m.area.min, c.area.min) << c.item;
        EXPECT_EQ(m.area.max, c.area.max) << c.item;
        EXPECT_EQ(m.forceRow, c.forceRow) << c.item;
        EXPECT_EQ(m.feedRate.front().min, c.feedFirst.min) << c.item;
        EXPECT_EQ(m.feedRate.front().max, c.feedFirst.max) << c.item;
        EXPECT_EQ(m.feedRate.back().min, c.feedLast.min) << c.item;
        EXPECT_EQ(m.feedRate.back().max, c.feedLast.max) << c.item;
    }
    EXPECT_EQ(kSawMaterials[6].feedRate[2].min, 150);
    EXPECT_EQ(kSawMaterials[8].feedRate[1].max, 190);
    // Every range runs upwards, so the bars' middles lie inside them.
    for (const SawMaterial& m : kSawMaterials) {
        EXPECT_LT(m.vc.min, m.vc.max) << m.item;
        EXPECT_LT(m.area.min, m.area.max) << m.item;
        for (const SawRange& r : m.feedRate) EXPECT_LT(r.min, r.max) << m.item;
    }
}

TEST(SawingData, CoolantLinesAndDepthClasses) {
    EXPECT_EQ(SawCoolantLines(0), (std::vector<std::string>{"Hochleistungskühlschmier-Konzentrat",
                                                            "Mischungsverhältnis: 1:20"}));
    EXPECT_EQ(SawCoolantLines(4), std::vector<std::string>{"Trocken oder Preßluft"});
    EXPECT_EQ(SawCoolantLines(7), (std::vector<std::string>{"Hochleistungskühlschmier-Konzentrat",
                                                            "Mischungsverhältnis: 1:50",
                                                            "oder Schmierstift"}));
    EXPECT_EQ(SawCoolantLines(9), std::vector<std::string>{"Trocken"});
    EXPECT_TRUE(SawCoolantLines(-1).empty());
    EXPECT_TRUE(SawCoolantLines(10).empty());

    EXPECT_EQ(SawDepthClassItems(),
              (std::vector<std::string>{"über 20 mm", "bis 20 mm", "bis 8 mm", "bis 4 mm"}));
    EXPECT_EQ(kSawDepthClasses.front().depth, 40);
    EXPECT_EQ(kSawDepthClasses.back().depth, 4);
}

} // namespace
