// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "materials/material_dialog.h"
#include "milling/milling_page.h"
#include "shell/formulas.h"
#include "shell/messages.h"

#include "milling/milling_relations.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <string_view>
#include <vector>

using namespace zerbo;

namespace {

class MillingPageTest : public ::testing::Test {
  protected:
    MessageRecorder messages;
    HelpRecorder help;
    Shell shell{messages, help};
    CalcState& state = shell.state;
    MillingPage page{shell};

    void SetUp() override { page.startUp(); }

    double Num(const Field& f) const { return shell.numbers.parse(f.text()); }
    void Click(const Button& b) { ASSERT_TRUE(page.userClick(b.name())) << b.name(); }
    void Choose(const List& l, int index) {
        ASSERT_TRUE(page.userSelect(l.name(), index)) << l.name() << " " << index;
    }
    void Scroll(const Bar& b, int position) {
        ASSERT_TRUE(page.userScroll(b.name(), position)) << b.name() << " " << position;
    }
    Button& Group(int group) { return page.groupButtons.at(static_cast<size_t>(group - 1)); }
    // Fields, lists and labels, each with the text it should show.
    void ExpectShown(std::initializer_list<std::pair<const Control*, const char*>> shown) {
        for (const auto& [control, text] : shown) {
            if (const auto* f = dynamic_cast<const Field*>(control))
                EXPECT_EQ(f->text(), text) << f->name();
            else if (const auto* l = dynamic_cast<const List*>(control))
                EXPECT_EQ(l->text(), text) << l->name();
            else
                EXPECT_EQ(dynamic_cast<const Label&>(*control).caption, text) << control->name();
        }
    }
    void ExpectBar(const Bar& bar, int min, int max, int position) const {
        EXPECT_EQ(bar.min(), min) << bar.name();
        EXPECT_EQ(bar.max(), max) << bar.name();
        EXPECT_EQ(bar.position(), position) << bar.name();
    }

