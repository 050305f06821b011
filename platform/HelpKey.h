// F1 asks for help: on Windows every window receives a help message
// when F1 is pressed; here a dialog gets a help event from its F1 key.
#pragma once

class wxWindow;

void SendHelpOnF1(wxWindow* dialog);
