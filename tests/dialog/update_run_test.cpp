#include "dialog_driver.h"
#include "pseudo_terminal.h"
#include "resources/resource.h"
#include "selection/updater_dlg.h"
#include "system/current_directory.h"
#include "test_app.h"
#include "update/update_script.h"
#include "update/update_texts.h"

#include <gtest/gtest.h>

#include <ostream>

#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr UINT kConfirmation = 0x124;

class UpdateRun : public ::testing::Test {
protected:
    TestApp test;
    PseudoTerminal com3;
    CUpdaterDlg dialog;
    DialogDriver driver{dialog};
    const std::string startDirectory = sys::CurrentDirectory();
    std::string script = test.BinDir() + "/VDFlash.bat";

    void SetUp() override
    {
        test.MapPorts({{3, com3.Path()}});
        test.root.Write("program/bin/Version.txt", "1.05\r\n");
        ASSERT_TRUE(driver.OpenAsMainWindow(test.app));
        driver.Click(1003); // Vandrel4 Network
        driver.Click(IDC_BAUD_57600);
    }

    void TearDown() override { sys::SetCurrentDirectory(startDirectory); }

    void Update(std::initializer_list<int> answers)
    {
        test.boxes->answers.assign(answers);
        driver.Click(IDC_UPDATE);
    }

    int Stored(const char* entry) const { return test.app.ReadIntSetting("Settings", entry, -1); }
    const std::vector<MessageBoxRequest>& Boxes() const { return test.boxes->shown; }
};

TEST_F(UpdateRun, NoInTheFirstBoxEndsTheRunWithNoEffect)
{
    Update({IDNO});
    ASSERT_EQ(Boxes().size(), 1U);
    EXPECT_EQ(Boxes()[0].text.Str(), FirstConfirmationText("Vandrel4 Network", "1.05", 3, 57600).Str());
    EXPECT_EQ(Boxes()[0].caption.Str(), "Vandrel4 Network Update");
    EXPECT_EQ(Boxes()[0].style, kConfirmation);
    EXPECT_EQ(Boxes()[0].owner, &dialog);
    EXPECT_EQ(Stored("ComPort"), -1);
    EXPECT_FALSE(fs::exists(script));
    EXPECT_TRUE(test.scripts->starts.empty());
}

TEST_F(UpdateRun, OnlyYesInBothBoxesIsConsent)
{
    for (const auto& answers : {std::vector<int>{IDYES, IDNO}, {0}, {IDYES, 0}, {IDOK}}) {
        test.boxes->shown.clear();
        test.boxes->answers.assign(answers.begin(), answers.end());
        driver.Click(IDC_UPDATE);
        EXPECT_EQ(Boxes().size(), answers.size());
        EXPECT_EQ(Stored("ComPort"), -1);
        EXPECT_EQ(Stored("Baud"), -1);
        EXPECT_TRUE(test.scripts->starts.empty());
        if (answers.size() == 2) {
            EXPECT_EQ(Boxes()[1].text.Str(), SecondConfirmationText("Vandrel4 Network").Str());
            EXPECT_EQ(Boxes()[1].style, kConfirmation);
        }
    }
}

TEST_F(UpdateRun, YesTwiceStoresWritesRunsDeletesAndShowsTheNotice)
{
    Update({IDYES, IDYES});
    EXPECT_EQ(Stored("ComPort"), 3);
    EXPECT_EQ(Stored("Baud"), 57600);

    ASSERT_EQ(test.scripts->starts.size(), 1U);
    const RecordingScriptRunner::Start& start = test.scripts->starts[0];
    EXPECT_EQ(start.scriptName, "VDFlash.bat");
    EXPECT_EQ(fs::path(start.currentDirectory), fs::canonical(test.BinDir()));
    EXPECT_EQ(start.scriptBytes, UpdateScriptBytes("Vandrel4 Network", "VD4-NW", 3, 57600).Str());
    EXPECT_FALSE(start.mainWindowVisible);
    EXPECT_EQ(test.scripts->waits, 1);

    EXPECT_FALSE(fs::exists(script));
    EXPECT_EQ(sys::CurrentDirectory(), startDirectory);
    ASSERT_EQ(Boxes().size(), 3U);
    EXPECT_EQ(Boxes()[2].text.Str(), CompletionNoticeText().Str());
    EXPECT_EQ(Boxes()[2].caption.Str(), "Vandrel4 Network Update");
    EXPECT_EQ(Boxes()[2].style, MB_OK | MB_ICONQUESTION);
    EXPECT_TRUE(test.boxes->mainWindowVisible[2]);
    EXPECT_TRUE(driver.Window()->isVisible());

    // The choices stay, and Update runs again; the last confirmed choice is stored.
    driver.Click(IDC_BAUD_9600);
    Update({IDYES, IDYES});
    EXPECT_EQ(test.scripts->starts.size(), 2U);
    EXPECT_EQ(Stored("Baud"), 9600);
    EXPECT_EQ(dialog.GetCheckedRadioButton(IDC_MODEL_FIRST, IDC_MODEL_LAST), 1003);
}

TEST_F(UpdateRun, AnEarlierScriptIsEmptiedAndRewritten)
{
    test.root.Write("program/bin/VDFlash.bat", std::string(5000, 'x'));
    Update({IDYES, IDYES});
    ASSERT_EQ(test.scripts->starts.size(), 1U);
    EXPECT_EQ(test.scripts->starts[0].scriptBytes, UpdateScriptBytes("Vandrel4 Network", "VD4-NW", 3, 57600).Str());
}

