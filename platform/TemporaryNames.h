// The temporaries a file is written through before it takes its name: "NAME.tmp-" and six
// random letters or digits, in the target's folder. The same names on every system, so a
// leftover of a writer that was killed is known for one wherever the folder is read.
#pragma once

#include <cstddef>
#include <string>

constexpr char kTempSuffix[] = ".tmp-XXXXXX";
constexpr std::size_t kTempRandomLength = 6;

// `count` random letters or digits, for the name of a new temporary or staging folder.
std::string RandomNameLetters(std::size_t count);

// Whether a name is that of a temporary of ours, for the target whose temporaries begin with
// `prefix` (empty: for any target).
bool IsTemporaryName(const std::string& name, const std::string& prefix);
