#pragma once
// A hunspell dictionary (.aff + .dic) read as data: every entry with every
// word form its affix rules generate, and the morphological fields of each
// form. Text is kept as code points here; callers convert at the end.
#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

using Drapeau = std::u32string;  // one affix flag, whatever the file's FLAG type

// An affix condition: a sequence of character sets, matched at the start of a
// word (prefixes) or at its end (suffixes).
struct ConditionAffixe {
    struct Ensemble {
        std::u32string caracteres;
        bool negatif = false;
        bool tous = false;  // "."
    };
    std::vector<Ensemble> ensembles;

    bool AuDebut(std::u32string_view mot) const;
    bool ALaFin(std::u32string_view mot) const;
};

struct RegleAffixe {
    std::u32string retrait;  // removed from the word before `ajout` is added
    std::u32string ajout;
    std::vector<Drapeau> continuation;
    ConditionAffixe condition;
    std::string morphologie;  // UTF-8 fields such as "po:ipre po:1pl"
};

struct ClasseAffixe {
    bool prefixe = false;
    bool croisement = false;  // may combine with an affix of the other kind
    std::vector<RegleAffixe> regles;
};

struct EntreeHunspell {
    std::u32string mot;
    std::vector<Drapeau> drapeaux;
    std::string morphologie;  // UTF-8 fields of the entry
};

struct FormeHunspell {
    std::u32string forme;
    std::string morphologie;  // the entry's fields then those of the affixes applied
    std::vector<Drapeau> continuation;  // flags the last affix carries on
    bool croisable = true;  // every affix applied allows cross products
};

class DictionnaireHunspell {
public:
    // The .aff text. Understands SET (UTF-8 and the ISO-8859 Latin sets), FLAG
    // (single, long, num, UTF-8), AF, AM, NEEDAFFIX, PFX and SFX. False when
    // the text declares nothing usable or a rule header is malformed.
    bool LireAffixes(std::string_view texte);
    // The .dic text (first line: the entry count). Needs the affixes first.
    bool LireEntrees(std::string_view texte);
    bool Charger(const std::string& fichierAff, const std::string& fichierDic);

    const std::vector<EntreeHunspell>& Entrees() const { return entrees_; }

    // Every form of the entry: itself (unless it needs an affix), its suffixed
    // forms (two suffix levels through continuation classes) and, when
    // `avecPrefixes`, the prefixed and cross-product forms.
    std::vector<FormeHunspell> Developper(const EntreeHunspell& entree, bool avecPrefixes) const;

    // The flags of a flag string in the file's FLAG type.
    std::vector<Drapeau> Drapeaux(std::u32string_view texte) const;
    // Text of the file's encoding, as code points.
    std::u32string Decoder(std::string_view octets) const;

private:
    enum class TypeDrapeau { Simple, Long, Numerique, Utf8 };
    TypeDrapeau typeDrapeau_ = TypeDrapeau::Simple;
    bool utf8_ = true;
    Drapeau besoinAffixe_;
    std::vector<std::u32string> alias_;             // AF, 1-based in the files
    std::vector<std::string> aliasMorphologie_;     // AM, 1-based in the files
    std::map<Drapeau, ClasseAffixe> classes_;
    std::vector<EntreeHunspell> entrees_;

    bool LireLigneAffixe(const std::vector<std::string>& champs, std::string_view ligne);
    std::vector<Drapeau> DrapeauxOuAlias(std::u32string_view texte) const;
    bool APourDrapeau(const std::vector<Drapeau>& drapeaux, const Drapeau& d) const;
    void AjouterSuffixes(const FormeHunspell& base, const std::vector<Drapeau>& drapeaux, int niveau,
                         std::vector<FormeHunspell>& formes) const;
    void AjouterPrefixes(const FormeHunspell& base, const std::vector<Drapeau>& drapeaux,
                         bool seulementCroises, std::vector<FormeHunspell>& formes) const;
};

// The values of one morphological field ("po", "is", "st" ...) in a field
// text, in order, with hunspell's trailing "!" markers removed.
std::vector<std::string> ChampsMorphologiques(std::string_view morphologie, std::string_view cle);

// Code points to UTF-8.
std::string EnUtf8(std::u32string_view texte);
