#pragma once
// The inflection record as filled from the lexicon database's table
// "tryjufh", looked up by its column "wsdfgs".
#include <string>

#include "lexique/enregistrements/declinaison.h"

class ConnexionBase;
class TamponsLigne;

class declinaisonDB : public declinaison {
public:
    ~declinaisonDB() override;
};

inline constexpr const char* TABLE_DECLINAISONS = "tryjufh";
inline constexpr const char* CLE_DECLINAISONS = "wsdfgs";

// The process-wide column buffers of the inflection table: a text of 1,000
// bytes and one of 20,000 bytes.
TamponsLigne& TamponsDeclinaison();

// The record of the row just fetched, both texts with their doubled
// apostrophes simplified, `lexique` null.
declinaisonDB LireLigneDeclinaison(const TamponsLigne& tampons);

// Fills `enregistrement` from the row whose key is `mot`, or leaves it empty
// (texts empty, `lexique` null) when there is none or the database cannot be
// read. True when a row was found.
bool LireDeclinaison(declinaisonDB& enregistrement, ConnexionBase& connexion, const std::string& mot);
