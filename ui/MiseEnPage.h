#pragma once

#include <QFont>
#include <QPixmap>
#include <QString>

class QWidget;

// How much larger than designed the screens are drawn: 1 at the usual desktop font size (10 points or less),
// in proportion above it, so that a player's larger font enlarges text and layout alike.
double zoomEcran();
// Twips (1/1440 inch) to logical pixels at 96 dpi, times the screens' zoom; Qt scales on high-dpi screens.
int tw(int twips);
void placer(QWidget* w, int gauche, int haut, int largeur, int hauteur);

// Object name (what tests and automation look for) and French accessible name.
void nommer(QWidget* w, const QString& nom, const QString& nomAccessible);
QString indexe(const QString& nom, int index); // "ChkComp(3)"

// The desktop's sans-serif face, or the one the program brings (the fonts built in under
// :/polices, registered by integrerPolices() where the machine may lack a fitting face).
void integrerPolices();
QFont policeSansSerif(qreal points, bool gras = false);
QFont policeEcran(qreal points, bool gras = false); // the same on screen, times the zoom

// The program's picture, also its window icon.
QPixmap imageVorn();
QPixmap imageEcran(); // the same on screen, times the zoom
