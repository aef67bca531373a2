#include "OutilsTest.h"

#include "FrmChpExpérienceVorn.h"
#include "FrmPrincipaleVorn.h"
#include "UpDownNiv.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QToolButton>

namespace {
// The refusal of a purchase, under the given title.
QString pasAssez(const QString& titre) { return boite(titre, "Vous n'avez pas assez de Points de Génération!!!"); }
const QColor Gris(192, 192, 192);

// A skill row as the player sees it: box (and "fixe" when disabled), the
// background of its three fields, level/base/CB, and the spin control.
QString ligne(const FrmPrincipaleVorn* f, std::size_t i) {
    const QCheckBox* c = f->ChkComp[i];
    const Qt::CheckState etat = c->checkState();
    QString texte = etat == Qt::Checked ? QStringLiteral("[x]") : etat == Qt::Unchecked ? "[ ]" : "[-]";
    if (!c->isEnabled()) texte += QStringLiteral(" fixe");
    QSet<QString> fonds;
    for (const QLineEdit* champ : {f->TxtFormule[i], f->TxtNiveau[i], f->TxtCB[i]}) {
        const QColor couleur = champ->palette().color(QPalette::Disabled, QPalette::Base);
        fonds << (couleur == Gris ? QStringLiteral("gris")
                  : couleur == f->palette().color(QPalette::Active, QPalette::Base) ? QStringLiteral("blanc")
                                                                                     : couleur.name());
    }
    texte += QLatin1Char(' ') + QStringList(fonds.begin(), fonds.end()).join(QLatin1Char('+'));
    texte += QStringLiteral(" %1/%2/%3").arg(f->TxtNiveau[i]->text(), f->TxtFormule[i]->text(), f->TxtCB[i]->text());
    return texte + (f->UpDownNivs[i]->isEnabled() ? QStringLiteral(" actif") : QStringLiteral(" inactif"));
}

QStringList lignes(const QListWidget* liste) {
    QStringList l;
    for (int i = 0; i < liste->count(); ++i) l << liste->item(i)->text();
    return l;
}

void choisirTexte(QComboBox* c, const QString& texte) {
    const int i = c->findText(texte);
    QVERIFY2(i >= 0, qPrintable(texte));
    choisir(c, i);
}

// Picks several characteristic values in a row.
void choisirValeurs(std::initializer_list<std::pair<QComboBox*, const char*>> choix) {
    for (const auto& [c, v] : choix) choisirTexte(c, QString::fromLatin1(v));
}

// "G11 P0": general box 11, then professional box 0.
void cocher(FrmChpExpérienceVorn* d, const QString& cases) {
    for (const QString& c : cases.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const auto i = static_cast<std::size_t>(c.mid(1).toInt());
        (c[0] == QLatin1Char('P') ? d->ChkExpProf.at(i) : d->ChkExpGen.at(i))->click();
    }
}

// A fresh sheet for a "Recrue" man, 3000 points.
struct Feuille {
    ProgrammeTest p;
    FrmPrincipaleVorn* f;
    Feuille() {
        p.allerALaFeuille();
        f = p.app->feuille();
    }
    // The text of a display field or the selection of a list, by object name.
    QString champ(const QString& nom) const {
        if (auto* c = f->findChild<QLineEdit*>(nom)) return c->text();
        if (auto* c = f->findChild<QComboBox*>(nom)) return c->currentText();
        return QStringLiteral("<pas de ") + nom + QLatin1Char('>');
    }
    QString points() const { return f->TxtPtGénération->text(); }
    // Sensationnelle, the tallest height and the lightest weight (30 points
    // each, 50 fame each), then characteristics, so that 10 points remain.
    void serrer() {
        choisir(f->CmbApparence, 6);
        choisir(f->CmbTaille, 9);
        choisir(f->CmbPoids, 1);
        choisirValeurs({{f->CmbFOR, "15"}, {f->CmbDEX, "15"}, {f->CmbVOL, "6"}, {f->CmbINT, "6"}});
    }
};
} // namespace

