#pragma once

#include <QCheckBox>
#include <QString>

class QAction;
class QWidget;

// What screen readers are told about the program's own controls: the level
// control as a spin button, lists named by their caption and read by their
// entry, menus by their meaning, decorations left out. Once, at start-up,
// after the QApplication exists; Qt's own dialogs keep Qt's interfaces.
void InstallerAccessibilite();

// A window of the program: only widgets inside one get the program's interfaces
// and event filtering. First thing in the window's constructor.
void marquerFenetreVorn(QWidget* fenetre);
bool dansFenetreVorn(const QWidget* w);

// While one lives, screen readers are spared what they have no use for in the
// program's windows: every change to a window not shown yet (it is read whole
// once shown), the pieces of a window that shows (its own showing stands for
// them), and the redraws of display fields and lists, which nobody can focus and
// whose text is read when asked. Everything else, and every event of a window
// not ours, goes through unchanged.
class SourdineAccessible {
public:
    SourdineAccessible();
    ~SourdineAccessible();
    SourdineAccessible(const SourdineAccessible&) = delete;
    SourdineAccessible& operator=(const SourdineAccessible&) = delete;
};

// "Niveau d'Agilité", "Base de Charisme": French elides "de" before a vowel.
QString avecDe(const QString& mot, const QString& nom);

// A drawn line or an empty box: screen readers skip it. Before the parent is shown.
void marquerDecoratif(QWidget* w);

// A menu entry whose caption is a sign ("&?") is read by this name instead.
void nommerEntreeMenu(QAction* action, const QString& nom);

// The description a screen reader reads with a list, a level or a check box.
// Setting it tells nobody: it is read when the control gets the focus, or
// announced by annoncerDescription.
void decrire(QWidget* w, const QString& description);
QString description(const QWidget* w);

// Has a screen reader speak the focused control's value and description now,
// as news after a change: sent from the event loop, after the change's own
// events; nothing if the focus has moved on meanwhile.
void annoncer(QWidget* w);

// A check box whose tick is the program's answer, not the click's: a click
// leaves it as it is (clicked carries that state) and asks for the other one,
// which the program sets or refuses; a refused tick is thus never shown nor
// announced as the box's state.
class CaseDemande : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    void nextCheckState() override {}
};

// After a modal box has closed: the player's control gets the focus back and
// its window is activated again (without a window manager nobody else does).
void rendreFocus(QWidget* controle);
