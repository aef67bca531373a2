// The screens: design, exact texts, the real message box, accessibility, the keyboard and the printed sheet.
#include "Programme.h"

#include "FrmAProposVorn.h"
#include "FrmChpExpérienceVorn.h"
#include "FichierPdf.h"
#include "UpDownNiv.h"

namespace {
// A screen's controls with neither an accessible name nor a caption of their own.
QStringList sansNom(QWidget* ecran) {
    QStringList manquants;
    QWidgetList widgets = ecran->findChildren<QWidget*>();
    for (QWidget* w : widgets << ecran) {
        bool utile = w->focusPolicy() != Qt::NoFocus || qobject_cast<UpDownNiv*>(w);
        for (const char* c : {"QAbstractButton", "QLabel", "QAbstractItemView", "QGroupBox", "QMenuBar", "QLineEdit"})
            utile = utile || w->inherits(c);
        bool interne = w->objectName().startsWith(u"qt_"_s) || w->isWindow() != (w == ecran);
        for (QWidget* p = w->parentWidget(); p && p != ecran; p = p->parentWidget())
            interne = interne || qobject_cast<QComboBox*>(p) || qobject_cast<QAbstractScrollArea*>(p);
        QString nom = w->accessibleName();
        if (const auto* b = qobject_cast<QAbstractButton*>(w); nom.isEmpty() && b) nom = b->text();
        if (const auto* l = qobject_cast<QLabel*>(w); nom.isEmpty() && l) nom = l->text();
        if (utile && !interne && nom.trimmed().isEmpty()) manquants << w->objectName();
    }
    return manquants;
}

void touche(Qt::Key cle, Qt::KeyboardModifiers m = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), cle, m);
}
bool tabulerVers(QWidget* cible) {
    for (int i = 0; i < 200 && QApplication::focusWidget() != cible; ++i) touche(Qt::Key_Tab);
    return QApplication::focusWidget() == cible;
}
bool activer(QWidget* fenetre) {
    fenetre->activateWindow();
    return QTest::qWaitForWindowActive(fenetre);
}
// The page's text (blanks as one), or with -bbox its words; else why pdftotext failed. Under Wine the working folder
// is on Z:, the build machine's root: the reader, a native program, finds the copy there by the path without drive.
QString pdftotext(const QString& option, const QString& pdf) {
    QTemporaryDir dir(QDir::current().filePath(u"pdftotext-XXXXXX"_s));
    const QString chemin = QDir::fromNativeSeparators(dir.path()).remove(QRegularExpression(u"^[Zz]:"_s));
    QFile::copy(pdf, dir.filePath(u"lu.pdf"_s));
    QProcess p;
    p.start(u"" VORN_PDFTOTEXT ""_s, {option, u"-enc"_s, u"UTF-8"_s, chemin + u"/lu.pdf"_s, chemin + u"/lu.txt"_s});
    const bool fini = p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit;
    QFile texte(dir.filePath(u"lu.txt"_s));
    // Under Wine it cannot be waited for: its text is done once it has stopped growing.
    for (qint64 taille = -1, i = 0; !fini && i < 100; ++i) {
        if (QFileInfo(texte).size() > 0 && QFileInfo(texte).size() == taille) break;
        taille = QFileInfo(texte).size();
        QTest::qWait(300);
    }
    if ((fini && p.exitCode() != 0) || !texte.open(QIODevice::ReadOnly))
        return u"pdftotext a échoué : "_s + p.errorString();
    return QString::fromUtf8(texte.readAll()).simplified();
}
// The system's own words, on each platform, for a file that cannot be written at `chemin`.
QString raisonSysteme(const QString& chemin) {
    QSaveFile fichier(chemin);
    fichier.setDirectWriteFallback(false);
    return fichier.open(QIODevice::WriteOnly) ? QString() : fichier.errorString();
}
// A woman '00' with every part of the sheet filled in, player and character both named `nom`.
FrmPrincipaleVorn* agent(ProgrammeTest& p, const QString& nom) {
    p.allerAuChoix();
    p.app->choix()->OptProfession[3]->click(); // the longest profession
    FrmPrincipaleVorn* f = p.allerALaFeuille(0, 1);
    f->feuille.ChoisirCaract(Caract::FOR, 7);
    for (const Description d : ToutesDescriptions)
        f->feuille.ChoisirDescription(d, std::array<std::int16_t, 5>{5, 5, 3, 4, 9}[int(d)]);
    p.module.ChpExpProf = {"Microphotographie", "Cryptanalyse", "Droit", "Médecine", "Chimie", "Physique", ""};
    f->feuille.ReconstruireChampsExpérience();
    f->feuille.PrendreCompetence(21);
    f->feuille.TxtNomJoueur = f->feuille.TxtNomPerso = ss(nom);
    return f;
}
} // namespace

