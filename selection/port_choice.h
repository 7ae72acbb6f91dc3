#pragma once
// Which serial port the dialog checks after the probe.

#include <array>

inline constexpr int kPortCount = 10;

// available[n] for port n = 1..kPortCount (index 0 unused).
using PortAvailability = std::array<bool, kPortCount + 1>;

// The saved port when it is usable (-1, nothing saved, stands for port 1), else the lowest
// usable port; 0 when none is usable.
int ChoosePort(int savedPort, const PortAvailability& available);
