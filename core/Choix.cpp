#include "Choix.h"

#include "Tables.h"

#include <algorithm>
#include <chrono>

DesAleatoires::DesAleatoires()
    : generateur_(static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count())) {}

DesAleatoires::DesAleatoires(std::uint64_t graine) : generateur_(graine) {}

std::int16_t DesAleatoires::Lancer(std::int16_t faces) {
    std::uniform_int_distribution<int> de(1, std::max<int>(1, faces));
    return static_cast<std::int16_t>(de(generateur_));
}

void ChoisirRang(ModuleVorn& m, int index) {
    if (index < 0 || index >= static_cast<int>(Rangs.size())) return;
    const auto& rang = Rangs[static_cast<std::size_t>(index)];
    m.PtGeneration = rang.ptGeneration;
    m.Rang = rang.libelle;
}

void ChoisirSexe(ModuleVorn& m, int index) {
    if (index == 0 || index == 1) m.Sexe = static_cast<std::int16_t>(index);
}

void ChoisirProfession(ModuleVorn& m, int index) {
    if (index >= 0 && index < static_cast<int>(Professions.size())) {
        m.Profession = static_cast<std::int16_t>(index);
    }
}

void ChargerChoix(ModuleVorn& m) {
    m.Reinitialiser();
    ChoisirRang(m, 2);
    ChoisirSexe(m, 0);
    ChoisirProfession(m, 0);
}

void ValiderChoix(ModuleVorn& m, const std::string& nomPerso, Des& des) {
    m.NomPerso = nomPerso;
    m.BonusSexe = m.Sexe == 1 ? 40 : 0;
    TirageCicatrices(m, des);
}

void TirageCicatrices(ModuleVorn& m, Des& des) {
    m.DeBlessure = des.Lancer(100);
    switch (m.PtGeneration) {
    case 3000: m.Cicatrice1 = "(aucune)"; break;
    case 6000:
    case 9000: {
        const std::int16_t seuil = m.PtGeneration == 6000 ? 60 : 90;
        if (m.DeBlessure <= seuil) {
            TirageNbCicatrices(m, des);
        } else {
            m.Cicatrice1 = "(aucune)";
        }
        break;
    }
    default: break;
    }
}

void TirageNbCicatrices(ModuleVorn& m, Des& des) {
    m.DeCicatrices = des.Lancer(6);
    if (m.DeCicatrices <= 4) {
        m.NbCicatrices = 1;
    } else if (m.DeCicatrices == 5) {
        m.NbCicatrices = 2;
    } else {
        m.NbCicatrices = 3;
    }
    m.BonusCicatrices = static_cast<std::int16_t>(20 * m.NbCicatrices);
    TirageEmplacements(m, des);
}

std::string_view EmplacementCicatrice(std::int16_t d100) {
    struct Zone {
        std::int16_t jusqua;
        std::string_view nom;
    };
    static constexpr std::array<Zone, 8> zones{{{12, "Visage"},
                                                {23, "Cou"},
                                                {45, "Poitrine"},
                                                {66, "Dos"},
                                                {74, "Bras Gauche"},
                                                {85, "Bras Droit"},
                                                {93, "Jambe Gauche"},
                                                {100, "Jambe Droite"}}};
    if (d100 < 1) return {};
    for (const auto& z : zones) {
        if (d100 <= z.jusqua) return z.nom;
    }
    return {};
}

void TirageEmplacements(ModuleVorn& m, Des& des) {
    while (m.NumCicatrice < m.NbCicatrices) {
        m.DeBlessure = des.Lancer(100);
        m.Cicatrice = EmplacementCicatrice(m.DeBlessure);
        switch (m.NumCicatrice) {
        case 0: m.Cicatrice1 = m.Cicatrice; break;
        case 1: m.Cicatrice2 = m.Cicatrice; break;
        case 2: m.Cicatrice3 = m.Cicatrice; break;
        default: break;
        }
        ++m.NumCicatrice;
    }
}
