// Default behaviour of a game mode: nothing.
#include "core/GameMode.h"

GameMode::GameMode(uint32_t kind, const char* typeName) : NamedObject(kind, typeName) {}

int GameMode::Reserved() { return 0; }
void GameMode::Activate() {}
void GameMode::Deactivate() {}
int GameMode::Update() { return 0; }
void GameMode::Draw(DrawContext&) {}
bool GameMode::IsTypingText() const { return false; }

intptr_t GameMode::HandleMessage(Window& window, uint32_t message, uintptr_t wParam,
                                 intptr_t lParam) {
    return DefWindowProc(window, message, wParam, lParam);
}