class TestFeuille : public QObject {
    Q_OBJECT
private slots:
    void chargement_data() {
        QTest::addColumn<int>("rang");
        QTest::addColumn<int>("sexe");
        QTest::addColumn<QList<int>>("jets");
        QTest::addColumn<QString>("points");
        QTest::addColumn<QString>("celebrite");
        QTest::addColumn<QString>("texteSexe");
        QTest::addColumn<QStringList>("tailles"); // entries 1 and 9
        QTest::addColumn<QString>("poids1");
        QTest::addColumn<QStringList>("cicatrices");
        const QStringList sans{QStringLiteral("(aucune)"), QString(), QString()};
        QTest::newRow("homme recrue") << 2 << 0 << QList<int>{} << "3000" << "0 (+0)" << " Masculin"
                                      << QStringList{"1,55 - 1,60", "1,96 +"} << "55 - 61" << sans;
        QTest::newRow("femme agent") << 1 << 1 << QList<int>{} << "6000" << "-40 (+0)" << " Féminin"
                                     << QStringList{"1,45 - 1,50", "1,86 +"} << "43 - 47" << sans;
        QTest::newRow("homme 00, deux cicatrices")
            << 0 << 0 << QList<int>{30, 5, 5, 40} << "9000" << "0 (+40)" << " Masculin"
            << QStringList{"1,55 - 1,60", "1,96 +"} << "55 - 61" << QStringList{"Visage", "Poitrine", QString()};
    }

    void chargement() {
        QFETCH(int, rang);
        QFETCH(int, sexe);
        QFETCH(QList<int>, jets);
        QFETCH(QString, points);
        QFETCH(QString, celebrite);
        QFETCH(QString, texteSexe);
        QFETCH(QStringList, tailles);
        QFETCH(QString, poids1);
        QFETCH(QStringList, cicatrices);
        ProgrammeTest p;
        for (const int j : jets) p.des.jets.push_back(static_cast<std::int16_t>(j));
        p.allerALaFeuille(QStringLiteral("AGENT"), rang, sexe);
        FrmPrincipaleVorn* f = p.app->feuille();

        QCOMPARE(f->TxtPtGénération->text(), points);
        QCOMPARE(f->TxtPtCélébrité->text(), celebrite);
        QCOMPARE(f->TxtSexe->text(), texteSexe);
        QCOMPARE(lignes(f->LstCicatrices), cicatrices);
        QCOMPARE(lignes(f->LstChpExpérience), QStringList{QStringLiteral("(aucun)")});

        QCOMPARE(f->CmbTaille->count(), 10);
        QCOMPARE(f->CmbPoids->count(), 10);
        QCOMPARE((QStringList{f->CmbTaille->itemText(1), f->CmbTaille->itemText(9)}), tailles);
        QCOMPARE(f->CmbPoids->itemText(1), poids1);
        QCOMPARE(f->CmbAge->count(), 6);
        QCOMPARE(f->CmbAge->currentIndex(), -1);
        QStringList selections;
        for (QComboBox* c : {f->CmbApparence, f->CmbFaiblesse, f->CmbTaille, f->CmbPoids, f->CmbFOR, f->CmbDEX,
                             f->CmbVOL, f->CmbPER, f->CmbINT}) {
            selections << c->currentText();
        }
        QCOMPARE(selections, (QStringList{"(aucune)", "(aucune)", "(aucune)", "(aucun)", "5", "5", "5", "5", "5"}));
        const QStringList derives{f->TxtVitesse->text(), f->TxtEndurance->text(), f->TxtCourse->text(),
                                  f->TxtCharge->text(), f->TxtClasse->text()};
        QCOMPARE(derives, (QStringList{"1", "24", "10", "25 - 45", "A"}));

        for (std::size_t i = 0; i < 24; ++i) {
            const QString attendue = i == 2 || i == 5 ? QStringLiteral("[-] fixe blanc 1/5/6 actif")
                                     : i == 21 ? QStringLiteral("[ ] gris 0/3/3 inactif") // (VOL 5 + Charisme 1) / 2
                                               : QStringLiteral("[ ] gris 0/5/5 inactif");
            QCOMPARE(ligne(f, i), attendue);
        }
        QVERIFY(p.messages.vus.empty());
    }

