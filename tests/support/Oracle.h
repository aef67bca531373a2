#pragma once

#include "Choix.h"
#include "FeuilleVorn.h"

#include <deque>

// Dice that give the rolls they were told, then the largest face, and note which dice were asked for.
struct DesScriptes final : Des {
    std::deque<std::int16_t> jets;
    std::vector<std::int16_t> faces;
    std::int16_t Lancer(std::int16_t n) override;
};

// The game's prices and formulas written again: the program is judged against the rules, not its own tables.
namespace Oracle {
using Prix = std::pair<int, int>;                       // cost, fame bonus
constexpr std::array<int, 3> Budgets{9000, 6000, 3000}; // in the choice screen's order
constexpr std::array<int, 11> CoutsCaract{0, 100, 200, 300, 400, 500, 650, 800, 975, 1150, 1350};
constexpr std::array<Prix, 7> Apparences{{{0, 0}, {120, 20}, {200, 0}, {160, 10}, {120, 20}, {80, 35}, {30, 50}}};
constexpr std::array<int, 13> GainsFaiblesse{0, 50, 50, 100, 50, 100, 100, 125, 75, 100, 75, 75, 75};
constexpr std::array<Prix, 10> TaillesPoids{
    {{0, 0}, {30, 50}, {80, 20}, {120, 10}, {160, 5}, {200, 0}, {160, 5}, {120, 10}, {80, 20}, {30, 50}}};

// Each list's selection (FOR..INT, Apparence, Age, Faiblesse, Taille, Poids; -1 none), each skill's level (0: none).
struct Choix {
    std::array<int, 10> listes{0, 0, 0, 0, 0, 0, -1, 0, 0, 0};
    std::array<int, 24> niveaux{0, 0, 1, 0, 0, 1}; // as loaded: the two free skills at level 1
    bool operator==(const Choix&) const = default;
};
Choix Lire(const FeuilleVorn& f);
int Points(const Choix& c, int budget);
int Celebrite(const Choix& c, int bonusSexe);
// A skill's base from FOR..INT and Charisme's level.
int Base(int ligne, const std::array<int, 5>& valeurs, int niveauCharisme);
// Class, load, speed, endurance, running from FOR..INT.
std::array<std::string, 5> Derivees(const std::array<int, 5>& valeurs);
} // namespace Oracle
