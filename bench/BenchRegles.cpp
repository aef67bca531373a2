// The rules alone, without any widget: what the sheet's opening and each user
// action cost in core, done exactly as the forms ask for them.

#include "ChampsExperience.h"
#include "Choix.h"
#include "FeuilleVorn.h"

#include <benchmark/benchmark.h>

namespace {

// A "00" agent (9000 points) through the choice screen's rules, then the sheet's load.
struct FeuilleChargee {
    ModuleVorn m;
    DesAleatoires des{1}; // fixed seed: the same scars on every run
    FeuilleVorn f{m};

    FeuilleChargee() {
        m.NomJoueur = "JOUEUR";
        ChargerChoix(m);
        ChoisirRang(m, 0);
        ValiderChoix(m, "AGENT", des);
        f.Charger();
    }
};

// "&Continuer" on the choice screen: the choice validated, the sheet loaded; the
// choice screen's own load is counted too, so that this bounds the rules' part.
void OuvertureFeuille(benchmark::State& state) {
    for (auto _ : state) {
        FeuilleChargee s;
        if (s.m.PtGeneration != 9000 || !s.f.chargee) state.SkipWithError("sheet not loaded as a 9000-point agent");
        benchmark::DoNotOptimize(s.f.TxtPtGénération);
    }
}
BENCHMARK(OuvertureFeuille);

// One user action per iteration, alternating two directions by the parity of k
// as the timed clicks on the forms do; a refusal would measure something else.
template <typename Faire>
void Alterner(benchmark::State& state, Faire faire) {
    FeuilleChargee s;
    int k = 0;
    for (auto _ : state) {
        if (!faire(s, k++)) {
            state.SkipWithError("action refused");
            break;
        }
        benchmark::ClobberMemory();
    }
}

// FOR 12 and 5 alternate: each one a real purchase with recount and formulas.
bool Caracteristique(FeuilleChargee& s, int k) {
    return s.f.ChoisirCaract(Caract::FOR, static_cast<std::int16_t>(k % 2 ? 0 : 7)).acceptee();
}
// Row 0 is not a free skill: taken for 100 points, then released.
bool Competence(FeuilleChargee& s, int k) {
    return !EstCompetenceLibre(0) && (k % 2 ? s.f.LibererCompetence(0) : s.f.PrendreCompetence(0)).acceptee();
}
// A free skill starts at level 1: raised to 2, lowered back.
bool Niveau(FeuilleChargee& s, int k) {
    return (k % 2 ? s.f.BaisserNiveau(LigneConduite) : s.f.MonterNiveau(LigneConduite)).acceptee();
}
// An accepted age, then what its fields-of-experience dialog and its "&Ok" ask.
bool Age(FeuilleChargee& s, int k) {
    if (!s.f.ChoisirDescription(Description::Age, static_cast<std::int16_t>(k % 2)).ouvrirChampsExp) return false;
    ChampsExperienceVorn(s.m).Valider();
    s.f.ReconstruireChampsExpérience();
    return true;
}

BENCHMARK_CAPTURE(Alterner, Caracteristique, Caracteristique);
BENCHMARK_CAPTURE(Alterner, Competence, Competence);
BENCHMARK_CAPTURE(Alterner, Niveau, Niveau);
BENCHMARK_CAPTURE(Alterner, Age, Age);

} // namespace