    void champsAffichageFiges() {
        Feuille s;
        const auto champs = s.f->findChildren<QLineEdit*>();
        QVERIFY(champs.size() >= 12 + 3 * 24);
        for (QLineEdit* c : champs) {
            QVERIFY2(!c->isEnabled(), qPrintable(c->objectName()));
            QCOMPARE(c->focusPolicy(), Qt::NoFocus);
            const QString avant = c->text();
            taper(c, QStringLiteral("9x"));
            QCOMPARE(c->text(), avant);
        }
        for (QListWidget* l : {s.f->LstCicatrices, s.f->LstChpExpérience}) {
            QVERIFY(!l->isEnabled());
            QCOMPARE(l->focusPolicy(), Qt::NoFocus);
            QCOMPARE(l->selectionMode(), QAbstractItemView::NoSelection);
        }
        const auto listes = s.f->findChildren<QComboBox*>();
        QCOMPARE(listes.size(), 10);
        for (QComboBox* c : listes) QVERIFY2(!c->isEditable(), qPrintable(c->objectName()));
    }

    void achat_data() {
        QTest::addColumn<QString>("liste");
        QTest::addColumn<QString>("entree");
        QTest::addColumn<int>("budget");         // 3000; 300 after DEX and VOL 15; 10 when squeezed
        QTest::addColumn<QString>("refus");      // title of the refusal, empty when accepted
        QTest::addColumn<QString>("points");
        QTest::addColumn<QStringList>("champs"); // "object=text" afterwards
        const QString carac = QStringLiteral("Erreur - Caractéristiques");
        QTest::newRow("FOR 12 refusée") << "CmbFOR" << "12" << 300 << carac << "300"
                                        << QStringList{"CmbFOR=5", "TxtClasse=A", "TxtCharge=25 - 45",
                                                       "TxtFormule(4)=5", "TxtCB(4)=5", "TxtFormule(0)=10"};
        QTest::newRow("FOR 8, reste 0") << "CmbFOR" << "8" << 300 << "" << "0"
                                        << QStringList{"TxtClasse=A", "TxtCharge=46 - 70", "TxtFormule(4)=8",
                                                       "TxtCB(4)=8", "TxtFormule(0)=11"};
        QTest::newRow("PER 9 refusée") << "CmbPER" << "9" << 300 << carac << "300"
                                       << QStringList{"CmbPER=5", "TxtVitesse=2", "TxtFormule(3)=10", "TxtCB(5)=11"};
        QTest::newRow("INT 10 refusée") << "CmbINT" << "10" << 300 << carac << "300"
                                        << QStringList{"CmbINT=5", "TxtFormule(7)=5", "TxtCB(7)=5", "TxtFormule(22)=5"};
        QTest::newRow("INT 8") << "CmbINT" << "8" << 300 << "" << "0"
                               << QStringList{"TxtFormule(7)=8", "TxtCB(7)=8", "TxtFormule(22)=6", "TxtVitesse=2"};
        QTest::newRow("VOL 5 rend 1350") << "CmbVOL" << "5" << 300 << "" << "1650"
                                         << QStringList{"TxtEndurance=24", "TxtCourse=10", "TxtCB(2)=6",
                                                        "TxtFormule(21)=3"};
        QTest::newRow("DEX 15 de nouveau") << "CmbDEX" << "15" << 300 << "" << "300" << QStringList{"TxtVitesse=2"};
        // Squeezed: Sensationnelle, "1,96 +" and "55 - 61" booked, fame 150.
        QTest::newRow("apparence refusée") << "CmbApparence" << "Séduisante" << 10 << "Erreur - Apparence" << "10"
                                           << QStringList{"CmbApparence=Sensationnelle", "TxtPtCélébrité=150 (+0)"};
        QTest::newRow("taille refusée") << "CmbTaille" << "1,76 - 1,80" << 10 << "Erreur - Taille" << "10"
                                        << QStringList{"CmbTaille=1,96 +", "TxtPtCélébrité=150 (+0)"};
        QTest::newRow("poids refusé") << "CmbPoids" << "62 - 68" << 10 << "Erreur - Poids" << "10"
                                      << QStringList{"CmbPoids=55 - 61", "TxtPtCélébrité=150 (+0)"};
        QTest::newRow("apparence moins chère") << "CmbApparence" << "(aucune)" << 10 << "" << "40"
                                               << QStringList{"TxtPtCélébrité=100 (+0)"};
        QTest::newRow("faiblesse, budget serré") << "CmbFaiblesse" << "Dépendance à la Drogue" << 10 << "" << "135"
                                                 << QStringList{"TxtPtCélébrité=150 (+0)"};
        QTest::newRow("apparence") << "CmbApparence" << "Sensationnelle" << 3000 << "" << "2970"
                                   << QStringList{"TxtPtCélébrité=50 (+0)"};
        QTest::newRow("taille du milieu") << "CmbTaille" << "1,76 - 1,80" << 3000 << "" << "2800"
                                          << QStringList{"TxtPtCélébrité=0 (+0)"};
        QTest::newRow("poids extrême") << "CmbPoids" << "111 - 117" << 3000 << "" << "2970"
                                       << QStringList{"TxtPtCélébrité=50 (+0)"};
        QTest::newRow("faiblesse") << "CmbFaiblesse" << "Attirance pour les Membres du Sexe Opposé" << 3000 << ""
                                   << "3100" << QStringList{"TxtPtCélébrité=0 (+0)"};
    }

