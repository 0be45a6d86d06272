#include "conjugation/Conjugaison.h"

#include <openssl/evp.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <vector>

#include "conjugation/DossierPrive.h"
#include "data/Ressources.h"
#include "database/ConnexionBase.h"
#include "database/IndexeurSecDB.h"
#include "platform/RessourcesEmbarquees.h"
#include "text/FichiersTexte.h"
#include "text/Trace.h"

const char* const MOT_DE_PASSE_CONJUGAISONS = "verbeconjug";

namespace {

using Empreinte = std::string;

// SHA-256 of everything `lire` hands over, chunk by chunk; empty on failure.
template <typename Lecture>
Empreinte EmpreinteSha256(Lecture lire) {
    std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> contexte(EVP_MD_CTX_new(), EVP_MD_CTX_free);
    if (!contexte || EVP_DigestInit_ex(contexte.get(), EVP_sha256(), nullptr) != 1) return Empreinte();
    const bool lu = lire([&contexte](const void* octets, std::size_t taille) {
        return EVP_DigestUpdate(contexte.get(), octets, taille) == 1;
    });
    unsigned char empreinte[EVP_MAX_MD_SIZE];
    unsigned int longueur = 0;
    if (!lu || EVP_DigestFinal_ex(contexte.get(), empreinte, &longueur) != 1) return Empreinte();
    return Empreinte(reinterpret_cast<const char*>(empreinte), longueur);
}

// The embedded database's size and digest, worked out once per run.
bool EmpreinteRessource(std::size_t& taille, Empreinte& empreinte) {
    static std::size_t tailleRessource = 0;
    static Empreinte empreinteRessource;
    if (empreinteRessource.empty()) {
        const unsigned char* octets = nullptr;
        if (!TrouverRessourceEmbarquee(RESSOURCE_CONJUGAISONS, &octets, &tailleRessource)) return false;
        empreinteRessource = EmpreinteSha256([&](auto ajouter) { return ajouter(octets, tailleRessource); });
        if (empreinteRessource.empty()) return false;
    }
    taille = tailleRessource;
    empreinte = empreinteRessource;
    return true;
}

Empreinte EmpreinteFichier(const std::string& chemin) {
    std::ifstream fichier(chemin, std::ios::binary);
    if (!fichier) return Empreinte();
    return EmpreinteSha256([&fichier](auto ajouter) {
        std::vector<char> morceau(1 << 16);
        while (fichier) {
            fichier.read(morceau.data(), std::streamsize(morceau.size()));
            if (fichier.gcount() > 0 && !ajouter(morceau.data(), std::size_t(fichier.gcount()))) return false;
        }
        return fichier.eof();
    });
}

// A copy found in the folder is used only when it is a plain file of ours
// that holds exactly the embedded database. Anything else (a partial or
// altered file, an older build's database, a link, a file of another user)
// is written again.
bool CopieConforme(const std::string& chemin) {
    struct stat etat {};
    if (lstat(chemin.c_str(), &etat) != 0 || !S_ISREG(etat.st_mode) || etat.st_uid != geteuid()) return false;
    std::size_t taille = 0;
    Empreinte attendue;
    if (!EmpreinteRessource(taille, attendue) || std::size_t(etat.st_size) != taille) return false;
    return EmpreinteFichier(chemin) == attendue;
}

// The copy is written under a private name, then renamed: another instance
// starting at the same moment never sees a half-written database, and a
// link planted at the name is replaced, never written through.
bool ExtraireSansRisque(const std::string& chemin) {
    std::string provisoire = chemin + ".XXXXXX";
    const int descripteur = mkstemp(provisoire.data());
    if (descripteur < 0) return false;
    close(descripteur);
    if (ExtraireRessource(RESSOURCE_CONJUGAISONS, provisoire) && std::rename(provisoire.c_str(), chemin.c_str()) == 0)
        return true;
    std::remove(provisoire.c_str());
    return false;
}

// zlib's one-shot inflate into the fixed capacity. `longueur` keeps the
// capacity unless the inflate succeeded.
bool Inflater(const BlocOctets& donnees, std::vector<unsigned char>& sortie, uLongf& longueur) {
    longueur = CAPACITE_TEXTE_CONJUGAISON;
    sortie.assign(CAPACITE_TEXTE_CONJUGAISON + 1, 0);
    if (donnees.Vide()) return false;
    uLongf produite = CAPACITE_TEXTE_CONJUGAISON;
    if (uncompress(sortie.data(), &produite, donnees.Donnees(), donnees.Taille()) != Z_OK) return false;
    longueur = produite;
    sortie[longueur] = 0;
    return true;
}

}  // namespace

bool PreparerBaseConjugaisons(std::string& chemin) {
    // Kept in a folder of our own: in a shared temporary folder another
    // user's copy would block ours, or a planted database would be read.
    const std::string dossier = DossierPrive();
    chemin = dossier.empty() ? std::string() : dossier + NOM_COPIE_CONJUGAISONS;
    if (chemin.empty()) return false;
    if (CopieConforme(chemin)) return true;
    return ExtraireSansRisque(chemin);
}

bool ChargerConjugaison(const std::string& verbe, const std::string& chemin, std::string& texte) {
    const std::string base = chemin.empty() ? BASE_CONJUGAISONS_DEFAUT : chemin;
    std::unique_ptr<ConnexionBase> connexion =
        ConnexionBase::Ouvrir(std::string(PREFIXE_CONNEXION) + base, MOT_DE_PASSE_CONJUGAISONS);
    BlocOctets donnees;
    {
        IndexeurSecDB index("ConjugaisonImage", "hash", "contenu");
        // A failed preparation shows up as an empty read.
        index.PreparerRequete(connexion.get(), "ConjugaisonImage", "hash");
        donnees = index.LireDonnees(connexion.get(), verbe, true);
    }
    std::vector<unsigned char> sortie;
    uLongf longueur = 0;
    const bool inflate = Inflater(donnees, sortie, longueur);
    connexion->Fermer();
    if (!inflate) {
        // Nothing read is a word without a row, not a damaged one: no diagnostic for it.
        if (!donnees.Vide()) Trace("PROBLEME DE DECOMPRESSION E1 (taille %d)\n", int(longueur));
        texte.clear();
        return false;
    }
    texte.assign(reinterpret_cast<const char*>(sortie.data()));
    return true;
}
