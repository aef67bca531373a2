// The screens and their flow: exact texts, every way out, the real message box, the About box,
// accessible names and the published design of each screen.
#include "Programme.h"

#include "FrmAProposVorn.h"
#include "FrmChpExpérienceVorn.h"
#include "UpDownNiv.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QAccessible>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {
bool lisibleOuActionnable(const QWidget* w) {
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w) ||
           qobject_cast<const QComboBox*>(w) || qobject_cast<const QLabel*>(w) ||
           qobject_cast<const QListWidget*>(w) || qobject_cast<const QGroupBox*>(w) ||
           qobject_cast<const QMenuBar*>(w) || qobject_cast<const QMenu*>(w) ||
           qobject_cast<const UpDownNiv*>(w) || w->focusPolicy() != Qt::NoFocus;
}

// The widgets of a screen that a user meets, without the toolkit's own parts
// (a drop-down's popup, a scroll area's bars), which Qt names itself.
QStringList sansNom(QWidget* ecran) {
    QStringList manquants;
    QList<QWidget*> widgets = ecran->findChildren<QWidget*>();
    widgets.prepend(ecran);
    for (QWidget* w : widgets) {
        if (w->objectName().startsWith(QStringLiteral("qt_")) || !lisibleOuActionnable(w)) continue;
        bool interne = false;
        for (QWidget* p = w->parentWidget(); p && p != ecran; p = p->parentWidget()) {
            interne = interne || qobject_cast<QComboBox*>(p) || qobject_cast<QAbstractScrollArea*>(p);
        }
        if (interne || w->isWindow() != (w == ecran)) continue;
        // Qt would fall back on an enclosing frame's title, which names the
        // frame, not the control: only the control's own name or caption counts.
        QString nom = w->accessibleName();
        if (const auto* b = qobject_cast<const QAbstractButton*>(w); nom.isEmpty() && b) nom = b->text();
        if (const auto* l = qobject_cast<const QLabel*>(w); nom.isEmpty() && l) nom = l->text();
        if (nom.trimmed().isEmpty()) {
            manquants << QStringLiteral("%1 (%2)").arg(w->objectName(), QString::fromLatin1(w->metaObject()->className()));
        }
    }
    return manquants;
}
} // namespace

class TestEcrans : public QObject {
    Q_OBJECT
private slots:
    // As the program starts: French standard buttons, no quit on the last hidden window.
    void initTestCase() { PreparerApplication(*qApp); }

