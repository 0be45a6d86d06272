#pragma once
// The misspelling bench: lists of misspelt common words with the intended
// word beside each, and how often the intended word comes first and among
// the first ten, for Vocalia and for the spell checker (hunspell -a).
#include <string>
#include <vector>

struct Faute {
    std::string tape;                 // Windows-1252
    std::vector<std::string> voulus;  // the intended word, then its other accepted spellings
    std::string genre;                // the kind of misspelling
};

// Lines "typed<TAB>intended[|other]<TAB>kind", UTF-8, '#' for comments.
bool LireFautes(const std::string& chemin, std::vector<Faute>& fautes);

// hunspell -a -d fr on every typed word, its suggestions in order (Windows-1252),
// one list per word; empty when the spell checker cannot be run.
std::vector<std::vector<std::string>> SuggestionsHunspell(const std::vector<Faute>& fautes);

// The place of the first accepted spelling in `propositions` (0 first), or -1.
// The 1990 spellings without the circumflex on i and u are accepted too.
int PlaceVoulue(const Faute& faute, const std::vector<std::string>& propositions);
