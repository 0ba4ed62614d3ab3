#pragma once

// Asks the system to power the computer off, not forced and without asking
// the user. Failures are ignored. Only the program's real Platform calls it.
void PowerOffComputer();
