#include "download/UrlName.h"
#include "CaseName.h"
#include "LeadBytes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The registry's read buffer: the value's bytes, then zeros up to 260.
std::string Buffer(const std::string& bytes) {
    std::string buffer = bytes;
    buffer.resize(260, '\0');
    return buffer;
}

struct UrlCase {
    const char* name;
    std::string value;  // the stored bytes, terminator included
    std::size_t size;   // the byte count the registry reported
    bool found;
    std::string component;
    IsLeadByteFn isLeadByte = NoLeadBytes;
};

UrlCase Stored(const char* name, const std::string& url, bool found, const std::string& component) {
    return {name, url + '\0', url.size() + 1, found, component};
}

// Stored as usual, read in code page 932.
UrlCase ShiftJis(const char* name, const std::string& url, const std::string& component) {
    UrlCase c = Stored(name, url, true, component);
    c.isLeadByte = ShiftJisLeadByte;
    return c;
}

// Stored with extra terminators, all of them counted in the reported size.
UrlCase ExtraNuls(const char* name, const std::string& url, std::size_t extra,
                  const std::string& component) {
    return {name, url + std::string(extra + 1, '\0'), url.size() + 1 + extra, true, component};
}

class LastUrlComponentTest : public ::testing::TestWithParam<UrlCase> {};

TEST_P(LastUrlComponentTest, NameFromReportedSize) {
    const UrlCase& c = GetParam();
    std::string name = "M1234.TMP";
    EXPECT_EQ(LastUrlComponent(Buffer(c.value), c.size, name, c.isLeadByte), c.found);
    EXPECT_EQ(name, c.found ? c.component : std::string("M1234.TMP"));
}

INSTANTIATE_TEST_SUITE_P(
    Values, LastUrlComponentTest,
    ::testing::Values(
        Stored("Slashes", "http://host/pub/tools.zip", true, "tools.zip"),
        Stored("Backslashes", "C:\\archives\\tools.zip", true, "tools.zip"),
        Stored("MixedLastWins", "http://host/a\\b/c.zip", true, "c.zip"),
        Stored("NoSeparatorWholeText", "tools.zip", true, "tools.zip"),
        Stored("SingleCharacter", "z", true, "z"),
        Stored("EndsWithSlash", "http://host/pub/", false, ""),
        Stored("EndsWithBackslash", "C:\\archives\\", false, ""),
        Stored("OnlySlash", "/", false, ""),
        Stored("QueryKept", "http://host/get.cgi?f=a.zip", true, "get.cgi?f=a.zip"),
        Stored("EscapesKept", "http://host/my%20tools.zip", true, "my%20tools.zip"),
        Stored("Empty", "", false, ""),
        // In a single-byte code page these bytes are a character and a backslash.
        Stored("SingleByteBackslashSeparates", "http://host/\x95\x5C.zip", true, ".zip"),
        // In code page 932 a trail byte 0x5C is part of its character.
        ShiftJis("ShiftJisTrailBackslash", "http://host/\x83\x5C\x83\x74\x83\x67.zip",
                 "\x83\x5C\x83\x74\x83\x67.zip"),
        ShiftJis("ShiftJisTrailBar", "http://host/\x83\x7C\x83\x50\x83\x62\x83\x67.zip",
                 "\x83\x7C\x83\x50\x83\x62\x83\x67.zip"),
        ShiftJis("ShiftJisOnlyCharacter", "http://host/\x95\x5C.zip", "\x95\x5C.zip"),
        ShiftJis("ShiftJisEndsWithTrailBackslash", "http://host/\x95\x5C", "\x95\x5C"),
        ShiftJis("ShiftJisBackslashAfterCharacter", "http://host/\x95\x5C\\a.zip", "a.zip"),
        // Terminators beyond the first never move the name.
        ExtraNuls("OneExtraTerminator", "http://host/pub/tools.zip", 1, "tools.zip"),
        ExtraNuls("ThreeExtraTerminators", "http://host/pub/tools.zip", 3, "tools.zip"),
        // A reported size short of the text says where the scan starts and how
        // many characters the name takes from the end of the text.
        UrlCase{"SizeShortOfText", std::string("http://h/a/bc.zip") + '\0', 14, true, "ip"},
        UrlCase{"SizeShortEndsAtSeparator", std::string("http://h/a/bc.zip") + '\0', 12, false,
                ""},
        // Whatever follows the first NUL is not part of the text.
        UrlCase{"BytesAfterTerminator", std::string("http://h/a.zip\0x/yz", 19) + '\0', 20, true,
                "a.zip"},
        UrlCase{"SeparatorAfterTerminatorIgnored", std::string("a.zip\0/", 7) + '\0', 8, true,
                "a.zip"},
        UrlCase{"SizeZero", std::string("a.zip") + '\0', 0, false, ""},
        UrlCase{"SizeOne", std::string("a.zip") + '\0', 1, false, ""},
        // A size beyond the buffer never reads beyond it.
        UrlCase{"SizeBeyondBuffer", std::string("http://h/a.zip") + '\0', 100000, true, "a.zip"}),
    CaseName());

TEST(LastUrlComponent, LongestReadableUrl) {
    // 259 characters and the terminator: the most a 260-byte read holds.
    const std::string url = "http://host/" + std::string(241, 'p') + "/a.zip";
    ASSERT_EQ(url.size(), 259u);
    std::string name;
    ASSERT_TRUE(LastUrlComponent(Buffer(url + '\0'), 260, name, NoLeadBytes));
    EXPECT_EQ(name, "a.zip");
}

}  // namespace
