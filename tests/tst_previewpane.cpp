#include "preview/dstrackbar.h"
#include "preview/edirectshowexception.h"
#include "preview/previewpane.h"
#include "preview/previewplayer.h"
#include "preview/videowindow.h"
#include "support/fakepreviewplayer.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QStyleOptionSlider>
#include <QTest>
#include <QToolButton>
#include <QVideoWidget>

// The application's top-level handler in small: exceptions escaping an event
// handler are caught and their texts kept.
class CatchingApplication : public QApplication
{
public:
    using QApplication::QApplication;
    bool notify(QObject *receiver, QEvent *event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception &e) {
            caught << QString::fromStdString(e.what());
            return false;
        }
    }
    QStringList caught;
};

using FakePlayer = FakePreviewPlayer;

// A pane with a fake player factory that remembers what it made.
struct Rig
{
    Rig() : pane(fakes.factory())
    {
        pane.resize(190, 177);
        pane.show();
    }
    FakePreviewPlayerFactory fakes;
    int &made = fakes.made;
    FakePlayer *&player = fakes.last;
    std::function<void(FakePlayer &)> &configure = fakes.configure;
    TPreviewPane pane;
    QVideoWidget *rendererGiven() const { return player ? player->renderer() : nullptr; }
};

QString playAndCatch(TPreviewPane &pane, const QString &path)
{
    try {
        pane.PlaySelected(path);
    } catch (const EDirectShowException &e) {
        return QString::fromStdString(e.what());
    }
    return {};
}

// Presses the left button on the bar's handle, drags it to the given value
// and releases it there.
void dragBarTo(TDSTrackBar *bar, int value)
{
    QStyleOptionSlider opt;
    opt.initFrom(bar);
    opt.orientation = bar->orientation();
    opt.minimum = bar->minimum();
    opt.maximum = bar->maximum();
    opt.sliderPosition = bar->sliderPosition();
    opt.sliderValue = bar->value();
    opt.tickPosition = bar->tickPosition();
    opt.tickInterval = bar->tickInterval();
    opt.subControls = QStyle::SC_All;
    const QRect handle =
        bar->style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, bar);
    const QRect groove =
        bar->style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderGroove, bar);
    const int span = groove.width() - handle.width();
    const int x = groove.x() + handle.width() / 2 +
                  QStyle::sliderPositionFromValue(bar->minimum(), bar->maximum(), value, span);
    const QPoint from = handle.center();
    const QPoint to(x, from.y());
    auto send = [bar](QEvent::Type type, QPoint at, Qt::MouseButton button,
                      Qt::MouseButtons buttons) {
        QMouseEvent e(type, at, bar->mapToGlobal(at), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(bar, &e);
    };
    send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
}

class TestPreviewPane : public QObject
{
    Q_OBJECT
private slots:
    void startsIdleWithItsControls()
    {
        Rig rig;
        TPreviewPane &p = rig.pane;
        QCOMPARE(p.objectName(), QStringLiteral("panPreview"));
        QCOMPARE(p.labPreviewTime->text(), QStringLiteral("00:00:00"));
        QCOMPARE(p.TrackBar->minimum(), 0);
        QCOMPARE(p.TrackBar->maximum(), 10);
        QCOMPARE(p.TrackBar->value(), 0);
        QCOMPARE(p.TrackBar->tickPosition(), QSlider::TicksAbove);
        QCOMPARE(p.TrackBar->tickInterval(), 1);
        QCOMPARE(p.sbtnPlay->toolTip(), QStringLiteral("Play"));
        QCOMPARE(p.sbtnPause->toolTip(), QStringLiteral("Pause / Resume"));
        QCOMPARE(p.sbtnStop->toolTip(), QStringLiteral("Stop"));
        QCOMPARE(p.Image1->size(), QSize(136, 63));
        QVERIFY(p.Image1->isVisible());
        // The still picture sits in the middle of the black area above the
        // 54-pixel button strip.
        QCOMPARE(p.VideoWindow1->geometry(), QRect(0, 0, 190, 177 - 54));
        QCOMPARE(p.Image1->geometry().center(), p.VideoWindow1->rect().center());

        // Play asks the window, which decides what to play; nothing is
        // created by the buttons of an idle pane.
        QSignalSpy playRequests(&p, &TPreviewPane::playRequested);
        QTest::mouseClick(p.sbtnPlay, Qt::LeftButton);
        QCOMPARE(playRequests.count(), 1);
        QTest::mouseClick(p.sbtnPause, Qt::LeftButton);
        QTest::mouseClick(p.sbtnStop, Qt::LeftButton);
        p.stopPlayback();
        QCOMPARE(rig.made, 0);
        QCOMPARE(p.player(), nullptr);
        QVERIFY(!p.TrackBar->timerRunning());
    }

