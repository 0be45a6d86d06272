#pragma once
// The main dictionary: the headword index of PWJTHSYUHEKE, read at start, and
// its blocks of articles in French order, inflated only when a lookup touches
// them and kept in a small cache. The free functions work on the process-wide
// dictionary.
#include <cstddef>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/Article.h"
#include "data/BlocsDictionnaire.h"
#include "data/CacheBlocs.h"
#include "data/ConteneurUnites.h"

inline constexpr const char* RESSOURCE_DICTIONNAIRE = "PWJTHSYUHEKE";
// Enough for the window's lookups (a word, its neighbours, the history) to
// find their blocks again; about 1.5 MB of articles.
inline constexpr std::size_t BLOCS_EN_CACHE = 8;

struct PositionMot {
    bool trouve = false;
    int index = -1;
    int apresDernier = -1;
    int insertion = -1;
};

struct FenetreListe {
    std::vector<std::string> mots;
    int selection = 0;
};

class DictionnairePrincipal {
public:
    explicit DictionnairePrincipal(std::size_t blocsEnCache = BLOCS_EN_CACHE) : cache_(blocsEnCache) {}
    DictionnairePrincipal(const DictionnairePrincipal&) = delete;
    DictionnairePrincipal& operator=(const DictionnairePrincipal&) = delete;

    // A payload of blocks, read in place: the bytes must outlive the object.
    // False (and no article) when its layout or its index is unsound; the
    // data label is replaced only by a sound index.
    bool Ouvrir(const unsigned char* octets, std::size_t taille);
    // The same, keeping its own copy of the bytes.
    bool OuvrirCopie(std::vector<unsigned char> octets);
    void Vider();

    std::size_t NombreArticles() const { return index_.Nombre(); }
    // Headword `i` (< NombreArticles()), read where it lies.
    std::string_view Titre(std::size_t i) const { return index_.Titre(i); }
    // A copy of every headword, in article order.
    std::vector<std::string> Titres() const;
    const std::string& Etiquette() const { return index_.Etiquette(); }
    std::size_t NombreBlocs() const { return index_.Premiers().size(); }
    std::size_t BlocsEnCache() const;

    PositionMot ChercherPosition(const std::string& mot) const;
    std::vector<Article> TrouverArticles(const std::string& mot) const;
    std::vector<Article> TrouverArticlesSequentiel(const std::string& mot) const;
    FenetreListe FenetreMots(const std::string& mot, int apres = 30, int avant = 20) const;
    std::vector<std::string> RechercherPleinTexte(const std::string& mot, bool dansExemples) const;
    // Every article, block after block (the data builder's audits); the
    // articles of a damaged block are missing.
    std::vector<Article> TousLesArticles() const;

private:
    std::size_t BlocDe(std::size_t article) const;
    std::size_t FinDuBloc(std::size_t bloc) const;
    // Thread-safe, without the cache: the block's text, and its rest when `reste` is given.
    bool InflaterBloc(std::size_t bloc, std::vector<unsigned char>& texte, std::vector<unsigned char>* reste) const;
    void LireBloc(std::size_t bloc, const std::vector<unsigned char>& texte, const std::vector<unsigned char>& reste,
                  std::vector<Article>& articles) const;
    BlocArticles Bloc(std::size_t bloc) const;
    // Appends article `i` when its block could be read.
    void AjouterArticle(std::size_t i, std::vector<Article>& articles) const;

    std::vector<unsigned char> copie_;
    ConteneurUnites conteneur_;
    IndexTitres index_;
    std::string cle_, iv_;
    mutable std::mutex verrou_;  // the cache
    mutable CacheBlocs cache_;
};

DictionnairePrincipal& DictionnaireCourant();

bool ChargerDictionnaire();
// Parses a flat payload already deciphered and inflated: real 1.0, real, data
// label, article count, the records (tests, fixtures, the script driver).
// The articles read before a bad record stay; true when it was read whole.
bool ChargerDictionnaireDepuis(const unsigned char* octets, std::size_t taille);
// The same two loads into a dictionary of the caller's.
bool ChargerDictionnaire(DictionnairePrincipal& dictionnaire);
bool ChargerDictionnaireDepuis(DictionnairePrincipal& dictionnaire, const unsigned char* octets,
                               std::size_t taille);
const std::string& EtiquetteDonnees();  // the data label, "" until a load read it
std::size_t NombreArticles();
std::vector<std::string> TitresDictionnaire();  // one headword per article, in order (a copy)
std::vector<Article> TousLesArticles();

PositionMot ChercherPosition(const std::string& mot);
std::vector<Article> TrouverArticles(const std::string& mot);
std::vector<Article> TrouverArticlesSequentiel(const std::string& mot);

// The headwords from 3 x `avant` records before the word to 3 x `apres` after
// it, one line per run of equal headwords. A word after the last headword is
// centred on the last record; any other missing word gives an empty list.
FenetreListe FenetreMots(const std::string& mot, int apres = 30, int avant = 20);

std::optional<std::string> ResoudreMot(const std::string& mot);
class IndexFlexions;
// The same on a dictionary and an inflected-form index of the caller's.
std::optional<std::string> ResoudreMot(const DictionnairePrincipal& dictionnaire, IndexFlexions& flexions,
                                       const std::string& mot);
// Headwords of the articles whose definitions (and examples, when asked)
// contain `mot` byte for byte; one "SENS: [...]" trace line per article matched
// by a definition. An empty `mot` matches nothing.
std::vector<std::string> RechercherPleinTexte(const std::string& mot, bool dansExemples);

// The flat payload writer, for fixtures (see ChargerDictionnaireDepuis); the
// data builder writes blocks (EmballerDictionnaire).
std::vector<unsigned char> EcrireDictionnaire(const std::string& etiquette,
                                              const std::vector<Article>& articles);
