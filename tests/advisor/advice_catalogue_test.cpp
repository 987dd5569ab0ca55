// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "advisor/advice_catalogue.h"

#include "fingerprint.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace zerbo::advisor {
namespace {

struct ExpectedSection {
    int page;
    std::string_view caption;
    std::string_view faultLabel;
    int faults;
    int entries;
};

const ExpectedSection kSections[] = {
    {0, "Fehler beim Fräsen und deren Beseitigung", "Fräsfehler:", 8, 8},
    {1, "Fehler beim Drehen und deren Beseitigung", "Drehfehler:", 11, 11},
    {2, "Fehler beim Bohren und deren Beseitigung", "Bohrfehler:", 9, 8},
    {3, "Reibfehler und deren Beseitigung", "Reibfehler:", 5, 5},
    {5, "Sägefehler und deren Beseitigung", "Sägefehler:", 16, 16},
};

std::vector<std::string_view> Lines(Entry entry) {
    return {entry.begin(), entry.end()};
}

TEST(AdviceCatalogue, PagesWithAndWithoutAdvice) {
    for (const ExpectedSection& e : kSections) {
        SCOPED_TRACE(e.page);
        const Section* s = SectionForPage(e.page);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->caption, e.caption);
        EXPECT_EQ(s->faultLabel, e.faultLabel);
        EXPECT_EQ(static_cast<int>(s->faults.size()), e.faults);
        EXPECT_EQ(static_cast<int>(s->entries.size()), e.entries);
        EXPECT_TRUE(HasAdvice(e.page));
    }
    for (int page : {4, 6, -1, 7, 1000}) {
        EXPECT_EQ(SectionForPage(page), nullptr) << page;
        EXPECT_FALSE(HasAdvice(page)) << page;
    }
}

// Fault n selects entry n, except on the drilling page, where the seventh
// and eighth fault share one entry; so every entry is shown by some fault.
TEST(AdviceCatalogue, EveryFaultSelectsItsEntry) {
    for (const ExpectedSection& e : kSections) {
        const Section& s = *SectionForPage(e.page);
        for (int f = 0; f < e.faults; ++f) {
            const size_t entry = e.page == 2 && f >= 7 ? f - 1 : f;
            EXPECT_FALSE(s.faults[static_cast<size_t>(f)].text.empty());
            EXPECT_EQ(EntryForFault(s, f).data(), s.entries[entry].data())
                << s.faults[static_cast<size_t>(f)].text;
        }
    }
}

// Causes, then a block per remedy; blocks are parted by one blank line.
TEST(AdviceCatalogue, EveryEntryIsCausesThenRemedies) {
    for (const ExpectedSection& e : kSections) {
        const Section& s = *SectionForPage(e.page);
        for (size_t i = 0; i < s.entries.size(); ++i) {
            SCOPED_TRACE(std::string(e.faultLabel) + " entry " + std::to_string(i + 1));
            const Entry entry = s.entries[i];
            ASSERT_GE(entry.size(), 3u);
            EXPECT_EQ(entry.front(), "Fehlerursachen:");
            EXPECT_NE(entry.back(), kBlank);
            for (size_t k = 0; k < entry.size(); ++k) {
                const std::string_view line = entry[k];
                EXPECT_FALSE(line.empty());
                EXPECT_EQ(line.find('\n'), std::string_view::npos) << line;
                if (line.find_first_not_of(' ') == std::string_view::npos) {
                    EXPECT_EQ(line, kBlank);
                    EXPECT_NE(entry[k - 1], kBlank);
                }
                if (line.starts_with("Lösung zu ")) {
                    EXPECT_TRUE(line.ends_with(":")) << line;
                    EXPECT_EQ(entry[k - 1], kBlank) << line;
                }
            }
        }
    }
}

// Entries where the text has leading or trailing blanks, inner quotes or odd
// spellings.
TEST(AdviceCatalogue, SampledEntriesWordForWord) {
    const Section& milling = *SectionForPage(0);
    EXPECT_EQ(Lines(milling.entries[2]),
              (std::vector<std::string_view>{
                  "Fehlerursachen:", "1: Stirnflächen der Fräsdornringe und der",
                  "   Spannmutter sind nicht rechtwinklig zur Achse.", " ",
                  "Lösung zu 1:", "Spannmutter und Fräsdornringe austauschen."}));
    EXPECT_EQ(milling.entries[1][3], "3: Werkzeug \"klettert\" beim Gleichlauffräsen.");
    EXPECT_EQ(milling.entries[7][5], "prüfen. ");
    EXPECT_EQ(SectionForPage(1)->faults[10].text, "Bildung einer Aufbeischneide");
    EXPECT_EQ(SectionForPage(3)->entries[3].back(), "  Oberflächengüte der geriebenen Bohrung.");
    EXPECT_EQ(SectionForPage(5)->faults[15].text, "Bandsäge: Schrägschnitt.");
}

// Every caption, fault and line. Pinned as they stand: after a deliberate
// change, compare the texts with their source again and take the new value.
TEST(AdviceCatalogue, EveryTextAsChecked) {
    testing::Fingerprint fp;
    for (const ExpectedSection& e : kSections) {
        const Section& s = *SectionForPage(e.page);
        fp << s.caption << s.faultLabel;
        for (const Fault& f : s.faults)
            fp << f.text << f.entry;
        for (Entry entry : s.entries)
            fp.all(entry) << "\x1d";
    }
    EXPECT_EQ(fp.hex(), "559a6228d39e61c0");
}

TEST(AdviceCatalogue, FaultOutsideTheListSelectsNothing) {
    const Section& drilling = *SectionForPage(2);
    EXPECT_TRUE(EntryForFault(drilling, -1).empty());
    EXPECT_TRUE(EntryForFault(drilling, 9).empty());

    // A fault that refers to a missing entry shows nothing either.
    const Fault broken[] = {{"x", 0}, {"y", 2}};
    const std::string_view lines[] = {"Fehlerursachen:"};
    const Entry entries[] = {lines};
    const Section section{"c", "l", broken, entries};
    EXPECT_TRUE(EntryForFault(section, 0).empty());
    EXPECT_TRUE(EntryForFault(section, 1).empty());
}

} // namespace
} // namespace zerbo::advisor
