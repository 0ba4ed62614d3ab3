// The top-level error handler: an exception escaping an event handler ends
// that action, its text is shown through the Platform, and the program goes
// on handling events.
#include "platform/recordingplatform.h"
#include "ui/application.h"

#include <QTest>
#include <QTimer>
#include <stdexcept>

namespace {

class Thrower : public QObject
{
public:
    int handled = 0;
    bool event(QEvent *e) override
    {
        if (e->type() == QEvent::User) {
            ++handled;
            throw std::runtime_error(
                "Cannot create file \"/ro/Preferences.ini\". Permission denied");
        }
        if (e->type() == QEvent::User + 1) {
            ++handled;
            return true;
        }
        return QObject::event(e);
    }
};

} // namespace

class TestApplication : public QObject
{
    Q_OBJECT
public:
    RecordingPlatform *platform = nullptr;

private slots:
    void exceptionShownAndProgramGoesOn()
    {
        QVERIFY(platform);
        Thrower t;
        QEvent failing(QEvent::User);
        QCoreApplication::sendEvent(&t, &failing);
        QCOMPARE(platform->messages.size(), 1);
        QCOMPARE(platform->messages[0].text,
                 QStringLiteral("Cannot create file \"/ro/Preferences.ini\". Permission denied"));
        QCOMPARE(platform->messages[0].icon, Platform::Icon::Error);

        // Posted events go through the same handler; the loop keeps running.
        QCoreApplication::postEvent(&t, new QEvent(QEvent::User));
        QCoreApplication::postEvent(&t, new QEvent(QEvent::Type(QEvent::User + 1)));
        QTRY_COMPARE(t.handled, 3);
        QCOMPARE(platform->messages.size(), 2);
    }

    void errorWhileShowingIsNotNested()
    {
        // A message box that itself raises an error does not open a second
        // box inside the first.
        Thrower t;
        const qsizetype before = platform->messages.size();
        platform->onMessage = [&t](const RecordingPlatform::Message &) {
            QEvent failing(QEvent::User);
            QCoreApplication::sendEvent(&t, &failing);
        };
        QEvent failing(QEvent::User);
        QCoreApplication::sendEvent(&t, &failing);
        platform->onMessage = nullptr;
        QCOMPARE(platform->messages.size(), before + 1);
    }
};

int main(int argc, char **argv)
{
    TApplication app(argc, argv);
    RecordingPlatform platform;
    app.setPlatform(&platform);
    TestApplication test;
    test.platform = &platform;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_application.moc"