    void achat() {
        QFETCH(QString, liste);
        QFETCH(QString, entree);
        QFETCH(int, budget);
        QFETCH(QString, refus);
        QFETCH(QString, points);
        QFETCH(QStringList, champs);
        Feuille s;
        if (budget == 300) choisirValeurs({{s.f->CmbDEX, "15"}, {s.f->CmbVOL, "15"}});
        if (budget == 10) s.serrer();
        QCOMPARE(s.points(), QString::number(budget));
        QStringList pendant;
        s.p.messages.pendant = [&](const MessagerieScriptee::Message&) { pendant << s.points(); };

        auto* c = s.f->findChild<QComboBox*>(liste);
        choisirTexte(c, entree);
        const bool refusee = !refus.isEmpty();
        QCOMPARE(s.p.messages.journal(), refusee ? QStringList{pasAssez(refus)} : QStringList{});
        // While the message is up, the points shown are still those before the pick.
        QCOMPARE(pendant, refusee ? QStringList{QString::number(budget)} : QStringList{});
        if (!refusee) QCOMPARE(c->currentText(), entree);
        QCOMPARE(s.points(), points);
        for (const QString& attendu : champs) {
            QCOMPARE(s.champ(attendu.section(QLatin1Char('='), 0, 0)), attendu.section(QLatin1Char('='), 1));
        }
    }

    void ageOuvreLeDialogue_data() {
        QTest::addColumn<int>("age"); // index: 28 + age years, age + 1 fields
        QTest::addColumn<QString>("coches");
        QTest::addColumn<bool>("valider");
        QTest::addColumn<QStringList>("liste");
        QTest::newRow("28, un champ") << 0 << "P1" << true << QStringList{"Droit International"};
        QTest::newRow("33, professionnels d'abord")
            << 5 << "G11 G0 P0" << true << QStringList{"Economie/Affaires", "Cricket", "Wargames"};
        QTest::newRow("Droit général et professionnel") << 1 << "G6 P2" << true << QStringList{"Droit", "Droit"};
        QTest::newRow("rien coché") << 2 << "" << true << QStringList{"(aucun)"};
        QTest::newRow("fermé par le cadre") << 3 << "P0 G3" << false << QStringList{"(aucun)"};
    }

