#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tools/donnees/Verbiste.h"

namespace {

namespace fs = std::filesystem;

const char* const VerbesReels = "/usr/share/verbiste-0.1/verbs-fr.xml";
const char* const ConjugaisonsReelles = "/usr/share/verbiste-0.1/conjugation-fr.xml";

const FormesVerbe* Trouver(const std::vector<FormesVerbe>& verbes, const std::string& infinitif) {
    for (const FormesVerbe& verbe : verbes)
        if (verbe.infinitif == infinitif) return &verbe;
    return nullptr;
}

// The first alternative of one person, or "" when the form is missing.
std::string Forme(const FormesVerbe& verbe, const char* mode, const char* temps, std::size_t personne) {
    const auto m = verbe.formes.find(mode);
    if (m == verbe.formes.end()) return "";
    const auto t = m->second.find(temps);
    if (t == m->second.end() || personne >= t->second.size() || t->second[personne].empty()) return "";
    return t->second[personne][0];
}

class VerbisteReel : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        verbes_ = new std::vector<FormesVerbe>;
        charge_ = ChargerVerbiste(VerbesReels, ConjugaisonsReelles, *verbes_);
    }
    static void TearDownTestSuite() { delete verbes_; }
    static std::vector<FormesVerbe>* verbes_;
    static bool charge_;
};
std::vector<FormesVerbe>* VerbisteReel::verbes_ = nullptr;
bool VerbisteReel::charge_ = false;

TEST_F(VerbisteReel, LoadsEveryVerbOfThePackage) {
    ASSERT_TRUE(charge_);
    EXPECT_GT(verbes_->size(), 6900u);
    EXPECT_LT(verbes_->size(), 7100u);
}

struct CasForme {
    const char* infinitif;
    const char* mode;
    const char* temps;
    std::size_t personne;
    const char* attendue;  // Windows-1252
};

TEST_F(VerbisteReel, ExpandsTemplatesIntoWindows1252Forms) {
    ASSERT_TRUE(charge_);
    const CasForme cas[] = {
        {"finir", "indicative", "present", 3, "finissons"},
        {"aller", "indicative", "simple-past", 5, "all\xE8rent"},
        {"aller", "indicative", "present", 0, "vais"},
        {"aimer", "indicative", "imperfect", 3, "aimions"},
        {"aimer", "participle", "past-participle", 3, "aim\xE9" "es"},
        {"aimer", "imperative", "imperative-present", 1, "aimons"},
        {"placer", "indicative", "present", 3, "pla\xE7ons"},
        {"ab\xE2tardir", "subjunctive", "imperfect", 2, "ab\xE2tard\xEEt"},
        {"finir", "infinitive", "infinitive-present", 0, "finir"},
        {"venir", "conditional", "present", 0, "viendrais"},
    };
    for (const CasForme& c : cas) {
        SCOPED_TRACE(c.infinitif);
        const FormesVerbe* verbe = Trouver(*verbes_, c.infinitif);
        ASSERT_NE(verbe, nullptr);
        EXPECT_EQ(Forme(*verbe, c.mode, c.temps, c.personne), c.attendue);
    }
}

TEST_F(VerbisteReel, KeepsTemplateNameAndPersonCounts) {
    ASSERT_TRUE(charge_);
    const FormesVerbe* aimer = Trouver(*verbes_, "aimer");
    ASSERT_NE(aimer, nullptr);
    EXPECT_EQ(aimer->modele, "aim:er");
    EXPECT_EQ(aimer->formes.at("indicative").at("present").size(), 6u);
    EXPECT_EQ(aimer->formes.at("imperative").at("imperative-present").size(), 3u);
    EXPECT_EQ(aimer->formes.at("participle").at("past-participle").size(), 4u);
}

TEST_F(VerbisteReel, ImpersonalVerbHasEmptyPersons) {
    ASSERT_TRUE(charge_);
    const FormesVerbe* falloir = Trouver(*verbes_, "falloir");
    ASSERT_NE(falloir, nullptr);
    const auto& present = falloir->formes.at("indicative").at("present");
    ASSERT_EQ(present.size(), 6u);
    EXPECT_TRUE(present[0].empty());
    EXPECT_EQ(Forme(*falloir, "indicative", "present", 2), "faut");
}

TEST_F(VerbisteReel, MarksAspirateH) {
    ASSERT_TRUE(charge_);
    const FormesVerbe* hair = Trouver(*verbes_, "ha\xEFr");
    const FormesVerbe* habiter = Trouver(*verbes_, "habiter");
    ASSERT_NE(hair, nullptr);
    ASSERT_NE(habiter, nullptr);
    EXPECT_TRUE(hair->hAspire);
    EXPECT_FALSE(habiter->hAspire);
}

std::string Repete(const std::string& motif, std::size_t fois) {
    std::string texte;
    texte.reserve(motif.size() * fois);
    for (std::size_t i = 0; i < fois; ++i) texte += motif;
    return texte;
}

// A tiny hand-made pair of files exercising what the reader must cope with.
class VerbisteFait : public ::testing::Test {
protected:
    void SetUp() override {
        dossier_ = fs::temp_directory_path() /
                   ("vocalia_verbiste_" + std::to_string(::getpid()) + "_" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dossier_);
    }
    void TearDown() override { fs::remove_all(dossier_); }

