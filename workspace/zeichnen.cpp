// The redraw driver: clears the canvas and draws the enabled layers in their
// fixed order, later layers over earlier ones.
#include "workspace/zeichnen.h"
#include "workspace/zeichnen_intern.h"

#include <algorithm>
#include <string>

#include "core/programm.h"
#include "core/zahltext.h"
#include "workspace/beschriftungsplan.h"

Zeichenschalter Schalter;

void SystemZeichnen(Maler& maler, const Ansicht& a, const Zeichenschalter& z, const System* system) {
    maler.Hintergrund(ROLLE_HINTERGRUND);
    // Without a System the canvas is cleared too, so a closed System does
    // not stay on screen.
    maler.Loeschen();
    if (!system) {
        maler.Senden();
        return;
    }
    const System& s = *system;
    // One plan for every label of the redraw: a later label never covers
    // an earlier one.
    Beschriftungsplan plan;
    if (s.RasterAnzeigen != 0) RasterZeichnen(maler, a, s, z.AchsenHervorheben);
    if (z.Ursprung) UrsprungZeichnen(maler, a);
    if (z.Achsenbeschriftung) AchsenBeschriften(maler, a, s);
    if (z.Bezugsfaser) BezugsfaserZeichnen(maler, a, s);
    if (z.System) StaebeZeichnen(maler, a, s);
    if (z.Lager) LagerZeichnen(maler, a, s);
    if (z.Freiheitsgrade) FreiheitsgradeZeichnen(maler, a, s, z.FgAnBiegesteifenVerbindungen);
    if (z.Punktlasten) PunktlastenZeichnen(maler, a, s, z.PLBeschriftung, &plan);
    if (z.Streckenlasten) {
        StreckenlastenZeichnen(maler, a, s, z.SLBeschriftung, &plan);
        TemperaturlastenZeichnen(maler, a, s, z.SLBeschriftung, &plan);
    }
    if (z.Verschiebung) VerschiebungenZeichnen(maler, a, s, z.VBeschriften, &plan);
    if (z.Normalkraft) SchnittkraefteZeichnen(maler, a, s, NORMALKRAFT, z.SKBeschriften, &plan);
    if (z.Querkraft) SchnittkraefteZeichnen(maler, a, s, QUERKRAFT, z.SKBeschriften, &plan);
    if (z.Moment) SchnittkraefteZeichnen(maler, a, s, MOMENT, z.SKBeschriften, &plan);
    if (z.Umhuellende) {
        if (z.Normalkraft) UmhuellendeZeichnen(maler, a, s, NORMALKRAFT, z.SKBeschriften, &plan);
        if (z.Querkraft) UmhuellendeZeichnen(maler, a, s, QUERKRAFT, z.SKBeschriften, &plan);
        if (z.Moment) UmhuellendeZeichnen(maler, a, s, MOMENT, z.SKBeschriften, &plan);
    }
    // What the bar menu will act on must never hide under a load or diagram.
    MarkierteStaebeZeichnen(maler, a, s);
    if (z.Punkte) PunkteZeichnen(maler, a, s);
    if (z.Punktnummern) PunktnummernZeichnen(maler, a, s, &plan);
    if (z.Stabnummern) StabnummernZeichnen(maler, a, s, &plan);
    if (z.Lagergroessen) LagergroessenZeichnen(maler, a, s, &plan);
    maler.Senden();
}

void BeschriftungSetzen(Maler& maler, Beschriftungsplan& plan, double x, double y, const char* text, bool leiter,
                        double vonX, double vonY, const char* text2) {
    // "0.00" and "-0.00" are the same label and stand there once.
    std::string erste(text), zweite(text2 ? text2 : "");
    MinusNullEntfernen(erste.data());
    MinusNullEntfernen(zweite.data());
    Beschriftungskasten kasten = Textkasten(erste.c_str(), text2 ? 2 : 1);
    kasten.Rechts = static_cast<int>(std::max(erste.size(), zweite.size())) * ZEICHENBREITE;
    if (!plan.Platzieren(x, y, kasten, text2 ? erste + "\n" + zweite : erste)) return;
    if (leiter) StreckeZeichnen(maler, vonX, vonY, x, y);
    TextZeichnen(maler, x, y, erste.c_str());
    if (text2) TextZeichnen(maler, x, y - ZEILENHOEHE, zweite.c_str());
}
