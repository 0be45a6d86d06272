#include "lexique/ListePerso.h"

#include <openssl/evp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <map>

#include "lexique/DossierDonneesUtilisateur.h"
#include "text/FichiersTexte.h"

namespace {

constexpr std::size_t LongueurControle = 10;
constexpr const char* VersionAttendue = "1.0";

std::string Valeur(const std::map<std::string, std::string>& paires, const char* cle) {
    const auto trouve = paires.find(cle);
    return trouve == paires.end() ? std::string() : trouve->second;
}

bool DossierAccessible(const std::string& dossier) {
    struct stat etat;
    return !dossier.empty() && stat(dossier.c_str(), &etat) == 0 && S_ISDIR(etat.st_mode) &&
           access(dossier.c_str(), X_OK) == 0;
}

std::string Md5Hexadecimal(const std::string& texte) {
    unsigned char empreinte[EVP_MAX_MD_SIZE];
    unsigned int taille = 0;
    if (EVP_Digest(texte.data(), texte.size(), empreinte, &taille, EVP_md5(), nullptr) != 1) return std::string();
    std::string hexa;
    char chiffres[3];
    for (unsigned int i = 0; i < taille; ++i) {
        std::snprintf(chiffres, sizeof chiffres, "%02x", empreinte[i]);
        hexa += chiffres;
    }
    return hexa;
}

}  // namespace

EntreePerso LireEntreePerso(const std::string& ligne) {
    const std::map<std::string, std::string> paires = DecouperPaires(ligne, ',', '=');
    EntreePerso entree;
    entree.type = Valeur(paires, "type");
    entree.titre = Valeur(paires, "titre");
    entree.libelle = Valeur(paires, "libelle");
    entree.genre = Valeur(paires, "genre");
    entree.nombre = Valeur(paires, "nombre");
    entree.description = Valeur(paires, "description");
    entree.actif = Valeur(paires, "actif") == "true";
    entree.valide = true;
    entree.formesingulier = Valeur(paires, "formesingulier");
    entree.formepluriel = Valeur(paires, "formepluriel");
    entree.SousType = Valeur(paires, "SousType");
    return entree;
}

std::string CheminListePerso(const std::string& dossier, const std::string& nom) {
    if (!nom.empty() && nom.front() == '/') return nom;
    if (!DossierAccessible(dossier)) return nom;
    return dossier.back() == '/' ? dossier + nom : dossier + "/" + nom;
}

bool ListePerso::ChargerListePerso(const std::string& nom, std::string& erreur) {
    nomFichier_ = nom;
    // Read by full path: the process's current folder is never changed.
    std::vector<std::string> lignes;
    if (!LireLignes(CheminListePerso(DossierDonneesUtilisateur(), nom), lignes)) return false;
    entrees_.clear();
    if (lignes.empty()) {
        erreur = ERREUR_FICHIER_VIDE;
        return false;
    }
    const std::map<std::string, std::string> entete = DecouperPaires(lignes.front(), ',', '=');
    if (Valeur(entete, "version") != VersionAttendue) {
        erreur = ERREUR_VERSION;
        return false;
    }
    for (std::size_t i = 1; i < lignes.size(); ++i) entrees_.push_back(LireEntreePerso(lignes[i]));
    // A control that could not be computed never matches, not even a missing one.
    const std::string controle = ControleListePerso();
    if (controle.empty() || controle != Valeur(entete, "controle")) {
        erreur = ERREUR_CONTROLE;
        entrees_.clear();
        return false;
    }
    return true;
}

std::string ListePerso::ControleListePerso() const {
    std::string libelles;
    for (const EntreePerso& entree : entrees_) libelles += entree.libelle;
    return Md5Hexadecimal(libelles).substr(0, LongueurControle);
}
