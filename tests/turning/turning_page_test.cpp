// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "turning/turning_page.h"

#include "materials/material_dialog.h"
#include "workbench/workbench.h"

#include "shell/formulas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

using namespace zerbo;

namespace {

class TurningPageTest : public ::testing::TestWithParam<char> {
  protected:
    TurningPageTest() {
        shell.hooks.refreshMaterialDialog = [this] { ++dialogRefreshes; };
        page.startUp();
    }

    MessageRecorder messages;
    HelpRecorder help;
    Shell shell{messages, help, GetParam()};
    TurningPage page{shell};
    int dialogRefreshes = 0;

    // An expected text written with "." in the system separator.
    std::string S(std::string s) const {
        for (char& c : s)
            if (c == '.') c = GetParam();
        return s;
    }
    std::string field(const char* name) const { return page.get<Field>(name).text(); }
    std::string label(const char* name) const { return page.get<Label>(name).caption; }
    const Bar& bar(const char* name) const { return page.get<Bar>(name); }
    const Button& button(const char* name) const { return page.get<Button>(name); }
    bool visible(const char* name) const { return page.find(name)->visible; }

    void click(const char* name) { ASSERT_TRUE(page.userClick(name)) << name; }
    void select(const char* name, int index) { ASSERT_TRUE(page.userSelect(name, index)); }
    void scroll(const char* name, int position) { ASSERT_TRUE(page.userScroll(name, position)); }

