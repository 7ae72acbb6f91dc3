// What the framework does with messages: queued delivery, and the report of an exception
// that leaves a handler.

#include "dialog_driver.h"
#include "framework/cfile_exception.h"
#include "resources/resource.h"
#include "test_app.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <new>

namespace {

constexpr UINT kThrowMemory = WM_USER + 1;
constexpr UINT kCount = WM_USER + 2;

class ThrowingDialog : public CDialog {
public:
    ThrowingDialog() : CDialog(IDD_ABOUTBOX) {}
    int counted = 0;

protected:
    void OnThrowFile() { throw CFileException(CFileException::accessDenied, EACCES, "/x/VDFlash.bat"); }
    LRESULT OnThrowMemory(WPARAM, LPARAM) { throw std::bad_alloc(); }
    LRESULT OnCount(WPARAM, LPARAM)
    {
        ++counted;
        return 7;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ThrowingDialog, CDialog)
ON_BN_CLICKED(IDOK, &ThrowingDialog::OnThrowFile)
ON_MESSAGE(kThrowMemory, &ThrowingDialog::OnThrowMemory)
ON_MESSAGE(kCount, &ThrowingDialog::OnCount)
END_MESSAGE_MAP()

class Dispatch : public ::testing::Test {
protected:
    TestApp test;
    ThrowingDialog dialog;
    DialogDriver driver{dialog};

    void SetUp() override
    {
        ASSERT_TRUE(driver.OpenAsMainWindow(test.app));
    }
};

TEST_F(Dispatch, AFileExceptionIsReportedAndTheDialogStays)
{
    driver.Click(IDOK);
    ASSERT_EQ(test.boxes->shown.size(), 1U);
    const MessageBoxRequest& box = test.boxes->shown[0];
    EXPECT_EQ(box.text.Str(), "Access to /x/VDFlash.bat was denied.");
    EXPECT_EQ(box.caption.Str(), "VDFlash");
    EXPECT_EQ(box.style, MB_OK | MB_ICONHAND);
    EXPECT_EQ(box.owner, &dialog);
    EXPECT_TRUE(driver.Window()->isVisible());
}

TEST_F(Dispatch, OutOfMemoryIsReportedWithTheExclamationIcon)
{
    EXPECT_EQ(dialog.SendMessage(kThrowMemory), 0);
    ASSERT_EQ(test.boxes->shown.size(), 1U);
    EXPECT_EQ(test.boxes->shown[0].text.Str(), "Out of memory.");
    EXPECT_EQ(test.boxes->shown[0].style, MB_OK | MB_ICONEXCLAMATION);
}

TEST_F(Dispatch, APostedMessageRunsFromTheQueueAndASentOneAtOnce)
{
    EXPECT_EQ(dialog.SendMessage(kCount), 7);
    EXPECT_EQ(dialog.counted, 1);
    EXPECT_TRUE(dialog.PostMessage(kCount));
    EXPECT_EQ(dialog.counted, 1);
    DialogDriver::Settle();
    EXPECT_EQ(dialog.counted, 2);
}

TEST_F(Dispatch, TheApplicationMessageBoxGivesAnOkBoxTheExclamationIcon)
{
    AfxMessageBox("Cannot create the Vandrel update file");
    AfxMessageBox("stop", MB_OK | MB_ICONHAND);
    AfxMessageBox("question", MB_YESNO);
    ASSERT_EQ(test.boxes->shown.size(), 3U);
    EXPECT_EQ(test.boxes->shown[0].style, MB_OK | MB_ICONEXCLAMATION);
    EXPECT_EQ(test.boxes->shown[0].caption.Str(), "VDFlash");
    EXPECT_EQ(test.boxes->shown[1].style, MB_OK | MB_ICONHAND);
    EXPECT_EQ(test.boxes->shown[2].style, MB_YESNO);
}

} // namespace
