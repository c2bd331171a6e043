#pragma once

// Dotted-version comparison shared by the checkers and the disc/web catalogue merge. Plain
// C++ so that both programs and the Windows conformance build use the very same code.

#include <string>
#include <vector>

namespace engine {

// How a found version is held against a checker's MatchValue. The numbers are the ones the
// run list carries.
namespace MatchMode {
constexpr int None = 0;
constexpr int Exists = 1;
constexpr int IsExact = 2;
constexpr int IsEqual = 3;
constexpr int IsNewer = 4;
constexpr int IsEqualOrNewer = 5;
constexpr int IsOlder = 6;
constexpr int IsEqualOrOlder = 7;
} // namespace MatchMode

// The digit runs of text, each as its decimal digits (ASCII or any other Unicode decimal
// digit, converted to '0'..'9') with leading zeros removed ("0" stays "0"). "1.02b7" gives
// {"1", "2", "7"}. Kept as text so that components of any length compare exactly.
std::vector<std::string> versionComponents(const std::wstring &text);

// Compares a (the installed version) with b (the wanted one) by mode; missing components
// count as 0, and two texts without any digit never match.
bool compareVersions(const std::wstring &a, const std::wstring &b, int mode);

} // namespace engine
