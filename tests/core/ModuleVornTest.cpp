#include "OutilsCore.h"

#include <gtest/gtest.h>

#include <array>

namespace {

// Every field holds a value of its own, none of them a start value.
ModuleVorn ModuleRempli() {
    ModuleVorn m;
    std::int16_t n = 1;
#define VORN_REMPLIR_ENTIER(champ) m.champ = n++;
#define VORN_REMPLIR_TEXTE(champ) m.champ = #champ;
    VORN_ENTIERS(VORN_REMPLIR_ENTIER)
    VORN_TEXTES(VORN_REMPLIR_TEXTE)
#undef VORN_REMPLIR_ENTIER
#undef VORN_REMPLIR_TEXTE
    m.Indice = 99;
    for (auto& c : m.ChpExpProf) c = "Droit";
    for (auto& c : m.ChpExpGen) c = "Golf";
    return m;
}

// The start record with the five fields that a new agent keeps.
ModuleVorn Conserves(const ModuleVorn& avant) {
    ModuleVorn m;
    m.NomJoueur = avant.NomJoueur;
    m.NbCompetences = avant.NbCompetences;
    m.GainFaiblesse = avant.GainFaiblesse;
    m.AncGainFaiblesse = avant.AncGainFaiblesse;
    m.NbChpExp = avant.NbChpExp;
    return m;
}

TEST(ModuleVorn, ReinitialiserGardeLesCinqChampsEtVideLeReste) {
    const ModuleVorn avant = ModuleRempli();
    ModuleVorn m = avant;
    m.Reinitialiser();
    EXPECT_EQ(Decrire(m), Decrire(Conserves(avant)));
    EXPECT_EQ(m.Indice, 12);
}

TEST(ModuleVorn, ChargerChoixReinitialisePuisChoisitRecrueMasculinHommeDAction) {
    const ModuleVorn avant = ModuleRempli();
    ModuleVorn m = avant;
    ChargerChoix(m);
    ModuleVorn attendu = Conserves(avant);
    attendu.PtGeneration = 3000;
    attendu.Rang = "    Recrue";
    EXPECT_EQ(Decrire(m), Decrire(attendu));
    EXPECT_EQ(m.Indice, 12);
}

TEST(ModuleVorn, ChoixDeRangSexeEtProfession) {
    ModuleVorn m;
    constexpr std::array<const char*, 3> rangs{"       '00'", "     Agent", "    Recrue"};
    for (int i = 0; i < 3; ++i) {
        ChoisirRang(m, i);
        EXPECT_EQ(m.PtGeneration, 9000 - 3000 * i);
        EXPECT_EQ(m.Rang, rangs[static_cast<std::size_t>(i)]);
    }
    // The last click wins; an index outside its table changes nothing.
    ChoisirRang(m, 1);
    ChoisirSexe(m, 1);
    ChoisirSexe(m, 0);
    ChoisirSexe(m, 1);
    ChoisirProfession(m, 6);
    ChoisirProfession(m, 4);
    const std::string avant = Decrire(m);
    for (const int index : {-1, 3, 100}) ChoisirRang(m, index);
    for (const int index : {-1, 2, 100}) ChoisirSexe(m, index);
    for (const int index : {-1, 7, 100}) ChoisirProfession(m, index);
    EXPECT_EQ(Decrire(m), avant);
    EXPECT_EQ(m.PtGeneration, 6000);
    EXPECT_EQ(m.Sexe, 1);
    EXPECT_EQ(m.Profession, 4);
}

} // namespace
