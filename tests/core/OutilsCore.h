#pragma once

#include "Oracle.h"
#include "FeuilleVorn.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

// Every field of the record but the loop counter Indice, whose value means nothing between rules.
#define VORN_ENTIERS(X)                                                                                              \
    X(Reponse) X(Sexe) X(Profession) X(NbCompetences) X(PtGeneration) X(CoutApparence) X(PtRestants) X(GainAge)      \
    X(CoutTaille) X(CoutPoids) X(CoutCompetences) X(GainFaiblesse) X(CoutNiveaux) X(CoutCaract) X(CoutFOR)           \
    X(CoutDEX) X(CoutVOL) X(CoutPER) X(CoutINT) X(AncCoutApparence) X(AncCoutTaille) X(AncCoutPoids) X(AncGainAge)   \
    X(AncGainFaiblesse) X(IdxTaille) X(IdxPoids) X(IdxFaiblesse) X(AncCoutFOR) X(AncCoutDEX) X(AncCoutVOL)           \
    X(AncCoutPER) X(AncCoutINT) X(PtCelebrite) X(BonusApparence) X(BonusTaille) X(BonusPoids) X(BonusAge)            \
    X(BonusSexe) X(BonusCicatrices) X(ValFOR) X(ValDEX) X(ValVOL) X(ValPER) X(ValINT) X(IndiceVitesse)               \
    X(NbCicatrices) X(NumCicatrice) X(DeCicatrices) X(DeBlessure) X(NbChpExp)
#define VORN_TEXTES(X)                                                                                               \
    X(NomJoueur) X(NomPerso) X(Rang) X(Touche) X(TexteApparence) X(TexteAge) X(TexteFOR) X(TexteDEX) X(TexteVOL)     \
    X(TextePER) X(TexteINT) X(Cicatrice) X(Cicatrice1) X(Cicatrice2) X(Cicatrice3)

// One field a line, so that a failed comparison shows which fields differ.
inline std::string Decrire(const ModuleVorn& m) {
    std::ostringstream os;
#define VORN_DECRIRE(champ) os << #champ << '=' << m.champ << '\n';
    VORN_ENTIERS(VORN_DECRIRE)
    VORN_TEXTES(VORN_DECRIRE)
#undef VORN_DECRIRE
    for (const auto& c : m.ChpExpProf) os << "ChpExpProf=" << c << '\n';
    for (const auto& c : m.ChpExpGen) os << "ChpExpGen=" << c << '\n';
    return os.str();
}

// Everything the player sees or the rules read back: record, selections, skill rows and display texts.
inline std::string Etat(const FeuilleVorn& f) {
    std::ostringstream os;
    os << Decrire(f.m);
    for (const auto* l : {&f.caract, &f.description})
        for (const auto& x : *l) os << "selection=" << x.index << '\n';
    for (const auto& l : f.lignes) os << "ligne=" << l.valeur << ' ' << l.niveau << ' ' << l.base << ' ' << l.cb << ';';
    os << f.TxtPtGénération << '|' << f.TxtPtCélébrité << '|' << f.TxtVitesse << '|' << f.TxtEndurance << '|'
       << f.TxtCourse << '|' << f.TxtCharge << '|' << f.TxtClasse;
    return os.str();
}

// A new agent through the choice screen: rank and sex picked, then "&Continuer" with every roll used.
inline void CreerAgent(ModuleVorn& m, int rang, int sexe, const std::vector<std::int16_t>& jets = {50}) {
    ChargerChoix(m);
    ChoisirRang(m, rang);
    ChoisirSexe(m, sexe);
    DesScriptes des;
    des.jets.assign(jets.begin(), jets.end());
    ValiderChoix(m, "BOND", des);
    EXPECT_TRUE(des.jets.empty());
}
