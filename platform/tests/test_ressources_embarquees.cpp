#include <gtest/gtest.h>

#include <string>

#include "platform/RessourcesEmbarquees.h"

TEST(RessourcesEmbarquees, TrouveChaqueBlobParSonNomExact) {
    const unsigned char* octets = nullptr;
    std::size_t taille = 0;
    ASSERT_TRUE(TrouverRessourceEmbarquee("ESSAI_TEXTE", &octets, &taille));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(octets), taille), "bonjour\n");
    ASSERT_TRUE(TrouverRessourceEmbarquee("ESSAI_VIDE", &octets, &taille));
    EXPECT_EQ(taille, 0u);
}

TEST(RessourcesEmbarquees, UnNomInconnuNeTrouveRien) {
    const unsigned char* octets = nullptr;
    std::size_t taille = 7;
    EXPECT_FALSE(TrouverRessourceEmbarquee("ESSAI", &octets, &taille));
    EXPECT_FALSE(TrouverRessourceEmbarquee("essai_texte", &octets, &taille));
    EXPECT_FALSE(TrouverRessourceEmbarquee(nullptr, &octets, &taille));
    EXPECT_EQ(taille, 7u);
}
