#include "dialog_driver.h"
#include "resources/resource.h"
#include "selection/updater_dlg.h"
#include "test_app.h"

#include <QTimer>
#include <gtest/gtest.h>

#include <vector>

namespace {

class MainDialog : public ::testing::Test {
protected:
    TestApp test;
    CUpdaterDlg dialog;
    DialogDriver driver{dialog};

    void Open()
    {
        ASSERT_TRUE(driver.OpenAsMainWindow(test.app));
    }
};

TEST_F(MainDialog, FirstStartWithNothingStored)
{
    Open();
    EXPECT_EQ(dialog.GetWindowText().Str(), "VDFlash Utility for Vandrel Firmware Ver ???");
    EXPECT_EQ(dialog.GetCheckedRadioButton(IDC_BAUD_9600, IDC_BAUD_115200), IDC_BAUD_115200);
    EXPECT_EQ(dialog.GetCheckedRadioButton(IDC_MODEL_FIRST, IDC_MODEL_LAST), 0);
    EXPECT_FALSE(driver.Enabled(IDC_UPDATE));
    for (int id = IDC_COM1; id <= IDC_COM10; ++id)
        EXPECT_FALSE(driver.Enabled(id)) << id;
    EXPECT_EQ(dialog.m_strBinDir.Str(), test.BinDir());
    EXPECT_EQ(driver.Focused(), IDCANCEL);
}

TEST_F(MainDialog, TheStoredRateAndTheVersionShow)
{
    test.root.Write("config/Korventa Systems/VDFlash.ini", "[Settings]\nBaud=19200\n");
    test.root.Write("program/bin/Version.txt", "1.05\r\n");
    Open();
    EXPECT_EQ(dialog.GetWindowText().Str(), "VDFlash Utility for Vandrel Firmware Ver 1.05");
    EXPECT_EQ(dialog.GetCheckedRadioButton(IDC_BAUD_9600, IDC_BAUD_115200), IDC_BAUD_19200);
}

TEST_F(MainDialog, TheTemplateIsLaidOutInDialogUnits)
{
    Open();
    const QWidget* close = driver.Control(IDCANCEL);
    const QWidget* update = driver.Control(IDC_UPDATE);
    // Close stands 60 units right of Update, both 48 wide: the scale is the same for both.
    EXPECT_EQ(close->width(), update->width());
    EXPECT_EQ(close->y(), update->y());
    EXPECT_GT(close->x(), update->x());
    EXPECT_EQ(driver.Button(1001)->text().toStdString(), "Vandrel3 Newwork");
    EXPECT_EQ(driver.Window()->size(), driver.Window()->minimumSize()); // fixed size
}

TEST_F(MainDialog, TheThreeRadioGroupsAreIndependent)
{
    Open();
    driver.Click(1003);
    EXPECT_TRUE(driver.Checked(1003));
    EXPECT_TRUE(driver.Checked(IDC_BAUD_115200));
    driver.Click(IDC_BAUD_9600);
    EXPECT_TRUE(driver.Checked(IDC_BAUD_9600));
    EXPECT_FALSE(driver.Checked(IDC_BAUD_115200));
    EXPECT_TRUE(driver.Checked(1003));
    driver.Click(1000);
    EXPECT_TRUE(driver.Checked(1000));
    EXPECT_FALSE(driver.Checked(1003));
    EXPECT_TRUE(driver.Checked(IDC_BAUD_9600));
}

TEST_F(MainDialog, AnArrowKeyChecksTheNextRadioOfTheGroupAsAClickDoes)
{
    Open();
    driver.Click(IDC_BAUD_57600);
    driver.Key(Qt::Key_Down);
    EXPECT_EQ(driver.Focused(), IDC_BAUD_115200);
    EXPECT_EQ(dialog.GetCheckedRadioButton(IDC_BAUD_9600, IDC_BAUD_115200), IDC_BAUD_115200);
    driver.Key(Qt::Key_Down); // wraps round inside the group
    EXPECT_EQ(dialog.GetCheckedRadioButton(IDC_BAUD_9600, IDC_BAUD_115200), IDC_BAUD_9600);
    driver.Key(Qt::Key_Up);
    EXPECT_EQ(dialog.GetCheckedRadioButton(IDC_BAUD_9600, IDC_BAUD_115200), IDC_BAUD_115200);
    EXPECT_EQ(dialog.GetCheckedRadioButton(IDC_MODEL_FIRST, IDC_MODEL_LAST), 0);
}

TEST_F(MainDialog, TabVisitsTheTabStopsInTemplateOrder)
{
    Open();
    // The port group is skipped while all its radios are disabled; a radio group is
    // entered at its checked radio.
    const std::vector<int> expected = {IDC_MODEL_FIRST, IDC_BAUD_115200, IDC_ABOUT, IDC_INSTRUCTIONS, IDCANCEL};
    std::vector<int> visited;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        driver.Key(Qt::Key_Tab);
        visited.push_back(driver.Focused());
    }
    EXPECT_EQ(visited, expected);
    driver.Key(Qt::Key_Backtab);
    EXPECT_EQ(driver.Focused(), IDC_INSTRUCTIONS);
}

