#include <gtest/gtest.h>

#include "platform/RegistryText.h"

using namespace platform::registry;

namespace {

const Value* valueAt(const Hive& hive, const wchar_t* path, const wchar_t* name) {
    const Key* key = hive.find(path);
    return key == nullptr ? nullptr : Hive::findValue(*key, name);
}

}  // namespace

TEST(RegistryText, WritesTheRegedit4Form) {
    Hive hive;
    Key& key = hive.create(L"SOFTWARE\\Tarnwick Software\\Deckhollow\\Velloran");
    Hive::setValue(key, Value{L"PointsToWin", kTypeDword, 30, L""});
    Hive::setValue(key, Value{L"Path", kTypeString, 0, L"\\Program Files\\\"q\""});
    std::string text = formatRegistryText(hive);
    EXPECT_EQ(text,
              "REGEDIT4\n"
              "\n[HKEY_LOCAL_MACHINE\\SOFTWARE]\n"
              "\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tarnwick Software]\n"
              "\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tarnwick Software\\Deckhollow]\n"
              "\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tarnwick Software\\Deckhollow\\Velloran]\n"
              "\"PointsToWin\"=dword:0000001e\n"
              "\"Path\"=\"\\\\Program Files\\\\\\\"q\\\"\"\n");
    Hive back;
    ASSERT_EQ(parseRegistryText(text, back), ParseResult::Ok);
    EXPECT_TRUE(back == hive);
}

TEST(RegistryText, NamesCompareWithoutCaseAndKeepTheirSpelling) {
    Hive hive;
    hive.create(L"SOFTWARE\\Apps");
    Key& key = hive.create(L"Software\\apps\\Extra");
    Hive::setValue(key, Value{L"CardBack", kTypeDword, 5, L""});
    Hive::setValue(key, Value{L"CARDBACK", kTypeDword, 7, L""});
    EXPECT_EQ(key.path, L"SOFTWARE\\Apps\\Extra");
    ASSERT_EQ(key.values.size(), 1u);
    EXPECT_EQ(key.values[0].name, L"CardBack");
    EXPECT_EQ(key.values[0].number, 7u);
    EXPECT_NE(hive.find(L"software\\APPS\\extra"), nullptr);
}

TEST(RegistryText, UnparseableLinesAreSkippedAndTheRestKept) {
    const char* text =
        "REGEDIT4\r\n"
        "\"Orphan\"=dword:00000001\r\n"  // before any key
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\A]\r\n"
        "\"Good\"=dword:0000000A\r\n"
        "\"TooLong\"=dword:123456789\r\n"
        "\"NotHex\"=dword:00x00001\r\n"
        "\"BadEscape\"=\"a\\nb\"\r\n"
        "\"Unterminated\"=\"abc\r\n"
        "\"Trailing\"=\"abc\" junk\r\n"
        "\"Binary\"=hex:01,02\r\n"
        "@=\"default\"\r\n"
        "garbage line\r\n"
        "; a comment\r\n"
        "\"Text\"=\"x \\\"y\\\" \\\\z\"\r\n"
        "[HKEY_CURRENT_USER\\Other]\r\n"
        "\"Elsewhere\"=dword:00000002\r\n"
        "[HKEY_LOCAL_MACHINE\\\\Empty\\Component]\r\n"
        "\"AlsoElsewhere\"=dword:00000003\r\n"
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\B]\r\n"
        "\"Last\"=dword:ffffffff";
    Hive hive;
    int skipped = 0;
    ASSERT_EQ(parseRegistryText(text, hive, &skipped), ParseResult::Ok);
    EXPECT_EQ(skipped, 13);
    ASSERT_NE(valueAt(hive, L"SOFTWARE\\A", L"Good"), nullptr);
    EXPECT_EQ(valueAt(hive, L"SOFTWARE\\A", L"Good")->number, 10u);
    ASSERT_NE(valueAt(hive, L"SOFTWARE\\A", L"Text"), nullptr);
    EXPECT_EQ(valueAt(hive, L"SOFTWARE\\A", L"Text")->text, L"x \"y\" \\z");
    EXPECT_EQ(hive.find(L"SOFTWARE\\A")->values.size(), 2u);
    EXPECT_EQ(hive.find(L"Other"), nullptr);
    EXPECT_EQ(hive.find(L"Empty"), nullptr);
    ASSERT_NE(valueAt(hive, L"SOFTWARE\\B", L"Last"), nullptr);
    EXPECT_EQ(valueAt(hive, L"SOFTWARE\\B", L"Last")->number, 0xFFFFFFFFu);
}

TEST(RegistryText, WhatIsNotARegistryFileIsRecognised) {
    Hive hive;
    // Only the header decides; a bad byte after it damages its line alone.
    EXPECT_EQ(parseRegistryText(std::string("REGEDIT4\n\0\0", 11), hive), ParseResult::Ok);
    EXPECT_EQ(parseRegistryText("REGEDIT4\n\xff\xfe\n", hive), ParseResult::Ok);
    EXPECT_EQ(parseRegistryText(std::string("\0REGEDIT4\n", 10), hive), ParseResult::NotRegistry);
    EXPECT_EQ(parseRegistryText("\xffREGEDIT4\n", hive), ParseResult::NotRegistry);
    EXPECT_EQ(parseRegistryText("[HKEY_LOCAL_MACHINE\\A]\n\"V\"=dword:1\n", hive),
              ParseResult::NotRegistry);
    EXPECT_EQ(parseRegistryText("\n\n  \n", hive), ParseResult::NotRegistry);
    EXPECT_TRUE(hive.keys().empty());
    EXPECT_EQ(parseRegistryText("", hive), ParseResult::Ok);
    EXPECT_EQ(parseRegistryText("\xEF\xBB\xBFREGEDIT4\n", hive), ParseResult::Ok);
}

TEST(RegistryText, TruncatedFileKeepsEverythingBeforeTheCut) {
    Hive hive;
    Key& key = hive.create(L"SOFTWARE\\T");
    for (int i = 0; i < 5; ++i) {
        Hive::setValue(key,
                       Value{L"V" + std::to_wstring(i), kTypeDword, static_cast<uint32_t>(i), L""});
    }
    std::string text = formatRegistryText(hive);
    std::string cut = text.substr(0, text.rfind("\"V4\"") + 7);  // mid-line
    Hive back;
    ASSERT_EQ(parseRegistryText(cut, back), ParseResult::Ok);
    const Key* found = back.find(L"SOFTWARE\\T");
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->values.size(), 4u);
    EXPECT_EQ(Hive::findValue(*found, L"V4"), nullptr);
}

TEST(RegistryText, DeletingAKeyTakesItsSubkeysButNotItsSiblings) {
    Hive hive;
    hive.create(L"A\\B\\C");
    hive.create(L"A\\B C");
    hive.create(L"A\\BB");
    EXPECT_TRUE(hive.hasSubkeys(L"A\\B"));
    EXPECT_TRUE(hive.erase(L"a\\b"));
    EXPECT_EQ(hive.find(L"A\\B"), nullptr);
    EXPECT_EQ(hive.find(L"A\\B\\C"), nullptr);
    EXPECT_NE(hive.find(L"A\\B C"), nullptr);
    EXPECT_NE(hive.find(L"A\\BB"), nullptr);
    EXPECT_FALSE(hive.erase(L"A\\B"));
}
