#include "PositionCentree.h"
#include "Texte.h"

#include <gtest/gtest.h>

#include <array>

namespace {

TEST(PositionCentree, CentreEtRetientLesFenetresTropGrandes) {
    // Area x, y, width, height; window width, height; expected corner.
    constexpr std::array<std::array<int, 8>, 3> cas{{{100, 50, 1000, 800, 400, 200, 400, 350},
                                                     {10, 20, 1920, 1080, 2500, 1400, 10, 20},
                                                     {10, 20, 1920, 1080, 2500, 400, 10, 360}}};
    for (const auto& [zx, zy, zl, zh, l, h, x, y] : cas) {
        const Position p = PositionCentree(zx, zy, zl, zh, l, h);
        EXPECT_EQ(std::pair(p.x, p.y), std::pair(x, y)) << l << "x" << h;
    }
}

TEST(Texte, LeFiltreDesTouchesMetEnCapitalesWindows1252EtGardeLeReste) {
    // Typed text, filtered text, bytes of the first key (the last typed key is split off the same way).
    constexpr std::array<std::tuple<std::string_view, std::string_view, std::size_t>, 12> cas{{
        {"jean-luc az", "JEAN-LUC AZ", 1},
        // Both ends of the accented range, and the four letters whose capitals sit elsewhere in the code page.
        {"àéçñðþœšžÿ", "ÀÉÇÑÐÞŒŠŽŸ", 2},
        // Already capitals, just outside a..z, or no capital in the code page.
        {"€AÉ`{µß÷×7'!\b", "€AÉ`{µß÷×7'!\b", 3},
        // Outside Windows-1252: kept exactly as typed.
        {"😀łдДבǆωŝ", "😀łдДבǆωŝ", 4},
        // An invalid byte, then a lone lead byte before an ASCII letter: neither may eat its neighbours.
        {"ł\xFF" "à😀\xC3" "b", "ł\xFF" "À😀\xC3" "B", 2},
        // Overlong forms, a surrogate, a value past Unicode, a cut sequence, a stray continuation byte:
        // each byte is a key of its own, kept as it is.
        {"\xC1\xA1y", "\xC1\xA1Y", 1}, {"\xE0\x81\xA1q", "\xE0\x81\xA1Q", 1}, {"\xED\xA0\x80z", "\xED\xA0\x80Z", 1},
        {"\xF4\x90\x80\x80i", "\xF4\x90\x80\x80I", 1}, {"\xE2\x82", "\xE2\x82", 1}, {"\xA9u", "\xA9U", 1}, {"", "", 0},
    }};
    for (const auto& [tape, attendu, longueur] : cas) {
        EXPECT_EQ(FiltrerSaisie(tape), attendu) << tape;
        EXPECT_EQ(LongueurPremierCaractere(tape), longueur) << tape;
    }
}

} // namespace
