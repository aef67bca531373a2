#include "OutilsTest.h"

#include "FrmAccueilVorn.h"
#include "FrmChoixVorn.h"
#include "FrmPrincipaleVorn.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

std::int16_t MessagerieScriptee::Afficher(QWidget*, const QString& texte, const QString& titre, int code) {
    vus.push_back({texte, titre, code});
    if (pendant) pendant(vus.back());
    if (code != QuestionOuiNon) return Ok;
    if (reponses.empty()) return Non;
    const std::int16_t r = reponses.front();
    reponses.pop_front();
    return r;
}

QStringList MessagerieScriptee::journal() const {
    QStringList j;
    for (const Message& m : vus) j << boite(m.titre, m.texte, m.code);
    return j;
}

QString boite(const QString& titre, const QString& texte, int code) {
    return QStringLiteral("%1 | %2 | %3").arg(titre, texte).arg(code);
}

SurveillanceModale::SurveillanceModale(std::function<void(QWidget*)> action) : action_(std::move(action)) {
    minuterie_.setInterval(5);
    QObject::connect(&minuterie_, &QTimer::timeout, &minuterie_, [this] {
        QWidget* w = QApplication::activeModalWidget();
        if (!w) return;
        if (w != courante_) {
            courante_ = w;
            attente_ = 0;
            ++ouvertes;
            if (action_) action_(w);
            return;
        }
        if (++attente_ < 400) return;
        ++forcees;
        attente_ = 0;
        if (auto* d = qobject_cast<QDialog*>(w)) {
            d->reject();
        } else {
            w->close();
        }
    });
    minuterie_.start();
}

std::int16_t DesScriptes::Lancer(std::int16_t faces) {
    if (jets.empty()) return faces;
    const std::int16_t j = jets.front();
    jets.pop_front();
    return j;
}

ProgrammeTest::ProgrammeTest() {
    app = std::make_unique<ApplicationVorn>(module, messages, des, [this] { ++fins; });
    app->Demarrer();
}

void ProgrammeTest::allerAuChoix(const QString& joueur) {
    app->accueil()->TxtNomAccueil->setText(joueur);
    app->accueil()->BtnContinuerAccueil->click();
}

void ProgrammeTest::allerALaFeuille(const QString& perso, int rang, int sexe) {
    allerAuChoix();
    FrmChoixVorn* choix = app->choix();
    choix->TxtNomPerso->setText(perso);
    choix->OptRang[static_cast<std::size_t>(rang)]->click();
    choix->OptSexe[static_cast<std::size_t>(sexe)]->click();
    choix->BtnContinuerChoix->click();
    traiterEvenements();
}

QStringList ProgrammeTest::visibles() const {
    QStringList noms;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->objectName().startsWith(QStringLiteral("Frm"))) noms << w->objectName();
    }
    noms.sort();
    return noms;
}

void taper(QWidget* w, const QString& texte) {
    // One key event a character, a character being a code point as a keyboard sends it.
    for (const char32_t c : texte.toUcs4()) {
        const QString touche = QString::fromUcs4(&c, 1);
        QTest::sendKeyEvent(QTest::Press, w, Qt::Key_unknown, touche, Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, w, Qt::Key_unknown, touche, Qt::NoModifier);
    }
}

void choisir(QComboBox* c, int index) {
    c->setCurrentIndex(index);
    emit c->activated(index);
}

void traiterEvenements() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}
