#include "OutilsCore.h"

#include "Choix.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

namespace {

using Faces = std::vector<std::int16_t>;

ModuleVorn ChoixFait(int rang, int sexe = 0) {
    ModuleVorn m;
    ChargerChoix(m);
    ChoisirRang(m, rang);
    ChoisirSexe(m, sexe);
    return m;
}

TEST(Cicatrices, LePremierD100DecideSelonLeRang) {
    struct Cas {
        int rang;
        std::int16_t d100;
        bool cicatrise;
    };
    // A "Recrue" is never scarred, but its d100 is rolled all the same.
    constexpr std::array<Cas, 6> cas{{{2, 1, false}, {1, 60, true}, {1, 61, false}, {0, 90, true}, {0, 91, false}, {0, 100, false}}};
    for (const auto& c : cas) {
        SCOPED_TRACE(testing::Message() << "rang " << c.rang << ", d100 " << c.d100);
        ModuleVorn m = ChoixFait(c.rang);
        DesScriptes des{c.d100, 1, 30};
        TirageCicatrices(m, des);
        if (c.cicatrise) {
            EXPECT_EQ(des.faces(), (Faces{100, 6, 100}));
            EXPECT_EQ(m.Cicatrice1, "Poitrine");
            EXPECT_EQ(m.NbCicatrices, 1);
        } else {
            EXPECT_EQ(des.faces(), Faces{100});
            EXPECT_EQ(m.DeBlessure, c.d100);
            EXPECT_EQ((std::array{m.Cicatrice1, m.Cicatrice2, m.Cicatrice3}), (std::array<std::string, 3>{"(aucune)", "", ""}));
            EXPECT_EQ(m.NbCicatrices + m.BonusCicatrices + m.DeCicatrices + m.NumCicatrice, 0);
        }
    }
}

TEST(Cicatrices, LeD6DonneLeNombreEtLeBonusEtLesPlacesSeRemplissentDansLOrdre) {
    struct Cas {
        std::int16_t d6, nombre, bonus;
    };
    constexpr std::array<Cas, 4> cas{{{1, 1, 20}, {4, 1, 20}, {5, 2, 40}, {6, 3, 60}}};
    const std::array<std::string, 3> lieux{"Visage", "Dos", "Jambe Droite"};
    for (const auto& c : cas) {
        SCOPED_TRACE(testing::Message() << "d6 " << c.d6);
        ModuleVorn m = ChoixFait(0);
        DesScriptes des{5, c.d6, 12, 66, 100};
        TirageCicatrices(m, des);
        EXPECT_EQ(m.NbCicatrices, c.nombre);
        EXPECT_EQ(m.BonusCicatrices, c.bonus);
        EXPECT_EQ(m.NumCicatrice, m.NbCicatrices);
        EXPECT_EQ(des.faces().size(), 2U + static_cast<std::size_t>(c.nombre));
        std::array<std::string, 3> attendues{};
        std::copy_n(lieux.begin(), c.nombre, attendues.begin());
        EXPECT_EQ((std::array{m.Cicatrice1, m.Cicatrice2, m.Cicatrice3}), attendues);
    }
}

TEST(Cicatrices, BornesDesEmplacements) {
    struct Cas {
        std::int16_t d100;
        std::string_view lieu;
    };
    constexpr std::array<Cas, 16> cas{{{1, "Visage"}, {12, "Visage"}, {13, "Cou"}, {23, "Cou"}, {24, "Poitrine"},
                                       {45, "Poitrine"}, {46, "Dos"}, {66, "Dos"}, {67, "Bras Gauche"},
                                       {74, "Bras Gauche"}, {75, "Bras Droit"}, {85, "Bras Droit"},
                                       {86, "Jambe Gauche"}, {93, "Jambe Gauche"}, {94, "Jambe Droite"},
                                       {100, "Jambe Droite"}}};
    for (const auto& c : cas) {
        ModuleVorn m = ChoixFait(1);
        DesScriptes des{60, 4, c.d100};
        TirageCicatrices(m, des);
        EXPECT_EQ(m.Cicatrice1, c.lieu) << "d100 " << c.d100;
    }
}

TEST(Cicatrices, ValiderChoixFixeLeNomEtLeBonusDeSexe) {
    for (const int sexe : {0, 1}) {
        ModuleVorn m = ChoixFait(2, sexe);
        DesScriptes des{77};
        ValiderChoix(m, "MATA HARI", des);
        EXPECT_EQ(m.NomPerso, "MATA HARI");
        EXPECT_EQ(m.BonusSexe, sexe == 1 ? 40 : 0);
        EXPECT_EQ(m.Cicatrice1, "(aucune)");
    }
}

TEST(DesAleatoires, UniformesEtIndependantsDUnJetALAutre) {
    DesAleatoires des(20240611U);
    constexpr int jets = 60000;
    std::array<int, 7> compte{};
    int pairesEgales = 0;
    std::int16_t precedent = 0;
    for (int i = 0; i < jets; ++i) {
        const std::int16_t d = des.Lancer(6);
        ASSERT_TRUE(d >= 1 && d <= 6) << d;
        ++compte[static_cast<std::size_t>(d)];
        pairesEgales += d == precedent ? 1 : 0;
        precedent = d;
    }
    for (std::size_t face = 1; face <= 6; ++face) EXPECT_NEAR(compte[face], jets / 6, 600) << "face " << face;
    // A generator seeded again before each roll would repeat itself far more often than 1 in 6.
    EXPECT_NEAR(pairesEgales, jets / 6, 800);
}

TEST(PositionCentree, CentreEtRetientLesFenetresTropGrandes) {
    struct Cas {
        int zx, zy, zl, zh, l, h, x, y;
    };
    constexpr std::array<Cas, 4> cas{{{0, 0, 1920, 1080, 800, 600, 560, 240},
                                      {100, 50, 1000, 800, 400, 200, 400, 350},
                                      {10, 20, 1920, 1080, 2500, 1400, 10, 20},
                                      {10, 20, 1920, 1080, 2500, 400, 10, 360}}};
    for (const auto& c : cas) {
        const Position p = PositionCentree(c.zx, c.zy, c.zl, c.zh, c.l, c.h);
        EXPECT_EQ(p.x, c.x) << c.l << "x" << c.h;
        EXPECT_EQ(p.y, c.y) << c.l << "x" << c.h;
    }
}

} // namespace
