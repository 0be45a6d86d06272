#pragma once
// Small text helpers of the Littré conversion, on Windows-1252 bytes.
#include <string>
#include <string_view>

// Runs of blanks (space, tab, CR, LF) become one space; none at either end.
std::string EspacesNormalises(std::string_view texte);

// The text of Pango markup: elements removed, entities decoded, blanks
// normalised. A '<' or '>' that is text, not markup, becomes '‹' or '›' so
// that no angle bracket survives in the data.
std::string TexteSansBalises(std::string_view balise);

// Lower case of every Windows-1252 capital (É -> é, Œ -> œ).
std::string EnMinuscules(std::string_view texte);
char MinusculeCp1252(char c);
char MajusculeCp1252(char c);
bool EstMajusculeCp1252(char c);
bool EstMinusculeCp1252(char c);

// Upper case without accents, letters and digits only (Œ -> OE): the key the
// Littré orders its entries by.
std::string CleOrdreLittre(std::string_view texte);
