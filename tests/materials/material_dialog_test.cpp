// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "materials/force_table.h"
#include "materials/material_dialog.h"
#include "shell/messages.h"
#include "shell/shell.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace zerbo {
namespace {

using Texts = std::vector<std::string>;

// The dialog with two stand-in pages that register their kc fields. Each
// after-step records the kc it saw, so a test can tell that it ran after
// the field was written.
class MaterialDialogTest : public ::testing::TestWithParam<char> {
  protected:
    MessageRecorder messages;
    HelpRecorder help;
    Shell shell{messages, help, GetParam()};
    Field millingKc{"millingKc"};
    Field turningKc{"turningKc"};
    Texts millingSaw, turningSaw;
    std::unique_ptr<PreciseMaterialDialog> dialog;

    void SetUp() override {
        millingKc.setText("1240");
        shell.hooks.kcReceivers.push_back(
            {&turningKc, [this] { turningSaw.push_back(turningKc.text()); }});
        shell.hooks.kcReceivers.push_back(
            {&millingKc, [this] { millingSaw.push_back(millingKc.text()); }});
        dialog = std::make_unique<PreciseMaterialDialog>(shell);
    }

    // The number text under the test's separator.
    std::string S(std::string s) const {
        for (char& c : s)
            if (c == '.') c = GetParam();
        return s;
    }
    void refreshFor(int page, int mode, int group) {
        shell.currentPage = page;
        shell.state.forceDialogMode = static_cast<std::uint8_t>(mode);
        shell.state.activeMaterialGroup = static_cast<std::uint8_t>(group);
        RefreshMaterialDialog(shell);
    }
    Texts fields() const {
        const auto& d = *dialog;
        return {d.exponent.text(),      d.baseForce.text(),      d.multiplier.text(),
                d.baseForceCopy.text(), d.multiplierCopy.text(), d.actualForce.text()};
    }
};

TEST_P(MaterialDialogTest, CreatedHiddenWithAutomaticTransferAndActive) {
    EXPECT_EQ(shell.state.preciseMaterialActive, 1);
    EXPECT_FALSE(dialog->visible());
    EXPECT_TRUE(dialog->autoHandOver.checked);
    EXPECT_EQ(dialog->autoHandOver.caption, "Automatische Wertübergabe");
    EXPECT_FALSE(dialog->cancelButton.visible);
    for (const Control* c : dialog->controls())
        if (auto* f = dynamic_cast<const Field*>(c)) {
            EXPECT_FALSE(f->editable) << f->name();
        }
    // The form's texts until the first refresh; the kc fields untouched.
    EXPECT_EQ(fields(), (Texts{"", "", "0.8", "0", "8", "0"}));
    EXPECT_EQ(millingKc.text(), "1240");
    EXPECT_EQ(turningKc.text(), "");
}

TEST_P(MaterialDialogTest, MillingHssGroupOneHandsOverTheProduct) {
    refreshFor(0, 1, 1);
    EXPECT_EQ(dialog->gradeList.index(), 0);
    EXPECT_EQ(fields(), (Texts{S("0.3"), "1550", S("0.8"), "1550", S("0.8"), "1240"}));
    EXPECT_EQ(dialog->multiplierBar.min(), 0);
    EXPECT_EQ(dialog->multiplierBar.max(), 10);
    EXPECT_EQ(dialog->multiplierBar.position(), 8);
    EXPECT_EQ(millingKc.text(), "1240");
    EXPECT_EQ(turningKc.text(), "1240");
    EXPECT_EQ(millingSaw, Texts{"1240"});
    EXPECT_EQ(turningSaw, Texts{"1240"});
}

TEST_P(MaterialDialogTest, TurningCastIronUsesMultiplierOne) {
    refreshFor(1, 2, 7);
    EXPECT_EQ(dialog->gradeList.items(), (Texts{"GG-15", "GG-25"}));
    EXPECT_EQ(fields(), (Texts{S("0.21"), "935", "1", "935", "1", "935"}));
    EXPECT_EQ(dialog->multiplierBar.position(), 10);
    EXPECT_EQ(turningKc.text(), "935");
    ASSERT_TRUE(dialog->userSelect(dialog->gradeList, 1));
    EXPECT_EQ(fields(), (Texts{S("0.26"), "1140", "1", "1140", "1", "1140"}));
    EXPECT_EQ(turningKc.text(), "935"); // a grade click hands nothing over
}

TEST_P(MaterialDialogTest, GradeListsAndEveryRowOfBothModes) {
    const std::vector<Texts> names = {{},
                                      {"S235JR (St37-2)", "E295 (St50-2)", "E335 (St60-2)", "C15",
                                       "C35", "2C45 (Ck45)", "GG-15", "GG-25"},
                                      {"2C60 (Ck60)", "15 CrMo 5", "16 MnCr 5"},
                                      {"34 CrNiMo 6", "30 CrMo V 9"},
                                      {"X 5 NiCrTi 26 15"}};
    const Texts none = {"Keine Werte vorh."};
    // Mode 1 (milling, HSS/WP): groups 8..11 cannot be chosen there; asked
    // anyway they offer nothing.
    const std::vector<Texts> mode1 = {names[0], names[1], names[2], names[3], names[4], none,
                                      none,     none,     none,     none,     none,     none};
    const Texts firstSix(names[1].begin(), names[1].begin() + 6);
    const std::vector<Texts> mode2 = {names[0], firstSix,           names[2], names[3], none, none,
                                      names[4], {"GG-15", "GG-25"}, none,     none,     none, none};
    for (int mode : {1, 2})
        for (int group = 0; group <= 11; ++group) {
            refreshFor(mode == 1 ? 0 : 1, mode, group);
            const Texts& expected = (mode == 1 ? mode1 : mode2)[static_cast<size_t>(group)];
            ASSERT_EQ(dialog->gradeList.items(), expected) << "mode " << mode << " group " << group;
            // Select every entry as the user would: mc and kc1.1 of its row.
            for (int i = 0; i < dialog->gradeList.count(); ++i) {
                dialog->userSelect(dialog->gradeList, i);
                const int row = GradeRows(mode, group)[static_cast<size_t>(i)];
                EXPECT_EQ(dialog->selectedRow(), row);
                EXPECT_EQ(dialog->exponent.text(), shell.numbers.write(MaterialExponent(row)));
                EXPECT_EQ(dialog->baseForce.text(), std::to_string(MaterialBaseForce(row)));
            }
        }
}

// A grade click shows the exponent of its own row.
TEST_P(MaterialDialogTest, ExponentFollowsTheGrade) {
    refreshFor(1, 2, 2);
    dialog->userSelect(dialog->gradeList, 1);
    EXPECT_EQ(dialog->gradeList.text(), "15 CrMo 5");
    EXPECT_EQ(dialog->exponent.text(), S("0.23"));
    dialog->userSelect(dialog->gradeList, 2);
    EXPECT_EQ(dialog->gradeList.text(), "16 MnCr 5");
    EXPECT_EQ(dialog->exponent.text(), S("0.27"));
}

TEST_P(MaterialDialogTest, NoGradesGiveZeroEverywhere) {
    const Texts zeros = {"0", "0", "1", "0", "1", "0"};
    refreshFor(1, 2, 4);
    EXPECT_EQ(dialog->gradeList.items(), Texts{"Keine Werte vorh."});
    EXPECT_EQ(fields(), zeros);
    EXPECT_EQ(turningKc.text(), "0");
    EXPECT_EQ(millingKc.text(), "0");

    // Group 0: an empty list reads as no grade.
    refreshFor(1, 2, 1);
    refreshFor(1, 2, 0);
    EXPECT_EQ(dialog->gradeList.count(), 0);
    EXPECT_EQ(dialog->gradeList.index(), -1);
    EXPECT_EQ(fields(), zeros);

    // A click that leaves no row selected.
    refreshFor(1, 2, 1);
    dialog->gradeList.select(-1);
    dialog->gradeList.onChange();
    EXPECT_EQ(fields(), zeros);
    EXPECT_EQ(dialog->selectedRow(), 0);

    // Mode 1 asked for a group above 7.
    refreshFor(0, 1, 9);
    EXPECT_EQ(dialog->gradeList.items(), Texts{"Keine Werte vorh."});
    EXPECT_EQ(dialog->actualForce.text(), "0");
    EXPECT_TRUE(messages.entries.empty());
}

TEST_P(MaterialDialogTest, MultiplierBar) {
    refreshFor(0, 1, 1); // kc1.1 1550
    millingSaw.clear();
    ASSERT_TRUE(dialog->userScroll(dialog->multiplierBar, 0));
    EXPECT_EQ(fields(), (Texts{S("0.3"), "1550", "0", "1550", "0", "0"}));
    dialog->userScroll(dialog->multiplierBar, 10);
    EXPECT_EQ(fields(), (Texts{S("0.3"), "1550", "1", "1550", "1", "1550"}));
    dialog->userScroll(dialog->multiplierBar, 3);
    EXPECT_EQ(dialog->multiplier.text(), S("0.3"));
    EXPECT_EQ(dialog->actualForce.text(), "465");
    dialog->userScroll(dialog->multiplierBar, 1);
    EXPECT_EQ(dialog->multiplier.text(), S("0.1"));
    EXPECT_EQ(dialog->actualForce.text(), "155");
    dialog->userScroll(dialog->multiplierBar, 99); // kept inside 0..10
    EXPECT_EQ(dialog->multiplierBar.position(), 10);
    EXPECT_EQ(dialog->multiplier.text(), "1");
    // The bar is the dialog's own business: nothing handed over...
    EXPECT_EQ(millingKc.text(), "1240");
    EXPECT_TRUE(millingSaw.empty());
    // ...and the multiplier holds for a grade click, until the next refresh.
    dialog->userScroll(dialog->multiplierBar, 5);
    dialog->userSelect(dialog->gradeList, 6);
    EXPECT_EQ(fields(), (Texts{S("0.21"), "935", S("0.5"), "935", S("0.5"), S("467.5")}));
    refreshFor(0, 1, 1);
    EXPECT_EQ(dialog->multiplier.text(), S("0.8"));
    EXPECT_EQ(dialog->gradeList.index(), 0);
}

TEST_P(MaterialDialogTest, WithoutAutomaticTransferOnlyClosingHandsOver) {
    ASSERT_TRUE(dialog->userClick(dialog->autoHandOver));
    EXPECT_FALSE(dialog->autoHandOver.checked);
    millingKc.setText("1111");
    turningKc.setText("2222");
    refreshFor(0, 1, 2); // 1835 × 0.8
    EXPECT_EQ(dialog->actualForce.text(), "1468");
    EXPECT_EQ(millingKc.text(), "1111");
    EXPECT_EQ(turningKc.text(), "2222");
    EXPECT_TRUE(millingSaw.empty());

    OpenMaterialDialog(shell);
    EXPECT_TRUE(dialog->visible());
    EXPECT_EQ(millingKc.text(), "1111");
    ASSERT_TRUE(dialog->userClick(dialog->okButton));
    EXPECT_FALSE(dialog->visible());
    EXPECT_EQ(millingKc.text(), "1468");
    EXPECT_EQ(turningKc.text(), "1468");
    EXPECT_EQ(millingSaw, Texts{"1468"});
    EXPECT_EQ(turningSaw, Texts{"1468"});

    // The close box does the same.
    OpenMaterialDialog(shell);
    dialog->userScroll(dialog->multiplierBar, 10);
    dialog->userClose();
    EXPECT_FALSE(dialog->visible());
    EXPECT_EQ(millingKc.text(), "1835");
    EXPECT_EQ(turningKc.text(), "1835");
}

TEST_P(MaterialDialogTest, OpeningRefreshesAndShowsWithoutBlocking) {
    shell.currentPage = 1;
    shell.state.forceDialogMode = 2;
    shell.state.activeMaterialGroup = 6;
    OpenMaterialDialog(shell);
    EXPECT_TRUE(dialog->visible());
    EXPECT_EQ(dialog->gradeList.items(), Texts{"X 5 NiCrTi 26 15"});
    EXPECT_EQ(turningKc.text(), "1975"); // automatic transfer
    // The pages stay usable: a refresh while shown rebuilds the open dialog.
    refreshFor(1, 2, 7);
    EXPECT_TRUE(dialog->visible());
    EXPECT_EQ(dialog->gradeList.items(), (Texts{"GG-15", "GG-25"}));
    EXPECT_EQ(turningKc.text(), "935");
}

TEST_P(MaterialDialogTest, CancelledDialogHandsNothingOver) {
    dialog->autoHandOver.checked = false;
    refreshFor(0, 1, 3);
    dialog->open();
    // The cancel button is hidden: the user cannot press it.
    EXPECT_FALSE(dialog->userClick(dialog->cancelButton));
    EXPECT_TRUE(dialog->visible());
    dialog->cancelButton.onClick();
    EXPECT_FALSE(dialog->visible());
    EXPECT_TRUE(dialog->cancelled());
    EXPECT_EQ(millingKc.text(), "1240");
    EXPECT_TRUE(millingSaw.empty());
    // Opening again clears the flag.
    dialog->open();
    EXPECT_FALSE(dialog->cancelled());
    dialog->userClose();
    EXPECT_EQ(millingKc.text(), "1380"); // 1725 × 0.8
}

TEST_P(MaterialDialogTest, ClosingAHiddenDialogDoesNothing) {
    refreshFor(0, 1, 1);
    millingKc.setText("999");
    millingSaw.clear();
    dialog->userClose();
    EXPECT_EQ(millingKc.text(), "999");
    EXPECT_TRUE(millingSaw.empty());
}

TEST_P(MaterialDialogTest, HelpOpensTopic110) {
    ASSERT_TRUE(dialog->userClick(dialog->helpButton));
    dialog->userHelp();
    EXPECT_EQ(help.topics, (std::vector<int>{110, 110}));
    EXPECT_EQ(shell.state.helpContext, 104);
}

TEST_P(MaterialDialogTest, InactiveDialogIgnoresRefresh) {
    shell.state.preciseMaterialActive = 0;
    refreshFor(0, 1, 1);
    EXPECT_EQ(dialog->gradeList.count(), 0);
    EXPECT_EQ(millingKc.text(), "1240");
    EXPECT_EQ(turningKc.text(), "");
}

TEST_P(MaterialDialogTest, ShellReachesNoDialogBeforeCreationOrAfterDestruction) {
    dialog.reset();
    shell.state.forceDialogMode = 1;
    shell.state.activeMaterialGroup = 1;
    RefreshMaterialDialog(shell);
    OpenMaterialDialog(shell);
    EXPECT_EQ(millingKc.text(), "1240");
    EXPECT_FALSE(shell.hooks.refreshMaterialDialog);
    EXPECT_FALSE(shell.hooks.openMaterialDialog);
}

// A long random sequence of user events and refreshes from any page, mode
// and group number: the fields always hold kc1.1 × multiplier of the
// selected row, and nothing reads outside the list or the table.
TEST_P(MaterialDialogTest, RandomEventsKeepTheProductConsistent) {
    std::mt19937 random(7);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    for (int step = 0; step < 3000; ++step) {
        switch (pick(0, 7)) {
        case 0:
            refreshFor(pick(0, 6), pick(0, 3), pick(0, 255));
            break;
        case 1:
            dialog->userSelect(dialog->gradeList, pick(-2, 9));
            break;
        case 2:
            dialog->userScroll(dialog->multiplierBar, pick(-5, 15));
            break;
        case 3:
            dialog->userClick(pick(0, 1) ? static_cast<const Control&>(dialog->autoHandOver)
                                         : dialog->okButton);
            break;
        case 4:
            OpenMaterialDialog(shell);
            break;
        case 5:
            dialog->userClose();
            break;
        case 6:
            dialog->gradeList.select(pick(-2, 9));
            dialog->gradeList.onChange();
            break;
        default:
            shell.state.preciseMaterialActive = static_cast<std::uint8_t>(pick(0, 4) != 0);
            break;
        }
        const auto& d = *dialog;
        const int row = d.selectedRow();
        ASSERT_GE(row, 0);
        ASSERT_LE(row, 14);
        ASSERT_GE(d.multiplierBar.position(), 0);
        ASSERT_LE(d.multiplierBar.position(), 10);
        if (d.gradeList.count() == 0) continue; // before the first refresh
        const double multiplier = shell.numbers.parse(d.multiplier.text());
        ASSERT_EQ(multiplier, d.multiplierBar.position() / 10.0);
        ASSERT_EQ(d.baseForce.text(), std::to_string(MaterialBaseForce(row)));
        ASSERT_EQ(
            d.actualForce.text(),
            shell.numbers.write(static_cast<long double>(MaterialBaseForce(row)) * multiplier));
        ASSERT_EQ(d.exponent.text(), shell.numbers.write(MaterialExponent(row)));
    }
    EXPECT_TRUE(messages.entries.empty());
}

INSTANTIATE_TEST_SUITE_P(BothSeparators, MaterialDialogTest, ::testing::Values(',', '.'),
                         [](const auto& info) { return info.param == ',' ? "Comma" : "Point"; });

} // namespace
} // namespace zerbo
