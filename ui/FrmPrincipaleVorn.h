#pragma once

#include "FenetreVorn.h"
#include "FeuilleVorn.h"

#include <array>
#include <functional>
#include <string>

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QMenuBar;
class UpDownNiv;

// The character sheet. Every event goes to one operation of the sheet's
// rules; the controls are then redrawn from them.
class FrmPrincipaleVorn : public FenetreVorn {
public:
    // With `agent`, the text of an agent file the rules accept: the sheet shows that agent.
    FrmPrincipaleVorn(ModuleVorn& module, NavigationVorn& navigation, const std::string* agent = nullptr);

    FeuilleVorn feuille;

    QMenuBar* barreMenus;
    QMenu* MnuAgent;
    QAction* MnuNouveau;
    QAction* MnuOuvrir;
    QAction* MnuEnregistrer;
    QAction* MnuEnregistrerSous;
    QAction* MnuTiretFichier;
    QAction* MnuImprimer;
    QAction* MnuExporterPDF;
    QAction* MnuTiret;
    QAction* MnuQuitter;
    QMenu* MnuPtInt;
    QAction* MnuAPropos;

    QLabel *LblNomJoueur, *LblNomPerso, *LblSexe, *LblApparence, *LblTaille, *LblMètre, *LblPoids, *LblAge;
    QLabel *LblRang, *LblPtGénération, *LblPtCélébrité, *LblProfession, *LblChampExp, *LblFaiblesse, *LblCicatrices;
    std::array<QLabel*, 2> LblKilo{};
    QLineEdit *TxtNomJoueur, *TxtNomPerso, *TxtSexe, *TxtRang, *TxtPtGénération, *TxtPtCélébrité, *TxtProfession;
    QComboBox *CmbApparence, *CmbTaille, *CmbPoids, *CmbAge, *CmbFaiblesse;
    QListWidget *LstChpExpérience, *LstCicatrices;

    QGroupBox* FrmCaractéristiques;
    std::array<QLabel*, 10> LblCaract{};
    QComboBox *CmbFOR, *CmbDEX, *CmbVOL, *CmbPER, *CmbINT;
    QLineEdit *TxtVitesse, *TxtEndurance, *TxtCourse, *TxtCharge, *TxtClasse;
    QLabel *Lblheure, *Lblminutes;

    QGroupBox* FrmCompétences;
    std::array<QCheckBox*, NbLignesCompetences> ChkComp{};
    std::array<QLabel*, NbLignesCompetences> LblFormule{};
    std::array<QLineEdit*, NbLignesCompetences> TxtFormule{};
    std::array<QLineEdit*, NbLignesCompetences> TxtNiveau{};
    std::array<UpDownNiv*, NbLignesCompetences> UpDownNivs{};
    std::array<QLineEdit*, NbLignesCompetences> TxtCB{};
    std::array<QLabel*, 2> Label1{};
    std::array<QLabel*, 2> LblCompétence{};
    QFrame* Line1;

    QComboBox* combo(Caract x) const;
    QComboBox* combo(Description d) const;

    // Where the agent was last saved or opened; empty for an agent never saved.
    QString cheminAgent;
    // True when the agent differs from the one last saved or opened (from its start for a new one).
    bool agentModifie() const;

    void Form_Load();
    void Form_Activate();
    void MnuNouveau_Click();
    void MnuOuvrir_Click();
    void MnuEnregistrer_Click();
    void MnuEnregistrerSous_Click();
    void MnuImprimer_Click();
    void MnuExporterPDF_Click();
    void MnuQuitter_Click();
    void MnuAPropos_Click();
    void ChkComp_Click(int index, bool coche);

    // Rewrites every control from the sheet's state.
    void Afficher();

protected:
    bool Form_Unload() override;
    bool event(QEvent* e) override;

private:
    void construireEntete();
    void construireCaracteristiques();
    void construireCompetences();
    void construireMenus();
    // Every purchase goes through here: not while a box or dialog is open.
    void agir(const std::function<Action()>& operation);
    void traiter(const Action& action);
    void afficherListe(QComboBox* c, const ListeDeroulante& l);
    void afficherLigne(int i);
    void afficherChampsExperience();

    bool enregistrer(const QString& chemin);

    QWidget* zone_;
    const std::string* agentOuvert_ = nullptr; // only during the load
    std::string agentEnregistre_;              // the file's text of the agent as last saved or opened
};
