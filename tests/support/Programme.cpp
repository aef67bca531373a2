#include "Programme.h"

namespace {
template <typename T>
T prochaine(std::deque<T>& reponses, T parDefaut = {}) {
    if (reponses.empty()) return parDefaut;
    T r = std::move(reponses.front());
    reponses.pop_front();
    return r;
}
} // namespace

std::int16_t MessagerieScriptee::Afficher(QWidget*, const QString& texte, const QString& titre, int code,
                                          const QString& informatif) {
    vus.push_back({texte, titre, code, informatif});
    return code == QuestionOuiNon ? prochaine(reponses, std::int16_t{Non}) : std::int16_t{Ok};
}

QString FichiersScriptes::Enregistrer(QWidget*, const QString& titre, const QString& propose, const QString& filtres) {
    demandes << u"%1 | %2 | %3"_s.arg(titre, propose, filtres);
    return prochaine(reponses);
}

QString FichiersScriptes::Ouvrir(QWidget*, const QString& titre, const QString& filtres) {
    demandes << u"%1 | %2"_s.arg(titre, filtres);
    return prochaine(reponses);
}

bool ImpressionScriptee::Choisir(QWidget*, QPrinter& imprimante, const DessinPage&) {
    const Reponse r = prochaine(reponses);
    return r && r(imprimante);
}

QStringList MessagerieScriptee::journal() const {
    QStringList j;
    for (const Message& m : vus) j << boite(m.titre, m.texte, m.code);
    return j;
}

QString boite(const QString& titre, const QString& texte, int code) {
    return u"%1 | %2 | %3"_s.arg(titre, texte).arg(code);
}

void auModal(const std::function<void(QWidget*)>& action, std::chrono::milliseconds delai) {
    auto* guet = new QTimer(qApp);
    auto horloge = std::make_shared<QElapsedTimer>();
    horloge->start();
    QObject::connect(guet, &QTimer::timeout, qApp, [guet, horloge, action, delai] {
        QWidget* w = QApplication::activeModalWidget();
        if (!w && !horloge->hasExpired(delai.count())) return;
        guet->stop();
        guet->deleteLater();
        if (!w) {
            QTest::qFail("no modal window came", __FILE__, __LINE__);
            return;
        }
        action(w);
        QTimer::singleShot(delai, qApp, [boite = QPointer<QWidget>(w)] {
            if (!boite || !boite->isVisible()) return;
            const QString message = u"%1 still open after the test's action"_s.arg(boite->objectName());
            QTest::qFail(qPrintable(message), __FILE__, __LINE__);
            if (auto* d = qobject_cast<QDialog*>(boite)) d->reject();
        });
    });
    guet->start(5);
}

FrmPrincipaleVorn* ProgrammeTest::allerALaFeuille(int rang, int sexe, const QString& nom) {
    if (!app->choix()) allerAuChoix();
    FrmChoixVorn* choix = app->choix();
    choix->TxtNomPerso->setText(nom);
    choix->OptRang[static_cast<std::size_t>(rang)]->click();
    choix->OptSexe[static_cast<std::size_t>(sexe)]->click();
    choix->BtnContinuerChoix->click();
    traiterEvenements();
    return app->feuille();
}

QStringList ecransVisibles() {
    QStringList noms;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->objectName().startsWith(u"Frm"_s)) noms << w->objectName();
    }
    noms.sort();
    return noms;
}

void taper(QWidget* w, const QString& texte) {
    for (const char32_t c : texte.toUcs4()) {
        const QString touche = QString::fromUcs4(&c, 1);
        QTest::sendKeyEvent(QTest::Press, w, Qt::Key_unknown, touche, Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, w, Qt::Key_unknown, touche, Qt::NoModifier);
    }
}
