// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drilling/drilling_page.h"

#include "shell/formulas.h"
#include "workbench/workbench.h"

#include "page_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

using namespace zerbo;
using zerbo::testing::PageFixture;

namespace {

class DrillingPageTest : public PageFixture<DrillingPage> {
  protected:
    DrillingPageTest() {
        page.assignHints();
        page.startUp();
    }

    std::string hint(const char* name) const { return page.find(name)->hint; }
    void selectDiameter(std::string_view d) { choose("ComboBox23", d); }
    void carbide(int tool, int coating = 0) {
        click("SpeedButton18");
        select("ComboBox21", tool);
        if (coating != 0) select("ComboBox22", coating);
    }
    std::string n(double d, double vc) const { return shell.numbers.write(SpindleSpeed(d, vc)); }
};

TEST_P(DrillingPageTest, StartsWithHssTwistDrillAndFirstMaterial) {
    EXPECT_TRUE(page.hssButton.down());
    EXPECT_EQ(page.toolList.items(),
              (std::vector<std::string>{"Spiralbohrer", "Aufbohrer", "Aufsteck-Aufbohrer"}));
    EXPECT_EQ(page.coatingList.text(), "HSS/HSS-E unbeschichtet");
    EXPECT_EQ(page.materialList.text(), " Autom.Stahl bis 500 N/mm2");
    EXPECT_EQ(page.diameterList.text(), "0.2");
    EXPECT_EQ(field("Edit55"), "2");
    EXPECT_EQ(label("Label146"), "Typ");
    EXPECT_EQ(field("Edit54"), "N");
    EXPECT_EQ(label("Label151"), "Spitzenw.:");
    EXPECT_EQ(field("Edit56"), "118°");
    EXPECT_EQ(field("Edit41"), "1550");
    EXPECT_EQ(page.coolant.lines, std::vector<std::string>{"Bohrölemulsion"});
    EXPECT_EQ(field("Edit37"), "0.05"); // the table text as it stands
    EXPECT_FALSE(visible("ScrollBar14"));
    EXPECT_FALSE(visible("Label155"));
    expectBar("ScrollBar9", 30, 50, 40);
    EXPECT_EQ(field("Edit38"), "40");
    EXPECT_EQ(label("Label109"), "30");
    EXPECT_EQ(label("Label110"), "50");
    EXPECT_EQ(field("Edit39"), n(0.2, 40));
    for (const char* name : {"Edit64", "Edit65", "SpeedButton53", "SpeedButton56"})
        EXPECT_FALSE(visible(name)) << name;
    EXPECT_EQ(shell.state.vcMin, 30);
    EXPECT_EQ(shell.state.vcMax, 50);
}

TEST_P(DrillingPageTest, CoatedHssRaisesSpeedAndFeedByThePercentages) {
    select("ComboBox22", 1); // "TiN-beschichtet"
    selectDiameter("5");     // f 0.12, Vc 30..50
    EXPECT_EQ(field("Edit64"), "5%");
    EXPECT_EQ(field("Edit65"), "15%");
    expectBar("ScrollBar9", 345, 575, 460);
    EXPECT_EQ(field("Edit38"), "46");
    EXPECT_EQ(label("Label109"), S("34.5"));
    EXPECT_EQ(label("Label110"), S("57.5"));
    EXPECT_EQ(field("Edit37"), S("0.126"));
    EXPECT_FALSE(visible("ScrollBar14"));

    // the bar carries tenths of m/min
    ASSERT_TRUE(page.userScroll("ScrollBar9", 351));
    EXPECT_EQ(field("Edit38"), S("35.1"));
    EXPECT_EQ(field("Edit39"), n(5, 35.1));

    for (int i = 0; i < 5; ++i)
        click("SpeedButton54");
    EXPECT_EQ(field("Edit64"), "10%");
    EXPECT_EQ(field("Edit37"), S("0.132"));
    const std::string vf = field("Edit40");
    click("SpeedButton54"); // at the limit nothing happens
    EXPECT_EQ(field("Edit64"), "10%");
    EXPECT_EQ(field("Edit40"), vf);

    click("SpeedButton55"); // 14 %: 34.2 .. 57
    expectBar("ScrollBar9", 342, 570, 456);
    EXPECT_EQ(field("Edit38"), S("45.6"));
    EXPECT_EQ(label("Label110"), "57");

    // material and diameter keep the percentages, the tool resets them
    select("ComboBox25", 1);
    EXPECT_EQ(field("Edit64"), "10%");
    EXPECT_EQ(field("Edit65"), "14%");
    select("ComboBox21", 1);
    select("ComboBox22", 1);
    EXPECT_EQ(field("Edit64"), "5%");
    EXPECT_EQ(field("Edit65"), "15%");

    for (int i = 0; i < 16; ++i)
        click("SpeedButton53");
    EXPECT_EQ(field("Edit64"), "0%");
    // uncoated again: whole m/min and the percent buttons hidden
    select("ComboBox22", 0);
    EXPECT_FALSE(visible("Edit65"));
    EXPECT_EQ(field("Edit38"), WriteWhole(bar("ScrollBar9").position()));
}

TEST_P(DrillingPageTest, RaisedSpeedBarRoundsTiesAsTheLabelsShowThem) {
    select("ComboBox25", 37);
    select("ComboBox22", 1); // 3..6 m/min raised 15 %: 3.45..6.9
    // Labels are cut at the decimal point "." only.
    EXPECT_EQ(label("Label109"), GetParam() == '.' ? "3.4" : "3,45");
    EXPECT_EQ(label("Label110"), S("6.9"));
    expectBar("ScrollBar9", 34, 69, 52);
}

TEST_P(DrillingPageTest, FeedRangePutsTheFeedOnTheBar) {
    carbide(kDin6537Short); // "TiAIN-beschichtet"
    selectDiameter("5");
    EXPECT_EQ(page.feedText(), "0.25-0.45");
    EXPECT_TRUE(visible("ScrollBar14"));
    EXPECT_TRUE(visible("Label153"));
    expectBar("ScrollBar14", 2500, 4500, 3500);
    EXPECT_EQ(field("Edit37"), S("0.35"));
    EXPECT_EQ(label("Label155"), S("0.25"));
    EXPECT_EQ(label("Label156"), S("0.45"));
    expectBar("ScrollBar9", 60, 80, 70);
    EXPECT_EQ(field("Edit40"), shell.numbers.write(Product2(0.35, SpindleSpeed(5, 70))));
    EXPECT_EQ(field("Edit43"), S("30.625"));
    // M = D² f kc / 8000, Pe = M n / 6685
    const double torque = TorqueDrill(2, 1940, 0.35 / 2, 5);
    EXPECT_EQ(field("Edit42"), shell.numbers.write(PowerFromTorque(torque, SpindleSpeed(5, 70))));

    ASSERT_TRUE(page.userScroll("ScrollBar14", 2750));
    EXPECT_EQ(field("Edit37"), S("0.275"));
    EXPECT_EQ(field("Edit43"), shell.numbers.write(5.0L / 4 * 0.275 * 70));

    // the long drill has its own speeds; a single value hides the bar
    select("ComboBox21", kDin6537Long);
    EXPECT_EQ(field("Edit37"), "0.05");
    EXPECT_EQ(page.feedLow(), 0.05);
    EXPECT_EQ(page.feedHigh(), 0.05);
    EXPECT_FALSE(visible("ScrollBar14"));
    EXPECT_FALSE(visible("Label156"));
    expectBar("ScrollBar9", 70, 90, 80);
}

TEST_P(DrillingPageTest, EmptyFeedTextShowsNoFeedAndComputesWithZero) {
    carbide(kDin6537Long, 1); // "TiN-beschichtet": one material
    ASSERT_EQ(page.materialList.count(), 1);
    selectDiameter("3");
    EXPECT_EQ(field("Edit37"), S("0.09"));
    for (std::string_view d : {"2.5", "20"}) {
        SCOPED_TRACE(std::string(d));
        selectDiameter(d);
        EXPECT_EQ(page.feedText(), "");
        EXPECT_EQ(field("Edit37"), "");
        for (const char* name : {"ScrollBar14", "Label153", "Label154", "Label155", "Label156"})
            EXPECT_FALSE(visible(name)) << name;
        EXPECT_EQ(page.feedLow(), 0.06); // the last feed range stays
        EXPECT_EQ(page.feedHigh(), 0.12);
        EXPECT_EQ(field("Edit38"), "40"); // 30..50
        EXPECT_EQ(field("Edit40"), "0");
        EXPECT_EQ(field("Edit43"), "0");
        EXPECT_EQ(field("Edit42"), "0");
    }
    EXPECT_TRUE(messages.entries.empty());
}

TEST_P(DrillingPageTest, HandFeedAndMissingGradeGiveZeroResults) {
    select("ComboBox25", 37); // " Graphit, Schiefer"
    EXPECT_EQ(field("Edit37"), "Hand");
    EXPECT_EQ(page.feedLow(), 0.05); // the previous number stays
    EXPECT_EQ(field("Edit40"), "0");
    EXPECT_EQ(field("Edit43"), "0");
    EXPECT_EQ(field("Edit42"), "0");
    expectBar("ScrollBar9", 3, 6, 4);
    // coated, "Hand" stays "Hand"
    select("ComboBox22", 1);
    EXPECT_EQ(field("Edit37"), "Hand");
    EXPECT_EQ(field("Edit41"), "0");

    carbide(kCarbideTwistDrill);
    select("ComboBox25", 2); // grade row 0
    EXPECT_EQ(field("Edit41"), "0");
    EXPECT_NE(field("Edit40"), "0");
    EXPECT_EQ(field("Edit42"), "0");
    EXPECT_EQ(field("Edit54"), "P40");
}

TEST_P(DrillingPageTest, ToolInformationFollowsToolAndDiameter) {
    struct Case {
        bool hss;
        int tool;
        const char* edges;
        const char* info1Caption; // nullptr: hidden
        const char* info1;
        const char* info2Caption;
        const char* info2;
    };
    const Case cases[] = {
        {true, 1, "3", nullptr, "", "min.Vorb.:", "5.6"},
        {true, 2, "4", nullptr, "", "min.Vorb.:", "26"},
        {false, 4, "2", "max. N", "42", "   max. V", "0.5"},
        {false, 5, "3", nullptr, "", "min.Vorb.:", "5.6"},
        {false, 1, "2", nullptr, "", nullptr, ""}, // two flutes, not the 3 before
        {false, 6, "4", nullptr, "", "min.Vorb.:", "26"},
        {false, 2, "2", nullptr, "", nullptr, ""},
        {false, 3, "3", nullptr, "", nullptr, ""},
        {false, 0, "2", "HM-Sorte", "P40", nullptr, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.tool));
        click(c.hss ? "SpeedButton17" : "SpeedButton18");
        select("ComboBox21", c.tool);
        EXPECT_EQ(field("Edit55"), c.edges);
        EXPECT_EQ(visible("Label146"), c.info1Caption != nullptr);
        EXPECT_EQ(visible("Edit54"), c.info1Caption != nullptr);
        if (c.info1Caption) {
            EXPECT_EQ(label("Label146"), c.info1Caption);
            EXPECT_EQ(field("Edit54"), c.info1);
        }
        EXPECT_EQ(visible("Edit56"), c.info2Caption != nullptr);
        if (c.info2Caption) {
            EXPECT_EQ(label("Label151"), c.info2Caption);
            EXPECT_EQ(field("Edit56"), c.info2);
        }
    }
    // the pre-drill field keeps its text past 42 mm; the insert limits
    // follow the diameter
    carbide(kCarbideBoringTool);
    selectDiameter("42");
    EXPECT_EQ(field("Edit56"), "28");
    selectDiameter("43.6");
    EXPECT_EQ(field("Edit56"), "28");
    select("ComboBox21", kInsertDrill);
    selectDiameter("27");
    EXPECT_EQ(field("Edit54"), "81");
    EXPECT_EQ(field("Edit56"), "1.5");
    // the HSS twist drill shows the material's type and point angle
    click("SpeedButton17");
    select("ComboBox25", 13);
    EXPECT_EQ(field("Edit54"), "Kobalt");
    EXPECT_EQ(field("Edit56"), "130°");
    EXPECT_EQ(page.coolant.lines, std::vector<std::string>{"Öl"});
}

