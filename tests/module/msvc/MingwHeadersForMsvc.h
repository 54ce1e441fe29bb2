// Forced ahead of every compile in clang's Microsoft mode, where MinGW-w64's C, Windows and C++
// headers stand in for the Windows SDK's and Visual C++'s. What they expect of GCC:
// - __declspec as a macro; in Microsoft mode it is a keyword. Defined as itself, it is both.
// - _X86_ for a 32-bit target, which GCC predefines and the SDK's windows.h derives from _M_IX86.
#define __declspec(x) __declspec(x)
#if defined(_M_IX86) && !defined(_X86_)
#define _X86_ 1
#endif
