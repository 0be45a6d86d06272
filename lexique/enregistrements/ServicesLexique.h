#pragma once
// What the entry and inflection records need from the lexicon that hands
// them out: the numbers of words, variables and values, and the inflection
// record of a word. The records own this interface so that they do not
// depend on the lexicon; the lexicon of the approximate search implements it.
#include <string>

class declinaison;

class ServicesLexique {
public:
    virtual ~ServicesLexique() = default;

    // 0 when the word is unknown.
    virtual int NumeroMot(const std::string& mot) = 0;
    // 0 when the name is unknown or the variables cannot be numbered.
    virtual int NumeroVariable(const std::string& nom) = 0;
    // "#name" gives minus the variable number of name; any other text its
    // value number, 0 when unknown.
    virtual int NumeroValeur(const std::string& texte) = 0;
    // Valid as long as the lexicon lives.
    virtual declinaison& DeclinaisonDuMot(const std::string& mot) = 0;
};

// The current lexicon: the most recently constructed lexicon with a database
// side. A process-wide pointer, because the records work out their numbers
// under whichever lexicon is current rather than the one that read them.
// Null before the first lexicon, and again once that lexicon is destroyed.
ServicesLexique* ServicesCourants();
// For the lexicon itself: at construction, and at destruction (it stops
// being current only if it still was).
void FixerServicesCourants(ServicesLexique* lexique);
void OublierServicesCourants(const ServicesLexique* lexique);
