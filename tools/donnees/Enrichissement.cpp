#include "tools/donnees/Enrichissement.h"

#include <algorithm>
#include <set>

#include "tools/donnees/Communes.h"
#include "tools/donnees/Flexions.h"
#include "tools/donnees/Hunspell.h"
#include "tools/donnees/MotsModernes.h"
#include "tools/donnees/MotsSansArticle.h"
#include "tools/donnees/OrdreFormes.h"
#include "tools/donnees/SynonymesParSens.h"
#include "tools/donnees/Thesaurus.h"
#include "tools/donnees/Verbiste.h"

#ifndef VOCALIA_VERSIONS_SOURCES
#define VOCALIA_VERSIONS_SOURCES ""
#endif

namespace {

// Every category word of an article's category: "NOM ET ADJECTIF" gives NOM and ADJECTIF.
std::set<std::string> ClesCategories(const std::string& categorie) {
    std::set<std::string> cles;
    std::string mot;
    for (std::size_t i = 0; i <= categorie.size(); ++i) {
        if (i < categorie.size() && categorie[i] != ' ') {
            mot += categorie[i];
            continue;
        }
        const std::string cle = CleCategorie(mot);
        if (!cle.empty() && cle != "ET" && cle != "OU") cles.insert(cle);
        if (cle == "PARTICIPE") {  // a verb form used as an adjective: the thesaurus files it under either
            cles.insert("ADJECTIF");
            cles.insert("VERBE");
        }
        mot.clear();
    }
    return cles;
}

std::string GenreArticle(const Article& article) {
    std::string genres;
    for (const auto& [cle, valeur] : article.attributs) genres += valeur + " ";
    const bool masculin = genres.find("masculin") != std::string::npos;
    const bool feminin = genres.find("f\xE9minin") != std::string::npos;
    if (masculin == feminin) return "";
    return masculin ? "masculin" : "f\xE9minin";
}

bool GroupeConvient(const GroupeSynonymes& groupe, const std::set<std::string>& cles) {
    for (const std::string& c : groupe.categories)
        if (cles.count(c)) return true;
    return false;
}

// The spelling a word has in the spelling dictionary and the thesaurus when
// the Littré writes it otherwise: "oeil", "coeur", "caecum" there are
// "\x9C" "il", "c\x9C" "ur", "c\xE6" "cum" here. Empty when there is none.
std::string GraphieLiee(const std::string& mot, const TableFlexions& flexions) {
    if (flexions.Connu(mot)) return "";
    std::string lie;
    bool change = false;
    for (std::size_t i = 0; i < mot.size(); ++i) {
        if (i + 1 < mot.size() && (mot[i] == 'o' || mot[i] == 'a') && mot[i + 1] == 'e') {
            lie += mot[i] == 'o' ? '\x9C' : '\xE6';
            ++i;
            change = true;
        } else {
            lie += mot[i];
        }
    }
    return change && flexions.Connu(lie) ? lie : "";
}

struct Contexte {
    std::vector<Article>& articles;
    const TableFlexions& flexions;
    std::set<std::string> vedettes;
    std::map<std::string, std::string> graphies;  // the other spelling -> the headword
    std::map<std::string, std::set<std::string>> formesDesVedettes;  // form -> the headwords it is a form of
    std::map<std::string, std::vector<std::size_t>> parMot;  // headword or its other spelling -> articles
};

// The category a word gets in an added article: the spelling dictionary's
// categories are in order of preference (nouns first); the first the
// thesaurus confirms wins, else the dictionary's first.
std::string CategorieAjout(const std::vector<GroupeSynonymes>& groupes, const std::vector<std::string>& connues) {
    for (const std::string& connue : connues)
        for (const GroupeSynonymes& groupe : groupes)
            for (const std::string& c : groupe.categories)
                if (CleCategorie(connue) == c) return connue;
    return connues.front();
}

bool CategoriePrincipale(const std::string& categorie) {
    return categorie == "NOM" || categorie == "VERBE" || categorie == "ADJECTIF" || categorie == "ADVERBE";
}

void AjouterArticle(Contexte& c, const std::string& mot, const std::string& categorie,
                    const std::vector<GroupeSynonymes>& groupes) {
    const std::string genre = categorie == "NOM" ? c.flexions.GenreNom(mot) : "";
    Article article = ArticleMotModerne(mot, categorie, genre, groupes);
    // A new headword that is a form of others names them; a new category of
    // a headword has its neighbours' articles beside it.
    const auto formeDe = c.formesDesVedettes.find(mot);
    if (formeDe != c.formesDesVedettes.end() && !c.vedettes.count(mot)) {
        std::set<std::string> autres = formeDe->second;
        autres.erase(mot);
        for (Sens& sens : SensVoirAussi(autres)) article.sens.push_back(std::move(sens));
    }
    c.articles.push_back(std::move(article));
    c.vedettes.insert(mot);
}

// Gives each article of a thesaurus headword the groups of its category.
// Groups of a main category the word has in the spelling dictionary but in
// no article of the Littré make an added article of that category (the
// Littré's "ordinateur" is an adjective, "one who orders"; the computer is a
// noun). The other groups that fit no article go to the word's first
// article, unless another of its articles already received groups.
// Returns the number of articles added.
std::size_t AttribuerSynonymes(Contexte& c, const EntreeThesaurus& entree) {
    const auto trouve = c.parMot.find(entree.mot);
    if (trouve == c.parMot.end()) return 0;
    const std::vector<std::size_t> indices = trouve->second;
    std::vector<std::vector<GroupeSynonymes>> recus(indices.size());
    std::vector<GroupeSynonymes> orphelins;
    std::map<std::string, std::vector<GroupeSynonymes>> nouvellesCategories;
    const auto connues = c.flexions.Categories(entree.mot);
    for (const GroupeSynonymes& groupe : entree.groupes) {
        bool place = false;
        for (std::size_t k = 0; k < indices.size(); ++k)
            if (GroupeConvient(groupe, ClesCategories(c.articles[indices[k]].categorie))) {
                recus[k].push_back(groupe);
                place = true;
            }
        if (place) continue;
        std::string nouvelle;
        for (const std::string& connue : connues)
            if (nouvelle.empty() && CategoriePrincipale(connue) &&
                std::find(groupe.categories.begin(), groupe.categories.end(), CleCategorie(connue)) !=
                    groupe.categories.end())
                nouvelle = connue;
        if (nouvelle.empty()) orphelins.push_back(groupe);
        else nouvellesCategories[nouvelle].push_back(groupe);
    }
    bool aucun = true;
    for (const auto& r : recus) aucun &= r.empty();
    if (aucun) recus[0] = orphelins;
    for (std::size_t k = 0; k < indices.size(); ++k) {
        Article& article = c.articles[indices[k]];
        if (!recus[k].empty() && article.synonymes.empty()) article.synonymes = TexteSynonymes(recus[k]);
    }
    // Added under the Littré's spelling, beside the Littré's articles.
    const std::string vedette = c.articles[indices[0]].mot;
    for (const auto& [categorie, groupes] : nouvellesCategories) AjouterArticle(c, vedette, categorie, groupes);
    return nouvellesCategories.size();
}

// A word deserves an article when the Littré lacks it and the spelling
// dictionary knows it as a lemma of a main category: that keeps out
// misspellings, inflected forms, proper names and the thesaurus's
// multi-word phrases. A lemma that is also a form of a headword ("blâme" of
// "blâmer") is a word of its own, unless it is that headword's participle.
bool Candidat(const Contexte& c, const std::string& mot) {
    if (!MotAjoutable(mot) || c.vedettes.count(mot) || c.graphies.count(mot)) return false;
    const auto formeDe = c.formesDesVedettes.find(mot);
    if (formeDe != c.formesDesVedettes.end() && ParticipeDUneVedette(mot, formeDe->second, c.flexions))
        return false;
    if (c.flexions.PlurielSeulement(mot)) return false;
    const auto categories = c.flexions.Categories(mot);
    return !categories.empty() && CategoriePrincipale(categories.front());
}

std::size_t AjouterMotsModernes(Contexte& c, const std::vector<EntreeThesaurus>& thesaurus) {
    const std::size_t avant = c.articles.size();
    std::set<std::string> tetes;
    for (const EntreeThesaurus& entree : thesaurus) {
        tetes.insert(entree.mot);
        if (Candidat(c, entree.mot))
            AjouterArticle(c, entree.mot, CategorieAjout(entree.groupes, c.flexions.Categories(entree.mot)),
                           entree.groupes);
    }
    // Words the thesaurus lists as synonyms of at least two headwords but
    // never describes itself.
    for (const auto& [mot, citants] : SynonymesInverses(thesaurus)) {
        if (citants.size() < 2 || tetes.count(mot) || !Candidat(c, mot)) continue;
        GroupeSynonymes groupe;
        groupe.synonymes = citants;
        AjouterArticle(c, mot, c.flexions.Categories(mot).front(), {groupe});
    }
    return c.articles.size() - avant;
}

// The forms of each headword that are headwords themselves, the thesaurus's
// mentions of each word and the spelling dictionary's lemmas.
void Relever(const Contexte& c, const std::vector<EntreeThesaurus>& thesaurus,
             const std::map<std::string, std::vector<std::string>>& index, SignauxFrequence& signaux) {
    for (const std::string& vedette : c.vedettes) {
        if (!c.flexions.Connu(vedette)) continue;
        signaux.lemmesHunspell.insert(vedette);
        for (const std::string& forme : c.flexions.Formes(vedette))
            if (c.vedettes.count(forme)) signaux.formesVedettes[vedette].push_back(forme);
    }
    for (const EntreeThesaurus& entree : thesaurus)
        signaux.citationsThesaurus[entree.mot] += static_cast<std::uint32_t>(entree.groupes.size());
    // How each headword reads a form it shares with others (its lemma spelt
    // otherwise, "cœur" for "coeur", is left at the default weight).
    for (const auto& [forme, vedettes] : index) {
        if (vedettes.size() < 2) continue;
        for (const std::string& vedette : vedettes) {
            float poids = 0;
            for (const auto& [categorie, lecture] : c.flexions.LecturesDeForme(vedette, forme))
                poids = std::max(poids, PoidsLecture(categorie, lecture));
            if (poids > 0) signaux.poidsLectures[forme][vedette] = poids;
        }
    }
    for (const auto& [mot, citants] : SynonymesInverses(thesaurus))
        signaux.citationsThesaurus[mot] += static_cast<std::uint32_t>(citants.size());
}

// The thesaurus as the enrichment uses it: doubtful groups cut down, long
// groups split by meaning.
std::vector<EntreeThesaurus> ThesaurusParSens(std::vector<EntreeThesaurus> thesaurus, const TableFlexions& flexions) {
    CorrigerGroupesDouteux(thesaurus);
    DecouperParSens(thesaurus, flexions);
    return thesaurus;
}

// The Littré's headwords, their other spellings and the headwords each form belongs to.
void ReleverVedettes(Contexte& c) {
    for (std::size_t i = 0; i < c.articles.size(); ++i) {
        const std::string& mot = c.articles[i].mot;
        c.parMot[mot].push_back(i);
        if (!c.vedettes.insert(mot).second) continue;
        const std::string graphie = GraphieLiee(mot, c.flexions);
        if (!graphie.empty()) c.graphies[graphie] = mot;
    }
    for (const auto& [graphie, vedette] : c.graphies)
        if (!c.parMot.count(graphie)) c.parMot[graphie] = c.parMot[vedette];
    for (const auto& [mot, indices] : c.parMot)
        for (const std::string& forme : c.flexions.Formes(mot))
            c.formesDesVedettes[forme].insert(c.articles[indices.front()].mot);
}

void AjouterMotsSansDefinition(Contexte& c, const DictionnaireHunspell& hunspell,
                               const std::vector<EntreeThesaurus>& thesaurus, BilanEnrichissement& bilan) {
    AjoutsMotsSansArticle ajouts = ArticlesMotsSansArticle(hunspell, c.flexions, thesaurus, c.articles, c.graphies);
    for (Article& ajout : ajouts.articles) {
        c.vedettes.insert(ajout.mot);
        c.articles.push_back(std::move(ajout));
    }
    c.graphies.insert(ajouts.variantes.begin(), ajouts.variantes.end());
    bilan.motsSansDefinition = ajouts.articles.size();
    bilan.variantes = ajouts.variantes.size();
    bilan.articlesAjoutes += bilan.motsSansDefinition;
}

std::size_t MotsAvecSynonymes(const std::vector<Article>& articles) {
    std::set<std::string> mots;
    for (const Article& article : articles)
        if (!article.synonymes.empty()) mots.insert(article.mot);
    return mots.size();
}

// An article written under an old spelling ("coeur") shows its forms in that spelling.
void DonnerFlexions(std::vector<Article>& articles, const TableFlexions& flexions) {
    for (Article& article : articles) {
        if (!article.flexions.empty()) continue;
        const std::string graphie = GraphieLiee(article.mot, flexions);
        article.flexions = graphie.empty()
                               ? flexions.Texte(article.mot, article.categorie, GenreArticle(article))
                               : SansLigatures(flexions.Texte(graphie, article.categorie, GenreArticle(article)));
    }
}

std::size_t AjouterCommunes(Contexte& c, const std::vector<Article>& communes) {
    for (const Article& commune : communes) {
        c.vedettes.insert(commune.mot);
        c.articles.push_back(commune);
    }
    return communes.size();
}

std::string Versions(const std::string& versionCommunes) {
    std::string versions = VOCALIA_VERSIONS_SOURCES;
    if (!versionCommunes.empty())
        versions += (versions.empty() ? "" : ", ") + std::string("communes ") + versionCommunes;
    return versions;
}

}  // namespace

