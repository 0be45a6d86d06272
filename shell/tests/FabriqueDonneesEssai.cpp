// Writes the test fixture as the two packed resources the program embeds
// (main dictionary and inflected-form index) into the folder given as argument.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "data/ClesDonnees.h"
#include "data/Dictionnaire.h"
#include "data/IndexFlexions.h"
#include "data/Ressources.h"
#include "shell/tests/Fixture.h"
#include "text/OrdreFrancais.h"

namespace {
bool Ecrire(const std::string& chemin, const std::vector<unsigned char>& octets) {
    std::FILE* fichier = std::fopen(chemin.c_str(), "wb");
    if (!fichier) return false;
    const bool ecrit = std::fwrite(octets.data(), 1, octets.size(), fichier) == octets.size();
    return std::fclose(fichier) == 0 && ecrit;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <dossier>\n", argv[0]);
        return 2;
    }
    const std::string dossier = std::string(argv[1]) + "/";
    std::vector<Article> articles = ArticlesEssai();
    std::stable_sort(articles.begin(), articles.end(),
                     [](const Article& a, const Article& b) { return MotSuperieur(b.mot, a.mot); });
    const std::vector<unsigned char> dictionnaire = EmballerDictionnaire("essai de bureau", articles);
    const std::vector<unsigned char> flexions = EmballerIndexFlexions(FlexionsEssai());
    if (dictionnaire.empty() || flexions.empty() || !Ecrire(dossier + "dictionnaire.bin", dictionnaire) ||
        !Ecrire(dossier + "flexions.bin", flexions)) {
        std::fprintf(stderr, "cannot write the fixture resources\n");
        return 1;
    }
    return 0;
}
