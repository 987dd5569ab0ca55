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
    EXPECT_EQ(dialog.Label1.caption, "Reibfehler:");
    EXPECT_EQ(dialog.Label2.caption, "Fehlerquellen und Lösungsmöglichkeit:");
    EXPECT_EQ(dialog.ComboBox1.count(), 0);
    EXPECT_TRUE(dialog.Memo1.lines.empty());
    EXPECT_EQ(dialog.OKBtn.caption, "Beenden");
    EXPECT_TRUE(dialog.OKBtn.visible);
    EXPECT_FALSE(dialog.CancelBtn.visible);
    EXPECT_FALSE(dialog.HelpBtn.visible);
    EXPECT_EQ(dialog.boundPage(), -1);
    for (const char* name :
         {"Label1", "Label2", "ComboBox1", "Memo1", "OKBtn", "CancelBtn", "HelpBtn"})
        EXPECT_NE(dialog.find(name), nullptr) << name;
    // The hidden buttons take no clicks.
    EXPECT_FALSE(dialog.userClick("HelpBtn"));
    EXPECT_FALSE(dialog.userClick("CancelBtn"));
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
        EXPECT_EQ(dialog.Label1.caption, c.label);
        EXPECT_EQ(dialog.Label2.caption, "Fehlerquellen und deren Lösungsmöglichkeit:");
        ASSERT_EQ(dialog.ComboBox1.count(), c.faults);
        EXPECT_EQ(dialog.ComboBox1.index(), 0);
        EXPECT_EQ(dialog.ComboBox1.items().front(), c.firstFault);
        EXPECT_EQ(dialog.ComboBox1.items().back(), c.lastFault);
        ASSERT_FALSE(dialog.Memo1.lines.empty());
        EXPECT_EQ(dialog.Memo1.lines, EntryOf(c.page, 0));
        EXPECT_EQ(dialog.Memo1.lines.front(), "Fehlerursachen:");
        if (c.firstEntryLast != nullptr) {
            EXPECT_EQ(dialog.Memo1.lines.back(), c.firstEntryLast);
        }
    }
}

TEST_F(AdvisorDialogTest, PagesWithoutAdviceLeaveTheDialogAsItWas) {
    for (int page : {4, 6, -1, 7}) {
        EXPECT_FALSE(dialog.openFor(page)) << page;
        EXPECT_FALSE(dialog.visible);
        EXPECT_EQ(dialog.ComboBox1.count(), 0);
    }
    ASSERT_TRUE(dialog.openFor(1));
    ASSERT_TRUE(dialog.userSelect("ComboBox1", 4));
    const std::vector<std::string> memo = dialog.Memo1.lines;
    for (int page : {4, 6}) {
        EXPECT_FALSE(dialog.openFor(page));
        EXPECT_TRUE(dialog.visible);
        EXPECT_EQ(dialog.caption, "Fehler beim Drehen und deren Beseitigung");
        EXPECT_EQ(dialog.ComboBox1.index(), 4);
        EXPECT_EQ(dialog.Memo1.lines, memo);
        EXPECT_EQ(dialog.boundPage(), 1);
    }
}

TEST_F(AdvisorDialogTest, SelectingAFaultShowsItsEntry) {
    for (int page : {0, 1, 2, 3, 5}) {
        ASSERT_TRUE(dialog.openFor(page));
        for (int f = 0; f < dialog.ComboBox1.count(); ++f) {
            ASSERT_TRUE(dialog.userSelect("ComboBox1", f));
            EXPECT_EQ(dialog.Memo1.lines, EntryOf(page, f)) << page << " " << f;
        }
        // Going back replaces the memo instead of appending to it.
        ASSERT_TRUE(dialog.userSelect("ComboBox1", 0));
        EXPECT_EQ(dialog.Memo1.lines, EntryOf(page, 0));
    }
}

TEST_F(AdvisorDialogTest, DrillingFaultsSevenAndEightShowTheSameEntry) {
    ASSERT_TRUE(dialog.openFor(2));
    ASSERT_TRUE(dialog.userSelect("ComboBox1", 6));
    const std::vector<std::string> seventh = dialog.Memo1.lines;
    ASSERT_TRUE(dialog.userSelect("ComboBox1", 7));
    EXPECT_EQ(dialog.Memo1.lines, seventh);
    EXPECT_EQ(seventh, (std::vector<std::string>{"Fehlerursachen:", "1: Bohrer war stumpf.", " ",
                                                 "Lösung zu 1:", "Bohrer schleifen"}));
    ASSERT_TRUE(dialog.userSelect("ComboBox1", 8));
    EXPECT_EQ(dialog.Memo1.lines.size(), 6u);
    EXPECT_EQ(dialog.Memo1.lines[1], "1: Bohrer hat schlechte Führung.");
    EXPECT_EQ(dialog.Memo1.lines.back(), "Spitzenwinkel vergrößern.");
}

