#include "OutilsCore.h"

#include "FeuilleVorn.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace {

using D = Description;
using Textes = std::vector<std::string>;

// A "Recrue" without scars whose budget is then set so that the sheet opens with `points` to spend.
struct Feuille {
    ModuleVorn m;
    FeuilleVorn f{m};
    explicit Feuille(int points = 3000, int sexe = 0) {
        CreerAgent(m, 2, sexe);
        m.PtGeneration = static_cast<std::int16_t>(points);
        f.Charger();
    }
};

void AttendreBases(const FeuilleVorn& f, const std::vector<int>& lignes, int base) {
    for (const int i : lignes) EXPECT_EQ(f.lignes[static_cast<std::size_t>(i)].base, base) << "ligne " << i;
}

void VerifierChargement(int rang, int sexe, std::initializer_list<std::int16_t> jets, const std::string& budget,
                        const std::string& celebrite, const Textes& cicatrices) {
    SCOPED_TRACE(testing::Message() << "rang " << rang << ", sexe " << sexe);
    ModuleVorn m;
    CreerAgent(m, rang, sexe, jets);
    FeuilleVorn f(m);
    f.Charger();
    EXPECT_EQ(f.TxtPtGénération, budget);
    EXPECT_EQ(f.TxtPtCélébrité, celebrite);
    EXPECT_EQ(f.LstCicatrices, cicatrices);
    EXPECT_EQ(f.TxtSexe, sexe == 1 ? " Féminin" : " Masculin");
    EXPECT_EQ(f.LstChpExpérience, Textes{"(aucun)"});
    EXPECT_EQ(f.liste(D::Age).index, -1);
    for (const D d : {D::Apparence, D::Faiblesse, D::Taille, D::Poids}) EXPECT_EQ(f.liste(d).index, 0);
    EXPECT_EQ(f.liste(D::Taille).entrees[1], sexe == 1 ? "1,45 - 1,50" : "1,55 - 1,60");
    EXPECT_EQ(f.liste(D::Poids).texte(), "(aucun)");
    for (int i = 0; i < NbLignesCompetences; ++i) {
        const auto& l = f.lignes[static_cast<std::size_t>(i)];
        EXPECT_EQ(l.niveau, i == LigneCharisme || i == LigneConduite ? 1 : 0) << "ligne " << i;
        EXPECT_EQ(l.base, i == LigneSeduction ? 3 : 5) << "ligne " << i;
        EXPECT_EQ(l.cb, l.base + l.niveau) << "ligne " << i;
    }
    EXPECT_EQ((Textes{f.TxtVitesse, f.TxtEndurance, f.TxtCourse, f.TxtCharge, f.TxtClasse}),
              (Textes{"1", "24", "10", "25 - 45", "A"}));
}

TEST(FeuilleChargement, BudgetCelebriteCicatricesEtValeursDeDepart) {
    VerifierChargement(2, 0, {50}, "3000", "0 (+0)", {"(aucune)", "", ""});
    VerifierChargement(1, 1, {61}, "6000", "-40 (+0)", {"(aucune)", "", ""});
    VerifierChargement(0, 0, {1, 5, 1, 100}, "9000", "0 (+40)", {"Visage", "Jambe Droite", ""});
    VerifierChargement(1, 1, {60, 6, 13, 46, 94}, "6000", "-40 (+60)", {"Cou", "Dos", "Jambe Droite"});
}

TEST(FeuilleChargement, UnNouvelAgentNHeritePasDuPrecedent) {
    ModuleVorn m;
    CreerAgent(m, 0, 1, {1, 6, 1, 2, 3});
    {
        FeuilleVorn f(m);
        f.Charger();
        f.ChoisirDescription(D::Faiblesse, 7);
        f.ChoisirDescription(D::Age, 5);
        f.PrendreCompetence(0);
    }
    CreerAgent(m, 1, 0, {61});
    FeuilleVorn f(m);
    f.Charger();
    EXPECT_EQ(f.TxtPtGénération, "6000");
    EXPECT_EQ(m.AncGainFaiblesse, 0);
}

// Every purchase at its border: with `points` to spend it passes and leaves 0; with one point fewer it
// is refused and leaves the whole sheet as it was booked.
struct Borne {
    const char* nom;
    int points;
    std::function<void(FeuilleVorn&)> preparer;
    std::function<Action(FeuilleVorn&)> agir;
    std::string_view titre;
};

