// The properties the fuzzer checks of what the element makes of a text. A broken property
// aborts, so that libFuzzer keeps the input that broke it.
#pragma once

#include "InternalData.h"

// Aborts with the property's name when ok is false.
void FuzzCheck(bool ok, const char* pszProperty);

// Byte for byte, NULs included (CString's comparison stops at the first NUL).
bool SameBytes(const CString& a, const CString& b);

// Lines that each end in "\r\n" and hold no other carriage return, line feed or NUL; with
// bIndented, each also starts with two blanks.
bool AreLines(const CString& text, bool bIndented);

// The fields that the operation of a takes from parameter text are the same in b.
bool SameFields(const CInternalData& a, const CInternalData& b);

// Each item that WriteParameters writes for the element reads back from text as written, with
// the kernel's plain reads (no range, no validation against the drives).
bool ReadsBackAsWritten(const CInternalData& element, CString& text);

// Every item of before whose key is none of the element's stands in after, byte for byte.
bool KeepsOtherItems(const CString& before, const CString& after);