    void expectBar(const char* name, int min, int max, int position) const {
        EXPECT_EQ(bar(name).min(), min) << name;
        EXPECT_EQ(bar(name).max(), max) << name;
        EXPECT_EQ(bar(name).position(), position) << name;
    }
    // Which class buttons are enabled, and which one is down (0 = none).
    void expectClasses(std::vector<int> enabled, int down) const {
        const char* names[] = {"SpeedButton26", "SpeedButton27", "SpeedButton28", "SpeedButton29",
                               "SpeedButton30"};
        for (int k = 1; k <= 5; ++k) {
            const bool on = std::find(enabled.begin(), enabled.end(), k) != enabled.end();
            EXPECT_EQ(button(names[k - 1]).enabled, on) << "class " << k;
            EXPECT_EQ(button(names[k - 1]).down(), k == down) << "class " << k;
        }
        EXPECT_EQ(shell.state.machiningClass, down);
    }
    std::string n(double d, double vc) const { return shell.numbers.write(SpindleSpeed(d, vc)); }
};

TEST_P(TurningPageTest, StartsWithWpExternalTurningGroupOneClassThree) {
    EXPECT_TRUE(button("SpeedButton23").down());
    EXPECT_FALSE(button("SpeedButton22").down());
    EXPECT_EQ(page.operationList.items(),
              (std::vector<std::string>{"Außendrehen", "Innendrehen", "Abstechen"}));
    EXPECT_EQ(page.operationList.index(), 0);
    EXPECT_TRUE(button("SpeedButton31").down());
    EXPECT_FALSE(button("SpeedButton46").enabled); // group 11
    EXPECT_TRUE(button("SpeedButton40").enabled && button("SpeedButton41").enabled);
    expectClasses({1, 2, 3, 4}, 3);
    EXPECT_EQ(shell.state.turningMaterialGroup, 1);
    EXPECT_EQ(shell.state.activeMaterialGroup, 1);
    EXPECT_EQ(page.materialGroup(), 1);

    EXPECT_EQ(field("Edit58"), "HB 7010");
    EXPECT_EQ(field("Edit57"), "Trocken");
    EXPECT_EQ(label("Label134"), "150");
    EXPECT_EQ(label("Label135"), "250");
    expectBar("ScrollBar11", 150, 250, 200);
    EXPECT_EQ(field("Edit45"), "200");
    for (const char* c : {"ScrollBar11", "Label132", "Label133", "Label134", "Label135"})
        EXPECT_TRUE(visible(c)) << c;
    EXPECT_EQ(field("Edit44"), S("0.4"));
    for (const char* c : {"ScrollBar10", "Label127", "Label128", "Label129", "Label130"})
        EXPECT_FALSE(visible(c)) << c;
    EXPECT_EQ(label("Label120"), "1");
    EXPECT_EQ(label("Label121"), "6");
    expectBar("ScrollBar15", 10, 60, 35);
    EXPECT_EQ(field("Edit59"), S("3.5"));
    expectBar("ScrollBar17", 0, 1000, 30);
    EXPECT_EQ(field("Edit61"), "30");
    EXPECT_EQ(field("Edit46"), S("2122.06590789194"));
    EXPECT_EQ(field("Edit49"), "280");
    EXPECT_EQ(field("Edit47"), "");
    EXPECT_EQ(field("Edit48"), "0");
    for (const char* c : {"Label158", "ComboBox19", "Label159", "Label160", "Label161", "Label162",
                          "ScrollBar16", "Edit60"})
        EXPECT_FALSE(visible(c)) << c;
    EXPECT_EQ(shell.state.vcMin, 150);
    EXPECT_EQ(shell.state.vcMax, 250);
    // The start-up presses the group buttons from code: no dialog refresh.
    EXPECT_EQ(dialogRefreshes, 0);
    EXPECT_TRUE(messages.entries.empty());
}

TEST_P(TurningPageTest, FixedFeedIsCutToOneDecimalAndDepthSitsInTheMiddle) {
    click("SpeedButton26"); // class 1: "CU 7033"
    EXPECT_EQ(field("Edit58"), "CU 7033");
    expectBar("ScrollBar11", 120, 350, 235);
    EXPECT_EQ(field("Edit45"), "235");
    EXPECT_EQ(field("Edit44"), S("0.1"));
    EXPECT_FALSE(visible("ScrollBar10"));
    EXPECT_EQ(label("Label120"), S("0.5"));
    expectBar("ScrollBar15", 5, 10, 7);
    EXPECT_EQ(field("Edit59"), S("0.7"));
    EXPECT_EQ(field("Edit46"), n(30, 235));
    EXPECT_EQ(field("Edit49"), S("16.45"));
}

TEST_P(TurningPageTest, HssFeedRangeGoesOntoTheBar) {
    click("SpeedButton22");
    EXPECT_EQ(page.operationList.items(), std::vector<std::string>{"Außendrehen"});
    EXPECT_FALSE(button("SpeedButton40").enabled);
    EXPECT_FALSE(button("SpeedButton41").enabled);
    expectClasses({1, 2, 3, 4}, 3);
    EXPECT_EQ(field("Edit58"), "HSS/HSS-E unbeschichtet");

    click("SpeedButton26");
    EXPECT_EQ(field("Edit57"), "Bohrölemulsion");
    expectBar("ScrollBar10", 1000, 2000, 1500);
    EXPECT_EQ(bar("ScrollBar10").smallStep, 10);
    EXPECT_EQ(bar("ScrollBar10").largeStep, 100);
    EXPECT_EQ(field("Edit44"), S("0.15"));
    EXPECT_EQ(label("Label129"), S("0.1"));
    EXPECT_EQ(label("Label130"), S("0.2"));
    for (const char* c : {"ScrollBar10", "Label127", "Label128", "Label129", "Label130"})
        EXPECT_TRUE(visible(c)) << c;
    // 0.05 x 10 is the exact half, which goes to the even 0.
    EXPECT_EQ(label("Label120"), S("0.05"));
    expectBar("ScrollBar15", 0, 5, 2);
    EXPECT_EQ(field("Edit59"), S("0.2"));
    expectBar("ScrollBar11", 56, 75, 65);

    scroll("ScrollBar10", 1234);
    EXPECT_EQ(field("Edit44"), S("0.1234"));
    EXPECT_EQ(field("Edit49"), S("1.6042")); // 0.2 x 0.1234 x 65
    scroll("ScrollBar15", 5);
    EXPECT_EQ(field("Edit59"), S("0.5"));
    EXPECT_EQ(field("Edit49"), S("4.0105"));
    const std::string before = field("Edit46");
    scroll("ScrollBar11", 75);
    EXPECT_EQ(field("Edit45"), "75");
    EXPECT_NE(field("Edit46"), before);
    EXPECT_EQ(field("Edit46"), n(30, 75));
}

TEST_P(TurningPageTest, HssWithGroupSixDownFallsBackToGroupOne) {
    click("SpeedButton41"); // group 6
    EXPECT_EQ(dialogRefreshes, 1);
    expectClasses({5}, 5);
    EXPECT_EQ(field("Edit58"), "HB 7035");
    click("SpeedButton22");
    EXPECT_EQ(dialogRefreshes, 2);
    EXPECT_TRUE(button("SpeedButton31").down());
    EXPECT_FALSE(button("SpeedButton41").down());
    EXPECT_EQ(shell.state.turningMaterialGroup, 1);
    EXPECT_EQ(shell.state.activeMaterialGroup, 1);
    EXPECT_FALSE(button("SpeedButton40").enabled);
    EXPECT_FALSE(button("SpeedButton41").enabled);
    EXPECT_FALSE(page.userClick("SpeedButton41"));
    EXPECT_EQ(page.operationList.items(), std::vector<std::string>{"Außendrehen"});
    expectClasses({1, 2, 3, 4}, 3);
    EXPECT_EQ(field("Edit58"), "HSS/HSS-E unbeschichtet");
    expectBar("ScrollBar11", 32, 50, 41);

    click("SpeedButton23"); // back to WP
    EXPECT_TRUE(button("SpeedButton40").enabled && button("SpeedButton41").enabled);
    EXPECT_EQ(page.operationList.count(), 3);
    EXPECT_EQ(field("Edit58"), "HB 7010");
}

TEST_P(TurningPageTest, HssFromBoringWithGroupFiveEndsOnExternalTurning) {
    select("ComboBox26", 1);
    click("SpeedButton40"); // group 5
    click("SpeedButton22");
    EXPECT_EQ(page.operation(), TurningPage::kExternal);
    for (const char* c : {"Label158", "ComboBox19", "Label162", "ScrollBar16", "Edit60"})
        EXPECT_FALSE(visible(c)) << c;
    expectClasses({1, 2, 3, 4}, 3);
    EXPECT_EQ(field("Edit57"), "Bohrölemulsion");
    EXPECT_TRUE(messages.entries.empty());
}

TEST_P(TurningPageTest, HssGroupRulesKeepOnlyClassesWithRows) {
    click("SpeedButton22");
    click("SpeedButton42"); // group 7: classes 2 and 3
    expectClasses({2, 3}, 3);
    EXPECT_EQ(field("Edit57"), "Trocken");
    click("SpeedButton39"); // group 4
    expectClasses({1, 2}, 2);
    click("SpeedButton43"); // group 8
    expectClasses({5}, 5);
    EXPECT_EQ(label("Label134"), "22");
}

TEST_P(TurningPageTest, BoringShankSetsOverhangAndTable) {
    select("ComboBox26", 1);
    EXPECT_EQ(label("Label158"), "Schaftd.:");
    for (const char* c : {"Label158", "ComboBox19", "Label159", "Label160", "Label161", "Label162",
                          "ScrollBar16", "Edit60"})
        EXPECT_TRUE(visible(c)) << c;
    EXPECT_EQ(page.shankList.items(),
              (std::vector<std::string>{"8", "10", "12", "16", "20", "25", "32"}));
    EXPECT_EQ(page.shankList.index(), 0);
    EXPECT_EQ(label("Label162"), "53");
    expectBar("ScrollBar16", 0, 53, 26);
    EXPECT_EQ(field("Edit60"), "26");
    EXPECT_TRUE(page.shortOverhang());
    expectClasses({1, 2, 3}, 3);
    EXPECT_EQ(field("Edit58"), "HB 7010");
    expectBar("ScrollBar11", 90, 100, 95);
    expectBar("ScrollBar10", 2000, 2500, 2250);
    EXPECT_EQ(field("Edit44"), S("0.225"));
    EXPECT_EQ(label("Label130"), S("0.25"));
    expectBar("ScrollBar15", 20, 30, 25);

    // 31 / 8 stays short; 32 / 8 = 4 is the long overhang.
    scroll("ScrollBar16", 31);
    EXPECT_EQ(field("Edit60"), "31");
    EXPECT_TRUE(page.shortOverhang());
    EXPECT_EQ(field("Edit45"), "95");
    scroll("ScrollBar16", 32);
    EXPECT_FALSE(page.shortOverhang());
    EXPECT_EQ(field("Edit45"), "70");
    EXPECT_FALSE(visible("ScrollBar11"));
    EXPECT_EQ(field("Edit44"), S("0.2"));
    EXPECT_FALSE(visible("ScrollBar10"));
    EXPECT_EQ(field("Edit59"), S("1.5"));
    EXPECT_EQ(field("Edit46"), n(30, 70));
    scroll("ScrollBar16", 31);
    EXPECT_TRUE(page.shortOverhang());
    EXPECT_EQ(field("Edit45"), "95");

    // A new shank goes back to the short overhang, by L/3 against d.
    scroll("ScrollBar16", 53);
    EXPECT_FALSE(page.shortOverhang());
    select("ComboBox19", 6); // "32": L = 250
    EXPECT_EQ(label("Label162"), "167");
    expectBar("ScrollBar16", 0, 167, 83);
    EXPECT_EQ(field("Edit60"), "83");
    EXPECT_TRUE(page.shortOverhang());
    scroll("ScrollBar16", 128); // 128 / 32 = 4
    EXPECT_FALSE(page.shortOverhang());
}

TEST_P(TurningPageTest, BoringGroupSevenHasAFixedSpeed) {
    select("ComboBox26", 1);
    click("SpeedButton42");
    expectClasses({5}, 5);
    EXPECT_EQ(field("Edit45"), "80");
    for (const char* c : {"ScrollBar11", "Label132", "Label133", "Label134", "Label135"})
        EXPECT_FALSE(visible(c)) << c;
    expectBar("ScrollBar10", 1000, 3000, 2000);
    EXPECT_EQ(field("Edit44"), S("0.2"));
    expectBar("ScrollBar15", 2, 50, 26);
    EXPECT_EQ(field("Edit59"), S("2.6"));
    EXPECT_FALSE(page.userClick("SpeedButton28"));
}

TEST_P(TurningPageTest, PartingHasNoClassesAndNoDepth) {
    for (auto& r : shell.hooks.kcReceivers) {
        r.kcField->setText("1550");
        r.afterHandOver();
    }
    EXPECT_NE(field("Edit48"), "0");
    select("ComboBox26", 2);
    for (const char* c :
         {"SpeedButton26", "SpeedButton27", "SpeedButton28", "SpeedButton29", "SpeedButton30"}) {
        EXPECT_FALSE(visible(c)) << c;
        EXPECT_FALSE(button(c).down()) << c;
        EXPECT_FALSE(page.userClick(c)) << c;
    }
    EXPECT_EQ(shell.state.machiningClass, 0);
    EXPECT_TRUE(visible("Label158"));
    EXPECT_EQ(label("Label158"), "Stechbr.:");
    for (const char* c : {"Label159", "Label160", "Label161", "Label162", "ScrollBar16", "Edit60"})
        EXPECT_FALSE(visible(c)) << c;
    EXPECT_EQ(page.shankList.items(), (std::vector<std::string>{"2", "3", "4", "5"}));
    EXPECT_EQ(field("Edit58"), "HB 7025");
    EXPECT_EQ(field("Edit57"), "*");
    EXPECT_EQ(label("Label120"), "0");
    EXPECT_EQ(label("Label121"), "0");
    expectBar("ScrollBar15", 0, 0, 0);
    EXPECT_EQ(field("Edit59"), "0");
    EXPECT_EQ(field("Edit49"), "0");
    EXPECT_EQ(field("Edit48"), "0");
    expectBar("ScrollBar11", 100, 180, 140);

    select("ComboBox19", 3); // width "5"
    expectBar("ScrollBar10", 800, 4000, 2400);
    EXPECT_EQ(label("Label129"), S("0.08"));
    EXPECT_EQ(label("Label130"), S("0.4"));
    EXPECT_EQ(field("Edit44"), S("0.24"));

    click("SpeedButton41"); // group 6, width "5"
    expectBar("ScrollBar10", 800, 1600, 1200);
    EXPECT_EQ(shell.state.machiningClass, 0);

    select("ComboBox26", 0); // back to external turning: classes return
    expectClasses({5}, 5);
    EXPECT_TRUE(visible("SpeedButton30"));
}

TEST_P(TurningPageTest, PowerFollowsTheKcHandOverAndPageEntry) {
    ASSERT_EQ(shell.hooks.kcReceivers.size(), 1u);
    EXPECT_EQ(shell.hooks.kcReceivers[0].kcField, &page.kc);
    page.kc.setText("1550");
    EXPECT_EQ(field("Edit48"), "0"); // not before the hand-over step
    shell.hooks.kcReceivers[0].afterHandOver();
    // 3.5 x 0.4 x 1550 x 200 / 42000
    EXPECT_EQ(field("Edit48"), S("10.3333333333333"));

    page.kc.setText(S("935.5"));
    ASSERT_EQ(shell.hooks.millingOrTurningEntered.size(), 1u);
    shell.hooks.millingOrTurningEntered[0]();
    EXPECT_EQ(field("Edit48"), S("6.23666666666667"));

    scroll("ScrollBar15", 10); // ap 1
    EXPECT_EQ(field("Edit48"), S("1.78190476190476"));

    // Each product is held as a double: the wide product would end in ...571.
    select("ComboBox26", 1);
    click("SpeedButton44"); // group 9: ap 0.1..3, f 0.05..0.25, Vc 200..400
    page.kc.setText("1550");
    scroll("ScrollBar15", 1);
    scroll("ScrollBar10", 500);
    scroll("ScrollBar11", 204);
    EXPECT_EQ(field("Edit48"), S("0.0376428571428572"));
}

TEST_P(TurningPageTest, DiameterAtZeroGivesNoSpeed) {
    scroll("ScrollBar17", 0);
    EXPECT_EQ(field("Edit61"), "0");
    EXPECT_EQ(field("Edit46"), "0");
    EXPECT_EQ(field("Edit49"), "280");
    scroll("ScrollBar17", 1000);
    EXPECT_EQ(field("Edit46"), n(1000, 200));
}

TEST_P(TurningPageTest, NoRowKeepsRangesAndClearsDepthAndTexts) {
    // Group 11 cannot be pressed; set from outside, the lookup finds nothing.
    shell.state.turningMaterialGroup = 11;
    click("SpeedButton28");
    EXPECT_EQ(field("Edit58"), "");
    EXPECT_EQ(field("Edit57"), "");
    EXPECT_EQ(label("Label134"), "150");
    EXPECT_EQ(field("Edit45"), "200");
    EXPECT_EQ(field("Edit44"), S("0.4"));
    expectBar("ScrollBar15", 0, 0, 0);
    EXPECT_EQ(field("Edit59"), "0");
    EXPECT_EQ(field("Edit49"), "0");

    shell.state.turningMaterialGroup = 1;
    click("SpeedButton22"); // HSS, class 3: feed range 0.4..0.8
    shell.state.turningMaterialGroup = 11;
    click("SpeedButton28");
    EXPECT_EQ(field("Edit58"), "HSS/HSS-E unbeschichtet");
    EXPECT_EQ(field("Edit57"), "");
    expectBar("ScrollBar10", 4000, 8000, 6000);
    EXPECT_EQ(field("Edit44"), S("0.6"));
    EXPECT_TRUE(messages.entries.empty());
}

TEST_P(TurningPageTest, HintsFollowTheOperation) {
    page.assignHints();
    EXPECT_EQ(button("SpeedButton22").hint, "Hochleistungsschnellschnittstahl");
    EXPECT_EQ(button("SpeedButton28").hint, "Mittlere Zerspanung");
    EXPECT_EQ(button("SpeedButton31").hint, "Bau-,Einsatz-,Nitrier-,Automaten-,Vergütungsstähle");
    EXPECT_EQ(button("SpeedButton46").hint, "Gehärtete Werkstoffe bis 68 HRC");
    EXPECT_EQ(page.get<Field>("Edit47").hint,
              "Spezifische Schnittkraft kc 1,1 in N/mm2 bezogen auf h=b= 1 mm");
    EXPECT_EQ(page.get<Field>("Edit60").hint, "Ausspannlänge");
    EXPECT_EQ(page.shankList.hint, "No Merci");
    // The operation change refreshes the hints through the shell when it can.
    int windowHints = 0;
    shell.hooks.assignHints = [&] {
        ++windowHints;
        page.assignHints();
    };
    select("ComboBox26", 1);
    EXPECT_EQ(windowHints, 1);
    EXPECT_EQ(page.shankList.hint, "Schaftdurchmesser");
    select("ComboBox26", 2);
    EXPECT_EQ(page.shankList.hint, "Stechbreite");
    // "HSS" does not refresh them.
    click("SpeedButton22");
    EXPECT_EQ(windowHints, 2);
    EXPECT_EQ(page.shankList.hint, "Stechbreite");
}

TEST_P(TurningPageTest, MaterialButtonOpensTheDialogAndRecomputesPower) {
    int opened = 0;
    shell.hooks.openMaterialDialog = [&] {
        ++opened;
        page.kc.setText("1000");
    };
    click("SpeedButton24");
    EXPECT_EQ(opened, 1);
    EXPECT_FALSE(button("SpeedButton24").down());
    EXPECT_EQ(field("Edit48"), S("6.66666666666667"));
}

TEST_P(TurningPageTest, MemoShowsTheElevenGroupText) {
    const auto& lines = page.groupText.lines;
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "Bau-, Einsatz-, Nitrier-, Automaten-,");
    EXPECT_TRUE(page.groupText.visible);
    click("SpeedButton45"); // group 10
    EXPECT_EQ(lines.front(), "Alu-Guß über 6% Si");
    EXPECT_EQ(lines.back(), " CuNi 15 Si");
    click("SpeedButton42"); // group 7
    EXPECT_EQ(lines.front(), "Guß bis 200 HB");
}

