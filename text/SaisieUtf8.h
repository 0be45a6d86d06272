#pragma once
// A word that comes from outside (a command line, another process) in
// UTF-8, checked before it becomes the program's Windows-1252 text: bytes
// that are not UTF-8, control characters and characters that French text in
// Windows-1252 cannot hold are refused rather than turned into other words.
#include <cstddef>
#include <string>
#include <string_view>

enum class DefautSaisie { Aucun, PasUtf8, Controle, HorsCp1252 };

struct SaisieLue {
    DefautSaisie defaut = DefautSaisie::Aucun;
    std::string texte;        // Windows-1252; only when there is no fault
    std::size_t caractere = 0;  // 1-based rank of the faulty character
    char32_t point = 0;       // the faulty code point (the faulty byte for PasUtf8)
};

// A tab counts as a blank; the letter apostrophe U+02BC and the hyphens
// U+2010 and U+2011 become ' and -.
SaisieLue LireSaisieUtf8(std::string_view utf8);

// What is wrong with the word, in French and UTF-8: "le mot n'est pas en
// UTF-8 (octet 0xFF, caractère 1)"; empty when nothing is.
std::string MessageDefautSaisie(const SaisieLue& lue);
