// Writes the binary seeds of the harnesses, made by the program's own
// writers from the test fixtures, into <dossier>/<harness>/.
#include <zlib.h>

#include <cstdio>
#include <filesystem>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "data/Dictionnaire.h"
#include "data/FluxBalise.h"
#include "data/IndexFlexions.h"
#include "data/tests/ContenuEssais.h"
#include "index/ChargeIndex.h"
#include "index/IndexBlocs.h"

namespace fs = std::filesystem;

namespace {

using Octets = std::vector<unsigned char>;

bool Ecrire(const fs::path& chemin, const Octets& octets) {
    fs::create_directories(chemin.parent_path());
    std::FILE* fichier = std::fopen(chemin.c_str(), "wb");
    if (fichier == nullptr) return false;
    const bool ecrit = std::fwrite(octets.data(), 1, octets.size(), fichier) == octets.size();
    return std::fclose(fichier) == 0 && ecrit;
}

Octets FluxDeChaqueSorte() {
    FluxBaliseEcrivain ecrivain;
    ecrivain.EcrireEntier(-12);
    ecrivain.EcrireReel(2.5f);
    ecrivain.EcrireChaine("maison");
    ecrivain.EcrireListe({"a", "", "b\xE9"});
    ecrivain.EcrireTable({{"genre", "f\xE9minin"}, {"", "vide"}});
    return ecrivain.Prendre();
}

void AjouterEnregistrementStarDict(Octets& index, const std::string& mot, std::uint32_t decalage,
                                   std::uint32_t taille) {
    index.insert(index.end(), mot.begin(), mot.end());
    index.push_back(0);
    for (std::uint32_t valeur : {decalage, taille})
        for (int bits = 24; bits >= 0; bits -= 8) index.push_back(static_cast<unsigned char>(valeur >> bits));
}

Octets IndexStarDict() {
    Octets index;
    AjouterEnregistrementStarDict(index, "chat", 0, 4);
    AjouterEnregistrementStarDict(index, "fr\xC3\xA9mir", 4, 9);
    AjouterEnregistrementStarDict(index, "hors", 0xFFFFFFF0u, 32);
    return index;
}

// gzip, as dictzip files are to a reader.
Octets Gzip(const std::string& texte) {
    z_stream flux{};
    if (deflateInit2(&flux, Z_BEST_COMPRESSION, Z_DEFLATED, 15 + 16, 8, Z_DEFAULT_STRATEGY) != Z_OK) return {};
    Octets sortie(deflateBound(&flux, texte.size()) + 32);
    flux.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(texte.data()));
    flux.avail_in = static_cast<uInt>(texte.size());
    flux.next_out = sortie.data();
    flux.avail_out = static_cast<uInt>(sortie.size());
    const bool fini = deflate(&flux, Z_FINISH) == Z_STREAM_END;
    sortie.resize(flux.total_out);
    deflateEnd(&flux);
    return fini ? sortie : Octets();
}

// A word index and its article file, the index's size first, as the LittrÃ© harness reads them.
Octets Littre() {
    const std::string articles[] = {
        "<i><small>(m\xC3\xAA-zon) s. f.</small></i>\n\n<b>1\xC2\xB0</b> B\xC3\xA2timent servant de logis.\n"
        "<span foreground=\"#0000CD\">Ma maison est br\xC3\xBBl\xC3\xA9\x65</span>, "
        "<span foreground=\"#B22222\">BOSSUET</span>, <span foreground=\"#556B2F\">la Valli\xC3\xA8re.</span>.\n"
        "\n<b><big>\xC3\x89TYMOLOGIE</big></b>\n\n    Wallon, mohon ; du lat. <i>mansionem</i>.\n",
        "<i><small>(fr\xC3\xA9-mi-san, san-t') adj.</small></i>\n\n    Qui fr\xC3\xA9mit.\n",
    };
    Octets index, contenu;
    const char* noms[] = {"MAISON", "FR\xC3\x89MISSANT, ANTE"};
    for (std::size_t i = 0; i < std::size(articles); ++i) {
        AjouterEnregistrementStarDict(index, noms[i], static_cast<std::uint32_t>(contenu.size()),
                                      static_cast<std::uint32_t>(articles[i].size()));
        contenu.insert(contenu.end(), articles[i].begin(), articles[i].end());
    }
    Octets graine = {static_cast<unsigned char>(index.size() >> 8), static_cast<unsigned char>(index.size())};
    graine.insert(graine.end(), index.begin(), index.end());
    graine.insert(graine.end(), contenu.begin(), contenu.end());
    return graine;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <dossier>\n", argv[0]);
        return 2;
    }
    const fs::path dossier(argv[1]);
    const Octets dictionnaire = EcrireDictionnaire(ETIQUETTE_ESSAI, ArticlesEssai());
    const Octets flexions = EcrireIndexFlexions(IndexEssai());
    const Octets index = EcrireChargeIndex({{"mzn", {"maison", "mesun"}}, {"\xE9t\xE9", {"\xE9t\xE9"}}, {"a", {}}});
    const Octets articles = Gzip("<k>chat</k>f\xC3\xA9mir de <b>m\xC3\xA9</b>\n");
    const std::map<fs::path, Octets> graines = {
        {"flux_balise/sortes", FluxDeChaqueSorte()},
        {"flux_balise/dictionnaire", dictionnaire},
        {"flux_balise/flexions", flexions},
        {"dictionnaire/essai", dictionnaire},
        {"index_flexions/essai", flexions},
        {"charge_index/essai", index},
        {"frequences/essai", EcrireChargeIndex({{"3119", {"maison"}}, {"43", {"fourchette", "\x9C" "uf"}},
                                                {"0", {"moeuf"}}, {"7", {}}})},
        {"blocs/dictionnaire", EmballerDictionnaire(ETIQUETTE_ESSAI, ArticlesEssai(), 200)},
        {"blocs/flexions", EmballerIndexFlexions(IndexEssai(), 20)},
        {"blocs/index", EmballerIndexBlocs({{"mzn", {"maison", "mesun"}}, {"a", {}}}, "0123456789abcdef", "iv", 8)},
        {"stardict_index/essai", IndexStarDict()},
        {"stardict_articles/essai", articles},
        {"littre/essai", Littre()},
    };
    for (const auto& [nom, octets] : graines) {
        if (octets.empty() || !Ecrire(dossier / nom, octets)) {
            std::fprintf(stderr, "graine non ecrite : %s\n", nom.c_str());
            return 1;
        }
    }
    return 0;
}
