#include "FeuilleVorn.h"

#include "ChampsExperience.h"
#include "Texte.h"

#include <algorithm>

namespace {
std::int16_t i16(int v) { return static_cast<std::int16_t>(v); }

template <std::size_t N>
std::vector<std::string> enVecteur(const std::array<std::string_view, N>& entrees) {
    return {entrees.begin(), entrees.end()};
}

Action acceptee() { return {Action::Genre::Acceptee, {}, false}; }
Action refusee(std::string_view titre) { return {Action::Genre::Refusee, titre, false}; }
} // namespace

std::string ListeDeroulante::texte() const {
    if (index < 0 || index >= static_cast<int>(entrees.size())) return {};
    return entrees[static_cast<std::size_t>(index)];
}

void ListeDeroulante::selectionnerTexte(std::string_view t) {
    const auto it = std::find(entrees.begin(), entrees.end(), t);
    index = it == entrees.end() ? std::int16_t{-1} : i16(static_cast<int>(it - entrees.begin()));
}

std::string_view TitreRefus(Description d) { return TitresDescription[static_cast<std::size_t>(d)]; }

FeuilleVorn::FeuilleVorn(ModuleVorn& module) : m(module) {
    for (auto& l : caract) l.entrees = enVecteur(ValeursCaract);
    liste(Description::Apparence).entrees = enVecteur(EntreesApparence);
    liste(Description::Age).entrees = enVecteur(EntreesAge);
    liste(Description::Faiblesse).entrees = enVecteur(EntreesFaiblesse);
    lignes[LigneCharisme].valeur = 2;
    lignes[LigneConduite].valeur = 2;
}

void FeuilleVorn::afficherPoints() { TxtPtGénération = NombreEnTexte(m.PtRestants); }

void FeuilleVorn::majCB(int ligne) {
    auto& l = lignes[static_cast<std::size_t>(ligne)];
    l.cb = i16(l.niveau + l.base);
}

void FeuilleVorn::Charger() {
    CalculCélébrité();
    TxtNomJoueur = m.NomJoueur;
    TxtNomPerso = m.NomPerso;
    TxtRang = m.Rang;

    m.ValFOR = m.ValDEX = m.ValVOL = m.ValPER = m.ValINT = 5;
    for (const Caract x : ToutesCaract) {
        liste(x).selectionnerTexte(NombreEnTexte(ValDe(m, x)));
        acheterCaract(x, false);
    }
    for (const Description d : {Description::Apparence, Description::Faiblesse}) {
        liste(d).index = 0;
        acheterDescription(d, false);
    }
    for (m.Indice = 0; m.Indice < NbLignesCompetences; ++m.Indice) {
        lignes[static_cast<std::size_t>(m.Indice)].niveau = 0;
        majCB(m.Indice);
    }
    for (const int libre : {LigneCharisme, LigneConduite}) {
        lignes[static_cast<std::size_t>(libre)].niveau = 1;
        majCB(libre);
    }
    CalculFormules();

    TxtSexe = TexteSexe(m.Sexe);
    for (const auto& [d, entrees] : {std::pair{Description::Taille, &EntreesTaille(m.Sexe)},
                                     std::pair{Description::Poids, &EntreesPoids(m.Sexe)}}) {
        liste(d).entrees.assign(entrees->begin(), entrees->end());
    }
    for (const Description d : {Description::Taille, Description::Poids}) {
        liste(d).index = 0;
        acheterDescription(d, false);
    }
    TxtProfession = TexteProfession(m.Profession);
    LstCicatrices = {m.Cicatrice1, m.Cicatrice2, m.Cicatrice3};

    CalculPoints();
    afficherPoints();
    chargee = true;
    // The sheet becomes active right after its load.
    ReconstruireChampsExpérience();
}

// --- Characteristics -----------------------------------------------------

Action FeuilleVorn::ChoisirCaract(Caract x, std::int16_t index) {
    liste(x).index = index;
    return acheterCaract(x, false);
}

Action FeuilleVorn::acheterCaract(Caract x, bool restauration) {
    if (const auto cv = CoutDeValeur(liste(x).texte())) {
        CoutDe(m, x) = cv->cout;
        ValDe(m, x) = cv->valeur;
    }
    CalculCoutCaract();

    Action resultat;
    // Putting back the booked value needs no check: it is what the last
    // recount paid for, and checking it could refuse it again without end.
    if (restauration || m.PtRestants + AncCoutDe(m, x) - CoutDe(m, x) >= 0) {
        CalculPoints();
        afficherPoints();
        resultat = acceptee();
    } else {
        resultat = refusee(TitreCaracteristiques);
        liste(x).selectionnerTexte(TexteDe(m, x));
        acheterCaract(x, true);
    }
    AfficherDerivees(x);
    CalculFormules();
    return resultat;
}

void FeuilleVorn::CalculCoutCaract() { m.CoutCaract = i16(m.CoutFOR + m.CoutDEX + m.CoutVOL + m.CoutPER + m.CoutINT); }

