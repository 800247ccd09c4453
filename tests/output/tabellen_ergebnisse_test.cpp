// The tab-separated tables of the envelope and of the stresses: their exact
// lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/umhuellende.h"
#include "output/tabellen_ergebnisse.h"

namespace {

std::string Geschrieben(void (*schreiben)(FILE*, const Umhuellende&), const Umhuellende& h) {
    char* puffer = nullptr;
    size_t laenge = 0;
    FILE* f = open_memstream(&puffer, &laenge);
    schreiben(f, h);
    std::fclose(f);
    std::string text(puffer, laenge);
    std::free(puffer);
    return text;
}

TEST(Ergebnistabellen, UmhuellendeZeileFuerZeile) {
    Umhuellende h;
    Stabhuelle s;
    s.Stab = 12;
    s.Laenge = 4.5;
    for (int i = 0; i < HUELLSTELLEN; ++i)
        for (int g = 0; g < HUELLGROESSEN; ++g) {
            s.Stellen[i].Max[g] = {i + g / 10.0, 3};
            s.Stellen[i].Min[g] = {-i - 1e-7, 10};
        }
    h.Staebe.push_back(s);
    Stabhuelle leer;  // a bar the envelope holds no values for stays out
    leer.Stab = 13;
    h.Staebe.push_back(leer);
    const std::string text = Geschrieben(UmhuellendeAusgeben, h);
    const std::string kopf =
        "Stab\tx [m]\tmax M\tKomb\tmin M\tKomb\tmax Q\tKomb\tmin Q\tKomb\tmax N\tKomb\tmin N\tKomb\tmax w\tKomb\t"
        "min w\tKomb\tmax u\tKomb\tmin u\tKomb\n";
    ASSERT_EQ(text.substr(0, kopf.size()), kopf);
    const std::string zweite = "12\t0.500\t1.000000\t3\t-1.000000\t10\t1.100000\t3\t-1.000000\t10\t1.200000\t3\t"
                               "-1.000000\t10\t1.300000\t3\t-1.000000\t10\t1.400000\t3\t-1.000000\t10\n";
    EXPECT_NE(text.find("\n" + zweite), std::string::npos) << text;
    EXPECT_NE(text.find("\n12\t4.500\t9.000000\t3\t"), std::string::npos);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1 + HUELLSTELLEN);
    EXPECT_EQ(text.find('\r'), std::string::npos);
    EXPECT_EQ(text.find("\n13\t"), std::string::npos);
}

}  // namespace