    void ageOuvreLeDialogue() {
        QFETCH(int, age);
        QFETCH(QString, coches);
        QFETCH(bool, valider);
        QFETCH(QStringList, liste);
        Feuille s;
        QString titre, annonce, annonceApres, resteAvant, resteApres;
        QStringList professionnels;
        bool modal = false;
        SurveillanceModale garde([&](QWidget* w) {
            auto* d = dynamic_cast<FrmChpExpérienceVorn*>(w);
            if (!d) return;
            titre = d->windowTitle();
            modal = d->isModal();
            annonce = d->LblNbChoixExp->text();
            resteAvant = d->TxtExp->text();
            for (QCheckBox* c : d->ChkExpProf) {
                if (c->isVisible()) professionnels << c->text();
            }
            cocher(d, coches);
            resteApres = d->TxtExp->text();
            annonceApres = d->LblNbChoixExp->text();
            if (valider) {
                d->BtnOkExpérience->click();
            } else {
                d->close();
            }
        });
        choisir(s.f->CmbAge, age);
        QCOMPARE(garde.ouvertes, 1);
        QCOMPARE(garde.forcees, 0);
        const int n = age + 1;
        QCOMPARE(titre, QStringLiteral("Champs d'Expérience - Vorn"));
        QVERIFY(modal);
        QCOMPARE(annonce, QStringLiteral("Vous pouvez choisir %1 Champs d'Expérience.").arg(n));
        QCOMPARE(annonceApres, annonce);
        QCOMPARE(resteAvant, QString::number(n));
        QCOMPARE(professionnels,
                 (QStringList{"Economie/Affaires", "Droit International", "Droit", "Science politique"}));
        QCOMPARE(resteApres, QString::number(n - coches.split(QLatin1Char(' '), Qt::SkipEmptyParts).size()));
        // Shown at once, without waiting for the event loop.
        QCOMPARE(lignes(s.f->LstChpExpérience), liste);
        QCOMPARE(s.f->CmbAge->currentText(), QString::number(28 + age));
        QCOMPARE(s.points(), QString::number(3000 + 20 * n));
        QCOMPARE(s.f->TxtPtCélébrité->text(), QStringLiteral("%1 (+0)").arg(6 * n));
        QVERIFY(s.p.messages.vus.empty());
    }

    void champsEnTropPuisRouverture() {
        Feuille s;
        QStringList restes; // TxtExp after each tick, then at the second opening
        bool refuseeDecochee = false, toutDecoche = true;
        SurveillanceModale garde([&](QWidget* w) {
            auto* d = dynamic_cast<FrmChpExpérienceVorn*>(w);
            if (!d) return;
            if (garde.ouvertes == 2) {
                for (auto* c : d->ChkExpProf) toutDecoche = toutDecoche && !c->isChecked();
                for (auto* c : d->ChkExpGen) toutDecoche = toutDecoche && !c->isChecked();
                restes << d->TxtExp->text();
                cocher(d, QStringLiteral("G4"));
            } else {
                for (const char* c : {"G0", "G1", "G0", "G2"}) { // tick, refused tick, untick, tick
                    cocher(d, QString::fromLatin1(c));
                    restes << d->TxtExp->text();
                    if (restes.size() == 2) refuseeDecochee = !d->ChkExpGen[1]->isChecked();
                }
            }
            d->BtnOkExpérience->click();
        });
        choisir(s.f->CmbAge, 0); // one field
        QCOMPARE(s.p.messages.journal(), QStringList{boite("Erreur - Champs d'Expérience",
                                                           "Vous n'avez plus de Champs d'Expérience à choisir!")});
        QVERIFY(refuseeDecochee);
        QCOMPARE(lignes(s.f->LstChpExpérience), QStringList{QStringLiteral("Football")});
        QCOMPARE(int(s.p.module.NbChpExp), 0);

        choisir(s.f->CmbAge, 3); // four fields, none ticked again
        QCOMPARE(garde.ouvertes, 2);
        QVERIFY(toutDecoche);
        QCOMPARE(restes, (QStringList{"0", "0", "1", "0", "4"}));
        QCOMPARE(lignes(s.f->LstChpExpérience), QStringList{QStringLiteral("Hockey")});
    }

