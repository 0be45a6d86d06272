#include "conjugation/fenetre/ZephJugaison.h"

#include "conjugation/Conjugaison.h"
#include "conjugation/fenetre/TableauConjugaison.h"
#include "platform/dialogue/InterfaceUtilisateur.h"
#include "text/Transformations.h"

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
