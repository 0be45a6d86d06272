#pragma once
// The table of Vocalia's own definitions, written by hand for this project
// (definitions/*.txt beside this file, UTF-8, read in file-name order so
// that several writers each keep a file). One block per article:
//
//   == aéroport                      (or "== camion | aujourd'hui": today's
//   nom masculin                      meaning of a word the Littré defines
//   1. One sentence, a full stop.     as in 1877 only)
//      Ex. : An example of use.
//
// 1 to 4 numbered senses, each with at most one example; blocks are
// separated by a blank line; lines starting with '#' are comments. The
// table is ours, so every slip is a fault that names its file and line.
// Blocks come out in Windows-1252.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "data/Article.h"

inline constexpr std::size_t SENS_PAR_DEFINITION_MAX = 4;

// A category line of the table and what the article shows for it.
struct CategorieDefinition {
    const char* ligne;      // as the table writes it, Windows-1252: "nom f\xE9minin"
    const char* categorie;  // the article's category: "NOM"
    const char* genre;      // "" when the category has none
    const char* nombre;     // "pluriel" for the nouns used only so
};
// Null for a line that is no category of the table.
const CategorieDefinition* TrouverCategorieDefinition(const std::string& ligne);

struct BlocDefinition {
    std::string fichier;     // the file's name, for the messages
    std::size_t ligne = 0;   // the line of its "== "
    std::string mot;
    bool aujourdhui = false;
    const CategorieDefinition* categorie = nullptr;
    std::vector<Sens> sens;  // at most one example each
};

struct FauteDefinition {
    std::string fichier;
    std::size_t ligne = 0;
    std::string motif;  // UTF-8
};
// "fichier:ligne : motif", UTF-8.
std::string TexteFaute(const FauteDefinition& faute);

// One file's text. Blocks without fault go to `blocs`, every fault to `fautes`.
void LireTableDefinitions(std::string_view texte, const std::string& fichier, std::vector<BlocDefinition>& blocs,
                          std::vector<FauteDefinition>& fautes);
// Every "*.txt" of the folder, in file-name order. A missing folder is a
// table without blocks; an unreadable file is a fault.
void ChargerTableDefinitions(const std::string& dossier, std::vector<BlocDefinition>& blocs,
                             std::vector<FauteDefinition>& fautes);
