// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "materials/material_dialog.h"
#include "milling/milling_page.h"
#include "shell/formulas.h"
#include "shell/messages.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
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
    double Num(std::string_view name) const { return Num(page.get<Field>(name)); }
    std::string Text(std::string_view name) const { return page.get<Field>(name).text(); }
    std::string Caption(std::string_view name) const { return page.get<Label>(name).caption; }
    const Bar& BarOf(std::string_view name) const { return page.get<Bar>(name); }
    bool Down(std::string_view name) const { return page.get<Button>(name).down(); }

    void Click(std::string_view name) { ASSERT_TRUE(page.userClick(name)) << name; }
    void Choose(std::string_view name, int index) {
        ASSERT_TRUE(page.userSelect(name, index)) << name << " " << index;
    }
    void Scroll(std::string_view name, int position) {
        ASSERT_TRUE(page.userScroll(name, position)) << name << " " << position;
    }
    // Material group button "1".."11".
    static std::string GroupButton(int group) {
        static const char* names[] = {"SpeedButton5",  "SpeedButton6",  "SpeedButton7",
                                      "SpeedButton8",  "SpeedButton9",  "SpeedButton10",
                                      "SpeedButton16", "SpeedButton47", "SpeedButton48",
                                      "SpeedButton49", "SpeedButton50"};
        return names[group - 1];
    }

    // n and Vf as the page derives them from the Vc shown, D, fz and z.
    void ExpectSpeedAndFeedConsistent() {
        const double d = shell.numbers.parse(page.diameterList.text());
        const double z = shell.numbers.parse(page.teethList.text());
        const double speed = SpindleSpeed(d, Num("Edit9"));
        EXPECT_NEAR(Num("Edit6"), speed, speed * 1e-12);
        EXPECT_NEAR(Num("Edit5"), z * Num("Edit8") * speed, speed * 1e-12);
    }
    void ExpectPowerConsistent() {
        const double removal = Num("Edit12") * Num("Edit14") * Num("Edit5") / 1000;
        EXPECT_NEAR(Num("Edit11"), removal, removal * 1e-12 + 1e-15);
        EXPECT_NEAR(Num("Edit10"), Num("Edit11") * Num("Edit13") / 42000, 1e-12);
    }
};

