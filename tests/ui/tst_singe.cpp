// A seeded random walk of user actions through the whole program. After every
// action the windows are checked against tables kept here, not against the
// program's own rules, so that a wrong rule cannot agree with itself.
#include "OutilsTest.h"

#include "FrmAProposVorn.h"
#include "FrmAccueilVorn.h"
#include "FrmChoixVorn.h"
#include "FrmChpExpérienceVorn.h"
#include "FrmPrincipaleVorn.h"
#include "UpDownNiv.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <array>
#include <functional>
#include <random>
#include <utility>
#include <vector>

namespace {
using namespace Qt::StringLiterals;

constexpr std::array<int, 11> CoutsCaract{0, 100, 200, 300, 400, 500, 650, 800, 975, 1150, 1350};
const QStringList Apparences{u"(aucune)"_s,  u"Stricte"_s,    u"Normale"_s,       u"Bonne"_s,
                             u"Attirante"_s, u"Séduisante"_s, u"Sensationnelle"_s};
constexpr std::array<int, 7> CoutsApparence{0, 120, 200, 160, 120, 80, 30};
constexpr std::array<int, 7> BonusApparence{0, 20, 0, 10, 20, 35, 50};
constexpr std::array<int, 13> GainsFaiblesse{0, 50, 50, 100, 50, 100, 100, 125, 75, 100, 75, 75, 75};
constexpr std::array<int, 10> CoutsTaillePoids{0, 30, 80, 120, 160, 200, 160, 120, 80, 30};
constexpr std::array<int, 10> BonusTaillePoids{0, 50, 20, 10, 5, 0, 5, 10, 20, 50};
// Rank options in their order on the choice screen.
const QStringList LibellesRang{u"       '00'"_s, u"     Agent"_s, u"    Recrue"_s};
constexpr std::array<int, 3> Budgets{9000, 6000, 3000};
const QStringList Professions{u"Homme d'action indépendant"_s,
                              u"Journaliste"_s,
                              u"Militaire"_s,
                              u"Agent de renseignement militaire"_s,
                              u"Policier"_s,
                              u"Scientifique"_s,
                              u"Voleur"_s};
// Base of each skill: half the sum of two characteristics (FOR DEX VOL PER INT
// = 0..4, 5 = the level of Charisme); a single one is written twice.
constexpr std::array<std::array<std::size_t, 2>, 24> Formules{
    {{0, 1}, {2, 0}, {2, 2}, {1, 3}, {0, 0}, {1, 3}, {1, 1}, {4, 4}, {4, 4}, {4, 4}, {4, 4}, {3, 2},
     {2, 2}, {4, 4}, {3, 3}, {4, 4}, {1, 3}, {1, 1}, {1, 3}, {0, 1}, {4, 4}, {2, 5}, {4, 3}, {3, 3}}};
// Typed names: letters the name boxes must capitalise, accented ones included,
// and characters they must keep.
const QString Alphabet = u"abcdefghijklmnopqrstuvwxyzABCDEFXYZ0123456789 -'.,àâäçéèêëîïôöùûüÿæœ"_s;
const QString Aucun = u"(aucun)"_s;

bool libre(int ligne) { return ligne == 2 || ligne == 5; }
std::size_t u(int i) { return static_cast<std::size_t>(i); }

// A message with its %1, %2... replaced in order.
template <typename... T> QString fmt(QString message, const T&... valeurs) {
    ((message = message.arg(valeurs)), ...);
    return message;
}

// The text of the first range whose upper bound holds the value.
QString palier(int valeur, std::initializer_list<int> bornes, const QStringList& textes) {
    qsizetype k = 0;
    for (const int borne : bornes) {
        if (valeur <= borne) return textes[k];
        ++k;
    }
    return {};
}

// Index of the one checked option, -1 unless exactly one is checked.
template <std::size_t N> int coche(const std::array<QRadioButton*, N>& options) {
    int trouve = -1;
    for (std::size_t i = 0; i < N; ++i) {
        if (!options[i]->isChecked()) continue;
        if (trouve >= 0) return -1;
        trouve = static_cast<int>(i);
    }
    return trouve;
}

// Every check stops at its first mismatch and keeps its description.
#define EXIGER(condition, message)                                                                                     \
    do {                                                                                                               \
        if (!(condition)) return echec(message);                                                                       \
    } while (0)

class Singe {
public:
    Singe(ProgrammeTest& p, quint64 graine) : p_(p), alea_(graine) {}

    bool pas() {
        if (FrmPrincipaleVorn* f = p_.app->feuille(); f && f->isVisible()) {
            actionFeuille(f);
        } else if (FrmChoixVorn* c = p_.app->choix(); c && c->isVisible()) {
            actionChoix(c);
        } else {
            actionAccueil(p_.app->accueil());
        }
        return verifier();
    }

