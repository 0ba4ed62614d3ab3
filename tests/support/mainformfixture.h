#pragma once

#include "platform/recordingplatform.h"
#include "platform/systemprocesscontrol.h"
#include "settings/apppaths.h"
#include "testsupport.h"

#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <optional>

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
        // The installed layout: dir holds the shipped files, home the user's
        // (config/Quivercast, data/Quivercast/Profiles, Videos).
        bool installed = false;
        // The media reader beside the program, which then probes with it.
        bool withProbeHelper = false;
        // Each output checked after converting (the General page's box); by
        // default only when the real encoder writes them: the stand-in's
        // outputs are no videos.
        std::optional<bool> checkOutputs;
    };

    explicit MainFormFixture(const QStringList &args = {});
    // prepare runs when the files are laid out, before the user's files are
    // prepared and the windows created.
    MainFormFixture(const QStringList &args, const Options &options,
                    const std::function<void(MainFormFixture &)> &prepare = {});
    ~MainFormFixture();

    // Shows the main window (first showing: preferences and profile load)
    // and waits until it is laid out.
    void show();
    // Waits until the intake under way has added its rows and every probe
    // has ended (fails the test after a minute).
    void waitForIntake();
    // Waits until the run under way has ended (fails the test after two
    // minutes).
    void waitForRun();

    testsupport::ProgramDir dir;
    QTemporaryDir home;
    AppPaths paths;
    QStringList pathProblems; // what preparing the user's files reported
    RecordingPlatform platform;
    // The system's, as the program has it: Pause suspends real encoders.
    SystemProcessControl processControl;
    RecordingPlayer *player = nullptr; // the preview's graph once created
    std::unique_ptr<TMainForm> form;
    std::unique_ptr<TProcessForm> processForm;
    std::unique_ptr<TAboutForm> aboutForm;
    std::unique_ptr<TSettingForm> settingForm;
    std::unique_ptr<TSizeForm> sizeForm;

    // A minimal profile: one free video parameter, output type as given.
    static void writeProfile(const QString &path, const QString &type);
};
