#pragma once
// The antonym relations of WordNet's database files (data.noun, data.verb,
// data.adj, data.adv): lexical pointers "!" from one word of a synset to one
// word of another. Words come out in lower case, with spaces for WordNet's
// underscores and without the adjective position marks "(a)", "(p)", "(ip)".
#include <string>
#include <string_view>
#include <vector>

struct AntonymesAnglais {
    std::string mot, contraire;
};

// One data file's text; the licence lines at its top (starting with two
// spaces) and malformed lines are skipped.
std::vector<AntonymesAnglais> LireAntonymesWordNet(std::string_view texte);
std::vector<AntonymesAnglais> ChargerAntonymesWordNet(const std::string& chemin);
