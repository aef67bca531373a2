#include "OutilsTest.h"

#include "FrmAccueilVorn.h"

#include <QLineEdit>
#include <QTest>

class TestFlux : public QObject {
    Q_OBJECT
private slots:
    void demarreSurAccueil() {
        ProgrammeTest p;
        QCOMPARE(p.visibles(), QStringList{QStringLiteral("FrmAccueilVorn")});
    }
};

QTEST_MAIN(TestFlux)
#include "tst_flux.moc"
