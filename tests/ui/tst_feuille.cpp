// A seeded random walk through the program: an action is accepted exactly when the oracle's points stay positive,
// else refused with its own title; every widget mirrors the model; only the confirmation ends; one screen at a time.
#include "Programme.h"

#include "FrmChpExpérienceVorn.h"
#include "UpDownNiv.h"

#include <random>

namespace {
std::size_t u(int i) { return static_cast<std::size_t>(i); }

QStringList lignes(const QListWidget* liste) {
    QStringList l;
    for (int i = 0; i < liste->count(); ++i) l << liste->item(i)->text();
    return l;
}

std::array<QComboBox*, 10> listes(FrmPrincipaleVorn* f) {
    return {f->CmbFOR,       f->CmbDEX, f->CmbVOL,       f->CmbPER,    f->CmbINT,
            f->CmbApparence, f->CmbAge, f->CmbFaiblesse, f->CmbTaille, f->CmbPoids};
}

// The first widget that does not show the sheet's model, empty when all do.
QString miroir(FrmPrincipaleVorn* f) {
    const FeuilleVorn& m = f->feuille;
    const std::array champs{f->TxtNomJoueur,  f->TxtNomPerso,     f->TxtRang,        f->TxtSexe,
                            f->TxtProfession, f->TxtPtGénération, f->TxtPtCélébrité, f->TxtVitesse,
                            f->TxtEndurance,  f->TxtCourse,       f->TxtCharge,      f->TxtClasse};
    const std::array textes{m.TxtNomJoueur,  m.TxtNomPerso,     m.TxtRang,        m.TxtSexe,
                            m.TxtProfession, m.TxtPtGénération, m.TxtPtCélébrité, m.TxtVitesse,
                            m.TxtEndurance,  m.TxtCourse,       m.TxtCharge,      m.TxtClasse};
    for (std::size_t k = 0; k < champs.size(); ++k)
        if (champs[k]->text() != qs(textes[k])) return champs[k]->objectName();
    for (std::size_t k = 0; k < 10; ++k) {
        const ListeDeroulante& l = k < 5 ? m.caract[k] : m.description[k - 5];
        if (listes(f)[k]->currentIndex() != l.index || listes(f)[k]->count() != int(l.entrees.size()))
            return listes(f)[k]->objectName();
    }
    for (std::size_t i = 0; i < 24; ++i) {
        const LigneCompetence& l = m.lignes[i];
        const bool gris = f->TxtCB[i]->palette().color(QPalette::Disabled, QPalette::Base) == QColor(192, 192, 192);
        const auto etat = std::array{Qt::Unchecked, Qt::Checked, Qt::PartiallyChecked}[u(l.valeur)];
        if (f->ChkComp[i]->checkState() != etat || f->ChkComp[i]->isEnabled() == (l.valeur == 2) ||
            gris == l.active() || f->UpDownNivs[i]->isEnabled() != l.active() ||
            f->UpDownNivs[i]->value() != l.niveau ||
            QStringList{f->TxtFormule[i]->text(), f->TxtNiveau[i]->text(), f->TxtCB[i]->text()} !=
                QStringList{QString::number(l.base), QString::number(l.niveau), QString::number(l.cb)})
            return f->ChkComp[i]->objectName();
    }
    for (const auto& [liste, model] :
         {std::pair{f->LstCicatrices, &m.LstCicatrices}, std::pair{f->LstChpExpérience, &m.LstChpExpérience}}) {
        QStringList attendu;
        for (const auto& l : *model) attendu << qs(l);
        if (lignes(liste) != attendu) return liste->objectName();
    }
    return {};
}

struct Singe {
    ProgrammeTest& p_;
    std::mt19937_64 alea_;
    int champsOfferts_ = 0, rang_ = 2;
    QString erreur, derniere_; // the first failure, with the action that led to it; the last action
    QStringList attendus_, champsAttendus_{"(aucun)"};
    std::size_t vusAvant_ = 0;
    bool fin_ = false;
    Oracle::Choix attendu_;
    Singe(ProgrammeTest& p, quint64 graine) : p_(p), alea_(graine) {}