// With the real dialog: a group press refreshes it, the kc of the group's
// first grade reaches Edit47 and Pe follows.
TEST_P(TurningPageTest, GroupPressHandsTheDialogKcToThePage) {
    shell.hooks.refreshMaterialDialog = nullptr;
    PreciseMaterialDialog dialog{shell};
    shell.currentPage = 1;
    shell.state.forceDialogMode = 2;
    click("SpeedButton42"); // group 7: "GG-15", kc1.1 935, multiplier 1
    EXPECT_EQ(dialog.listBox1.items(), (std::vector<std::string>{"GG-15", "GG-25"}));
    EXPECT_EQ(field("Edit47"), "935");
    // class 5: Vc 100..220 -> 160, f 0.4, ap 1..6 -> 3.5
    EXPECT_EQ(field("Edit48"), S("4.98666666666667"));
    click("SpeedButton24");
    EXPECT_TRUE(dialog.visible());
    EXPECT_EQ(field("Edit48"), S("4.98666666666667"));
    EXPECT_TRUE(messages.entries.empty());
}

// Every class the rules let the user press has a row, for every operation,
// cutting material, group, shank or width and overhang.
TEST_P(TurningPageTest, EveryReachableChoiceFindsARow) {
    const char* groups[] = {"SpeedButton31", "SpeedButton32", "SpeedButton38", "SpeedButton39",
                            "SpeedButton40", "SpeedButton41", "SpeedButton42", "SpeedButton43",
                            "SpeedButton44", "SpeedButton45"};
    const char* classes[] = {"SpeedButton26", "SpeedButton27", "SpeedButton28", "SpeedButton29",
                             "SpeedButton30"};
    auto check = [&](const std::string& where) {
        EXPECT_FALSE(field("Edit57").empty()) << where;
        EXPECT_FALSE(field("Edit58").empty()) << where;
    };
    for (const char* material : {"SpeedButton22", "SpeedButton23"}) {
        click(material);
        for (int op = 0; op < page.operationList.count(); ++op) {
            select("ComboBox26", op);
            for (const char* g : groups) {
                if (!page.userClick(g)) continue; // disabled under HSS
                for (const char* c : classes) {
                    if (!page.userClick(c)) continue;
                    const std::string where =
                        std::string(material) + " op " + std::to_string(op) + " " + g + " " + c;
                    check(where);
                    if (op == 0) continue;
                    for (int i = 0; i < page.shankList.count(); ++i) {
                        select("ComboBox19", i);
                        check(where + " list " + std::to_string(i));
                        if (op == 1) {
                            scroll("ScrollBar16", bar("ScrollBar16").max());
                            EXPECT_FALSE(page.shortOverhang());
                            check(where + " long");
                        }
                    }
                }
                if (op == 2) check(std::string(material) + " parting " + g);
            }
        }
    }
    EXPECT_TRUE(messages.entries.empty());
}

