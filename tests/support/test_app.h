#pragma once
// The application object for one test: its program folder and its user's configuration
// folder are in a temporary folder, and its message boxes record instead of showing.

#include "app/updater_app.h"
#include "recording_message_boxes.h"
#include "temp_dir.h"

struct TestApp {
    TempDir root;
    std::shared_ptr<RecordingMessageBoxes::Log> boxes = std::make_shared<RecordingMessageBoxes::Log>();
    CUpdaterApp app;

    TestApp()
        : app({root / "program/VDFlash", root / "config"}, std::make_unique<RecordingMessageBoxes>(boxes))
    {
        app.SetRegistryKey(kCompanyKey);
        app.m_strProgramDir = (root / "program").c_str();
    }

    std::string BinDir() const { return root / "program/bin"; }
    std::string SettingsFile() const { return root / "config/Korventa Systems/VDFlash.ini"; }
};