    // One action on the open screen, then every check; the last one answers Yes to the quit question.
    bool pas(bool dernier) {
        FrmPrincipaleVorn* f = p_.app->feuille();
        QWidget* e = f                 ? static_cast<QWidget*>(f)
                     : p_.app->choix() ? static_cast<QWidget*>(p_.app->choix())
                                       : p_.app->accueil();
        if (dernier || hasard(100) < 3) { // by the window's frame, or by the screen's own way out
            p_.messages.repondre(dernier ? Messagerie::Oui : Messagerie::Non);
            attendre(Messagerie::QuestionOuiNon, u"Quitter"_s);
            fin_ = dernier;
            const bool cadre = hasard(2);
            agir(u"quitter "_s + e->objectName() + (cadre ? u" par le cadre"_s : u""_s), [e, f, cadre, this] {
                FrmChoixVorn* c = p_.app->choix();
                cadre ? void(e->close())
                : f   ? f->MnuQuitter->trigger()
                : c   ? c->BtnQuitterChoix->click()
                      : p_.app->accueil()->BtnQuitterAccueil->click();
            });
        } else if (f) {
            actionFeuille(f);
        } else { // a new agent of any rank and sex, with any scars
            rang_ = hasard(3);
            const int sexe = hasard(2);
            p_.des.jets = {std::int16_t(1 + hasard(100)), std::int16_t(1 + hasard(6)), 50, 50, 50};
            champsAttendus_ = {u"(aucun)"_s};
            attendu_ = {};
            agir(u"nouvel agent %1 %2"_s.arg(rang_).arg(sexe), [this, sexe] { p_.allerALaFeuille(rang_, sexe); });
        }
        return verifier();
    }

    int hasard(int n) { return std::uniform_int_distribution<int>(0, n - 1)(alea_); }
    bool exiger(bool condition, const QString& message) {
        if (!condition && erreur.isEmpty()) erreur = derniere_ + u": "_s + message;
        return condition;
    }
    // A box the action must show: 48 a refusal, 292 a question, 0 a modal window of the program.
    void attendre(int code, const QString& titre) { attendus_ << u"%1 %2"_s.arg(code).arg(titre); }

    // One user action; a modal window it opens is answered from a timer, dropped when none opened.
    void agir(const QString& quoi, const std::function<void()>& geste) {
        derniere_ = quoi;
        {
            QObject garde;
            QTimer::singleShot(0, &garde, [this] { repondreModal(); });
            geste();
        }
        traiterEvenements();
    }

    void repondreModal() {
        QWidget* w = QApplication::activeModalWidget();
        if (w) p_.messages.vus.push_back({{}, w->objectName(), 0});
        if (auto* d = dynamic_cast<FrmChpExpérienceVorn*>(w)) repondreChamps(d);
        if (w && !exiger(!w->isVisible(), w->objectName() + u" restée ouverte"_s)) w->close();
    }

    // Ticks and unticks some boxes, counting the fields left, then validates or closes the dialog.
    void repondreChamps(FrmChpExpérienceVorn* d) {
        int reste = champsOfferts_;
        // In the sheet's order: professional fields first, each group in box order.
        auto boites = d->FrmChpExpProf->findChildren<QCheckBox*>() + d->FrmChpExpGen->findChildren<QCheckBox*>();
        boites.removeIf([](QCheckBox* c) { return c->isHidden(); });
        for (int k = hasard(9); k > 0; --k) {
            QCheckBox* c = boites[hasard(int(boites.size()))];
            const bool avant = c->isChecked(), apres = !avant && reste > 0;
            if (!avant && !apres) attendre(Messagerie::Exclamation, u"Erreur - Champs d'Expérience"_s);
            reste += avant ? 1 : apres ? -1 : 0;
            c->click();
            exiger(c->isChecked() == apres && d->TxtExp->text() == QString::number(reste), c->objectName());
        }
        QStringList choisis;
        for (QCheckBox* c : boites)
            if (c->isChecked()) choisis << c->text();
        const bool valider = hasard(4) > 0;
        champsAttendus_ = valider && !choisis.isEmpty() ? choisis : QStringList{"(aucun)"};
        valider ? d->BtnOkExpérience->click() : void(d->close());
    }

    bool verifier() {
        QStringList montres;
        for (auto k = std::exchange(vusAvant_, p_.messages.vus.size()); k < p_.messages.vus.size(); ++k)
            montres << u"%1 %2"_s.arg(p_.messages.vus[k].code).arg(p_.messages.vus[k].titre);
        // Only the confirmation ends the program, and once; until then exactly one screen shows.
        const QStringList prevus = std::exchange(attendus_, {}), v = ecransVisibles();
        exiger(montres == prevus && p_.messages.reponses.empty() && !QApplication::activeModalWidget() &&
                   p_.fins == int{fin_} && v.size() == (fin_ ? 0 : 1),
               u"boîtes [%1], attendues [%2], %3 fin(s), visibles [%4]"_s.arg(montres.join(u'|'), prevus.join(u'|'))
                   .arg(p_.fins)
                   .arg(v.join(u' ')));
        if (!erreur.isEmpty() || fin_) return erreur.isEmpty();
        if (FrmPrincipaleVorn* f = p_.app->feuille()) {
            const QString faux = miroir(f);
            return exiger(Oracle::Lire(f->feuille) == attendu_ && faux.isEmpty() &&
                              lignes(f->LstChpExpérience) == champsAttendus_,
                          u"feuille: "_s + (faux.isEmpty() ? u"choix ou champs"_s : faux));
        }
        // A new choice screen shows the record's defaults and an empty name.
        FrmChoixVorn* c = p_.app->choix();
        return !c || exiger(c->TxtNomPerso->text().isEmpty() && c->OptRang[2]->isChecked() &&
                                c->OptSexe[0]->isChecked() && c->OptProfession[0]->isChecked(),
                            u"écran de choix"_s);
    }

