#include "Tables.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

using Texte = std::optional<std::string_view>;

TEST(Tables, CapacitesDeriveesAuxBornes) {
    using Cas = std::tuple<const char*, Texte (*)(std::int16_t), std::vector<std::pair<std::int16_t, Texte>>>;
    const std::array<Cas, 5> cas{{
        {"classe", ClasseDegats, {{0, {}}, {1, "A"}, {8, "A"}, {9, "B"}, {13, "B"}, {14, "C"}, {15, "C"}, {16, {}}}},
        {"charge", ChargeTransportee, {{0, {}}, {5, "25 - 45"}, {6, "46 - 70"}, {10, "46 - 70"}, {11, "71 - 95"},
                                       {13, "71 - 95"}, {14, "96 - 125"}, {15, "126 - 160"}, {16, {}}}},
        {"vitesse", Vitesse, {{1, {}}, {2, "0"}, {7, "0"}, {8, "1"}, {15, "1"}, {16, "2"}, {23, "2"}, {24, "3"},
                              {30, "3"}, {31, {}}}},
        {"endurance", Endurance, {{0, {}}, {1, "24"}, {5, "24"}, {6, "28"}, {10, "28"}, {11, "30"}, {13, "30"},
                                  {14, "32"}, {15, "36"}, {16, {}}}},
        {"course", CourseNage, {{0, {}}, {1, "10"}, {5, "10"}, {6, "25"}, {10, "25"}, {11, "40"}, {13, "40"},
                                {14, "45"}, {15, "55"}, {16, {}}}},
    }};
    for (const auto& [nom, table, bornes] : cas) {
        for (const auto& [valeur, attendu] : bornes) EXPECT_EQ(table(valeur), attendu) << nom << " " << valeur;
    }
}

TEST(Tables, FormulesDesCompetences) {
    // FOR, DEX, VOL, PER, INT and Charisme's level, then the 24 bases. No two formulas agree on the first set;
    // the second makes every half lose its .5; the third swaps strong and weak and puts Charisme at its top.
    using Cas = std::tuple<Valeurs, std::int16_t, std::array<std::int16_t, NbLignesCompetences>>;
    constexpr std::array<Cas, 3> cas{{
        {{5, 7, 15, 11, 14}, 1, {6, 10, 15, 9, 5, 9, 7, 14, 14, 14, 14, 13, 15, 14, 11, 14, 9, 7, 9, 6, 14, 8, 12, 11}},
        {{6, 9, 8, 13, 10}, 4, {7, 7, 8, 11, 6, 11, 9, 10, 10, 10, 10, 10, 8, 10, 13, 10, 11, 9, 11, 7, 10, 6, 11, 13}},
        {{15, 12, 5, 6, 9}, 15, {13, 10, 5, 9, 15, 9, 12, 9, 9, 9, 9, 5, 5, 9, 6, 9, 9, 12, 9, 13, 9, 10, 7, 6}},
    }};
    for (const auto& [valeurs, charisme, bases] : cas) {
        for (std::size_t i = 0; i < bases.size(); ++i) {
            EXPECT_EQ(BaseCompetence(static_cast<int>(i), valeurs, charisme), bases[i])
                << Competences[i].nom << ", FOR " << valeurs.FOR;
        }
    }
}

TEST(Tables, TextesDesListesEtRechercheHorsTable) {
    // Both ends of the size and weight lists, for a man and a woman.
    EXPECT_EQ(std::tuple(EntreesTaille(0)[9], EntreesTaille(1)[9], EntreesPoids(0)[1], EntreesPoids(0)[9],
                         EntreesPoids(1)[1], EntreesPoids(1)[9]),
              std::tuple("1,96 +", "1,86 +", "55 - 61", "111 - 117", "43 - 47", "87 - 93"));
    EXPECT_EQ(std::tuple(TexteProfession(0), TexteProfession(6), TexteProfession(7)),
              std::tuple("Homme d'action indépendant", "Voleur", ""));
    // The sheet only ever asks with its own entries; anything else finds nothing.
    for (const std::string_view texte : {"4", "16", "", " 5", "05"}) EXPECT_FALSE(CoutDeValeur(texte)) << texte;
    EXPECT_FALSE(TableApparence("") || TableApparence("sensationnelle") || TableAge("") || TableAge("34") ||
                 TableFaiblesse(-1) || TableFaiblesse(13) || TableTaillePoids(-1) || TableTaillePoids(10));
}

} // namespace
