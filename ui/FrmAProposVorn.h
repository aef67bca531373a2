#pragma once

#include <QDialog>

#include <array>

class QFrame;
class QLabel;
class QPushButton;

// The About box: the program's title and version, from the build.
class FrmAProposVorn : public QDialog {
public:
    explicit FrmAProposVorn(QWidget* parent);

    QLabel* picIcon;
    QLabel* LblTitreAPropos;
    QLabel* LblVersionAPropos;
    QLabel* LblAuteru;
    QLabel* lblDescription;
    std::array<QFrame*, 2> Line1{};
    QLabel* lblDisclaimer;
    QPushButton* BtnOkAPropos;

    void Form_Load();
};
