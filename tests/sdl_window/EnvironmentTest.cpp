#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "VideoStartEnvironment.h"

namespace platform::sdl {
namespace {

std::optional<std::string> variable(const char* name) {
    const char* v = std::getenv(name);
    return v ? std::optional<std::string>(v) : std::nullopt;
}

void put(const char* name, const std::optional<std::string>& value) {
    if (value) {
        setenv(name, value->c_str(), 1);
    } else {
        unsetenv(name);
    }
}

// A runtime folder, with a session bus socket in it or not.
std::string runtimeFolder(bool withBus) {
    char folder[] = "/tmp/deckhollow-runtime-XXXXXX";
    EXPECT_NE(mkdtemp(folder), nullptr);
    std::string path = folder;
    if (withBus) {
        int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::string bus = path + "/bus";
        bus.copy(address.sun_path, sizeof address.sun_path - 1);
        EXPECT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        close(fd);
    }
    return path;
}

TEST(VideoStartEnvironment, TrimsWhatSdlReadsAtStartAndPutsTheUsersBack) {
    struct Case {
        const char* what;
        std::optional<std::string> composeFile, modifiers, busAddress;
        bool busSocket;
        std::optional<std::string> busDuringStart;
    };
    const Case cases[] = {
        {"nothing set, no session bus", std::nullopt, std::nullopt, std::nullopt, false,
         "disabled:"},
        {"a user's own settings", "/home/u/.XCompose", "@im=ibus", "unix:path=/run/bus", false,
         "unix:path=/run/bus"},
        {"the bus only in the runtime folder", std::nullopt, std::nullopt, std::nullopt, true,
         std::nullopt},
    };
    const char* names[] = {"XCOMPOSEFILE", "XMODIFIERS", "DBUS_SESSION_BUS_ADDRESS",
                           "XDG_RUNTIME_DIR"};
    std::optional<std::string> before[4];
    for (int i = 0; i < 4; ++i) before[i] = variable(names[i]);

    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::string runtime = runtimeFolder(c.busSocket);
        put("XCOMPOSEFILE", c.composeFile);
        put("XMODIFIERS", c.modifiers);
        put("DBUS_SESSION_BUS_ADDRESS", c.busAddress);
        put("XDG_RUNTIME_DIR", runtime);
        {
            VideoStartEnvironment quiet;
            EXPECT_EQ(variable("XCOMPOSEFILE"), "/dev/null");
            EXPECT_EQ(variable("XMODIFIERS"), "@im=none");
            EXPECT_EQ(variable("DBUS_SESSION_BUS_ADDRESS"), c.busDuringStart);
        }
        EXPECT_EQ(variable("XCOMPOSEFILE"), c.composeFile);
        EXPECT_EQ(variable("XMODIFIERS"), c.modifiers);
        EXPECT_EQ(variable("DBUS_SESSION_BUS_ADDRESS"), c.busAddress);
        unlink((runtime + "/bus").c_str());
        rmdir(runtime.c_str());
    }
    for (int i = 0; i < 4; ++i) put(names[i], before[i]);
}

}  // namespace
}  // namespace platform::sdl
