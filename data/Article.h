#pragma once
// A dictionary article and its senses. Text is Windows-1252 bytes.
#include <map>
#include <string>
#include <vector>

struct Sens {
    std::string definition;
    std::vector<std::string> exemples;
    friend bool operator==(const Sens&, const Sens&) = default;
};

struct Article {
    std::string mot;        // headword
    std::string categorie;  // "VERBE" marks a verb
    std::map<std::string, std::string> attributs;  // shown on the category line, key "TEST" excepted
    std::vector<Sens> sens;
    std::string flexions;
    std::string synonymes;
    std::string antonymes;
    std::string etymologie;
    friend bool operator==(const Article&, const Article&) = default;
};
