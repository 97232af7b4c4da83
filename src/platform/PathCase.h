#pragma once
#include "platform/LeadByte.h"

#include <cstddef>
#include <string_view>

// Upper-cases one character in place: a single byte, or a lead byte with its
// trail byte (size 2). Text logic takes it as a parameter so it stays free of
// the platform; the program passes the system's upper case, tests a table.
using UpperCaseFn = void (*)(char* character, std::size_t size);

// Whether two path texts name the same path, as the file systems compare names.
//
// Windows 95's VFAT and NT's file systems alike compare a name without regard
// to case by upper-casing it character by character: a double-byte character
// is one character, never its two bytes apart. The ASCII letters fold by the
// one rule every code page and every file system shares, a-z to A-Z, whatever
// the user's language; any other character folds as the system upper-cases it
// in its ANSI code page: in code page 1252 "é" is "É", in code page 932 a
// full-width "ａ" is "Ａ". A trail byte is never folded by itself, so the
// katakana 0x83 0x61 stays apart from 0x83 0x41 although 0x61 and 0x41 are "a"
// and "A" when they stand alone. A lead byte at the very end (a cut text) is
// compared as it is.
bool EqualsIgnoringPathCase(std::string_view first, std::string_view second,
                            IsLeadByteFn isLeadByte, UpperCaseFn upperCase);
