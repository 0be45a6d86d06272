#include "data/Ressources.h"

#include <sys/stat.h>
#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <limits>

#include "data/ChiffreOfb.h"
#include "platform/RessourcesEmbarquees.h"

namespace {

constexpr std::size_t TAILLE_CLE = 16;
constexpr std::size_t TAILLE_CHAMP_IV = 32;
static_assert(TAILLE_CLE == TAILLE_CLE_AES && TAILLE_CHAMP_IV >= TAILLE_IV_AES);
constexpr std::size_t TAILLE_MORCEAU_EXTRACTION = 1024;

// Completes keys shorter than the cipher needs (22 characters).
constexpr char BOURRAGE_CLE[] = "YUoftIU4mVrCxhYqK4BhFs";
// What the IV field holds before a caller's IV is copied over it (32 characters).
constexpr char IV_PAR_DEFAUT[] = "JHSb4cb5DJGuB20vjaVfbaxnsmnuIL2L";
static_assert(sizeof(BOURRAGE_CLE) == 22 + 1);
static_assert(sizeof(IV_PAR_DEFAUT) == TAILLE_CHAMP_IV + 1);

struct MaterielChiffre {
    unsigned char cle[TAILLE_CLE];
    unsigned char iv[TAILLE_CHAMP_IV];
};

MaterielChiffre PreparerMateriel(const std::string& cle, const char* iv) {
    MaterielChiffre materiel{};
    std::string complete = cle;
    if (complete.size() < TAILLE_CLE) complete += BOURRAGE_CLE;
    std::memcpy(materiel.cle, complete.data(), TAILLE_CLE);
    std::memcpy(materiel.iv, IV_PAR_DEFAUT, TAILLE_CHAMP_IV);
    // strncpy semantics: an IV ends at its first 0x00 and the rest of the
    // field is zeroed, so that every producer of our data agrees on the bytes.
    if (iv != nullptr) {
        const std::size_t longueur = strnlen(iv, TAILLE_CHAMP_IV);
        std::memcpy(materiel.iv, iv, longueur);
        std::memset(materiel.iv + longueur, 0, TAILLE_CHAMP_IV - longueur);
    }
    return materiel;
}

// AES-128-OFB over the whole input. OFB is a stream mode, so the output has
// the input's length; `sortie` must hold that many bytes. Returns the length
// written, or -1 when the cipher fails. OFB is its own inverse: enciphering
// and deciphering are the same call.
long AppliquerAesOfb(const MaterielChiffre& materiel, const unsigned char* entree, int taille, unsigned char* sortie) {
    if (taille <= 0 || !AppliquerOfb(materiel.cle, materiel.iv, entree, std::size_t(taille), sortie)) return -1;
    return taille;
}

BlocOctets InflaterEnMemoire(const BlocOctets& entree) {
    const std::size_t capacite = std::size_t(entree.Taille()) * FACTEUR_INFLATION;
    if (capacite > std::numeric_limits<uLongf>::max() ||
        capacite > std::numeric_limits<std::uint32_t>::max())
        return BlocOctets();
    BlocOctets sortie = BlocOctets::Allouer(capacite);
    if (sortie.Capacite() == 0) return BlocOctets();
    uLongf longueur = uLongf(capacite);
    if (uncompress(sortie.Donnees(), &longueur, entree.Donnees(), uLong(entree.Taille())) != Z_OK ||
        !sortie.FixerTaille(std::uint32_t(longueur)))
        return BlocOctets();
    return sortie;
}

bool EcrireParMorceaux(std::FILE* fichier, const unsigned char* octets, std::size_t taille) {
    for (std::size_t fait = 0; fait < taille; fait += TAILLE_MORCEAU_EXTRACTION) {
        const std::size_t morceau = std::min(TAILLE_MORCEAU_EXTRACTION, taille - fait);
        if (std::fwrite(octets + fait, 1, morceau, fichier) != morceau) return false;
    }
    return true;
}

// A partial copy would be taken for a good one by whoever reuses the file.
// Only a regular file is removed: the path may name a device.
void SupprimerCopiePartielle(const std::string& chemin) {
    struct stat etat {};
    if (::stat(chemin.c_str(), &etat) == 0 && S_ISREG(etat.st_mode)) std::remove(chemin.c_str());
}

}  // namespace

BlocOctets LireRessource(const char* nom) {
    if (nom == nullptr) return BlocOctets();
    const unsigned char* octets = nullptr;
    std::size_t taille = 0;
    if (!TrouverRessourceEmbarquee(nom, &octets, &taille)) return BlocOctets();
    if (taille >= std::numeric_limits<std::uint32_t>::max()) return BlocOctets();
    return BlocOctets::CopieAvecZero(octets, std::uint32_t(taille));
}

