// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "turning/turning_page.h"

#include "materials/material_dialog.h"
#include "workbench/workbench.h"

#include "shell/formulas.h"

#include "page_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace zerbo;
using zerbo::testing::All;
using zerbo::testing::PageFixture;

namespace {

class TurningPageTest : public PageFixture<TurningPage> {
  protected:
    TurningPageTest() {
        shell.hooks.refreshMaterialDialog = [this] { ++dialogRefreshes; };
        page.startUp();
    }
    int dialogRefreshes = 0;

    // Which class buttons are enabled, and which one is down (0 = none).
    void expectClasses(std::vector<int> enabled, int down) const {
        for (int k = 1; k <= 5; ++k) {
            const Button& b = page.classButtons[static_cast<size_t>(k - 1)];
            const bool on = std::find(enabled.begin(), enabled.end(), k) != enabled.end();
            EXPECT_EQ(b.enabled, on) << "class " << k;
            EXPECT_EQ(b.down(), k == down) << "class " << k;
        }
        EXPECT_EQ(shell.state.machiningClass, down);
    }
    std::string n(double d, double vc) const { return shell.numbers.write(SpindleSpeed(d, vc)); }
    std::vector<const Control*> speedRange() const {
        return All(page.speedBar, page.speedMinCaption, page.speedMaxCaption, page.speedMin,
                   page.speedMax);
    }
    std::vector<const Control*> feedRange() const {
        return All(page.feedBar, page.feedMinCaption, page.feedMaxCaption, page.feedMin,
                   page.feedMax);
    }
    std::vector<const Control*> overhang() const {
        return All(page.overhangCaption, page.overhangUnit, page.overhangMin, page.overhangMax,
                   page.overhangBar, page.overhang);
    }
};

TEST_P(TurningPageTest, StartsWithWpExternalTurningGroupOneClassThree) {
    expectSnapshot("60f13b9f243c4375", "3aa3bdfa36891bf7");
    EXPECT_FALSE(page.groupButtons[10].enabled); // group 11
    expectClasses({1, 2, 3, 4}, 3);
    EXPECT_EQ(shell.state.activeMaterialGroup, 1);
    EXPECT_EQ(page.materialGroup(), 1);
    expectVisible(feedRange(), false); // the fixed feed 0.4
    EXPECT_EQ(page.spindleSpeed.text(), n(30, 200));
    EXPECT_EQ(page.removalRate.text(), "280"); // 3.5 x 0.4 x 200
    EXPECT_EQ(page.power.text(), "0");         // no kc yet
    EXPECT_EQ(shell.state.vcMin, 150);
    EXPECT_EQ(shell.state.vcMax, 250);
    // The start-up presses the group buttons from code: no dialog refresh.
    EXPECT_EQ(dialogRefreshes, 0);
    EXPECT_TRUE(messages.entries.empty());
}

TEST_P(TurningPageTest, FixedFeedIsCutToOneDecimalAndDepthSitsInTheMiddle) {
    click(page.classButtons[0]); // class 1: "CU 7033"
    EXPECT_EQ(page.cuttingMaterial.text(), "CU 7033");
    expectBar(page.speedBar, 120, 350, 235);
    EXPECT_EQ(page.cuttingSpeed.text(), "235");
    EXPECT_EQ(page.feed.text(), S("0.1"));
    EXPECT_FALSE(page.feedBar.visible);
    EXPECT_EQ(page.depthMin.caption, S("0.5"));
    expectBar(page.depthBar, 5, 10, 7);
    EXPECT_EQ(page.depth.text(), S("0.7"));
    EXPECT_EQ(page.spindleSpeed.text(), n(30, 235));
    EXPECT_EQ(page.removalRate.text(), S("16.45"));
}

TEST_P(TurningPageTest, HssFeedRangeGoesOntoTheBar) {
    click(page.hssButton);
    EXPECT_EQ(page.operationList.items(), std::vector<std::string>{"Außendrehen"});
    EXPECT_FALSE(page.groupButtons[4].enabled);
    EXPECT_FALSE(page.groupButtons[5].enabled);
    expectClasses({1, 2, 3, 4}, 3);
    EXPECT_EQ(page.cuttingMaterial.text(), "HSS/HSS-E unbeschichtet");

    click(page.classButtons[0]);
    EXPECT_EQ(page.coolant.text(), "Bohrölemulsion");
    expectBar(page.feedBar, 1000, 2000, 1500);
    EXPECT_EQ(page.feedBar.smallStep, 10);
    EXPECT_EQ(page.feedBar.largeStep, 100);
    EXPECT_EQ(page.feed.text(), S("0.15"));
    EXPECT_EQ(page.feedMin.caption, S("0.1"));
    EXPECT_EQ(page.feedMax.caption, S("0.2"));
    expectVisible(feedRange(), true);
    // 0.05 x 10 is the exact half, which goes to the even 0.
    EXPECT_EQ(page.depthMin.caption, S("0.05"));
    expectBar(page.depthBar, 0, 5, 2);
    EXPECT_EQ(page.depth.text(), S("0.2"));
    expectBar(page.speedBar, 56, 75, 65);

    scroll(page.feedBar, 1234);
    EXPECT_EQ(page.feed.text(), S("0.1234"));
    EXPECT_EQ(page.removalRate.text(), S("1.6042")); // 0.2 x 0.1234 x 65
    scroll(page.depthBar, 5);
    EXPECT_EQ(page.depth.text(), S("0.5"));
    EXPECT_EQ(page.removalRate.text(), S("4.0105"));
    const std::string before = page.spindleSpeed.text();
    scroll(page.speedBar, 75);
    EXPECT_EQ(page.cuttingSpeed.text(), "75");
    EXPECT_NE(page.spindleSpeed.text(), before);
    EXPECT_EQ(page.spindleSpeed.text(), n(30, 75));
}

TEST_P(TurningPageTest, HssWithGroupSixDownFallsBackToGroupOne) {
    click(page.groupButtons[5]); // group 6
    EXPECT_EQ(dialogRefreshes, 1);
    expectClasses({5}, 5);
    EXPECT_EQ(page.cuttingMaterial.text(), "HB 7035");
    click(page.hssButton);
    EXPECT_EQ(dialogRefreshes, 2);
    EXPECT_TRUE(page.groupButtons[0].down());
    EXPECT_FALSE(page.groupButtons[5].down());
    EXPECT_EQ(shell.state.turningMaterialGroup, 1);
    EXPECT_EQ(shell.state.activeMaterialGroup, 1);
    EXPECT_FALSE(page.groupButtons[4].enabled);
    EXPECT_FALSE(page.groupButtons[5].enabled);
    EXPECT_FALSE(page.userClick(page.groupButtons[5].name()));
    EXPECT_EQ(page.operationList.items(), std::vector<std::string>{"Außendrehen"});
    expectClasses({1, 2, 3, 4}, 3);
    EXPECT_EQ(page.cuttingMaterial.text(), "HSS/HSS-E unbeschichtet");
    expectBar(page.speedBar, 32, 50, 41);

    click(page.wpButton); // back to WP
    EXPECT_TRUE(page.groupButtons[4].enabled && page.groupButtons[5].enabled);
    EXPECT_EQ(page.operationList.count(), 3);
    EXPECT_EQ(page.cuttingMaterial.text(), "HB 7010");
}

TEST_P(TurningPageTest, HssFromBoringWithGroupFiveEndsOnExternalTurning) {
    select(page.operationList, 1);
    click(page.groupButtons[4]); // group 5
    click(page.hssButton);
    EXPECT_EQ(page.operation(), TurningPage::kExternal);
    expectVisible(overhang(), false);
    expectVisible(All(page.shankLabel, page.shankList), false);
    expectClasses({1, 2, 3, 4}, 3);
    EXPECT_EQ(page.coolant.text(), "Bohrölemulsion");
    EXPECT_TRUE(messages.entries.empty());
}

TEST_P(TurningPageTest, HssGroupRulesKeepOnlyClassesWithRows) {
    click(page.hssButton);
    click(page.groupButtons[6]); // group 7: classes 2 and 3
    expectClasses({2, 3}, 3);
    EXPECT_EQ(page.coolant.text(), "Trocken");
    click(page.groupButtons[3]); // group 4
    expectClasses({1, 2}, 2);
    click(page.groupButtons[7]); // group 8
    expectClasses({5}, 5);
    EXPECT_EQ(page.speedMin.caption, "22");
}

TEST_P(TurningPageTest, BoringShankSetsOverhangAndTable) {
    select(page.operationList, 1);
    EXPECT_EQ(page.shankLabel.caption, "Schaftd.:");
    expectVisible(overhang(), true);
    expectVisible(All(page.shankLabel, page.shankList), true);
    EXPECT_EQ(page.shankList.items(),
              (std::vector<std::string>{"8", "10", "12", "16", "20", "25", "32"}));
    EXPECT_EQ(page.shankList.index(), 0);
    EXPECT_EQ(page.overhangMax.caption, "53");
    expectBar(page.overhangBar, 0, 53, 26);
    EXPECT_EQ(page.overhang.text(), "26");
    EXPECT_TRUE(page.shortOverhang());
    expectClasses({1, 2, 3}, 3);
    EXPECT_EQ(page.cuttingMaterial.text(), "HB 7010");
    expectBar(page.speedBar, 90, 100, 95);
    expectBar(page.feedBar, 2000, 2500, 2250);
    EXPECT_EQ(page.feed.text(), S("0.225"));
    EXPECT_EQ(page.feedMax.caption, S("0.25"));
    expectBar(page.depthBar, 20, 30, 25);

    // 31 / 8 stays short; 32 / 8 = 4 is the long overhang.
    scroll(page.overhangBar, 31);
    EXPECT_EQ(page.overhang.text(), "31");
    EXPECT_TRUE(page.shortOverhang());
    EXPECT_EQ(page.cuttingSpeed.text(), "95");
    scroll(page.overhangBar, 32);
    EXPECT_FALSE(page.shortOverhang());
    EXPECT_EQ(page.cuttingSpeed.text(), "70");
    EXPECT_FALSE(page.speedBar.visible);
    EXPECT_EQ(page.feed.text(), S("0.2"));
    EXPECT_FALSE(page.feedBar.visible);
    EXPECT_EQ(page.depth.text(), S("1.5"));
    EXPECT_EQ(page.spindleSpeed.text(), n(30, 70));
    scroll(page.overhangBar, 31);
    EXPECT_TRUE(page.shortOverhang());
    EXPECT_EQ(page.cuttingSpeed.text(), "95");

    // A new shank goes back to the short overhang, by L/3 against d.
    scroll(page.overhangBar, 53);
    EXPECT_FALSE(page.shortOverhang());
    select(page.shankList, 6); // "32": L = 250
    EXPECT_EQ(page.overhangMax.caption, "167");
    expectBar(page.overhangBar, 0, 167, 83);
    EXPECT_EQ(page.overhang.text(), "83");
    EXPECT_TRUE(page.shortOverhang());
    scroll(page.overhangBar, 128); // 128 / 32 = 4
    EXPECT_FALSE(page.shortOverhang());
}

TEST_P(TurningPageTest, BoringGroupSevenHasAFixedSpeed) {
    select(page.operationList, 1);
    click(page.groupButtons[6]);
    expectClasses({5}, 5);
    EXPECT_EQ(page.cuttingSpeed.text(), "80");
    expectVisible(speedRange(), false);
    expectBar(page.feedBar, 1000, 3000, 2000);
    EXPECT_EQ(page.feed.text(), S("0.2"));
    expectBar(page.depthBar, 2, 50, 26);
    EXPECT_EQ(page.depth.text(), S("2.6"));
    EXPECT_FALSE(page.userClick(page.classButtons[2].name()));
}

TEST_P(TurningPageTest, PartingHasNoClassesAndNoDepth) {
    for (auto& r : shell.hooks.kcReceivers) {
        r.kcField->setText("1550");
        r.afterHandOver();
    }
    EXPECT_NE(page.power.text(), "0");
    select(page.operationList, 2);
    for (const Button& c : page.classButtons) {
        EXPECT_FALSE(c.visible) << c.name();
        EXPECT_FALSE(c.down()) << c.name();
        EXPECT_FALSE(page.userClick(c.name())) << c.name();
    }
    EXPECT_EQ(shell.state.machiningClass, 0);
    EXPECT_TRUE(page.shankLabel.visible);
    EXPECT_EQ(page.shankLabel.caption, "Stechbr.:");
    expectVisible(overhang(), false);
    EXPECT_EQ(page.shankList.items(), (std::vector<std::string>{"2", "3", "4", "5"}));
    EXPECT_EQ(page.cuttingMaterial.text(), "HB 7025");
    EXPECT_EQ(page.coolant.text(), "*");
    EXPECT_EQ(page.depthMin.caption, "0");
    EXPECT_EQ(page.depthMax.caption, "0");
    expectBar(page.depthBar, 0, 0, 0);
    EXPECT_EQ(page.depth.text(), "0");
    EXPECT_EQ(page.removalRate.text(), "0");
    EXPECT_EQ(page.power.text(), "0");
    expectBar(page.speedBar, 100, 180, 140);

    select(page.shankList, 3); // width "5"
    expectBar(page.feedBar, 800, 4000, 2400);
    EXPECT_EQ(page.feedMin.caption, S("0.08"));
    EXPECT_EQ(page.feedMax.caption, S("0.4"));
    EXPECT_EQ(page.feed.text(), S("0.24"));

    click(page.groupButtons[5]); // group 6, width "5"
    expectBar(page.feedBar, 800, 1600, 1200);
    EXPECT_EQ(shell.state.machiningClass, 0);

    select(page.operationList, 0); // back to external turning: classes return
    expectClasses({5}, 5);
    EXPECT_TRUE(page.classButtons[4].visible);
}

TEST_P(TurningPageTest, PowerFollowsTheKcHandOverAndPageEntry) {
    ASSERT_EQ(shell.hooks.kcReceivers.size(), 1u);
    EXPECT_EQ(shell.hooks.kcReceivers[0].kcField, &page.kc);
    page.kc.setText("1550");
    EXPECT_EQ(page.power.text(), "0"); // not before the hand-over step
    shell.hooks.kcReceivers[0].afterHandOver();
    // 3.5 x 0.4 x 1550 x 200 / 42000
    EXPECT_EQ(page.power.text(), S("10.3333333333333"));

    page.kc.setText(S("935.5"));
    ASSERT_EQ(shell.hooks.millingOrTurningEntered.size(), 1u);
    shell.hooks.millingOrTurningEntered[0]();
    EXPECT_EQ(page.power.text(), S("6.23666666666667"));

    scroll(page.depthBar, 10); // ap 1
    EXPECT_EQ(page.power.text(), S("1.78190476190476"));

    // Each product is held as a double: the wide product would end in ...571.
    select(page.operationList, 1);
    click(page.groupButtons[8]); // group 9: ap 0.1..3, f 0.05..0.25, Vc 200..400
    page.kc.setText("1550");
    scroll(page.depthBar, 1);
    scroll(page.feedBar, 500);
    scroll(page.speedBar, 204);
    EXPECT_EQ(page.power.text(), S("0.0376428571428572"));
}

TEST_P(TurningPageTest, DiameterAtZeroGivesNoSpeed) {
    scroll(page.diameterBar, 0);
    EXPECT_EQ(page.diameter.text(), "0");
    EXPECT_EQ(page.spindleSpeed.text(), "0");
    EXPECT_EQ(page.removalRate.text(), "280");
    scroll(page.diameterBar, 1000);
    EXPECT_EQ(page.spindleSpeed.text(), n(1000, 200));
}

TEST_P(TurningPageTest, NoRowKeepsRangesAndClearsDepthAndTexts) {
    // Group 11 cannot be pressed; set from outside, the lookup finds nothing.
    shell.state.turningMaterialGroup = 11;
    click(page.classButtons[2]);
    EXPECT_EQ(page.cuttingMaterial.text(), "");
    EXPECT_EQ(page.coolant.text(), "");
    EXPECT_EQ(page.speedMin.caption, "150");
    EXPECT_EQ(page.cuttingSpeed.text(), "200");
    EXPECT_EQ(page.feed.text(), S("0.4"));
    expectBar(page.depthBar, 0, 0, 0);
    EXPECT_EQ(page.depth.text(), "0");
    EXPECT_EQ(page.removalRate.text(), "0");

    shell.state.turningMaterialGroup = 1;
    click(page.hssButton); // HSS, class 3: feed range 0.4..0.8
    shell.state.turningMaterialGroup = 11;
    click(page.classButtons[2]);
    EXPECT_EQ(page.cuttingMaterial.text(), "HSS/HSS-E unbeschichtet");
    EXPECT_EQ(page.coolant.text(), "");
    expectBar(page.feedBar, 4000, 8000, 6000);
    EXPECT_EQ(page.feed.text(), S("0.6"));
    EXPECT_TRUE(messages.entries.empty());
}

TEST_P(TurningPageTest, HintsFollowTheOperation) {
    page.assignHints();
    EXPECT_EQ(page.hssButton.hint, "Hochleistungsschnellschnittstahl");
    EXPECT_EQ(page.classButtons[2].hint, "Mittlere Zerspanung");
    EXPECT_EQ(page.groupButtons[0].hint, "Bau-,Einsatz-,Nitrier-,Automaten-,Vergütungsstähle");
    EXPECT_EQ(page.groupButtons[10].hint, "Gehärtete Werkstoffe bis 68 HRC");
    EXPECT_EQ(page.kc.hint, "Spezifische Schnittkraft kc 1,1 in N/mm2 bezogen auf h=b= 1 mm");
    EXPECT_EQ(page.overhang.hint, "Ausspannlänge");
    EXPECT_EQ(page.shankList.hint, "No Merci");
    // The operation change refreshes the hints through the shell when it can.
    int windowHints = 0;
    shell.hooks.assignHints = [&] {
        ++windowHints;
        page.assignHints();
    };
    select(page.operationList, 1);
    EXPECT_EQ(windowHints, 1);
    EXPECT_EQ(page.shankList.hint, "Schaftdurchmesser");
    select(page.operationList, 2);
    EXPECT_EQ(page.shankList.hint, "Stechbreite");
    // "HSS" does not refresh them.
    click(page.hssButton);
    EXPECT_EQ(windowHints, 2);
    EXPECT_EQ(page.shankList.hint, "Stechbreite");
}

TEST_P(TurningPageTest, MaterialButtonOpensTheDialogAndRecomputesPower) {
    int opened = 0;
    shell.hooks.openMaterialDialog = [&] {
        ++opened;
        page.kc.setText("1000");
    };
    click(page.materialButton);
    EXPECT_EQ(opened, 1);
    EXPECT_FALSE(page.materialButton.down());
    EXPECT_EQ(page.power.text(), S("6.66666666666667"));
}

TEST_P(TurningPageTest, MemoShowsTheElevenGroupText) {
    const auto& lines = page.groupText.lines;
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "Bau-, Einsatz-, Nitrier-, Automaten-,");
    EXPECT_TRUE(page.groupText.visible);
    click(page.groupButtons[9]); // group 10
    EXPECT_EQ(lines.front(), "Alu-Guß über 6% Si");
    EXPECT_EQ(lines.back(), " CuNi 15 Si");
    click(page.groupButtons[6]); // group 7
    EXPECT_EQ(lines.front(), "Guß bis 200 HB");
}

