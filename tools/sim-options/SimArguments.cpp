#include "tools/sim-options/SimArguments.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace sim_options {

bool parseBounded(std::string_view text, unsigned long long max, unsigned long long& out) {
    // 19 digits always fit in an unsigned long long, so strtoull cannot wrap.
    if (text.empty() || text.size() > 19) return false;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
    }
    errno = 0;
    const std::string digits(text);
    out = std::strtoull(digits.c_str(), nullptr, 10);
    return errno == 0 && out <= max;
}

bool parseSeedRange(std::string_view text, uint32_t& first, uint32_t& last) {
    const size_t dash = text.find('-');
    unsigned long long a = 0, b = 0;
    if (dash == std::string_view::npos) {
        if (!parseBounded(text, 0xffffffffULL, a)) return false;
        b = a;
    } else if (!parseBounded(text.substr(0, dash), 0xffffffffULL, a) ||
               !parseBounded(text.substr(dash + 1), 0xffffffffULL, b) || b < a) {
        return false;
    }
    first = static_cast<uint32_t>(a);
    last = static_cast<uint32_t>(b);
    return true;
}

bool pickChoice(const std::string& value, const std::vector<std::string>& names, const char* what,
                size_t& index, std::string& why) {
    for (size_t i = 0; i < names.size(); ++i) {
        if (value == names[i]) {
            index = i;
            return true;
        }
    }
    std::string list;
    for (size_t i = 0; i < names.size(); ++i) {
        if (i > 0) list += i + 1 == names.size() ? " or " : ", ";
        list += names[i];
    }
    why = std::string("unknown ") + what + " \"" + value + "\" (" + list + ")";
    return false;
}

bool parseSimArguments(int argc, char** argv, const std::vector<SimOption>& table,
                       std::string& error) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const SimOption* option = nullptr;
        for (const SimOption& o : table) {
            if (arg == o.name || (o.alias != nullptr && arg == o.alias)) option = &o;
        }
        if (option == nullptr) {
            error = "unknown argument \"" + arg + "\"";
            return false;
        }
        std::string value;
        if (option->takesValue) {
            if (i + 1 >= argc) {
                error = arg + " needs a value";
                return false;
            }
            value = argv[++i];
        }
        error.clear();
        if (!option->take(value, error)) return false;
    }
    return true;
}

SimOption flagOption(const char* name, const char* alias, bool& target) {
    return {name, alias, false, [&target](const std::string&, std::string&) {
                target = true;
                return true;
            }};
}

int readSubcommand(int argc, char** argv, std::vector<SimOption> table, const char* tool,
                   const char* usage) {
    bool help = false;
    table.push_back(flagOption("--help", "-h", help));
    std::string error;
    if (!parseSimArguments(argc, argv, table, error)) {
        std::fprintf(stderr, "%s: %s\n%s", tool, error.c_str(), usage);
        return 2;
    }
    if (help) {
        std::printf("%s", usage);
        return 0;
    }
    return -1;
}

}  // namespace sim_options
