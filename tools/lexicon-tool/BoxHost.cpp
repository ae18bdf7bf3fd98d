#include "BoxHost.h"

#include <cstdio>

int BoxHost::ShowMessage(const MessageRequest& request) {
  std::fprintf(stderr, "%s: %s\n", request.caption.c_str(), request.text.c_str());
  return SignalStoppingHost::ShowMessage(request);
}
