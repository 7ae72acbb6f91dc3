#include "help/instructions_dlg.h"

#include "app/dialog_placement.h"
#include "resources/resource.h"

namespace {

const char kParagraphBreak[] = "\r\n\r\n";

const char* const kFragments[] = {
    "This program is used to update the Vandrel firmware.  ",
    "The Vandrel firmware is the software routines stored in flash memory within the Vandrel.  ",
    "Unlike random access memory (RAM), flash memory stays intact even in the absence of electrical power.",
    kParagraphBreak,
    "Follow the steps shown below to update the Vandrel firmware.",
    kParagraphBreak,
    "Disconnect the AC adapter from the Vandrel interface.",
    kParagraphBreak,
    "Remove the 4 screws that attach the top cover to the Vandrel interface.",
    kParagraphBreak,
    "If the Vandrel contains an internal programming jumper, it must be moved from the \"Run Mode\" position to ",
    "the \"Program Mode\" position.",
    kParagraphBreak,
    "Connect the appropriate programming cable to the Vandrel interface.  ",
    "If the Vandrel contains an internal programming jumper, ",
    "you can use the standard serial extension cable connected to the RS232 port on the back of the Vandrel interface.  ",
    "If there is no internal programming jumper, ",
    "you must use the special ribbon programming cable (P/N: VD217-0946) available from Korventa.  ",
    "The ribbon programming cable can also be used with Vandrel interfaces that contain an internal programming jumper.",
    kParagraphBreak,
    "If you are using a ribbon programming cable, position the Vandrel so that the ",
    "10-pin programming connector on the Vandrel processor board is located at the lower left-hand corner.  ",
    "Position the programming cable so that the red strip on the cable is along the left edge.  ",
    "Connect the 10-pin connector to the programming connector on the board.  ",
    "If there are 2 10-pin connectors on the ribbon cable, use the connector that is approximately 1.5 inches from the end of the cable.",
    kParagraphBreak,
    "Connect the other end of the serial or programming cable to the serial port on your PC.",
    kParagraphBreak,
    "Connect the AC adapter to the Vandrel interface.",
    kParagraphBreak,
    "Select the appropriate Vandrel model, serial port and baud rate on the VDFlash program and press the Update button.",
    kParagraphBreak,
    "Verify in the command window that the update was successful.  ",
    "If the programming was successful, disconnect the programming cable and/or move the programming jumper to the \"Run Mode\" position.  ",
    "Press the reset button on the back of the Vandrel and confirm that the Vandrel is operating correctly.",
    kParagraphBreak,
    "If you have any problems with this update procedure, ",
    "contact Korventa Systems techincial support at +1 555 0142 or support@korventa-systems.example.  ",
    "Our normal business hours are 8:00AM to 4:30PM Pacific time.  ",
    kParagraphBreak,
};

} // namespace

CString InstructionsText()
{
    CString text = kFragments[0];
    for (std::size_t i = 1; i < std::size(kFragments); ++i)
        text += kFragments[i];
    return text;
}

CInstructionsDlg::CInstructionsDlg(CWnd* parent) : CDialog(IDD_INSTRUCTIONS, parent) {}

bool CInstructionsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    PlaceDialog(*this);
    SetDlgItemText(IDC_INSTRUCTIONS_TEXT, InstructionsText());
    return true;
}
