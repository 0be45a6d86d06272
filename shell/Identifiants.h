#pragma once
// Control and template ids of the main window and its secondary windows.

inline constexpr int IDD_THESAURUS = 47001;
inline constexpr int IDD_AIDE = 47601;
inline constexpr int IDD_CREDITS = 47603;

// Main window.
inline constexpr int IDC_MOT = 47001;
inline constexpr int IDC_LISTE = 47303;
inline constexpr int IDC_DEFINITION = 47304;
inline constexpr int IDC_LIEN_CONDITIONS = 1008;
inline constexpr int IDC_LIEN_ARTICLE = 1009;
inline constexpr int IDC_RECULER = 1010;
inline constexpr int IDC_AVANCER = 1011;
inline constexpr int IDC_CONJUGAISON = 1012;
inline constexpr int IDC_RECHERCHER = 1013;
inline constexpr int IDC_AIDE = 1015;
inline constexpr int IDC_VIEILLI = 1016;
inline constexpr int IDC_VILLES = 1017;
inline constexpr int IDC_ARGOT = 1018;
inline constexpr int IDC_HISTORIQUE = 1019;
inline constexpr int IDC_ETYMOLOGIE = 1021;
inline constexpr int IDC_SYNONYMES = 1022;
inline constexpr int IDC_ANTONYMES = 1023;
inline constexpr int IDC_PLEIN_TEXTE = 1024;
inline constexpr int IDC_GROUPE_TYPES = 1025;
inline constexpr int IDC_GROUPE_DETAILS = 1026;
inline constexpr int IDC_TYPE_LISTE = 1027;
inline constexpr int IDC_MOT_CHOISI = 1028;
inline constexpr int IDC_EFFACER = 1029;
inline constexpr int IDC_DANS_EXEMPLES = 1030;
inline constexpr int IDC_APPROCHES = 1031;
inline constexpr int IDC_FLEXIONS = 1032;
inline constexpr int IDC_TOUJOURS_VISIBLE = 1043;

// Help window.
inline constexpr int IDC_ENTETE_AIDE = 1041;
inline constexpr int IDC_CREDITS = 1031;
