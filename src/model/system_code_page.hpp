#pragma once
// Narrow texts that name files, on Windows: the command line arrives in the
// system's ANSI code page and the C runtime opens files by names in it, but
// std::filesystem reads a narrow name through the C runtime's locale, which
// starts as "C" (every byte taken as the character of the same number). A
// program that calls useSystemCodePage() first means the same file by the same
// text everywhere, "C:\Users\José" and "C:\Users\Иван" alike. Elsewhere it
// does nothing: texts are bytes there. Header only, for every program's main.

#ifdef _WIN32
#include <clocale>
#endif

namespace meshsmith {

inline void useSystemCodePage() {
#ifdef _WIN32
    std::setlocale(LC_CTYPE, "");
#endif
}

} // namespace meshsmith
