#include "conjugation/Conjugaison.h"

#include <unistd.h>
#include <zlib.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "conjugation/base/ConnexionBase.h"
#include "conjugation/TableauConjugaison.h"
#include "data/Ressources.h"
#include "platform/dialogue/InterfaceUtilisateur.h"
#include "text/FichiersTexte.h"
#include "conjugation/base/IndexeurSecDB.h"
#include "text/Trace.h"
#include "text/Transformations.h"

const char* const MOT_DE_PASSE_CONJUGAISONS = "verbeconjug";

namespace {

// The copy is written under a private name, then renamed: another instance
// starting at the same moment never sees a half-written database, and a
// name planted in a shared temporary folder is never written through.
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
    chemin = DossierTemporaire() + NOM_COPIE_CONJUGAISONS;
    if (FichierExiste(chemin)) return true;
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

bool ZephJugaison(const std::string& verbe) {
    std::string chemin;
    if (!PreparerBaseConjugaisons(chemin)) return false;
    std::string texte;
    if (!ChargerConjugaison(verbe, chemin, texte)) {
        BoiteMessage("Zeph", "La conjugaison de [" + verbe + "] ne peut pas \xEAtre affich\xE9" "e", Icone::Avertissement);
        return false;
    }
    TableauConjugaison tableau;
    tableau.titre = "ZephJugaison - VERBE " + verbe;
    tableau.texte = FinsDeLigneCRLF(texte);
    tableau.LancerModal();
    return true;
}
