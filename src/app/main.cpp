#include "preview/qtpreviewplayer.h"
#include "ui/aboutform.h"
#include "ui/application.h"
#include "ui/mainform.h"
#include "ui/processform.h"
#include "ui/settingform.h"
#include "ui/sizeform.h"
#include "ui/skin.h"
#include "ui/widgetplatform.h"

#include "engine/tasktext.h"

#include <QComboBox>
#include <exception>

namespace {

// Creates the windows, shows the main window and runs the event loop.
int Run(TApplication &app, WidgetPlatform &platform)
{
    const QString appDir = AddBackslash(QCoreApplication::applicationDirPath());
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();

    // The windows, in their creation order; the main window takes in the
    // command line while it is created.
    TMainForm mainForm(appDir, platform, &QtPreviewPlayer::create, args);
    platform.setOwner(&mainForm);
    TProcessForm processForm(&mainForm, &mainForm);
    TAboutForm aboutForm(&mainForm, platform, mainForm.versionText(), &mainForm);
    QStringList catalogue;
    for (int i = 0; i < mainForm.cmbProfile->count(); ++i)
        catalogue << mainForm.cmbProfile->itemText(i);
    TSettingForm settingForm(&mainForm, appDir, platform, catalogue, &mainForm);
    TSizeForm sizeForm(&mainForm, platform, &mainForm);
    mainForm.setAboutForm(&aboutForm);
    mainForm.setSettingForm(&settingForm);
    mainForm.setSizeForm(&sizeForm);

    mainForm.show();
    // Settings files the start could not use: the windows went on without
    // them; each error is shown once.
    QStringList errors = mainForm.takeStartupErrors() + settingForm.takeStartupErrors();
    errors.removeDuplicates();
    for (const QString &error : errors)
        app.ShowException(error);
    return app.exec();
}

} // namespace

int main(int argc, char **argv)
{
    TApplication app(argc, argv);
    WidgetPlatform platform;
    app.setPlatform(&platform);
    // The program's default font: 8 points at 96 dots per inch. Set on the
    // application so that it reaches every window under the skin's style
    // sheet, which does not pass a window's own font on to its children.
    QFont font = QApplication::font();
    font.setPixelSize(11);
    QApplication::setFont(font);
    ApplySkin(app);

    // The top-level handler covers the start too: an error that ends it is
    // shown, and the program ends.
    try {
        return Run(app, platform);
    } catch (const std::exception &e) {
        app.ShowException(QString::fromUtf8(e.what()));
    } catch (...) {
        app.ShowException(QStringLiteral("Unknown error."));
    }
    return 1;
}
