#pragma once
// The record of one word of the lexicon database, with the numbers and
// variable values worked out from it. The lexicon keeps a copy of each entry
// it has read.
#include <cstdint>
#include <string>
#include <vector>

#include "lexique/enregistrements/VecteurVariables.h"
#include "lexique/enregistrements/declinaison.h"

class ServicesLexique;

class entree {
public:
    entree() = default;  // the cleared state
    entree(const entree&) = default;
    entree& operator=(const entree&) = default;
    virtual ~entree();

    virtual void EffacerEntree();
    virtual std::string Texte3() const { return texte3; }
    virtual std::string Texte4() const { return texte4; }
    virtual std::string TexteLibre() const { return texteLibre; }
    virtual std::string Texte5() const { return texte5; }
    virtual void FixerTexteLibre(const std::string& texte);
    // Word numbers under the current lexicon; 0 when unknown.
    virtual int NumeroTexte8() const;
    virtual std::string Texte8() const { return texte8; }
    virtual int NumeroTexte3() const;
    virtual std::string Texte6() const { return texte6; }
    virtual std::string Texte7() const { return texte7; }
    // The inflection record keyed by texte7, from the owning lexicon; an
    // empty record when the entry belongs to no lexicon.
    virtual declinaison DeclinaisonTexte7() const;
    virtual ServicesLexique* LexiqueProprietaire() const { return lexique; }
    // A new vector from the variable map of texte6, under the current lexicon.
    virtual TableVariables VecteurVariables() const;

    std::vector<std::int32_t> nombres1;  // the numbers listed in texte1
    std::vector<std::int32_t> nombres2;  // the numbers listed in texte2
    std::string texte1;
    std::string texte2;
    std::string texte3;  // the main text: an entry without it counts as absent
    std::string texte4;
    std::string texte5;
    std::string texteLibre;
    bool texteLibreFixe = false;
    std::string texte6;  // escaped list of variable names and values
    std::string texte7;  // the key of the entry's inflection record
    std::string texte8;
    std::int32_t nombre9 = 0;
    ServicesLexique* lexique = nullptr;  // not owned; set by the lexicon when it caches the entry
};
