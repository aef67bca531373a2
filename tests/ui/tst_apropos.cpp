#include "OutilsTest.h"

#include "FrmAProposVorn.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QWindow>

class TestAPropos : public QObject {
    Q_OBJECT
private slots:
    // Opened twice from the sheet's menu, closed by Enter then by Escape; the sheet takes no input meanwhile.
    void modaleSurLaFeuille() {
        ProgrammeTest p;
        FrmPrincipaleVorn* f = p.allerALaFeuille();
        // A real click on a check box, through the window system where modality applies.
        const auto cliquer = [f] {
            QTest::mouseClick(f->windowHandle(), Qt::LeftButton, {}, f->ChkComp[0]->mapTo(f, QPoint(6, 8)));
        };
        QStringList vus;
        SurveillanceModale garde([&](QWidget* w) {
            auto* b = dynamic_cast<FrmAProposVorn*>(w);
            if (!b) return;
            cliquer();
            vus << b->windowTitle() << b->LblVersionAPropos->text() << b->LblTitreAPropos->text()
                << QString::number(b->windowModality()) << f->TxtPtGénération->text();
            QTest::keyClick(b, vus.size() == 5 ? Qt::Key_Return : Qt::Key_Escape);
        });
        f->MnuAPropos->trigger();
        f->MnuAPropos->trigger();
        QCOMPARE(garde.ouvertes, 2);
        QCOMPARE(garde.forcees, 0);
        const QStringList unVu{"À propos - Vorn", "Version: 1.0.0", "Application: ZazUvureVorn",
                               QString::number(Qt::ApplicationModal), "3000"};
        QCOMPARE(vus, unVu + unVu);
        // Closed without a question, the box leaves the sheet alone and taking input again.
        QVERIFY(p.messages.vus.empty());
        QCOMPARE(p.visibles(), QStringList{"FrmPrincipaleVorn"});
        cliquer();
        QCOMPARE(f->TxtPtGénération->text(), QStringLiteral("2900"));
    }
};

QTEST_MAIN(TestAPropos)
#include "tst_apropos.moc"
