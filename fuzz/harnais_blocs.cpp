// The payloads packed in blocks, as read in place: the layout of units, the
// headword index and the blocks of the main dictionary, the first keys and the
// blocks of a key index. Their bytes are enciphered, so most inputs stop at
// the layout or the checksum; what gets past must still be read in bounds.
#include <string>
#include <vector>

#include "data/ConteneurUnites.h"
#include "data/Dictionnaire.h"
#include "fuzz/Harnais.h"
#include "index/IndexBlocs.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* octets, std::size_t taille) {
    ConteneurUnites conteneur;
    if (conteneur.Ouvrir(octets, taille)) {
        EXIGER(conteneur.NombreUnites() <= taille / 4);
        std::vector<unsigned char> unite;
        for (std::size_t u = 0; u < conteneur.NombreUnites() && u < 8; ++u)
            if (conteneur.LireUnite(u, "cle", nullptr, unite)) EXIGER(unite.size() <= TAILLE_UNITE_MAX);
    }
    DictionnairePrincipal dictionnaire(2);
    if (dictionnaire.Ouvrir(octets, taille)) {
        const std::vector<std::string> titres = dictionnaire.Titres();
        for (const std::string& mot : {titres.empty() ? std::string() : titres.front(), std::string("maison")}) {
            for (const Article& article : dictionnaire.TrouverArticles(mot)) EXIGER(article.mot == mot);
            dictionnaire.FenetreMots(mot, 3, 2);
        }
        EXIGER(dictionnaire.BlocsEnCache() <= 2);
        EXIGER(dictionnaire.TousLesArticles().size() <= titres.size());
    }
    IndexBlocs index;
    if (index.Ouvrir(octets, taille, "0123456789abcdef", "iv")) index.Valeurs("mzn");
    return 0;
}
