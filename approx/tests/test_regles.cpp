#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "approx/MateriauCles.h"
#include "approx/ReglesPhonetiques.h"
#include "approx/TablePhonemes.h"
#include "approx/TypesCles.h"
#include "approx/tests/RessourcesEssai.h"
#include "data/Ressources.h"

namespace {
// The slots make the rule set too big for the stack of a test.
std::unique_ptr<ReglesPhonetiques> Regles(const std::string& texte,
                                          std::vector<std::string>* rejetees = nullptr) {
    auto regles = std::make_unique<ReglesPhonetiques>();
    AjouterRegles(*regles, texte, rejetees);
    return regles;
}

// Phoneme names joined by '-', to read failures easily.
std::string Noms(const ReglesPhonetiques& regles, const std::string& mot) {
    std::string noms = NomsPhonemes(TranscrireAvec(regles, mot));
    if (!noms.empty()) noms.pop_back();
    return noms;
}
}  // namespace

TEST(TablePhonemes, NomsEtCodesSeCorrespondent) {
    EXPECT_EQ(CodePhoneme("A"), 0x21);
    EXPECT_EQ(CodePhoneme("ON"), 0x2A);
    EXPECT_EQ(CodePhoneme("NUL"), 0x47);
    EXPECT_EQ(CodePhoneme("V"), 0x48);
    EXPECT_EQ(CodePhoneme("a"), 0);
    EXPECT_EQ(CodePhoneme("ONS"), 0);
    EXPECT_EQ(CodePhoneme(""), 0);
    for (int rang = 0; rang < NOMBRE_PHONEMES; ++rang) {
        const char code = static_cast<char>(0x21 + rang);
        EXPECT_EQ(CodePhoneme(NomPhoneme(code)), code);
    }
    EXPECT_EQ(NomPhoneme(0x20), "");
    EXPECT_EQ(NomPhoneme(0x49), "");
}

TEST(Regles, LaPlusLongueCorrespondanceLEmporte) {
    const auto regles = Regles("a:A\nau:O\neau:O\n");
    EXPECT_EQ(Noms(*regles, "eau"), "O");
    EXPECT_EQ(Noms(*regles, "au"), "O");
    EXPECT_EQ(Noms(*regles, "aa"), "A-A");
}

TEST(Regles, UneRegleDeFinDeMotEgaleEnLongueurPrendLaMain) {
    const auto regles = Regles("l:L\ne:E\ne/:NUL\n");
    EXPECT_EQ(Noms(*regles, "le"), "L");
    EXPECT_EQ(Noms(*regles, "lel"), "L-E-L");
}

TEST(Regles, UneRegleInitialeNeVautQuEnDebutDeMot) {
    const auto regles = Regles("/h:NUL\na:A\nc:K\nch:CH\ne:E\n");
    EXPECT_EQ(Noms(*regles, "hache"), "A-CH-E");
    // No rule takes the second h: the transcription stops there.
    EXPECT_EQ(Noms(*regles, "ahah"), "A");
}

TEST(Regles, LeContexteEstExigeSansEtreConsomme) {
    const auto avant = Regles("c/e:S\nc:K\ne:E\na:A\n");
    EXPECT_EQ(Noms(*avant, "ce"), "S-E");
    EXPECT_EQ(Noms(*avant, "ca"), "K-A");
    EXPECT_EQ(Noms(*avant, "c"), "K");
    const auto apres = Regles("c:K\nc/e:S\ne:E\n");
    EXPECT_EQ(Noms(*apres, "ce"), "K-E");
}

TEST(Regles, LesLignesInvalidesSontEcarteesEtLesCommentairesIgnores) {
    std::vector<std::string> rejetees;
    const auto regles = Regles("x:Q\nx\n# y:Y\n  # z:Z\n\n   \nai:EGRAVE-NUL\nb:\n:A\nd:D--T\n",
                               &rejetees);
    ASSERT_EQ(regles->count, 2);
    EXPECT_STREQ(regles->patterns[0], "# z");
    EXPECT_STREQ(regles->lines[0], "# z:Z");
    EXPECT_STREQ(regles->patterns[1], "ai");
    EXPECT_EQ(regles->codes[1], std::string({CodePhoneme("EGRAVE"), CodePhoneme("NUL")}));
    EXPECT_EQ(Noms(*regles, "ai"), "EGRAVE");
    EXPECT_EQ(rejetees, (std::vector<std::string>{"x:Q\n", "x\n", "b:\n", ":A\n", "d:D--T\n"}));
}

TEST(Regles, LesSymbolesSArretentAuPremierBlanc) {
    const auto regles = Regles("  o :  O-U  commentaire\n");
    ASSERT_EQ(regles->count, 1);
    EXPECT_STREQ(regles->patterns[0], "o ");
    EXPECT_EQ(TranscrireAvec(*regles, "o "), std::string({CodePhoneme("O"), CodePhoneme("U")}));
}

