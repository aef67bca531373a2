// Our program's screens under measurement, built by the same flow as main.
//
//   vorn_mesure demarrage      start to the welcome screen's first frame
//   vorn_mesure feuille        "&Continuer" of the choice screen to the sheet's first frame
//   vorn_mesure actions [N]    N single user actions of each kind on the sheet
//   vorn_mesure seule GENRE N  N actions of one kind only (age, niveau...), untimed, for an
//                              instruction counter
//   vorn_mesure changements    what each action rewrites on the sheet
//   vorn_mesure inventaire     the choice screen's, the sheet's and the dialog's widgets by class
//   vorn_mesure version        the Qt run-time version

#include "Mesures.h"

#include "ApplicationVorn.h"
#include "Choix.h"
#include "FrmAccueilVorn.h"
#include "FrmChoixVorn.h"
#include "FrmChpExpérienceVorn.h"
#include "FrmPrincipaleVorn.h"
#include "ModuleVorn.h"
#include "Tables.h"
#include "UpDownNiv.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <utility>
#include <vector>

using mesure::GuetPeinture;
using mesure::maintenantNs;
using mesure::Chauffe;
using mesure::serie;

namespace {

// No box ever opens: questions are answered "Non", and every message is
// counted so that a refused action cannot pass for a measured one.
class MessagerieMuette final : public Messagerie {
public:
    std::int16_t Afficher(QWidget*, const QString&, const QString&, int code) override {
        ++vus;
        return code == QuestionOuiNon ? Non : Ok;
    }
    int vus = 0;
};

int demarrage(int argc, char** argv) {
    // LancerVorn, with a watch on the welcome screen's first frame.
    QApplication app(argc, argv);
    PreparerApplication(app);
    GuetPeinture guet;
    double peint = -1;
    double cpu = -1;
    guet.viser(QStringLiteral("FrmAccueilVorn"), [&peint, &cpu] {
        peint = mesure::msDepuisLancement();
        cpu = mesure::ms(mesure::cpuNs());
        QCoreApplication::exit(0);
    });
    ModuleVorn module;
    MessagerieQt messagerie;
    DesAleatoires des;
    ApplicationVorn vorn(module, messagerie, des, [] { QCoreApplication::exit(0); });
    vorn.Demarrer();
    const int code = QApplication::exec();
    std::printf("peint_ms=%.3f\ncpu_ms=%.3f\n", peint, cpu);
    return code;
}

// The program up to the choice screen painted, a "00" agent named, ready to continue.
struct Session {
    ModuleVorn module;
    MessagerieMuette messages;
    DesAleatoires des{1}; // fixed seed: the same scars on every run
    GuetPeinture guet;
    ApplicationVorn vorn{module, messages, des, [] {}};

    Session() {
        guet.viser(QStringLiteral("FrmAccueilVorn"));
        vorn.Demarrer();
        guet.attendre();
        guet.viser(QStringLiteral("FrmChoixVorn"));
        vorn.accueil()->TxtNomAccueil->setText(QStringLiteral("JOUEUR"));
        vorn.accueil()->BtnContinuerAccueil->click();
        guet.attendre();
        vorn.choix()->TxtNomPerso->setText(QStringLiteral("AGENT"));
        vorn.choix()->OptRang[0]->click();
    }
    // From the click to the sheet's first frame.
    mesure::Duree continuer() {
        guet.viser(QStringLiteral("FrmPrincipaleVorn"));
        const long long cpu0 = mesure::cpuNs();
        const long long t0 = maintenantNs();
        vorn.choix()->BtnContinuerChoix->click();
        guet.attendre();
        const mesure::Duree d{guet.instantNs() - t0, guet.cpuNs() - cpu0};
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return d;
    }
};

int feuille(int argc, char** argv) {
    QApplication app(argc, argv);
    PreparerApplication(app);
    Session s;
    const mesure::Duree d = s.continuer();
    std::printf("feuille_ms=%.3f\nfeuille_cpu_ms=%.3f\n", mesure::ms(d.murNs), mesure::ms(d.cpuNs));
    return 0;
}

// The sheet's four user actions, each in two alternating directions by the parity of k.
struct Actions {
    explicit Actions(Session& session) : s(session), f(session.vorn.feuille()) {}
    Session& s;
    FrmPrincipaleVorn* f;
    int repondus = 0;
    // Runs once the dialog's first frame is complete, before its "&Ok".
    std::function<void(QWidget*)> avantOk;

