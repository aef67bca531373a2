#pragma once

#include "ApplicationVorn.h"
#include "Oracle.h"
#include "TexteQt.h"

#include <QPrinter>
#include <QtTest>
#include <QtWidgets>

#include <chrono>

using namespace Qt::StringLiterals;

// Answers questions from a script (No when none is left) and records every box shown.
struct MessagerieScriptee final : Messagerie {
    struct Message {
        QString texte, titre;
        int code;
        QString informatif = {};
    };
    std::int16_t Afficher(QWidget* parent, const QString& texte, const QString& titre, int code,
                          const QString& informatif = {}) override;
    void repondre(std::int16_t reponse) { reponses.push_back(reponse); }
    QStringList journal() const; // every box shown, as boite() writes them
    std::deque<std::int16_t> reponses;
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

// Answers the print dialog from a script: each answer may set the printer up and says whether to print.
struct ImpressionScriptee final : DialogueImpression {
    using Reponse = std::function<bool(QPrinter& imprimante)>;
    bool Choisir(QWidget*, QPrinter& imprimante, const DessinPage&) override;
    void repondre(Reponse reponse) { reponses.push_back(std::move(reponse)); }
    std::deque<Reponse> reponses;
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
    void allerAuChoix() {
        app->accueil()->TxtNomAccueil->setText(u"JOUEUR"_s);
        app->accueil()->BtnContinuerAccueil->click();
    }
    FrmPrincipaleVorn* allerALaFeuille(int rang = 2, int sexe = 0, const QString& nom = u"AGENT"_s); // rank 0..2
};

// Runs `action` on the modal window the next call opens, from its event loop. Fails when none comes within `delai`,
// or when it is still open `delai` after the action, and then closes it so that the test goes on.
void auModal(const std::function<void(QWidget*)>& action, std::chrono::milliseconds delai = std::chrono::seconds(10));

void taper(QWidget* w, const QString& texte); // one key event a character
inline void traiterEvenements() {             // deferred deletions included
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}