    // The published design: places and sizes in twips, bold faces, light grey backgrounds and fixed
    // window sizes (a window's entry gives its size alone).
    void dessin() {
        struct Trait {
            const char* nom;
            int x, y, l, h; // x < 0: place not checked
            bool gras = false, gris = false;
        };
        const std::array<std::vector<Trait>, 4> ecrans{{
            {{"FrmAccueilVorn", 0, 0, 5430, 3225}, {"LblTexteAccueil", 1920, 360, 3255, 1095, true, true},
             {"LblNomAccueil", 480, 1920, 1215, 255}, {"TxtNomAccueil", 1920, 1800, 3015, 375}, {"BtnContinuerAccueil", 840, 2640, 1335, 375},
             {"BtnQuitterAccueil", 3240, 2640, 1335, 375}, {"ImgAccueil", 240, 240, 1230, 1245}},
            {{"FrmChoixVorn", 0, 0, 7230, 5445}, {"TxtNomPerso", 3120, 240, 2655, 375},
             {"FrameProfession", 3960, 840, 3135, 3735}, {"BtnContinuerChoix", 1800, 4920, 1455, 375},
             {"BtnQuitterChoix", 3960, 4920, 1455, 375}},
            {{"TxtNomJoueur", 120, 240, 2175, 285, true}, {"TxtNomPerso", 2520, 240, 2175, 285, true},
             {"TxtSexe", 4920, 240, 855, 285}, {"Label1(0)", 505, 1200, 1575, 255, true},
             {"Label1(1)", 505, 2280, 2055, 255, true}, {"FrmCompétences", 120, 3120, 11655, 4815},
             {"FrmCaractéristiques", 120, 600, 4695, 2415}, {"ChkComp(0)", 240, 480, 2460, 255},
             {"ChkComp(2)", 240, 1200, 255, 255}, {"ChkComp(23)", 6120, 4440, 2460, 255},
             {"LblFormule(21)", 8400, 3735, 1335, 255}, {"TxtFormule(12)", 9840, 480, 375, 285},
             {"TxtNiveau(12)", 10320, 480, 360, 285}, {"UpDownNiv(12)", 10680, 480, 195, 285},
             {"TxtCB(11)", 5160, 4440, 375, 285}, {"Line1", -1, 0, 0, 0, false, true}},
            {{"FrmAProposVorn", 0, 0, 5115, 4470}, {"LblTitreAPropos", 1770, 120, 2925, 480, true},
             {"lblDescription", 240, 1800, 4605, 810, false, true}, {"BtnOkAPropos", 1920, 3960, 1260, 345}},
        }};
        ProgrammeTest p;
        QWidget* accueil = p.app->accueil();
        p.allerAuChoix();
        QWidget* choix = p.app->choix();
        const auto ecarts = [&ecrans](int k, QWidget* ecran) {
            const auto px = [](int twips) { return qRound(twips / 15.0); };
            QStringList e;
            for (const Trait& t : ecrans[std::size_t(k)]) {
                QWidget* w = ecran->objectName() == t.nom ? ecran : ecran->findChild<QWidget*>(t.nom);
                const QRect attendu(px(t.x), px(t.y), px(t.l), px(t.h));
                const bool place = !w || w->isWindow()
                                       ? w && w->minimumSize() == attendu.size() && w->maximumSize() == attendu.size()
                                       : t.x < 0 || w->geometry() == attendu;
                const bool gris =
                    w && w->autoFillBackground() && w->palette().color(QPalette::Window) == QColor(224, 224, 224);
                if (!place || w->font().bold() != t.gras || gris != t.gris) e << QString::fromUtf8(t.nom);
            }
            return e;
        };
        // A window's title, and whether it opened centred on the screen's free area (a frame's width aside).
        const auto fenetre = [](QWidget* w) {
            const QPoint ecart = w->frameGeometry().center() - w->screen()->availableGeometry().center();
            return w->windowTitle() + (ecart.manhattanLength() <= 8 ? u" centrée"_s : u" décentrée"_s);
        };
        QCOMPARE(ecarts(0, accueil), QStringList());
        QVERIFY(p.app->accueil()->BtnContinuerAccueil->isDefault());
        QCOMPARE(fenetre(accueil), u"Accueil - Vorn centrée"_s);
        QCOMPARE(ecarts(1, choix), QStringList());
        QVERIFY(!p.app->choix()->BtnContinuerChoix->isDefault()); // this screen has no default button
        QStringList tabulation; // the choice screen's tab order
        for (QWidget* w = p.app->choix()->TxtNomPerso; tabulation.size() < 15; w = w->nextInFocusChain()) {
            if (w->focusPolicy() & Qt::TabFocus) tabulation << w->objectName();
        }
        QCOMPARE(tabulation.join(u' '),
                 u"TxtNomPerso OptRang(0) OptRang(1) OptRang(2) BtnContinuerChoix BtnQuitterChoix OptSexe(0) "
                 u"OptSexe(1) OptProfession(0) OptProfession(1) OptProfession(2) OptProfession(3) OptProfession(4) "
                 u"OptProfession(5) OptProfession(6)"_s);
        QCOMPARE(fenetre(choix), u"Choix - Vorn centrée"_s);
        FrmPrincipaleVorn* f = p.allerALaFeuille();
        QCOMPARE(ecarts(2, f), QStringList());
        QCOMPARE(f->windowTitle(), u"Création - Vorn"_s);
        // Display fields read as if enabled; the menu entries carry their names.
        const QPalette texte = f->TxtRang->palette();
        QCOMPARE(texte.color(QPalette::Disabled, QPalette::Text), texte.color(QPalette::Active, QPalette::Text));
        for (const char* nom : {"MnuAgent", "MnuNouveau", "MnuTiret", "MnuQuitter", "MnuPtInt", "MnuAPropos"})
            QVERIFY2(f->findChild<QObject*>(nom), nom);
        FrmChpExpérienceVorn champs(p.module, *p.app, f);
        QCOMPARE(fenetre(&champs), u"Champs d'Expérience - Vorn centrée"_s);
        QCOMPARE(champs.minimumSize(), champs.maximumSize());
        QVERIFY(champs.LblNbChoixExp->y() > 0); // laid out, not left in the corner
        // The two arrows of a spin control share its whole height.
        const UpDownNiv* s = f->UpDownNivs[12];
        QCOMPARE(s->boutonHaut()->geometry().united(s->boutonBas()->geometry()), s->rect());
        QCOMPARE(std::pair(s->minimum(), s->maximum()), std::pair(1, 15));
        // Display fields and lists take no input.
        QWidgetList affichages{f->LstCicatrices, f->LstChpExpérience};
        for (QLineEdit* c : f->findChildren<QLineEdit*>()) affichages << c;
        for (QWidget* w : affichages) {
            QVERIFY2(!w->isEnabled() && w->focusPolicy() == Qt::NoFocus, qPrintable(w->objectName()));
        }
        // The sheet's drawing area keeps its size; the window fits it exactly.
        QCOMPARE(f->FrmCompétences->parentWidget()->size(), QSize(792, 536));
        QCOMPARE(f->minimumSize(), f->maximumSize());
        QCOMPARE(f->width(), 792);
        FrmAProposVorn apropos(f);
        QCOMPARE(ecarts(3, &apropos), QStringList());
        QVERIFY(apropos.BtnOkAPropos->isDefault());
        QCOMPARE((QStringList{f->LblFormule[0]->text(), f->LblFormule[2]->text(), f->LblFormule[21]->text()}),
                 (QStringList{"(FOR+DEX)/2", "VOL", "(VOL+Niv Char)/2"}));
    }

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

