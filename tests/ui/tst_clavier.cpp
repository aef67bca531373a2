// The keyboard: a whole character made without a mouse, and names of any length and script.
#include "Programme.h"

#include "FrmChpExpérienceVorn.h"
#include "UpDownNiv.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>

namespace {
// A key as the keyboard sends it: to the widget that has the focus.
void touche(Qt::Key cle, Qt::KeyboardModifiers modificateurs = Qt::NoModifier) {
    QWidget* cible = QApplication::activePopupWidget();
    if (!cible) cible = QApplication::focusWidget();
    if (!cible) cible = QApplication::activeWindow();
    QVERIFY(cible);
    QTest::keyClick(cible, cle, modificateurs);
}

// Presses Tab until `cible` has the focus; fails if it is not in the tab chain.
bool tabulerVers(QWidget* cible) {
    for (int i = 0; i < 200 && QApplication::focusWidget() != cible; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    return QApplication::focusWidget() == cible;
}

void activer(QWidget* fenetre) {
    fenetre->activateWindow();
    QApplication::setActiveWindow(fenetre);
    QVERIFY(QTest::qWaitForWindowActive(fenetre));
}
} // namespace

class TestClavier : public QObject {
    Q_OBJECT
private slots:
    void personnageCompletAuClavier() {
        ProgrammeTest p;
        FrmAccueilVorn* accueil = p.app->accueil();
        activer(accueil);
        QCOMPARE(QApplication::focusWidget(), accueil->TxtNomAccueil);
        taper(accueil->TxtNomAccueil, QStringLiteral("zoé"));
        touche(Qt::Key_Return);
        traiterEvenements();
        QCOMPARE(p.module.NomJoueur, std::string("ZOÉ"));

        FrmChoixVorn* choix = p.app->choix();
        activer(choix);
        QCOMPARE(QApplication::focusWidget(), choix->TxtNomPerso);
        taper(choix->TxtNomPerso, QStringLiteral("max"));
        touche(Qt::Key_Return); // this screen has no default button: Enter does nothing
        QVERIFY(!p.app->feuille());
        QVERIFY(tabulerVers(choix->OptRang[2]));
        touche(Qt::Key_Up); // Recrue -> Agent
        QVERIFY(tabulerVers(choix->OptSexe[0]));
        touche(Qt::Key_Down); // Féminin
        QVERIFY(tabulerVers(choix->OptProfession[0]));
        touche(Qt::Key_Down);
        touche(Qt::Key_Down); // Militaire
        QCOMPARE((QList<int>{p.module.PtGeneration, p.module.Sexe, p.module.Profession}), (QList<int>{6000, 1, 2}));
        // An access key presses its button the way a click does, a moment later.
        touche(Qt::Key_C, Qt::AltModifier); // "&Continuer"
        QTRY_VERIFY(p.app->feuille());
        traiterEvenements();

        FrmPrincipaleVorn* f = p.app->feuille();
        activer(f);
        // A pick in every list: the arrow keys move the selection of a closed list.
        for (QComboBox* c : {f->CmbFOR, f->CmbDEX, f->CmbVOL, f->CmbPER, f->CmbINT, f->CmbApparence,
                             f->CmbTaille, f->CmbPoids, f->CmbFaiblesse}) {
            QVERIFY2(tabulerVers(c), qPrintable(c->objectName()));
            touche(Qt::Key_Down);
        }
        // The age opens the fields-of-experience dialog: tick with Space, confirm with Enter.
        QVERIFY(tabulerVers(f->CmbAge));
        bool dialogueVu = false;
        QTimer::singleShot(0, this, [&] {
            auto* d = dynamic_cast<FrmChpExpérienceVorn*>(QApplication::activeModalWidget());
            if (!d) return;
            // Whatever happens below, the dialog must not stay open and block the test.
            const auto fermer = qScopeGuard([d] { if (d->isVisible()) d->reject(); });
            activer(d);
            dialogueVu = tabulerVers(d->ChkExpProf[0]);
            touche(Qt::Key_Space);
            touche(Qt::Key_Return);
        });
        touche(Qt::Key_Down);
        QVERIFY(dialogueVu);
        activer(f);

        // A skill taken with Space, then raised twice with the Up key.
        QVERIFY(tabulerVers(f->ChkComp[3]));
        touche(Qt::Key_Space);
        QVERIFY(tabulerVers(f->UpDownNivs[3]));
        touche(Qt::Key_Up);
        touche(Qt::Key_Up);

        // The sheet after: each pick went one entry down from its start.
        // Points: 6000 + 20 (age) + 50 (weakness) - 5×100 - 120 - 30 - 30 - 100 (skill) - 40 (levels).
        QCOMPARE((QStringList{f->CmbFOR->currentText(), f->CmbINT->currentText(), f->CmbApparence->currentText(),
                              f->CmbFaiblesse->currentText(), f->CmbTaille->currentText(), f->CmbAge->currentText(),
                              lignes(f->LstChpExpérience).join(u'|'), f->TxtNiveau[3]->text(),
                              f->TxtPtGénération->text()}),
                 (QStringList{"6", "6", "Stricte", "Acrophobie", "1,45 - 1,50", "28", "Génie mécanique", "3", "5250"}));
        QVERIFY(f->ChkComp[3]->isChecked());
        QVERIFY(p.messages.vus.empty());
    }