    // The one Yes to the quit question, from whatever screen is open.
    bool quitterPourDeBon() {
        demander(Messagerie::Oui, u"Quitter"_s);
        agir({}, u"quitter, Oui"_s, [this] {
            if (FrmPrincipaleVorn* f = p_.app->feuille(); f && f->isVisible()) {
                f->MnuQuitter->trigger();
            } else if (FrmChoixVorn* c = p_.app->choix(); c && c->isVisible()) {
                c->BtnQuitterChoix->click();
            } else {
                p_.app->accueil()->BtnQuitterAccueil->click();
            }
        });
        if (!messagesAttendus()) return false;
        EXIGER(p_.fins == 1, u"le programme ne s'est pas terminé après Oui"_s);
        EXIGER(p_.visibles().isEmpty(), u"fenêtres encore visibles: "_s + p_.visibles().join(u' '));
        return true;
    }

    const QString& erreur() const { return erreur_; }

    QString rapport() const {
        QStringList l{u"dernières actions:"_s};
        for (int k = std::max(0, n_ - 20); k < n_; ++k) l << u"  "_s + journal_[u(k % 20)];
        return l.join(u'\n');
    }

    QString bilan() const {
        QStringList l;
        for (auto it = compte_.cbegin(); it != compte_.cend(); ++it) l << u"%1=%2"_s.arg(it.key()).arg(it.value());
        return l.join(u", "_s);
    }

private:
    int hasard(int n) { return std::uniform_int_distribution<int>(0, n - 1)(alea_); }
    bool tirage(int pourcent) { return hasard(100) < pourcent; }
    QString texteAleatoire(int longueur) {
        QString s;
        for (int k = 0; k < longueur; ++k) s += Alphabet.at(hasard(static_cast<int>(Alphabet.size())));
        return s;
    }

    bool echec(const QString& message) {
        if (erreur_.isEmpty()) erreur_ = message;
        return false;
    }
    void refus(const QString& titre) { attendus_ << u"%1 %2"_s.arg(Messagerie::Exclamation).arg(titre); }
    void demander(std::int16_t reponse, const QString& titre) {
        p_.messages.repondre(reponse);
        attendus_ << u"%1 %2"_s.arg(Messagerie::QuestionOuiNon).arg(titre);
    }

    // One user action. A modal window it opens is answered from a timer; the
    // guard object drops that timer when no window opened.
    void agir(const QString& genre, const QString& quoi, const std::function<void()>& action,
              std::function<bool()> suite = {}) {
        if (!genre.isEmpty()) ++compte_[genre];
        journal_[u(n_ % 20)] = u"%1: %2"_s.arg(n_).arg(quoi);
        ++n_;
        suite_ = std::move(suite);
        dialogues_ = aPropos_ = 0;
        {
            QObject garde;
            QTimer::singleShot(0, &garde, [this] { repondreModal(); });
            action();
        }
        traiterEvenements();
    }

    void repondreModal() {
        QWidget* w = QApplication::activeModalWidget();
        if (auto* d = dynamic_cast<FrmChpExpérienceVorn*>(w)) {
            ++dialogues_;
            repondreChamps(d);
        } else if (auto* b = dynamic_cast<FrmAProposVorn*>(w)) {
            ++aPropos_;
            const int r = hasard(3);
            if (r == 0) b->BtnOkAPropos->click();
            if (r > 0) QTest::keyClick(b, r == 1 ? Qt::Key_Return : Qt::Key_Escape);
        } else if (w) {
            echec(u"fenêtre modale inattendue: "_s + w->objectName());
        }
        // A window left open would block the walk for good.
        if (w && w->isVisible()) {
            echec(w->objectName() + u" est restée ouverte"_s);
            w->close();
        }
    }

