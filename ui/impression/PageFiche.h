#pragma once

#include <QPageLayout>
#include <QString>

class FeuilleVorn;
class QPainter;

// The agent's sheet on paper: one A4 portrait page of text and lines, drawn
// from the sheet's record (what the sheet shows, never recomputed), on any
// paint device: a printer, a PDF writer, an image. No widget is involved.

// Paints the page onto the painter's device, scaled down if its printable
// area is smaller than an A4 page's. Returns every text drawn, in order.
QString DessinerFiche(QPainter& p, const FeuilleVorn& feuille);

// A4 portrait with 12 mm margins.
QPageLayout MiseEnPageFiche();