void FeuilleVorn::AfficherDerivees(Caract x) {
    auto ecrire = [](std::string& champ, std::optional<std::string_view> valeur) {
        if (valeur) champ = *valeur;
    };
    switch (x) {
    case Caract::FOR:
        ecrire(TxtClasse, ClasseDegats(m.ValFOR));
        ecrire(TxtCharge, ChargeTransportee(m.ValFOR));
        break;
    case Caract::DEX:
    case Caract::PER:
        m.IndiceVitesse = i16(m.ValDEX + m.ValPER);
        ecrire(TxtVitesse, Vitesse(m.IndiceVitesse));
        break;
    case Caract::VOL:
        ecrire(TxtEndurance, Endurance(m.ValVOL));
        ecrire(TxtCourse, CourseNage(m.ValVOL));
        break;
    case Caract::INT: break;
    }
}

void FeuilleVorn::CalculFormules() {
    const Valeurs v{m.ValFOR, m.ValDEX, m.ValVOL, m.ValPER, m.ValINT};
    for (m.Indice = 0; m.Indice < NbLignesCompetences; ++m.Indice) {
        lignes[static_cast<std::size_t>(m.Indice)].base = BaseCompetence(m.Indice, v, lignes[LigneCharisme].niveau);
    }
    for (m.Indice = 0; m.Indice < NbLignesCompetences; ++m.Indice) majCB(m.Indice);
}

// --- Physical description ------------------------------------------------

Action FeuilleVorn::ChoisirDescription(Description d, std::int16_t index) {
    liste(d).index = index;
    return acheterDescription(d, false);
}

void FeuilleVorn::appliquerDescription(Description d, bool restauration) {
    const ListeDeroulante& l = liste(d);
    // A list with no selection has nothing booked; putting it back must also
    // clear the refused entry's values, which a lookup alone would leave.
    const bool vide = restauration && l.index < 0;
    switch (d) {
    case Description::Apparence:
        if (const auto cb = TableApparence(l.texte())) {
            m.CoutApparence = cb->cout;
            m.BonusApparence = cb->bonus;
        } else if (vide) {
            m.CoutApparence = m.BonusApparence = 0;
        }
        break;
    case Description::Age:
        if (const auto a = TableAge(l.texte())) {
            m.GainAge = a->gain;
            m.BonusAge = a->bonus;
            m.NbChpExp = a->nbChpExp;
        } else if (vide) {
            m.GainAge = m.BonusAge = 0;
        }
        break;
    case Description::Faiblesse:
        if (const auto g = TableFaiblesse(l.index)) {
            m.GainFaiblesse = *g;
        } else if (vide) {
            m.GainFaiblesse = 0;
        }
        break;
    case Description::Taille:
        if (const auto cb = TableTaillePoids(l.index)) {
            m.CoutTaille = cb->cout;
            m.BonusTaille = cb->bonus;
        } else if (vide) {
            m.CoutTaille = m.BonusTaille = 0;
        }
        break;
    case Description::Poids:
        if (const auto cb = TableTaillePoids(l.index)) {
            m.CoutPoids = cb->cout;
            m.BonusPoids = cb->bonus;
        } else if (vide) {
            m.CoutPoids = m.BonusPoids = 0;
        }
        break;
    }
}

bool FeuilleVorn::verifierDescription(Description d) const {
    const int pt = m.PtRestants;
    switch (d) {
    case Description::Apparence: return pt + m.AncCoutApparence - m.CoutApparence >= 0;
    case Description::Age: return pt - m.AncGainAge + m.GainAge >= 0;
    case Description::Faiblesse: return pt - m.AncGainFaiblesse + m.GainFaiblesse >= 0;
    case Description::Taille: return pt + m.AncCoutTaille - m.CoutTaille >= 0;
    case Description::Poids: break;
    }
    return pt + m.AncCoutPoids - m.CoutPoids >= 0;
}

void FeuilleVorn::restaurerSelection(Description d) {
    switch (d) {
    case Description::Apparence: liste(d).selectionnerTexte(m.TexteApparence); break;
    case Description::Age: liste(d).selectionnerTexte(m.TexteAge); break;
    case Description::Faiblesse: liste(d).index = m.IdxFaiblesse; break;
    case Description::Taille: liste(d).index = m.IdxTaille; break;
    case Description::Poids: liste(d).index = m.IdxPoids; break;
    }
    auto& l = liste(d);
    if (l.index >= static_cast<int>(l.entrees.size())) l.index = -1;
}

Action FeuilleVorn::acheterDescription(Description d, bool restauration) {
    appliquerDescription(d, restauration);
    Action resultat;
    if (restauration || verifierDescription(d)) {
        CalculPoints();
        afficherPoints();
        resultat = acceptee();
    } else {
        resultat = refusee(TitreRefus(d));
        if (d == Description::Age) RestaurerAge = 1;
        restaurerSelection(d);
        acheterDescription(d, true);
        if (d == Description::Age) return resultat;
    }
    if (d != Description::Faiblesse) CalculCélébrité();
    if (d == Description::Age) {
        resultat.ouvrirChampsExp = RestaurerAge == 0;
        RestaurerAge = 0;
    }
    return resultat;
}

