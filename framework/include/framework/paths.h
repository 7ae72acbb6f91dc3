#pragma once
// File names in the platform's own form.

#include "framework/cstring.h"

// directory, the platform's separator, then name; with an empty directory the name
// stands below the root.
CString AfxJoinPath(const CString& directory, const char* name);
