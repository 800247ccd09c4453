#include "core/latin1.h"
#include "output/liste.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include "core/stabgeometrie.h"
#include "core/bericht.h"
#include "core/programm.h"
#include "core/systemoperationen.h"
#include "files/pfade.h"
#include "tests/output/zahlenvergleich.h"

namespace {

std::string Datenpfad(const std::string& name) {
    return std::string(VELKO_QUELLEN) + "/tests/output/daten/" + name;
}

std::string DateiLesen(const std::string& pfad) {
    std::ifstream ein(pfad, std::ios::binary);
    std::stringstream s;
    s << ein.rdbuf();
    return s.str();
}

// Compares with the committed listing; VELKO_GOLDEN_SCHREIBEN=1 writes it
// anew (then check the differences by eye before committing).
void MitVorlageVergleichen(const std::string& geschrieben, const std::string& name) {
    const std::string pfad = Datenpfad(name);
    if (std::getenv("VELKO_GOLDEN_SCHREIBEN")) {
        std::ofstream(pfad, std::ios::binary) << geschrieben;
        return;
    }
    std::string unterschied;
    EXPECT_TRUE(zahlenvergleich::Gleich(DateiLesen(pfad), geschrieben, unterschied))
        << name << ": " << unterschied;
}

// Runs a writer into memory.
template <class F>
std::string Schreiben(F schreiber) {
    char* puffer = nullptr;
    size_t laenge = 0;
    FILE* f = open_memstream(&puffer, &laenge);
    schreiber(f);
    fclose(f);
    std::string text(puffer, laenge);
    free(puffer);
    return text;
}

// A beam of 4 m (bar 2) on a column of 3 m (bar 1) with loads in active,
// inactive and new load cases.  The beam carries the results of a simply
// supported beam under 10 kN/m in two records: M = 20x - 5x², Q = 20 - 10x,
// N = -15 kN; the column has no results and no catalogue entries.
class Liste : public ::testing::Test {
protected:
    void SetUp() override {
        ProgrammZuruecksetzen();
        alterBericht = BerichtSetzen(&bericht);
        Material* m = NeuerDatensatz<Material>();
        m->Nummer = 1;
        NameSetzen(m->Name, "Stahl S235");
        m->EModul = 2.1e8;
        KeVorneEintragen(Programm.Materialien, m);
        Querschnitt* q = NeuerDatensatz<Querschnitt>();
        q->Nummer = 3;
        NameSetzen(q->Name, "HEB 200");
        q->Flaeche = 7.81e-3;
        q->Traegheitsmoment = 5.696e-5;
        KeVorneEintragen(Programm.Querschnitte, q);

        sys = SystemErzeugen();
        NameSetzen(sys->Dateiname, "/home/ing/projekte/halle.sysdat");
        Punkt* p0 = PunktErzeugen(*sys, 0.0, 0.0, 0);
        Punkt* p1 = PunktErzeugen(*sys, 4.0, 0.0, 1);
        Punkt* p2 = PunktErzeugen(*sys, 4.0, 3.0, 2);
        stuetze = BalkenAnlegen(1, p1, p2, 7, 9);
        traeger = BalkenAnlegen(2, p0, p1, 1, 3);  // chain: 2, 1
        TraegerergebnisseSetzen();

        LastfallAnlegen(10000001, "Eigengewicht", 1, 1.0);
        LastfallAnlegen(10000002, "Schnee", 1, 1.5);
        LastfallAnlegen(10000003, "Wind", -1, 1.0);
        LastfallAnlegen(10000004, "neu", 0, 1.0);
        StreckenlastAnlegen(10000001, 2, "Dach", 10.0, 10.0, 0.0, 1.0);
        StreckenlastAnlegen(10000003, 2, "Sog", -4.0, -2.0, 0.0, 0.5);
        StreckenlastAnlegen(10000002, 2, "Schneesack", 2.0, 6.5, 0.5, 0.75);
        PunktlastAnlegen(10000002, 2, "Einzellast", 5.0, 0.25, ART_KRAFT);
        PunktlastAnlegen(10000002, 2, "Einspannmoment", -2.5, 1.0, ART_MOMENT);
        PunktlastAnlegen(10000001, 1, "Kran", 12.0, 0.5, ART_KRAFT);
        PunktlastAnlegen(10000004, 1, "ungenutzt", 1.0, 0.5, ART_KRAFT);
        PunktlastAnlegen(99999999, 1, "ohne Lastfall", 1.0, 0.5, ART_KRAFT);
    }
    void TearDown() override {
        BerichtSetzen(alterBericht);
        ProgrammZuruecksetzen();
    }

