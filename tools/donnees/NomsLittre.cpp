#include "tools/donnees/NomsLittre.h"

#include <algorithm>
#include <map>
#include <utility>

#include "tools/donnees/TexteLittre.h"
#include "tools/donnees/Translitteration.h"

namespace {
// "FIER.1", "ENVI (A L').1.1": homograph numbers say nothing the file order
// does not.
std::string SansNumeroHomographe(std::string nom) {
    for (;;) {
        const std::size_t point = nom.rfind('.');
        if (point == std::string::npos || point + 1 == nom.size()) return nom;
        if (nom.find_first_not_of("0123456789", point + 1) != std::string::npos) return nom;
        nom.erase(point);
    }
}

// "- ENTÊTEUR", "AH !", "BÉNÉDICTIONNAIRE,", "AMPHI...": what surrounds the
// word in the index is no part of it. A hyphen glued to the word stays: it
// marks a prefix or a suffix ("ANTI-", "-MENT").
std::string SansPonctuationAutour(std::string texte) {
    auto parasite = [](char c) {
        return c == ' ' || c == ',' || c == ';' || c == ':' || c == '!' || c == '?' || c == '.';
    };
    for (;;) {
        const std::size_t avant = texte.size();
        while (!texte.empty() && parasite(texte.back())) texte.pop_back();
        while (!texte.empty() && parasite(texte.front())) texte.erase(0, 1);
        if (texte.size() >= 2 && texte[0] == '-' && texte[1] == ' ') texte.erase(0, 2);
        if (texte.size() >= 2 && texte.back() == '-' && texte[texte.size() - 2] == ' ') texte.pop_back();
        if (texte.size() == avant) return texte;
    }
}

std::size_t NonAscii(const std::string& texte) {
    return static_cast<std::size_t>(std::count_if(
        texte.begin(), texte.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; }));
}

struct Groupe {
    std::uint32_t decalage, taille;
    std::vector<NomIndexLittre> noms;
};

std::vector<Groupe> Grouper(const std::vector<EntreeStarDict>& index) {
    std::map<std::pair<std::uint32_t, std::uint32_t>, std::vector<NomIndexLittre>> parArticle;
    for (const EntreeStarDict& entree : index)
        parArticle[{entree.decalage, entree.taille}].push_back(
            AnalyserNomIndex(SourceVersCp1252(entree.mot)));
    std::vector<Groupe> groupes;
    groupes.reserve(parArticle.size());
    for (auto& [position, noms] : parArticle)
        groupes.push_back({position.first, position.second, std::move(noms)});
    return groupes;
}

std::string CleMaximale(const Groupe& groupe) {
    std::string maximum;
    for (const NomIndexLittre& nom : groupe.noms) maximum = std::max(maximum, nom.cle);
    return maximum;
}

// The key of the entry's own name: the smallest that keeps the file in order
// between the previous entry and the next one.
std::string CleRetenue(const Groupe& groupe, const std::string& precedente,
                       const std::string& maximumSuivant) {
    std::string strict, large, quelconque;
    for (const NomIndexLittre& nom : groupe.noms) {
        auto garder = [&](std::string& retenue) {
            if (retenue.empty() || nom.cle < retenue) retenue = nom.cle;
        };
        garder(quelconque);
        if (nom.cle < precedente) continue;
        garder(large);
        if (maximumSuivant.empty() || nom.cle <= maximumSuivant) garder(strict);
    }
    if (!strict.empty()) return strict;
    return large.empty() ? quelconque : large;
}

// Among the names with the chosen key, the spelling with the most accents,
// and the feminine and the fuller form wherever a name gives them.
EntreeLittre Nommer(const Groupe& groupe, const std::string& cle) {
    EntreeLittre entree;
    entree.decalage = groupe.decalage;
    entree.taille = groupe.taille;
    const NomIndexLittre* meilleur = nullptr;
    for (const NomIndexLittre& nom : groupe.noms) {
        if (nom.cle != cle) continue;
        if (meilleur == nullptr || NonAscii(nom.base) > NonAscii(meilleur->base)) meilleur = &nom;
    }
    if (meilleur == nullptr) return entree;
    entree.mot = EnMinuscules(meilleur->base);
    std::size_t accentsFeminin = 0;
    for (const NomIndexLittre& nom : groupe.noms) {
        if (nom.cle != cle) continue;
        if (!nom.finFeminin.empty() &&
            (entree.feminin.empty() || NonAscii(nom.finFeminin) > accentsFeminin)) {
            entree.feminin = FemininDe(meilleur->base, nom.finFeminin);
            accentsFeminin = NonAscii(nom.finFeminin);
        }
        if (!nom.parenthese.empty() && NonAscii(nom.parenthese) >= NonAscii(entree.forme)) {
            const bool elision = nom.parenthese.back() == '\'';
            entree.forme = EnMinuscules(nom.parenthese + (elision ? "" : " ") + meilleur->base);
        }
    }
    return entree;
}
}  // namespace

NomIndexLittre AnalyserNomIndex(const std::string& brut) {
    NomIndexLittre nom;
    std::string texte = SansNumeroHomographe(brut);
    const std::size_t ouvrante = texte.find(" (");
    if (ouvrante != std::string::npos && texte.back() == ')') {
        nom.parenthese = texte.substr(ouvrante + 2, texte.size() - ouvrante - 3);
        texte.erase(ouvrante);
    }
    const std::size_t virgule = texte.find(", ");
    if (virgule != std::string::npos) {
        nom.finFeminin = texte.substr(virgule + 2);
        texte.erase(virgule);
    }
    nom.base = SansPonctuationAutour(texte);
    nom.cle = CleOrdreLittre(nom.base);
    return nom;
}

std::string FemininDe(const std::string& masculin, const std::string& finFeminin) {
    if (finFeminin.empty()) return "";
    const std::size_t depart = masculin.rfind(finFeminin[0]);
    if (depart == std::string::npos) return EnMinuscules(masculin + finFeminin);
    return EnMinuscules(masculin.substr(0, depart) + finFeminin);
}

std::vector<EntreeLittre> EntreesLittre(const std::vector<EntreeStarDict>& index) {
    const std::vector<Groupe> groupes = Grouper(index);
    std::vector<EntreeLittre> entrees;
    entrees.reserve(groupes.size());
    std::string precedente;
    for (std::size_t i = 0; i < groupes.size(); ++i) {
        const std::string maximumSuivant = i + 1 < groupes.size() ? CleMaximale(groupes[i + 1]) : "";
        const std::string cle = CleRetenue(groupes[i], precedente, maximumSuivant);
        EntreeLittre entree = Nommer(groupes[i], cle);
        if (entree.mot.empty()) continue;
        entrees.push_back(std::move(entree));
        precedente = cle;
    }
    return entrees;
}