    void ageRefuse() {
        Feuille s;
        {
            SurveillanceModale garde([](QWidget* w) { w->close(); });
            choisir(s.f->CmbAge, 5);
            QCOMPARE(garde.ouvertes, 1);
        }
        choisirValeurs({{s.f->CmbFOR, "15"}, {s.f->CmbDEX, "15"}, {s.f->CmbVOL, "9"}});
        QCOMPARE(s.points(), QStringLiteral("20"));
        QCOMPARE(s.f->TxtPtCélébrité->text(), QStringLiteral("36 (+0)"));

        SurveillanceModale garde([](QWidget* w) { w->close(); });
        choisir(s.f->CmbAge, 0); // 28 gives 100 points fewer than 33
        QCOMPARE(garde.ouvertes, 0);
        QCOMPARE(s.p.messages.journal(), QStringList{pasAssez("Erreur - Age")});
        QCOMPARE(s.f->CmbAge->currentText(), QStringLiteral("33"));
        QCOMPARE(s.points(), QStringLiteral("20"));
        QCOMPARE(s.f->TxtPtCélébrité->text(), QStringLiteral("36 (+0)"));
        QCOMPARE(int(s.p.module.NbChpExp), 6);
        QCOMPARE(int(s.p.module.GainAge), 120);

        // The refusal leaves nothing behind: the next accepted age opens the dialog.
        choisir(s.f->CmbAge, 5);
        QCOMPARE(garde.ouvertes, 1);
        QCOMPARE(s.p.messages.vus.size(), std::size_t{1});
    }

    void prendreEtRendre() {
        Feuille s;
        FrmPrincipaleVorn* f = s.f;
        f->ChkComp[3]->click();
        QCOMPARE(ligne(f, 3), QStringLiteral("[x] blanc 1/5/6 actif"));
        QCOMPARE(s.points(), QStringLiteral("2900"));
        for (int i = 0; i < 3; ++i) f->UpDownNivs[3]->boutonHaut()->click();
        QCOMPARE(ligne(f, 3), QStringLiteral("[x] blanc 4/5/9 actif"));
        QCOMPARE(s.points(), QStringLiteral("2840"));
        f->ChkComp[3]->click(); // released at level 4: 100 + 60 back
        QCOMPARE(ligne(f, 3), QStringLiteral("[ ] gris 0/5/5 inactif"));
        QCOMPARE(s.points(), QStringLiteral("3000"));
        // Taken again, the arrows start from the new level 1, not from 4.
        f->ChkComp[3]->click();
        f->UpDownNivs[3]->boutonHaut()->click();
        QCOMPARE(ligne(f, 3), QStringLiteral("[x] blanc 2/5/7 actif"));
        QCOMPARE(s.points(), QStringLiteral("2880"));
        QVERIFY(s.p.messages.vus.empty());
    }

    void priseRefusee() {
        Feuille s;
        FrmPrincipaleVorn* f = s.f;
        choisirValeurs({{f->CmbFOR, "15"}, {f->CmbDEX, "15"}, {f->CmbVOL, "7"}});
        f->ChkComp[0]->click(); // exactly 100 left: accepted
        QCOMPARE(s.points(), QStringLiteral("0"));
        QStringList pendant;
        s.p.messages.pendant = [&](const MessagerieScriptee::Message&) { pendant << s.points(); };

        f->ChkComp[3]->click();
        QCOMPARE(s.p.messages.journal(), QStringList{pasAssez("Erreur - Compétences")});
        QCOMPARE(pendant, QStringList{QStringLiteral("0")});
        QCOMPARE(ligne(f, 3), QStringLiteral("[ ] gris 0/10/10 inactif"));
        QCOMPARE(ligne(f, 0), QStringLiteral("[x] blanc 1/15/16 actif"));
        QCOMPARE(s.points(), QStringLiteral("0"));
        QCOMPARE(int(s.p.module.CoutCompetences), 100);
    }

