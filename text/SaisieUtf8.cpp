#include "text/SaisieUtf8.h"

#include <cstdio>

#include "text/Cp1252.h"

namespace {
bool EstControle(char32_t point) { return (point < 0x20 && point != U'\t') || (point >= 0x7F && point < 0xA0); }

// Characters of the same meaning that Windows-1252 spells otherwise.
int OctetEquivalent(char32_t point) {
    switch (point) {
        case U'\u02BC': return '\'';
        case U'\u2010':
        case U'\u2011': return '-';
        default: return OctetCp1252(point);
    }
}

std::string CodeUnicode(char32_t point) {
    char texte[16];
    std::snprintf(texte, sizeof texte, "U+%04X", static_cast<unsigned>(point));
    return texte;
}

SaisieLue Defaut(DefautSaisie defaut, std::size_t caractere, char32_t point) {
    SaisieLue lue;
    lue.defaut = defaut;
    lue.caractere = caractere;
    lue.point = point;
    return lue;
}
}  // namespace

SaisieLue LireSaisieUtf8(std::string_view utf8) {
    SaisieLue lue;
    std::size_t caractere = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        ++caractere;
        char32_t point = 0;
        const std::size_t longueur = DecoderUtf8(utf8, i, point);
        if (longueur == 0) return Defaut(DefautSaisie::PasUtf8, caractere, static_cast<unsigned char>(utf8[i]));
        i += longueur;
        if (EstControle(point)) return Defaut(DefautSaisie::Controle, caractere, point);
        const int octet = OctetEquivalent(point);
        if (octet <= 0) return Defaut(DefautSaisie::HorsCp1252, caractere, point);
        lue.texte += static_cast<char>(octet);
    }
    return lue;
}

std::string MessageDefautSaisie(const SaisieLue& lue) {
    const std::string rang = "caract\xC3\xA8re " + std::to_string(lue.caractere);
    switch (lue.defaut) {
        case DefautSaisie::Aucun: return {};
        case DefautSaisie::PasUtf8: {
            char octet[8];
            std::snprintf(octet, sizeof octet, "0x%02X", static_cast<unsigned>(lue.point));
            return "le mot n'est pas en UTF-8 (octet " + std::string(octet) + ", " + rang + ")";
        }
        case DefautSaisie::Controle:
            return "le mot contient un caract\xC3\xA8re de commande (" + CodeUnicode(lue.point) + ", " + rang + ")";
        case DefautSaisie::HorsCp1252: {
            std::string caractere;
            AjouterUtf8(caractere, lue.point);
            return "le mot contient \xC2\xAB " + caractere + " \xC2\xBB (" + CodeUnicode(lue.point) + ", " + rang +
                   "), un caract\xC3\xA8re que le texte fran\xC3\xA7" "ais du dictionnaire ne conna\xC3\xAEt pas";
        }
    }
    return {};
}
