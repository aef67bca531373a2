// The program's own entry driven from its event loop: welcome, choice, sheet, then Yes in the real quit question.
#include "Programme.h"

namespace {
QStringList fautes;
bool confirme = false, feuilleVue = false;

void exiger(bool condition, const QString& faute) { fautes << QStringList(!condition, faute); }

// The only screen shown, which must be `nom`; the program stops at once when it is not.
QWidget* seulEcran(const QString& nom) {
    exiger(ecransVisibles() == QStringList{nom}, u"écrans [%1] au lieu de %2"_s.arg(ecransVisibles().join(' '), nom));
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->objectName() == nom) return w;
    QCoreApplication::exit(2);
    return nullptr;
}

// Types a name and presses "&Continuer"; the next step runs once the hand-over has settled.
void continuer(const QString& ecran, const QString& champ, const QString& bouton, void (*suite)()) {
    if (QWidget* e = seulEcran(ecran)) {
        e->findChild<QLineEdit*>(champ)->setText(u"BOND"_s);
        e->findChild<QPushButton*>(bouton)->click();
        QTimer::singleShot(0, qApp, suite);
    }
}

void quitterLaFeuille() {
    QWidget* feuille = seulEcran(u"FrmPrincipaleVorn"_s);
    if (!(feuilleVue = feuille)) return;
    auModal([](QWidget* w) {
        auto* boite = qobject_cast<QMessageBox*>(w);
        confirme = boite && boite->windowTitle() + u" | "_s + boite->text() ==
                                u"Quitter | Etes-vous sûr de vouloir quitter le programme ?"_s;
        if (boite) boite->button(QMessageBox::Yes)->click();
    });
    feuille->close();
}

void accueillir() {
    // A fault that leaves the program waiting fails instead of hanging.
    QTimer::singleShot(20'000, qApp, [] {
        fautes << u"délai dépassé"_s;
        QCoreApplication::exit(3);
    });
    // Set up before any screen: only the confirmation ends the program; French, icon and face.
    exiger(!QApplication::quitOnLastWindowClosed() && QLocale().language() == QLocale::French &&
               !QApplication::windowIcon().isNull() && QApplication::font().pointSizeF() == 7.5,
           u"application mal préparée"_s);
    continuer(u"FrmAccueilVorn"_s, u"TxtNomAccueil"_s, u"BtnContinuerAccueil"_s,
              [] { continuer(u"FrmChoixVorn"_s, u"TxtNomPerso"_s, u"BtnContinuerChoix"_s, quitterLaFeuille); });
}
} // namespace

int main(int argc, char** argv) {
    // Runs as the program creates its application object; the first step waits for the event loop.
    qAddPreRoutine([] { QMetaObject::invokeMethod(qApp, accueillir, Qt::QueuedConnection); });
    const int code = LancerVorn(argc, argv);
    exiger(code == 0 && feuilleVue && confirme,
           u"fin %1, feuille vue %2, question pour quitter %3"_s.arg(code).arg(feuilleVue).arg(confirme));
    for (const QString& f : fautes) qWarning("%s", qPrintable(f));
    return fautes.isEmpty() ? 0 : 1;
}
