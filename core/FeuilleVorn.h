#pragma once

#include "Messages.h"
#include "ModuleVorn.h"
#include "Tables.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A drop-down list of the sheet as the rules see it: its entries and selection.
struct ListeDeroulante {
    std::vector<std::string> entrees;
    std::int16_t index = -1; // -1: no selection

    std::string texte() const;
    // Selects the entry of that text; a text that is no entry leaves no selection.
    void selectionnerTexte(std::string_view texte);
};

enum class Description : std::uint8_t { Apparence, Age, Faiblesse, Taille, Poids };
inline constexpr std::array<Description, 5> ToutesDescriptions{
    Description::Apparence, Description::Age, Description::Faiblesse, Description::Taille, Description::Poids};

// One skill row: check box value (0 not taken, 1 taken, 2 free), level, base and CB.
struct LigneCompetence {
    std::int16_t valeur = 0;
    std::int16_t niveau = 0;
    std::int16_t base = 0;
    std::int16_t cb = 0;

    // Taken or free: window-coloured boxes and a live spin control.
    bool active() const { return valeur == 1 || valeur == 2; }
};

// What the screen must do after a user action.
struct Action {
    enum class Genre : std::uint8_t { SansEffet, Acceptee, Refusee };
    Genre genre = Genre::SansEffet;
    std::string_view titre;       // title of the refusal message
    bool ouvrirChampsExp = false; // an accepted age opens the fields-of-experience dialog

    bool refusee() const { return genre == Genre::Refusee; }
    bool acceptee() const { return genre == Genre::Acceptee; }
};

// The character sheet's state and every rule behind its controls. The form
// forwards each event to one operation here and redraws from these fields.
class FeuilleVorn {
public:
    explicit FeuilleVorn(ModuleVorn& module);

    ModuleVorn& m;

    std::array<ListeDeroulante, 5> caract;      // CmbFOR..CmbINT
    std::array<ListeDeroulante, 5> description; // CmbApparence, CmbAge, CmbFaiblesse, CmbTaille, CmbPoids
    std::array<LigneCompetence, NbLignesCompetences> lignes;

    // Texts of the display fields.
    std::string TxtNomJoueur, TxtNomPerso, TxtRang, TxtSexe, TxtProfession;
    std::string TxtPtGénération, TxtPtCélébrité;
    std::string TxtVitesse, TxtEndurance, TxtCourse, TxtCharge, TxtClasse;
    std::vector<std::string> LstCicatrices;
    std::vector<std::string> LstChpExpérience;

    // 1 only while a refused age is being put back.
    std::int16_t RestaurerAge = 0;
    // False until the load has filled the sheet (the boxes show nothing before).
    bool chargee = false;

    ListeDeroulante& liste(Caract x) { return caract[static_cast<std::size_t>(x)]; }
    ListeDeroulante& liste(Description d) { return description[static_cast<std::size_t>(d)]; }
    const ListeDeroulante& liste(Caract x) const { return caract[static_cast<std::size_t>(x)]; }
    const ListeDeroulante& liste(Description d) const { return description[static_cast<std::size_t>(d)]; }

    // The sheet's load: identity, starting choices charged, free skills, full budget.
    void Charger();

    // User actions.
    Action ChoisirCaract(Caract x, std::int16_t index);
    Action ChoisirDescription(Description d, std::int16_t index);
    Action PrendreCompetence(int ligne);
    Action LibererCompetence(int ligne);
    Action MonterNiveau(int ligne);
    Action BaisserNiveau(int ligne);

    // The sheet's procedures.
    void CalculPoints();
    void CalculCoutCaract();
    void AfficherDerivees(Caract x);
    void CalculFormules();
    void CalculCélébrité();
    void ReconstruireChampsExpérience(); // when the sheet becomes active again

private:
    Action acheterCaract(Caract x, bool restauration);
    Action acheterDescription(Description d, bool restauration);
    void appliquerDescription(Description d, bool restauration);
    bool verifierDescription(Description d) const;
    void restaurerSelection(Description d);
    void majSeduction();
    void majCB(int ligne);
    void afficherPoints();
};

std::string_view TitreRefus(Description d);
