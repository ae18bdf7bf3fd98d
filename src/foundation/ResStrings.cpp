#include "foundation/ResStrings.h"

#include <atomic>

#include "platform/Host.h"
#include "platform/StringTable.h"

namespace {
std::atomic<int32_t> helpContext{0};
}

std::string LoadResString(int32_t id) { return std::string(StringTable::Find(id)); }

int ResMessageBox(int32_t textId, int32_t captionId, unsigned flags) {
  return MessageBoxWrapper(nullptr, LoadResString(textId), LoadResString(captionId), flags);
}

int ResMessageBoxOwner(const void* owner, int32_t textId, int32_t captionId, unsigned flags) {
  return MessageBoxWrapper(owner, LoadResString(textId), LoadResString(captionId), flags);
}

int ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags) {
  return MessageBoxWrapper(nullptr, text, caption, flags);
}

int MessageBoxWrapper(const void* owner, const std::string& text, const std::string& caption,
                      unsigned flags) {
  return Host::Current().ShowMessage(MessageRequest{text, caption, flags, owner});
}

int32_t SetHelpContext(int32_t topic) {
  helpContext.store(topic);
  return topic;
}

int32_t GetHelpContext() { return helpContext.load(); }
