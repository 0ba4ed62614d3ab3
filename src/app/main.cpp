#include "platform/branding.h"
#include "preview/qtpreviewplayer.h"
#include "ui/aboutform.h"
#include "ui/application.h"
#include "ui/languages.h"
#include "ui/mainform.h"
#include "ui/processform.h"
#include "ui/settingform.h"
#include "ui/sizeform.h"
#include "ui/skin.h"
#include "ui/widgetplatform.h"

#include "platform/filenames.h"
#include "platform/systemprocesscontrol.h"
#include "platform/terminationsignals.h"
#include "settings/apppaths.h"
#include "settings/preferences.h"

#include <QComboBox>
#include <QTimer>
#include <exception>

namespace {

// Creates the windows, shows the main window and runs the event loop.
int Run(TApplication &app, WidgetPlatform &platform, int argc, char **argv)
{
    // SIGTERM and SIGINT close the windows, so the settings and the task
    // list are saved when the session ends or the terminal is interrupted;
    // a run in progress is stopped without a question and its partial
    // output removed. Until the main window has been shown only a message
    // box is closed: a window cannot be closed from within its own showing.
    TerminationSignals terminationSignals;
    TMainForm *form = nullptr;
    bool shown = false;
    bool closeRequested = false;
    QObject::connect(&terminationSignals, &TerminationSignals::received, &app, [&] {
        if (shown) {
            form->closeForSignal();
            QApplication::closeAllWindows();
            return;
        }
        closeRequested = true;
        if (QWidget *box = QApplication::activeModalWidget())
            box->close();
    });

    // The directory of the real executable, whatever link started it.
    AppPaths paths = AppPaths::forProgram(QCoreApplication::applicationDirPath());
    // The language, before any window: the setting's, else the desktop's.
    // A settings file that cannot be read is told of once the windows are up.
    QStringList ignored;
    const QString language =
        ChosenLanguage(ReadLanguage(paths.preferencesFile(), false, &ignored),
                       DesktopLanguage([](const char *name) { return qEnvironmentVariable(name); }),
                       paths.translationsDir());
    if (!InstallTranslations(app, language, paths.translationsDir()))
        qWarning("The translation of the language \"%s\" was not found in %s.",
                 qUtf8Printable(language), qUtf8Printable(paths.translationsDir()));
    const QStringList pathProblems = paths.prepareUserFiles();
    // The paths as the system gives them (Qt's own options were taken out
    // by the application): names that are not valid UTF-8 stay recognisable,
    // so that intake can tell the user about them.
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << DecodeFileName(QByteArray(argv[i]));

    // Suspends the encoders of a paused run; outlives the window's run.
    SystemProcessControl processControl;
    // The windows, in their creation order; the main window takes in the
    // command line once it is first shown.
    TMainForm mainForm(paths, platform, &QtPreviewPlayer::create, args);
    form = &mainForm;
    mainForm.setLanguage(language);
    platform.setOwner(&mainForm);
    TProcessForm processForm(&mainForm, &mainForm);
    TAboutForm aboutForm(&mainForm, platform, mainForm.versionText(), &mainForm);
    QStringList catalogue;
    for (int i = 0; i < mainForm.cmbProfile->count(); ++i)
        catalogue << mainForm.cmbProfile->itemData(i).toString();
    TSettingForm settingForm(&mainForm, paths, platform, catalogue, &mainForm);
    TSizeForm sizeForm(&mainForm, platform, &mainForm);
    mainForm.setAboutForm(&aboutForm);
    mainForm.setSettingForm(&settingForm);
    mainForm.setSizeForm(&sizeForm);
    mainForm.setProcessControl(&processControl);

    // Shown from the event loop, so that the messages of its first showing
    // are covered by the application's handler and a close requested
    // meanwhile ends the program.
    QTimer::singleShot(0, &mainForm, [&] {
        mainForm.show();
        shown = true;
        if (closeRequested) {
            mainForm.closeForSignal();
            QApplication::closeAllWindows();
            return;
        }
        if (!pathProblems.isEmpty())
            platform.messageBox(pathProblems.join(u'\n'),
                                QCoreApplication::translate("main", "Personal Settings"),
                                Platform::Icon::Warning);
        // Settings files the start could not use: the windows went on
        // without them; each error is shown once.
        QStringList errors = mainForm.takeStartupErrors() + settingForm.takeStartupErrors();
        errors.removeDuplicates();
        for (const QString &error : errors)
            app.ShowException(error);
        // Unfinished work of the last session, once the window is up.
        mainForm.RestoreSession();
    });
    return app.exec();
}

} // namespace

int main(int argc, char **argv)
{
    // Before anything else, so that a session that ends while the program
    // starts still finds it listening (see Run).
    TerminationSignals::installHandlers();
    TApplication app(argc, argv);
    // The desktop finds the program's entry (icon, taskbar) by this name.
    QGuiApplication::setDesktopFileName(Branding::DesktopEntry);
    WidgetPlatform platform;
    app.setPlatform(&platform);
    // The windows take the desktop's font and size.
    ApplySkin(app);

    // The top-level handler covers the start too: an error that ends it is
    // shown, and the program ends.
    try {
        return Run(app, platform, argc, argv);
    } catch (const std::exception &e) {
        app.ShowException(QString::fromUtf8(e.what()));
    } catch (...) {
        app.ShowException(QCoreApplication::translate("main", "Unknown error."));
    }
    return 1;
}
