#pragma once
// The application object for one test: its program folder and its user's configuration
// folder are in a temporary folder, and its message boxes record instead of showing.

#include "app/updater_app.h"
#include "recording_message_boxes.h"
#include "recording_script_runner.h"
#include "temp_dir.h"

#include <map>
#include <string>

struct TestApp {
    TempDir root;
    std::shared_ptr<RecordingMessageBoxes::Log> boxes = std::make_shared<RecordingMessageBoxes::Log>();
    std::shared_ptr<RecordingScriptRunner::Log> scripts = std::make_shared<RecordingScriptRunner::Log>();
    CUpdaterApp app;

    TestApp()
        : app({root / "program/VDFlash", root / "config"},
              {std::make_unique<RecordingMessageBoxes>(boxes), MakeFixedComPorts(root / "comports.ini"),
               std::make_unique<RecordingScriptRunner>(scripts)})
    {
        app.SetRegistryKey(kCompanyKey);
        app.m_strProgramDir = (root / "program").c_str();
    }

    std::string BinDir() const { return root / "program/bin"; }
    // Maps COM numbers to devices for this test alone.
    void MapPorts(const std::map<int, std::string>& devices) const
    {
        std::string text = "[Ports]\n";
        for (const auto& [number, device] : devices)
            text += "COM" + std::to_string(number) + "=" + device + "\n";
        root.Write("comports.ini", text);
    }

    std::string SettingsFile() const { return root / "config/Korventa Systems/VDFlash.ini"; }
};
