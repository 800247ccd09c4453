// Undo and redo against the system file: random edits of every kind on the
// example systems, taken back and made again, must give the very bytes the
// file writer wrote before; interleaved undo, redo and new edits must
// follow a model of the history.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>
#include <unordered_set>
#include <vector>

#include "analysis/berechnung.h"
#include "core/aenderungen.h"
#include "core/bericht.h"
#include "core/freiheitsgradbearbeitung.h"
#include "core/katalogbearbeitung.h"
#include "core/latin1.h"
#include "core/lastverwaltung.h"
#include "core/programm.h"
#include "core/systemoperationen.h"
#include "core/verlauf.h"
#include "files/kataloge.h"
#include "files/systemdatei.h"
#include "workspace/bearbeitung.h"

namespace {

class Verlaufstest : public ::testing::Test {
protected:
    void SetUp() override {
        ProgrammZuruecksetzen();
        alterBericht_ = BerichtSetzen(&bericht_);
        alteAenderungen_ = AenderungsempfaengerSetzen(&aenderungen_);
        const std::string kataloge = std::string(VELKO_QUELLEN) + "/daten/verwaltung";
        ASSERT_TRUE(MaterialienLesen(kataloge.c_str()));
        ASSERT_TRUE(QuerschnitteLesen(kataloge.c_str()));
    }
    void TearDown() override {
        ProgrammZuruecksetzen();
        AenderungsempfaengerSetzen(alteAenderungen_);
        BerichtSetzen(alterBericht_);
    }

    System* Beispiel(const char* name) {
        sys = SystemLesen((std::string(VELKO_QUELLEN) + "/beispiele/" + name + ".sysdat").c_str());
        aenderungen_.Abholen();
        return sys;
    }

    // The bytes of the system file, and what the System keeps beyond them at
    // full precision (a change the file rounds away is still a change).
    std::string Datei() { return SystemdateiInhalt(*sys); }
    std::string Zustand() {
        std::string z = Datei();
        char zeile[200];
        std::snprintf(zeile, sizeof zeile, "teilungen %ld\n", sys->Stabteilungen);
        z += zeile;
        for (Punkt* p : Elemente<Punkt>(sys->Punkte)) {
            std::snprintf(zeile, sizeof zeile, "p %ld %.17g %.17g\n", p->Nummer, p->X, p->Y);
            z += zeile;
        }
        for (Stab* s : Elemente<Stab>(sys->Staebe)) {
            std::snprintf(zeile, sizeof zeile, "s %ld %.17g %.17g %.17g\n", s->Nummer, s->Winkel, s->Laenge, s->Cos);
            z += zeile;
        }
        for (Freiheitsgrad* f : Elemente<Freiheitsgrad>(sys->Freiheitsgrade)) {
            std::snprintf(zeile, sizeof zeile, "f %ld %.17g %.17g %.17g\n", f->Nummer,
                          f->Status == STATUS_PRIMAL ? f->Wert : 0.0, f->Feder, f->Winkel);
            z += zeile;
        }
        for (Lastfall* l : Elemente<Lastfall>(sys->Lastfaelle)) z += "l " + std::to_string(l->Aktiv) + "\n";
        for (Lastfallkombination* k : Elemente<Lastfallkombination>(sys->Kombinationen))
            z += "k " + std::to_string(k->Aktiv) + "\n";
        return z;
    }

    // Every reference of a bar and a relation pair leads into the System's
    // own chains.
    void ZeigerPruefen() {
        std::unordered_set<const void*> punkte, fgs;
        for (Punkt* p : Elemente<Punkt>(sys->Punkte)) punkte.insert(p);
        for (Freiheitsgrad* f : Elemente<Freiheitsgrad>(sys->Freiheitsgrade)) fgs.insert(f);
        for (Stab* s : Elemente<Stab>(sys->Staebe)) {
            EXPECT_TRUE(!s->PunktA || punkte.count(s->PunktA));
            EXPECT_TRUE(!s->PunktB || punkte.count(s->PunktB));
            for (Freiheitsgrad* f : s->Freiheitsgrade) EXPECT_TRUE(!f || fgs.count(f));
        }
        for (int i = 1; sys->FgRelationen && i <= sys->FgRelationen->top; ++i) {
            const Paar* p = static_cast<const Paar*>(sys->FgRelationen->items[i]);
            EXPECT_TRUE(fgs.count(p->first) && fgs.count(p->second));
        }
    }

