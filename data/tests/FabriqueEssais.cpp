// Writes the fixture resources of test_data into the folder given as argument.
#include <cstdio>
#include <string>
#include <vector>

#include "data/ClesDonnees.h"
#include "data/Dictionnaire.h"
#include "data/IndexFlexions.h"
#include "data/Ressources.h"
#include "data/tests/ContenuEssais.h"

namespace {

bool Ecrire(const std::string& chemin, const std::vector<unsigned char>& octets) {
    std::FILE* fichier = std::fopen(chemin.c_str(), "wb");
    if (fichier == nullptr) return false;
    const bool ecrit = std::fwrite(octets.data(), 1, octets.size(), fichier) == octets.size();
    return std::fclose(fichier) == 0 && ecrit;
}

std::vector<unsigned char> Chiffrer(const std::vector<unsigned char>& octets) {
    return EmballerDonnees(octets, false, true, CLE_ESSAI, IV_ESSAI);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <dossier>\n", argv[0]);
        return 2;
    }
    const std::string dossier = std::string(argv[1]) + "/";
    const std::vector<unsigned char> charge = ChargeEssai();
    std::vector<unsigned char> deflatee, deflateeUn;
    const std::vector<unsigned char> trente = ChargeInflation(0, deflatee);
    const std::vector<unsigned char> trenteUn = ChargeInflation(1, deflateeUn);
    if (trente.empty() || trenteUn.empty()) {
        std::fprintf(stderr, "no payload inflating to exactly 30 times its size was found\n");
        return 1;
    }
    const std::vector<std::pair<std::string, std::vector<unsigned char>>> fichiers = {
        {"brut.bin", charge},
        {"compresse.bin", EmballerDonnees(charge, true, false, "", nullptr)},
        {"chiffre.bin", Chiffrer(charge)},
        {"complet.bin", EmballerDonnees(charge, true, true, CLE_ESSAI, IV_ESSAI)},
        {"sans_iv.bin", EmballerDonnees(charge, true, true, CLE_ESSAI, nullptr)},
        {"trente.bin", Chiffrer(deflatee)},
        {"trente_un.bin", Chiffrer(deflateeUn)},
        {"corrompu.bin", Chiffrer(OctetsPseudoAleatoires(3000, 999))},
        {"dictionnaire.bin",
         EmballerDictionnaire(ETIQUETTE_ESSAI, ArticlesEssai(), 200)},
        {"flexions.bin", EmballerIndexFlexions(IndexEssai(), 20)},
    };
    for (const auto& [nom, octets] : fichiers) {
        if (octets.empty() || !Ecrire(dossier + nom, octets)) {
            std::fprintf(stderr, "cannot write %s\n", nom.c_str());
            return 1;
        }
    }
    return 0;
}
