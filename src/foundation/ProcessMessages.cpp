#include "foundation/ProcessMessages.h"

#include "platform/Host.h"

void ProcessMessages() { Host::Current().PumpMessages(); }
