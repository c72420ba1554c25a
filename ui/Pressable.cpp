#include "ui/Pressable.h"

#include "platform/Input.h"

Reaction Pressable::OnLButtonDown(unsigned /*flags*/, Point /*p*/) {
    held_ = pressed_ = true;
    return Reaction::Taken;
}

// Dragged off, the press lets go; dragged back, it shows again.
Reaction Pressable::OnMouseMove(unsigned /*flags*/, Point p) {
    const bool over = held_ && GetRect().Contains(p);
    if (over == pressed_)
        return Reaction::Ignored;
    pressed_ = over;
    return Reaction::Taken;
}

Reaction Pressable::OnLButtonUp(unsigned /*flags*/, Point p) {
    const bool wasHeld = held_;
    held_ = pressed_ = false;
    if (wasHeld && GetRect().Contains(p))
        return Act();
    return wasHeld ? Reaction::Taken : Reaction::Ignored;
}

Reaction Pressable::OnKeyDown(unsigned key, unsigned /*flags*/) {
    return key == Key::kSpace ? Act() : Reaction::Ignored;
}

void Pressable::OnFocus(bool gained, bool /*byTab*/) {
    if (!gained)
        held_ = pressed_ = false;
}
