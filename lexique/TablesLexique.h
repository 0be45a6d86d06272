#pragma once
// The lexicon database's own tables, read whole: its variables (table
// "flhgjlghl": a name, an escaped list of values, a number) and its words
// (table "hgjkghjk": the word, then two more texts).
#include <cstdint>
#include <string>
#include <vector>

class ConnexionBase;

inline constexpr const char* TABLE_VARIABLES = "flhgjlghl";
inline constexpr const char* TABLE_MOTS = "hgjkghjk";

struct VariableLexique {
    std::string nom;
    std::vector<std::string> valeurs;
    std::int32_t nombre = 0;
};

// Every row in table order; none when the database cannot be read.
std::vector<VariableLexique> LireVariablesLexique(ConnexionBase& connexion);
std::vector<std::string> LireMotsLexique(ConnexionBase& connexion);
