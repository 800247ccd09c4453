// What the toolkit-free operations ask of the user interface.
//
// System operations and the file reader refresh lists, redraw the canvas or
// open a dialog.  Without a GUI (tests, the batch program) these do nothing;
// the GUI installs its own implementation at start-up.
#pragma once

struct System;
struct Stab;

class Oberflaeche {
public:
    virtual ~Oberflaeche() = default;
    virtual void SystemEintragen(System*) {}
    virtual void SystemAustragen(System*) {}
    virtual void SystemUmbenennen(System*) {}
    // Selects the System's entry in the systems choice (after another one
    // was closed); null = no entry selected.
    virtual void SystemAuswahlZeigen(System*) {}
    virtual void SystemdialogeAktualisieren() {}
    virtual void LastfalllistenLeeren() {}
    virtual void LastfalllisteFuellen() {}
    virtual void KombinationslisteFuellen() {}
    virtual void ModusSetzen(int modus);
    virtual void SystemZeichnen() {}
    virtual void Flush() {}
    // Opens "Material / Querschnitt" for a freshly drawn bar that has no defaults.
    virtual void ZuordnungsdialogOeffnen(Stab*) {}
    virtual void EingabedialogVerbergen() {}
};

Oberflaeche* Ui();
// Installs the interface (null = the silent default). Returns the previous one.
Oberflaeche* OberflaecheSetzen(Oberflaeche* ui);
