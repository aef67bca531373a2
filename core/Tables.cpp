#include "Tables.h"

#include <algorithm>

using namespace std::string_view_literals;

const std::array<RangVorn, 3> Rangs{{
    {"\"00\"       (9000 points de génération)", 9000, "       '00'"},
    {"Agent     (6000 points de génération)", 6000, "     Agent"},
    {"Recrue   (3000 points de génération)", 3000, "    Recrue"},
}};

const std::array<std::string_view, 2> LegendesSexe{"Masculin", "Féminin"};

const std::array<std::string_view, 7> Professions{"Homme d'action indépendant",
                                                  "Journaliste",
                                                  "Militaire",
                                                  "Agent de renseignement militaire",
                                                  "Policier",
                                                  "Scientifique",
                                                  "Voleur"};

std::string_view TexteSexe(std::int16_t sexe) { return sexe == 1 ? " Féminin"sv : " Masculin"sv; }

std::string_view TexteProfession(std::int16_t profession) {
    if (profession < 0 || profession >= static_cast<int>(Professions.size())) return {};
    return Professions[static_cast<std::size_t>(profession)];
}

namespace {
const Entrees TailleHomme{"(aucune)",    "1,55 - 1,60", "1,61 - 1,65", "1,66 - 1,70", "1,71 - 1,75",
                          "1,76 - 1,80", "1,81 - 1,85", "1,86 - 1,90", "1,91 - 1,95", "1,96 +"};
const Entrees TailleFemme{"(aucune)",    "1,45 - 1,50", "1,51 - 1,55", "1,56 - 1,60", "1,61 - 1,65",
                          "1,66 - 1,70", "1,71 - 1,75", "1,76 - 1,80", "1,81 - 1,85", "1,86 +"};
const Entrees PoidsHomme{"(aucun)", "55 - 61", "62 - 68",  "69 - 75",   "76 - 82",
                         "83 - 89", "90 - 96", "97 - 103", "104 - 110", "111 - 117"};
const Entrees PoidsFemme{"(aucun)", "43 - 47", "48 - 52", "53 - 55", "56 - 58",
                         "59 - 63", "64 - 70", "71 - 79", "80 - 86", "87 - 93"};
} // namespace

const Entrees& EntreesTaille(std::int16_t sexe) { return sexe == 1 ? TailleFemme : TailleHomme; }
const Entrees& EntreesPoids(std::int16_t sexe) { return sexe == 1 ? PoidsFemme : PoidsHomme; }

const std::array<std::string_view, 11> ValeursCaract{"5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15"};
const std::array<std::string_view, 5> NomsCaract{"FOR", "DEX", "VOL", "PER", "INT"};

const std::array<std::string_view, 7> EntreesApparence{"(aucune)",  "Stricte",    "Normale",       "Bonne",
                                                       "Attirante", "Séduisante", "Sensationnelle"};

const std::array<std::string_view, 6> EntreesAge{"28", "29", "30", "31", "32", "33"};

const std::array<std::string_view, 13> EntreesFaiblesse{"(aucune)",
                                                        "Acrophobie",
                                                        "Agoraphobie",
                                                        "Attirance pour les Membres du Sexe Opposé",
                                                        "Claustrphobie",
                                                        "Cupidité",
                                                        "Démon du Jeu",
                                                        "Dépendance à la Drogue",
                                                        "Dépendance à l'Alcool",
                                                        "Liens Affectifs",
                                                        "Peur des Araignées",
                                                        "Peur des Serpents",
                                                        "Superstition"};

std::optional<CoutValeur> CoutDeValeur(std::string_view texte) {
    static constexpr std::array<std::int16_t, 11> couts{0, 100, 200, 300, 400, 500, 650, 800, 975, 1150, 1350};
    for (std::size_t i = 0; i < ValeursCaract.size(); ++i) {
        if (ValeursCaract[i] == texte) {
            return CoutValeur{couts[i], static_cast<std::int16_t>(5 + i)};
        }
    }
    return std::nullopt;
}

