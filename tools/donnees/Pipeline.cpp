#include "tools/donnees/Pipeline.h"

#include <chrono>
#include <cstdio>

bool Pipeline::Executer(const std::string& nom, const Etape& etape) {
    if (!reussi_) return false;
    RapportEtape rapport;
    rapport.nom = nom;
    const auto debut = std::chrono::steady_clock::now();
    rapport.reussie = etape(rapport);
    rapport.secondes = std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
    reussi_ = rapport.reussie;
    rapports_.push_back(std::move(rapport));
    return reussi_;
}

namespace {

// UTF-8 characters, for the columns: continuation bytes do not count.
std::size_t Caracteres(const std::string& texte) {
    std::size_t n = 0;
    for (unsigned char c : texte) n += (c & 0xC0) != 0x80;
    return n;
}

}  // namespace

std::string TexteRapportsEtapes(const std::vector<RapportEtape>& rapports) {
    std::string texte = "\xC3\x89tapes :\n";
    for (const RapportEtape& rapport : rapports) {
        char temps[32];
        std::snprintf(temps, sizeof temps, "%7.2f s", rapport.secondes);
        const std::size_t largeur = Caracteres(rapport.nom);
        texte += "  " + rapport.nom + std::string(largeur < 32 ? 32 - largeur : 1, ' ') + temps;
        if (!rapport.reussie) texte += "  \xC3\x89\x43HEC";
        for (std::size_t k = 0; k < rapport.comptes.size(); ++k)
            texte += (k == 0 ? "  " : ", ") + rapport.comptes[k].first + " " + std::to_string(rapport.comptes[k].second);
        texte += "\n";
    }
    return texte;
}
