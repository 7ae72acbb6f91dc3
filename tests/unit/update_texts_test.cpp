#include "update/update_texts.h"

#include <gtest/gtest.h>

namespace {

TEST(UpdateTexts, Confirmations)
{
    EXPECT_EQ(UpdateCaption("Vandrel3 Network").Str(), "Vandrel3 Network Update");
    EXPECT_EQ(FirstConfirmationText("Vandrel6 Plus", "1.05", 10, 115200).Str(),
              "Do you really want to update the Vandrel6 Plus firmware to version 1.05?     \n"
              "    Serial port = COM10\n"
              "    Baud rate = 115200");
    EXPECT_EQ(FirstConfirmationText("Vandrel3 Plus", "???", 1, 9600).Str().substr(0, 71),
              "Do you really want to update the Vandrel3 Plus firmware to version ????");
    EXPECT_EQ(SecondConfirmationText("Vandrel3 Network").Str(),
              "You are trying to update the firmware for a Vandrel3 Network.     \n\n"
              "Have you selected the correct Vandrel model?");
}

TEST(UpdateTexts, StartFailureAndNotice)
{
    EXPECT_EQ(StartFailureText(2).Str(), "Unable to update the Vandrel interface\nError code = 2");
    EXPECT_EQ(StartFailureText(4294967295U).Str(), "Unable to update the Vandrel interface\nError code = 4294967295");
    EXPECT_EQ(CompletionNoticeText().Str(),
              "If the update was successful perform the following steps:\n"
              "    - Disconnect programming cable and/or move jumper to the Run Mode.     \n"
              "    - Press the reset button on the back of the Vandrel.\n"
              "\n"
              "If the channel A LED continuously flashes after you press the reset button:     \n"
              "    - You have loaded the incorrect firmware into the Vandrel.\n"
              "    - Immediately remove the AC adapter power from the Vandrel.\n"
              "    - Repeat the update process after selecting the correct Vandrel model.     ");
}

} // namespace
