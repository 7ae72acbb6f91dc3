#pragma once
// The program's resources as data: dialog templates, strings and icons, each found by
// its number. A backend builds windows from them.

#include "framework/window_types.h"

#include <span>

enum class ControlClass { Button, Static, Edit };

struct ControlTemplate {
    ControlClass controlClass;
    int id; // -1 for a static control that no code addresses
    const char* text;
    int x, y, cx, cy; // dialog units
    UINT style;       // WS_VISIBLE and WS_CHILD are implied
};

struct DialogTemplate {
    int id;
    const char* caption;
    UINT style;
    UINT exStyle;
    const char* fontName;
    int pointSize;
    int x, y, cx, cy; // dialog units
    std::span<const ControlTemplate> controls;
};

struct StringResource {
    int id;
    const char* text;
};

// One picture of an icon in XPM form: a header row, one row per palette colour, then
// one row per pixel line.
using IconImage = const char* const*;

struct IconResource {
    int id;
    std::span<const IconImage> images;
};

struct ResourceSet {
    std::span<const DialogTemplate> dialogs;
    std::span<const StringResource> strings;
    std::span<const IconResource> icons;

    const DialogTemplate* FindDialog(int id) const;
    const char* FindString(int id) const;
    const IconResource* FindIcon(int id) const;
};

using HICON = const IconResource*;
