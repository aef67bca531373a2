#include "ChampsExperience.h"
#include "Choix.h"
#include "FichierAgent.h"
#include "Oracle.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <functional>
#include <random>
#include <set>
#include <sstream>

// Everything the sheet shows or reads back, and the points it books.
std::string EtatFeuille(const FeuilleVorn& f) {
    std::ostringstream os;
    for (const auto* listes : {&f.caract, &f.description}) {
        for (const auto& l : *listes) os << l.index << '/' << l.entrees.size() << ' ';
    }
    for (const auto& l : f.lignes) os << l.valeur << ' ' << l.niveau << ' ' << l.base << ' ' << l.cb << ';';
    for (const auto* t :
         {&f.TxtNomJoueur, &f.TxtNomPerso, &f.TxtRang, &f.TxtSexe, &f.TxtProfession, &f.TxtPtGénération,
          &f.TxtPtCélébrité, &f.TxtVitesse, &f.TxtEndurance, &f.TxtCourse, &f.TxtCharge, &f.TxtClasse}) {
        os << *t << '|';
    }
    for (const auto* l : {&f.LstCicatrices, &f.LstChpExpérience})
        for (const auto& s : *l) os << s << '|';
    os << f.m.PtRestants << '|' << f.m.PtCelebrite;
    return os.str();
}