    // Opened from the sheet's menu as an application-modal box, closed by Enter without a question.
    void aPropos() {
        ProgrammeTest p;
        FrmPrincipaleVorn* f = p.allerALaFeuille();
        QStringList vus;
        SurveillanceModale garde([&vus](QWidget* w) {
            auto* b = dynamic_cast<FrmAProposVorn*>(w);
            if (!b) return;
            vus << b->windowTitle() << b->LblVersionAPropos->text() << b->LblTitreAPropos->text()
                << QString::number(b->windowModality());
            QTest::keyClick(b, Qt::Key_Return);
        });
        f->MnuAPropos->trigger();
        QCOMPARE(garde.forcees, 0);
        QCOMPARE(vus, (QStringList{"À propos - Vorn", "Version: 1.0.0", "Application: ZazUvureVorn",
                                   QString::number(Qt::ApplicationModal)}));
        QVERIFY(p.messages.vus.empty());
        QCOMPARE(p.visibles(), QStringList{"FrmPrincipaleVorn"});
    }

    void chaqueEcranNommeSesControles() {
        ProgrammeTest p;
        QCOMPARE(sansNom(p.app->accueil()), QStringList());
        p.allerAuChoix();
        QCOMPARE(sansNom(p.app->choix()), QStringList());
        FrmPrincipaleVorn* feuille = p.allerALaFeuille();
        QCOMPARE(sansNom(feuille), QStringList());

        p.module.Profession = 5;
        FrmChpExpérienceVorn champs(p.module, *p.app, feuille);
        QCOMPARE(sansNom(&champs), QStringList());
        FrmAProposVorn apropos(feuille);
        QCOMPARE(sansNom(&apropos), QStringList());
    }

    void lesNomsSontCeuxDesLegendes() {
        ProgrammeTest p;
        FrmPrincipaleVorn* f = p.allerALaFeuille();
        QCOMPARE((QStringList{f->ChkComp[21]->accessibleName(), f->TxtNiveau[21]->accessibleName(),
                              f->TxtPtGénération->accessibleName(), f->CmbFOR->accessibleName()}),
                 (QStringList{"Séduction", "Niveau de Séduction", "Points de génération", "FOR"}));
        auto lu = [](QObject* o) { return QAccessible::queryAccessibleInterface(o); };
        // What a screen reader is told: elided names, lists by caption with their entry, no decoration.
        QCOMPARE((QStringList{lu(f->UpDownNivs[0])->text(QAccessible::Name), lu(f->TxtFormule[10])->text(QAccessible::Name),
                              lu(f->TxtCB[23])->text(QAccessible::Name), lu(f->CmbFOR)->text(QAccessible::Name),
                              lu(f->CmbFOR)->text(QAccessible::Value), lu(f->MnuPtInt->menuAction())->text(QAccessible::Name)}),
                 (QStringList{"Niveau d'Agilité", "Base d'Électronique", "CB d'Usages Locaux", "FOR", "5", "Aide"}));
        QCOMPARE(lu(f->FrmCompétences)->indexOfChild(lu(f->Line1)), -1);
    }

    // The level control is a spin button whose steps are purchases, told on the control itself.
    void leNiveauEstUnCompteurQuiAchete() {
        ProgrammeTest p;
        FrmPrincipaleVorn* f = p.allerALaFeuille();
        QAccessibleInterface* niv = QAccessible::queryAccessibleInterface(f->UpDownNivs[2]);
        QAccessibleValueInterface* v = niv->valueInterface();
        QCOMPARE((QVariantList{niv->role(), niv->childCount(), v->currentValue(), v->minimumValue(), v->maximumValue()}),
                 (QVariantList{QAccessible::SpinBox, 0, 1, 1, 15}));
        const int avant = f->TxtPtGénération->text().toInt();
        niv->actionInterface()->doAction(QAccessibleActionInterface::increaseAction());
        QCOMPARE((QStringList{f->TxtNiveau[2]->text(), f->TxtPtGénération->text()}), (QStringList{"2", QString::number(avant - 20)}));
        v->setCurrentValue(15);
        QCOMPARE(f->TxtPtGénération->text().toInt(), avant - 280);
        QVERIFY2(niv->text(QAccessible::Description).contains(QString::number(avant - 280)), qPrintable(niv->text(QAccessible::Description)));
        niv->actionInterface()->doAction(QAccessibleActionInterface::decreaseAction());
        v->setCurrentValue(0);
        QCOMPARE((QVariantList{v->currentValue(), f->TxtPtGénération->text().toInt()}), (QVariantList{1, avant}));
    }
};

QTEST_MAIN(TestEcrans)
#include "tst_ecrans.moc"