    void videoAreaStaysBlackUnderAnyPalette()
    {
        Rig rig;
        // A skin may hand the area a light palette of its own.
        QPalette light = rig.pane.VideoWindow1->palette();
        light.setColor(QPalette::Window, Qt::white);
        light.setColor(QPalette::Base, Qt::white);
        rig.pane.VideoWindow1->setPalette(light);
        const QImage shot = rig.pane.VideoWindow1->grab().toImage();
        QCOMPARE(shot.pixelColor(1, 1), QColor(Qt::black));
        QCOMPARE(shot.pixelColor(shot.width() - 2, shot.height() - 2), QColor(Qt::black));
        // The still picture is drawn in the middle.
        QVERIFY(shot.pixelColor(shot.rect().center()) != QColor(Qt::black));
    }

    void graphIsCreatedOnceAndReusedPerFile()
    {
        Rig rig;
        rig.pane.PlaySelected(QStringLiteral("/v/a.avi"));
        QCOMPARE(rig.made, 1);
        QVERIFY(rig.rendererGiven());
        QVERIFY(rig.pane.VideoWindow1->isAncestorOf(rig.rendererGiven()));
        FakePlayer *first = rig.player;
        QCOMPARE(first->calls, (QStringList{"stop", "clear", "open:/v/a.avi", "play"}));

        // Another row while the first plays: the same graph, emptied, plays
        // the new file from its start.
        first->calls.clear();
        rig.pane.PlaySelected(QStringLiteral("/v/b.mpg"));
        QCOMPARE(rig.made, 1);
        QCOMPARE(rig.player, first);
        QCOMPARE(first->calls, (QStringList{"stop", "clear", "open:/v/b.mpg", "play"}));
        QVERIFY(rig.pane.TrackBar->timerRunning());
    }

    void videoCoversTheStillPictureOnlyWhenThereIsOne()
    {
        Rig rig;
        rig.pane.PlaySelected(QStringLiteral("/v/a.avi"));
        QVERIFY(rig.pane.VideoWindow1->videoShown());
        QCOMPARE(rig.rendererGiven()->geometry(), rig.pane.VideoWindow1->rect());
        // The renderer follows the area's size.
        rig.pane.resize(250, 200);
        QTRY_COMPARE(rig.rendererGiven()->geometry(), rig.pane.VideoWindow1->rect());

        // A file without a picture leaves the still picture uncovered.
        rig.player->video = false;
        rig.pane.PlaySelected(QStringLiteral("/v/sound.avi"));
        QVERIFY(!rig.pane.VideoWindow1->videoShown());
        QVERIFY(rig.pane.Image1->isVisible());
    }

