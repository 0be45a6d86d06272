#include "data/tests/ContenuEssais.h"

#include <zlib.h>

#include <algorithm>

#include "data/Ressources.h"

std::vector<unsigned char> OctetsPseudoAleatoires(std::size_t nombre, std::uint32_t graine) {
    std::vector<unsigned char> octets(nombre);
    std::uint32_t etat = graine;
    for (unsigned char& octet : octets) {
        etat = etat * 1664525u + 1013904223u;
        octet = static_cast<unsigned char>(etat >> 24);
    }
    return octets;
}

std::vector<unsigned char> ChargeEssai() {
    std::vector<unsigned char> octets = OctetsPseudoAleatoires(5000, 12345);
    octets[0] = 0x00;
    octets[1500] = 0x00;
    return octets;
}

std::vector<unsigned char> ChargeInflation(std::size_t excedent, std::vector<unsigned char>& deflatee) {
    const std::vector<unsigned char> aleatoires =
        OctetsPseudoAleatoires(OCTETS_ALEATOIRES_INFLATION, GRAINE_INFLATION);
    auto construire = [&aleatoires](std::size_t zeros) {
        std::vector<unsigned char> charge(aleatoires.size() + zeros, 0);
        std::copy(aleatoires.begin(), aleatoires.end(), charge.begin());
        return charge;
    };
    // Deflated directly: the packer refuses the one-byte-over case.
    // The deflated size grows by about one byte per few hundred zeros, so
    // setting the size to 30 times it converges in a few steps.
    std::size_t zeros = 29 * OCTETS_ALEATOIRES_INFLATION;
    for (int essai = 0; essai < 100; ++essai) {
        std::vector<unsigned char> charge = construire(zeros);
        uLongf longueur = compressBound(uLong(charge.size()));
        deflatee.resize(longueur);
        if (compress2(deflatee.data(), &longueur, charge.data(), uLong(charge.size()), 9) != Z_OK)
            break;
        deflatee.resize(longueur);
        const std::size_t cible = FACTEUR_INFLATION * deflatee.size() + excedent;
        if (cible == charge.size()) return charge;
        zeros = cible > aleatoires.size() ? cible - aleatoires.size() : 0;
    }
    deflatee.clear();
    return {};
}

namespace {

std::string Lettres(std::size_t nombre, std::uint32_t graine) {
    std::string lettres;
    for (unsigned char octet : OctetsPseudoAleatoires(nombre, graine)) lettres += char('a' + octet % 26);
    return lettres;
}

Article FaireArticle(const std::string& mot, const std::string& categorie,
                     std::vector<Sens> sens) {
    Article article;
    article.mot = mot;
    article.categorie = categorie;
    article.sens = std::move(sens);
    return article;
}

}  // namespace

std::vector<Article> ArticlesEssai() {
    std::vector<Article> articles;
    Article a = FaireArticle("a", "NOM", {{"Premi\xE8re lettre de l'alphabet.", {"Un a minuscule."}}});
    a.attributs = {{"genre", "masculin"}, {"TEST", "cach\xE9"}};
    a.etymologie = "Du latin a.";
    articles.push_back(a);
    articles.push_back(FaireArticle("a", "VERBE", {{"Troisi\xE8me personne de avoir.", {}}}));
    articles.push_back(FaireArticle("\xE9l\xE8ve", "NOM", {{"Personne qui re\xE7oit un enseignement.", {}}}));
    Article maison = FaireArticle(
        "maison", "NOM",
        {{"B\xE2timent d'habitation.", {"Une maison de campagne.", "La maison est grande."}},
         {"Famille, lign\xE9" "e.", {}}});
    maison.flexions = "maisons";
    maison.synonymes = "demeure, logis";
    maison.antonymes = "";
    articles.push_back(maison);
    // Long texts that do not compress well, so the payload stays within the
    // inflate capacity of 30 times its packed size.
    Article longue = FaireArticle("zythum", "NOM", {{Lettres(300, 1), {Lettres(70000, 2)}}});
    articles.push_back(longue);
    return articles;
}

std::map<std::string, std::vector<std::string>> IndexEssai() {
    return {{"maisons", {"maison"}}, {"eus", {"avoir"}}, {"as", {"avoir", "a"}}};
}
