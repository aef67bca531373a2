#pragma once

#include "ApplicationVorn.h"
#include "Choix.h"
#include "ModuleVorn.h"

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>
#include <memory>
#include <vector>

class QComboBox;
class QLineEdit;

// Answers message boxes from a script and records every one shown.
class MessagerieScriptee final : public Messagerie {
public:
    struct Message {
        QString texte, titre;
        int code;
    };
    std::int16_t Afficher(QWidget* parent, const QString& texte, const QString& titre, int code) override;

    void repondre(std::int16_t reponse) { reponses.push_back(reponse); }
    // Runs while the box would be open (to check what the screen shows then).
    std::function<void(const Message&)> pendant;

    std::deque<std::int16_t> reponses;  // for code 292; OK boxes need none
    std::vector<Message> vus;

    // Every box shown, in order, as boite() writes it.
    QStringList journal() const;
};

// A box as the journal shows it: "title | text | code".
QString boite(const QString& titre, const QString& texte, int code = Messagerie::Exclamation);

// Dice that give scripted rolls, then the largest face.
class DesScriptes final : public Des {
public:
    std::int16_t Lancer(std::int16_t faces) override;
    std::deque<std::int16_t> jets;
};

// The whole program on the offscreen platform, with scripted answers.
struct ProgrammeTest {
    ModuleVorn module;
    MessagerieScriptee messages;
    DesScriptes des;
    int fins = 0;
    std::unique_ptr<ApplicationVorn> app;

    ProgrammeTest();
    // Welcome screen filled and continued: the choice screen is open.
    void allerAuChoix(const QString& joueur = QStringLiteral("JOUEUR"));
    // Then the character sheet, with optional rank (0..2) and sex.
    void allerALaFeuille(const QString& perso = QStringLiteral("AGENT"), int rang = 2, int sexe = 0);
    // The top-level screens now visible, by object name.
    QStringList visibles() const;
};

// A modal window (dialog, real message box) blocks the test inside its
// exec(): while this object lives, `action` runs once on each modal window
// that opens. A window still open two seconds later is closed here, so that
// a fault fails the test instead of hanging it.
class SurveillanceModale {
public:
    explicit SurveillanceModale(std::function<void(QWidget*)> action);

    int ouvertes = 0;  // modal windows seen
    int forcees = 0;   // of which left open by the action and closed here

private:
    std::function<void(QWidget*)> action_;
    QTimer minuterie_;
    QPointer<QWidget> courante_;
    int attente_ = 0;
};

// Types text one key event a character, as the keyboard would.
void taper(QWidget* w, const QString& texte);
// Picks an entry of a drop-down list as a user would.
void choisir(QComboBox* c, int index);
// Lets deferred deletions run.
void traiterEvenements();
