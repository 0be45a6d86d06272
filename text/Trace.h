#pragma once
// The one diagnostic output: printf-style lines, whole lines never
// interleaved between threads. The lines are Windows-1252 like all the
// program's text and leave it as UTF-8, the terminal's encoding.
#include <map>
#include <string>

// Returns the number of bytes formatted, as printf would (before conversion).
int Trace(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Where the lines go: standard output by default, as the window has always
// had them; a program whose standard output is its answer (vocalia-dico)
// sends them to standard error or nowhere. Chosen by each program's main.
enum class PuitsTrace { SortieStandard, SortieErreur, Aucun };
void ChoisirPuitsTrace(PuitsTrace puits);

// Reads "ZephOptionsTrace.cfg" from the current directory, once; already done
// during static initialisation of any program that uses Trace.
void ChargeOptionsTrace();
// Same rules, from any file; replaces the table (used by ChargeOptionsTrace and tests).
void ChargeOptionsTraceDepuis(const std::string& fichier);
const std::map<std::string, std::string>& OptionsTrace();