TEST_F(MillingPageTest, StartsWithHssToolTypeOneGroupOneAndAllResults) {
    EXPECT_TRUE(messages.entries.empty());
    EXPECT_TRUE(Down("SpeedButton20"));
    EXPECT_EQ(page.toolList.index(), 0);
    EXPECT_EQ(page.coatingList.text(), "HSS/Co unbeschichtet");
    EXPECT_EQ(page.teethList.text(), "2");
    EXPECT_EQ(page.diameterList.text(), "2");
    EXPECT_TRUE(Down("SpeedButton5"));
    EXPECT_TRUE(Down("SpeedButton1"));
    EXPECT_EQ(state.millingMaterialGroup, 1);
    EXPECT_EQ(state.activeMaterialGroup, 1);
    EXPECT_EQ(state.forceDialogMode, 1);
    EXPECT_EQ(state.speedIncreasePercent, 50);
    EXPECT_EQ(state.lengthReduction, 0);

    EXPECT_EQ(Text("Edit13"), "1240");
    EXPECT_EQ(Text("Edit9"), "28");
    EXPECT_EQ(Text("Edit8"), "0.004");
    EXPECT_EQ(Text("Edit6"), "4456,33840657307");
    EXPECT_EQ(Text("Edit14"), "2");
    EXPECT_EQ(Text("Edit12"), "1");
    EXPECT_EQ(Text("Edit3"), "180");
    EXPECT_EQ(Text("Edit1"), "90");
    EXPECT_EQ(Text("Edit4"), "0,00254666666666667");
    ExpectSpeedAndFeedConsistent();
    ExpectPowerConsistent();

    EXPECT_EQ(Caption("Label29"), "25");
    EXPECT_EQ(Caption("Label30"), "32");
    EXPECT_EQ(Caption("Label2"), "2");
    EXPECT_EQ(Caption("Label11"), "1");
    EXPECT_EQ(Caption("Label40"), "125");
    EXPECT_EQ(BarOf("ScrollBar2").min(), 25);
    EXPECT_EQ(BarOf("ScrollBar2").max(), 32);
    EXPECT_EQ(BarOf("ScrollBar2").position(), 28);
    EXPECT_TRUE(BarOf("ScrollBar2").enabled);
    EXPECT_EQ(BarOf("ScrollBar1").max(), 20);
    EXPECT_EQ(BarOf("ScrollBar1").position(), 20);
    EXPECT_EQ(BarOf("ScrollBar4").position(), 25);
    EXPECT_EQ(BarOf("ScrollBar3").max(), 125);
    EXPECT_EQ(BarOf("ScrollBar3").position(), 1);
    EXPECT_TRUE(BarOf("ScrollBar3").vertical);

    for (int g = 8; g <= 11; ++g)
        EXPECT_FALSE(page.get<Button>(GroupButton(g)).enabled) << g;
    EXPECT_FALSE(page.speedIncrease.visible);
    EXPECT_FALSE(page.speedIncreaseCaption.visible);
    EXPECT_EQ(Text("Edit7"), "50%");
    EXPECT_TRUE(page.normalButton.visible);
    EXPECT_FALSE(page.engagementAngle.visible);
    ASSERT_FALSE(page.groupText.lines.empty());
    EXPECT_EQ(page.groupText.lines.front(), "Bau-, Einsatz-, Nitrier-, Automaten-,");
}

TEST_F(MillingPageTest, CoatingChangeShowsTheRecentredSpeed) {
    Choose("ComboBox7", 1); // TiN: table 42, range 38..48
    EXPECT_EQ(Text("Edit9"), "43");
    EXPECT_EQ(BarOf("ScrollBar2").position(), 43);
    EXPECT_EQ(Caption("Label29"), "38");
    EXPECT_EQ(Caption("Label30"), "48");
    EXPECT_EQ(Text("Edit8"), "0.004");
    ExpectSpeedAndFeedConsistent();
    ExpectPowerConsistent();
}

TEST_F(MillingPageTest, TeethAndDiameterKeepTheTableSpeed) {
    Choose("ComboBox7", 1);
    Choose("ComboBox6", 1);
    EXPECT_EQ(Text("Edit9"), "42");
    ExpectSpeedAndFeedConsistent();
    ExpectPowerConsistent();

    Choose("ComboBox8", 5); // D 12
    EXPECT_EQ(Text("Edit9"), "42");
    EXPECT_EQ(Text("Edit8"), "0.05");
    EXPECT_EQ(Caption("Label2"), "12");
    EXPECT_EQ(BarOf("ScrollBar1").max(), 120);
    EXPECT_EQ(Text("Edit14"), "12");
    EXPECT_EQ(Text("Edit12"), "6"); // 0.5 × D
    // ae = D: engagement 180°, hm = 114.6·fz/180.
    EXPECT_EQ(Text("Edit3"), "180");
    EXPECT_NEAR(Num("Edit4"), 114.6 * 0.05 / 180, 1e-15);
    ExpectSpeedAndFeedConsistent();
    ExpectPowerConsistent();
}

TEST_F(MillingPageTest, GroupPressLooksUpWithThePreviousCoatingThenRefillsTheList) {
    Choose("ComboBox7", 2); // TiCN
    Click(GroupButton(2));
    // Looked up with TiCN (range 40..60, re-centred to 50); the list is
    // rebuilt afterwards without a second lookup.
    EXPECT_EQ(page.coatingList.index(), 0);
    EXPECT_EQ(state.vcMin, 40);
    EXPECT_EQ(state.vcMax, 60);
    EXPECT_EQ(Text("Edit9"), "50");
    EXPECT_EQ(state.activeMaterialGroup, 2);
    EXPECT_EQ(state.millingMaterialGroup, 2);
    EXPECT_EQ(page.groupText.lines.front(), "Chemisch beständige und warmfeste Stähle");
    ExpectSpeedAndFeedConsistent();
    ExpectPowerConsistent();
}

