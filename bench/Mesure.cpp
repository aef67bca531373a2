// Our program's screens under measurement, built by the same flow as main.
//   vorn_lanceur vorn_mesure demarrage   start to the welcome screen's first frame
//   vorn_mesure actions [N]    the choice's "&Continuer" to the sheet's first frame, then
//                              N timed user actions of each kind on the sheet
//   vorn_mesure seule GENRE N  N untimed actions of one kind, for an instruction counter
//   vorn_mesure ouverture      an agent file opened from the choice screen to the sheet's first frame
//   vorn_mesure enregistrement N   N saves of the sheet's agent by "&Enregistrer", their median

#include "Mesures.h"

#include "ApplicationVorn.h"
#include "Choix.h"
#include "FichierAgent.h"
#include "FrmChpExpérienceVorn.h"
#include "UpDownNiv.h"

#include <QtWidgets>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

// No box ever opens: questions are answered "Non", and every message is
// counted so that a refused action cannot pass for a measured one.
struct MessagerieMuette final : Messagerie {
    std::int16_t Afficher(QWidget*, const QString&, const QString&, int code, const QString&) override {
        ++vus;
        return code == QuestionOuiNon ? Non : Ok;
    }
    int vus = 0;
};

// The program up to the choice screen painted, a "00" agent named, ready to continue.
struct Session {
    ModuleVorn module;
    MessagerieMuette messages;
    DesAleatoires des{1}; // fixed seed: the same scars on every run
    mesure::GuetPeinture guet;
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
    // From the choice screen, an agent file opened to the sheet's first frame, through the
    // same hand-over as "&Continuer" (what "&Ouvrir…" does once a file is chosen).
    void ouvrir(const QString& chemin) {
        guet.viser(QStringLiteral("FrmPrincipaleVorn"));
        const long long cpu0 = mesure::cpuNs();
        const long long t0 = mesure::horloge();
        if (!vorn.OuvrirAgent(vorn.choix(), chemin)) std::exit(3);
        guet.attendre();
        std::printf("ouverture_ms=%.3f\nouverture_cpu_ms=%.3f\n", mesure::ms(guet.instantNs - t0),
                    mesure::ms(guet.instantCpuNs - cpu0));
    }
    // From the click to the sheet's first frame.
    void continuer() {
        guet.viser(QStringLiteral("FrmPrincipaleVorn"));
        const long long cpu0 = mesure::cpuNs();
        const long long t0 = mesure::horloge();
        vorn.choix()->BtnContinuerChoix->click();
        guet.attendre();
        std::printf("feuille_ms=%.3f\nfeuille_cpu_ms=%.3f\n", mesure::ms(guet.instantNs - t0),
                    mesure::ms(guet.instantCpuNs - cpu0));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

// A "00" agent with some choices made, as a file: what the opening measurement reads.
QString fichierAgent(const QString& dossier) {
    ModuleVorn m;
    ChargerChoix(m);
    m.NomJoueur = "JOUEUR";
    ChoisirRang(m, 0);
    DesAleatoires des(1);
    ValiderChoix(m, "AGENT", des);
    FeuilleVorn f(m);
    f.Charger();
    f.ChoisirCaract(Caract::FOR, 7);
    f.ChoisirDescription(Description::Apparence, 3);
    f.PrendreCompetence(14);
    f.MonterNiveau(14);
    const QString chemin = dossier + QStringLiteral("/agent.vorn");
    QFile fichier(chemin);
    const std::string texte = EcrireAgent(f);
    if (!fichier.open(QIODevice::WriteOnly) || fichier.write(texte.data(), static_cast<qint64>(texte.size())) < 0)
        std::exit(3);
    return chemin;
}

// The sheet's four user actions, each in two alternating directions by the
// parity of k; false for a kind of no such name.
struct Actions {
    Session& s;
    FrmPrincipaleVorn* f = s.vorn.feuille();
    int repondus = 0;

    bool agir(const std::string& genre, int k) {
        if (genre == "caracteristique") {
            // As a user's pick: the selection moves, then the list reports it. FOR 12 and 5 alternate.
            f->CmbFOR->setCurrentIndex(k % 2 ? 0 : 7);
            emit f->CmbFOR->activated(f->CmbFOR->currentIndex());
        } else if (genre == "competence") {
            f->ChkComp[0]->click(); // not a free skill: taken, then released
        } else if (genre == "niveau") {
            UpDownNiv* spin = f->UpDownNivs[LigneConduite]; // a free skill: level 1 -> 2 -> 1
            (k % 2 ? spin->boutonBas() : spin->boutonHaut())->click();
        } else if (genre == "age") {
            // An accepted age opens the fields-of-experience dialog: answered
            // "&Ok" once its first frame is complete, as a user could at the earliest.
            s.guet.viser(QString::fromUtf8("FrmChpExpérienceVorn"), [this] {
                if (auto* d = dynamic_cast<FrmChpExpérienceVorn*>(QApplication::activeModalWidget())) {
                    d->BtnOkExpérience->click();
                    ++repondus;
                }
            });
            f->CmbAge->setCurrentIndex(k % 2);
            emit f->CmbAge->activated(k % 2);
        } else {
            return false;
        }
        QCoreApplication::processEvents(); // the repaints it left pending
        return true;
    }
    // Whether every age pick was answered and no action refused.
    bool verifier(int ages) const {
        if (repondus != ages) std::fprintf(stderr, "%d of %d age picks answered their dialog\n", repondus, ages);
        if (s.messages.vus != 0) std::fprintf(stderr, "%d message(s) shown: actions refused\n", s.messages.vus);
        return repondus == ages && s.messages.vus == 0;
    }
};

constexpr int Chauffe = 20; // unrecorded warm-up actions of each kind

// N actions of each kind, timed after the warm-up: their median and 99th percentile (nearest rank).
int chronometrer(Actions& a, int n) {
    for (const std::string genre : {"caracteristique", "competence", "niveau", "age"}) {
        for (int k = 0; k < Chauffe; ++k) a.agir(genre, k);
        std::vector<long long> ns;
        for (int k = Chauffe; k < Chauffe + n; ++k) {
            const long long t0 = mesure::horloge();
            a.agir(genre, k);
            ns.push_back(mesure::horloge() - t0);
        }
        std::sort(ns.begin(), ns.end());
        const auto rang = [&ns](double q) {
            return mesure::ms(ns[static_cast<std::size_t>(std::ceil(q * static_cast<double>(ns.size()))) - 1]);
        };
        std::printf("%s_ms=%.4f\n%s_p99_ms=%.4f\n", genre.c_str(), rang(0.5), genre.c_str(), rang(0.99));
    }
    return a.verifier(Chauffe + n) ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    QApplication app(argc, argv);
    PreparerApplication(app);
    if (mode == "demarrage") {
        // LancerVorn, with a watch on the welcome screen's first frame.
        ModuleVorn module;
        MessagerieQt messagerie;
        DesAleatoires des;
        ApplicationVorn vorn(module, messagerie, des, [] { QCoreApplication::exit(0); });
        return mesure::demarrage(QStringLiteral("FrmAccueilVorn"), [&vorn] { vorn.Demarrer(); });
    }
    const int n = argc > 2 ? std::max(1, std::atoi(argv[argc - 1])) : 1000;
    if (mode == "ouverture") {
        QTemporaryDir dossier;
        const QString chemin = fichierAgent(dossier.path());
        Session s;
        s.ouvrir(chemin);
        return 0;
    }
    if (mode == "enregistrement") {
        // "&Enregistrer" on the sheet, to a file saved there before: the whole agent written again.
        QTemporaryDir dossier;
        Session s;
        s.continuer();
        FrmPrincipaleVorn* f = s.vorn.feuille();
        f->cheminAgent = dossier.filePath(QStringLiteral("agent.vorn"));
        std::vector<long long> ns;
        for (int k = 0; k < Chauffe + n; ++k) {
            f->ChkComp[k % 2]->click(); // changed each time, as a player saves a changed agent
            const long long t0 = mesure::horloge();
            f->MnuEnregistrer->trigger();
            if (k >= Chauffe) ns.push_back(mesure::horloge() - t0);
        }
        std::sort(ns.begin(), ns.end());
        std::printf("enregistrement_ms=%.4f\n", mesure::ms(ns[ns.size() / 2]));
        return s.messages.vus == 0 && QFile::exists(f->cheminAgent) ? 0 : 1;
    }
    if (mode == "actions" || (mode == "seule" && argc > 3)) {
        Session s;
        s.continuer();
        Actions a{s};
        if (mode == "actions") return chronometrer(a, n);
        for (int k = 0; k < n; ++k)
            if (!a.agir(argv[2], k)) return 2;
        return a.verifier(argv[2] == std::string("age") ? n : 0) ? 0 : 1;
    }
    return 2; // usage: vorn_mesure demarrage|ouverture|enregistrement N|actions [N]|seule GENRE N
}