class TestEcrans : public QObject {
    Q_OBJECT
private slots:
    // As the program starts: French, its icon and face; only the quit confirmation ends it, no hidden last window.
    void initTestCase() {
        PreparerApplication(*qApp);
        QVERIFY(!QApplication::quitOnLastWindowClosed() && QLocale().language() == QLocale::French);
        QVERIFY(!QApplication::windowIcon().isNull() && QApplication::font().pointSizeF() == 7.5);
    }

    // The published design: places and sizes in twips (a window's entry: its fixed size), bold faces, grey backgrounds.
    void dessin() {
        struct Trait {
            const char* nom;
            int x, y, l, h; // x < 0: place not checked
            bool gras = false, gris = false;
        };
        const std::array<std::vector<Trait>, 5> ecrans{{{{"FrmAccueilVorn", 0, 0, 5430, 3225},
                                                         {"LblTexteAccueil", 1920, 360, 3255, 1095, true, true},
                                                         {"TxtNomAccueil", 1920, 1800, 3015, 375},
                                                         {"BtnQuitterAccueil", 3240, 2640, 1335, 375}},
                                                        {{"FrmChoixVorn", 0, 0, 7230, 5445},
                                                         {"FrameProfession", 3960, 840, 3135, 3735},
                                                         {"BtnOuvrirChoix", 5640, 4920, 1455, 375}},
                                                        {{"TxtNomJoueur", 120, 240, 2175, 285, true},
                                                         {"ChkComp(2)", 240, 1200, 255, 255},
                                                         {"ChkComp(23)", 6120, 4440, 2460, 255},
                                                         {"LblFormule(21)", 8400, 3735, 1335, 255},
                                                         {"TxtFormule(12)", 9840, 480, 375, 285},
                                                         {"UpDownNiv(12)", 10680, 480, 195, 285},
                                                         {"TxtCB(11)", 5160, 4440, 375, 285},
                                                         {"Line1", -1, 0, 0, 0, false, true}},
                                                        {},
                                                        {{"FrmAProposVorn", 0, 0, 5115, 4470},
                                                         {"LblTitreAPropos", 1770, 120, 2925, 480, true},
                                                         {"lblDescription", 240, 1800, 4605, 810, false, true},
                                                         {"BtnOkAPropos", 1920, 3960, 1260, 345}}}};
        // What a screen gets wrong: design, title, default button, unnamed controls.
        const auto fautes = [&ecrans](int k, QWidget* ecran, const QString& titre, QPushButton* defaut) {
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
            for (QPushButton* b : ecran->findChildren<QPushButton*>())
                if (b->isDefault() != (b == defaut)) e << b->objectName() + u" par défaut"_s;
            return e + sansNom(ecran) + QStringList(ecran->windowTitle() != titre, ecran->windowTitle());
        };
        ProgrammeTest p;
        QStringList e = fautes(0, p.app->accueil(), u"Accueil - Vorn"_s, p.app->accueil()->BtnContinuerAccueil);
        p.allerAuChoix();
        FrmChoixVorn* c = p.app->choix();
        e += fautes(1, c, u"Choix - Vorn"_s, nullptr);
        c->OptRang[0]->click(); // of each group of options, the chosen one takes the tab stop
        QVERIFY(c->OptRang[0]->focusPolicy() & Qt::TabFocus && !(c->OptRang[2]->focusPolicy() & Qt::TabFocus));
        c->OptRang[2]->click();
        FrmPrincipaleVorn* f = p.allerALaFeuille();
        e += fautes(2, f, u"Création - Vorn"_s, nullptr);
        p.module.Profession = 5; // the most fields of experience
        FrmChpExpérienceVorn champs(p.module, *p.app, f);
        e += fautes(3, &champs, u"Champs d'Expérience - Vorn"_s, nullptr);
        QVERIFY(champs.minimumSize() == champs.maximumSize() && champs.LblNbChoixExp->y() > 0); // laid out
        FrmAProposVorn apropos(f);
        e += fautes(4, &apropos, u"À propos - Vorn"_s, apropos.BtnOkAPropos);
        const UpDownNiv* s = f->UpDownNivs[12]; // the two arrows of a spin control share its whole height
        QCOMPARE(s->boutonHaut()->geometry().united(s->boutonBas()->geometry()), s->rect());
        for (QWidget* w : f->findChildren<QWidget*>(QRegularExpression(u"^(Txt|Lst)"_s)))
            if (w->isEnabled() || w->focusPolicy() != Qt::NoFocus) e << w->objectName() + u" saisissable"_s;
        QCOMPARE(e, QStringList());
        // The sheet's drawing area keeps its size; the window fits it exactly.
        QVERIFY(f->FrmCompétences->parentWidget()->size() == QSize(792, 536) && f->minimumSize() == f->maximumSize() &&
                f->width() == 792);
    }

