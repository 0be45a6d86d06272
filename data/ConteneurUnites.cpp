#include "data/ConteneurUnites.h"

#include <zstd.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <memory>
#include <thread>

#include "data/Ressources.h"

namespace {

constexpr unsigned char SIGNATURE[4] = {'V', 'C', 'U', '1'};
constexpr std::size_t TAILLE_ENTETE = 8;  // signature, unit count

std::uint32_t LireMot32(const unsigned char* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}

void AjouterMot32(std::vector<unsigned char>& octets, std::uint32_t valeur) {
    for (int i = 0; i < 4; ++i) octets.push_back(static_cast<unsigned char>(valeur >> (8 * i)));
}

std::vector<unsigned char> Compresser(const std::vector<unsigned char>& unite, int niveau) {
    ZSTD_CCtx* contexte = ZSTD_createCCtx();
    if (contexte == nullptr) return {};
    std::vector<unsigned char> sortie(ZSTD_compressBound(unite.size()));
    ZSTD_CCtx_setParameter(contexte, ZSTD_c_compressionLevel, niveau);
    ZSTD_CCtx_setParameter(contexte, ZSTD_c_checksumFlag, 1);
    const std::size_t taille =
        ZSTD_compress2(contexte, sortie.data(), sortie.size(), unite.data(), unite.size());
    ZSTD_freeCCtx(contexte);
    if (ZSTD_isError(taille)) return {};
    sortie.resize(taille);
    return sortie;
}

// Compressed and enciphered unit `numero`; empty on failure.
std::vector<unsigned char> Emballer(const std::vector<unsigned char>& unite, std::uint32_t numero,
                                    const std::string& cle, const char* iv, int niveau) {
    if (unite.empty()) return {};
    std::vector<unsigned char> compresse = Compresser(unite, niveau);
    if (compresse.empty()) return {};
    std::vector<unsigned char> chiffre(compresse.size());
    if (!AppliquerChiffreNumerote(cle, iv, numero, compresse.data(), compresse.size(), chiffre.data()))
        return {};
    return chiffre;
}

struct LibererContexte {
    void operator()(ZSTD_DCtx* contexte) const { ZSTD_freeDCtx(contexte); }
};

// One inflating context per thread, kept: the full-text search inflates
// thousands of units on each core, and a context is a large allocation.
ZSTD_DCtx* ContexteDuFil() {
    thread_local std::unique_ptr<ZSTD_DCtx, LibererContexte> contexte(ZSTD_createDCtx());
    return contexte.get();
}

}  // namespace

bool ConteneurUnites::Ouvrir(const unsigned char* octets, std::size_t taille) {
    octets_ = nullptr;
    nombre_ = 0;
    if (octets == nullptr || taille < TAILLE_ENTETE || std::memcmp(octets, SIGNATURE, 4) != 0) return false;
    const std::size_t nombre = LireMot32(octets + 4);
    if ((taille - TAILLE_ENTETE) / 4 < nombre + 1) return false;
    const std::size_t debutUnites = TAILLE_ENTETE + 4 * (nombre + 1);
    std::size_t precedent = debutUnites;
    for (std::size_t u = 0; u <= nombre; ++u) {
        const std::size_t decalage = LireMot32(octets + TAILLE_ENTETE + 4 * u);
        if (decalage < precedent || decalage > taille) return false;
        precedent = decalage;
    }
    octets_ = octets;
    nombre_ = nombre;
    return true;
}

std::uint32_t ConteneurUnites::Decalage(std::size_t numero) const {
    return LireMot32(octets_ + TAILLE_ENTETE + 4 * numero);
}

const unsigned char* ConteneurUnites::OctetsUnite(std::size_t numero, std::size_t& taille) const {
    taille = 0;
    if (numero >= nombre_) return nullptr;
    taille = Decalage(numero + 1) - Decalage(numero);
    return octets_ + Decalage(numero);
}

bool ConteneurUnites::LireUnite(std::size_t numero, const std::string& cle, const char* iv,
                                std::vector<unsigned char>& sortie) const {
    sortie.clear();
    if (numero >= nombre_) return false;
    const std::size_t debut = Decalage(numero), fin = Decalage(numero + 1);
    if (fin == debut) return false;
    std::vector<unsigned char> dechiffre(fin - debut);
    if (!AppliquerChiffreNumerote(cle, iv, std::uint32_t(numero), octets_ + debut, fin - debut,
                                  dechiffre.data()))
        return false;
    const unsigned long long taille = ZSTD_getFrameContentSize(dechiffre.data(), dechiffre.size());
    if (taille == ZSTD_CONTENTSIZE_ERROR || taille == ZSTD_CONTENTSIZE_UNKNOWN || taille == 0 ||
        taille > TAILLE_UNITE_MAX)
        return false;
    sortie.resize(std::size_t(taille));
    ZSTD_DCtx* contexte = ContexteDuFil();
    if (contexte == nullptr) {
        sortie.clear();
        return false;
    }
    const std::size_t lus = ZSTD_decompressDCtx(contexte, sortie.data(), sortie.size(), dechiffre.data(), dechiffre.size());
    if (ZSTD_isError(lus) || lus != sortie.size()) {
        sortie.clear();
        return false;
    }
    return true;
}

std::vector<unsigned char> EmballerUnites(const std::vector<std::vector<unsigned char>>& unites,
                                          const std::string& cle, const char* iv, int niveau) {
    std::vector<std::vector<unsigned char>> emballees(unites.size());
    std::atomic<std::size_t> suivante{0};
    std::atomic<bool> echec{false};
    const auto travailler = [&] {
        for (std::size_t u = suivante++; u < unites.size(); u = suivante++) {
            emballees[u] = Emballer(unites[u], std::uint32_t(u), cle, iv, niveau);
            if (emballees[u].empty()) echec = true;
        }
    };
    const std::size_t coeurs = std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, 8);
    std::vector<std::thread> fils;
    for (std::size_t i = 1; i < coeurs && i < unites.size(); ++i) fils.emplace_back(travailler);
    travailler();
    for (std::thread& fil : fils) fil.join();
    if (echec) return {};
    std::vector<unsigned char> sortie(SIGNATURE, SIGNATURE + 4);
    AjouterMot32(sortie, std::uint32_t(unites.size()));
    std::size_t decalage = TAILLE_ENTETE + 4 * (unites.size() + 1);
    for (std::size_t u = 0; u <= unites.size(); ++u) {
        if (decalage > 0xFFFFFFFFu) return {};
        AjouterMot32(sortie, std::uint32_t(decalage));
        if (u < unites.size()) decalage += emballees[u].size();
    }
    for (const std::vector<unsigned char>& unite : emballees) sortie.insert(sortie.end(), unite.begin(), unite.end());
    return sortie;
}
