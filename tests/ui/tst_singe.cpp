// A seeded random walk of user actions through the whole program. After every
// action the windows are checked against tables kept here, not against the
// program's own rules, so that a wrong rule cannot agree with itself.
#include "OutilsTest.h"

#include "FrmAProposVorn.h"
#include "FrmChpExpérienceVorn.h"
#include "TexteQt.h"
#include "UpDownNiv.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include <algorithm>
#include <random>

namespace {
using namespace Qt::StringLiterals;

constexpr std::array<int, 11> CoutsCaract{0, 100, 200, 300, 400, 500, 650, 800, 975, 1150, 1350};
constexpr std::array<int, 7> CoutsApparence{0, 120, 200, 160, 120, 80, 30};
constexpr std::array<int, 7> BonusApparence{0, 20, 0, 10, 20, 35, 50};
constexpr std::array<int, 13> GainsFaiblesse{0, 50, 50, 100, 50, 100, 100, 125, 75, 100, 75, 75, 75};
constexpr std::array<int, 10> CoutsTaillePoids{0, 30, 80, 120, 160, 200, 160, 120, 80, 30};
constexpr std::array<int, 10> BonusTaillePoids{0, 50, 20, 10, 5, 0, 5, 10, 20, 50};
// The ranks in their order on the choice screen.
const QStringList LibellesRang{"       '00'", "     Agent", "    Recrue"};
constexpr std::array<int, 3> Budgets{9000, 6000, 3000};
// Base of each skill: half the sum of two characteristics (FOR DEX VOL PER INT
// = 0..4, 5 = the level of Charisme); a single one is written twice.
constexpr std::array<std::array<std::size_t, 2>, 24> Formules{
    {{0, 1}, {2, 0}, {2, 2}, {1, 3}, {0, 0}, {1, 3}, {1, 1}, {4, 4}, {4, 4}, {4, 4}, {4, 4}, {3, 2},
     {2, 2}, {4, 4}, {3, 3}, {4, 4}, {1, 3}, {1, 1}, {1, 3}, {0, 1}, {4, 4}, {2, 5}, {4, 3}, {3, 3}}};
// Places of a scar, by the d100 bounds 12, 23, 45, 66, 74, 85, 93, 100.
const QStringList Lieux{"Visage",      "Cou",        "Poitrine",     "Dos",
                        "Bras Gauche", "Bras Droit", "Jambe Gauche", "Jambe Droite"};
// Typed names: letters the boxes must capitalise, accented ones included, and characters they must keep.
const QString Alphabet = u"abcdefghijklmnopqrstuvwxyzABCDEFXYZ0123456789 -'.,àâäçéèêëîïôöùûüÿæœ"_s;

std::size_t u(int i) { return static_cast<std::size_t>(i); }
template <typename... T> QString fmt(QString m, const T&... valeurs) {
    ((m = m.arg(valeurs)), ...);
    return m;
}

// The text of the first range whose upper bound holds the value.
QString palier(int valeur, const QList<int>& bornes, const QStringList& textes) {
    return textes.value(std::find_if(bornes.begin(), bornes.end(), [valeur](int b) { return valeur <= b; }) -
                        bornes.begin());
}

// Index of the checked option, N when none is.
template <std::size_t N> int coche(const std::array<QRadioButton*, N>& o) {
    return static_cast<int>(std::find_if(o.begin(), o.end(), [](auto* b) { return b->isChecked(); }) - o.begin());
}

std::array<QComboBox*, 10> listes(FrmPrincipaleVorn* f) {
    return {f->CmbFOR,        f->CmbDEX, f->CmbVOL,       f->CmbPER,    f->CmbINT,
            f->CmbApparence, f->CmbAge, f->CmbFaiblesse, f->CmbTaille, f->CmbPoids};
}

// All that costs or brings points: the selection of each list, then each skill's level (0: not taken).
using Etat = std::array<int, 34>;
constexpr Etat Depart{0, 0, 0, 0, 0, 0, -1, 0, 0, 0, 0, 0, 1, 0, 0, 1}; // as loaded: no age, free skills at 1

Etat lire(FrmPrincipaleVorn* f) {
    Etat e{};
    for (std::size_t k = 0; k < 10; ++k) e[k] = listes(f)[k]->currentIndex();
    for (std::size_t i = 0; i < 24; ++i) e[10 + i] = f->TxtNiveau[i]->text().toInt();
    return e;
}

int points(const Etat& e, int budget) {
    int p = budget + 20 * (e[6] + 1) + GainsFaiblesse[u(e[7])] - CoutsApparence[u(e[5])] -
            CoutsTaillePoids[u(e[8])] - CoutsTaillePoids[u(e[9])];
    for (std::size_t k = 0; k < 5; ++k) p -= CoutsCaract[u(e[k])];
    for (std::size_t i = 0; i < 24; ++i) {
        if (const int n = e[10 + i]; n > 0) p -= (i == 2 || i == 5 ? 0 : 100) + 20 * (n - 1); // 2, 5: free skills
    }
    return p;
}

class Singe {
public:
    Singe(ProgrammeTest& p, quint64 graine) : p_(p), alea_(graine) {}

