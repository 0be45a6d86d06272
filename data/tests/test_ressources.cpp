#include <gtest/gtest.h>
#include <openssl/evp.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "data/ChiffreOfb.h"
#include "data/Ressources.h"
#include "data/tests/ContenuEssais.h"

namespace {

using Octets = std::vector<unsigned char>;

Octets Contenu(const BlocOctets& bloc) {
    return Octets(bloc.Donnees(), bloc.Donnees() + bloc.Taille());
}

BlocOctets Bloc(const Octets& octets) {
    return BlocOctets::CopieAvecZero(octets.data(), std::uint32_t(octets.size()));
}

// AES-128-OFB straight from OpenSSL with explicit key and IV bytes, to check
// which bytes the pipeline really uses.
Octets AesOfbReference(const std::string& cle16, const std::string& iv16, const Octets& entree) {
    EXPECT_EQ(cle16.size(), 16u);
    EXPECT_EQ(iv16.size(), 16u);
    Octets sortie(entree.size());
    EVP_CIPHER_CTX* contexte = EVP_CIPHER_CTX_new();
    int ecrits = 0;
    EVP_EncryptInit_ex(contexte, EVP_aes_128_ofb(), nullptr,
                       reinterpret_cast<const unsigned char*>(cle16.data()),
                       reinterpret_cast<const unsigned char*>(iv16.data()));
    EVP_EncryptUpdate(contexte, sortie.data(), &ecrits, entree.data(), int(entree.size()));
    EVP_CIPHER_CTX_free(contexte);
    sortie.resize(std::size_t(ecrits));
    return sortie;
}

std::string DossierTemporaireEssai() {
    const char* tmp = std::getenv("TMPDIR");
    return tmp != nullptr && *tmp != '\0' ? tmp : "/tmp";
}

Octets LireFichier(const std::string& chemin) {
    std::ifstream flux(chemin, std::ios::binary);
    return Octets(std::istreambuf_iterator<char>(flux), std::istreambuf_iterator<char>());
}

bool Existe(const std::string& chemin) {
    struct stat etat {};
    return ::stat(chemin.c_str(), &etat) == 0;
}

}  // namespace

