#pragma once
// The converter's "press a key" stop after an error it cannot go on from. It
// waits only for a person at a console who sees the prompt: a converter
// started by the editor, a script or a build, with its input or its output
// redirected, never hangs.

#include <cstdio>

namespace meshsmith::kiln {

// True when the descriptor is an interactive terminal (on Windows a console:
// not NUL, which the C runtime also counts as a character device).
bool isInteractiveTerminal(int fd);

// With `interactive`, prints "Press any key to continue . . ." and reads one
// character (a terminal hands it over with Enter, a Windows console at the
// key press); without, does nothing and leaves `in` unread.
void pauseForKey(bool interactive, std::FILE* in);

// pauseForKey on standard input when standard input and output are both terminals.
void pauseIfInteractive();

} // namespace meshsmith::kiln
