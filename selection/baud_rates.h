#pragma once
// The four baud rates and their radio buttons 1034..1037.

// The radio that shows a stored rate; any rate but 9600, 19200 and 57600 shows as 115,200.
int BaudRadioForRate(int rate);
// The rate in bit/s of a baud radio; 0 for any other id.
int RateForBaudRadio(int radioId);
