// The flow's named borders: exact texts, the focus, every way out and the real message box.
#include "OutilsTest.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

class TestFlux : public QObject {
    Q_OBJECT
private slots:
    // As the program starts: French standard buttons, no quit on the last hidden window.
    void initTestCase() { PreparerApplication(*qApp); }

    void nomVide_data() {
        QTest::addColumn<bool>("choix");
        QTest::addColumn<QString>("message");
        QTest::newRow("joueur") << false << boite("Erreur - Nom du Joueur",
                                                  "Vous devez impérativement rentrer le nom du joueur !");
        QTest::newRow("personnage") << true << boite("Erreur - Nom du Personnage",
                                                     "Vous devez impérativement rentrer le nom du Personnage !");
    }

    // One message; the screen stays and the focus goes back to the name.
    void nomVide() {
        QFETCH(bool, choix);
        QFETCH(QString, message);
        ProgrammeTest p;
        if (choix) p.allerAuChoix();
        QPushButton* continuer = choix ? p.app->choix()->BtnContinuerChoix : p.app->accueil()->BtnContinuerAccueil;
        continuer->setFocus();
        continuer->click();
        QCOMPARE(p.messages.journal(), QStringList{message});
        QCOMPARE(p.visibles(), QStringList{continuer->window()->objectName()});
        QCOMPARE(continuer->window()->focusWidget(),
                 choix ? p.app->choix()->TxtNomPerso : p.app->accueil()->TxtNomAccueil);
    }

    void sortie_data() {
        QTest::addColumn<int>("ecran");  // 0 welcome, 1 choice, 2 sheet
        QTest::addColumn<bool>("cadre"); // closed by its frame, or by its own way out
        QTest::newRow("accueil fermé") << 0 << true;
        QTest::newRow("accueil &Quitter") << 0 << false;
        QTest::newRow("choix fermé") << 1 << true;
        QTest::newRow("choix &Quitter") << 1 << false;
        QTest::newRow("feuille fermée") << 2 << true;
        QTest::newRow("menu &Quitter") << 2 << false;
    }

    // Every way out asks once: No keeps the screen and gives the focus back, Yes ends
    // the program once, and the windows left then close without a question.
    void sortie() {
        QFETCH(int, ecran);
        QFETCH(bool, cadre);
        ProgrammeTest p;
        if (ecran == 1) p.allerAuChoix();
        FrmPrincipaleVorn* f = ecran == 2 ? p.allerALaFeuille() : nullptr;
        FrmAccueilVorn* a = p.app->accueil();
        FrmChoixVorn* c = p.app->choix();
        QWidget* fenetre = f ? static_cast<QWidget*>(f) : c ? static_cast<QWidget*>(c) : a;
        // The control with the focus before the question, and the one that has it after No.
        QWidget* ailleurs = f ? static_cast<QWidget*>(f->CmbFOR) : c ? c->BtnContinuerChoix : a->BtnContinuerAccueil;
        QWidget* apresNon = f ? static_cast<QWidget*>(f->CmbFOR) : c ? c->TxtNomPerso : a->TxtNomAccueil;
        const QString quitter = boite("Quitter", "Etes-vous sûr de vouloir quitter le programme ?", 292);
        ailleurs->setFocus();
        for (const auto reponse : {Messagerie::Non, Messagerie::Oui}) {
            p.messages.repondre(reponse);
            cadre ? void(fenetre->close())
            : f   ? f->MnuQuitter->trigger()
            : c   ? c->BtnQuitterChoix->click()
                  : a->BtnQuitterAccueil->click();
            traiterEvenements();
            QCOMPARE(p.messages.journal(), QStringList(reponse == Messagerie::Non ? 1 : 2, quitter));
            QCOMPARE(p.module.Reponse, reponse);
            QCOMPARE(p.fins, reponse == Messagerie::Non ? 0 : 1);
            QCOMPARE(p.visibles(), reponse == Messagerie::Non ? QStringList{fenetre->objectName()} : QStringList{});
            if (reponse == Messagerie::Non) QCOMPARE(fenetre->focusWidget(), apresNon);
        }
        for (QWidget* w : QApplication::topLevelWidgets()) {
            QCloseEvent fermeture;
            QApplication::sendEvent(w, &fermeture);
            QVERIFY2(fermeture.isAccepted(), qPrintable(w->objectName()));
        }
        QCOMPARE(p.messages.vus.size(), std::size_t{2});
        QCOMPARE(p.fins, 1);
    }

    void vraieBoiteDeMessage_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("bouton"); // clicked by its caption, or else
        QTest::addColumn<int>("touche");     // this key pressed
        QTest::addColumn<int>("reponse");
        QTest::newRow("question, Non") << 292 << "Non" << 0 << 7;
        QTest::newRow("question, Oui") << 292 << "Oui" << 0 << 6;
        QTest::newRow("question, Échap") << 292 << "" << int(Qt::Key_Escape) << 7;
        QTest::newRow("question, Entrée") << 292 << "" << int(Qt::Key_Return) << 7;
        QTest::newRow("exclamation, Entrée") << 48 << "" << int(Qt::Key_Return) << 1;
    }

    void vraieBoiteDeMessage() {
        QFETCH(int, code);
        QFETCH(QString, bouton);
        QFETCH(int, touche);
        QFETCH(int, reponse);
        QStringList vu; // every button, * for the default; icon, title, text
        SurveillanceModale garde([&](QWidget* w) {
            auto* b = qobject_cast<QMessageBox*>(w);
            if (!b) return;
            for (QAbstractButton* x : b->buttons()) vu << x->text().remove(u'&') + (x == b->defaultButton() ? "*" : "");
            vu.sort();
            vu << QString::number(b->icon()) << b->windowTitle() << b->text();
            for (QAbstractButton* x : b->buttons()) {
                if (x->text().remove(u'&') == bouton) x->click();
            }
            if (touche) QTest::keyClick(b, Qt::Key(touche));
        });
        QCOMPARE(int(MessagerieQt().Afficher(nullptr, "Vraiment ?", "Titre", code)), reponse);
        QCOMPARE(garde.ouvertes, 1);
        QCOMPARE(garde.forcees, 0);
        // The single OK button needs no default of its own: Enter presses it.
        const QStringList attendu = code == 292 ? QStringList{"Non*", "Oui", QString::number(QMessageBox::Question)}
                                                : QStringList{"OK", QString::number(QMessageBox::Warning)};
        QCOMPARE(vu, attendu + QStringList({"Titre", "Vraiment ?"}));
    }
};

QTEST_MAIN(TestFlux)
#include "tst_flux.moc"