    // One action on the open screen, then every check; the last one answers Yes to the quit question.
    bool pas(bool dernier) {
        QWidget* e = ecran();
        if (dernier || tirage(3)) {
            quitter(e, dernier);
        } else if (auto* f = dynamic_cast<FrmPrincipaleVorn*>(e)) {
            actionFeuille(f);
        } else if (auto* c = dynamic_cast<FrmChoixVorn*>(e)) {
            actionChoix(c);
        } else {
            actionAccueil(p_.app->accueil());
        }
        return verifier();
    }

    QString erreur;      // the first failure
    QStringList journal; // the last actions

private:
    int hasard(int n) { return std::uniform_int_distribution<int>(0, n - 1)(alea_); }
    bool tirage(int pourcent) { return hasard(100) < pourcent; }
    bool exiger(bool condition, const QString& message) {
        if (!condition && erreur.isEmpty()) erreur = message;
        return condition;
    }
    // A box the action must show: 48 a refusal, 292 a question, 0 a modal window of the program.
    void attendre(int code, const QString& titre) { attendus_ << u"%1 %2"_s.arg(code).arg(titre); }
    void demander(bool oui, const QString& titre) {
        p_.messages.repondre(oui ? Messagerie::Oui : Messagerie::Non);
        attendre(Messagerie::QuestionOuiNon, titre);
    }
    QWidget* ecran() const {
        if (p_.app->feuille()) return p_.app->feuille();
        if (p_.app->choix()) return p_.app->choix();
        return p_.app->accueil();
    }

    // One user action. A modal window it opens is answered from a timer, which
    // the guard object drops when none opened.
    void agir(const QString& quoi, const std::function<void()>& geste) {
        journal << u"%1: %2"_s.arg(n_++).arg(quoi);
        if (journal.size() > 20) journal.removeFirst();
        {
            QObject garde;
            QTimer::singleShot(0, &garde, [this] { repondreModal(); });
            geste();
        }
        traiterEvenements();
    }

    // Counted among the boxes shown, the fields-of-experience dialog is filled, the About box closed.
    void repondreModal() {
        QWidget* w = QApplication::activeModalWidget();
        if (w) p_.messages.vus.push_back({{}, w->objectName(), 0});
        if (auto* d = dynamic_cast<FrmChpExpérienceVorn*>(w)) repondreChamps(d);
        if (auto* b = dynamic_cast<FrmAProposVorn*>(w)) {
            const int r = hasard(3);
            r == 0 ? b->BtnOkAPropos->click() : QTest::keyClick(b, r == 1 ? Qt::Key_Return : Qt::Key_Escape);
        }
        // One left open would block the walk for good.
        if (w && !exiger(!w->isVisible(), w->objectName() + u" restée ouverte"_s)) w->close();
    }

    // Ticks and unticks some boxes, counting the fields left, then validates or closes the dialog by its frame.
    void repondreChamps(FrmChpExpérienceVorn* d) {
        int reste = champsOfferts_;
        // In the sheet's order: professional fields first, each group in box order.
        auto boites = d->FrmChpExpProf->findChildren<QCheckBox*>() + d->FrmChpExpGen->findChildren<QCheckBox*>();
        boites.removeIf([](QCheckBox* c) { return c->isHidden(); });
        for (int k = hasard(9); k > 0; --k) {
            QCheckBox* c = boites[hasard(static_cast<int>(boites.size()))];
            const bool avant = c->isChecked(), apres = !avant && reste > 0;
            if (!avant && !apres) attendre(Messagerie::Exclamation, u"Erreur - Champs d'Expérience"_s);
            reste += avant ? 1 : apres ? -1 : 0;
            c->click();
            exiger(c->isChecked() == apres, c->objectName() + u" mal cochée"_s);
        }
        exiger(d->TxtExp->text() == QString::number(reste),
               fmt(u"TxtExp '%1', attendu %2"_s, d->TxtExp->text(), reste));
        QStringList choisis;
        for (QCheckBox* c : boites) {
            if (c->isChecked()) choisis << c->text();
        }
        const bool valider = tirage(75);
        champsAttendus_ = valider && !choisis.isEmpty() ? choisis : QStringList{u"(aucun)"_s};
        valider ? d->BtnOkExpérience->click() : void(d->close());
    }

