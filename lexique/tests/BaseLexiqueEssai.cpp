#include "lexique/tests/BaseLexiqueEssai.h"

BaseLexiqueEssai::BaseLexiqueEssai(const std::string& nomTest) : base_(nomTest) {
    cree_ = Executer(
        "CREATE TABLE flhgjlghl (nom TEXT, valeurs TEXT, nombre INTEGER);"
        "CREATE TABLE hgjkghjk (mot TEXT, forme TEXT, note TEXT);"
        "CREATE TABLE hjhvglkj (t1 TEXT, t2 TEXT, t3 TEXT, t4 TEXT, t5 TEXT, t6 TEXT, t7 TEXT,"
        " xdfhyxfhg TEXT, n9 INTEGER);"
        "CREATE TABLE tryjufh (wsdfgs TEXT, formes TEXT);");
}

// Variable names in byte order: aaa 0, genre 1, lettre_initiale 2,
// lettre_suivante 3, nombre 4, temps 5.
// Values in byte order: a 1, b 2 and 3, c 4, feminin 5, masculin 6, passe 7,
// pluriel 8, present 9, singulier 10 and 11, x 12.
// Words in byte order: Zebre 1, arbre 2, aujourd'hui 3, maison 4, \xE9t\xE9 5.
bool BaseLexiqueEssai::RemplirExemple() {
    return Executer(
        "INSERT INTO flhgjlghl VALUES ('genre', '\\#masculin#feminin#', 7);"
        "INSERT INTO flhgjlghl VALUES ('nombre', '\\#singulier#pluriel#', 8);"
        "INSERT INTO flhgjlghl VALUES ('temps', '\\#present#passe#singulier#', 9);"
        "INSERT INTO flhgjlghl VALUES ('lettre_initiale', '\\#a#b#', 10);"
        "INSERT INTO flhgjlghl VALUES ('lettre_suivante', '\\#b#c#', 11);"
        "INSERT INTO flhgjlghl VALUES ('aaa', '\\#x#', 12);"
        "INSERT INTO hgjkghjk VALUES ('maison', 'maisons', '');"
        "INSERT INTO hgjkghjk VALUES ('arbre', 'arbres', '');"
        "INSERT INTO hgjkghjk VALUES ('\xE9t\xE9', '\xE9t\xE9s', '');"
        "INSERT INTO hgjkghjk VALUES ('Zebre', 'Zebres', '');"
        "INSERT INTO hgjkghjk VALUES ('aujourd''hui', '', '');"
        "INSERT INTO hjhvglkj VALUES ('\\#12#-3#x#', '\\#4#', 'l''''article', 'quatre', 'cinq',"
        " '\\#genre#feminin#lettre_initiale#a#nombre#\\#genre#temps#singulier#inconnue#x#aaa#x#', 'maison', 'maison', -42);"
        "INSERT INTO hjhvglkj VALUES ('', '1', 'aujourd''''hui', '', '', 'l''''article', 'aujourd''hui',"
        " 'aujourd''hui', 3);"
        "INSERT INTO tryjufh VALUES ('maison', 'maisons');"
        "INSERT INTO tryjufh VALUES ('aujourd''hui', 'd''''aucune');");
}
