#pragma once

#include "ApplicationVorn.h"
#include "Oracle.h"
#include "TexteQt.h"

#include <QPrinter>
#include <QtTest>
#include <QtWidgets>

#include <chrono>

using namespace Qt::StringLiterals;

// Answers message boxes from a script (No when none is left) and records every one shown.
struct MessagerieScriptee final : Messagerie {
    struct Message { QString texte, titre; int code; QString informatif = {}; };
    std::int16_t Afficher(QWidget* parent, const QString& texte, const QString& titre, int code, const QString& informatif = {}) override;
    void repondre(std::int16_t reponse) { reponses.push_back(reponse); }
    QStringList journal() const; // every box shown, in order, as boite() writes it
    std::deque<std::int16_t> reponses; // for code 292; OK boxes need none
    std::vector<Message> vus;
};

// Answers the file chooser from a script (cancel when none is left) and records every request.
struct FichiersScriptes final : ChoixFichier {
    QString Enregistrer(QWidget*, const QString& titre, const QString& propose, const QString& filtres) override;
    QString Ouvrir(QWidget*, const QString& titre, const QString& filtres) override;
    void repondre(const QString& chemin) { reponses.push_back(chemin); }
    std::deque<QString> reponses;
    QStringList demandes; // "titre | proposé | filtres", "titre | filtres" for an opening
};

// Answers the print dialog from a script: each answer may set the printer up (a PDF file, say) and says
// whether to print; cancelled when none is left. Counts the dialogs opened.
struct ImpressionScriptee final : DialogueImpression {
    using Reponse = std::function<bool(QPrinter& imprimante)>;
    bool Choisir(QWidget*, QPrinter& imprimante, const DessinPage&) override;
    void repondre(Reponse reponse) { reponses.push_back(std::move(reponse)); }
    std::deque<Reponse> reponses;
    int ouvertures = 0;
};

QString boite(const QString& titre, const QString& texte, int code = Messagerie::Exclamation); // "title | text | code"
QStringList ecransVisibles(); // the top-level screens now visible, by object name

// The whole program on the offscreen platform, with scripted answers.
struct ProgrammeTest {
    ModuleVorn module;
    MessagerieScriptee messages;
    FichiersScriptes fichiers;
    ImpressionScriptee impression;
    DesScriptes des;
    int fins = 0; // times the program ended
    std::unique_ptr<ApplicationVorn> app =
        std::make_unique<ApplicationVorn>(module, messages, fichiers, impression, des, [this] { ++fins; });

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