    std::string Ecrire(const std::string& nom, const std::string& contenu) {
        const fs::path chemin = dossier_ / nom;
        std::ofstream(chemin, std::ios::binary) << contenu;
        return chemin.string();
    }

    fs::path dossier_;
};

// UTF-8, as verbiste writes its files.
const char* const ModelesFaits = R"(<?xml version="1.0"?>
<!-- templates <with> markup-looking comment -->
<!DOCTYPE conjugation-fr [
  <!ELEMENT conjugation-fr (template+)>
  <!ATTLIST template name CDATA #REQUIRED>
]>
<conjugation-fr>
<template name="ch:anter">
  <infinitive><infinitive-present><p><i>anter</i></p></infinitive-present></infinitive>
  <indicative>
    <present>
      <p><i>ante</i></p><p><i>antes</i></p><p><i>ante</i></p>
      <p><i>antons</i><i>ant&amp;ons</i></p><p><i>antez</i></p><p></p>
    </present>
  </indicative>
  <participle><past-participle><p><i>ant)" "\xC3\xA9" R"(</i></p></past-participle></participle>
</template>
<template name=":)" "\xC3\xAA" R"(tre">
  <indicative><present><p><i>suis</i></p></present></indicative>
</template>
</conjugation-fr>
)";

const char* const VerbesFaits = R"(<?xml version="1.0"?>
<!DOCTYPE verbs-fr [ <!ELEMENT v (i, t, aspirate-h?)> ]>
<verbs-fr>
<!-- The <v> lines are sorted -->
<v><i>chanter</i> <t>ch:anter</t></v>
<v><i>hanter</i> <t>ch:anter</t> <aspirate-h/> </v>
<v><i>)" "\xC3\xAA" R"(tre</i> <t>:)" "\xC3\xAA" R"(tre</t></v>
<v><i>manger</i> <t>mang:er</t></v>
<v><i>pleurer</i> <t>ch:anter</t></v>
</verbs-fr>
)";

TEST_F(VerbisteFait, ExpandsRadicalPlusEndingsWithAlternatives) {
    std::vector<FormesVerbe> verbes;
    ASSERT_TRUE(ChargerVerbiste(Ecrire("v.xml", VerbesFaits), Ecrire("c.xml", ModelesFaits), verbes));
    // manger's template is unknown and pleurer does not end in "anter": both left out.
    ASSERT_EQ(verbes.size(), 3u);
    const FormesVerbe& chanter = verbes[0];
    EXPECT_EQ(chanter.infinitif, "chanter");
    EXPECT_EQ(chanter.modele, "ch:anter");
    EXPECT_FALSE(chanter.hAspire);
    const auto& present = chanter.formes.at("indicative").at("present");
    ASSERT_EQ(present.size(), 6u);
    EXPECT_EQ(present[0], std::vector<std::string>{"chante"});
    EXPECT_EQ(present[3], (std::vector<std::string>{"chantons", "chant&ons"}));
    EXPECT_TRUE(present[5].empty());
    EXPECT_EQ(Forme(chanter, "participle", "past-participle", 0), "chant\xE9");
    EXPECT_EQ(Forme(chanter, "infinitive", "infinitive-present", 0), "chanter");

    EXPECT_EQ(verbes[1].infinitif, "hanter");
    EXPECT_TRUE(verbes[1].hAspire);
    EXPECT_EQ(Forme(verbes[1], "indicative", "present", 1), "hantes");

    // Empty radical, accented name converted to Windows-1252.
    EXPECT_EQ(verbes[2].infinitif, "\xEAtre");
    EXPECT_EQ(verbes[2].modele, ":\xEAtre");
    EXPECT_EQ(Forme(verbes[2], "indicative", "present", 0), "suis");
}

TEST_F(VerbisteFait, FailsOnMissingOrMalformedFiles) {
    const std::string modeles = Ecrire("c.xml", ModelesFaits);
    const std::string verbesOk = Ecrire("v.xml", VerbesFaits);
    const struct {
        const char* nom;
        std::string verbes;
        std::string conjugaisons;
    } cas[] = {
        {"missing verbs file", (dossier_ / "absent.xml").string(), modeles},
        {"missing templates file", verbesOk, (dossier_ / "absent.xml").string()},
        {"files swapped", modeles, verbesOk},
        {"mismatched tag", Ecrire("m.xml", "<verbs-fr><v><i>x</t></v></verbs-fr>"), modeles},
        {"unclosed root", Ecrire("u.xml", "<verbs-fr><v><i>chanter</i><t>ch:anter</t></v>"), modeles},
        {"unknown entity", Ecrire("e.xml", "<verbs-fr><v><i>ch&eacute;</i><t>ch:anter</t></v></verbs-fr>"),
         modeles},
        {"trailing garbage", Ecrire("g.xml", "<verbs-fr></verbs-fr><x/>"), modeles},
        {"nested too deep",
         Ecrire("p.xml", "<verbs-fr>" + Repete("<v>", 100000) + Repete("</v>", 100000) + "</verbs-fr>"), modeles},
        {"template without colon",
         verbesOk, Ecrire("n.xml", "<conjugation-fr><template name=\"chanter\"></template></conjugation-fr>")},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        std::vector<FormesVerbe> verbes(1);
        EXPECT_FALSE(ChargerVerbiste(c.verbes, c.conjugaisons, verbes));
        EXPECT_TRUE(verbes.empty());
    }
}

}  // namespace
