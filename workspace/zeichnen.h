// Drawing of the current System on the canvas: the redraw driver and its
// seventeen layers, plus the sketches of the dialogs' drawing windows.
//
// Everything draws through a Maler and reads the view it is given; nothing
// here changes data.  The layer switches are the check buttons of the tool
// windows, kept in a Zeichenschalter that the buttons write.
#pragma once

#include <cstddef>
#include <string>

#include "core/datenmodell.h"
#include "workspace/ansicht.h"
#include "workspace/maler.h"
#include "workspace/zeichenhilfen.h"

class Beschriftungsplan;

struct Zeichenschalter {
    // Drawing selection
    bool System = true;
    bool Verschiebung = false;
    bool VBeschriften = false;
    bool Moment = false;
    bool Querkraft = false;
    bool Normalkraft = false;
    bool SKBeschriften = false;
    bool Umhuellende = false;  // the envelope of the internal forces switched on
    bool Lager = true;
    bool Lagergroessen = false;
    bool Punktlasten = true;
    bool PLBeschriftung = false;
    bool Streckenlasten = true;
    bool SLBeschriftung = false;
    bool Punkte = true;
    bool Punktnummern = false;
    bool Stabnummern = false;
    bool Freiheitsgrade = false;
    // Drawing settings (the grid itself follows System::RasterAnzeigen)
    bool Bezugsfaser = true;
    bool Ursprung = false;
    bool Achsenbeschriftung = true;
    bool AchsenHervorheben = false;
    // Settings menu "FG auch an biegesteifen Verbindungen"
    bool FgAnBiegesteifenVerbindungen = false;
};

// The switches of the running program (the GUI's check buttons write them).
extern Zeichenschalter Schalter;

// Clears the canvas and draws every enabled layer of the System in the fixed
// order: grid, origin, grid labels, reference fibres, bars, supports,
// degrees of freedom, point loads, distributed and temperature loads, deflected shape,
// normal force, shear force, moment, the envelopes of those switched on
// (with "Umhüllende"), the marked bars (always), points,
// point numbers, bar numbers, support reactions.  Without a System the
// canvas is only cleared.
void SystemZeichnen(Maler& maler, const Ansicht& ansicht, const Zeichenschalter& schalter, const System* system);

// ------------------------------------------------------------------ grid and origin
void RasterZeichnen(Maler& maler, const Ansicht& ansicht, const System& system, bool achsenHervorheben);
void AchsenBeschriften(Maler& maler, const Ansicht& ansicht, const System& system);
void UrsprungZeichnen(Maler& maler, const Ansicht& ansicht);

// ------------------------------------------------------------------ structure
void BezugsfaserZeichnen(Maler& maler, const Ansicht& ansicht, const System& system);
void StaebeZeichnen(Maler& maler, const Ansicht& ansicht, const System& system);
// The marked bars once more, over loads and diagrams.
void MarkierteStaebeZeichnen(Maler& maler, const Ansicht& ansicht, const System& system);
// Supports, springs and hinges as engineering symbols (output/lagersymbole.h).
void LagerZeichnen(Maler& maler, const Ansicht& ansicht, const System& system);
void FreiheitsgradeZeichnen(Maler& maler, const Ansicht& ansicht, const System& system, bool alleZeigen);
void PunkteZeichnen(Maler& maler, const Ansicht& ansicht, const System& system);
// The label layers take the plan of the redraw, which keeps their texts
// apart from those of earlier layers; without one each call keeps its own.
void PunktnummernZeichnen(Maler& maler, const Ansicht& ansicht, const System& system,
                          Beschriftungsplan* plan = nullptr);
void StabnummernZeichnen(Maler& maler, const Ansicht& ansicht, const System& system, Beschriftungsplan* plan = nullptr);
// The reactions as magnitudes with their unit, behind an arrow (a curved
// one for a moment) in the direction they act on the structure.
void LagergroessenZeichnen(Maler& maler, const Ansicht& ansicht, const System& system,
                           Beschriftungsplan* plan = nullptr);

// ------------------------------------------------------------------ loads
void PunktlastenZeichnen(Maler& maler, const Ansicht& ansicht, const System& system, bool beschriften,
                         Beschriftungsplan* plan = nullptr);