TEST_P(DrillingPageTest, CoatingChangeRefillsTheMaterialListOnce) {
    carbide(kDin6537Short, 1);
    EXPECT_TRUE(page.materialListByCoating());
    EXPECT_EQ(page.materialList.text(), " Rost- und Säurebest. Stähle");
    EXPECT_EQ(field("Edit41"), "1550");
    select("ComboBox22", 0);
    EXPECT_EQ(page.materialList.count(), 8);

    select("ComboBox21", kInsertDrill);
    select("ComboBox25", 5);
    select("ComboBox22", 1); // first coating change after the DIN 6537 tools
    EXPECT_EQ(page.materialList.index(), 0);
    EXPECT_FALSE(page.materialListByCoating());
    select("ComboBox25", 5);
    select("ComboBox22", 2); // the list stays
    EXPECT_EQ(page.materialList.index(), 5);
    EXPECT_TRUE(page.coolant.lines.empty());
    EXPECT_TRUE(page.coolant.visible);
}

TEST_P(DrillingPageTest, MissingSpeedEntryKeepsThePagesOwnRange) {
    carbide(kCarbideBoringTool);
    selectDiameter("60");
    expectBar("ScrollBar9", 35, 40, 37);
    // another page's look-up writes the shared range
    shell.state.vcMin = 150;
    shell.state.vcMax = 250;
    selectDiameter("61.5");
    expectBar("ScrollBar9", 35, 40, 37);
    EXPECT_EQ(label("Label109"), "35");
    EXPECT_EQ(label("Label110"), "40");
    EXPECT_EQ(field("Edit37"), "0.18"); // the feed table still has an entry
    EXPECT_EQ(shell.state.vcMin, 150);
}

