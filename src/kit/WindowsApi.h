// <windows.h> as the program includes it: without the min and max macros (they break
// std::min and std::max) and without the rarely used parts (among them the old sockets
// header, which would clash with winsock2.h).
#pragma once

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif
