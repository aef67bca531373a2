#include "FeuilleVorn.h"
#include "Oracle.h"
#include "Texte.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(Cicatrices, LeD100SelonLeBudgetPuisLeD6PuisUnD100ParCicatrice) {
    // Budget, rolls, scars, fame bonus; the places' rolls sit on both borders of every body zone.
    using Cas = std::tuple<std::int16_t, std::vector<std::int16_t>, std::array<std::string, 3>, int>;
    const std::array<Cas, 11> cas{{
        {3000, {1}, {"(aucune)"}, 0}, // a "Recrue" is never scarred, but its d100 is rolled all the same
        {6000, {61}, {"(aucune)"}, 0},
        {9000, {91}, {"(aucune)"}, 0},
        {6000, {60, 4, 1}, {"Visage"}, 20},
        {6000, {1, 1, 12}, {"Visage"}, 20},
        {9000, {90, 5, 13, 23}, {"Cou", "Cou"}, 40},
        {6000, {60, 1, 100}, {"Jambe Droite"}, 20},
        {9000, {1, 6, 24, 45, 46}, {"Poitrine", "Poitrine", "Dos"}, 60},
        {9000, {1, 5, 93, 94}, {"Jambe Gauche", "Jambe Droite"}, 40},
        {9000, {1, 6, 66, 67, 74}, {"Dos", "Bras Gauche", "Bras Gauche"}, 60},
        {6000, {1, 6, 75, 85, 86}, {"Bras Droit", "Bras Droit", "Jambe Gauche"}, 60},
    }};
    for (const auto& [budget, jets, cicatrices, bonus] : cas) {
        ModuleVorn m;
        m.PtGeneration = budget;
        DesScriptes des;
        des.jets.assign(jets.begin(), jets.end());
        TirageCicatrices(m, des);
        const int n = bonus / 20;
        std::vector<std::int16_t> faces(static_cast<std::size_t>(n > 0 ? n + 2 : 1), 100);
        if (n > 0) faces[1] = 6;
        EXPECT_EQ(std::tuple(des.faces, des.jets.size(), std::array{m.Cicatrice1, m.Cicatrice2, m.Cicatrice3},
                             +m.NbCicatrices, +m.BonusCicatrices),
                  std::tuple(faces, std::size_t{0}, cicatrices, n, bonus))
            << testing::PrintToString(jets);
    }
}

TEST(Des, ChaqueFaceEtRienDAutre) {
    DesAleatoires des(1);
    std::set<int> vues, faces;
    for (int f = 1; f <= 100; ++f) faces.insert(f);
    for (int n = 0; n < 10000; ++n) vues.insert(des.Lancer(100));
    EXPECT_EQ(vues, faces);
}

TEST(Tables, RechercheHorsTable) {
    EXPECT_EQ(std::tuple(TexteProfession(-1), TexteProfession(6), TexteProfession(7)), std::tuple("", "Voleur", ""));
    EXPECT_FALSE(ChampsProfessionnels(-1) || ChampsProfessionnels(7) || TableFaiblesse(-1) || TableFaiblesse(13) ||
                 TableTaillePoids(-1) || TableTaillePoids(10) || CoutDeValeur("16") || CoutDeValeur("") ||
                 TableApparence("") || TableAge("34"));
}

TEST(Texte, LeFiltreDesTouchesMetEnCapitalesWindows1252EtGardeLeReste) {
    // Typed text, filtered text, bytes of the first key (the last typed key is split off the same way).
    constexpr std::array<std::tuple<std::string_view, std::string_view, std::size_t>, 8> cas{{
        {"jean-luc az", "JEAN-LUC AZ", 1},
        // Both ends of the accented range, and the four letters whose capitals sit elsewhere in the code page.
        {"àéçñðþœšžÿ", "ÀÉÇÑÐÞŒŠŽŸ", 2},
        {"€AÉ`{µß÷×7'!\b", "€AÉ`{µß÷×7'!\b", 3}, // already capitals, just outside a..z, or no capital in the code page
        {"😀łдДבǆωŝ", "😀łдДבǆωŝ", 4},             // outside Windows-1252: kept exactly as typed
        // An invalid byte, then a lone lead byte before an ASCII letter: neither may eat its neighbours.
        {"ł\xFF"
         "à😀\xC3"
         "b",
         "ł\xFF"
         "À😀\xC3"
         "B",
         2},
        // Cut short, or a stray continuation byte: each byte a key of its own, kept as it is.
        {"\xE2\x82", "\xE2\x82", 1},
        {"\xA9u", "\xA9U", 1},
        {"", "", 0},
    }};
    for (const auto& [tape, attendu, longueur] : cas) {
        EXPECT_EQ(FiltrerSaisie(tape), attendu) << tape;
        EXPECT_EQ(LongueurPremierCaractere(tape), longueur) << tape;
    }
}

} // namespace
