// The sheet's named borders: its exact load, refusals that leave every control
// as it was, the fields-of-experience dialog and the spin control's bounds.
#include "OutilsTest.h"

#include "FrmChpExpérienceVorn.h"
#include "UpDownNiv.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {
// Everything the sheet shows: texts and their background, selections, lists, ticks and live arrows.
QStringList ecran(const FrmPrincipaleVorn* f) {
    QStringList e = lignes(f->LstChpExpérience) + lignes(f->LstCicatrices);
    for (const QLineEdit* c : f->findChildren<QLineEdit*>()) {
        e << c->objectName() + u'=' + c->text() + u' ' + c->palette().color(QPalette::Disabled, QPalette::Base).name();
    }
    for (const QComboBox* c : f->findChildren<QComboBox*>()) e << c->objectName() + u'=' + c->currentText();
    for (std::size_t i = 0; i < 24; ++i) {
        e << u"%1 %2 %3"_s.arg(i).arg(f->ChkComp[i]->checkState()).arg(f->UpDownNivs[i]->isEnabled());
    }
    return e;
}
} // namespace

class TestFeuille : public QObject {
    Q_OBJECT
private slots:
    void chargement_data() {
        QTest::addColumn<int>("rang");
        QTest::addColumn<int>("sexe");
        QTest::addColumn<QStringList>("entete"); // rank, sex, points, fame, heights 1 and 9, weight 1
        QTest::newRow("homme recrue")
            << 2 << 0 << QStringList{"    Recrue", " Masculin", "3000", "0 (+0)", "1,55 - 1,60", "1,96 +", "55 - 61"};
        QTest::newRow("femme agent")
            << 1 << 1 << QStringList{"     Agent", " Féminin", "6000", "-40 (+0)", "1,45 - 1,50", "1,86 +", "43 - 47"};
    }

    void chargement() {
        QFETCH(int, rang);
        QFETCH(int, sexe);
        QFETCH(QStringList, entete);
        ProgrammeTest p;
        FrmPrincipaleVorn* f = p.allerALaFeuille(rang, sexe);
        QCOMPARE((QStringList{f->TxtNomJoueur->text(), f->TxtNomPerso->text(), f->TxtRang->text(), f->TxtSexe->text(),
                              f->TxtPtGénération->text(), f->TxtPtCélébrité->text(), f->CmbTaille->itemText(1),
                              f->CmbTaille->itemText(9), f->CmbPoids->itemText(1)}),
                 QStringList({"JOUEUR", "AGENT"}) + entete);
        QStringList listes; // selection/entries
        for (QComboBox* c : {f->CmbApparence, f->CmbFaiblesse, f->CmbTaille, f->CmbPoids, f->CmbAge, f->CmbFOR,
                             f->CmbDEX, f->CmbVOL, f->CmbPER, f->CmbINT}) {
            listes << u"%1/%2"_s.arg(c->currentText()).arg(c->count()) + (c->isEditable() ? u" éditable"_s : u""_s);
        }
        QCOMPARE(listes, (QStringList{"(aucune)/7", "(aucune)/13", "(aucune)/10", "(aucun)/10", "/6", "5/11", "5/11",
                                      "5/11", "5/11", "5/11"}));
        // Display fields and lists take no input.
        const auto champs = f->findChildren<QLineEdit*>();
        QCOMPARE(champs.size(), 12 + 3 * 24);
        QWidgetList affichages(champs.begin(), champs.end());
        for (QWidget* w : affichages << f->LstCicatrices << f->LstChpExpérience) {
            QVERIFY2(!w->isEnabled() && w->focusPolicy() == Qt::NoFocus, qPrintable(w->objectName()));
        }
        // A free skill cannot be released.
        const QStringList avant = ecran(f);
        f->ChkComp_Click(2, false);
        QCOMPARE(ecran(f), avant);
        QVERIFY(p.messages.vus.empty());
    }