    // --- Checks after every action -------------------------------------------

    bool verifier() {
        QStringList montres;
        for (auto k = vusAvant_; k < p_.messages.vus.size(); ++k) {
            montres << u"%1 %2"_s.arg(p_.messages.vus[k].code).arg(p_.messages.vus[k].titre);
        }
        vusAvant_ = p_.messages.vus.size();
        const QStringList prevus = std::exchange(attendus_, {}), v = p_.visibles();
        exiger(montres == prevus && p_.messages.reponses.empty() && !QApplication::activeModalWidget(),
               u"boîtes et fenêtres modales [%1], attendues [%2]"_s.arg(montres.join(u'|'), prevus.join(u'|')));
        // Only the confirmation ends the program, and once; until then exactly one screen shows.
        exiger(p_.fins == int{fin_} && v.size() == (fin_ ? 0 : 1),
               fmt(u"%1 fin(s), visibles [%2]"_s, p_.fins, v.join(u' ')));
        if (!erreur.isEmpty() || fin_) return erreur.isEmpty();
        if (auto* f = dynamic_cast<FrmPrincipaleVorn*>(ecran())) return verifierFeuille(f);
        const ModuleVorn& m = p_.module;
        FrmChoixVorn* c = p_.app->choix();
        if (!c) return true;
        // The record follows the checked options; just loaded, the screen shows the defaults, an empty
        // name and a fresh record but for the player's name.
        const int rang = coche(c->OptRang), sexe = coche(c->OptSexe), prof = coche(c->OptProfession);
        const auto vide = [](const auto& t) { return std::ranges::all_of(t, &std::string::empty); };
        return exiger(rang < 3 && m.PtGeneration == Budgets[u(rang)] && m.Rang == LibellesRang[rang].toStdString() &&
                          m.Sexe == sexe && m.Profession == prof &&
                          (!std::exchange(choixNeuf_, false) ||
                           (c->TxtNomPerso->text().isEmpty() && rang == 2 && sexe == 0 && prof == 0 &&
                            m.NomPerso.empty() && vide(m.ChpExpProf) && vide(m.ChpExpGen) &&
                            m.NomJoueur == joueur_.toStdString())),
                      fmt(u"écran de choix: options %1 %2 %3, fiche %4 %5 %6"_s, rang, sexe, prof, m.PtGeneration,
                          m.Sexe, m.Profession));
    }

