#include "platform/PathCase.h"
#include "CaseName.h"
#include "LeadBytes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using casename::operator<<;

// The systems' upper case of the characters the rows use, as a table in place
// of CharUpperBuffA: code page 1252's accented small letters (0xE0-0xFE but
// the division sign, and š), and code page 932's full-width small letters
// (0x82 0x81-0x9A, ａ-ｚ, to 0x82 0x60-0x79, Ａ-Ｚ), taken whole.
void UpperCase1252(char* c, std::size_t size) {
    const auto byte = static_cast<unsigned char>(c[0]);
    if (size != 1) return;
    if (byte >= 0xE0 && byte <= 0xFE && byte != 0xF7) c[0] = static_cast<char>(byte - 0x20);
    if (byte == 0x9A) c[0] = '\x8A';
}

void UpperCase932(char* c, std::size_t size) {
    const auto lead = static_cast<unsigned char>(c[0]);
    const auto trail = static_cast<unsigned char>(c[1]);
    if (size == 2 && lead == 0x82 && trail >= 0x81 && trail <= 0x9A) c[1] = static_cast<char>(trail - 0x21);
}

struct PathCase {
    const char* name;
    bool doubleByte;  // code page 932, else 1252
    std::string first;
    std::string second;
    bool same;
};

class SamePathTextTest : public ::testing::TestWithParam<PathCase> {};

TEST_P(SamePathTextTest, CaseFoldsAsTheFileSystemsFoldNames) {
    const PathCase& c = GetParam();
    const IsLeadByteFn isLeadByte = c.doubleByte ? ShiftJisLeadByte : NoLeadBytes;
    const UpperCaseFn upperCase = c.doubleByte ? UpperCase932 : UpperCase1252;
    EXPECT_EQ(EqualsIgnoringPathCase(c.first, c.second, isLeadByte, upperCase), c.same);
    EXPECT_EQ(EqualsIgnoringPathCase(c.second, c.first, isLeadByte, upperCase), c.same);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, SamePathTextTest,
    ::testing::Values(
        PathCase{"AsciiLetters", false, "C:\\Download\\Tools.ZIP", "c:\\DOWNLOAD\\tools.zip", true},
        PathCase{"OtherLetter", false, "C:\\Download\\a.zip", "C:\\Download\\b.zip", false},
        PathCase{"LongerText", false, "C:\\Download", "C:\\Download\\", false},
        PathCase{"Empty", false, "", "", true},
        // "É" and "é" (0xC9, 0xE9) name the same file; "é" and "E" do not.
        PathCase{"AccentedLetter1252", false, "C:\\\xC9t\xE9", "c:\\\xE9T\xC9", true},
        PathCase{"AccentIsNoBaseLetter1252", false, "C:\\\xE9", "C:\\E", false},
        PathCase{"HighLetterPair1252", false, "C:\\\x9A", "C:\\\x8A", true},
        // The same bytes in code page 932: 0xE9 leads a character there, and
        // 0xC9 is a half-width katakana of its own.
        PathCase{"AccentedBytesIn932", true, "C:\\\xE9\x41", "C:\\\xC9\x41", false},
        // Full-width "ａ" and "Ａ", as the system folds them, but not "A".
        PathCase{"FullWidthLetters932", true, "C:\\\x82\x81\x82\x9A", "C:\\\x82\x60\x82\x79", true},
        PathCase{"FullWidthIsNotAscii932", true, "C:\\\x82\x60", "C:\\A", false},
        // 0x83 0x61 and 0x83 0x41 are two katakana: their trail bytes are no
        // letters "a" and "A".
        PathCase{"TrailByteIsNoLetter932", true, "C:\\\x83\x61", "C:\\\x83\x41", false},
        PathCase{"AsciiAroundDoubleByte932", true, "c:\\x\x83\x61y", "C:\\X\x83\x61Y", true},
        // A cut text ending in a lead byte: the byte compares as it is.
        PathCase{"LeadByteAtTheEnd932", true, "c:\\dl\x83", "C:\\DL\x83", true}),
    CaseName());

}  // namespace