TEST_P(DrillingPageTest, HintsFollowTheSelection) {
    EXPECT_EQ(hint("Edit54"), "Bohrertyp");
    EXPECT_EQ(hint("Edit56"), "Bohrerspitzenwinkel");
    EXPECT_EQ(hint("ComboBox23"), "Bohrerdurchmesser");
    select("ComboBox21", kHssBoringTool);
    EXPECT_EQ(hint("Edit54"), "Bohrertyp");
    EXPECT_EQ(hint("Edit56"), "mindest-Vorbohrdurchmesser");
    carbide(kInsertDrill);
    EXPECT_EQ(hint("Edit54"), "max. Bohrtiefe");
    EXPECT_EQ(hint("Edit56"), "max. Verstellweg zur Bohrdurchmesser-Vergrößerung");
    select("ComboBox21", kThreeFluteDrill); // both keep their hints
    EXPECT_EQ(hint("Edit54"), "max. Bohrtiefe");
    select("ComboBox21", kCarbideTwistDrill);
    EXPECT_EQ(hint("Edit54"), "Hartmetallsorte");
    EXPECT_EQ(hint("Edit56"), "max. Verstellweg zur Bohrdurchmesser-Vergrößerung");
}

INSTANTIATE_TEST_SUITE_P(Separators, DrillingPageTest, ::testing::Values(',', '.'));

