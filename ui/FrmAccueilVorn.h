#pragma once

#include "FenetreVorn.h"

class QLabel;
class QLineEdit;
class QPushButton;

// The welcome screen: greets the user and takes the player's name.
class FrmAccueilVorn : public FenetreVorn {
public:
    FrmAccueilVorn(ModuleVorn& module, NavigationVorn& navigation);

    QLabel* ImgAccueil;
    QLabel* LblTexteAccueil;
    QLabel* LblNomAccueil;
    QLineEdit* TxtNomAccueil;
    QPushButton* BtnContinuerAccueil;
    QPushButton* BtnQuitterAccueil;

    void Form_Load();
    void BtnContinuerAccueil_Click();
    void BtnQuitterAccueil_Click();

protected:
    bool Form_Unload() override;
};