TEST_F(MillingPageTest, DepthOfCutPicksTheCutterLength) {
    Choose("ComboBox8", 8); // D 30: ap default 15
    Scroll("ScrollBar3", 45);
    EXPECT_EQ(Text("Edit12"), "45");
    EXPECT_TRUE(Down("SpeedButton1"));
    EXPECT_EQ(Text("Edit9"), "28");

    Scroll("ScrollBar3", 46);
    EXPECT_TRUE(Down("SpeedButton2"));
    EXPECT_FALSE(Down("SpeedButton1"));
    EXPECT_DOUBLE_EQ(state.lengthReduction, 2.0 / 3.0);
    // Range 25..32 reduced by a third: 8..11, re-centred to 9.
    EXPECT_EQ(Caption("Label29"), "8");
    EXPECT_EQ(Caption("Label30"), "11");
    EXPECT_EQ(Text("Edit9"), "9");
    ExpectSpeedAndFeedConsistent();
    ExpectPowerConsistent();

    Scroll("ScrollBar3", 76);
    EXPECT_TRUE(Down("SpeedButton3"));
    EXPECT_DOUBLE_EQ(state.lengthReduction, 0.75);
    EXPECT_EQ(Caption("Label29"), "6"); // 6.25
    EXPECT_EQ(Caption("Label30"), "8");
    EXPECT_EQ(Text("Edit9"), "7");

    Scroll("ScrollBar3", 10);
    EXPECT_TRUE(Down("SpeedButton1"));
    EXPECT_EQ(Text("Edit9"), "28");
    EXPECT_EQ(Text("Edit12"), "10");
    ExpectPowerConsistent();
}

TEST_F(MillingPageTest, CutterLengthButtonsReduceTheRange) {
    Click("SpeedButton3");
    EXPECT_DOUBLE_EQ(state.lengthReduction, 0.75);
    EXPECT_EQ(Text("Edit9"), "7");
    EXPECT_EQ(BarOf("ScrollBar2").min(), 6);
    EXPECT_EQ(BarOf("ScrollBar2").max(), 8);
    ExpectSpeedAndFeedConsistent();
    // A tool-type change goes back to "Normal".
    Choose("ComboBox5", 1);
    EXPECT_TRUE(Down("SpeedButton1"));
    EXPECT_EQ(state.lengthReduction, 0);
}

TEST_F(MillingPageTest, SpeedBarWritesWholeNumbers) {
    Scroll("ScrollBar2", 31);
    EXPECT_EQ(Text("Edit9"), "31");
    ExpectSpeedAndFeedConsistent();
    ExpectPowerConsistent();
    Scroll("ScrollBar2", 99); // clamped to the range
    EXPECT_EQ(Text("Edit9"), "32");
}