    // Ticks and unticks some visible boxes, counting the fields left, then
    // validates or closes the dialog by its frame.
    void repondreChamps(FrmChpExpérienceVorn* d) {
        int reste = champsOfferts_;
        if (d->TxtExp->text() != QString::number(reste)) echec(u"TxtExp ne montre pas %1"_s.arg(reste));
        std::vector<QCheckBox*> boites;
        for (QCheckBox* c : d->ChkExpProf) {
            if (c->isVisible()) boites.push_back(c);
        }
        boites.insert(boites.end(), d->ChkExpGen.begin(), d->ChkExpGen.end());
        for (int k = hasard(9); k > 0 && erreur_.isEmpty(); --k) {
            QCheckBox* c = boites[u(hasard(static_cast<int>(boites.size())))];
            const bool avant = c->isChecked();
            bool apres = !avant;
            if (avant) {
                ++reste;
            } else if (reste > 0) {
                --reste;
            } else {
                apres = false;
                refus(u"Erreur - Champs d'Expérience"_s);
            }
            c->click();
            if (c->isChecked() != apres || d->TxtExp->text() != QString::number(reste)) {
                echec(fmt(u"%1: coché %2 (attendu %3), TxtExp %4 (attendu %5)"_s, c->objectName(), c->isChecked(),
                          apres, d->TxtExp->text(), reste));
            }
        }
        champsAttendus_ = {Aucun};
        if (tirage(75)) {
            // Professional fields first, each group in box order, as the boxes are listed.
            QStringList choisis;
            for (QCheckBox* c : boites) {
                if (c->isChecked()) choisis << c->text();
            }
            if (!choisis.isEmpty()) champsAttendus_ = choisis;
            d->BtnOkExpérience->click();
        } else {
            d->close();
        }
    }

    // --- Checks after every action -------------------------------------------

    bool messagesAttendus() {
        const auto& vus = p_.messages.vus;
        QStringList montres;
        for (std::size_t k = vusAvant_; k < vus.size(); ++k) montres << u"%1 %2"_s.arg(vus[k].code).arg(vus[k].titre);
        vusAvant_ = vus.size();
        const QStringList prevus = std::exchange(attendus_, {});
        EXIGER(montres == prevus, u"boîtes montrées [%1], attendues [%2]"_s.arg(montres.join(u'|'), prevus.join(u'|')));
        EXIGER(p_.messages.reponses.empty(), u"une réponse préparée n'a servi à aucune question"_s);
        return true;
    }

    bool verifier() {
        if (!erreur_.isEmpty() || !messagesAttendus()) return false;
        EXIGER(p_.fins == 0, u"le programme s'est terminé"_s);
        EXIGER(!QApplication::activeModalWidget(), u"une fenêtre modale est restée ouverte"_s);
        const QStringList v = p_.visibles();
        static const QStringList ecrans{u"FrmAccueilVorn"_s, u"FrmChoixVorn"_s, u"FrmPrincipaleVorn"_s};
        EXIGER(v.size() == 1 && ecrans.contains(v[0]), u"fenêtres visibles: [%1]"_s.arg(v.join(u' ')));
        if (suite_ && !suite_()) return false;
        if (v[0] == u"FrmPrincipaleVorn"_s) return verifierFeuille(p_.app->feuille());
        if (v[0] == u"FrmChoixVorn"_s) return verifierChoix(p_.app->choix());
        return true;
    }

    bool verifierChoix(FrmChoixVorn* c) {
        const ModuleVorn& m = p_.module;
        const int rang = coche(c->OptRang), sexe = coche(c->OptSexe), prof = coche(c->OptProfession);
        EXIGER(rang >= 0 && sexe >= 0 && prof >= 0, u"un groupe d'options n'a pas une seule option cochée"_s);
        EXIGER(m.PtGeneration == Budgets[u(rang)] && m.Rang == LibellesRang[rang].toStdString() && m.Sexe == sexe &&
                   m.Profession == prof,
               fmt(u"options cochées %1/%2/%3, fiche %4 '%5' %6 %7"_s, rang, sexe, prof, m.PtGeneration,
                   QString::fromStdString(m.Rang), m.Sexe, m.Profession));
        return true;
    }