    // The real box: its buttons (* the default), icon, title and text; Escape and Enter answer No to a question.
    void vraieBoiteDeMessage() {
        for (const int n : {0, 1, 2, 3}) {
            const int code = n < 2 ? 292 : 48;
            QStringList vu;
            auModal([&vu, n](QWidget* w) {
                auto* b = qobject_cast<QMessageBox*>(w);
                QVERIFY(b);
                for (QAbstractButton* x : b->buttons())
                    vu << x->text().remove(u'&') + (x == b->defaultButton() ? u"*"_s : u""_s);
                vu.sort();
                vu << QString::number(b->icon()) << b->windowTitle() << b->text();
                QTest::keyClick(b, n % 2 ? Qt::Key_Return : Qt::Key_Escape);
            });
            vu << QString::number(MessagerieQt().Afficher(nullptr, u"Vraiment ?"_s, u"Titre"_s, code));
            QCOMPARE(vu.join(u' '), code == 292 ? u"Non* Oui 4 Titre Vraiment ? 7"_s : u"OK 2 Titre Vraiment ? 1"_s);
        }
    }

    // The About box from the menu, and what a screen reader is told of the sheet's controls.
    void feuilleAccessible() {
        ProgrammeTest p;
        FrmPrincipaleVorn* f = p.allerALaFeuille();
        QStringList vus;
        auModal([&vus](QWidget* w) {
            auto* b = dynamic_cast<FrmAProposVorn*>(w);
            QVERIFY(b);
            vus << b->LblVersionAPropos->text() << b->LblTitreAPropos->text() << QString::number(b->windowModality());
            QTest::keyClick(b, Qt::Key_Return);
        });
        f->MnuAPropos->trigger();
        QCOMPARE(vus,
                 (QStringList{"Version: 1.0.0", "Application: ZazUvureVorn", QString::number(Qt::ApplicationModal)}));
        QVERIFY(p.messages.vus.empty() && ecransVisibles() == QStringList{"FrmPrincipaleVorn"});
        auto lu = [](QObject* o) { return QAccessible::queryAccessibleInterface(o); };
        QCOMPARE((QStringList{f->ChkComp[21]->accessibleName(), f->TxtNiveau[21]->accessibleName(),
                              f->TxtPtGénération->accessibleName(), lu(f->UpDownNivs[0])->text(QAccessible::Name),
                              lu(f->TxtFormule[10])->text(QAccessible::Name), lu(f->TxtCB[23])->text(QAccessible::Name),
                              lu(f->MnuPtInt->menuAction())->text(QAccessible::Name)}),
                 (QStringList{"Séduction", "Niveau de Séduction", "Points de génération", "Niveau d'Agilité",
                              "Base d'Électronique", "CB d'Usages Locaux", "Aide"}));
        QCOMPARE(lu(f->FrmCompétences)->indexOfChild(lu(f->Line1)), -1);
        QAccessibleInterface* niv = lu(f->UpDownNivs[2]);
        QAccessibleValueInterface* v = niv->valueInterface();
        const QVariantList vu{niv->role(), niv->childCount(), v->currentValue(), v->minimumValue(), v->maximumValue()};
        QCOMPARE(vu, (QVariantList{QAccessible::SpinBox, 0, 1, 1, 15}));
        // A list is read by its entry as text; a list of Qt's own dialogs keeps the toolkit's interface.
        QComboBox etrangere;
        etrangere.addItem(u"x"_s);
        QCOMPARE((QVariantList{lu(f->CmbFOR)->textInterface()->text(0, 5), lu(&etrangere)->textInterface() == nullptr}),
                 (QVariantList{u"5"_s, true}));
    }