TEST(Regles, CeQuiNeTientPasDansLesCasesEstRejeteNonTronque) {
    std::vector<std::string> rejetees;
    const auto regles = Regles(
        "abcdefghij:A\n"                  // 10 bytes: fits
        "abcdefghijk:A\n"                 // 11 bytes of pattern
        "m:A-A-A-A-A-A-A-A-A-A\n"          // 10 phonemes: fits
        "n:A-A-A-A-A-A-A-A-A-A-A\n"        // 11 phonemes
        "p:OOUVERT-OOUVERT-OOUVERT\n"      // 25 bytes: fits
        "q:OOUVERT-OOUVERT-OOUVERT-OEU\n", // 29 bytes: fits
        &rejetees);
    EXPECT_EQ(regles->count, 4);
    EXPECT_EQ(rejetees.size(), 2u);
    const auto longue = Regles("r:OOUVERT-OOUVERT-OOUVERT-ILLE\n", &rejetees);  // 30 bytes
    EXPECT_EQ(longue->count, 0);
}

TEST(Regles, AuDelaDeQuatreCentsReglesLesSuivantesSontRejetees) {
    std::string texte;
    for (int i = 0; i < 405; ++i) texte += "a" + std::to_string(i) + ":A\n";
    std::vector<std::string> rejetees;
    const auto regles = Regles(texte, &rejetees);
    EXPECT_EQ(regles->count, ReglesPhonetiques::CAPACITE);
    EXPECT_EQ(regles->records.size(), 400u);
    EXPECT_EQ(rejetees.size(), 5u);
    EXPECT_EQ(rejetees.front(), "a400:A\n");
}

TEST(Regles, LaRegleAnalyseeDecritSonMotif) {
    const Phonetic::regle initiale("/c/e", "S");
    EXPECT_TRUE(initiale.initiale);
    EXPECT_EQ(initiale.graphie, "c");
    EXPECT_EQ(initiale.suivante, "e");
    EXPECT_FALSE(initiale.finale);
    const Phonetic::regle finale("ent/", "!");
    EXPECT_FALSE(finale.initiale);
    EXPECT_EQ(finale.graphie, "ent");
    EXPECT_TRUE(finale.finale);
    EXPECT_EQ(finale.suivante, "");
    const Phonetic::regle simple("eau", "%");
    EXPECT_EQ(simple.graphie, "eau");
    EXPECT_FALSE(simple.initiale || simple.finale);
}

TEST(Regles, CorrespondanceRegle) {
    struct Cas {
        const char* mot;
        const char* motif;
        int position;
        int attendu;
    };
    const Cas cas[] = {
        {"chat", "ch", 0, 2},   {"chat", "ch", 1, 0},  {"chat", "at", 2, 4},
        {"chat", "/ch", 0, 2},  {"achat", "/ch", 1, 0}, {"chat", "t/", 3, 4},
        {"chats", "t/", 3, 0},  {"ce", "c/e", 0, 1},   {"ca", "c/e", 0, 0},
        {"c", "c/e", 0, 0},     {"tion", "t/ion", 0, 1}, {"ti", "t/ion", 0, 0},
        {"ab", "abc", 0, 0},    {"", "a", 0, 0},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(CorrespondanceRegle(c.mot, c.motif, c.position), c.attendu) << c.mot << " " << c.motif;
}

TEST(Regles, UnMotEnMajusculesNePassePasParLesReglesMinuscules) {
    const auto regles = Regles("a:A\nb:B\n");
    EXPECT_EQ(Noms(*regles, "ab"), "A-B");
    EXPECT_EQ(Noms(*regles, "AB"), "");
    EXPECT_EQ(Noms(*regles, "aB"), "A");
}

TEST(Regles, SansRegleLaTranscriptionEstVide) {
    const auto regles = Regles("");
    EXPECT_EQ(TranscrireAvec(*regles, "mot"), "");
}

// The process-wide set comes from the enciphered resource; while it is
// missing every transcription is empty and the load is tried again.
TEST(ReglesCourantes, SeChargentDeLaRessourceChiffreeAuPremierBesoin) {
    EXPECT_FALSE(ChargerRegles());
    EXPECT_EQ(Transcrire("ba"), "");
    EXPECT_FALSE(ReglesCourantes().loaded);
    const std::string texte = "# essai\nb:B\na:A\n";
    const std::string iv = IvRegles();
    EnregistrerRessourceEssai("TOXKRJIUSH",
                              EmballerDonnees(Octets(texte), false, true, CleRegles(), iv.c_str()));
    EXPECT_EQ(Transcrire("ba"), std::string({CodePhoneme("B"), CodePhoneme("A")}));
    EXPECT_TRUE(ReglesCourantes().loaded);
    EXPECT_EQ(ReglesCourantes().count, 2);
    EXPECT_TRUE(ChargerRegles());
}
