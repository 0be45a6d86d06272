// Where the time of one lookup goes, on the real data, inside one process:
// reading the headword index at start-up (decipher, inflate, parse), then the
// lookup of a word (search, the block's decipher, inflate and parse, the copy
// of its articles) and the rendering of its text. Each figure is the median of
// many runs of that step alone.
#include <zstd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "data/BlocsDictionnaire.h"
#include "data/ClesDonnees.h"
#include "data/ConteneurUnites.h"
#include "data/Dictionnaire.h"
#include "data/Ressources.h"
#include "rendu/RenduArticle.h"

namespace {

constexpr int REPETITIONS = 101;

double MedianeUs(const std::function<void()>& etape) {
    std::vector<double> temps;
    for (int i = 0; i < REPETITIONS; ++i) {
        const auto debut = std::chrono::steady_clock::now();
        etape();
        temps.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - debut).count());
    }
    std::sort(temps.begin(), temps.end());
    return temps[temps.size() / 2];
}

struct Etapes {
    double dechiffrer = 0, inflater = 0;
    std::vector<unsigned char> inflate;
};

// The two steps of reading one unit, timed apart.
bool MesurerUnite(const ConteneurUnites& conteneur, std::size_t numero, Etapes& etapes) {
    std::size_t taille = 0;
    const unsigned char* octets = conteneur.OctetsUnite(numero, taille);
    if (octets == nullptr || taille == 0) return false;
    const std::string cle = CleDictionnaire(), iv = IvDictionnaire();
    std::vector<unsigned char> dechiffre(taille);
    etapes.dechiffrer = MedianeUs([&] {
        AppliquerChiffreNumerote(cle, iv.c_str(), std::uint32_t(numero), octets, taille, dechiffre.data());
    });
    const unsigned long long sortie = ZSTD_getFrameContentSize(dechiffre.data(), dechiffre.size());
    if (sortie == ZSTD_CONTENTSIZE_ERROR || sortie == ZSTD_CONTENTSIZE_UNKNOWN) return false;
    etapes.inflate.resize(std::size_t(sortie));
    etapes.inflater = MedianeUs([&] {
        ZSTD_decompress(etapes.inflate.data(), etapes.inflate.size(), dechiffre.data(), dechiffre.size());
    });
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mot = argc > 1 ? argv[1] : "maison";
    const unsigned char* octets = nullptr;
    std::size_t taille = 0;
    ConteneurUnites conteneur;
    if (!LireRessourceEnPlace(RESSOURCE_DICTIONNAIRE, octets, taille) || !conteneur.Ouvrir(octets, taille)) {
        std::fprintf(stderr, "bench_recherche: no dictionary in this build\n");
        return 1;
    }
    Etapes index;
    if (!MesurerUnite(conteneur, 0, index)) return 1;
    const std::string cle = CleDictionnaire(), iv = IvDictionnaire();
    const double lire = MedianeUs([&] {
        IndexTitres titres;
        titres.Lire(conteneur, cle, iv);
    });
    const double ouvrir = MedianeUs([&] { DictionnairePrincipal().Ouvrir(octets, taille); });
    std::size_t stocke = 0;
    conteneur.OctetsUnite(0, stocke);
    std::printf("start-up: head of the headword index, %zu bytes stored, %zu inflated\n", stocke,
                index.inflate.size());
    std::printf("  decipher %8.1f us  inflate %8.1f us  read (all three) %8.1f us  (whole open %8.1f us)\n",
                index.dechiffrer, index.inflater, lire, ouvrir);

    DictionnairePrincipal dictionnaire;
    if (!dictionnaire.Ouvrir(octets, taille)) return 1;
    IndexTitres titres;
    if (!titres.Lire(conteneur, cle, iv)) return 1;
    if (!dictionnaire.ChercherPosition(mot).trouve) {
        std::fprintf(stderr, "bench_recherche: %s is not a headword\n", mot.c_str());
        return 1;
    }
    // The first search reads its sections of headwords; later ones find them read.
    const double premiereRecherche = MedianeUs([&] {
        DictionnairePrincipal neuf;
        neuf.Ouvrir(octets, taille);
        neuf.ChercherPosition(mot);
    }) - ouvrir;
    const PositionMot position = dictionnaire.ChercherPosition(mot);
    const double chercher = MedianeUs([&] { dictionnaire.ChercherPosition(mot); });
    // The block of the word's first article, by the dictionary's own rule.
    const std::vector<std::uint32_t>& premiers = titres.Premiers();
    const std::size_t numeroBloc =
        std::size_t(std::upper_bound(premiers.begin(), premiers.end(), std::uint32_t(position.index)) -
                    premiers.begin()) - 1;
    const std::size_t fin = numeroBloc + 1 < premiers.size() ? premiers[numeroBloc + 1] : titres.Nombre();
    Etapes etapes, reste;
    if (!MesurerUnite(conteneur, UniteTexteBloc(numeroBloc), etapes) ||
        !MesurerUnite(conteneur, UniteResteBloc(numeroBloc, premiers.size()), reste))
        return 1;
    std::vector<Article> lus;
    const double parser = MedianeUs(
        [&] { LireBlocArticles(etapes.inflate, reste.inflate, fin - premiers[numeroBloc], lus); });
    const std::vector<Article> articles = dictionnaire.TrouverArticles(mot);
    const double copier = MedianeUs([&] { dictionnaire.TrouverArticles(mot); });
    OptionsFiltre options;
    const double rendre = MedianeUs([&] { TexteDuMot(articles, options); });
    std::printf("lookup of \"%s\": %zu articles in block %zu (%zu bytes of text, %zu of the rest, inflated)\n",
                mot.c_str(), articles.size(), numeroBloc, etapes.inflate.size(), reste.inflate.size());
    std::printf("  first search (its sections of headwords) %8.1f us\n", premiereRecherche);
    std::printf("  search %8.1f us  decipher %8.1f us  inflate %8.1f us  parse %8.1f us  copy (cached) %8.1f us\n",
                chercher, etapes.dechiffrer + reste.dechiffrer, etapes.inflater + reste.inflater, parser, copier);
    std::printf("  render %8.1f us\n", rendre);
    return 0;
}
