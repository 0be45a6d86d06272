#include "data/BlocOctets.h"

#include <cstring>
#include <new>

BlocOctets BlocOctets::Allouer(std::size_t capacite) {
    BlocOctets bloc;
    if (capacite == 0) return bloc;
    bloc.octets_.reset(new (std::nothrow) unsigned char[capacite]);
    if (bloc.octets_) bloc.capacite_ = capacite;
    return bloc;
}

BlocOctets BlocOctets::CopieAvecZero(const void* octets, std::uint32_t taille) {
    BlocOctets bloc = Allouer(std::size_t(taille) + 1);
    if (bloc.Capacite() == 0) return BlocOctets();
    if (taille > 0) std::memcpy(bloc.octets_.get(), octets, taille);
    bloc.octets_[taille] = 0;
    bloc.taille_ = taille;
    return bloc;
}

BlocOctets BlocOctets::Adopter(std::vector<unsigned char>&& tampon, std::uint32_t taille) {
    if (taille > tampon.size()) return BlocOctets();
    BlocOctets bloc = Allouer(tampon.size());
    if (bloc.Capacite() == 0) return BlocOctets();
    std::memcpy(bloc.octets_.get(), tampon.data(), tampon.size());
    bloc.taille_ = taille;
    std::vector<unsigned char>().swap(tampon);
    return bloc;
}

bool BlocOctets::FixerTaille(std::uint32_t taille) {
    if (taille > capacite_) return false;
    taille_ = taille;
    return true;
}

void BlocOctets::Liberer() {
    octets_.reset();
    capacite_ = 0;
    taille_ = 0;
}
