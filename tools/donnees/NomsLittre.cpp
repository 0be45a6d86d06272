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
// The key of every entry's own name, in file order; an entry left without
// a name (nothing but signs) does not move the order on.
std::vector<std::string> ClesRetenues(const std::vector<Groupe>& groupes) {
    std::vector<std::string> cles;
    cles.reserve(groupes.size());
    std::string precedente;
    for (std::size_t i = 0; i < groupes.size(); ++i) {
        const std::string maximumSuivant = i + 1 < groupes.size() ? CleMaximale(groupes[i + 1]) : "";
        cles.push_back(CleRetenue(groupes[i], precedente, maximumSuivant));
        if (!Nommer(groupes[i], cles.back()).mot.empty()) precedente = cles.back();
    }
    return cles;
}

std::size_t Distance(const std::string& a, const std::string& b) {
    std::vector<std::size_t> ligne(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) ligne[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonale = ligne[0];
        ligne[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t haut = ligne[j];
            ligne[j] = std::min({ligne[j] + 1, ligne[j - 1] + 1, diagonale + (a[i - 1] != b[j - 1])});
            diagonale = haut;
        }
    }
    return ligne[b.size()];
}

// Two keys of one word: a pronominal or locution form of it ("SECRIER",
// "SELDEGLAUBER"), a plural ("ILS"), or a spelling a few letters away
// ("AGASSE", "ROIDEMENT"). Single letters are never close: "A" is not "B".
bool Proches(const std::string& a, const std::string& b) {
    const std::string& court = a.size() <= b.size() ? a : b;
    const std::string& long_ = a.size() <= b.size() ? b : a;
    if (court.size() < 2) return court == long_;
    if (long_.compare(0, court.size(), court) == 0) return true;
    if (court.size() < 3) return false;
    if (long_.find(court) != std::string::npos) return true;
    return Distance(court, long_) <= std::max<std::size_t>(1, (court.size() + 1) / 3);
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
    const std::vector<std::string> cles = ClesRetenues(groupes);
    std::vector<EntreeLittre> entrees;
    entrees.reserve(groupes.size());
    for (std::size_t i = 0; i < groupes.size(); ++i) {
        EntreeLittre entree = Nommer(groupes[i], cles[i]);
        if (!entree.mot.empty()) entrees.push_back(std::move(entree));
    }
    return entrees;
}

NomsPerdusLittre NomsPerdus(const std::vector<EntreeStarDict>& index) {
    const std::vector<Groupe> groupes = Grouper(index);
    const std::vector<std::string> cles = ClesRetenues(groupes);
    NomsPerdusLittre perdus;
    for (std::size_t i = 0; i < groupes.size(); ++i) {
        const std::string& avant = i > 0 ? cles[i - 1] : cles[i];
        const std::string& apres = i + 1 < groupes.size() ? cles[i + 1] : cles[i];
        std::vector<std::string> siens;
        for (const NomIndexLittre& nom : groupes[i].noms)
            if (nom.cle == cles[i] || (avant <= nom.cle && (i + 1 == groupes.size() || nom.cle <= apres)))
                siens.push_back(nom.cle);
        // lost key -> its spelling with the most accents
        std::map<std::string, const NomIndexLittre*> mots;
        for (const NomIndexLittre& nom : groupes[i].noms) {
            if (nom.cle.empty() || std::any_of(siens.begin(), siens.end(), [&](const std::string& cle) {
                    return cle == nom.cle || Proches(cle, nom.cle);
                }))
                continue;
            ++perdus.noms;
            const NomIndexLittre*& meilleur = mots[nom.cle];
            if (meilleur == nullptr || NonAscii(nom.base) > NonAscii(meilleur->base)) meilleur = &nom;
        }
        const std::string article = Nommer(groupes[i], cles[i]).mot;
        for (const auto& [cle, nom] : mots) perdus.mots.push_back({EnMinuscules(nom->base), article});
    }
    return perdus;
}