    Stab* BalkenAnlegen(long nummer, Punkt* a, Punkt* b, long material, long querschnitt) {
        Stab* s = StabAnlegen(*sys, nummer);
        s->PunktA = a;
        s->PunktB = b;
        s->Material = material;
        s->Querschnitt = querschnitt;
        StabGeometrie(s);
        return s;
    }

    void TraegerergebnisseSetzen() {
        const double EI = 2.1e8 * 5.696e-5, EA = 2.1e8 * 7.81e-3, q = 10.0, L = 4.0;
        auto M = [&](double x) { return 20 * x - 5 * x * x; };
        auto Q = [&](double x) { return 20 - 10 * x; };
        auto w = [&](double x) { return q * x * (L * L * L - 2 * L * x * x + x * x * x) / (24 * EI); };
        auto phi = [&](double x) { return q * (L * L * L - 6 * L * x * x + 4 * x * x * x) / (24 * EI); };
        auto u = [&](double x) { return -15.0 * x / EA; };
        for (int i = 0; i < 2; ++i) {
            double xa = 2.0 * i, xe = xa + 2.0;
            Stababschnitt* r = NeuerDatensatz<Stababschnitt>();
            r->tAnfang = xa / L;
            r->tEnde = xe / L;
            r->xA = xa;
            r->xB = xe;
            r->qAnfang = r->qEnde = -q;
            r->NA = r->NE = -15.0;
            r->MA = M(xa);
            r->QA = Q(xa);
            r->ME = M(xe);
            r->QE = Q(xe);
            // Global displacements: y = -w (downwards), rotation = -w'.
            double d[6] = {u(xa), -w(xa), -phi(xa), u(xe), -w(xe), -phi(xe)};
            for (int k = 0; k < 6; ++k) r->Verschiebungen[k] = d[k];
            r->Laenge = 2.0;
            KeVorneEintragen(traeger->Ergebnisse, r);
        }
    }

    void LastfallAnlegen(long kennung, const char* name, long aktiv, double gewicht) {
        Lastfall* lf = LastfallErzeugen(*sys, 0, name, kennung);
        lf->Aktiv = aktiv;
        lf->Gewicht = gewicht;
    }
    void StreckenlastAnlegen(long lf, long stab, const char* name, double a, double b, double ta,
                             double tb) {
        Streckenlast* l = StreckenlastErzeugen(*sys, lf, -1);
        l->Stab = stab;
        NameSetzen(l->Name, name);
        l->GroesseA = a;
        l->GroesseB = b;
        l->PositionA = ta;
        l->PositionB = tb;
    }
    void PunktlastAnlegen(long lf, long stab, const char* name, double g, double t, long art) {
        Punktlast* l = PunktlastErzeugen(*sys, lf, -1);
        l->Stab = stab;
        NameSetzen(l->Name, name);
        l->Groesse = g;
        l->Position = t;
        l->Art = art;
    }

    std::vector<long> Reihenfolge(Kette k) {
        std::vector<long> n;
        for (Stab* s : Elemente<Stab>(k)) n.push_back(s->Nummer);
        return n;
    }

