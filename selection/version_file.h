#pragma once
// The firmware version named by Version.txt in the bin directory.

#include "framework/cstring.h"

#include <cstddef>

// The version text at the start of the bytes: up to ten printable ASCII bytes, ended by
// the first other byte; "???" when there is none.
CString VersionFromBytes(const char* bytes, std::size_t count);

// The version of binDir's Version.txt, or "???" when the file cannot be opened exclusively,
// cannot be read, or gives no text.
CString ReadFirmwareVersion(const CString& binDir);
