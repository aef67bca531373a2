#pragma once

#include "ChampsExperience.h"

#include <QDialog>

#include <array>

class NavigationVorn;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The fields-of-experience dialog, made anew at each opening. Closing it
// other than by "&Ok" stores nothing.
class FrmChpExpérienceVorn : public QDialog {
public:
    FrmChpExpérienceVorn(ModuleVorn& module, NavigationVorn& navigation, QWidget* parent);

    ChampsExperienceVorn champs;

    QLabel* LblNbChoixExp;
    std::array<QLabel*, 2> LblExp1{};
    QLineEdit* TxtExp;
    QGroupBox* FrmChpExpProf;
    std::array<QCheckBox*, ChampsExperienceVorn::NbProf> ChkExpProf{};
    QGroupBox* FrmChpExpGen;
    std::array<QCheckBox*, ChampsExperienceVorn::NbGen> ChkExpGen{};
    QPushButton* BtnOkExpérience;

    void ChkExp_Click(bool professionnel, int index, bool coche);
    void BtnOkExpérience_Click();

private:
    void afficherReste(); // the count left, on screen and in the sentence screen readers read
    NavigationVorn& nav_;
};
