#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "text/TransformationsCles.h"
#include "text/tests/Cp1252Essai.h"

namespace {

using Transformation = void (*)(char*);
using TransformationChaine = std::string (*)(const std::string&);

// In place with a guard byte after the terminator, checked against the owned-string form.
std::string Appliquer(Transformation enPlace, TransformationChaine surChaine, const std::string& entree) {
    std::string tampon = entree;
    tampon += '\0';
    tampon += '#';
    enPlace(tampon.data());
    EXPECT_EQ(tampon.back(), '#') << "wrote past the terminator";
    const std::string resultat(tampon.c_str());
    EXPECT_LE(resultat.size(), entree.size());
    EXPECT_EQ(surChaine(entree), resultat);
    return resultat;
}

struct Cas {
    const char* entree;
    const char* attendu;
};

void Verifier(Transformation enPlace, TransformationChaine surChaine, std::initializer_list<Cas> cas) {
    for (const auto& c : cas)
        EXPECT_EQ(Appliquer(enPlace, surChaine, W(c.entree)), W(c.attendu)) << '[' << c.entree << ']';
}

TEST(TablesCles, ClassesDesConsonnes) {
    EXPECT_EQ(std::strlen(TableConsonnes), 19u);
    EXPECT_EQ(std::strlen(TableClassesConsonnes), 19u);
    const std::string attendu = "b>v c>c d>p f>p g>j j>j k>c l>l m>m n>m p>p q>c r>r s>c t>t v>v w>v x>c z>c";
    std::string paires;
    for (int i = 0; i < 19; ++i) {
        if (i) paires += ' ';
        paires += std::string{TableConsonnes[i], '>', TableClassesConsonnes[i]};
    }
    EXPECT_EQ(paires, attendu);
}

TEST(TablesCles, EnsemblesDeTrigrammes) {
    EXPECT_EQ(PrefixesFrequents().size(), 250u);
    EXPECT_EQ(SuffixesFrequents().size(), 151u);
    for (const auto& t : PrefixesFrequents()) EXPECT_EQ(t.size(), 3u) << t;
    for (const auto& t : SuffixesFrequents()) EXPECT_EQ(t.size(), 3u) << t;
    for (const char* p : {"abo", "re-", "vol", "cha", "reb", "syn"}) EXPECT_TRUE(PrefixesFrequents().contains(p)) << p;
    for (const char* p : {"mai", "zzz", "vom", "re "}) EXPECT_FALSE(PrefixesFrequents().contains(p)) << p;
    for (const char* s : {"abl", "ves", "eur", "ion", "nts"}) EXPECT_TRUE(SuffixesFrequents().contains(s)) << s;
    for (const char* s : {"son", "zzz", "aba"}) EXPECT_FALSE(SuffixesFrequents().contains(s)) << s;
}

TEST(SansDoublons, Cas) {
    Verifier(SansDoublons, SansDoublons,
             {{"", ""}, {"a", "a"}, {"aaa", "a"}, {"appeller", "apeler"}, {"abba", "aba"},
              {"--ééé--", "-é-"}, {"aAa", "aAa"}, {"mississippi", "misisipi"}});
}

TEST(SansLettresFrequentes, SelonLaLongueur) {
    Verifier(SansLettresFrequentes, SansLettresFrequentes,
             {{"", ""},
              {"il", "il"},
              {"'-", ""},
              {"abc", "abc"},
              {"les", "l"},
              {"chat", "cht"},
              {"l'as", "l"},
              {"rasta", "r"},
              {"maison", "mo"},
              {"arc-en-ciel", "ccl"},
              {"ARC-EN", "ARCEN"},        // capitals are not in the sets
              {"été-é", "ééé"},           // nor are accented letters
              {"tartine", ""}});
}

TEST(SansVoyelles, Cas) {
    Verifier(SansVoyelles, SansVoyelles,
             {{"", ""}, {"aeiouyAEIOUY", ""}, {"chapeau", "chp"}, {"Yvette", "vtt"}, {"élève", "élèv"},
              {"bcd", "bcd"}});
}

TEST(ClassesConsonnes, Cas) {
    Verifier(ClassesConsonnes, ClassesConsonnes,
             {{"", ""},
              {"chapeau", "cp"},
              {"hôtel", "tl"},
              {"bcdfgjklmnpqrstvwxz", "vcppjjclmmpcrctvvcc"},
              {"CHAPEAU", ""},
              {"ça-y'1", ""},
              {"dentiste", "pmtct"}});
}

TEST(SansFinale, UnSeulPassage) {
    Verifier(SansFinale, SansFinale,
             {{"", ""}, {"parents", "parent"}, {"parent", "pare"}, {"enfant", "enfa"}, {"rose", "ros"},
              {"e", ""}, {"s", ""}, {"ns", ""}, {"nt", ""}, {"n", ""}, {"t", ""}, {"chat", "cha"},
              {"mur", "mur"}, {"sens", "se"}, {"NS", "NS"}, {"nez", "nez"}});
}

TEST(SansPrefixeFrequent, Cas) {
    Verifier(SansPrefixeFrequent, SansPrefixeFrequent,
             {{"", ""}, {"re-dire", "dire"}, {"reçu", "reçu"}, {"rebond", "ond"}, {"chanteur", "nteur"},
              {"abord", "rd"}, {"abor", "abor"}, {"maison", "maison"}, {"Rebond", "Rebond"}});
}

TEST(SansSuffixeFrequent, Cas) {
    Verifier(SansSuffixeFrequent, SansSuffixeFrequent,
             {{"", ""}, {"maison", "maison"}, {"chanteur", "chant"}, {"nation", "nat"}, {"table", "ta"},
              {"able", "able"}, {"NATION", "NATION"}});
}

TEST(TransformationNeutre, Identite) {
    Verifier(TransformationNeutre, TransformationNeutre, {{"", ""}, {"Éléphant-rose", "Éléphant-rose"}});
}

TEST(PremiersCaracteres, TailleDeTampon) {
    EXPECT_EQ(PremiersCaracteres("abcdef", 4), "abc");
    EXPECT_EQ(PremiersCaracteres("abcdef", 3), "ab");
    EXPECT_EQ(PremiersCaracteres("ab", 4), "ab");
    EXPECT_EQ(PremiersCaracteres("abc", 4), "abc");
    EXPECT_EQ(PremiersCaracteres("abc", 1), "");
    EXPECT_EQ(PremiersCaracteres("abc", 0), "");
    EXPECT_EQ(PremiersCaracteres("", 5), "");
}

}  // namespace
