#include "rendu/RenduArticle.h"

#include "text/Transformations.h"

namespace {
constexpr std::size_t EXEMPLES_MONTRES = 2;

void AjouterSens(std::string& texte, const Sens& sens) {
    texte += "- ";
    texte += sens.definition;
    texte += '\n';
    for (std::size_t e = 0; e < sens.exemples.size() && e < EXEMPLES_MONTRES; ++e) {
        texte += "\tex. : ";
        texte += sens.exemples[e];
        texte += '\n';
    }
}

std::string LigneCategorie(const Article& article) {
    std::string ligne = article.categorie + ' ';
    for (const auto& [cle, valeur] : article.attributs) {
        if (cle != "TEST") ligne += valeur;
        ligne += ' ';
    }
    return ligne;
}
}  // namespace

bool EstVerbe(const Article& article) { return article.categorie == "VERBE"; }

std::string RendreArticle(const Article& article, const CarteOptions& details, const CarteOptions& typesExclus) {
    std::string texte;
    if (OptionActive(details, "etymologie") && !article.etymologie.empty())
        texte += "ETYMOLOGIE: " + article.etymologie + "\n\n";
    texte += LigneCategorie(article) + "\n\n";
    if (OptionActive(details, "flexions") && !article.flexions.empty()) texte += article.flexions + "\n\n";
    const std::size_t nombre = article.sens.size();
    for (std::size_t i = 0; i < nombre; ++i) {
        if (SensExclu(article.sens[i], typesExclus)) continue;
        AjouterSens(texte, article.sens[i]);
        // A shown sense that is not the article's last is followed by a gap,
        // even when every later sense is hidden.
        if (i + 1 < nombre) texte += '\n';
    }
    if (OptionActive(details, "synonymes") && !article.synonymes.empty())
        texte += "\nSYNONYMES:\n" + article.synonymes;
    if (OptionActive(details, "antonymes") && !article.antonymes.empty())
        texte += "\nANTONYMES:\n" + article.antonymes;
    return texte;
}

TexteRendu TexteDuMot(const std::vector<Article>& articles, const OptionsFiltre& options) {
    TexteRendu rendu;
    std::string texte;
    for (std::size_t i = 0; i < articles.size(); ++i) {
        if (i > 0) texte += '\n';
        texte += RendreArticle(articles[i], options.DetailsInclus, options.TypesExclus);
        if (EstVerbe(articles[i])) rendu.verbe = true;
    }
    rendu.texte = FinsDeLigneCRLF(texte);
    return rendu;
}
