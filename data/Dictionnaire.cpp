#include "data/Dictionnaire.h"

#include <algorithm>
#include <cstdint>

#include "data/ClesDonnees.h"
#include "data/EnregistrementArticle.h"
#include "data/FluxBalise.h"
#include "data/IndexFlexions.h"
#include "data/PleinTexte.h"
#include "data/Ressources.h"
#include "text/OrdreFrancais.h"
#include "text/Trace.h"
#include "text/Transformations.h"

namespace {

constexpr float VERSION_FORMAT = 1.0f;
// A fixture's payload is small: compressing it hard would only slow the tests.
constexpr int NIVEAU_COMPRESSION_RAPIDE = 1;

bool LireEntete(FluxBaliseLecteur& flux, std::string& etiquette, std::int32_t& nombre) {
    float version = 0, inutilise = 0;
    if (!flux.LireReel(version) || version != VERSION_FORMAT) return false;
    return flux.LireReel(inutilise) && flux.LireChaine(etiquette) && flux.LireEntier(nombre) &&
           nombre >= 0;
}

std::optional<std::string> PremierLemme(IndexFlexions& flexions, const std::string& forme) {
    std::optional<std::vector<std::string>> lemmes = flexions.Lemmes(forme);
    if (!lemmes || lemmes->empty()) return std::nullopt;
    return lemmes->front();
}

}  // namespace

bool DictionnairePrincipal::Ouvrir(const unsigned char* octets, std::size_t taille) {
    Vider();
    ConteneurUnites conteneur;
    if (!conteneur.Ouvrir(octets, taille) || conteneur.NombreUnites() == 0) return false;
    std::string cle = CleDictionnaire(), iv = IvDictionnaire();
    IndexTitres index;
    if (!index.Lire(conteneur, cle, iv)) return false;
    conteneur_ = conteneur;
    index_ = std::move(index);
    cle_ = std::move(cle);
    iv_ = std::move(iv);
    return true;
}

bool DictionnairePrincipal::OuvrirCopie(std::vector<unsigned char> octets) {
    Vider();
    copie_ = std::move(octets);
    if (Ouvrir(copie_.data(), copie_.size())) return true;
    std::vector<unsigned char>().swap(copie_);
    return false;
}

void DictionnairePrincipal::Vider() {
    // The label stays until a sound index brings another one.
    index_.Vider();
    conteneur_ = ConteneurUnites();
    std::lock_guard<std::mutex> garde(verrou_);
    cache_.Vider();
}

std::size_t DictionnairePrincipal::BlocsEnCache() const {
    std::lock_guard<std::mutex> garde(verrou_);
    return cache_.Taille();
}

std::size_t DictionnairePrincipal::BlocDe(std::size_t article) const {
    const std::vector<std::uint32_t>& premiers = index_.Premiers();
    const auto apres = std::upper_bound(premiers.begin(), premiers.end(), std::uint32_t(article));
    return std::size_t(apres - premiers.begin()) - 1;
}

std::size_t DictionnairePrincipal::FinDuBloc(std::size_t bloc) const {
    return bloc + 1 < NombreBlocs() ? index_.Premiers()[bloc + 1] : NombreArticles();
}

bool DictionnairePrincipal::InflaterBloc(std::size_t bloc, std::vector<unsigned char>& texte,
                                        std::vector<unsigned char>* reste) const {
    return conteneur_.LireUnite(UniteTexteBloc(bloc), cle_, iv_.c_str(), texte) &&
           (reste == nullptr || conteneur_.LireUnite(UniteResteBloc(bloc, NombreBlocs()), cle_, iv_.c_str(), *reste));
}

void DictionnairePrincipal::LireBloc(std::size_t bloc, const std::vector<unsigned char>& texte,
                                     const std::vector<unsigned char>& reste, std::vector<Article>& articles) const {
    // A bad record ends the block as it ended the whole payload before: the
    // articles before it stay usable.
    const std::size_t premier = index_.Premiers()[bloc];
    LireBlocArticles(texte, reste, FinDuBloc(bloc) - premier, articles);
    // Headwords that disagree with the index would break its order.
    for (std::size_t i = 0; i < articles.size(); ++i)
        if (articles[i].mot != index_.Titre(premier + i)) {
            articles.resize(i);
            break;
        }
}

BlocArticles DictionnairePrincipal::Bloc(std::size_t bloc) const {
    {
        std::lock_guard<std::mutex> garde(verrou_);
        if (BlocArticles enCache = cache_.Trouver(bloc)) return enCache;
    }
    auto articles = std::make_shared<std::vector<Article>>();
    std::vector<unsigned char> texte, reste;
    // A damaged block is refused whole: none of its articles is found.
    if (InflaterBloc(bloc, texte, &reste)) LireBloc(bloc, texte, reste, *articles);
    std::lock_guard<std::mutex> garde(verrou_);
    cache_.Garder(bloc, articles);
    return articles;
}

