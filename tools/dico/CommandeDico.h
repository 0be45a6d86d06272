#pragma once
// What vocalia-dico prints for its parsed command line, on the main
// dictionary already loaded: standard output and standard error in UTF-8,
// and the exit status.
#include <string>

#include "tools/dico/ArgumentsDico.h"

inline constexpr int CODE_TROUVE = 0;
inline constexpr int CODE_INTROUVABLE = 1;
inline constexpr int CODE_USAGE = 2;
inline constexpr std::size_t APPROCHES_PROPOSES = 10;

struct ResultatDico {
    int code = CODE_INTROUVABLE;
    std::string sortie;
    std::string erreurs;
};

class DonneesVocalia;

// `largeur`: the terminal's width in characters, 0 when the output is not a
// terminal. The approximate search, the word list and the full-text search
// answer from `donnees`; the first form works on the default object.
ResultatDico ExecuterDico(const ArgumentsDico& arguments, int largeur, DonneesVocalia& donnees);
ResultatDico ExecuterDico(const ArgumentsDico& arguments, int largeur);

// The typed word in the program's text (typographic apostrophes kept: the
// lookup makes them plain); empty for a word LireArguments refuses.
std::string SaisieCp1252(const std::string& utf8);
