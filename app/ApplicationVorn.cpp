#include "ApplicationVorn.h"

#include "AccessibiliteVorn.h"
#include "FichierAgent.h"
#include "Choix.h"
#include "FrmAProposVorn.h"
#include "FrmAccueilVorn.h"
#include "FrmChoixVorn.h"
#include "FrmPrincipaleVorn.h"
#include "Messages.h"
#include "MiseEnPage.h"
#include "ModuleVorn.h"
#include "TexteQt.h"
#include "ThemeVorn.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

ApplicationVorn::ApplicationVorn(ModuleVorn& module, Messagerie& messagerie, Des& des, std::function<void()> finir)
    : ApplicationVorn(module, messagerie, fichiersQt_, impressionQt_, des, std::move(finir)) {}

ApplicationVorn::ApplicationVorn(ModuleVorn& module, Messagerie& messagerie, ChoixFichier& fichiers,
                                 DialogueImpression& impression, Des& des, std::function<void()> finir)
    : m_(module), messagerie_(messagerie), fichiers_(fichiers), impression_(impression), des_(des),
      finir_(std::move(finir)) {}

ApplicationVorn::~ApplicationVorn() {
    // Destroyed, not closed: the program is over and nothing may ask again.
    termine_ = true;
    delete feuille_.data();
    delete choix_.data();
    delete accueil_.data();
}

void ApplicationVorn::Demarrer(const QString& fichier) {
    const SourdineAccessible construction;
    if (!fichier.isEmpty() && OuvrirAgent(nullptr, fichier)) return;
    accueil_ = new FrmAccueilVorn(m_, *this);
    accueil_->show();
}

void ApplicationVorn::chargerChoix() {
    const SourdineAccessible construction;
    choix_ = new FrmChoixVorn(m_, *this);
    choix_->show();
}

void ApplicationVorn::AccueilContinue() {
    const SourdineAccessible passage;
    accueil_->hide();
    chargerChoix();
}

void ApplicationVorn::ChoixContinue() {
    const SourdineAccessible passage; // one screen goes, the next comes whole
    FrmChoixVorn* choix = choix_;
    choix->ConfirmerQuitter = 0;
    choix->close();
    // Still inside one of its handlers: destroyed once that returns.
    choix->deleteLater();
    choix_ = nullptr;
    feuille_ = new FrmPrincipaleVorn(m_, *this);
    feuille_->show();
}

void ApplicationVorn::NouvelAgent() {
    const SourdineAccessible passage;
    FrmPrincipaleVorn* feuille = feuille_;
    feuille->close();
    feuille->deleteLater();
    feuille_ = nullptr;
    chargerChoix();
}

bool ApplicationVorn::OuvrirAgent(QWidget* parent, const QString& chemin) {
    QFile fichier(chemin);
    QString raison;
    std::string contenu;
    if (!fichier.open(QIODevice::ReadOnly)) {
        raison = fichier.errorString();
    } else {
        // One byte past the limit is enough for the reader to refuse the file unparsed.
        const QByteArray octets = fichier.read(static_cast<qint64>(TailleMaxAgent) + 1);
        if (fichier.error() != QFileDevice::NoError) raison = fichier.errorString();
        contenu = octets.toStdString();
    }
    // Checked on a record of its own: a refused file leaves the agent on screen as it was.
    if (raison.isEmpty()) raison = qs(VerifierAgent(contenu));
    if (!raison.isEmpty()) {
        const QString texte = QStringLiteral("L'agent n'a pas pu être ouvert depuis « %1 » : %2")
                                  .arg(QDir::toNativeSeparators(QFileInfo(chemin).absoluteFilePath()), raison);
        messagerie_.Afficher(parent, texte, qs(TitreOuverture), Messagerie::Exclamation);
        return false;
    }
    for (FenetreVorn* ecran : {static_cast<FenetreVorn*>(choix_), static_cast<FenetreVorn*>(feuille_)}) {
        if (!ecran) continue;
        ecran->ConfirmerQuitter = 0;
        ecran->close();
        // Possibly inside one of its handlers: destroyed once that returns.
        ecran->deleteLater();
    }
    choix_ = nullptr;
    if (accueil_) accueil_->hide();
    feuille_ = new FrmPrincipaleVorn(m_, *this, &contenu);
    feuille_->cheminAgent = chemin;
    feuille_->show();
    return true;
}

void ApplicationVorn::APropos(QWidget* feuille) {
    FrmAProposVorn boite(feuille);
    boite.exec();
}

bool ApplicationVorn::ConfirmerQuitter(QWidget* parent) {
    const QString informatif = feuille_ && feuille_->agentModifie() ? qs(ModificationsNonEnregistrees) : QString();
    m_.Reponse =
        messagerie_.Afficher(parent, qs(QuestionQuitter), qs(TitreQuitter), Messagerie::QuestionOuiNon, informatif);
    if (m_.Reponse != Messagerie::Oui) return false;
    termine_ = true;
    for (QWidget* w :
         {static_cast<QWidget*>(feuille_), static_cast<QWidget*>(choix_), static_cast<QWidget*>(accueil_)}) {
        if (w) w->hide();
    }
    if (finir_) finir_();
    return true;
}

void PreparerApplication(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("ZazUvureVorn"));
    QApplication::setDesktopFileName(QStringLiteral("org.zazuvurevorn.zazuvurevorn"));
    // Only the quit confirmation ends the program, never a hand-over.
    QApplication::setQuitOnLastWindowClosed(false);
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));

    // Qt's own texts (standard buttons, context menus) in French: Qt's installed translation,
    // else the one built in where Qt brings none (Windows).
    auto* traductionQt = new QTranslator(&app);
    for (const QString& dossier :
         {QLibraryInfo::path(QLibraryInfo::TranslationsPath), QStringLiteral(":/traductions")}) {
        if (traductionQt->load(QLocale(QLocale::French, QLocale::France), QStringLiteral("qtbase"), QStringLiteral("_"),
                               dossier)) {
            QApplication::installTranslator(traductionQt);
            break;
        }
    }
    // Screen readers read our spin buttons, lists and menus by their meaning, and not Qt's dialogs' otherwise.
    InstallerAccessibilite();
    // A modal box takes the mouse release from a held arrow, which would go on repeating under it.
    InstallerRelacheSousModal(app);
    integrerPolices();
    QApplication::setWindowIcon(imageVorn());
    // The screens were laid out for a narrow 8-point face; 7.5 points of the
    // common Linux sans-serif take the same room.
    QApplication::setFont(policeEcran(7.5));
    AppliquerTheme(app);
}

int LancerVorn(int argc, char** argv) {
    QApplication app(argc, argv);
    PreparerApplication(app);
    ModuleVorn module;
    MessagerieQt messagerie;
    DesAleatoires des;
    ApplicationVorn vorn(module, messagerie, des, [] { QCoreApplication::exit(0); });
    // An agent file given on the command line (as the desktop does on a double-click) opens on its sheet.
    vorn.Demarrer(QApplication::arguments().value(1));
    return QApplication::exec();
}