    // What the sheet shows and records, beside what the tables give for the selections shown.
    bool verifierFeuille(FrmPrincipaleVorn* f) {
        ModuleVorn& m = p_.module;
        const Etat e = lire(f);
        if (e != attendu_) {
            const auto k = static_cast<std::size_t>(std::ranges::mismatch(e, attendu_).in1 - e.begin());
            return exiger(false, fmt(u"état: case %1 à %2, attendu %3"_s, k, e[k], attendu_[k]));
        }
        const auto cmb = listes(f);
        QStringList vu, prevu;
        // The record's snapshot of each list is what the list shows.
        std::array<int, 6> val{};
        for (std::size_t k = 0; k < 5; ++k) {
            const Caract x = ToutesCaract[k];
            val[k] = 5 + e[k];
            vu << fmt(u"%1 %2 %3 %4"_s, cmb[k]->currentText(), qs(TexteDe(m, x)), AncCoutDe(m, x), ValDe(m, x));
            prevu << fmt(u"%1 %1 %2 %1"_s, val[k], CoutsCaract[u(e[k])]);
        }
        vu << fmt(u"%1 %2 %3 %4 %5 %6 %7 %8 %9 %10"_s, qs(m.TexteApparence), m.AncCoutApparence, qs(m.TexteAge),
                  m.AncGainAge, m.IdxFaiblesse, m.AncGainFaiblesse, m.IdxTaille, m.AncCoutTaille, m.IdxPoids,
                  m.AncCoutPoids);
        prevu << fmt(u"%1 %2 %3 %4 %5 %6 %7 %8 %9 %10"_s, cmb[5]->currentText(), CoutsApparence[u(e[5])],
                     cmb[6]->currentText(), 20 * (e[6] + 1), e[7], GainsFaiblesse[u(e[7])], e[8],
                     CoutsTaillePoids[u(e[8])], e[9], CoutsTaillePoids[u(e[9])]);
        // Each row: tick, box enabled, grey fields, live arrows and their value, level/base/CB.
        val[5] = e[12];
        for (std::size_t i = 0; i < 24; ++i) {
            const int n = e[10 + i], base = (val[Formules[i][0]] + val[Formules[i][1]]) / 2;
            const QCheckBox* b = f->ChkComp[i];
            const bool libre = i == 2 || i == 5;
            const bool gris = f->TxtCB[i]->palette().color(QPalette::Disabled, QPalette::Base) == QColor(192, 192, 192);
            vu << fmt(u"%1 %2 %3 %4 %5 %6 %7/%8/%9"_s, b->objectName(), b->checkState(), b->isEnabled(), gris,
                      f->UpDownNivs[i]->isEnabled(), f->UpDownNivs[i]->value(), f->TxtNiveau[i]->text(),
                      f->TxtFormule[i]->text(), f->TxtCB[i]->text());
            prevu << fmt(u"%1 %2 %3 %4 %5 %6 %6/%7/%8"_s, b->objectName(), libre ? 1 : n > 0 ? 2 : 0, !libre, n == 0,
                         n > 0, std::clamp(n, 0, 15), base, base + n);
        }
        const int pts = points(e, Budgets[u(rang_)]);
        const int celebrite = BonusApparence[u(e[5])] + 6 * (e[6] + 1) + BonusTaillePoids[u(e[8])] +
                              BonusTaillePoids[u(e[9])] - 40 * sexe_;
        vu << fmt(u"%1 %2 %3 %4"_s, f->TxtPtGénération->text(), m.PtRestants, f->TxtPtCélébrité->text(), m.PtCelebrite);
        prevu << fmt(u"%1 %1 %2 (+%3) %2"_s, pts < 0 ? u"positifs"_s : QString::number(pts), celebrite,
                     20 * cicatrices_);
        vu << QStringList{f->TxtClasse->text(), f->TxtCharge->text(), f->TxtVitesse->text(), f->TxtEndurance->text(),
                          f->TxtCourse->text()}
                  .join(u'|');
        const QList<int> seuils{5, 10, 13, 14, 15};
        prevu << QStringList{palier(val[0], {8, 13, 15}, {"A", "B", "C"}),
                             palier(val[0], seuils, {"25 - 45", "46 - 70", "71 - 95", "96 - 125", "126 - 160"}),
                             palier(val[1] + val[3], {15, 23, 30}, {"1", "2", "3"}),
                             palier(val[2], seuils, {"24", "28", "30", "32", "36"}),
                             palier(val[2], seuils, {"10", "25", "40", "45", "55"})}
                     .join(u'|');
        vu << QStringList{f->TxtNomJoueur->text(), f->TxtNomPerso->text(), qs(m.NomPerso), f->TxtRang->text(),
                          f->TxtSexe->text(), f->TxtProfession->text(), lignes(f->LstCicatrices).join(u'|'),
                          lignes(f->LstChpExpérience).join(u'|')}
                  .join(u'|');
        prevu << (identite_ + champsAttendus_).join(u'|');
        for (qsizetype k = 0; k < vu.size(); ++k) {
            if (!exiger(vu[k] == prevu[k], fmt(u"feuille: '%1', attendu '%2'"_s, vu[k], prevu[k]))) return false;
        }
        return true;
    }

    // --- Actions ---------------------------------------------------------------

    // The quit question, by the open screen's frame: No keeps the screen, Yes ends the program.
    void quitter(QWidget* e, bool oui) {
        demander(oui, u"Quitter"_s);
        fin_ = oui;
        agir(fmt(u"fermer %1, Oui %2"_s, e->objectName(), oui), [e] { e->close(); });
    }

