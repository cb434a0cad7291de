#pragma once

#include <windows.h>

#include <string>

// Under Wine without a window manager, each activation is also an X focus
// request, sent when the activated program next waits for messages. When one
// program hides or closes its active window, Wine activates the next window,
// often its own tray window: the tray's request may then reach the X server
// after the one the program makes for its new dialog or menu, and when the
// program reads the focus event that follows, Wine cancels its menu or hands
// the foreground to the desktop. Input that must reach a window waits until
// both have taken what came before and the window is still in front.

// The keyboard focus, active window and menu state of a window's thread, as
// the window system reports them.
GUITHREADINFO ThreadInputOf(HWND window);

// Whether the window's thread took a message sent now within the limit.
bool TakesMessages(HWND window);

// Wine's tray window takes its messages, then the window's thread takes them
// twice. A Wine program sends its X requests and reads the X events that came
// in only when it waits for more messages, which each does after a message.
bool FocusEventsTaken(HWND window);

// Waits until the window is the foreground window once the focus events are
// taken; asks for it when another window is in front, as a click on it
// would. False when it never settled there.
bool BringToFront(HWND window);

// A window by its class and control identifier, for failure lines.
std::string Describe(HWND window);
