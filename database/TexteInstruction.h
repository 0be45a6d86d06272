#pragma once
// Statement texts are formatted into a buffer of 5,000 bytes; a text that would
// not fit (a key of thousands of bytes) is refused rather than cut, so that a
// cut statement never runs.
#include <cstddef>
#include <string>

inline constexpr std::size_t TAILLE_INSTRUCTION = 5000;

// The formatted text, or "" when it would need more than TAILLE_INSTRUCTION
// bytes with its terminator.
std::string FormaterInstruction(const char* format, ...) __attribute__((format(printf, 1, 2)));
