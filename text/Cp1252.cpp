#include "text/Cp1252.h"

#include <cstdint>

namespace {

// Code points of bytes 0x80..0x9F; the others equal their byte value.
constexpr char32_t PointsHauts[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char32_t PointDeOctet(unsigned char o) {
    return (o >= 0x80 && o < 0xA0) ? PointsHauts[o - 0x80] : char32_t(o);
}

}  // namespace

void AjouterUtf8(std::string& sortie, char32_t p) {
    if (p < 0x80) {
        sortie += char(p);
    } else if (p < 0x800) {
        sortie += char(0xC0 | (p >> 6));
        sortie += char(0x80 | (p & 0x3F));
    } else if (p < 0x10000) {
        sortie += char(0xE0 | (p >> 12));
        sortie += char(0x80 | ((p >> 6) & 0x3F));
        sortie += char(0x80 | (p & 0x3F));
    } else {
        sortie += char(0xF0 | (p >> 18));
        sortie += char(0x80 | ((p >> 12) & 0x3F));
        sortie += char(0x80 | ((p >> 6) & 0x3F));
        sortie += char(0x80 | (p & 0x3F));
    }
}

// Decodes one UTF-8 sequence at `i`; returns its length, or 0 when the bytes
// there are not a well-formed, shortest-form sequence.
std::size_t DecoderUtf8(std::string_view s, std::size_t i, char32_t& point) {
    const unsigned char o = static_cast<unsigned char>(s[i]);
    std::size_t longueur;
    char32_t minimum;
    if (o < 0x80) { point = o; return 1; }
    if ((o & 0xE0) == 0xC0) { longueur = 2; point = o & 0x1F; minimum = 0x80; }
    else if ((o & 0xF0) == 0xE0) { longueur = 3; point = o & 0x0F; minimum = 0x800; }
    else if ((o & 0xF8) == 0xF0) { longueur = 4; point = o & 0x07; minimum = 0x10000; }
    else return 0;
    if (i + longueur > s.size()) return 0;
    for (std::size_t k = 1; k < longueur; ++k) {
        const unsigned char suite = static_cast<unsigned char>(s[i + k]);
        if ((suite & 0xC0) != 0x80) return 0;
        point = (point << 6) | (suite & 0x3F);
    }
    if (point < minimum || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) return 0;
    return longueur;
}

int OctetCp1252(char32_t point) {
    if (point < 0x80 || (point >= 0xA0 && point <= 0xFF)) return int(point);
    for (int k = 0; k < 32; ++k)
        if (PointsHauts[k] == point) return 0x80 + k;
    return -1;
}

bool CodePointsVersCp1252(std::u32string_view points, std::string& sortie) {
    sortie.clear();
    for (char32_t point : points) {
        const int octet = OctetCp1252(point);
        if (octet <= 0) return false;
        sortie += char(octet);
    }
    return true;
}

std::string Utf8VersCp1252(std::string_view utf8, RemplacementCp1252 remplacement) {
    std::string sortie;
    sortie.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t point;
        const std::size_t longueur = DecoderUtf8(utf8, i, point);
        if (longueur == 0) {  // not UTF-8: keep the byte as a Windows-1252 byte
            sortie += utf8[i++];
            continue;
        }
        i += longueur;
        const int octet = OctetCp1252(point);
        if (octet >= 0)
            sortie += char(octet);
        else
            sortie += remplacement ? remplacement(point) : std::string("?");
    }
    return sortie;
}

std::string Cp1252VersUtf8(std::string_view cp1252) {
    std::string sortie;
    sortie.reserve(cp1252.size() + cp1252.size() / 8);
    for (char c : cp1252) AjouterUtf8(sortie, PointDeOctet(static_cast<unsigned char>(c)));
    return sortie;
}
