#pragma once

#include "ApplicationVorn.h"
#include "Oracle.h"
#include "TexteQt.h"

#include <QtTest>
#include <QtWidgets>

#include <chrono>

using namespace Qt::StringLiterals;

// Answers message boxes from a script (No when none is left) and records every one shown.
struct MessagerieScriptee final : Messagerie {
    struct Message { QString texte, titre; int code; };
    std::int16_t Afficher(QWidget* parent, const QString& texte, const QString& titre, int code) override;
    void repondre(std::int16_t reponse) { reponses.push_back(reponse); }
    QStringList journal() const; // every box shown, in order, as boite() writes it
    std::deque<std::int16_t> reponses; // for code 292; OK boxes need none
    std::vector<Message> vus;
};

QString boite(const QString& titre, const QString& texte, int code = Messagerie::Exclamation); // "title | text | code"
QStringList ecransVisibles(); // the top-level screens now visible, by object name

// The whole program on the offscreen platform, with scripted answers.
struct ProgrammeTest {
    ModuleVorn module;
    MessagerieScriptee messages;
    DesScriptes des;
    int fins = 0; // times the program ended
    std::unique_ptr<ApplicationVorn> app = std::make_unique<ApplicationVorn>(module, messages, des, [this] { ++fins; });

    ProgrammeTest() { app->Demarrer(); }
    void allerAuChoix(const QString& joueur = u"JOUEUR"_s) { // welcome screen filled and continued
        app->accueil()->TxtNomAccueil->setText(joueur);
        app->accueil()->BtnContinuerAccueil->click();
    }
    FrmPrincipaleVorn* allerALaFeuille(int rang = 2, int sexe = 0); // then the sheet of AGENT, rank 0..2
};

// Runs `action` on the modal window that the next call opens, from inside that window's event loop. Fails the test
// with a message when no modal window comes within `delai`, or when the one that came is still open `delai` after
// the action, which it then closes: the test goes on instead of waiting in that window's loop.
void auModal(const std::function<void(QWidget*)>& action,
             std::chrono::milliseconds delai = std::chrono::seconds(10));

void taper(QWidget* w, const QString& texte); // one key event a character, as the keyboard sends them
inline void traiterEvenements() { // lets deferred deletions run
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}
