#include "text/Transformations.h"

#include <cstring>

#include "text/Caracteres.h"

namespace {

bool EstBlanc(char c) {
    switch (static_cast<unsigned char>(c)) {
        case 0x09: case 0x0A: case 0x0D: case 0x20: case 0xA0: case 0x89: case 0x8A:
            return true;
        default:
            return false;
    }
}

}  // namespace

std::string SurCopie(const std::string& s, void (*transformer)(char*)) {
    std::string copie(s.c_str());
    transformer(copie.data());
    copie.resize(std::strlen(copie.c_str()));
    return copie;
}

void Minuscules(char* s) {
    for (; *s; ++s) *s = MinusculeCar(*s);
}

std::string Minuscules(const std::string& s) { return SurCopie(s, Minuscules); }

void SansAccents(char* s) {
    for (; *s; ++s) *s = SansAccentCar(*s);
}

std::string SansAccents(const std::string& s) { return SurCopie(s, SansAccents); }

void Elaguer(char* s) {
    std::size_t fin = std::strlen(s);
    while (fin > 0 && EstBlanc(s[fin - 1])) --fin;
    s[fin] = '\0';
    std::size_t debut = 0;
    while (debut < fin && EstBlanc(s[debut])) ++debut;
    if (debut > 0) std::memmove(s, s + debut, fin - debut + 1);
}

std::string Elaguer(const std::string& s) { return SurCopie(s, Elaguer); }

std::string DoublerApostrophes(const std::string& s) {
    std::string sortie;
    sortie.reserve(2 * s.size());
    for (char c : s) {
        sortie += c;
        if (c == '\'') sortie += '\'';
    }
    return sortie;
}

std::string SimplifierApostrophes(const std::string& s) {
    std::string sortie;
    sortie.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        sortie += s[i];
        if (s[i] == '\'' && i + 1 < s.size() && s[i + 1] == '\'') ++i;
    }
    return sortie;
}

std::string FinsDeLigneCRLF(const std::string& s) {
    std::string sortie;
    sortie.reserve(2 * s.size());
    for (char c : s) {
        if (c == '\n') sortie += '\r';
        sortie += c;
    }
    return sortie;
}

std::string DeplierLigatures(const std::string& s) {
    std::string sortie;
    sortie.reserve(s.size() + 4);
    for (char c : s) {
        const char seconde = SecondeLettreLigature(c);
        if (seconde == '\0') {
            sortie += c;
            continue;
        }
        sortie += seconde == 'E' ? static_cast<char>(LettreDeBase(c) - 'a' + 'A') : LettreDeBase(c);
        sortie += seconde;
    }
    return sortie;
}
