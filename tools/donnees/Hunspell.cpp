#include "tools/donnees/Hunspell.h"

#include <algorithm>
#include <charconv>

#include "text/Cp1252.h"
#include "text/FichiersTexte.h"

namespace {

// Advances `i` past the UTF-8 sequence it decodes; false when there is none.
bool LireUtf8(std::string_view s, std::size_t& i, char32_t& point) {
    const std::size_t longueur = DecoderUtf8(s, i, point);
    i += longueur;
    return longueur > 0;
}

// The alias a run of digits names (AF and AM count from 1), or null when it
// names none, a number too large for any integer included.
template <typename T>
const T* AliasNumero(const std::vector<T>& alias, std::string_view chiffres) {
    std::size_t n = 0;
    const char* fin = chiffres.data() + chiffres.size();
    const auto [lu, erreur] = std::from_chars(chiffres.data(), fin, n);
    if (erreur != std::errc() || lu != fin || n < 1 || n > alias.size()) return nullptr;
    return &alias[n - 1];
}

std::vector<std::string> Champs(std::string_view ligne) {
    std::vector<std::string> champs;
    std::size_t i = 0;
    while (i < ligne.size()) {
        while (i < ligne.size() && (ligne[i] == ' ' || ligne[i] == '\t')) ++i;
        const std::size_t debut = i;
        while (i < ligne.size() && ligne[i] != ' ' && ligne[i] != '\t') ++i;
        if (i > debut) champs.emplace_back(ligne.substr(debut, i - debut));
    }
    return champs;
}

std::vector<std::string_view> Lignes(std::string_view texte) {
    std::vector<std::string_view> lignes;
    std::size_t debut = 0;
    while (debut < texte.size()) {
        std::size_t fin = texte.find('\n', debut);
        if (fin == std::string_view::npos) fin = texte.size();
        std::string_view ligne = texte.substr(debut, fin - debut);
        if (!ligne.empty() && ligne.back() == '\r') ligne.remove_suffix(1);
        lignes.push_back(ligne);
        debut = fin + 1;
    }
    return lignes;
}

bool QueDesChiffres(std::string_view s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The text after the first `n` whitespace-separated fields of a line.
std::string_view ApresChamps(std::string_view ligne, std::size_t n) {
    std::size_t i = 0;
    for (std::size_t k = 0; k < n; ++k) {
        while (i < ligne.size() && (ligne[i] == ' ' || ligne[i] == '\t')) ++i;
        while (i < ligne.size() && ligne[i] != ' ' && ligne[i] != '\t') ++i;
    }
    while (i < ligne.size() && (ligne[i] == ' ' || ligne[i] == '\t')) ++i;
    std::string_view reste = ligne.substr(i);
    while (!reste.empty() && (reste.back() == ' ' || reste.back() == '\t')) reste.remove_suffix(1);
    return reste;
}

ConditionAffixe LireCondition(std::u32string_view motif) {
    ConditionAffixe condition;
    for (std::size_t i = 0; i < motif.size(); ++i) {
        ConditionAffixe::Ensemble ensemble;
        if (motif[i] == U'.') {
            ensemble.tous = true;
        } else if (motif[i] == U'[') {
            std::size_t j = i + 1;
            if (j < motif.size() && motif[j] == U'^') { ensemble.negatif = true; ++j; }
            while (j < motif.size() && motif[j] != U']') ensemble.caracteres += motif[j++];
            i = j;  // on the closing bracket (or past the end of a malformed set)
        } else {
            ensemble.caracteres = motif[i];
        }
        condition.ensembles.push_back(ensemble);
    }
    return condition;
}

bool Accepte(const ConditionAffixe::Ensemble& ensemble, char32_t c) {
    if (ensemble.tous) return true;
    const bool dedans = ensemble.caracteres.find(c) != std::u32string::npos;
    return dedans != ensemble.negatif;
}

std::string Joindre(const std::string& a, const std::string& b) {
    if (a.empty()) return b;
    if (b.empty()) return a;
    return a + " " + b;
}

}  // namespace

bool ConditionAffixe::AuDebut(std::u32string_view mot) const {
    if (ensembles.size() > mot.size()) return false;
    for (std::size_t i = 0; i < ensembles.size(); ++i)
        if (!Accepte(ensembles[i], mot[i])) return false;
    return true;
}

bool ConditionAffixe::ALaFin(std::u32string_view mot) const {
    if (ensembles.size() > mot.size()) return false;
    const std::size_t decalage = mot.size() - ensembles.size();
    for (std::size_t i = 0; i < ensembles.size(); ++i)
        if (!Accepte(ensembles[i], mot[decalage + i])) return false;
    return true;
}

std::string EnUtf8(std::u32string_view texte) {
    std::string sortie;
    sortie.reserve(texte.size() + 8);
    for (char32_t p : texte) AjouterUtf8(sortie, p);
    return sortie;
}

std::vector<std::string> ChampsMorphologiques(std::string_view morphologie, std::string_view cle) {
    std::vector<std::string> valeurs;
    for (std::string champ : Champs(morphologie)) {
        if (champ.size() <= cle.size() || champ.compare(0, cle.size(), cle) != 0 ||
            champ[cle.size()] != ':')
            continue;
        champ.erase(0, cle.size() + 1);
        while (!champ.empty() && champ.back() == '!') champ.pop_back();
        valeurs.push_back(champ);
    }
    return valeurs;
}

std::u32string DictionnaireHunspell::Decoder(std::string_view octets) const {
    std::u32string texte;
    texte.reserve(octets.size());
    for (std::size_t i = 0; i < octets.size();) {
        char32_t point;
        if (utf8_ && LireUtf8(octets, i, point)) {
            texte += point;
        } else {  // Latin sets, and stray bytes in a UTF-8 file
            texte += char32_t(static_cast<unsigned char>(octets[i]));
            ++i;
        }
    }
    return texte;
}

std::vector<Drapeau> DictionnaireHunspell::Drapeaux(std::u32string_view texte) const {
    std::vector<Drapeau> drapeaux;
    switch (typeDrapeau_) {
        case TypeDrapeau::Long:
            for (std::size_t i = 0; i + 1 < texte.size(); i += 2) drapeaux.emplace_back(texte.substr(i, 2));
            break;
        case TypeDrapeau::Numerique: {
            std::size_t debut = 0;
            while (debut <= texte.size()) {
                std::size_t fin = texte.find(U',', debut);
                if (fin == std::u32string_view::npos) fin = texte.size();
                if (fin > debut) drapeaux.emplace_back(texte.substr(debut, fin - debut));
                debut = fin + 1;
            }
            break;
        }
        case TypeDrapeau::Simple:
        case TypeDrapeau::Utf8:
            for (char32_t c : texte) drapeaux.emplace_back(1, c);
            break;
    }
    return drapeaux;
}

std::vector<Drapeau> DictionnaireHunspell::DrapeauxOuAlias(std::u32string_view texte) const {
    if (!alias_.empty()) {
        const std::string chiffres = EnUtf8(texte);
        if (QueDesChiffres(chiffres)) {
            const std::u32string* alias = AliasNumero(alias_, chiffres);
            return alias ? Drapeaux(*alias) : std::vector<Drapeau>();
        }
    }
    return Drapeaux(texte);
}

bool DictionnaireHunspell::APourDrapeau(const std::vector<Drapeau>& drapeaux, const Drapeau& d) const {
    return !d.empty() && std::find(drapeaux.begin(), drapeaux.end(), d) != drapeaux.end();
}

bool DictionnaireHunspell::LireLigneAffixe(const std::vector<std::string>& champs, std::string_view ligne) {
    if (champs.size() < 4) return false;
    const bool prefixe = champs[0] == "PFX";
    const std::vector<Drapeau> nom = Drapeaux(Decoder(champs[1]));
    if (nom.size() != 1) return false;
    const auto existante = classes_.find(nom[0]);
    if (existante == classes_.end()) {  // the header: PFX flag Y|N count
        if (champs[2] != "Y" && champs[2] != "N") return false;
        ClasseAffixe classe;
        classe.prefixe = prefixe;
        classe.croisement = champs[2] == "Y";
        classes_[nom[0]] = classe;
        return true;
    }
    if (champs.size() < 5 || existante->second.prefixe != prefixe) return false;
    RegleAffixe regle;
    if (champs[2] != "0") regle.retrait = Decoder(champs[2]);
    std::u32string ajout = Decoder(champs[3]);
    const std::size_t barre = ajout.find(U'/');
    if (barre != std::u32string::npos) {
        regle.continuation = DrapeauxOuAlias(std::u32string_view(ajout).substr(barre + 1));
        ajout.erase(barre);
    }
    if (ajout != U"0") regle.ajout = ajout;
    regle.condition = LireCondition(Decoder(champs[4]));
    std::string morphologie(ApresChamps(ligne, 5));
    if (QueDesChiffres(morphologie) && !aliasMorphologie_.empty()) {
        const std::string* alias = AliasNumero(aliasMorphologie_, morphologie);
        morphologie = alias ? *alias : "";
    }
    regle.morphologie = morphologie;
    existante->second.regles.push_back(std::move(regle));
    return true;
}

bool DictionnaireHunspell::LireAffixes(std::string_view texte) {
    classes_.clear();
    alias_.clear();
    aliasMorphologie_.clear();
    bool enteteAlias = false, enteteAliasMorphologie = false;
    for (std::string_view ligne : Lignes(texte)) {
        if (ligne.size() >= 3 && static_cast<unsigned char>(ligne[0]) == 0xEF) ligne.remove_prefix(3);  // BOM
        const std::vector<std::string> champs = Champs(ligne);
        if (champs.empty() || champs[0][0] == '#') continue;
        const std::string& mot = champs[0];
        if (mot == "SET" && champs.size() >= 2) {
            utf8_ = champs[1] == "UTF-8" || champs[1] == "utf-8";
        } else if (mot == "FLAG" && champs.size() >= 2) {
            if (champs[1] == "long") typeDrapeau_ = TypeDrapeau::Long;
            else if (champs[1] == "num") typeDrapeau_ = TypeDrapeau::Numerique;
            else if (champs[1] == "UTF-8") typeDrapeau_ = TypeDrapeau::Utf8;
        } else if (mot == "AF" && champs.size() >= 2) {
            if (enteteAlias) alias_.push_back(Decoder(champs[1]));
            enteteAlias = true;  // the first AF line only counts the others
        } else if (mot == "AM" && champs.size() >= 2) {
            if (enteteAliasMorphologie) aliasMorphologie_.emplace_back(ApresChamps(ligne, 1));
            enteteAliasMorphologie = true;
        } else if (mot == "NEEDAFFIX" && champs.size() >= 2) {
            const auto d = Drapeaux(Decoder(champs[1]));
            if (d.size() == 1) besoinAffixe_ = d[0];
        } else if (mot == "PFX" || mot == "SFX") {
            if (!LireLigneAffixe(champs, ligne)) return false;
        }
    }
    return !classes_.empty();
}

bool DictionnaireHunspell::LireEntrees(std::string_view texte) {
    entrees_.clear();
    bool premiere = true;
    for (std::string_view ligne : Lignes(texte)) {
        if (premiere) {
            premiere = false;
            if (ligne.size() >= 3 && static_cast<unsigned char>(ligne[0]) == 0xEF) ligne.remove_prefix(3);
            if (QueDesChiffres(std::string(ApresChamps(ligne, 0)))) continue;
        }
        if (ligne.empty() || ligne[0] == '\t') continue;  // hunspell's comment lines start with a tab
        // The fields start after a tab, or after the first space that precedes "xx:".
        std::size_t finTete = ligne.find('\t');
        if (finTete == std::string_view::npos) {
            for (std::size_t i = 0; i + 3 < ligne.size(); ++i)
                if (ligne[i] == ' ' && ligne[i + 3] == ':' && ligne[i + 1] != ' ' && ligne[i + 2] != ' ') {
                    finTete = i;
                    break;
                }
        }
        if (finTete == std::string_view::npos && !aliasMorphologie_.empty()) {  // "mot/1 2": an AM alias
            const std::size_t espace = ligne.rfind(' ');
            if (espace != std::string_view::npos && QueDesChiffres(ligne.substr(espace + 1))) finTete = espace;
        }
        std::string_view tete = ligne.substr(0, finTete);
        while (!tete.empty() && tete.back() == ' ') tete.remove_suffix(1);
        if (tete.empty()) continue;
        EntreeHunspell entree;
        std::string mot;
        std::size_t i = 0;
        for (; i < tete.size(); ++i) {
            if (tete[i] == '\\' && i + 1 < tete.size() && tete[i + 1] == '/') { mot += '/'; ++i; continue; }
            if (tete[i] == '/') break;
            mot += tete[i];
        }
        if (mot.empty()) continue;
        entree.mot = Decoder(mot);
        if (i < tete.size()) entree.drapeaux = DrapeauxOuAlias(Decoder(tete.substr(i + 1)));
        if (finTete != std::string_view::npos) {
            std::string morphologie(ApresChamps(ligne.substr(finTete), 0));
            if (QueDesChiffres(morphologie) && !aliasMorphologie_.empty()) {
                const std::string* alias = AliasNumero(aliasMorphologie_, morphologie);
                morphologie = alias ? *alias : "";
            }
            entree.morphologie = morphologie;
        }
        entrees_.push_back(std::move(entree));
    }
    return !entrees_.empty();
}

bool DictionnaireHunspell::Charger(const std::string& fichierAff, const std::string& fichierDic) {
    std::string aff, dic;
    if (!LireFichierEntier(fichierAff, aff) || !LireFichierEntier(fichierDic, dic)) return false;
    return LireAffixes(aff) && LireEntrees(dic);
}

void DictionnaireHunspell::AjouterSuffixes(const FormeHunspell& base, const std::vector<Drapeau>& drapeaux,
                                          int niveau, std::vector<FormeHunspell>& formes) const {
    for (const Drapeau& d : drapeaux) {
        const auto classe = classes_.find(d);
        if (classe == classes_.end() || classe->second.prefixe) continue;
        for (const RegleAffixe& regle : classe->second.regles) {
            const std::u32string& mot = base.forme;
            if (!regle.condition.ALaFin(mot)) continue;
            if (regle.retrait.size() > mot.size() ||
                mot.compare(mot.size() - regle.retrait.size(), regle.retrait.size(), regle.retrait) != 0)
                continue;
            FormeHunspell forme;
            forme.forme = mot.substr(0, mot.size() - regle.retrait.size()) + regle.ajout;
            if (forme.forme.empty()) continue;
            forme.morphologie = Joindre(base.morphologie, regle.morphologie);
            forme.continuation = regle.continuation;
            forme.croisable = base.croisable && classe->second.croisement;
            if (!APourDrapeau(forme.continuation, besoinAffixe_)) formes.push_back(forme);
            if (niveau == 0) AjouterSuffixes(forme, regle.continuation, 1, formes);
        }
    }
}

void DictionnaireHunspell::AjouterPrefixes(const FormeHunspell& base, const std::vector<Drapeau>& drapeaux,
                                          bool seulementCroises, std::vector<FormeHunspell>& formes) const {
    for (const Drapeau& d : drapeaux) {
        const auto classe = classes_.find(d);
        if (classe == classes_.end() || !classe->second.prefixe) continue;
        if (seulementCroises && !classe->second.croisement) continue;
        for (const RegleAffixe& regle : classe->second.regles) {
            const std::u32string& mot = base.forme;
            if (!regle.condition.AuDebut(mot)) continue;
            if (mot.compare(0, regle.retrait.size(), regle.retrait) != 0) continue;
            FormeHunspell forme;
            forme.forme = regle.ajout + mot.substr(regle.retrait.size());
            if (forme.forme.empty()) continue;
            forme.morphologie = Joindre(base.morphologie, regle.morphologie);
            forme.continuation = regle.continuation;
            if (!APourDrapeau(forme.continuation, besoinAffixe_)) formes.push_back(forme);
            if (!seulementCroises) AjouterSuffixes(forme, regle.continuation, 1, formes);
        }
    }
}

std::vector<FormeHunspell> DictionnaireHunspell::Developper(const EntreeHunspell& entree,
                                                           bool avecPrefixes) const {
    std::vector<FormeHunspell> formes;
    const FormeHunspell racine{entree.mot, entree.morphologie, {}};
    if (!APourDrapeau(entree.drapeaux, besoinAffixe_)) formes.push_back(racine);
    const std::size_t avantSuffixes = formes.size();
    AjouterSuffixes(racine, entree.drapeaux, 0, formes);
    if (!avecPrefixes) return formes;
    // Cross products: a suffixed form takes the entry's cross-product prefixes
    // and those its suffix carries on.
    const std::size_t finSuffixes = formes.size();
    for (std::size_t i = avantSuffixes; i < finSuffixes; ++i) {
        const FormeHunspell suffixee = formes[i];
        if (!suffixee.croisable) continue;
        std::vector<Drapeau> drapeaux = entree.drapeaux;
        drapeaux.insert(drapeaux.end(), suffixee.continuation.begin(), suffixee.continuation.end());
        AjouterPrefixes(suffixee, drapeaux, true, formes);
    }
    AjouterPrefixes(racine, entree.drapeaux, false, formes);
    return formes;
}
