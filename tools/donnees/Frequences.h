#pragma once
// How common each headword is, measured on the Littré's own text: the
// occurrences of the headword and of its inflected forms in the senses and
// examples of the other articles (a form several headwords share is shared
// out between them), plus, for the words the Littré has no
// article of, what the thesaurus and the spelling dictionary say of them.
// Kept in the built data as `frequences.txt`: one line "headword<TAB>figure"
// per distinct headword, Windows-1252, in byte order.
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "data/Article.h"

inline constexpr const char* FICHIER_FREQUENCES = "frequences.txt";

// Empty on failure (missing file, a malformed line).
std::unordered_map<std::string, std::uint32_t> LireFrequences(const std::string& chemin);

// The file's text, sorted by headword bytes.
std::string TexteFrequences(const std::unordered_map<std::string, std::uint32_t>& frequences);

// What the figure is made of beside the Littré's text.
struct SignauxFrequence {
    // form -> the headwords it is a form of, as the inflected-form index has it
    const std::map<std::string, std::vector<std::string>>* index = nullptr;
    // headword -> the other headwords that are among its forms (the index
    // leaves those out: "est" is a headword of its own and a form of "être")
    std::map<std::string, std::vector<std::string>> formesVedettes;
    // word -> how often the thesaurus names it (as a headword's group or a synonym)
    std::unordered_map<std::string, std::uint32_t> citationsThesaurus;
    // words the spelling dictionary knows as lemmas of their own
    std::unordered_set<std::string> lemmesHunspell;
    // form of several headwords -> headword -> how common that reading of the
    // form is in running text (see PoidsLecture)
    std::map<std::string, std::map<std::string, float>> poidsLectures;
};

// The words of a text, lower-cased: letters with the hyphens inside them;
// a hyphenated word also counts its parts ("peut-être", "peut", "être").
// The apostrophe ends a word, and an elided one is counted in full
// ("l'homme": "le", "homme").
std::vector<std::string> MotsDuTexte(const std::string& texte);

// `articles[0, articlesLittre)` are the Littré's; the others were added from
// the other sources. Every distinct headword gets a figure (0 included).
std::unordered_map<std::string, std::uint32_t> CalculerFrequences(const std::vector<Article>& articles,
                                                                  std::size_t articlesLittre,
                                                                  const SignauxFrequence& signaux);

// How the Littré's text uses a word that has a noun reading and another:
// after a determiner ("le bien", "du mal") it is the noun, elsewhere the
// other reading ("très bien", "pas mal"). Counted on the word's own spelling,
// outside its own articles.
struct EmploisLittre {
    std::uint32_t nominaux = 0;
    std::uint32_t autres = 0;
};
std::unordered_map<std::string, EmploisLittre> CompterEmplois(const std::vector<Article>& articles,
                                                              std::size_t articlesLittre,
                                                              const std::unordered_set<std::string>& mots);

// The build report's lines (UTF-8): the `nombre` commonest headwords, then a
// few of the rarest among those that the Littré uses at least once.
std::string TexteBilanFrequences(const std::unordered_map<std::string, std::uint32_t>& frequences,
                                 std::size_t nombre = 30);