namespace {

using json = nlohmann::ordered_json;

// The record less the screens' working values, which nothing reads once their procedure is over:
// the dice, the last answer and key, the loop counter, the fields left unchosen in the dialog.
ModuleVorn SansTravail(ModuleVorn m) {
    m.Reponse = m.Indice = m.DeBlessure = m.DeCicatrices = m.NbChpExp = 0;
    m.Touche.clear();
    return m;
}

// An agent made as a player would: the choice screen, then random purchases, refusals included, and the
// fields-of-experience dialog after every accepted age, validated or closed.
void AgentAuHasard(std::mt19937& alea, ModuleVorn& m, FeuilleVorn& f) {
    static const std::array<std::string, 5> noms{"BOND", "Ève «Zoé» d'Arc", "a\"b\\c/:*?<>|", "😀 ŁUKASZ", "  007 "};
    auto tirer = [&alea](int n) { return static_cast<int>(alea() % static_cast<unsigned>(n)); };
    ChargerChoix(m);
    m.NomJoueur = noms[static_cast<std::size_t>(tirer(5))];
    ChoisirRang(m, tirer(3));
    ChoisirSexe(m, tirer(2));
    ChoisirProfession(m, tirer(7));
    DesAleatoires des(alea());
    ValiderChoix(m, noms[static_cast<std::size_t>(tirer(5))], des);
    f.Charger();
    for (int n = tirer(60); n > 0; --n) {
        const int genre = tirer(10), i = tirer(NbLignesCompetences);
        if (genre == 0) {
            f.ChoisirCaract(ToutesCaract[static_cast<std::size_t>(tirer(5))], static_cast<std::int16_t>(tirer(11)));
        } else if (genre == 1) {
            const Description d = ToutesDescriptions[static_cast<std::size_t>(tirer(5))];
            const auto taille = static_cast<int>(f.liste(d).entrees.size());
            if (!f.ChoisirDescription(d, static_cast<std::int16_t>(tirer(taille))).ouvrirChampsExp) continue;
            ChampsExperienceVorn dialogue(m);
            for (int k = tirer(10); k > 0; --k) {
                const bool prof = tirer(2) == 0;
                const int c = tirer(prof ? 7 : 12);
                if (prof && !dialogue.visibleProf[static_cast<std::size_t>(c)]) continue;
                const bool coche = prof ? dialogue.cocheProf[static_cast<std::size_t>(c)]
                                        : dialogue.cocheGen[static_cast<std::size_t>(c)];
                coche ? dialogue.Decocher(prof, c) : void(dialogue.Cocher(prof, c));
            }
            if (tirer(4) > 0) dialogue.Valider();
            f.ReconstruireChampsExpérience();
        } else if (genre < 4) {
            tirer(3) > 0 ? f.PrendreCompetence(i) : f.LibererCompetence(i);
        } else {
            genre < 8 ? f.MonterNiveau(i) : f.BaisserNiveau(i);
        }
    }
}

TEST(FichierAgent, EnregistrerPuisOuvrirRendLeMemeAgent) {
    std::mt19937 alea(20261207);
    std::set<std::tuple<std::int16_t, std::int16_t, std::int16_t, std::int16_t>> vus; // rank, sex, profession, scars
    std::set<std::size_t> champs;
    for (int k = 0; k < 10000; ++k) {
        ModuleVorn m;
        FeuilleVorn f(m);
        AgentAuHasard(alea, m, f);
        const std::string texte = EcrireAgent(f);
        ModuleVorn m2;
        FeuilleVorn f2(m2);
        ASSERT_EQ(OuvrirAgent(texte, m2, f2), "") << texte;
        ASSERT_TRUE(SansTravail(m2) == SansTravail(m)) << "agent " << k << "\n" << texte;
        ASSERT_EQ(EtatFeuille(f2), EtatFeuille(f)) << texte;
        ASSERT_EQ(EcrireAgent(f2), texte);
        vus.insert({m.PtGeneration, m.Sexe, m.Profession, m.NbCicatrices});
        champs.insert(f.LstChpExpérience.size());
    }
    // Every rank, sex and profession, each scarred rank with 0 to 3 scars; lists of fields up to the largest age's 6.
    EXPECT_EQ(vus.size(), 2U * 7U * (1U + 4U + 4U));
    EXPECT_EQ(champs.size(), 6U);
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
    for (std::size_t n = 0; n + 1 < texte.size(); ++n) {
        ASSERT_EQ(VerifierAgent(texte.substr(0, n)), "Fichier tronqué ou illisible") << n;
    }

    // A "Recrue" with no scar, no field, no description and no skill taken: its characteristics decide the points.
    const auto recrue = [](json& j, const json& caracteristiques) {
        j["rang"] = "Recrue";
        j["cicatrices"] = json::array();
        j["caracteristiques"] = caracteristiques;
        j["description"] = {{"apparence", "(aucune)"},
                            {"age", nullptr},
                            {"faiblesse", "(aucune)"},
                            {"taille", "(aucune)"},
                            {"poids", "(aucun)"}};
        j["champsExperience"] = {{"professionnels", json::array()}, {"generaux", json::array()}};
        for (auto& [nom, ligne] : j["competences"].items()) {
            if (ligne["etat"] == "prise") ligne = {{"etat", "non prise"}, {"niveau", 0}};
        }
    };
    using Retouche = std::function<void(json&)>;
    const std::vector<std::pair<Retouche, std::string>> cas{
        {[](json& j) { j["version"] = 2; }, "Format d'une version plus récente (2)"},
        {[](json& j) { j["version"] = 0; }, "Version de format inconnue (0)"},
        {[](json& j) { j["version"] = "1"; }, "« version » : nombre entier attendu"},
        {[](json& j) { j["format"] = "autre"; }, "Ce fichier n'est pas un agent ZazUvureVorn"},
        {[](json& j) { j.erase("joueur"); }, "Clé « joueur » absente"},
        {[](json& j) { j["bonus"] = 1; }, "Clé inconnue « bonus »"},
        {[](json& j) { j["personnage"] = ""; }, "Nom du personnage vide"},
        {[](json& j) { j["joueur"] = "A\tB"; }, "Nom du joueur : caractère de contrôle"},
        {[](json& j) { j["rang"] = "Général"; }, "Rang « Général » inconnu"},
        {[](json& j) { j["sexe"] = 1; }, "« sexe » : texte attendu"},
        {[](json& j) { j["profession"] = "Espion"; }, "Profession « Espion » inconnue"},
        {[](json& j) { j["cicatrices"].push_back("Pied"); }, "Cicatrice « Pied » inconnue"},
        {[](json& j) {
             j["cicatrices"] = {"Dos", "Dos", "Dos", "Dos"};
         },
         "Cicatrices : 4 au lieu de 3 au plus"},
        {[](json& j) { j["rang"] = "Recrue"; }, "Cicatrices : impossibles au rang Recrue"},
        {[](json& j) { j["caracteristiques"] = json::array(); }, "« caracteristiques » : groupe attendu"},
        {[](json& j) { j["caracteristiques"]["FOR"] = 16; }, "Caractéristique FOR : valeur 16 hors limites"},
        {[](json& j) { j["caracteristiques"]["DEX"] = 4; }, "Caractéristique DEX : valeur 4 hors limites"},
        {[](json& j) { j["description"]["faiblesse"] = "Vertige"; }, "Description : faiblesse « Vertige » inconnue"},
        // The heights of the other sex are not on this agent's list.
        {[](json& j) { j["description"]["taille"] = "1,96 +"; }, "Description : taille « 1,96 + » inconnue"},
        {[](json& j) { j["competences"]["Magie"] = j["competences"]["Jeu"]; }, "Compétence « Magie » inconnue"},
        {[](json& j) { j["competences"].erase("Jeu"); }, "Compétence « Jeu » absente"},
        {[](json& j) { j["competences"]["Jeu"]["niveau"] = 16; }, "Compétence « Jeu » : niveau 16 hors limites"},
        {[](json& j) { j["competences"]["Jeu"]["niveau"] = 0; }, "Compétence « Jeu » : niveau 0 hors limites"},
        {[](json& j) { j["competences"]["Agilité"]["niveau"] = 2; }, "Compétence « Agilité » : niveau 2 hors limites"},
        {[](json& j) { j["competences"]["Jeu"]["niveau"] = 5.0; }, "« niveau » : nombre entier attendu"},
        {[](json& j) { j["competences"]["Jeu"]["etat"] = "gratuite"; },
         "Compétence « Jeu » : ne peut pas être gratuite"},
        {[](json& j) { j["competences"]["Charisme"]["etat"] = "non prise"; },
         "Compétence « Charisme » : toujours gratuite"},
        {[](json& j) { j["competences"]["Jeu"]["etat"] = "apprise"; }, "Compétence « Jeu » : état « apprise » inconnu"},
        {[](json& j) {
             for (const char* c : {"Ski", "Golf", "Tennis"}) j["champsExperience"]["generaux"].push_back(c);
         },
         "Champs d'expérience : 5 choisis, l'âge en permet 4"},
        {[](json& j) { j["description"]["age"] = 28; }, "Champs d'expérience : 2 choisis, l'âge en permet 1"},
        {[](json& j) { j["description"]["age"] = nullptr; }, "Champs d'expérience choisis sans âge"},
        {[](json& j) { j["champsExperience"]["professionnels"] = {"Joaillerie"}; },
         "Champ d'expérience « Joaillerie » non offert à la profession Scientifique"},
        {[](json& j) {
             j["champsExperience"]["generaux"] = {"Golf", "Golf"};
         },
         "Champ d'expérience « Golf » en double"},
        // The smallest overdraft there is: every price is a multiple of 5; one step cheaper fits exactly.
        {[&recrue](json& j) {
             recrue(j, {{"FOR", 9}, {"DEX", 13}, {"VOL", 15}, {"PER", 5}, {"INT", 5}});
             j["sexe"] = "Masculin";
             j["description"]["apparence"] = "Stricte";
             j["description"]["taille"] = "1,71 - 1,75";
         },
         "Points de génération dépassés de 5"},
        // 6000 + 80 (age) + 100 (weakness) - 5 x 1350 - 120 (height) - 180 and 380 (two skills) = -1250.
        {[](json& j) {
             j["competences"]["Sciences"]["niveau"] = 15;
             for (auto& [c, v] : j["caracteristiques"].items()) v = 15;
         },
         "Points de génération dépassés de 1250"},
    };
    for (const auto& [retouche, raison] : cas) {
        json j = ref;
        retouche(j);
        EXPECT_EQ(VerifierAgent(j.dump(4)), raison);
    }
    json juste = ref;
    recrue(juste, {{"FOR", 15}, {"DEX", 15}, {"VOL", 8}, {"PER", 5}, {"INT", 5}});
    ModuleVorn m;
    FeuilleVorn f(m);
    EXPECT_EQ(std::pair(OuvrirAgent(juste.dump(), m, f), f.TxtPtGénération),
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
