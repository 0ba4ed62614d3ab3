#include "engine/tasktext.h"
#include "platform/recordingplatform.h"
#include "ui/mainform.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString appDir = AddBackslash(QCoreApplication::applicationDirPath());
    RecordingPlatform platform; // replaced by the real one with the windows
    TMainForm form(appDir, platform);
    form.show();
    return app.exec();
}
