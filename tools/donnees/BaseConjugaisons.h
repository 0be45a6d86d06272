#pragma once
// The conjugation database: an SQLite file whose table "ConjugaisonImage"
// holds, for each verb, the MD5 digest of its Windows-1252 infinitive
// ("hash") and its conjugation text deflated then enciphered with the verb as
// key ("contenu"), both as blobs, in this column order.
#include <cstddef>
#include <string>
#include <vector>

#include "tools/donnees/Verbiste.h"

struct BilanConjugaisons {
    std::size_t verbes = 0;
    std::size_t plusLongTexte = 0;    // bytes of the longest text
    std::size_t plusLongContenu = 0;  // bytes of the longest stored value
    std::string erreur;               // empty on success
};

// Writes the database at `chemin` (replacing any file there, only once it is
// complete). Needs "avoir" and "être" among the verbs. Fails, writing
// nothing, when a text or a stored value would exceed what the program reads.
BilanConjugaisons EcrireBaseConjugaisons(const std::vector<FormesVerbe>& verbes, const std::string& chemin);
