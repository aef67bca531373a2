#include "FeuilleVorn.h"
#include "Oracle.h"
#include "PositionCentree.h"
#include "Texte.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

std::string EtatFeuille(const FeuilleVorn& f); // FichierAgentTest.cpp

namespace {

using D = Description;

testing::AssertionResult Invariants(const FeuilleVorn& f) {
    ModuleVorn& m = f.m;
    const Oracle::Choix c = Oracle::Lire(f);
    const int points = Oracle::Points(c, m.PtGeneration), celebrite = Oracle::Celebrite(c, m.BonusSexe);
    // The booked choices, which a refusal puts back.
    bool reserve = std::tuple(m.AncCoutApparence, m.AncCoutTaille, m.AncCoutPoids, m.AncGainAge, m.AncGainFaiblesse,
                              m.IdxTaille, m.IdxPoids, m.IdxFaiblesse, m.TexteApparence, m.TexteAge) ==
                   std::tuple(m.CoutApparence, m.CoutTaille, m.CoutPoids, m.GainAge, m.GainFaiblesse,
                              f.liste(D::Taille).index, f.liste(D::Poids).index, f.liste(D::Faiblesse).index,
                              f.liste(D::Apparence).texte(), f.liste(D::Age).texte());
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
    const auto obtenu =
        std::tuple(reserve, lignes, +m.PtRestants, f.TxtPtGénération,
                   std::array{f.TxtClasse, f.TxtCharge, f.TxtVitesse, f.TxtEndurance, f.TxtCourse}, f.TxtPtCélébrité);
    const auto attendu = std::tuple(true, true, points, std::to_string(points), Oracle::Derivees(valeurs),
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
            std::string avant = EtatFeuille(f);
            for (int n = 0; n < 20000; ++n) {
                const int genre = genres(alea), cible = tirer(genre < 2 ? 5 : NbLignesCompetences);
                const auto c = static_cast<std::size_t>(cible);
                const std::int16_t choix = tirer(genre == 1 ? f.description[c].entrees.size() : 11);
                SCOPED_TRACE(testing::Message() << "graine " << graine << ", rang " << rang << ", opération " << n
                                                << " (" << genre << ", " << cible << ", " << choix << ")");
                // What the action asks for: the oracle accepts it exactly when the points stay positive.
                Oracle::Choix voulu = Oracle::Lire(f);
                int& niveau = voulu.niveaux[c];
                if (genre < 2)
                    voulu.listes[5 * static_cast<std::size_t>(genre) + c] = choix;
                else
                    niveau = std::array{1, 0, niveau - 1, niveau + 1}[static_cast<std::size_t>(genre - 2)];
                const Action a = genre == 0   ? f.ChoisirCaract(ToutesCaract[c], choix)
                                 : genre == 1 ? f.ChoisirDescription(ToutesDescriptions[c], choix)
                                              : (f.*competences[static_cast<std::size_t>(genre - 2)])(cible);
                ASSERT_TRUE(Invariants(f));
                ASSERT_TRUE(!a.acceptee() || Oracle::Lire(f) == voulu) << "accepté mais autre choix";
                ASSERT_TRUE(!a.refusee() || Oracle::Points(voulu, m.PtGeneration) < 0) << "refusé à tort";
                // A refused or void action leaves everything as it was booked.
                if (std::string apres = EtatFeuille(f); a.acceptee())
                    avant = std::move(apres);
                else
                    ASSERT_EQ(apres, avant);
                ASSERT_EQ(a.ouvrirChampsExp, genre == 1 && cible == static_cast<int>(D::Age) && a.acceptee());
                if (a.refusee()) titres.insert(a.titre);
            }
        }
    }
    // Every kind of refusal must have been reached, or the walk proved little.
    EXPECT_EQ(titres.size(), 8U);
}

