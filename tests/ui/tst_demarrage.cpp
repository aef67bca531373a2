// The program's own entry, driven from inside its event loop: the welcome screen, the choice
// screen, the sheet, then the quit confirmation answered Yes in the real message box.
#include "ApplicationVorn.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace {
QStringList fautes;
bool confirme = false, feuilleVue = false;

void exiger(bool condition, const QString& faute) {
    if (!condition) fautes << faute;
}

QStringList visibles() {
    QStringList noms;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->objectName().startsWith(QStringLiteral("Frm"))) noms << w->objectName();
    }
    return noms;
}

// The only screen shown, which must be `nom`.
QWidget* seulEcran(const QString& nom) {
    exiger(visibles() == QStringList{nom}, QStringLiteral("écrans [%1] au lieu de %2").arg(visibles().join(' '), nom));
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->objectName() == nom) return w;
    }
    return nullptr;
}

// Types a name and presses "&Continuer"; the next step runs once the hand-over has settled.
void continuer(QWidget* ecran, const QString& champ, const QString& bouton, void (*suite)()) {
    if (!ecran) return QCoreApplication::exit(2);
    ecran->findChild<QLineEdit*>(champ)->setText(QStringLiteral("BOND"));
    ecran->findChild<QPushButton*>(bouton)->click();
    QTimer::singleShot(0, qApp, suite);
}

void quitterLaFeuille() {
    QWidget* feuille = seulEcran(QStringLiteral("FrmPrincipaleVorn"));
    if (!feuille) return QCoreApplication::exit(2);
    feuilleVue = true;
    auto* reponse = new QTimer(qApp);
    QObject::connect(reponse, &QTimer::timeout, qApp, [reponse] {
        auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!boite) return;
        reponse->stop();
        exiger(boite->windowTitle() == QStringLiteral("Quitter") &&
                   boite->text() == QStringLiteral("Etes-vous sûr de vouloir quitter le programme ?"),
               QStringLiteral("question: ") + boite->windowTitle() + QStringLiteral(" | ") + boite->text());
        confirme = true;
        boite->button(QMessageBox::Yes)->click();
    });
    reponse->start(10);
    feuille->close();
}

void remplirLeChoix() {
    continuer(seulEcran(QStringLiteral("FrmChoixVorn")), QStringLiteral("TxtNomPerso"),
              QStringLiteral("BtnContinuerChoix"), quitterLaFeuille);
}

void accueillir() {
    // A fault that leaves the program waiting fails instead of hanging.
    QTimer::singleShot(20'000, qApp, [] { fautes << QStringLiteral("délai dépassé"); QCoreApplication::exit(3); });
    // Set up before any screen: only the confirmation ends the program; French, icon and face.
    exiger(!QApplication::quitOnLastWindowClosed() && QLocale().language() == QLocale::French &&
               !QApplication::windowIcon().isNull() && QApplication::font().pointSizeF() == 7.5,
           QStringLiteral("application mal préparée"));
    continuer(seulEcran(QStringLiteral("FrmAccueilVorn")), QStringLiteral("TxtNomAccueil"),
              QStringLiteral("BtnContinuerAccueil"), remplirLeChoix);
}
} // namespace

int main(int argc, char** argv) {
    // Runs as the program creates its application object; the first step waits for the event loop.
    qAddPreRoutine([] { QMetaObject::invokeMethod(qApp, accueillir, Qt::QueuedConnection); });
    const int code = LancerVorn(argc, argv);
    exiger(code == 0 && feuilleVue && confirme, QStringLiteral("fin %1, feuille vue %2, confirmée %3")
                                                     .arg(code).arg(feuilleVue).arg(confirme));
    for (const QString& f : fautes) qWarning("%s", qPrintable(f));
    return fautes.isEmpty() ? 0 : 1;
}
