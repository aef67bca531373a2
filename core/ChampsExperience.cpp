#include "ChampsExperience.h"

#include "Tables.h"
#include "Texte.h"

ChampsExperienceVorn::ChampsExperienceVorn(ModuleVorn& module) : m(module) {
    LblNbChoixExp = "Vous pouvez choisir " + NombreEnTexte(m.NbChpExp) + " Champs d'Expérience.";
    TxtExp = NombreEnTexte(m.NbChpExp);
    for (m.Indice = 0; m.Indice < NbProf; ++m.Indice) m.ChpExpProf[static_cast<std::size_t>(m.Indice)].clear();
    for (m.Indice = 0; m.Indice < NbGen; ++m.Indice) m.ChpExpGen[static_cast<std::size_t>(m.Indice)].clear();

    legendesProf.fill("Check1");
    visibleProf.fill(true);
    if (const auto champs = ChampsProfessionnels(m.Profession)) {
        for (std::size_t i = 0; i < legendesProf.size(); ++i) {
            legendesProf[i] = (*champs)[i];
            visibleProf[i] = !(*champs)[i].empty();
        }
    }
}

bool& ChampsExperienceVorn::coche(bool professionnel, int index) {
    return professionnel ? cocheProf.at(static_cast<std::size_t>(index)) : cocheGen.at(static_cast<std::size_t>(index));
}

bool ChampsExperienceVorn::Cocher(bool professionnel, int index) {
    bool& c = coche(professionnel, index);
    if (c) return true;
    const bool accepte = m.NbChpExp - 1 >= 0;
    if (accepte) {
        c = true;
        --m.NbChpExp;
    }
    TxtExp = NombreEnTexte(m.NbChpExp);
    return accepte;
}

void ChampsExperienceVorn::Decocher(bool professionnel, int index) {
    bool& c = coche(professionnel, index);
    if (!c) return;
    c = false;
    ++m.NbChpExp;
    TxtExp = NombreEnTexte(m.NbChpExp);
}

void ChampsExperienceVorn::Valider() {
    for (m.Indice = 0; m.Indice < NbProf; ++m.Indice) {
        const auto i = static_cast<std::size_t>(m.Indice);
        if (cocheProf[i]) m.ChpExpProf[i] = legendesProf[i];
    }
    for (m.Indice = 0; m.Indice < NbGen; ++m.Indice) {
        const auto i = static_cast<std::size_t>(m.Indice);
        if (cocheGen[i]) m.ChpExpGen[i] = ChampsGeneraux[i];
    }
}

std::vector<std::string> ListeChampsExperience(ModuleVorn& m) {
    std::vector<std::string> liste;
    for (m.Indice = 0; m.Indice < ChampsExperienceVorn::NbProf; ++m.Indice) {
        const auto& champ = m.ChpExpProf[static_cast<std::size_t>(m.Indice)];
        if (!champ.empty()) liste.push_back(champ);
    }
    for (m.Indice = 0; m.Indice < ChampsExperienceVorn::NbGen; ++m.Indice) {
        const auto& champ = m.ChpExpGen[static_cast<std::size_t>(m.Indice)];
        if (!champ.empty()) liste.push_back(champ);
    }
    if (liste.empty()) liste.emplace_back("(aucun)");
    return liste;
}
