#include "tools/donnees/TexteLittre.h"

#include <cstdlib>
#include <cstring>

#include "text/Cp1252.h"
#include "tools/donnees/Translitteration.h"

namespace {
bool EstBlanc(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

constexpr char CHEVRON_OUVRANT = '\x8B';  // ‹
constexpr char CHEVRON_FERMANT = '\x9B';  // ›

// The entity at `texte[i]` ('&'), decoded into `sortie`; returns its length,
// or 0 when it is not a well-formed entity.
std::size_t DecoderEntite(std::string_view texte, std::size_t i, std::string& sortie) {
    const std::size_t fin = texte.find(';', i);
    if (fin == std::string_view::npos || fin - i > 10) return 0;
    const std::string nom(texte.substr(i + 1, fin - i - 1));
    if (nom == "amp") sortie += '&';
    else if (nom == "lt") sortie += CHEVRON_OUVRANT;
    else if (nom == "gt") sortie += CHEVRON_FERMANT;
    else if (nom == "quot") sortie += '"';
    else if (nom == "apos") sortie += '\'';
    else if (nom == "nbsp") sortie += ' ';
    else if (nom.size() > 1 && nom[0] == '#') {
        const bool hexa = nom[1] == 'x' || nom[1] == 'X';
        char* finNombre = nullptr;
        const char* chiffres = nom.c_str() + (hexa ? 2 : 1);
        const unsigned long point = std::strtoul(chiffres, &finNombre, hexa ? 16 : 10);
        if (finNombre == chiffres || *finNombre != '\0' || point == 0 || point > 0x10FFFF) return 0;
        const int octet = OctetCp1252(char32_t(point));
        if (point == '<') sortie += CHEVRON_OUVRANT;
        else if (point == '>') sortie += CHEVRON_FERMANT;
        else if (octet >= 0x20 || octet == '\t') sortie += char(octet);
        else if (octet < 0) sortie += TranslittererPoint(char32_t(point));
        else sortie += ' ';  // control characters are not text
    } else {
        return 0;
    }
    return fin - i + 1;
}
}  // namespace

std::string EspacesNormalises(std::string_view texte) {
    std::string sortie;
    sortie.reserve(texte.size());
    bool blanc = false;
    for (char c : texte) {
        if (EstBlanc(c)) {
            blanc = !sortie.empty();
            continue;
        }
        if (blanc) sortie += ' ';
        blanc = false;
        sortie += c;
    }
    return sortie;
}

std::string TexteSansBalises(std::string_view balise) {
    std::string texte;
    texte.reserve(balise.size());
    for (std::size_t i = 0; i < balise.size();) {
        const char c = balise[i];
        if (c == '<') {
            const std::size_t fin = balise.find('>', i);
            const char suivant = i + 1 < balise.size() ? balise[i + 1] : ' ';
            const bool debutElement = suivant == '/' || (suivant >= 'a' && suivant <= 'z') ||
                                      (suivant >= 'A' && suivant <= 'Z');
            const bool element = debutElement && fin != std::string_view::npos &&
                                 balise.find('<', i + 1) > fin;
            if (element) {
                i = fin + 1;
                // "populaire.<b>S'EN ALLER</b>": the element stood on a line of
                // its own, the text must not run on.
                const bool finDePhrase = !texte.empty() && std::strchr(".;:!?", texte.back()) != nullptr;
                if (finDePhrase && i < balise.size() && !EstBlanc(balise[i]) && balise[i] != '<' &&
                    std::strchr(".,;:!?)", balise[i]) == nullptr)
                    texte += ' ';
                continue;
            }
            texte += CHEVRON_OUVRANT;
        } else if (c == '>') {
            texte += CHEVRON_FERMANT;
        } else if (c == '&') {
            const std::size_t longueur = DecoderEntite(balise, i, texte);
            if (longueur > 0) {
                i += longueur;
                continue;
            }
            texte += '&';
        } else {
            texte += c;
        }
        ++i;
    }
    return EspacesNormalises(texte);
}

bool EstMajusculeCp1252(char c) {
    const unsigned char o = static_cast<unsigned char>(c);
    return (o >= 'A' && o <= 'Z') || (o >= 0xC0 && o <= 0xDE && o != 0xD7) || o == 0x8A ||
           o == 0x8C || o == 0x8E || o == 0x9F;
}

bool EstMinusculeCp1252(char c) {
    const unsigned char o = static_cast<unsigned char>(c);
    return (o >= 'a' && o <= 'z') || (o >= 0xDF && o != 0xF7) || o == 0x9A || o == 0x9C ||
           o == 0x9E;
}

char MinusculeCp1252(char c) {
    const unsigned char o = static_cast<unsigned char>(c);
    if (o >= 'A' && o <= 'Z') return char(o + 0x20);
    if (o >= 0xC0 && o <= 0xDE && o != 0xD7) return char(o + 0x20);
    if (o == 0x8A || o == 0x8C || o == 0x8E) return char(o + 0x10);
    if (o == 0x9F) return char(0xFF);
    return c;
}

char MajusculeCp1252(char c) {
    const unsigned char o = static_cast<unsigned char>(c);
    if (o >= 'a' && o <= 'z') return char(o - 0x20);
    if (o >= 0xE0 && o <= 0xFE && o != 0xF7) return char(o - 0x20);
    if (o == 0x9A || o == 0x9C || o == 0x9E) return char(o - 0x10);
    if (o == 0xFF) return char(0x9F);
    return c;
}

std::string EnMinuscules(std::string_view texte) {
    std::string sortie(texte);
    for (char& c : sortie) c = MinusculeCp1252(c);
    return sortie;
}

std::string CleOrdreLittre(std::string_view texte) {
    // Base letters of 0xC0..0xFF, "" for signs.
    static constexpr const char* Bases[64] = {
        "A", "A", "A", "A", "A", "A", "AE", "C", "E", "E", "E", "E", "I", "I", "I", "I",
        "D", "N", "O", "O", "O", "O", "O", "",  "O", "U", "U", "U", "U", "Y", "TH", "SS",
        "A", "A", "A", "A", "A", "A", "AE", "C", "E", "E", "E", "E", "I", "I", "I", "I",
        "D", "N", "O", "O", "O", "O", "O", "",  "O", "U", "U", "U", "U", "Y", "TH", "Y"};
    std::string cle;
    for (char c : texte) {
        const unsigned char o = static_cast<unsigned char>(c);
        if (o >= 'a' && o <= 'z') cle += char(o - 0x20);
        else if ((o >= 'A' && o <= 'Z') || (o >= '0' && o <= '9')) cle += char(o);
        else if (o >= 0xC0) cle += Bases[o - 0xC0];
        else if (o == 0x8C || o == 0x9C) cle += "OE";
    }
    return cle;
}