namespace {
struct Palier {
    std::int16_t de, a;
    std::string_view texte;
};
template <std::size_t N>
std::optional<std::string_view> chercher(const std::array<Palier, N>& table, std::int16_t v) {
    for (const auto& p : table) {
        if (v >= p.de && v <= p.a) return p.texte;
    }
    return std::nullopt;
}
constexpr std::array<Palier, 3> classes{{{1, 8, "A"}, {9, 13, "B"}, {14, 15, "C"}}};
constexpr std::array<Palier, 5> charges{
    {{1, 5, "25 - 45"}, {6, 10, "46 - 70"}, {11, 13, "71 - 95"}, {14, 14, "96 - 125"}, {15, 15, "126 - 160"}}};
constexpr std::array<Palier, 4> vitesses{{{2, 7, "0"}, {8, 15, "1"}, {16, 23, "2"}, {24, 30, "3"}}};
constexpr std::array<Palier, 5> endurances{
    {{1, 5, "24"}, {6, 10, "28"}, {11, 13, "30"}, {14, 14, "32"}, {15, 15, "36"}}};
constexpr std::array<Palier, 5> courses{{{1, 5, "10"}, {6, 10, "25"}, {11, 13, "40"}, {14, 14, "45"}, {15, 15, "55"}}};
} // namespace

std::optional<std::string_view> ClasseDegats(std::int16_t v) { return chercher(classes, v); }
std::optional<std::string_view> ChargeTransportee(std::int16_t v) { return chercher(charges, v); }
std::optional<std::string_view> Vitesse(std::int16_t v) { return chercher(vitesses, v); }
std::optional<std::string_view> Endurance(std::int16_t v) { return chercher(endurances, v); }
std::optional<std::string_view> CourseNage(std::int16_t v) { return chercher(courses, v); }

namespace {
constexpr std::array<std::string_view, 6> NomsTermes{"FOR", "DEX", "VOL", "PER", "INT", "Niv Char"};
} // namespace

const std::array<CompetenceVorn, NbLignesCompetences> Competences{{
    {"Agilité", {Terme::FOR, Terme::DEX}},
    {"Alpinisme", {Terme::VOL, Terme::FOR}},
    {"Charisme", {Terme::VOL, Terme::VOL}},
    {"Combat à Distance", {Terme::DEX, Terme::PER}},
    {"Combat au Corps-à-corps", {Terme::FOR, Terme::FOR}},
    {"Conduite Automobile", {Terme::DEX, Terme::PER}},
    {"Crochetage Serrures/coffres", {Terme::DEX, Terme::DEX}},
    {"Cryptographie", {Terme::INT, Terme::INT}},
    {"Déguisement", {Terme::INT, Terme::INT}},
    {"Démolition", {Terme::INT, Terme::INT}},
    {"Électronique", {Terme::INT, Terme::INT}},
    {"Équitation", {Terme::PER, Terme::VOL}},
    {"Furtivité", {Terme::VOL, Terme::VOL}},
    {"Interrogation", {Terme::INT, Terme::INT}},
    {"Jeu", {Terme::PER, Terme::PER}},
    {"Langues", {Terme::INT, Terme::INT}},
    {"Nautisme", {Terme::DEX, Terme::PER}},
    {"Pickpocket", {Terme::DEX, Terme::DEX}},
    {"Pilotage", {Terme::DEX, Terme::PER}},
    {"Plongée", {Terme::FOR, Terme::DEX}},
    {"Sciences", {Terme::INT, Terme::INT}},
    {"Séduction", {Terme::VOL, Terme::NivCharisme}},
    {"Sixième Sens", {Terme::INT, Terme::PER}},
    {"Usages Locaux", {Terme::PER, Terme::PER}},
}};

bool EstCompetenceLibre(int ligne) { return ligne == LigneCharisme || ligne == LigneConduite; }

std::string FormuleCompetence(int ligne) {
    const auto [a, b] = Competences[static_cast<std::size_t>(ligne)].termes;
    const std::string_view nomA = NomsTermes[static_cast<std::size_t>(a)];
    if (a == b) return std::string(nomA);
    std::string formule(1, '(');
    formule += nomA;
    formule += '+';
    formule += NomsTermes[static_cast<std::size_t>(b)];
    formule += ")/2";
    return formule;
}

