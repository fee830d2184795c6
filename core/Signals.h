#pragma once

// INT, TERM, HUP and QUIT end the program as Escape does: the loop stops,
// the library shuts down, the window closes, and the exit code is 128 plus
// the signal's number, the shells' convention for a program a signal ended.
//
// Caught once the library has started, so that these handlers replace its
// own: those shut the library down under the running loop, which then
// crashed in it. A signal ignored when the program started (as a script's
// `orkcave &` leaves INT and QUIT) is caught all the same.
void catchTerminationSignals();

// The first termination signal that arrived, or 0.
int terminationSignal();

// 0, or 128 plus the termination signal that ended the loop.
int exitStatus();
