#include "framework/current_directory.h"

#include "system/current_directory.h"

CString AfxGetCurrentDirectory() { return CString(sys::CurrentDirectory()); }

bool AfxSetCurrentDirectory(const char* path) { return sys::SetCurrentDirectory(path) == 0; }
