#pragma once
// The eight Vandrel models whose firmware the program updates, in radio order.

inline constexpr int kModelCount = 8;

struct ModelEntry {
    int nRadioId;
    const char* strCaption;   // on the radio button only
    const char* strModelName; // everywhere else
    const char* strFileStem;  // firmware image without ".bin"
    const char* strDescription;
};

// index 0..kModelCount-1; no caller passes another.
const ModelEntry& ModelAt(int index);
int ModelIndexFromRadio(int radioId);
