#pragma once

#include "NavigationVorn.h"
#include "FrmAccueilVorn.h"
#include "FrmChoixVorn.h"
#include "FrmPrincipaleVorn.h"

#include <QPointer>

#include <functional>

// The screen flow: which screen shows, the hand-overs between them and the
// confirmations that guard every way out.
class ApplicationVorn final : public NavigationVorn {
public:
    // `finir` ends the process's event loop once the user has confirmed.
    // The desktop's own file chooser and print dialog, or those given.
    ApplicationVorn(ModuleVorn& module, Messagerie& messagerie, Des& des, std::function<void()> finir);
    ApplicationVorn(ModuleVorn& module, Messagerie& messagerie, ChoixFichier& fichiers, DialogueImpression& impression,
                    Des& des, std::function<void()> finir);
    ~ApplicationVorn() override;
    ApplicationVorn(const ApplicationVorn&) = delete;
    ApplicationVorn& operator=(const ApplicationVorn&) = delete;

    // The welcome screen; with `fichier`, that agent's sheet instead, or its refusal then the welcome screen.
    void Demarrer(const QString& fichier = {});

    FrmAccueilVorn* accueil() const { return accueil_; }
    FrmChoixVorn* choix() const { return choix_; }
    FrmPrincipaleVorn* feuille() const { return feuille_; }

    Messagerie& messagerie() override { return messagerie_; }
    ChoixFichier& fichiers() override { return fichiers_; }
    DialogueImpression& impression() override { return impression_; }
    Des& des() override { return des_; }
    void AccueilContinue() override;
    void ChoixContinue() override;
    void NouvelAgent() override;
    bool OuvrirAgent(QWidget* parent, const QString& chemin) override;
    void APropos(QWidget* feuille) override;
    bool ConfirmerQuitter(QWidget* parent) override;
    bool termine() const override { return termine_; }

private:
    void chargerChoix();

    ModuleVorn& m_;
    ChoixFichierQt fichiersQt_;
    DialogueImpressionQt impressionQt_;
    Messagerie& messagerie_;
    ChoixFichier& fichiers_;
    DialogueImpression& impression_;
    Des& des_;
    std::function<void()> finir_;
    bool termine_ = false;
    QPointer<FrmAccueilVorn> accueil_;
    QPointer<FrmChoixVorn> choix_;
    QPointer<FrmPrincipaleVorn> feuille_;
};

class QApplication;

// Locale, Qt's French translation, font and icon, before any screen exists.
void PreparerApplication(QApplication& app);

// The whole program: application object, French translation, the flow.
int LancerVorn(int argc, char** argv);