    // Typing or erasing a name: typed letters become capitals.
    void saisie(QLineEdit* champ) {
        QString s;
        for (int k = hasard(8); k >= 0; --k) s += Alphabet.at(hasard(static_cast<int>(Alphabet.size())));
        const bool effacer = tirage(30);
        const QString attendu = effacer ? QString() : champ->text() + s.toUpper();
        agir(fmt(u"%1: %2"_s, champ->objectName(), effacer ? u"effacer"_s : s), [=] {
            if (effacer) champ->selectAll();
            effacer ? QTest::keyClick(champ, Qt::Key_Backspace) : taper(champ, s);
        });
        exiger(champ->text() == attendu, fmt(u"'%1', attendu '%2'"_s, champ->text(), attendu));
    }

    void actionAccueil(FrmAccueilVorn* a) {
        if (tirage(90)) return saisie(a->TxtNomAccueil);
        const QString nom = a->TxtNomAccueil->text();
        const bool entree = tirage(50);
        if (nom.isEmpty()) attendre(Messagerie::Exclamation, u"Erreur - Nom du Joueur"_s);
        agir(fmt(u"accueil: Continuer (Entrée %1)"_s, entree), [a, entree] {
            entree ? QTest::keyClick(a->TxtNomAccueil, Qt::Key_Return) : a->BtnContinuerAccueil->click();
        });
        if (!nom.isEmpty()) joueur_ = nom;
        choixNeuf_ = !nom.isEmpty();
    }

    void actionChoix(FrmChoixVorn* c) {
        const int r = hasard(100);
        if (r < 45) return saisie(c->TxtNomPerso);
        if (r < 90) {
            const auto options = c->findChildren<QRadioButton*>();
            QRadioButton* o = options[hasard(static_cast<int>(options.size()))];
            agir(u"clic "_s + o->objectName(), [o] { o->click(); });
            return void(exiger(o->isChecked(), o->objectName() + u" n'est pas cochée"_s));
        }
        const QString nom = c->TxtNomPerso->text();
        if (nom.isEmpty()) attendre(Messagerie::Exclamation, u"Erreur - Nom du Personnage"_s);
        rang_ = coche(c->OptRang);
        sexe_ = coche(c->OptSexe);
        identite_ = QStringList{joueur_, nom, nom, LibellesRang[rang_], sexe_ ? u" Féminin"_s : u" Masculin"_s,
                                c->OptProfession[u(coche(c->OptProfession))]->text(), u"(aucune)"_s, {}, {}};
        // Dice of the scar draw: the chance, the number, three places.
        const int chance = 1 + hasard(100), d6 = 1 + hasard(6);
        p_.des.jets = {static_cast<std::int16_t>(chance), static_cast<std::int16_t>(d6)};
        cicatrices_ = chance > std::array{90, 60, 0}[u(rang_)] ? 0 : d6 <= 4 ? 1 : d6 - 3;
        for (int k = 0; k < 3; ++k) {
            const int d100 = 1 + hasard(100);
            p_.des.jets.push_back(static_cast<std::int16_t>(d100));
            if (k < cicatrices_) identite_[6 + k] = palier(d100, {12, 23, 45, 66, 74, 85, 93, 100}, Lieux);
        }
        champsAttendus_ = {u"(aucun)"_s};
        attendu_ = Depart;
        agir(fmt(u"choix: Continuer, dés %1/%2, %3"_s, chance, d6, identite_.join(u'|')),
             [c] { c->BtnContinuerChoix->click(); });
        exiger(nom.isEmpty() || p_.app->feuille(), u"la feuille ne s'est pas ouverte"_s);
    }

