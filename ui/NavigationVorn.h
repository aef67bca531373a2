#pragma once

#include "Dialogues.h"
#include "Messagerie.h"

class Des;
class QWidget;

// The screens' view of the program's flow and confirmations.
class NavigationVorn {
public:
    virtual ~NavigationVorn() = default;
    // The dialogs, each behind its own interface: message boxes, the file chooser, the print dialog.
    virtual Messagerie& messagerie() = 0;
    virtual ChoixFichier& fichiers() = 0;
    virtual DialogueImpression& impression() = 0;
    virtual Des& des() = 0;
    virtual void AccueilContinue() = 0; // welcome hidden, choice screen loaded
    virtual void ChoixContinue() = 0;   // choice screen unloaded, sheet loaded
    virtual void NouvelAgent() = 0;     // sheet unloaded, choice screen loaded again
    // Reads the agent file and, when the rules accept it, shows its sheet in place of the
    // screen on show; otherwise shows why in a box and changes nothing. True when opened.
    virtual bool OuvrirAgent(QWidget* parent, const QString& chemin) = 0;
    virtual void APropos(QWidget* feuille) = 0;
    // The quit confirmation: on Yes the program ends and true is returned.
    virtual bool ConfirmerQuitter(QWidget* parent) = 0;
    // True once the program is ending: windows then close without a question.
    virtual bool termine() const = 0;
};