TEST_F(MillingPageTest, IndexableInsertsHideTheLengthAndOfferTheIncrease) {
    Click("SpeedButton21");
    EXPECT_EQ(state.millingCuttingMaterial, 2);
    EXPECT_EQ(page.toolList.text(), "Wendeplattenfräser (Fräsbreite 100%)");
    EXPECT_FALSE(page.normalButton.visible);
    EXPECT_FALSE(page.extraLongButton.visible);
    EXPECT_EQ(Text("Edit12"), "8");
    EXPECT_EQ(Caption("Label40"), "16");
    EXPECT_EQ(page.groupText.lines.front(), "Bau-, Einsatz-, Nitrier-, Automaten-,");
    // No cutter length for WP: ap changes nothing.
    Scroll("ScrollBar3", 16);
    EXPECT_TRUE(Down("SpeedButton1"));
    EXPECT_EQ(state.lengthReduction, 0);

    Click(GroupButton(5));
    EXPECT_TRUE(page.speedIncrease.visible);
    EXPECT_TRUE(page.speedIncreaseDown.visible);
    EXPECT_TRUE(page.speedIncreaseCaption.visible);
    EXPECT_EQ(Text("Edit7"), "50%");
    EXPECT_EQ(page.coatingList.count(), 4);

    // At 50 the down arrow does nothing, not even a lookup.
    page.cuttingSpeed.setText("untouched");
    Click("SpeedButton14");
    EXPECT_EQ(state.speedIncreasePercent, 50);
    EXPECT_EQ(Text("Edit9"), "untouched");

    Click("SpeedButton15");
    EXPECT_EQ(state.speedIncreasePercent, 51);
    EXPECT_EQ(Text("Edit7"), "51%");
    EXPECT_EQ(Text("Edit9"), "249,15");
    EXPECT_EQ(state.vcMin, 171);
    EXPECT_EQ(state.vcMax, 312);
    for (int i = 0; i < 60; ++i)
        Click("SpeedButton15");
    EXPECT_EQ(state.speedIncreasePercent, 100);
    EXPECT_EQ(Text("Edit7"), "100%");
    EXPECT_EQ(Text("Edit9"), "330");

    Click(GroupButton(6));
    EXPECT_FALSE(page.speedIncrease.visible);
    EXPECT_EQ(Text("Edit7"), "100%");
    Click("SpeedButton20");
    EXPECT_FALSE(page.speedIncrease.visible);
    EXPECT_TRUE(page.normalButton.visible);
}

TEST_F(MillingPageTest, CermetInGroupFourShowsTheNotice) {
    Click("SpeedButton21");
    Click(GroupButton(4));
    EXPECT_TRUE(messages.entries.empty());
    Choose("ComboBox7", 3);
    ASSERT_EQ(page.coatingList.text(), "Cermet");
    ASSERT_FALSE(messages.entries.empty());
    EXPECT_FALSE(messages.entries.back().isError);
    EXPECT_EQ(messages.entries.back().text, "Cermet bei CrNi-Werkstoffen nur bedingt einsetzbar");
    // Every lookup repeats it.
    const size_t before = messages.entries.size();
    Choose("ComboBox6", 1);
    EXPECT_EQ(messages.entries.size(), before + 1);
    // Not in another group, although that lookup still sees position 3.
    Click(GroupButton(3));
    Choose("ComboBox7", 3);
    EXPECT_EQ(messages.entries.size(), before + 1);
}

TEST_F(MillingPageTest, SolidCarbideEnablesGroupsEightToElevenAndHssFallsBack) {
    Click("SpeedButton25");
    EXPECT_EQ(state.millingGroupSet, 2);
    EXPECT_EQ(state.forceDialogMode, 2);
    for (int g = 8; g <= 11; ++g)
        EXPECT_TRUE(page.get<Button>(GroupButton(g)).enabled) << g;
    EXPECT_EQ(page.get<Button>(GroupButton(4)).hint,
              "Gut zerspanbare, rostfreie Stähle bis 700 N/mm2");
    EXPECT_EQ(page.get<Button>(GroupButton(8)).hint, "Guß über 200 HB");
    EXPECT_EQ(page.toolList.text(), "LL-Schlichtfr. Typ N (Fräsbreite 100%)");

    Click(GroupButton(9));
    EXPECT_EQ(state.activeMaterialGroup, 9);
    EXPECT_EQ(page.groupText.lines.front(), "Alu-Guß bis 6% Si,");

    Click("SpeedButton20");
    EXPECT_EQ(state.millingMaterialGroup, 1);
    EXPECT_EQ(state.activeMaterialGroup, 1);
    EXPECT_TRUE(Down(GroupButton(1)));
    EXPECT_FALSE(Down(GroupButton(9)));
    for (int g = 8; g <= 11; ++g)
        EXPECT_FALSE(page.get<Button>(GroupButton(g)).enabled) << g;
    EXPECT_EQ(page.get<Button>(GroupButton(4)).hint,
              "Schwer zerspanbares Material, Ti- und Ni-Leg.");
    EXPECT_EQ(page.get<Button>(GroupButton(8)).hint, "Keine Belegung");
    EXPECT_EQ(Text("Edit9"), "28");
    EXPECT_EQ(Text("Edit8"), "0.004");
    EXPECT_TRUE(messages.entries.empty());
}

