#include "tools/donnees/LecteurStarDict.h"

#include <zlib.h>

#include <cstdio>
#include <fstream>
#include <iterator>

namespace {
std::uint32_t LireGrandBoutiste(const std::string& octets, std::size_t position) {
    std::uint32_t valeur = 0;
    for (std::size_t k = 0; k < 4; ++k)
        valeur = (valeur << 8) | static_cast<unsigned char>(octets[position + k]);
    return valeur;
}
}  // namespace

bool AnalyserIndexStarDict(const std::string& octets, std::vector<EntreeStarDict>& entrees) {
    std::size_t position = 0;
    while (position < octets.size()) {
        const std::size_t fin = octets.find('\0', position);
        if (fin == std::string::npos || octets.size() - fin - 1 < 8) return false;
        EntreeStarDict entree;
        entree.mot = octets.substr(position, fin - position);
        entree.decalage = LireGrandBoutiste(octets, fin + 1);
        entree.taille = LireGrandBoutiste(octets, fin + 5);
        entrees.push_back(std::move(entree));
        position = fin + 9;
    }
    return true;
}

bool LireIndexStarDict(const std::string& chemin, std::vector<EntreeStarDict>& entrees) {
    std::ifstream fichier(chemin, std::ios::binary);
    if (!fichier) return false;
    const std::string octets((std::istreambuf_iterator<char>(fichier)),
                             std::istreambuf_iterator<char>());
    return AnalyserIndexStarDict(octets, entrees);
}

bool LireArticlesStarDict(const std::string& chemin, std::string& contenu) {
    contenu.clear();
    gzFile fichier = gzopen(chemin.c_str(), "rb");
    if (fichier == nullptr) return false;
    gzbuffer(fichier, 1 << 20);
    std::vector<char> tampon(1 << 20);
    int lus = 0;
    while ((lus = gzread(fichier, tampon.data(), static_cast<unsigned>(tampon.size()))) > 0)
        contenu.append(tampon.data(), static_cast<std::size_t>(lus));
    int erreur = Z_OK;
    gzerror(fichier, &erreur);
    gzclose(fichier);
    return lus == 0 && erreur == Z_OK && !contenu.empty();
}

bool ExtraireArticleStarDict(const std::string& contenu, const EntreeStarDict& entree,
                             std::string& article) {
    if (entree.decalage > contenu.size() || entree.taille > contenu.size() - entree.decalage)
        return false;
    article.assign(contenu, entree.decalage, entree.taille);
    return true;
}
