#include "data/BlocsDictionnaire.h"

#include <cstring>

#include "data/ClesDonnees.h"
#include "data/ConteneurUnites.h"
#include "data/EnregistrementArticle.h"
#include "data/FluxBalise.h"

namespace {

constexpr float VERSION_FORMAT = 1.0f;
// A headword takes at least its 0x00, a block number its integer item.
constexpr std::size_t OCTETS_MIN_TITRE = 1;  // its 0x00
constexpr std::size_t OCTETS_MIN_ENTIER = 5;

bool LireEntete(FluxBaliseLecteur& flux, std::string& etiquette, std::int32_t& articles, std::int32_t& blocs) {
    float version = 0, inutilise = 0;
    if (!flux.LireReel(version) || version != VERSION_FORMAT) return false;
    return flux.LireReel(inutilise) && flux.LireChaine(etiquette) && flux.LireEntier(articles) &&
           flux.LireEntier(blocs) && articles >= 0 && blocs >= 0 &&
           std::size_t(blocs) <= flux.Reste() / OCTETS_MIN_ENTIER &&
           std::size_t(articles) <= flux.Reste() / OCTETS_MIN_TITRE;
}

// Block 0 starts at article 0, each block at least one article after the
// previous one, the last one before the end; no blocks means no articles.
bool LirePremiers(FluxBaliseLecteur& flux, std::int32_t articles, std::int32_t blocs,
                  std::vector<std::uint32_t>& premiers) {
    if ((blocs == 0) != (articles == 0)) return false;
    premiers.reserve(std::size_t(blocs));
    for (std::int32_t b = 0; b < blocs; ++b) {
        std::int32_t premier = 0;
        if (!flux.LireEntier(premier) || premier < 0 || premier >= articles) return false;
        if (b == 0 ? premier != 0 : std::uint32_t(premier) <= premiers.back()) return false;
        premiers.push_back(std::uint32_t(premier));
    }
    return true;
}

// Exactly `nombre` headwords, each ended by its 0x00, filling the string.
bool LireDebuts(const unsigned char* debut, std::size_t longueur, std::size_t base, std::size_t nombre,
                std::vector<std::uint32_t>& debuts) {
    debuts.reserve(nombre + 1);
    std::size_t position = 0;
    while (position < longueur) {
        const void* fin = std::memchr(debut + position, 0, longueur - position);
        if (fin == nullptr || debuts.size() == nombre) return false;
        debuts.push_back(std::uint32_t(base + position));
        position = std::size_t(static_cast<const unsigned char*>(fin) - debut) + 1;
    }
    if (debuts.size() != nombre) return false;
    debuts.push_back(std::uint32_t(base + position));
    return true;
}

std::vector<unsigned char> SansZeroFinal(std::vector<unsigned char> octets) {
    if (!octets.empty()) octets.pop_back();  // the 0x00 a finished stream ends with
    return octets;
}

std::vector<unsigned char> Enregistrement(const Article& article) {
    FluxBaliseEcrivain flux;
    EcrireArticle(flux, article);
    return SansZeroFinal(flux.Prendre());
}

std::vector<unsigned char> Bloc(const std::vector<std::vector<unsigned char>>& enregistrements,
                                std::size_t premier, std::size_t fin) {
    FluxBaliseEcrivain compte;
    compte.EcrireEntier(std::int32_t(fin - premier));
    std::vector<unsigned char> bloc = SansZeroFinal(compte.Prendre());
    for (std::size_t i = premier; i < fin; ++i)
        bloc.insert(bloc.end(), enregistrements[i].begin(), enregistrements[i].end());
    bloc.push_back(0x00);
    return bloc;
}

}  // namespace

bool IndexTitres::Lire(std::vector<unsigned char> octets) {
    if (octets.size() >= 0xFFFFFFFFu) return false;
    FluxBaliseLecteur flux(octets.data(), octets.size());
    std::string etiquette;
    std::int32_t articles = 0, blocs = 0;
    std::vector<std::uint32_t> premiers, debuts;
    const unsigned char* titres = nullptr;
    std::size_t longueur = 0;
    if (!LireEntete(flux, etiquette, articles, blocs) || !LirePremiers(flux, articles, blocs, premiers) ||
        !flux.LireVue(titres, longueur) ||
        !LireDebuts(titres, longueur, std::size_t(titres - octets.data()), std::size_t(articles), debuts))
        return false;
    octets_ = std::move(octets);
    debuts_ = std::move(debuts);
    premiers_ = std::move(premiers);
    etiquette_ = std::move(etiquette);
    return true;
}

void IndexTitres::Vider() {
    std::vector<unsigned char>().swap(octets_);
    std::vector<std::uint32_t>().swap(debuts_);
    premiers_.clear();
}

std::vector<unsigned char> EcrireIndexTitres(const std::string& etiquette, const std::vector<std::string>& titres,
                                             const std::vector<std::uint32_t>& premiers) {
    std::string ensemble;
    for (const std::string& titre : titres) {
        if (titre.find('\0') != std::string::npos) return {};
        ensemble += titre;
        ensemble += '\0';
    }
    FluxBaliseEcrivain flux;
    flux.EcrireReel(VERSION_FORMAT);
    flux.EcrireReel(0.0f);
    flux.EcrireChaine(etiquette);
    flux.EcrireEntier(std::int32_t(titres.size()));
    flux.EcrireEntier(std::int32_t(premiers.size()));
    for (std::uint32_t premier : premiers) flux.EcrireEntier(std::int32_t(premier));
    flux.EcrireChaine(ensemble);
    return flux.Prendre();
}

bool LireBlocArticles(const unsigned char* octets, std::size_t taille, std::size_t attendus,
                      std::vector<Article>& articles) {
    articles.clear();
    FluxBaliseLecteur flux(octets, taille);
    std::int32_t nombre = 0;
    if (!flux.LireEntier(nombre) || nombre < 0 || std::size_t(nombre) != attendus) return false;
    articles.reserve(attendus);
    for (std::size_t i = 0; i < attendus; ++i) {
        Article article;
        if (!LireArticle(flux, article)) return false;
        articles.push_back(std::move(article));
    }
    return true;
}

std::vector<unsigned char> EmballerDictionnaire(const std::string& etiquette, const std::vector<Article>& articles,
                                                std::size_t tailleBloc, int niveau) {
    std::vector<std::string> titres;
    std::vector<std::uint32_t> premiers;
    std::vector<std::vector<unsigned char>> enregistrements;
    enregistrements.reserve(articles.size());
    for (const Article& article : articles) {
        titres.push_back(article.mot);
        enregistrements.push_back(Enregistrement(article));
    }
    std::vector<std::vector<unsigned char>> unites(1);
    std::size_t premier = 0, taille = 0;
    for (std::size_t i = 0; i < enregistrements.size(); ++i) {
        taille += enregistrements[i].size();
        if (taille < tailleBloc && i + 1 < enregistrements.size()) continue;
        premiers.push_back(std::uint32_t(premier));
        unites.push_back(Bloc(enregistrements, premier, i + 1));
        premier = i + 1;
        taille = 0;
    }
    unites[0] = EcrireIndexTitres(etiquette, titres, premiers);
    if (unites[0].empty()) return {};
    return EmballerUnites(unites, CleDictionnaire(), IvDictionnaire().c_str(), niveau);
}
