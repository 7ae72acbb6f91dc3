#pragma once
// The texts that one update run shows, built from its values alone.

#include "framework/cstring.h"

// The model name followed by " Update": the caption of every box of the run.
CString UpdateCaption(const char* modelName);
CString FirstConfirmationText(const char* modelName, const char* version, int port, int baud);
CString SecondConfirmationText(const char* modelName);
CString StartFailureText(unsigned errorCode);
// The steps that the user carries out on the device after the run.
CString CompletionNoticeText();
