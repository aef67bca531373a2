// Draws every screen of the program in a known state and saves each as a
// PNG, for the README. Run under Xvfb by scripts/screenshots.
#include "ApplicationVorn.h"
#include "Choix.h"
#include "FrmAProposVorn.h"
#include "FichierPdf.h"
#include "FrmChpExpérienceVorn.h"
#include "ModuleVorn.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {
// Scripted dice: an agent with two scars.
class DesFixes final : public Des {
public:
    std::int16_t Lancer(std::int16_t faces) override {
        static const std::array<std::int16_t, 4> jets{30, 5, 40, 80};
        return i_ < jets.size() ? jets[i_++] : faces;
    }

private:
    std::size_t i_ = 0;
};

void enregistrer(QWidget* w, const QDir& dossier, const QString& nom) {
    w->show();
    w->raise();
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
    w->grab().save(dossier.filePath(nom));
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    PreparerApplication(app);
    const QDir dossier(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs"));
    QDir().mkpath(dossier.path());

    ModuleVorn module;
    MessagerieQt messagerie;
    DesFixes des;
    ApplicationVorn vorn(module, messagerie, des, [] {});
    vorn.Demarrer();
    vorn.accueil()->TxtNomAccueil->setText(QStringLiteral("JEAN-LUC"));
    enregistrer(vorn.accueil(), dossier, QStringLiteral("accueil.png"));
    vorn.accueil()->BtnContinuerAccueil->click();

    FrmChoixVorn* choix = vorn.choix();
    choix->TxtNomPerso->setText(QStringLiteral("ÉLODIE MARCHAND"));
    choix->OptRang[1]->click();
    choix->OptSexe[1]->click();
    choix->OptProfession[3]->click();
    enregistrer(choix, dossier, QStringLiteral("choix.png"));
    choix->BtnContinuerChoix->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    FrmPrincipaleVorn* feuille = vorn.feuille();
    FeuilleVorn& f = feuille->feuille;
    f.ChoisirCaract(Caract::DEX, 7);
    f.ChoisirCaract(Caract::INT, 5);
    f.ChoisirDescription(Description::Apparence, 5);
    f.ChoisirDescription(Description::Faiblesse, 3);
    f.ChoisirDescription(Description::Taille, 6);
    f.ChoisirDescription(Description::Poids, 4);
    f.ChoisirDescription(Description::Age, 5);
    for (const int ligne : {3, 6, 10, 15, 21}) f.PrendreCompetence(ligne);
    for (int i = 0; i < 4; ++i) f.MonterNiveau(3);
    for (int i = 0; i < 2; ++i) f.MonterNiveau(2);
    f.MonterNiveau(15);
    module.ChpExpProf[2] = "Microphotographie";
    module.ChpExpGen[0] = "Cricket";
    module.ChpExpGen[11] = "Wargames";
    feuille->Form_Activate();
    feuille->Afficher();
    enregistrer(feuille, dossier, QStringLiteral("fiche.png"));

    module.Profession = 5;
    module.NbChpExp = 6;
    FrmChpExpérienceVorn champs(module, vorn, feuille);
    champs.ChkExpProf[1]->click();
    champs.ChkExpGen[6]->click();
    enregistrer(&champs, dossier, QStringLiteral("champs.png"));
    champs.hide();

    FrmAProposVorn apropos(feuille);
    enregistrer(&apropos, dossier, QStringLiteral("apropos.png"));

    // The printed page, which scripts/screenshots turns into a picture.
    const QString raison = EcrireFichePdf(dossier.filePath(QStringLiteral("impression.pdf")), f);
    if (!raison.isEmpty()) qFatal("impression.pdf: %s", qPrintable(raison));
    return 0;
}
