// The forms and objects of the tool windows, shared by their sources.
#pragma once

#include "files/massstab.h"
#include "gui/xforms.h"
#include "workspace/zeichnen.h"

struct Werkzeugleiste {
    FL_FORM* Form = nullptr;
    FL_OBJECT* Oeffnen = nullptr;
    FL_OBJECT* Sichern = nullptr;
    FL_OBJECT* StabErzeugen = nullptr;
    FL_OBJECT* Zoom = nullptr;
    FL_OBJECT* ZoomAlles = nullptr;
    FL_OBJECT* Verschieben = nullptr;
    FL_OBJECT* TheorieI = nullptr;
    FL_OBJECT* TheorieII = nullptr;
    FL_OBJECT* Schliessen = nullptr;
};

struct Massstabformular {
    FL_FORM* Form = nullptr;
    FL_OBJECT* Eingaben[MASSSTAB_FELDER] = {};
    FL_OBJECT* Positionierer = nullptr;
};

// One check button per switch of the drawing selection and settings.
struct Schalterknopf {
    const char* Beschriftung;
    int Y;
    bool Anfangs;
    bool Zeichenschalter::*Schalter;
    FL_OBJECT* Knopf;
};

struct Zeichenauswahlformular {
    FL_FORM* Form = nullptr;
};

struct Einstellungsformular {
    FL_FORM* Form = nullptr;
    FL_OBJECT* Bezugsfaser = nullptr;
    FL_OBJECT* Ursprung = nullptr;
    FL_OBJECT* RasterAnzeigen = nullptr;
    FL_OBJECT* Fang = nullptr;
    FL_OBJECT* Achsenbeschriftung = nullptr;
    FL_OBJECT* AchsenHervorheben = nullptr;
};

struct Rasterformular {
    FL_FORM* Form = nullptr;
    FL_OBJECT* RasterAnzeigen = nullptr;
    FL_OBJECT* RasterweiteX = nullptr;
    FL_OBJECT* RasterweiteY = nullptr;
    FL_OBJECT* FangrasterX = nullptr;
    FL_OBJECT* FangrasterY = nullptr;
    FL_OBJECT* Fang = nullptr;
};

extern Werkzeugleiste Icons;
extern Massstabformular Massstabfenster;
extern Zeichenauswahlformular Zeichenauswahl;
extern Einstellungsformular Zeicheneinstellungen;
extern Rasterformular Rastereinstellungen;

// Creation of the single forms (werkzeugfenster.cpp calls them once).
void IconleisteErzeugen();
void MassstabfensterErzeugen();
void ZeichenauswahlErzeugen();
void ZeicheneinstellungenErzeugen();
void RasterdialogErzeugen();
// "Raster anzeigen" of the grid dialog and of the drawing settings: switches
// the current System's grid; without a System the button stays off.
void RasterAnzeigenCB(FL_OBJECT* ob, long);
void FarbdialogErzeugen();
void FarbdialogZeigen();
// Check buttons of the drawing selection to their first states.
void ZeichenauswahlAnfangszustand();

// The canvas (zeichenflaeche.cpp).
// Its size in pixels; false before it exists.
bool ZeichenflaecheGroesse(int& breite, int& hoehe);
// Its X window; 0 before it exists.
Window ZeichenflaecheFenster();
// Gives the canvas its event handler (back).
void ZeichenflaechenEreignisseEinsetzen();
// Cursor of the canvas for an interaction mode.
void ZeichenflaecheCursor(int modus);
// Shows a tool window as a transient window titled "Velko" at its place.
void WerkzeugformZeigen(FL_FORM* form);
// A pixmap from the administration directory; false when it is missing.
bool PixmapSetzen(FL_OBJECT* knopf, const char* datei);
