// The main menu and the program's one control loop.
#ifndef DEVMGR_MENU_H_
#define DEVMGR_MENU_H_

class Env;
struct Session;

// Draws the main menu, reads one choice and runs its operation, which ends
// with the return step (or, for choice 0, ends the program).
void ShowMenu(Session& s);

// Runs the program on `env` from start-up until it ends through
// env.Exit(): choice 0, end of input or a file failure.
[[noreturn]] void RunProgram(Env& env);

// The same on a session made by the caller, who can then look at its state
// (the fuzzer checks it at every return to the main menu).
[[noreturn]] void RunProgram(Session& s);

#endif  // DEVMGR_MENU_H_
