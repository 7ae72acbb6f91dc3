#pragma once
// The process's current directory, against which bare file names are found.

#include "framework/cstring.h"

CString AfxGetCurrentDirectory();
bool AfxSetCurrentDirectory(const char* path);
