#pragma once

#include <QString>

// The texts of the shipped profiles as the window shows them: the names of
// the parameters (the grids' keys, the designed rows and the Output grid's
// rows included), the items of their pick lists and the profiles' names. The
// profile files and the grids' values keep the texts as they are; only what
// is shown is in the user's language. A text of the user's own (a profile
// saved under a new name, a parameter of a profile of one's own) is shown as
// it is.
QString DisplayProfileText(const QString &text);
QString DisplayProfileName(const QString &name);