TableFlexions FlexionsDesSources(const DictionnaireHunspell* hunspell, const std::vector<FormesVerbe>& verbes) {
    TableFlexions flexions;
    if (hunspell != nullptr) flexions.AjouterHunspell(*hunspell);
    flexions.AjouterPlurielsIrreguliers();
    if (!verbes.empty()) flexions.AjouterVerbiste(verbes);
    flexions.IndexerParticipes();
    return flexions;
}

BilanEnrichissement Enrichir(std::vector<Article>& articles,
                             std::map<std::string, std::vector<std::string>>& indexFlexions,
                             const LuEnrichissement& sources, SignauxFrequence* signaux) {
    BilanEnrichissement bilan;
    const TableFlexions& flexions = sources.flexions;
    const std::vector<EntreeThesaurus> thesaurus = ThesaurusParSens(sources.thesaurus, flexions);
    Contexte contexte{articles, flexions, {}, {}, {}, {}};
    ReleverVedettes(contexte);
    for (const EntreeThesaurus& entree : thesaurus) bilan.articlesAjoutes += AttribuerSynonymes(contexte, entree);
    bilan.articlesAjoutes += AjouterMotsModernes(contexte, thesaurus);
    AjouterMotsSansDefinition(contexte, sources.hunspell, thesaurus, bilan);
    bilan.motsAvecSynonymes = MotsAvecSynonymes(articles);
    DonnerFlexions(articles, flexions);
    bilan.communes = AjouterCommunes(contexte, sources.communes);

    const std::size_t avant = indexFlexions.size();
    flexions.Indexer(contexte.vedettes, indexFlexions, contexte.graphies);
    bilan.formesIndexees = indexFlexions.size() - avant;
    if (signaux != nullptr) Relever(contexte, thesaurus, indexFlexions, *signaux);
    bilan.versions = Versions(sources.versionCommunes);
    return bilan;
}
