#pragma once

#include <array>
#include <string_view>

// Every refusal and question the program shows: titles and texts in one place.

inline constexpr std::string_view TitreNomJoueur = "Erreur - Nom du Joueur";
inline constexpr std::string_view MessageNomJoueur = "Vous devez impérativement rentrer le nom du joueur !";
inline constexpr std::string_view TitreNomPerso = "Erreur - Nom du Personnage";
inline constexpr std::string_view MessageNomPerso = "Vous devez impérativement rentrer le nom du Personnage !";

inline constexpr std::string_view MessagePointsInsuffisants = "Vous n'avez pas assez de Points de Génération!!!";
inline constexpr std::string_view TitreCaracteristiques = "Erreur - Caractéristiques";
// In the order of the sheet's description lists (Apparence, Age, Faiblesse, Taille, Poids).
inline constexpr std::array<std::string_view, 5> TitresDescription{
    "Erreur - Apparence", "Erreur - Age", "Erreur - Faiblesse", "Erreur - Taille", "Erreur - Poids"};
inline constexpr std::string_view TitreCompetences = "Erreur - Compétences";
inline constexpr std::string_view TitreNiveau = "Erreur - Niveau de Compétences";

inline constexpr std::string_view MessagePlusDeChamps = "Vous n'avez plus de Champs d'Expérience à choisir!";
inline constexpr std::string_view TitreChampsExp = "Erreur - Champs d'Expérience";

inline constexpr std::string_view TitreQuitter = "Quitter";
inline constexpr std::string_view QuestionQuitter = "Etes-vous sûr de vouloir quitter le programme ?";
inline constexpr std::string_view TitreNouveau = "Nouveau";
inline constexpr std::string_view QuestionNouveau = "Etes-vous sûr de vouloir créer un nouvel agent ?";
inline constexpr std::string_view TitreOuvrir = "Ouvrir";
inline constexpr std::string_view QuestionOuvrir = "Etes-vous sûr de vouloir ouvrir un autre agent ?";
// Under the quit, new-agent and open questions while the agent on the sheet is not the one last saved or opened.
inline constexpr std::string_view ModificationsNonEnregistrees =
    "Les modifications de l'agent n'ont pas été enregistrées.";

inline constexpr std::string_view TitreOuverture = "Erreur - Ouverture";
inline constexpr std::string_view TitreEnregistrement = "Erreur - Enregistrement";
