#include "Tables.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

TEST(Tables, RechercheHorsTable) {
    EXPECT_EQ(std::tuple(TexteProfession(0), TexteProfession(6), TexteProfession(7)),
              std::tuple("Homme d'action indépendant", "Voleur", ""));
    // The sheet only ever asks with its own entries; anything else finds nothing.
    for (const std::string_view texte : {"4", "16", "", " 5", "05"}) EXPECT_FALSE(CoutDeValeur(texte)) << texte;
    EXPECT_FALSE(TableApparence("") || TableApparence("sensationnelle") || TableAge("") || TableAge("34") ||
                 TableFaiblesse(-1) || TableFaiblesse(13) || TableTaillePoids(-1) || TableTaillePoids(10));
}

} // namespace