TEST_F(MillingPageTest, SolidCarbideHardMaterialsGetFourTeeth) {
    Click("SpeedButton25");
    Click(GroupButton(11));
    EXPECT_EQ(page.teethList.items(), (std::vector<std::string>{"2", "3", "4"}));
    EXPECT_EQ(page.coatingList.count(), 2);
    // D 4 has no feed in group 11: engagement and power stay out.
    EXPECT_EQ(Text("Edit8"), "");
    Choose("ComboBox8", 1);
    EXPECT_EQ(Text("Edit8"), "0.007");
    ExpectSpeedAndFeedConsistent();
}

TEST_F(MillingPageTest, FaceMillUsesFortyFiveDegrees) {
    Click("SpeedButton21");
    Choose("ComboBox5", 5);
    EXPECT_EQ(Text("Edit1"), "45");
    EXPECT_EQ(Text("Edit12"), "3");
    const double d = 50;
    EXPECT_NEAR(Num("Edit4"), std::sin(45 * kPi / 180) * 114.6 * 0.2 * d / (180 * d), 1e-15);
    Scroll("ScrollBar1", 250);
    EXPECT_EQ(Text("Edit1"), "45");
    EXPECT_EQ(Text("Edit14"), "25");
    EXPECT_EQ(Text("Edit3"), "60");
}

TEST_F(MillingPageTest, ScaledPositionsRoundHalfToEven) {
    Click("SpeedButton21");
    Choose("ComboBox5", 4); // 90° shell mill, 75 %
    Choose("ComboBox8", 2); // D 63: ae 47.25
    EXPECT_EQ(Text("Edit14"), "47,25");
    EXPECT_EQ(BarOf("ScrollBar1").position(), 472);
    EXPECT_EQ(BarOf("ScrollBar1").max(), 630);

    Click("SpeedButton25");
    Choose("ComboBox5", 4); // HSC, ap = 0.25 × D
    Choose("ComboBox8", 0); // D 6: ap 1.5
    EXPECT_EQ(Text("Edit12"), "1,5");
    EXPECT_EQ(BarOf("ScrollBar3").position(), 2);
    Choose("ComboBox8", 3); // D 12: ap 3
    EXPECT_EQ(BarOf("ScrollBar3").position(), 3);
    Choose("ComboBox8", 2); // D 10: ap 2.5
    EXPECT_EQ(BarOf("ScrollBar3").position(), 2);
}

TEST_F(MillingPageTest, WidthBarKeepsTheFeedAndChangesOnlyTheEngagement) {
    Choose("ComboBox5", 1); // end mill, ae = 0.5 × D
    Choose("ComboBox8", 4); // D 12
    const std::string vc = Text("Edit9"), n = Text("Edit6"), vf = Text("Edit5");
    const std::string hmBefore = Text("Edit4"), qBefore = Text("Edit11");
    Scroll("ScrollBar1", 33);
    EXPECT_EQ(Text("Edit14"), "3,3");
    EXPECT_EQ(Text("Edit9"), vc);
    EXPECT_EQ(Text("Edit6"), n);
    EXPECT_EQ(Text("Edit5"), vf);
    EXPECT_NE(Text("Edit4"), hmBefore);
    EXPECT_NE(Text("Edit11"), qBefore);
    EXPECT_EQ(Text("Edit2"), Text("Edit4"));
    ASSERT_EQ(page.teethList.text(), "3");
    EXPECT_NEAR(Num("Edit8"), Num("Edit5") / (3 * Num("Edit6")), 1e-15);
    EXPECT_NEAR(Num("Edit3"), EngagementAngle(12, 3.3), 1e-12);
    EXPECT_EQ(BarOf("ScrollBar4").position(), std::lround(Num("Edit4") * 10000));
    ExpectPowerConsistent();

    Scroll("ScrollBar1", 0);
    EXPECT_EQ(Text("Edit14"), "0");
    EXPECT_EQ(Text("Edit3"), "0");
    EXPECT_EQ(Text("Edit4"), "0");
    EXPECT_EQ(Text("Edit8"), "0");
    EXPECT_EQ(Text("Edit11"), "0");
}

