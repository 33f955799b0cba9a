#pragma once
// The converter's "press a key" stop after an error it cannot go on from. It
// waits only for a person at a terminal: a converter started by the editor, a
// script or a build with its input redirected never hangs.

#include <cstdio>

namespace meshsmith::kiln {

// True when the descriptor is an interactive terminal.
bool isInteractiveTerminal(int fd);

// With `interactive`, prints "Press any key to continue . . ." and reads one
// character (a terminal hands it over with Enter); without, does nothing and
// leaves `in` unread.
void pauseForKey(bool interactive, std::FILE* in);

// pauseForKey on standard input when it is a terminal.
void pauseIfInteractive();

} // namespace meshsmith::kiln
