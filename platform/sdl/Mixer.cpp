#include "Mixer.h"

#include <algorithm>

namespace platform::sdl {

void Mixer::play(SoundData sound) {
    if (!sound || sound->empty()) return;
    std::lock_guard<std::mutex> lock(mutex_);
    if (voices_.size() >= kMaxVoices) voices_.erase(voices_.begin());
    voices_.push_back({std::move(sound), 0});
}

void Mixer::mix(int16_t* out, size_t count) {
    std::lock_guard<std::mutex> lock(mutex_);
    for (size_t i = 0; i < count; ++i) {
        int32_t sum = 0;
        for (Voice& v : voices_) {
            if (v.position < v.data->size()) sum += (*v.data)[v.position++];
        }
        out[i] = static_cast<int16_t>(std::clamp<int32_t>(sum, INT16_MIN, INT16_MAX));
    }
    // The last reference to a sound may be dropped here; the cache holds
    // every decoded file, so no memory is freed on this thread.
    voices_.erase(std::remove_if(voices_.begin(), voices_.end(),
                                 [](const Voice& v) { return v.position >= v.data->size(); }),
                  voices_.end());
}

size_t Mixer::playing() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return voices_.size();
}

}  // namespace platform::sdl
