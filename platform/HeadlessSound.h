#pragma once

#include <string>
#include <vector>

#include "platform/Sound.h"

// Plays nothing and writes down what it was asked to play, for tests. A
// music file must exist to start; a wave must begin like a wave file.
class HeadlessSound : public SoundPlayer {
public:
    std::string MusicErrorText(int code) const override;
    int LoadWave(const std::vector<uint8_t>& bytes) override;
    void PlayWave(int wave, bool loop) override;
    void StopWave() override;

    // Ends the title playing as if it ran out.
    void EndTitle() { MusicEnded(MusicSerial()); }

    // "music <path>", "stop music", "wave <id>", "loop wave <id>", "stop wave".
    const std::vector<std::string>& Calls() const { return calls_; }
    void ClearCalls() { calls_.clear(); }

protected:
    int StartMusic(const std::string& path) override;
    void HaltMusic() override;

private:
    std::vector<std::string> calls_;
    int waveCount_ = 0;
};
