#include "update/update_texts.h"

CString UpdateCaption(const char* modelName) { return CString(modelName) + " Update"; }

CString FirstConfirmationText(const char* modelName, const char* version, int port, int baud)
{
    CString text;
    text.Format("Do you really want to update the %s firmware to version %s?     \n"
                "    Serial port = COM%d\n"
                "    Baud rate = %d",
                modelName, version, port, baud);
    return text;
}

CString SecondConfirmationText(const char* modelName)
{
    CString text;
    text.Format("You are trying to update the firmware for a %s.     \n\n"
                "Have you selected the correct Vandrel model?",
                modelName);
    return text;
}

CString StartFailureText(unsigned errorCode)
{
    CString text;
    text.Format("Unable to update the Vandrel interface\nError code = %u", errorCode);
    return text;
}

CString CompletionNoticeText()
{
    CString text = "If the update was successful perform the following steps:\n";
    text += "    - Disconnect programming cable and/or move jumper to the Run Mode.     \n";
    text += "    - Press the reset button on the back of the Vandrel.\n";
    text += "\n";
    text += "If the channel A LED continuously flashes after you press the reset button:     \n";
    text += "    - You have loaded the incorrect firmware into the Vandrel.\n";
    text += "    - Immediately remove the AC adapter power from the Vandrel.\n";
    text += "    - Repeat the update process after selecting the correct Vandrel model.     ";
    return text;
}
