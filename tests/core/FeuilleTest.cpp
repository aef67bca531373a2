#include "OutilsCore.h"

#include <array>

namespace {

using D = Description;
using Textes = std::vector<std::string>;

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
        using Achat = std::pair<D, int>;
        for (const auto& [d, i] : std::array<Achat, 4>{{{D::Apparence, 6}, {D::Taille, 1}, {D::Poids, 1}, {D::Age, 5}}})
            EXPECT_TRUE(f.ChoisirDescription(d, std::int16_t(i)).acceptee());
        EXPECT_EQ(f.TxtPtCélébrité, celebrite);
        EXPECT_TRUE(f.ChoisirDescription(D::Faiblesse, 7).acceptee() && f.PrendreCompetence(0).acceptee() &&
                    f.MonterNiveau(0).acceptee());
    }
}

} // namespace
