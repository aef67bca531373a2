#pragma once

#include "ApplicationVorn.h"
#include "Choix.h"
#include "ModuleVorn.h"

#include <QString>
#include <QStringList>
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
};

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

// Types text one key event a character, as the keyboard would.
void taper(QWidget* w, const QString& texte);
// Picks an entry of a drop-down list as a user would.
void choisir(QComboBox* c, int index);
// Lets deferred deletions run.
void traiterEvenements();
