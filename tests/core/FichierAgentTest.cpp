#include "ChampsExperience.h"
#include "Choix.h"
#include "FichierAgent.h"
#include "Oracle.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <random>
#include <set>
#include <sstream>

namespace {

using json = nlohmann::ordered_json;
using D = Description;

std::size_t u(int i) { return static_cast<std::size_t>(i); }

// Everything the sheet shows or reads back.
std::string EtatFeuille(const FeuilleVorn& f) {
    std::ostringstream os;
    for (const auto* listes : {&f.caract, &f.description})
        for (const auto& l : *listes) os << l.index << '/' << l.entrees.size() << ' ';
    for (const auto& l : f.lignes) os << l.valeur << ' ' << l.niveau << ' ' << l.base << ' ' << l.cb << ';';
    for (const auto* t : {&f.TxtNomJoueur, &f.TxtNomPerso, &f.TxtRang, &f.TxtSexe, &f.TxtProfession, &f.TxtPtGénération,
                          &f.TxtPtCélébrité, &f.TxtVitesse, &f.TxtEndurance, &f.TxtCourse, &f.TxtCharge, &f.TxtClasse})
        os << *t << '|';
    for (const auto* l : {&f.LstCicatrices, &f.LstChpExpérience})
        for (const auto& s : *l) os << s << '|';
    return os.str();
}

void Invariants(const FeuilleVorn& f) {
    const Oracle::Choix c = Oracle::Lire(f);
    const int points = Oracle::Points(c, f.m.PtGeneration);
    std::array<int, 5> valeurs{};
    for (std::size_t k = 0; k < 5; ++k) valeurs[k] = 5 + c.listes[k];
    bool lignes = true;
    for (std::size_t i = 0; i < f.lignes.size(); ++i) {
        const auto& l = f.lignes[i];
        lignes = lignes && (l.active() ? l.niveau >= 1 && l.niveau <= 15 : l.niveau == 0) && l.valeur >= 0 &&
                 l.valeur <= 2 && l.base == Oracle::Base(static_cast<int>(i), valeurs, f.lignes[2].niveau) &&
                 l.cb == l.base + l.niveau;
    }
    ASSERT_GE(points, 0);
    ASSERT_EQ(std::tuple(lignes, +f.m.PtRestants, f.TxtPtGénération, f.TxtPtCélébrité,
                         std::array{f.TxtClasse, f.TxtCharge, f.TxtVitesse, f.TxtEndurance, f.TxtCourse}),
              std::tuple(true, points, std::to_string(points),
                         std::to_string(Oracle::Celebrite(c, f.m.BonusSexe)) + " (+" +
                             std::to_string(f.m.BonusCicatrices) + ")",
                         Oracle::Derivees(valeurs)));
}

// The record less the screens' working values, which nothing reads once their procedure is over.
ModuleVorn SansTravail(ModuleVorn m) {
    m.Reponse = m.Indice = m.DeBlessure = m.DeCicatrices = m.NbChpExp = 0;
    m.Touche.clear();
    return m;
}

// The choice screen, random purchases, the fields of experience after each accepted age ticked at random.
void AgentAuHasard(std::mt19937& alea, ModuleVorn& m, FeuilleVorn& f, int actions, std::set<std::string_view>& titres) {
    static const std::array<std::string, 5> noms{"BOND", "Ève «Zoé» d'Arc", "a\"b\\c/:*?<>|", "😀 ŁUKASZ", "  007 "};
    constexpr std::array<Action (FeuilleVorn::*)(int), 4> competences{
        &FeuilleVorn::PrendreCompetence, &FeuilleVorn::LibererCompetence, &FeuilleVorn::BaisserNiveau,
        &FeuilleVorn::MonterNiveau};
    auto tirer = [&alea](std::size_t n) { return static_cast<std::int16_t>(alea() % n); };
    ChargerChoix(m);
    m.NomJoueur = noms[u(tirer(5))];
    ChoisirRang(m, tirer(3));
    ChoisirSexe(m, tirer(2));
    ChoisirProfession(m, tirer(7));
    DesAleatoires des(alea());
    ValiderChoix(m, noms[u(tirer(5))], des);
    f.Charger();
    // Spending weighs more than giving back, so that even the largest budget runs out in a long walk.
    std::discrete_distribution<int> genres{3, 2, 3, 1, 1, 8};
    for (int n = 0; n < actions; ++n) {
        const int genre = genres(alea), cible = tirer(genre < 2 ? 5 : NbLignesCompetences);
        const auto c = u(cible);
        const std::int16_t choix = tirer(genre == 1 ? f.description[c].entrees.size() : 11);
        SCOPED_TRACE(testing::Message() << "action " << n << " : " << genre << ' ' << cible << ' ' << choix);
        const Oracle::Choix avant = Oracle::Lire(f);
        Oracle::Choix voulu = avant;
        int& niveau = voulu.niveaux[c];
        if (genre < 2)
            voulu.listes[5 * u(genre) + c] = choix;
        else
            niveau = std::array{1, 0, niveau - 1, niveau + 1}[u(genre - 2)];
        const Action a = genre == 0   ? f.ChoisirCaract(ToutesCaract[c], choix)
                         : genre == 1 ? f.ChoisirDescription(ToutesDescriptions[c], choix)
                                      : (f.*competences[u(genre - 2)])(cible);
        ASSERT_NO_FATAL_FAILURE(Invariants(f));
        // Accepted: the choice made; else the choices before (Invariants checked all that follows from them).
        ASSERT_TRUE(Oracle::Lire(f) == (a.acceptee() ? voulu : avant));
        ASSERT_TRUE(!a.refusee() || Oracle::Points(voulu, m.PtGeneration) < 0);
        ASSERT_EQ(a.ouvrirChampsExp, genre == 1 && cible == static_cast<int>(D::Age) && a.acceptee());
        if (a.refusee()) titres.insert(a.titre);
        if (!a.ouvrirChampsExp) continue;
        ChampsExperienceVorn dialogue(m);
        for (int k = tirer(10); k > 0; --k) {
            const bool prof = tirer(2) == 0;
            const int i = tirer(prof ? 7 : 12);
            if (prof && !dialogue.visibleProf[u(i)]) continue;
            const bool coche = prof ? dialogue.cocheProf[u(i)] : dialogue.cocheGen[u(i)];
            coche ? dialogue.Decocher(prof, i) : void(dialogue.Cocher(prof, i));
        }
        if (tirer(4) > 0) dialogue.Valider();
        f.ReconstruireChampsExpérience();
    }
}

TEST(Agent, ChaqueActionSuitLesReglesEtLeFichierRendLeMemeAgent) {
    std::mt19937 alea(20261207);
    std::set<std::tuple<std::int16_t, std::int16_t, std::int16_t, std::int16_t>> vus; // rank, sex, profession, scars
    std::set<std::size_t> champs;
    std::set<std::string_view> titres;
    for (int k = 0; k < 10000; ++k) {
        ModuleVorn m, m2;
        FeuilleVorn f(m), f2(m2);
        SCOPED_TRACE(testing::Message() << "agent " << k);
        // Mostly short lives, as a saved agent has; now and then a long one that drives every budget to its end.
        ASSERT_NO_FATAL_FAILURE(AgentAuHasard(alea, m, f, k % 400 == 0 ? 5000 : static_cast<int>(alea() % 60), titres));
        const std::string texte = EcrireAgent(f);
        ASSERT_EQ(OuvrirAgent(texte, m2, f2), "") << texte;
        ASSERT_TRUE(SansTravail(m2) == SansTravail(m)) << texte;
        ASSERT_EQ(EtatFeuille(f2), EtatFeuille(f)) << texte;
        vus.insert({m.PtGeneration, m.Sexe, m.Profession, m.NbCicatrices});
        champs.insert(f.LstChpExpérience.size());
    }
    // Every rank, sex and profession, each scarred rank with 0 to 3 scars; lists of 1 to 6 fields; every refusal.
    EXPECT_EQ(vus.size(), 2U * 7U * (1U + 4U + 4U));
    EXPECT_EQ(champs.size(), 6U);
    EXPECT_EQ(titres.size(), 8U);
}

// A full agent of every kind of choice: "Agent", two scars, age 31 and its fields, skills taken and raised.
json AgentDeReference() {
    ModuleVorn m;
    ChargerChoix(m);
    m.NomJoueur = "ALICE";
    ChoisirRang(m, 1);
    ChoisirSexe(m, 1);
    ChoisirProfession(m, 5);
    DesScriptes des;
    des.jets = {1, 5, 1, 50}; // scarred, two scars: face and back
    ValiderChoix(m, "Zoé", des);
    FeuilleVorn f(m);
    f.Charger();
    f.ChoisirDescription(Description::Age, 3);
    ChampsExperienceVorn d(m);
    d.Cocher(true, 3);
    d.Cocher(false, 5);
    d.Valider();
    f.ChoisirCaract(Caract::INT, 6);
    f.ChoisirDescription(Description::Faiblesse, 6);
    f.ChoisirDescription(Description::Taille, 3);
    for (const int i : {14, 20}) f.PrendreCompetence(i);
    for (int n = 0; n < 4; ++n) f.MonterNiveau(14);
    return json::parse(EcrireAgent(f));
}

TEST(FichierAgent, LesFichiersAbimesOuHostilesSontRefusesAvecLeurRaison) {
    const json ref = AgentDeReference();
    const std::string texte = ref.dump(4) + "\n";
    ASSERT_EQ(VerifierAgent(texte), "");

    // Truncated at every byte: nothing short of the closing brace is an agent.
    for (std::size_t n = 0; n + 1 < texte.size(); ++n)
        ASSERT_EQ(VerifierAgent(texte.substr(0, n)), "Fichier tronqué ou illisible") << n;

    // One change merged into an agent at a place (null there removes a key), and the reason it is refused.
    const auto verifier = [](json j, const std::string& ou, const json& retouche) {
        j[json::json_pointer(ou)].merge_patch(retouche);
        return VerifierAgent(j.dump(4));
    };
    const std::vector<std::tuple<std::string, json, std::string>> cas{
        {"/version", 2, "Format d'une version plus récente (2)"},
        {"/version", 0, "Version de format inconnue (0)"},
        {"/version", "1", "« version » : nombre entier attendu"},
        {"/format", "autre", "Ce fichier n'est pas un agent ZazUvureVorn"},
        {"", {{"joueur", nullptr}}, "Clé « joueur » absente"},
        {"/bonus", 1, "Clé inconnue « bonus »"},
        {"/personnage", "", "Nom du personnage vide"},
        {"/joueur", "A\tB", "Nom du joueur : caractère de contrôle"},
        {"/rang", "Général", "Rang « Général » inconnu"},
        {"/sexe", 1, "« sexe » : texte attendu"},
        {"/profession", "Espion", "Profession « Espion » inconnue"},
        {"/cicatrices/-", "Pied", "Cicatrice « Pied » inconnue"},
        {"/cicatrices", {"Dos", "Dos", "Dos", "Dos"}, "Cicatrices : 4 au lieu de 3 au plus"},
        {"/rang", "Recrue", "Cicatrices : impossibles au rang Recrue"},
        {"/caracteristiques", json::array(), "« caracteristiques » : groupe attendu"},
        {"/caracteristiques/FOR", 16, "Caractéristique FOR : valeur 16 hors limites"},
        {"/caracteristiques/DEX", 4, "Caractéristique DEX : valeur 4 hors limites"},
        {"/description/faiblesse", "Vertige", "Description : faiblesse « Vertige » inconnue"},
        // The heights of the other sex are not on this agent's list.
        {"/description/taille", "1,96 +", "Description : taille « 1,96 + » inconnue"},
        {"/competences/Magie", ref["competences"]["Jeu"], "Compétence « Magie » inconnue"},
        {"/competences", {{"Jeu", nullptr}}, "Compétence « Jeu » absente"},
        {"/competences/Jeu/niveau", 16, "Compétence « Jeu » : niveau 16 hors limites"},
        {"/competences/Jeu/niveau", 0, "Compétence « Jeu » : niveau 0 hors limites"},
        {"/competences/Agilité/niveau", 2, "Compétence « Agilité » : niveau 2 hors limites"},
        {"/competences/Jeu/niveau", 5.0, "« niveau » : nombre entier attendu"},
        {"/competences/Jeu/etat", "gratuite", "Compétence « Jeu » : ne peut pas être gratuite"},
        {"/competences/Charisme/etat", "non prise", "Compétence « Charisme » : toujours gratuite"},
        {"/competences/Jeu/etat", "apprise", "Compétence « Jeu » : état « apprise » inconnu"},
        {"/description/age", 28, "Champs d'expérience : 2 choisis, l'âge en permet 1"},
        {"/description/age", nullptr, "Champs d'expérience choisis sans âge"},
        {"/champsExperience/professionnels",
         {"Joaillerie"},
         "Champ d'expérience « Joaillerie » non offert à la profession Scientifique"},
        {"/champsExperience/generaux", {"Golf", "Golf"}, "Champ d'expérience « Golf » en double"},
        // 6000 + 80 (age) + 100 (weakness) - 5 x 1350 - 120 (height) - 180 and 380 (two skills) = -1250.
        {"",
         {{"competences", {{"Sciences", {{"niveau", 15}}}}},
          {"caracteristiques", {{"FOR", 15}, {"DEX", 15}, {"VOL", 15}, {"PER", 15}, {"INT", 15}}}},
         "Points de génération dépassés de 1250"},
    };
    for (const auto& [ou, retouche, raison] : cas) EXPECT_EQ(verifier(ref, ou, retouche), raison) << ou;

    // A "Recrue" with nothing taken: its characteristics and looks decide the points. Every price is a multiple of
    // 5: the smallest overdraft is 5, and one step cheaper fits exactly.
    json recrue = ref;
    const json sansPrise = {{"etat", "non prise"}, {"niveau", 0}};
    recrue.merge_patch({{"rang", "Recrue"},
                        {"cicatrices", json::array()},
                        {"description", {{"faiblesse", "(aucune)"}, {"taille", "(aucune)"}}},
                        {"champsExperience", {{"professionnels", json::array()}, {"generaux", json::array()}}},
                        {"competences", {{"Jeu", sansPrise}, {"Sciences", sansPrise}}}});
    recrue["description"]["age"] = nullptr;
    EXPECT_EQ(verifier(recrue, "",
                       {{"caracteristiques", {{"FOR", 9}, {"DEX", 13}, {"VOL", 15}, {"PER", 5}, {"INT", 5}}},
                        {"sexe", "Masculin"},
                        {"description", {{"apparence", "Stricte"}, {"taille", "1,71 - 1,75"}}}}),
              "Points de génération dépassés de 5");
    recrue["caracteristiques"] = {{"FOR", 15}, {"DEX", 15}, {"VOL", 8}, {"PER", 5}, {"INT", 5}};
    ModuleVorn m;
    FeuilleVorn f(m);
    EXPECT_EQ(std::pair(OuvrirAgent(recrue.dump(), m, f), f.TxtPtGénération),
              std::pair(std::string(), std::string("0")));

    // What a document cannot say but a file can: bytes, repeated keys, depth, size.
    const auto remplacer = [&texte](std::string_view de, std::string_view par) {
        std::string t = texte;
        return t.replace(t.find(de), de.size(), par);
    };
    const std::size_t e = texte.find("é");
    const std::string pasUtf8 = "Texte qui n'est pas de l'UTF-8 (octet " + std::to_string(e + 1) + ")";
    std::string tropGros = texte, justeAssez = texte;
    tropGros.insert(texte.size() - 2, TailleMaxAgent + 1 - texte.size(), ' ');
    justeAssez.insert(texte.size() - 2, TailleMaxAgent - texte.size(), ' ');
    const std::vector<std::pair<std::string, std::string>> octets{
        {remplacer("\"sexe\"", "\"sexe\": \"Féminin\", \"sexe\""), "Clé « sexe » en double"},
        {remplacer("\"cicatrices\": [", "\"cicatrices\": [[[[[[[[[]]]]]]]], "), "Imbrication trop profonde"},
        {texte.substr(0, e) + "\xFF" + texte.substr(e + 2), pasUtf8},
        {texte.substr(0, e) + "\xC3\x28" + texte.substr(e + 2), pasUtf8},
        {remplacer("\"Visage\"", "\"Vis\\u0000age\""), "Cicatrice « Vis" + std::string(1, '\0') + "age » inconnue"},
        {"[1, 2]", "Ce fichier n'est pas un agent ZazUvureVorn"},
        {tropGros, "Fichier trop gros (plus de 1 Mio)"},
        {justeAssez, ""},
        {"\xEF\xBB\xBF" + texte, ""}, // a byte-order mark, as some editors write
    };
    for (const auto& [contenu, raison] : octets) EXPECT_EQ(VerifierAgent(contenu), raison) << contenu.size();
}

TEST(FichierAgent, LeNomProposeEstCeluiDuPersonnageSansCaracteresInterdits) {
    std::string long_(239, 'a');
    long_ += "éé";
    const std::array<std::pair<std::string_view, std::string>, 5> cas{
        {{"BOND", "BOND.vorn"},
         {"a:b*c?d\"e<f>g|h\\i/j\tk", "a_b_c_d_e_f_g_h_i_j_k.vorn"},
         {"Zoé. ", "Zoé.vorn"},
         {"..", "agent.vorn"},
         {long_, std::string(239, 'a') + ".vorn"}}}; // not cut inside a character
    for (const auto& [nom, fichier] : cas) EXPECT_EQ(NomFichierAgent(nom), fichier);
}

} // namespace
