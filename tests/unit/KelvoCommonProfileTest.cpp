// SPDX-License-Identifier: MIT
#include "common/core/KelvoCommonProfile.h"

#include "tests/support/TestSupport.h"

#include <algorithm>
#include <climits>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using vendrask::test::ReadBytes;
using vendrask::test::TempDir;
using vendrask::test::Utf16LeBytes;
using vendrask::test::WriteBytes;

namespace {

using Doc = CKelvoCommonProfileDocument;

const std::string kUtf16Mark = "\xFF\xFE";
const std::string kUtf8Mark = "\xEF\xBB\xBF";

std::u16string U16(std::string_view utf8) {
    return KelvoUtf8ToUtf16(utf8);
}
std::string U8(std::u16string_view text) {
    return KelvoUtf16ToUtf8(text);
}

std::string GetText(const Doc& doc, std::string_view section, std::string_view key,
                    std::string_view fallback = "<default>") {
    return U8(doc.GetString(U16(section), U16(key), U16(fallback)));
}

std::string Set(std::string_view file, std::string_view section, std::string_view key,
                std::string_view value) {
    Doc doc = Doc::Parse(file);
    doc.SetString(U16(section), U16(key), U16(value));
    return doc.Serialize();
}

std::vector<std::string> FolderEntries(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// ---------------------------------------------------------------------------
// Reading

struct IntRow {
    const char* name;
    const char* line; // nullptr: key missing
    int fallback;
    int expected;
};

TEST(KelvoCommonProfile, IntegersReadTheNumberAtTheStart) {
    const IntRow rows[] = {
        {"missing", nullptr, 7, 7},
        {"empty", "Key=", 7, 7},
        {"blanks only", "Key=  \t ", 7, 7},
        {"plain", "Key=300", 7, 300},
        {"blanks and trailing text", "Key= 42abc", 7, 42},
        {"hex is not read", "Key=0x10", 7, 0},
        {"negative", "Key=-7", 7, -7},
        {"explicit plus", "Key=+5", 7, 5},
        {"not a number", "Key=abc", 7, 0},
        {"sign alone", "Key=-", 7, 0},
        {"double sign", "Key=--5", 7, 0},
        {"quoted number is text", "Key=\"42\"", 7, 0},
        {"blank after sign", "Key=- 5", 7, 0},
        {"tab before", "Key=\t12", 7, 12},
        {"leading zeros", "Key=007", 7, 7},
        {"int max", "Key=2147483647", 7, INT_MAX},
        {"above int max saturates", "Key=2147483648", 7, INT_MAX},
        {"int min", "Key=-2147483648", 7, INT_MIN},
        {"below int min saturates", "Key=-2147483649", 7, INT_MIN},
        {"huge saturates", "Key=999999999999999999999999999999", 7, INT_MAX},
        {"huge negative saturates", "Key=-999999999999999999999999999", 7, INT_MIN},
        {"blanks around the equals sign", "  Key  =  12  ", 7, 12},
    };
    for (const IntRow& row : rows) {
        SCOPED_TRACE(row.name);
        std::string file = "[S]\r\n";
        if (row.line != nullptr)
            file += std::string(row.line) + "\r\n";
        const Doc doc = Doc::Parse(file);
        EXPECT_EQ(doc.GetInt(u"S", u"Key", row.fallback), row.expected);
    }
}

TEST(KelvoCommonProfile, NulEndsAValue) {
    static constexpr char kFile[] = "[S]\nA=12\0"
                                    "34\nB=\0x\nC=ab \0 cd\n";
    const Doc doc = Doc::Parse(std::string(kFile, sizeof kFile - 1));
    EXPECT_EQ(doc.GetInt(u"S", u"A", 0), 12);
    EXPECT_EQ(doc.GetInt(u"S", u"B", 5), 5); // empty before the NUL
    EXPECT_EQ(GetText(doc, "S", "C"), "ab");
}

struct TextRow {
    const char* name;
    const char* line; // nullptr: key missing
    const char* expected;
};

TEST(KelvoCommonProfile, TextLosesBlanksAndOnePairOfQuotes) {
    const TextRow rows[] = {
        {"missing gives the default", nullptr, "<default>"},
        {"empty stays empty", "Key=", ""},
        {"blanks only is empty", "Key= \t ", ""},
        {"blanks trimmed", "Key=  plain text \t", "plain text"},
        {"double quotes", "Key=\"quoted\"", "quoted"},
        {"single quotes", "Key='single'", "single"},
        {"quotes after trimming", "Key=  \" padded \"  ", " padded "},
        {"only one pair", "Key=\"\"a\"\"", "\"a\""},
        {"doubled path option", "Key=\"\"C:\\x y\\a.exe\"\"", "\"C:\\x y\\a.exe\""},
        {"mismatched quotes kept", "Key=\"mixed'", "\"mixed'"},
        {"one quote kept", "Key=\"", "\""},
        {"two quotes give empty", "Key=\"\"", ""},
        {"inner quotes kept", "Key=a \"b\" c", "a \"b\" c"},
        {"quote only at the start", "Key=\"abc", "\"abc"},
        {"equals in the value", "Key=a=b", "a=b"},
        {"semicolon in the value", "Key=x ; not a comment", "x ; not a comment"},
        {"japanese", "Key=\xE3\x83\x9E\xE3\x82\xA4", "\xE3\x83\x9E\xE3\x82\xA4"},
    };
    for (const TextRow& row : rows) {
        SCOPED_TRACE(row.name);
        std::string file = "[S]\n";
        if (row.line != nullptr)
            file += std::string(row.line) + "\n";
        const Doc doc = Doc::Parse(file);
        EXPECT_EQ(GetText(doc, "S", "Key"), row.expected);
    }
}

struct LookupRow {
    const char* name;
    const char* file;
    const char* section;
    const char* key;
    const char* expected; // "<default>" when not found
};

TEST(KelvoCommonProfile, LookupRules) {
    const LookupRow rows[] = {
        {"section case", "[ItemS]\nName=a\n", "items", "Name", "a"},
        {"key case", "[S]\nworkingFOLDER=a\n", "S", "WorkingFolder", "a"},
        {"only ASCII folds", "[S]\n\xC3\x84=a\n", "S", "\xC3\xA4", "<default>"},
        {"first section wins", "[S]\nA=1\n[T]\nA=x\n[s]\nA=2\nB=3\n", "S", "A", "1"},
        {"keys of a repeated section are not read", "[S]\nA=1\n[S]\nB=3\n", "S", "B", "<default>"},
        {"first key wins", "[S]\nA=1\na=2\n", "S", "A", "1"},
        {"comment line", "[S]\n;A=1\n  ; A=2\nA=3\n", "S", "A", "3"},
        {"commented section header", "[S]\nA=1\n;[T]\nB=2\n", "S", "B", "2"},
        {"blanks around key", "[S]\n  \tA  \t= 5\n", "S", "A", "5"},
        {"blanks around section name", "[  S \t]\nA=1\n", "S", "A", "1"},
        {"text after the bracket ignored", "[S] ; note\nA=1\n", "S", "A", "1"},
        {"indented header", "  [S]\nA=1\n", "S", "A", "1"},
        {"line without equals ignored", "[S]\nA\nA=2\n", "S", "A", "2"},
        {"key before any section", "A=1\n[S]\nB=2\n", "S", "A", "<default>"},
        {"unclosed bracket is a key line", "[S]\n[A=1\n", "S", "[A", "1"},
        {"key of the next section", "[S]\n[T]\nA=1\n", "S", "A", "<default>"},
        {"empty key", "[S]\n=v\n", "S", "", "v"},
        {"empty section name", "[]\nA=1\n", "", "A", "1"},
        {"missing section", "[S]\nA=1\n", "T", "A", "<default>"},
        {"lookup name with blanks", "[S]\nA=1\n", " S ", "\tA ", "1"},
        {"equals in key takes the first", "[S]\nA=B=C\n", "S", "A", "B=C"},
    };
    for (const LookupRow& row : rows) {
        SCOPED_TRACE(row.name);
        const Doc doc = Doc::Parse(row.file);
        EXPECT_EQ(GetText(doc, row.section, row.key), row.expected);
    }
}

struct LineEndRow {
    const char* name;
    std::string file;
    std::string addedLineEnd;
};

TEST(KelvoCommonProfile, LineEndsAreReadAndKept) {
    const LineEndRow rows[] = {
        {"CRLF", "[S]\r\nA=1\r\nB=2\r\n[T]\r\nC=3\r\n", "\r\n"},
        {"LF", "[S]\nA=1\nB=2\n[T]\nC=3\n", "\n"},
        {"CR", "[S]\rA=1\rB=2\r[T]\rC=3\r", "\r"},
        {"mixed, LF first", "[S]\nA=1\r\nB=2\r[T]\r\nC=3", "\n"},
        {"mixed, CR first", "[S]\rA=1\nB=2\r\n[T]\nC=3\n", "\r"},
        {"LF CR is two line ends", "[S]\n\rA=1\n\rB=2\n\r[T]\n\rC=3\n\r", "\n"},
    };
    for (const LineEndRow& row : rows) {
        SCOPED_TRACE(row.name);
        Doc doc = Doc::Parse(row.file);
        EXPECT_EQ(GetText(doc, "S", "A"), "1");
        EXPECT_EQ(GetText(doc, "S", "B"), "2");
        EXPECT_EQ(GetText(doc, "T", "C"), "3");
        EXPECT_EQ(doc.Serialize(), row.file);
        doc.SetString(u"U", u"D", u"4");
        const std::string out = doc.Serialize();
        const std::string tail = "[U]" + row.addedLineEnd + "D=4" + row.addedLineEnd;
        ASSERT_GE(out.size(), tail.size());
        EXPECT_EQ(out.substr(out.size() - tail.size()), tail);
        EXPECT_EQ(out.substr(0, row.file.size()), row.file);
    }
}

// ---------------------------------------------------------------------------
// Writing

struct WriteRow {
    const char* name;
    const char* file;
    const char* section;
    const char* key;
    const char* value;
    const char* expected;
};

TEST(KelvoCommonProfile, WritingChangesOnlyWhatItMust) {
    const WriteRow rows[] = {
        {"replace in place", "[S]\r\nA=1\r\nB=2\r\n", "S", "A", "9", "[S]\r\nA=9\r\nB=2\r\n"},
        {"keep the key's spelling and indentation", "[S]\n  nAmE \t= old \n", "S", "Name", "new",
         "[S]\n  nAmE \t=new\n"},
        {"replace the last line without a line end", "[S]\nA=1", "S", "A", "2", "[S]\nA=2"},
        {"replace to empty", "[S]\nA=1\n", "S", "A", "", "[S]\nA=\n"},
        {"case-insensitive replace", "[s]\na=1\n", "S", "A", "2", "[s]\na=2\n"},
        {"first key of two", "[S]\nA=1\nA=2\n", "S", "A", "3", "[S]\nA=3\nA=2\n"},
        {"first section of two", "[S]\nA=1\n[S]\nA=2\n", "S", "A", "3", "[S]\nA=3\n[S]\nA=2\n"},
        {"new key after the last key", "[S]\nA=1\n\n; next\n[T]\nB=2\n", "S", "C", "3",
         "[S]\nA=1\nC=3\n\n; next\n[T]\nB=2\n"},
        {"new key into the first of two sections", "[S]\nA=1\n[T]\n[S]\nB=2\n", "S", "B", "3",
         "[S]\nA=1\nB=3\n[T]\n[S]\nB=2\n"},
        {"new key in an empty section", "[S]\n\n[T]\n", "S", "A", "1", "[S]\nA=1\n\n[T]\n"},
        {"new key after a last line without line end", "[S]\nA=1", "S", "B", "2",
         "[S]\nA=1\nB=2\n"},
        {"new key after a header without line end", "[S]", "S", "B", "2",
         "[S]\r\nB=2\r\n"}, // no line end to copy: CRLF
        {"new section at the end", "[S]\nA=1\n", "T", "B", "2", "[S]\nA=1\n[T]\nB=2\n"},
        {"new section after a last line without line end", "[S]\nA=1", "T", "B", "2",
         "[S]\nA=1\n[T]\nB=2\n"},
        {"new section after a comment", "[S]\n; end", "T", "B", "2", "[S]\n; end\n[T]\nB=2\n"},
        {"keys before any section are not a section", "A=1\n", "S", "A", "2", "A=1\n[S]\nA=2\n"},
        {"value keeps its blanks", "[S]\nA=1\n", "S", "A", " x ", "[S]\nA= x \n"},
        {"line break cannot inject a key", "[S]\nA=1\n", "S", "A", "x\r\nEvil=1\r[T]",
         "[S]\nA=x  Evil=1 [T]\n"},
        {"names lose blanks", "[S]\n", " S ", " A\t", "1", "[S]\nA=1\n"},
        {"name with a line break", "[S]\n", "S", "A\nB", "1", "[S]\nA B=1\n"},
    };
    for (const WriteRow& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Set(row.file, row.section, row.key, row.value), row.expected);
    }
}

TEST(KelvoCommonProfile, ValueWithBreaksCannotStartALine) {
    Doc doc = Doc::Parse("[S]\r\nA=1\r\n[T]\r\nB=2\r\n");
    doc.SetString(u"S", u"A", std::u16string(u"x\r\nB=evil\n[T]") + u'\0' + u"B=evil");
    doc.SetString(u"S", u"New", u"\n[T]\nB=evil");
    const Doc back = Doc::Parse(doc.Serialize());
    EXPECT_EQ(back.LineCount(), 5u);
    EXPECT_EQ(GetText(back, "T", "B"), "2");
    EXPECT_EQ(GetText(back, "S", "A"), "x  B=evil [T] B=evil");
    EXPECT_EQ(GetText(back, "S", "New"), "[T] B=evil");
    EXPECT_EQ(GetText(back, "S", "B"), "<default>");
}

TEST(KelvoCommonProfile, NamesThatWouldReadBackAsOtherLinesAreRefused) {
    struct Row {
        const char* name;
        const char* section;
        const char* key;
        bool storable;
    };
    const Row rows[] = {
        {"plain", "S", "K", true},
        {"empty key", "S", "", true},
        {"equals in key", "S", "A=B", false},
        {"key starting a comment", "S", ";K", false},
        {"key starting a header", "S", "[K", false},
        {"blank then semicolon", "S", " ;K", false},
        {"bracket in section", "S]x", "K", false},
        {"semicolon inside key", "S", "K;x", true},
        {"open bracket in section", "[S", "K", true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Doc::CanStore(U16(row.section), U16(row.key)), row.storable);
        const std::string file = "[S]\nA=1\n";
        const std::string out = Set(file, row.section, row.key, "x");
        if (!row.storable)
            EXPECT_EQ(out, file);
        else
            EXPECT_EQ(GetText(Doc::Parse(out), row.section, row.key), "x");
    }
}

TEST(KelvoCommonProfile, SeveralWritesKeepTheirOrder) {
    Doc doc = Doc::Parse("[A]\nx=1\n[B]\ny=2");
    doc.SetString(u"C", u"k1", u"1");
    doc.SetString(u"B", u"k2", u"2");
    doc.SetString(u"D", u"k3", u"3");
    doc.SetString(u"C", u"k4", u"4");
    doc.SetString(u"A", u"k5", u"5");
    doc.SetString(u"A", u"k6", u"6");
    doc.SetString(u"c", u"K1", u"one");
    doc.SetString(u"B", u"Y", u"two");
    EXPECT_EQ(doc.Serialize(),
              "[A]\nx=1\nk5=5\nk6=6\n[B]\ny=two\nk2=2\n[C]\nk1=one\nk4=4\n[D]\nk3=3\n");
    EXPECT_EQ(GetText(doc, "C", "K4"), "4");
    EXPECT_EQ(doc.LineCount(), 12u);
}

TEST(KelvoCommonProfile, UntouchedLinesStayByteForByte) {
    // Invalid UTF-8, odd spacing, unknown keys, comments and a lone CR.
    const std::string head = "; \xFF\xFE odd \xC0\x80\r\n[Item01]\r\n  Name = \xE3\x81 broken \r\n";
    const std::string tail = "Path=\t\xED\xA0\x80 surrogate\r\nUnknown==x\r\n\r\n"
                             "[Other]\rjunk line\r\nZ=\xF8\x88\x80\x80\x80\r\n";
    const std::string file = head + "Option=old\r\n" + tail;
    const Doc doc = Doc::Parse(file);
    EXPECT_EQ(doc.Encoding(), KelvoProfileEncoding::Utf8);
    EXPECT_EQ(doc.Serialize(), file);
    EXPECT_EQ(GetText(doc, "Item01", "Name"), "\xEF\xBF\xBD broken");
    EXPECT_EQ(GetText(doc, "Item01", "Path"), "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD surrogate");
    EXPECT_EQ(GetText(doc, "Item01", "Unknown"), "=x");
    EXPECT_EQ(Set(file, "Item01", "Option", "new"), head + "Option=new\r\n" + tail);
}

TEST(KelvoCommonProfile, OddLengthUtf16KeepsItsLastByte) {
    const std::string file = kUtf16Mark + Utf16LeBytes("[S]\r\nA=1\r\nB=2") + "\x41";
    const Doc doc = Doc::Parse(file);
    EXPECT_EQ(doc.Encoding(), KelvoProfileEncoding::Utf16Le);
    EXPECT_EQ(doc.Serialize(), file);
    EXPECT_EQ(GetText(doc, "S", "B"), "2");
    EXPECT_EQ(Set(file, "S", "A", "9"), kUtf16Mark + Utf16LeBytes("[S]\r\nA=9\r\nB=2") + "\x41");
    EXPECT_EQ(Set(file, "S", "C", "3"),
              kUtf16Mark + Utf16LeBytes("[S]\r\nA=1\r\nB=2\r\nC=3\r\n") + "\x41");
}

TEST(KelvoCommonProfile, UnpairedSurrogatesInUtf16AreHarmless) {
    std::string file = kUtf16Mark + Utf16LeBytes("[S]\r\nA=");
    file += std::string("\x00\xD8", 2) + Utf16LeBytes("x") + std::string("\x00\xDC", 2);
    file += Utf16LeBytes("\r\n[\x01]\r\n") + std::string("\x00\xDC", 2) + Utf16LeBytes("=2");
    Doc doc = Doc::Parse(file);
    EXPECT_EQ(doc.Serialize(), file);
    EXPECT_EQ(doc.FindRaw(u"S", u"A"), std::u16string(u"\xD800x\xDC00"));
    EXPECT_EQ(U8(*doc.FindRaw(u"S", u"A")), "\xEF\xBF\xBDx\xEF\xBF\xBD");
    doc.SetString(u"S", u"B", u"\xDC00");
    EXPECT_EQ(Doc::Parse(doc.Serialize()).FindRaw(u"S", u"B"), std::u16string(u"\xDC00"));

    // UTF-8 cannot hold them: they are written, and looked up, as U+FFFD.
    Doc narrow = Doc::Parse("[S]\n");
    narrow.SetString(u"S", u"K\xD800", u"v\xDC00");
    EXPECT_EQ(narrow.Serialize(), "[S]\nK\xEF\xBF\xBD=v\xEF\xBF\xBD\n");
    const Doc reread = Doc::Parse(narrow.Serialize());
    EXPECT_EQ(narrow.FindRaw(u"S", u"K\xD800"), std::u16string(u"v\xFFFD"));
    EXPECT_EQ(reread.FindRaw(u"S", u"K\xD800"), std::u16string(u"v\xFFFD"));
    EXPECT_EQ(reread.FindRaw(u"S", u"K\xFFFD"), std::u16string(u"v\xFFFD"));
}

struct EncodingRow {
    const char* name;
    std::string mark;
    bool wide;
    KelvoProfileEncoding encoding;
};

TEST(KelvoCommonProfile, EachEncodingRoundTripsEmojiAndJapanese) {
    const EncodingRow rows[] = {
        {"UTF-16LE with mark", kUtf16Mark, true, KelvoProfileEncoding::Utf16Le},
        {"UTF-8 with mark", kUtf8Mark, false, KelvoProfileEncoding::Utf8Bom},
        {"UTF-8", "", false, KelvoProfileEncoding::Utf8},
    };
    const std::string japanese = "\xE3\x83\x9E\xE3\x82\xA4\xE3\x82\xB3\xE3\x83\xB3"; // マイコン
    const std::string emoji = "\xF0\x9F\x98\x80\xF0\x9F\x9A\x80";                    // 😀🚀
    for (const EncodingRow& row : rows) {
        SCOPED_TRACE(row.name);
        const auto encode = [&](const std::string& utf8) {
            return row.wide ? Utf16LeBytes(utf8) : utf8;
        };
        const std::string body = "[Item01]\r\nName=" + japanese + "\r\n";
        const std::string file = row.mark + encode(body);
        Doc doc = Doc::Parse(file);
        EXPECT_EQ(doc.Encoding(), row.encoding);
        EXPECT_EQ(doc.Serialize(), file);
        EXPECT_EQ(GetText(doc, "Item01", "Name"), japanese);

        doc.SetString(u"Item01", U16(japanese), U16(emoji + " " + japanese));
        doc.SetString(U16(emoji), u"Path", U16(emoji));
        const std::string out = doc.Serialize();
        EXPECT_EQ(out, row.mark + encode(body + japanese + "=" + emoji + " " + japanese + "\r\n[" +
                                         emoji + "]\r\nPath=" + emoji + "\r\n"));
        const Doc back = Doc::Parse(out);
        EXPECT_EQ(back.Encoding(), row.encoding);
        EXPECT_EQ(GetText(back, "Item01", japanese), emoji + " " + japanese);
        EXPECT_EQ(GetText(back, emoji, "path"), emoji);
    }
}

TEST(KelvoCommonProfile, EmptyFilesBecomeUtf16WithMark) {
    const Doc created;
    EXPECT_EQ(created.Encoding(), KelvoProfileEncoding::Utf16Le);
    EXPECT_EQ(created.Serialize(), kUtf16Mark);
    EXPECT_EQ(created.LineCount(), 0u);

    Doc empty = Doc::Parse("");
    EXPECT_EQ(empty.Serialize(), "");
    empty.SetString(u"Item01", u"Name", u"Computer");
    EXPECT_EQ(empty.Serialize(), kUtf16Mark + Utf16LeBytes("[Item01]\r\nName=Computer\r\n"));

    Doc markOnly = Doc::Parse(kUtf16Mark);
    markOnly.SetString(u"Item01", u"Name", u"Computer");
    EXPECT_EQ(markOnly.Serialize(), kUtf16Mark + Utf16LeBytes("[Item01]\r\nName=Computer\r\n"));
}

struct ConversionRow {
    const char* name;
    std::string utf8;
    std::u16string utf16;
};

TEST(KelvoCommonProfile, Utf8ConversionReplacesInvalidInput) {
    const ConversionRow rows[] = {
        {"ascii", "abc", u"abc"},
        {"two bytes", "\xC3\xA9", u"\u00E9"},
        {"three bytes", "\xE3\x83\x9E", u"\u30DE"},
        {"four bytes", "\xF0\x9F\x98\x80", u"\U0001F600"},
        {"lone continuation", "a\x80z", u"a\uFFFDz"},
        {"overlong", "\xC0\xAF", u"\uFFFD\uFFFD"},
        {"encoded surrogate", "\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},
        {"truncated three bytes", "\xE3\x83", u"\uFFFD"},
        {"truncated before ascii", "\xE3\x83z", u"\uFFFDz"},
        {"above U+10FFFF", "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"invalid lead", "\xFF", u"\uFFFD"},
        {"NUL kept", std::string("a\0b", 3), std::u16string(u"a\0b", 3)},
    };
    for (const ConversionRow& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(KelvoUtf8ToUtf16(row.utf8), row.utf16);
    }
    EXPECT_EQ(KelvoUtf16ToUtf8(u"\U0001F600\u30DE"), "\xF0\x9F\x98\x80\xE3\x83\x9E");
    EXPECT_EQ(KelvoUtf16ToUtf8(u"\xD83D"), "\xEF\xBF\xBD");
    EXPECT_EQ(KelvoUtf16ToUtf8(u"\xDE00\xD83D"), "\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST(KelvoCommonProfile, HostileInputStaysWhole) {
    std::string garbage;
    for (int i = 0; i < 100000; ++i)
        garbage.push_back(static_cast<char>((i * 7919) ^ (i >> 3)));
    const std::string longLine = "[S]\nA=" + std::string(1 << 20, 'x') + "\n";
    const std::string nuls = std::string("[S]\0\nA=\0\0\n\0", 11);
    const std::string truncatedWide = kUtf16Mark + Utf16LeBytes("[S]\r\nA=1").substr(0, 9);
    for (const std::string* file :
         std::initializer_list<const std::string*>{&garbage, &longLine, &nuls, &truncatedWide}) {
        Doc doc = Doc::Parse(*file);
        EXPECT_EQ(doc.Serialize(), *file);
        doc.SetString(u"S", u"A", u"v");
        EXPECT_EQ(GetText(Doc::Parse(doc.Serialize()), "S", "A"), "v");
    }
    EXPECT_EQ(GetText(Doc::Parse(longLine), "S", "A").size(), std::size_t(1) << 20);
}

TEST(KelvoCommonProfile, ManyItemsReadBack) {
    Doc doc;
    for (int n = 1; n <= 260; ++n) {
        const std::u16string section =
            U16("Item" + std::string(n < 10 ? "0" : "") + std::to_string(n));
        doc.SetString(section, u"Name", U16("name " + std::to_string(n)));
        doc.SetString(section, u"Path", U16("/path/" + std::to_string(n)));
    }
    const Doc back = Doc::Parse(doc.Serialize());
    EXPECT_EQ(back.LineCount(), 260u * 3u);
    EXPECT_EQ(GetText(back, "Item07", "Name"), "name 7");
    EXPECT_EQ(GetText(back, "item260", "path"), "/path/260");
    EXPECT_EQ(GetText(back, "Item7", "Name"), "<default>");
}

// ---------------------------------------------------------------------------
// Files on disk

TEST(KelvoCommonProfileFile, CreateNewWritesTheMarkOnce) {
    TempDir dir;
    CKelvoCommonProfile profile(dir.File("Vendrask.ini"));
    EXPECT_FALSE(profile.Exists());
    ASSERT_TRUE(profile.CreateNew()) << profile.LastError();
    EXPECT_EQ(ReadBytes(profile.Path()), kUtf16Mark);
    EXPECT_FALSE(profile.CreateNew());
    EXPECT_NE(profile.LastError().find(profile.Path().string()), std::string::npos);
    ASSERT_TRUE(profile.Load());
    EXPECT_EQ(profile.Document().Encoding(), KelvoProfileEncoding::Utf16Le);
}

TEST(KelvoCommonProfileFile, WriteCreatesAMissingFileAsUtf16) {
    TempDir dir;
    CKelvoCommonProfile profile(dir.File("Vendrask.ini"));
    ASSERT_TRUE(profile.WriteString(u"Item01", u"Name", u"Internet Explorer"))
        << profile.LastError();
    EXPECT_EQ(ReadBytes(profile.Path()),
              kUtf16Mark + Utf16LeBytes("[Item01]\r\nName=Internet Explorer\r\n"));
    EXPECT_EQ(FolderEntries(dir.Path()), std::vector<std::string>{"Vendrask.ini"});
    const mode_t mask = ::umask(0);
    ::umask(mask);
    struct stat info{};
    ASSERT_EQ(::stat(profile.Path().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0666 & ~mask);
}

TEST(KelvoCommonProfileFile, WriteStartsFromTheFileOnDisk) {
    TempDir dir;
    const auto file = dir.File("Vendrask.ini");
    WriteBytes(file, "[S]\nA=1\n");
    CKelvoCommonProfile profile(file);
    ASSERT_TRUE(profile.Load());
    WriteBytes(file, "[S]\nA=1\nB=other\n");
    const std::vector<KelvoProfileEntry> entries = {{u"S", u"A", u"2"}, {u"T", u"C", u"3"}};
    ASSERT_TRUE(profile.Write(entries)) << profile.LastError();
    EXPECT_EQ(ReadBytes(file), "[S]\nA=2\nB=other\n[T]\nC=3\n");
    EXPECT_EQ(GetText(profile.Document(), "S", "B"), "other");
}

TEST(KelvoCommonProfileFile, WriteKeepsSymbolicLinkAndPermissions) {
    TempDir dir;
    std::filesystem::create_directory(dir.File("real"));
    const auto target = dir.File("real") / "Vendrask.ini";
    WriteBytes(target, "[S]\nA=1\n");
    ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
    const auto link = dir.File("Vendrask.ini");
    std::filesystem::create_symlink("real/Vendrask.ini", link);

    CKelvoCommonProfile profile(link);
    ASSERT_TRUE(profile.WriteString(u"S", u"A", u"2")) << profile.LastError();
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(std::filesystem::read_symlink(link), "real/Vendrask.ini");
    EXPECT_EQ(ReadBytes(target), "[S]\nA=2\n");
    struct stat info{};
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(FolderEntries(dir.File("real")), std::vector<std::string>{"Vendrask.ini"});
}

// A full disk, simulated with a file size limit in a child process: the
// write must fail, say so, and leave the old file and no temporary behind.
TEST(KelvoCommonProfileFile, FailedWriteLeavesTheOldFileWhole) {
    TempDir dir;
    const auto file = dir.File("Vendrask.ini");
    const std::string old = kUtf16Mark + Utf16LeBytes("[S]\r\nA=1\r\n; keep me\r\n");
    WriteBytes(file, old);

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{16, 16};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        CKelvoCommonProfile profile(file);
        const bool written = profile.WriteString(u"S", u"A", std::u16string(200, u'x'));
        const bool explained =
            profile.LastError().find("cannot write " + file.string() + ": ") == 0 &&
            profile.LastError().find("File too large") != std::string::npos;
        ::_exit(written ? 10 : (explained ? 0 : 11));
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "10: reported success, 11: unclear error text";
    EXPECT_EQ(ReadBytes(file), old);
    EXPECT_EQ(FolderEntries(dir.Path()), std::vector<std::string>{"Vendrask.ini"});
}

TEST(KelvoCommonProfileFile, UnusableFilesAreRefused) {
    struct Row {
        const char* name;
        std::function<std::filesystem::path(const TempDir&)> prepare;
        bool loadable;
    };
    const Row rows[] = {
        {"missing file", [](const TempDir& d) { return d.File("none.ini"); }, false},
        {"folder in its place",
         [](const TempDir& d) {
             std::filesystem::create_directory(d.File("dir.ini"));
             return d.File("dir.ini");
         },
         false},
        {"missing folder", [](const TempDir& d) { return d.File("no") / "x.ini"; }, false},
        {"larger than the cap",
         [](const TempDir& d) {
             const auto big = d.File("big.ini");
             WriteBytes(big, "[S]\nA=1\n");
             std::filesystem::resize_file(big, CKelvoCommonProfile::kMaxFileBytes + 1);
             return big;
         },
         false},
        {"link loop",
         [](const TempDir& d) {
             std::filesystem::create_symlink("loop.ini", d.File("loop.ini"));
             return d.File("loop.ini");
         },
         false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TempDir dir;
        const auto path = row.prepare(dir);
        const auto before = FolderEntries(dir.Path());
        std::error_code ec;
        const auto sizeBefore = std::filesystem::file_size(path, ec);
        CKelvoCommonProfile profile(path);
        EXPECT_EQ(profile.Load(), row.loadable);
        EXPECT_NE(profile.LastError().find(path.string()), std::string::npos);
        EXPECT_EQ(profile.Document().LineCount(), 0u);
        if (std::string(row.name) == "missing file")
            continue; // writing creates it
        EXPECT_FALSE(profile.WriteString(u"S", u"A", u"2"));
        EXPECT_EQ(profile.LastError().rfind("cannot write " + path.string() + ": ", 0), 0u)
            << profile.LastError();
        EXPECT_EQ(FolderEntries(dir.Path()), before);
        std::error_code ecAfter;
        EXPECT_EQ(std::filesystem::file_size(path, ecAfter), sizeBefore);
    }
}

TEST(KelvoCommonProfileFile, UnreadableFileIsNotReplaced) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads every file";
    TempDir dir;
    const auto file = dir.File("Vendrask.ini");
    WriteBytes(file, "[S]\nA=1\n");
    ASSERT_EQ(::chmod(file.c_str(), 0200), 0);
    CKelvoCommonProfile profile(file);
    EXPECT_FALSE(profile.Load());
    EXPECT_FALSE(profile.WriteString(u"S", u"A", u"2"));
    ASSERT_EQ(::chmod(file.c_str(), 0600), 0);
    EXPECT_EQ(ReadBytes(file), "[S]\nA=1\n");
}

} // namespace