    // A character made with the keyboard alone: what each screen takes from typing, pasting and its own keys.
    void personnageAuClavier() {
        ProgrammeTest p;
        QVERIFY(activer(p.app->accueil()) && tabulerVers(p.app->accueil()->BtnContinuerAccueil));
        touche(Qt::Key_Space);
        taper(QApplication::focusWidget(), u"zoé😀\u0001"_s); // control keys type nothing
        QInputMethodEvent methode;
        methode.setCommitString(u"é"_s);
        QApplication::sendEvent(QApplication::focusWidget(), &methode);
        touche(Qt::Key_Return);
        traiterEvenements();
        QVERIFY(activer(p.app->choix()) && tabulerVers(p.app->choix()->BtnContinuerChoix));
        touche(Qt::Key_Space);
        QApplication::clipboard()->setText(u"é🙂a"_s.repeated(33'334).left(100'000));
        touche(Qt::Key_V, Qt::ControlModifier);
        taper(QApplication::focusWidget(), u"z"_s);
        touche(Qt::Key_Return); // this screen has no default button: Enter does nothing
        QVERIFY(tabulerVers(p.app->choix()->OptProfession[0]));
        for (int k = 0; k < 2; ++k) touche(Qt::Key_Down); // the arrows walk the buttons as they are laid out
        QVERIFY(!p.app->feuille());
        touche(Qt::Key_C, Qt::AltModifier); // "&Continuer", pressed a moment later as a click is
        QTRY_VERIFY(p.app->feuille());
        traiterEvenements();
        FrmPrincipaleVorn* f = p.app->feuille();
        QVERIFY(activer(f));
        using Geste = std::pair<QWidget*, Qt::Key>;
        for (const auto& [cible, cle] : {Geste{f->CmbFOR, Qt::Key_Down}, Geste{f->ChkComp[3], Qt::Key_Space},
                                         Geste{f->UpDownNivs[3], Qt::Key_Up}, Geste{f->UpDownNivs[3], Qt::Key_Up}}) {
            QVERIFY2(tabulerVers(cible), qPrintable(cible->objectName()));
            touche(cle);
        }
        QCOMPARE(
            (QStringList{f->TxtNomJoueur->text(), f->TxtNomPerso->text(), f->TxtProfession->text(),
                         f->CmbFOR->currentText(), f->TxtNiveau[3]->text(), f->TxtPtGénération->text()}),
            (QStringList{"ZOÉ😀É", QApplication::clipboard()->text() + "Z", qs(TexteProfession(2)), "6", "3", "2760"}));
        QCOMPARE(p.messages.journal(),
                 (QStringList{
                     boite("Erreur - Nom du Joueur", "Vous devez impérativement rentrer le nom du joueur !"),
                     boite("Erreur - Nom du Personnage", "Vous devez impérativement rentrer le nom du Personnage !")}));
    }

