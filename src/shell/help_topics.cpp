#include "shell/help_topics.h"

#include <array>

namespace zerbo {

namespace {

constexpr std::array<HelpTopic, 7> kTopics = {{
    {104, "Fräsen",
     "Schnittwerte für Schaft-, Walzenstirn-, Wendeplatten- und Messerkopffräser aus HSS, "
     "Wendeplatten (WP) oder Vollhartmetall (VHM). Nach Werkzeugtyp, Beschichtung, Zähnezahl, "
     "Durchmesser und Werkstoffgruppe werden Vorschub pro Zahn fz und Schnittgeschwindigkeit Vc "
     "empfohlen; daraus berechnet die Seite Drehzahl n, Vorschubgeschwindigkeit Vf, "
     "Zeitspanvolumen Q, Maschinenleistung Pe, die mittlere Spanungsdicke hm und den "
     "Eingriffswinkel. Mit den Schiebern werden Vc, Fräsbreite ae, Schnittiefe ap und hm "
     "innerhalb der Empfehlung verstellt."},
    {105, "Drehen",
     "Schnittwerte für Außendrehen, Innendrehen (Bohren mit kurzem oder langem Überhang) und "
     "Abstechen mit HSS oder Wendeplatten. Nach Bearbeitungsart, Bearbeitungsklasse und "
     "Werkstoffgruppe werden Vorschub und Schnittgeschwindigkeit empfohlen; daraus berechnet die "
     "Seite Drehzahl n, Vorschubgeschwindigkeit Vf, Zeitspanvolumen Q und Maschinenleistung Pe."},
    {106, "Bohren",
     "Schnittwerte für Spiralbohrer, Dreischneider, Wendeplattenbohrer und Aufbohrwerkzeuge aus "
     "HSS oder Hartmetall. Nach Werkzeugtyp, Beschichtung, Durchmesser und Werkstoff werden "
     "Vorschub pro Umdrehung und Schnittgeschwindigkeit empfohlen; daraus berechnet die Seite "
     "Drehzahl, Vorschubgeschwindigkeit, Zeitspanvolumen, Drehmoment und Leistung."},
    {107, "Reiben",
     "Schnittwerte für Maschinen-, Handreibahlen, Schälreibahlen und Aufsteckreibahlen aus HSS "
     "oder Hartmetall, mit Reibaufmaß und Kühlmittelempfehlung. Die Seite berechnet Drehzahl, "
     "Vorschubgeschwindigkeit, Zeitspanvolumen und Leistung."},
    {108, "Senken",
     "Schnittwerte für Kegel- und Flachsenker mit Vorbohr- und Zapfendurchmesser. Die Seite "
     "berechnet Drehzahl, Vorschubgeschwindigkeit, Zeitspanvolumen und Leistung."},
    {109, "Sägen",
     "Schnittwerte für Kreissägeblätter aus HSS und Hartmetall. Nach Blattdurchmesser, Blattart, "
     "Zähnezahl, Blattstärke und Werkstoff berechnet die Seite Eingriff, Vorschub pro Zahn, "
     "Schnittkraft, Zeitspanvolumen und Leistung."},
    {110, "Genaue Materialbestimmung",
     "Auswahl einer genauen Werkstoffsorte der aktiven Werkstoffgruppe. Aus kc1.1, dem "
     "Anstiegswert mc und dem Multiplikator ergibt sich die spezifische Schnittkraft kc, die an "
     "die Seiten Fräsen und Drehen übergeben wird."},
}};

} // namespace

const HelpTopic* FindHelpTopic(int context) {
    for (const HelpTopic& t : kTopics)
        if (t.context == context) return &t;
    return nullptr;
}

} // namespace zerbo
