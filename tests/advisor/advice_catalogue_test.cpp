#include "advisor/advice_catalogue.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace zerbo::advisor {
namespace {

// What the source says about each entry: number of lines, the positions
// (from 1) of the separator lines, the first cause and the last line. Every
// entry begins with "Fehlerursachen:".
struct EntryShape {
    std::string label;
    int lines;
    std::vector<int> blanks;
    std::string_view firstCause;
    std::string_view last;
};

// clang-format off
const std::vector<EntryShape> kEntryShapes = {
    {"M1", 10, {5, 8},
     "1: Schnittgeschwindigkeit zu hoch.",
     "Winkel prüfen."},
    {"M2", 14, {5, 8, 12},
     "1: Vorschub Sz pro Fräserschneide zu groß.",
     "Spindelspiel im Fräsmaschinentisch beseitigen."},
    {"M3", 6, {4},
     "1: Stirnflächen der Fräsdornringe und der",
     "Spannmutter und Fräsdornringe austauschen."},
    {"M4", 5, {3},
     "1: Freiwinkel zu klein.",
     "Freiwinkel vergrößern."},
    {"M5", 11, {4, 9},
     "1: falsche Winkel am Werkzeug.",
     "Aufnahmezentrierung überprüfen."},
    {"M6", 10, {5, 8},
     "1: gewählte Hartmetallsorte zu spröde.",
     "Spannsystem am Messerkopf überprüfen."},
    {"M7", 22, {7, 10, 13, 16, 20},
     "1: Schnittgeschwindigkeit zu klein.",
     "Spannung überprüfen."},
    {"M8", 6, {3},
     "1: Fräser schlägt.",
     "prüfen. "},
    {"T1", 16, {4, 7},
     "1: Schlechte Kombination zwischen Schneidstoff und Spanbrecher.",
     "Prüfen Sie die Maschine auf unzulängliche Leistung und Stabilität."},
    {"T2", 15, {4, 10},
     "1: ungeeignete Schnittbedingungen.",
     "Fase und Verrundung der Schneidkante reduzieren."},
    {"T3", 11, {3},
     "Freiflächenverschleiß.",
     "Fase und Verrundung der Schneidkante reduzieren."},
    {"T4", 11, {3},
     "Kolkverschleiß.",
     "Steigungswinkel vergrößern."},
    {"T5", 14, {3},
     "Vibration.",
     "Prüfen Sie die Maschine auf unzulängliche Leistung und Stabilität."},
    {"T6", 15, {3},
     "Unpassende Sortenwahl und Schnittbedingungen.",
     "Prüfen Sie die Maschine auf unzulängliche Leistung und Stabilität."},
    {"T7", 16, {4, 7},
     "1: Unpassender Schneidstoff.",
     "Fase und Verrundung der Schneidkante verkleinern."},
    {"T8", 26, {4, 16},
     "1: Unterbrochener Schnitt. Zu hoher Vorschub.",
     "Wendeschneidplattenklassifizierung prüfen."},
    {"T9", 14, {4, 10},
     "1: Ungeeignete Schnittbedingungen.",
     "Steigungswinkel verkleinern."},
    {"T10", 13, {4, 9},
     "1: Ungeeignete Schnittbedingungen.",
     "Steigungswinkel erhöhen."},
    {"T11", 13, {3},
     "1: Ungeeignete Schnittbedingungen,Schneidstoff oder Spanbrecher.",
     "Wendeschneidplattenklassifizierung prüfen."},
    {"D1", 5, {3},
     "1: Spitzenwinkel zu klein.",
     "Spitzenwinkel vergrößern"},
    {"D2", 6, {4},
     "1: Bohrerkonus oder Konus in der Bohrmaschine",
     "Konus in Ordnung bringen."},
    {"D3", 13, {5, 8, 11},
     "1: Bohrerkern zu schwach.",
     "Nuten oft entspanen."},
    {"D4", 13, {5, 8, 11},
     "1: Einseitiger Spitzenanschliff.",
     "Kühlung verbessern."},
    {"D5", 9, {4, 7},
     "1: Schnittgeschwindigkeit zu groß.",
     "Kühlung verbessern."},
    {"D6", 13, {5, 8, 11},
     "1: Zu große Schnittgeschwindigkeit.",
     "Kühlung verbessern."},
    {"D7", 5, {3},
     "1: Bohrer war stumpf.",
     "Bohrer schleifen"},
    {"D8", 6, {3},
     "1: Bohrer hat schlechte Führung.",
     "Spitzenwinkel vergrößern."},
    {"R1", 13, {7},
     "1: Der Werkstoff weitet sich wegen zu niedriger Dichte auf",
     "die Überweite."},
    {"R2", 17, {5, 12},
     "1: Der Werkstoff hat eine besonders hohe Dichte",
     "(Höhere Standzeit)."},
    {"R3", 9, {6},
     "1: Der Rundlauf der Maschinenspindel ist mangelhaft.",
     "Dabei aber nur Pendelfutter mit achsparalleler Pendelbewegung verwenden."},
    {"R4", 22, {14, 19},
     "1: Der Werkstoff neigt zum Kleben und zur Bildung",
     "  Oberflächengüte der geriebenen Bohrung."},
    {"R5", 10, {},
     "1: Das Material weist harte Stellen auf.",
     "7: Die Rundschliff-Fase ist zu breit."},
    {"S1", 9, {4, 7},
     "1: Falsches Ansetzen beim Anschnitt.",
     "Blatt nachschärfen."},
    {"S2", 13, {5, 8, 11},
     "1: Schlechte Spanräumung wegen zu feiner Zahnteilung.",
     "Werkstück nachspannen."},
    {"S3", 13, {5, 8, 11},
     "1: Spanüberfüllung im Zahngrund, Zähne setzen sich zu.",
     "Geeignetes Kühlmittel einsetzen."},
    {"S4", 9, {4, 7},
     "1: Falscher Vorschub.",
     "Geeignetes Kühlmittel einsetzen."},
    {"S5", 5, {3},
     "1: Zu starke Spannung des Sägeblattes.",
     "Verringerung der Blattspannung."},
    {"S6", 17, {6, 9, 12, 15},
     "1: Falsches Ansetzen des Sägeblattes auf das zu trennende Material.",
     "Werkstück nachspannen."},
    {"S7", 17, {6, 9, 12, 15},
     "1: Zu hohe Schnittgeschwindigkeit oder zu hoher Schnittdruck.",
     "Für richtige Kühlung sorgen."},
    {"S8", 9, {4, 7},
     "1: An scharfer Kante angesetzt.",
     "Andere Teilung wählen."},
    {"S9", 13, {5, 8, 11},
     "1: Zu geringe Spannung.",
     "Schnittdruck verringern."},
    {"S10", 9, {4, 7},
     "1: Schnittgeschwindigkeit zu hoch.",
     "Für ausreichende Kühlung sorgen."},
    {"S11", 13, {5, 8, 11},
     "1: Zu große Zahnteilung.",
     "Werkstück nachspannen."},
    {"S12", 23, {6, 11, 14, 18},
     "1: Material nicht geglüht.",
     "Mitdrehen zu verhindern."},
    {"S13", 14, {5, 8, 11},
     "1: Bandführungen stehen nicht richtig.",
     "Besonders auf korrektes Glühen achten!"},
    {"S14", 18, {6, 9, 12, 15},
     "1: Führungsrollen stehen zu eng und walzen das Band.",
     "Kugellager erneuern."},
    {"S15", 10, {4, 7},
     "1: Zu hohe Schnittgeschwindigkeit.",
     "an das Werkstück anstellen."},
    {"S16", 18, {6, 9, 12, 15},
     "1: Zahnung zu grob oder zu fein gewählt.",
     "an das Werkstück anstellen."},
};

struct ExpectedFault {
    std::string_view text;
    std::string entry;
};

// The fault lists in list order, with the entry each selects.
const std::vector<ExpectedFault> kExpectedFaults = {
    // "Fräsen"
    {"Werkzeugstandzeit zu gering (bei HSS-Werkzeugen).", "M1"},
    {"Schneiden am Fräser brechen aus.", "M2"},
    {"Fräswerkzeuge sind nicht parallel zur Frässpindelachse (Walzenfr.).", "M3"},
    {"Fräser drückt am Schneidenrücken.", "M4"},
    {"Standzeit bei Messerköpfen ungenügend.", "M5"},
    {"Schneidplatten aus Hartmetall brechen am Messerkopf aus.", "M6"},
    {"Oberflächengüte am Werkstück ungenügend.", "M7"},
    {"Oberfläche zeigt Vertiefungen in gleichen Abständen.", "M8"},
    // "Drehen"
    {"Werkstückabmessungen sind nicht konstant", "T1"},
    {"Hohe Temperaturentwicklung", "T2"},
    {"Großer Freiflächenverschleiß", "T3"},
    {"Großer Kolkverschleiß", "T4"},
    {"Ausbröckelung der Schneidkante", "T5"},
    {"Bruch der Schneidkante", "T6"},
    {"Kammrißbildung", "T7"},
    {"Verformung des Spitzenradius", "T8"},
    {"Fließspan", "T9"},
    {"Zu kurze Späne", "T10"},
    {"Bildung einer Aufbeischneide", "T11"},
    // "Bohren"
    {"Bohrer hakt ein und bricht.", "D1"},
    {"Austreiberlappen beschädigt oder abgebrochen.", "D2"},
    {"Bruch des Bohrers.", "D3"},
    {"Starker Fasenverschleiß.", "D4"},
    {"Vorzeitige Abstumpfung des Bohrers.", "D5"},
    {"Bohrerspitze zeigt Anlauffarben.", "D6"},
    {"Bohrung zeigt an der Oberseite Wulste, an der Unters. Gratbildung.", "D7"},
    {"Wandung der Bohrung ist sehr rauh.", "D7"},
    {"Bohrung wird in dünnw. Werkst. und Blech unrund.", "D8"},
    // "Reiben"
    {"Bohrung wird zu groß (Überweite)", "R1"},
    {"Bohrung wird zu klein (Unterweite)", "R2"},
    {"Bohrung wird nicht zylindrisch und nicht rund (Kegelige Aufweitung)", "R3"},
    {"Lochwandung ist unzureichend (Rattermarken)", "R4"},
    {"Reibahle erwärmt sich zu stark, klemmt uns bricht aus.", "R5"},
    // "Sägen"
    {"Kreissäge: Blattbruch.", "S1"},
    {"Kreissäge: Zähne brechen aus.", "S2"},
    {"Kreissäge: Zähne werden zu schnell stumpf.", "S3"},
    {"Kreissäge: Blankklemmung und Materialhaftung am Sägeblatt.", "S4"},
    {"Bügelsäge: Blattbruch in der Bohrung.", "S5"},
    {"Bügelsäge: Blattbruch.", "S6"},
    {"Bügelsäge: Vorzeitiger Verschleiß des Sägeblattes.", "S7"},
    {"Bügelsäge: Ausbrechen der Zähne.", "S8"},
    {"Bügelsäge: Schrägschnitt.", "S9"},
    {"Bandsäge: Zähne werden zu schnell stumpf.", "S10"},
    {"Bandsäge: Zähne brechen aus beim Trennen von Profilmaterial.", "S11"},
    {"Bandsäge: Zähne brechen aus beim Trennen von Vollmaterial.", "S12"},
    {"Bandsäge: Bruch des Bandes in der Schweißnaht.", "S13"},
    {"Bandsäge: Bruch des Bandes.", "S14"},
    {"Bandsäge: Sägeband kommt beim Sägen in Schwingung.", "S15"},
    {"Bandsäge: Schrägschnitt.", "S16"},
};
// clang-format on

struct ExpectedSection {
    int page;
    std::string_view caption;
    std::string_view faultLabel;
    char letter;
    int faults;
    int entries;
};

const ExpectedSection kSections[] = {
    {0, "Fehler beim Fräsen und deren Beseitigung", "Fräsfehler:", 'M', 8, 8},
    {1, "Fehler beim Drehen und deren Beseitigung", "Drehfehler:", 'T', 11, 11},
    {2, "Fehler beim Bohren und deren Beseitigung", "Bohrfehler:", 'D', 9, 8},
    {3, "Reibfehler und deren Beseitigung", "Reibfehler:", 'R', 5, 5},
    {5, "Sägefehler und deren Beseitigung", "Sägefehler:", 'S', 16, 16},
};

const EntryShape& ShapeOf(const std::string& label) {
    for (const EntryShape& s : kEntryShapes)
        if (s.label == label) return s;
    throw std::logic_error("no entry " + label);
}

void ExpectShape(Entry entry, const EntryShape& shape) {
    SCOPED_TRACE(shape.label);
    ASSERT_EQ(static_cast<int>(entry.size()), shape.lines);
    EXPECT_EQ(entry.front(), "Fehlerursachen:");
    EXPECT_EQ(entry[1], shape.firstCause);
    EXPECT_EQ(entry.back(), shape.last);
    std::vector<int> blanks;
    for (size_t i = 0; i < entry.size(); ++i)
        if (entry[i] == kBlank) blanks.push_back(static_cast<int>(i) + 1);
    EXPECT_EQ(blanks, shape.blanks);
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

TEST(AdviceCatalogue, EveryEntryMatchesTheSource) {
    size_t next = 0;
    for (const ExpectedSection& e : kSections) {
        const Section& s = *SectionForPage(e.page);
        for (size_t i = 0; i < s.entries.size(); ++i, ++next) {
            ASSERT_LT(next, kEntryShapes.size());
            const EntryShape& shape = kEntryShapes[next];
            EXPECT_EQ(shape.label, e.letter + std::to_string(i + 1));
            ExpectShape(s.entries[i], shape);
        }
    }
    EXPECT_EQ(next, kEntryShapes.size());
}

TEST(AdviceCatalogue, EveryFaultListsItsTextAndSelectsItsEntry) {
    size_t next = 0;
    for (const ExpectedSection& e : kSections) {
        const Section& s = *SectionForPage(e.page);
        std::vector<bool> used(s.entries.size());
        for (int f = 0; f < static_cast<int>(s.faults.size()); ++f, ++next) {
            ASSERT_LT(next, kExpectedFaults.size());
            const ExpectedFault& x = kExpectedFaults[next];
            SCOPED_TRACE(x.text);
            EXPECT_EQ(s.faults[static_cast<size_t>(f)].text, x.text);
            ASSERT_EQ(x.entry[0], e.letter);
            ExpectShape(EntryForFault(s, f), ShapeOf(x.entry));
            used[static_cast<size_t>(std::stoi(x.entry.substr(1)) - 1)] = true;
        }
        for (size_t i = 0; i < used.size(); ++i)
            EXPECT_TRUE(used[i]) << e.letter << i + 1 << " is selected by no fault";
    }
    EXPECT_EQ(next, kExpectedFaults.size());
}

TEST(AdviceCatalogue, LinesAreMemoLinesAsWritten) {
    for (const ExpectedSection& e : kSections) {
        for (Entry entry : SectionForPage(e.page)->entries) {
            for (std::string_view line : entry) {
                EXPECT_FALSE(line.empty());
                EXPECT_EQ(line.find('\n'), std::string_view::npos) << line;
                EXPECT_EQ(line.find("(blank)"), std::string_view::npos) << line;
                // Only the separator consists of blanks alone.
                if (line.find_first_not_of(' ') == std::string_view::npos) {
                    EXPECT_EQ(line, kBlank);
                }
            }
        }
    }
}

// Whole entries where the text has leading or trailing blanks, inner quotes
// or odd spellings.
TEST(AdviceCatalogue, SampledEntriesWordForWord) {
    const Section& milling = *SectionForPage(0);
    const std::vector<std::string_view> m2 = {
        "Fehlerursachen:",
        "1: Vorschub Sz pro Fräserschneide zu groß.",
        "2: Spanraum zwischen den Schneiden zu klein.",
        "3: Werkzeug \"klettert\" beim Gleichlauffräsen.",
        " ",
        "Lösung zu 1:",
        "Vorschub Sz herabsetzen.",
        " ",
        "Lösung zu 2:",
        "Werkzeug mit anderer Teilung bzw anderen",
        "Werkzeugtyp verwenden.",
        " ",
        "Lösung zu 3:",
        "Spindelspiel im Fräsmaschinentisch beseitigen.",
    };
    EXPECT_EQ(std::vector<std::string_view>(milling.entries[1].begin(), milling.entries[1].end()),
              m2);
    const std::vector<std::string_view> m3 = {
        "Fehlerursachen:",
        "1: Stirnflächen der Fräsdornringe und der",
        "   Spannmutter sind nicht rechtwinklig zur Achse.",
        " ",
        "Lösung zu 1:",
        "Spannmutter und Fräsdornringe austauschen.",
    };
    EXPECT_EQ(std::vector<std::string_view>(milling.entries[2].begin(), milling.entries[2].end()),
              m3);
    EXPECT_EQ(milling.entries[4][6], "negativ, die Hauptschneide aber eine positiven ");
    EXPECT_EQ(milling.entries[4][5], "Schneidplatten so schleifen, daß nur die Fasen");
    EXPECT_EQ(milling.entries[7][5], "prüfen. ");

    const Section& sawing = *SectionForPage(5);
    const std::vector<std::string_view> s12 = {
        "Fehlerursachen:",
        "1: Material nicht geglüht.",
        "2: Zu feine Zahnteilung.",
        "3: Zu hoher Schnittdruck.",
        "4: Werkstück nicht festgespannt.",
        " ",
        "Lösung zu 1:",
        "Grobere Zahnung verwenden.",
        "Schnittgeschwindigkeit erhöhen und Schnittdruck verringern.",
        "Wellen- oder Gruppenschränkung einsetzen.",
        " ",
        "Lösung zu 2:",
        "Größere Teilung wählen.",
        " ",
        "Lösung zu 3:",
        "Schnittdruck reduzieren oder,wenn möglich,",
        "höhere Schnittgeschwindigkeit verwenden.",
        " ",
        "Lösung zu 4:",
        "Werkstück nachspannen.",
        "Dünne Stangen, im Bündel gesägt, sollten",
        "am Ende punktgeschweißt werden, um ein",
        "Mitdrehen zu verhindern.",
    };
    EXPECT_EQ(std::vector<std::string_view>(sawing.entries[11].begin(), sawing.entries[11].end()),
              s12);

    const Section& reaming = *SectionForPage(3);
    EXPECT_EQ(reaming.faults[4].text, "Reibahle erwärmt sich zu stark, klemmt uns bricht aus.");
    EXPECT_EQ(reaming.entries[3].back(), "  Oberflächengüte der geriebenen Bohrung.");
}

TEST(AdviceCatalogue, DrillingFaultsSevenAndEightShareOneEntry) {
    const Section& drilling = *SectionForPage(2);
    const Entry seventh = EntryForFault(drilling, 6);
    const Entry eighth = EntryForFault(drilling, 7);
    EXPECT_EQ(seventh.data(), eighth.data());
    EXPECT_EQ(seventh.data(), drilling.entries[6].data());
    // The ninth fault selects the eighth and last entry, not one past it.
    EXPECT_EQ(EntryForFault(drilling, 8).data(), drilling.entries[7].data());
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
