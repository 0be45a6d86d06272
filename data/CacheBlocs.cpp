#include "data/CacheBlocs.h"

#include <algorithm>

BlocArticles CacheBlocs::Trouver(std::size_t numero) {
    const auto trouve = std::find_if(blocs_.begin(), blocs_.end(),
                                     [numero](const auto& entree) { return entree.first == numero; });
    if (trouve == blocs_.end()) return nullptr;
    std::rotate(trouve, trouve + 1, blocs_.end());
    return blocs_.back().second;
}

void CacheBlocs::Garder(std::size_t numero, BlocArticles bloc) {
    if (Trouver(numero)) {
        blocs_.back().second = std::move(bloc);
        return;
    }
    if (blocs_.size() >= capacite_) blocs_.erase(blocs_.begin());
    blocs_.emplace_back(numero, std::move(bloc));
}