    // The end of an event, as the window's refresh ends it.
    bool Abschliessen(Verlauf& v, const std::string& aktion) {
        const unsigned arten = aenderungen_.Abholen().ArtenVon(sys) & BEARBEITUNG;
        return arten && v.Schliessen(*sys, arten, aktion);
    }

    // ------------------------------------------------------------ random edits

    int Zahl(int von, int bis) { return std::uniform_int_distribution<int>(von, bis)(zufall_); }
    template <class T>
    T* Irgendein(Kette k) {
        const long n = KeAnzahl(k);
        if (n == 0) return nullptr;
        long i = Zahl(0, static_cast<int>(n) - 1);
        for (T* t : Elemente<T>(k))
            if (i-- == 0) return t;
        return nullptr;
    }
    std::vector<long> EinigeLastfaelle() {
        std::vector<long> k;
        for (Lastfall* l : Elemente<Lastfall>(sys->Lastfaelle))
            if (Zahl(0, 1)) k.push_back(l->Kennung);
        return k;
    }
    std::vector<long> EinigeLastfallnummern() {
        std::vector<long> n;
        for (Lastfall* l : Elemente<Lastfall>(sys->Lastfaelle))
            if (Zahl(0, 1)) n.push_back(l->Nummer);
        return n;
    }
    long EineKennung() {
        const int art = Zahl(0, 1);
        if (art == 0)
            if (Punktlast* p = Irgendein<Punktlast>(sys->Punktlasten)) return p->Kennung;
        Streckenlast* s = Irgendein<Streckenlast>(sys->Streckenlasten);
        return s ? s->Kennung : -1;
    }
    double Viertel(int von, int bis) { return 0.25 * Zahl(4 * von, 4 * bis); }

