#pragma once

// Top-left corner that centres a window of the given outer size on a screen
// area, kept inside that area so that the title bar stays reachable.
struct Position {
    int x, y;
};
Position PositionCentree(int zoneX, int zoneY, int zoneLargeur, int zoneHauteur, int largeur, int hauteur);
