#pragma once
// The entry as filled from the lexicon database's table "hjhvglkj", looked up
// by its column "xdfhyxfhg".
#include <string>

#include "lexique/enregistrements/entree.h"

class ConnexionBase;
class TamponsLigne;

class entreeDB : public entree {
public:
    ~entreeDB() override;
};

inline constexpr const char* TABLE_ENTREES = "hjhvglkj";
inline constexpr const char* CLE_ENTREES = "xdfhyxfhg";

// The process-wide column buffers of the entry table: eight texts of 1,000
// bytes, then a signed 32-bit integer.
TamponsLigne& TamponsEntree();

// The entry of the row just fetched: texts 3 to 5 with their doubled
// apostrophes simplified, the others as stored, the number lists read from
// texts 1 and 2, `lexique` null.
entreeDB LireLigneEntree(const TamponsLigne& tampons);

// Fills `enregistrement` from the row whose key is `mot`, or leaves it cleared
// when there is none or the database cannot be read. True when a row was found.
bool LireEntree(entreeDB& enregistrement, ConnexionBase& connexion, const std::string& mot);
