#include "data/Dictionnaire.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "data/ClesDonnees.h"
#include "data/EnregistrementArticle.h"
#include "data/FluxBalise.h"
#include "data/IndexFlexions.h"
#include "data/Ressources.h"
#include "text/OrdreFrancais.h"
#include "text/Trace.h"
#include "text/Transformations.h"

namespace {

constexpr std::size_t ARTICLES_RESERVES = 200000;
constexpr float VERSION_FORMAT = 1.0f;

std::vector<Article>& Articles() {
    static std::vector<Article> articles;
    return articles;
}

std::string& Etiquette() {
    static std::string etiquette;
    return etiquette;
}

bool LireEntete(FluxBaliseLecteur& flux, std::string& etiquette, std::int32_t& nombre) {
    float version = 0, inutilise = 0;
    if (!flux.LireReel(version) || version != VERSION_FORMAT) return false;
    return flux.LireReel(inutilise) && flux.LireChaine(etiquette) && flux.LireEntier(nombre) &&
           nombre >= 0;
}

bool Contient(const std::string& texte, const std::string& motif) {
    return memmem(texte.data(), texte.size(), motif.data(), motif.size()) != nullptr;
}

bool ExempleContient(const Sens& sens, const std::string& mot) {
    return std::any_of(sens.exemples.begin(), sens.exemples.end(),
                       [&](const std::string& exemple) { return Contient(exemple, mot); });
}

// The definition is tested first, and only its match is traced.
bool ArticleContient(const Article& article, const std::string& mot, bool dansExemples) {
    for (const Sens& sens : article.sens) {
        if (Contient(sens.definition, mot)) {
            Trace("SENS: [%s]\n", sens.definition.c_str());
            return true;
        }
        if (dansExemples && ExempleContient(sens, mot)) return true;
    }
    return false;
}

std::optional<std::string> PremierLemme(const std::string& forme) {
    std::optional<std::vector<std::string>> lemmes = Lemmes(forme);
    if (!lemmes || lemmes->empty()) return std::nullopt;
    return lemmes->front();
}

}  // namespace

bool ChargerDictionnaire() {
    BlocOctets charge = ChargerDonnees(RESSOURCE_DICTIONNAIRE, true, true, CleDictionnaire(),
                                       IvDictionnaire().c_str());
    if (charge.Vide()) {
        Articles().clear();
        return false;
    }
    const bool complet = ChargerDictionnaireDepuis(charge.Donnees(), charge.Taille());
    charge.Liberer();
    return complet;
}

bool ChargerDictionnaireDepuis(const unsigned char* octets, std::size_t taille) {
    std::vector<Article>& articles = Articles();
    articles.clear();
    articles.reserve(ARTICLES_RESERVES);
    FluxBaliseLecteur flux(octets, taille);
    std::string etiquette;
    std::int32_t nombre = 0;
    if (!LireEntete(flux, etiquette, nombre)) return false;
    Etiquette() = std::move(etiquette);
    for (std::int32_t i = 0; i < nombre; ++i) {
        Article article;
        if (!LireArticle(flux, article)) return false;  // the articles before it stay
        articles.push_back(std::move(article));
    }
    return true;
}

const std::vector<Article>& ArticlesDictionnaire() { return Articles(); }

const std::string& EtiquetteDonnees() { return Etiquette(); }

PositionMot ChercherPosition(const std::string& mot) {
    const std::vector<Article>& articles = Articles();
    PositionMot position;
    if (mot.empty() || articles.empty()) return position;
    const int dernier = int(articles.size()) - 1;
    auto trouve = [&position](int index) {
        position.trouve = true;
        position.index = index;
        return position;
    };
    if (MotsEgaux(mot, articles.front().mot)) return trouve(0);
    if (MotsEgaux(mot, articles.back().mot)) return trouve(dernier);
    if (MotSuperieur(articles.front().mot, mot)) {
        position.insertion = 0;
        return position;
    }
    if (MotSuperieur(mot, articles.back().mot)) {
        position.apresDernier = dernier;
        return position;
    }
    int bas = 0, haut = dernier;
    while (haut - bas > 1) {
        const int milieu = (bas + haut) / 2;
        if (MotsEgaux(mot, articles[milieu].mot)) return trouve(milieu);
        if (MotSuperieur(articles[milieu].mot, mot))
            haut = milieu;
        else
            bas = milieu;
    }
    position.insertion = haut;
    return position;
}

std::vector<Article> TrouverArticles(const std::string& mot) {
    const std::vector<Article>& articles = Articles();
    std::vector<Article> resultat;
    const PositionMot position = ChercherPosition(mot);
    if (!position.trouve) return resultat;
    std::size_t debut = std::size_t(position.index);
    // The search may land on any article of a run of equal headwords.
    while (debut > 0 && articles[debut - 1].mot == articles[debut].mot) --debut;
    for (std::size_t i = debut; i < articles.size() && articles[i].mot == mot; ++i)
        resultat.push_back(articles[i]);
    return resultat;
}

std::vector<Article> TrouverArticlesSequentiel(const std::string& mot) {
    std::vector<Article> resultat;
    for (const Article& article : Articles())
        if (article.mot == mot) resultat.push_back(article);
    return resultat;
}

FenetreListe FenetreMots(const std::string& mot, int apres, int avant) {
    const std::vector<Article>& articles = Articles();
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
    const long dernier = std::min(long(articles.size()) - 1, long(centre) + 3L * std::max(apres, 0));
    int selection = -1;
    for (long i = premier; i <= dernier; ++i) {
        const std::string& titre = articles[std::size_t(i)].mot;
        if (!fenetre.mots.empty() && fenetre.mots.back() == titre) continue;
        if (selection < 0 && titre == mot) selection = int(fenetre.mots.size());
        fenetre.mots.push_back(titre);
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

std::optional<std::string> ResoudreMot(const std::string& mot) {
    if (!TrouverArticles(mot).empty() || !TrouverArticlesSequentiel(mot).empty()) return mot;
    if (std::optional<std::string> lemme = PremierLemme(mot)) return lemme;
    if (!mot.empty() && EstCapitalise(mot)) {
        const std::string minuscule = Minuscules(mot);
        if (!TrouverArticles(minuscule).empty()) return minuscule;
        return PremierLemme(minuscule);
    }
    return std::nullopt;
}

std::vector<std::string> RechercherPleinTexte(const std::string& mot, bool dansExemples) {
    std::vector<std::string> mots;
    // An empty text would match every article and trace every definition.
    if (mot.empty()) return mots;
    for (const Article& article : Articles())
        if (ArticleContient(article, mot, dansExemples)) mots.push_back(article.mot);
    return mots;
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
