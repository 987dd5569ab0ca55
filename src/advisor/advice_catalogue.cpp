// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "advisor/advice_catalogue.h"

namespace zerbo::advisor {

namespace {

// Each operation: its faults in list order with the number of the entry each
// one selects, then the entries. Entries are named by operation letter and
// number (M milling, T turning, D drilling, R reaming, S sawing); kBlank is a
// separator line holding one blank.

// clang-format off

// ---------------------------------------------------------------- "Fräsen"

constexpr Fault kMillingFaults[] = {
    {"Werkzeugstandzeit zu gering (bei HSS-Werkzeugen).", 1},
    {"Schneiden am Fräser brechen aus.", 2},
    {"Fräswerkzeuge sind nicht parallel zur Frässpindelachse (Walzenfr.).", 3},
    {"Fräser drückt am Schneidenrücken.", 4},
    {"Standzeit bei Messerköpfen ungenügend.", 5},
    {"Schneidplatten aus Hartmetall brechen am Messerkopf aus.", 6},
    {"Oberflächengüte am Werkstück ungenügend.", 7},
    {"Oberfläche zeigt Vertiefungen in gleichen Abständen.", 8},
};

constexpr std::string_view kM1[] = {
    "Fehlerursachen:",
    "1: Schnittgeschwindigkeit zu hoch.",
    "2: zu kleiner Spanwinkel.",
    "3: zu kleiner Freiwinkel.",
    kBlank,
    "Lösung zu 1:",
    "Schnittgeschwindigkeit verringern.",
    kBlank,
    "Lösung zu 2 und 3:",
    "Winkel prüfen.",
};

constexpr std::string_view kM2[] = {
    "Fehlerursachen:",
    "1: Vorschub Sz pro Fräserschneide zu groß.",
    "2: Spanraum zwischen den Schneiden zu klein.",
    "3: Werkzeug \"klettert\" beim Gleichlauffräsen.",
    kBlank,
    "Lösung zu 1:",
    "Vorschub Sz herabsetzen.",
    kBlank,
    "Lösung zu 2:",
    "Werkzeug mit anderer Teilung bzw anderen",
    "Werkzeugtyp verwenden.",
    kBlank,
    "Lösung zu 3:",
    "Spindelspiel im Fräsmaschinentisch beseitigen.",
};

constexpr std::string_view kM3[] = {
    "Fehlerursachen:",
    "1: Stirnflächen der Fräsdornringe und der",
    "   Spannmutter sind nicht rechtwinklig zur Achse.",
    kBlank,
    "Lösung zu 1:",
    "Spannmutter und Fräsdornringe austauschen.",
};

constexpr std::string_view kM4[] = {
    "Fehlerursachen:",
    "1: Freiwinkel zu klein.",
    kBlank,
    "Lösung zu 1:",
    "Freiwinkel vergrößern.",
};

constexpr std::string_view kM5[] = {
    "Fehlerursachen:",
    "1: falsche Winkel am Werkzeug.",
    "2: Messerkopf schlägt.",
    kBlank,
    "Lösung zu 1:",
    "Schneidplatten so schleifen, daß nur die Fasen",
    "negativ, die Hauptschneide aber eine positiven ",
    "Spanwinkel hat.",
    kBlank,
    "Lösung zu 2:",
    "Aufnahmezentrierung überprüfen.",
};

constexpr std::string_view kM6[] = {
    "Fehlerursachen:",
    "1: gewählte Hartmetallsorte zu spröde.",
    "2: Schneidplatten nicht richtig festgespannt",
    "   oder Auflageflächen nicht plan.",
    kBlank,
    "Lösung zu 1:",
    "zäheres Hartmetall verwenden.",
    kBlank,
    "Lösung zu 2:",
    "Spannsystem am Messerkopf überprüfen.",
};

constexpr std::string_view kM7[] = {
    "Fehlerursachen:",
    "1: Schnittgeschwindigkeit zu klein.",
    "2: Vorschub pro Schneide zu groß.",
    "3: Fräser rattert (Folge von Schwingungen).",
    "4: zu große Schnittkräfte.",
    "5: Werkstückspannung ungeeignet.",
    kBlank,
    "Lösung zu 1:",
    "Schnittgeschwindigkeit erhöhen.",
    kBlank,
    "Lösung zu 2:",
    "Vorschub verringern.",
    kBlank,
    "Lösung zu 3:",
    "Fräserdorn verstärken.",
    kBlank,
    "Lösung zu 4:",
    "Spanquerschnitt verkleinern oder",
    "Spanwinkel vergrößern.",
    kBlank,
    "Lösung zu 5:",
    "Spannung überprüfen.",
};

constexpr std::string_view kM8[] = {
    "Fehlerursachen:",
    "1: Fräser schlägt.",
    kBlank,
    "Lösung zu 1:",
    "Fräserdorn und Spannelement bzw. Fräserschaft",
    "prüfen. ",
};

constexpr Entry kMillingEntries[] = {kM1, kM2, kM3, kM4, kM5, kM6, kM7, kM8};

// ---------------------------------------------------------------- "Drehen"

constexpr Fault kTurningFaults[] = {
    {"Werkstückabmessungen sind nicht konstant", 1},
    {"Hohe Temperaturentwicklung", 2},
    {"Großer Freiflächenverschleiß", 3},
    {"Großer Kolkverschleiß", 4},
    {"Ausbröckelung der Schneidkante", 5},
    {"Bruch der Schneidkante", 6},
    {"Kammrißbildung", 7},
    {"Verformung des Spitzenradius", 8},
    {"Fließspan", 9},
    {"Zu kurze Späne", 10},
    {"Bildung einer Aufbeischneide", 11},
};

constexpr std::string_view kT1[] = {
    "Fehlerursachen:",
    "1: Schlechte Kombination zwischen Schneidstoff und Spanbrecher.",
    "2: Geringe Festigkeit des Werkstückes oder Werkzeuges.",
    kBlank,
    "Lösung zu 1:",
    "Wendeschneidplattenklassifizierung prüfen.",
    kBlank,
    "Lösung zu 2:",
    "Anderen Spanbrecher wählen.",
    "Freiwinkel vergrößern.",
    "Spitzenradius verkleinern.",
    "Steigungswinkel verkleinern.",
    "Wählen Sie einen anderen Halter.",
    "Prüfen Sie die Aufspannung von Werkzeug und Werkstück.",
    "Prüfen Sie den Werkzeughalter auf zu großen Überhang.",
    "Prüfen Sie die Maschine auf unzulängliche Leistung und Stabilität.",
};

constexpr std::string_view kT2[] = {
    "Fehlerursachen:",
    "1: ungeeignete Schnittbedingungen.",
    "2: ungeeignete Schneidkantenform oder ungeeignetes Werkzeug.",
    kBlank,
    "Lösung zu 1:",
    "Schnittgeschwindigkeit verringern.",
    "Vorschub verringern.",
    "Schnittiefe reduzieren",
    "Naßkühlung einsetzen.",
    kBlank,
    "Lösung zu 2:",
    "Härteren Schneidstoff wählen.",
    "Anderen Spanbrecher wählen.",
    "Freiwinkel vergrößern.",
    "Fase und Verrundung der Schneidkante reduzieren.",
};

constexpr std::string_view kT3[] = {
    "Fehlerursachen:",
    "Freiflächenverschleiß.",
    kBlank,
    "Schnittgeschwindigkeit verringern.",
    "Vorschub erhöhen.",
    "Naßkühlung einsetzen.",
    "Härteren Schneidstoff wählen.",
    "Anderen Spanbrecher wählen.",
    "Freiwinkel vergrößern.",
    "Spitzenradius vergrößern.",
    "Fase und Verrundung der Schneidkante reduzieren.",
};

constexpr std::string_view kT4[] = {
    "Fehlerursachen:",
    "Kolkverschleiß.",
    kBlank,
    "Schnittgeschwindigkeit verringern.",
    "Vorschub verringern.",
    "Schnittiefe reduzieren",
    "Naßkühlung einsetzen.",
    "Härteren Schneidstoff wählen.",
    "Anderen Spanbrecher wählen.",
    "Freiwinkel vergrößern.",
    "Steigungswinkel vergrößern.",
};

constexpr std::string_view kT5[] = {
    "Fehlerursachen:",
    "Vibration.",
    kBlank,
    "Lösung:",
    "Zäheren Schneidstoff wählen.",
    "Vorschub verringern.",
    "Schnittiefe reduzieren",
    "Anderen Spanbrecher wählen.",
    "Steigungswinkel vergrößern.",
    "Fase und Verrundung der Schneidkante vergrößern.",
    "Wählen Sie einen anderen Halter",
    "Prüfen Sie die Aufspannung von Werkzeug und Werkstück.",
    "Prüfen Sie den Werkzeughalter auf zu großen Überhang.",
    "Prüfen Sie die Maschine auf unzulängliche Leistung und Stabilität.",
};

constexpr std::string_view kT6[] = {
    "Fehlerursachen:",
    "Unpassende Sortenwahl und Schnittbedingungen.",
    kBlank,
    "Zäheren Schneidstoff wählen.",
    "Wählen Sie einen gegen Temperaturschwankungen unempfindlichen Schneidstoff.",
    "Vorschub verringern.",
    "Schnittiefe reduzieren",
    "Anderen Spanbrecher wählen.",
    "Spitzenradius vergrößern",
    "Steigungswinkel vergrößern.",
    "Fase und Verrundung der Schneidkante vergrößern.",
    "Wählen Sie einen anderen Halter",
    "Prüfen Sie die Aufspannung von Werkzeug und Werkstück.",
    "Prüfen Sie den Werkzeughalter auf zu großen Überhang.",
    "Prüfen Sie die Maschine auf unzulängliche Leistung und Stabilität.",
};

constexpr std::string_view kT7[] = {
    "Fehlerursachen:",
    "1: Unpassender Schneidstoff.",
    "2: Für die Werkstoffhärte unpassende Schnittbedingungen.",
    kBlank,
    "Lösung zu 1:",
    "Wählen Sie einen gegen Temperaturschwankungen unempfindlichen Schneidstoff.",
    kBlank,
    "Lösung zu 2:",
    "Schnittgeschwindigkeit verringern.",
    "Vorschub verringern.",
    "Schnittiefe reduzieren",
    "Verwenden Sie keine wasserlösliche Kühlflüssigkeit.",
    "Trockenkühlung verwenden.",
    "Anderen Spanbrecher wählen.",
    "Freiwinkel vergrößern",
    "Fase und Verrundung der Schneidkante verkleinern.",
};

constexpr std::string_view kT8[] = {
    "Fehlerursachen:",
    "1: Unterbrochener Schnitt. Zu hoher Vorschub.",
    "2: Unpassende Werkstoffhärte und Schnittbedingungen.",
    kBlank,
    "Lösung zu 1:",
    "Wählen Sie einen härteren Schneidstoff.",
    "Schnittgeschwindigkeit verringern.",
    "Vorschub verringern.",
    "Schnittiefe reduzieren",
    "Naßkühlung verwenden.",
    "Anderen Spanbrecher wählen.",
    "Freiwinkel vergrößern",
    "Spitzenradius vergrößern",
    "Steigungswinkel vergrößern",
    "Fase und Verrundung der Schneidkante verkleinern.",
    kBlank,
    "Lösung zu 2:",
    "Verwenden Sie eine Sorte, die einen geringeren Reibwiderstand bietet.",
    "Schnittgeschwindigkeit erhöhen.",
    "Vorschub erhöhen.",
    "Verwenden Sie keine wasserlösliche Kühlflüssigkeit.",
    "Naßkühlung verwenden.",
    "Anderen Spanbrecher wählen.",
    "Freiwinkel vergrößern",
    "Fase und Verrundung der Schneidkante verkleinern.",
    "Wendeschneidplattenklassifizierung prüfen.",
};

constexpr std::string_view kT9[] = {
    "Fehlerursachen:",
    "1: Ungeeignete Schnittbedingungen.",
    "2: Ungeeignete Schneidkanten oder Spanbrecher.",
    kBlank,
    "Lösung zu 1:",
    "Schnittgeschwindigkeit verringern.",
    "Vorschub erhöhen.",
    "Schnittiefe erhöhen.",
    "Trocken- oder Naßkühlung verwenden.",
    kBlank,
    "Lösung zu 2:",
    "Anderen Spanbrecher wählen.",
    "Spitzenradius verkleinern.",
    "Steigungswinkel verkleinern.",
};

constexpr std::string_view kT10[] = {
    "Fehlerursachen:",
    "1: Ungeeignete Schnittbedingungen.",
    "2: Ungeeignete Schneidkanten oder Spanbrecher.",
    kBlank,
    "Lösung zu 1:",
    "Vorschub verringern.",
    "Schnittiefe verringern.",
    "Trocken- oder Naßkühlung verwenden.",
    kBlank,
    "Lösung zu 2:",
    "Anderen Spanbrecher wählen.",
    "Spitzenradius erhöhen.",
    "Steigungswinkel erhöhen.",
};

constexpr std::string_view kT11[] = {
    "Fehlerursachen:",
    "1: Ungeeignete Schnittbedingungen,Schneidstoff oder Spanbrecher.",
    kBlank,
    "Lösung:",
    "Verwenden Sie eine Sorte, die einen geringeren Reibwiderstand bietet.",
    "Schnittgeschwindigkeit erhöhen",
    "Vorschub erhöhen.",
    "Verwenden Sie keine wasserlösliche Kühlflüssigkeit.",
    "Naßkühlung verwenden.",
    "Anderen Spanbrecher wählen.",
    "Freiwinkel vergrößern.",
    "Fase und Verrundung der Schneidkante verkleinern.",
    "Wendeschneidplattenklassifizierung prüfen.",
};

constexpr Entry kTurningEntries[] = {kT1, kT2, kT3, kT4, kT5, kT6, kT7, kT8, kT9, kT10, kT11};

// ---------------------------------------------------------------- "Bohren"

constexpr Fault kDrillingFaults[] = {
    {"Bohrer hakt ein und bricht.", 1},
    {"Austreiberlappen beschädigt oder abgebrochen.", 2},
    {"Bruch des Bohrers.", 3},
    {"Starker Fasenverschleiß.", 4},
    {"Vorzeitige Abstumpfung des Bohrers.", 5},
    {"Bohrerspitze zeigt Anlauffarben.", 6},
    {"Bohrung zeigt an der Oberseite Wulste, an der Unters. Gratbildung.", 7},
    {"Wandung der Bohrung ist sehr rauh.", 7},
    {"Bohrung wird in dünnw. Werkst. und Blech unrund.", 8},
};

constexpr std::string_view kD1[] = {
    "Fehlerursachen:",
    "1: Spitzenwinkel zu klein.",
    kBlank,
    "Lösung zu 1:",
    "Spitzenwinkel vergrößern",
};

constexpr std::string_view kD2[] = {
    "Fehlerursachen:",
    "1: Bohrerkonus oder Konus in der Bohrmaschine",
    "   verschmutzt oder beschädigt.",
    kBlank,
    "Lösung zu 1:",
    "Konus in Ordnung bringen.",
};

constexpr std::string_view kD3[] = {
    "Fehlerursachen:",
    "1: Bohrerkern zu schwach.",
    "2: Vorschub zu groß",
    "3: Nuten verstopft.",
    kBlank,
    "Lösung zu 1:",
    "Stabileren Bohrer verwenden.",
    kBlank,
    "Lösung zu 2:",
    "kleineren Vorschub wählen.",
    kBlank,
    "Lösung zu 3:",
    "Nuten oft entspanen.",
};

constexpr std::string_view kD4[] = {
    "Fehlerursachen:",
    "1: Einseitiger Spitzenanschliff.",
    "2: Schnittgeschwindigkeit zu groß.",
    "3: schlechte Kühlung.",
    kBlank,
    "Lösung zu 1:",
    "Spitze zentrisch schleifen.",
    kBlank,
    "Lösung zu 2:",
    "Schnittgeschwindigkeit vermindern.",
    kBlank,
    "Lösung zu 3:",
    "Kühlung verbessern.",
};

constexpr std::string_view kD5[] = {
    "Fehlerursachen:",
    "1: Schnittgeschwindigkeit zu groß.",
    "2: Schlechte Kühlung.",
    kBlank,
    "Lösung zu 1:",
    "Schnittgeschwindigkeit herabsetzen.",
    kBlank,
    "Lösung zu 2:",
    "Kühlung verbessern.",
};

constexpr std::string_view kD6[] = {
    "Fehlerursachen:",
    "1: Zu große Schnittgeschwindigkeit.",
    "2: Zu großer Vorschub bei tiefen Bohrungen.",
    "3: Schlechte Kühlung.",
    kBlank,
    "Lösung zu 1:",
    "Schnittgeschwindigkeit herabsetzen.",
    kBlank,
    "Lösung zu 2:",
    "Vorschub verringern.",
    kBlank,
    "Lösung zu 3:",
    "Kühlung verbessern.",
};

constexpr std::string_view kD7[] = {
    "Fehlerursachen:",
    "1: Bohrer war stumpf.",
    kBlank,
    "Lösung zu 1:",
    "Bohrer schleifen",
};

constexpr std::string_view kD8[] = {
    "Fehlerursachen:",
    "1: Bohrer hat schlechte Führung.",
    kBlank,
    "Lösung zu 1:",
    "Bohrer mit Zentrierspitze verwenden oder",
    "Spitzenwinkel vergrößern.",
};

constexpr Entry kDrillingEntries[] = {kD1, kD2, kD3, kD4, kD5, kD6, kD7, kD8};

// ---------------------------------------------------------------- "Reiben"

constexpr Fault kReamingFaults[] = {
    {"Bohrung wird zu groß (Überweite)", 1},
    {"Bohrung wird zu klein (Unterweite)", 2},
    {"Bohrung wird nicht zylindrisch und nicht rund (Kegelige Aufweitung)", 3},
    {"Lochwandung ist unzureichend (Rattermarken)", 4},
    {"Reibahle erwärmt sich zu stark, klemmt uns bricht aus.", 5},
};

constexpr std::string_view kR1[] = {
    "Fehlerursachen:",
    "1: Der Werkstoff weitet sich wegen zu niedriger Dichte auf",
    "    (zu nachgiebige Struktur).",
    "2: Der Rundlauf der Maschinenspindel ist mangelhaft.",
    "3: Der Anschnitt der Reibahle ist zu kurz oder ungleichmäßig.",
    "4: Spanabnahme, Schnittgeschwindigkeit oder Vorschub sind zu groß.",
    kBlank,
    "Lösung zu 1:",
    "Bei der Bearbeitung von Stahl, Grauguß und Cu-Legierungen",
    "verringert die Verwendung von Emulsionen 1:15 als Kühl-",
    "und Schmiermittel und bei der Bearbeitung von Al-Legierungen",
    "die Verwendung von Mineralölen (Petroleum, Terpentinöl)",
    "die Überweite.",
};

constexpr std::string_view kR2[] = {
    "Fehlerursachen:",
    "1: Der Werkstoff hat eine besonders hohe Dichte",
    "   (eine unnachgiebige Struktur).",
    "2: Spanabnahme, Schnittgeschwindigkeit oder Vorschub sind zu klein.",
    kBlank,
    "Lösung zu 1:",
    "Eine Bohrungsvergrößerung wird erreicht bei...",
    "Stahl:               Verwendung von Rübölen mit 15° Engler.",
    "Grauguß:           Verwendung von Mineralölen mit 30° Engler.",
    "Cu-Legierungen: Verwendung von Mineralölen mit 30° Engler.",
    "Al-Legierungen:  Fettarme Schmiermittel (Emulsion 1:15).",
    kBlank,
    "Hinweis:",
    "Bei der Bearbeitung von Werkstoffen mit hoher Verschleißwirkung",
    "sind mit Hartmetall-Reibahlen bei sorgfältiger Schmierung und",
    "Kühlung bessere Ergebnise als mit HSS-Reibahlen zu erzielen",
    "(Höhere Standzeit).",
};

constexpr std::string_view kR3[] = {
    "Fehlerursachen:",
    "1: Der Rundlauf der Maschinenspindel ist mangelhaft.",
    "2: Die Axialrichtung von Bohrung und Reibahle stimmt nicht überein.",
    "3: Der Anschnitt der Reibahle ist ungleichmäßig, es sind nicht alle",
    "   Zähne im Eingriff.",
    kBlank,
    "Lösung zu 2:",
    "Verwendung eines Pendelfutters erforderlich.",
    "Dabei aber nur Pendelfutter mit achsparalleler Pendelbewegung verwenden.",
};

constexpr std::string_view kR4[] = {
    "Fehlerursachen:",
    "1: Der Werkstoff neigt zum Kleben und zur Bildung",
    "   von Aufbauschneiden.",
    "2: Die Spanabnahme ist zu gering.",
    "3: Das Schmiermittel hat einen zu geringen Fettgehalt.",
    "4: Es ist trocken gerieben worden.",
    "5: Der Anschnitt der Reibahle ist ungleichmäßig oder nicht dem",
    "   bearbeiteten Material angepaßt.",
    "6: Der Übergang von den Hauptschneiden zu den Nebenschneiden",
    "   ist zu scharfkantig.",
    "7: Das Werkzeug sitzt nicht fest in der Maschine",
    "8: Der Rundlauf der Maschinenspindel ist mangelhaft",
    "9: Vorschub beim Reiben von Hand ist ungleichmäßig.",
    kBlank,
    "Lösung zu 1:",
    "- Freiwinkel vergrößern.",
    "- Rückspanwinkel vergrößern durch Schleifen der Spanfläche.",
    "- Breite der Rundschliff-Fase verringern.",
    kBlank,
    "Lösung zu 2:",
    "- Schmiermittel mit hohem Fettgehalt verbessern die",
    "  Oberflächengüte der geriebenen Bohrung.",
};

constexpr std::string_view kR5[] = {
    "Fehlerursachen:",
    "1: Das Material weist harte Stellen auf.",
    "2: Der Anschnitt ist stumpf, nicht gleichmäßig",
    "   oder nicht dem Material angepaßt.",
    "3: Der Schneidenteil ist zum Schaft zu nicht verjüngt",
    "   (0.015 mm auf 100 mm Schneidenlänge ist normal).",
    "4: Der Schneidenteil ist am Schaft stärker als am Anschnitt.",
    "5: Der Vorschub ist zu groß.",
    "6: Die Spanabnahme ist zu gering.",
    "7: Die Rundschliff-Fase ist zu breit.",
};

constexpr Entry kReamingEntries[] = {kR1, kR2, kR3, kR4, kR5};

// ---------------------------------------------------------------- "Sägen"

constexpr Fault kSawingFaults[] = {
    {"Kreissäge: Blattbruch.", 1},
    {"Kreissäge: Zähne brechen aus.", 2},
    {"Kreissäge: Zähne werden zu schnell stumpf.", 3},
    {"Kreissäge: Blankklemmung und Materialhaftung am Sägeblatt.", 4},
    {"Bügelsäge: Blattbruch in der Bohrung.", 5},
    {"Bügelsäge: Blattbruch.", 6},
    {"Bügelsäge: Vorzeitiger Verschleiß des Sägeblattes.", 7},
    {"Bügelsäge: Ausbrechen der Zähne.", 8},
    {"Bügelsäge: Schrägschnitt.", 9},
    {"Bandsäge: Zähne werden zu schnell stumpf.", 10},
    {"Bandsäge: Zähne brechen aus beim Trennen von Profilmaterial.", 11},
    {"Bandsäge: Zähne brechen aus beim Trennen von Vollmaterial.", 12},
    {"Bandsäge: Bruch des Bandes in der Schweißnaht.", 13},
    {"Bandsäge: Bruch des Bandes.", 14},
    {"Bandsäge: Sägeband kommt beim Sägen in Schwingung.", 15},
    {"Bandsäge: Schrägschnitt.", 16},
};

constexpr std::string_view kS1[] = {
    "Fehlerursachen:",
    "1: Falsches Ansetzen beim Anschnitt.",
    "2: Kreissägeblatt ist stumpf.",
    kBlank,
    "Lösung zu 1:",
    "Blatt darf beim Beginn des Schneidens nicht auf dem Material aufliegen.",
    kBlank,
    "Lösung zu 2:",
    "Blatt nachschärfen.",
};

constexpr std::string_view kS2[] = {
    "Fehlerursachen:",
    "1: Schlechte Spanräumung wegen zu feiner Zahnteilung.",
    "2: Zähne haken im Material ein.",
    "3: Werkstück im Schraubstock zu lose eingespannt.",
    kBlank,
    "Lösung zu 1:",
    "Größere Zahnteilung wählen.",
    kBlank,
    "Lösung zu 2:",
    "feinere Zahnteilung wählen.",
    kBlank,
    "Lösung zu 3:",
    "Werkstück nachspannen.",
};

constexpr std::string_view kS3[] = {
    "Fehlerursachen:",
    "1: Spanüberfüllung im Zahngrund, Zähne setzen sich zu.",
    "2: Unsauberer Schnitt.",
    "3: Fehlende oder unpassende Kühlmittel.",
    kBlank,
    "Lösung zu 1:",
    "Größere Zahnteilung wählen.",
    kBlank,
    "Lösung zu 2:",
    "Feinere Zahnteilung wählen und Schnittdruck verringern.",
    kBlank,
    "Lösung zu 3:",
    "Geeignetes Kühlmittel einsetzen.",
};

constexpr std::string_view kS4[] = {
    "Fehlerursachen:",
    "1: Falscher Vorschub.",
    "2: Fehlende oder unpassende Kühlmittel.",
    kBlank,
    "Lösung zu 1:",
    "Vorschub vergrößern oder verkleinern.",
    kBlank,
    "Lösung zu 2:",
    "Geeignetes Kühlmittel einsetzen.",
};

constexpr std::string_view kS5[] = {
    "Fehlerursachen:",
    "1: Zu starke Spannung des Sägeblattes.",
    kBlank,
    "Lösung zu 1:",
    "Verringerung der Blattspannung.",
};

constexpr std::string_view kS6[] = {
    "Fehlerursachen:",
    "1: Falsches Ansetzen des Sägeblattes auf das zu trennende Material.",
    "2: Sägeblatt zu wenig gespannt.",
    "3: Schnittdruck zu hoch.",
    "4: Werkstück nicht fest genug eingespannt.",
    kBlank,
    "Lösung zu 1:",
    "Nicht in vorhandenen Schnitt ansetzen.",
    kBlank,
    "Lösung zu 2:",
    "Sägeblatt nachspannen.",
    kBlank,
    "Lösung zu 3:",
    "Schnittdruck verringern.",
    kBlank,
    "Lösung zu 4:",
    "Werkstück nachspannen.",
};

constexpr std::string_view kS7[] = {
    "Fehlerursachen:",
    "1: Zu hohe Schnittgeschwindigkeit oder zu hoher Schnittdruck.",
    "2: Bügel der Maschine hebt beim Leerhub nicht ab.",
    "3: Falsche Zahnteilung.",
    "4: Kühlmittel fehlt.",
    kBlank,
    "Lösung zu 1:",
    "Schnittgeschwindigkeit bzw. Schnittdruck verringern.",
    kBlank,
    "Lösung zu 2:",
    "Maschine überprüfen.",
    kBlank,
    "Lösung zu 3:",
    "Andere Teilung wählen.",
    kBlank,
    "Lösung zu 4:",
    "Für richtige Kühlung sorgen.",
};

constexpr std::string_view kS8[] = {
    "Fehlerursachen:",
    "1: An scharfer Kante angesetzt.",
    "2: Zahnteilung zu groß.",
    kBlank,
    "Lösung zu 1:",
    "Sägeblatt beim ansetzen vorsichtig aufsetzen.",
    kBlank,
    "Lösung zu 2:",
    "Andere Teilung wählen.",
};

constexpr std::string_view kS9[] = {
    "Fehlerursachen:",
    "1: Zu geringe Spannung.",
    "2: Abgestumpftes Sägeblatt.",
    "3: Zu großer Schnittdruck.",
    kBlank,
    "Lösung zu 1:",
    "Sägeblatt nachspannen.",
    kBlank,
    "Lösung zu 2:",
    "Sägeblatt auswechseln.",
    kBlank,
    "Lösung zu 3:",
    "Schnittdruck verringern.",
};

constexpr std::string_view kS10[] = {
    "Fehlerursachen:",
    "1: Schnittgeschwindigkeit zu hoch.",
    "2: Kühlung nicht ausreichend.",
    kBlank,
    "Lösung zu 1:",
    "Schnittgeschwindigkeit herabsetzen.",
    kBlank,
    "Lösung zu 2:",
    "Für ausreichende Kühlung sorgen.",
};

constexpr std::string_view kS11[] = {
    "Fehlerursachen:",
    "1: Zu große Zahnteilung.",
    "2: Zu große Senkgeschwindigkeit des Sägearmes.",
    "3: Werkstück nicht festgespannt.",
    kBlank,
    "Lösung zu 1:",
    "Andere Zahnteilung wählen.",
    kBlank,
    "Lösung zu 2:",
    "Vorschubgeschwindigkeit reduzieren.",
    kBlank,
    "Lösung zu 3:",
    "Werkstück nachspannen.",
};

constexpr std::string_view kS12[] = {
    "Fehlerursachen:",
    "1: Material nicht geglüht.",
    "2: Zu feine Zahnteilung.",
    "3: Zu hoher Schnittdruck.",
    "4: Werkstück nicht festgespannt.",
    kBlank,
    "Lösung zu 1:",
    "Grobere Zahnung verwenden.",
    "Schnittgeschwindigkeit erhöhen und Schnittdruck verringern.",
    "Wellen- oder Gruppenschränkung einsetzen.",
    kBlank,
    "Lösung zu 2:",
    "Größere Teilung wählen.",
    kBlank,
    "Lösung zu 3:",
    "Schnittdruck reduzieren oder,wenn möglich,",
    "höhere Schnittgeschwindigkeit verwenden.",
    kBlank,
    "Lösung zu 4:",
    "Werkstück nachspannen.",
    "Dünne Stangen, im Bündel gesägt, sollten",
    "am Ende punktgeschweißt werden, um ein",
    "Mitdrehen zu verhindern.",
};

constexpr std::string_view kS13[] = {
    "Fehlerursachen:",
    "1: Bandführungen stehen nicht richtig.",
    "2: Zu hohe oder zu niedrige Sägebandspannung.",
    "2: Sägeband fehlerhaft stumpfgeschweißt.",
    kBlank,
    "Lösung zu 1:",
    "Führung nachstellen.",
    kBlank,
    "Lösung zu 2:",
    "Sägeband nach Vorschrift des Maschinenherstellers spannen.",
    kBlank,
    "Lösung zu 3:",
    "Sägeband fachgerecht stumpfschweißen",
    "Besonders auf korrektes Glühen achten!",
};

constexpr std::string_view kS14[] = {
    "Fehlerursachen:",
    "1: Führungsrollen stehen zu eng und walzen das Band.",
    "2: Führungsrollen sind fehlerhaft (konisch,ballig oder verschlissen).",
    "3: Spänebürste nicht im Einsatz.",
    "4: Umlenkrad taumelt.",
    kBlank,
    "Lösung zu 1:",
    "Führung nachstellen.",
    kBlank,
    "Lösung zu 2:",
    "Führungsrolle erneuern.",
    kBlank,
    "Lösung zu 3:",
    "Die Spänebürste muß nachgestellt bzw. erneuert werden.",
    kBlank,
    "Lösung zu 4:",
    "Die Aufnahme des Umlenkrades kontrollieren und eventl.",
    "Kugellager erneuern.",
};

constexpr std::string_view kS15[] = {
    "Fehlerursachen:",
    "1: Zu hohe Schnittgeschwindigkeit.",
    "2: Führungen stehen zu weit auseinander.",
    kBlank,
    "Lösung zu 1:",
    "Schnittgeschwindigkeit herabsetzen.",
    kBlank,
    "Lösung zu 2:",
    "Den verstellbaren Führungsarm so nah wie möglich",
    "an das Werkstück anstellen.",
};

constexpr std::string_view kS16[] = {
    "Fehlerursachen:",
    "1: Zahnung zu grob oder zu fein gewählt.",
    "2: Schnittdruck zu hoch.",
    "3: Sägeband stumpf.",
    "4: Führungen stehen zu weit auseinander.",
    kBlank,
    "Lösung zu 1:",
    "Andere Zahnung wählen.",
    kBlank,
    "Lösung zu 2:",
    "Schnittdruck herabsetzen.",
    kBlank,
    "Lösung zu 3:",
    "Neues Sägeband einsetzen.",
    kBlank,
    "Lösung zu 4:",
    "Den verstellbaren Führungsarm so nah wie möglich",
    "an das Werkstück anstellen.",
};

constexpr Entry kSawingEntries[] = {kS1, kS2,  kS3,  kS4,  kS5,  kS6,  kS7,  kS8,
                                    kS9, kS10, kS11, kS12, kS13, kS14, kS15, kS16};

constexpr Section kMilling{
    "Fehler beim Fräsen und deren Beseitigung", "Fräsfehler:", kMillingFaults, kMillingEntries};
constexpr Section kTurning{
    "Fehler beim Drehen und deren Beseitigung", "Drehfehler:", kTurningFaults, kTurningEntries};
constexpr Section kDrilling{
    "Fehler beim Bohren und deren Beseitigung", "Bohrfehler:", kDrillingFaults, kDrillingEntries};
constexpr Section kReaming{
    "Reibfehler und deren Beseitigung", "Reibfehler:", kReamingFaults, kReamingEntries};
constexpr Section kSawing{
    "Sägefehler und deren Beseitigung", "Sägefehler:", kSawingFaults, kSawingEntries};

// clang-format on

// By main-window page index; "Senken" and "Rechner" have no advice.
constexpr const Section* kByPage[] = {&kMilling, &kTurning, &kDrilling, &kReaming,
                                      nullptr,   &kSawing,  nullptr};

} // namespace

const Section* SectionForPage(int pageIndex) {
    if (pageIndex < 0 || pageIndex >= static_cast<int>(std::size(kByPage))) return nullptr;
    return kByPage[pageIndex];
}

Entry EntryForFault(const Section& section, int fault) {
    if (fault < 0 || fault >= static_cast<int>(section.faults.size())) return {};
    const int entry = section.faults[static_cast<size_t>(fault)].entry;
    if (entry < 1 || entry > static_cast<int>(section.entries.size())) return {};
    return section.entries[static_cast<size_t>(entry - 1)];
}

} // namespace zerbo::advisor
