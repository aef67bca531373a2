#include "FrmAccueilVorn.h"

#include "Affichage.h"
#include "ChampNomFiltre.h"
#include "Messages.h"
#include "MiseEnPage.h"
#include "Placement.h"
#include "AccessibiliteVorn.h"
#include "ModuleVorn.h"
#include "NavigationVorn.h"
#include "TexteQt.h"

#include <QLabel>
#include <QPushButton>

FrmAccueilVorn::FrmAccueilVorn(ModuleVorn& module, NavigationVorn& navigation) : FenetreVorn(module, navigation) {
    setObjectName(QStringLiteral("FrmAccueilVorn"));
    setWindowTitle(QStringLiteral("Accueil - Vorn"));
    setFixedSize(tw(5430), tw(3225));

    ImgAccueil = new QLabel(this);
    nommer(ImgAccueil, QStringLiteral("ImgAccueil"), QStringLiteral("Emblème de Vorn"));
    ImgAccueil->setPixmap(imageEcran());
    ImgAccueil->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placer(ImgAccueil, 240, 240, 1230, 1245);

    LblTexteAccueil = new QLabel(
        QStringLiteral("Bienvenue dans le programme d'aide à la création de personnage pour le jeu de rôle Vorn."),
        this);
    nommer(LblTexteAccueil, QStringLiteral("LblTexteAccueil"), LblTexteAccueil->text());
    LblTexteAccueil->setFont(policeEcran(9.75, true));
    LblTexteAccueil->setWordWrap(true);
    LblTexteAccueil->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    fondGrisClair(LblTexteAccueil);
    placer(LblTexteAccueil, 1920, 360, 3255, 1095);

    LblNomAccueil = new QLabel(QStringLiteral("Nom du joueur:"), this);
    nommer(LblNomAccueil, QStringLiteral("LblNomAccueil"), LblNomAccueil->text());
    placer(LblNomAccueil, 480, 1920, 1215, 255);

    TxtNomAccueil = new ChampNomFiltre(m, this);
    nommer(TxtNomAccueil, QStringLiteral("TxtNomAccueil"), QStringLiteral("Nom du joueur"));
    TxtNomAccueil->setFont(policeEcran(9.75));
    placer(TxtNomAccueil, 1920, 1800, 3015, 375);
    LblNomAccueil->setBuddy(TxtNomAccueil);

    BtnContinuerAccueil = new QPushButton(QStringLiteral("&Continuer"), this);
    nommer(BtnContinuerAccueil, QStringLiteral("BtnContinuerAccueil"), QStringLiteral("Continuer"));
    placer(BtnContinuerAccueil, 840, 2640, 1335, 375);
    definirBoutonParDefaut(BtnContinuerAccueil);

    BtnQuitterAccueil = new QPushButton(QStringLiteral("&Quitter"), this);
    nommer(BtnQuitterAccueil, QStringLiteral("BtnQuitterAccueil"), QStringLiteral("Quitter"));
    placer(BtnQuitterAccueil, 3240, 2640, 1335, 375);

    setTabOrder(TxtNomAccueil, BtnContinuerAccueil);
    setTabOrder(BtnContinuerAccueil, BtnQuitterAccueil);

    connect(BtnContinuerAccueil, &QPushButton::clicked, this, [this] { BtnContinuerAccueil_Click(); });
    connect(BtnQuitterAccueil, &QPushButton::clicked, this, [this] { BtnQuitterAccueil_Click(); });

    setWindowIcon(imageVorn());
    Form_Load();
    TxtNomAccueil->setFocus();
}

void FrmAccueilVorn::Form_Load() { CentrerForm(this); }

void FrmAccueilVorn::BtnContinuerAccueil_Click() {
    if (TxtNomAccueil->text().isEmpty()) {
        nav.messagerie().Afficher(this, qs(MessageNomJoueur), qs(TitreNomJoueur), Messagerie::Exclamation);
        rendreFocus(TxtNomAccueil);
        return;
    }
    m.NomJoueur = ss(TxtNomAccueil->text());
    nav.AccueilContinue();
}

void FrmAccueilVorn::BtnQuitterAccueil_Click() {
    if (!nav.ConfirmerQuitter(this)) rendreFocus(TxtNomAccueil);
}

bool FrmAccueilVorn::Form_Unload() {
    if (nav.ConfirmerQuitter(this)) return false;
    rendreFocus(TxtNomAccueil);
    return true;
}