    void nomsExtremes_data() {
        QTest::addColumn<QString>("saisi");
        QTest::addColumn<QString>("attendu"); // after typing; pasting keeps `saisi` as it is
        QTest::newRow("hors Windows-1252") << QStringLiteral("łдж") << QStringLiteral("łдж");
        QTest::newRow("emoji") << QStringLiteral("a😀b") << QStringLiteral("A😀B");
        QTest::newRow("droite à gauche") << QStringLiteral("שלום مرحبا") << QStringLiteral("שלום مرحبا");
        QTest::newRow("latin accentué") << QStringLiteral("œuvre ÿ ß µ") << QStringLiteral("ŒUVRE Ÿ ß µ");
        QTest::newRow("caractères de contrôle") << QStringLiteral("a\tb\u0001c") << QStringLiteral("AB\u0001C");
    }

    void nomsExtremes() {
        QFETCH(QString, saisi);
        QFETCH(QString, attendu);
        ProgrammeTest p;
        QLineEdit* box = p.app->accueil()->TxtNomAccueil;

        taper(box, saisi);
        // Tab moves the focus instead of being typed; other control keys type nothing.
        QCOMPARE(box->text(), QString(attendu).remove(QLatin1Char('\t')).remove(QChar(1)));

        // Text an input method commits is filtered as typed text is.
        box->clear();
        QInputMethodEvent methode;
        methode.setCommitString(QStringLiteral("zoé"));
        QApplication::sendEvent(box, &methode);
        QCOMPARE(box->text(), QStringLiteral("ZOÉ"));

        box->clear();
        QApplication::clipboard()->setText(saisi);
        box->paste();
        QCOMPARE(box->text(), saisi);
        p.app->accueil()->BtnContinuerAccueil->click();
        QCOMPARE(QString::fromStdString(p.module.NomJoueur), saisi);
    }

    void nomDeCentMilleCaracteres() {
        const QString long1 = QString(QStringLiteral("é🙂a")).repeated(100'000 / 3 + 1).left(100'000);
        ProgrammeTest p;
        QElapsedTimer chrono;
        chrono.start();
        p.app->accueil()->TxtNomAccueil->insert(long1);
        p.allerAuChoix(p.app->accueil()->TxtNomAccueil->text());
        p.app->choix()->TxtNomPerso->insert(long1);
        taper(p.app->choix()->TxtNomPerso, QStringLiteral("z"));
        p.app->choix()->BtnContinuerChoix->click();
        traiterEvenements();
        QVERIFY(p.app->feuille());
        QCOMPARE(p.app->feuille()->TxtNomJoueur->text(), long1);
        QCOMPARE(p.app->feuille()->TxtNomPerso->text(), long1 + QStringLiteral("Z"));
        QCOMPARE(QString::fromStdString(p.module.NomPerso), long1 + QStringLiteral("Z"));
        QVERIFY2(chrono.elapsed() < 10'000, "a long name must not make the program hang");
    }
};

QTEST_MAIN(TestClavier)
#include "tst_clavier.moc"
