#pragma once

#include <string>
#include <vector>

#include "platform/DeviceContext.h"

// One text output as a painter asked for it.
struct TextRecord {
    std::string utf8;
    Rect rect;
    unsigned format = 0;
    Font font;
    Colour colour = kBlack;
    BackMode backMode = BackMode::Opaque;
};

// A device context that also logs every text it is given, so tests can check
// what a painter writes where, in which font and colour, without depending on
// the pixels of a font. It draws as usual when a bitmap is selected into it.
class RecordingDeviceContext : public DeviceContext {
public:
    using DeviceContext::DeviceContext;

    const std::vector<TextRecord>& Texts() const { return texts_; }
    void ClearTexts() { texts_.clear(); }

protected:
    int DrawTextUtf8(const std::string& utf8, const Rect& rect, unsigned format) override {
        texts_.push_back({utf8, rect, format, CurrentFont(), TextColour(), GetBackMode()});
        return DeviceContext::DrawTextUtf8(utf8, rect, format);
    }

private:
    std::vector<TextRecord> texts_;
};
