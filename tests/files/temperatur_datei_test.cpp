// Temperature loads in the system file: the block after the last section,
// written only when there are some, read back in order and checked token
// by token.
#include "tests/files/systemdatei_hilfen.h"

namespace {

class TemperaturDatei : public SystemdateiTest {
protected:
    // The small System with two temperature loads on bar 0, the newer one
    // in the inactive load case.
    void MitTemperaturen() {
        KleinesSystem();
        Stab* s0 = StabSuchen(*sys, 0);
        systembau::TemperaturAufStab(*sys, LastfallSuchen(*sys, 10000001), s0, "Sonne oben", 30.0, -5.5, 10000006);
        systembau::TemperaturAufStab(*sys, LastfallSuchen(*sys, 10000002), s0, "Frost", -12.25, 0.0, 10000007);
    }
    std::string Schreiben(const char* name) {
        const std::string pfad = verzeichnis.Pfad(name);
        EXPECT_TRUE(SystemSchreiben(*sys, pfad.c_str()));
        return DateiLesen(pfad);
    }
    std::vector<long> Kennungen(const System* s) {
        std::vector<long> k;
        for (Temperaturlast* t : Elemente<Temperaturlast>(s->Temperaturlasten)) k.push_back(t->Kennung);
        return k;
    }
};

const std::string BLOCK =
    "TEMPERATUR\n2\n"
    "10000006\n10000001\nSonne_oben\n0\n30.000000\n-5.500000\n"
    "10000007\n10000002\nFrost\n0\n-12.250000\n0.000000\n";

}  // namespace

TEST_F(TemperaturDatei, BlockNachDemLetztenAbschnittUndRundreiseByteGleich) {
    KleinesSystem();
    const std::string ohne = Schreiben("ohne.sysdat");
    EXPECT_EQ(ohne, DateiLesen(Fixture("klein.sysdat")));
    SystemLoeschen(sys);
    ProgrammZuruecksetzen();

    MitTemperaturen();
    const std::vector<long> reihenfolge = Kennungen(sys);
    std::string datei = Schreiben("mit0.sysdat");
    // The file without temperature loads, then their block, oldest first.
    EXPECT_EQ(datei, ohne + BLOCK);
    for (int i = 1; i <= 2; ++i) {
        sys = SystemLesen(verzeichnis.Pfad("mit" + std::to_string(i - 1) + ".sysdat").c_str());
        ASSERT_NE(sys, nullptr);
        EXPECT_EQ(Kennungen(sys), reihenfolge);
        EXPECT_EQ(Schreiben(("mit" + std::to_string(i) + ".sysdat").c_str()), datei) << i;
    }
    const Temperaturlast* t = TemperaturlastSuchen(*sys, 10000006);
    ASSERT_NE(t, nullptr);
    EXPECT_STREQ(t->Name, "Sonne_oben");
    EXPECT_EQ(t->Lastfall, 10000001);
    EXPECT_EQ(t->Stab, 0);
    EXPECT_EQ(t->DeltaT, 30.0);
    EXPECT_EQ(t->DeltaTM, -5.5);

    // Deleted again: the file is the one without them, byte for byte.
    TemperaturlastLoeschen(*sys, 10000006);
    TemperaturlastLoeschen(*sys, 10000007);
    EXPECT_EQ(Schreiben("wieder_ohne.sysdat"), ohne);
}

TEST_F(TemperaturDatei, VorDenLastfallnummernUndInBeliebigerReihenfolgeGelesen) {
    MitTemperaturen();
    LastfallSuchen(*sys, 10000001)->Nummer = 4;
    const std::string datei = Schreiben("nummern.sysdat");
    const std::string nummern = "\nLastfallnummern\n2\n10000001 4\n10000002 1\n";
    ASSERT_EQ(datei.substr(datei.size() - nummern.size() - BLOCK.size()), BLOCK + nummern);

    const std::string kopf = datei.substr(0, datei.size() - nummern.size() - BLOCK.size());
    const std::string pfad = verzeichnis.Pfad("umgekehrt.sysdat");
    DateiSchreiben(pfad, kopf + nummern + BLOCK);
    System* gelesen = SystemLesen(pfad.c_str());
    ASSERT_NE(gelesen, nullptr);
    EXPECT_EQ(KeAnzahl(gelesen->Temperaturlasten), 2);
    EXPECT_EQ(LastfallSuchen(*gelesen, 10000001)->Nummer, 4);

    // Each block at most once.
    for (const std::string& doppelt : {kopf + BLOCK + BLOCK, kopf + BLOCK + nummern + nummern}) {
        bericht.Zeilen.clear();
        DateiSchreiben(pfad, doppelt);
        EXPECT_EQ(SystemLesen(pfad.c_str()), nullptr);
        EXPECT_TRUE(GemeldetBeginnend("(Wort "));
    }
}

TEST_F(TemperaturDatei, BeschaedigterBlockVerweigertDieDatei) {
    MitTemperaturen();
    const std::string datei = Schreiben("vorlage.sysdat");
    const std::string kopf = datei.substr(0, datei.size() - BLOCK.size());
    const std::string pfad = verzeichnis.Pfad("kaputt.sysdat");
    auto lesen = [&](const std::string& alt, const std::string& neu) {
        std::string block = BLOCK;
        block.replace(block.find(alt), alt.size(), neu);
        DateiSchreiben(pfad, kopf + block);
        bericht.Zeilen.clear();
        return SystemLesen(pfad.c_str());
    };
    const std::pair<std::string, std::string> faelle[] = {
        {"TEMPERATUR\n2\n", "TEMPERATUR\n-2\n"}, {"TEMPERATUR\n2\n", "TEMPERATUR\n3\n"},  // one short
        {"\n10000006\n", "\n1000x006\n"},      {"\n10000001\nSonne", "\n\nSonne"},  // load case missing
        {"Frost\n0\n", "Frost\nnull\n"},       {"30.000000", "30,000000"},
        {"-5.500000", "nan"},                    {"0.000000\n", ""},  // last value missing
    };
    const long systeme = KeAnzahl(Programm.Systeme);
    for (const auto& [alt, neu] : faelle) {
        EXPECT_EQ(lesen(alt, neu), nullptr) << neu;
        EXPECT_TRUE(Gemeldet("Datei " + pfad + " ist fehlerhaft und wurde nicht gelesen !")) << neu;
        EXPECT_EQ(KeAnzahl(Programm.Systeme), systeme);
    }
    // A load on a bar the file does not have goes, as other loads do.
    System* gelesen = lesen("Frost\n0\n", "Frost\n9\n");
    ASSERT_NE(gelesen, nullptr);
    EXPECT_TRUE(Gemeldet("(Lese Temperaturlast) Stab existiert nicht !"));
    EXPECT_EQ(Kennungen(gelesen), std::vector<long>{10000006});
}
