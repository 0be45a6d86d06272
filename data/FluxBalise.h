#pragma once
// The tagged binary encoding of the dictionary payloads. The reader never
// reads past its block; a read that meets an unexpected tag or runs short
// fails without advancing.
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

class FluxBaliseLecteur {
public:
    FluxBaliseLecteur(const unsigned char* octets, std::size_t taille);
    bool LireEntier(std::int32_t& valeur);
    bool LireReel(float& valeur);
    bool LireChaine(std::string& valeur);
    // A string item's bytes where they lie in the block, without a copy.
    bool LireVue(const unsigned char*& debut, std::size_t& longueur);
    bool LireListe(std::vector<std::string>& valeur);
    bool LireTable(std::map<std::string, std::string>& valeur);
    // The list's strings where they lie in the block, without a copy.
    bool LireListeVues(std::vector<std::string_view>& valeur);
    // Steps over a string map.
    bool SauterTable();
    std::size_t Position() const { return position_; }
    std::size_t Reste() const { return taille_ - position_; }

private:
    const unsigned char* octets_;
    std::size_t taille_;
    std::size_t position_ = 0;
};

class FluxBaliseEcrivain {
public:
    void EcrireEntier(std::int32_t valeur);
    void EcrireReel(float valeur);
    void EcrireChaine(const std::string& valeur);
    void EcrireListe(const std::vector<std::string>& valeur);
    void EcrireTable(const std::map<std::string, std::string>& valeur);
    // The finished stream, ending with the 0x00 that follows the last item.
    const std::vector<unsigned char>& Octets() const { return octets_; }
    // Hands the finished stream over; the writer is left empty.
    std::vector<unsigned char> Prendre() { return std::move(octets_); }

private:
    void Commencer();
    void Terminer();

    std::vector<unsigned char> octets_;
};
