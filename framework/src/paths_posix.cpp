#include "framework/paths.h"

CString AfxJoinPath(const CString& directory, const char* name) { return directory + "/" + name; }
