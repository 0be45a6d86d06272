#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "data/FluxBalise.h"
#include "data/IndexFlexions.h"
#include "data/tests/ContenuEssais.h"

namespace {

using Octets = std::vector<unsigned char>;
using Liste = std::vector<std::string>;

Octets IndexAutre() { return EcrireIndexFlexions({{"x1", {"y1"}}, {"x2", {"y2", "z2"}}}); }

}  // namespace

TEST(Lemmes, LoadsTheEmbeddedIndexOnFirstUse) {
    OublierIndexFlexions();
    EXPECT_EQ(Lemmes("maisons"), Liste{"maison"});
    EXPECT_EQ(Lemmes("as"), (Liste{"avoir", "a"}));
    EXPECT_EQ(Lemmes("Maisons"), std::nullopt);  // exact lookup only
    EXPECT_EQ(Lemmes("maison"), std::nullopt);
    EXPECT_EQ(Lemmes(""), std::nullopt);
    // The fixture is packed in blocks of 20 bytes: each form sits in a block
    // of its own, and the forms between them are in none.
    for (const auto& [forme, lemmes] : IndexEssai()) EXPECT_EQ(Lemmes(forme), lemmes) << forme;
    for (const char* absente : {"a", "at", "eu", "eusse", "maisonss", "ÿ"}) EXPECT_EQ(Lemmes(absente), std::nullopt);
}

TEST(Lemmes, AWholeLoadIsKept) {
    const Octets charge = IndexAutre();
    ASSERT_TRUE(ChargerIndexFlexionsDepuis(charge.data(), charge.size()));
    EXPECT_EQ(Lemmes("x2"), (Liste{"y2", "z2"}));
    // Loaded: the embedded resource is not read on top of it.
    EXPECT_EQ(Lemmes("maisons"), std::nullopt);
}

TEST(Lemmes, APartialLoadKeepsItsEntriesAndIsRetried) {
    OublierIndexFlexions();
    const Octets complet = IndexAutre();
    // Cut inside the second entry.
    const Octets tronque(complet.begin(), complet.end() - 6);
    EXPECT_FALSE(ChargerIndexFlexionsDepuis(tronque.data(), tronque.size()));
    // The next use tries the resource again, which succeeds and replaces the entries.
    EXPECT_EQ(Lemmes("maisons"), Liste{"maison"});
    EXPECT_EQ(Lemmes("x1"), std::nullopt);
}

TEST(ChargerIndexFlexionsDepuis, RepeatedFormKeepsTheLaterList) {
    FluxBaliseEcrivain flux;
    flux.EcrireReel(1.0f);
    flux.EcrireReel(0.0f);
    flux.EcrireEntier(3);
    flux.EcrireChaine("f");
    flux.EcrireListe({"premier"});
    flux.EcrireChaine("g");
    flux.EcrireListe({});
    flux.EcrireChaine("f");
    flux.EcrireListe({"second", "troisi\xE8me"});
    ASSERT_TRUE(ChargerIndexFlexionsDepuis(flux.Octets().data(), flux.Octets().size()));
    EXPECT_EQ(Lemmes("f"), (Liste{"second", "troisi\xE8me"}));
    EXPECT_EQ(Lemmes("g"), Liste{});
}

TEST(ChargerIndexFlexionsDepuis, RejectsBadHeaders) {
    const Octets bon = IndexAutre();
    ASSERT_TRUE(ChargerIndexFlexionsDepuis(bon.data(), bon.size()));
    FluxBaliseEcrivain negatif;
    negatif.EcrireReel(1.0f);
    negatif.EcrireReel(0.0f);
    negatif.EcrireEntier(-1);
    EXPECT_FALSE(ChargerIndexFlexionsDepuis(negatif.Octets().data(), negatif.Octets().size()));
    FluxBaliseEcrivain sansNombre;
    sansNombre.EcrireReel(1.0f);
    sansNombre.EcrireReel(0.0f);
    EXPECT_FALSE(ChargerIndexFlexionsDepuis(sansNombre.Octets().data(), sansNombre.Octets().size()));
    // The good load before them is still there.
    EXPECT_EQ(Lemmes("x1"), Liste{"y1"});
}

// Two indexes in blocks side by side, looked up in turn: each reads its own
// blocks and keeps its own last block, whatever the other read last.
TEST(IndexFlexions, DeuxIndexEnBlocsRepondentChacunDeLeursFormes) {
    const std::map<std::string, Liste> formesA = {{"aa", {"a1"}}, {"bb", {"b1"}}, {"cc", {"c1"}}, {"dd", {"d1"}}};
    const std::map<std::string, Liste> formesB = {{"aa", {"a2"}}, {"bb", {"b2"}}, {"zz", {"z2"}}};
    // Blocks of a few bytes: every form in a block of its own.
    const Octets blocsA = EmballerIndexFlexions(formesA, 8);
    const Octets blocsB = EmballerIndexFlexions(formesB, 8);
    IndexFlexions a, b;
    ASSERT_TRUE(a.OuvrirBlocsEnPlace(blocsA.data(), blocsA.size()));
    ASSERT_TRUE(b.OuvrirBlocsEnPlace(blocsB.data(), blocsB.size()));
    for (const char* forme : {"aa", "bb", "aa", "dd", "zz", "bb", "cc"}) {
        const auto dansA = formesA.find(forme);
        const auto dansB = formesB.find(forme);
        EXPECT_EQ(a.Lemmes(forme), dansA == formesA.end() ? std::nullopt : std::optional<Liste>(dansA->second)) << forme;
        EXPECT_EQ(b.Lemmes(forme), dansB == formesB.end() ? std::nullopt : std::optional<Liste>(dansB->second)) << forme;
    }
    // A damaged payload leaves the index as it was.
    Octets abime = blocsB;
    abime.resize(abime.size() / 2);
    EXPECT_FALSE(a.OuvrirBlocsEnPlace(abime.data(), abime.size()));
    EXPECT_EQ(a.Lemmes("dd"), Liste{"d1"});
}
