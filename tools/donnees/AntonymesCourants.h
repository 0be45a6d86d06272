#pragma once
// The table of the commonest antonym pairs, written by hand for this project
// (antonymes_courants.txt beside this file): sections "[ADJECTIF]",
// "[NOM]" ... and under each one pair a line, "blanc / noir". Lines starting
// with '#' are comments. The file is UTF-8; the pairs come out in Windows-1252.
#include <string>
#include <string_view>
#include <vector>

#include "tools/donnees/Antonymes.h"

inline constexpr const char* SOURCE_TABLE = "table";

// False when a line is neither blank, a comment, a section nor a pair, a
// section names no category antonyms are given for, or a pair comes before
// any section: the table is ours, so a slip is an error.
// `ligneFautive` receives the first such line's number.
bool LireAntonymesCourants(std::string_view texte, std::vector<PaireAntonymes>& paires,
                           std::size_t* ligneFautive = nullptr);
bool ChargerAntonymesCourants(const std::string& chemin, std::vector<PaireAntonymes>& paires);