struct Obstacle {
    const char* name;
    std::function<void(const TestApp&, const std::string& script)> place;
    bool onlyForAnOrdinaryUser = false; // root writes into read-only folders
};

void PrintTo(const Obstacle& c, std::ostream* out) { *out << c.name; }

class ScriptCannotBeCreated : public UpdateRun, public ::testing::WithParamInterface<Obstacle> {};

TEST_P(ScriptCannotBeCreated, IsReportedAndNothingRuns)
{
    if (GetParam().onlyForAnOrdinaryUser && ::geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    fs::create_directories(test.BinDir());
    GetParam().place(test, script);
    Update({IDYES, IDYES});
    EXPECT_EQ(Stored("ComPort"), 3); // stored before the script, and kept
    ASSERT_EQ(Boxes().size(), 3U);
    EXPECT_EQ(Boxes()[2].text.Str(), "Cannot create the Vandrel update file");
    EXPECT_EQ(Boxes()[2].caption.Str(), "VDFlash");
    EXPECT_EQ(Boxes()[2].style, MB_OK | MB_ICONEXCLAMATION);
    EXPECT_TRUE(test.scripts->starts.empty());
    EXPECT_TRUE(driver.Window()->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Obstacles, ScriptCannotBeCreated,
    ::testing::Values(
        Obstacle{"BinMissing", [](const TestApp& app, const std::string&) { fs::remove_all(app.BinDir()); }},
        Obstacle{"FolderInItsPlace", [](const TestApp&, const std::string& script) { fs::create_directory(script); }},
        Obstacle{"ReadOnlyBin", [](const TestApp& app, const std::string&) { ::chmod(app.BinDir().c_str(), 0555); },
                 true}),
    [](const ::testing::TestParamInfo<Obstacle>& row) { return std::string(row.param.name); });

TEST_F(UpdateRun, ASymbolicLinkIsNotFollowed)
{
    fs::create_directories(test.BinDir());
    const std::string precious = test.root.Write("precious.txt", "keep");
    fs::create_symlink(precious, script);
    Update({IDYES, IDYES});
    EXPECT_EQ(ReadFile(precious), "keep");
}

TEST_F(UpdateRun, AScriptHeldByAnotherProgramCannotBeCreated)
{
    const std::string path = test.root.Write("program/bin/VDFlash.bat", "theirs");
    sys::UniqueFd holder(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    ASSERT_EQ(::flock(holder.Get(), LOCK_EX), 0);
    Update({IDYES, IDYES});
    EXPECT_EQ(Boxes().back().text.Str(), "Cannot create the Vandrel update file");
    EXPECT_EQ(ReadFile(path), "theirs");
}

TEST_F(UpdateRun, AFailedStartIsReportedWhileHiddenAndTheRunEndsAsUsual)
{
    test.scripts->failWith = 2;
    Update({IDYES, IDYES});
    ASSERT_EQ(Boxes().size(), 4U);
    EXPECT_EQ(Boxes()[2].text.Str(), "Unable to update the Vandrel interface\nError code = 2");
    EXPECT_EQ(Boxes()[2].caption.Str(), "VDFlash");
    EXPECT_EQ(Boxes()[2].style, MB_OK | MB_ICONEXCLAMATION);
    EXPECT_FALSE(test.boxes->mainWindowVisible[2]);
    EXPECT_EQ(test.scripts->waits, 0);
    EXPECT_EQ(Boxes()[3].text.Str(), CompletionNoticeText().Str());
    EXPECT_FALSE(fs::exists(script));
    EXPECT_EQ(sys::CurrentDirectory(), startDirectory);
    EXPECT_TRUE(driver.Window()->isVisible());
}

TEST_F(UpdateRun, AFailedDeleteIsReportedAndTheNoticeIsNotShown)
{
    test.scripts->whileRunning = [this] {
        fs::remove(script);
        fs::create_directories(script + "/inside"); // a folder that cannot be deleted as a file
    };
    Update({IDYES, IDYES});
    ASSERT_EQ(Boxes().size(), 3U);
    EXPECT_EQ(Boxes()[2].text.Str(), "An unknown error occurred while accessing an unnamed file.");
    EXPECT_EQ(Boxes()[2].style, MB_OK | MB_ICONHAND);
    EXPECT_EQ(fs::path(sys::CurrentDirectory()), fs::canonical(test.BinDir())); // not restored
    EXPECT_TRUE(driver.Window()->isVisible());
}

TEST_F(UpdateRun, NoBaudCheckedDoesNothing)
{
    dialog.CheckRadioButton(IDC_BAUD_9600, IDC_BAUD_115200, 0);
    Update({IDYES, IDYES});
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(Stored("Baud"), -1);
}

TEST_F(UpdateRun, TheSecondModelSaysItsModelName)
{
    driver.Click(1001);
    Update({IDYES, IDYES});
    EXPECT_EQ(Boxes()[0].caption.Str(), "Vandrel3 Network Update");
    EXPECT_NE(Boxes()[1].text.Str().find("for a Vandrel3 Network."), std::string::npos);
    EXPECT_NE(test.scripts->starts[0].scriptBytes.find("VD3-NW.bin  -v  -s 3:57600"), std::string::npos);
}

} // namespace
