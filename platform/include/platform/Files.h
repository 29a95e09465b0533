#pragma once

// File access under the device root with the device's calls. Paths are device
// paths ("\Windows\x.bmp"), mapped by platform::hostPath.

#include "platform/Errors.h"
#include "platform/Windows.h"

constexpr DWORD GENERIC_READ = 0x80000000;
constexpr DWORD GENERIC_WRITE = 0x40000000;
constexpr DWORD FILE_SHARE_READ = 0x00000001;
constexpr DWORD FILE_SHARE_WRITE = 0x00000002;
constexpr DWORD CREATE_NEW = 1;
constexpr DWORD CREATE_ALWAYS = 2;
constexpr DWORD OPEN_EXISTING = 3;
constexpr DWORD OPEN_ALWAYS = 4;
constexpr DWORD TRUNCATE_EXISTING = 5;
constexpr DWORD FILE_ATTRIBUTE_DIRECTORY = 0x00000010;
constexpr DWORD FILE_ATTRIBUTE_NORMAL = 0x00000080;
constexpr DWORD INVALID_FILE_ATTRIBUTES = 0xFFFFFFFF;
constexpr DWORD FILE_BEGIN = 0;
constexpr DWORD FILE_CURRENT = 1;
constexpr DWORD FILE_END = 2;
constexpr DWORD INVALID_SET_FILE_POINTER = 0xFFFFFFFF;
inline HANDLE const INVALID_HANDLE_VALUE = reinterpret_cast<HANDLE>(static_cast<intptr_t>(-1));

// Opens a regular file (directories and devices are refused). Only the
// access, sharing and creation modes above are understood; sharing is not
// enforced. Returns INVALID_HANDLE_VALUE on failure.
HANDLE CreateFileW(LPCWSTR name, DWORD access, DWORD shareMode, void* security, DWORD creation,
                   DWORD flags, HANDLE templateFile);
// Reads up to `toRead` bytes; `*bytesRead` < `toRead` only at the end of the
// file. The overlapped argument must be null.
BOOL ReadFile(HANDLE file, void* buffer, DWORD toRead, DWORD* bytesRead, void* overlapped);
BOOL WriteFile(HANDLE file, const void* buffer, DWORD toWrite, DWORD* bytesWritten,
               void* overlapped);
// Returns the new position, or INVALID_SET_FILE_POINTER when the position
// would be negative or does not fit in 32 bits (`distanceHigh` must be null
// or point to 0 / -1 as the sign extension of `distance`).
DWORD SetFilePointer(HANDLE file, LONG distance, LONG* distanceHigh, DWORD method);
BOOL CloseHandle(HANDLE object);
DWORD GetFileAttributesW(LPCWSTR name);
BOOL CreateDirectoryW(LPCWSTR name, void* security);
BOOL DeleteFileW(LPCWSTR name);
