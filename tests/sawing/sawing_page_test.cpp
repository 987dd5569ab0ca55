// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sawing/sawing_page.h"

#include "robustness/invariants.h"
#include "workbench/workbench.h"

#include "page_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

using namespace zerbo;
using zerbo::testing::PageFixture;

namespace {

constexpr double kPiD = 3.14159265358979323846;

class SawingPageTest : public PageFixture<SawingPage> {
  protected:
    SawingPageTest() { page.startUp(); }

    std::string item(const char* name) const { return page.get<List>(name).text(); }
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
        EXPECT_NEAR(num("Edit17"), n, n * 1e-12);
        EXPECT_NEAR(page.engagementAngle(), phi, phi * 1e-12);
        EXPECT_NEAR(num("Edit18"), fz, fz * 1e-12);
        EXPECT_NEAR(num("Edit19"), vf, vf * 1e-12);
        EXPECT_NEAR(num("Edit21"), s / 10 * 4 * vf / 10, vf * 1e-12);
        EXPECT_NEAR(num("Edit22"), pe, pe * 1e-7);
    }
};

TEST_P(SawingPageTest, StartsWithTheFirstItemsAndNoPreset) {
    EXPECT_EQ(item("ComboBox1"), "20");
    EXPECT_EQ(item("ComboBox9"), "24"); // the preset of Ds 20 would be 40
    EXPECT_EQ(item("ComboBox10"), "0.2");
    for (const char* hidden : {"SpeedButton11", "ComboBox4", "ScrollBar6", "Label51", "Label52"})
        EXPECT_FALSE(page.find(hidden)->visible) << hidden;
    expectBar("ScrollBar5", 25, 50, 37);
    EXPECT_EQ(label("Label34") + "/" + label("Label36") + "/" + field("Edit16"), "25/50/37");
    expectBar("ScrollBar19", 10, 14, 12);
    EXPECT_EQ(field("Edit63"), "12");
    expectBar("ScrollBar18", 1, 20, 10);
    EXPECT_EQ(label("Label172") + "/" + label("Label173") + "/" + field("Edit62"), "1/20/10");
    EXPECT_EQ(field("Edit20"), "1550"); // kc1.1, not kc
    expectResults(20, 24, 0.2, 37, 10, 12);
    // Newton's root, not the power law: Pe differs in its 12th digit.
    const std::string sep(1, GetParam());
    EXPECT_EQ(field("Edit17"), "588" + sep + "873289440013");
    EXPECT_EQ(field("Edit18"), "0" + sep + "0810810810810811");
    EXPECT_EQ(field("Edit19"), "1145" + sep + "91559026165");
    EXPECT_EQ(field("Edit21"), "9" + sep + "1673247220932");
    EXPECT_EQ(field("Edit22"), "0" + sep + "295425705966948");
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
        choose("ComboBox1", c.dwBefore > 0 ? "1410" : "20");
        scroll("ScrollBar18", c.dwBefore > 0 ? c.dwBefore : 10);
        choose("ComboBox1", c.ds);
        EXPECT_EQ(item("ComboBox9") + "/" + item("ComboBox10"), c.z + "/" + c.s);
        expectBar("ScrollBar18", 1, std::stoi(c.ds), c.dwAfter);
        EXPECT_EQ(field("Edit62"), std::to_string(c.dwAfter));
        EXPECT_EQ(label("Label173"), c.ds);
        expectResults(std::stoi(c.ds), std::stoi(c.z), shell.numbers.parse(c.s), 37, c.dwAfter, 12);
    }
    // Every blade's preset is on the lists.
    for (const SawBlade& b : kSawBlades) {
        choose("ComboBox1", std::string(b.diameter));
        EXPECT_EQ(item("ComboBox9") + "/" + item("ComboBox10"),
                  std::string(b.teeth) + "/" + std::string(b.thickness));
    }
    EXPECT_TRUE(messages.entries.empty());
}

TEST_P(SawingPageTest, WorkpieceAsWideAsTheBladeEngagesHalfOfIt) {
    choose("ComboBox1", "100"); // z 100
    scroll("ScrollBar18", 100);
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
        ASSERT_TRUE(page.userSelect("ComboBox3", c.material));
        expectBar("ScrollBar5", c.vcMin, c.vcMax, c.vc);
        EXPECT_EQ(label("Label34") + "/" + label("Label36") + "/" + field("Edit16"),
                  std::to_string(c.vcMin) + "/" + std::to_string(c.vcMax) + "/" +
                      std::to_string(c.vc));
        EXPECT_EQ(shell.state.vcMax, c.vcMax);
        expectBar("ScrollBar19", c.aMin, c.aMax, c.a);
        EXPECT_EQ(field("Edit63"), std::to_string(c.a));
        // The feed-rate range follows, hidden, and Vf is computed over it.
        expectBar("ScrollBar6", c.feedMin, c.feedMax, c.feedMin + (c.feedMax - c.feedMin) / 2);
        EXPECT_NE(field("Edit19"), std::to_string(page.feedRateBar.position()));
        EXPECT_EQ(field("Edit20"), c.kc11);
        EXPECT_EQ(page.coolant.lines, c.coolant);
        EXPECT_EQ(field("Edit22") == "0", c.kc11 == "0"); // no grade, no force
        EXPECT_GT(num("Edit21"), 0);
    }
}

