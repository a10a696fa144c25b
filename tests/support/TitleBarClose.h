#pragma once

// Sends the window the message of its title bar's close button.
bool PressCloseButton(const char* display, unsigned long window);