    bool verifierFeuille(FrmPrincipaleVorn* f) {
        const ModuleVorn& m = p_.module;
        // Characteristics: value, cost and snapshot of each list.
        const std::array<QComboBox*, 5> listes{f->CmbFOR, f->CmbDEX, f->CmbVOL, f->CmbPER, f->CmbINT};
        const std::array<const std::string*, 5> textes{&m.TexteFOR, &m.TexteDEX, &m.TexteVOL, &m.TextePER, &m.TexteINT};
        const std::array<std::int16_t, 5> anciens{m.AncCoutFOR, m.AncCoutDEX, m.AncCoutVOL, m.AncCoutPER, m.AncCoutINT};
        const std::array<std::int16_t, 5> valeurs{m.ValFOR, m.ValDEX, m.ValVOL, m.ValPER, m.ValINT};
        std::array<int, 6> val{};
        int depenses = 0;
        for (std::size_t k = 0; k < 5; ++k) {
            const QString t = listes[k]->currentText();
            val[k] = t.toInt();
            EXIGER(val[k] >= 5 && val[k] <= 15, u"%1 montre '%2'"_s.arg(listes[k]->objectName(), t));
            const int cout = CoutsCaract[u(val[k] - 5)];
            EXIGER(*textes[k] == t.toStdString() && anciens[k] == cout && valeurs[k] == val[k],
                   fmt(u"%1 montre %2, fiche: texte '%3', coût %4, valeur %5"_s, listes[k]->objectName(), t,
                       QString::fromStdString(*textes[k]), anciens[k], valeurs[k]));
            depenses += cout;
        }
        // Physical description.
        const QString apparence = f->CmbApparence->currentText(), age = f->CmbAge->currentText();
        const int ia = static_cast<int>(Apparences.indexOf(apparence)), ans = age.isEmpty() ? 27 : age.toInt();
        EXIGER(ia >= 0, u"CmbApparence montre '%1'"_s.arg(apparence));
        EXIGER(ans >= 27 && ans <= 33 && age.isEmpty() == (f->CmbAge->currentIndex() < 0),
               u"CmbAge montre '%1'"_s.arg(age));
        const int faib = f->CmbFaiblesse->currentIndex(), taille = f->CmbTaille->currentIndex(),
                  poids = f->CmbPoids->currentIndex();
        EXIGER(faib >= 0 && faib < 13 && taille >= 0 && taille < 10 && poids >= 0 && poids < 10,
               fmt(u"index faiblesse/taille/poids %1/%2/%3"_s, faib, taille, poids));
        const int gainAge = 20 * (ans - 27), gainFaib = GainsFaiblesse[u(faib)];
        EXIGER(m.TexteApparence == apparence.toStdString() && m.AncCoutApparence == CoutsApparence[u(ia)] &&
                   m.TexteAge == age.toStdString() && m.AncGainAge == gainAge && m.IdxFaiblesse == faib &&
                   m.AncGainFaiblesse == gainFaib && m.IdxTaille == taille &&
                   m.AncCoutTaille == CoutsTaillePoids[u(taille)] && m.IdxPoids == poids &&
                   m.AncCoutPoids == CoutsTaillePoids[u(poids)],
               u"instantané de la description différent de l'écran"_s);
        depenses += CoutsApparence[u(ia)] + CoutsTaillePoids[u(taille)] + CoutsTaillePoids[u(poids)];
        // Skill rows.
        val[5] = f->TxtNiveau[2]->text().toInt();
        for (int i = 0; i < 24; ++i) {
            const QString niv = f->TxtNiveau[u(i)]->text();
            const int niveau = niv.toInt();
            const UpDownNiv* fleches = f->UpDownNivs[u(i)];
            const QCheckBox* boite = f->ChkComp[u(i)];
            const bool pris =
                libre(i) ? boite->checkState() == Qt::PartiallyChecked && !boite->isEnabled() : boite->isChecked();
            EXIGER(pris || !libre(i), u"la compétence libre %1 n'est plus grisée"_s.arg(i));
            if (pris) {
                EXIGER(niveau >= 1 && niveau <= 15 && niv == QString::number(niveau) && fleches->isEnabled() &&
                           fleches->value() == niveau,
                       fmt(u"ligne %1 prise: niveau '%2', flèches %3"_s, i, niv, fleches->isEnabled()));
                depenses += (libre(i) ? 0 : 100) + 20 * (niveau - 1);
            } else {
                EXIGER(niv == u"0"_s && !fleches->isEnabled(),
                       fmt(u"ligne %1 non prise: niveau '%2', flèches %3"_s, i, niv, fleches->isEnabled()));
            }
            const int base = (val[Formules[u(i)][0]] + val[Formules[u(i)][1]]) / 2;
            EXIGER(f->TxtFormule[u(i)]->text() == QString::number(base) &&
                       f->TxtCB[u(i)]->text() == QString::number(base + niveau),
                   fmt(u"ligne %1: base '%2' (attendu %3), CB '%4'"_s, i, f->TxtFormule[u(i)]->text(), base,
                       f->TxtCB[u(i)]->text()));
        }
        // Points: budget of the rank shown, grants, every cost.
        const int rang = static_cast<int>(LibellesRang.indexOf(f->TxtRang->text()));
        EXIGER(rang >= 0, u"TxtRang montre '%1'"_s.arg(f->TxtRang->text()));
        const int points = Budgets[u(rang)] + gainAge + gainFaib - depenses;
        EXIGER(points >= 0 && f->TxtPtGénération->text() == QString::number(points) && m.PtRestants == points,
               fmt(u"TxtPtGénération '%1', PtRestants %2, calculé %3"_s, f->TxtPtGénération->text(), m.PtRestants,
                   points));
        // Fame points, and the scar bonus beside them.
        const QString sexe = f->TxtSexe->text();
        EXIGER(sexe == u" Masculin"_s || sexe == u" Féminin"_s, u"TxtSexe '%1'"_s.arg(sexe));
        const int celebrite = BonusApparence[u(ia)] + 6 * (ans - 27) + BonusTaillePoids[u(taille)] +
                              BonusTaillePoids[u(poids)] - (sexe == u" Féminin"_s ? 40 : 0);
        const QString attendu = u"%1 (+%2)"_s.arg(celebrite).arg(20 * cicatrices(f));
        EXIGER(f->TxtPtCélébrité->text() == attendu && m.PtCelebrite == celebrite,
               u"TxtPtCélébrité '%1', attendu '%2'"_s.arg(f->TxtPtCélébrité->text(), attendu));
        // Abilities derived from the characteristics.
        const QStringList derivees{f->TxtClasse->text(), f->TxtCharge->text(), f->TxtVitesse->text(),
                                   f->TxtEndurance->text(), f->TxtCourse->text()};
        const QStringList prevues{palier(val[0], {8, 13, 15}, {u"A"_s, u"B"_s, u"C"_s}),
                                  palier(val[0], {5, 10, 13, 14, 15},
                                         {u"25 - 45"_s, u"46 - 70"_s, u"71 - 95"_s, u"96 - 125"_s, u"126 - 160"_s}),
                                  palier(val[1] + val[3], {15, 23, 30}, {u"1"_s, u"2"_s, u"3"_s}),
                                  palier(val[2], {5, 10, 13, 14, 15}, {u"24"_s, u"28"_s, u"30"_s, u"32"_s, u"36"_s}),
                                  palier(val[2], {5, 10, 13, 14, 15}, {u"10"_s, u"25"_s, u"40"_s, u"45"_s, u"55"_s})};
        EXIGER(derivees == prevues, u"capacités [%1], attendues [%2]"_s.arg(derivees.join(u'|'), prevues.join(u'|')));
        // Fields of experience as last validated in the dialog.
        QStringList champs;
        for (int k = 0; k < f->LstChpExpérience->count(); ++k) champs << f->LstChpExpérience->item(k)->text();
        EXIGER(champs == champsAttendus_,
               u"champs d'expérience [%1], attendus [%2]"_s.arg(champs.join(u'|'), champsAttendus_.join(u'|')));
        return true;
    }

