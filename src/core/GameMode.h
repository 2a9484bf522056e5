// The base of every game mode: the frame driver updates, draws and routes messages to the
// current one; a mode asks for a change of mode through `transition`.
#pragma once

#include <cstdint>

#include "core/NamedObject.h"
#include "platform/DrawContext.h"
#include "platform/Window.h"

// Values of GameMode::transition.
constexpr int kTransitionNone = 0;
constexpr int kTransitionPush = 1;
constexpr int kTransitionPop = 2;

class GameMode : public NamedObject {
public:
    GameMode(uint32_t kind, const char* typeName);
    ~GameMode() override = default;

    virtual int Reserved();
    virtual void Activate();
    virtual void Deactivate();
    virtual int Update();
    virtual void Draw(DrawContext& backBuffer);
    virtual intptr_t HandleMessage(Window& window, uint32_t message, uintptr_t wParam,
                                   intptr_t lParam);
    // While true, letter keys are the mode's text: P does not pause.
    virtual bool IsTypingText() const;

    int transition = kTransitionNone;
};
