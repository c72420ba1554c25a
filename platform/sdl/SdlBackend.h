#pragma once

#include <memory>
#include <string>

#include "platform/WindowModalRunner.h"
#include "platform/sdl/SdlMessageBoxRunner.h"
#include "platform/sdl/SdlWindowSystem.h"

// The player's backend as one object: while it lives, its window system and
// its dialog runner are the ones in use; it puts the previous ones back when
// it goes.
class SdlBackend {
public:
    static std::unique_ptr<SdlBackend> Start(const SdlWindowSystem::Options& options, std::string* error);
    ~SdlBackend();
    SdlBackend(const SdlBackend&) = delete;
    SdlBackend& operator=(const SdlBackend&) = delete;

    SdlWindowSystem& System() { return *system_; }

private:
    explicit SdlBackend(std::unique_ptr<SdlWindowSystem> system);

    std::unique_ptr<SdlWindowSystem> system_;
    SdlMessageBoxRunner plainRunner_;
    WindowModalRunner runner_;
    WindowSystem* previousSystem_;
    ModalRunner* previousRunner_;
};
