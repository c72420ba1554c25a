#include "platform/sdl/SdlBackend.h"

std::unique_ptr<SdlBackend> SdlBackend::Start(const SdlWindowSystem::Options& options, std::string* error) {
    std::unique_ptr<SdlWindowSystem> system = SdlWindowSystem::Create(options, error);
    if (!system)
        return nullptr;
    return std::unique_ptr<SdlBackend>(new SdlBackend(std::move(system)));
}

SdlBackend::SdlBackend(std::unique_ptr<SdlWindowSystem> system)
    : system_(std::move(system)),
      plainRunner_(system_->NativeWindow()),
      runner_(*system_, plainRunner_),
      previousSystem_(SetWindowSystem(system_.get())),
      previousRunner_(SetModalRunner(&runner_)) {}

SdlBackend::~SdlBackend() {
    SetModalRunner(previousRunner_);
    SetWindowSystem(previousSystem_);
}
