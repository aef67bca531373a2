#include "Texte.h"

#include <optional>

std::string NombreEnTexte(int valeur) { return std::to_string(valeur); }

namespace {

std::size_t longueurSequence(unsigned char premier) {
    if (premier < 0x80) return 1;
    if ((premier & 0xE0) == 0xC0) return 2;
    if ((premier & 0xF0) == 0xE0) return 3;
    if ((premier & 0xF8) == 0xF0) return 4;
    return 1;
}

std::optional<char32_t> decoder(std::string_view c) {
    if (c.empty()) return std::nullopt;
    const auto premier = static_cast<unsigned char>(c[0]);
    const std::size_t n = longueurSequence(premier);
    if (n != c.size()) return std::nullopt;
    if (n == 1) return premier < 0x80 ? std::optional<char32_t>(premier) : std::nullopt;
    char32_t cp = premier & (0x7F >> n);
    for (std::size_t i = 1; i < n; ++i) {
        const auto b = static_cast<unsigned char>(c[i]);
        if ((b & 0xC0) != 0x80) return std::nullopt;
        cp = (cp << 6) | (b & 0x3F);
    }
    // Overlong forms, surrogates and values past Unicode are no characters:
    // such bytes stay as they are.
    static constexpr char32_t minimum[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < minimum[n] || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) return std::nullopt;
    return cp;
}

std::string encoder(char32_t cp) {
    std::string s;
    if (cp < 0x80) {
        s += static_cast<char>(cp);
    } else if (cp < 0x800) {
        s += static_cast<char>(0xC0 | (cp >> 6));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | (cp >> 12));
        s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    }
    return s;
}

// Lower-case letters of Windows-1252 and their capitals, as code points.
std::optional<char32_t> capitale(char32_t cp) {
    if (cp >= U'a' && cp <= U'z') return cp - 0x20;
    // à..þ without the division sign; ß and µ have no capital in the code page.
    if (cp >= 0xE0 && cp <= 0xFE && cp != 0xF7) return cp - 0x20;
    switch (cp) {
    case 0x0161: return 0x0160; // š
    case 0x0153: return 0x0152; // œ
    case 0x017E: return 0x017D; // ž
    case 0x00FF: return 0x0178; // ÿ
    default: return std::nullopt;
    }
}

} // namespace

std::string MajusculeWindows1252(std::string_view caractere) {
    const auto cp = decoder(caractere);
    if (!cp) return std::string(caractere);
    const auto maj = capitale(*cp);
    return maj ? encoder(*maj) : std::string(caractere);
}

std::size_t LongueurPremierCaractere(std::string_view texte) {
    if (texte.empty()) return 0;
    const std::size_t n = longueurSequence(static_cast<unsigned char>(texte[0]));
    if (n > texte.size() || !decoder(texte.substr(0, n))) return 1;
    return n;
}

std::string FiltrerSaisie(std::string_view saisie) {
    std::string resultat;
    resultat.reserve(saisie.size());
    while (!saisie.empty()) {
        const std::size_t n = LongueurPremierCaractere(saisie);
        resultat += MajusculeWindows1252(saisie.substr(0, n));
        saisie.remove_prefix(n);
    }
    return resultat;
}
