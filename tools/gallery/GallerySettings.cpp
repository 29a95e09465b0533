#include "GallerySettings.h"

namespace gallery {

namespace {

using namespace gamekit::settings;

constexpr Row kGallery[] = {
    kMinorVersion,
    kMajorVersion,
    kCardBack,
    flag(L"SoundsOn", 1),
    animationSpeed(6),
    flag(L"DisplayHints", 0),
    flag(L"DisplayScore", 1),
};

}  // namespace

const gamekit::SettingsTable gallerySettings = {L"SOFTWARE\\Tarnwick Software\\Deckhollow\\Gallery",
                                                L"Software\\Tarnwick Software\\Deckhollow\\Gallery",
                                                kGallery, countOf(kGallery), kStandardTexts};

}  // namespace gallery
