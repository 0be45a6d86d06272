#pragma once
// The inflected forms of every word the hunspell dictionary knows, grouped by
// lemma and category: the source of the articles' inflection texts and of
// the inflected-form index. Text is Windows-1252.
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

class DictionnaireHunspell;
struct FormesVerbe;

struct FormeFlechie {
    std::string forme;
    std::vector<std::string> temps;      // hunspell tense tags: "ipre", "ipsi", "ppas" ...
    std::vector<std::string> personnes;  // "1sg" ... "3pl"
    bool masculin = true, feminin = true;     // both when the form is epicene or says nothing
    bool singulier = true, pluriel = true;    // both when invariable or unsaid
};

class TableFlexions {
public:
    // Every entry of the dictionary with its suffixed forms. The lemma of an
    // entry is its "st:" field when it has one, else the entry itself.
    void AjouterHunspell(const DictionnaireHunspell& dictionnaire);
    // verbiste's conjugations: every person of every simple tense. They come
    // before the spelling dictionary's forms of the same verb, so the texts
    // show them; the index keeps the forms of both.
    void AjouterVerbiste(const std::vector<FormesVerbe>& verbes);
    // The plurals no affix rule produces (yeux, cieux ...), attached to their singulars.
    void AjouterPlurielsIrreguliers();
    void AjouterForme(const std::string& lemme, const std::string& categorie, FormeFlechie forme);
    // After the last addition: which verb each past participle belongs to,
    // for the Littré's "PARTICIPE PASS\xC9" articles.
    void IndexerParticipes();

    // "NOM", "ADJECTIF", "VERBE" ... the lemma is known with, in a fixed order
    // of preference (nouns, verbs, adjectives, adverbs, then the others).
    std::vector<std::string> Categories(const std::string& lemme) const;
    bool Connu(const std::string& lemme) const { return lemmes_.count(lemme) != 0; }

    // The inflection text of an article: `categorieArticle` as the dictionary
    // writes it ("NOM", "VERBE", "ADJECTIF" ..., first word decides);
    // `genre` "masculin", "f\xE9minin" or empty restricts a noun's forms.
    // Empty when the lemma has no other form in that category.
    std::string Texte(const std::string& lemme, const std::string& categorieArticle,
                      const std::string& genre) const;

    // Adds, for every lemma that is in `vedettes` (or that `graphies` maps to
    // a headword spelt otherwise, "\x9C" "il" -> "oeil"), each of its forms that
    // is not itself in `vedettes`: form -> headwords, without repeats.
    void Indexer(const std::set<std::string>& vedettes,
                 std::map<std::string, std::vector<std::string>>& index,
                 const std::map<std::string, std::string>& graphies = {}) const;

    // True when every form spelt like the word is a plural: "yeux", "cieux"
    // are words of the dictionary but no lemmas.
    bool PlurielSeulement(const std::string& mot) const;

    // "masculin" or "f\xE9minin" when the lemma as a noun has that gender
    // only; empty for nouns of both genders and for unknown words.
    std::string GenreNom(const std::string& lemme) const;

    // The forms of a lemma that are not the lemma itself, every category.
    std::set<std::string> Formes(const std::string& lemme) const;

    // True when `forme` is a past or present participle of `verbe` (after IndexerParticipes).
    bool ParticipeDe(const std::string& forme, const std::string& verbe) const;
    // What `forme` is among the forms of `lemme`: one (category, form) per reading.
    std::vector<std::pair<std::string, FormeFlechie>> LecturesDeForme(const std::string& lemme,
                                                                      const std::string& forme) const;

private:
    // lemma -> category -> forms
    std::map<std::string, std::map<std::string, std::vector<FormeFlechie>>> lemmes_;
    std::string TexteParticipe(const std::string& participe) const;
    std::map<std::string, std::string> participes_;  // masculine singular past participle -> its verb
    std::map<std::string, std::set<std::string>> verbesDesParticipes_;  // any participle -> its verbs
    std::set<std::string> hAspires_;  // verbs that take "je", never "j'" (haïr, hacher)
};

// "NOM" for "Nom", "nom", "NOM MASCULIN", "po:nom" values...: the category
// key this builder compares, upper case without accents; empty when unknown.
std::string CleCategorie(const std::string& categorie);

// "\x9C" and "\xE6" written as two letters, as the Littré writes them.
std::string SansLigatures(const std::string& texte);

// Appends `mot` unless the list holds it already: lists keep their first order.
void AjouterSansDoublon(std::vector<std::string>& liste, const std::string& mot);