TEST(LireRessource, MissingNameGivesEmptyBlockSilently) {
    testing::internal::CaptureStdout();
    BlocOctets bloc = LireRessource("RESSOURCE_ABSENTE");
    BlocOctets nul = LireRessource(nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_TRUE(bloc.Vide());
    EXPECT_EQ(bloc.Taille(), 0u);
    EXPECT_EQ(bloc.Donnees(), nullptr);
    EXPECT_TRUE(nul.Vide());
}

TEST(LireRessource, CopiesTheBytesAndAddsOneUncountedZero) {
    BlocOctets bloc = LireRessource("ESSAI_BRUT");
    const Octets attendu = ChargeEssai();
    ASSERT_EQ(bloc.Taille(), attendu.size());
    EXPECT_EQ(Contenu(bloc), attendu);
    EXPECT_EQ(bloc.Capacite(), attendu.size() + 1);
    EXPECT_EQ(bloc.Donnees()[bloc.Taille()], 0);
}

TEST(ChargerDonnees, EachFlagCombinationRunsItsSteps) {
    const Octets attendu = ChargeEssai();
    struct Cas {
        const char* nom;
        bool inflate;
        bool decipher;
    };
    for (const Cas& cas : {Cas{"ESSAI_BRUT", false, false}, Cas{"ESSAI_COMPRESSE", true, false},
                           Cas{"ESSAI_CHIFFRE", false, true}, Cas{"ESSAI_COMPLET", true, true}}) {
        SCOPED_TRACE(cas.nom);
        BlocOctets bloc = ChargerDonnees(cas.nom, cas.inflate, cas.decipher, CLE_ESSAI, IV_ESSAI);
        EXPECT_EQ(Contenu(bloc), attendu);
    }
    // Without any step, the raw resource comes back with its trailing zero.
    BlocOctets brut = ChargerDonnees("ESSAI_BRUT", false, false, "", nullptr);
    EXPECT_EQ(brut.Donnees()[brut.Taille()], 0);
    // The deciphered block also carries one.
    BlocOctets dechiffre = ChargerDonnees("ESSAI_CHIFFRE", false, true, CLE_ESSAI, IV_ESSAI);
    ASSERT_FALSE(dechiffre.Vide());
    EXPECT_EQ(dechiffre.Donnees()[dechiffre.Taille()], 0);
}

TEST(ChargerDonnees, FailsOnMissingResourceWrongKeyOrCorruptData) {
    EXPECT_TRUE(ChargerDonnees("RESSOURCE_ABSENTE", true, true, CLE_ESSAI, IV_ESSAI).Vide());
    EXPECT_TRUE(ChargerDonnees("ESSAI_COMPLET", true, true, "une autre cle!!", IV_ESSAI).Vide());
    EXPECT_TRUE(ChargerDonnees("ESSAI_COMPLET", true, true, CLE_ESSAI, "autre iv").Vide());
    EXPECT_TRUE(ChargerDonnees("ESSAI_COMPLET", true, true, CLE_ESSAI, nullptr).Vide());
    // Random bytes decipher fine but are no zlib stream.
    EXPECT_EQ(ChargerDonnees("ESSAI_CORROMPU", false, true, CLE_ESSAI, IV_ESSAI).Taille(), 3000u);
    EXPECT_TRUE(ChargerDonnees("ESSAI_CORROMPU", true, true, CLE_ESSAI, IV_ESSAI).Vide());
}

TEST(ChargerDonnees, InflatesToExactlyThirtyTimesButNotOneByteMore) {
    BlocOctets deflatee = ChargerDonnees("ESSAI_TRENTE", false, true, CLE_ESSAI, IV_ESSAI);
    BlocOctets inflatee = ChargerDonnees("ESSAI_TRENTE", true, true, CLE_ESSAI, IV_ESSAI);
    ASSERT_FALSE(deflatee.Vide());
    ASSERT_EQ(inflatee.Taille(), std::size_t(deflatee.Taille()) * FACTEUR_INFLATION);
    const Octets aleatoires = OctetsPseudoAleatoires(OCTETS_ALEATOIRES_INFLATION, GRAINE_INFLATION);
    const Octets contenu = Contenu(inflatee);
    EXPECT_TRUE(std::equal(aleatoires.begin(), aleatoires.end(), contenu.begin()));
    EXPECT_TRUE(std::all_of(contenu.begin() + long(aleatoires.size()), contenu.end(),
                            [](unsigned char octet) { return octet == 0; }));

    BlocOctets deflateeUn = ChargerDonnees("ESSAI_TRENTE_UN", false, true, CLE_ESSAI, IV_ESSAI);
    ASSERT_FALSE(deflateeUn.Vide());
    // Inflated outside the pipeline, it is one byte over the capacity...
    Octets deflateeLocale;
    const Octets inflateeUn = ChargeInflation(1, deflateeLocale);
    EXPECT_EQ(deflateeLocale, Contenu(deflateeUn));
    EXPECT_EQ(inflateeUn.size(), std::size_t(deflateeUn.Taille()) * FACTEUR_INFLATION + 1);
    // ...so the pipeline refuses it as a whole.
    EXPECT_TRUE(ChargerDonnees("ESSAI_TRENTE_UN", true, true, CLE_ESSAI, IV_ESSAI).Vide());
    EXPECT_TRUE(InflaterDonnees(deflateeUn).Vide());
    EXPECT_EQ(InflaterDonnees(deflatee).Taille(), inflatee.Taille());
}

TEST(DechiffrerDonnees, KeyShorterThanSixteenBytesIsPaddedLongerIsCut) {
    const Octets clair = ChargeEssai();
    const std::string iv16 = "0123456789abcdef";
    // The padding completes a 15-byte key with its first character.
    const std::string cle15 = "quinze-octets!!";
    EXPECT_EQ(EmballerDonnees(clair, false, true, cle15, iv16.c_str()),
              AesOfbReference(cle15 + "Y", iv16, clair));
    // From 16 bytes on, only the first 16 count.
    const std::string cle16 = "seize-octets-ici";
    EXPECT_EQ(EmballerDonnees(clair, false, true, cle16 + "et la suite", iv16.c_str()),
              AesOfbReference(cle16, iv16, clair));
    // An empty key is the padding alone.
    EXPECT_EQ(EmballerDonnees(clair, false, true, "", iv16.c_str()),
              AesOfbReference("YUoftIU4mVrCxhYq", iv16, clair));
    // Deciphering applies the same rules.
    BlocOctets chiffre = Bloc(AesOfbReference(cle15 + "Y", iv16, clair));
    EXPECT_EQ(Contenu(DechiffrerDonnees(cle15, iv16.c_str(), chiffre)), clair);
}

TEST(DechiffrerDonnees, IvIsCopiedLikeStrncpyOverTheDefault) {
    const Octets clair = ChargeEssai();
    const std::string cle = "seize-octets-ici";
    // No IV: the first 16 bytes of the default.
    EXPECT_EQ(EmballerDonnees(clair, false, true, cle, nullptr),
              AesOfbReference(cle, "JHSb4cb5DJGuB20v", clair));
    // A 0x00 at position 3 zeroes the rest of the field.
    const char ivCourt[] = "abc\0defghijklmnop";
    EXPECT_EQ(EmballerDonnees(clair, false, true, cle, ivCourt),
              AesOfbReference(cle, std::string("abc") + std::string(13, '\0'), clair));
    // An empty IV is all zeros, not the default.
    EXPECT_EQ(EmballerDonnees(clair, false, true, cle, ""),
              AesOfbReference(cle, std::string(16, '\0'), clair));
    // Longer IVs: only the first 16 bytes.
    EXPECT_EQ(EmballerDonnees(clair, false, true, cle, "0123456789abcdefXYZ"),
              AesOfbReference(cle, "0123456789abcdef", clair));
    // And the fixture packed without an IV reads back with none.
    EXPECT_EQ(Contenu(ChargerDonnees("ESSAI_SANS_IV", true, true, CLE_ESSAI, nullptr)), clair);
}

TEST(DechiffrerDonnees, RefusesEmptyAndOversizedInput) {
    EXPECT_TRUE(DechiffrerDonnees(CLE_ESSAI, IV_ESSAI, BlocOctets()).Vide());
    // Never touched: the size alone is refused.
    BlocOctets tropGrand = BlocOctets::Allouer(std::size_t(TAILLE_TAMPON_DECHIFFRE) + 1);
    ASSERT_TRUE(tropGrand.FixerTaille(TAILLE_TAMPON_DECHIFFRE + 1));
    EXPECT_TRUE(DechiffrerDonnees(CLE_ESSAI, IV_ESSAI, tropGrand).Vide());
    // And the packer refuses to make what could not be read back.
    EXPECT_TRUE(EmballerDonnees(Octets(), false, true, CLE_ESSAI, IV_ESSAI).empty());
}

TEST(DechiffrerDonnees, OutputHasInputLengthAndTrailingZero) {
    const Octets clair = {'a', 0x00, 'b'};
    BlocOctets chiffre = Bloc(EmballerDonnees(clair, false, true, CLE_ESSAI, IV_ESSAI));
    ASSERT_EQ(chiffre.Taille(), 3u);
    BlocOctets dechiffre = DechiffrerDonnees(CLE_ESSAI, IV_ESSAI, chiffre);
    EXPECT_EQ(Contenu(dechiffre), clair);
    EXPECT_EQ(dechiffre.Capacite(), 4u);
    EXPECT_EQ(dechiffre.Donnees()[3], 0);
    // The input stays the caller's and unchanged.
    EXPECT_EQ(Contenu(chiffre), EmballerDonnees(clair, false, true, CLE_ESSAI, IV_ESSAI));
}

TEST(DeriverCle, FollowsTheByteRule) {
    struct Cas {
        std::vector<unsigned char> constante;  // without its terminating zero
        const char* court;
        std::string attendu;
    };
    const Cas cas[] = {
        // 16-65 = -49 -> 206; 1-66-16 = -81 -> 174; wraps to 'A': 255-65-1 = 189.
        {{0x10, 0x01, 0xFF}, "AB", std::string("\xCE\xAE\xBD")},
        // 255-122 = 133; 1-122-255 = -376, +255 twice -> 134.
        {{0xFF, 0x01}, "z", std::string("\x85\x86")},
        // 65-65 = 0 is kept: the result is counted, not terminated; 66-65-65 = -64 -> 191.
        {{0x41, 0x42}, "A", std::string("\x00\xBF", 2)},
    };
    for (const Cas& c : cas) {
        std::vector<unsigned char> constante = c.constante;
        constante.push_back(0);
        EXPECT_EQ(DeriverCle(constante.data(), c.court), c.attendu) << c.court;
    }
}

TEST(DeriverCle, SixteenByteConstantGivesSixteenBytesAndReusesTheShortString) {
    unsigned char constante[17];
    for (int i = 0; i < 16; ++i) constante[i] = static_cast<unsigned char>(200 - 7 * i);
    constante[16] = 0;
    const char court[] = "kQ3vZp";
    const std::string cle = DeriverCle(constante, court);
    ASSERT_EQ(cle.size(), 16u);
    for (int i = 0; i < 16; ++i) {
        int v = constante[i] - static_cast<unsigned char>(court[i % 6]) - (i ? constante[i - 1] : 0);
        while (v < 0) v += 255;
        EXPECT_EQ(static_cast<unsigned char>(cle[std::size_t(i)]), v) << i;
    }
    // The 7th byte used 'k' again: changing the string's first character changes it.
    const std::string autre = DeriverCle(constante, "xQ3vZp");
    EXPECT_NE(autre[6], cle[6]);
    EXPECT_EQ(autre[7], cle[7]);
    // Degenerate inputs give nothing.
    EXPECT_EQ(DeriverCle(constante, ""), "");
    const unsigned char vide[] = {0};
    EXPECT_EQ(DeriverCle(vide, court), "");
}

TEST(ExtraireRessource, WritesTheBytesAndTruncatesAnExistingFile) {
    const std::string chemin = DossierTemporaireEssai() + "/vocalia_extraction_essai.bin";
    {
        std::ofstream ancien(chemin, std::ios::binary);
        ancien << std::string(20000, 'x');
    }
    ASSERT_TRUE(ExtraireRessource("ESSAI_BRUT", chemin));
    EXPECT_EQ(LireFichier(chemin), ChargeEssai());
    std::remove(chemin.c_str());
}

TEST(ExtraireRessource, FailsWithoutCreatingOrKeepingAFile) {
    const std::string chemin = DossierTemporaireEssai() + "/vocalia_extraction_absente.bin";
    std::remove(chemin.c_str());
    EXPECT_FALSE(ExtraireRessource("RESSOURCE_ABSENTE", chemin));
    EXPECT_FALSE(Existe(chemin));
    EXPECT_FALSE(ExtraireRessource("ESSAI_BRUT", DossierTemporaireEssai() + "/pas/de/dossier.bin"));
}

TEST(ExtraireRessource, ReportsAWriteError) {
    if (!Existe("/dev/full")) GTEST_SKIP() << "no /dev/full";
    EXPECT_FALSE(ExtraireRessource("ESSAI_BRUT", "/dev/full"));
    EXPECT_TRUE(Existe("/dev/full"));  // a device is never removed
}

TEST(BlocOctets, AdoptAndSizeLimits) {
    Octets tampon = {1, 2, 3, 4};
    BlocOctets bloc = BlocOctets::Adopter(std::move(tampon), 3);
    EXPECT_EQ(Contenu(bloc), (Octets{1, 2, 3}));
    EXPECT_EQ(bloc.Capacite(), 4u);
    EXPECT_FALSE(bloc.FixerTaille(5));
    EXPECT_EQ(bloc.Taille(), 3u);
    EXPECT_TRUE(BlocOctets::Adopter(Octets{1}, 2).Vide());
    bloc.Liberer();
    EXPECT_TRUE(bloc.Vide());
    EXPECT_EQ(bloc.Capacite(), 0u);
}

namespace {

Octets Hex(const std::string& hex) {
    Octets octets;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) octets.push_back(std::uint8_t(std::stoi(hex.substr(i, 2), nullptr, 16)));
    return octets;
}

}  // namespace

