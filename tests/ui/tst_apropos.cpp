#include "OutilsTest.h"

#include "FrmAProposVorn.h"
#include "FrmPrincipaleVorn.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWindow>

namespace {
struct Textes {
    QString titre, version, application;
    bool operator==(const Textes&) const = default;
};

Textes textesDe(const FrmAProposVorn* b) {
    return {b->windowTitle(), b->LblVersionAPropos->text(), b->LblTitreAPropos->text()};
}

const Textes Attendus{QStringLiteral("À propos - Vorn"), QStringLiteral("Version: 1.0.0"),
                      QStringLiteral("Application: ZazUvureVorn")};

// A real click on the check box, through the window system (where modality applies).
void cliquerVraiment(QWidget* fenetre, QWidget* cible) {
    const QPoint point = cible->mapTo(fenetre, QPoint(6, cible->height() / 2));
    QTest::mouseClick(fenetre->windowHandle(), Qt::LeftButton, {}, point);
}
} // namespace

class TestAPropos : public QObject {
    Q_OBJECT
private slots:
    void fermeture_data() {
        QTest::addColumn<QString>("geste");
        QTest::newRow("Entrée") << QStringLiteral("entree");
        QTest::newRow("Échap") << QStringLiteral("echap");
        QTest::newRow("OK") << QStringLiteral("ok");
        QTest::newRow("cadre") << QStringLiteral("cadre");
    }

    void fermeture() {
        QFETCH(QString, geste);
        FrmAProposVorn boite(nullptr);
        QVERIFY(textesDe(&boite) == Attendus);
        QVERIFY(boite.lblDescription->text().startsWith(QStringLiteral("Description du programme: Ce programme")));
        bool surOk = false;
        SurveillanceModale garde([&](QWidget* w) {
            if (w != &boite) return;
            surOk = w->focusWidget() == boite.BtnOkAPropos;
            if (geste == QLatin1String("entree")) {
                QTest::keyClick(w, Qt::Key_Return);
            } else if (geste == QLatin1String("echap")) {
                QTest::keyClick(w, Qt::Key_Escape);
            } else if (geste == QLatin1String("ok")) {
                boite.BtnOkAPropos->click();
            } else {
                w->close();
            }
        });
        boite.exec();
        QCOMPARE(garde.ouvertes, 1);
        QCOMPARE(garde.forcees, 0);
        QVERIFY(!boite.isVisible());
        QVERIFY(surOk);
    }

    void depuisLeMenu() {
        ProgrammeTest p;
        p.allerALaFeuille();
        FrmPrincipaleVorn* f = p.app->feuille();
        QList<Textes> vus;
        bool modale = false;
        bool feuilleIntacte = false;
        SurveillanceModale garde([&](QWidget* w) {
            auto* b = dynamic_cast<FrmAProposVorn*>(w);
            if (!b) return;
            vus << textesDe(b);
            modale = b->windowModality() == Qt::ApplicationModal;
            // The sheet takes no input while the box is open.
            cliquerVraiment(f, f->ChkComp[0]);
            feuilleIntacte = !f->ChkComp[0]->isChecked() && f->TxtPtGénération->text() == QLatin1String("3000");
            QTest::keyClick(b, vus.size() == 1 ? Qt::Key_Return : Qt::Key_Escape);
        });
        f->MnuAPropos->trigger();
        f->MnuAPropos->trigger();
        QCOMPARE(garde.ouvertes, 2);
        QCOMPARE(garde.forcees, 0);
        QCOMPARE(vus.size(), 2);
        QVERIFY(vus[0] == Attendus);
        QVERIFY(vus[1] == Attendus);
        QVERIFY(modale);
        QVERIFY(feuilleIntacte);
        // Closed without a question; the sheet is alone again and takes input.
        QVERIFY(p.messages.vus.empty());
        QCOMPARE(p.visibles(), QStringList{QStringLiteral("FrmPrincipaleVorn")});
        cliquerVraiment(f, f->ChkComp[0]);
        QVERIFY(f->ChkComp[0]->isChecked());
        QCOMPARE(f->TxtPtGénération->text(), QStringLiteral("2900"));
    }
};

QTEST_MAIN(TestAPropos)
#include "tst_apropos.moc"
