#pragma once

#include <string>

namespace installer {

// Draws every card face, all nine backs and each sprite sheet onto one
// picture, as the programs will show them (5-6-5 colours), and writes it as
// a PNG enlarged `scale` times. Returns false with `error` set on failure.
bool writePreview(const std::string& path, int scale, std::string& error);

}  // namespace installer
