#pragma once
// Reading a whole number typed into a dialog field.
#include <string>

// True when text is one decimal integer: blanks and tabs around it, an
// optional sign, at least one digit, nothing else. A value that reads as 0 is
// taken only when its first character after the blanks is the digit 0, so
// "-0" is refused. Values beyond the int range saturate, so a range check
// still refuses them.
bool ParseDialogInteger(const std::string& text, long long& value);
