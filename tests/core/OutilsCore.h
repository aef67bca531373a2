#pragma once

#include "Choix.h"
#include "FeuilleVorn.h"
#include "ModuleVorn.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <deque>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

// Every field of the record but the loop counter Indice, whose value means nothing between rules.
#define VORN_ENTIERS(X)                                                                                    \
    X(Reponse) X(Sexe) X(Profession) X(NbCompetences) X(PtGeneration) X(CoutApparence) X(PtRestants)       \
    X(GainAge) X(CoutTaille) X(CoutPoids) X(CoutCompetences) X(GainFaiblesse) X(CoutNiveaux) X(CoutCaract)  \
    X(CoutFOR) X(CoutDEX) X(CoutVOL) X(CoutPER) X(CoutINT) X(AncCoutApparence) X(AncCoutTaille)             \
    X(AncCoutPoids) X(AncGainAge) X(AncGainFaiblesse) X(IdxTaille) X(IdxPoids) X(IdxFaiblesse)              \
    X(AncCoutFOR) X(AncCoutDEX) X(AncCoutVOL) X(AncCoutPER) X(AncCoutINT) X(PtCelebrite)                    \
    X(BonusApparence) X(BonusTaille) X(BonusPoids) X(BonusAge) X(BonusSexe) X(BonusCicatrices)              \
    X(ValFOR) X(ValDEX) X(ValVOL) X(ValPER) X(ValINT) X(IndiceVitesse) X(NbCicatrices) X(NumCicatrice)      \
    X(DeCicatrices) X(DeBlessure) X(NbChpExp)
#define VORN_TEXTES(X)                                                                                     \
    X(NomJoueur) X(NomPerso) X(Rang) X(Touche) X(TexteApparence) X(TexteAge) X(TexteFOR) X(TexteDEX)        \
    X(TexteVOL) X(TextePER) X(TexteINT) X(Cicatrice) X(Cicatrice1) X(Cicatrice2) X(Cicatrice3)

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

// What the player can see or the rules can read back: record, list selections, skill rows and display texts.
struct Instantane {
    ModuleVorn m;
    std::array<std::int16_t, 10> selections{};
    std::array<LigneCompetence, NbLignesCompetences> lignes{};
    std::array<std::string, 7> textes;

    explicit Instantane(const FeuilleVorn& f)
        : m(f.m), lignes(f.lignes),
          textes{f.TxtPtGénération, f.TxtPtCélébrité, f.TxtVitesse, f.TxtEndurance, f.TxtCourse, f.TxtCharge, f.TxtClasse} {
        for (std::size_t i = 0; i < 5; ++i) {
            selections[i] = f.caract[i].index;
            selections[5 + i] = f.description[i].index;
        }
    }
};

inline bool operator==(const Instantane& a, const Instantane& b) {
#define VORN_EGAL(champ) &&a.m.champ == b.m.champ
    const bool module = true VORN_ENTIERS(VORN_EGAL) VORN_TEXTES(VORN_EGAL) && a.m.ChpExpProf == b.m.ChpExpProf &&
                        a.m.ChpExpGen == b.m.ChpExpGen;
#undef VORN_EGAL
    for (std::size_t i = 0; i < a.lignes.size(); ++i) {
        const auto &x = a.lignes[i], &y = b.lignes[i];
        if (x.valeur != y.valeur || x.niveau != y.niveau || x.base != y.base || x.cb != y.cb) return false;
    }
    return module && a.selections == b.selections && a.textes == b.textes;
}

inline std::string Decrire(const Instantane& e) {
    std::ostringstream os;
    os << Decrire(e.m);
    for (const auto s : e.selections) os << "selection=" << s << '\n';
    for (const auto& l : e.lignes) os << "ligne=" << l.valeur << ' ' << l.niveau << ' ' << l.base << ' ' << l.cb << '\n';
    for (const auto& t : e.textes) os << "texte=" << t << '\n';
    return os.str();
}

// One line a value, so that a failed comparison shows what differs.
inline std::string EtatFeuille(const FeuilleVorn& f) { return Decrire(Instantane(f)); }

// Dice that give back the rolls they were told, and note which dice were asked for.
class DesScriptes final : public Des {
public:
    DesScriptes(std::initializer_list<std::int16_t> jets) : jets_(jets) {}

    std::int16_t Lancer(std::int16_t faces) override {
        faces_.push_back(faces);
        if (jets_.empty()) {
            ADD_FAILURE() << "d" << faces << " lancé sans jet prévu";
            return 1;
        }
        const std::int16_t jet = jets_.front();
        jets_.pop_front();
        return jet;
    }

    const std::vector<std::int16_t>& faces() const { return faces_; }
    std::size_t restants() const { return jets_.size(); }

private:
    std::deque<std::int16_t> jets_;
    std::vector<std::int16_t> faces_;
};

// A new agent through the choice screen: rank and sex picked, then "&Continuer".
inline void CreerAgent(ModuleVorn& m, int rang, int sexe, std::initializer_list<std::int16_t> jets = {50}) {
    ChargerChoix(m);
    ChoisirRang(m, rang);
    ChoisirSexe(m, sexe);
    DesScriptes des(jets);
    ValiderChoix(m, "BOND", des);
    EXPECT_EQ(des.restants(), 0U);
}
