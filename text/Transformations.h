#pragma once
// In-place transforms of NUL-terminated Windows-1252 text, and their forms on
// owned strings. The in-place forms never allocate and never lengthen the text.
#include <string>

// The owned-string form of any in-place transform: the text stops at its first
// NUL, as it would in a byte buffer, and the transform must not lengthen it.
std::string SurCopie(const std::string& s, void (*transformer)(char*));

void Minuscules(char* s);
std::string Minuscules(const std::string& s);
void SansAccents(char* s);
std::string SansAccents(const std::string& s);
void Elaguer(char* s);
std::string Elaguer(const std::string& s);

// These lengthen their input, so they exist on owned strings only.
std::string DoublerApostrophes(const std::string& s);
std::string SimplifierApostrophes(const std::string& s);
std::string FinsDeLigneCRLF(const std::string& s);
// Every ligature written as its two letters: "c\x9Cur" gives "coeur", "\xC6" "sope" "AEsope".
std::string DeplierLigatures(const std::string& s);