TEST_P(SawingPageTest, EveryInputRunsTheWholeChain) {
    struct Case {
        const char* what;
        std::function<void()> event;
        const char* result;
        double ratio; // after / before
    };
    const Case cases[] = {
        {"Vc 50: n", [&] { scroll("ScrollBar5", 50); }, "Edit17", 50.0 / 37},
        {"Vc 50: fz", [&] { scroll("ScrollBar5", 50); }, "Edit18", 37.0 / 50},
        {"A 14: Q", [&] { scroll("ScrollBar19", 14); }, "Edit21", 14.0 / 12},
        {"z 32: fz", [&] { choose("ComboBox9", "32"); }, "Edit18", 24.0 / 32},
        {"z 32: Vf", [&] { choose("ComboBox9", "32"); }, "Edit19", 1},
        {"s 1: Q", [&] { choose("ComboBox10", "1"); }, "Edit21", 5},
        {"s 1: Pe", [&] { choose("ComboBox10", "1"); }, "Edit22", 5},
        {"Dw 20: fz", [&] { scroll("ScrollBar18", 20); }, "Edit18", 60.0 / 180},
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
    scroll("ScrollBar18", 30);
    EXPECT_EQ(page.workpieceBar.position(), 29);
    page.workpieceBar.setup(-5, 20, 10);
    scroll("ScrollBar18", -2);
    EXPECT_EQ(page.workpieceBar.position(), -1);
    EXPECT_EQ(field("Edit62"), "10");
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
    const std::string q = field("Edit21");
    const std::string pe = field("Edit22");
    const std::string fz = field("Edit18");
    ASSERT_TRUE(page.userSelect("ComboBox10", 1));
    ASSERT_EQ(messages.entries.size(), 2u); // the force, then the removal rate
    EXPECT_TRUE(messages.entries[0].isError);
    EXPECT_EQ(messages.entries[1].text, kDecimalErrorText);
    scroll("ScrollBar19", 14);
    EXPECT_NE(field("Edit18"), fz); // the rest of the chain goes on
    EXPECT_EQ(field("Edit21"), q);
    EXPECT_EQ(field("Edit22"), pe);
}

TEST_P(SawingPageTest, FeedRateBarActsOnlyWhileShown) {
    EXPECT_FALSE(page.userScroll("ScrollBar6", 20));
    page.feedRateBar.visible = true; // a blade type with a feed-rate range
    scroll("ScrollBar6", 20);
    EXPECT_EQ(field("Edit19"), "20");
    EXPECT_NEAR(num("Edit21"), 0.2 / 10 * 40 / 10 * 20 / 10, 1e-15);
}

TEST_P(SawingPageTest, EveryControlButTheLabelsHasItsHint) {
    page.assignHints();
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

// Another page's look-up between sawing events leaves the sawing speed bar
// on the sawing range.
TEST(SawingPageInWorkbench, SpeedBarKeepsItsOwnRange) {
    MessageRecorder messages;
    HelpRecorder help;
    Workbench bench(messages, help, ',');
    MainWindowModel& main = bench.main();
    PageModel& sawing = main.page(5);
    main.selectPage(5);
    ASSERT_TRUE(sawing.userSelect("ComboBox3", 1)); // 15..30
    main.selectPage(1);
    ASSERT_TRUE(main.page(1).userClick("SpeedButton39")); // a turning look-up
    ASSERT_NE(bench.shell().state.vcMin, 15);
    main.selectPage(5);
    for (const char* list : {"ComboBox1", "ComboBox9", "ComboBox10"}) {
        ASSERT_TRUE(sawing.userSelect(list, 5));
        const Bar& bar = sawing.get<Bar>("ScrollBar5");
        EXPECT_EQ(WriteWhole(bar.min()) + sawing.get<Label>("Label34").caption +
                      WriteWhole(bar.max()) + sawing.get<Label>("Label36").caption,
                  "15153030")
            << list;
    }
}

} // namespace
