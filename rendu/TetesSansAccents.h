#pragma once
// The headwords of one dictionary under their accent-free form, for the
// forgiving lookup's last try. Built on first use, and again when the
// dictionary was loaded anew with another number of articles (tests load
// several into one dictionary). Belongs to the data it is built from: each
// dictionary a program answers from has its own. Not thread-safe, as the
// lookups that use it run on one thread.
#include <map>
#include <string>
#include <vector>

class DictionnairePrincipal;

class TetesSansAccents {
public:
    explicit TetesSansAccents(const DictionnairePrincipal& dictionnaire) : dictionnaire_(dictionnaire) {}
    TetesSansAccents(const TetesSansAccents&) = delete;
    TetesSansAccents& operator=(const TetesSansAccents&) = delete;

    // The one of DictionnaireCourant().
    static TetesSansAccents& ParDefaut();

    const DictionnairePrincipal& Dictionnaire() const { return dictionnaire_; }
    // The headwords whose FormeSansAccents is `forme`, in dictionary order,
    // each once; null when there are none.
    const std::vector<std::string>* Chercher(const std::string& forme);

private:
    void AssurerIndex();

    const DictionnairePrincipal& dictionnaire_;
    std::map<std::string, std::vector<std::string>> index_;
    std::size_t indexes_ = 0;  // the article count the index was built for
};
