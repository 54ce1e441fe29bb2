// The elements the cost figures are taken on: a mix of the four operations for the default
// network, their parameter text, and the floor that formats their lines straight from the known
// fields with snprintf, reading nothing.
#pragma once

#include <cstddef>

#include "afx.h"

// What the floor knows of an element without reading anything.
struct KnownElement {
  int type, slave, function, wait;
  unsigned mask;
  const char* name;
};

extern const KnownElement kMix[];
extern const int kMixSize;

CString TextOf(const KnownElement& e);
// The element's lines into buffer; returns their length.
int FloorFormat(const KnownElement& e, char* buffer, std::size_t size);
// The text with unknown items in front of it, until it is factor times as long.
CString Padded(const CString& text, int factor);