TEST(ChiffreOfb, BothPathsGiveTheStandardVectorsAndAgreeOnEveryLength) {
    // The published OFB-AES128 example: key, IV, two blocks of plain text and their cipher text.
    const Octets cle = Hex("2b7e151628aed2a6abf7158809cf4f3c"), iv = Hex("000102030405060708090a0b0c0d0e0f");
    const Octets clair = Hex("6bc1bee22e409f96e93d7e117393172aae2d8a571e03ac9c9eb76fac45af8e51");
    const Octets chiffre = Hex("3b3fd92eb72dad20333449f8e83cfb4a7789508d16918f03f53c52dac54ed825");
    Octets processeur(clair.size()), bibliotheque(clair.size());
    ASSERT_TRUE(AppliquerOfb(cle.data(), iv.data(), clair.data(), clair.size(), processeur.data()));
    ASSERT_TRUE(AppliquerOfbBibliotheque(cle.data(), iv.data(), clair.data(), clair.size(), bibliotheque.data()));
    EXPECT_EQ(processeur, chiffre);
    EXPECT_EQ(bibliotheque, chiffre);
    // Partial last blocks, one block, several, in place.
    Octets entree(5000);
    for (std::size_t i = 0; i < entree.size(); ++i) entree[i] = std::uint8_t(i * 37 + i / 251);
    for (std::size_t taille : {1u, 15u, 16u, 17u, 31u, 32u, 33u, 1000u, 4099u, 5000u}) {
        SCOPED_TRACE(taille);
        Octets a(taille), b(taille), surPlace(entree.begin(), entree.begin() + long(taille));
        ASSERT_TRUE(AppliquerOfb(cle.data(), iv.data(), entree.data(), taille, a.data()));
        ASSERT_TRUE(AppliquerOfbBibliotheque(cle.data(), iv.data(), entree.data(), taille, b.data()));
        EXPECT_EQ(a, b);
        ASSERT_TRUE(AppliquerOfb(cle.data(), iv.data(), surPlace.data(), taille, surPlace.data()));
        EXPECT_EQ(surPlace, a);
        // Its own inverse.
        ASSERT_TRUE(AppliquerOfb(cle.data(), iv.data(), a.data(), taille, a.data()));
        EXPECT_EQ(a, Octets(entree.begin(), entree.begin() + long(taille)));
    }
    Octets vide(1);
    EXPECT_FALSE(AppliquerOfb(cle.data(), iv.data(), vide.data(), 0, vide.data()));
    EXPECT_FALSE(AppliquerOfbBibliotheque(cle.data(), iv.data(), vide.data(), 0, vide.data()));
}
