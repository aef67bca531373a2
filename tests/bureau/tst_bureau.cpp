// The screens on a real X server with a window manager (tests/bureau/bureau.sh):
// real frames, real placement, real input timing, the real fonts at a scale.
#include "ApplicationVorn.h"
#include "Choix.h"
#include "FrmAProposVorn.h"
#include "FrmChpExpérienceVorn.h"
#include "ModuleVorn.h"
#include "UpDownNiv.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {
// Counts the message boxes shown; answers each one with OK once `fermer` is set.
struct Boites : QObject {
    int vues = 0;
    bool fermer = false;
    QTimer minuterie;
    Boites() {
        qApp->installEventFilter(this);
        connect(&minuterie, &QTimer::timeout, this, [this] {
            auto* b = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (b && fermer) b->button(QMessageBox::Ok) ? b->button(QMessageBox::Ok)->click() : b->reject();
        });
        minuterie.start(20);
    }
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Show && qobject_cast<QMessageBox*>(o)) ++vues;
        return false;
    }
};

// Shown, framed and active, as after the window manager has placed it.
void actif(QWidget* w) {
    QTRY_VERIFY_WITH_TIMEOUT(w->windowHandle() && w->windowHandle()->isExposed(), 15000);
    QProcess::execute(QStringLiteral("xdotool"), {"windowactivate", "--sync", QString::number(w->winId())});
    QTRY_VERIFY_WITH_TIMEOUT(w->isActiveWindow(), 15000);
}

struct Programme {
    ModuleVorn module;
    MessagerieQt messagerie;
    DesAleatoires des;
    ApplicationVorn app{module, messagerie, des, [] {}};

    // Through the welcome and choice screens to the sheet of a "Recrue".
    FrmPrincipaleVorn* feuille(int profession = 0) {
        app.Demarrer();
        app.accueil()->TxtNomAccueil->setText(QStringLiteral("JOUEUR"));
        app.accueil()->BtnContinuerAccueil->click();
        app.choix()->TxtNomPerso->setText(QStringLiteral("AGENT"));
        app.choix()->OptRang[2]->click();
        app.choix()->OptProfession[static_cast<std::size_t>(profession)]->click();
        app.choix()->BtnContinuerChoix->click();
        actif(app.feuille());
        return app.feuille();
    }
};

// Presses the left button on a widget's centre for `ms` milliseconds with real X input.
void maintenir(QWidget* w, int ms, Boites& boites) {
    const qreal r = w->devicePixelRatioF();
    const QPoint p = w->mapToGlobal(w->rect().center()) * r;
    QProcess xdotool;
    // The box opens inside the hold, in an event loop of its own: the answer must come from there.
    QObject::connect(&xdotool, &QProcess::finished, &boites, [&boites] { boites.fermer = true; });
    xdotool.start(QStringLiteral("xdotool"), {"mousemove", QString::number(p.x()), QString::number(p.y()), "mousedown",
                                               "1", "sleep", QString::number(ms / 1000.0), "mouseup", "1"});
    QTRY_VERIFY_WITH_TIMEOUT(xdotool.state() == QProcess::NotRunning, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(!QApplication::activeModalWidget(), 10000);
    QTest::qWait(400); // a repeat that went on would show here
}

// The window's outer rectangle sits in the middle of the screen's free area (or at its top-left when too large).
void verifierCentre(QWidget* w) {
    actif(w);
    const QRect zone = w->screen()->availableGeometry();
    auto ecart = [&] {
        const QRect r = w->frameGeometry();
        const QPoint attendu(std::max(zone.x(), zone.center().x() - r.width() / 2),
                             std::max(zone.y(), zone.center().y() - r.height() / 2));
        return (r.topLeft() - attendu).manhattanLength();
    };
    // The frame comes after the first show; the window settles once it is known.
    QTRY_VERIFY2_WITH_TIMEOUT(w->frameGeometry() != w->geometry() && ecart() <= 2, qPrintable(QStringLiteral("%1 %2,%3 %4x%5 client %6,%7 zone %8x%9").arg(w->objectName()).arg(w->frameGeometry().x()).arg(w->frameGeometry().y()).arg(w->frameGeometry().width()).arg(w->frameGeometry().height()).arg(w->geometry().x()).arg(w->geometry().y()).arg(zone.width()).arg(zone.height())), 3000);
    qInfo("%s: %d,%d %dx%d", qPrintable(w->objectName()), w->frameGeometry().x(), w->frameGeometry().y(),
          w->frameGeometry().width(), w->frameGeometry().height());
}

QStringList ligne(FrmPrincipaleVorn* f, int i) {
    const auto u = static_cast<std::size_t>(i);
    return {f->TxtNiveau[u]->text(), f->TxtCB[u]->text(), f->TxtFormule[21]->text(), f->TxtPtGénération->text()};
}
} // namespace

