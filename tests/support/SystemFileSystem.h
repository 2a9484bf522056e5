// The real file system of the system the tests run on, to derive fault-making ones from.
#pragma once

#ifdef _WIN32
#include "platform/win32/Win32FileSystem.h"
using SystemFileSystem = Win32FileSystem;
#else
#include "platform/PosixFileSystem.h"
using SystemFileSystem = PosixFileSystem;
#endif