// With the real dialog: a group press refreshes it, the kc of the group's
// first grade reaches Edit47 and Pe follows.
TEST_P(TurningPageTest, GroupPressHandsTheDialogKcToThePage) {
    shell.hooks.refreshMaterialDialog = nullptr;
    PreciseMaterialDialog dialog{shell};
    shell.currentPage = 1;
    shell.state.forceDialogMode = 2;
    click(page.groupButtons[6]); // group 7: "GG-15", kc1.1 935, multiplier 1
    EXPECT_EQ(dialog.gradeList.items(), (std::vector<std::string>{"GG-15", "GG-25"}));
    EXPECT_EQ(page.kc.text(), "935");
    // class 5: Vc 100..220 -> 160, f 0.4, ap 1..6 -> 3.5
    EXPECT_EQ(page.power.text(), S("4.98666666666667"));
    click(page.materialButton);
    EXPECT_TRUE(dialog.visible());
    EXPECT_EQ(page.power.text(), S("4.98666666666667"));
    EXPECT_TRUE(messages.entries.empty());
}

// Every class the rules let the user press has a row, for every operation,
// cutting material, group, shank or width and overhang.
TEST_P(TurningPageTest, EveryReachableChoiceFindsARow) {
    auto check = [&](const std::string& where) {
        EXPECT_FALSE(page.coolant.text().empty()) << where;
        EXPECT_FALSE(page.cuttingMaterial.text().empty()) << where;
    };
    for (const Control* material : All(page.hssButton, page.wpButton)) {
        click(*material);
        for (int op = 0; op < page.operationList.count(); ++op) {
            select(page.operationList, op);
            for (size_t gi = 0; gi < 10; ++gi) { // groups 1..10
                const std::string g = page.groupButtons[gi].name();
                if (!page.userClick(g)) continue; // disabled under HSS
                for (const Button& cb : page.classButtons) {
                    const std::string c = cb.name();
                    if (!page.userClick(c)) continue;
                    const std::string where =
                        material->name() + " op " + std::to_string(op) + " " + g + " " + c;
                    check(where);
                    if (op == 0) continue;
                    for (int i = 0; i < page.shankList.count(); ++i) {
                        select(page.shankList, i);
                        check(where + " list " + std::to_string(i));
                        if (op == 1) {
                            scroll(page.overhangBar, page.overhangBar.max());
                            EXPECT_FALSE(page.shortOverhang());
                            check(where + " long");
                        }
                    }
                }
                if (op == 2) check(material->name() + " parting " + g);
            }
        }
    }
    EXPECT_TRUE(messages.entries.empty());
}

