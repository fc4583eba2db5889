// UTF-8 checks, Windows-1252 decoding and statement upper-casing.
#include "language/encodage.h"

#include <cstdint>
#include <cstring>

namespace velk {

namespace {

// Code points of bytes 0x80..0x9F in Windows-1252; the other high bytes equal Latin-1.
const char16_t Cp1252Haut[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AjouteCodePoint(std::string& s, uint32_t cp) {
    if (cp < 0x80) {
        s += static_cast<char>(cp);
    } else if (cp < 0x800) {
        s += static_cast<char>(0xC0 | (cp >> 6));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        s += static_cast<char>(0xE0 | (cp >> 12));
        s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (cp >> 18));
        s += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Length of the well-formed UTF-8 sequence starting at i, or 0 when it is ill formed.
size_t LongueurSequence(std::string_view s, size_t i) {
    const auto octet = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = octet(i);
    if (c < 0x80) return 1;
    size_t longueur;
    unsigned char min2 = 0x80, max2 = 0xBF;
    if (c >= 0xC2 && c <= 0xDF) {
        longueur = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        longueur = 3;
        if (c == 0xE0) min2 = 0xA0;      // overlong
        if (c == 0xED) max2 = 0x9F;      // surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
        longueur = 4;
        if (c == 0xF0) min2 = 0x90;      // overlong
        if (c == 0xF4) max2 = 0x8F;      // above U+10FFFF
    } else {
        return 0;
    }
    if (i + longueur > s.size()) return 0;
    if (octet(i + 1) < min2 || octet(i + 1) > max2) return 0;
    for (size_t k = 2; k < longueur; ++k)
        if ((octet(i + k) & 0xC0) != 0x80) return 0;
    return longueur;
}

} // namespace

bool EstUtf8Valide(std::string_view octets) {
    for (size_t i = 0; i < octets.size();) {
        // Runs of ASCII, by far the common case, are skipped eight bytes at a time.
        while (i + 8 <= octets.size()) {
            uint64_t mot;
            std::memcpy(&mot, octets.data() + i, 8);
            if (mot & 0x8080808080808080ULL) break;
            i += 8;
        }
        if (i >= octets.size()) break;
        const size_t l = LongueurSequence(octets, i);
        if (l == 0) return false;
        i += l;
    }
    return true;
}

std::string Windows1252VersUtf8(std::string_view octets) {
    std::string sortie;
    sortie.reserve(octets.size() + octets.size() / 8);
    for (char ch : octets) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80)
            sortie += ch;
        else if (c < 0xA0)
            AjouteCodePoint(sortie, Cp1252Haut[c - 0x80]);
        else
            AjouteCodePoint(sortie, c);
    }
    return sortie;
}

bool Utf8VersWindows1252(std::string_view utf8, std::string& sortie) {
    sortie.clear();
    sortie.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            sortie += static_cast<char>(c);
            ++i;
            continue;
        }
        const size_t l = LongueurSequence(utf8, i);
        if (l == 0) return false;
        uint32_t cp = 0;
        if (l == 2)
            cp = (uint32_t(c & 0x1F) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3F);
        else if (l == 3)
            cp = (uint32_t(c & 0x0F) << 12) |
                 (uint32_t(static_cast<unsigned char>(utf8[i + 1]) & 0x3F) << 6) |
                 (static_cast<unsigned char>(utf8[i + 2]) & 0x3F);
        else
            return false; // nothing above U+FFFF is in the code page
        i += l;
        if (cp >= 0xA0 && cp <= 0xFF) {
            sortie += static_cast<char>(cp);
            continue;
        }
        int octet = -1;
        for (int k = 0; k < 32; ++k)
            if (Cp1252Haut[k] == cp) {
                octet = 0x80 + k;
                break;
            }
        if (octet < 0) return false;
        sortie += static_cast<char>(octet);
    }
    return true;
}

std::string Utf8Assaini(std::string_view octets) {
    std::string sortie;
    sortie.reserve(octets.size());
    for (size_t i = 0; i < octets.size();) {
        const size_t l = LongueurSequence(octets, i);
        if (l == 0) {
            sortie += "\xEF\xBF\xBD";
            ++i;
        } else {
            sortie.append(octets.substr(i, l));
            i += l;
        }
    }
    return sortie;
}

void EnleveBlancs(std::string_view ligne, std::string& sortie) {
    sortie.resize(ligne.size());
    char* ecrit = sortie.data();
    // Statements are mostly written in capitals without blanks: eight such bytes at a time
    // are copied as they are.
    size_t i = 0;
    constexpr uint64_t Un = 0x0101010101010101ULL;
    constexpr uint64_t Haut = 0x8080808080808080ULL;
    while (i + 8 <= ligne.size()) {
        uint64_t mot;
        std::memcpy(&mot, ligne.data() + i, 8);
        const uint64_t blanc = mot ^ (Un * ' ');
        const uint64_t aBlanc = (blanc - Un) & ~blanc & Haut;
        // Bytes from 'a' to 'z' (all below 0x80): x + (0x80 - 'a') and x + (0x80 - 'z' - 1)
        // differ in their high bit exactly for them.
        const uint64_t bas = mot & ~Haut;
        const uint64_t minuscule =
            ((bas + Un * (0x80 - 'a')) ^ (bas + Un * (0x80 - 'z' - 1))) & ~mot & Haut;
        if ((aBlanc | minuscule | (mot & Haut)) != 0) break;
        std::memcpy(ecrit, &mot, 8);
        ecrit += 8;
        i += 8;
    }
    for (char ch : ligne.substr(i)) {
        if (ch == ' ') continue;
        if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
        *ecrit++ = ch;
    }
    sortie.resize(static_cast<size_t>(ecrit - sortie.data()));
}

std::string EnleveBlancs(std::string_view ligne) {
    std::string sortie;
    EnleveBlancs(ligne, sortie);
    return sortie;
}

} // namespace velk