    // One edit of the kinds the window offers; returns its name.
    std::string Bearbeiten() {
        Stab* stab = Irgendein<Stab>(sys->Staebe);
        const int art = Zahl(0, 22);
        if (!stab && art > 0 && art < 12) return "";
        const int ende = Zahl(0, 1), richtung = Zahl(0, 2);
        switch (art) {
        case 0: {
            Programm.Modus = 1;
            StabErzeugungBeginnen(sys);
            Punkt* start = Zahl(0, 1) ? Irgendein<Punkt>(sys->Punkte) : nullptr;
            const double x1 = Zahl(-2, 8), y1 = Zahl(-2, 6);
            ErsterPunkt(*sys, x1, y1, start);
            const double x2 = Zahl(-2, 8), y2 = Zahl(-2, 6);
            Punkt* ziel = Zahl(0, 1) ? Irgendein<Punkt>(sys->Punkte) : nullptr;
            if (!staberzeugen(*sys, x2, y2, ziel)) StabErzeugungAbbrechen(sys);
            return "Stab erzeugen";
        }
        case 1: {
            Stapel* weg = StapelAnlegen();
            StapelEintragen(weg, stab);
            if (Stab* zweiter = Irgendein<Stab>(sys->Staebe); zweiter != stab && Zahl(0, 1))
                StapelEintragen(weg, zweiter);
            StaebeLoeschen(*sys, weg);
            StapelFreigeben(weg);
            return "Stab löschen"_l1;
        }
        case 2: {
            Stapel* teilen = StapelAnlegen();
            StapelEintragen(teilen, stab);
            StaebeTeilen(*sys, teilen, Zahl(2, 4));
            StapelFreigeben(teilen);
            return "Stab teilen";
        }
        case 3: {
            Punkt* p = Irgendein<Punkt>(sys->Punkte);
            const long nummer = p && Zahl(0, 2) ? p->Nummer : FreiePunktnummer(*sys) + Zahl(0, 3);
            const double x = Zahl(-2, 8);
            EndpunktNummerGeaendert(*sys, stab, ende, nummer, x, Viertel(-2, 6));
            return "Endpunkt ändern"_l1;
        }
        case 4: EndpunktNeu(*sys, stab, ende); return "neuer Endpunkt";
        case 5: {
            if (!stab->PunktA || !stab->PunktB) return "";
            const double xa = stab->PunktA->X + Viertel(-1, 1);
            GeometrieUebernehmen(*sys, stab, stab->PunktA->Nummer, xa, stab->PunktA->Y, stab->PunktB->Nummer,
                                 stab->PunktB->X, stab->PunktB->Y + Viertel(-1, 1));
            return "Geometrie / Topologie";
        }
        case 6: PunktkoordinateSetzen(*sys, Irgendein<Punkt>(sys->Punkte), ende, Viertel(-3, 9)); return "Punkt";
        case 7: {
            const double dx = Viertel(-2, 2);
            SystemVerschieben(sys, dx, Viertel(-2, 2));
            return "System verschieben";
        }
        case 8: {
            Freiheitsgrad* f = stab->Freiheitsgrade[3 * ende + richtung];
            if (f) WinkelSetzen(*sys, f->Nummer, 0.5 * Zahl(0, 2));
            return "Drehung ändern"_l1;
        }
        case 9: {
            const bool auflager = Zahl(0, 1);
            NeuenFgErzeugen(*sys, stab, ende, richtung, auflager, 0.5 * Zahl(0, 2));
            return "neuen FG erzeugen";
        }
        case 10: {
            const long nummer = Zahl(0, static_cast<int>(KeAnzahl(sys->Freiheitsgrade)) + 2);
            FgNummerSetzen(*sys, stab, ende, richtung, nummer, Zahl(0, 1), 0.0);
            return "FG Nummer ändern"_l1;
        }
        case 11: {
            Freiheitsgrad* f = Irgendein<Freiheitsgrad>(sys->Freiheitsgrade);
            const double wert = Viertel(-1, 1);
            if (!f) return "";
            switch (Zahl(0, 3)) {
            case 0: FgWertSetzen(*sys, f->Nummer, wert); break;
            case 1: FgFederSetzen(*sys, f->Nummer, 1000 * wert); break;
            case 2: FgAuflagerSetzen(*sys, f->Nummer, wert); break;
            default: FgEinwirkungSetzen(*sys, f->Nummer, 1000 * wert); break;
            }
            return "Freiheitsgrad";
        }
        case 12:
        case 13: {
            if (!stab) return "";
            const std::vector<long> faelle = EinigeLastfaelle();
            if (art == 12) {
                Punktlastwerte w;
                w.Name = "P";
                w.Groesse = Viertel(-20, 20);
                w.Position = stab->Laenge * 0.25 * Zahl(0, 4);
                PunktlastEintragen(*sys, *stab, w, faelle);
            } else {
                Streckenlastwerte w;
                w.Name = "q";
                w.GroesseA = Viertel(-10, 10);
                w.GroesseB = Viertel(-10, 10);
                w.PositionB = stab->Laenge * 0.5 * Zahl(0, 2);
                StreckenlastEintragen(*sys, *stab, w, faelle);
            }
            return "Last eintragen";
        }
        case 14: {
            const long kennung = EineKennung();
            if (stab && kennung != -1) {
                bool gefunden = false;
                Punktlastwerte p;
                p.Groesse = Viertel(-5, 5);
                Streckenlastwerte s;
                s.GroesseA = s.GroesseB = Viertel(-5, 5);
                s.PositionB = stab->Laenge;
                if (PunktlastSuchen(*sys, kennung)) PunktlastAendern(*sys, kennung, *stab, p, gefunden);
                else StreckenlastAendern(*sys, kennung, *stab, s, gefunden);
            }
            return "Last ändern"_l1;
        }
        case 15: {
            const long kennung = EineKennung();
            PunktlastLoeschen(*sys, kennung);
            StreckenlastLoeschen(*sys, kennung);
            return "Last löschen"_l1;
        }
        case 16: {
            const long kennung = EineKennung();
            const long ziel = Zahl(0, 3);
            if (Zahl(0, 1)) LastVerschieben(*sys, kennung, ziel);
            else LastKopieren(*sys, kennung, ziel);
            return "Last verschieben";
        }
        case 17: {
            const long nummer = Zahl(-1, 4);
            if (Lastfall* l = LastfallErzeugen(*sys, nummer, Zahl(0, 1) ? "Schnee" : "", -1)) l->Gewicht = 1.5;
            return "Lastfall erzeugen";
        }
        case 18: LastfallLoeschen(*sys, Zahl(0, 4)); return "Lastfall entfernen";
        case 19:
            switch (Zahl(0, 3)) {
            case 0: LastfaelleGewichten(*sys, EinigeLastfallnummern(), Viertel(0, 2)); break;
            case 1: LastfaelleBenennen(*sys, EinigeLastfallnummern(), Zahl(0, 1) ? "Wind von links" : "W"); break;
            case 2: LastfaelleAktivieren(*sys, EinigeLastfallnummern()); break;
            default: AktiveLastfaelleKopieren(*sys); break;
            }
            return "Lastfälle"_l1;
        case 20: {
            const long nummer = Zahl(0, 2);
            switch (Zahl(0, 4)) {
            case 0: KombinationAusAktiven(*sys, -1); break;
            case 1: KombinationAendern(*sys, nummer); break;
            case 2: KombinationAktivieren(*sys, nummer); break;
            case 3: KombinationLoeschen(*sys, nummer); break;
            default: KombinationBenennen(*sys, nummer, "K 1"); break;
            }
            return "Kombinationen";
        }
        case 21: {
            const long nummer = Zahl(0, 2);
            if (Zahl(0, 1)) MaterialZuweisen(StabauswahlAlle(*sys), nummer);
            else QuerschnittZuweisen(StabauswahlMarkierte(*sys), nummer);
            return "Material / Querschnitt";
        }
        default:
            sys->Stabteilungen = Zahl(1, 4);
            AenderungMelden(sys, AENDERUNG_TEILUNG);
            return "Stabteilungen";
        }
    }