    // A 300-letter name in several scripts and emoji, kept whole: the hardest case for the layout.
    void page() {
        const QString nom = u"Ωμέγα Жуков 😀 Ærøskøbing 😊 "_s.repeated(12).left(300);
        ProgrammeTest p;
        FrmPrincipaleVorn* fiche = agent(p, nom);
        const FeuilleVorn& f = fiche->feuille;
        QTemporaryDir dir;
        const QString pdf = dir.filePath(u"fiche.pdf"_s);
        QCOMPARE(EcrireFichePdf(pdf, f), QString());
        QVERIFY(NomFichierPdf(nom).toUtf8().size() < 250); // file systems take 255-byte names
        QStringList attendu{u"Fiche d'agent — jeu de rôle Vorn"_s,
                            u"Champs d'expérience Microphotographie Cryptanalyse Droit Médecine Chimie Physique"_s,
                            u"Nom du Joueur %1 Nom du Personnage %1 Rang '00' Sexe Féminin Ancienne profession %2 "
                            u"Points de génération restants %3 Points de célébrité (cicatrices) %4 Caractéristiques "
                            u"FOR 12 DEX 5 VOL 5 PER 5 INT 5 Vitesse %5 Endurance %6 h Course/Nage %7 mn Charge %8 kg "
                            u"Classe de Dégats à Mains Nues %9 Description Apparence Séduisante Taille 1,61 - 1,65 m "
                            u"Poids 87 - 93 kg Age 33 ans Faiblesse Attirance pour les Membres du Sexe Opposé "_s.arg(
                                nom.trimmed(), qs(f.TxtProfession), qs(f.TxtPtGénération), qs(f.TxtPtCélébrité),
                                qs(f.TxtVitesse), qs(f.TxtEndurance), qs(f.TxtCourse), qs(f.TxtCharge),
                                qs(f.TxtClasse)) +
                                u"Cicatrices "_s + qs(f.LstCicatrices[0])};
        for (std::size_t i = 0; i < 24; ++i) {
            const QString nom = qs(Competences[i].nom), formule = qs(FormuleCompetence(static_cast<int>(i)));
            const LigneCompetence& l = f.lignes[i];
            attendu << u"%1%2 %3 %4 %5 %6"_s.arg(nom, l.valeur == 2 ? u" (libre)"_s : u""_s, formule)
                           .arg(l.base)
                           .arg(l.niveau)
                           .arg(l.cb);
        }
        const QString texte = pdftotext(u"-raw"_s, pdf), boites = pdftotext(u"-bbox"_s, pdf);
        for (const QString& a : attendu) QVERIFY2(texte.contains(a), qPrintable(a));
        const QRegularExpression a4(u"<page width=\"59[45][.]\\d+\" height=\"84[12][.]"_s);
        QCOMPARE(boites.count(a4), 1); // one page
        // The menus, in order, with their standard keys.
        QStringList vus;
        for (QAction* a :
             fiche->findChild<QMenuBar*>()->actions() + fiche->MnuAgent->actions() + fiche->MnuPtInt->actions())
            vus << (a->menu() ? a->menu()->objectName() : a->objectName()) + u'|' + a->text() + u'|' +
                       a->shortcut().toString();
        QCOMPARE(vus, (QStringList{"MnuAgent|&Agent|", "MnuPtInt|&?|", "MnuNouveau|&Nouveau|",
                                   "MnuOuvrir|&Ouvrir…|Ctrl+O", "MnuEnregistrer|&Enregistrer|Ctrl+S",
                                   "MnuEnregistrerSous|Enregistrer &sous…|Ctrl+Shift+S", "MnuTiretFichier||",
                                   "MnuImprimer|&Imprimer…|Ctrl+P", "MnuExporterPDF|Exporter en &PDF…|", "MnuTiret||",
                                   "MnuQuitter|&Quitter|", "MnuAPropos|&À Propos|"}));
    }

