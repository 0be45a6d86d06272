#include "data/EnregistrementArticle.h"

#include <algorithm>
#include <cstdint>

namespace {

// A sense takes at least a short-string tag and an empty example list
// (tag, tag, total, count).
constexpr std::size_t OCTETS_MIN_SENS = 1 + 2 + 4 + 4;

bool LireSens(FluxBaliseLecteur& flux, std::vector<Sens>& sens) {
    std::int32_t nombre = 0;
    if (!flux.LireEntier(nombre) || nombre < 0) return false;
    sens.clear();
    sens.reserve(std::min<std::size_t>(std::size_t(nombre), flux.Reste() / OCTETS_MIN_SENS));
    for (std::int32_t i = 0; i < nombre; ++i) {
        Sens un;
        if (!flux.LireChaine(un.definition) || !flux.LireListe(un.exemples)) return false;
        sens.push_back(std::move(un));
    }
    return true;
}

}  // namespace

bool LireChampsDescriptifs(FluxBaliseLecteur& flux, Article& article) {
    return flux.LireChaine(article.categorie) && flux.LireTable(article.attributs) &&
           flux.LireChaine(article.etymologie) && flux.LireChaine(article.flexions) &&
           flux.LireChaine(article.synonymes) && flux.LireChaine(article.antonymes);
}

void EcrireChampsDescriptifs(FluxBaliseEcrivain& flux, const Article& article) {
    flux.EcrireChaine(article.categorie);
    flux.EcrireTable(article.attributs);
    flux.EcrireChaine(article.etymologie);
    flux.EcrireChaine(article.flexions);
    flux.EcrireChaine(article.synonymes);
    flux.EcrireChaine(article.antonymes);
}

bool LireArticle(FluxBaliseLecteur& flux, Article& article) {
    return flux.LireChaine(article.mot) && LireChampsDescriptifs(flux, article) && LireSens(flux, article.sens);
}

void EcrireArticle(FluxBaliseEcrivain& flux, const Article& article) {
    flux.EcrireChaine(article.mot);
    EcrireChampsDescriptifs(flux, article);
    flux.EcrireEntier(std::int32_t(article.sens.size()));
    for (const Sens& sens : article.sens) {
        flux.EcrireChaine(sens.definition);
        flux.EcrireListe(sens.exemples);
    }
}