TEST_F(MillingPageTest, ChipThicknessBarGivesTheFeed) {
    Choose("ComboBox8", 4);    // D 10
    Scroll("ScrollBar4", 100); // hm 0.01 mm
    EXPECT_EQ(Text("Edit4"), "0,01");
    // ae = D: fz = hm·180/114.6
    EXPECT_NEAR(Num("Edit8"), 0.01 * 180 / 114.6, 1e-15);
    ExpectSpeedAndFeedConsistent();
    ExpectPowerConsistent();
}

TEST_F(MillingPageTest, ChipThicknessBarWithoutEngagementOnlyWritesHm) {
    Scroll("ScrollBar1", 0);
    const std::string n = Text("Edit6"), vf = Text("Edit5");
    Scroll("ScrollBar4", 200);
    EXPECT_EQ(Text("Edit4"), "0,02");
    EXPECT_EQ(Text("Edit8"), "0");
    EXPECT_EQ(Text("Edit6"), n);
    EXPECT_EQ(Text("Edit5"), vf);
    EXPECT_TRUE(messages.entries.empty());
}

TEST_F(MillingPageTest, WidthBarWithoutSpindleSpeedLeavesHmAndFeed) {
    // Roughing cutters in group 11 have the range 0..0.
    Click("SpeedButton25");
    Choose("ComboBox5", 2);
    Click(GroupButton(11));
    EXPECT_EQ(state.vcMin, 0);
    EXPECT_EQ(state.vcMax, 0);
    EXPECT_EQ(Text("Edit9"), "");
    EXPECT_EQ(Text("Edit6"), "0");
    const std::string hm = Text("Edit4"), fz = Text("Edit8");
    const int hmPosition = BarOf("ScrollBar4").position();
    Scroll("ScrollBar1", 30);
    EXPECT_EQ(Text("Edit14"), "3");
    EXPECT_EQ(Text("Edit4"), hm);
    EXPECT_EQ(Text("Edit8"), fz);
    EXPECT_EQ(BarOf("ScrollBar4").position(), hmPosition);
    EXPECT_EQ(Text("Edit11"), "0");
    EXPECT_TRUE(messages.entries.empty());
}

TEST_F(MillingPageTest, WidthBarAfterAGroupPressStaysWithinTheNewDiameter) {
    Click("SpeedButton25");
    Choose("ComboBox8", 6); // D 20
    EXPECT_EQ(BarOf("ScrollBar1").max(), 200);
    Click(GroupButton(2)); // refills the sizes: D 4, with its engagement
    EXPECT_EQ(page.diameterList.text(), "4");
    EXPECT_EQ(BarOf("ScrollBar1").max(), 40);
    Scroll("ScrollBar1", 150);
    EXPECT_EQ(BarOf("ScrollBar1").max(), 40);
    EXPECT_EQ(BarOf("ScrollBar1").position(), 40);
    EXPECT_EQ(Text("Edit14"), "4");
    EXPECT_EQ(Text("Edit3"), "180");
    EXPECT_EQ(Caption("Label2"), "4");
}

