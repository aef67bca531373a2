#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Numbers as every box of the program shows them: plain decimal digits,
// a minus sign when negative, no blank, no separator.
std::string NombreEnTexte(int valeur);

// Upper-casing of one typed character (UTF-8, one code point) as the
// Windows-1252 code page does it. A character that code page cannot hold
// is given back exactly as typed.
std::string MajusculeWindows1252(std::string_view caractere);

// The first code point of a UTF-8 text (for splitting typed text into keys);
// an invalid leading byte is taken alone so that nothing is lost.
std::size_t LongueurPremierCaractere(std::string_view texte);

// Applies MajusculeWindows1252 to every character of a typed text.
std::string FiltrerSaisie(std::string_view saisie);
