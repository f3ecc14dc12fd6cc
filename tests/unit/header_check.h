#pragma once
// Whether a column header lines up with its rows: what the header says, and where.

#include <sstream>
#include <string>
#include <vector>

namespace orv::test {

inline std::vector<std::string> wordsOf(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string word; in >> word;) {
        words.push_back(word);
    }
    return words;
}

// The header's word shares at least one column with the first place of value in the row.
inline bool standsOver(const std::string& header, const std::string& word, const std::string& row,
                       const std::string& value) {
    const std::size_t at = header.find(word);
    const std::size_t under = row.find(value);
    return at != std::string::npos && under != std::string::npos && at < under + value.size() &&
           under < at + word.size();
}

}  // namespace orv::test
