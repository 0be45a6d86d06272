#include <gtest/gtest.h>

#include <string>

#include "approx/ReglesPhonetiques.h"
#include "approx/TablePhonemes.h"
#include "approx/TypesCles.h"

namespace {
struct Cas {
    const char* mot;
    const char* cle;
};

void Verifier(FonctionCle fonction, std::initializer_list<Cas> cas, const char* nom) {
    for (const Cas& c : cas) EXPECT_EQ(fonction(c.mot), c.cle) << nom << "(" << c.mot << ")";
}

std::string Codes(std::initializer_list<const char*> noms) {
    std::string codes;
    for (const char* nom : noms) codes.push_back(CodePhoneme(nom));
    return codes;
}
}  // namespace

TEST(TableTypesCles, DouzeLignesDontSeptActivesPuisUneLigneDeFin) {
    const char* actifs[] = {"MAPANA", "MAPCONS", "MAPPHON2", "MAPSIMP", "MAPDEBUT3", "MAPFIN3", "MAPMILIEU4"};
    int n = 0;
    for (int i = 0; i < NOMBRE_TYPES_CLES; ++i) {
        ASSERT_NE(TableTypesCles[i].fonction, nullptr);
        EXPECT_EQ(std::string(TableTypesCles[i].chaine).size(), 6u);
        if (TableTypesCles[i].actif) {
            EXPECT_STREQ(TableTypesCles[i].ressource, actifs[n++]);
        }
    }
    EXPECT_EQ(n, 7);
    EXPECT_EQ(TableTypesCles[NOMBRE_TYPES_CLES].fonction, nullptr);
    EXPECT_STREQ(TableTypesCles[3].nom, "PHON2");
    EXPECT_STREQ(TableTypesCles[11].nom, "Milieu4");
    EXPECT_EQ(TableTypesCles[9].fonction("mai"), "mai");
    EXPECT_EQ(TableTypesCles[7].fonction("abri"), "abri");
}

TEST(Cles, ANA) {
    Verifier(CleANA, {{"maison", "aimnos"}, {"aimons", "aimnos"}, {"Sonia-Ma\xEF", "aimnos"},
                      {"\xC9t\xE9", "et"}, {"a", "a"}, {"42", ""}, {"", ""}},
             "CleANA");
}

TEST(Cles, CONS) {
    Verifier(CleCONS, {{"dictionnaire", "pctmr"}, {"chanteur", "cmtr"}, {"parents", "prmt"},
                       {"maison", ""}, {"", ""}, {"CHANTEUR", "cmtr"}},
             "CleCONS");
}

TEST(Cles, SIMP) {
    Verifier(CleSIMP, {{"biblioth\xE8que", "blohqu"}, {"maison", ""}, {"chanteur", ""}, {"", ""}},
             "CleSIMP");
}

TEST(Cles, TAetTM) {
    EXPECT_EQ(CleTA("\xC9l\xE9phant"), "Elephant");
    EXPECT_EQ(CleTM("\xC9L\xC9PHANT"), "\xE9l\xE9phant");
}

TEST(Cles, Debut) {
    for (const Cas& c : {Cas{"mai", "mai"}, {"maison", ""}, {"abc", "abc"}, {"abcd", ""}, {"ab", ""}})
        EXPECT_EQ(CleDebut(c.mot, 3), c.cle) << c.mot;
    for (const Cas& c : {Cas{"abri", "abri"}, {"parents", "ents"}, {"ch\xE2teau", "teau"},
                         {"reprise", "rise"}, {"prise", ""}})
        EXPECT_EQ(CleDebut(c.mot, 4), c.cle) << c.mot;
}

TEST(Cles, Fin) {
    for (const Cas& c : {Cas{"maison", "son"}, {"dictionnaire", "tio"}, {"chanteur", ""},
                         {"\xE9t\xE9", "ete"}, {"ou", ""}})
        EXPECT_EQ(CleFin(c.mot, 3), c.cle) << c.mot;
    EXPECT_EQ(CleFin("maison", 4), "ison");
}

TEST(Cles, Milieu4) {
    Verifier(CleMilieu4, {{"maison", "aiso"}, {"dictionnaire", "ionn"}, {"chanteur", "ante"},
                          {"arc-en-ciel", "en-c"}, {"lampe", ""}, {"abcdef", "bcde"},
                          {"abcdefg", "cdef"}, {"abcdefgh", "cdef"}, {"ABCDEF", "bcde"}},
             "CleMilieu4");
    // 60 bytes are cut to 50 first: the key is bytes 24 to 27 (1-based).
    const std::string alphabet = "abcdefghijklmnopqrstuvwxyz";
    const std::string soixante = (alphabet + alphabet + alphabet).substr(0, 60);
    EXPECT_EQ(CleMilieu4(soixante), "xyza");
    EXPECT_EQ(CleMilieu4(soixante.substr(0, 50)), "xyza");
}

