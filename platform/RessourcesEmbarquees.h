#pragma once
// Named binary blobs linked into the executable (see cmake/Embarquer.cmake).
// This is the stand-in for the resources of type FICHIERS: the table that
// vocalia_embarquer generates registers itself during static initialisation,
// and TrouverRessourceEmbarquee finds a blob by its exact name.
#include <cstddef>
#include <cstdint>

struct RessourceEmbarquee {
    const char* nom;
    const unsigned char* debut;
    const unsigned char* fin;
};

// Adds a table of blobs; returns true so that it can initialise a static.
bool EnregistrerRessources(const RessourceEmbarquee* table, std::size_t nombre);

// The bytes of the blob `nom`; false (and nothing set) when no blob has that name.
bool TrouverRessourceEmbarquee(const char* nom, const unsigned char** octets, std::size_t* taille);
