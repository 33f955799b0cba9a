#pragma once
// Texts of tables under tests/data written on one line: CR, LF and TAB as
// \r, \n and \t, a backslash as \\; inputs may also write any byte as \xHH
// and N copies of a character c as \{N c}.

#include <string>

namespace meshsmith::test {

// The text a field stands for.
inline std::string unescaped(const std::string& s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\\' || i + 1 == s.size()) {
            out += s[i];
            continue;
        }
        const char c = s[++i];
        if (c == 'x') {
            out += static_cast<char>(std::stoi(s.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else if (c == '{') {
            const std::size_t end = s.find('}', i);
            out.append(std::stoul(s.substr(i + 1)), s[end - 1]);
            i = end;
        } else {
            out += c == 'r' ? '\r' : c == 'n' ? '\n' : c == 't' ? '\t' : c;
        }
    }
    return out;
}

// The field that stands for `text` (line ends, tabs and backslashes escaped).
inline std::string escaped(const std::string& text) {
    std::string out;
    for (char c : text)
        out += c == '\n'   ? "\\n"
               : c == '\r' ? "\\r"
               : c == '\t' ? "\\t"
               : c == '\\' ? "\\\\"
                           : std::string(1, c);
    return out;
}

} // namespace meshsmith::test
