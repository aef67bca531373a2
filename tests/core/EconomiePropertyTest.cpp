#include "OutilsCore.h"

#include <array>
#include <map>
#include <random>
#include <set>
#include <tuple>

namespace {

using D = Description;
using Prix = std::pair<int, int>; // cost, fame bonus

// The game's prices written out again, so that the sheet is checked against the rules, not against itself.
const std::map<std::string, Prix> Apparences{{"(aucune)", {0, 0}}, {"Stricte", {120, 20}}, {"Normale", {200, 0}},
    {"Bonne", {160, 10}}, {"Attirante", {120, 20}}, {"Séduisante", {80, 35}}, {"Sensationnelle", {30, 50}}};
constexpr std::array<int, 11> CoutsCaract{0, 100, 200, 300, 400, 500, 650, 800, 975, 1150, 1350};
constexpr std::array<int, 13> GainsFaiblesse{0, 50, 50, 100, 50, 100, 100, 125, 75, 100, 75, 75, 75};
constexpr std::array<Prix, 10> TaillesPoids{{{0, 0}, {30, 50}, {80, 20}, {120, 10}, {160, 5},
                                             {200, 0}, {160, 5}, {120, 10}, {80, 20}, {30, 50}}};

testing::AssertionResult Invariants(const FeuilleVorn& f) {
    ModuleVorn& m = f.m;
    auto index = [&f](D d) { return static_cast<std::size_t>(f.liste(d).index); };
    const int age = f.liste(D::Age).index + 1; // 0: none chosen
    const Prix apparence = Apparences.at(f.liste(D::Apparence).texte());
    const Prix taille = TaillesPoids.at(index(D::Taille)), poids = TaillesPoids.at(index(D::Poids));
    int points = m.PtGeneration + 20 * age + GainsFaiblesse.at(index(D::Faiblesse)) - apparence.first - taille.first -
                 poids.first;
    const int celebrite = apparence.second + 6 * age + taille.second + poids.second - m.BonusSexe;
    // The booked choices, which a refusal puts back.
    bool reserve =
        std::tuple(m.AncCoutApparence, m.AncCoutTaille, m.AncCoutPoids, m.AncGainAge, m.AncGainFaiblesse, m.IdxTaille,
                   m.IdxPoids, m.IdxFaiblesse, m.TexteApparence, m.TexteAge) ==
        std::tuple(m.CoutApparence, m.CoutTaille, m.CoutPoids, m.GainAge, m.GainFaiblesse, f.liste(D::Taille).index,
                   f.liste(D::Poids).index, f.liste(D::Faiblesse).index, f.liste(D::Apparence).texte(),
                   f.liste(D::Age).texte());
    for (const Caract x : ToutesCaract) {
        points -= CoutsCaract.at(static_cast<std::size_t>(f.liste(x).index));
        reserve = reserve && AncCoutDe(m, x) == CoutDe(m, x) && TexteDe(m, x) == f.liste(x).texte();
    }
    bool lignes = true;
    for (const auto& l : f.lignes) {
        const bool active = l.valeur == 1 || l.valeur == 2;
        lignes = lignes && (active ? l.niveau >= 1 && l.niveau <= 15 : l.niveau == 0) && l.cb == l.base + l.niveau;
        points -= (l.valeur == 1 ? 100 : 0) + (active ? 20 * (l.niveau - 1) : 0);
    }
    const auto obtenu = std::tuple(reserve, lignes, +m.PtRestants, f.TxtPtGénération, f.TxtPtCélébrité);
    const auto attendu = std::tuple(true, true, points, std::to_string(points),
                                    std::to_string(celebrite) + " (+" + std::to_string(m.BonusCicatrices) + ")");
    if (points >= 0 && obtenu == attendu) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "(réservé, lignes, points, textes) " << testing::PrintToString(obtenu)
                                       << " au lieu de " << testing::PrintToString(attendu);
}

TEST(EconomieProperty, LesPointsRestantsSuiventToujoursLesChoixReserves) {
    constexpr std::array<Action (FeuilleVorn::*)(int), 4> competences{
        &FeuilleVorn::PrendreCompetence, &FeuilleVorn::LibererCompetence, &FeuilleVorn::BaisserNiveau,
        &FeuilleVorn::MonterNiveau};
    std::set<std::string_view> titres;
    for (const int rang : {2, 1, 0}) {
        for (const std::uint32_t graine : {1U, 2024U}) {
            ModuleVorn m;
            // The two larger budgets come with three scars.
            CreerAgent(m, rang, static_cast<int>(graine % 2),
                       rang == 2 ? std::vector<std::int16_t>{50} : std::vector<std::int16_t>{1, 6, 50, 50, 50});
            FeuilleVorn f(m);
            f.Charger();
            std::mt19937 alea(graine);
            auto tirer = [&alea](std::size_t n) { return static_cast<std::int16_t>(alea() % n); };
            // Spending weighs more than giving back, so that even the largest budget runs out now and then.
            std::discrete_distribution<int> genres{3, 2, 3, 1, 1, 8};
            std::string avant = Etat(f);
            for (int n = 0; n < 20000; ++n) {
                const int genre = genres(alea), cible = tirer(genre < 2 ? 5 : NbLignesCompetences);
                const auto c = static_cast<std::size_t>(cible);
                const std::int16_t choix = tirer(genre == 1 ? f.description[c].entrees.size() : 11);
                SCOPED_TRACE(testing::Message() << "graine " << graine << ", rang " << rang << ", opération " << n
                                                << " (" << genre << ", " << cible << ", " << choix << ")");
                const Action a = genre == 0   ? f.ChoisirCaract(ToutesCaract[c], choix)
                                 : genre == 1 ? f.ChoisirDescription(ToutesDescriptions[c], choix)
                                              : (f.*competences[static_cast<std::size_t>(genre - 2)])(cible);
                ASSERT_TRUE(Invariants(f));
                std::string apres = Etat(f);
                // A refused or void action leaves everything as it was booked.
                if (!a.acceptee()) {
                    ASSERT_EQ(apres, avant);
                }
                avant = std::move(apres);
                ASSERT_EQ(a.ouvrirChampsExp, genre == 1 && cible == static_cast<int>(D::Age) && a.acceptee());
                if (a.refusee()) titres.insert(a.titre);
            }
        }
    }
    // Every kind of refusal must have been reached, or the walk proved little.
    EXPECT_EQ(titres.size(), 8U);
}

} // namespace