std::int16_t BaseCompetence(int ligne, const Valeurs& v, std::int16_t niveauCharisme) {
    const std::array<int, 6> valeurs{v.FOR, v.DEX, v.VOL, v.PER, v.INT, niveauCharisme};
    const auto [a, b] = Competences[static_cast<std::size_t>(ligne)].termes;
    // Integer division truncates toward zero, as the game's halves do; a term named twice is itself.
    return static_cast<std::int16_t>((valeurs[static_cast<std::size_t>(a)] + valeurs[static_cast<std::size_t>(b)]) / 2);
}

std::optional<CoutBonus> TableApparence(std::string_view texte) {
    static constexpr std::array<CoutBonus, 7> valeurs{
        {{0, 0}, {120, 20}, {200, 0}, {160, 10}, {120, 20}, {80, 35}, {30, 50}}};
    const auto it = std::find(EntreesApparence.begin(), EntreesApparence.end(), texte);
    if (it == EntreesApparence.end()) return std::nullopt;
    return valeurs[static_cast<std::size_t>(it - EntreesApparence.begin())];
}

std::optional<GainAgeVorn> TableAge(std::string_view texte) {
    const auto it = std::find(EntreesAge.begin(), EntreesAge.end(), texte);
    if (it == EntreesAge.end()) return std::nullopt;
    const auto rang = static_cast<std::int16_t>(it - EntreesAge.begin() + 1);
    return GainAgeVorn{static_cast<std::int16_t>(20 * rang), static_cast<std::int16_t>(6 * rang), rang};
}

std::optional<std::int16_t> TableFaiblesse(std::int16_t index) {
    static constexpr std::array<std::int16_t, 13> gains{0, 50, 50, 100, 50, 100, 100, 125, 75, 100, 75, 75, 75};
    if (index < 0 || index >= static_cast<int>(gains.size())) return std::nullopt;
    return gains[static_cast<std::size_t>(index)];
}

std::optional<CoutBonus> TableTaillePoids(std::int16_t index) {
    static constexpr std::array<CoutBonus, 10> valeurs{
        {{0, 0}, {30, 50}, {80, 20}, {120, 10}, {160, 5}, {200, 0}, {160, 5}, {120, 10}, {80, 20}, {30, 50}}};
    if (index < 0 || index >= static_cast<int>(valeurs.size())) return std::nullopt;
    return valeurs[static_cast<std::size_t>(index)];
}

std::int16_t Celebrite(std::int16_t bonusApparence, std::int16_t bonusTaille, std::int16_t bonusPoids,
                       std::int16_t bonusAge, std::int16_t bonusSexe) {
    return static_cast<std::int16_t>(bonusApparence + bonusTaille + bonusPoids + bonusAge - bonusSexe);
}

const std::array<std::string_view, 12> ChampsGeneraux{
    "Cricket", "Economie/Affaires", "Football", "Golf",   "Hockey",  "Jeux de Réflexion", "Droit",
    "Ski",     "Ski nautique",      "Squash",   "Tennis", "Wargames"};

std::optional<std::array<std::string_view, 7>> ChampsProfessionnels(std::int16_t profession) {
    static const std::array<std::array<std::string_view, 7>, 7> lignes{{
        {"Economie/Affaires", "Droit International", "Droit", "Science politique", "", "", ""},
        {"Informatique", "Science politique", "", "", "", "", ""},
        {"Génie mécanique", "Informatique", "Sciences militaires", "", "", "", ""},
        {"Criminologie", "Droit International", "Microphotographie", "Sciences militaires", "Science politique",
         "Toxicologie", ""},
        {"Criminologie", "Informatique", "Droit", "Toxicologie", "", "", ""},
        {"Astronautique", "Biologie/Biochimie", "Botanique", "Chimie", "Economie/Affaires", "Informatique",
         "Médecine/Physiologie"},
        {"Beaux-Arts", "Collections rares", "Génie mécanique", "Joaillerie", "Droit", "", ""},
    }};
    if (profession < 0 || profession >= static_cast<int>(lignes.size())) return std::nullopt;
    return lignes[static_cast<std::size_t>(profession)];
}
