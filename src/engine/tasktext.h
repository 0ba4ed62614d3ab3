#pragma once

#include "platform/pathtext.h"

#include <QString>

// Time texts: hours, minutes and seconds, each with at least two digits,
// separated by colons, with "." and a tenths digit when the tenths are not
// zero (01:02:03.5). The decimal separator is always ".", whatever the locale,
// because the encoder prints and reads it that way.

// Seconds of a time text, or -1.0 when the text is not one. A minus sign
// before the hours makes the whole time negative; hours of any number of
// digits are read.
double StrToSeconds(const QString &text);
// Time text of a number of seconds; a negative time is "-" followed by the
// text of its amount.
QString SecondsToStr(double seconds);
// A decimal number written with ".": an optional sign, digits and at most
// one point, at least one digit; no blanks, exponents or other letters.
// False (value untouched) for anything else, and for numbers too large to
// hold.
bool ReadDecimal(const QString &text, double &value);