TEST(FeuilleAchats, AccepteAuPointPresRefuseEnDessous) {
    const auto rien = [](FeuilleVorn&) {};
    const std::array<Borne, 8> bornes{{
        {"FOR 5 -> 15", 1350, rien, [](FeuilleVorn& f) { return f.ChoisirCaract(Caract::FOR, 10); }, TitreCaracteristiques},
        {"DEX 12 -> 15", 1350, [](FeuilleVorn& f) { f.ChoisirCaract(Caract::DEX, 7); },
         [](FeuilleVorn& f) { return f.ChoisirCaract(Caract::DEX, 10); }, TitreCaracteristiques},
        {"Sensationnelle", 30, rien, [](FeuilleVorn& f) { return f.ChoisirDescription(D::Apparence, 6); }, "Erreur - Apparence"},
        {"33 -> 28", 80, [](FeuilleVorn& f) { f.ChoisirDescription(D::Age, 5); f.PrendreCompetence(0); },
         [](FeuilleVorn& f) { return f.ChoisirDescription(D::Age, 0); }, "Erreur - Age"},
        {"Drogue -> (aucune)", 100, [](FeuilleVorn& f) { f.ChoisirDescription(D::Faiblesse, 7); f.PrendreCompetence(3); },
         [](FeuilleVorn& f) { return f.ChoisirDescription(D::Faiblesse, 0); }, "Erreur - Faiblesse"},
        {"taille 5", 200, rien, [](FeuilleVorn& f) { return f.ChoisirDescription(D::Taille, 5); }, "Erreur - Taille"},
        {"prendre", 100, rien, [](FeuilleVorn& f) { return f.PrendreCompetence(7); }, TitreCompetences},
        {"monter", 20, rien, [](FeuilleVorn& f) { return f.MonterNiveau(LigneConduite); }, TitreNiveau},
    }};
    for (const auto& b : bornes) {
        for (const int points : {b.points, b.points - 1}) {
            SCOPED_TRACE(testing::Message() << b.nom << " avec " << points << " points");
            Feuille s(points);
            b.preparer(s.f);
            const std::string avant = EtatFeuille(s.f);
            const Action a = b.agir(s.f);
            const bool age = b.titre == "Erreur - Age";
            if (points == b.points) {
                EXPECT_TRUE(a.acceptee());
                EXPECT_EQ(a.ouvrirChampsExp, age);
                EXPECT_EQ(s.f.TxtPtGénération, "0");
            } else {
                EXPECT_TRUE(a.refusee());
                EXPECT_EQ(a.titre, b.titre);
                EXPECT_FALSE(a.ouvrirChampsExp);
                EXPECT_EQ(EtatFeuille(s.f), avant);
            }
        }
    }
}

TEST(FeuilleCaract, LesCapacitesEtFormulesSuiventChaqueChoix) {
    Feuille s(1850);
    auto& [m, f] = s;
    f.ChoisirCaract(Caract::FOR, 10);
    EXPECT_EQ(m.ValFOR, 15);
    EXPECT_EQ((Textes{f.TxtClasse, f.TxtCharge}), (Textes{"C", "126 - 160"}));
    AttendreBases(f, {4}, 15);
    AttendreBases(f, {0, 1, 19}, 10);
    f.ChoisirCaract(Caract::FOR, 0);
    EXPECT_EQ(f.TxtPtGénération, "1850");
    EXPECT_EQ(f.TxtClasse, "A");

    f.ChoisirCaract(Caract::VOL, 5);
    f.ChoisirCaract(Caract::INT, 4);
    EXPECT_EQ((Textes{f.TxtVitesse, f.TxtEndurance, f.TxtCourse}), (Textes{"1", "28", "25"}));
    AttendreBases(f, {7, 8, 9, 10, 13, 15, 20}, 9);
    f.ChoisirCaract(Caract::DEX, 3);
    f.ChoisirCaract(Caract::PER, 6);
    EXPECT_EQ(f.TxtVitesse, "2");

    // Picking the value already shown passes even with nothing left, and changes nothing.
    ASSERT_EQ(f.TxtPtGénération, "0");
    const std::string avant = EtatFeuille(f);
    EXPECT_TRUE(f.ChoisirCaract(Caract::DEX, 3).acceptee());
    EXPECT_EQ(EtatFeuille(f), avant);
}