    // Every result follows from the inputs shown beside it.
    void ExpectConsistent() {
        for (const auto& fault : zerbo::testing::MillingRelationFaults(page))
            ADD_FAILURE() << fault;
    }
};

TEST_F(MillingPageTest, StartsWithHssToolTypeOneGroupOneAndAllResults) {
    EXPECT_TRUE(messages.entries.empty());
    for (const Button* b : {&page.hssButton, &Group(1), &page.normalButton})
        EXPECT_TRUE(b->down()) << b->name();
    EXPECT_EQ(state.millingMaterialGroup, 1);
    EXPECT_EQ(state.activeMaterialGroup, 1);
    EXPECT_EQ(state.forceDialogMode, 1);
    EXPECT_EQ(state.speedIncreasePercent, 50);
    EXPECT_EQ(state.lengthReduction, 0);
    EXPECT_EQ(page.toolList.index(), 0);
    ExpectShown({{&page.coatingList, "HSS/Co unbeschichtet"},
                 {&page.teethList, "2"},
                 {&page.diameterList, "2"},
                 {&page.results.kc, "1240"},
                 {&page.cuttingSpeed, "28"},
                 {&page.toothFeed, "0.004"},
                 {&page.results.spindleSpeed, "4456,33840657307"},
                 {&page.width, "2"},
                 {&page.depth, "1"},
                 {&page.engagementAngle, "180"},
                 {&page.settingAngle, "90"},
                 {&page.chipThickness, "0,00254666666666667"},
                 {&page.speedIncrease, "50%"},
                 {&page.speedMin, "25"},
                 {&page.speedMax, "32"},
                 {&page.widthMax, "2"},
                 {&page.chipThicknessMax, "1"},
                 {&page.depthMax, "125"}});
    ExpectConsistent();
    ExpectBar(page.speedBar, 25, 32, 28);
    EXPECT_TRUE(page.speedBar.enabled);
    ExpectBar(page.widthBar, 0, 20, 20);
    EXPECT_EQ(page.chipThicknessBar.position(), 25);
    ExpectBar(page.depthBar, 0, 125, 1);
    EXPECT_TRUE(page.depthBar.vertical);
    for (int g = 8; g <= 11; ++g)
        EXPECT_FALSE(Group(g).enabled) << g;
    EXPECT_FALSE(page.speedIncrease.visible);
    EXPECT_FALSE(page.speedIncreaseCaption.visible);
    EXPECT_TRUE(page.normalButton.visible);
    EXPECT_FALSE(page.engagementAngle.visible);
    ASSERT_FALSE(page.groupText.lines.empty());
    EXPECT_EQ(page.groupText.lines.front(), "Bau-, Einsatz-, Nitrier-, Automaten-,");
}

TEST_F(MillingPageTest, CoatingChangeShowsTheRecentredSpeed) {
    Choose(page.coatingList, 1); // TiN: table 42, range 38..48
    EXPECT_EQ(page.cuttingSpeed.text(), "43");
    EXPECT_EQ(page.speedBar.position(), 43);
    EXPECT_EQ(page.speedMin.caption, "38");
    EXPECT_EQ(page.speedMax.caption, "48");
    EXPECT_EQ(page.toothFeed.text(), "0.004");
    ExpectConsistent();
}

TEST_F(MillingPageTest, TeethAndDiameterKeepTheTableSpeed) {
    Choose(page.coatingList, 1);
    Choose(page.teethList, 1);
    EXPECT_EQ(page.cuttingSpeed.text(), "42");
    ExpectConsistent();

    Choose(page.diameterList, 5); // D 12
    EXPECT_EQ(page.cuttingSpeed.text(), "42");
    EXPECT_EQ(page.toothFeed.text(), "0.05");
    EXPECT_EQ(page.widthMax.caption, "12");
    EXPECT_EQ(page.widthBar.max(), 120);
    EXPECT_EQ(page.width.text(), "12");
    EXPECT_EQ(page.depth.text(), "6"); // 0.5 × D
    // ae = D: engagement 180°, hm = 114.6·fz/180.
    EXPECT_EQ(page.engagementAngle.text(), "180");
    EXPECT_NEAR(Num(page.chipThickness), 114.6 * 0.05 / 180, 1e-15);
    ExpectConsistent();
}

TEST_F(MillingPageTest, GroupPressLooksUpWithThePreviousCoatingThenRefillsTheList) {
    Choose(page.coatingList, 2); // TiCN
    Click(Group(2));
    // Looked up with TiCN (range 40..60, re-centred to 50); the list is
    // rebuilt afterwards without a second lookup.
    EXPECT_EQ(page.coatingList.index(), 0);
    EXPECT_EQ(state.vcMin, 40);
    EXPECT_EQ(state.vcMax, 60);
    EXPECT_EQ(page.cuttingSpeed.text(), "50");
    EXPECT_EQ(state.activeMaterialGroup, 2);
    EXPECT_EQ(state.millingMaterialGroup, 2);
    EXPECT_EQ(page.groupText.lines.front(), "Chemisch beständige und warmfeste Stähle");
    ExpectConsistent();
}

TEST_F(MillingPageTest, DepthOfCutPicksTheCutterLength) {
    Choose(page.diameterList, 8); // D 30: ap default 15
    Scroll(page.depthBar, 45);
    EXPECT_EQ(page.depth.text(), "45");
    EXPECT_TRUE(page.normalButton.down());
    EXPECT_EQ(page.cuttingSpeed.text(), "28");

    Scroll(page.depthBar, 46);
    EXPECT_TRUE(page.longButton.down());
    EXPECT_FALSE(page.normalButton.down());
    EXPECT_DOUBLE_EQ(state.lengthReduction, 2.0 / 3.0);
    // Range 25..32 reduced by a third: 8..11, re-centred to 9.
    EXPECT_EQ(page.speedMin.caption, "8");
    EXPECT_EQ(page.speedMax.caption, "11");
    EXPECT_EQ(page.cuttingSpeed.text(), "9");
    ExpectConsistent();

    Scroll(page.depthBar, 76);
    EXPECT_TRUE(page.extraLongButton.down());
    EXPECT_DOUBLE_EQ(state.lengthReduction, 0.75);
    EXPECT_EQ(page.speedMin.caption, "6"); // 6.25
    EXPECT_EQ(page.speedMax.caption, "8");
    EXPECT_EQ(page.cuttingSpeed.text(), "7");

    Scroll(page.depthBar, 10);
    EXPECT_TRUE(page.normalButton.down());
    EXPECT_EQ(page.cuttingSpeed.text(), "28");
    EXPECT_EQ(page.depth.text(), "10");
    ExpectConsistent();
}

TEST_F(MillingPageTest, CutterLengthButtonsReduceTheRange) {
    Click(page.extraLongButton);
    EXPECT_DOUBLE_EQ(state.lengthReduction, 0.75);
    EXPECT_EQ(page.cuttingSpeed.text(), "7");
    EXPECT_EQ(page.speedBar.min(), 6);
    EXPECT_EQ(page.speedBar.max(), 8);
    ExpectConsistent();
    // A tool-type change goes back to "Normal".
    Choose(page.toolList, 1);
    EXPECT_TRUE(page.normalButton.down());
    EXPECT_EQ(state.lengthReduction, 0);
}

TEST_F(MillingPageTest, SpeedBarWritesWholeNumbers) {
    Scroll(page.speedBar, 31);
    EXPECT_EQ(page.cuttingSpeed.text(), "31");
    ExpectConsistent();
    Scroll(page.speedBar, 99); // clamped to the range
    EXPECT_EQ(page.cuttingSpeed.text(), "32");
}

TEST_F(MillingPageTest, IndexableInsertsHideTheLengthAndOfferTheIncrease) {
    Click(page.wpButton);
    EXPECT_EQ(state.millingCuttingMaterial, 2);
    EXPECT_EQ(page.toolList.text(), "Wendeplattenfräser (Fräsbreite 100%)");
    EXPECT_FALSE(page.normalButton.visible);
    EXPECT_FALSE(page.extraLongButton.visible);
    EXPECT_EQ(page.depth.text(), "8");
    EXPECT_EQ(page.depthMax.caption, "16");
    EXPECT_EQ(page.groupText.lines.front(), "Bau-, Einsatz-, Nitrier-, Automaten-,");
    // No cutter length for WP: ap changes nothing.
    Scroll(page.depthBar, 16);
    EXPECT_TRUE(page.normalButton.down());
    EXPECT_EQ(state.lengthReduction, 0);

    Click(Group(5));
    EXPECT_TRUE(page.speedIncrease.visible);
    EXPECT_TRUE(page.speedIncreaseDown.visible);
    EXPECT_TRUE(page.speedIncreaseCaption.visible);
    EXPECT_EQ(page.speedIncrease.text(), "50%");
    EXPECT_EQ(page.coatingList.count(), 4);

    // At 50 the down arrow does nothing, not even a lookup.
    page.cuttingSpeed.setText("untouched");
    Click(page.speedIncreaseDown);
    EXPECT_EQ(state.speedIncreasePercent, 50);
    EXPECT_EQ(page.cuttingSpeed.text(), "untouched");

    Click(page.speedIncreaseUp);
    EXPECT_EQ(state.speedIncreasePercent, 51);
    EXPECT_EQ(page.speedIncrease.text(), "51%");
    EXPECT_EQ(page.cuttingSpeed.text(), "249,15");
    EXPECT_EQ(state.vcMin, 171);
    EXPECT_EQ(state.vcMax, 312);
    for (int i = 0; i < 60; ++i)
        Click(page.speedIncreaseUp);
    EXPECT_EQ(state.speedIncreasePercent, 100);
    EXPECT_EQ(page.speedIncrease.text(), "100%");
    EXPECT_EQ(page.cuttingSpeed.text(), "330");

    Click(Group(6));
    EXPECT_FALSE(page.speedIncrease.visible);
    EXPECT_EQ(page.speedIncrease.text(), "100%");
    Click(page.hssButton);
    EXPECT_FALSE(page.speedIncrease.visible);
    EXPECT_TRUE(page.normalButton.visible);
}

TEST_F(MillingPageTest, CermetInGroupFourShowsTheNotice) {
    Click(page.wpButton);
    Click(Group(4));
    EXPECT_TRUE(messages.entries.empty());
    Choose(page.coatingList, 3);
    ASSERT_EQ(page.coatingList.text(), "Cermet");
    ASSERT_FALSE(messages.entries.empty());
    EXPECT_FALSE(messages.entries.back().isError);
    EXPECT_EQ(messages.entries.back().text, "Cermet bei CrNi-Werkstoffen nur bedingt einsetzbar");
    // Every lookup repeats it.
    const size_t before = messages.entries.size();
    Choose(page.teethList, 1);
    EXPECT_EQ(messages.entries.size(), before + 1);
    // Not in another group, although that lookup still sees position 3.
    Click(Group(3));
    Choose(page.coatingList, 3);
    EXPECT_EQ(messages.entries.size(), before + 1);
}

TEST_F(MillingPageTest, SolidCarbideEnablesGroupsEightToElevenAndHssFallsBack) {
    Click(page.vhmButton);
    EXPECT_EQ(state.millingGroupSet, 2);
    EXPECT_EQ(state.forceDialogMode, 2);
    for (int g = 8; g <= 11; ++g)
        EXPECT_TRUE(Group(g).enabled) << g;
    EXPECT_EQ(Group(4).hint, "Gut zerspanbare, rostfreie Stähle bis 700 N/mm2");
    EXPECT_EQ(Group(8).hint, "Guß über 200 HB");
    EXPECT_EQ(page.toolList.text(), "LL-Schlichtfr. Typ N (Fräsbreite 100%)");

    Click(Group(9));
    EXPECT_EQ(state.activeMaterialGroup, 9);
    EXPECT_EQ(page.groupText.lines.front(), "Alu-Guß bis 6% Si,");

    Click(page.hssButton);
    EXPECT_EQ(state.millingMaterialGroup, 1);
    EXPECT_EQ(state.activeMaterialGroup, 1);
    EXPECT_TRUE(Group(1).down());
    EXPECT_FALSE(Group(9).down());
    for (int g = 8; g <= 11; ++g)
        EXPECT_FALSE(Group(g).enabled) << g;
    EXPECT_EQ(Group(4).hint, "Schwer zerspanbares Material, Ti- und Ni-Leg.");
    EXPECT_EQ(Group(8).hint, "Keine Belegung");
    EXPECT_EQ(page.cuttingSpeed.text(), "28");
    EXPECT_EQ(page.toothFeed.text(), "0.004");
    EXPECT_TRUE(messages.entries.empty());
}

TEST_F(MillingPageTest, SolidCarbideHardMaterialsGetFourTeeth) {
    Click(page.vhmButton);
    Click(Group(11));
    EXPECT_EQ(page.teethList.items(), (std::vector<std::string>{"2", "3", "4"}));
    EXPECT_EQ(page.coatingList.count(), 2);
    // D 4 has no feed in group 11: engagement and power stay out.
    EXPECT_EQ(page.toothFeed.text(), "");
    Choose(page.diameterList, 1);
    EXPECT_EQ(page.toothFeed.text(), "0.007");
    ExpectConsistent();
}

TEST_F(MillingPageTest, FaceMillUsesFortyFiveDegrees) {
    Click(page.wpButton);
    Choose(page.toolList, 5);
    EXPECT_EQ(page.settingAngle.text(), "45");
    EXPECT_EQ(page.depth.text(), "3");
    const double d = 50;
    EXPECT_NEAR(Num(page.chipThickness), std::sin(45 * kPi / 180) * 114.6 * 0.2 * d / (180 * d),
                1e-15);
    Scroll(page.widthBar, 250);
    EXPECT_EQ(page.settingAngle.text(), "45");
    EXPECT_EQ(page.width.text(), "25");
    EXPECT_EQ(page.engagementAngle.text(), "60");
}

TEST_F(MillingPageTest, ScaledPositionsRoundHalfToEven) {
    Click(page.wpButton);
    Choose(page.toolList, 4);     // 90° shell mill, 75 %
    Choose(page.diameterList, 2); // D 63: ae 47.25
    EXPECT_EQ(page.width.text(), "47,25");
    EXPECT_EQ(page.widthBar.position(), 472);
    EXPECT_EQ(page.widthBar.max(), 630);

    Click(page.vhmButton);
    Choose(page.toolList, 4);     // HSC, ap = 0.25 × D
    Choose(page.diameterList, 0); // D 6: ap 1.5
    EXPECT_EQ(page.depth.text(), "1,5");
    EXPECT_EQ(page.depthBar.position(), 2);
    Choose(page.diameterList, 3); // D 12: ap 3
    EXPECT_EQ(page.depthBar.position(), 3);
    Choose(page.diameterList, 2); // D 10: ap 2.5
    EXPECT_EQ(page.depthBar.position(), 2);
}

TEST_F(MillingPageTest, WidthBarKeepsTheFeedAndChangesOnlyTheEngagement) {
    Choose(page.toolList, 1);     // end mill, ae = 0.5 × D
    Choose(page.diameterList, 4); // D 12
    const std::string vc = page.cuttingSpeed.text(), n = page.results.spindleSpeed.text(),
                      vf = page.results.feedRate.text();
    const std::string hmBefore = page.chipThickness.text(),
                      qBefore = page.results.removalRate.text();
    Scroll(page.widthBar, 33);
    EXPECT_EQ(page.width.text(), "3,3");
    EXPECT_EQ(page.cuttingSpeed.text(), vc);
    EXPECT_EQ(page.results.spindleSpeed.text(), n);
    EXPECT_EQ(page.results.feedRate.text(), vf);
    EXPECT_NE(page.chipThickness.text(), hmBefore);
    EXPECT_NE(page.results.removalRate.text(), qBefore);
    EXPECT_EQ(page.chipThicknessCopy.text(), page.chipThickness.text());
    ASSERT_EQ(page.teethList.text(), "3");
    EXPECT_NEAR(Num(page.toothFeed),
                Num(page.results.feedRate) / (3 * Num(page.results.spindleSpeed)), 1e-15);
    EXPECT_NEAR(Num(page.engagementAngle), EngagementAngle(12, 3.3), 1e-12);
    EXPECT_EQ(page.chipThicknessBar.position(), std::lround(Num(page.chipThickness) * 10000));
    ExpectConsistent();

    Scroll(page.widthBar, 0);
    EXPECT_EQ(page.width.text(), "0");
    EXPECT_EQ(page.engagementAngle.text(), "0");
    EXPECT_EQ(page.chipThickness.text(), "0");
    EXPECT_EQ(page.toothFeed.text(), "0");
    EXPECT_EQ(page.results.removalRate.text(), "0");
}

TEST_F(MillingPageTest, ChipThicknessBarGivesTheFeed) {
    Choose(page.diameterList, 4);       // D 10
    Scroll(page.chipThicknessBar, 100); // hm 0.01 mm
    EXPECT_EQ(page.chipThickness.text(), "0,01");
    // ae = D: fz = hm·180/114.6
    EXPECT_NEAR(Num(page.toothFeed), 0.01 * 180 / 114.6, 1e-15);
    ExpectConsistent();
}

TEST_F(MillingPageTest, ChipThicknessBarWithoutEngagementOnlyWritesHm) {
    Scroll(page.widthBar, 0);
    const std::string n = page.results.spindleSpeed.text(), vf = page.results.feedRate.text();
    Scroll(page.chipThicknessBar, 200);
    EXPECT_EQ(page.chipThickness.text(), "0,02");
    EXPECT_EQ(page.toothFeed.text(), "0");
    EXPECT_EQ(page.results.spindleSpeed.text(), n);
    EXPECT_EQ(page.results.feedRate.text(), vf);
    EXPECT_TRUE(messages.entries.empty());
}

TEST_F(MillingPageTest, WidthBarWithoutSpindleSpeedLeavesHmAndFeed) {
    // Roughing cutters in group 11 have the range 0..0.
    Click(page.vhmButton);
    Choose(page.toolList, 2);
    Click(Group(11));
    EXPECT_EQ(state.vcMin, 0);
    EXPECT_EQ(state.vcMax, 0);
    EXPECT_EQ(page.cuttingSpeed.text(), "");
    EXPECT_EQ(page.results.spindleSpeed.text(), "0");
    const std::string hm = page.chipThickness.text(), fz = page.toothFeed.text();
    const int hmPosition = page.chipThicknessBar.position();
    Scroll(page.widthBar, 30);
    EXPECT_EQ(page.width.text(), "3");
    EXPECT_EQ(page.chipThickness.text(), hm);
    EXPECT_EQ(page.toothFeed.text(), fz);
    EXPECT_EQ(page.chipThicknessBar.position(), hmPosition);
    EXPECT_EQ(page.results.removalRate.text(), "0");
    EXPECT_TRUE(messages.entries.empty());
}

TEST_F(MillingPageTest, WidthBarAfterAGroupPressStaysWithinTheNewDiameter) {
    Click(page.vhmButton);
    Choose(page.diameterList, 6); // D 20
    EXPECT_EQ(page.widthBar.max(), 200);
    Click(Group(2)); // refills the sizes: D 4, with its engagement
    EXPECT_EQ(page.diameterList.text(), "4");
    EXPECT_EQ(page.widthBar.max(), 40);
    Scroll(page.widthBar, 150);
    EXPECT_EQ(page.widthBar.max(), 40);
    EXPECT_EQ(page.widthBar.position(), 40);
    EXPECT_EQ(page.width.text(), "4");
    EXPECT_EQ(page.engagementAngle.text(), "180");
    EXPECT_EQ(page.widthMax.caption, "4");
}

TEST_F(MillingPageTest, AluminiumHscCutterKeepsThePreviousData) {
    Click(page.vhmButton);
    Choose(page.toolList, 4);
    const std::string vc = page.cuttingSpeed.text(), fz = page.toothFeed.text();
    const int lo = state.vcMin, hi = state.vcMax;
    Choose(page.toolList, 5);
    EXPECT_EQ(state.vcMin, lo);
    EXPECT_EQ(state.vcMax, hi);
    EXPECT_EQ(page.toothFeed.text(), fz);
    EXPECT_EQ(page.coatingList.count(), 2);
    // ap default 0.7 × D
    EXPECT_EQ(page.cuttingSpeed.text(), vc);
    EXPECT_EQ(page.depth.text(), "4,2");
}

TEST_F(MillingPageTest, PreciseMaterialHandsItsKcToThePage) {
    PreciseMaterialDialog dialog{shell};
    Click(Group(2)); // grades "2C60 (Ck60)" ...: 1835 × 0.8
    EXPECT_EQ(page.results.kc.text(), "1468");
    ExpectConsistent();
    Click(page.materialButton);
    EXPECT_TRUE(dialog.visible());
    Click(Group(5)); // "Keine Werte vorh."
    EXPECT_EQ(page.results.kc.text(), "0");
    EXPECT_EQ(page.results.power.text(), "0");
}

TEST_F(MillingPageTest, ConversionFailuresShowTheStepsMessages) {
    page.results.kc.setText("12x");
    Scroll(page.depthBar, 5);
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_TRUE(messages.entries[0].isError);
    EXPECT_EQ(messages.entries[0].text, kDecimalErrorText);

    page.toothFeed.setText("0,0,4");
    page.RecomputeSpeedAndFeed();
    ASSERT_EQ(messages.entries.size(), 2u);
    EXPECT_EQ(messages.entries[1].text, "Tabelle Exept ausgeloest");
}

TEST_F(MillingPageTest, HintsOfThePage) {
    page.assignHints();
    EXPECT_EQ(page.cuttingSpeed.hint, "Schnittgeschwindigkeit in mm pro Minute");
    EXPECT_EQ(page.materialButton.hint, "Werkstoffauswahl");
    EXPECT_EQ(page.results.power.hint, "Erforderliche Maschinenleistung Pe in Kilowatt");
    EXPECT_EQ(page.longButton.hint, "Fräserschneidenlänge > 45 und <= 75 mm");
    EXPECT_EQ(Group(1).hint, "Bau-,Einsatz-,Nitrier-,Automaten-,Vergütungsstähle");
    EXPECT_EQ(Group(11).hint, "Keine Belegung");
    EXPECT_TRUE(page.hasAdvisor());
    EXPECT_EQ(page.materialGroup(), 1);
}

} // namespace
