#include "Oracle.h"

#include <algorithm>

std::int16_t DesScriptes::Lancer(std::int16_t n) {
    faces.push_back(n);
    const std::int16_t j = jets.empty() ? n : jets.front();
    if (!jets.empty()) jets.pop_front();
    return j;
}

namespace Oracle {
static std::size_t u(int i) { return static_cast<std::size_t>(i); }

Choix Lire(const FeuilleVorn& f) {
    Choix c;
    for (std::size_t k = 0; k < 10; ++k) c.listes[k] = (k < 5 ? f.caract[k] : f.description[k - 5]).index;
    for (std::size_t i = 0; i < f.lignes.size(); ++i) c.niveaux[i] = f.lignes[i].niveau;
    return c;
}

int Points(const Choix& c, int budget) {
    const auto& l = c.listes;
    int p = budget + 20 * (l[6] + 1) + GainsFaiblesse.at(u(l[7])) - Apparences.at(u(l[5])).first -
            TaillesPoids.at(u(l[8])).first - TaillesPoids.at(u(l[9])).first;
    for (std::size_t k = 0; k < 5; ++k) p -= CoutsCaract.at(u(l[k]));
    for (std::size_t i = 0; i < 24; ++i) {
        if (const int n = c.niveaux[i]; n > 0) p -= (i == 2 || i == 5 ? 0 : 100) + 20 * (n - 1); // 2, 5: free
    }
    return p;
}

int Celebrite(const Choix& c, int bonusSexe) {
    const auto& l = c.listes;
    return Apparences.at(u(l[5])).second + 6 * (l[6] + 1) + TaillesPoids.at(u(l[8])).second +
           TaillesPoids.at(u(l[9])).second - bonusSexe;
}

int Base(int ligne, const std::array<int, 5>& v, int niveauCharisme) {
    // Half the sum of two of FOR DEX VOL PER INT (0..4) or Charisme's level (5); one alone is written twice.
    constexpr std::array<std::array<std::size_t, 2>, 24> formules{
        {{0, 1}, {2, 0}, {2, 2}, {1, 3}, {0, 0}, {1, 3}, {1, 1}, {4, 4}, {4, 4}, {4, 4}, {4, 4}, {3, 2},
         {2, 2}, {4, 4}, {3, 3}, {4, 4}, {1, 3}, {1, 1}, {1, 3}, {0, 1}, {4, 4}, {2, 5}, {4, 3}, {3, 3}}};
    const std::array<int, 6> termes{v[0], v[1], v[2], v[3], v[4], niveauCharisme};
    const auto [a, b] = formules.at(u(ligne));
    return (termes[a] + termes[b]) / 2;
}

std::array<std::string, 5> Derivees(const std::array<int, 5>& v) {
    // The text of the first range whose upper bound holds the value.
    const auto palier = [](int valeur, std::vector<int> bornes, std::vector<std::string> textes) {
        return textes.at(
            u(int(std::ranges::find_if(bornes, [valeur](int b) { return valeur <= b; }) - bornes.begin())));
    };
    const std::vector<int> seuils{5, 10, 13, 14, 15};
    return {palier(v[0], {8, 13, 15}, {"A", "B", "C"}),
            palier(v[0], seuils, {"25 - 45", "46 - 70", "71 - 95", "96 - 125", "126 - 160"}),
            palier(v[1] + v[3], {15, 23, 30}, {"1", "2", "3"}), palier(v[2], seuils, {"24", "28", "30", "32", "36"}),
            palier(v[2], seuils, {"10", "25", "40", "45", "55"})};
}
} // namespace Oracle