    // Each sheet action leaves the choices it asks for when the points stay positive, else those before it.
    void actionFeuille(FrmPrincipaleVorn* f) {
        Oracle::Choix apres = attendu_;
        QString quoi, titre; // the action, and the refusal's subject should it cost too much
        std::function<void()> geste;
        const int r = hasard(1000);
        if (r < 500) { // a pick in one of the ten lists, the current entry included
            const auto k = u(hasard(10));
            QComboBox* c = listes(f)[k];
            const int index = apres.listes[k] = hasard(c->count());
            quoi = c->objectName();
            titre = k < 5 ? u"Caractéristiques"_s : quoi.mid(3);
            geste = [c, index] {
                c->setCurrentIndex(index);
                emit c->activated(index);
            };
            champsOfferts_ = index + 1;
        } else if (r < 680) { // take or release a skill (rows 2 and 5 are free and cannot be clicked)
            const int i = hasard(22) + 2;
            const auto ligne = u(i < 4 ? i - 2 : i < 6 ? i - 1 : i);
            apres.niveaux[ligne] = apres.niveaux[ligne] > 0 ? 0 : 1;
            quoi = f->ChkComp[ligne]->objectName();
            titre = u"Compétences"_s;
            geste = [b = f->ChkComp[ligne]] { b->click(); };
        } else if (r < 970) { // an arrow of a live spin control, half the time the highest so that levels reach 15
            std::vector<std::size_t> actives;
            for (std::size_t i = 0; i < 24; ++i)
                if (apres.niveaux[i] > 0) actives.push_back(i);
            std::size_t i = actives[u(hasard(int(actives.size())))];
            if (hasard(2)) i = *std::ranges::max_element(actives, {}, [&](auto a) { return apres.niveaux[a]; });
            const bool haut = hasard(10) < 6;
            UpDownNiv* s = f->UpDownNivs[i];
            apres.niveaux[i] = std::clamp(apres.niveaux[i] + (haut ? 1 : -1), 1, 15);
            quoi = s->objectName() + (haut ? u" haut"_s : u" bas"_s);
            titre = u"Niveau de Compétences"_s;
            geste = [s, haut] { (haut ? s->boutonHaut() : s->boutonBas())->click(); };
        } else { // Yes leads back to the choice screen, No changes nothing
            const bool oui = r >= 993;
            p_.messages.repondre(oui ? Messagerie::Oui : Messagerie::Non);
            attendre(Messagerie::QuestionOuiNon, u"Nouveau"_s);
            return agir(u"menu Nouveau"_s, [f] { f->MnuNouveau->trigger(); });
        }
        const int reste = Oracle::Points(apres, Oracle::Budgets[u(rang_)]);
        if (reste < 0) attendre(Messagerie::Exclamation, u"Erreur - "_s + titre);
        if (reste >= 0 && quoi == u"CmbAge"_s) attendre(0, u"FrmChpExpérienceVorn"_s);
        if (reste >= 0) attendu_ = apres;
        agir(u"%1 (points %2)"_s.arg(quoi).arg(reste), geste);
    }
};

} // namespace

class TestFeuille : public QObject {
    Q_OBJECT
private slots:
    void marcheAleatoire() {
        constexpr int actions = 20000;
        constexpr quint64 graine = 20240611;
        ProgrammeTest p;
        Singe singe(p, graine);
        for (int n = 0; n <= actions; ++n)
            if (!singe.pas(n == actions))
                QFAIL(qPrintable(u"graine %1, action %2, %3"_s.arg(graine).arg(n).arg(singe.erreur)));
        // Once the program has ended, the windows left close without a question.
        const std::size_t boites = p.messages.vus.size();
        for (QWidget* w : QApplication::topLevelWidgets()) {
            QCloseEvent fermeture;
            QApplication::sendEvent(w, &fermeture);
            QVERIFY2(fermeture.isAccepted(), qPrintable(w->objectName()));
        }
        QCOMPARE(std::tuple(p.messages.vus.size(), p.fins, p.module.Reponse), std::tuple(boites, 1, Messagerie::Oui));
    }
};

QTEST_MAIN(TestFeuille)
#include "tst_feuille.moc"
