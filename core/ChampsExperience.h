#pragma once

#include "ModuleVorn.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The fields-of-experience dialog as the rules see it: captions, ticks and
// the counter's texts. Made anew at each opening.
class ChampsExperienceVorn {
public:
    static constexpr int NbProf = 7;
    static constexpr int NbGen = 12;

    // The dialog's load: texts from NbChpExp, both record arrays emptied,
    // professional captions from the profession.
    explicit ChampsExperienceVorn(ModuleVorn& module);

    ModuleVorn& m;
    std::string LblNbChoixExp;
    std::string TxtExp;
    std::array<std::string, NbProf> legendesProf;
    std::array<bool, NbProf> visibleProf{};
    std::array<bool, NbProf> cocheProf{};
    std::array<bool, NbGen> cocheGen{};

    // A tick stands while fields remain; false when refused (the box stays unticked).
    bool Cocher(bool professionnel, int index);
    void Decocher(bool professionnel, int index);
    // "&Ok": the ticked captions into the record, each at its box's index.
    void Valider();

private:
    bool& coche(bool professionnel, int index);
};

// The sheet's list of chosen fields: professional first, in box order;
// "(aucun)" when nothing is chosen.
std::vector<std::string> ListeChampsExperience(ModuleVorn& m);
