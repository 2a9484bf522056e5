// PlaySound with resource clips.
#include "platform/win32/Win32Audio.h"

#include "platform/win32/WindowsApi.h"

void Win32Audio::PlayClip(int id) {
    PlaySoundW(MAKEINTRESOURCEW(id), GetModuleHandleW(nullptr),
               SND_RESOURCE | SND_ASYNC | SND_NODEFAULT);
}

void Win32Audio::StopClip() { PlaySoundW(nullptr, nullptr, 0); }