    static int cicatrices(FrmPrincipaleVorn* f) {
        int n = 0;
        for (int k = 0; k < f->LstCicatrices->count(); ++k) {
            const QString l = f->LstCicatrices->item(k)->text();
            if (!l.isEmpty() && l != u"(aucune)"_s) ++n;
        }
        return n;
    }

    // The choice screen just loaded: default options, empty name, fresh record.
    bool choixParDefaut() {
        FrmChoixVorn* c = p_.app->choix();
        EXIGER(c && c->isVisible(), u"l'écran de choix n'est pas ouvert"_s);
        EXIGER(c->TxtNomPerso->text().isEmpty() && coche(c->OptRang) == 2 && coche(c->OptSexe) == 0 &&
                   coche(c->OptProfession) == 0,
               u"l'écran de choix n'est pas dans son état de départ"_s);
        const ModuleVorn& m = p_.module;
        bool vide = m.NomPerso.empty();
        for (const auto& s : m.ChpExpProf) vide = vide && s.empty();
        for (const auto& s : m.ChpExpGen) vide = vide && s.empty();
        EXIGER(vide && m.NomJoueur == joueur_.toStdString(), u"la fiche n'a pas été remise à zéro"_s);
        return true;
    }

    // --- Actions -------------------------------------------------------------

    // Typing, pasting, erasing or replacing the text of a name box.
    void saisie(QLineEdit* champ) {
        const QString avant = champ->text();
        const int r = hasard(100);
        QString genre, s, attendu;
        std::function<void()> action;
        if (r < 10 || avant.size() > 4000) {
            genre = u"effacer"_s;
            action = [champ] {
                champ->selectAll();
                QTest::keyClick(champ, Qt::Key_Backspace);
            };
        } else if (r < 55) {
            genre = u"taper"_s;
            s = texteAleatoire(1 + hasard(8));
            attendu = avant + s.toUpper();
            action = [champ, s] { taper(champ, s); };
        } else if (r < 75) {
            genre = u"retour"_s;
            attendu = avant.chopped(avant.isEmpty() ? 0 : 1);
            action = [champ] { QTest::keyClick(champ, Qt::Key_Backspace); };
        } else if (r < 92) {
            genre = u"coller"_s;
            s = texteAleatoire(1 + hasard(12));
            attendu = avant + s;
            action = [champ, s] {
                QGuiApplication::clipboard()->setText(s);
                champ->paste();
            };
        } else {
            genre = u"long"_s;
            attendu = s = texteAleatoire(300 + hasard(2000));
            action = [champ, s] { champ->setText(s); };
        }
        agir(u"nom."_s + genre, fmt(u"%1: %2 '%3'"_s, champ->objectName(), genre, s.left(40)), action,
             [this, champ, attendu] {
                 EXIGER(champ->text() == attendu, fmt(u"%1 montre '%2', attendu '%3'"_s, champ->objectName(),
                                                      champ->text().left(80), attendu.left(80)));
                 return true;
             });
    }

