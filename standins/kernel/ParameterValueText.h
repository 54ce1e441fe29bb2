// The value kinds of parameter text, read from and written to a span of the text's bytes.
// Nothing here needs the text to be terminated, and nothing allocates but the CString results.
#pragma once

#include "afx.h"

// Optional sign and decimal digits; overflow is set (and the result true) for a number beyond
// the 64-bit range.
bool MC_ParseInteger(const char* p, int n, long long& value, bool& overflow);
// "0x" or "0X" and hexadecimal digits of either case; overflow as above.
bool MC_ParseHexa(const char* p, int n, unsigned long long& value, bool& overflow);
// A plain decimal: optional sign, digits with an optional fraction, optional exponent. No
// hexadecimal floats, infinities or NaNs, which the C library would also take.
bool MC_ParseDecimal(const char* p, int n, double& value);
// Splits "number[unit]"; false when the value does not end with a unit in square brackets.
bool MC_SplitPhysical(const char* p, int n, int& numberLength, const char*& unit, int& unitLength);

// The characters of a string item, its doubled quotes made single, and back. Unquoting writes
// at most n characters into out and returns how many.
int MC_UnquoteString(const char* p, int n, char* out);
CString MC_QuoteString(const char* p, int n);

// A short text built on the stack, for the parts of an error line, so that the line is the only
// allocation its reading error makes.
struct MC_SHORT_TEXT {
  char text[64];
  operator const char*() const { return text; }
};

// The value as an error line may show it: one line of printable characters, shortened.
MC_SHORT_TEXT MC_EchoValue(const char* p, int n);