    SammelBericht bericht;
    Berichtsempfaenger* alterBericht = nullptr;
    System* sys = nullptr;
    Stab* stuetze = nullptr;
    Stab* traeger = nullptr;
};

TEST_F(Liste, AlleStaebeWieVorlage) {
    std::string text = Schreiben([&](FILE* f) { ListeAusgeben(f, sys, sys->Staebe); });
    MitVorlageVergleichen(text, "liste_alle.list");

    // Checks that do not depend on the committed copy: the beam's moments
    // at t = 0, 1/9, ... 4/9 lie on M = 20x - 5x², and its maximum 20 kNm
    // sits at midspan.
    std::string zeile = "  - Moment [kNm] - \n\r    ";
    for (int i = 0; i < 5; ++i) {
        char zahl[32];
        double x = 4.0 * i / 9.0;
        snprintf(zahl, sizeof zahl, " %11.3f ", 20 * x - 5 * x * x);
        zeile += zahl;
    }
    zeile += "\n\r";
    EXPECT_NE(text.find(zeile, text.find("   Nummer : 2  ")), std::string::npos) << zeile;
    EXPECT_NE(text.find("  Stab Nr :   2   max M :    20.00 kNm [  2.00 m ]\n\r"), std::string::npos);
    EXPECT_EQ(text.back(), '\f');
}

TEST_F(Liste, ListeOrdnetDieKetteNachNummerErstNachDenSystemextrema) {
    // Give both bars the same single result record: they share every
    // extremum, and the earlier bar of the chain (2) must be named.
    Stababschnitt muster = *static_cast<Stababschnitt*>(traeger->Ergebnisse->next->element);
    muster.tAnfang = 0.0;
    muster.tEnde = 1.0;
    ErgebnisseLoeschen(traeger);
    for (Stab* s : {traeger, stuetze}) {
        Stababschnitt* r = NeuerDatensatz<Stababschnitt>();
        *r = muster;
        KeVorneEintragen(s->Ergebnisse, r);
    }
    ASSERT_EQ(Reihenfolge(sys->Staebe), (std::vector<long>{2, 1}));
    std::string text = Schreiben([&](FILE* f) { ListeAusgeben(f, sys, sys->Staebe); });
    EXPECT_NE(text.find("  Stab Nr :   2   max M :"), std::string::npos);
    EXPECT_EQ(Reihenfolge(sys->Staebe), (std::vector<long>{1, 2}));
    // Bars follow in ascending number.
    EXPECT_LT(text.find("   Nummer : 1  \n\n\r"), text.find("   Nummer : 2  \n\n\r"));
}

// Results of second-order theory: three lines after the active load cases,
// the rest as for first-order results.
TEST_F(Liste, TheorieZweiterOrdnungNachDenLastfaellen) {
    // The first listing puts the chain in order; the second is the one to compare.
    Schreiben([&](FILE* f) { ListeAusgeben(f, sys, sys->Staebe); });
    const std::string erste = Schreiben([&](FILE* f) { ListeAusgeben(f, sys, sys->Staebe); });
    sys->Theorie = THEORIE_II;
    sys->Verzweigung = VERZWEIGUNG_GEFUNDEN;
    sys->Verzweigungslastfaktor = 3.14159;
    const std::string zweite = Schreiben([&](FILE* f) { ListeAusgeben(f, sys, sys->Staebe); });
    const std::string zusatz = "\n\r  Berechnung nach Theorie II. Ordnung\n\r  Verzweigungslastfaktor : 3.142\n\r";
    const std::string davor = "  Nr.:  0  1.00 x Eigengewicht\n\r";
    const std::size_t nach = erste.find(davor) + davor.size();
    ASSERT_NE(erste.find(davor), std::string::npos);
    EXPECT_EQ(zweite, erste.substr(0, nach) + zusatz + erste.substr(nach));

    sys->Verzweigung = VERZWEIGUNG_KEINE_DRUCKKRAEFTE;
    const std::string ohne = Schreiben([&](FILE* f) { ListeAusgeben(f, sys, sys->Staebe); });
    EXPECT_NE(ohne.find("  Verzweigungslastfaktor : keine Druckkr\xE4\x66te\n\r"), std::string::npos);
}

TEST_F(Liste, MarkierteStaebeUndLeereKetten) {
    Kette markiert = nullptr;
    KeVorneEintragen(markiert, stuetze);
    std::string text = Schreiben([&](FILE* f) { ListeAusgeben(f, sys, markiert); });
    MitVorlageVergleichen(text, "liste_markiert.list");
    EXPECT_EQ(text.find("   Nummer : 2  "), std::string::npos);
    KetteLoeschen(markiert);

    // Nothing at all for an absent or empty chain, or without a System.
    EXPECT_EQ(Schreiben([&](FILE* f) { ListeAusgeben(f, sys, nullptr); }), "");
    Kette leer = KetteDefinieren();
    EXPECT_EQ(Schreiben([&](FILE* f) { ListeAusgeben(f, sys, leer); }), "");
    KetteLoeschen(leer);
    EXPECT_EQ(Schreiben([&](FILE* f) { ListeAusgeben(f, nullptr, sys->Staebe); }), "");
}

TEST_F(Liste, TabelleMitEinfachenZeilenenden) {
    std::string text = Schreiben([&](FILE* f) { TabelleAusgeben(f, sys); });
    EXPECT_EQ(text,
              "Projektname\n\r"
              "Nr.\tX1\tY1\tX2\tY2\tSchnittgrößen\n\r"_l1
              "2\t0.00\t0.00\t4.00\t0.00\n"
              "1\t4.00\t0.00\t4.00\t3.00\n"
              "\f");
    // A System without bars, or none at all, still gives the frame.
    EXPECT_EQ(Schreiben([&](FILE* f) { TabelleAusgeben(f, nullptr); }),
              "Projektname\n\rNr.\tX1\tY1\tX2\tY2\tSchnittgrößen\n\r\f"_l1);
}

TEST_F(Liste, StabOhnePunktBringtKeineAusgabeZuFall) {
    stuetze->PunktB = nullptr;
    std::string liste = Schreiben([&](FILE* f) { ListeAusgeben(f, sys, sys->Staebe); });
    EXPECT_NE(liste.find("     Nach Punkt : [--] (---/---)\n\r"), std::string::npos);
    std::string tabelle = Schreiben([&](FILE* f) { TabelleAusgeben(f, sys); });
    EXPECT_NE(tabelle.find("\r1\t4.00\t0.00\t\t\n"), std::string::npos);
}

class TempVerzeichnis {
public:
    TempVerzeichnis() {
        char muster[] = "/tmp/velko_liste_XXXXXX";
        pfad = mkdtemp(muster);
    }
    ~TempVerzeichnis() { std::system(("rm -rf '" + pfad + "'").c_str()); }
    std::string pfad;
};

TEST_F(Liste, TextUeberTempdateiBehaeltJedesByte) {
    TempVerzeichnis temp;
    Pfade.Tempverzeichnis = temp.pfad;
    // 0xFF is "ÿ" in ISO 8859-1 and must not end the text.
    NameSetzen(sys->Dateiname, "/home/ing/Bröselÿ.sysdat"_l1);
    // The first listing sorts the chain; on equal extrema the order decides
    // which bar is named, so both runs below start from the sorted chain.
    Schreiben([&](FILE* f) { ListeAusgeben(f, sys, sys->Staebe); });
    std::string text;
    ASSERT_TRUE(ListeAlsText(sys, sys->Staebe, text));
    EXPECT_EQ(text, Schreiben([&](FILE* f) { ListeAusgeben(f, sys, sys->Staebe); }));
    EXPECT_NE(text.find('\xFF'), std::string::npos);
    EXPECT_EQ(TempDateipfad(LISTE_TEMPDATEI), temp.pfad + "/tmp_datei");

    Pfade.Tempverzeichnis = temp.pfad + "/fehlt";
    EXPECT_FALSE(ListeAlsText(sys, sys->Staebe, text));
    ASSERT_FALSE(bericht.Texte().empty());
    EXPECT_EQ(bericht.Texte().back(),
              "Ausgabe ist nicht möglich. Temp. Datei konnte nicht geschrieben werden !"_l1);
}

TEST_F(Liste, SchreibenInDateiErsetztNurBeiErfolg) {
    TempVerzeichnis temp;
    const std::string liste = temp.pfad + "/halle.list", tabelle = temp.pfad + "/halle.tab";
    Schreiben([&](FILE* f) { ListeAusgeben(f, sys, sys->Staebe); });  // sorts the chain
    ASSERT_TRUE(ListeSchreiben(liste.c_str(), sys, sys->Staebe));
    ASSERT_TRUE(TabelleSchreiben(tabelle.c_str(), sys));
    EXPECT_EQ(DateiLesen(liste), Schreiben([&](FILE* f) { ListeAusgeben(f, sys, sys->Staebe); }));
    EXPECT_EQ(DateiLesen(tabelle), Schreiben([&](FILE* f) { TabelleAusgeben(f, sys); }));
    EXPECT_FALSE(ListeSchreiben((temp.pfad + "/fehlt/x.list").c_str(), sys, sys->Staebe));
    EXPECT_FALSE(TabelleSchreiben((temp.pfad + "/fehlt/x.tab").c_str(), sys));
}

// The comparison itself must notice what matters and forgive round-off.
TEST(Zahlenvergleich, TrenntRundungVonEchtenUnterschieden) {
    std::string u;
    EXPECT_TRUE(zahlenvergleich::Gleich("M : -0.000 kN\n\r", "M :  0.000 kN\n\r", u));
    EXPECT_TRUE(zahlenvergleich::Gleich("E : 2.1000e+08", "E : 2.1001e+08", u));
    EXPECT_TRUE(zahlenvergleich::Gleich("[  2.00 m ]", "[  2.01 m ]", u));
    EXPECT_FALSE(zahlenvergleich::Gleich("[  2.00 m ]", "[  2.02 m ]", u));
    EXPECT_FALSE(zahlenvergleich::Gleich("E : 2.1000e+08", "E : 2.1000e+09", u));
    EXPECT_FALSE(zahlenvergleich::Gleich("a\n\r", "a\r\n", u));
    EXPECT_FALSE(zahlenvergleich::Gleich("Stab 1", "Stab 1 ", u));
    EXPECT_FALSE(zahlenvergleich::Gleich("Stab Nr :   1", "Stab Nr :   2", u));
    EXPECT_FALSE(zahlenvergleich::Gleich("Nr. 3\n", "Nr. 3\nx", u));
    EXPECT_NE(u.find("laenger"), std::string::npos);
    EXPECT_FALSE(zahlenvergleich::Gleich("Länge\n\rx 1\n\r"_l1, "Länge\n\rx 2\n\r"_l1, u));
    EXPECT_NE(u.find("Zeile 2"), std::string::npos);
}

}  // namespace