TEST(FeuilleCompetences, PrendreLibererEtNiveaux) {
    Feuille s;
    auto& [m, f] = s;
    const std::string depart = EtatFeuille(f);
    f.PrendreCompetence(10);
    f.LibererCompetence(10);
    EXPECT_EQ(EtatFeuille(f), depart);

    f.PrendreCompetence(0);
    for (int i = 0; i < 3; ++i) f.MonterNiveau(0);
    EXPECT_EQ(f.lignes[0].cb, f.lignes[0].base + 4);
    EXPECT_EQ(f.TxtPtGénération, "2840");
    f.LibererCompetence(0);
    EXPECT_EQ(f.TxtPtGénération, "3000");
    EXPECT_EQ(f.lignes[0].niveau, 0);
    EXPECT_EQ(f.lignes[0].cb, f.lignes[0].base);

    // The free skills are there from the start and pay only their levels above 1.
    f.MonterNiveau(LigneCharisme);
    f.MonterNiveau(LigneCharisme);
    EXPECT_EQ(m.CoutNiveaux, 40);
    EXPECT_EQ(f.TxtPtGénération, "2960");
    const std::string avant = EtatFeuille(f);
    EXPECT_FALSE(f.LibererCompetence(LigneCharisme).acceptee());
    EXPECT_FALSE(f.PrendreCompetence(LigneConduite).acceptee());
    EXPECT_EQ(EtatFeuille(f), avant);

    f.BaisserNiveau(LigneCharisme);
    f.BaisserNiveau(LigneCharisme);
    for (const int i : {0, 1, 3}) f.PrendreCompetence(i);
    EXPECT_EQ(f.TxtPtGénération, "2700");
    EXPECT_EQ(m.NbCompetences, 5);
    EXPECT_EQ(m.CoutCompetences, 300);
}

TEST(FeuilleCompetences, LesNiveauxRestentEntreUnEtQuinze) {
    Feuille s;
    auto& f = s.f;
    f.PrendreCompetence(1);
    for (int i = 0; i < 14; ++i) ASSERT_TRUE(f.MonterNiveau(1).acceptee());
    const std::string haut = EtatFeuille(f);
    EXPECT_FALSE(f.MonterNiveau(1).acceptee());
    EXPECT_EQ(EtatFeuille(f), haut);
    for (int i = 0; i < 14; ++i) ASSERT_TRUE(f.BaisserNiveau(1).acceptee());
    const std::string bas = EtatFeuille(f);
    EXPECT_FALSE(f.BaisserNiveau(1).acceptee());
    EXPECT_FALSE(f.MonterNiveau(4).acceptee());
    EXPECT_EQ(EtatFeuille(f), bas);
}

TEST(FeuilleCompetences, LesBasesSuiventDEXPriseOuPas) {
    Feuille s;
    auto& [m, f] = s;
    f.PrendreCompetence(0);
    f.PrendreCompetence(6);
    f.MonterNiveau(6);
    ASSERT_TRUE(f.ChoisirCaract(Caract::DEX, 3).acceptee());
    AttendreBases(f, {0, 3, 5, 16, 18, 19}, 6);
    AttendreBases(f, {6, 17}, 8);
    AttendreBases(f, {1, 2, 4, 7, 11, 14, 22, 23}, 5);
    for (const auto& l : f.lignes) EXPECT_EQ(l.cb, l.base + l.niveau);
    EXPECT_EQ(m.CoutCompetences, 200);
    EXPECT_EQ(m.CoutNiveaux, 20);
}

TEST(FeuilleCompetences, SeductionSuitLeNiveauDeCharisme) {
    struct Cas {
        std::int16_t indexVOL;
        std::array<std::int16_t, 3> bases; // at Charisme levels 1, 2, 3
    };
    for (const Cas c : {Cas{0, {3, 3, 4}}, Cas{2, {4, 4, 5}}}) {
        Feuille s(9000);
        auto& f = s.f;
        f.ChoisirCaract(Caract::VOL, c.indexVOL);
        for (std::size_t n = 0; n < 3; ++n) {
            if (n > 0) f.MonterNiveau(LigneCharisme);
            EXPECT_EQ(f.lignes[LigneSeduction].base, c.bases[n]) << "VOL index " << c.indexVOL << ", niveau " << n + 1;
            EXPECT_EQ(f.lignes[LigneSeduction].cb, c.bases[n]);
        }
    }
    // VOL 7 at Charisme level 2: the refused level 3 would have moved Séduction from 4 to 5.
    Feuille s(220);
    s.f.ChoisirCaract(Caract::VOL, 2);
    s.f.MonterNiveau(LigneCharisme);
    ASSERT_EQ(s.f.TxtPtGénération, "0");
    EXPECT_TRUE(s.f.MonterNiveau(LigneCharisme).refusee());
    EXPECT_EQ(s.f.lignes[LigneSeduction].base, 4);
    EXPECT_EQ(s.f.lignes[LigneCharisme].niveau, 2);
}

} // namespace
