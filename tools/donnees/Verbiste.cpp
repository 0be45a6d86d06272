#include "tools/donnees/Verbiste.h"

#include "text/Cp1252.h"
#include "text/FichiersTexte.h"

namespace {

// verbiste's files use a small part of XML: elements, attributes, text,
// comments, a DOCTYPE with an internal subset and the five predefined
// entities. This reader handles exactly that and rejects anything malformed.
struct NoeudXml {
    std::string nom;
    std::map<std::string, std::string> attributs;
    std::string texte;  // the element's own character data, all pieces joined
    std::vector<NoeudXml> enfants;

    const NoeudXml* Enfant(const std::string& nomEnfant) const {
        for (const NoeudXml& enfant : enfants)
            if (enfant.nom == nomEnfant) return &enfant;
        return nullptr;
    }
};

// verbiste nests six levels deep; a document far deeper is refused rather
// than letting each level's recursion run the stack out.
constexpr int ProfondeurMaximale = 200;

bool EstBlanc(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

bool EstCaractereDeNom(char c) {
    return c != '\0' && !EstBlanc(c) && c != '>' && c != '/' && c != '=' && c != '<';
}

// Replaces the predefined entities and numeric references; false on an
// unknown or unterminated one.
bool RemplacerEntites(std::string_view brut, std::string& sortie) {
    sortie.clear();
    for (std::size_t i = 0; i < brut.size(); ++i) {
        if (brut[i] != '&') {
            sortie += brut[i];
            continue;
        }
        const std::size_t fin = brut.find(';', i);
        if (fin == std::string_view::npos) return false;
        const std::string_view nom = brut.substr(i + 1, fin - i - 1);
        if (nom == "amp") sortie += '&';
        else if (nom == "lt") sortie += '<';
        else if (nom == "gt") sortie += '>';
        else if (nom == "quot") sortie += '"';
        else if (nom == "apos") sortie += '\'';
        else return false;
        i = fin;
    }
    return true;
}

class LecteurXml {
public:
    explicit LecteurXml(const std::string& source) : s_(source) {}

    // The document's root element; false when the document is malformed.
    bool Lire(NoeudXml& racine) {
        if (!SauterProlog()) return false;
        if (!LireElement(racine, 0)) return false;
        return SauterDivers() && pos_ == s_.size();
    }

private:
    const std::string& s_;
    std::size_t pos_ = 0;

    bool Commence(std::string_view motif) const { return s_.compare(pos_, motif.size(), motif) == 0; }

    void SauterBlancs() {
        while (pos_ < s_.size() && EstBlanc(s_[pos_])) ++pos_;
    }

    bool SauterJusqua(std::string_view fin) {
        const std::size_t trouve = s_.find(fin, pos_);
        if (trouve == std::string::npos) return false;
        pos_ = trouve + fin.size();
        return true;
    }

    // Comments and processing instructions, which may stand anywhere.
    bool SauterMarquageIgnore(bool& saute) {
        saute = true;
        if (Commence("<!--")) return SauterJusqua("-->");
        if (Commence("<?")) return SauterJusqua("?>");
        saute = false;
        return true;
    }

    bool SauterDivers() {
        for (;;) {
            SauterBlancs();
            bool saute = false;
            if (!SauterMarquageIgnore(saute)) return false;
            if (!saute) return true;
        }
    }

    bool SauterDoctype() {
        // The internal subset may contain '>' inside its declarations: it ends at "]>".
        const std::size_t crochet = s_.find('[', pos_);
        const std::size_t chevron = s_.find('>', pos_);
        if (chevron == std::string::npos) return false;
        if (crochet != std::string::npos && crochet < chevron) {
            pos_ = crochet;
            if (!SauterJusqua("]")) return false;
            SauterBlancs();
            if (pos_ >= s_.size() || s_[pos_] != '>') return false;
            ++pos_;
            return true;
        }
        pos_ = chevron + 1;
        return true;
    }

    bool SauterProlog() {
        for (;;) {
            if (!SauterDivers()) return false;
            if (!Commence("<!DOCTYPE")) return true;
            if (!SauterDoctype()) return false;
        }
    }

    bool LireNom(std::string& nom) {
        const std::size_t debut = pos_;
        while (pos_ < s_.size() && EstCaractereDeNom(s_[pos_])) ++pos_;
        nom.assign(s_, debut, pos_ - debut);
        return !nom.empty();
    }

    bool LireAttribut(NoeudXml& noeud) {
        std::string nom;
        if (!LireNom(nom)) return false;
        SauterBlancs();
        if (pos_ >= s_.size() || s_[pos_] != '=') return false;
        ++pos_;
        SauterBlancs();
        if (pos_ >= s_.size() || (s_[pos_] != '"' && s_[pos_] != '\'')) return false;
        const char guillemet = s_[pos_++];
        const std::size_t fin = s_.find(guillemet, pos_);
        if (fin == std::string::npos) return false;
        std::string valeur;
        if (!RemplacerEntites(std::string_view(s_).substr(pos_, fin - pos_), valeur)) return false;
        noeud.attributs[nom] = valeur;
        pos_ = fin + 1;
        return true;
    }

    // Reads "<name attr='v' ...>" or "<name .../>"; `vide` tells which.
    bool LireBaliseOuvrante(NoeudXml& noeud, bool& vide) {
        if (pos_ >= s_.size() || s_[pos_] != '<') return false;
        ++pos_;
        if (!LireNom(noeud.nom)) return false;
        for (;;) {
            SauterBlancs();
            if (pos_ >= s_.size()) return false;
            if (Commence("/>")) {
                pos_ += 2;
                vide = true;
                return true;
            }
            if (s_[pos_] == '>') {
                ++pos_;
                vide = false;
                return true;
            }
            if (!LireAttribut(noeud)) return false;
        }
    }

    bool LireBaliseFermante(const std::string& nom) {
        pos_ += 2;  // "</"
        std::string lu;
        if (!LireNom(lu) || lu != nom) return false;
        SauterBlancs();
        if (pos_ >= s_.size() || s_[pos_] != '>') return false;
        ++pos_;
        return true;
    }

    bool LireTexte(NoeudXml& noeud) {
        const std::size_t fin = s_.find('<', pos_);
        if (fin == std::string::npos) return false;
        std::string morceau;
        if (!RemplacerEntites(std::string_view(s_).substr(pos_, fin - pos_), morceau)) return false;
        noeud.texte += morceau;
        pos_ = fin;
        return true;
    }

    bool LireContenu(NoeudXml& noeud, int profondeur) {
        for (;;) {
            if (pos_ >= s_.size()) return false;
            if (Commence("</")) return LireBaliseFermante(noeud.nom);
            bool saute = false;
            if (!SauterMarquageIgnore(saute)) return false;
            if (saute) continue;
            if (s_[pos_] == '<') {
                NoeudXml enfant;
                if (!LireElement(enfant, profondeur + 1)) return false;
                noeud.enfants.push_back(std::move(enfant));
            } else if (!LireTexte(noeud)) {
                return false;
            }
        }
    }

    bool LireElement(NoeudXml& noeud, int profondeur) {
        if (profondeur > ProfondeurMaximale) return false;
        bool vide = false;
        if (!LireBaliseOuvrante(noeud, vide)) return false;
        return vide || LireContenu(noeud, profondeur);
    }
};

bool LireDocument(const std::string& chemin, const char* nomRacine, NoeudXml& racine) {
    std::string contenu;
    if (!LireFichierEntier(chemin, contenu)) return false;
    return LecteurXml(contenu).Lire(racine) && racine.nom == nomRacine;
}

std::string Elaguee(const std::string& texte) {
    std::size_t debut = 0, fin = texte.size();
    while (debut < fin && EstBlanc(texte[debut])) ++debut;
    while (fin > debut && EstBlanc(texte[fin - 1])) --fin;
    return texte.substr(debut, fin - debut);
}

// A template's endings, in Windows-1252: mode -> tense -> persons -> alternatives.
using Terminaisons = std::map<std::string, std::map<std::string, std::vector<std::vector<std::string>>>>;

struct Modele {
    std::string terminaisonInfinitif;  // what follows ':' in the name
    Terminaisons terminaisons;
};

// Endings are converted once here; a radical and an ending are whole UTF-8
// texts, so converting them apart gives the same bytes as converting the form.
std::vector<std::string> AlternativesDePersonne(const NoeudXml& personne) {
    std::vector<std::string> alternatives;
    for (const NoeudXml& forme : personne.enfants)
        if (forme.nom == "i") alternatives.push_back(Utf8VersCp1252(Elaguee(forme.texte)));
    return alternatives;
}

Terminaisons TerminaisonsDuModele(const NoeudXml& modele) {
    Terminaisons terminaisons;
    for (const NoeudXml& mode : modele.enfants) {
        auto& temps = terminaisons[mode.nom];
        for (const NoeudXml& unTemps : mode.enfants) {
            auto& personnes = temps[unTemps.nom];
            for (const NoeudXml& personne : unTemps.enfants)
                if (personne.nom == "p") personnes.push_back(AlternativesDePersonne(personne));
        }
    }
    return terminaisons;
}

bool LireModeles(const NoeudXml& racine, std::map<std::string, Modele>& modeles) {
    for (const NoeudXml& noeud : racine.enfants) {
        if (noeud.nom != "template") continue;
        const auto nom = noeud.attributs.find("name");
        if (nom == noeud.attributs.end()) return false;
        const std::size_t deuxPoints = nom->second.find(':');
        if (deuxPoints == std::string::npos) return false;
        modeles[nom->second] = Modele{nom->second.substr(deuxPoints + 1), TerminaisonsDuModele(noeud)};
    }
    return !modeles.empty();
}

bool FinitPar(const std::string& texte, const std::string& fin) {
    return texte.size() >= fin.size() && texte.compare(texte.size() - fin.size(), fin.size(), fin) == 0;
}

void Developper(const std::string& radical, const Terminaisons& terminaisons, FormesVerbe& verbe) {
    for (const auto& [mode, temps] : terminaisons)
        for (const auto& [nomTemps, personnes] : temps) {
            auto& formes = verbe.formes[mode][nomTemps];
            formes.reserve(personnes.size());
            for (const auto& alternatives : personnes) {
                std::vector<std::string> completes;
                completes.reserve(alternatives.size());
                for (const std::string& terminaison : alternatives) completes.push_back(radical + terminaison);
                formes.push_back(std::move(completes));
            }
        }
}

// A verb whose template is unknown or whose infinitive does not carry the
// template's ending cannot be expanded: it is left out.
bool LireVerbe(const NoeudXml& v, const std::map<std::string, Modele>& modeles, FormesVerbe& verbe) {
    const NoeudXml* infinitif = v.Enfant("i");
    const NoeudXml* nomModele = v.Enfant("t");
    if (!infinitif || !nomModele) return false;
    const std::string infinitifUtf8 = Elaguee(infinitif->texte);
    const auto modele = modeles.find(Elaguee(nomModele->texte));
    if (infinitifUtf8.empty() || modele == modeles.end()) return false;
    if (!FinitPar(infinitifUtf8, modele->second.terminaisonInfinitif)) return false;
    const std::string radical =
        infinitifUtf8.substr(0, infinitifUtf8.size() - modele->second.terminaisonInfinitif.size());
    verbe.infinitif = Utf8VersCp1252(infinitifUtf8);
    verbe.modele = Utf8VersCp1252(modele->first);
    verbe.hAspire = v.Enfant("aspirate-h") != nullptr;
    Developper(Utf8VersCp1252(radical), modele->second.terminaisons, verbe);
    return true;
}

}  // namespace

bool ChargerVerbiste(const std::string& fichierVerbes, const std::string& fichierConjugaisons,
                     std::vector<FormesVerbe>& verbes) {
    verbes.clear();
    NoeudXml racineModeles, racineVerbes;
    std::map<std::string, Modele> modeles;
    if (!LireDocument(fichierConjugaisons, "conjugation-fr", racineModeles)) return false;
    if (!LireModeles(racineModeles, modeles)) return false;
    if (!LireDocument(fichierVerbes, "verbs-fr", racineVerbes)) return false;
    for (const NoeudXml& v : racineVerbes.enfants) {
        if (v.nom != "v") continue;
        FormesVerbe verbe;
        if (LireVerbe(v, modeles, verbe)) verbes.push_back(std::move(verbe));
    }
    return !verbes.empty();
}
