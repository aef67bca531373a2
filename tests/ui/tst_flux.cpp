#include "OutilsTest.h"

#include "FrmAccueilVorn.h"
#include "FrmChoixVorn.h"
#include "FrmPrincipaleVorn.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <tuple>

namespace {
const QString Quitter =
    boite(QStringLiteral("Quitter"), QStringLiteral("Etes-vous sûr de vouloir quitter le programme ?"), 292);
const QString Nouveau =
    boite(QStringLiteral("Nouveau"), QStringLiteral("Etes-vous sûr de vouloir créer un nouvel agent ?"), 292);

// The ways out of the program, each on the screen that offers it.
enum Sortie { FermerAccueil, QuitterAccueil, FermerChoix, QuitterChoix, FermerFeuille, MenuQuitter };

QString sansEsperluette(QString texte) { return texte.remove(QLatin1Char('&')); }
} // namespace

class TestFlux : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // As the program starts: French standard buttons, no quit on the last hidden window.
        PreparerApplication(*qApp);
    }

    void demarreSurAccueil() {
        ProgrammeTest p;
        QCOMPARE(p.visibles(), QStringList{QStringLiteral("FrmAccueilVorn")});
        QCOMPARE(p.app->accueil()->focusWidget(), p.app->accueil()->TxtNomAccueil);
    }

    void nomVide_data() {
        QTest::addColumn<bool>("choix");
        QTest::addColumn<QString>("message");
        QTest::newRow("joueur") << false << boite("Erreur - Nom du Joueur",
                                                  "Vous devez impérativement rentrer le nom du joueur !");
        QTest::newRow("personnage") << true << boite("Erreur - Nom du Personnage",
                                                     "Vous devez impérativement rentrer le nom du Personnage !");
    }

    void nomVide() {
        QFETCH(bool, choix);
        QFETCH(QString, message);
        ProgrammeTest p;
        if (choix) p.allerAuChoix();
        FenetreVorn* ecran = choix ? static_cast<FenetreVorn*>(p.app->choix()) : p.app->accueil();
        QLineEdit* nom = choix ? p.app->choix()->TxtNomPerso : p.app->accueil()->TxtNomAccueil;
        QPushButton* continuer = choix ? p.app->choix()->BtnContinuerChoix : p.app->accueil()->BtnContinuerAccueil;
        continuer->setFocus(); // the focus is elsewhere when the refusal comes
        continuer->click();
        traiterEvenements();
        QCOMPARE(p.messages.journal(), QStringList{message});
        QCOMPARE(ecran->focusWidget(), nom);
        QCOMPARE(p.visibles(), QStringList{ecran->objectName()});
        QVERIFY(p.module.NomPerso.empty());
        QCOMPARE(p.module.NomJoueur.empty(), !choix);
    }

    void saisieEnMajuscules_data() {
        QTest::addColumn<bool>("choix");
        QTest::addColumn<QString>("frappe");
        QTest::addColumn<QString>("attendu");
        QTest::addColumn<QString>("touche");
        QTest::newRow("joueur minuscules") << false << "jean-luc" << "JEAN-LUC" << "c";
        QTest::newRow("joueur accent") << false << "é" << "É" << "é";
        QTest::newRow("joueur mélange") << false << "Zoé d'Arc 7!" << "ZOÉ D'ARC 7!" << "!";
        QTest::newRow("personnage") << true << "françois" << "FRANÇOIS" << "s";
    }

    void saisieEnMajuscules() {
        QFETCH(bool, choix);
        QFETCH(QString, frappe);
        QFETCH(QString, attendu);
        QFETCH(QString, touche);
        ProgrammeTest p;
        if (choix) p.allerAuChoix();
        QLineEdit* nom = choix ? p.app->choix()->TxtNomPerso : p.app->accueil()->TxtNomAccueil;
        taper(nom, frappe);
        QCOMPARE(nom->text(), attendu);
        QCOMPARE(QString::fromStdString(p.module.Touche), touche);
        QTest::keyClick(nom, Qt::Key_Backspace); // passes the filter untouched
        QCOMPARE(nom->text(), attendu.chopped(1));
    }

    void nomAccepte_data() {
        QTest::addColumn<QString>("saisie"); // typed then Enter or the button, or pasted
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("nom");
        QTest::newRow("Entrée") << "entree" << "jean" << "JEAN";
        QTest::newRow("un blanc, bouton") << "bouton" << " " << " ";
        QTest::newRow("un blanc, Entrée") << "entree" << " " << " ";
        QTest::newRow("inséré, casse gardée") << "insert" << "Dupont é" << "Dupont é";
        QTest::newRow("collé, casse gardée") << "coller" << "Dupont é" << "Dupont é";
    }

    void nomAccepte() {
        QFETCH(QString, saisie);
        QFETCH(QString, texte);
        QFETCH(QString, nom);
        ProgrammeTest p;
        QLineEdit* champ = p.app->accueil()->TxtNomAccueil;
        if (saisie == QLatin1String("insert")) {
            champ->insert(texte);
        } else if (saisie == QLatin1String("coller")) {
            QGuiApplication::clipboard()->setText(texte);
            champ->paste();
        } else {
            taper(champ, texte);
        }
        QCOMPARE(champ->text(), nom);
        if (saisie == QLatin1String("entree")) {
            QTest::keyClick(champ, Qt::Key_Return);
        } else {
            p.app->accueil()->BtnContinuerAccueil->click();
        }
        traiterEvenements();
        QVERIFY(p.messages.vus.empty());
        QCOMPARE(QString::fromStdString(p.module.NomJoueur), nom);
        QCOMPARE(p.visibles(), QStringList{QStringLiteral("FrmChoixVorn")});
    }

    void sortie_data() {
        QTest::addColumn<int>("sortie");
        QTest::newRow("accueil fermé") << int(FermerAccueil);
        QTest::newRow("accueil &Quitter") << int(QuitterAccueil);
        QTest::newRow("choix fermé") << int(FermerChoix);
        QTest::newRow("choix &Quitter") << int(QuitterChoix);
        QTest::newRow("feuille fermée") << int(FermerFeuille);
        QTest::newRow("menu &Quitter") << int(MenuQuitter);
    }

    void sortie() {
        QFETCH(int, sortie);
        ProgrammeTest p;
        QWidget* ecran = nullptr;
        QWidget* ailleurs = nullptr; // holds the focus before the question
        QWidget* focusApresNon = nullptr;
        std::function<void()> declencher;
        if (sortie <= QuitterAccueil) {
            FrmAccueilVorn* a = p.app->accueil();
            std::tie(ecran, ailleurs, focusApresNon) = std::tuple(a, a->BtnContinuerAccueil, a->TxtNomAccueil);
            declencher = [a, sortie] { sortie == FermerAccueil ? void(a->close()) : a->BtnQuitterAccueil->click(); };
        } else if (sortie <= QuitterChoix) {
            p.allerAuChoix();
            FrmChoixVorn* c = p.app->choix();
            std::tie(ecran, ailleurs, focusApresNon) = std::tuple(c, c->BtnContinuerChoix, c->TxtNomPerso);
            declencher = [c, sortie] { sortie == FermerChoix ? void(c->close()) : c->BtnQuitterChoix->click(); };
        } else {
            p.allerALaFeuille();
            FrmPrincipaleVorn* f = p.app->feuille();
            std::tie(ecran, ailleurs, focusApresNon) = std::tuple(f, f->CmbFOR, f->CmbFOR);
            declencher = [f, sortie] { sortie == FermerFeuille ? void(f->close()) : f->MnuQuitter->trigger(); };
        }
        ailleurs->setFocus();

        p.messages.repondre(Messagerie::Non);
        declencher();
        traiterEvenements();
        QCOMPARE(p.messages.journal(), QStringList{Quitter});
        QCOMPARE(int(p.module.Reponse), 7);
        QCOMPARE(p.fins, 0);
        QCOMPARE(p.visibles(), QStringList{ecran->objectName()});
        QCOMPARE(ecran->focusWidget(), focusApresNon);

        p.messages.repondre(Messagerie::Oui);
        declencher();
        traiterEvenements();
        QCOMPARE(p.messages.journal(), (QStringList{Quitter, Quitter}));
        QCOMPARE(int(p.module.Reponse), 6);
        QCOMPARE(p.fins, 1);
        QVERIFY(p.visibles().isEmpty());
        // The windows still alive, hidden ones included, now close without a question.
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (!w->objectName().startsWith(QStringLiteral("Frm"))) continue;
            QCloseEvent fermeture;
            QApplication::sendEvent(w, &fermeture);
            QVERIFY2(fermeture.isAccepted(), qPrintable(w->objectName()));
        }
        QCOMPARE(p.messages.vus.size(), std::size_t{2});
        QCOMPARE(p.fins, 1);
    }

    void choixPuisFeuille_data() {
        QTest::addColumn<QString>("clics");
        QTest::addColumn<int>("budget");
        QTest::addColumn<QString>("rang");
        QTest::addColumn<int>("sexe");
        QTest::addColumn<int>("profession");
        const char* recrue = "    Recrue";
        QTest::newRow("défauts") << "" << 3000 << recrue << 0 << 0;
        QTest::newRow("Agent") << "R1" << 6000 << "     Agent" << 0 << 0;
        QTest::newRow("00") << "R0" << 9000 << "       '00'" << 0 << 0;
        QTest::newRow("Agent puis Recrue") << "R1 R2" << 3000 << recrue << 0 << 0;
        QTest::newRow("Féminin") << "S1" << 3000 << recrue << 1 << 0;
        QTest::newRow("Féminin puis Masculin") << "S1 S0" << 3000 << recrue << 0 << 0;
        QTest::newRow("Policier puis Voleur") << "P4 P6" << 3000 << recrue << 0 << 6;
    }

    void choixPuisFeuille() {
        QFETCH(QString, clics);
        QFETCH(int, budget);
        QFETCH(QString, rang);
        QFETCH(int, sexe);
        QFETCH(int, profession);
        ProgrammeTest p;
        p.allerAuChoix();
        FrmChoixVorn* c = p.app->choix();
        QVERIFY(c->OptRang[2]->isChecked() && c->OptSexe[0]->isChecked() && c->OptProfession[0]->isChecked());
        QCOMPARE(int(p.module.PtGeneration), 3000);
        QCOMPARE(QString::fromStdString(p.module.Rang), QStringLiteral("    Recrue"));

        for (const QString& clic : clics.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const auto i = static_cast<std::size_t>(clic.mid(1).toInt());
            const QChar groupe = clic[0];
            (groupe == QLatin1Char('R')   ? c->OptRang.at(i)
             : groupe == QLatin1Char('S') ? c->OptSexe.at(i)
                                          : c->OptProfession.at(i))
                ->click();
        }
        QCOMPARE(int(p.module.BonusSexe), 0); // fixed by "&Continuer" only
        const QString metier = c->OptProfession.at(static_cast<std::size_t>(profession))->text();
        taper(c->TxtNomPerso, QStringLiteral("bond"));
        c->BtnContinuerChoix->click();
        traiterEvenements();

        const ModuleVorn& m = p.module;
        QCOMPARE((QList<int>{m.PtGeneration, m.Sexe, m.BonusSexe, m.Profession}),
                 (QList<int>{budget, sexe, sexe == 1 ? 40 : 0, profession}));
        QCOMPARE(QString::fromStdString(m.Rang), rang);
        QVERIFY(p.messages.vus.empty());
        QCOMPARE(p.visibles(), QStringList{QStringLiteral("FrmPrincipaleVorn")});
        FrmPrincipaleVorn* f = p.app->feuille();
        QCOMPARE(f->TxtNomPerso->text(), QStringLiteral("BOND"));
        QCOMPARE(f->TxtRang->text(), rang);
        QCOMPARE(f->TxtPtGénération->text(), QString::number(budget));
        QCOMPARE(f->TxtProfession->text(), metier);
    }

    void nouvelAgentOui() {
        ProgrammeTest p;
        p.des.jets = {30, 5, 5, 40}; // two scars
        p.allerALaFeuille(QStringLiteral("BOND"), 1, 1);
        QPointer<FrmPrincipaleVorn> ancienne = p.app->feuille();
        ancienne->ChkComp[3]->click();
        QCOMPARE(int(p.module.BonusCicatrices), 40);

        p.messages.repondre(Messagerie::Oui);
        ancienne->MnuNouveau->trigger();
        traiterEvenements();
        QCOMPARE(p.messages.journal(), QStringList{Nouveau});
        QVERIFY(ancienne.isNull());
        QCOMPARE(p.visibles(), QStringList{QStringLiteral("FrmChoixVorn")});
        FrmChoixVorn* c = p.app->choix();
        QVERIFY(c->TxtNomPerso->text().isEmpty());
        QCOMPARE(c->focusWidget(), c->TxtNomPerso);
        QVERIFY(c->OptRang[2]->isChecked() && c->OptSexe[0]->isChecked() && c->OptProfession[0]->isChecked());
        const ModuleVorn& m = p.module;
        QCOMPARE(QString::fromStdString(m.NomJoueur), QStringLiteral("JOUEUR"));
        QCOMPARE(QString::fromStdString(m.Rang), QStringLiteral("    Recrue"));
        QVERIFY(m.NomPerso.empty() && m.Cicatrice1.empty());
        QCOMPARE((QList<int>{m.PtGeneration, m.Sexe, m.BonusSexe, m.BonusCicatrices, m.CoutCompetences, m.PtRestants}),
                 (QList<int>{3000, 0, 0, 0, 0, 0}));
        QCOMPARE(p.fins, 0);

        // The next sheet starts afresh, with the same player.
        c->TxtNomPerso->setText(QStringLiteral("Q"));
        c->BtnContinuerChoix->click();
        traiterEvenements();
        QCOMPARE(p.visibles(), QStringList{QStringLiteral("FrmPrincipaleVorn")});
        FrmPrincipaleVorn* f = p.app->feuille();
        QCOMPARE((QStringList{f->TxtNomJoueur->text(), f->TxtPtGénération->text(), f->TxtPtCélébrité->text()}),
                 (QStringList{"JOUEUR", "3000", "0 (+0)"}));
        QVERIFY(!f->ChkComp[3]->isChecked());
    }

    void nouvelAgentNon() {
        ProgrammeTest p;
        p.allerALaFeuille(QStringLiteral("BOND"));
        FrmPrincipaleVorn* f = p.app->feuille();
        f->ChkComp[3]->click();
        p.messages.repondre(Messagerie::Non);
        f->MnuNouveau->trigger();
        traiterEvenements();
        QCOMPARE(p.messages.journal(), QStringList{Nouveau});
        QCOMPARE(p.app->feuille(), f);
        QCOMPARE(p.visibles(), QStringList{QStringLiteral("FrmPrincipaleVorn")});
        QVERIFY(f->ChkComp[3]->isChecked());
        QCOMPARE(f->TxtPtGénération->text(), QStringLiteral("2900"));
        QCOMPARE(int(p.module.PtRestants), 2900);
        QCOMPARE(QString::fromStdString(p.module.NomPerso), QStringLiteral("BOND"));

        f->close(); // asks again; the scripted answer is No
        traiterEvenements();
        QCOMPARE(p.messages.journal(), (QStringList{Nouveau, Quitter}));
        QVERIFY(f->isVisible());
        QCOMPARE(p.fins, 0);
    }

    void vraieBoiteDeMessage_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("geste"); // a button's caption, or a key
        QTest::addColumn<int>("reponse");
        QTest::newRow("question, bouton Non") << 292 << "Non" << 7;
        QTest::newRow("question, bouton Oui") << 292 << "Oui" << 6;
        QTest::newRow("question, Échap") << 292 << "Échap" << 7;
        QTest::newRow("question, Entrée") << 292 << "Entrée" << 7;
        QTest::newRow("exclamation, Entrée") << 48 << "Entrée" << 1;
    }

    void vraieBoiteDeMessage() {
        QFETCH(int, code);
        QFETCH(QString, geste);
        QFETCH(int, reponse);
        QMessageBox::Icon icone = QMessageBox::NoIcon;
        QStringList boutons;
        QString defaut, titre, texte;
        SurveillanceModale garde([&](QWidget* w) {
            auto* b = qobject_cast<QMessageBox*>(w);
            if (!b) return;
            std::tie(icone, titre, texte) = std::tuple(b->icon(), b->windowTitle(), b->text());
            if (b->defaultButton()) defaut = sansEsperluette(b->defaultButton()->text());
            for (QAbstractButton* bouton : b->buttons()) boutons << sansEsperluette(bouton->text());
            boutons.sort();
            if (geste == QStringLiteral("Échap")) {
                QTest::keyClick(b, Qt::Key_Escape);
            } else if (geste == QStringLiteral("Entrée")) {
                QTest::keyClick(b, Qt::Key_Return);
            } else {
                for (QAbstractButton* bouton : b->buttons()) {
                    if (sansEsperluette(bouton->text()) == geste) bouton->click();
                }
            }
        });
        const int r = MessagerieQt().Afficher(nullptr, QStringLiteral("Vraiment ?"), QStringLiteral("Titre"), code);
        QCOMPARE(garde.ouvertes, 1);
        QCOMPARE(garde.forcees, 0);
        QCOMPARE(r, reponse);
        QCOMPARE(titre, QStringLiteral("Titre"));
        QCOMPARE(texte, QStringLiteral("Vraiment ?"));
        if (code == 292) {
            QCOMPARE(icone, QMessageBox::Question);
            QCOMPARE(boutons, (QStringList{QStringLiteral("Non"), QStringLiteral("Oui")}));
            QCOMPARE(defaut, QStringLiteral("Non"));
        } else {
            QCOMPARE(icone, QMessageBox::Warning);
            QCOMPARE(boutons, QStringList{QStringLiteral("OK")});
        }
    }
};

QTEST_MAIN(TestFlux)
#include "tst_flux.moc"
