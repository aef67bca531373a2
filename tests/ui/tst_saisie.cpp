// Names of any length and any script are taken and shown as given: only
// typed lower-case letters of the Windows-1252 set become capitals.
#include "OutilsTest.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class TestSaisie : public QObject {
    Q_OBJECT
private slots:
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

QTEST_MAIN(TestSaisie)
#include "tst_saisie.moc"
