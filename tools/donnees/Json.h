#pragma once
// A small JSON reader for the data builder's registers: the whole document
// becomes a tree of values. Strings stay UTF-8, as in the file.
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct ValeurJson {
    enum class Type { Nul, Booleen, Nombre, Chaine, Tableau, Objet };
    Type type = Type::Nul;
    bool booleen = false;
    double nombre = 0;
    std::string chaine;
    std::vector<ValeurJson> elements;
    std::map<std::string, ValeurJson> membres;

    // The member's value, or nullptr when this is not an object or lacks it.
    const ValeurJson* Membre(const std::string& nom) const;
    // The member's text when it is a string, else the empty string.
    std::string Texte(const std::string& nom) const;
};

// False on malformed input (`valeur` is then unspecified). Nesting deeper
// than a few hundred levels is refused rather than risking the stack.
bool AnalyserJson(std::string_view texte, ValeurJson& valeur);
