#pragma once
// The decoded blocks of the main dictionary that lookups keep, at most a fixed
// number, the least recently used one leaving first. Not locked: its owner
// serialises the calls.
#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

#include "data/Article.h"

using BlocArticles = std::shared_ptr<const std::vector<Article>>;

class CacheBlocs {
public:
    explicit CacheBlocs(std::size_t capacite) : capacite_(capacite < 1 ? 1 : capacite) {}
    // The block, now the most recently used; null when it is not kept.
    BlocArticles Trouver(std::size_t numero);
    // Keeps the block, dropping the least recently used one when full.
    void Garder(std::size_t numero, BlocArticles bloc);
    void Vider() { blocs_.clear(); }
    std::size_t Taille() const { return blocs_.size(); }
    std::size_t Capacite() const { return capacite_; }

private:
    std::size_t capacite_;
    std::vector<std::pair<std::size_t, BlocArticles>> blocs_;  // least recently used first
};