TEST_F(MainDialog, EnterOnARadioDoesNothing)
{
    Open();
    driver.Click(1002);
    driver.Key(Qt::Key_Return);
    EXPECT_TRUE(driver.Window()->isVisible());
    EXPECT_EQ(dialog.m_nModalResult, -1);
}

TEST_F(MainDialog, EscapeEndsTheDialogWithCancel)
{
    Open();
    driver.Key(Qt::Key_Escape);
    EXPECT_FALSE(driver.Window()->isVisible());
    EXPECT_EQ(dialog.m_nModalResult, IDCANCEL);
}

TEST_F(MainDialog, CloseAndTheCloseBoxEndTheDialogWithCancel)
{
    Open();
    driver.Click(IDCANCEL);
    EXPECT_EQ(dialog.m_nModalResult, IDCANCEL);

    CUpdaterDlg second;
    DialogDriver secondDriver(second);
    ASSERT_TRUE(secondDriver.OpenAsMainWindow(test.app));
    secondDriver.Window()->close(); // what the window system does for the close box
    EXPECT_EQ(second.m_nModalResult, IDCANCEL);
}

TEST_F(MainDialog, TheWindowIsPlacedByTheRule)
{
    Open();
    // The frame is not known before the window is first shown, so the rule places the
    // frame's corner by the size of the window without it.
    CRect rect;
    dialog.GetWindowRect(&rect);
    const QSize size = driver.Window()->size();
    EXPECT_EQ(rect.left, (GetSystemMetrics(SM_CXSCREEN) - size.width()) / 2);
    EXPECT_EQ(rect.top, (GetSystemMetrics(SM_CYSCREEN) - size.height()) / 4);
}

TEST_F(MainDialog, AModelClickWithoutAUsablePortLeavesUpdateDisabled)
{
    Open();
    dialog.m_nModel = 5;
    driver.Click(1003);
    EXPECT_FALSE(driver.Enabled(IDC_UPDATE));
    EXPECT_EQ(dialog.m_nModel, 5);
}

TEST(MainDialogModalRun, RunsUntilEscapeAndReturnsCancel)
{
    TestApp test;
    CUpdaterDlg dialog;
    test.app.m_pMainWnd = &dialog;
    QTimer::singleShot(0, [] {
        QWidget* window = QApplication::topLevelWidgets().isEmpty() ? nullptr : QApplication::activeModalWidget();
        ASSERT_NE(window, nullptr);
        QTest::keyClick(window, Qt::Key_Escape);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.GetSafeHwnd(), nullptr); // the window is gone
}

} // namespace
