#pragma once
// The 40 phonemes of the transcription. A phoneme's code is 0x20 plus its
// rank (1-based), so codes are the printable bytes '!' to 'H' and a
// transcription is an ordinary C string.
#include <string>

inline constexpr int NOMBRE_PHONEMES = 40;
inline constexpr char CODE_PREMIER_PHONEME = 0x21;
// The silent phoneme: rules may emit it, the transcription drops it.
inline constexpr char CODE_PHONEME_MUET = 0x47;

extern const char* const TablePhonemes[NOMBRE_PHONEMES];

// 0 when the name is no phoneme (whole, case-sensitive comparison).
char CodePhoneme(const std::string& nom);
// "" when the byte is no phoneme code.
std::string NomPhoneme(char code);
