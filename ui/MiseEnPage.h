#pragma once

#include <QFont>
#include <QPixmap>
#include <QString>

class QWidget;

// Twips (1/1440 inch) to logical pixels at 96 dpi; Qt scales on high-dpi screens.
constexpr int tw(int twips) { return (twips + 7) / 15; }
void placer(QWidget* w, int gauche, int haut, int largeur, int hauteur);

// Object name (what tests and automation look for) and French accessible name.
void nommer(QWidget* w, const QString& nom, const QString& nomAccessible);
QString indexe(const QString& nom, int index); // "ChkComp(3)"

// The desktop's sans-serif face, or the one the program brings (the fonts built in under
// :/polices, registered by integrerPolices() where the machine may lack a fitting face).
void integrerPolices();
QFont policeSansSerif(qreal points, bool gras = false);

// The program's picture, also its window icon.
QPixmap imageVorn();
