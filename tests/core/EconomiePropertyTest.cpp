#include "FeuilleVorn.h"
#include "Oracle.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <sstream>

namespace {

using D = Description;

// What the player sees or the rules read back: selections, skill rows and display texts.
std::string Etat(const FeuilleVorn& f) {
    std::ostringstream os;
    for (const auto* l : {&f.caract, &f.description})
        for (const auto& x : *l) os << x.index << ' ';
    for (const auto& l : f.lignes) os << l.valeur << ' ' << l.niveau << ' ' << l.base << ' ' << l.cb << ';';
    os << f.TxtPtGénération << '|' << f.TxtPtCélébrité << '|' << f.TxtVitesse << '|' << f.TxtEndurance << '|'
       << f.TxtCourse << '|' << f.TxtCharge << '|' << f.TxtClasse << '|' << f.m.PtRestants << '|' << f.m.PtCelebrite;
    return os.str();
}

testing::AssertionResult Invariants(const FeuilleVorn& f) {
    ModuleVorn& m = f.m;
    const Oracle::Choix c = Oracle::Lire(f);
    const int points = Oracle::Points(c, m.PtGeneration), celebrite = Oracle::Celebrite(c, m.BonusSexe);
    // The booked choices, which a refusal puts back.
    bool reserve =
        std::tuple(m.AncCoutApparence, m.AncCoutTaille, m.AncCoutPoids, m.AncGainAge, m.AncGainFaiblesse, m.IdxTaille,
                   m.IdxPoids, m.IdxFaiblesse, m.TexteApparence, m.TexteAge) ==
        std::tuple(m.CoutApparence, m.CoutTaille, m.CoutPoids, m.GainAge, m.GainFaiblesse, f.liste(D::Taille).index,
                   f.liste(D::Poids).index, f.liste(D::Faiblesse).index, f.liste(D::Apparence).texte(),
                   f.liste(D::Age).texte());
    std::array<int, 5> valeurs{};
    for (const Caract x : ToutesCaract) {
        reserve = reserve && AncCoutDe(m, x) == CoutDe(m, x) && TexteDe(m, x) == f.liste(x).texte();
        valeurs[static_cast<std::size_t>(x)] = 5 + f.liste(x).index;
    }
    bool lignes = true;
    for (std::size_t i = 0; i < f.lignes.size(); ++i) {
        const auto& l = f.lignes[i];
        lignes = lignes && (l.active() ? l.niveau >= 1 && l.niveau <= 15 : l.niveau == 0) && l.valeur >= 0 &&
                 l.valeur <= 2 && l.base == Oracle::Base(static_cast<int>(i), valeurs, f.lignes[2].niveau) &&
                 l.cb == l.base + l.niveau;
    }
    const auto obtenu = std::tuple(reserve, lignes, +m.PtRestants, f.TxtPtGénération,
                                   std::array{f.TxtClasse, f.TxtCharge, f.TxtVitesse, f.TxtEndurance, f.TxtCourse},
                                   f.TxtPtCélébrité);
    const auto attendu = std::tuple(true, true, points, std::to_string(points), Oracle::Derivees(valeurs),
                                    std::to_string(celebrite) + " (+" + std::to_string(m.BonusCicatrices) + ")");
    if (points >= 0 && obtenu == attendu) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "(réservé, lignes, points, textes) " << testing::PrintToString(obtenu)
                                       << " au lieu de " << testing::PrintToString(attendu);
}

TEST(EconomieProperty, LesPointsRestantsSuiventToujoursLesChoixReserves) {
    constexpr std::array<Action (FeuilleVorn::*)(int), 4> competences{&FeuilleVorn::PrendreCompetence, &FeuilleVorn::LibererCompetence,
                                                                      &FeuilleVorn::BaisserNiveau, &FeuilleVorn::MonterNiveau};
    std::set<std::string_view> titres;
    for (const int rang : {2, 1, 0}) {
        for (const std::uint32_t graine : {1U, 2024U}) {
            // A new agent through the choice screen; the two larger budgets come with three scars.
            ModuleVorn m;
            ChargerChoix(m);
            ChoisirRang(m, rang);
            ChoisirSexe(m, static_cast<int>(graine % 2));
            DesScriptes des;
            des.jets = rang == 2 ? std::deque<std::int16_t>{50} : std::deque<std::int16_t>{1, 6, 50, 50, 50};
            ValiderChoix(m, "BOND", des);
            ASSERT_TRUE(des.jets.empty());
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
                SCOPED_TRACE(testing::Message() << "graine " << graine << ", rang " << rang << ", opération " << n << " (" << genre
                                                << ", " << cible << ", " << choix << ")");
                // What the action asks for: the oracle accepts it exactly when the points stay positive.
                Oracle::Choix voulu = Oracle::Lire(f);
                int& niveau = voulu.niveaux[c];
                if (genre < 2) voulu.listes[5 * static_cast<std::size_t>(genre) + c] = choix;
                else niveau = std::array{1, 0, niveau - 1, niveau + 1}[static_cast<std::size_t>(genre - 2)];
                const Action a = genre == 0   ? f.ChoisirCaract(ToutesCaract[c], choix)
                                 : genre == 1 ? f.ChoisirDescription(ToutesDescriptions[c], choix)
                                              : (f.*competences[static_cast<std::size_t>(genre - 2)])(cible);
                ASSERT_TRUE(Invariants(f));
                ASSERT_TRUE(!a.acceptee() || Oracle::Lire(f) == voulu) << "accepté mais autre choix";
                ASSERT_TRUE(!a.refusee() || Oracle::Points(voulu, m.PtGeneration) < 0) << "refusé à tort";
                // A refused or void action leaves everything as it was booked.
                if (std::string apres = Etat(f); a.acceptee()) avant = std::move(apres);
                else ASSERT_EQ(apres, avant);
                ASSERT_EQ(a.ouvrirChampsExp, genre == 1 && cible == static_cast<int>(D::Age) && a.acceptee());
                if (a.refusee()) titres.insert(a.titre);
            }
        }
    }
    // Every kind of refusal must have been reached, or the walk proved little.
    EXPECT_EQ(titres.size(), 8U);
}

} // namespace