// The drilling page in the workbench: a milling look-up in between does not
// reach the drilling speed bar.
TEST(DrillingPageInWorkbench, OtherPagesDoNotMoveItsSpeedRange) {
    MessageRecorder messages;
    HelpRecorder help;
    Workbench bench(messages, help, ',');
    auto& drilling = dynamic_cast<DrillingPage&>(bench.main().page(2));
    ASSERT_TRUE(drilling.userClick("SpeedButton18"));
    ASSERT_TRUE(drilling.userSelect("ComboBox21", kCarbideShellBoringTool));
    ASSERT_TRUE(drilling.userSelect("ComboBox23", 42)); // 60
    EXPECT_EQ(drilling.speedBar.max(), 40);
    ASSERT_TRUE(bench.main().page(0).userClick("SpeedButton9")); // milling group 5
    ASSERT_NE(bench.shell().state.vcMax, 40);
    ASSERT_TRUE(drilling.userSelect("ComboBox23", 43)); // 61.5: no speed entry
    EXPECT_EQ(drilling.speedBar.min(), 35);
    EXPECT_EQ(drilling.speedBar.max(), 40);
    EXPECT_EQ(drilling.speedMax.caption, "40");
    EXPECT_EQ(drilling.cuttingSpeed.text(), "37");
    EXPECT_TRUE(messages.entries.empty());
}

} // namespace
