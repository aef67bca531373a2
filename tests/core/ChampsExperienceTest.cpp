#include "ChampsExperience.h"
#include "Tables.h"

#include <gtest/gtest.h>

#include <array>

namespace {

TEST(ChampsExperience, BoitesProfessionnellesSelonLaProfession) {
    // Profession, offered fields (in the first boxes, the others hidden), first and last caption.
    using Cas = std::tuple<std::int16_t, std::size_t, std::string, std::string>;
    const std::array<Cas, 7> cas{
        {{0, 4, "Economie/Affaires", "Science politique"}, {1, 2, "Informatique", "Science politique"},
         {2, 3, "Génie mécanique", "Sciences militaires"}, {3, 6, "Criminologie", "Toxicologie"},
         {4, 4, "Criminologie", "Toxicologie"}, {5, 7, "Astronautique", "Médecine/Physiologie"},
         {6, 5, "Beaux-Arts", "Droit"}}};
    for (const auto& [profession, visibles, premier, dernier] : cas) {
        ModuleVorn m;
        m.Profession = profession;
        ChampsExperienceVorn d(m);
        for (std::size_t i = 0; i < d.visibleProf.size(); ++i) EXPECT_EQ(d.visibleProf[i], i < visibles) << i;
        EXPECT_EQ(std::pair(d.legendesProf[0], d.legendesProf[visibles - 1]), std::pair(premier, dernier));
    }
    EXPECT_FALSE(ChampsProfessionnels(-1) || ChampsProfessionnels(7));
}

} // namespace
