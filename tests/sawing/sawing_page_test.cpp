// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sawing/sawing_page.h"

#include "robustness/invariants.h"

#include "page_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

using namespace zerbo;
using zerbo::testing::All;
using zerbo::testing::PageFixture;

namespace {

constexpr double kPiD = 3.14159265358979323846;

class SawingPageTest : public PageFixture<SawingPage> {
  protected:
    SawingPageTest() {
        page.assignHints();
        page.startUp();
    }

    // The results in closed form (the arc of contact is Ds pi phi / 360, so
    // fz = 360 A / (Vc phi z)), with the power law where the page takes
    // Newton's root; depth 40 mm for Q.
    void expectResults(double ds, double z, double s, double vc, double dw, double a) const {
        const double n = vc * 1000 / (kPiD * ds);
        const double phi = 2 * std::asin(dw / ds) * 180 / kPiD;
        const double fz = 360 * a / (vc * phi * z);
        const double vf = z * fz * n;
        const double kc = 1.2 * 1.3 * 1.15 * 1550 / std::pow(fz, 0.3);
        const double pe = vc * (s * fz * kc * z * phi / 360) / 48000;
        EXPECT_NEAR(num(page.spindleSpeed), n, n * 1e-12);
        EXPECT_NEAR(page.engagementAngle(), phi, phi * 1e-12);
        EXPECT_NEAR(num(page.toothFeed), fz, fz * 1e-12);
        EXPECT_NEAR(num(page.feedRate), vf, vf * 1e-12);
        EXPECT_NEAR(num(page.removalRate), s / 10 * 4 * vf / 10, vf * 1e-12);
        EXPECT_NEAR(num(page.power), pe, pe * 1e-7);
    }
};

TEST_P(SawingPageTest, StartsWithTheFirstItemsAndNoPreset) {
    expectSnapshot("299244e94df9b761", "edc5cf8d7e294ba7");
    EXPECT_EQ(page.teethList.text(), "24"); // the preset of Ds 20 would be 40
    EXPECT_EQ(page.kc11.text(), "1550");    // kc1.1, not kc
    expectResults(20, 24, 0.2, 37, 10, 12);
    // Newton's root, not the power law: Pe differs in its 12th digit.
    EXPECT_EQ(page.power.text(), S("0.295425705966948"));
    EXPECT_TRUE(messages.entries.empty());
}

TEST_P(SawingPageTest, BladeDiameterAppliesItsPresetAndBoundsTheWorkpiece) {
    struct Case {
        std::string ds;
        int dwBefore; // on a 1410 blade; 0 = Dw 10 on the 20 blade
        std::string z, s;
        int dwAfter;
    };
    const Case cases[] = {
        {"25", 0, "50", "1", 10},        {"1410", 0, "750", "9", 10},
        {"20", 100, "40", "1", 10},      {"25", 100, "50", "1", 12}, // 12.5 to the even 12
        {"63", 100, "80", "2", 32},      {"100", 100, "100", "2", 100},
        {"300", 100, "220", "2.5", 100}, {"560", 1400, "144", "5.7", 280},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ds + " after Dw " + std::to_string(c.dwBefore));
        choose(page.bladeDiameterList, c.dwBefore > 0 ? "1410" : "20");
        scroll(page.workpieceBar, c.dwBefore > 0 ? c.dwBefore : 10);
        choose(page.bladeDiameterList, c.ds);
        EXPECT_EQ(page.teethList.text() + "/" + page.thicknessList.text(), c.z + "/" + c.s);
        expectBar(page.workpieceBar, 1, std::stoi(c.ds), c.dwAfter);
        EXPECT_EQ(page.workpiece.text(), std::to_string(c.dwAfter));
        EXPECT_EQ(page.workpieceMax.caption, c.ds);
        expectResults(std::stoi(c.ds), std::stoi(c.z), shell.numbers.parse(c.s), 37, c.dwAfter, 12);
    }
    // Every blade's preset is on the lists.
    for (const SawBlade& b : kSawBlades) {
        choose(page.bladeDiameterList, std::string(b.diameter));
        EXPECT_EQ(page.teethList.text() + "/" + page.thicknessList.text(),
                  std::string(b.teeth) + "/" + std::string(b.thickness));
    }
    EXPECT_TRUE(messages.entries.empty());
}

