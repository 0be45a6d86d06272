# Checks that every library of ours links only libraries of a lower level, so
# that the library graph has one direction (README, Layout), and that no
# header outside the database layer includes an ODBC header.
#
#   cmake -DSOURCE=<source> -DDOSSIER=<folder> [-DVOCALIA_<option>=<value>...] -P VerifierNiveaux.cmake
#       configures SOURCE afresh in DOSSIER with --graphviz (configure only),
#       with the VOCALIA_ options given, and checks that graph;
#   cmake -DGRAPHE=<file.dot> -P VerifierNiveaux.cmake
#       checks a graph written by `cmake --graphviz`.
#
# A library missing from the table fails the check: a new one must be placed.
# The pairs of `jamais` fail it when the first reaches the second by any chain
# of links, however downwards each one is.

cmake_policy(VERSION 3.25)

set(niveaux
  # nothing of ours
  vocalia_platform 0
  vocalia_text 0
  vocalia_donnees_partagees 0
  # the resource pipeline and the dictionary; the window toolkit's dialog layer
  vocalia_data 1
  vocalia_dialogue 1
  vocalia_wx 2
  # the key index; the rendering of articles and filters
  vocalia_index 2
  vocalia_rendu 2
  contenu_essais_donnees 2
  vocalia_fixture_shell 2
  # the database layer; the approximate search
  vocalia_base_donnees 3
  vocalia_approx 3
  # the records, the conjugation database
  vocalia_enregistrements 4
  vocalia_conjugation 4
  vocalia_base_donnees_essais 4
  # the lexicon; the conjugation window
  vocalia_lexique 5
  vocalia_lexique_essais 5
  vocalia_conjugation_fenetre 5
  # the main window
  vocalia_shell 6
  # the tools
  vocalia_script 7
  vocalia_dico 7
  vocalia_fuzz_commun 0
  vocalia_fuzz_rejouer 0
  vocalia_fuzz_donnees 9
  vocalia_donnees_littre 7
  vocalia_donnees_conjugaisons 7
  vocalia_donnees_approches 7
  vocalia_donnees_enrichissement 8
  vocalia_donnees_categories 9
  vocalia_donnees_antonymes 9
  vocalia_donnees_definitions 10
  vocalia_donnees_pipeline 11
)

# The terminal command shows what the window shows without the window; the
# approximate search reads resources, never a database.
set(jamais
  vocalia_dico vocalia_shell
  vocalia_dico vocalia_dialogue
  vocalia_approx vocalia_base_donnees
)

function(niveau_de nom sortie)
  list(FIND niveaux ${nom} position)
  if(position EQUAL -1)
    set(${sortie} "" PARENT_SCOPE)
  else()
    math(EXPR position "${position} + 1")
    list(GET niveaux ${position} niveau)
    set(${sortie} ${niveau} PARENT_SCOPE)
  endif()
endfunction()

# Imported and system libraries (ZLIB::ZLIB, -pthread, paths) are not ours.
function(est_bibliotheque_a_nous nom forme sortie)
  if(forme STREQUAL "octagon" AND NOT nom MATCHES "::" AND nom MATCHES "^[A-Za-z0-9_-]+$")
    set(${sortie} TRUE PARENT_SCOPE)
  else()
    set(${sortie} FALSE PARENT_SCOPE)
  endif()
endfunction()

set(erreurs "")