// A word written with a ligature and the same word written out fall on the
// same keys in every kind that the transforms build.
TEST(Cles, LesLigaturesDonnentLesClesDuMotEcritEnToutesLettres) {
    const std::pair<const char*, const char*> paires[] = {
        {"c\x9Cur", "coeur"},           {"\x9Cil", "oeil"},
        {"\x9C" "cum\xE9nisme", "oecum\xE9nisme"}, {"c\xE6" "cum", "caecum"},
        {"\x8C" "UVRE", "OEUVRE"},      {"\xC6" "sope", "AEsope"},
        {"contrec\x9Cur", "contrecoeur"},
    };
    for (const auto& [ligature, ecrit] : paires) {
        for (int i = 0; i < NOMBRE_TYPES_CLES; ++i) {
            const TypeCle& type = TableTypesCles[i];
            if (std::string(type.nom).rfind("PHON", 0) == 0) continue;  // the rules read ligatures themselves
            EXPECT_EQ(type.fonction(ligature), type.fonction(ecrit)) << type.nom << "(" << ecrit << ")";
        }
    }
    EXPECT_EQ(CleANA("c\x9Cur"), "ceoru");
    EXPECT_EQ(CleANA("\x9Cil"), "eilo");  // no longer the key of "il"
    EXPECT_EQ(CleCONS("c\x9Cur"), "");    // as short as "coeur"'s: no skeleton
    EXPECT_EQ(CleMilieu4("contrec\x9Cur"), "reco");
}

// The rules read the ligatures; a word typed without them gets them back
// where its two letters can stand for nothing else.
TEST(Cles, LesLigaturesTapeesSontRetabliesPourLesRegles) {
    const std::pair<const char*, const char*> cas[] = {
        {"oeuf", "\x9Cuf"},           {"coeur", "c\x9Cur"},       {"choeur", "ch\x9Cur"},
        {"OEUVRE", "\x8CUVRE"},       {"Oeuvre", "\x8Cuvre"},     {"oesophage", "\x9Csophage"},
        {"oedeme", "\x9C" "deme"}, {"moelle", "moelle"},        {"coefficient", "coefficient"},
        {"poele", "poele"},           {"oe", "oe"},               {"oeil", "\x9Cil"},
        {"oeillet", "\x9Cillet"},     {"coexister", "coexister"},
        {"c\x9Cur", "c\x9Cur"},       {"", ""},
    };
    for (const auto& [tape, attendu] : cas) EXPECT_EQ(RetablirLigatures(tape), attendu) << tape;
    InstallerRegles("\x9Cu:OEU\n\x9C:EAIGU\nc:K\no:O\nu:U\nr:R\nf:F\nb:B\nn:N\nd:D\ne:E\n");
    for (const auto& [ecrit, ligature] : {std::pair<const char*, const char*>{"coeur", "c\x9Cur"},
                                          {"boeuf", "b\x9Cuf"}, {"noeud", "n\x9Cud"}}) {
        EXPECT_EQ(ClePHON(ecrit), ClePHON(ligature)) << ecrit;
        EXPECT_EQ(ClePHON2(ecrit), ClePHON2(ligature)) << ecrit;
        EXPECT_FALSE(ClePHON(ecrit).empty()) << ecrit;
    }
}

TEST(Cles, FusionEtNomsDesPhonemes) {
    EXPECT_EQ(FusionPhonemes(Codes({"EGRAVE", "EAIGU", "EU", "OEU", "Z", "OOUVERT", "UIN", "A"})),
              Codes({"E", "E", "E", "E", "S", "O", "WIN", "A"}));
    EXPECT_EQ(NomsPhonemes(Codes({"M", "A", "Z", "ON"})), "M-A-Z-ON-");
    EXPECT_EQ(NomsPhonemes(FusionPhonemes(Codes({"M", "A", "Z", "ON"}))), "M-A-S-ON-");
    EXPECT_EQ(NomsPhonemes(""), "");
    EXPECT_EQ(NomsPhonemes(Codes({"M", "A"}) + "\x7F"), "");
    EXPECT_EQ(NomsPhonemes(std::string(1, '\x20') + Codes({"A"})), "");
}

TEST(Cles, LesClesPhonetiquesSuiventLesRegles) {
    InstallerRegles("m:M\na:A\ni:I\ns/o:Z\ns:S\non:ON\n\xE9:EAIGU\n\xE8:EGRAVE\nt:T\ne/:NUL\n");
    EXPECT_EQ(ClePHON("maison"), "M-A-I-Z-ON-");
    EXPECT_EQ(ClePHON2("maison"), "M-A-I-S-ON-");
    // An unknown byte cuts the transcription: the key holds what came before.
    EXPECT_EQ(ClePHON("maxon"), "M-A-");
    EXPECT_EQ(ClePHON("xa"), "");
    // é against è: different PHON keys, one PHON2 key.
    EXPECT_NE(ClePHON("t\xE9te"), ClePHON("t\xE8te"));
    EXPECT_EQ(ClePHON2("t\xE9te"), ClePHON2("t\xE8te"));
    EXPECT_EQ(ClePHON2("t\xE9te"), "T-E-T-");
}
