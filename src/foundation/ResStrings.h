#pragma once
// Texts by number, the four message boxes through which the program talks to the user, and the
// current help topic.

#include <cstdint>
#include <string>

#include "platform/MessageBoxFlags.h"

// The text with that id; empty when there is none.
std::string LoadResString(int32_t id);

// Each returns the button pressed (IDOK, IDCANCEL, IDYES, IDNO). owner is an opaque window token;
// null means the application window. Callable from any thread.
int ResMessageBox(int32_t textId, int32_t captionId, unsigned flags);
int ResMessageBoxOwner(const void* owner, int32_t textId, int32_t captionId, unsigned flags);
int ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags);
int MessageBoxWrapper(const void* owner, const std::string& text, const std::string& caption,
                      unsigned flags);

int32_t SetHelpContext(int32_t topic);
int32_t GetHelpContext();
