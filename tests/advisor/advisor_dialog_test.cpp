// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "advisor/advisor_dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zerbo::advisor {
namespace {

class AdvisorDialogTest : public ::testing::Test {
  protected:
    MessageRecorder messages;
    HelpRecorder help;
    Shell shell{messages, help};
    AdvisorDialog dialog{shell};

    static std::vector<std::string> Lines(Entry entry) { return {entry.begin(), entry.end()}; }
    std::vector<std::string> EntryOf(int page, int fault) const {
        return Lines(EntryForFault(*SectionForPage(page), fault));
    }
};

TEST_F(AdvisorDialogTest, CreatedHiddenWithItsDesignTexts) {
    EXPECT_FALSE(dialog.visible);
    EXPECT_EQ(dialog.caption, "Reibfehler und deren Beseitigung");
    EXPECT_EQ(dialog.faultCaption.caption, "Reibfehler:");
    EXPECT_EQ(dialog.adviceCaption.caption, "Fehlerquellen und Lösungsmöglichkeit:");
    EXPECT_EQ(dialog.faultList.count(), 0);
    EXPECT_TRUE(dialog.advice.lines.empty());
    EXPECT_EQ(dialog.okButton.caption, "Beenden");
    EXPECT_TRUE(dialog.okButton.visible);
    EXPECT_FALSE(dialog.cancelButton.visible);
    EXPECT_FALSE(dialog.helpButton.visible);
    EXPECT_EQ(dialog.boundPage(), -1);
    // The hidden buttons take no clicks.
    EXPECT_FALSE(dialog.userClick(dialog.helpButton));
    EXPECT_FALSE(dialog.userClick(dialog.cancelButton));
}

TEST_F(AdvisorDialogTest, OpeningShowsThePagesCaptionLabelFaultsAndFirstEntry) {
    struct Case {
        int page;
        const char* caption;
        const char* label;
        int faults;
        const char* firstFault;
        const char* lastFault;
        const char* firstEntryLast;
    };
    const Case cases[] = {
        {0, "Fehler beim Fräsen und deren Beseitigung", "Fräsfehler:", 8,
         "Werkzeugstandzeit zu gering (bei HSS-Werkzeugen).",
         "Oberfläche zeigt Vertiefungen in gleichen Abständen.", "Winkel prüfen."},
        {1, "Fehler beim Drehen und deren Beseitigung", "Drehfehler:", 11,
         "Werkstückabmessungen sind nicht konstant", "Bildung einer Aufbeischneide",
         "Prüfen Sie die Maschine auf unzulängliche Leistung und Stabilität."},
        {2, "Fehler beim Bohren und deren Beseitigung", "Bohrfehler:", 9,
         "Bohrer hakt ein und bricht.", "Bohrung wird in dünnw. Werkst. und Blech unrund.",
         nullptr},
        {3, "Reibfehler und deren Beseitigung", "Reibfehler:", 5,
         "Bohrung wird zu groß (Überweite)",
         "Reibahle erwärmt sich zu stark, klemmt uns bricht aus.", nullptr},
        {5, "Sägefehler und deren Beseitigung", "Sägefehler:", 16, "Kreissäge: Blattbruch.",
         "Bandsäge: Schrägschnitt.", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.page);
        dialog.close();
        ASSERT_TRUE(dialog.openFor(c.page));
        EXPECT_TRUE(dialog.visible);
        EXPECT_EQ(dialog.boundPage(), c.page);
        EXPECT_EQ(dialog.caption, c.caption);
        EXPECT_EQ(dialog.faultCaption.caption, c.label);
        EXPECT_EQ(dialog.adviceCaption.caption, "Fehlerquellen und deren Lösungsmöglichkeit:");
        ASSERT_EQ(dialog.faultList.count(), c.faults);
        EXPECT_EQ(dialog.faultList.index(), 0);
        EXPECT_EQ(dialog.faultList.items().front(), c.firstFault);
        EXPECT_EQ(dialog.faultList.items().back(), c.lastFault);
        ASSERT_FALSE(dialog.advice.lines.empty());
        EXPECT_EQ(dialog.advice.lines, EntryOf(c.page, 0));
        EXPECT_EQ(dialog.advice.lines.front(), "Fehlerursachen:");
        if (c.firstEntryLast != nullptr) {
            EXPECT_EQ(dialog.advice.lines.back(), c.firstEntryLast);
        }
    }
}

TEST_F(AdvisorDialogTest, PagesWithoutAdviceLeaveTheDialogAsItWas) {
    for (int page : {4, 6, -1, 7}) {
        EXPECT_FALSE(dialog.openFor(page)) << page;
        EXPECT_FALSE(dialog.visible);
        EXPECT_EQ(dialog.faultList.count(), 0);
    }
    ASSERT_TRUE(dialog.openFor(1));
    ASSERT_TRUE(dialog.userSelect(dialog.faultList, 4));
    const std::vector<std::string> memo = dialog.advice.lines;
    for (int page : {4, 6}) {
        EXPECT_FALSE(dialog.openFor(page));
        EXPECT_TRUE(dialog.visible);
        EXPECT_EQ(dialog.caption, "Fehler beim Drehen und deren Beseitigung");
        EXPECT_EQ(dialog.faultList.index(), 4);
        EXPECT_EQ(dialog.advice.lines, memo);
        EXPECT_EQ(dialog.boundPage(), 1);
    }
}

TEST_F(AdvisorDialogTest, SelectingAFaultShowsItsEntry) {
    for (int page : {0, 1, 2, 3, 5}) {
        ASSERT_TRUE(dialog.openFor(page));
        for (int f = 0; f < dialog.faultList.count(); ++f) {
            ASSERT_TRUE(dialog.userSelect(dialog.faultList, f));
            EXPECT_EQ(dialog.advice.lines, EntryOf(page, f)) << page << " " << f;
        }
        // Going back replaces the memo instead of appending to it.
        ASSERT_TRUE(dialog.userSelect(dialog.faultList, 0));
        EXPECT_EQ(dialog.advice.lines, EntryOf(page, 0));
    }
}

TEST_F(AdvisorDialogTest, DrillingFaultsSevenAndEightShowTheSameEntry) {
    ASSERT_TRUE(dialog.openFor(2));
    ASSERT_TRUE(dialog.userSelect(dialog.faultList, 6));
    const std::vector<std::string> seventh = dialog.advice.lines;
    ASSERT_TRUE(dialog.userSelect(dialog.faultList, 7));
    EXPECT_EQ(dialog.advice.lines, seventh);
    EXPECT_EQ(seventh, (std::vector<std::string>{"Fehlerursachen:", "1: Bohrer war stumpf.", " ",
                                                 "Lösung zu 1:", "Bohrer schleifen"}));
    ASSERT_TRUE(dialog.userSelect(dialog.faultList, 8));
    EXPECT_EQ(dialog.advice.lines.size(), 6u);
    EXPECT_EQ(dialog.advice.lines[1], "1: Bohrer hat schlechte Führung.");
    EXPECT_EQ(dialog.advice.lines.back(), "Spitzenwinkel vergrößern.");
}

TEST_F(AdvisorDialogTest, ListStaysBoundToTheOperationItWasFilledFor) {
    // Opened on "Sägen"; the main window then shows "Reiben", which the
    // dialog is not told about.
    ASSERT_TRUE(dialog.openFor(5));
    ASSERT_TRUE(dialog.userSelect(dialog.faultList, 11));
    EXPECT_EQ(dialog.advice.lines.size(), 23u);
    EXPECT_EQ(dialog.advice.lines[1], "1: Material nicht geglüht.");
    EXPECT_EQ(dialog.advice.lines.back(), "Mitdrehen zu verhindern.");
    EXPECT_EQ(dialog.caption, "Sägefehler und deren Beseitigung");
}

TEST_F(AdvisorDialogTest, OpeningAgainRefillsForThePageShownThen) {
    ASSERT_TRUE(dialog.openFor(5));
    ASSERT_TRUE(dialog.userSelect(dialog.faultList, 15));
    ASSERT_TRUE(dialog.openFor(3));
    EXPECT_TRUE(dialog.visible);
    EXPECT_EQ(dialog.caption, "Reibfehler und deren Beseitigung");
    EXPECT_EQ(dialog.faultCaption.caption, "Reibfehler:");
    EXPECT_EQ(dialog.faultList.count(), 5);
    EXPECT_EQ(dialog.faultList.index(), 0);
    EXPECT_EQ(dialog.advice.lines, EntryOf(3, 0));
    // The fifth reaming fault, not the fifth sawing fault.
    ASSERT_TRUE(dialog.userSelect(dialog.faultList, 4));
    EXPECT_EQ(dialog.advice.lines, EntryOf(3, 4));
    EXPECT_FALSE(dialog.userSelect(dialog.faultList, 5));

    // The same page again starts over at its first fault.
    ASSERT_TRUE(dialog.openFor(3));
    EXPECT_EQ(dialog.faultList.index(), 0);
    EXPECT_EQ(dialog.advice.lines, EntryOf(3, 0));
}

TEST_F(AdvisorDialogTest, BeendenHidesAndKeepsTheContents) {
    ASSERT_TRUE(dialog.openFor(0));
    ASSERT_TRUE(dialog.userSelect(dialog.faultList, 6));
    ASSERT_TRUE(dialog.userClick(dialog.okButton));
    EXPECT_FALSE(dialog.visible);
    EXPECT_FALSE(dialog.okButton.down());
    EXPECT_EQ(dialog.faultList.index(), 6);
    EXPECT_EQ(dialog.advice.lines, EntryOf(0, 6));
    EXPECT_EQ(dialog.caption, "Fehler beim Fräsen und deren Beseitigung");
    ASSERT_TRUE(dialog.openFor(0));
    EXPECT_TRUE(dialog.visible);
    EXPECT_EQ(dialog.faultList.index(), 0);
}

TEST_F(AdvisorDialogTest, SelectionsOutsideTheListChangeNothing) {
    ASSERT_TRUE(dialog.openFor(2));
    ASSERT_TRUE(dialog.userSelect(dialog.faultList, 3));
    const std::vector<std::string> memo = dialog.advice.lines;
    EXPECT_FALSE(dialog.userSelect(dialog.faultList, 9));
    EXPECT_FALSE(dialog.userSelect(dialog.faultList, -1));
    EXPECT_EQ(dialog.faultList.index(), 3);
    EXPECT_EQ(dialog.advice.lines, memo);
    EXPECT_TRUE(messages.entries.empty());
}

TEST_F(AdvisorDialogTest, ASelectionOfNoRowShowsAnEmptyMemo) {
    // Before the first opening the list is empty.
    dialog.faultList.onChange();
    EXPECT_TRUE(dialog.advice.lines.empty());

    ASSERT_TRUE(dialog.openFor(1));
    dialog.faultList.select(-1);
    dialog.faultList.onChange();
    EXPECT_TRUE(dialog.advice.lines.empty());
    EXPECT_EQ(dialog.faultList.count(), 11);
}

} // namespace
} // namespace zerbo::advisor
