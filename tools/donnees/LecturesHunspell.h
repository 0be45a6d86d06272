#pragma once
// What the spelling dictionary says a word can be: its categories and, for
// a noun, its genders. The Littré's category lines are checked against it,
// homographs are ordered by it, and articles the Littré leaves without a
// category take theirs from it. Windows-1252.
#include <map>
#include <set>
#include <string>
#include <vector>

class DictionnaireHunspell;

// The categories this builder compares, whatever the source calls them.
inline constexpr const char* CAT_NOM = "NOM";
inline constexpr const char* CAT_ADJECTIF = "ADJECTIF";
inline constexpr const char* CAT_VERBE = "VERBE";
inline constexpr const char* CAT_PARTICIPE = "PARTICIPE";
inline constexpr const char* CAT_ADVERBE = "ADVERBE";
inline constexpr const char* CAT_PRONOM = "PRONOM";
inline constexpr const char* CAT_DETERMINANT = "D\xC9TERMINANT";
inline constexpr const char* CAT_PREPOSITION = "PR\xC9POSITION";
inline constexpr const char* CAT_CONJONCTION = "CONJONCTION";
inline constexpr const char* CAT_INTERJECTION = "INTERJECTION";
inline constexpr const char* CAT_NOM_PROPRE = "NOM PROPRE";
inline constexpr const char* CAT_AFFIXE = "AFFIXE";

struct LectureHunspell {
    std::vector<std::string> categories;  // in the dictionary's order, no repeats
    bool masculin = false, feminin = false;  // a noun's genders (both: either gender)
    bool lemme = false;         // an entry of its own, not only a form of another word ("la" of "le")
    bool grammatical = false;   // "po:mg": a closed-class word the dictionary describes with care
    std::set<std::string> grammaticales;  // the categories of its "po:mg" entries
    // Its verb entries: pronominal only ("fier" v1____p_e_, "se fier") or not.
    bool verbePronominal = false, verbeAutre = false;
    bool PronominalSeulement() const { return verbePronominal && !verbeAutre; }
};

class LecturesHunspell {
public:
    // Every entry, whether its own lemma or a form of another word ("la"
    // st:le, "yeux" st:œil), and the past and present participles of every verb.
    void Ajouter(const DictionnaireHunspell& dictionnaire);
    // One reading by hand (tests): "po:" values as the .dic writes them.
    void AjouterEntree(const std::string& mot, const std::string& morphologie);

    // Null when the spelling dictionary does not know the word as a lemma.
    const LectureHunspell* Lecture(const std::string& mot) const;
    const std::map<std::string, LectureHunspell>& Toutes() const { return lectures_; }

private:
    std::map<std::string, LectureHunspell> lectures_;
};

// The compared categories of one "po:" value ("nom", "v1_it___zz", "detdem"):
// none for tags that are no category ("mg", "3pe").
std::vector<std::string> CategoriesDePo(const std::string& po);

// The compared categories an article's category line names: "NOM ET
// ADJECTIF" gives NOM and ADJECTIF, "LOCUTION ADVERBIALE" ADVERBE, "ARTICLE"
// DÉTERMINANT. A bare "LOCUTION" gives none.
std::set<std::string> CategoriesComparees(const std::string& categorie);

// True when some category of the article is one of the readings: the
// traditional grammar's "adjectif" covers today's determiners, and a
// participle is an adjective as well.
bool CategoriesConcordent(const std::set<std::string>& article, const LectureHunspell& lecture);

// The category line an article without one takes from the spelling
// dictionary: "NOM", "ADVERBE", "PRONOM" ... (the first of the readings).
std::string CategorieDeLecture(const LectureHunspell& lecture);
