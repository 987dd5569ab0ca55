// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The description texts of the material groups. Each group: its heading
// lines, then its entries as {designation, material number, {further lines}}
// in the order the memo shows them. The tables at the end put them together
// per set: {headings, entries, separator after the last entry}.

#include "materials/material_groups.h"

#include <string_view>

namespace zerbo {
namespace {

// clang-format off
// ======================================================================
// Eleven groups (turning; milling with VHM)
// ======================================================================

// Group 1
constexpr std::string_view kEleven1Headings[] = {
    "Bau-, Einsatz-, Nitrier-, Automaten-,",
    "Vergütungsstähle, ",
    "unlegierte Werkzeugstähle bis 700N/mm2",
    "Kunststoffe weich",
};
constexpr MaterialEntry kEleven1Entries[] = {
    {"St 37-2", "1.0037"},
    {"St 50-2", "1.0050"},
    {"St 60-2", "1.0060"},
    {"C 15", "1.0401"},
    {"C 22", "1.0402"},
    {"C 35", "1.0501"},
    {"C 45", "1.0503"},
    {"9 S 20", "1.0711"},
    {"9 S 20 MnPb 28", "1.0718"},
    {"35 S 20", "1.0726"},
    {"45 S 20", "1.0727"},
    {"9 S MnPb 36", "1.0737"},
    {"Ck 15", "1.1141"},
    {"Ck 35", "1.1180"},
    {"Ck 45", "1.1191"},
    {"C 45 W", "1.1730"},
    {"Plexiglas, Polyamid"},
};

// Group 2
constexpr std::string_view kEleven2Headings[] = {
    "Warmfeste Stähle",
    "Legierte Stähle bis 1000N/mm2",
    "Vergütungs- und Werkzeugstähle",
};
constexpr MaterialEntry kEleven2Entries[] = {
    {"36 Mn 5", "1.1167"},
    {"Ck 60", "1.1221"},
    {"XC 68", "1.1231"},
    {"X 40 CrMo V 51", "1.2344"},
    {"X 100 CrMo V 51", "1.2363"},
    {"100MnCrW4", "1.2510"},
    {"45 WCrV 7", "1.2542"},
    {"90 MnCrV", "1.2842"},
    {"16 MnCr 5", "1.7131"},
    {"25 CrMo 4", "1.7218"},
    {"34 CrMo 4", "1.7220"},
    {"42 CrMo 4", "1.7225"},
    {"15 CrMo 5", "1.7262"},
    {"50 CrV 4", "1.8159"},
    {"34 CrAlMo 5", "1.8507"},
};

// Group 3
constexpr std::string_view kEleven3Headings[] = {
    "Legierte Stähle bis 1400N/mm2",
    "Ventil- ,Kaltarbeits- und Schnellarbeitsstähle",
    "Chemisch beständige Stähle",
    "Kunststoffe hart",
};
constexpr MaterialEntry kEleven3Entries[] = {
    {"55 Si 7", "1.0904"},
    {"X 210 Cr 12 (RCC)", "1.2080"},
    {"40 CrMn Mo 586", "1.2312"},
    {"X 36 CrMo 17", "1.2316"},
    {"X 155 Cr VMo 12 1", "1.2379"},
    {"X 210 CrW 12", "1.2436"},
    {"45 NiCr 6", "1.2710"},
    {"50 NiCr 13", "1.2721"},
    {"X 45 NiCrMo 4", "1.2767"},
    {"S 18-1-2-5", "1.3255"},
    {"S 18-1-2-10", "1.3265"},
    {"S 6-5-2 (DMo 5)", "1.3343"},
    {"100 Cr 6", "1.3505"},
    {"34 CrNiMo 6", "1.6582"},
    {"20 MnCr 5", "1.7147"},
    {"30 CrMo V 9", "1.7707"},
    {"Bakelit"},
    {"Kunstharzpreßstoffe"},
};

// Group 4
constexpr std::string_view kEleven4Headings[] = {
    "Sehr gut bis gut zerspanbare,",
    "rostfreie Stähle bis 700 N/mm2",
};
constexpr MaterialEntry kEleven4Entries[] = {
    {"X 6 Cr 13", "1.4000"},
    {"G-X 7 Cr 13", "1.4001"},
    {"X 6 CrAl 13", "1.4002"},
    {"X 12 CrS 13", "1.4005"},
    {"X 10 Cr 13", "1.4006"},
    {"X 6 Cr 17", "1.4016"},
    {"X 20 Cr 13", "1.4021"},
    {"X 30 Cr 13", "1.4028"},
    {"X 38 Cr 13", "1.4031"},
    {"X 40 Cr 13", "1.4034"},
    {"X 20 Cr Ni 17 2", "1.4057"},
    {"X 12 CrMoS 17", "1.4104"},
    {"X 90 CrMoV 18", "1.4112"},
    {"X 6 CrMo 17 1", "1.4113"},
    {"X 105 CrMo 17", "1.4125"},
    {"X 12 CrNiS 1808", "1.4305"},
    {"X 6 CrTi 17", "1.4510"},
    {"X 6 CrTi 12", "1.4512"},
    {"X 18 CrN 28", "1.4749"},
    {"X 22 CrMoV 12 1", "1.4923"},
    {"X 20 CrMoWV 121", "1.4935"},
};

// Group 5
constexpr std::string_view kEleven5Headings[] = {
    "Mittel bis schlecht zerspanbare",
    "rostfreie Stähle bis 1000 N/mm2",
};
constexpr MaterialEntry kEleven5Entries[] = {
    {"X 12 CrNiS 18 8", "1.4305"},
    {"X 5 CrNi 18 10", "1.4301"},
    {"X 5 CrNi 18 12", "1.4303"},
    {"X 2 CrNi 19 11", "1.4306"},
    {"X 12 CrNi 177", "1.4310"},
    {"X 2 CrNiN 18 10", "1.4311"},
    {"X 2 CrNiN 23 4", "1.4362"},
    {"X 12 CrMnNi 18 85", "1.4371"},
    {"X 5 CrNiMo 17122", "1.4401"},
    {"X 2 CrNiMo 18102", "1.4404"},
    {"X 2 CrNiMoSi 1953", "1.4417"},
    {"X 5 CrNiMo 18 11", "1.4420"},
    {"X 2 CrNiMoN 17133", "1.4429"},
    {"X 2 CrNiMo 18 143", "1.4435"},
    {"X 5 CrNiMo 17 133", "1.4436"},
    {"X 2 CrNiMo 18164", "1.4438"},
    {"X 5 CrNiMo 1713", "1.4449"},
    {"X 8 CrNiMo 27 5", "1.4460"},
    {"X 2 CrNiMoN 22 5", "1.4462"},
    {"X 2 NiCrMoCu 25205", "1.4539"},
    {"X 6 CrNiTi 18 10 (V4A)", "1.4541"},
    {"X 10 CrNiTi 189", "1.4541"},
    {"X 5 CrNiNib 18 10", "1.4546"},
    {"X 6 CrNiNb 18 10", "1.4550"},
    {"X 10 CrNiNb 18 9", "1.4550"},
    {"X 6 CrNiMoTi 17122", "1.4571"},
    {"X 10 CrNiMoTi 18 12", "1.4573"},
    {"X 10 CrNiMoNb 18 12", "1.4583"},
    {"X 15 CrNiSi 2012", "1.4828"},
    {"X 15 CrNiSi 2520", "1.4841"},
    {"X 12 CrNi 2521", "1.4845"},
    {"X 12 NiCrSi 36 16", "1.4864"},
    {"X 12 CrNiTi 18 9", "1.4878"},
    {"X 2 CrNiMoN 20 18 5"},
    {"GX2 CrNiMoCu 2520"},
    {"X 2 CrNiMoN 27 5 4"},
};

// Group 6
constexpr std::string_view kEleven6Headings[] = {
    "Schwer zerspanbare Materialien,",
    "hochwarmfeste Stähle,",
    "Ti- und Ni-Legierungen",
};
constexpr MaterialEntry kEleven6Entries[] = {
    {"X 5 CrNiMo 18 12", "1.4436"},
    {"X 5 NiCrTi 26 15 18 9", "1.4980"},
    {"NiCr 20 TiAl", "2.4631"},
    {"NiCr 20 Co 18 Ti", "2.4632"},
    {"Titan u. Titalegierungen", "3.7024"},
    {"Nimonic, Hastelloy, Monell", "3.1764"},
};

// Group 7
constexpr std::string_view kEleven7Headings[] = {
    "Guß bis 200 HB",
};
constexpr MaterialEntry kEleven7Entries[] = {
    {"GG 15"},
    {"GG 20"},
    {"GG 25"},
};

// Group 8
constexpr std::string_view kEleven8Headings[] = {
    "Guß über 200 HB",
};
constexpr MaterialEntry kEleven8Entries[] = {
    {"GG 30"},
    {"GG 35"},
    {"GG 40"},
};

// Group 9
constexpr std::string_view kEleven9Headings[] = {
    "Alu-Guß bis 6% Si,",
    "ausgehärtetes Alu",
};
constexpr MaterialEntry kEleven9Entries[] = {
    {"z.B.: G-AlSi 5 Mg"},
};

// Group 10
constexpr std::string_view kEleven10Headings[] = {
    "Alu-Guß über 6% Si",
    "Kupfer,Messing,Kupferlegierungen",
};
constexpr MaterialEntry kEleven10Entries[] = {
    {"z.B.: G-AlSi 10 Mg"},
    {" CuNi 15 Si"},
};

// Group 11
constexpr std::string_view kEleven11Headings[] = {
    "Gehärtete Werkstoffe bis 68 HRC",
};

// ======================================================================
// Seven groups, milling with HSS
// ======================================================================

// Group 1
constexpr std::string_view kHss1Headings[] = {
    "Bau-, Einsatz-, Nitrier-, Automaten-,",
    "Vergütungsstähle, ",
    "unlegierte Werkzeugstähle bis 700N/mm2",
    "Kunststoffe weich, GG < 200 HB",
};
constexpr MaterialEntry kHss1Entries[] = {
    {"St 37-2", "1.0037"},
    {"St 50-2", "1.0050"},
    {"St 60-2", "1.0060"},
    {"C 15", "1.0401"},
    {"C 22", "1.0402"},
    {"C 35", "1.0501"},
    {"C 45", "1.0503"},
    {"9 S 20", "1.0711"},
    {"9 S 20 MnPb 28", "1.0718"},
    {"35 S 20", "1.0726"},
    {"45 S 20", "1.0727"},
    {"9 S MnPb 36", "1.0737"},
    {"Ck 15", "1.1141"},
    {"Ck 35", "1.1180"},
    {"Ck 45", "1.1191"},
    {"C 45 W", "1.1730"},
    {"GG 15", "", {"GG 20", "GG 25", "Plexiglas, Polyamid"}},
};

// Group 2
constexpr std::string_view kHss2Headings[] = {
    "Chemisch beständige und warmfeste Stähle",
    "Legierte Stähle bis 1000N/mm2",
    "Vergütungs- und Werkzeugstähle",
    "GG > 200 HB, harte Kunststoffe",
};
constexpr MaterialEntry kHss2Entries[] = {
    {"36 Mn 5", "1.1167"},
    {"Ck 60", "1.1221"},
    {"XC 68", "1.1231"},
    {"X 40 CrMo V 51", "1.2344"},
    {"X 100 CrMo V 51", "1.2363"},
    {"100MnCrW4", "1.2510"},
    {"45 WCrV 7", "1.2542"},
    {"90 MnCrV", "1.2842"},
    {"X 10 Cr 13", "1.4006"},
    {"X 20 Cr 13", "1.4021"},
    {"X 40 Cr 13", "1.4034"},
    {"X 22 CrNi 17", "1.4057"},
    {"X 6 CrMo 17", "1.4113"},
    {"X 12 CrNiS 18 8", "1.4305", {"(V2A geschwefelt)"}},
    {"16 MnCr 5", "1.7131"},
    {"25 CrMo 4", "1.7218"},
    {"34 CrMo 4", "1.7220"},
    {"42 CrMo 4", "1.7225"},
    {"15 CrMo 5", "1.7262"},
    {"50 CrV 4", "1.8159"},
    {"34 CrAlMo 5", "1.8507"},
    {"GG 30", "", {"GG 35", "GG 40"}},
};

// Group 3
constexpr std::string_view kHss3Headings[] = {
    "Ventil- ,Kaltarbeits- und Schnellarbeitsstähle",
    "Chemisch beständige Stähle",
    "Kunststoffe hart",
    "Schwer zerspanbare Materialien",
};
constexpr MaterialEntry kHss3Entries[] = {
    {"55 Si 7", "1.0904"},
    {"X 210 Cr 12 (RCC)", "1.2080"},
    {"40 CrMn Mo 586", "1.2312"},
    {"X 36 CrMo 17", "1.2316"},
    {"X 155 Cr VMo 12 1", "1.2379"},
    {"X 210 CrW 12", "1.2436"},
    {"45 NiCr 6", "1.2710"},
    {"50 NiCr 13", "1.2721"},
    {"X 45 NiCrMo 4", "1.2767"},
    {"S 18-1-2-5", "1.3255"},
    {"S 18-1-2-10", "1.3265"},
    {"S 6-5-2 (DMo 5)", "1.3343"},
    {"100 Cr 6", "1.3505"},
    {"X 5 CrNi 18 9", "1.4301", {"(V2A ungeschwefelt)"}},
    {"X 2 CrNi 18 9", "1.4306"},
    {"X 5 CrNiMo 18 10", "1.4401"},
    {"X 2 CrNiMo 18 10", "1.4404"},
    {"X 10 CrNiTi 18 9 (V4A)", "1.4541"},
    {"X 10 CrNiNb 18 9", "1.4550"},
    {"X 6 CrNiMoTi 17 12 2", "1.4571"},
    {"34 CrNiMo 6", "1.6582"},
    {"20 MnCrMo 6", "1.7147"},
    {"30 CrMo V 9", "1.7707"},
    {"Bakelit", "", {"Kunstharzpreßstoffe"}},
};

// Group 4
constexpr std::string_view kHss4Headings[] = {
    "Schwer zerspanbare Materialien",
    "Hochwarmfeste Stähle",
    "Ti- und Ni-Legierungen",
};
constexpr MaterialEntry kHss4Entries[] = {
    {"X 5 CrNiMo 18 12", "1.4436"},
    {"X 5 NiCrTi 26 15", "1.4980"},
    {"NiCr 20 TiAl", "2.4631"},
    {"NiCr 20 Co 18 Ti", "2.4632"},
    {"Titan u. Titanlegierungen", "3.7024"},
    {"Nimonic, Hastelloy, Monell", "3.1764"},
};

// Group 5
constexpr std::string_view kHss5Headings[] = {
    "Reines Alu, nicht ausgehärtetes Alu",
};
constexpr MaterialEntry kHss5Entries[] = {
    {"AlMg 5 F 24"},
};

// Group 6
constexpr std::string_view kHss6Headings[] = {
    "Alu-Guß <= 6%Si, ausgehätetes Alu",
};
constexpr MaterialEntry kHss6Entries[] = {
    {"G-AlSi 5 Mg"},
};

// Group 7
constexpr std::string_view kHss7Headings[] = {
    "Alu-Guß >= 6%Si, Kupfer, Messing",
    "Kupferlegierungen",
};
constexpr MaterialEntry kHss7Entries[] = {
    {"G-AlSi 10 Mg"},
    {"CuNi 15 Si"},
};

// ======================================================================
// Seven groups, milling with WP: the HSS texts with other headings for
// groups 4 and 7
// ======================================================================
// Group 4
constexpr std::string_view kWp4Headings[] = {
    "Schwer zerspanbare Materialien",
    "Hochwarmfeste Stähle",
    "Ti- und Ni-Legierungen",
    "Rostfreie Stähle, exotische Legierungen",
};
// Group 7
constexpr std::string_view kWp7Headings[] = {
    "Aluminiumlegierungen <= 6% Si",
    "kurzspanedes Aluminium, Kupfer, Messing",
    "Kupferlegierungen, Zink, Rotguß",
};

constexpr GroupText kEleven[] = {
    {kEleven1Headings, kEleven1Entries, true},
    {kEleven2Headings, kEleven2Entries, false},
    {kEleven3Headings, kEleven3Entries, true},
    {kEleven4Headings, kEleven4Entries, false},
    {kEleven5Headings, kEleven5Entries, false},
    {kEleven6Headings, kEleven6Entries, false},
    {kEleven7Headings, kEleven7Entries, false},
    {kEleven8Headings, kEleven8Entries, false},
    {kEleven9Headings, kEleven9Entries, false},
    {kEleven10Headings, kEleven10Entries, false},
    {kEleven11Headings, {}, false},
};

constexpr GroupText kSevenHss[] = {
    {kHss1Headings, kHss1Entries, true},
    {kHss2Headings, kHss2Entries, true},
    {kHss3Headings, kHss3Entries, true},
    {kHss4Headings, kHss4Entries, true},
    {kHss5Headings, kHss5Entries, false},
    {kHss6Headings, kHss6Entries, true},
    {kHss7Headings, kHss7Entries, true},
};

constexpr GroupText kSevenWp[] = {
    {kHss1Headings, kHss1Entries, true},
    {kHss2Headings, kHss2Entries, true},
    {kHss3Headings, kHss3Entries, true},
    {kWp4Headings, kHss4Entries, true},
    {kHss5Headings, kHss5Entries, false},
    {kHss6Headings, kHss6Entries, true},
    {kWp7Headings, kHss7Entries, true},
};

// clang-format on

} // namespace

constexpr GroupTextSet GroupTextsEleven{kEleven};
constexpr GroupTextSet GroupTextsSevenHss{kSevenHss};
constexpr GroupTextSet GroupTextsSevenWp{kSevenWp};

} // namespace zerbo
