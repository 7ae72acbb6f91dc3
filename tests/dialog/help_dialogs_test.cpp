#include "dialog_driver.h"
#include "help/about_dlg.h"
#include "help/instructions_dlg.h"
#include "resources/resource.h"
#include "selection/updater_dlg.h"
#include "test_app.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

// Runs look on the modal window that the next modal run opens, then closes it with key.
void WhenModalOpens(std::function<void(QWidget&)> look, Qt::Key key = Qt::Key_Escape)
{
    QTimer::singleShot(0, [look = std::move(look), key] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        look(*modal);
        QTest::keyClick(modal->focusWidget() ? modal->focusWidget() : modal, key);
    });
}

class HelpScreens : public ::testing::Test {
protected:
    TestApp test;
    CUpdaterDlg main;
    DialogDriver driver{main};

    void SetUp() override
    {
        ASSERT_TRUE(driver.OpenAsMainWindow(test.app));
    }
};

TEST_F(HelpScreens, TheAboutButtonAndTheSystemMenuItemShowTheSameBox)
{
    std::string seenByButton, seenByMenu;
    const auto lookAt = [](std::string& seen) {
        return [&seen](QWidget& about) {
            seen = about.windowTitle().toStdString();
            for (const QLabel* label : about.findChildren<QLabel*>())
                seen += "|" + label->text().toStdString();
            EXPECT_EQ(about.parentWidget(), WidgetOf(*AfxGetApp()->m_pMainWnd));
            EXPECT_TRUE(about.focusWidget() && about.focusWidget()->inherits("QPushButton"));
        };
    };
    WhenModalOpens(lookAt(seenByButton), Qt::Key_Return);
    driver.Click(IDC_ABOUT);
    WhenModalOpens(lookAt(seenByMenu));
    main.SendMessage(WM_SYSCOMMAND, IDM_ABOUTBOX | 0x3, 0); // low four bits do not count
    EXPECT_EQ(seenByButton, seenByMenu);
    EXPECT_NE(seenByButton.find("About VDFlash|"), std::string::npos);
    EXPECT_NE(seenByButton.find("|Version 1.0.0.6|"), std::string::npos);
    EXPECT_NE(seenByButton.find("|January 27, 2006"), std::string::npos);
    EXPECT_TRUE(driver.Window()->isVisible());
}

TEST_F(HelpScreens, OtherSystemCommandsOpenNothing)
{
    main.SendMessage(WM_SYSCOMMAND, 0xF020, 0); // minimise
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(main.m_nModalResult, -1);
    main.SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(main.m_nModalResult, IDCANCEL);
}

TEST(InstructionsText, HasTwelveParagraphsWithTheirBlanks)
{
    const std::string text = InstructionsText().Str();
    EXPECT_EQ(text.rfind("This program is used to update the Vandrel firmware.  The Vandrel firmware", 0), 0U);
    std::size_t paragraphs = 0;
    for (std::size_t at = text.find("\r\n\r\n"); at != std::string::npos; at = text.find("\r\n\r\n", at + 4))
        ++paragraphs;
    EXPECT_EQ(paragraphs, 12U);
    for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 1))
        EXPECT_EQ(text[at - 1], '\r') << "a bare line feed at " << at;
    for (const char* join : {"within the Vandrel.  Unlike", "from the \"Run Mode\" position to the \"Program Mode\"",
                             "programming jumper, you can use", "no internal programming jumper, you must",
                             "position the Vandrel so that the 10-pin", "update procedure, contact Korventa Systems techincial support at ",
                             "Korventa.  The ribbon"})
        EXPECT_NE(text.find(join), std::string::npos) << join;
    const std::string ending = "Our normal business hours are 8:00AM to 4:30PM Pacific time.  \r\n\r\n";
    EXPECT_EQ(text.substr(text.size() - ending.size()), ending);
}

TEST_F(HelpScreens, InstructionsShowTheWholeTextAgainAtEveryOpening)
{
    WhenModalOpens(
        [](QWidget& page) {
            auto* box = page.findChild<QPlainTextEdit*>();
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->toPlainText().toStdString() + "\n", QString(InstructionsText()).replace("\r\n", "\n").toStdString() + "\n");
            EXPECT_FALSE(box->isReadOnly());
            EXPECT_FALSE(box->textCursor().hasSelection());
            box->setFocus();
            box->selectAll();
            QTest::keyClicks(box, "typed over");
        },
        Qt::Key_Return); // Enter in the box closes the page instead of breaking the line
    driver.Click(IDC_INSTRUCTIONS);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    WhenModalOpens([](QWidget& page) {
        EXPECT_EQ(page.windowTitle().toStdString(), "Vandrel Update Instructions");
        EXPECT_EQ(page.findChild<QPlainTextEdit*>()->toPlainText().left(23).toStdString(), "This program is used to");
    });
    driver.Click(IDC_INSTRUCTIONS);
}

} // namespace
