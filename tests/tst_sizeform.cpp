#include "engine/commandline.h"
#include "platform/recordingplatform.h"
#include "settings/profilegrids.h"
#include "settings/profiles.h"
#include "settings/valuelistmodel.h"
#include "support/testsupport.h"
#include "ui/sizeform.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {
const QString CustomSize = QStringLiteral("Custom Size");
const QString OriginalSize = QStringLiteral("Original Size");
} // namespace

class TestSizeForm : public QObject
{
    Q_OBJECT

    QWidget *m_main = nullptr;
    RecordingPlatform *m_platform = nullptr;
    ValueListModel *m_video = nullptr;
    TSizeForm *m_form = nullptr;

    QString videoSize() const { return m_video->valueOf(QStringLiteral("Video Size")); }

    // What the main window does when "Custom Size" is chosen.
    void chooseCustomSize()
    {
        m_video->setGridValue(QStringLiteral("Video Size"), CustomSize);
        m_form->open();
    }

private slots:
    void init()
    {
        m_main = new QWidget;
        m_main->resize(798, 539);
        m_main->show();
        m_platform = new RecordingPlatform;
        m_video = new ValueListModel;
        m_video->appendRow(QStringLiteral("Video Codec"), QStringLiteral("MPEG-4"));
        m_video->appendRow(QStringLiteral("Video Size"), OriginalSize);
        m_video->setPickList(1, {OriginalSize, QStringLiteral("320x240"), CustomSize});
        m_form = new TSizeForm(m_main, *m_platform, m_main);
        m_form->setVideoGrid(m_video);
    }
    void cleanup()
    {
        delete m_main; // takes the dialog with it
        delete m_video;
        delete m_platform;
    }

    void layout()
    {
        QCOMPARE(m_form->windowTitle(), QStringLiteral("Video Size of output files"));
        QCOMPARE(m_form->size(), QSize(336, 106));
        QCOMPARE(m_form->edtWidth->width(), 81);
        QCOMPARE(m_form->edtHeight->width(), 97);
        QCOMPARE(m_form->btnOK->text(), QStringLiteral("&OK"));
        QCOMPARE(m_form->btnCancel->text(), QStringLiteral("&Cancel"));
        QVERIFY(m_form->edtWidth->text().isEmpty());
        QVERIFY(m_form->edtHeight->text().isEmpty());
        // Not a child of the main window, so disabling that leaves it usable.
        QVERIFY(m_form->parentWidget() == nullptr);
    }

    void okWritesTheSizeAsTyped_data()
    {
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("height");
        QTest::newRow("usual") << "720"
                               << "480";
        QTest::newRow("zero") << "0"
                              << "0";
        QTest::newRow("negative") << "-320"
                                  << "-1";
        QTest::newRow("leading zeros kept") << "0640"
                                            << "+480";
    }
    void okWritesTheSizeAsTyped()
    {
        QFETCH(QString, width);
        QFETCH(QString, height);
        chooseCustomSize();
        QVERIFY(m_form->isVisible());
        QVERIFY(!m_main->isEnabled());
        m_form->edtWidth->setText(width);
        m_form->edtHeight->setText(height);
        QTest::mouseClick(m_form->btnOK, Qt::LeftButton);
        QVERIFY(m_platform->messages.isEmpty());
        QCOMPARE(videoSize(), width + u'x' + height);
        QVERIFY(!m_form->isVisible());
        QVERIFY(m_main->isEnabled());
    }

    void badWidth_data()
    {
        QTest::addColumn<QString>("width");
        QTest::newRow("empty") << "";
        QTest::newRow("letters") << "wide";
        QTest::newRow("fraction") << "640.5";
        QTest::newRow("blank") << " 640";
        QTest::newRow("hex") << "0x280";
        QTest::newRow("sign only") << "-";
        QTest::newRow("too large") << "99999999999";
        QTest::newRow("size text") << "640x480";
    }
    void badWidth()
    {
        QFETCH(QString, width);
        chooseCustomSize();
        m_form->edtWidth->setText(width);
        m_form->edtHeight->setText(QStringLiteral("wrong too"));
        m_form->edtHeight->setFocus();
        QTest::mouseClick(m_form->btnOK, Qt::LeftButton);
        // The width is checked first; one message only.
        QCOMPARE(m_platform->messages.size(), 1);
        const RecordingPlatform::Message m = m_platform->messages.first();
        QCOMPARE(m.caption, QStringLiteral("Incorrect Width"));
        QCOMPARE(m.text, QStringLiteral("Please specify a proper width for output videos."));
        QCOMPARE(m.icon, Platform::Icon::Information);
        QCOMPARE(m_form->focusWidget(), m_form->edtWidth);
        QVERIFY(m_form->isVisible());
        QVERIFY(!m_main->isEnabled());
        QCOMPARE(videoSize(), CustomSize);
    }

