#include "tools/dico/CommandeDico.h"

#include <algorithm>
#include <vector>

#include "conjugation/Conjugaison.h"
#include "data/Dictionnaire.h"
#include "lexique/DonneesVocalia.h"
#include "lexique/RechercheApproches.h"
#include "rendu/RechercheTolerante.h"
#include "rendu/RenduArticle.h"
#include "rendu/VoisinageSaisie.h"
#include "text/Cp1252.h"
#include "text/SaisieUtf8.h"
#include "text/Transformations.h"
#include "tools/dico/MiseEnPage.h"

namespace {

constexpr int MOTS_APRES = 30;
constexpr int MOTS_AVANT = 20;
constexpr const char* FLECHE = " \xE2\x86\x92 ";  // " → ", UTF-8

std::string Utf8(const std::string& cp1252) { return Cp1252VersUtf8(cp1252); }

std::string SansRetoursChariot(std::string texte) {
    texte.erase(std::remove(texte.begin(), texte.end(), '\r'), texte.end());
    return texte;
}

std::string Guillemets(const std::string& cp1252) { return Utf8("\xAB " + cp1252 + " \xBB"); }

std::string Joindre(const std::vector<std::string>& mots, std::size_t nombre) {
    std::string texte;
    for (std::size_t i = 0; i < mots.size() && i < nombre; ++i) texte += (i ? ", " : "") + mots[i];
    return texte;
}

std::string Lignes(const std::vector<std::string>& mots) {
    std::string texte;
    for (const std::string& mot : mots) texte += Utf8(mot) + '\n';
    return texte;
}

// "« ete » → été" when what is shown is not what was typed, blanks around included.
std::string LigneChangement(const std::string& tape, const std::vector<std::string>& montres) {
    if (montres.size() == 1 && montres.front() == tape) return {};
    return Guillemets(tape) + FLECHE + Utf8(Joindre(montres, montres.size())) + '\n';
}

std::vector<std::string> MotsMontres(const std::vector<MotAffiche>& trouves) {
    std::vector<std::string> mots;
    for (const MotAffiche& t : trouves) mots.push_back(t.mot);
    return mots;
}

ResultatDico Introuvable(DonneesVocalia& donnees, const std::string& tape, const CarteOptions& typesExclus) {
    ResultatDico r;
    r.code = CODE_INTROUVABLE;
    r.erreurs = "introuvable : " + Utf8(Elaguer(tape)) + '\n';
    const std::vector<std::string> approches = FiltrerMots(donnees.Dictionnaire(), RechercheApproches(donnees.Approches()).Rechercher(NettoyerSaisie(tape)), typesExclus);
    if (!approches.empty()) r.erreurs += Utf8("mots approch\xE9s : " + Joindre(approches, APPROCHES_PROPOSES)) + '\n';
    return r;
}

ResultatDico Articles(DonneesVocalia& donnees, const std::string& tape, const OptionsFiltre& options, int largeur) {
    const std::vector<MotAffiche> trouves = RechercherTolerant(donnees.Articles(), tape, options.TypesExclus);
    if (trouves.empty()) return Introuvable(donnees, tape, options.TypesExclus);
    ResultatDico r;
    r.code = CODE_TROUVE;
    r.erreurs = LigneChangement(tape, MotsMontres(trouves));
    std::string texte;
    // Each article after its headword on a line of its own: two homographs,
    // or two words that differ by their accents, are told apart.
    for (const MotAffiche& trouve : trouves) {
        for (const Article& article : trouve.articles) {
            if (!texte.empty()) texte += '\n';
            texte += trouve.mot + "\n\n" + SansRetoursChariot(TexteDuMot({article}, options).texte);
            if (texte.back() != '\n') texte += '\n';
        }
    }
    r.sortie = ReplierUtf8(Utf8(texte), largeur);
    return r;
}

// The found word that has a verb article, else the word as typed.
std::string VerbeAConjuguer(const std::string& tape, const std::vector<MotAffiche>& trouves) {
    for (const MotAffiche& t : trouves)
        for (const Article& article : t.articles)
            if (EstVerbe(article)) return t.mot;
    return NettoyerSaisie(tape);
}

ResultatDico Conjugaison(DonneesVocalia& donnees, const std::string& tape, const CarteOptions& typesExclus) {
    const std::string verbe = VerbeAConjuguer(tape, RechercherTolerant(donnees.Articles(), tape, typesExclus));
    ResultatDico r;
    std::string chemin;
    std::string texte;
    if (!PreparerBaseConjugaisons(chemin) || !ChargerConjugaison(verbe, chemin, texte)) {
        r.code = CODE_INTROUVABLE;
        r.erreurs = Utf8("La conjugaison de [" + verbe + "] ne peut pas \xEAtre affich\xE9" "e") + '\n';
        return r;
    }
    r.code = CODE_TROUVE;
    r.erreurs = LigneChangement(tape, {verbe});
    r.sortie = Utf8(SansRetoursChariot(texte));
    if (r.sortie.empty() || r.sortie.back() != '\n') r.sortie += '\n';
    return r;
}

ResultatDico PleinTexte(DonneesVocalia& donnees, const std::string& tape, bool dansExemples, const CarteOptions& typesExclus) {
    // The text is searched byte for byte, capitals included, as the window does.
    const std::string texte = NettoyerSaisie(tape);
    const std::vector<std::string> mots = FiltrerMots(donnees.Dictionnaire(), donnees.Dictionnaire().RechercherPleinTexte(texte, dansExemples), typesExclus);
    ResultatDico r;
    if (mots.empty()) {
        r.erreurs = Utf8("aucun sens ne contient " + std::string("\xAB ") + texte + " \xBB") + '\n';
        return r;
    }
    r.code = CODE_TROUVE;
    r.sortie = Lignes(mots);
    return r;
}

ResultatDico Approches(DonneesVocalia& donnees, const std::string& tape, const CarteOptions& typesExclus) {
    const std::vector<std::string> mots = FiltrerMots(donnees.Dictionnaire(), RechercheApproches(donnees.Approches()).Rechercher(NettoyerSaisie(tape)), typesExclus);
    ResultatDico r;
    if (mots.empty()) {
        r.erreurs = Utf8("Aucun mot approch\xE9 n'a \xE9t\xE9 trouv\xE9") + '\n';
        return r;
    }
    r.code = CODE_TROUVE;
    r.sortie = Lignes(mots);
    return r;
}

// The word list around the word, its line marked with "> "; for a text that
// is no word, around the place it would have, as the window's list follows
// the typing.
ResultatDico Liste(DonneesVocalia& donnees, const std::string& tape, const CarteOptions& typesExclus) {
    const std::vector<MotAffiche> trouves = RechercherTolerant(donnees.Articles(), tape, typesExclus);
    ResultatDico r;
    std::string mot;
    if (!trouves.empty()) {
        mot = trouves.front().mot;
        r.erreurs = LigneChangement(tape, {mot});
    } else {
        mot = TeteLaPlusProche(donnees.Dictionnaire(), tape);
        if (mot.empty()) return Introuvable(donnees, tape, typesExclus);
        r.erreurs = Guillemets(Elaguer(tape)) + Utf8(" n'est pas une entr\xE9" "e ; la plus proche : " + mot) + '\n';
    }
    const FenetreListe fenetre = donnees.Dictionnaire().FenetreMots(mot, MOTS_APRES, MOTS_AVANT);
    const std::vector<std::string> mots = FiltrerMots(donnees.Dictionnaire(), fenetre.mots, typesExclus);
    r.code = CODE_TROUVE;
    for (const std::string& m : mots) r.sortie += (m == mot ? "> " : "  ") + Utf8(m) + '\n';
    return r;
}

}  // namespace

std::string SaisieCp1252(const std::string& utf8) { return LireSaisieUtf8(utf8).texte; }

ResultatDico ExecuterDico(const ArgumentsDico& arguments, int largeur) {
    return ExecuterDico(arguments, largeur, DonneesVocalia::ParDefaut());
}

ResultatDico ExecuterDico(const ArgumentsDico& arguments, int largeur, DonneesVocalia& donnees) {
    const std::string tape = SaisieCp1252(arguments.mot);
    const CarteOptions& typesExclus = arguments.options.TypesExclus;
    ResultatDico r;
    switch (arguments.mode) {
        case ModeDico::Articles: return Articles(donnees, tape, arguments.options, largeur);
        case ModeDico::Approches: return Approches(donnees, tape, typesExclus);
        case ModeDico::Conjugaison: return Conjugaison(donnees, tape, typesExclus);
        case ModeDico::PleinTexte: return PleinTexte(donnees, tape, arguments.dansExemples, typesExclus);
        case ModeDico::Liste: return Liste(donnees, tape, typesExclus);
        case ModeDico::Aide:
            r.code = CODE_TROUVE;
            r.sortie = TexteAide();
            return r;
    }
    return r;
}