    // An agent saved and reopened every way there is; refusals, failures and unsaved changes each told.
    void agentEnregistreEtOuvert() {
        QTemporaryDir dir;
        const QString bon = dir.filePath(u"Zoé_ 1.vorn"_s), abime = dir.filePath(u"abime.vorn"_s);
        ProgrammeTest p;
        p.des.jets = {1, 5, 1, 50}; // scarred twice
        FrmPrincipaleVorn* f = p.allerALaFeuille(0, 0, u"Zoé: 1"_s);
        f->feuille.ChoisirCaract(Caract::FOR, 7);
        f->Afficher();
        const auto questions = [&p] { // the informative line under each question asked so far, then forgotten
            QStringList q;
            for (const auto& m : std::exchange(p.messages.vus, {})) q << m.titre + u'|' + m.informatif;
            return q;
        };
        f->MnuQuitter->trigger();     // No: a changed agent never saved
        f->MnuEnregistrer->trigger(); // never saved: asks where, proposing the character's name
        p.fichiers.repondre(bon);
        f->MnuEnregistrer->trigger();
        f->MnuNouveau->trigger(); // saved: nothing to tell
        QCOMPARE(p.fichiers.demandes,
                 (QStringList(2, u"Enregistrer l'agent | Zoé_ 1.vorn | Agents ZazUvureVorn (*.vorn)"_s)));
        QCOMPARE(questions(),
                 (QStringList{"Quitter|Les modifications de l'agent n'ont pas été enregistrées.", "Nouveau|"}));
        QFile fichier(bon), sortie(abime);
        QVERIFY(fichier.open(QIODevice::ReadOnly) && sortie.open(QIODevice::WriteOnly));
        QVERIFY(sortie.write(fichier.readAll().replace("\"INT\": 5", "\"INT\": 16")) > 0 && sortie.flush());

        f->ChkComp[0]->click(); // changed again: the question to open another agent comes first, No keeps it all
        const QImage avant = f->grab().toImage();
        f->MnuOuvrir->trigger();
        p.messages.repondre(Messagerie::Oui);
        p.fichiers.repondre(abime);
        f->MnuOuvrir->trigger(); // Yes, then a refused file: the sheet on screen as it was
        QCOMPARE(p.messages.journal().last(),
                 boite(u"Erreur - Ouverture"_s,
                       u"L'agent n'a pas pu être ouvert depuis « %1 » : "
                       u"Caractéristique INT : valeur 16 hors limites"_s.arg(QDir::toNativeSeparators(abime))));
        const QString ouvrir = u"Ouvrir|Les modifications de l'agent n'ont pas été enregistrées."_s;
        QCOMPARE(questions(), (QStringList{ouvrir, ouvrir, "Erreur - Ouverture|"}));
        traiterEvenements();
        QCOMPARE(std::tuple(p.app->feuille(), f->grab().toImage() == avant), std::tuple(f, true));
        p.fichiers.repondre(dir.filePath(u"absent/agent.vorn"_s));
        f->MnuEnregistrerSous->trigger(); // a failed save: the system's reason, and still unsaved
        QVERIFY(p.messages.journal().last().contains(
            QRegularExpression(u"^Erreur - Enregistrement [|] L'agent n'a pas pu être enregistré "
                               u"dans « .*absent.agent.vorn » : "_s +
                               QRegularExpression::escape(raisonSysteme(dir.filePath(u"absent/agent.vorn"_s))))));
        QVERIFY(f->agentModifie() && f->cheminAgent == bon);
        questions();

        // From the choice screen straight to the saved agent, unchanged; a refused file leaves the choice on screen.
        p.messages.repondre(Messagerie::Oui);
        f->MnuNouveau->trigger();
        traiterEvenements();
        p.fichiers.repondre(abime);
        p.app->choix()->BtnOuvrirChoix->click();
        QCOMPARE(ecransVisibles(), QStringList{"FrmChoixVorn"});
        p.fichiers.repondre(bon);
        p.app->choix()->BtnOuvrirChoix->click();
        traiterEvenements();
        FrmPrincipaleVorn* g = p.app->feuille();
        QVERIFY(g && ecransVisibles() == QStringList{"FrmPrincipaleVorn"} && !g->agentModifie() &&
                g->cheminAgent == bon);
        QCOMPARE(std::tuple(g->ChkComp[0]->isChecked(), g->CmbFOR->currentText()), std::tuple(false, u"12"_s));
        QCOMPARE(questions(), (QStringList{"Nouveau|Les modifications de l'agent n'ont pas été enregistrées.",
                                           "Erreur - Ouverture|"}));

        // The command line: the agent's sheet, or the refusal and then the welcome screen.
        for (const QString& fichier : {bon, abime}) {
            ModuleVorn m;
            ApplicationVorn app(m, p.messages, p.fichiers, p.impression, p.des, [] {});
            app.Demarrer(fichier);
            QCOMPARE(std::tuple(app.accueil() != nullptr, app.feuille() != nullptr),
                     std::tuple(fichier == abime, fichier == bon));
        }
    }