TEST_F(MillingPageTest, AluminiumHscCutterKeepsThePreviousData) {
    Click("SpeedButton25");
    Choose("ComboBox5", 4);
    const std::string vc = Text("Edit9"), fz = Text("Edit8");
    const int lo = state.vcMin, hi = state.vcMax;
    Choose("ComboBox5", 5);
    EXPECT_EQ(state.vcMin, lo);
    EXPECT_EQ(state.vcMax, hi);
    EXPECT_EQ(Text("Edit8"), fz);
    EXPECT_EQ(page.coatingList.count(), 2);
    // ap default 0.7 × D
    EXPECT_EQ(Text("Edit9"), vc);
    EXPECT_EQ(Text("Edit12"), "4,2");
}

TEST_F(MillingPageTest, PreciseMaterialHandsItsKcToThePage) {
    PreciseMaterialDialog dialog{shell};
    Click(GroupButton(2)); // grades "2C60 (Ck60)" ...: 1835 × 0.8
    EXPECT_EQ(Text("Edit13"), "1468");
    ExpectPowerConsistent();
    Click("SpeedButton19");
    EXPECT_TRUE(dialog.visible());
    Click(GroupButton(5)); // "Keine Werte vorh."
    EXPECT_EQ(Text("Edit13"), "0");
    EXPECT_EQ(Text("Edit10"), "0");
}

TEST_F(MillingPageTest, ConversionFailuresShowTheStepsMessages) {
    page.results.kc.setText("12x");
    Scroll("ScrollBar3", 5);
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
    EXPECT_EQ(page.get<Button>(GroupButton(1)).hint,
              "Bau-,Einsatz-,Nitrier-,Automaten-,Vergütungsstähle");
    EXPECT_EQ(page.get<Button>(GroupButton(11)).hint, "Keine Belegung");
    EXPECT_TRUE(page.hasAdvisor());
    EXPECT_EQ(page.materialGroup(), 1);
}

// A long random run of user events: nothing may crash, no field may show a
// non-finite number and every bar stays inside its range.
TEST_F(MillingPageTest, RandomUserNeverBreaksThePage) {
    std::mt19937 random(20260);
    std::vector<std::string> buttons, lists, bars;
    for (Control* c : page.controls()) {
        if (c->kind() == ControlKind::Button) buttons.push_back(c->name());
        if (c->kind() == ControlKind::List) lists.push_back(c->name());
        if (c->kind() == ControlKind::Bar) bars.push_back(c->name());
    }
    PreciseMaterialDialog dialog{shell};
    for (int step = 0; step < 6000; ++step) {
        const int what = static_cast<int>(random() % 3);
        if (what == 0) {
            page.userClick(buttons[random() % buttons.size()]);
        } else if (what == 1) {
            auto& l = page.get<List>(lists[random() % lists.size()]);
            if (l.count() > 0) page.userSelect(l.name(), static_cast<int>(random() % l.count()));
        } else {
            auto& b = page.get<Bar>(bars[random() % bars.size()]);
            const int span = b.max() - b.min() + 1;
            page.userScroll(b.name(), b.min() + static_cast<int>(random() % span));
        }
        for (Control* c : page.controls()) {
            if (auto* f = dynamic_cast<Field*>(c)) {
                ASSERT_EQ(f->text().find("NAN"), std::string::npos) << f->name() << " " << step;
                ASSERT_EQ(f->text().find("INF"), std::string::npos) << f->name() << " " << step;
            }
            if (auto* b = dynamic_cast<Bar*>(c)) {
                ASSERT_GE(b->position(), b->min()) << b->name();
                ASSERT_LE(b->position(), b->max()) << b->name();
            }
        }
        ASSERT_GE(state.speedIncreasePercent, 50);
        ASSERT_LE(state.speedIncreasePercent, 100);
    }
    for (const auto& e : messages.entries)
        EXPECT_EQ(e.text, "Cermet bei CrNi-Werkstoffen nur bedingt einsetzbar");
}

} // namespace
