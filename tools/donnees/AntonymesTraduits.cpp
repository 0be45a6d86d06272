#include "tools/donnees/AntonymesTraduits.h"

#include <algorithm>
#include <set>
#include <tuple>
#include <utility>

#include "text/Cp1252.h"

namespace {

using Paire = std::pair<std::string, std::string>;

std::string Anglais(std::string mot) {
    for (char& c : mot)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return mot;
}

bool Contient(const std::vector<std::string>& liste, const std::string& mot) {
    return std::find(liste.begin(), liste.end(), mot) != liste.end();
}

Paire Ordonnee(const std::string& a, const std::string& b) { return a < b ? Paire{a, b} : Paire{b, a}; }

}  // namespace

std::vector<PaireAntonymes> AllersRetours(const DonneesTraduction& donnees, std::size_t parSens) {
    // French word -> its article; English word -> its first French translations.
    std::map<std::string, const ArticleBilingue*> francais;
    for (const ArticleBilingue& article : donnees.francaisAnglais)
        if (!article.categorie.empty()) francais.emplace(article.vedette, &article);
    std::map<std::string, std::vector<std::string>> versFrancais;
    for (const ArticleBilingue& article : donnees.anglaisFrancais) {
        auto& liste = versFrancais[Anglais(article.vedette)];
        for (const std::string& t : PremieresTraductions(article, parSens))
            if (!Contient(liste, t)) liste.push_back(t);
    }
    std::vector<PaireAntonymes> paires;
    std::set<std::tuple<std::string, std::string, std::string>> vues;
    for (const auto& [a, article] : francais) {
        const auto wordnet = donnees.wordnet.find(article->categorie);
        if (wordnet == donnees.wordnet.end()) continue;
        std::vector<std::string> xs;
        for (const std::string& x : PremieresTraductions(*article, parSens)) xs.push_back(Anglais(x));
        for (const AntonymesAnglais& relation : wordnet->second) {
            if (!Contient(xs, relation.mot)) continue;
            const auto retour = versFrancais.find(relation.contraire);
            if (retour == versFrancais.end()) continue;
            for (const std::string& b : retour->second) {
                const auto articleB = francais.find(b);
                if (b == a || articleB == francais.end() || articleB->second->categorie != article->categorie) continue;
                std::vector<std::string> ys;
                for (const std::string& y : PremieresTraductions(*articleB->second, parSens)) ys.push_back(Anglais(y));
                if (!Contient(ys, relation.contraire)) continue;
                // and back: x gives a, as y gives b.
                const auto aller = versFrancais.find(relation.mot);
                if (aller == versFrancais.end() || !Contient(aller->second, a)) continue;
                const Paire p = Ordonnee(a, b);
                if (!vues.insert({p.first, p.second, article->categorie}).second) continue;
                paires.push_back({Utf8VersCp1252(p.first), Utf8VersCp1252(p.second), article->categorie,
                                  SOURCE_TRADUCTION});
            }
        }
    }
    return paires;
}
