#pragma once

#include "ModuleVorn.h"

#include <cstdint>
#include <random>
#include <string>

// Dice behind an interface, so that the draws can be scripted.
class Des {
public:
    virtual ~Des() = default;
    // An integer from 1 to `faces`, each value equally likely.
    virtual std::int16_t Lancer(std::int16_t faces) = 0;
};

// One generator, seeded once from the clock; each roll drawn independently.
class DesAleatoires final : public Des {
public:
    DesAleatoires();
    explicit DesAleatoires(std::uint64_t graine);
    std::int16_t Lancer(std::int16_t faces) override;

private:
    std::mt19937_64 generateur_;
};

// Choice screen rules: an index outside its table changes nothing.
void ChoisirRang(ModuleVorn& m, int index);
void ChoisirSexe(ModuleVorn& m, int index);
void ChoisirProfession(ModuleVorn& m, int index);

// The load of the choice screen: the reset, then the default options.
void ChargerChoix(ModuleVorn& m);

// "&Continuer" once the name is known not to be empty: identity, sex bonus, scars.
void ValiderChoix(ModuleVorn& m, const std::string& nomPerso, Des& des);

// The scar draw, each procedure calling the next.
void TirageCicatrices(ModuleVorn& m, Des& des);
void TirageNbCicatrices(ModuleVorn& m, Des& des);
void TirageEmplacements(ModuleVorn& m, Des& des);
std::string_view EmplacementCicatrice(std::int16_t d100);
