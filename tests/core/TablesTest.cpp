#include "Tables.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using Texte = std::optional<std::string_view>;

TEST(Tables, CoutDesCaracteristiques) {
    constexpr std::array<std::int16_t, 11> couts{0, 100, 200, 300, 400, 500, 650, 800, 975, 1150, 1350};
    for (int v = 5; v <= 15; ++v) {
        const auto cv = CoutDeValeur(std::to_string(v));
        ASSERT_TRUE(cv.has_value()) << v;
        EXPECT_EQ(cv->cout, couts[static_cast<std::size_t>(v - 5)]) << v;
        EXPECT_EQ(cv->valeur, v);
    }
    for (const std::string_view texte : {"4", "16", "", " 5", "05"}) {
        EXPECT_FALSE(CoutDeValeur(texte).has_value()) << '"' << texte << '"';
    }
}

TEST(Tables, CapacitesDeriveesAuxBornes) {
    struct Cas {
        const char* nom;
        Texte (*table)(std::int16_t);
        std::vector<std::pair<std::int16_t, Texte>> bornes;
    };
    const std::array<Cas, 5> cas{{
        {"classe", ClasseDegats, {{0, {}}, {8, "A"}, {9, "B"}, {13, "B"}, {14, "C"}, {15, "C"}, {16, {}}}},
        {"charge", ChargeTransportee, {{5, "25 - 45"}, {6, "46 - 70"}, {10, "46 - 70"}, {11, "71 - 95"},
                                       {14, "96 - 125"}, {15, "126 - 160"}, {16, {}}}},
        {"vitesse", Vitesse, {{1, {}}, {7, "0"}, {10, "1"}, {15, "1"}, {16, "2"}, {23, "2"}, {24, "3"}, {30, "3"}, {31, {}}}},
        {"endurance", Endurance, {{5, "24"}, {6, "28"}, {10, "28"}, {11, "30"}, {13, "30"}, {14, "32"}, {15, "36"}}},
        {"course", CourseNage, {{5, "10"}, {6, "25"}, {10, "25"}, {11, "40"}, {13, "40"}, {14, "45"}, {15, "55"}}},
    }};
    for (const auto& c : cas) {
        for (const auto& [valeur, attendu] : c.bornes) EXPECT_EQ(c.table(valeur), attendu) << c.nom << " " << valeur;
    }
}

TEST(Tables, FormulesDesCompetences) {
    // Values chosen so that no two formulas agree: one reading the wrong characteristic shows.
    const Valeurs v{5, 7, 15, 11, 14};
    constexpr std::array<std::int16_t, NbLignesCompetences> attendu{
        6, 10, 15, 9, 5, 9, 7, 14, 14, 14, 14, 13, 15, 14, 11, 14, 9, 7, 9, 6, 14, 8, 12, 11};
    for (int i = 0; i < NbLignesCompetences; ++i) {
        EXPECT_EQ(BaseCompetence(i, v, 1), attendu[static_cast<std::size_t>(i)]) << "ligne " << i;
    }
    // (5 + 6) / 2 loses its half.
    EXPECT_EQ(BaseCompetence(0, Valeurs{6, 5, 5, 5, 5}, 1), 5);
    EXPECT_EQ(BaseCompetence(19, Valeurs{5, 6, 5, 5, 5}, 1), 5);
    // Séduction reads the level of Charisme, Charisme itself only VOL.
    EXPECT_EQ(BaseCompetence(LigneSeduction, Valeurs{5, 5, 10, 5, 5}, 3), 6);
    EXPECT_EQ(BaseCompetence(LigneSeduction, Valeurs{5, 5, 5, 5, 5}, 0), 2);
    EXPECT_EQ(BaseCompetence(LigneCharisme, Valeurs{5, 5, 7, 5, 5}, 3), 7);
}

// The price of every entry is checked again through the sheet's points; here, the lookups themselves.
TEST(Tables, Description) {
    EXPECT_EQ(TableApparence("Stricte")->cout, TableApparence("Attirante")->cout);
    EXPECT_EQ(TableAge("28")->nbChpExp, 1);
    EXPECT_EQ(TableFaiblesse(7), 125);
    for (std::int16_t i = 1; i <= 4; ++i) {
        const auto a = TableTaillePoids(i), b = TableTaillePoids(static_cast<std::int16_t>(10 - i));
        EXPECT_TRUE(a->cout == b->cout && a->bonus == b->bonus) << "symétrie " << i;
    }
    EXPECT_FALSE(TableApparence("").has_value() || TableApparence("sensationnelle").has_value() ||
                 TableAge("").has_value() || TableFaiblesse(-1).has_value() || TableFaiblesse(13).has_value() ||
                 TableTaillePoids(-1).has_value() || TableTaillePoids(10).has_value());
}

TEST(Tables, TextesAffiches) {
    EXPECT_EQ(TexteSexe(0), " Masculin");
    EXPECT_EQ(TexteSexe(1), " Féminin");
    struct Cas {
        const Entrees& entrees;
        std::string_view premiere, deuxieme, derniere;
    };
    for (const Cas& c : {Cas{EntreesTaille(0), "(aucune)", "1,55 - 1,60", "1,96 +"},
                         Cas{EntreesTaille(1), "(aucune)", "1,45 - 1,50", "1,86 +"},
                         Cas{EntreesPoids(0), "(aucun)", "55 - 61", "111 - 117"},
                         Cas{EntreesPoids(1), "(aucun)", "43 - 47", "87 - 93"}}) {
        EXPECT_EQ(c.entrees[0], c.premiere);
        EXPECT_EQ(c.entrees[1], c.deuxieme);
        EXPECT_EQ(c.entrees[9], c.derniere);
    }
    EXPECT_EQ(TexteProfession(6), "Voleur");
    EXPECT_EQ(TexteProfession(7), "");
}

TEST(Tables, CelebriteRetireLeBonusDeSexe) {
    EXPECT_EQ(Celebrite(0, 0, 0, 0, 40), -40);
    EXPECT_EQ(Celebrite(50, 50, 50, 36, 40), 146);
    EXPECT_EQ(Celebrite(10, 5, 20, 6, 0), 41);
}

TEST(Tables, ChampsProfessionnels) {
    struct Cas {
        std::int16_t profession;
        std::size_t visibles;
        std::string_view premier, dernier;
    };
    constexpr std::array<Cas, 7> cas{{{0, 4, "Economie/Affaires", "Science politique"},
                                      {1, 2, "Informatique", "Science politique"},
                                      {2, 3, "Génie mécanique", "Sciences militaires"},
                                      {3, 6, "Criminologie", "Toxicologie"},
                                      {4, 4, "Criminologie", "Toxicologie"},
                                      {5, 7, "Astronautique", "Médecine/Physiologie"},
                                      {6, 5, "Beaux-Arts", "Droit"}}};
    for (const auto& c : cas) {
        const auto champs = ChampsProfessionnels(c.profession);
        ASSERT_TRUE(champs.has_value()) << c.profession;
        // The offered fields come first, the hidden boxes after them.
        for (std::size_t i = 0; i < champs->size(); ++i) {
            EXPECT_EQ((*champs)[i].empty(), i >= c.visibles) << c.profession << " boîte " << i;
        }
        EXPECT_EQ((*champs)[0], c.premier);
        EXPECT_EQ((*champs)[c.visibles - 1], c.dernier);
    }
    EXPECT_FALSE(ChampsProfessionnels(-1).has_value());
    EXPECT_FALSE(ChampsProfessionnels(7).has_value());
}

} // namespace