class TestBureau : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { PreparerApplication(*qApp); }

    // Every screen is centred by its outer size, frame and menu bar included; the About box on the sheet.
    void centrage() {
        Programme q;
        q.app.Demarrer();
        verifierCentre(q.app.accueil());
        q.app.accueil()->TxtNomAccueil->setText(QStringLiteral("JOUEUR"));
        q.app.accueil()->BtnContinuerAccueil->click();
        verifierCentre(q.app.choix());
        q.app.choix()->hide();

        Programme p;
        FrmPrincipaleVorn* f = p.feuille();
        verifierCentre(f);
        QTimer::singleShot(0, f, [f] {
            auto* dialogue = QApplication::activeModalWidget();
            verifierCentre(dialogue);
            QTimer::singleShot(0, f, [f] {
                QWidget* apropos = QApplication::activeModalWidget();
                actif(apropos);
                QTRY_VERIFY2((apropos->frameGeometry().center() - f->frameGeometry().center()).manhattanLength() <= 2,
                             qPrintable(QStringLiteral("%1,%2 %3x%4 sur %5,%6").arg(apropos->frameGeometry().x()).arg(apropos->frameGeometry().y()).arg(apropos->frameGeometry().width()).arg(apropos->frameGeometry().height()).arg(f->frameGeometry().center().x()).arg(f->frameGeometry().center().y())));
                apropos->close();
            });
            f->MnuAPropos->trigger();
            dialogue->close();
        });
        f->CmbAge->setCurrentIndex(1);
        emit f->CmbAge->activated(1);
    }

    // A held arrow repeats while the raises are accepted; the first refusal shows one box and ends the repeat.
    void flecheMaintenue_data() {
        QTest::addColumn<int>("niveauxPayables");
        QTest::newRow("refusée d'emblée") << 0;
        QTest::newRow("trois acceptées") << 3;
    }
    void flecheMaintenue() {
        QFETCH(int, niveauxPayables);
        Programme p;
        FrmPrincipaleVorn* f = p.feuille();
        // Spend the budget until exactly the wanted raises of Charisme remain payable.
        const int seuil = FeuilleVorn::CoutNiveau * (niveauxPayables + 1);
        // Taken skills first, the free Conduite last: its raises spend what is too little for a take.
        for (const int i : {3, 4, 6, 7, 8, 9, 10, 11, 5}) {
            if (!EstCompetenceLibre(i)) f->feuille.PrendreCompetence(i);
            for (int k = 1; k < FeuilleVorn::NiveauMax && p.module.PtRestants >= seuil; ++k) f->feuille.MonterNiveau(i);
        }
        f->Afficher();
        const int points = p.module.PtRestants;
        const QStringList avant = ligne(f, 2);
        Boites boites;
        maintenir(f->UpDownNivs[2]->boutonHaut(), 1500, boites);
        QCOMPARE(boites.vues, 1);
        QCOMPARE(f->TxtNiveau[2]->text(), QString::number(1 + niveauxPayables));
        QCOMPARE(f->TxtPtGénération->text(), QString::number(points - FeuilleVorn::CoutNiveau * niveauxPayables));
        QVERIFY(!f->UpDownNivs[2]->boutonHaut()->isDown());
        if (niveauxPayables == 0) QCOMPARE(ligne(f, 2), avant);
    }
};

QTEST_MAIN(TestBureau)
#include "tst_bureau.moc"
