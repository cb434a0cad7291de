#include "text/MouseHook.h"

#include <windows.h>

void HookStart() {}
void HookStop() {}
std::int64_t GetDragStart(int) { return -1; }
std::int64_t GetDragEnd(int) { return -1; }
std::int64_t GetDragCurrent(int) { return -1; }
