#include <gtest/gtest.h>

#include <map>
#include <string>

#include "tools/donnees/CategoriesLittre.h"

namespace {
std::string Attribut(const EnTeteLittre& entete, const char* cle) {
    const auto trouve = entete.attributs.find(cle);
    return trouve == entete.attributs.end() ? "" : trouve->second;
}
}  // namespace

TEST(AnalyserEnTete, CategorieEtAttributsDesAbreviations) {
    struct Cas {
        const char* entete;
        const char* categorie;
        const char* genre;
        const char* nombre;
        const char* emploi;
    } const cas[] = {
        {"(m\xEA-zon) s. f.", "NOM", "f\xE9minin", "", ""},
        {"(cha) s. m.", "NOM", "masculin", "", ""},
        {"(ar-tis-t') s. m. et f.", "NOM", "masculin et f\xE9minin", "", ""},
        {"(an-na-l') s. f. pl.", "NOM", "f\xE9minin", "pluriel", ""},
        {"(fr\xE9-mi-san, san-t') adj.", "ADJECTIF", "", "", ""},
        {"(gr\xE9-k) adj. et s. m.", "ADJECTIF ET NOM", "masculin", "", ""},
        {"(a-l\xE9) v. n.", "VERBE", "", "", "intransitif"},
        {"(fi-\xE9), je fiais, nous fiions, vous fiiez ; que je fie, v. a.", "VERBE", "", "",
         "transitif"},
        {"(s'ex-ta-zi-\xE9) v. r\xE9\x66l.", "VERBE", "", "", "pronominal"},
        {"(plu-voi-r') v. n. impers.", "VERBE", "", "", "impersonnel"},
        {"(a-ga-s\xE9, s\xE9\x65) part. pass\xE9.", "PARTICIPE PASS\xC9", "", "", ""},
        {"(a-pr\xE8) loc. adv.", "LOCUTION ADVERBIALE", "", "", ""},
        {"(ou) interj.", "INTERJECTION", "", "", ""},
        {"(ma-li-sieu-ze-man) adv.", "ADVERBE", "", "", ""},
        {"(s\xE9-lon) pr\xE9p.", "PR\xC9POSITION", "", "", ""},
    };
    for (const Cas& c : cas) {
        const EnTeteLittre entete = AnalyserEnTete(c.entete);
        EXPECT_EQ(entete.categorie, c.categorie) << c.entete;
        EXPECT_EQ(Attribut(entete, ATTRIBUT_GENRE), c.genre) << c.entete;
        EXPECT_EQ(Attribut(entete, ATTRIBUT_NOMBRE), c.nombre) << c.entete;
        EXPECT_EQ(Attribut(entete, ATTRIBUT_EMPLOI), c.emploi) << c.entete;
    }
}

TEST(AnalyserEnTete, PrononciationEtRestesDeLEnTete) {
    const EnTeteLittre fier =
        AnalyserEnTete("(fi-\xE9), je fiais, nous fiions, vous fiiez ; que je fie, v. a.");
    EXPECT_EQ(Attribut(fier, ATTRIBUT_PRONONCIATION), "(fi-\xE9)");
    EXPECT_EQ(Attribut(fier, ATTRIBUT_REMARQUE),
              "je fiais, nous fiions, vous fiiez ; que je fie");

    const EnTeteLittre botanique = AnalyserEnTete("(a-lo-\xE8s) s. m. Terme de botanique.");
    EXPECT_EQ(botanique.categorie, "NOM");
    EXPECT_EQ(Attribut(botanique, ATTRIBUT_REMARQUE), "Terme de botanique.");

    const EnTeteLittre gate = AnalyserEnTete("(g\xE2-t\xE9) part. pass\xE9 de g\xE2ter");
    EXPECT_EQ(gate.categorie, "PARTICIPE PASS\xC9");
    EXPECT_EQ(Attribut(gate, ATTRIBUT_REMARQUE), "de g\xE2ter");
}

TEST(AnalyserEnTete, SansAbreviationConnue) {
    const EnTeteLittre entete = AnalyserEnTete("(a) 3e pers. sing. ind. pr\xE9s. du verbe AVOIR.");
    EXPECT_EQ(entete.categorie, "");
    EXPECT_EQ(Attribut(entete, ATTRIBUT_PRONONCIATION), "(a)");
    EXPECT_EQ(Attribut(entete, ATTRIBUT_REMARQUE), "3e pers. sing. ind. pr\xE9s. du verbe AVOIR.");
    EXPECT_EQ(AnalyserEnTete("").categorie, "");
}

TEST(TrouverCategorie, MotsEntiersEtFormeLaPlusLongue) {
    std::size_t debut = 0, fin = 0;
    // "adverbe" is a word, not the abbreviation "adv."; "s. m." inside
    // "adj. et s. m." belongs to the longer one.
    EXPECT_EQ(TrouverCategorie("qui a le caract\xE8re de l'adverbe", debut, fin), nullptr);
    const CategorieLittre* categorie = TrouverCategorie("adj. et s. m.", debut, fin);
    ASSERT_NE(categorie, nullptr);
    EXPECT_STREQ(categorie->categorie, "ADJECTIF ET NOM");
    EXPECT_EQ(debut, 0u);
    EXPECT_EQ(fin, 13u);
}
