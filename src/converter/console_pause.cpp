#include "console_pause.hpp"

#ifdef _WIN32
#include <conio.h>
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace meshsmith::kiln {
namespace {

int descriptorOf(std::FILE* f) {
#ifdef _WIN32
    return _fileno(f);
#else
    return fileno(f);
#endif
}

void readKey(std::FILE* in) {
#ifdef _WIN32
    // A console hands the key over the moment it is pressed, as "pause" takes it.
    if (in == stdin && isInteractiveTerminal(descriptorOf(stdin))) {
        (void)_getch();
        return;
    }
#endif
    (void)std::getc(in);
}

} // namespace

bool isInteractiveTerminal(int fd) {
#ifdef _WIN32
    const HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(fd));
    DWORD mode = 0;
    return handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode) != 0;
#else
    return isatty(fd) != 0;
#endif
}

void pauseForKey(bool interactive, std::FILE* in) {
    if (!interactive || in == nullptr) return;
    std::printf("Press any key to continue . . .");
    std::fflush(stdout);
    readKey(in);
    std::printf("\n");
}

void pauseIfInteractive() {
    pauseForKey(isInteractiveTerminal(descriptorOf(stdin)) &&
                    isInteractiveTerminal(descriptorOf(stdout)),
                stdin);
}

} // namespace meshsmith::kiln
