// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The description texts of the three sets: the layout every memo follows,
// sampled lines, and a fingerprint of every line.
#include "fingerprint.h"
#include "materials/material_groups.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace zerbo {
namespace {

using Lines = std::vector<std::string>;

struct NamedSet {
    const char* name;
    GroupTextSet set;
    size_t groups;
};
const NamedSet kSets[] = {
    {"eleven", GroupTextsEleven, 11}, {"HSS", GroupTextsSevenHss, 7}, {"WP", GroupTextsSevenWp, 7}};

bool IsMaterialNumber(std::string_view line) {
    if (!line.starts_with(kMaterialNumberPrefix)) return false;
    const std::string_view n = line.substr(kMaterialNumberPrefix.size());
    return n.size() == 6 && n[1] == '.' &&
           n.find_first_not_of("0123456789", 2) == std::string_view::npos &&
           std::isdigit(static_cast<unsigned char>(n[0]));
}

// Headings, then entries between separators; a material number line follows
// its designation; no empty line and no two separators in a row.
TEST(GroupTexts, EveryGroupFollowsTheMemoLayout) {
    for (const NamedSet& s : kSets) {
        ASSERT_EQ(s.set.size(), s.groups) << s.name;
        for (int group = 1; group <= static_cast<int>(s.groups); ++group) {
            SCOPED_TRACE(std::string(s.name) + " group " + std::to_string(group));
            const Lines lines = GroupLines(s.set, group);
            ASSERT_FALSE(lines.empty());
            EXPECT_NE(lines.front(), kGroupSeparator);
            bool afterSeparator = false;
            for (size_t i = 0; i < lines.size(); ++i) {
                const std::string& line = lines[i];
                EXPECT_NE(line.find_first_not_of(' '), std::string::npos) << "line " << i;
                if (line.starts_with(kMaterialNumberPrefix)) {
                    EXPECT_TRUE(IsMaterialNumber(line)) << line;
                    ASSERT_GT(i, 0u);
                    EXPECT_NE(lines[i - 1], kGroupSeparator) << line;
                    EXPECT_FALSE(IsMaterialNumber(lines[i - 1])) << line;
                }
                const bool separator = line == kGroupSeparator;
                EXPECT_FALSE(separator && afterSeparator) << "line " << i;
                afterSeparator = separator;
            }
        }
    }
}

TEST(GroupTexts, SampledLines) {
    const Lines eleven1 = GroupLines(GroupTextsEleven, 1);
    EXPECT_EQ(Lines(eleven1.begin(), eleven1.begin() + 7),
              (Lines{"Bau-, Einsatz-, Nitrier-, Automaten-,", "Vergütungsstähle, ",
                     "unlegierte Werkzeugstähle bis 700N/mm2", "Kunststoffe weich",
                     std::string(kGroupSeparator), "St 37-2", "Stoff-Nr.: 1.0037"}));
    EXPECT_EQ(Lines(eleven1.end() - 5, eleven1.end()),
              (Lines{"C 45 W", "Stoff-Nr.: 1.1730", std::string(kGroupSeparator),
                     "Plexiglas, Polyamid", std::string(kGroupSeparator)}));
    const Lines hss3 = GroupLines(GroupTextsSevenHss, 3);
    EXPECT_EQ(hss3.front(), "Ventil- ,Kaltarbeits- und Schnellarbeitsstähle");
    const Lines wp4 = GroupLines(GroupTextsSevenWp, 4);
    EXPECT_EQ(Lines(wp4.begin(), wp4.begin() + 4),
              (Lines{"Schwer zerspanbare Materialien", "Hochwarmfeste Stähle",
                     "Ti- und Ni-Legierungen", "Rostfreie Stähle, exotische Legierungen"}));
    EXPECT_EQ(
        Lines(wp4.end() - 3, wp4.end()),
        (Lines{"Nimonic, Hastelloy, Monell", "Stoff-Nr.: 3.1764", std::string(kGroupSeparator)}));
    EXPECT_EQ(GroupLines(GroupTextsSevenWp, 6),
              (Lines{"Alu-Guß <= 6%Si, ausgehätetes Alu", std::string(kGroupSeparator),
                     "G-AlSi 5 Mg", std::string(kGroupSeparator)}));
    // Groups that end without a separator; a line that goes on after the
    // material number.
    EXPECT_EQ(GroupLines(GroupTextsEleven, 11), Lines{"Gehärtete Werkstoffe bis 68 HRC"});
    EXPECT_EQ(GroupLines(GroupTextsSevenHss, 5),
              (Lines{"Reines Alu, nicht ausgehärtetes Alu", std::string(kGroupSeparator),
                     "AlMg 5 F 24"}));
    const Lines hss2 = GroupLines(GroupTextsSevenHss, 2);
    const auto at = std::find(hss2.begin(), hss2.end(), "X 12 CrNiS 18 8");
    ASSERT_NE(at, hss2.end());
    EXPECT_EQ(Lines(at + 1, at + 3), (Lines{"Stoff-Nr.: 1.4305", "(V2A geschwefelt)"}));
}

// Every line of every set, pinned as they stood when a test compared them
// line for line with the source. After a deliberate change, compare the
// changed group with its source again and take the new value.
TEST(GroupTexts, EveryLineAsChecked) {
    const char* expected[] = {"b8ccb77e5bc1babe", "fefc50a234a50d82", "c4121c98b634f98d"};
    for (size_t k = 0; k < std::size(kSets); ++k) {
        testing::Fingerprint fp;
        for (int group = 1; group <= static_cast<int>(kSets[k].groups); ++group)
            fp.all(GroupLines(kSets[k].set, group)) << "\x1d";
        EXPECT_EQ(fp.hex(), expected[k]) << kSets[k].name;
    }
}

} // namespace
} // namespace zerbo
