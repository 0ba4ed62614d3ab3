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
#include "platform/filenames.h"

#include <QComboBox>

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

    const QString appDir = AddBackslash(QCoreApplication::applicationDirPath());
    // The paths as the system gives them (Qt's own options were taken out
    // by the application): names that are not valid UTF-8 stay recognisable,
    // so that intake can tell the user about them.
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << DecodeFileName(QByteArray(argv[i]));

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
    return app.exec();
}
