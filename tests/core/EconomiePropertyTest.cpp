#include "OutilsCore.h"

#include "FeuilleVorn.h"

#include <gtest/gtest.h>

#include <array>
#include <deque>
#include <map>
#include <random>
#include <sstream>
#include <string>

namespace {

using D = Description;

// The game's prices written out again, so that the sheet is checked against the rules, not against itself.
struct Prix {
    int cout = 0, bonus = 0;
};
const std::map<std::string, Prix> Apparences{{"(aucune)", {0, 0}},    {"Stricte", {120, 20}},   {"Normale", {200, 0}},
                                             {"Bonne", {160, 10}},    {"Attirante", {120, 20}}, {"Séduisante", {80, 35}},
                                             {"Sensationnelle", {30, 50}}};
constexpr std::array<int, 11> CoutsCaract{0, 100, 200, 300, 400, 500, 650, 800, 975, 1150, 1350};
constexpr std::array<int, 13> GainsFaiblesse{0, 50, 50, 100, 50, 100, 100, 125, 75, 100, 75, 75, 75};
constexpr std::array<Prix, 10> TaillesPoids{{{0, 0}, {30, 50}, {80, 20}, {120, 10}, {160, 5},
                                             {200, 0}, {160, 5}, {120, 10}, {80, 20}, {30, 50}}};

#define VORN_EGAL(quoi, obtenu, attendu)                                                                     \
    if (!((obtenu) == (attendu)))                                                                            \
        return testing::AssertionFailure() << quoi << ": " << (obtenu) << " au lieu de " << (attendu);

testing::AssertionResult Invariants(const FeuilleVorn& f) {
    ModuleVorn& m = f.m; // writable only because the per-characteristic accessors want it so
    int attendu = m.PtGeneration;
    int celebrite = -m.BonusSexe;
    for (const Caract x : ToutesCaract) {
        const std::string texte = f.liste(x).texte();
        const int valeur = texte.empty() ? 0 : std::stoi(texte);
        VORN_EGAL("Val", ValDe(m, x), valeur);
        attendu -= CoutsCaract.at(static_cast<std::size_t>(valeur - 5));
        VORN_EGAL("AncCout", AncCoutDe(m, x), CoutDe(m, x));
        VORN_EGAL("Texte", TexteDe(m, x), texte);
    }
    const Prix apparence = Apparences.at(f.liste(D::Apparence).texte());
    attendu -= apparence.cout;
    celebrite += apparence.bonus;
    if (const std::string age = f.liste(D::Age).texte(); !age.empty()) {
        const int rang = std::stoi(age) - 27;
        attendu += 20 * rang;
        celebrite += 6 * rang;
        VORN_EGAL("NbChpExp", m.NbChpExp, rang);
    }
    attendu += GainsFaiblesse.at(static_cast<std::size_t>(f.liste(D::Faiblesse).index));
    for (const D d : {D::Taille, D::Poids}) {
        const Prix p = TaillesPoids.at(static_cast<std::size_t>(f.liste(d).index));
        attendu -= p.cout;
        celebrite += p.bonus;
    }
    for (const auto& l : f.lignes) {
        const bool active = l.valeur == 1 || l.valeur == 2;
        VORN_EGAL("niveau dans ses bornes", active ? l.niveau >= 1 && l.niveau <= 15 : l.niveau == 0, true);
        attendu -= (l.valeur == 1 ? 100 : 0) + (active ? 20 * (l.niveau - 1) : 0);
        VORN_EGAL("CB", l.cb, l.base + l.niveau);
    }
    VORN_EGAL("base de Séduction", f.lignes[LigneSeduction].base, (m.ValVOL + f.lignes[LigneCharisme].niveau) / 2);

    VORN_EGAL("PtRestants positif", m.PtRestants >= 0, true);
    VORN_EGAL("PtRestants", m.PtRestants, attendu);
    VORN_EGAL("TxtPtGénération", f.TxtPtGénération, std::to_string(m.PtRestants));
    VORN_EGAL("TxtPtCélébrité", f.TxtPtCélébrité,
              std::to_string(celebrite) + " (+" + std::to_string(m.BonusCicatrices) + ")");
    VORN_EGAL("AncCoutApparence", m.AncCoutApparence, m.CoutApparence);
    VORN_EGAL("AncCoutTaille", m.AncCoutTaille, m.CoutTaille);
    VORN_EGAL("AncCoutPoids", m.AncCoutPoids, m.CoutPoids);
    VORN_EGAL("AncGainAge", m.AncGainAge, m.GainAge);
    VORN_EGAL("AncGainFaiblesse", m.AncGainFaiblesse, m.GainFaiblesse);
    VORN_EGAL("TexteApparence", m.TexteApparence, f.liste(D::Apparence).texte());
    VORN_EGAL("TexteAge", m.TexteAge, f.liste(D::Age).texte());
    VORN_EGAL("IdxFaiblesse", m.IdxFaiblesse, f.liste(D::Faiblesse).index);
    VORN_EGAL("IdxTaille", m.IdxTaille, f.liste(D::Taille).index);
    VORN_EGAL("IdxPoids", m.IdxPoids, f.liste(D::Poids).index);
    return testing::AssertionSuccess();
}

#undef VORN_EGAL

enum class Genre { Caract, Description, Prendre, Liberer, Baisser, Monter };

// Kept as numbers, put into words only when a failure is reported.
struct Operation {
    Genre genre;
    int cible, index;
    Action action;
};

Operation Hasard(FeuilleVorn& f, std::mt19937& alea) {
    auto tirer = [&alea](int n) { return static_cast<std::int16_t>(std::uniform_int_distribution<int>(0, n - 1)(alea)); };
    // Spending weighs more than giving back, so that even the largest budget runs out now and then.
    static const std::array<int, 6> poids{3, 2, 3, 1, 1, 8};
    std::discrete_distribution<int> genres(poids.begin(), poids.end());
    Operation op{static_cast<Genre>(genres(alea)), tirer(NbLignesCompetences), 0, {}};
    if (op.genre == Genre::Caract || op.genre == Genre::Description) op.cible = tirer(5);
    const auto c = static_cast<std::size_t>(op.cible);
    switch (op.genre) {
    case Genre::Caract:
        op.index = tirer(11);
        op.action = f.ChoisirCaract(ToutesCaract[c], static_cast<std::int16_t>(op.index));
        break;
    case Genre::Description:
        op.index = tirer(static_cast<int>(f.description[c].entrees.size()));
        op.action = f.ChoisirDescription(ToutesDescriptions[c], static_cast<std::int16_t>(op.index));
        break;
    case Genre::Prendre: op.action = f.PrendreCompetence(op.cible); break;
    case Genre::Liberer: op.action = f.LibererCompetence(op.cible); break;
    case Genre::Baisser: op.action = f.BaisserNiveau(op.cible); break;
    case Genre::Monter: op.action = f.MonterNiveau(op.cible); break;
    }
    return op;
}

std::string Journal(int n, const std::deque<Operation>& dernieres) {
    static constexpr std::array<const char*, 6> noms{"ChoisirCaract", "ChoisirDescription", "PrendreCompetence",
                                                     "LibererCompetence", "BaisserNiveau", "MonterNiveau"};
    std::ostringstream j;
    j << "après l'opération " << n << ", dernières opérations:";
    for (const auto& op : dernieres) {
        j << "\n  " << noms[static_cast<std::size_t>(op.genre)] << "(" << op.cible;
        if (op.genre == Genre::Caract || op.genre == Genre::Description) j << ", " << op.index;
        j << ")" << (op.action.refusee() ? " refusée" : op.action.acceptee() ? "" : " sans effet");
    }
    return j.str();
}

TEST(EconomieProperty, LesPointsRestantsSuiventToujoursLesChoixReserves) {
    std::map<std::string_view, int> refusParTitre;
    for (const int rang : {2, 1, 0}) {
        for (const std::uint32_t graine : {1U, 7U, 2024U}) {
            SCOPED_TRACE(testing::Message() << "rang " << rang << ", graine " << graine);
            ModuleVorn m;
            if (rang == 2) {
                CreerAgent(m, rang, static_cast<int>(graine % 2));
            } else {
                CreerAgent(m, rang, static_cast<int>(graine % 2), {1, 6, 50, 50, 50});
            }
            FeuilleVorn f(m);
            f.Charger();
            ASSERT_TRUE(Invariants(f));

            std::mt19937 alea(graine);
            std::deque<Operation> dernieres;
            int refus = 0;
            Instantane avant(f);
            for (int n = 0; n < 20000; ++n) {
                dernieres.push_back(Hasard(f, alea));
                if (dernieres.size() > 8) dernieres.pop_front();
                const Action& a = dernieres.back().action;
                ASSERT_TRUE(Invariants(f)) << Journal(n, dernieres);
                Instantane apres(f);
                // A refused or void action leaves everything as it was booked.
                if (!a.acceptee() && !(apres == avant)) {
                    ASSERT_EQ(Decrire(apres), Decrire(avant)) << Journal(n, dernieres);
                }
                avant = std::move(apres);
                const bool age = dernieres.back().genre == Genre::Description && dernieres.back().cible == static_cast<int>(D::Age);
                ASSERT_EQ(a.ouvrirChampsExp, age && a.acceptee()) << Journal(n, dernieres);
                if (a.refusee()) {
                    ++refus;
                    ++refusParTitre[a.titre];
                }
            }
            // The run must have gone where the budget runs out, or it proved little.
            EXPECT_GT(refus, 50);
        }
    }
    for (const std::string_view titre : {TitreCaracteristiques, TitreRefus(D::Apparence), TitreRefus(D::Age),
                                         TitreRefus(D::Faiblesse), TitreRefus(D::Taille), TitreRefus(D::Poids),
                                         TitreCompetences, TitreNiveau}) {
        EXPECT_GT(refusParTitre[titre], 0) << titre;
    }
}

} // namespace