    // What the window does between edits without making a step: marking
    // bars, moving the grid, computing.
    void Nebenbei() {
        switch (Zahl(0, 9)) {
        case 0:
            if (Stab* s = Irgendein<Stab>(sys->Staebe)) s->Markiert = -s->Markiert;
            AenderungMelden(sys, AENDERUNG_MARKIERUNG);
            break;
        case 1:
            sys->RasterweiteX = Viertel(1, 4);
            AenderungMelden(sys, AENDERUNG_RASTER);
            break;
        case 2: TheorieIOrdnungBerechnen(*sys, Programm, bericht_); break;
        default: break;
        }
    }

    SammelBericht bericht_;
    Aenderungssammler aenderungen_;
    std::mt19937 zufall_{20261208};
    System* sys = nullptr;

private:
    Berichtsempfaenger* alterBericht_ = nullptr;
    Aenderungsempfaenger* alteAenderungen_ = nullptr;
};

// 300 edits of every kind on each example, all taken back: the file is the
// one read; all made again: the file is the one after the last edit.  Each
// step in between is the state it was.  An edit that changes nothing (a
// refused one, or marking, grid and computing) is no step.
TEST_F(Verlaufstest, DreihundertSchritteZurueckUndWiederVor) {
    for (const char* name : {"einfeldtraeger", "durchlauftraeger", "rahmen", "fachwerk", "stockwerkrahmen"}) {
        ASSERT_NE(Beispiel(name), nullptr) << name;
        Verlauf verlauf(*sys, 1000);
        const std::string anfang = Datei();
        std::vector<std::string> zustaende{Zustand()};
        std::vector<std::string> namen;
        for (int i = 0; i < 300; ++i) {
            const std::string aktion = Bearbeiten();
            const bool schritt = Abschliessen(verlauf, aktion);
            std::string z = Zustand();
            ASSERT_EQ(schritt, z != zustaende.back()) << name << ", edit " << i << ": " << aktion;
            if (schritt) {
                zustaende.push_back(std::move(z));
                namen.push_back(aktion);
            }
            Nebenbei();
            Abschliessen(verlauf, "");
        }
        const std::string ende = Datei();
        ASSERT_EQ(verlauf.Rueckgaengigschritte(), zustaende.size() - 1) << name;
        for (std::size_t k = zustaende.size() - 1; k > 0; --k) {
            ASSERT_EQ(verlauf.RueckgaengigAktion(), namen[k - 1]);
            ASSERT_TRUE(verlauf.Rueckgaengig(*sys));
            ZeigerPruefen();
            ASSERT_EQ(Zustand(), zustaende[k - 1]) << name << ", back to step " << k - 1;
            Nebenbei();
            Abschliessen(verlauf, "");
        }
        EXPECT_FALSE(verlauf.Rueckgaengig(*sys));
        EXPECT_EQ(Datei(), anfang) << name;
        while (verlauf.Wiederherstellen(*sys)) {
            ZeigerPruefen();
            Abschliessen(verlauf, "");
        }
        EXPECT_EQ(Datei(), ende) << name;
        EXPECT_EQ(Zustand(), zustaende.back()) << name;
        SystemLoeschen(sys);
    }
}

// Undo, redo and new edits mixed: the history behaves like a list of
// states with a cursor, where a new edit cuts off what lay ahead.
TEST_F(Verlaufstest, GemischtWieEinModellDerGeschichte) {
    for (const char* name : {"rahmen", "stockwerkrahmen"}) {
        ASSERT_NE(Beispiel(name), nullptr);
        Verlauf verlauf(*sys, 1000);
        std::vector<std::string> modell{Zustand()};
        std::vector<std::string> namen{""};
        std::size_t stelle = 0;
        for (int i = 0; i < 400; ++i) {
            const int was = Zahl(0, 9);
            if (was < 2) {
                ASSERT_EQ(verlauf.Rueckgaengig(*sys), stelle > 0);
                if (stelle > 0) --stelle;
            } else if (was < 3) {
                ASSERT_EQ(verlauf.Wiederherstellen(*sys), stelle + 1 < modell.size());
                if (stelle + 1 < modell.size()) ++stelle;
            } else {
                const std::string aktion = Bearbeiten();
                const bool schritt = Abschliessen(verlauf, aktion);
                std::string z = Zustand();
                ASSERT_EQ(schritt, z != modell[stelle]) << i << ": " << aktion;
                if (schritt) {
                    modell.resize(++stelle);
                    namen.resize(stelle);
                    modell.push_back(std::move(z));
                    namen.push_back(aktion);
                }
            }
            Abschliessen(verlauf, "");
            ZeigerPruefen();
            ASSERT_EQ(Zustand(), modell[stelle]) << name << ", " << i;
            ASSERT_EQ(verlauf.KannRueckgaengig(), stelle > 0);
            ASSERT_EQ(verlauf.KannWiederherstellen(), stelle + 1 < modell.size());
            ASSERT_EQ(verlauf.RueckgaengigAktion(), namen[stelle]);
            ASSERT_EQ(verlauf.WiederherstellenAktion(), stelle + 1 < modell.size() ? namen[stelle + 1] : "");
        }
        SystemLoeschen(sys);
    }
}

}  // namespace