TEST_F(AdvisorDialogTest, ListStaysBoundToTheOperationItWasFilledFor) {
    // Opened on "Sägen"; the main window then shows "Reiben", which the
    // dialog is not told about.
    ASSERT_TRUE(dialog.openFor(5));
    ASSERT_TRUE(dialog.userSelect("ComboBox1", 11));
    EXPECT_EQ(dialog.Memo1.lines.size(), 23u);
    EXPECT_EQ(dialog.Memo1.lines[1], "1: Material nicht geglüht.");
    EXPECT_EQ(dialog.Memo1.lines.back(), "Mitdrehen zu verhindern.");
    EXPECT_EQ(dialog.caption, "Sägefehler und deren Beseitigung");
}

TEST_F(AdvisorDialogTest, OpeningAgainRefillsForThePageShownThen) {
    ASSERT_TRUE(dialog.openFor(5));
    ASSERT_TRUE(dialog.userSelect("ComboBox1", 15));
    ASSERT_TRUE(dialog.openFor(3));
    EXPECT_TRUE(dialog.visible);
    EXPECT_EQ(dialog.caption, "Reibfehler und deren Beseitigung");
    EXPECT_EQ(dialog.Label1.caption, "Reibfehler:");
    EXPECT_EQ(dialog.ComboBox1.count(), 5);
    EXPECT_EQ(dialog.ComboBox1.index(), 0);
    EXPECT_EQ(dialog.Memo1.lines, EntryOf(3, 0));
    // The fifth reaming fault, not the fifth sawing fault.
    ASSERT_TRUE(dialog.userSelect("ComboBox1", 4));
    EXPECT_EQ(dialog.Memo1.lines, EntryOf(3, 4));
    EXPECT_FALSE(dialog.userSelect("ComboBox1", 5));

    // The same page again starts over at its first fault.
    ASSERT_TRUE(dialog.openFor(3));
    EXPECT_EQ(dialog.ComboBox1.index(), 0);
    EXPECT_EQ(dialog.Memo1.lines, EntryOf(3, 0));
}

TEST_F(AdvisorDialogTest, BeendenHidesAndKeepsTheContents) {
    ASSERT_TRUE(dialog.openFor(0));
    ASSERT_TRUE(dialog.userSelect("ComboBox1", 6));
    ASSERT_TRUE(dialog.userClick("OKBtn"));
    EXPECT_FALSE(dialog.visible);
    EXPECT_FALSE(dialog.OKBtn.down());
    EXPECT_EQ(dialog.ComboBox1.index(), 6);
    EXPECT_EQ(dialog.Memo1.lines, EntryOf(0, 6));
    EXPECT_EQ(dialog.caption, "Fehler beim Fräsen und deren Beseitigung");
    ASSERT_TRUE(dialog.openFor(0));
    EXPECT_TRUE(dialog.visible);
    EXPECT_EQ(dialog.ComboBox1.index(), 0);
}

TEST_F(AdvisorDialogTest, SelectionsOutsideTheListChangeNothing) {
    ASSERT_TRUE(dialog.openFor(2));
    ASSERT_TRUE(dialog.userSelect("ComboBox1", 3));
    const std::vector<std::string> memo = dialog.Memo1.lines;
    EXPECT_FALSE(dialog.userSelect("ComboBox1", 9));
    EXPECT_FALSE(dialog.userSelect("ComboBox1", -1));
    EXPECT_EQ(dialog.ComboBox1.index(), 3);
    EXPECT_EQ(dialog.Memo1.lines, memo);
    EXPECT_TRUE(messages.entries.empty());
}

TEST_F(AdvisorDialogTest, ASelectionOfNoRowShowsAnEmptyMemo) {
    // Before the first opening the list is empty.
    dialog.ComboBox1.onChange();
    EXPECT_TRUE(dialog.Memo1.lines.empty());

    ASSERT_TRUE(dialog.openFor(1));
    dialog.ComboBox1.select(-1);
    dialog.ComboBox1.onChange();
    EXPECT_TRUE(dialog.Memo1.lines.empty());
    EXPECT_EQ(dialog.ComboBox1.count(), 11);
}

} // namespace
} // namespace zerbo::advisor