// --- Fame ----------------------------------------------------------------

void FeuilleVorn::CalculCélébrité() {
    m.PtCelebrite = Celebrite(m.BonusApparence, m.BonusTaille, m.BonusPoids, m.BonusAge, m.BonusSexe);
    TxtPtCélébrité = NombreEnTexte(m.PtCelebrite) + " (+" + NombreEnTexte(m.BonusCicatrices) + ")";
}

// --- Skills --------------------------------------------------------------

Action FeuilleVorn::PrendreCompetence(int i) {
    if (i < 0 || i >= NbLignesCompetences) return {};
    auto& l = lignes[static_cast<std::size_t>(i)];
    if (l.valeur != 0) return {};
    if (m.PtRestants - CoutPriseCompetence < 0) {
        // The box goes back to unticked: a not-taken row at level 0, costs as they were.
        l.niveau = 0;
        majCB(i);
        CalculPoints();
        afficherPoints();
        return refusee(TitreCompetences);
    }
    l.valeur = 1;
    m.CoutCompetences = i16(m.CoutCompetences + CoutPriseCompetence);
    l.niveau = NiveauMin;
    majCB(i);
    CalculPoints();
    afficherPoints();
    return acceptee();
}

Action FeuilleVorn::LibererCompetence(int i) {
    if (i < 0 || i >= NbLignesCompetences) return {};
    auto& l = lignes[static_cast<std::size_t>(i)];
    if (l.valeur != 1) return {}; // free skills cannot be released
    l.valeur = 0;
    m.CoutCompetences = i16(m.CoutCompetences - CoutPriseCompetence);
    l.niveau = 0;
    majCB(i);
    CalculPoints();
    afficherPoints();
    return acceptee();
}

void FeuilleVorn::majSeduction() {
    auto& s = lignes[LigneSeduction];
    s.base = BaseCompetence(LigneSeduction, {m.ValFOR, m.ValDEX, m.ValVOL, m.ValPER, m.ValINT},
                            lignes[LigneCharisme].niveau);
    majCB(LigneSeduction);
}

Action FeuilleVorn::MonterNiveau(int i) {
    if (i < 0 || i >= NbLignesCompetences) return {};
    auto& l = lignes[static_cast<std::size_t>(i)];
    // The spin control stops at its maximum and raises no event there.
    if (!l.active() || l.niveau >= NiveauMax) return {};
    ++l.niveau;
    majCB(i);
    CalculPoints();
    if (i == LigneCharisme) majSeduction();
    Action resultat = acceptee();
    if (m.PtRestants < 0) {
        resultat = refusee(TitreNiveau);
        --l.niveau;
        majCB(i);
        if (i == LigneCharisme) majSeduction();
    }
    CalculPoints();
    afficherPoints();
    return resultat;
}

Action FeuilleVorn::BaisserNiveau(int i) {
    if (i < 0 || i >= NbLignesCompetences) return {};
    auto& l = lignes[static_cast<std::size_t>(i)];
    if (!l.active() || l.niveau <= NiveauMin) return {};
    --l.niveau;
    majCB(i);
    if (i == LigneCharisme) majSeduction();
    CalculPoints();
    afficherPoints();
    return acceptee();
}

// --- Recount ---------------------------------------------------------------

void FeuilleVorn::CalculPoints() {
    m.CoutNiveaux = 0;
    m.NbCompetences = 0;
    for (m.Indice = 0; m.Indice < NbLignesCompetences; ++m.Indice) {
        if (lignes[static_cast<std::size_t>(m.Indice)].active()) ++m.NbCompetences;
    }
    for (m.Indice = 0; m.Indice < NbLignesCompetences; ++m.Indice) {
        m.CoutNiveaux = i16(m.CoutNiveaux + CoutNiveau * lignes[static_cast<std::size_t>(m.Indice)].niveau);
    }
    m.CoutNiveaux = i16(m.CoutNiveaux - CoutNiveau * m.NbCompetences);
    m.PtRestants =
        i16((m.PtGeneration + m.GainAge + m.GainFaiblesse) -
            (m.CoutCaract + m.CoutCompetences + m.CoutNiveaux + m.CoutApparence + m.CoutTaille + m.CoutPoids));

    m.AncCoutTaille = m.CoutTaille;
    m.AncCoutApparence = m.CoutApparence;
    m.AncCoutPoids = m.CoutPoids;
    m.AncGainAge = m.GainAge;
    m.AncGainFaiblesse = m.GainFaiblesse;

    m.TexteApparence = liste(Description::Apparence).texte();
    m.IdxTaille = liste(Description::Taille).index;
    m.IdxPoids = liste(Description::Poids).index;
    m.TexteAge = liste(Description::Age).texte();
    m.IdxFaiblesse = liste(Description::Faiblesse).index;
    for (const Caract x : ToutesCaract) AncCoutDe(m, x) = CoutDe(m, x);
    for (const Caract x : ToutesCaract) TexteDe(m, x) = liste(x).texte();
}

void FeuilleVorn::ReconstruireChampsExpérience() { LstChpExpérience = ListeChampsExperience(m); }
