#include "Choix.h"
#include "Oracle.h"

#include <gtest/gtest.h>

#include <array>

namespace {

TEST(Cicatrices, LeD100SelonLeBudgetPuisLeD6PuisUnD100ParCicatrice) {
    // Budget, rolls, scars, fame bonus; the places' rolls sit on both borders of every body zone.
    using Cas = std::tuple<std::int16_t, std::vector<std::int16_t>, std::array<std::string, 3>, int>;
    const std::array<Cas, 11> cas{{
        {3000, {1}, {"(aucune)"}, 0}, // a "Recrue" is never scarred, but its d100 is rolled all the same
        {6000, {61}, {"(aucune)"}, 0}, {9000, {91}, {"(aucune)"}, 0}, {6000, {60, 4, 1}, {"Visage"}, 20},
        {6000, {1, 1, 12}, {"Visage"}, 20}, {9000, {90, 5, 13, 23}, {"Cou", "Cou"}, 40}, {6000, {60, 1, 100}, {"Jambe Droite"}, 20},
        {9000, {1, 6, 24, 45, 46}, {"Poitrine", "Poitrine", "Dos"}, 60}, {9000, {1, 5, 93, 94}, {"Jambe Gauche", "Jambe Droite"}, 40},
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
        EXPECT_EQ(std::tuple(des.faces, des.jets.size(), std::array{m.Cicatrice1, m.Cicatrice2, m.Cicatrice3}, +m.NbCicatrices,
                             +m.BonusCicatrices), std::tuple(faces, std::size_t{0}, cicatrices, n, bonus)) << testing::PrintToString(jets);
    }
}

} // namespace
