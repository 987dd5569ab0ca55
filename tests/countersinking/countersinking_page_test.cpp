// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "countersinking/countersinking_page.h"

#include "shell/formulas.h"
#include "workbench/workbench.h"

#include "page_fixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace zerbo;
using zerbo::testing::PageFixture;

namespace {

class CountersinkingPageTest : public PageFixture<CountersinkingPage> {
  protected:
    CountersinkingPageTest() { page.startUp(); }

    std::string write(double v) const { return shell.numbers.write(v); }

    // n, Vf, Q and Pe as the page must have computed them from its own
    // fields, for a countersink of diameter d, pilot dp, angle (0 = flat).
    void expectResults(double d, double d0, double dp, int angle, int z) const {
        const double n = SpindleSpeed(d, num("Edit24"));
        EXPECT_EQ(field("Edit25"), write(n));
        const double f = num("Edit23");
        const double vf = num("Edit26");
        EXPECT_NEAR(vf, f * n, 1e-9 * vf);
        const double h = angle > 0 ? CountersinkDepth(d0, d, angle) : f;
        EXPECT_NEAR(num("Edit28"), h / 10 * d / 10 * vf / 10, 1e-12 + 1e-9 * num("Edit28"));
        const double torque = (d * d - dp * dp) * z * f * num("Edit27") / 8000;
        EXPECT_NEAR(num("Edit29"), torque * n / 6685, 1e-12 + 1e-9 * num("Edit29"));
    }
};

TEST_P(CountersinkingPageTest, StartsUncoatedOnTheSmallestNinetyDegreeCountersink) {
    EXPECT_EQ(page.edges.items(), std::vector<std::string>{"3"});
    expectBar("ScrollBar7", 26, 30, 28);
    EXPECT_EQ(field("Edit24"), "28");
    EXPECT_EQ(label("Label73"), "26");
    EXPECT_EQ(label("Label74"), "30");
    EXPECT_EQ(field("Edit23"), "0.07");
    EXPECT_EQ(field("Edit27"), "1550");
    EXPECT_EQ(page.coolant.lines, std::vector<std::string>{"Hochleistungskühlschmier-Konzentrat"});
    // Pre-drilled to 2.4 within 1.3..4.3; no pilot, no raises.
    expectBar("ScrollBar12", 13, 43, 24);
    EXPECT_EQ(field("Edit50"), S("2.4"));
    EXPECT_EQ(label("Label143"), S("1.3"));
    EXPECT_EQ(label("Label144"), "4.3");
    EXPECT_EQ(page.pilot.count(), 0);
    EXPECT_TRUE(visible("ScrollBar12"));
    for (const char* c : {"ComboBox31", "Label145", "SpeedButton57", "Edit66", "SpeedButton60"})
        EXPECT_FALSE(visible(c)) << c;

    EXPECT_NEAR(num("Edit25"), 2072.715537940963, 1e-9); // 28000 / (pi x 4.3)
    EXPECT_NEAR(num("Edit29"), 0.2332578179042632, 1e-12);
    expectResults(4.3, 2.4, 0, 90, 3);
    scroll("ScrollBar7", 30);
    EXPECT_EQ(field("Edit24"), "30");
    expectResults(4.3, 2.4, 0, 90, 3);
    page.assignHints();
    EXPECT_EQ(page.material.hint, "Zu reibender Werkstoff");
}

TEST_P(CountersinkingPageTest, CoatingRaisesSpeedAndFeedByFifteenPercent) {
    select("ComboBox12", 1); // "HSS TiN-beschichtet"
    EXPECT_TRUE(visible("SpeedButton57") && visible("Edit67") && visible("SpeedButton60"));
    EXPECT_EQ(field("Edit66"), "15%");
    EXPECT_EQ(field("Edit67"), "15%");
    EXPECT_EQ(label("Label73"), S("29.9"));
    EXPECT_EQ(label("Label74"), S("34.5"));
    expectBar("ScrollBar7", 299, 345, 322);
    EXPECT_EQ(field("Edit24"), S("32.2"));
    EXPECT_EQ(field("Edit23"), S("0.0805"));

    // 16 %: the middle 324.8 tenths puts the bar on 325, the field shows it
    // exactly. The bounds are cut after one decimal behind a point only.
    click("SpeedButton60");
    EXPECT_EQ(field("Edit67"), "16%");
    expectBar("ScrollBar7", 302, 348, 325);
    EXPECT_EQ(field("Edit24"), S("32.48"));
    EXPECT_EQ(label("Label73"), GetParam() == '.' ? "30.1" : "30,16");
    EXPECT_EQ(label("Label74"), S("34.8"));
    click("SpeedButton58");
    EXPECT_EQ(field("Edit66"), "16%");
    EXPECT_EQ(field("Edit23"), S("0.0812"));
    expectBar("ScrollBar7", 302, 348, 325); // the feed leaves the speed alone
    scroll("ScrollBar7", 333);
    EXPECT_EQ(field("Edit24"), S("33.3"));
    expectResults(4.3, 2.4, 0, 90, 3);

    // Another coated item starts both raises at 15 % again.
    select("ComboBox12", 2);
    EXPECT_EQ(field("Edit66"), "15%");
    expectBar("ScrollBar7", 299, 345, 322);
    select("ComboBox12", 0);
    expectBar("ScrollBar7", 26, 30, 28);
    EXPECT_EQ(field("Edit23"), "0.07");
    EXPECT_FALSE(page.userClick("SpeedButton60")); // hidden
}

TEST_P(CountersinkingPageTest, RaisesStopAtZeroAndThirtyPercent) {
    select("ComboBox12", 1);
    for (const char* up : {"SpeedButton58", "SpeedButton60"})
        for (int i = 0; i < 15; ++i)
            click(up);
    const std::string vc = field("Edit24"), f = field("Edit23");
    click("SpeedButton58");
    click("SpeedButton60");
    EXPECT_EQ(field("Edit66"), "30%");
    EXPECT_EQ(field("Edit67"), "30%");
    EXPECT_EQ(field("Edit24"), vc);
    EXPECT_EQ(field("Edit23"), f);
    for (const char* down : {"SpeedButton57", "SpeedButton59"})
        for (int i = 0; i < 31; ++i)
            click(down);
    EXPECT_EQ(field("Edit66"), "0%");
    EXPECT_EQ(field("Edit67"), "0%");
    // At 0 % a coated countersink runs at the table values, in tenths.
    EXPECT_EQ(field("Edit23"), S("0.07"));
    expectBar("ScrollBar7", 260, 300, 280);
}

TEST_P(CountersinkingPageTest, PreDrillBarFollowsTypeAndSize) {
    struct Case {
        int type, size;
        int min, max, position;
        const char *low, *high;
    };
    // Types 2 and 1 (from size 11 on) have no preset: the bar stands at
    // D - L; type 8 presets its pilot, type 10 its first core hole.
    const Case cases[] = {{2, 0, 25, 104, 79, "2.5", "10.4"},
                          {1, 11, 100, 400, 300, "10", "40"},
                          {0, 17, 42, 310, 175, "4.2", "31"},
                          {8, 4, 17, 43, 22, "1.7", "4.3"},
                          {10, 0, 68, 150, 68, "6.8", "15"}};
    for (const Case& c : cases) {
        select("ComboBox11", c.type);
        if (c.size != 0) select("ComboBox13", c.size);
        expectBar("ScrollBar12", c.min, c.max, c.position);
        EXPECT_EQ(field("Edit50"), write(c.position / 10.0)) << c.type;
        EXPECT_EQ(label("Label143"), S(c.low)) << c.type;
        EXPECT_EQ(label("Label144"), c.high) << c.type;
    }
    // Moving the bar changes the cone's volume, not n or Pe.
    select("ComboBox11", 0);
    const std::string n = field("Edit25"), pe = field("Edit29");
    scroll("ScrollBar12", 30);
    EXPECT_EQ(field("Edit50"), "3");
    EXPECT_EQ(field("Edit25"), n);
    EXPECT_EQ(field("Edit29"), pe);
    expectResults(4.3, 3, 0, 90, 3);
    scroll("ScrollBar12", 43); // pre-drilled to D: no cone left
    EXPECT_EQ(field("Edit28"), "0");
}

TEST_P(CountersinkingPageTest, PilotTypesShowTheirPilotAndComputeWithIt) {
    select("ComboBox11", 6); // "Kegelsenker 90°  mit Führungszapfen"
    EXPECT_EQ(page.edges.items(), std::vector<std::string>{"2"});
    EXPECT_EQ(page.pilot.items(), std::vector<std::string>{"3.2"});
    EXPECT_TRUE(visible("ComboBox31") && visible("Label145") && visible("Edit50"));
    EXPECT_FALSE(visible("ScrollBar12") || visible("Label143") || visible("Label144"));
    // Pe from D^2 - d^2 = 36 - 10.24
    EXPECT_NEAR(num("Edit29"), 0.15526411858433642, 1e-12);
    expectResults(6, 3.2, 3.2, 90, 2);
    select("ComboBox11", 7); // flat: Q over f
    expectResults(6, 3.2, 3.2, 0, 2);

    select("ComboBox11", 10);
    EXPECT_EQ(page.pilot.items(), (std::vector<std::string>{"6.8", "8.4", "9"}));
    expectResults(15, 6.8, 6.8, 0, 3);
    select("ComboBox13", 8); // "40  (M24)": feed from position 8
    EXPECT_EQ(field("Edit23"), "0.12");
    EXPECT_EQ(page.pilot.text(), "14");
    expectResults(40, 14, 14, 0, 3);

    select("ComboBox11", 0);
    EXPECT_FALSE(visible("ComboBox31"));
    EXPECT_TRUE(visible("ScrollBar12"));
}

TEST_P(CountersinkingPageTest, MaterialSetsCoolantKcAndRangeAndResetsTheLists) {
    select("ComboBox13", 5);
    select("ComboBox12", 1);
    select("ComboBox15", 4); // "Stahl bis 1500 N/mm2"
    EXPECT_EQ(page.coolant.lines, std::vector<std::string>{"Schneidöl"});
    EXPECT_EQ(field("Edit27"), "0");
    EXPECT_EQ(field("Edit29"), "0");
    expectBar("ScrollBar7", 2, 5, 3);
    // The material refills the size and coating lists.
    EXPECT_EQ(page.size.index(), 0);
    EXPECT_EQ(page.coating.index(), 0);
    EXPECT_FALSE(visible("Edit67"));
    EXPECT_EQ(field("Edit23"), "0.03");
    select("ComboBox15", 7); // "Grauguß über 200 HB": force-table row 8
    EXPECT_EQ(field("Edit27"), "1140");
    expectResults(4.3, 2.4, 0, 90, 3);
}

// The page maps its bar from the range of its own last look-up, even when
// another page has looked up a range since.
TEST(CountersinkingSpeedRange, AnotherPagesLookUpLeavesTheBarAlone) {
    MessageRecorder messages;
    HelpRecorder help;
    Workbench bench(messages, help, ',');
    auto& page = dynamic_cast<CountersinkingPage&>(bench.main().page(4));
    bench.main().selectPage(1);
    ASSERT_TRUE(bench.main().page(1).userClick("SpeedButton22")); // turning "HSS"
    ASSERT_NE(bench.shell().state.vcMin, 26);
    bench.main().selectPage(4);
    ASSERT_TRUE(page.userSelect("ComboBox11", 3));
    EXPECT_EQ(page.speedBar.min(), 26);
    EXPECT_EQ(page.speedBar.max(), 30);
    EXPECT_EQ(page.speedMin.caption, "26");
    EXPECT_EQ(page.speedMax.caption, "30");
    ASSERT_TRUE(page.userSelect("ComboBox12", 1));
    EXPECT_EQ(page.speedBar.min(), 299);
    EXPECT_EQ(page.speedBar.max(), 345);
}

INSTANTIATE_TEST_SUITE_P(Separators, CountersinkingPageTest, ::testing::Values(',', '.'));

} // namespace
