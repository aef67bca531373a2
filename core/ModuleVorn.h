#pragma once

#include <array>
#include <cstdint>
#include <string>

// The one character record of the process. Every screen and rule reads and
// writes it directly; the fields keep their game names and declared order.
struct ModuleVorn {
    std::int16_t Reponse = 0;
    std::string NomJoueur;
    std::string NomPerso;
    std::string Rang;
    std::int16_t Sexe = 0;
    std::string Touche;
    std::int16_t Profession = 0;
    std::int16_t Indice = 0;
    std::int16_t NbCompetences = 0;
    std::int16_t PtGeneration = 0;
    std::int16_t CoutApparence = 0;
    std::int16_t PtRestants = 0;
    std::int16_t GainAge = 0;
    std::int16_t CoutTaille = 0;
    std::int16_t CoutPoids = 0;
    std::int16_t CoutCompetences = 0;
    std::int16_t GainFaiblesse = 0;
    std::int16_t CoutNiveaux = 0;
    std::int16_t CoutCaract = 0;
    std::int16_t CoutFOR = 0;
    std::int16_t CoutDEX = 0;
    std::int16_t CoutVOL = 0;
    std::int16_t CoutPER = 0;
    std::int16_t CoutINT = 0;
    std::int16_t AncCoutApparence = 0;
    std::int16_t AncCoutTaille = 0;
    std::int16_t AncCoutPoids = 0;
    std::int16_t AncGainAge = 0;
    std::int16_t AncGainFaiblesse = 0;
    std::string TexteApparence;
    std::int16_t IdxTaille = 0;
    std::int16_t IdxPoids = 0;
    std::string TexteAge;
    std::int16_t IdxFaiblesse = 0;
    std::string TexteFOR;
    std::string TexteDEX;
    std::string TexteVOL;
    std::string TextePER;
    std::string TexteINT;
    std::int16_t AncCoutFOR = 0;
    std::int16_t AncCoutDEX = 0;
    std::int16_t AncCoutVOL = 0;
    std::int16_t AncCoutPER = 0;
    std::int16_t AncCoutINT = 0;
    std::int16_t PtCelebrite = 0;
    std::int16_t BonusApparence = 0;
    std::int16_t BonusTaille = 0;
    std::int16_t BonusPoids = 0;
    std::int16_t BonusAge = 0;
    std::int16_t BonusSexe = 0;
    std::int16_t BonusCicatrices = 0;
    std::int16_t ValFOR = 0;
    std::int16_t ValDEX = 0;
    std::int16_t ValVOL = 0;
    std::int16_t ValPER = 0;
    std::int16_t ValINT = 0;
    std::int16_t IndiceVitesse = 0;
    std::int16_t NbCicatrices = 0;
    std::int16_t NumCicatrice = 0;
    std::int16_t DeCicatrices = 0;
    std::int16_t DeBlessure = 0;
    std::string Cicatrice;
    std::string Cicatrice1;
    std::string Cicatrice2;
    std::string Cicatrice3;
    std::int16_t NbChpExp = 0;
    std::array<std::string, 7> ChpExpProf{};
    std::array<std::string, 12> ChpExpGen{};

    // A new agent: every field back to its start value except the player's
    // name and the four values the sheet sets again before reading them.
    void Reinitialiser();

    bool operator==(const ModuleVorn&) const = default;
};

// The five characteristics, in the order of the sheet's lists.
enum class Caract : std::uint8_t { FOR, DEX, VOL, PER, INT };
inline constexpr std::array<Caract, 5> ToutesCaract{Caract::FOR, Caract::DEX, Caract::VOL, Caract::PER, Caract::INT};

// The fields of one characteristic, so that one rule serves all five.
std::int16_t& CoutDe(ModuleVorn& m, Caract x);
std::int16_t& ValDe(ModuleVorn& m, Caract x);
std::int16_t& AncCoutDe(ModuleVorn& m, Caract x);
std::string& TexteDe(ModuleVorn& m, Caract x);
