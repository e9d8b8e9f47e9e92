// The body of the program's entry function: opens the package, runs the game's window until
// the player leaves, and takes everything down again. Answers the process's exit code. The back
// ends are installed before (BackEnds.h).
#pragma once

int gameMain();
