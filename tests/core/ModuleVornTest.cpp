#include "OutilsCore.h"

namespace {

TEST(ModuleVorn, ReinitialiserPuisChargerChoixGardentLesCinqChamps) {
    // Every field holds a value of its own, none of them a start value.
    ModuleVorn avant;
    std::int16_t n = 1;
#define VORN_REMPLIR_ENTIER(champ) avant.champ = n++;
#define VORN_REMPLIR_TEXTE(champ) avant.champ = #champ;
    VORN_ENTIERS(VORN_REMPLIR_ENTIER)
    VORN_TEXTES(VORN_REMPLIR_TEXTE)
    avant.Indice = 99;
    avant.ChpExpProf.fill("Droit");
    avant.ChpExpGen.fill("Golf");

    // The start record with the five fields that a new agent keeps.
    ModuleVorn neuf;
    std::tie(neuf.NomJoueur, neuf.NbCompetences, neuf.GainFaiblesse, neuf.AncGainFaiblesse, neuf.NbChpExp) =
        std::tie(avant.NomJoueur, avant.NbCompetences, avant.GainFaiblesse, avant.AncGainFaiblesse, avant.NbChpExp);
    ModuleVorn m = avant;
    m.Reinitialiser();
    EXPECT_EQ(Decrire(m), Decrire(neuf));
    EXPECT_EQ(m.Indice, 12);

    // The choice screen's defaults on top: "Recrue", masculine, first profession.
    m = avant;
    ChargerChoix(m);
    neuf.PtGeneration = 3000;
    neuf.Rang = "    Recrue";
    EXPECT_EQ(Decrire(m), Decrire(neuf));
}

TEST(ModuleVorn, LeDernierClicGagneEtUnIndexHorsTableNeChangeRien) {
    ModuleVorn m;
    // Rank, sex, profession; the last three clicks out of their tables.
    for (const auto& [rang, sexe, profession] : {std::array{0, 1, 6}, std::array{1, 1, 4}, std::array{-1, -1, -1},
                                                 std::array{3, 2, 7}, std::array{100, 100, 100}}) {
        ChoisirRang(m, rang);
        ChoisirSexe(m, sexe);
        ChoisirProfession(m, profession);
    }
    EXPECT_EQ(std::tuple(m.PtGeneration, m.Rang, +m.Sexe, +m.Profession), std::tuple(6000, "     Agent", 1, 4));
}

} // namespace
