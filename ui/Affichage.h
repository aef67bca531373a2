#pragma once

#include <QString>

class QColor;
class QLineEdit;
class QWidget;

// A display field: disabled so the user can neither type, select nor focus it.
QLineEdit* champAffichage(QWidget* parent, const QString& nom, const QString& nomAccessible, bool gras = false);
void ecrire(QLineEdit* champ, const QString& texte); // only when it changes
// A disabled display field or list keeps the colours of an enabled one, so it reads well.
void lisibleDesactive(QWidget* w);
// A plain background of its own (labels on light grey, drawn lines).
void fondUni(QWidget* w, const QColor& fond);
// Black text on light grey (red, green and blue 224), but for a high-contrast theme.
void fondGrisClair(QWidget* w);
// A background of the program's choosing always comes with its text colour,
// so that it reads in a dark desktop theme as in a light one.
void colorerFond(QWidget* champ, const QColor& fond, const QColor& texte);
// The wheel changes the control only while it has the keyboard focus; otherwise the wheel goes on to the window,
// which scrolls if it can: a list must not change under a wheel that only passes over it.
void roueAuFocus(QWidget* w);
