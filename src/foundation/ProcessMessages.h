#pragma once

// Lets the user interface breathe during a long loop: processes pending events on the GUI
// thread; elsewhere it does nothing but give a paused worker a place to wait.
void ProcessMessages();
