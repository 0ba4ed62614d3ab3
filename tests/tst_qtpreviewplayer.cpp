#include "preview/dstrackbar.h"
#include "preview/edirectshowexception.h"
#include "preview/previewpane.h"
#include "preview/qtpreviewplayer.h"
#include "preview/videowindow.h"
#include "support/testsupport.h"

#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QVideoWidget>

// The preview player on the real media framework, with clips made by the
// encoder at test time. Skipped, with the reason, where nothing can play.
class TestQtPreviewPlayer : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString m_clip3; // 3 s, picture and sound
    QString m_clip1; // 1 s
    QString m_noPlayback;

    QString writeFile(const QString &name, const QByteArray &bytes)
    {
        QFile f(m_dir.filePath(name));
        if (!f.open(QIODevice::WriteOnly))
            return {};
        f.write(bytes);
        return f.fileName();
    }

#define REQUIRE_PLAYBACK()                                                                         \
    if (!m_noPlayback.isEmpty())                                                                   \
    QSKIP(qPrintable(m_noPlayback))

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_clip3 = testsupport::makeStandardClip(m_dir.filePath("three.avi"), 3);
        m_clip1 = testsupport::makeStandardClip(m_dir.filePath("one.avi"), 1);
        QVERIFY(!m_clip3.isEmpty());
        QVERIFY(!m_clip1.isEmpty());

        QMediaPlayer probe;
        if (!probe.isAvailable()) {
            m_noPlayback = QStringLiteral("no media playback backend is available");
            return;
        }
        // A good clip that does not open means the framework lacks its
        // plugins here; that is the machine, not the player.
        QtPreviewPlayer player(nullptr);
        if (!player.open(m_clip3))
            m_noPlayback = QStringLiteral("the media framework cannot open a generated clip: ") +
                           player.errorText();
        if (!m_noPlayback.isEmpty())
            qWarning("%s", qPrintable(m_noPlayback));
    }

    void generatedClipPlaysAndItsPositionAdvances()
    {
        REQUIRE_PLAYBACK();
        QVideoWidget video;
        video.resize(190, 123);
        video.show();
        QtPreviewPlayer player(&video);
        QSignalSpy opened(&player, &PreviewPlayer::opened);
        QVERIFY(player.open(m_clip3));
        QCOMPARE(opened.count(), 1);
        QVERIFY(player.hasVideo());
        QVERIFY2(qAbs(player.duration() - 3000) <= 150,
                 qPrintable(QString::number(player.duration())));
        // Full volume, sound on, normal speed.
        QCOMPARE(player.audioOutput()->volume(), 1.0f);
        QVERIFY(!player.audioOutput()->isMuted());
        QCOMPARE(player.mediaPlayer()->playbackRate(), 1.0);
        QCOMPARE(player.mediaPlayer()->audioOutput(), player.audioOutput());

        player.play();
        QCOMPARE(player.state(), PreviewPlayer::State::Playing);
        QTRY_COMPARE(player.mediaPlayer()->playbackState(), QMediaPlayer::PlayingState);
        QTRY_VERIFY_WITH_TIMEOUT(player.position() >= 300, 5000);
        const qint64 first = player.position();
        QTRY_VERIFY_WITH_TIMEOUT(player.position() >= first + 300, 5000);
        QCOMPARE(player.errorCode(), 0);

        // Pause holds the picture and the position; resume goes on.
        player.pause();
        QCOMPARE(player.state(), PreviewPlayer::State::Paused);
        QTRY_COMPARE(player.mediaPlayer()->playbackState(), QMediaPlayer::PausedState);
        const qint64 held = player.position();
        QTest::qWait(500);
        QVERIFY(qAbs(player.position() - held) < 100);
        player.play();
        QTRY_VERIFY_WITH_TIMEOUT(player.position() >= held + 200, 5000);

        player.stop();
        QCOMPARE(player.state(), PreviewPlayer::State::Stopped);
        QTRY_COMPARE(player.mediaPlayer()->playbackState(), QMediaPlayer::StoppedState);
    }

    void seekMovesPlayback()
    {
        REQUIRE_PLAYBACK();
        QtPreviewPlayer player(nullptr);
        QVERIFY(player.open(m_clip3));
        player.play();
        QTRY_VERIFY_WITH_TIMEOUT(player.position() > 0, 5000);
        player.seek(2000);
        QTRY_VERIFY_WITH_TIMEOUT(player.position() >= 2000, 3000);
        QCOMPARE(player.state(), PreviewPlayer::State::Playing);
    }

    void endOfFileKeepsPlayingStateAtTheEnd()
    {
        REQUIRE_PLAYBACK();
        QtPreviewPlayer player(nullptr);
        QVERIFY(player.open(m_clip1));
        player.play();
        QTRY_COMPARE_WITH_TIMEOUT(player.mediaPlayer()->mediaStatus(), QMediaPlayer::EndOfMedia,
                                  5000);
        // Nothing is attached to the end: still playing, at the end.
        QCOMPARE(player.state(), PreviewPlayer::State::Playing);
        QCOMPARE(player.position(), player.duration());
        QVERIFY(player.duration() > 0);
        // Pause / Resume keeps toggling there.
        player.pause();
        QCOMPARE(player.state(), PreviewPlayer::State::Paused);
        QCOMPARE(player.position(), player.duration());
        player.play();
        QCOMPARE(player.state(), PreviewPlayer::State::Playing);
        // Going back plays on from the chosen time.
        player.seek(200);
        QTRY_COMPARE(player.mediaPlayer()->playbackState(), QMediaPlayer::PlayingState);
        QTRY_VERIFY_WITH_TIMEOUT(player.position() > 200 && player.position() < player.duration(),
                                 3000);
    }

    void rejectedFilesGiveAnErrorAndTheNextFilePlays_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes"); // empty: the file does not exist
        QTest::newRow("text named .avi") << "text.avi" << QByteArray(5000, 'x');
        QTest::newRow("empty file") << "empty.mpg" << QByteArray("");
        QTest::newRow("deleted source") << "gone.avi" << QByteArray();
        QTest::newRow("truncated header") << "cut.avi" << QByteArray("RIFF\x10\0\0\0AVI LIST", 16);
    }
    void rejectedFilesGiveAnErrorAndTheNextFilePlays()
    {
        REQUIRE_PLAYBACK();
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        const QString path = bytes.isNull() ? m_dir.filePath(name) : writeFile(name, bytes);
        QVERIFY(!path.isEmpty());

        QtPreviewPlayer player(nullptr);
        // A file played before must not hide the failure of the next one.
        QVERIFY(player.open(m_clip1));
        QSignalSpy opened(&player, &PreviewPlayer::opened);
        QSignalSpy failed(&player, &PreviewPlayer::failed);
        player.setOpenWaitMs(3000); // a damaged file may keep the framework busy
        QVERIFY(!player.open(path));
        QVERIFY(player.errorCode() != 0);
        QVERIFY(!player.errorText().trimmed().isEmpty());
        QCOMPARE(opened.count(), 0);
        QCOMPARE(failed.count(), 0); // reported by open() itself

        // The failed file's leftovers do not spoil the next open.
        player.setOpenWaitMs(QtPreviewPlayer::DefaultOpenWaitMs);
        QVERIFY2(player.open(m_clip3), qPrintable(player.errorText()));
        QCOMPARE(player.errorCode(), 0);
        player.play();
        QTRY_VERIFY_WITH_TIMEOUT(player.position() > 0, 5000);
        QTest::qWait(200);
        QCOMPARE(failed.count(), 0);
        QCOMPARE(player.state(), PreviewPlayer::State::Playing);
    }

    void containersOfTheFileDialogPlay_data()
    {
        QTest::addColumn<QString>("ext");
        for (const char *ext : {"avi", "mpg", "mpeg", "mp4", "wmv", "mov", "vob", "asf"})
            QTest::newRow(ext) << QString::fromLatin1(ext);
    }
    void containersOfTheFileDialogPlay()
    {
        REQUIRE_PLAYBACK();
        QFETCH(QString, ext);
        const QString clip = testsupport::makeStandardClip(m_dir.filePath("c." + ext), 1);
        QVERIFY(!clip.isEmpty());
        QtPreviewPlayer player(nullptr);
        QVERIFY2(player.open(clip), qPrintable(player.errorText()));
        QVERIFY(player.hasVideo());
        QVERIFY(player.duration() > 500);
        player.play();
        QTRY_VERIFY_WITH_TIMEOUT(player.position() > 0, 5000);
        QCOMPARE(player.errorCode(), 0);
    }

    void fileNotLoadedInTimeIsRejected()
    {
        REQUIRE_PLAYBACK();
        // Loading a clip takes the framework far longer than a millisecond.
        QtPreviewPlayer player(nullptr);
        player.setOpenWaitMs(1);
        QSignalSpy opened(&player, &PreviewPlayer::opened);
        QSignalSpy failed(&player, &PreviewPlayer::failed);
        QVERIFY(!player.open(m_clip3));
        QCOMPARE(player.errorCode(), int(QMediaPlayer::ResourceError));
        QVERIFY2(player.errorText().contains(QStringLiteral("could not be opened within")),
                 qPrintable(player.errorText()));
        // The abandoned load reports nothing later.
        QTest::qWait(700);
        QCOMPARE(opened.count(), 0);
        QCOMPARE(failed.count(), 0);
        QCOMPARE(player.state(), PreviewPlayer::State::Stopped);

        player.setOpenWaitMs(QtPreviewPlayer::DefaultOpenWaitMs);
        QVERIFY2(player.open(m_clip3), qPrintable(player.errorText()));
        QCOMPARE(opened.count(), 1);
        player.play();
        QTRY_VERIFY_WITH_TIMEOUT(player.position() > 0, 5000);
        QCOMPARE(failed.count(), 0);
    }

    void paneShowsARejectedFileAndPlaysTheNext()
    {
        REQUIRE_PLAYBACK();
        TPreviewPane pane(&QtPreviewPlayer::create);
        pane.resize(190, 177);
        pane.show();
        const QString bad = writeFile("pane.avi", QByteArray(5000, 'z'));
        QString message;
        try {
            pane.PlaySelected(bad);
        } catch (const EDirectShowException &e) {
            message = QString::fromStdString(e.what());
        }
        QVERIFY2(message.endsWith(QStringLiteral(" ($%1).").arg(pane.player()->errorCode(), 0, 16)),
                 qPrintable(message));
        QVERIFY(message.size() > 6);
        QVERIFY(!pane.VideoWindow1->videoShown());

        pane.PlaySelected(m_clip3);
        QCOMPARE(pane.player()->state(), PreviewPlayer::State::Playing);
        QVERIFY(pane.VideoWindow1->videoShown());
        QTRY_COMPARE_WITH_TIMEOUT(pane.labPreviewTime->text(), QStringLiteral("00:00:01"), 4000);
        QCOMPARE(pane.TrackBar->maximum(), 3);
        pane.stopPlayback();
        QCOMPARE(pane.player()->state(), PreviewPlayer::State::Stopped);
    }
};

QTEST_MAIN(TestQtPreviewPlayer)
#include "tst_qtpreviewplayer.moc"