    // Each sheet action leaves the state it asks for when the points stay positive, else the state before it.
    void actionFeuille(FrmPrincipaleVorn* f) {
        Etat apres = attendu_;
        QString quoi, titre; // the action, and the refusal's subject should it cost too much
        std::function<void()> geste;
        const int r = hasard(1000);
        if (r < 500) { // a pick in one of the ten lists, the current entry included
            const auto k = u(hasard(10));
            QComboBox* c = listes(f)[k];
            const int index = apres[k] = hasard(c->count());
            quoi = c->objectName();
            titre = k < 5 ? u"Caractéristiques"_s : quoi.mid(3);
            geste = [c, index] { choisir(c, index); };
            champsOfferts_ = index + 1;
        } else if (r < 680) { // take or release a skill (rows 2 and 5 are free and cannot be clicked)
            const int i = hasard(22) + 2;
            const auto ligne = u(i < 4 ? i - 2 : i < 6 ? i - 1 : i);
            apres[10 + ligne] = apres[10 + ligne] > 0 ? 0 : 1;
            quoi = f->ChkComp[ligne]->objectName();
            titre = u"Compétences"_s;
            geste = [b = f->ChkComp[ligne]] { b->click(); };
        } else if (r < 970) { // an arrow of a live spin control, half the time the highest so that levels reach 15
            std::vector<std::size_t> actives;
            for (std::size_t i = 10; i < 34; ++i) {
                if (apres[i] > 0) actives.push_back(i);
            }
            std::size_t i = actives[u(hasard(static_cast<int>(actives.size())))];
            if (tirage(50)) {
                i = *std::ranges::max_element(actives, [&](auto a, auto b) { return apres[a] < apres[b]; });
            }
            const bool haut = tirage(60);
            UpDownNiv* s = f->UpDownNivs[i - 10];
            apres[i] = std::clamp(apres[i] + (haut ? 1 : -1), 1, 15);
            quoi = s->objectName() + (haut ? u" haut"_s : u" bas"_s);
            titre = u"Niveau de Compétences"_s;
            geste = [s, haut] { (haut ? s->boutonHaut() : s->boutonBas())->click(); };
        } else if (r < 985) {
            attendre(0, u"FrmAProposVorn"_s);
            quoi = u"menu À propos"_s;
            geste = [f] { f->MnuAPropos->trigger(); };
        } else { // Yes leads back to the choice screen, No changes nothing
            const bool oui = r >= 993;
            demander(oui, u"Nouveau"_s);
            choixNeuf_ = oui;
            return agir(fmt(u"menu Nouveau, Oui %1"_s, oui), [f] { f->MnuNouveau->trigger(); });
        }
        const int reste = points(apres, Budgets[u(rang_)]);
        if (reste < 0) attendre(Messagerie::Exclamation, u"Erreur - "_s + titre);
        if (reste >= 0 && quoi == u"CmbAge"_s) attendre(0, u"FrmChpExpérienceVorn"_s);
        if (reste >= 0) attendu_ = apres;
        agir(fmt(u"%1 (points %2)"_s, quoi, reste), geste);
    }

    ProgrammeTest& p_;
    std::mt19937_64 alea_;
    int n_ = 0;
    QStringList attendus_;  // the boxes and modal windows the current action must show: code and title
    std::size_t vusAvant_ = 0;
    int champsOfferts_ = 0; // by the age just picked
    bool fin_ = false, choixNeuf_ = false;
    // What the sheet must show: its state, names, rank, sex, profession and scars, and fields of experience.
    Etat attendu_ = Depart;
    int rang_ = 2, sexe_ = 0, cicatrices_ = 0;
    QStringList identite_, champsAttendus_{"(aucun)"};
    QString joueur_;
};

// The offscreen platform warns at every load of the fixed-size sheet; the walk loads it hundreds of times.
QtMessageHandler gestionnairePrecedent = nullptr;
void filtrerMessages(QtMsgType type, const QMessageLogContext& contexte, const QString& message) {
    if (message != u"This plugin does not support propagateSizeHints()"_s) {
        gestionnairePrecedent(type, contexte, message);
    }
}
} // namespace

class TestSinge : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { gestionnairePrecedent = qInstallMessageHandler(filtrerMessages); }
    void cleanupTestCase() { qInstallMessageHandler(gestionnairePrecedent); }

    void marcheAleatoire() {
        bool ok = false;
        int actions = qEnvironmentVariableIntValue("VORN_SINGE_ACTIONS", &ok);
        if (!ok || actions <= 0) actions = 20000;
        quint64 graine = qgetenv("VORN_SINGE_GRAINE").toULongLong(&ok);
        if (!ok) graine = 20240611;
        qInfo("singe: graine %llu, %d actions (VORN_SINGE_GRAINE, VORN_SINGE_ACTIONS)", graine, actions);
        ProgrammeTest p;
        Singe singe(p, graine);
        for (int n = 0; n <= actions; ++n) {
            if (singe.pas(n == actions)) continue;
            qWarning().noquote() << u"dernières actions:\n  "_s + singe.journal.join(u"\n  "_s);
            QFAIL(qPrintable(fmt(u"graine %1, action %2: %3"_s, graine, n, singe.erreur)));
        }
    }
};

QTEST_MAIN(TestSinge)
#include "tst_singe.moc"