// A long random run of user events never leaves "nan" or "inf" in a field
// nor a bar position outside its range.
TEST_P(TurningPageTest, RandomUserKeepsEveryFieldFinite) {
    std::mt19937 rng(4711);
    std::vector<Control*> controls = page.controls();
    for (int step = 0; step < 3000; ++step) {
        Control* c = controls[rng() % controls.size()];
        if (auto* b = dynamic_cast<Bar*>(c)) {
            const int span = b->max() - b->min() + 1;
            page.userScroll(b->name(), b->min() + static_cast<int>(rng() % span));
        } else if (auto* l = dynamic_cast<List*>(c)) {
            if (l->count() > 0) page.userSelect(l->name(), static_cast<int>(rng() % l->count()));
        } else if (dynamic_cast<Button*>(c) != nullptr) {
            page.userClick(c->name());
        }
        if (step % 97 == 0) {
            page.kc.setText(std::to_string(rng() % 3000));
            shell.hooks.kcReceivers[0].afterHandOver();
        }
        for (Control* k : controls) {
            if (auto* f = dynamic_cast<Field*>(k)) {
                ASSERT_EQ(f->text().find("nan"), std::string::npos) << f->name();
                ASSERT_EQ(f->text().find("inf"), std::string::npos) << f->name();
            }
            if (auto* b = dynamic_cast<Bar*>(k)) {
                ASSERT_LE(b->min(), b->position());
                ASSERT_LE(b->position(), b->max());
            }
        }
        ASSERT_FALSE(button("SpeedButton46").down());
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
    EXPECT_EQ(page.get<Button>("SpeedButton31").hint,
              "Bau-,Einsatz-,Nitrier-,Automaten-,Vergütungsstähle");

    main.selectPage(1);
    EXPECT_EQ(shell.state.activeMaterialGroup, 1);
    EXPECT_EQ(page.kc.text(), "1550"); // "S235JR (St37-2)", multiplier 1
    EXPECT_EQ(page.power.text(), "10.3333333333333");
    EXPECT_EQ(shell.state.helpContext, 105);
    EXPECT_TRUE(main.advisorButton.enabled);
    EXPECT_TRUE(messages.entries.empty());
}

} // namespace