if(NOT GRAPHE)
  if(NOT SOURCE OR NOT DOSSIER)
    message(FATAL_ERROR "VerifierNiveaux: give GRAPHE, or SOURCE and DOSSIER")
  endif()
  file(REMOVE_RECURSE ${DOSSIER})
  file(MAKE_DIRECTORY ${DOSSIER}/graphe)
  set(GRAPHE ${DOSSIER}/graphe/graphe.dot)
  set(options "")
  foreach(option VOCALIA_GUI VOCALIA_DONNEES_REELLES VOCALIA_SONDE_ESSAIS)
    if(DEFINED ${option})
      list(APPEND options -D${option}=${${option}})
    endif()
  endforeach()
  execute_process(COMMAND ${CMAKE_COMMAND} -S ${SOURCE} -B ${DOSSIER} -G Ninja --graphviz=${GRAPHE} ${options}
                  RESULT_VARIABLE resultat OUTPUT_QUIET ERROR_VARIABLE sortie_erreur)
  if(NOT resultat EQUAL 0)
    message(FATAL_ERROR "VerifierNiveaux: the configure step failed:\n${sortie_erreur}")
  endif()

  # ODBC types stay in the database layer's headers.
  file(GLOB_RECURSE entetes RELATIVE ${SOURCE} ${SOURCE}/*.h)
  foreach(entete ${entetes})
    if(entete MATCHES "^(database/|build|tools/node_modules/)")
      continue()
    endif()
    file(STRINGS ${SOURCE}/${entete} inclusions REGEX "^#include <(sql|sqlext|sqltypes)\\.h>")
    if(inclusions)
      list(APPEND erreurs "${entete} includes ODBC (only database/ may)")
    endif()
  endforeach()
endif()

file(READ ${GRAPHE} texte)
string(REGEX MATCHALL "\"node[0-9]+\" \\[ label = \"[^\"]*\", shape = [a-z]+ \\]" noeuds "${texte}")
foreach(noeud ${noeuds})
  string(REGEX REPLACE "^\"(node[0-9]+)\" \\[ label = \"([^\"]*)\", shape = ([a-z]+) \\]$" "\\1" id "${noeud}")
  string(REGEX REPLACE "^\"(node[0-9]+)\" \\[ label = \"([^\"]*)\", shape = ([a-z]+) \\]$" "\\2" nom "${noeud}")
  string(REGEX REPLACE "^\"(node[0-9]+)\" \\[ label = \"([^\"]*)\", shape = ([a-z]+) \\]$" "\\3" forme "${noeud}")
  set(nom_${id} "${nom}")
  set(forme_${id} "${forme}")
endforeach()

string(REGEX MATCHALL "\"node[0-9]+\" -> \"node[0-9]+\"" liens "${texte}")
set(verifies 0)
foreach(lien ${liens})
  string(REGEX REPLACE "^\"(node[0-9]+)\" -> \"(node[0-9]+)\"$" "\\1" de "${lien}")
  string(REGEX REPLACE "^\"(node[0-9]+)\" -> \"(node[0-9]+)\"$" "\\2" vers "${lien}")
  set(nom_de "${nom_${de}}")
  set(nom_vers "${nom_${vers}}")
  list(APPEND liens_de_${nom_de} "${nom_vers}")
  est_bibliotheque_a_nous("${nom_de}" "${forme_${de}}" de_a_nous)
  est_bibliotheque_a_nous("${nom_vers}" "${forme_${vers}}" vers_a_nous)
  # Executables are at the top: they may link any library.
  if(NOT de_a_nous OR NOT vers_a_nous)
    continue()
  endif()
  niveau_de(${nom_de} niveau_de_source)
  niveau_de(${nom_vers} niveau_de_cible)
  if(niveau_de_source STREQUAL "")
    list(APPEND erreurs "${nom_de} has no level")
  elseif(niveau_de_cible STREQUAL "")
    list(APPEND erreurs "${nom_vers} has no level")
  elseif(NOT niveau_de_source GREATER niveau_de_cible)
    list(APPEND erreurs "${nom_de} (level ${niveau_de_source}) links ${nom_vers} (level ${niveau_de_cible})")
  endif()
  math(EXPR verifies "${verifies} + 1")
endforeach()

# Every library `depart` reaches, through any number of links.
function(atteintes depart sortie)
  set(vues "")
  set(a_voir ${liens_de_${depart}})
  while(a_voir)
    list(POP_FRONT a_voir nom)
    if(NOT nom IN_LIST vues)
      list(APPEND vues ${nom})
      list(APPEND a_voir ${liens_de_${nom}})
    endif()
  endwhile()
  set(${sortie} ${vues} PARENT_SCOPE)
endfunction()

set(paires ${jamais})
while(paires)
  list(POP_FRONT paires depart interdite)
  atteintes(${depart} vues)
  if(interdite IN_LIST vues)
    list(APPEND erreurs "${depart} reaches ${interdite}")
  endif()
endwhile()

if(verifies EQUAL 0)
  list(APPEND erreurs "no link between our libraries found in ${GRAPHE}")
endif()
list(REMOVE_DUPLICATES erreurs)
if(erreurs)
  list(JOIN erreurs "\n  " liste)
  message(FATAL_ERROR "Library levels:\n  ${liste}")
endif()
message(STATUS "Library levels: ${verifies} links between our libraries, each one downwards")