    void tenterQuitter(const QString& ecran, QWidget* fenetre, const std::function<void()>& quitter) {
        demander(Messagerie::Non, u"Quitter"_s);
        if (tirage(50)) return agir(ecran + u".quitter.non"_s, ecran + u": Quitter, Non"_s, quitter);
        agir(ecran + u".fermer.non"_s, ecran + u": fermer la fenêtre, Non"_s, [fenetre] { fenetre->close(); });
    }

    void actionAccueil(FrmAccueilVorn* a) {
        const int r = hasard(100);
        if (r < 85) return saisie(a->TxtNomAccueil);
        if (r < 95) return tenterQuitter(u"accueil"_s, a, [a] { a->BtnQuitterAccueil->click(); });
        const QString nom = a->TxtNomAccueil->text();
        const bool entree = tirage(50);
        if (nom.isEmpty()) refus(u"Erreur - Nom du Joueur"_s);
        const auto continuer = [a, entree] {
            if (entree) QTest::keyClick(a->TxtNomAccueil, Qt::Key_Return);
            if (!entree) a->BtnContinuerAccueil->click();
        };
        agir(u"accueil.continuer"_s, fmt(u"accueil: Continuer (Entrée %1), nom de %2 caractères"_s, entree, nom.size()),
             continuer, [this, nom] {
                 if (nom.isEmpty()) return true;
                 joueur_ = nom;
                 return choixParDefaut();
             });
    }

    void actionChoix(FrmChoixVorn* c) {
        const int r = hasard(100);
        if (r < 40) return saisie(c->TxtNomPerso);
        if (r < 78) {
            const int groupe = hasard(3);
            QRadioButton* o = groupe == 0   ? c->OptRang[u(hasard(3))]
                              : groupe == 1 ? c->OptSexe[u(hasard(2))]
                                            : c->OptProfession[u(hasard(7))];
            return agir(
                u"choix.option"_s, u"choix: clic "_s + o->objectName(), [o] { o->click(); },
                [this, o] {
                    EXIGER(o->isChecked(), o->objectName() + u" n'est pas cochée après le clic"_s);
                    return true;
                });
        }
        if (r < 92) return tenterQuitter(u"choix"_s, c, [c] { c->BtnQuitterChoix->click(); });
        const QString nom = c->TxtNomPerso->text();
        if (nom.isEmpty()) {
            refus(u"Erreur - Nom du Personnage"_s);
            return agir(u"choix.continuer.sans_nom"_s, u"choix: Continuer sans nom"_s,
                        [c] { c->BtnContinuerChoix->click(); });
        }
        // Dice of the scar draw: the chance, the number, three places.
        const int rang = coche(c->OptRang), sexe = coche(c->OptSexe), prof = coche(c->OptProfession);
        const int chance = 1 + hasard(100), d6 = 1 + hasard(6);
        p_.des.jets = {static_cast<std::int16_t>(chance), static_cast<std::int16_t>(d6)};
        for (int k = 0; k < 3; ++k) p_.des.jets.push_back(static_cast<std::int16_t>(1 + hasard(100)));
        const int nbCicatrices = chance > std::array{90, 60, 0}[u(rang)] ? 0 : d6 <= 4 ? 1 : d6 - 3;
        const auto feuilleOuverte = [=, this] {
            FrmPrincipaleVorn* f = p_.app->feuille();
            EXIGER(f && f->isVisible(), u"la feuille n'est pas ouverte"_s);
            EXIGER(f->TxtNomJoueur->text() == joueur_ && f->TxtNomPerso->text() == nom &&
                       p_.module.NomPerso == nom.toStdString(),
                   u"noms du joueur ou du personnage mal reportés"_s);
            EXIGER(f->TxtRang->text() == LibellesRang[rang] && f->TxtProfession->text() == Professions[prof] &&
                       f->TxtSexe->text() == (sexe == 1 ? u" Féminin"_s : u" Masculin"_s),
                   fmt(u"identité mal reportée: '%1' '%2' '%3'"_s, f->TxtRang->text(), f->TxtProfession->text(),
                       f->TxtSexe->text()));
            EXIGER(f->TxtPtGénération->text() == QString::number(Budgets[u(rang)]) && f->CmbAge->currentIndex() < 0,
                   u"la feuille ne commence pas au budget entier: "_s + f->TxtPtGénération->text());
            EXIGER(f->LstCicatrices->count() == 3 && cicatrices(f) == nbCicatrices &&
                       (nbCicatrices > 0 || f->LstCicatrices->item(0)->text() == u"(aucune)"_s),
                   fmt(u"%1 cicatrices montrées, %2 attendues"_s, cicatrices(f), nbCicatrices));
            champsAttendus_ = {Aucun};
            return true;
        };
        agir(
            u"choix.continuer"_s,
            fmt(u"choix: Continuer, rang %1 sexe %2 profession %3, dés %4/%5"_s, rang, sexe, prof, chance, d6),
            [c] { c->BtnContinuerChoix->click(); }, feuilleOuverte);
    }

