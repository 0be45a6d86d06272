#include "rendu/TetesSansAccents.h"

#include "data/Dictionnaire.h"
#include "rendu/RechercheTolerante.h"

TetesSansAccents& TetesSansAccents::ParDefaut() {
    static TetesSansAccents* const tetes = new TetesSansAccents(DictionnaireCourant());
    return *tetes;
}

void TetesSansAccents::AssurerIndex() {
    const std::size_t nombre = dictionnaire_.NombreArticles();
    if (indexes_ == nombre) return;
    index_.clear();
    for (std::size_t i = 0; i < nombre; ++i) {
        const std::string titre(dictionnaire_.Titre(i));
        std::vector<std::string>& mots = index_[FormeSansAccents(titre)];
        if (mots.empty() || mots.back() != titre) mots.push_back(titre);
    }
    indexes_ = nombre;
}

const std::vector<std::string>* TetesSansAccents::Chercher(const std::string& forme) {
    AssurerIndex();
    const auto trouve = index_.find(forme);
    return trouve == index_.end() ? nullptr : &trouve->second;
}