TEST_P(SawingPageTest, WorkpieceAsWideAsTheBladeEngagesHalfOfIt) {
    choose(page.bladeDiameterList, "100"); // z 100
    scroll(page.workpieceBar, 100);
    EXPECT_EQ(page.engagementAngle(), 180);
    EXPECT_NEAR(page.arcOfContact(), kPiD * 100 / 2, 1e-12);
    EXPECT_EQ(page.teethInContact(), 50);
    expectResults(100, 100, 2, 37, 100, 12);
}

TEST_P(SawingPageTest, MaterialSetsItsRangesForceAndCoolant) {
    struct Case {
        int material;
        int vcMin, vcMax, vc, aMin, aMax, a, feedMin, feedMax;
        std::string kc11;
        std::vector<std::string> coolant;
    };
    const std::string concentrate = "Hochleistungskühlschmier-Konzentrat";
    const std::vector<std::string> copper = {concentrate, "Mischungsverhältnis: 1:50",
                                             "oder Schmierstift"};
    const Case cases[] = {
        {4, 25, 45, 35, 8, 10, 9, 20, 30, "935", {"Trocken oder Preßluft"}},
        {7, 400, 1000, 700, 50, 200, 125, 80, 100, "0", copper},
        {8, 1000, 2400, 1700, 80, 200, 140, 70, 100, "0", {"Schmierstift"}},
        {9, 1500, 2400, 1950, 80, 200, 140, 70, 100, "0", {"Trocken"}},
        {0, 25, 50, 37, 10, 14, 12, 10, 25, "1550", {concentrate, "Mischungsverhältnis: 1:20"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.material);
        ASSERT_TRUE(page.userSelect(page.materialList.name(), c.material));
        expectBar(page.speedBar, c.vcMin, c.vcMax, c.vc);
        EXPECT_EQ(
            page.speedMin.caption + "/" + page.speedMax.caption + "/" + page.cuttingSpeed.text(),
            std::to_string(c.vcMin) + "/" + std::to_string(c.vcMax) + "/" + std::to_string(c.vc));
        EXPECT_EQ(shell.state.vcMax, c.vcMax);
        expectBar(page.areaBar, c.aMin, c.aMax, c.a);
        EXPECT_EQ(page.area.text(), std::to_string(c.a));
        // The feed-rate range follows, hidden, and Vf is computed over it.
        expectBar(page.feedRateBar, c.feedMin, c.feedMax, c.feedMin + (c.feedMax - c.feedMin) / 2);
        EXPECT_NE(page.feedRate.text(), std::to_string(page.feedRateBar.position()));
        EXPECT_EQ(page.kc11.text(), c.kc11);
        EXPECT_EQ(page.coolant.lines, c.coolant);
        EXPECT_EQ(page.power.text() == "0", c.kc11 == "0"); // no grade, no force
        EXPECT_GT(num(page.removalRate), 0);
    }
}

TEST_P(SawingPageTest, EveryInputRunsTheWholeChain) {
    struct Case {
        const char* what;
        std::function<void()> event;
        const Field& result;
        double ratio; // after / before
    };
    const Case cases[] = {
        {"Vc 50: n", [&] { scroll(page.speedBar, 50); }, page.spindleSpeed, 50.0 / 37},
        {"Vc 50: fz", [&] { scroll(page.speedBar, 50); }, page.toothFeed, 37.0 / 50},
        {"A 14: Q", [&] { scroll(page.areaBar, 14); }, page.removalRate, 14.0 / 12},
        {"z 32: fz", [&] { choose(page.teethList, "32"); }, page.toothFeed, 24.0 / 32},
        {"z 32: Vf", [&] { choose(page.teethList, "32"); }, page.feedRate, 1},
        {"s 1: Q", [&] { choose(page.thicknessList, "1"); }, page.removalRate, 5},
        {"s 1: Pe", [&] { choose(page.thicknessList, "1"); }, page.power, 5},
        {"Dw 20: fz", [&] { scroll(page.workpieceBar, 20); }, page.toothFeed, 60.0 / 180},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        page.startUp();
        const double before = num(c.result);
        c.event();
        EXPECT_NEAR(num(c.result) / before, c.ratio, 1e-9);
    }
    EXPECT_TRUE(messages.entries.empty());
}

TEST_P(SawingPageTest, WorkpieceNoticesWhenBoundsAndPositionDisagree) {
    page.workpieceBar.setup(1, 100, 10); // wider than the 20 mm blade
    scroll(page.workpieceBar, 30);
    EXPECT_EQ(page.workpieceBar.position(), 29);
    page.workpieceBar.setup(-5, 20, 10);
    scroll(page.workpieceBar, -2);
    EXPECT_EQ(page.workpieceBar.position(), -1);
    EXPECT_EQ(page.workpiece.text(), "10");
    ASSERT_EQ(messages.entries.size(), 2u);
    EXPECT_EQ(messages.entries[0].text,
              "Werkstückdurchmesser darf nicht größer als Sägeblattdurchmesser werden.");
    EXPECT_EQ(messages.entries[1].text, "Werkstückdurchmesser darf nicht kleiner als 1mm werden.");
    // Both are information notices the robustness checks know as such.
    for (const auto& e : messages.entries)
        EXPECT_TRUE(robustness::IsOwnMessage(e, shell.numbers));
}

TEST_P(SawingPageTest, UnreadableThicknessKeepsForceAndRemovalRate) {
    page.thicknessList.fill({"0.2", "1,2.5"});
    const std::string q = page.removalRate.text();
    const std::string pe = page.power.text();
    const std::string fz = page.toothFeed.text();
    ASSERT_TRUE(page.userSelect(page.thicknessList.name(), 1));
    ASSERT_EQ(messages.entries.size(), 2u); // the force, then the removal rate
    EXPECT_TRUE(messages.entries[0].isError);
    EXPECT_EQ(messages.entries[1].text, kDecimalErrorText);
    scroll(page.areaBar, 14);
    EXPECT_NE(page.toothFeed.text(), fz); // the rest of the chain goes on
    EXPECT_EQ(page.removalRate.text(), q);
    EXPECT_EQ(page.power.text(), pe);
}

TEST_P(SawingPageTest, FeedRateBarActsOnlyWhileShown) {
    EXPECT_FALSE(page.userScroll(page.feedRateBar.name(), 20));
    page.feedRateBar.visible = true; // a blade type with a feed-rate range
    scroll(page.feedRateBar, 20);
    EXPECT_EQ(page.feedRate.text(), "20");
    EXPECT_NEAR(num(page.removalRate), 0.2 / 10 * 40 / 10 * 20 / 10, 1e-15);
}

TEST_P(SawingPageTest, EveryControlButTheLabelsHasItsHint) {
    EXPECT_EQ(page.workpiece.hint, "Werkstückabmessung bzw. Schnittiefe in mm.");
    EXPECT_EQ(page.area.hint, "Spezifische Schnittfläche (x 1000!)");
    EXPECT_EQ(page.areaBar.hint, "Spezifische Schnittflächenschieber");
    for (const Control* c : page.controls()) {
        if (c->kind() != ControlKind::Label) {
            EXPECT_FALSE(c->hint.empty()) << c->name();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Separators, SawingPageTest, ::testing::Values(',', '.'));

} // namespace