    // What an entry of a sheet list brings to the points (a cost counts negative).
    static int apport(FrmPrincipaleVorn* f, QComboBox* c, int index) {
        if (index < 0) return 0;
        const QString t = c->itemText(index);
        if (c == f->CmbApparence) return -CoutsApparence.at(u(static_cast<int>(Apparences.indexOf(t))));
        if (c == f->CmbAge) return 20 * (t.toInt() - 27);
        if (c == f->CmbFaiblesse) return GainsFaiblesse.at(u(index));
        if (c == f->CmbTaille || c == f->CmbPoids) return -CoutsTaillePoids.at(u(index));
        return -CoutsCaract.at(u(t.toInt() - 5));
    }

    // The control the action changed, then the points it left.
    bool apres(FrmPrincipaleVorn* f, bool controle, const QString& quoi, int points) {
        EXIGER(controle, quoi);
        EXIGER(f->TxtPtGénération->text() == QString::number(points),
               fmt(u"TxtPtGénération '%1', attendu %2"_s, f->TxtPtGénération->text(), points));
        return true;
    }

    bool ligneApres(FrmPrincipaleVorn* f, int i, int niveau, int points) {
        const QLineEdit* niv = f->TxtNiveau[u(i)];
        return apres(
            f, niv->text() == QString::number(niveau) && (libre(i) || f->ChkComp[u(i)]->isChecked() == (niveau > 0)),
            fmt(u"ligne %1: niveau '%2', attendu %3"_s, i, niv->text(), niveau), points);
    }