void StreckenlastenZeichnen(Maler& maler, const Ansicht& ansicht, const System& system, bool beschriften,
                            Beschriftungsplan* plan = nullptr);
// Temperature loads, in the colour of distributed loads and switched with
// them: a hatch of short strokes across the whole bar, at a fixed size, and
// the label "dT=... K  dTM=... K" below its middle, the deltas drawn as
// triangles.
void TemperaturlastenZeichnen(Maler& maler, const Ansicht& ansicht, const System& system, bool beschriften,
                              Beschriftungsplan* plan = nullptr);
// The label text with a blank where each Delta goes: the first in front,
// the second at `zweitesDelta` (character index).
std::string TemperaturlastText(double deltaT, double deltaTM, std::size_t* zweitesDelta = nullptr);
// The label at (x, y) where the plan finds room, with a leader from
// (vonX, vonY) and the two deltas drawn into their cells.
void TemperaturlastBeschriften(Maler& maler, Beschriftungsplan& plan, double x, double y, double vonX, double vonY,
                               double deltaT, double deltaTM);

// ------------------------------------------------------------------ results
enum Schnittkraftart { NORMALKRAFT = 0, QUERKRAFT = 1, MOMENT = 2 };
void SchnittkraefteZeichnen(Maler& maler, const Ansicht& ansicht, const System& system, int art, bool beschriften,
                            Beschriftungsplan* plan = nullptr);
void SchnittkraftlinieZeichnen(Maler& maler, const Ansicht& ansicht, const Stababschnitt& abschnitt, int art);
void SchnittkraefteBeschriften(Maler& maler, const Ansicht& ansicht, const Stab& stab, int art,
                               Beschriftungsplan* plan = nullptr);
void VerschiebungenZeichnen(Maler& maler, const Ansicht& ansicht, const System& system, bool beschriften,
                            Beschriftungsplan* plan = nullptr);
// The envelope of all combinations (System::Huelle) of one internal force:
// per bar the curve of the maxima (solid) and of the minima (dashed) over
// the ten listed positions, in the force's colour and on the side its
// diagram lies; with `beschriften` the largest maximum and the smallest
// minimum with their combinations.  Nothing without an envelope.
void UmhuellendeZeichnen(Maler& maler, const Ansicht& ansicht, const System& system, int art, bool beschriften,
                         Beschriftungsplan* plan = nullptr);
void BiegelinieZeichnen(Maler& maler, const Ansicht& ansicht, const Stababschnitt& abschnitt);
void VerschiebungenBeschriften(Maler& maler, const Ansicht& ansicht, const Stab& stab,
                               Beschriftungsplan* plan = nullptr);

// ------------------------------------------------------------------ sketch windows

// The view that fits one bar into a window of W x H pixels: the bar spans
// half the window and is centred.  A bar without extent gets scale 1.
Ansicht SkizzenAnsicht(const Stab& stab, int breite, int hoehe);
// The bar of a sketch: solid line, dashed line on its lower side, "A" and
// "B" in the large font, the point squares.
void SkizzenstabZeichnen(Maler& maler, const Ansicht& skizze, const Stab& stab);

// The legend of global and local axes at the top and bottom left of a sketch
// window of height `hoehe`; the local axes turn with the bar (cos, sin).
// `hintergrundIndex` is the toolkit colour of the background: the local axes
// are blue on a white background, else white.
void AchsenlegendeZeichnen(Maler& maler, int hoehe, double cos, double sin, long hintergrundIndex);

// The load editor's sketch: the bar fitted to the window and the selected
// load (a Punktlast, a Streckenlast or a Temperaturlast, or none) at a scale
// taken from the scale window's "Streckenlast" value (a temperature load at
// its fixed size, with its label).  Nothing is drawn without a bar.
void LastskizzeZeichnen(Maler& maler, int breite, int hoehe, const Stab* stab, const Punktlast* punktlast,
                        const Streckenlast* streckenlast, double streckenlastEingabe, long hintergrundIndex,
                        const Temperaturlast* temperaturlast = nullptr);
