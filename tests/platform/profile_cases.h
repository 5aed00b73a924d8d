// Profile-file cases that every implementation must pass the same way: included once per test
// binary, which instantiates ProfileCases with its backends (POSIX and fake natively, the
// Windows calls under Wine).
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "platform/profile.h"

namespace sw {

// How the cases reach one implementation. Paths are built as dir + "/" + name.
struct ProfileBackend {
    std::string name;
    std::string dir;
    std::function<std::unique_ptr<IProfile>(const std::string& path)> open;
    std::function<std::string(const std::string& path)> readText;
    std::function<void(const std::string& path, const std::string& text)> writeText;
    // A path the implementation cannot write.
    std::function<std::string()> unwritablePath;
};

using ProfileBackendFactory = ProfileBackend (*)();

class ProfileCases : public testing::TestWithParam<ProfileBackendFactory> {
protected:
    void SetUp() override
    {
        backend = GetParam()();
        std::string name = testing::UnitTest::GetInstance()->current_test_info()->name();
        for (char& c : name)
            if (c == '/')
                c = '_';
        path = backend.dir + "/" + name + ".ini";
    }
    std::unique_ptr<IProfile> Open() { return backend.open(path); }

    ProfileBackend backend;
    std::string path;
};

inline std::string Fill(std::size_t n)
{
    std::string s;
    for (std::size_t i = 0; i < n; ++i)
        s += static_cast<char>('a' + i % 26);
    return s;
}

TEST_P(ProfileCases, MissingFileSectionOrKeyGivesTheDefault)
{
    auto p = Open();
    EXPECT_EQ(p->ReadString("SETTINGS", "Left", "523"), "523");
    backend.writeText(path, "[SETTINGS]\r\nTop=288\r\n");
    EXPECT_EQ(p->ReadString("SETTINGS", "Left", "523"), "523");
    EXPECT_EQ(p->ReadString("OPTIONS", "Top", "x"), "x");
    EXPECT_EQ(p->ReadString("SETTINGS", "Top", "x"), "288");
}

TEST_P(ProfileCases, WriteCreatesFileAndSection)
{
    auto p = Open();
    ASSERT_TRUE(p->WriteString("SETTINGS", "Left", "523"));
    ASSERT_TRUE(p->WriteString("OPTIONS", "Model", "2"));
    ASSERT_TRUE(p->WriteString("SETTINGS", "Top", "288"));
    EXPECT_EQ(p->ReadString("SETTINGS", "Left", ""), "523");
    EXPECT_EQ(p->ReadString("SETTINGS", "Top", ""), "288");
    EXPECT_EQ(p->ReadString("OPTIONS", "Model", ""), "2");
    EXPECT_EQ(p->FileName(), path);
}

TEST_P(ProfileCases, NamesMatchWithoutRegardToCase)
{
    auto p = Open();
    ASSERT_TRUE(p->WriteString("SETTINGS", "Left", "1"));
    EXPECT_EQ(p->ReadString("settings", "LEFT", ""), "1");
    ASSERT_TRUE(p->WriteString("Settings", "lEFT", "2"));
    EXPECT_EQ(p->ReadString("SETTINGS", "Left", ""), "2");
    std::string text = backend.readText(path);
    EXPECT_EQ(text.find("2"), text.rfind("2"));  // replaced, not added twice
}

TEST_P(ProfileCases, ReplacesInPlaceAndKeepsOtherContent)
{
    backend.writeText(path,
                      "; kept comment\r\n[OPTIONS]\r\nModel=1\r\nGB=0\r\n[Other]\r\nModel=9\r\n"
                      "Note=keep me\r\n");
    auto p = Open();
    ASSERT_TRUE(p->WriteString("OPTIONS", "Model", "4"));
    ASSERT_TRUE(p->WriteString("OPTIONS", "OnTop", "1"));
    EXPECT_EQ(p->ReadString("OPTIONS", "Model", ""), "4");
    EXPECT_EQ(p->ReadString("OPTIONS", "OnTop", ""), "1");
    EXPECT_EQ(p->ReadString("Other", "Model", ""), "9");
    EXPECT_EQ(p->ReadString("Other", "Note", ""), "keep me");
    EXPECT_EQ(p->ReadString("OPTIONS", "GB", ""), "0");
    std::string text = backend.readText(path);
    EXPECT_NE(text.find("; kept comment"), std::string::npos);
    // Model keeps its place before GB; the new key lands in its own section.
    EXPECT_LT(text.find("Model=4"), text.find("GB=0"));
    EXPECT_LT(text.find("OnTop=1"), text.find("[Other]"));
}

TEST_P(ProfileCases, ValuesUpTo2047Characters)
{
    auto p = Open();
    ASSERT_TRUE(p->WriteString("S", "Exact", Fill(2047)));
    ASSERT_TRUE(p->WriteString("S", "Long", Fill(2100)));
    EXPECT_EQ(p->ReadString("S", "Exact", ""), Fill(2047));
    EXPECT_EQ(p->ReadString("S", "Long", ""), Fill(2047));
}

TEST_P(ProfileCases, BlanksAndQuotesAroundValuesAreDropped)
{
    backend.writeText(path, "[S]\r\n  Key  =  spaced value  \r\nQuoted=\"a b\"\r\n");
    auto p = Open();
    EXPECT_EQ(p->ReadString("S", "Key", ""), "spaced value");
    EXPECT_EQ(p->ReadString("S", "Quoted", ""), "a b");
}

TEST_P(ProfileCases, IntegerReadingRules)
{
    struct Case {
        const char* text;
        int expected;
    };
    const Case cases[] = {
        {"42", 42},         {"-5", -5},
        {"0x3", 3},         {"0X1f", 31},
        {"$10", 16},        {"$FFFFFFFF", -1},
        {"0x", 7},          {"$", 7},
        {"abc", 7},         {"", 7},
        {"12abc", 7},       {"2147483647", 2147483647},
        {"2147483648", 7},  {"-2147483648", -2147483647 - 1},
        {"0x100000000", 7}, {" 42 ", 42},
        {"+12", 12},        {"-$10", 7},
        {"-0x10", 7},       {"+0x10", 7},
    };
    std::string text = "[OPTIONS]\r\n";
    for (std::size_t i = 0; i < std::size(cases); ++i)
        text += "K" + std::to_string(i) + "=" + cases[i].text + "\r\n";
    backend.writeText(path, text);
    auto p = Open();
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(ReadProfileInteger(*p, "OPTIONS", "K" + std::to_string(i), 7), cases[i].expected)
            << '"' << cases[i].text << '"';
    EXPECT_EQ(ReadProfileInteger(*p, "OPTIONS", "Missing", 7), 7);
}

TEST_P(ProfileCases, BooleansAreIntegers)
{
    backend.writeText(path, "[OPTIONS]\r\nGB=2\r\nOnTop=0\r\nMinimized=yes\r\n");
    auto p = Open();
    EXPECT_TRUE(ReadProfileBool(*p, "OPTIONS", "GB", false));
    EXPECT_FALSE(ReadProfileBool(*p, "OPTIONS", "OnTop", true));
    EXPECT_TRUE(ReadProfileBool(*p, "OPTIONS", "Minimized", true));
    EXPECT_FALSE(ReadProfileBool(*p, "OPTIONS", "Minimized", false));
    EXPECT_TRUE(ReadProfileBool(*p, "OPTIONS", "AutoStart", true));
    WriteProfileBool(*p, "OPTIONS", "AutoStart", false);
    WriteProfileInteger(*p, "SETTINGS", "Left", -12);
    EXPECT_EQ(p->ReadString("OPTIONS", "AutoStart", ""), "0");
    EXPECT_EQ(p->ReadString("SETTINGS", "Left", ""), "-12");
}

TEST_P(ProfileCases, UnwritableFileReportsItsPath)
{
    std::string bad = backend.unwritablePath();
    auto p = backend.open(bad);
    EXPECT_FALSE(p->WriteString("SETTINGS", "Left", "1"));
    try {
        WriteProfileInteger(*p, "SETTINGS", "Left", 1);
        ADD_FAILURE() << "no error";
    } catch (const EIniFileException& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + bad);
    }
}

}  // namespace sw
