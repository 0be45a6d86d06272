#pragma once
// The command line of vocalia-dico: one word (several arguments are one
// word with spaces) and the options that choose what is printed.
#include <string>
#include <vector>

#include "rendu/OptionsFiltre.h"

enum class ModeDico { Articles, Approches, Conjugaison, PleinTexte, Liste, Aide };

struct ArgumentsDico {
    ModeDico mode = ModeDico::Articles;
    OptionsFiltre options;  // every key present, as the window's check boxes give them
    bool dansExemples = false;
    std::string mot;  // as typed (UTF-8)
};

// False with a one-line reason (UTF-8) for a usage error.
bool LireArguments(const std::vector<std::string>& arguments, ArgumentsDico& lus, std::string& erreur);

// The --help text (UTF-8).
const char* TexteAide();
