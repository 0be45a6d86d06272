// Figures of the folds, the French order and the match-key transforms on a
// synthetic word list shaped like the dictionary's (lower case, accents, hyphens).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "text/OrdreFrancais.h"
#include "text/Transformations.h"
#include "text/TransformationsCles.h"

namespace {

std::vector<std::string> MotsSynthetiques(std::size_t nombre) {
    static const char lettres[] = "aaabcdeeeeefghiiijlmnnooprrsssttuuv"
                                  "\xE9\xE8\xEA\xE0\xE7\xEE\xF4-'";
    std::mt19937 alea(12345);
    std::uniform_int_distribution<std::size_t> longueur(2, 14);
    std::uniform_int_distribution<std::size_t> lettre(0, sizeof(lettres) - 2);
    std::vector<std::string> mots(nombre);
    for (auto& mot : mots) {
        const std::size_t n = longueur(alea);
        for (std::size_t i = 0; i < n; ++i) mot += lettres[lettre(alea)];
        if (alea() % 10 == 0) mot[0] = char(mot[0] - 'a' + 'A');
    }
    return mots;
}

template <class F>
double NanosecondesPar(std::size_t operations, F&& f) {
    const auto debut = std::chrono::steady_clock::now();
    f();
    const auto fin = std::chrono::steady_clock::now();
    return std::chrono::duration<double, std::nano>(fin - debut).count() / double(operations);
}

unsigned long long puits = 0;  // keeps the compiler from dropping the work

}  // namespace

int main() {
    constexpr std::size_t Nombre = 200000;
    auto mots = MotsSynthetiques(Nombre);
    const auto avant = [](const std::string& a, const std::string& b) { return MotSuperieur(b, a); };

    std::size_t comparaisons = 0;
    const auto compte = [&](const std::string& a, const std::string& b) { ++comparaisons; return avant(a, b); };
    const double tri = NanosecondesPar(1, [&] { std::sort(mots.begin(), mots.end(), compte); });
    std::printf("tri de %zu mots par MotSuperieur : %.1f ms (%zu comparaisons, %.1f ns chacune)\n", Nombre,
                tri / 1e6, comparaisons, tri / double(comparaisons));

    const double recherche = NanosecondesPar(Nombre, [&] {
        for (const auto& mot : mots) {
            auto trouve = std::lower_bound(mots.begin(), mots.end(), mot, avant);
            puits += trouve != mots.end() && MotsEgaux(*trouve, mot);
        }
    });
    std::printf("recherche dichotomique : %.1f ns par mot (%llu trouves)\n", recherche, puits);

    using Transformation = void (*)(char*);
    const std::pair<const char*, Transformation> transformations[] = {
        {"Minuscules", Minuscules},       {"SansAccents", SansAccents},
        {"Elaguer", Elaguer},             {"SansDoublons", SansDoublons},
        {"SansLettresFrequentes", SansLettresFrequentes}, {"SansVoyelles", SansVoyelles},
        {"ClassesConsonnes", ClassesConsonnes}, {"SansFinale", SansFinale},
        {"SansPrefixeFrequent", SansPrefixeFrequent}, {"SansSuffixeFrequent", SansSuffixeFrequent},
    };
    std::vector<std::string> copies;
    for (const auto& [nom, transformer] : transformations) {
        copies = mots;
        const double temps = NanosecondesPar(Nombre, [&] {
            for (auto& copie : copies) {
                transformer(copie.data());
                puits += static_cast<unsigned char>(copie[0]);
            }
        });
        std::printf("%-22s en place : %.1f ns par mot\n", nom, temps);
    }
    return puits == 0;
}
