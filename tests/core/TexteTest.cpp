#include "Texte.h"

#include <gtest/gtest.h>

#include <array>
#include <string_view>

namespace {

TEST(Texte, NombreEnTexteSansBlancNiSeparateur) {
    EXPECT_EQ(NombreEnTexte(0), "0");
    EXPECT_EQ(NombreEnTexte(42), "42");
    EXPECT_EQ(NombreEnTexte(9000), "9000");
    EXPECT_EQ(NombreEnTexte(-40), "-40");
}

TEST(Texte, TexteEnNombreLitLeNombreDeTete) {
    struct Cas {
        std::string_view texte;
        std::int16_t attendu;
    };
    constexpr std::array<Cas, 9> cas{{{"12", 12},
                                      {"  7", 7},
                                      {"", 0},
                                      {"   ", 0},
                                      {"abc", 0},
                                      {"12abc", 12},
                                      {"-5", -5},
                                      {"  -40 (+0)", -40},
                                      {"0015", 15}}};
    for (const auto& c : cas) EXPECT_EQ(TexteEnNombre(c.texte), c.attendu) << '"' << c.texte << '"';
}

TEST(Texte, MajusculeWindows1252) {
    struct Cas {
        std::string_view tape, attendu;
    };
    constexpr std::array<Cas, 32> cas{{
        {"a", "A"}, {"z", "Z"}, {"é", "É"}, {"à", "À"}, {"ç", "Ç"}, {"œ", "Œ"}, {"š", "Š"}, {"ž", "Ž"},
        {"ÿ", "Ÿ"}, {"ð", "Ð"}, {"þ", "Þ"}, {"ñ", "Ñ"},
        // Already capitals, or no capital in the code page.
        {"A", "A"}, {"É", "É"}, {"µ", "µ"}, {"ß", "ß"}, {"÷", "÷"}, {"×", "×"},
        {"7", "7"}, {" ", " "}, {"-", "-"}, {"'", "'"}, {"!", "!"}, {"\b", "\b"},
        // Outside Windows-1252: kept exactly as typed.
        {"ł", "ł"}, {"д", "д"}, {"Д", "Д"}, {"😀", "😀"}, {"ب", "ب"}, {"א", "א"}, {"ǆ", "ǆ"}, {"ω", "ω"},
    }};
    for (const auto& c : cas) EXPECT_EQ(MajusculeWindows1252(c.tape), c.attendu) << c.tape;
}

TEST(Texte, FiltrerSaisieMetEnCapitalesEtGardeLeReste) {
    EXPECT_EQ(FiltrerSaisie("jean-luc"), "JEAN-LUC");
    EXPECT_EQ(FiltrerSaisie("élodie d'ŝ"), "ÉLODIE D'ŝ");
    // An invalid byte, then a lone lead byte before an ASCII letter: neither may eat its neighbours.
    EXPECT_EQ(FiltrerSaisie("ł\xFF" "à😀\xC3" "b"), "ł\xFF" "À😀\xC3" "B");
    // C1 can never start a UTF-8 sequence: "\xC1\xA1" is an overlong 'a', two invalid bytes to keep as they are.
    EXPECT_EQ(FiltrerSaisie("x\xC1\xA1y"), "X\xC1\xA1Y");
    EXPECT_EQ(FiltrerSaisie(""), "");
}

} // namespace
