#include "SdlAudio.h"

#include <dlfcn.h>

#include <cstring>
#include <vector>

namespace platform::sdl {

namespace {

// Without a sound card the ALSA library prints a screenful of its own probe
// failures. No device is no error here (sounds are skipped), so the probe is
// kept quiet; ALSA's messages come back once the device is open or given up.
class QuietAlsa {
  public:
    using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
    QuietAlsa() {
        library_ = dlopen("libasound.so.2", RTLD_LAZY | RTLD_LOCAL);
        if (library_ != nullptr) {
            setHandler_ =
                reinterpret_cast<int (*)(Handler)>(dlsym(library_, "snd_lib_error_set_handler"));
        }
        if (setHandler_ != nullptr) setHandler_(&silent);
    }
    ~QuietAlsa() {
        if (setHandler_ != nullptr) setHandler_(nullptr);
        if (library_ != nullptr) dlclose(library_);
    }
    QuietAlsa(const QuietAlsa&) = delete;
    QuietAlsa& operator=(const QuietAlsa&) = delete;

  private:
    static void silent(const char*, int, const char*, int, const char*, ...) {}
    void* library_ = nullptr;
    int (*setHandler_)(Handler) = nullptr;
};

}  // namespace

bool SdlAudio::open() {
    if (device_ != 0) return true;
    QuietAlsa quiet;
    if (!subsystem_) {
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
        subsystem_ = true;
    }
    SDL_AudioSpec wanted{};
    wanted.freq = kRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = kChannels;
    wanted.samples = 1024;
    wanted.callback = &SdlAudio::callback;
    wanted.userdata = &mixer_;
    SDL_AudioSpec obtained{};
    // No format changes allowed: SDL converts to whatever the hardware takes,
    // so the mixer always sums one format.
    device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
    if (device_ == 0) {
        close();
        return false;
    }
    SDL_PauseAudioDevice(device_, 0);
    return true;
}

void SdlAudio::close() {
    if (device_ != 0) SDL_CloseAudioDevice(device_);
    device_ = 0;
    if (subsystem_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
    subsystem_ = false;
}

void SdlAudio::callback(void* mixer, Uint8* stream, int length) {
    static_cast<Mixer*>(mixer)->mix(reinterpret_cast<int16_t*>(stream),
                                    static_cast<size_t>(length) / sizeof(int16_t));
}

SoundData SdlAudio::load(const std::string& path) {
    SDL_AudioSpec source{};
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    if (SDL_LoadWAV(path.c_str(), &source, &buffer, &length) == nullptr) return nullptr;
    SDL_AudioCVT cvt{};
    if (SDL_BuildAudioCVT(&cvt, source.format, source.channels, source.freq, AUDIO_S16SYS, kChannels,
                          kRate) < 0) {
        SDL_FreeWAV(buffer);
        return nullptr;
    }
    std::vector<Uint8> work(static_cast<size_t>(length) * static_cast<size_t>(cvt.len_mult) + 16);
    if (length > 0) std::memcpy(work.data(), buffer, length);
    SDL_FreeWAV(buffer);
    cvt.buf = work.data();
    cvt.len = static_cast<int>(length);
    cvt.len_cvt = static_cast<int>(length);
    if (cvt.needed && SDL_ConvertAudio(&cvt) != 0) return nullptr;
    // Whole frames only, so that a sound never leaves the channels swapped
    // for the next one.
    size_t samples = static_cast<size_t>(cvt.len_cvt) / sizeof(int16_t);
    samples -= samples % kChannels;
    auto data = std::make_shared<std::vector<int16_t>>(samples);
    if (samples > 0) std::memcpy(data->data(), work.data(), samples * sizeof(int16_t));
    return data;
}

bool SdlAudio::play(const std::string& path) {
    auto found = cache_.find(path);
    SoundData sound;
    if (found != cache_.end()) {
        sound = found->second;
    } else {
        sound = load(path);
        // A missing file is looked for again next time: it may be installed
        // while the program runs.
        if (!sound) return false;
        cache_[path] = sound;
    }
    if (device_ != 0) mixer_.play(sound);
    return true;
}

}  // namespace platform::sdl
