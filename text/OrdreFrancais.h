#pragma once
// French dictionary order and the word-level predicates.
#include <cstddef>
#include <string>

bool MotSuperieur(const char* a, const char* b);  // a comes strictly after b
bool MotSuperieur(const std::string& a, const std::string& b);
bool MotsEgaux(const char* a, const char* b);
bool MotsEgaux(const std::string& a, const std::string& b);
bool EstCapitalise(const char* s);
bool EstCapitalise(const std::string& s);
// The run of letters and digits touching byte `pos` of `texte` (empty when none).
std::string MotAutourDe(const std::string& texte, std::size_t pos);
