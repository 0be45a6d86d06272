#pragma once
// A map from a key to a list of words, kept as two parallel arrays so that a
// loaded index costs no per-node allocation. Keys are ordered by plain byte
// comparison (not the French order): that is how the index data are sorted.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

class Xmapstringvectorstring {
public:
    Xmapstringvectorstring() = default;

    // Replaces the whole content. `sorted` says the keys are already ascending;
    // when false they are sorted on the first lookup.
    void construire(std::vector<std::string> keys, std::vector<std::vector<std::string>> values,
                    bool sorted);
    void sortkeys();
    // The position of the key, found by lower bound and exact equality.
    std::optional<std::size_t> trouver(const std::string& key);
    // A copy of the key's list, empty when the key is absent.
    std::vector<std::string> valeurs(const std::string& key);

    std::size_t taille() const { return keys_.size(); }
    bool estTrie() const { return sorted_; }
    // Bytes held by keys and words, for the memory figures of the benchmark.
    std::size_t octetsOccupes() const;

private:
    std::vector<std::string> keys_;
    std::vector<std::vector<std::string>> values_;
    bool sorted_ = true;
};