void DictionnairePrincipal::AjouterArticle(std::size_t i, std::vector<Article>& articles) const {
    const std::size_t bloc = BlocDe(i);
    const BlocArticles lus = Bloc(bloc);
    const std::size_t rang = i - index_.Premiers()[bloc];
    if (rang < lus->size()) articles.push_back((*lus)[rang]);
}

PositionMot DictionnairePrincipal::ChercherPosition(const std::string& mot) const {
    PositionMot position;
    const std::size_t nombre = NombreArticles();
    if (mot.empty() || nombre == 0) return position;
    const int dernier = int(nombre) - 1;
    const char* cherche = mot.c_str();
    auto trouve = [&position](int index) {
        position.trouve = true;
        position.index = index;
        return position;
    };
    if (MotsEgaux(cherche, index_.C(0))) return trouve(0);
    if (MotsEgaux(cherche, index_.C(std::size_t(dernier)))) return trouve(dernier);
    if (MotSuperieur(index_.C(0), cherche)) {
        position.insertion = 0;
        return position;
    }
    if (MotSuperieur(cherche, index_.C(std::size_t(dernier)))) {
        position.apresDernier = dernier;
        return position;
    }
    int bas = 0, haut = dernier;
    while (haut - bas > 1) {
        const int milieu = (bas + haut) / 2;
        const char* titre = index_.C(std::size_t(milieu));
        if (MotsEgaux(cherche, titre)) return trouve(milieu);
        if (MotSuperieur(titre, cherche))
            haut = milieu;
        else
            bas = milieu;
    }
    position.insertion = haut;
    return position;
}

std::vector<Article> DictionnairePrincipal::TrouverArticles(const std::string& mot) const {
    std::vector<Article> resultat;
    const PositionMot position = ChercherPosition(mot);
    if (!position.trouve) return resultat;
    std::size_t debut = std::size_t(position.index);
    // The search may land on any article of a run of equal headwords.
    while (debut > 0 && index_.Titre(debut - 1) == index_.Titre(debut)) --debut;
    for (std::size_t i = debut; i < NombreArticles() && index_.Titre(i) == mot; ++i) AjouterArticle(i, resultat);
    return resultat;
}

std::vector<Article> DictionnairePrincipal::TrouverArticlesSequentiel(const std::string& mot) const {
    std::vector<Article> resultat;
    for (std::size_t i = 0; i < NombreArticles(); ++i)
        if (index_.Titre(i) == mot) AjouterArticle(i, resultat);
    return resultat;
}

std::vector<std::string> DictionnairePrincipal::Titres() const {
    std::vector<std::string> titres;
    titres.reserve(NombreArticles());
    for (std::size_t i = 0; i < NombreArticles(); ++i) titres.emplace_back(index_.Titre(i));
    return titres;
}

FenetreListe DictionnairePrincipal::FenetreMots(const std::string& mot, int apres, int avant) const {
    FenetreListe fenetre;
    const PositionMot position = ChercherPosition(mot);
    int centre = -1;
    if (position.trouve)
        centre = position.index;
    else if (position.apresDernier >= 0)
        centre = position.apresDernier;
    else
        return fenetre;
    const long premier = std::max(0L, long(centre) - 3L * std::max(avant, 0));
    const long dernier = std::min(long(NombreArticles()) - 1, long(centre) + 3L * std::max(apres, 0));
    int selection = -1;
    for (long i = premier; i <= dernier; ++i) {
        const std::string_view titre = index_.Titre(std::size_t(i));
        if (!fenetre.mots.empty() && fenetre.mots.back() == titre) continue;
        if (selection < 0 && titre == mot) selection = int(fenetre.mots.size());
        fenetre.mots.emplace_back(titre);
    }
    if (position.trouve) {
        fenetre.selection = std::max(selection, 0);
    } else {
        // Just above the end of the list, kept inside it when runs of equal
        // headwords made the list shorter than the records walked.
        const long parcourus = dernier - premier + 1;
        const long bas = std::max(parcourus - 2, 0L);
        fenetre.selection = int(std::min(bas, long(fenetre.mots.size()) - 1));
    }
    return fenetre;
}

std::vector<std::string> DictionnairePrincipal::RechercherPleinTexte(const std::string& mot, bool dansExemples) const {
    const std::vector<CorrespondancePleinTexte> trouves = ChercherDansBlocs(
        NombreBlocs(),
        [this](std::size_t bloc, std::vector<unsigned char>& texte, std::vector<unsigned char>* reste) {
            return InflaterBloc(bloc, texte, reste);
        },
        [this](std::size_t bloc) {
            const std::size_t premier = index_.Premiers()[bloc];
            return EtendueBloc{premier, FinDuBloc(bloc) - premier};
        },
        [this](std::size_t article) { return index_.Titre(article); }, mot, dansExemples);
    std::vector<std::string> mots;
    mots.reserve(trouves.size());
    // The trace lines come in article order, whatever core found them.
    for (const CorrespondancePleinTexte& trouve : trouves) {
        if (!trouve.definition.empty()) Trace("SENS: [%s]\n", trouve.definition.c_str());
        mots.push_back(trouve.mot);
    }
    return mots;
}

