#pragma once

#include "engine/runhost.h"

#include <QString>
#include <functional>

class AppPaths;
class QLineEdit;
class TSettingForm;

// What the run reads from the main window, at the moment it needs it: the
// output path box, the extension of the profile last loaded, and the
// choices of the settings dialog (their defaults until the dialog is there).
class TWindowRunHost : public RunHost
{
public:
    // closeWindow closes the main window without asking about the run.
    TWindowRunHost(const AppPaths &paths, std::function<void()> closeWindow);

    void setOutputPathBox(const QLineEdit *box) { m_outputPath = box; }
    void setSettingForm(const TSettingForm *form) { m_settingForm = form; }
    void setOutputExtension(const QString &extension) { m_outputExt = extension; }

    QString outputDirectory() const override;
    QString outputExtension() const override { return m_outputExt; }
    bool overwrite() const override;
    bool skipExisting() const override;
    bool verifyOutputs() const override;
    bool trashSources() const override;
    bool autoOpenDir() const override;
    bool autoExit() const override;
    bool autoTurnOff() const override;
    bool rewritesProfile(const QString &profilePath) const override;
    void closeMainWindow() override;

private:
    const AppPaths &m_paths;
    std::function<void()> m_closeWindow;
    const QLineEdit *m_outputPath = nullptr;
    const TSettingForm *m_settingForm = nullptr;
    QString m_outputExt;
};
