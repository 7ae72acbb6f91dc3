#include "selection/baud_rates.h"

#include "resources/resource.h"

int BaudRadioForRate(int rate)
{
    switch (rate) {
    case 9600: return IDC_BAUD_9600;
    case 19200: return IDC_BAUD_19200;
    case 57600: return IDC_BAUD_57600;
    default: return IDC_BAUD_115200;
    }
}

int RateForBaudRadio(int radioId)
{
    switch (radioId) {
    case IDC_BAUD_9600: return 9600;
    case IDC_BAUD_19200: return 19200;
    case IDC_BAUD_57600: return 57600;
    case IDC_BAUD_115200: return 115200;
    default: return 0;
    }
}