TEST(Cicatrices, LeD100SelonLeBudgetPuisLeD6PuisUnD100ParCicatrice) {
    // Budget, rolls, scars, fame bonus; the places' rolls sit on both borders of every body zone.
    using Cas = std::tuple<std::int16_t, std::vector<std::int16_t>, std::array<std::string, 3>, int>;
    const std::array<Cas, 11> cas{{
        {3000, {1}, {"(aucune)"}, 0}, // a "Recrue" is never scarred, but its d100 is rolled all the same
        {6000, {61}, {"(aucune)"}, 0},
        {9000, {91}, {"(aucune)"}, 0},
        {6000, {60, 4, 1}, {"Visage"}, 20},
        {6000, {1, 1, 12}, {"Visage"}, 20},
        {9000, {90, 5, 13, 23}, {"Cou", "Cou"}, 40},
        {6000, {60, 1, 100}, {"Jambe Droite"}, 20},
        {9000, {1, 6, 24, 45, 46}, {"Poitrine", "Poitrine", "Dos"}, 60},
        {9000, {1, 5, 93, 94}, {"Jambe Gauche", "Jambe Droite"}, 40},
        {9000, {1, 6, 66, 67, 74}, {"Dos", "Bras Gauche", "Bras Gauche"}, 60},
        {6000, {1, 6, 75, 85, 86}, {"Bras Droit", "Bras Droit", "Jambe Gauche"}, 60},
    }};
    for (const auto& [budget, jets, cicatrices, bonus] : cas) {
        ModuleVorn m;
        m.PtGeneration = budget;
        DesScriptes des;
        des.jets.assign(jets.begin(), jets.end());
        TirageCicatrices(m, des);
        const int n = bonus / 20;
        std::vector<std::int16_t> faces(static_cast<std::size_t>(n > 0 ? n + 2 : 1), 100);
        if (n > 0) faces[1] = 6;
        EXPECT_EQ(std::tuple(des.faces, des.jets.size(), std::array{m.Cicatrice1, m.Cicatrice2, m.Cicatrice3},
                             +m.NbCicatrices, +m.BonusCicatrices),
                  std::tuple(faces, std::size_t{0}, cicatrices, n, bonus))
            << testing::PrintToString(jets);
    }
}

TEST(Tables, RechercheHorsTable) {
    EXPECT_EQ(std::tuple(TexteProfession(-1), TexteProfession(6), TexteProfession(7)), std::tuple("", "Voleur", ""));
    EXPECT_FALSE(ChampsProfessionnels(-1) || ChampsProfessionnels(7) || TableFaiblesse(-1) || TableFaiblesse(13) ||
                 TableTaillePoids(-1) || TableTaillePoids(10) || CoutDeValeur("16") || CoutDeValeur("") ||
                 TableApparence("") || TableAge("34"));
}

TEST(PositionCentree, CentreEtRetientLesFenetresTropGrandes) {
    // Area x, y, width, height; window width, height; expected corner.
    constexpr std::array<std::array<int, 8>, 3> cas{{{100, 50, 1000, 800, 400, 200, 400, 350},
                                                     {10, 20, 1920, 1080, 2500, 1400, 10, 20},
                                                     {10, 20, 1920, 1080, 2500, 400, 10, 360}}};
    for (const auto& [zx, zy, zl, zh, l, h, x, y] : cas) {
        const Position p = PositionCentree(zx, zy, zl, zh, l, h);
        EXPECT_EQ(std::pair(p.x, p.y), std::pair(x, y)) << l << "x" << h;
    }
}

TEST(Texte, LeFiltreDesTouchesMetEnCapitalesWindows1252EtGardeLeReste) {
    // Typed text, filtered text, bytes of the first key (the last typed key is split off the same way).
    constexpr std::array<std::tuple<std::string_view, std::string_view, std::size_t>, 12> cas{{
        {"jean-luc az", "JEAN-LUC AZ", 1},
        // Both ends of the accented range, and the four letters whose capitals sit elsewhere in the code page.
        {"àéçñðþœšžÿ", "ÀÉÇÑÐÞŒŠŽŸ", 2},
        {"€AÉ`{µß÷×7'!\b", "€AÉ`{µß÷×7'!\b", 3}, // already capitals, just outside a..z, or no capital in the code page
        {"😀łдДבǆωŝ", "😀łдДבǆωŝ", 4},             // outside Windows-1252: kept exactly as typed
        // An invalid byte, then a lone lead byte before an ASCII letter: neither may eat its neighbours.
        {"ł\xFF"
         "à😀\xC3"
         "b",
         "ł\xFF"
         "À😀\xC3"
         "B",
         2},
        // Overlong, surrogate, past Unicode, cut short, stray continuation: each byte a key of its own, kept as it is.
        {"\xC1\xA1y", "\xC1\xA1Y", 1},
        {"\xE0\x81\xA1q", "\xE0\x81\xA1Q", 1},
        {"\xED\xA0\x80z", "\xED\xA0\x80Z", 1},
        {"\xF4\x90\x80\x80i", "\xF4\x90\x80\x80I", 1},
        {"\xE2\x82", "\xE2\x82", 1},
        {"\xA9u", "\xA9U", 1},
        {"", "", 0},
    }};
    for (const auto& [tape, attendu, longueur] : cas) {
        EXPECT_EQ(FiltrerSaisie(tape), attendu) << tape;
        EXPECT_EQ(LongueurPremierCaractere(tape), longueur) << tape;
    }
}

} // namespace