TEST_F(Liste, TemperaturlastenNachDenPunktlasten) {
    auto temperatur = [&](long lf, const char* name, double dT, double dTM) {
        Temperaturlast* t = TemperaturlastErzeugen(*sys, lf, -1);
        t->Stab = 2;
        NameSetzen(t->Name, name);
        t->DeltaT = dT;
        t->DeltaTM = dTM;
    };
    temperatur(10000002, "Sonne", 30.0, -5.126);
    temperatur(10000003, "Winter", -20.0, 0.0);  // inactive
    temperatur(10000001, "Heizung", 15.0, 4.0);
    const std::string text = Schreiben([&](FILE* f) { ListeAusgeben(f, sys, sys->Staebe); });
    const std::string lasten =
        "   [PL] LF 1  Einspannmoment\n\r"
        "    Größe : -2.500 kNm  Position 4.00\n\r"_l1
        "   [PL] LF 1  Einzellast\n\r"
        "    Größe : 5.000 kN  Position 1.00\n\r"_l1
        "   [TL] LF 0  Heizung\n\r"
        "     dT : 15.00 K  dTM : 4.00 K\n\r"
        "   [TL] LF 1  Sonne\n\r"
        "     dT : 30.00 K  dTM : -5.13 K\n\r"
        "\n\n\r";
    EXPECT_NE(text.find(lasten), std::string::npos) << text;
    EXPECT_EQ(text.find("Winter"), std::string::npos);
    // Everything else as without them.
    const std::size_t a = text.find("   [TL] LF 0  Heizung"), b = text.find("\n\n\r", a);
    std::string ohne = text;
    ohne.erase(a, b - a);
    std::string unterschied;
    EXPECT_TRUE(zahlenvergleich::Gleich(DateiLesen(Datenpfad("liste_alle.list")), ohne, unterschied)) << unterschied;
}
