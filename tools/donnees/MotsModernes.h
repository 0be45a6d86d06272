#pragma once
// Articles for words the Littré lacks but the thesaurus or the spelling
// dictionary know (ordinateur, logiciel, courriel ...): their category,
// their synonyms, and one sense that says only synonyms are known.
#include <set>
#include <string>
#include <vector>

#include "data/Article.h"
#include "tools/donnees/Thesaurus.h"

class TableFlexions;

// The attribute key the Littré articles give a noun's gender under.
inline constexpr const char* CleGenre = "1genre";
inline constexpr std::size_t SynonymesDansLeSens = 3;
// The start of that one sense; the synonyms it names follow.
extern const char* const DebutSensSynonymesSeuls;

// `genre` is put in the attributes when not empty. The sense lists the first
// synonyms of the first group.
Article ArticleMotModerne(const std::string& mot, const std::string& categorie, const std::string& genre,
                          const std::vector<GroupeSynonymes>& groupes);

// The last sense of an added article whose word is also a form of other
// headwords: "Voir aussi : bl\xE2mer." Empty `vedettes`: no sense.
std::vector<Sens> SensVoirAussi(const std::set<std::string>& vedettes);

// A lemma that is also a participle of a headword it is a form of ("fini"
// of "finir", "gagnant" of "gagner") gets no article of its own while the
// Littr\xE9 has none: it keeps leading to its verb, whose article says more.
bool ParticipeDUneVedette(const std::string& mot, const std::set<std::string>& vedettes,
                          const TableFlexions& flexions);

// True for a word that may head an added article: a lower-case letter first
// (no proper names, numbers or abbreviations), one word (hyphens allowed),
// no digits.
bool MotAjoutable(const std::string& mot);
