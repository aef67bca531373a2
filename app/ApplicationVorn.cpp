#include "ApplicationVorn.h"

#include "Choix.h"
#include "FrmAProposVorn.h"
#include "FrmAccueilVorn.h"
#include "FrmChoixVorn.h"
#include "FrmPrincipaleVorn.h"
#include "Messages.h"
#include "MiseEnPage.h"
#include "ModuleVorn.h"
#include "TexteQt.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

ApplicationVorn::ApplicationVorn(ModuleVorn& module, Messagerie& messagerie, Des& des, std::function<void()> finir)
    : m_(module), messagerie_(messagerie), des_(des), finir_(std::move(finir)) {}

ApplicationVorn::~ApplicationVorn() {
    // Destroyed, not closed: the program is over and nothing may ask again.
    termine_ = true;
    delete feuille_.data();
    delete choix_.data();
    delete accueil_.data();
}

void ApplicationVorn::Demarrer() {
    accueil_ = new FrmAccueilVorn(m_, *this);
    accueil_->show();
}

void ApplicationVorn::chargerChoix() {
    choix_ = new FrmChoixVorn(m_, *this);
    choix_->show();
}

void ApplicationVorn::AccueilContinue() {
    accueil_->hide();
    chargerChoix();
}

void ApplicationVorn::ChoixContinue() {
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
    FrmPrincipaleVorn* feuille = feuille_;
    feuille->close();
    feuille->deleteLater();
    feuille_ = nullptr;
    chargerChoix();
}

void ApplicationVorn::APropos(QWidget* feuille) {
    FrmAProposVorn boite(feuille);
    boite.exec();
}

bool ApplicationVorn::ConfirmerQuitter(QWidget* parent) {
    m_.Reponse = messagerie_.Afficher(parent, qs(QuestionQuitter), qs(TitreQuitter), Messagerie::QuestionOuiNon);
    if (m_.Reponse != Messagerie::Oui) return false;
    termine_ = true;
    for (QWidget* w : {static_cast<QWidget*>(feuille_), static_cast<QWidget*>(choix_),
                       static_cast<QWidget*>(accueil_)}) {
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
    for (const QString& dossier : {QLibraryInfo::path(QLibraryInfo::TranslationsPath), QStringLiteral(":/traductions")}) {
        if (traductionQt->load(QLocale(QLocale::French, QLocale::France), QStringLiteral("qtbase"), QStringLiteral("_"),
                               dossier)) {
            QApplication::installTranslator(traductionQt);
            break;
        }
    }
    integrerPolices();
    QApplication::setWindowIcon(imageVorn());
    // The screens were laid out for a narrow 8-point face; 7.5 points of the
    // common Linux sans-serif take the same room.
    QApplication::setFont(policeSansSerif(7.5));
}

int LancerVorn(int argc, char** argv) {
    QApplication app(argc, argv);
    PreparerApplication(app);
    ModuleVorn module;
    MessagerieQt messagerie;
    DesAleatoires des;
    ApplicationVorn vorn(module, messagerie, des, [] { QCoreApplication::exit(0); });
    vorn.Demarrer();
    return QApplication::exec();
}