    void failedOpenIsReportedAndTheNextFilePlays()
    {
        Rig rig;
        rig.configure = [](FakePlayer &f) { f.rejected << QStringLiteral("/v/broken.avi"); };
        const QString message = playAndCatch(rig.pane, QStringLiteral("/v/broken.avi"));
        QCOMPARE(message, QStringLiteral("Cannot play back the file.  The format is not supported. "
                                         "($80040265)."));
        // Nothing plays: no play after the failed open, no timer, no picture.
        QCOMPARE(rig.player->calls, (QStringList{"stop", "clear", "open:/v/broken.avi"}));
        QVERIFY(!rig.pane.TrackBar->timerRunning());
        QVERIFY(!rig.pane.VideoWindow1->videoShown());

        rig.player->calls.clear();
        QCOMPARE(playAndCatch(rig.pane, QStringLiteral("/v/good.avi")), QString());
        QCOMPARE(rig.player->calls, (QStringList{"stop", "clear", "open:/v/good.avi", "play"}));
        QVERIFY(rig.pane.TrackBar->timerRunning());
        QCOMPARE(rig.made, 1);
    }

    void errorMessageFormat_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("expected");
        QTest::newRow("small code") << "Resource not found." << 1 << "Resource not found. ($1).";
        QTest::newRow("hex letters") << "Bad" << 0xabc << "Bad ($abc).";
        QTest::newRow("long text cut to 255")
            << QString(300, u'e') << 2 << QString(255, u'e') + " ($2).";
    }
    void errorMessageFormat()
    {
        QFETCH(QString, text);
        QFETCH(int, code);
        QFETCH(QString, expected);
        Rig rig;
        rig.configure = [&](FakePlayer &f) {
            f.rejected << QStringLiteral("/v/x.avi");
            f.rejectText = text;
            f.rejectCode = code;
        };
        QCOMPARE(playAndCatch(rig.pane, QStringLiteral("/v/x.avi")), expected);
    }

    void pauseInEveryState()
    {
        Rig rig;
        TPreviewPane &p = rig.pane;
        // Not yet active: nothing, and no graph is made.
        p.sbtnPauseClick();
        QCOMPARE(rig.made, 0);

        p.PlaySelected(QStringLiteral("/v/a.avi"));
        FakePlayer *f = rig.player;
        f->calls.clear();
        // Playing pauses; the bar stops following.
        QTest::mouseClick(p.sbtnPause, Qt::LeftButton);
        QCOMPARE(f->calls, QStringList{"pause"});
        QCOMPARE(f->state(), PreviewPlayer::State::Paused);
        QVERIFY(!p.TrackBar->timerRunning());
        // Paused plays on.
        QTest::mouseClick(p.sbtnPause, Qt::LeftButton);
        QCOMPARE(f->calls, (QStringList{"pause", "play"}));
        QVERIFY(p.TrackBar->timerRunning());
        // Stopped: nothing; only Play starts again.
        QTest::mouseClick(p.sbtnStop, Qt::LeftButton);
        QCOMPARE(f->calls, (QStringList{"pause", "play", "stop"}));
        QTest::mouseClick(p.sbtnPause, Qt::LeftButton);
        QCOMPARE(f->calls, (QStringList{"pause", "play", "stop"}));
        QCOMPARE(f->state(), PreviewPlayer::State::Stopped);
        QVERIFY(!p.TrackBar->timerRunning());
    }

    void barAndLabelFollowPlaybackInWholeSeconds()
    {
        Rig rig;
        rig.configure = [](FakePlayer &f) {
            f.dur = 125900; // 2 min 5.9 s
            f.pos = 10500;
        };
        rig.pane.PlaySelected(QStringLiteral("/v/a.avi"));
        // The bar's own timer does the work, once a second.
        QTRY_COMPARE_WITH_TIMEOUT(rig.pane.labPreviewTime->text(), QStringLiteral("00:00:10"),
                                  3000);
        QCOMPARE(rig.pane.TrackBar->maximum(), 125);
        QCOMPARE(rig.pane.TrackBar->value(), 10);

        rig.player->pos = 3723900;
        rig.player->dur = 7200000;
        rig.pane.TrackBar->tick();
        QCOMPARE(rig.pane.labPreviewTime->text(), QStringLiteral("01:02:03"));
        QCOMPARE(rig.pane.TrackBar->maximum(), 7200);
    }

    void tickSkippedWhenTheReadFailsOrTheBarIsHeld()
    {
        Rig rig;
        rig.configure = [](FakePlayer &f) {
            f.dur = 60000;
            f.pos = 20000;
        };
        rig.pane.PlaySelected(QStringLiteral("/v/a.avi"));
        TDSTrackBar *bar = rig.pane.TrackBar;
        bar->tick();
        QCOMPARE(bar->value(), 20);

        rig.player->dur = -1; // the length cannot be read
        rig.player->pos = 30000;
        bar->tick();
        QCOMPARE(bar->value(), 20);
        QCOMPARE(rig.pane.labPreviewTime->text(), QStringLiteral("00:00:20"));

        rig.player->dur = 60000;
        const QPoint at = bar->rect().center();
        QMouseEvent press(QEvent::MouseButtonPress, at, bar->mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(bar, &press);
        QVERIFY(bar->dragging());
        const int held = bar->value();
        rig.player->pos = 45000;
        bar->tick();
        QCOMPARE(bar->value(), held);
        QMouseEvent release(QEvent::MouseButtonRelease, at, bar->mapToGlobal(at), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(bar, &release);
        QVERIFY(!bar->dragging());
        bar->tick();
        QCOMPARE(bar->value(), 45);
    }

    void draggingToTheMiddleSeeksToTheMiddle()
    {
        Rig rig;
        rig.configure = [](FakePlayer &f) {
            f.dur = 120000;
            f.pos = 5000;
        };
        rig.pane.PlaySelected(QStringLiteral("/v/a.avi"));
        rig.pane.TrackBar->tick();
        QCOMPARE(rig.pane.TrackBar->maximum(), 120);
        rig.player->calls.clear();
        dragBarTo(rig.pane.TrackBar, 60);
        QCOMPARE(rig.pane.TrackBar->value(), 60);
        QCOMPARE(rig.player->calls, QStringList{"seek:60000"});
        QVERIFY(!rig.pane.TrackBar->dragging());
    }

    void seekRoundsDownInMilliseconds()
    {
        Rig rig;
        rig.configure = [](FakePlayer &f) { f.dur = 10999; };
        rig.pane.PlaySelected(QStringLiteral("/v/a.avi"));
        rig.pane.TrackBar->tick();
        QCOMPARE(rig.pane.TrackBar->maximum(), 10);
        rig.player->calls.clear();
        dragBarTo(rig.pane.TrackBar, 3);
        // 10999 x 3 / 10, in whole milliseconds.
        QCOMPARE(rig.player->calls, QStringList{"seek:3299"});
    }

    void draggingABarWithoutLengthSeeksToTheStart()
    {
        Rig rig;
        rig.configure = [](FakePlayer &f) {
            f.dur = 800; // shorter than one second: the bar's maximum is 0
            f.pos = 400;
        };
        rig.pane.PlaySelected(QStringLiteral("/v/short.avi"));
        rig.pane.TrackBar->tick();
        QCOMPARE(rig.pane.TrackBar->maximum(), 0);
        rig.player->calls.clear();
        dragBarTo(rig.pane.TrackBar, 0);
        QCOMPARE(rig.player->calls, QStringList{"seek:0"});
    }

    void keyboardMovesDoNotSeek()
    {
        Rig rig;
        rig.configure = [](FakePlayer &f) {
            f.dur = 120000;
            f.pos = 30000;
        };
        rig.pane.PlaySelected(QStringLiteral("/v/a.avi"));
        TDSTrackBar *bar = rig.pane.TrackBar;
        bar->tick();
        rig.player->calls.clear();
        bar->setFocus();
        QTest::keyClick(bar, Qt::Key_Right);
        QTest::keyClick(bar, Qt::Key_End);
        QCOMPARE(bar->value(), 120);
        QCOMPARE(rig.player->calls, QStringList{});
        // The next tick puts the bar back at the playing position.
        bar->tick();
        QCOMPARE(bar->value(), 30);
    }

    void timerRunsExactlyWhilePlaying()
    {
        Rig rig;
        TPreviewPane &p = rig.pane;
        QVERIFY(!p.TrackBar->timerRunning());
        p.PlaySelected(QStringLiteral("/v/a.avi"));
        QVERIFY(p.TrackBar->timerRunning());
        p.sbtnPauseClick();
        QVERIFY(!p.TrackBar->timerRunning());
        p.sbtnPauseClick();
        QVERIFY(p.TrackBar->timerRunning());
        p.sbtnStopClick();
        QVERIFY(!p.TrackBar->timerRunning());
        p.PlaySelected(QStringLiteral("/v/a.avi"));
        QVERIFY(p.TrackBar->timerRunning());

        // A bar switched off does not follow playback.
        p.TrackBar->setEnabled(false);
        p.PlaySelected(QStringLiteral("/v/b.avi"));
        QVERIFY(!p.TrackBar->timerRunning());
        QCOMPARE(rig.player->state(), PreviewPlayer::State::Playing);
    }

    void batchRunStopsThePreview()
    {
        Rig rig;
        rig.pane.PlaySelected(QStringLiteral("/v/a.avi"));
        rig.player->calls.clear();
        rig.pane.stopPlayback();
        QCOMPARE(rig.player->calls, QStringList{"stop"});
        QCOMPARE(rig.player->state(), PreviewPlayer::State::Stopped);
        QVERIFY(!rig.pane.TrackBar->timerRunning());
        // The buttons stay usable: Play previews again during the run.
        rig.pane.PlaySelected(QStringLiteral("/v/b.avi"));
        QCOMPARE(rig.player->state(), PreviewPlayer::State::Playing);
    }

    void failureWhilePlayingReachesTheTopLevelHandler()
    {
        auto *app = static_cast<CatchingApplication *>(qApp);
        app->caught.clear();
        Rig rig;
        rig.pane.PlaySelected(QStringLiteral("/v/a.avi"));
        rig.player->fail(QStringLiteral("Internal data stream error."), 1);
        // The timer stops at once; the message follows once control is back
        // in the event loop, and only once.
        QVERIFY(!rig.pane.TrackBar->timerRunning());
        QVERIFY(app->caught.isEmpty());
        rig.player->fail(QStringLiteral("Internal data stream error."), 1);
        QTRY_COMPARE(app->caught, QStringList{"Internal data stream error. ($1)."});
        QTest::qWait(50);
        QCOMPARE(app->caught.size(), 1);
        // The pane goes on working.
        rig.pane.PlaySelected(QStringLiteral("/v/b.avi"));
        QVERIFY(rig.pane.TrackBar->timerRunning());
    }

    void requestDuringAnOpenIsDropped()
    {
        Rig rig;
        rig.configure = [&rig](FakePlayer &f) {
            f.duringOpen = [&rig] {
                rig.player->duringOpen = nullptr;
                rig.pane.PlaySelected(QStringLiteral("/v/other.avi"));
            };
        };
        rig.pane.PlaySelected(QStringLiteral("/v/a.avi"));
        QCOMPARE(rig.player->calls, (QStringList{"stop", "clear", "open:/v/a.avi", "play"}));
    }

    void graphIsReleasedWithThePaneBeforeItsVideoArea()
    {
        bool released = false;
        bool rendererAlive = false;
        {
            Rig rig;
            rig.configure = [&](FakePlayer &f) {
                f.releasedFlag = &released;
                f.rendererAliveAtRelease = &rendererAlive;
            };
            rig.pane.PlaySelected(QStringLiteral("/v/a.avi"));
            QVERIFY(!released);
        }
        QVERIFY(released);
        QVERIFY(rendererAlive);
    }
};

int main(int argc, char **argv)
{
    CatchingApplication app(argc, argv);
    TestPreviewPane test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_previewpane.moc"
