#include "ParameterValueText.h"

#include <climits>
#include <cstdlib>
#include <cstring>

namespace {
bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

int HexDigit(char ch) {
  if (ch >= '0' && ch <= '9') return ch - '0';
  if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
  if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
  return -1;
}

// Counts the digits from p[i]; advances i past them.
int SkipDigits(const char* p, int n, int& i) {
  int start = i;
  while (i < n && IsDigit(p[i])) ++i;
  return i - start;
}

// A decimal of at most 15 digits without exponent, checked as a plain decimal already: its digits
// make a whole number below 2^53 and its fraction a power of ten that doubles hold exactly, so
// one division gives the correctly rounded value, the one strtod gives.
bool ParseShortDecimal(const char* p, int n, double& value) {
  static const double kPowersOfTen[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
  int i = 0;
  bool negative = false;
  if (p[0] == '+' || p[0] == '-') negative = p[i++] == '-';
  long long whole = 0;
  int digits = 0, decimals = 0;
  bool fraction = false;
  for (; i < n; ++i) {
    if (p[i] == '.') {
      fraction = true;
      continue;
    }
    if (!IsDigit(p[i]) || ++digits > 15) return false;
    whole = whole * 10 + (p[i] - '0');
    decimals += fraction;
  }
  double magnitude = static_cast<double>(whole) / kPowersOfTen[decimals];
  value = negative ? -magnitude : magnitude;
  return true;
}

const int kEchoMax = 32;  // and "..." after it, within MC_SHORT_TEXT
// Longest decimal the reader converts; longer ones are no sensible time.
const int kDecimalMax = 64;
}  // namespace

bool MC_ParseInteger(const char* p, int n, long long& value, bool& overflow) {
  int i = 0;
  bool negative = false;
  if (i < n && (p[i] == '+' || p[i] == '-')) negative = p[i++] == '-';
  if (i >= n) return false;
  unsigned long long magnitude = 0;
  overflow = false;
  for (; i < n; ++i) {
    if (!IsDigit(p[i])) return false;
    if (magnitude > (static_cast<unsigned long long>(LLONG_MAX) - 9) / 10) overflow = true;
    if (!overflow) magnitude = magnitude * 10 + static_cast<unsigned>(p[i] - '0');
  }
  value = negative ? -static_cast<long long>(magnitude) : static_cast<long long>(magnitude);
  return true;
}

bool MC_ParseHexa(const char* p, int n, unsigned long long& value, bool& overflow) {
  if (n < 3 || p[0] != '0' || (p[1] != 'x' && p[1] != 'X')) return false;
  value = 0;
  overflow = false;
  for (int i = 2; i < n; ++i) {
    int digit = HexDigit(p[i]);
    if (digit < 0) return false;
    if (value >> 60 != 0) overflow = true;
    if (!overflow) value = value << 4 | static_cast<unsigned>(digit);
  }
  return true;
}

bool MC_ParseDecimal(const char* p, int n, double& value) {
  int i = 0;
  if (i < n && (p[i] == '+' || p[i] == '-')) ++i;
  int digits = SkipDigits(p, n, i);
  if (i < n && p[i] == '.') {
    ++i;
    digits += SkipDigits(p, n, i);
  }
  if (digits == 0) return false;
  if (i < n && (p[i] == 'e' || p[i] == 'E')) {
    ++i;
    if (i < n && (p[i] == '+' || p[i] == '-')) ++i;
    if (SkipDigits(p, n, i) == 0) return false;
  }
  if (i != n || n > kDecimalMax) return false;
  if (ParseShortDecimal(p, n, value)) return true;
  char buffer[kDecimalMax + 1];
  std::memcpy(buffer, p, static_cast<std::size_t>(n));
  buffer[n] = '\0';
  value = std::strtod(buffer, nullptr);
  return true;
}

bool MC_SplitPhysical(const char* p, int n, int& numberLength, const char*& unit, int& unitLength) {
  if (n < 2 || p[n - 1] != ']') return false;
  const void* open = std::memchr(p, '[', static_cast<std::size_t>(n));
  if (open == nullptr) return false;
  numberLength = static_cast<int>(static_cast<const char*>(open) - p);
  unit = p + numberLength + 1;
  unitLength = n - numberLength - 2;
  return true;
}

int MC_UnquoteString(const char* p, int n, char* out) {
  int length = 0;
  for (int i = 0; i < n; ++i) {
    out[length++] = p[i];
    if (p[i] == '"' && i + 1 < n && p[i + 1] == '"') ++i;
  }
  return length;
}

CString MC_QuoteString(const char* p, int n) {
  int quotes = 0;
  for (int i = 0; i < n; ++i) quotes += p[i] == '"';
  CString text;
  char* w = text.GetBufferSetLength(n + quotes + 2);
  int length = 0;
  w[length++] = '"';
  for (int i = 0; i < n; ++i) {
    w[length++] = p[i];
    if (p[i] == '"') w[length++] = '"';
  }
  w[length++] = '"';
  text.ReleaseBuffer(length);
  return text;
}

MC_SHORT_TEXT MC_EchoValue(const char* p, int n) {
  MC_SHORT_TEXT echo;
  int shown = n < kEchoMax ? n : kEchoMax;
  for (int i = 0; i < shown; ++i) {
    unsigned char ch = static_cast<unsigned char>(p[i]);
    echo.text[i] = ch < 0x20 || ch > 0x7E ? '?' : p[i];
  }
  std::strcpy(echo.text + shown, shown < n ? "..." : "");
  return echo;
}
