// The sheet's rules alone, without any widget: what one user action costs in core.

#include "Choix.h"
#include "FeuilleVorn.h"
#include "ModuleVorn.h"
#include "Tables.h"

#include <benchmark/benchmark.h>

#include <cstdint>

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

bool pret(benchmark::State& state, const FeuilleChargee& s) {
    if (s.m.PtGeneration == 9000 && s.f.chargee) return true;
    state.SkipWithError("sheet not loaded as a 9000-point agent");
    return false;
}

// FOR goes 5 -> 12 -> 5 ...: each call is a real purchase with recount and formulas.
void ChoixCaracteristique(benchmark::State& state) {
    FeuilleChargee s;
    if (!pret(state, s)) return;
    std::int16_t index = 7;
    for (auto _ : state) {
        const Action a = s.f.ChoisirCaract(Caract::FOR, index);
        benchmark::DoNotOptimize(a);
        benchmark::ClobberMemory();
        index = static_cast<std::int16_t>(7 - index);
    }
    if (!s.f.ChoisirCaract(Caract::FOR, 7).acceptee()) state.SkipWithError("purchase refused");
}
BENCHMARK(ChoixCaracteristique);

void RecomptePoints(benchmark::State& state) {
    FeuilleChargee s;
    if (!pret(state, s)) return;
    for (auto _ : state) {
        s.f.CalculPoints();
        benchmark::DoNotOptimize(s.m.PtRestants);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(RecomptePoints);

// Row 0 is not a free skill: taken for 100 points, then released.
void PriseEtAbandonCompetence(benchmark::State& state) {
    FeuilleChargee s;
    if (!pret(state, s) || EstCompetenceLibre(0)) return;
    for (auto _ : state) {
        benchmark::DoNotOptimize(s.f.PrendreCompetence(0));
        benchmark::DoNotOptimize(s.f.LibererCompetence(0));
        benchmark::ClobberMemory();
    }
    if (!s.f.PrendreCompetence(0).acceptee()) state.SkipWithError("skill take refused");
}
BENCHMARK(PriseEtAbandonCompetence);

// A free skill starts at level 1: raised to 2, lowered back.
void MonteeEtBaisseNiveau(benchmark::State& state) {
    FeuilleChargee s;
    if (!pret(state, s)) return;
    for (auto _ : state) {
        benchmark::DoNotOptimize(s.f.MonterNiveau(LigneConduite));
        benchmark::DoNotOptimize(s.f.BaisserNiveau(LigneConduite));
        benchmark::ClobberMemory();
    }
    if (!s.f.MonterNiveau(LigneConduite).acceptee()) state.SkipWithError("level raise refused");
}
BENCHMARK(MonteeEtBaisseNiveau);

} // namespace
