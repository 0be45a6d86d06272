#include "text/TransformationsCles.h"

#include <cstring>
#include <string_view>

#include "text/Transformations.h"

const char TableConsonnes[] = "bcdfgjklmnpqrstvwxz";
const char TableClassesConsonnes[] = "vcppjjclmmpcrctvvcc";

static_assert(sizeof(TableConsonnes) == 20 && sizeof(TableClassesConsonnes) == 20);

namespace {

constexpr const char* ListePrefixes =
    "abo abr acc ach aff agr all ame amo ang ant app arc arr art ass ast ati att aut bal ban bar bat "
    "bis bla bon bou bra bre bri bro bru cal cam can cap car cas cat cen cha che chi cho cla clo col "
    "com con cor cou cra cre cri cro cul deb dec ded def deg del dem den dep der des det dev dia dif "
    "dis div dra ebo ebr eca ech ecl eco ecr eff egr ele ema emb eme emm emo emp enc end enf eng enj "
    "enr ens ent env epa epi epo equ erc eri esc ess est eta etr eve exc exp ext fac fer fla for fou "
    "fra fre fri fro gal gar gla gou gra gre gri gro gue gui har her hou ill imm imp inc ind inf ins "
    "int inv lan lou mac mag mal man mar mat med men mer met min mon mor mou omp ons ort our out pai "
    "pal pan par pas pat pen per pet pla ple poi pol pon pos pou pre pri pro qua que qui rab rac rad "
    "rai ram ran rap ras rat rav re- rea reb rec red ree ref reg rei rel rem ren rep res ret rev ric "
    "ron rou sac sal sau sec ser sol son sou sta ste sti str sub sup sur syn tar tel ter the tin tor "
    "tou tra tre tri tro tru val ven ver vol";

constexpr const char* ListeSuffixes =
    "abl age aie air ais ait ale ame ant ass ate ati aux ble ces che dai dee der des dez dio ees ell "
    "eme ent era ere eri ero ers ett eur eus eux ges iai ias iat ice iee ier ies iez iio ill ime ine "
    "ins ion iqu ira ire iri iro isa ise isi ism iso iss ist ite ive lai lan las lat lee lem ler les "
    "lez lio lis lit lla lle llo mes nai nan nas nat nce nee ner nes nez nio nna nne nni nno nte nts "
    "onn ons ont que rai ran ras rat ree rer res rez ric rie rio sai san sas sat see sem ser ses sez "
    "sio sme ssa sse ssi sso ste tai tan tas tat tee ter tes tez tio tri tte uai uan uas uat uee uer "
    "ues uez uio ure urs use ves";

EnsembleTrigrammes LireTrigrammes(std::string_view liste) {
    EnsembleTrigrammes ensemble;
    for (std::size_t i = 0; i + 3 <= liste.size(); i += 4) ensemble.emplace(liste.substr(i, 3));
    return ensemble;
}

bool EstDans(const char* ensemble, char c) { return c != '\0' && std::strchr(ensemble, c) != nullptr; }

// Copies s onto itself without the bytes of `retires`.
void Retirer(char* s, const char* retires) {
    char* sortie = s;
    for (; *s; ++s)
        if (!EstDans(retires, *s)) *sortie++ = *s;
    *sortie = '\0';
}

const char* LettresFrequentes(std::size_t longueur) {
    switch (longueur) {
        case 0: case 1: case 2: return "-'";
        case 3: return "-'es";
        case 4: return "-'esan";
        case 5: return "-'esant";
        case 6: return "-'esantir";
        default: return "esantir-'";
    }
}

constexpr std::size_t LongueurMinimumAffixe = 5;

}  // namespace

const EnsembleTrigrammes& PrefixesFrequents() {
    static const EnsembleTrigrammes ensemble = LireTrigrammes(ListePrefixes);
    return ensemble;
}

const EnsembleTrigrammes& SuffixesFrequents() {
    static const EnsembleTrigrammes ensemble = LireTrigrammes(ListeSuffixes);
    return ensemble;
}

void SansDoublons(char* s) {
    if (*s == '\0') return;
    char* dernier = s;
    for (const char* lu = s + 1; *lu; ++lu)
        if (*lu != *dernier) *++dernier = *lu;
    dernier[1] = '\0';
}

void SansLettresFrequentes(char* s) { Retirer(s, LettresFrequentes(std::strlen(s))); }

void SansVoyelles(char* s) { Retirer(s, "aeiouyAEIOUY"); }

void ClassesConsonnes(char* s) {
    char* sortie = s;
    for (; *s; ++s) {
        const char* trouve = std::strchr(TableConsonnes, *s);
        if (trouve) *sortie++ = TableClassesConsonnes[trouve - TableConsonnes];
    }
    *sortie = '\0';
}

void SansFinale(char* s) {
    const std::size_t longueur = std::strlen(s);
    if (longueur == 0) return;
    if (longueur >= 2 && s[longueur - 2] == 'n' && (s[longueur - 1] == 's' || s[longueur - 1] == 't')) {
        s[longueur - 2] = '\0';
        return;
    }
    if (EstDans("enst", s[longueur - 1])) s[longueur - 1] = '\0';
}

void SansPrefixeFrequent(char* s) {
    const std::size_t longueur = std::strlen(s);
    if (longueur < LongueurMinimumAffixe) return;
    if (PrefixesFrequents().contains(std::string_view(s, 3))) std::memmove(s, s + 3, longueur - 3 + 1);
}

void SansSuffixeFrequent(char* s) {
    const std::size_t longueur = std::strlen(s);
    if (longueur < LongueurMinimumAffixe) return;
    if (SuffixesFrequents().contains(std::string_view(s + longueur - 3, 3))) s[longueur - 3] = '\0';
}

void TransformationNeutre(char*) {}

std::string SansDoublons(const std::string& s) { return SurCopie(s, SansDoublons); }
std::string SansLettresFrequentes(const std::string& s) { return SurCopie(s, SansLettresFrequentes); }
std::string SansVoyelles(const std::string& s) { return SurCopie(s, SansVoyelles); }
std::string ClassesConsonnes(const std::string& s) { return SurCopie(s, ClassesConsonnes); }
std::string SansFinale(const std::string& s) { return SurCopie(s, SansFinale); }
std::string SansPrefixeFrequent(const std::string& s) { return SurCopie(s, SansPrefixeFrequent); }
std::string SansSuffixeFrequent(const std::string& s) { return SurCopie(s, SansSuffixeFrequent); }
std::string TransformationNeutre(const std::string& s) { return SurCopie(s, TransformationNeutre); }

std::string PremiersCaracteres(const std::string& s, std::size_t n) {
    const std::string texte(s.c_str());
    return n <= 1 ? std::string() : texte.substr(0, n - 1);
}
