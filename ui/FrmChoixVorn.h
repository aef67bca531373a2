#pragma once

#include "FenetreVorn.h"

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The choice screen: character name, rank, sex and former profession.
class FrmChoixVorn : public FenetreVorn {
public:
    FrmChoixVorn(ModuleVorn& module, NavigationVorn& navigation);

    QLabel* LblNomPerso;
    QLineEdit* TxtNomPerso;
    QGroupBox* FrameRangChoix;
    std::array<QRadioButton*, 3> OptRang{};
    QGroupBox* FrameSexeChoix;
    std::array<QRadioButton*, 2> OptSexe{};
    QGroupBox* FrameProfession;
    std::array<QRadioButton*, 7> OptProfession{};
    QPushButton* BtnContinuerChoix;
    QPushButton* BtnQuitterChoix;
    QPushButton* BtnOuvrirChoix;

    void Form_Load();
    void OptRang_Click(int index);
    void OptSexe_Click(int index);
    void OptProfession_Click(int index);
    void BtnContinuerChoix_Click();
    void BtnQuitterChoix_Click();
    void BtnOuvrirChoix_Click();

protected:
    bool Form_Unload() override;
};