    // Refusals show one message each, with its title, and leave every control as it was.
    void refus() {
        ProgrammeTest p;
        FrmPrincipaleVorn* f = p.allerALaFeuille();
        SurveillanceModale garde([](QWidget* w) { w->close(); });
        // 3000 + 120 (age 33) - 3 × 30 (descriptions) - 2 × 1350 (FOR, DEX 15) - 300 (VOL 8).
        const std::pair<QComboBox*, int> achats[]{{f->CmbAge, 5}, {f->CmbApparence, 6}, {f->CmbTaille, 9},
                                                  {f->CmbPoids, 1}, {f->CmbFOR, 10},    {f->CmbDEX, 10},
                                                  {f->CmbVOL, 3}};
        for (const auto& [c, i] : achats) choisir(c, i);
        QCOMPARE(f->TxtPtGénération->text(), u"30"_s);
        const QStringList avant = ecran(f);
        choisir(f->CmbPER, 1);  // 100 points
        f->ChkComp[3]->click(); // 100 points
        choisir(f->CmbAge, 0);  // 100 points fewer than 33
        const QString pasAssez = "Vous n'avez pas assez de Points de Génération!!!";
        QCOMPARE(p.messages.journal(), (QStringList{boite("Erreur - Caractéristiques", pasAssez),
                                                    boite("Erreur - Compétences", pasAssez),
                                                    boite("Erreur - Age", pasAssez)}));
        QCOMPARE(garde.ouvertes, 1); // the refused age opened no dialog
        QCOMPARE(ecran(f), avant);
    }

    void champsExperience_data() {
        QTest::addColumn<int>("age");       // index: 28 + age years, age + 1 fields
        QTest::addColumn<QString>("cases"); // "G11 P0": general box 11, then professional box 0
        QTest::addColumn<bool>("valider");
        QTest::addColumn<QStringList>("liste");
        QTest::newRow("33, professionnels d'abord")
            << 5 << "G11 G0 P0" << true << QStringList{"Economie/Affaires", "Cricket", "Wargames"};
        QTest::newRow("case de trop refusée") << 0 << "G0 G1" << true << QStringList{"Cricket"};
        QTest::newRow("fermé par le cadre") << 3 << "P0 G3" << false << QStringList{"(aucun)"};
    }

    // An accepted age opens the dialog; its choice is listed at once, without waiting for the event loop.
    void champsExperience() {
        QFETCH(int, age);
        QFETCH(QString, cases);
        QFETCH(bool, valider);
        QFETCH(QStringList, liste);
        ProgrammeTest p;
        FrmPrincipaleVorn* f = p.allerALaFeuille();
        const QStringList coches = cases.split(u' ');
        SurveillanceModale garde([&](QWidget* w) {
            auto* d = dynamic_cast<FrmChpExpérienceVorn*>(w);
            if (!d) return;
            for (const QString& c : coches) {
                const auto i = static_cast<std::size_t>(c.mid(1).toInt());
                (c[0] == u'P' ? d->ChkExpProf.at(i) : d->ChkExpGen.at(i))->click();
            }
            valider ? d->BtnOkExpérience->click() : void(d->close());
        });
        choisir(f->CmbAge, age);
        QCOMPARE(garde.ouvertes, 1);
        QCOMPARE(lignes(f->LstChpExpérience), liste);
        const QString plusDeChamps =
            boite("Erreur - Champs d'Expérience", "Vous n'avez plus de Champs d'Expérience à choisir!");
        QCOMPARE(p.messages.journal(), coches.size() > age + 1 ? QStringList{plusDeChamps} : QStringList{});
        QCOMPARE(f->TxtPtGénération->text(), QString::number(3000 + 20 * (age + 1)));
    }

    // Up and Down keys keep the level within 1..15 and raise no event past a bound.
    void bornesDuNiveau() {
        ProgrammeTest p;
        FrmPrincipaleVorn* f = p.allerALaFeuille();
        f->ChkComp[3]->click();
        UpDownNiv* s = f->UpDownNivs[3];
        int evenements = 0;
        for (auto signal : {&UpDownNiv::upClick, &UpDownNiv::downClick}) {
            QObject::connect(s, signal, s, [&evenements] { ++evenements; });
        }
        QTest::keyClick(s, Qt::Key_Down);
        QCOMPARE(evenements, 0);
        for (int k = 0; k < 16; ++k) QTest::keyClick(s, Qt::Key_Up);
        QCOMPARE(evenements, 14);
        QCOMPARE((QStringList{f->TxtNiveau[3]->text(), f->TxtCB[3]->text(), f->TxtPtGénération->text()}),
                 (QStringList{"15", "20", QString::number(3000 - 100 - 14 * 20)}));
        QVERIFY(p.messages.vus.empty());
    }
};

QTEST_MAIN(TestFeuille)
#include "tst_feuille.moc"
