#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The game's tables, as plain data and lookups.

using Entrees = std::array<std::string_view, 10>;

// --- Choice screen -------------------------------------------------------

struct RangVorn {
    std::string_view legende;  // caption of the option button
    std::int16_t ptGeneration; // the budget
    std::string_view libelle;  // the rank label the sheet shows, blanks included
};
extern const std::array<RangVorn, 3> Rangs;
extern const std::array<std::string_view, 2> LegendesSexe;
extern const std::array<std::string_view, 7> Professions;

// --- Sheet display tables ------------------------------------------------

std::string_view TexteSexe(std::int16_t sexe);             // " Masculin" / " Féminin"
std::string_view TexteProfession(std::int16_t profession); // "" outside the table
const Entrees& EntreesTaille(std::int16_t sexe);
const Entrees& EntreesPoids(std::int16_t sexe);

extern const std::array<std::string_view, 11> ValeursCaract; // "5".."15"
extern const std::array<std::string_view, 5> NomsCaract;     // "FOR".."INT"
extern const std::array<std::string_view, 7> EntreesApparence;
extern const std::array<std::string_view, 6> EntreesAge;
extern const std::array<std::string_view, 13> EntreesFaiblesse;

// --- Characteristics -----------------------------------------------------

struct CoutValeur {
    std::int16_t cout;
    std::int16_t valeur;
};
// Cost table lookup by the list's text; nothing for a text outside "5".."15".
std::optional<CoutValeur> CoutDeValeur(std::string_view texte);

// --- Derived abilities (nothing outside the tables' rows) -----------------

std::optional<std::string_view> ClasseDegats(std::int16_t valFOR);
std::optional<std::string_view> ChargeTransportee(std::int16_t valFOR);
std::optional<std::string_view> Vitesse(std::int16_t indiceVitesse);
std::optional<std::string_view> Endurance(std::int16_t valVOL);
std::optional<std::string_view> CourseNage(std::int16_t valVOL);

// --- Skills --------------------------------------------------------------

inline constexpr int NbLignesCompetences = 24;
inline constexpr int LigneCharisme = 2;
inline constexpr int LigneConduite = 5;
inline constexpr int LigneSeduction = 21;

// Taking a skill, and each level above the first; a level stays within its bounds.
inline constexpr std::int16_t CoutPriseCompetence = 100;
inline constexpr std::int16_t CoutNiveau = 20;
inline constexpr std::int16_t NiveauMin = 1;
inline constexpr std::int16_t NiveauMax = 15;

// What a skill's base reads: a characteristic, or the level of Charisme (for Séduction).
enum class Terme : std::uint8_t { FOR, DEX, VOL, PER, INT, NivCharisme };

// A skill's base is the mean of its two terms, truncated toward zero; a
// skill that reads one characteristic names it twice.
struct CompetenceVorn {
    std::string_view nom;
    std::array<Terme, 2> termes;
};
extern const std::array<CompetenceVorn, NbLignesCompetences> Competences;
bool EstCompetenceLibre(int ligne);

// The formula as the sheet writes it: "VOL", "(FOR+DEX)/2", "(VOL+Niv Char)/2".
std::string FormuleCompetence(int ligne);

struct Valeurs {
    std::int16_t FOR, DEX, VOL, PER, INT;
};
std::int16_t BaseCompetence(int ligne, const Valeurs& v, std::int16_t niveauCharisme);

// --- Physical description ------------------------------------------------

struct CoutBonus {
    std::int16_t cout;
    std::int16_t bonus;
};
struct GainAgeVorn {
    std::int16_t gain;
    std::int16_t bonus;
    std::int16_t nbChpExp;
};
std::optional<CoutBonus> TableApparence(std::string_view texte);
std::optional<GainAgeVorn> TableAge(std::string_view texte);
std::optional<std::int16_t> TableFaiblesse(std::int16_t index);
std::optional<CoutBonus> TableTaillePoids(std::int16_t index);

// --- Fame ----------------------------------------------------------------

std::int16_t Celebrite(std::int16_t bonusApparence, std::int16_t bonusTaille, std::int16_t bonusPoids,
                       std::int16_t bonusAge, std::int16_t bonusSexe);

// --- Fields of experience ------------------------------------------------

extern const std::array<std::string_view, 12> ChampsGeneraux;
// The seven professional captions of a profession; empty means not offered.
// A profession outside the table gives nothing.
std::optional<std::array<std::string_view, 7>> ChampsProfessionnels(std::int16_t profession);
