#pragma once
// The contents of the fixture resources that fabrique_essais_donnees packs at
// build time and that test_data reads back through the embedded resources.
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "data/Article.h"

// Fixture key material: a 15-byte key, so that the padding rule is used.
inline const std::string CLE_ESSAI = "cle-d-essai-15o";
inline constexpr char IV_ESSAI[] = "iv-d-essai";
inline const std::string ETIQUETTE_ESSAI = "essai 2026-12";

// Deterministic bytes from a small linear congruential generator.
std::vector<unsigned char> OctetsPseudoAleatoires(std::size_t nombre, std::uint32_t graine);
// A payload of a few kilobytes with 0x00 bytes inside, not a multiple of 1,024.
std::vector<unsigned char> ChargeEssai();

inline constexpr std::size_t OCTETS_ALEATOIRES_INFLATION = 1000;
inline constexpr std::uint32_t GRAINE_INFLATION = 77;
// Random bytes followed by zeros, sized so that its deflated form is exactly
// 1/30 of it after `excedent` bytes are taken away. Empty when not found.
std::vector<unsigned char> ChargeInflation(std::size_t excedent, std::vector<unsigned char>& deflatee);

// A small dictionary in French order, with two articles sharing a headword.
std::vector<Article> ArticlesEssai();
std::map<std::string, std::vector<std::string>> IndexEssai();
