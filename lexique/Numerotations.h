#pragma once
// The numberings of the lexicon's tables, both ways. Texts are numbered in
// ascending byte order; a text that occurs several times gets one number per
// occurrence and is looked up as the highest of them.
#include <map>
#include <string>
#include <vector>

struct Numerotation {
    std::map<std::string, int> numeros;
    std::map<int, std::string> textes;
};

// Numbers from `premier` on, in ascending byte order of the texts.
Numerotation Numeroter(std::vector<std::string> textes, int premier);
