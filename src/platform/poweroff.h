#pragma once

#include <QString>
#include <functional>

// Asks the system to power the computer off, not forced and without asking
// the user; done gets the system's refusal (empty when it agreed) once it
// has answered. Only the program's real Platform calls it.
void PowerOffComputer(std::function<void(const QString &refusal)> done);
