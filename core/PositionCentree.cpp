#include "PositionCentree.h"

#include <algorithm>

Position PositionCentree(int zoneX, int zoneY, int zoneLargeur, int zoneHauteur, int largeur, int hauteur) {
    const int y = zoneY + zoneHauteur / 2 - hauteur / 2;
    const int x = zoneX + zoneLargeur / 2 - largeur / 2;
    return {std::max(zoneX, x), std::max(zoneY, y)};
}