    // As a user's pick: the selection moves, then the list reports it. FOR 12 and 5 alternate.
    void caracteristique(int k) {
        const int index = k % 2 ? 0 : 7;
        f->CmbFOR->setCurrentIndex(index);
        emit f->CmbFOR->activated(index);
    }
    // Row 0 is not a free skill: taken, then released.
    void competence(int) { f->ChkComp[0]->click(); }
    // A free skill's level, 1 -> 2 -> 1.
    void niveau(int k) {
        UpDownNiv* spin = f->UpDownNivs[LigneConduite];
        (k % 2 ? spin->boutonBas() : spin->boutonHaut())->click();
    }
    // Every accepted age opens the fields-of-experience dialog; it is answered
    // "&Ok" once its first frame is complete, as a user could at the earliest.
    void age(int k) {
        s.guet.viser(QString::fromUtf8("FrmChpExpérienceVorn"), [this] {
            if (auto* d = dynamic_cast<FrmChpExpérienceVorn*>(QApplication::activeModalWidget())) {
                if (avantOk) avantOk(d);
                d->BtnOkExpérience->click();
                ++repondus;
            }
        });
        const int index = k % 2;
        f->CmbAge->setCurrentIndex(index);
        emit f->CmbAge->activated(index);
    }
    // The actions by the names the figures carry, in the order they are measured.
    std::vector<std::pair<std::string, std::function<void(int)>>> genres() {
        return {{"caracteristique", [this](int k) { caracteristique(k); }},
                {"competence", [this](int k) { competence(k); }},
                {"niveau", [this](int k) { niveau(k); }},
                {"age", [this](int k) { age(k); }}};
    }
    // Whether every age pick and no refusal went as intended.
    bool verifier(int ages) const {
        if (repondus != ages) {
            std::fprintf(stderr, "%d of %d age picks answered their dialog\n", repondus, ages);
            return false;
        }
        if (s.messages.vus != 0) {
            std::fprintf(stderr, "%d message(s) shown: some actions were refused\n", s.messages.vus);
            return false;
        }
        return true;
    }
};

// The choice screen's, the sheet's and the fields-of-experience dialog's widgets.
int inventaire(int argc, char** argv) {
    QApplication app(argc, argv);
    PreparerApplication(app);
    Session s;
    mesure::inventaire("choix", s.vorn.choix());
    s.continuer();
    mesure::inventaire("feuille", s.vorn.feuille());
    Actions a(s);
    a.avantOk = mesure::inventaireDialogue;
    a.age(0);
    QApplication::processEvents();
    return a.verifier(1) ? 0 : 1;
}

int actions(int argc, char** argv, int n) {
    QApplication app(argc, argv);
    PreparerApplication(app);
    Session s;
    s.continuer();
    Actions a(s);
    for (const auto& [nom, action] : a.genres()) serie(nom.c_str(), n, action);
    return a.verifier(Chauffe + n) ? 0 : 1;
}

// N actions of one kind only, untimed: what an instruction counter sees besides start-up.
int seule(int argc, char** argv, const std::string& genre, int n) {
    QApplication app(argc, argv);
    PreparerApplication(app);
    Session s;
    s.continuer();
    Actions a(s);
    return mesure::seules(a, genre, n);
}

// What each action rewrites on the sheet, both ways.
int changementsActions(int argc, char** argv) {
    QApplication app(argc, argv);
    PreparerApplication(app);
    Session s;
    s.continuer();
    Actions a(s);
    return mesure::changementsDesActions(a, a.f);
}

} // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "demarrage") return demarrage(argc, argv);
    if (mode == "feuille") return feuille(argc, argv);
    if (mode == "inventaire") return inventaire(argc, argv);
    if (mode == "actions") return actions(argc, argv, argc > 2 ? std::max(1, std::atoi(argv[2])) : 2000);
    if (mode == "seule" && argc > 3) return seule(argc, argv, argv[2], std::max(1, std::atoi(argv[3])));
    if (mode == "changements") return changementsActions(argc, argv);
    if (mode == "version") {
        std::printf("%s\n", qVersion());
        return 0;
    }
    std::fprintf(stderr, "usage: %s demarrage|feuille|actions [N]|seule GENRE N|changements|inventaire|version\n",
                 argv[0]);
    return 2;
}
