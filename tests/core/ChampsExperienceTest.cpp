#include "ChampsExperience.h"
#include "Tables.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Liste = std::vector<std::string>;
constexpr bool Prof = true;
constexpr bool Gen = false;

ModuleVorn Module(std::int16_t profession, std::int16_t nbChpExp) {
    ModuleVorn m;
    m.Profession = profession;
    m.NbChpExp = nbChpExp;
    return m;
}

TEST(ChampsExperience, UnSeulChampUneSecondeCocheEstRefusee) {
    ModuleVorn m = Module(0, 1);
    ChampsExperienceVorn d(m);
    EXPECT_TRUE(d.Cocher(Prof, 0));
    EXPECT_EQ(m.NbChpExp, 0);
    EXPECT_FALSE(d.Cocher(Gen, 3));
    EXPECT_FALSE(d.cocheGen[3]);
    EXPECT_EQ(m.NbChpExp, 0);
    EXPECT_EQ(d.TxtExp, "0");
    d.Decocher(Prof, 0);
    EXPECT_EQ(d.TxtExp, "1");
    EXPECT_TRUE(d.Cocher(Gen, 3));
    EXPECT_TRUE(d.cocheGen[3]);
    EXPECT_FALSE(d.cocheProf[0]);
    EXPECT_EQ(d.TxtExp, "0");
}

TEST(ChampsExperience, CocherEtDecocherNeFontJamaisDeriverLeCompte) {
    ModuleVorn m = Module(5, 3);
    ChampsExperienceVorn d(m);
    d.Cocher(Prof, 6);
    for (int i = 0; i < 50; ++i) {
        d.Cocher(Gen, 5);
        d.Cocher(Gen, 5);
        d.Decocher(Gen, 5);
        d.Decocher(Gen, 5);
        d.Decocher(Prof, 1);
    }
    EXPECT_EQ(m.NbChpExp, 2);
    EXPECT_EQ(d.TxtExp, "2");
}

TEST(ChampsExperience, OuvertureLegendesEtVisibiliteSelonLaProfession) {
    for (std::int16_t p = 0; p < 7; ++p) {
        ModuleVorn m = Module(p, 4);
        ChampsExperienceVorn d(m);
        const auto champs = *ChampsProfessionnels(p);
        for (std::size_t i = 0; i < champs.size(); ++i) {
            EXPECT_EQ(d.legendesProf[i], champs[i]) << p << " boîte " << i;
            EXPECT_EQ(d.visibleProf[i], !champs[i].empty()) << p << " boîte " << i;
        }
        EXPECT_EQ(d.LblNbChoixExp, "Vous pouvez choisir 4 Champs d'Expérience.");
        EXPECT_EQ(d.TxtExp, "4");
    }
}

TEST(ChampsExperience, LOuvertureVideLesChoixPrecedentsEtOkLesRangeALeurIndex) {
    ModuleVorn m = Module(4, 6);
    m.ChpExpProf.fill("Criminologie");
    m.ChpExpGen.fill("Golf");
    ChampsExperienceVorn d(m);
    for (const auto& c : m.ChpExpProf) EXPECT_EQ(c, "");
    for (const auto& c : m.ChpExpGen) EXPECT_EQ(c, "");

    d.Cocher(Prof, 2);
    d.Cocher(Gen, 6);
    d.Cocher(Gen, 10);
    d.Cocher(Gen, 1);
    d.Decocher(Gen, 1);
    d.Valider();
    EXPECT_EQ(m.ChpExpProf, (std::array<std::string, 7>{"", "", "Droit", "", "", "", ""}));
    EXPECT_EQ(m.ChpExpGen, (std::array<std::string, 12>{"", "", "", "", "", "", "Droit", "", "", "", "Tennis", ""}));
    EXPECT_EQ(ListeChampsExperience(m), (Liste{"Droit", "Droit", "Tennis"}));

    ChampsExperienceVorn rien(m);
    rien.Valider();
    EXPECT_EQ(ListeChampsExperience(m), Liste{"(aucun)"});
}

TEST(ChampsExperience, ListeProfessionnelsDAbordDansLOrdreDesBoites) {
    ModuleVorn m = Module(3, 3);
    ChampsExperienceVorn d(m);
    d.Cocher(Gen, 11);
    d.Cocher(Gen, 0);
    d.Cocher(Prof, 2);
    d.Valider();
    EXPECT_EQ(ListeChampsExperience(m), (Liste{"Microphotographie", "Cricket", "Wargames"}));
}

} // namespace
