#pragma once
// The one diagnostic output: printf-style lines on standard output, whole
// lines never interleaved between threads.
#include <map>
#include <string>

int Trace(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Reads "ZephOptionsTrace.cfg" from the current directory, once; already done
// during static initialisation of any program that uses Trace.
void ChargeOptionsTrace();
// Same rules, from any file; replaces the table (used by ChargeOptionsTrace and tests).
void ChargeOptionsTraceDepuis(const std::string& fichier);
const std::map<std::string, std::string>& OptionsTrace();
