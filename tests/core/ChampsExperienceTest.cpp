#include "ChampsExperience.h"
#include "Tables.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using Liste = std::vector<std::string>;
constexpr bool Prof = true, Gen = false;

TEST(ChampsExperience, BoitesProfessionnellesSelonLaProfession) {
    // Profession, offered fields (in the first boxes, the others hidden), first and last caption.
    using Cas = std::tuple<std::int16_t, std::size_t, std::string, std::string>;
    const std::array<Cas, 7> cas{
        {{0, 4, "Economie/Affaires", "Science politique"}, {1, 2, "Informatique", "Science politique"},
         {2, 3, "Génie mécanique", "Sciences militaires"}, {3, 6, "Criminologie", "Toxicologie"},
         {4, 4, "Criminologie", "Toxicologie"}, {5, 7, "Astronautique", "Médecine/Physiologie"},
         {6, 5, "Beaux-Arts", "Droit"}}};
    for (const auto& [profession, visibles, premier, dernier] : cas) {
        ModuleVorn m;
        m.Profession = profession;
        ChampsExperienceVorn d(m);
        for (std::size_t i = 0; i < d.visibleProf.size(); ++i) EXPECT_EQ(d.visibleProf[i], i < visibles) << i;
        EXPECT_EQ(std::pair(d.legendesProf[0], d.legendesProf[visibles - 1]), std::pair(premier, dernier));
    }
    EXPECT_FALSE(ChampsProfessionnels(-1) || ChampsProfessionnels(7));
}

TEST(ChampsExperience, LeCompteurBorneLesCochesEtOkRangeLesChampsProfessionnelsDAbord) {
    ModuleVorn m;
    m.Profession = m.NbChpExp = 4;
    m.ChpExpProf.fill("Criminologie");
    m.ChpExpGen.fill("Golf");
    ChampsExperienceVorn d(m);
    EXPECT_EQ(ListeChampsExperience(m), Liste{"(aucun)"}); // the opening forgets the previous choices
    EXPECT_EQ(d.LblNbChoixExp, "Vous pouvez choisir 4 Champs d'Expérience.");
    using Coche = std::pair<bool, int>;
    for (const auto& [genre, i] : {Coche{Gen, 11}, Coche{Gen, 6}, Coche{Prof, 2}, Coche{Gen, 0}, Coche{Gen, 0}})
        EXPECT_TRUE(d.Cocher(genre, i)); // ticking a ticked box costs nothing more
    EXPECT_FALSE(d.Cocher(Gen, 1));
    EXPECT_EQ(std::tuple(+m.NbChpExp, d.TxtExp, d.cocheGen[1]), std::tuple(0, "0", false));
    d.Decocher(Gen, 0);
    d.Decocher(Gen, 0); // an unticked box gives nothing back
    EXPECT_EQ(std::tuple(+m.NbChpExp, d.TxtExp), std::tuple(1, "1"));
    EXPECT_TRUE(d.Cocher(Gen, 1));
    d.Valider();
    EXPECT_EQ(std::tuple(+m.NbChpExp, m.ChpExpProf[2], m.ChpExpGen[6], m.ChpExpGen[1], m.ChpExpGen[0]),
              std::tuple(0, "Droit", "Droit", "Economie/Affaires", ""));
    EXPECT_EQ(ListeChampsExperience(m), (Liste{"Droit", "Economie/Affaires", "Droit", "Wargames"}));
}

} // namespace
