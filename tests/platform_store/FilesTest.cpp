#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "TempDeviceRoot.h"
#include "platform/Files.h"

using testing_support::TempDeviceRoot;

namespace {

HANDLE openRead(const wchar_t* name) {
    return CreateFileW(name, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

TEST(Files, OpensReadsAndSeeksWithAnyCaseAndRefusesBadSeeks) {
    TempDeviceRoot root;
    root.write("Windows/Data.bin", "0123456789");
    HANDLE file = openRead(L"\\WINDOWS\\data.BIN");
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    char buffer[16] = {};
    DWORD got = 99;
    ASSERT_TRUE(ReadFile(file, buffer, 4, &got, nullptr));
    EXPECT_EQ(got, 4u);
    EXPECT_EQ(std::string(buffer, 4), "0123");
    EXPECT_EQ(SetFilePointer(file, 7, nullptr, FILE_BEGIN), 7u);
    ASSERT_TRUE(ReadFile(file, buffer, 16, &got, nullptr));
    EXPECT_EQ(got, 3u);  // a short read at the end of the file is not an error
    EXPECT_EQ(std::string(buffer, 3), "789");
    ASSERT_TRUE(ReadFile(file, buffer, 16, &got, nullptr));
    EXPECT_EQ(got, 0u);
    // Seek errors return the failure value; past the end is allowed.
    EXPECT_EQ(SetFilePointer(file, -1, nullptr, FILE_BEGIN), INVALID_SET_FILE_POINTER);
    EXPECT_EQ(SetFilePointer(file, -11, nullptr, FILE_END), INVALID_SET_FILE_POINTER);
    EXPECT_EQ(SetFilePointer(file, 0, nullptr, 7), INVALID_SET_FILE_POINTER);
    EXPECT_EQ(SetFilePointer(file, 100, nullptr, FILE_BEGIN), 100u);
    EXPECT_EQ(SetFilePointer(file, -1, nullptr, FILE_END), 9u);
    EXPECT_TRUE(CloseHandle(file));
}

TEST(Files, MissingFilesDirectoriesEscapesAndStaleHandlesAreRefused) {
    TempDeviceRoot root;
    root.write("Windows/x", "x");
    EXPECT_EQ(openRead(L"\\Windows\\missing"), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(openRead(L"\\Windows"), INVALID_HANDLE_VALUE);
    EXPECT_EQ(openRead(L"\\Windows\\..\\..\\etc\\passwd"), INVALID_HANDLE_VALUE);
    EXPECT_EQ(openRead(nullptr), INVALID_HANDLE_VALUE);
    ASSERT_EQ(::mkfifo(root.file("Windows/pipe").c_str(), 0666), 0);
    EXPECT_EQ(openRead(L"\\Windows\\pipe"), INVALID_HANDLE_VALUE);  // and does not block
    // Stale and foreign handles.
    HANDLE file = openRead(L"\\Windows\\x");
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(CloseHandle(file));
    EXPECT_FALSE(CloseHandle(file));
    char buffer[4];
    DWORD got = 5;
    EXPECT_FALSE(ReadFile(file, buffer, 1, &got, nullptr));
    EXPECT_EQ(got, 0u);
    EXPECT_FALSE(ReadFile(INVALID_HANDLE_VALUE, buffer, 1, &got, nullptr));
    EXPECT_EQ(SetFilePointer(nullptr, 0, nullptr, FILE_BEGIN), INVALID_SET_FILE_POINTER);
}

TEST(Files, WritesCreateFilesAndDirectories) {
    TempDeviceRoot root;
    ASSERT_TRUE(CreateDirectoryW(L"\\Windows", nullptr));
    EXPECT_FALSE(CreateDirectoryW(L"\\WINDOWS", nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
    HANDLE file = CreateFileW(L"\\windows\\New.txt", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD put = 0;
    EXPECT_TRUE(WriteFile(file, "hello", 5, &put, nullptr));
    EXPECT_EQ(put, 5u);
    CloseHandle(file);
    EXPECT_EQ(root.read("Windows/New.txt"), "hello");
    EXPECT_EQ(GetFileAttributesW(L"\\Windows"), FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_EQ(GetFileAttributesW(L"\\Windows\\new.TXT"), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(GetFileAttributesW(L"\\Windows\\none"), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(DeleteFileW(L"\\Windows\\NEW.txt"));
    EXPECT_FALSE(root.exists("Windows/New.txt"));
}
