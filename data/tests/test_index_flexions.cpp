#include <gtest/gtest.h>

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
