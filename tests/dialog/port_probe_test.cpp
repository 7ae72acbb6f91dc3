#include "dialog_driver.h"
#include "pseudo_terminal.h"
#include "resources/resource.h"
#include "selection/updater_dlg.h"
#include "test_app.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

int Radio(int port) { return IDC_COM1 + port - 1; }

class PortProbe : public ::testing::Test {
protected:
    TestApp test;
    PseudoTerminal com1, com2, com3, com4;
    std::optional<CUpdaterDlg> dialog;
    std::optional<DialogDriver> driver;

    void Open()
    {
        dialog.emplace();
        driver.emplace(*dialog);
        ASSERT_TRUE(driver->OpenAsMainWindow(test.app));
    }

    std::vector<int> EnabledPorts() const
    {
        std::vector<int> ports;
        for (int port = 1; port <= 10; ++port)
            if (driver->Enabled(Radio(port)))
                ports.push_back(port);
        return ports;
    }
};

TEST_F(PortProbe, UsablePortsAreOfferedAndTheLowestIsChecked)
{
    test.MapPorts({{1, com1.Path()}, {3, com3.Path()}, {5, test.root / "unplugged"}});
    Open();
    EXPECT_EQ(EnabledPorts(), (std::vector<int>{1, 3}));
    EXPECT_EQ(dialog->GetCheckedRadioButton(IDC_COM1, IDC_COM10), Radio(1));
    EXPECT_TRUE(dialog->m_bPortAvailable);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr); // the wait cursor is gone again
    EXPECT_EQ(driver->Control(Radio(3))->toolTip().toStdString(), com3.Path());
}

TEST_F(PortProbe, TheSavedPortIsCheckedWhenUsable)
{
    test.MapPorts({{2, com2.Path()}, {4, com4.Path()}});
    test.app.WriteIntSetting("Settings", "ComPort", 4);
    Open();
    EXPECT_EQ(dialog->GetCheckedRadioButton(IDC_COM1, IDC_COM10), Radio(4));
}

TEST_F(PortProbe, ASavedPortHeldByAnotherProgramIsNotOffered)
{
    test.MapPorts({{2, com2.Path()}, {4, com4.Path()}});
    test.app.WriteIntSetting("Settings", "ComPort", 4);
    DeviceHolder otherProgram(com4.Path(), DeviceHolder::How::Flock);
    Open();
    EXPECT_EQ(EnabledPorts(), (std::vector<int>{2}));
    EXPECT_EQ(dialog->GetCheckedRadioButton(IDC_COM1, IDC_COM10), Radio(2));
}

TEST_F(PortProbe, AModelClickEnablesUpdateOnceAPortIsUsable)
{
    test.MapPorts({{3, com3.Path()}});
    Open();
    driver->Click(1003);
    EXPECT_TRUE(driver->Enabled(IDC_UPDATE));
    EXPECT_EQ(dialog->m_nModel, 3);
    driver->Click(1000);
    EXPECT_EQ(dialog->m_nModel, 0);
    EXPECT_TRUE(driver->Enabled(IDC_UPDATE));
}

TEST_F(PortProbe, NoUsablePortLeavesEveryPortAndUpdateDisabled)
{
    test.MapPorts({{1, "/dev/null"}, {2, test.root / "missing"}});
    Open();
    EXPECT_TRUE(EnabledPorts().empty());
    EXPECT_EQ(dialog->GetCheckedRadioButton(IDC_COM1, IDC_COM10), 0);
    EXPECT_FALSE(dialog->m_bPortAvailable);
    driver->Click(1004);
    EXPECT_FALSE(driver->Enabled(IDC_UPDATE));
}

TEST_F(PortProbe, PortRadiosFormOneGroup)
{
    test.MapPorts({{2, com2.Path()}, {4, com4.Path()}});
    Open();
    driver->Click(Radio(4));
    EXPECT_EQ(dialog->GetCheckedRadioButton(IDC_COM1, IDC_COM10), Radio(4));
    driver->Key(Qt::Key_Down); // skips the disabled ones and wraps round
    EXPECT_EQ(dialog->GetCheckedRadioButton(IDC_COM1, IDC_COM10), Radio(2));
}

} // namespace
