#include "OutilsCore.h"

#include <array>
#include <functional>

namespace {

using D = Description;
using Textes = std::vector<std::string>;
using Geste = std::function<Action(FeuilleVorn&)>;

Geste Carac(Caract x, int i) { return [=](FeuilleVorn& f) { return f.ChoisirCaract(x, std::int16_t(i)); }; }
Geste Desc(D d, int i) { return [=](FeuilleVorn& f) { return f.ChoisirDescription(d, std::int16_t(i)); }; }
Geste Prendre(int i) { return [=](FeuilleVorn& f) { return f.PrendreCompetence(i); }; }
Geste Monter(int i) { return [=](FeuilleVorn& f) { return f.MonterNiveau(i); }; }
Geste Baisser(int i) { return [=](FeuilleVorn& f) { return f.BaisserNiveau(i); }; }

// A "Recrue" without scars whose budget is then set so that the sheet opens with `points` to spend.
struct Feuille {
    ModuleVorn m;
    FeuilleVorn f{m};
    explicit Feuille(int points, const std::vector<Geste>& gestes = {}) {
        CreerAgent(m, 2, 0);
        m.PtGeneration = static_cast<std::int16_t>(points);
        f.Charger();
        for (const auto& g : gestes) EXPECT_TRUE(g(f).acceptee());
    }
};

TEST(FeuilleChargement, ChaqueAgentPartDesValeursDeDepartSansHeriterDuPrecedent) {
    // Rank, sex, rolls; rank, budget, fame; scars; fame after Sensationnelle, smallest size and weight, age 33.
    using Cas = std::tuple<int, int, std::vector<std::int16_t>, Textes, Textes, const char*>;
    const std::array<Cas, 4> cas{{
        {2, 0, {50}, {"    Recrue", "3000", "0 (+0)"}, {"(aucune)", "", ""}, "186 (+0)"},
        {1, 1, {61}, {"     Agent", "6000", "-40 (+0)"}, {"(aucune)", "", ""}, "146 (+0)"},
        {0, 0, {1, 5, 1, 100}, {"       '00'", "9000", "0 (+40)"}, {"Visage", "Jambe Droite", ""}, "186 (+40)"},
        {1, 1, {60, 6, 13, 46, 94}, {"     Agent", "6000", "-40 (+60)"}, {"Cou", "Dos", "Jambe Droite"}, "146 (+60)"},
    }};
    // One record for all, as in the program: each agent is made over the purchases of the one before.
    ModuleVorn m;
    for (const auto& [rang, sexe, jets, textes, cicatrices, celebrite] : cas) {
        SCOPED_TRACE(testing::Message() << "rang " << rang << ", sexe " << sexe);
        CreerAgent(m, rang, sexe, jets);
        FeuilleVorn f(m);
        f.Charger();
        EXPECT_EQ((Textes{f.TxtRang, f.TxtPtGénération, f.TxtPtCélébrité}), textes);
        EXPECT_EQ(f.LstCicatrices, cicatrices);
        EXPECT_EQ((Textes{f.TxtNomPerso, f.TxtSexe, f.liste(D::Taille).entrees[1], f.LstChpExpérience.at(0)}),
                  (Textes{"BOND", sexe ? " Féminin" : " Masculin", sexe ? "1,45 - 1,50" : "1,55 - 1,60", "(aucun)"}));
        for (const D d : ToutesDescriptions) EXPECT_EQ(f.liste(d).index, d == D::Age ? -1 : 0);
        for (std::size_t i = 0; i < f.lignes.size(); ++i) {
            const int libre = EstCompetenceLibre(static_cast<int>(i)), base = i == LigneSeduction ? 3 : 5;
            EXPECT_EQ(std::pair(+f.lignes[i].niveau, +f.lignes[i].base), std::pair(libre, base)) << "ligne " << i;
        }
        EXPECT_EQ((Textes{f.TxtVitesse, f.TxtEndurance, f.TxtCourse, f.TxtCharge, f.TxtClasse}),
                  (Textes{"1", "24", "10", "25 - 45", "A"}));
        for (const auto& g : {Desc(D::Apparence, 6), Desc(D::Taille, 1), Desc(D::Poids, 1), Desc(D::Age, 5)})
            EXPECT_TRUE(g(f).acceptee());
        EXPECT_EQ(f.TxtPtCélébrité, celebrite);
        for (const auto& g : {Desc(D::Faiblesse, 7), Prendre(0), Monter(0)}) EXPECT_TRUE(g(f).acceptee());
    }
}

// Every purchase at its border: with `points` to spend it passes and leaves 0; with one point fewer it is
// refused and leaves the whole sheet as it was booked (the age back to 33 with its 6 fields, the weakness to 7).
TEST(FeuilleAchats, AccepteAuPointPresRefuseEnDessous) {
    // Name, points, what comes before, the action at the border, the refusal's title.
    using Borne = std::tuple<const char*, int, std::vector<Geste>, Geste, std::string_view>;
    const std::array<Borne, 8> bornes{{
        {"FOR 5 -> 15", 1350, {}, Carac(Caract::FOR, 10), TitreCaracteristiques},
        {"DEX 12 -> 15", 1350, {Carac(Caract::DEX, 7)}, Carac(Caract::DEX, 10), TitreCaracteristiques},
        {"Sensationnelle", 30, {}, Desc(D::Apparence, 6), TitreRefus(D::Apparence)},
        {"33 -> 28", 80, {Desc(D::Age, 5), Prendre(0)}, Desc(D::Age, 0), TitreRefus(D::Age)},
        {"drogue -> aucune", 100, {Desc(D::Faiblesse, 7), Prendre(3)}, Desc(D::Faiblesse, 0), TitreRefus(D::Faiblesse)},
        {"taille 5", 200, {}, Desc(D::Taille, 5), TitreRefus(D::Taille)},
        {"prendre", 100, {}, Prendre(7), TitreCompetences},
        {"monter", 20, {}, Monter(LigneConduite), TitreNiveau},
    }};
    for (const auto& [nom, limite, preparer, agir, titre] : bornes) {
        for (const int points : {limite, limite - 1}) {
            SCOPED_TRACE(testing::Message() << nom << " avec " << points << " points");
            Feuille s(points, preparer);
            const std::string avant = Etat(s.f);
            const Action a = agir(s.f);
            const bool assez = points == limite;
            EXPECT_TRUE(assez ? a.acceptee() : a.refusee() && a.titre == titre) << a.titre;
            EXPECT_EQ(a.ouvrirChampsExp, assez && titre == TitreRefus(D::Age));
            EXPECT_EQ(assez ? s.f.TxtPtGénération : Etat(s.f), assez ? "0" : avant);
        }
    }
}

TEST(FeuilleCaract, UnChangementRecalculeLesBasesEtLesCapacitesSansToucherAuxCouts) {
    Feuille s(3000, {Prendre(0), Prendre(3), Prendre(6)});
    EXPECT_EQ(std::pair(s.f.TxtPtGénération, +s.m.NbCompetences), std::pair(std::string("2700"), 5));
    s.f.MonterNiveau(6);
    ASSERT_TRUE(s.f.ChoisirCaract(Caract::DEX, 3).acceptee());
    // DEX 8, the others 5: rows 0, 3, 5, 16, 18, 19 halve DEX with another, 6 and 17 read DEX alone.
    constexpr std::array bases{6, 5, 5, 6, 5, 6, 8, 5, 5, 5, 5, 5, 5, 5, 5, 5, 6, 8, 6, 6, 5, 3, 5, 5};
    for (std::size_t i = 0; i < bases.size(); ++i) EXPECT_EQ(s.f.lignes[i].base, bases[i]) << "ligne " << i;
    EXPECT_EQ(std::pair(+s.m.CoutCompetences, +s.m.CoutNiveaux), std::pair(300, 20));

    // Speed reads DEX + PER: 8 + 5, then 8 + 9.
    using enum Caract;
    using F = FeuilleVorn;
    constexpr std::array<std::tuple<Caract, int, std::string F::*, const char*>, 6> cas{
        {{DEX, 3, &F::TxtVitesse, "1"}, {FOR, 10, &F::TxtClasse, "C"}, {FOR, 10, &F::TxtCharge, "126 - 160"},
         {VOL, 5, &F::TxtEndurance, "28"}, {VOL, 5, &F::TxtCourse, "25"}, {PER, 4, &F::TxtVitesse, "2"}}};
    for (const auto& [x, index, texte, attendu] : cas) {
        EXPECT_TRUE(Carac(x, index)(s.f).acceptee());
        EXPECT_EQ(s.f.*texte, attendu) << NomsCaract[static_cast<std::size_t>(x)];
    }
}

TEST(FeuilleCompetences, SeductionSuitLeNiveauDeCharisme) {
    Feuille s(140, {Carac(Caract::VOL, 1)});
    const Geste monter = Monter(LigneCharisme), baisser = Baisser(LigneCharisme);
    // VOL 6, 40 points: Charisme up to 3, a refused 4th level (Séduction would reach 5), back to 1.
    const std::array<std::tuple<Geste, int, bool>, 5> pas{
        {{monter, 4, false}, {monter, 4, false}, {monter, 4, true}, {baisser, 4, false}, {baisser, 3, false}}};
    for (const auto& [geste, cb, refus] : pas) {
        EXPECT_EQ(geste(s.f).refusee(), refus);
        EXPECT_EQ(s.f.lignes[LigneSeduction].cb, cb) << "Charisme " << s.f.lignes[LigneCharisme].niveau;
    }
}

} // namespace
