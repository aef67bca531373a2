// Our program's screens under measurement, built by the same flow as main.
//
//   vorn_mesure demarrage      start to the welcome screen's first frame
//   vorn_mesure feuille        "&Continuer" of the choice screen to the sheet's first frame
//   vorn_mesure actions [N]    N single user actions of each kind on the sheet
//   vorn_mesure inventaire     the choice screen's and the sheet's widgets by class
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
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

using mesure::GuetPeinture;
using mesure::maintenantNs;

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

int inventaire(int argc, char** argv) {
    QApplication app(argc, argv);
    PreparerApplication(app);
    Session s;
    mesure::inventaire("choix", s.vorn.choix());
    s.continuer();
    mesure::inventaire("feuille", s.vorn.feuille());
    return 0;
}

constexpr int Chauffe = 20; // unrecorded warm-up runs of each action

// Times `action(k)` for k = 0, 1, 2 ... each followed by the pending events
// (paints included), and prints the median and 99th percentile.
void serie(const char* nom, int n, const std::function<void(int)>& action) {
    for (int k = 0; k < Chauffe; ++k) {
        action(k);
        QApplication::processEvents();
    }
    std::vector<long long> ns;
    ns.reserve(static_cast<std::size_t>(n));
    for (int k = 0; k < n; ++k) {
        const long long t0 = maintenantNs();
        action(Chauffe + k);
        QApplication::processEvents();
        ns.push_back(maintenantNs() - t0);
    }
    std::sort(ns.begin(), ns.end());
    const std::size_t u = ns.size();
    const double mediane = u % 2 ? mesure::ms(ns[u / 2]) : (mesure::ms(ns[u / 2 - 1]) + mesure::ms(ns[u / 2])) / 2;
    // Nearest-rank percentile.
    const auto rang99 = static_cast<std::size_t>(std::ceil(0.99 * static_cast<double>(u))) - 1;
    std::printf("action=%s n=%zu mediane_ms=%.4f p99_ms=%.4f\n", nom, u, mediane, mesure::ms(ns[rang99]));
}

int actions(int argc, char** argv, int n) {
    QApplication app(argc, argv);
    PreparerApplication(app);
    Session s;
    s.continuer();
    FrmPrincipaleVorn* f = s.vorn.feuille();

    // As a user's pick: the selection moves, then the list reports it. FOR 12 and 5 alternate.
    serie("caracteristique", n, [f](int k) {
        const int index = k % 2 ? 0 : 7;
        f->CmbFOR->setCurrentIndex(index);
        emit f->CmbFOR->activated(index);
    });
    // Row 0 is not a free skill: taken, then released.
    serie("competence", n, [f](int) { f->ChkComp[0]->click(); });
    // A free skill's level, 1 -> 2 -> 1.
    serie("niveau", n, [f](int k) {
        UpDownNiv* spin = f->UpDownNivs[LigneConduite];
        (k % 2 ? spin->boutonBas() : spin->boutonHaut())->click();
    });
    // Every accepted age opens the fields-of-experience dialog; it is answered
    // "&Ok" once its first frame is complete, as a user could at the earliest.
    int repondus = 0;
    serie("age", n, [f, &s, &repondus](int k) {
        s.guet.viser(QString::fromUtf8("FrmChpExpérienceVorn"), [&repondus] {
            if (auto* d = dynamic_cast<FrmChpExpérienceVorn*>(QApplication::activeModalWidget())) {
                d->BtnOkExpérience->click();
                ++repondus;
            }
        });
        const int index = k % 2;
        f->CmbAge->setCurrentIndex(index);
        emit f->CmbAge->activated(index);
    });

    if (repondus != Chauffe + n) {
        std::fprintf(stderr, "%d of %d age picks answered their dialog\n", repondus, Chauffe + n);
        return 1;
    }
    if (s.messages.vus != 0) {
        std::fprintf(stderr, "%d message(s) shown: some actions were refused\n", s.messages.vus);
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "demarrage") return demarrage(argc, argv);
    if (mode == "feuille") return feuille(argc, argv);
    if (mode == "inventaire") return inventaire(argc, argv);
    if (mode == "actions") return actions(argc, argv, argc > 2 ? std::max(1, std::atoi(argv[2])) : 2000);
    if (mode == "version") {
        std::printf("%s\n", qVersion());
        return 0;
    }
    std::fprintf(stderr, "usage: %s demarrage|feuille|actions [N]|inventaire|version\n", argv[0]);
    return 2;
}
