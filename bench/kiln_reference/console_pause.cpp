#include "console_pause.hpp"

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace meshsmith::kiln {

bool isInteractiveTerminal(int fd) {
#ifdef _WIN32
    return _isatty(fd) != 0;
#else
    return isatty(fd) != 0;
#endif
}

void pauseForKey(bool interactive, std::FILE* in) {
    if (!interactive || in == nullptr) return;
    std::printf("Press any key to continue . . .");
    std::fflush(stdout);
    (void)std::getc(in);
    std::printf("\n");
}

void pauseIfInteractive() {
#ifdef _WIN32
    const int fd = _fileno(stdin);
#else
    const int fd = fileno(stdin);
#endif
    pauseForKey(isInteractiveTerminal(fd), stdin);
}

} // namespace meshsmith::kiln
