#include "ModuleVorn.h"

#include <utility>

void ModuleVorn::Reinitialiser() {
    std::string nomJoueur = std::move(NomJoueur);
    const std::int16_t nbCompetences = NbCompetences;
    const std::int16_t gainFaiblesse = GainFaiblesse;
    const std::int16_t ancGainFaiblesse = AncGainFaiblesse;
    const std::int16_t nbChpExp = NbChpExp;

    *this = ModuleVorn{};

    NomJoueur = std::move(nomJoueur);
    NbCompetences = nbCompetences;
    GainFaiblesse = gainFaiblesse;
    AncGainFaiblesse = ancGainFaiblesse;
    NbChpExp = nbChpExp;
    // The two array loops of the reset run on the shared counter and leave it past the end.
    Indice = static_cast<std::int16_t>(ChpExpGen.size());
}

namespace {
template <typename T>
T& choisir(Caract x, T& f, T& d, T& v, T& p, T& i) {
    switch (x) {
    case Caract::FOR: return f;
    case Caract::DEX: return d;
    case Caract::VOL: return v;
    case Caract::PER: return p;
    case Caract::INT: break;
    }
    return i;
}
} // namespace

std::int16_t& CoutDe(ModuleVorn& m, Caract x) {
    return choisir(x, m.CoutFOR, m.CoutDEX, m.CoutVOL, m.CoutPER, m.CoutINT);
}
std::int16_t& ValDe(ModuleVorn& m, Caract x) { return choisir(x, m.ValFOR, m.ValDEX, m.ValVOL, m.ValPER, m.ValINT); }
std::int16_t& AncCoutDe(ModuleVorn& m, Caract x) {
    return choisir(x, m.AncCoutFOR, m.AncCoutDEX, m.AncCoutVOL, m.AncCoutPER, m.AncCoutINT);
}
std::string& TexteDe(ModuleVorn& m, Caract x) {
    return choisir(x, m.TexteFOR, m.TexteDEX, m.TexteVOL, m.TextePER, m.TexteINT);
}
