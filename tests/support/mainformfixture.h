#pragma once

#include "platform/recordingplatform.h"
#include "testsupport.h"

#include <QStringList>
#include <functional>
#include <memory>

class RecordingPlayer;
class TAboutForm;
class TMainForm;
class TProcessForm;
class TSettingForm;
class TSizeForm;

// The program's windows in their start-up order, over a temporary program
// directory and a recording Platform, for tests of the main window.
class MainFormFixture
{
public:
    struct Options
    {
        QString encoder = testsupport::ffmpeg();
        bool withShippedProfiles = false;
        bool withPreferences = false;
        // Extra profiles written before the window is created: name -> type.
        QList<std::pair<QString, QString>> profiles;
        QString preferences; // content of Preferences.ini when not empty
        // Called with the program directory before the windows are created.
        std::function<void(const QString &)> prepare;
    };

    explicit MainFormFixture(const QStringList &args = {});
    MainFormFixture(const QStringList &args, const Options &options);
    ~MainFormFixture();

    // Shows the main window (first showing: preferences and profile load)
    // and waits until it is laid out.
    void show();

    testsupport::ProgramDir dir;
    RecordingPlatform platform;
    RecordingPlayer *player = nullptr; // the preview's graph once created
    std::unique_ptr<TMainForm> form;
    std::unique_ptr<TProcessForm> processForm;
    std::unique_ptr<TAboutForm> aboutForm;
    std::unique_ptr<TSettingForm> settingForm;
    std::unique_ptr<TSizeForm> sizeForm;

    // A minimal profile: one free video parameter, output type as given.
    static void writeProfile(const QString &path, const QString &type);
};
