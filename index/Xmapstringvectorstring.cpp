#include "index/Xmapstringvectorstring.h"

#include <algorithm>
#include <utility>

#include "text/Trace.h"

namespace {
// std::string's operator< compares as char, which is signed here: accented
// bytes (0x80 and up) must sort after 'z', so compare as unsigned bytes.
bool OctetsInferieurs(const std::string& a, const std::string& b) {
    const std::size_t commun = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < commun; ++i) {
        const auto x = static_cast<unsigned char>(a[i]);
        const auto y = static_cast<unsigned char>(b[i]);
        if (x != y) return x < y;
    }
    return a.size() < b.size();
}

std::size_t BorneInferieure(const std::vector<std::string>& cles, const std::string& cle) {
    return static_cast<std::size_t>(
        std::lower_bound(cles.begin(), cles.end(), cle, OctetsInferieurs) - cles.begin());
}
}  // namespace

void Xmapstringvectorstring::construire(std::vector<std::string> keys,
                                        std::vector<std::vector<std::string>> values, bool sorted) {
    // The two arrays must stay parallel whatever the caller passes.
    values.resize(keys.size());
    keys_ = std::move(keys);
    values_ = std::move(values);
    sorted_ = sorted;
}

void Xmapstringvectorstring::sortkeys() {
    std::vector<std::string> triees = keys_;
    std::stable_sort(triees.begin(), triees.end(), OctetsInferieurs);
    std::vector<std::vector<std::string>> rangees(triees.size());
    for (std::size_t i = 0; i < keys_.size(); ++i) {
        const std::size_t position = BorneInferieure(triees, keys_[i]);
        if (position == triees.size() || triees[position] != keys_[i]) {
            Trace("ANORMAL: Xmapstringvectorstring::sortkeys [%s] NON TROUVE\n", keys_[i].c_str());
            continue;
        }
        rangees[position] = values_[i];
    }
    keys_ = std::move(triees);
    values_ = std::move(rangees);
}

std::optional<std::size_t> Xmapstringvectorstring::trouver(const std::string& key) {
    if (!sorted_) {
        sortkeys();
        sorted_ = true;
    }
    const std::size_t position = BorneInferieure(keys_, key);
    if (position < keys_.size() && keys_[position] == key) return position;
    return std::nullopt;
}

std::vector<std::string> Xmapstringvectorstring::valeurs(const std::string& key) {
    const auto position = trouver(key);
    if (!position) return {};
    return values_[*position];
}

std::size_t Xmapstringvectorstring::octetsOccupes() const {
    std::size_t total = keys_.capacity() * sizeof(std::string) +
                        values_.capacity() * sizeof(std::vector<std::string>);
    for (std::size_t i = 0; i < keys_.size(); ++i) {
        if (keys_[i].capacity() > 15) total += keys_[i].capacity() + 1;
        total += values_[i].capacity() * sizeof(std::string);
        for (const std::string& mot : values_[i])
            if (mot.capacity() > 15) total += mot.capacity() + 1;
    }
    return total;
}
