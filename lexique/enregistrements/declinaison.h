#pragma once
// The inflection record of one word of the lexicon database: two texts and
// the lexicon that handed it out.
#include <string>

class ServicesLexique;

class declinaison {
public:
    declinaison() = default;
    declinaison(const declinaison&) = default;
    declinaison& operator=(const declinaison&) = default;
    virtual ~declinaison();

    std::string texte1;             // at most 999 bytes
    std::string texte2;             // the long one: at most 19,999 bytes
    ServicesLexique* lexique = nullptr;  // not owned; set by the lexicon before it caches the record
};
