#pragma once
// An owned block of bytes with a 32-bit size. Blocks that hold text payloads
// carry one 0x00 after the counted bytes so they can be read as C strings.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

class BlocOctets {
public:
    BlocOctets() = default;
    // Copies `taille` bytes and stores one 0x00 after them (capacity taille + 1).
    // An allocation failure gives an empty block.
    static BlocOctets CopieAvecZero(const void* octets, std::uint32_t taille);
    // Takes the bytes of `tampon`; the size is `taille` (<= tampon.size()).
    static BlocOctets Adopter(std::vector<unsigned char>&& tampon, std::uint32_t taille);
    // `capacite` bytes left uninitialised and size 0: large output areas cost
    // no memory until they are written. An allocation failure gives an empty block.
    static BlocOctets Allouer(std::size_t capacite);

    const unsigned char* Donnees() const { return octets_.get(); }
    unsigned char* Donnees() { return octets_.get(); }
    std::uint32_t Taille() const { return taille_; }
    std::size_t Capacite() const { return capacite_; }
    bool Vide() const { return taille_ == 0; }
    // False (and nothing changed) when `taille` exceeds the capacity.
    bool FixerTaille(std::uint32_t taille);
    void Liberer();

private:
    std::unique_ptr<unsigned char[]> octets_;
    std::size_t capacite_ = 0;
    std::uint32_t taille_ = 0;
};
