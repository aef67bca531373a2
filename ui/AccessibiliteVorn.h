#pragma once

#include <QString>

class QAction;
class QWidget;

// What screen readers are told about the program's own controls: the level
// control as a spin button, lists named by their caption, menus by their
// meaning, decorations left out. Call once a QApplication exists; calling it
// again does nothing.
void InstallerAccessibilite();

// "Niveau d'Agilité", "Base de Charisme": French elides "de" before a vowel.
QString avecDe(const QString& mot, const QString& nom);

// A drawn line or an empty box: screen readers skip it. Before the parent is shown.
void marquerDecoratif(QWidget* w);

// A menu entry whose caption is a sign ("&?") is read by this name instead.
void nommerEntreeMenu(QAction* action, const QString& nom);

// Sets the accessible description only when it changes, so that a screen
// reader hears a change, not a redraw.
void decrire(QWidget* w, const QString& description);

// After a modal box has closed: the player's control gets the focus back and
// its window is activated again (without a window manager nobody else does).
void rendreFocus(QWidget* controle);
