// The installation files of the administration directory: the master
// catalogues must read completely with plausible values, the colour file
// must hold the defaults, and every pixmap the windows load must be there.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "core/bericht.h"
#include "core/programm.h"
#include "core/systemoperationen.h"
#include "files/farben.h"
#include "files/kataloge.h"
#include "tests/files/testverzeichnis.h"

namespace {

const std::string VERWALTUNG = std::string(VELKO_QUELLEN) + "/daten/verwaltung";

class Verwaltungsdaten : public ::testing::Test {
protected:
    void SetUp() override {
        vorher_ = BerichtSetzen(&bericht);
        ProgrammZuruecksetzen();
    }
    void TearDown() override {
        ProgrammZuruecksetzen();
        FarbenVorgaben();
        BerichtSetzen(vorher_);
    }
    SammelBericht bericht;
    Berichtsempfaenger* vorher_ = nullptr;
};

}  // namespace

TEST_F(Verwaltungsdaten, MaterialkatalogIstVollstaendigUndPlausibel) {
    ASSERT_TRUE(MaterialienLesen(VERWALTUNG.c_str()));
    EXPECT_GE(KeAnzahl(Programm.Materialien), 6);
    Material* standard = MaterialSuchen(Programm.StandardMaterial);
    ASSERT_NE(standard, nullptr);
    EXPECT_NE(std::strstr(standard->Name, "S235"), nullptr);
    EXPECT_DOUBLE_EQ(standard->EModul, 2.1e8);
    for (Material* m : Elemente<Material>(Programm.Materialien)) {
        SCOPED_TRACE(m->Name);
        // kN/m^2: from timber (about 1e7) to steel (2.1e8)
        EXPECT_GE(m->EModul, 5e6);
        EXPECT_LE(m->EModul, 2.2e8);
        EXPECT_GE(m->Querkontraktion, 0.0);
        EXPECT_LT(m->Querkontraktion, 0.5);
        EXPECT_GT(m->Waermedehnzahl, 0.0);
        EXPECT_LT(m->Waermedehnzahl, 2e-5);
        EXPECT_EQ(std::strchr(m->Name, '_'), nullptr);
    }
    // the lists show the entries in ascending order after reading
    long vorige = 0;
    for (Material* m : Elemente<Material>(Programm.Materialien)) {
        EXPECT_GT(m->Nummer, vorige);
        vorige = m->Nummer;
    }
}

TEST_F(Verwaltungsdaten, QuerschnittskatalogIstVollstaendigUndPlausibel) {
    ASSERT_TRUE(QuerschnitteLesen(VERWALTUNG.c_str()));
    EXPECT_EQ(Programm.StandardQuerschnitt, 1);
    ASSERT_NE(QuerschnittSuchen(1), nullptr);
    ASSERT_NE(QuerschnittSuchen(2), nullptr);
    EXPECT_STREQ(QuerschnittSuchen(1)->Name, "IPE 200");
    EXPECT_STREQ(QuerschnittSuchen(2)->Name, "HEB 200");
    EXPECT_NEAR(QuerschnittSuchen(1)->Flaeche, 28.5e-4, 1e-9);
    EXPECT_NEAR(QuerschnittSuchen(1)->Traegheitsmoment, 1943e-8, 1e-12);
    EXPECT_NEAR(QuerschnittSuchen(2)->Traegheitsmoment, 5696e-8, 1e-12);
    EXPECT_GE(KeAnzahl(Programm.Querschnitte), 40);
    for (Querschnitt* q : Elemente<Querschnitt>(Programm.Querschnitte)) {
        SCOPED_TRACE(q->Name);
        EXPECT_GT(q->Flaeche, 0.0);
        EXPECT_GT(q->Traegheitsmoment, 0.0);
        EXPECT_GT(q->MaxY, 0.0);
        EXPECT_LT(q->MaxY, 0.5);  // metres, not millimetres
        // No section is stiffer than its area at the outer fibres, and no
        // section is laxer than a solid rectangle of the same area and height.
        double h = 2 * q->MaxY;
        EXPECT_LE(q->Traegheitsmoment, q->Flaeche * q->MaxY * q->MaxY * 1.0001);
        EXPECT_GE(q->Traegheitsmoment, q->Flaeche * h * h / 12 * 0.9999);
    }
}

TEST_F(Verwaltungsdaten, StandardfarbenSindDieVorgaben) {
    for (int i = 0; i < FARBEN_ANZAHL; ++i) FarbeSetzen(i, 40);
    ASSERT_TRUE(FarbenLesen((VERWALTUNG + "/standard.col").c_str()));
    for (int i = 0; i < FARBEN_ANZAHL; ++i) EXPECT_EQ(Farben.Index[i], FarbVorgabe(i)) << FarbBeschriftung(i);
}

TEST_F(Verwaltungsdaten, AllePixmapsUndTexteSindDa) {
    for (const char* name :
         {"Open.xpm", "Save.xpm", "CAD.xpm", "magnify_3d.xpm", "earth_3d.xpm", "hand_up_3d.xpm", "Calculator.xpm",
          "Calculator_II.xpm", "pick_3d.xpm", "rulers_3d.xpm", "checklist4_3d.xpm", "Drawing.xpm", "Drawing2.xpm",
          "velko_logo.xpm", "linux.xpm"}) {
        SCOPED_TRACE(name);
        std::string inhalt = DateiLesen(VERWALTUNG + "/" + name);
        ASSERT_EQ(inhalt.rfind("/* XPM */", 0), 0u);
        // the header line "w h colours 1" and exactly h picture rows follow
        size_t kopf = inhalt.find("\n\"") + 2;
        int breite = 0, hoehe = 0, farben = 0, zeichen = 0;
        ASSERT_EQ(sscanf(inhalt.c_str() + kopf, "%d %d %d %d", &breite, &hoehe, &farben, &zeichen), 4);
        EXPECT_EQ(zeichen, 1);
        size_t zeilen = 0;
        for (size_t p = inhalt.find('\n'); p != std::string::npos; p = inhalt.find('\n', p + 1))
            if (inhalt.compare(p + 1, 1, "\"") == 0) ++zeilen;
        EXPECT_EQ(zeilen, static_cast<size_t>(1 + farben + hoehe));
    }
    EXPECT_NE(DateiLesen(VERWALTUNG + "/credits").find("XForms"), std::string::npos);
    EXPECT_NE(DateiLesen(std::string(VELKO_QUELLEN) + "/daten/hilfe/hilfe.html").find("</html>"), std::string::npos);
}