    void niveauxParLaFleche() {
        Feuille s;
        FrmPrincipaleVorn* f = s.f;
        f->ChkComp[3]->click();
        UpDownNiv* spin = f->UpDownNivs[3];
        spin->setFocus();
        // H, B: the arrow buttons; h, b: the Up and Down keys.
        const auto agir = [spin](QChar g) {
            if (g == QLatin1Char('H')) {
                spin->boutonHaut()->click();
            } else if (g == QLatin1Char('B')) {
                spin->boutonBas()->click();
            } else {
                QTest::keyClick(spin, g == QLatin1Char('h') ? Qt::Key_Up : Qt::Key_Down);
            }
        };
        const auto etat = [&] {
            return QStringList{f->TxtNiveau[3]->text(), f->TxtCB[3]->text(), s.points()}.join(QLatin1Char('/'));
        };
        QStringList vu;
        for (const QChar g : QStringLiteral("HHBbbBh")) {
            agir(g);
            vu << etat();
        }
        QCOMPARE(vu, (QStringList{"2/7/2880", "3/8/2860", "2/7/2880", "1/6/2900", "1/6/2900", "1/6/2900", "2/7/2880"}));
        for (const QChar g : QStringLiteral("hHhHhHhHhHhHhHh")) agir(g); // two past the top
        QCOMPARE(etat(), QStringLiteral("15/20/2620"));
        QVERIFY(s.p.messages.vus.empty());
    }

    void hausseRefusee() {
        Feuille s;
        FrmPrincipaleVorn* f = s.f;
        choisirValeurs({{f->CmbFOR, "15"}, {f->CmbDEX, "15"}, {f->CmbVOL, "8"}});
        QCOMPARE(s.points(), QStringLiteral("0"));
        f->UpDownNivs[2]->boutonHaut()->click();
        QCOMPARE(s.p.messages.journal(), QStringList{pasAssez("Erreur - Niveau de Compétences")});
        QCOMPARE(f->TxtNiveau[2]->text(), QStringLiteral("1"));
        QCOMPARE(f->TxtCB[2]->text(), QStringLiteral("9"));
        QCOMPARE(f->TxtFormule[21]->text(), QStringLiteral("4"));
        QCOMPARE(f->TxtCB[21]->text(), QStringLiteral("4"));
        QCOMPARE(s.points(), QStringLiteral("0"));

        // With points back, the next raise starts from the restored level.
        choisirTexte(f->CmbVOL, QStringLiteral("7"));
        QCOMPARE(s.points(), QStringLiteral("100"));
        f->UpDownNivs[2]->boutonHaut()->click();
        QCOMPARE(f->TxtNiveau[2]->text(), QStringLiteral("2"));
        QCOMPARE(f->TxtCB[2]->text(), QStringLiteral("9"));
        QCOMPARE(s.points(), QStringLiteral("80"));
        QCOMPARE(s.p.messages.vus.size(), std::size_t{1});
    }

    void seductionSuitCharisme() {
        Feuille s;
        FrmPrincipaleVorn* f = s.f;
        f->ChkComp[21]->click();
        // Charisme level / Séduction base (VOL + that level) / 2 / Séduction CB, after each step.
        QStringList vu;
        const auto noter = [&] {
            const QStringList etat{f->TxtNiveau[2]->text(), f->TxtFormule[21]->text(), f->TxtCB[21]->text()};
            vu << etat.join(QLatin1Char('/'));
        };
        noter();
        f->UpDownNivs[2]->boutonHaut()->click();
        noter();
        f->UpDownNivs[2]->boutonHaut()->click();
        noter();
        choisirTexte(f->CmbVOL, QStringLiteral("7"));
        noter();
        f->UpDownNivs[2]->boutonBas()->click();
        noter();
        QCOMPARE(vu, (QStringList{"1/3/4", "2/3/4", "3/4/5", "3/5/6", "2/4/5"}));
        QCOMPARE(s.points(), QString::number(3000 - 100 - 20 - 200));
        QVERIFY(s.p.messages.vus.empty());
    }
};

QTEST_MAIN(TestFeuille)
#include "tst_feuille.moc"