    void actionFeuille(FrmPrincipaleVorn* f) {
        const int points = f->TxtPtGénération->text().toInt();
        const int r = hasard(1000);
        if (r < 500) {
            // A pick in one of the ten lists, the current entry included.
            const std::array<QComboBox*, 10> listes{f->CmbFOR,    f->CmbDEX,       f->CmbVOL, f->CmbPER,
                                                    f->CmbINT,    f->CmbApparence, f->CmbAge, f->CmbFaiblesse,
                                                    f->CmbTaille, f->CmbPoids};
            const std::size_t k = u(hasard(10));
            QComboBox* c = listes[k];
            const int index = hasard(c->count()), ancien = c->currentIndex();
            const int reste = points - apport(f, c, ancien) + apport(f, c, index);
            const bool accepte = reste >= 0, dialogue = accepte && c == f->CmbAge;
            const QString sujet = k < 5 ? u"Caractéristiques"_s : c->objectName().mid(3);
            if (!accepte) refus(u"Erreur - "_s + sujet);
            if (dialogue) champsOfferts_ = c->itemText(index).toInt() - 27;
            agir(
                u"feuille."_s + sujet + (accepte ? QString() : u".refus"_s),
                fmt(u"%1 <- '%2' (points %3)"_s, c->objectName(), c->itemText(index), points),
                [c, index] { choisir(c, index); },
                [=, this] {
                    EXIGER(dialogues_ == int{dialogue}, fmt(u"dialogue des champs ouvert %1 fois"_s, dialogues_));
                    return apres(f, c->currentIndex() == (accepte ? index : ancien),
                                 fmt(u"%1 sur l'index %2"_s, c->objectName(), c->currentIndex()),
                                 accepte ? reste : points);
                });
        } else if (r < 680) {
            // Take or release a skill (rows 2 and 5 are free and cannot be clicked).
            int i = hasard(22);
            i += i < 2 ? 0 : i < 4 ? 1 : 2;
            QCheckBox* b = f->ChkComp[u(i)];
            const int niveau = f->TxtNiveau[u(i)]->text().toInt();
            int nouveau = 0, reste = points + 100 + 20 * (niveau - 1);
            QString cle = u"feuille.liberer"_s;
            if (!b->isChecked()) {
                const bool accepte = points >= 100;
                nouveau = accepte ? 1 : 0;
                reste = accepte ? points - 100 : points;
                cle = accepte ? u"feuille.prendre"_s : u"feuille.prendre.refus"_s;
                if (!accepte) refus(u"Erreur - Compétences"_s);
            }
            agir(
                cle, fmt(u"clic ChkComp(%1) (niveau %2, points %3)"_s, i, niveau, points), [b] { b->click(); },
                [=, this] { return ligneApres(f, i, nouveau, reste); });
        } else if (r < 950) {
            // An arrow of a live spin control, also at its bounds.
            std::vector<int> actives;
            for (int i = 0; i < 24; ++i) {
                if (f->UpDownNivs[u(i)]->isEnabled()) actives.push_back(i);
            }
            // Half the time the highest row, so that levels also reach the top.
            int i = actives[u(hasard(static_cast<int>(actives.size())))];
            if (tirage(50)) {
                i = *std::max_element(actives.begin(), actives.end(), [f](int a, int b) {
                    return f->TxtNiveau[u(a)]->text().toInt() < f->TxtNiveau[u(b)]->text().toInt();
                });
            }
            const int niveau = f->TxtNiveau[u(i)]->text().toInt();
            const bool haut = tirage(60);
            int nouveau = niveau, reste = points;
            QString cas = u".borne"_s;
            if (haut && niveau < 15 && points >= 20) {
                nouveau = niveau + 1;
                reste = points - 20;
                cas.clear();
            } else if (haut && niveau < 15) {
                cas = u".refus"_s;
                refus(u"Erreur - Niveau de Compétences"_s);
            } else if (!haut && niveau > 1) {
                nouveau = niveau - 1;
                reste = points + 20;
                cas.clear();
            }
            UpDownNiv* s = f->UpDownNivs[u(i)];
            agir((haut ? u"feuille.monter"_s : u"feuille.baisser"_s) + cas,
                 fmt(u"flèche %1 UpDownNiv(%2) (niveau %3, points %4)"_s, haut ? u"haut"_s : u"bas"_s, i, niveau,
                     points),
                 [s, haut] { (haut ? s->boutonHaut() : s->boutonBas())->click(); },
                 [=, this] { return ligneApres(f, i, nouveau, reste); });
        } else if (r < 965) {
            agir(
                u"feuille.apropos"_s, u"menu À propos"_s, [f] { f->MnuAPropos->trigger(); },
                [this] {
                    EXIGER(aPropos_ == 1, fmt(u"la boîte À propos s'est ouverte %1 fois"_s, aPropos_));
                    return true;
                });
        } else if (r < 985) {
            tenterQuitter(u"feuille"_s, f, [f] { f->MnuQuitter->trigger(); });
        } else {
            const bool oui = r >= 993;
            demander(oui ? Messagerie::Oui : Messagerie::Non, u"Nouveau"_s);
            agir(
                oui ? u"feuille.nouveau.oui"_s : u"feuille.nouveau.non"_s, fmt(u"menu Nouveau (Oui %1)"_s, oui),
                [f] { f->MnuNouveau->trigger(); }, [this, oui] { return !oui || choixParDefaut(); });
        }
    }

    ProgrammeTest& p_;
    std::mt19937_64 alea_;
    QString erreur_;
    std::array<QString, 20> journal_; // the last actions, for the failure report
    int n_ = 0;
    QMap<QString, int> compte_;
    QStringList attendus_; // message boxes the current action must show: code and title
    std::size_t vusAvant_ = 0;
    std::function<bool()> suite_; // what the current action must have left on screen
    int dialogues_ = 0, aPropos_ = 0, champsOfferts_ = 0;
    QStringList champsAttendus_{Aucun};
    QString joueur_;
};

// The offscreen platform warns at every load of the fixed-size sheet; the
// walk loads it hundreds of times.
QtMessageHandler gestionnairePrecedent = nullptr;
void filtrerMessages(QtMsgType type, const QMessageLogContext& contexte, const QString& message) {
    if (message == u"This plugin does not support propagateSizeHints()"_s) return;
    gestionnairePrecedent(type, contexte, message);
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
        for (int n = 0; n < actions; ++n) {
            if (!singe.pas()) {
                qWarning().noquote() << singe.rapport();
                QFAIL(qPrintable(fmt(u"graine %1, action %2: %3"_s, graine, n, singe.erreur())));
            }
        }
        qInfo().noquote() << u"singe: "_s + singe.bilan();
        if (!singe.quitterPourDeBon()) {
            qWarning().noquote() << singe.rapport();
            QFAIL(qPrintable(fmt(u"graine %1, fin: %2"_s, graine, singe.erreur())));
        }
    }
};

QTEST_MAIN(TestSinge)
#include "tst_singe.moc"
