// The key transforms and the twelve key kinds on arbitrary words, long ones
// included: no transform lengthens its text, in place or on a copy.
#include <cstring>
#include <string>
#include <vector>

#include "approx/TypesCles.h"
#include "fuzz/Harnais.h"
#include "fuzz/ReglesInstallees.h"
#include "text/OrdreFrancais.h"
#include "text/Transformations.h"
#include "text/TransformationsCles.h"

namespace {

using EnPlace = void (*)(char*);
using SurChaine = std::string (*)(const std::string&);

struct Transformation {
    EnPlace enPlace;
    SurChaine surChaine;
};

const Transformation Transformations[] = {
    {SansDoublons, SansDoublons},
    {SansLettresFrequentes, SansLettresFrequentes},
    {SansVoyelles, SansVoyelles},
    {ClassesConsonnes, ClassesConsonnes},
    {SansFinale, SansFinale},
    {SansPrefixeFrequent, SansPrefixeFrequent},
    {SansSuffixeFrequent, SansSuffixeFrequent},
    {TransformationNeutre, TransformationNeutre},
    {Minuscules, Minuscules},
    {SansAccents, SansAccents},
    {Elaguer, Elaguer},
};

void VerifierTransformation(const Transformation& t, const std::string& mot) {
    // The in-place form on a buffer of exactly the word and its terminator.
    std::vector<char> tampon(mot.c_str(), mot.c_str() + mot.size() + 1);
    const std::size_t avant = std::strlen(tampon.data());
    t.enPlace(tampon.data());
    EXIGER(std::strlen(tampon.data()) <= avant);
    const std::string copie = t.surChaine(mot);
    EXIGER(copie.size() <= avant);
    EXIGER(copie == tampon.data());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* octets, std::size_t taille) {
    InstallerReglesSource();
    const std::string mot(VueOctets(octets, taille));
    for (const Transformation& t : Transformations) VerifierTransformation(t, mot);
    for (const TypeCle* type = TableTypesCles; type->fonction != nullptr; ++type) type->fonction(mot);
    for (std::size_t n = 0; n < 6; ++n) {
        CleDebut(mot, n);
        CleFin(mot, n);
        EXIGER(PremiersCaracteres(mot, n).size() <= (n == 0 ? 0 : n - 1));
    }
    FusionPhonemes(mot);
    NomsPhonemes(mot);
    DoublerApostrophes(mot);
    SimplifierApostrophes(mot);
    FinsDeLigneCRLF(mot);
    const auto [a, b] = CouperAuZero(mot);
    MotSuperieur(std::string(a), std::string(b));
    MotsEgaux(std::string(a), std::string(b));
    EstCapitalise(mot);
    for (std::size_t pos : {std::size_t(0), mot.size() / 2, mot.size()}) MotAutourDe(mot, pos);
    return 0;
}