std::vector<Article> DictionnairePrincipal::TousLesArticles() const {
    std::vector<Article> articles;
    articles.reserve(NombreArticles());
    std::vector<unsigned char> texte, reste;
    std::vector<Article> bloc;
    for (std::size_t b = 0; b < NombreBlocs(); ++b) {
        if (!InflaterBloc(b, texte, &reste)) continue;
        LireBloc(b, texte, reste, bloc);
        std::move(bloc.begin(), bloc.end(), std::back_inserter(articles));
    }
    return articles;
}

DictionnairePrincipal& DictionnaireCourant() {
    static DictionnairePrincipal dictionnaire;
    return dictionnaire;
}

bool ChargerDictionnaire() { return ChargerDictionnaire(DictionnaireCourant()); }

bool ChargerDictionnaire(DictionnairePrincipal& dictionnaire) {
    const unsigned char* octets = nullptr;
    std::size_t taille = 0;
    if (!LireRessourceEnPlace(RESSOURCE_DICTIONNAIRE, octets, taille)) {
        dictionnaire.Vider();
        return false;
    }
    return dictionnaire.Ouvrir(octets, taille);
}

bool ChargerDictionnaireDepuis(const unsigned char* octets, std::size_t taille) {
    return ChargerDictionnaireDepuis(DictionnaireCourant(), octets, taille);
}

bool ChargerDictionnaireDepuis(DictionnairePrincipal& dictionnaire, const unsigned char* octets,
                               std::size_t taille) {
    dictionnaire.Vider();
    FluxBaliseLecteur flux(octets, taille);
    std::string etiquette;
    std::int32_t nombre = 0;
    if (octets == nullptr || !LireEntete(flux, etiquette, nombre)) return false;
    std::vector<Article> articles;
    bool complet = true;
    for (std::int32_t i = 0; i < nombre && complet; ++i) {
        Article article;
        complet = LireArticle(flux, article);  // the articles before a bad one stay
        if (complet) articles.push_back(std::move(article));
    }
    dictionnaire.OuvrirCopie(
        EmballerDictionnaire(etiquette, articles, TAILLE_BLOC_DICTIONNAIRE, NIVEAU_COMPRESSION_RAPIDE));
    return complet;
}

const std::string& EtiquetteDonnees() { return DictionnaireCourant().Etiquette(); }
std::size_t NombreArticles() { return DictionnaireCourant().NombreArticles(); }
std::vector<std::string> TitresDictionnaire() { return DictionnaireCourant().Titres(); }
std::vector<Article> TousLesArticles() { return DictionnaireCourant().TousLesArticles(); }

PositionMot ChercherPosition(const std::string& mot) { return DictionnaireCourant().ChercherPosition(mot); }
std::vector<Article> TrouverArticles(const std::string& mot) { return DictionnaireCourant().TrouverArticles(mot); }
std::vector<Article> TrouverArticlesSequentiel(const std::string& mot) {
    return DictionnaireCourant().TrouverArticlesSequentiel(mot);
}
FenetreListe FenetreMots(const std::string& mot, int apres, int avant) {
    return DictionnaireCourant().FenetreMots(mot, apres, avant);
}

std::optional<std::string> ResoudreMot(const std::string& mot) {
    return ResoudreMot(DictionnaireCourant(), IndexFlexions::ParDefaut(), mot);
}

std::optional<std::string> ResoudreMot(const DictionnairePrincipal& dictionnaire, IndexFlexions& flexions,
                                       const std::string& mot) {
    if (!dictionnaire.TrouverArticles(mot).empty() || !dictionnaire.TrouverArticlesSequentiel(mot).empty())
        return mot;
    if (std::optional<std::string> lemme = PremierLemme(flexions, mot)) return lemme;
    if (!mot.empty() && EstCapitalise(mot)) {
        const std::string minuscule = Minuscules(mot);
        if (!dictionnaire.TrouverArticles(minuscule).empty()) return minuscule;
        return PremierLemme(flexions, minuscule);
    }
    return std::nullopt;
}

std::vector<std::string> RechercherPleinTexte(const std::string& mot, bool dansExemples) {
    return DictionnaireCourant().RechercherPleinTexte(mot, dansExemples);
}

std::vector<unsigned char> EcrireDictionnaire(const std::string& etiquette,
                                              const std::vector<Article>& articles) {
    FluxBaliseEcrivain flux;
    flux.EcrireReel(VERSION_FORMAT);
    flux.EcrireReel(0.0f);
    flux.EcrireChaine(etiquette);
    flux.EcrireEntier(std::int32_t(articles.size()));
    for (const Article& article : articles) EcrireArticle(flux, article);
    return flux.Prendre();
}
