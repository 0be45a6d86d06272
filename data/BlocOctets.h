#pragma once
// An owned block of bytes with a 32-bit size. Blocks that hold text payloads
// carry one 0x00 after the counted bytes so they can be read as C strings.
#include <cstdint>
#include <vector>

class BlocOctets {
public:
    BlocOctets() = default;
    // Copies `taille` bytes and stores one 0x00 after them (capacity taille + 1).
    // An allocation failure gives an empty block.
    static BlocOctets CopieAvecZero(const void* octets, std::uint32_t taille);
    // Takes `tampon` as it is; the size is `taille` (<= tampon.size()).
    static BlocOctets Adopter(std::vector<unsigned char>&& tampon, std::uint32_t taille);

    const unsigned char* Donnees() const { return octets_.data(); }
    unsigned char* Donnees() { return octets_.data(); }
    std::uint32_t Taille() const { return taille_; }
    std::size_t Capacite() const { return octets_.size(); }
    bool Vide() const { return taille_ == 0; }
    void Liberer();

private:
    std::vector<unsigned char> octets_;
    std::uint32_t taille_ = 0;
};