bool LireRessourceEnPlace(const char* nom, const unsigned char*& octets, std::size_t& taille) {
    return nom != nullptr && TrouverRessourceEmbarquee(nom, &octets, &taille);
}

bool ExtraireRessource(const char* nom, const std::string& chemin) {
    BlocOctets bloc = LireRessource(nom);
    // A found resource always has a capacity (its bytes plus the 0x00).
    if (bloc.Capacite() == 0) return false;
    std::FILE* fichier = std::fopen(chemin.c_str(), "wb");
    if (fichier == nullptr) return false;
    bool ecrit = EcrireParMorceaux(fichier, bloc.Donnees(), bloc.Taille());
    if (std::fclose(fichier) != 0) ecrit = false;
    if (!ecrit) SupprimerCopiePartielle(chemin);
    return ecrit;
}

BlocOctets DechiffrerDonnees(const std::string& cle, const char* iv, const BlocOctets& entree) {
    if (entree.Vide() || entree.Taille() > TAILLE_TAMPON_DECHIFFRE) return BlocOctets();
    // Each call has its own output area of exactly the needed size, so
    // concurrent calls do not need a lock.
    BlocOctets sortie = BlocOctets::Allouer(std::size_t(entree.Taille()) + 1);
    if (sortie.Capacite() == 0) return BlocOctets();
    const long longueur = AppliquerAesOfb(PreparerMateriel(cle, iv), entree.Donnees(),
                                          int(entree.Taille()), sortie.Donnees());
    if (longueur <= 0 || longueur > long(entree.Taille())) return BlocOctets();
    sortie.Donnees()[longueur] = 0;
    sortie.FixerTaille(std::uint32_t(longueur));
    return sortie;
}

BlocOctets ChargerDonnees(const char* nom, bool inflate, bool decipher, const std::string& cle,
                          const char* iv) {
    BlocOctets bloc = LireRessource(nom);
    if (bloc.Vide()) return BlocOctets();
    if (decipher) {
        bloc = DechiffrerDonnees(cle, iv, bloc);
        if (bloc.Vide()) return BlocOctets();
    }
    if (inflate) return InflaterDonnees(bloc);
    return bloc;
}

BlocOctets InflaterDonnees(const BlocOctets& entree) {
    if (entree.Vide()) return BlocOctets();
    return InflaterEnMemoire(entree);
}

bool AppliquerChiffreNumerote(const std::string& cle, const char* iv, std::uint32_t numero,
                              const unsigned char* entree, std::size_t taille, unsigned char* sortie) {
    if (taille == 0 || taille > TAILLE_TAMPON_DECHIFFRE) return false;
    MaterielChiffre materiel = PreparerMateriel(cle, iv);
    for (int i = 0; i < 4; ++i) materiel.iv[12 + i] ^= static_cast<unsigned char>(numero >> (8 * i));
    return AppliquerAesOfb(materiel, entree, int(taille), sortie) == long(taille);
}

std::string DeriverCle(const unsigned char* constante, const char* court) {
    std::string sortie;
    if (constante == nullptr || court == nullptr || court[0] == '\0') return sortie;
    const char* curseur = court;
    int precedent = 0;
    for (const unsigned char* b = constante; *b != 0; ++b) {
        int valeur = int(*b) - int(static_cast<unsigned char>(*curseur)) - precedent;
        if (valeur < 0) valeur += 255;
        if (valeur < 0) valeur += 255;
        sortie.push_back(char(valeur));
        precedent = *b;
        if (*++curseur == '\0') curseur = court;
    }
    return sortie;
}

std::vector<unsigned char> EmballerDonnees(const std::vector<unsigned char>& charge, bool deflate,
                                           bool chiffrer, const std::string& cle, const char* iv) {
    std::vector<unsigned char> donnees;
    if (deflate) {
        uLongf longueur = compressBound(uLong(charge.size()));
        donnees.resize(longueur);
        if (compress2(donnees.data(), &longueur, charge.data(), uLong(charge.size()), 9) != Z_OK)
            return {};
        donnees.resize(longueur);
    } else {
        donnees = charge;
    }
    if (!chiffrer) return donnees;
    // The reader refuses what it could not decipher.
    if (donnees.empty() || donnees.size() > TAILLE_TAMPON_DECHIFFRE) return {};
    std::vector<unsigned char> chiffre(donnees.size());
    const long longueur = AppliquerAesOfb(PreparerMateriel(cle, iv), donnees.data(),
                                          int(donnees.size()), chiffre.data());
    if (longueur != long(donnees.size())) return {};
    return chiffre;
}
