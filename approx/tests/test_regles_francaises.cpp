#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "approx/ReglesPhonetiques.h"
#include "approx/TypesCles.h"
#include "text/Cp1252.h"
#include "text/FichiersTexte.h"

// Our French rule set, read from its source as the data builder reads it.
namespace {
class ReglesFrancaises : public testing::Test {
protected:
    static void SetUpTestSuite() {
        std::vector<std::string> lignes;
        ASSERT_TRUE(LireLignes(VOCALIA_REGLES_SOURCE, lignes));
        std::string utf8;
        for (const std::string& ligne : lignes) utf8 += ligne;
        texte_ = Utf8VersCp1252(utf8);
        regles_ = std::make_unique<ReglesPhonetiques>();
        AjouterRegles(*regles_, texte_, &rejetees_);
    }
    static std::string Noms(const std::string& mot, std::size_t* lus = nullptr) {
        std::string noms = NomsPhonemes(TranscrireAvec(*regles_, mot, lus));
        if (!noms.empty()) noms.pop_back();
        return noms;
    }
    static std::string Phon2(const std::string& mot) {
        return NomsPhonemes(FusionPhonemes(TranscrireAvec(*regles_, mot)));
    }
    static inline std::string texte_;
    static inline std::unique_ptr<ReglesPhonetiques> regles_;
    static inline std::vector<std::string> rejetees_;
};
}  // namespace

TEST_F(ReglesFrancaises, ToutesLesReglesSontAcceptees) {
    EXPECT_TRUE(rejetees_.empty()) << rejetees_.size() << " : " << (rejetees_.empty() ? "" : rejetees_[0]);
    EXPECT_GT(regles_->count, 300);
    EXPECT_LE(regles_->count, ReglesPhonetiques::CAPACITE);
}

TEST_F(ReglesFrancaises, TranscriptionsDeMotsFrancais) {
    struct Cas {
        const char* mot;
        const char* sons;
    };
    const Cas cas[] = {
        {"philosophie", "F-I-L-O-S-O-F-I"},
        {"photographie", "F-O-T-O-G-R-A-F-I"},
        {"orthographe", "O-R-T-O-G-R-A-F"},
        {"citoyen", "S-I-T-WA-Y-IN"},
        {"ambulance", "AN-B-U-L-AN-S"},
        {"maison", "M-EGRAVE-S-ON"},
        {"nation", "N-A-S-Y-ON"},
        {"question", "K-EGRAVE-S-T-Y-ON"},
        {"ch\xE2teau", "CH-A-T-O"},
        {"fille", "F-I-ILLE"},
        {"ville", "V-I-L"},
        {"soleil", "S-O-L-EGRAVE-ILLE"},
        {"ch\x9Cur", "K-OEU-R"},
        {"s\x9Cur", "S-OEU-R"},
        {"science", "S-Y-AN-S"},
        {"agneau", "A-N-Y-O"},
        {"guerre", "G-EGRAVE-R"},
        {"gens", "J-AN"},
        {"mangeant", "M-AN-J-AN"},
        {"gar\xE7on", "G-A-R-S-ON"},
        {"fen\xEAtre", "F-E-N-EGRAVE-T-R"},
        {"emmener", "AN-M-E-N-EAIGU"},
        {"semaine", "S-E-M-EGRAVE-N"},
        {"une", "U-N"},
        {"juin", "J-UIN"},
        {"femme", "F-EGRAVE-M"},
        {"temps", "T-AN"},
        {"hiver", "I-V-EGRAVE-R"},
        {"canon", "K-A-N-ON"},
        {"aujourd'hui", "O-J-OU-R-D-U-I"},
        {"arc-en-ciel", "A-R-K-AN-S-Y-EGRAVE-L"},
        {"th\xE9\xE2tre", "T-EAIGU-A-T-R"},
    };
    for (const Cas& c : cas) EXPECT_EQ(Noms(c.mot), c.sons) << Cp1252VersUtf8(c.mot);
}

TEST_F(ReglesFrancaises, LesMotsAvecMajusculesSeTranscriventAussi) {
    EXPECT_EQ(Noms("Ch\xE2teau"), Noms("ch\xE2teau"));
    EXPECT_EQ(Noms("Philippe"), "F-I-L-I-P");
    EXPECT_EQ(Noms("Paris"), "P-A-R-I");
    EXPECT_EQ(Noms("AMOUR"), "A-M-OU-R");
    EXPECT_EQ(Noms("CHATEAU"), "CH-A-T-O");
    EXPECT_EQ(Noms("\xC9t\xE9"), "EAIGU-T-EAIGU");
}

TEST_F(ReglesFrancaises, LesFamillesDHomophonesPartagentLeurClePHON2) {
    const std::vector<std::vector<std::string>> familles = {
        {"vert", "verre", "vers", "ver"},
        {"cent", "sang", "sans"},
        {"pain", "pin", "peint"},
        {"mer", "m\xE8re", "maire"},
        {"saint", "sein", "sain"},
        {"vin", "vain", "vingt"},
        {"poids", "pois"},
        {"chant", "champ"},
        {"filosofie", "philosophie"},
        {"ortografe", "orthographe"},
        {"fotografie", "photographie"},
        {"sitoyen", "citoyen"},
        {"anbulance", "ambulance"},
        {"maisson", "maison"},
    };
    for (const auto& famille : familles) {
        const std::string cle = Phon2(famille[0]);
        EXPECT_GE(cle.size(), 4u) << famille[0];
        for (const std::string& mot : famille) EXPECT_EQ(Phon2(mot), cle) << Cp1252VersUtf8(mot);
    }
    // And words that only look alike do not.
    EXPECT_NE(Phon2("pain"), Phon2("pan"));
    EXPECT_NE(Phon2("vert"), Phon2("vent"));
}

TEST_F(ReglesFrancaises, AucuneLettreFrancaiseNArreteLaTranscription) {
    // Every letter, small and capital, accented or not, at the start, in the
    // middle and at the end of a word, and the signs found inside words.
    const std::string lettres =
        "abcdefghijklmnopqrstuvwxyz\xE0\xE2\xE7\xE8\xE9\xEA\xEB\xEE\xEF\xF4\xF9\xFB\xFC\x9C\xE6"
        "ABCDEFGHIJKLMNOPQRSTUVWXYZ\xC0\xC2\xC7\xC8\xC9\xCA\xCB\xCE\xCF\xD4\xD9\xDB\xDC\x8C";
    for (char c : lettres) {
        for (const std::string& mot : {std::string(1, c) + "ra", "ta" + std::string(1, c) + "ra",
                                       "ta" + std::string(1, c)}) {
            std::size_t lus = 0;
            Noms(mot, &lus);
            EXPECT_EQ(lus, mot.size()) << Cp1252VersUtf8(mot);
        }
    }
    // Place names and phrases: the last letter before a blank takes the blank.
    for (const char* mot : {"aujourd'hui", "arc-en-ciel", "c.-\xE0-d.", "La Rochelle", "pomme de terre",
                            "Fa\xFF", "f\xF6hn", "exorciser,"}) {
        std::size_t lus = 0;
        Noms(mot, &lus);
        EXPECT_EQ(lus, std::string(mot).size()) << mot;
    }
}