INSTANTIATE_TEST_SUITE_P(BothSeparators, TurningPageTest, ::testing::Values(',', '.'),
                         [](const auto& info) { return info.param == ',' ? "Comma" : "Point"; });

} // namespace

namespace {

// The page in the main window: start-up in its place, and entering the page
// refreshes the dialog, whose kc reaches Edit47 and Pe.
TEST(TurningPageInWindow, EnteringThePageBringsTheDialogKc) {
    MessageRecorder messages;
    HelpRecorder help;
    Shell shell{messages, help, '.'};
    Pages pages = MakePages(shell);
    auto& page = static_cast<TurningPage&>(*pages[1]);
    MainWindowModel main{shell, std::move(pages)};
    main.startUp();
    PreciseMaterialDialog dialog{shell};
    EXPECT_EQ(page.removalRate.text(), "280");
    EXPECT_EQ(page.kc.text(), "");
    EXPECT_EQ(page.groupButtons[0].hint, "Bau-,Einsatz-,Nitrier-,Automaten-,Vergütungsstähle");

    main.selectPage(1);
    EXPECT_EQ(shell.state.activeMaterialGroup, 1);
    EXPECT_EQ(page.kc.text(), "1550"); // "S235JR (St37-2)", multiplier 1
    EXPECT_EQ(page.power.text(), "10.3333333333333");
    EXPECT_EQ(shell.state.helpContext, 105);
    EXPECT_TRUE(main.advisorButton.enabled);
    EXPECT_TRUE(messages.entries.empty());
}

} // namespace
