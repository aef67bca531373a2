#pragma once

#include <QRectF>

class QPainter;

// The program's emblem, drawn from its one SVG file (resources/zazuvurevorn.svg,
// compiled in): vector shapes on a page, crisp pixels at any screen scale.
void DessinerEmbleme(QPainter& p, const QRectF& cadre);
