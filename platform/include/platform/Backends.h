#pragma once

// The backends' factories, for the start-up that picks one.

#include <memory>
#include <string>

#include "platform/Backend.h"

namespace platform {

std::unique_ptr<Backend> createHeadlessBackend(const std::string& scriptPath,
                                               const std::string& logPath, DWORD tick0,
                                               std::string* error);

std::unique_ptr<Backend> createSdlBackend(const std::wstring& title, int scale, std::string* error);

}  // namespace platform