    // PDF export and printing to a PDF file share one writer: a complete file, or the system's reason and the old
    // file untouched.
    void exportation_data() {
        QTest::addColumn<bool>("imprimer"); // through the print dialog's PDF file, else the export
        QTest::addColumn<QString>("chemin");
        QTest::addColumn<QString>("raison"); // none: written; "système": the system's own words for that path
        QTest::newRow("dossier absent") << false << u"absent/fiche.pdf"_s << u"système"_s;
        QTest::newRow("un dossier") << false << u"dossier.pdf"_s << u"associé à un répertoire"_s;
        QTest::newRow("remplace, .pdf ajouté") << false << u"ancien"_s << QString();
        QTest::newRow("impression, dossier absent") << true << u"absent/fiche.pdf"_s << u"système"_s;
        QTest::newRow("impression, remplace") << true << u"ancien.pdf"_s << QString();
    }
    void exportation() {
        QFETCH(bool, imprimer);
        QFETCH(QString, chemin);
        QFETCH(QString, raison);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(u"dossier.pdf"_s));
        QFile ancien(dir.filePath(u"ancien.pdf"_s));
        QVERIFY(ancien.open(QIODevice::WriteOnly) && ancien.write(QByteArray(500000, 'x')) == 500000);
        ancien.close(); // Windows replaces no file that is held open
        ProgrammeTest p;
        FrmPrincipaleVorn* f = agent(p, u" A/B :C "_s);
        chemin = QDir(dir.path()).filePath(chemin);
        if (raison == u"système"_s) raison = QRegularExpression::escape(raisonSysteme(chemin));
        if (imprimer) {
            p.impression.repondre([&chemin](QPrinter& imprimante) {
                imprimante.setOutputFileName(chemin);
                return imprimante.outputFormat() == QPrinter::PdfFormat;
            });
            f->MnuImprimer->trigger();
        } else {
            p.fichiers.repondre(chemin);
            f->MnuExporterPDF->trigger();
            QCOMPARE(p.fichiers.demandes, QStringList{"Exporter en PDF | A_B _C.pdf | Documents PDF (*.pdf)"});
        }
        const QString titre = imprimer ? u"Impression"_s : u"Exportation"_s;
        const QRegularExpression boite(
            u"(?s)^Erreur - %1 [|] La fiche n'a pas pu .*%2.*\n\nAucun fichier .* [|] 48$"_s.arg(titre, raison));
        QCOMPARE(p.messages.journal().join(u'\n').contains(boite), !raison.isEmpty());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
                 (QStringList{"ancien.pdf", "dossier.pdf"}));
        // Replaced whole (a page is far smaller than the old file), or not at all.
        QCOMPARE(QFileInfo(ancien.fileName()).size() < 500000 &&
                     pdftotext(u"-raw"_s, ancien.fileName()).contains(u"A/B :C"_s),
                 raison.isEmpty());
    }
};

QTEST_MAIN(TestEcrans)
#include "tst_ecrans.moc"
