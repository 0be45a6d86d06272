#pragma once
// The Littré's grammatical abbreviations ("s. m.", "v. a.", "adj." ...) and
// what they become in an article: a category in capitals and attributes.
// Everything is Windows-1252.
#include <map>
#include <string>

// Attribute keys. The category line shows the attributes in key order, so
// the keys carry a rank: gender and number first, the pronunciation last.
inline constexpr const char* ATTRIBUT_GENRE = "1genre";
inline constexpr const char* ATTRIBUT_NOMBRE = "2nombre";
inline constexpr const char* ATTRIBUT_EMPLOI = "3emploi";  // a verb's construction
inline constexpr const char* ATTRIBUT_FEMININ = "4feminin";
inline constexpr const char* ATTRIBUT_FORME = "5forme";    // "s'extasier", "à boucheton"
inline constexpr const char* ATTRIBUT_PRONONCIATION = "6prononciation";
inline constexpr const char* ATTRIBUT_REMARQUE = "7remarque";  // the rest of the entry's head

struct CategorieLittre {
    const char* abreviation;
    const char* categorie;
    const char* genre;    // "" when the abbreviation says none
    const char* nombre;   // "pluriel", "invariable" or ""
    const char* emploi;   // a verb's "transitif", "intransitif" ... or ""
};

// The entry of the table that the text names (the first among those not
// part of a longer one: what follows is the Littré's comment, "quand le
// pronom je suit le verbe", "pris toujours sans article"), or null. `debut` and `fin` receive the
// position of the abbreviation in `texte`.
const CategorieLittre* TrouverCategorie(const std::string& texte, std::size_t& debut,
                                        std::size_t& fin);

struct EnTeteLittre {
    std::string categorie;
    std::map<std::string, std::string> attributs;
    // A long pronunciation remark, moved off the category line as a sentence;
    // its short transcription stays in the attributes.
    std::string notePrononciation;
};

// The head of an entry, the text of its leading <i><small> element with the
// markup already removed: "(fi-é), je fiais ... v. a." or "(mê-zon) s. f.".
EnTeteLittre AnalyserEnTete(const std::string& texte);