    void badHeight()
    {
        chooseCustomSize();
        m_form->edtWidth->setText(QStringLiteral("640"));
        m_form->edtHeight->setText(QStringLiteral("4 80"));
        m_form->edtWidth->setFocus();
        QTest::mouseClick(m_form->btnOK, Qt::LeftButton);
        QCOMPARE(m_platform->messages.size(), 1);
        QCOMPARE(m_platform->messages.first().caption, QStringLiteral("Incorrect Height"));
        QCOMPARE(m_platform->messages.first().text,
                 QStringLiteral("Please specify a proper height for output videos."));
        QCOMPARE(m_platform->messages.first().icon, Platform::Icon::Information);
        QCOMPARE(m_form->focusWidget(), m_form->edtHeight);
        QVERIFY(m_form->isVisible());
        QCOMPARE(videoSize(), CustomSize);

        // Corrected, the same dialog accepts it.
        m_form->edtHeight->setText(QStringLiteral("480"));
        QTest::mouseClick(m_form->btnOK, Qt::LeftButton);
        QCOMPARE(videoSize(), QStringLiteral("640x480"));
        QCOMPARE(m_platform->messages.size(), 1);
    }

    void cancelGivesOriginalSize()
    {
        chooseCustomSize();
        m_form->edtWidth->setText(QStringLiteral("720"));
        m_form->edtHeight->setText(QStringLiteral("480"));
        QTest::mouseClick(m_form->btnCancel, Qt::LeftButton);
        QCOMPARE(videoSize(), OriginalSize);
        QVERIFY(!m_form->isVisible());
        QVERIFY(m_main->isEnabled());
        QVERIFY(m_platform->messages.isEmpty());
        // The boxes keep their texts for the next opening.
        chooseCustomSize();
        QCOMPARE(m_form->edtWidth->text(), QStringLiteral("720"));
        QCOMPARE(m_form->edtHeight->text(), QStringLiteral("480"));
    }

    void closeBoxGivesOriginalSize()
    {
        chooseCustomSize();
        QVERIFY(m_form->close());
        QCOMPARE(videoSize(), OriginalSize);
        QVERIFY(m_main->isEnabled());
    }

    void escapeGivesOriginalSize()
    {
        chooseCustomSize();
        QTest::keyClick(m_form, Qt::Key_Escape);
        QVERIFY(!m_form->isVisible());
        QCOMPARE(videoSize(), OriginalSize);
        QVERIFY(m_main->isEnabled());
    }

    void closingLeavesOtherValuesAlone()
    {
        // Only "Custom Size" is replaced on closing.
        m_video->setGridValue(QStringLiteral("Video Size"), QStringLiteral("320x240"));
        m_form->open();
        m_form->close();
        QCOMPARE(videoSize(), QStringLiteral("320x240"));
    }

    void customSizeReachesTheCommandLine()
    {
        // A shipped profile in the main window's grids; the typed size is
        // passed on to the encoder as it stands.
        testsupport::ProgramDir dir;
        ValueListModel audio, advanced;
        const QString profile = dir.file(QStringLiteral("Profiles/MP4 H.264 + AAC.apf"));
        QVERIFY(LoadProfile(profile, ProfileGrids{m_video, &audio, &advanced}));
        QVERIFY(m_video->findRow(QStringLiteral("Video Size")) >= 0);
        chooseCustomSize();
        m_form->edtWidth->setText(QStringLiteral("352"));
        m_form->edtHeight->setText(QStringLiteral("288"));
        QTest::mouseClick(m_form->btnOK, Qt::LeftButton);
        QCOMPARE(videoSize(), QStringLiteral("352x288"));
        const QString options =
            BuildProfileOptions(profile, ProfileGrids{m_video, &audio, &advanced}).text();
        QVERIFY2(options.contains(QStringLiteral(" -s 352x288 ")), qPrintable(options));
    }

    void integerText()
    {
        QVERIFY(TSizeForm::IsIntegerText(QStringLiteral("2147483647")));
        QVERIFY(TSizeForm::IsIntegerText(QStringLiteral("-2147483648")));
        QVERIFY(!TSizeForm::IsIntegerText(QStringLiteral("2147483648")));
        QVERIFY(!TSizeForm::IsIntegerText(QStringLiteral("+")));
        QVERIFY(!TSizeForm::IsIntegerText(QStringLiteral("12 ")));
        QVERIFY(!TSizeForm::IsIntegerText(QString::fromUtf8("\xd9\xa1\xd9\xa2"))); // Arabic digits
    }
};

QTEST_MAIN(TestSizeForm)
#include "tst_sizeform.moc"
