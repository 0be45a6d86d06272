#include "data/BlocOctets.h"

#include <cstring>
#include <new>

BlocOctets BlocOctets::CopieAvecZero(const void* octets, std::uint32_t taille) {
    BlocOctets bloc;
    try {
        bloc.octets_.resize(std::size_t(taille) + 1);
    } catch (const std::bad_alloc&) {
        return BlocOctets();
    }
    if (taille > 0) std::memcpy(bloc.octets_.data(), octets, taille);
    bloc.octets_[taille] = 0;
    bloc.taille_ = taille;
    return bloc;
}

BlocOctets BlocOctets::Adopter(std::vector<unsigned char>&& tampon, std::uint32_t taille) {
    BlocOctets bloc;
    if (taille > tampon.size()) return bloc;
    bloc.octets_ = std::move(tampon);
    bloc.taille_ = taille;
    return bloc;
}

void BlocOctets::Liberer() {
    std::vector<unsigned char>().swap(octets_);
    taille_ = 0;
}
