// The redraw driver: clears the canvas and draws the enabled layers in their
// fixed order, later layers over earlier ones.
#include "workspace/zeichnen.h"

#include "core/programm.h"

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
    if (s.RasterAnzeigen != 0) RasterZeichnen(maler, a, s, z.AchsenHervorheben);
    if (z.Ursprung) UrsprungZeichnen(maler, a);
    if (z.Achsenbeschriftung) AchsenBeschriften(maler, a, s);
    if (z.Bezugsfaser) BezugsfaserZeichnen(maler, a, s);
    if (z.System) StaebeZeichnen(maler, a, s);
    if (z.Lager) LagerZeichnen(maler, a, s);
    if (z.Freiheitsgrade) FreiheitsgradeZeichnen(maler, a, s, z.FgAnBiegesteifenVerbindungen);
    if (z.Punktlasten) PunktlastenZeichnen(maler, a, s, z.PLBeschriftung);
    if (z.Streckenlasten) StreckenlastenZeichnen(maler, a, s, z.SLBeschriftung);
    if (z.Verschiebung) VerschiebungenZeichnen(maler, a, s, z.VBeschriften);
    if (z.Normalkraft) SchnittkraefteZeichnen(maler, a, s, NORMALKRAFT, z.SKBeschriften);
    if (z.Querkraft) SchnittkraefteZeichnen(maler, a, s, QUERKRAFT, z.SKBeschriften);
    if (z.Moment) SchnittkraefteZeichnen(maler, a, s, MOMENT, z.SKBeschriften);
    if (z.Punkte) PunkteZeichnen(maler, a, s);
    if (z.Punktnummern) PunktnummernZeichnen(maler, a, s);
    if (z.Stabnummern) StabnummernZeichnen(maler, a, s);
    if (z.Lagergroessen) LagergroessenZeichnen(maler, a, s);
    maler.Senden();
}

