#include "platform/recordingplatform.h"
#include "settings/apppaths.h"
#include "settings/newinifiles.h"
#include "settings/profilegrids.h"
#include "settings/profiles.h"
#include "settings/valuelistmodel.h"
#include "support/mainformfixture.h"
#include "support/testsupport.h"
#include "ui/gridsection.h"
#include "ui/mainform.h"
#include "ui/settingform.h"
#include "ui/valuelisteditor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// A small profile: a pick list, a free value and a locked value.
const QByteArray SmallProfile = "[Main]\r\nType=avi\r\nPara=3\r\n0=Video Codec\r\n1=Bit Rate\r\n"
                                "2=Channels\r\n"
                                "[Video Codec]\r\nSort=1\r\nList=1\r\ncmd=-c:v\r\n"
                                "Caption=MPEG-4,H.264,\r\nValue=mpeg4,libx264,\r\nIndex=0\r\n"
                                "[Bit Rate]\r\nSort=1\r\nList=0\r\ncmd=-b:v\r\nCaption=768k\r\n"
                                "Value=768k\r\n"
                                "[Channels]\r\nSort=2\r\nList=0\r\nReadOnly=1\r\ncmd=-ac\r\n"
                                "Caption=2\r\nValue=2\r\n";

} // namespace

class TestSettingForm : public QObject
{
    Q_OBJECT

    testsupport::ProgramDir *m_dir = nullptr;
    QWidget *m_main = nullptr;
    RecordingPlatform *m_platform = nullptr;
    TSettingForm *m_form = nullptr;
    QString m_mainOutput;

    QString prefs() const { return m_dir->file(QStringLiteral("Preferences.ini")); }
    QString profile(const QString &name) const
    {
        return m_dir->file(QStringLiteral("Profiles/") + name + QStringLiteral(".apf"));
    }

    void create(bool withPreferences, const QByteArray &preferences = {})
    {
        m_dir = new testsupport::ProgramDir(testsupport::ffmpeg(), true, false);
        QVERIFY(m_dir->isValid());
        writeFile(profile(QStringLiteral("Small")), SmallProfile);
        if (withPreferences)
            writeFile(prefs(), preferences);
        m_main = new QWidget;
        m_main->show();
        m_platform = new RecordingPlatform;
        const AppPaths paths = AppPaths::portable(m_dir->path());
        m_form = new TSettingForm(m_main, paths, *m_platform, ProfileCatalogue(paths), m_main);
        m_mainOutput = QStringLiteral("/srv/videos/out/");
        m_form->setMainOutputDirSource([this] { return m_mainOutput; });
    }

    int smallIndex() const { return m_form->cmbProfile->findText(QStringLiteral("Small")); }

private slots:
    void cleanup()
    {
        delete m_main; // takes the dialog with it
        delete m_platform;
        delete m_dir;
        m_main = nullptr;
        m_platform = nullptr;
        m_dir = nullptr;
    }

    void layout()
    {
        create(false);
        QCOMPARE(m_form->windowTitle(), QStringLiteral("Settings"));
        // The designed size with a row for the language and its note.
        QCOMPARE(m_form->size(), QSize(415, 542 + 48));
        QCOMPARE(m_form->pgcSetting->count(), 2);
        QCOMPARE(m_form->pgcSetting->tabText(0), QStringLiteral("     General     "));
        QCOMPARE(m_form->pgcSetting->tabText(1), QStringLiteral("     Profiles     "));
        const QStringList syn{QStringLiteral("Auto"), QStringLiteral("Force Mode"),
                              QStringLiteral("Progressive Mode")};
        QCOMPARE(m_form->cmbSyn->count(), 3);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(m_form->cmbSyn->itemText(i), syn[i]);
        QCOMPARE(m_form->chkOpenDir->text(),
                 QStringLiteral("Open the output directory when the task is completed. "));
        QCOMPARE(m_form->rdbRename->text(),
                 QStringLiteral("Not overwrite (Rename to <Filename> + Index"));
        QCOMPARE(m_form->btnDefault->text(), QStringLiteral("&Load Default"));
        QCOMPARE(m_form->btnSaveAs->text(), QStringLiteral("&Save as..."));
        QCOMPARE(m_form->vleVideo->columnWidth(0), 160);
        QVERIFY(m_form->vleVideo->greyLockedRows());
        // Designed rows until a profile is shown.
        QCOMPARE(m_form->vleVideo->values()->count(), 6);
        QCOMPARE(m_form->vleAudio->values()->key(4), QStringLiteral("Volumn"));
        QCOMPARE(m_form->vleAdvanced->values()->count(), 2);
        QCOMPARE(m_form->panVideo->titleLabel()->text(), QStringLiteral("      Video"));

        // No text is clipped, on either page.
        for (QWidget *w : m_form->findChildren<QWidget *>()) {
            QString text;
            if (auto *l = qobject_cast<QLabel *>(w))
                text = l->text();
            else if (auto *b = qobject_cast<QAbstractButton *>(w))
                text = b->text();
            if (text.isEmpty() || text.size() == 1)
                continue;
            QVERIFY2(w->sizeHint().width() <= w->width(), qPrintable(text));
        }
    }

    void createCopiesTheCatalogueAndReadsPreferences()
    {
        create(false);
        const QStringList catalogue = ProfileCatalogue(AppPaths::portable(m_dir->path()));
        QVERIFY(catalogue.size() >= 9);
        QCOMPARE(m_form->cmbProfile->count(), catalogue.size());
        for (int i = 0; i < catalogue.size(); ++i)
            QCOMPARE(m_form->cmbProfile->itemText(i), catalogue[i]);
        QCOMPARE(m_form->cmbProfile->currentIndex(), -1);
        // No Preferences.ini: the defaults.
        QCOMPARE(m_form->edtOutputDir->text(), m_dir->path());
        QCOMPARE(m_form->cmbSyn->currentIndex(), 0);
        QVERIFY(m_form->chkOpenDir->isChecked());
        QVERIFY(!m_form->chkExit->isChecked());
        QVERIFY(!m_form->chkTurnoff->isChecked());
        QVERIFY(m_form->rdbOverWrite->isChecked());
        QVERIFY(!m_form->rdbRename->isChecked());
    }

    void storedPreferencesShown()
    {
        create(true, "[Main]\r\nOutput Path=/data/out/\r\nSyn Mode=7\r\nAuto Open Dir=0\r\n"
                     "Auto Exit=1\r\nAuto Turn Off=1\r\nOverwrite=0\r\n");
        QCOMPARE(m_form->edtOutputDir->text(), QStringLiteral("/data/out/"));
        QCOMPARE(m_form->cmbSyn->currentIndex(), -1);
        QVERIFY(!m_form->chkOpenDir->isChecked());
        QVERIFY(m_form->chkExit->isChecked());
        QVERIFY(m_form->chkTurnoff->isChecked());
        QVERIFY(m_form->rdbRename->isChecked());
        QVERIFY(!m_form->rdbOverWrite->isChecked());
        // Saved as they stand: no selection is -1.
        QTest::mouseClick(m_form->btnOK, Qt::LeftButton);
        const QByteArray file = readAll(prefs());
        QVERIFY(file.contains("Syn Mode=-1\r\n"));
        QVERIFY(file.contains("Overwrite=0\r\n"));
    }

    // The settings of adding files, the conversions side by side and the
    // output checks, set with the mouse and the keyboard: written once
    // changed from their defaults.
    void addingFilesSettings()
    {
        create(false);
        m_form->showPage(0);
        QVERIFY(!m_form->chkSubfolders->isChecked());
        QVERIFY(m_form->chkKeepStructure->isChecked());
        QVERIFY(!m_form->chkKeepStructure->isEnabled()); // only with subfolders
        QCOMPARE(m_form->spnProbes->value(), DefaultSimultaneousProbes());
        QCOMPARE(m_form->spnProbes->maximum(), 16);
        QCOMPARE(m_form->spnConversions->value(), 1);
        QCOMPARE(m_form->spnConversions->maximum(), MaxSimultaneousConversions());
        QVERIFY(!m_form->chkProbeEncoder->isChecked());
        QVERIFY(m_form->chkVerify->isChecked());
        QVERIFY(!m_form->chkTrash->isChecked() && m_form->chkTrash->isEnabled());
        QTest::mouseClick(m_form->btnOK, Qt::LeftButton);
        QVERIFY(!readAll(prefs()).contains("Check Outputs"));
        QVERIFY(!readAll(prefs()).contains("Trash"));
        QVERIFY(!readAll(prefs()).contains("Probe"));
        QVERIFY(!readAll(prefs()).contains("Folder"));
        QVERIFY(!readAll(prefs()).contains("Conversions"));

        m_form->showPage(0);
        auto click = [](QCheckBox *box) {
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
        };
        click(m_form->chkSubfolders);
        QVERIFY(m_form->chkKeepStructure->isEnabled());
        click(m_form->chkKeepStructure);
        click(m_form->chkProbeEncoder);
        click(m_form->chkTrash);
        click(m_form->chkVerify);
        QVERIFY(!m_form->chkTrash->isEnabled()); // only with the check
        m_form->spnProbes->setFocus();
        QTest::keyClick(m_form->spnProbes, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(m_form->spnProbes, QStringLiteral("99"));
        m_form->spnConversions->setFocus();
        QTest::keyClick(m_form->spnConversions, Qt::Key_Up);
        QTest::mouseClick(m_form->btnOK, Qt::LeftButton);
        const QByteArray file = readAll(prefs());
        if (MaxSimultaneousConversions() > 1)
            QVERIFY(file.contains("Simultaneous Conversions=2\r\n"));
        QVERIFY2(file.contains("Simultaneous Probes=9\r\n"), file.constData());
        QVERIFY(file.contains("Include Subfolders=1\r\n"));
        QVERIFY(file.contains("Keep Folder Structure=0\r\n"));
        QVERIFY(file.contains("Probe With Encoder Only=1\r\n"));
        QVERIFY(file.contains("Check Outputs=0\r\n"));
        QVERIFY(file.contains("Trash Sources=1\r\n"));
    }

    // The third overwrite choice in the group, shown from the file and
    // saved by OK.
    void skipChoice()
    {
        create(true, "[Main]\r\nOverwrite=0\r\nSkip=1\r\n");
        QCOMPARE(m_form->rdbSkip->text(), QStringLiteral("Skip (keep the existing file)"));
        QCOMPARE(m_form->rdbSkip->parentWidget(), static_cast<QWidget *>(m_form->gpbOverWrite));
        QVERIFY(m_form->rdbSkip->isChecked());
        QVERIFY(!m_form->rdbRename->isChecked() && !m_form->rdbOverWrite->isChecked());
        m_form->showPage(0);
        const QList<std::pair<QRadioButton *, QByteArray>> choices{
            {m_form->rdbOverWrite, "\r\nOverwrite=1\r\nSkip=0\r\n"},
            {m_form->rdbSkip, "\r\nOverwrite=0\r\nSkip=1\r\n"},
            {m_form->rdbRename, "\r\nOverwrite=0\r\nSkip=0\r\n"}};
        for (const auto &[button, lines] : choices) {
            m_form->showPage(0);
            QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
            QVERIFY(button->isChecked());
            QTest::mouseClick(m_form->btnOK, Qt::LeftButton);
            QVERIFY2(readAll(prefs()).endsWith(lines), readAll(prefs()).constData());
        }
    }

    void showAndCancel()
    {
        create(false);
        const QByteArray before = readAll(prefs());
        m_form->showPage(0);
        QVERIFY(m_form->isVisible());
        QCOMPARE(m_form->pgcSetting->currentIndex(), 0);
        QVERIFY(!m_main->isEnabled());
        QVERIFY(m_form->isEnabled());
        // FormShow copies the main window's path.
        QCOMPARE(m_form->edtOutputDir->text(), m_mainOutput);

        QSignalSpy applied(m_form, &TSettingForm::outputPathApplied);
        QSignalSpy saved(m_form, &TSettingForm::profileSaved);
        m_form->chkExit->setChecked(true);
        m_form->edtOutputDir->setText(QStringLiteral("/elsewhere/"));
        QTest::mouseClick(m_form->btnCancel, Qt::LeftButton);
        QVERIFY(!m_form->isVisible());
        QVERIFY(m_main->isEnabled());
        // Nothing written, nothing applied; the General page stays live.
        QCOMPARE(readAll(prefs()), before);
        QCOMPARE(applied.size(), 0);
        QCOMPARE(saved.size(), 0);
        QVERIFY(m_form->chkExit->isChecked());
        QVERIFY(m_form->preferences().autoExit);
        // The next showing takes the main window's path again.
        m_form->showPage(0);
        QCOMPARE(m_form->edtOutputDir->text(), m_mainOutput);
        // The close box behaves as Cancel.
        QVERIFY(m_form->close());
        QVERIFY(m_main->isEnabled());
        QCOMPARE(readAll(prefs()), before);
    }

    void okWritesPreferencesThenTheShownProfile()
    {
        create(false);
        m_form->showProfile(smallIndex());
        QCOMPARE(m_form->pgcSetting->currentIndex(), 1);
        QCOMPARE(m_form->cmbProfile->currentText(), QStringLiteral("Small"));
        ValueListModel *video = m_form->vleVideo->values();
        QCOMPARE(video->count(), 2);
        QCOMPARE(video->value(0), QStringLiteral("MPEG-4"));
        QCOMPARE(m_form->panVideo->gridHeight(), 2 * 18);
        QCOMPARE(m_form->panAudio->gridHeight(), 18);
        QCOMPARE(m_form->panAdvanced->gridHeight(), 18); // empty: one row

        video->setValue(0, QStringLiteral("H.264"));
        video->setValue(1, QStringLiteral("1500k"));
        m_form->vleAudio->values()->setValue(0, QStringLiteral("6")); // read-only parameter
        m_form->cmbSyn->setCurrentIndex(2);
        m_form->edtOutputDir->setText(QStringLiteral("/media/converted/"));

        QStringList order;
        connect(m_form, &TSettingForm::outputPathApplied, this, [&](const QString &path) {
            order << QStringLiteral("path:") + path;
            // Preferences are written after the path was handed over.
            order << QStringLiteral("prefs-written:") +
                         QString::number(readAll(prefs()).contains("Syn Mode=2"));
        });
        connect(m_form, &TSettingForm::profileSaved, this, [&](const QString &name) {
            order << QStringLiteral("profile:") + name;
            order << QStringLiteral("prefs-written:") +
                         QString::number(readAll(prefs()).contains("Syn Mode=2"));
        });
        QTest::mouseClick(m_form->btnOK, Qt::LeftButton);
        QCOMPARE(order, (QStringList{"path:/media/converted/", "prefs-written:0", "profile:Small",
                                     "prefs-written:1"}));
        QVERIFY(!m_form->isVisible());
        QVERIFY(m_main->isEnabled());

        const QByteArray file = readAll(prefs());
        const int a = file.indexOf("Output Path=/media/converted/\r\n");
        const int b = file.indexOf("Syn Mode=2\r\n");
        QVERIFY(a >= 0 && b >= 0);
        QVERIFY(file.contains("Auto Open Dir=1\r\n"));
        QVERIFY(file.contains("Overwrite=1\r\n"));

        // The profile holds the new values; the locked one is untouched.
        ValueListModel v, au, ad;
        QVERIFY(LoadProfile(profile(QStringLiteral("Small")), ProfileGrids{&v, &au, &ad}));
        QCOMPARE(v.value(0), QStringLiteral("H.264"));
        QCOMPARE(v.value(1), QStringLiteral("1500k"));
        QCOMPARE(au.value(0), QStringLiteral("2"));
        TNewInifile ini(profile(QStringLiteral("Small")));
        QCOMPARE(ini.ReadInteger(QStringLiteral("Video Codec"), QStringLiteral("Index"), -5), 1);
        QCOMPARE(ini.ReadString(QStringLiteral("Bit Rate"), QStringLiteral("Value"), {}),
                 QStringLiteral("1500k"));
    }

    void okWithoutProfileWritesOnlyPreferences()
    {
        create(false);
        const QByteArray small = readAll(profile(QStringLiteral("Small")));
        m_form->showPage(0);
        QCOMPARE(m_form->cmbProfile->currentIndex(), -1);
        QSignalSpy saved(m_form, &TSettingForm::profileSaved);
        m_form->vleVideo->values()->setValue(2, QStringLiteral("999"));
        QTest::mouseClick(m_form->btnOK, Qt::LeftButton);
        QCOMPARE(saved.size(), 0);
        QVERIFY(readAll(prefs()).contains("Output Path="));
        QCOMPARE(readAll(profile(QStringLiteral("Small"))), small);
    }

    void okWithAVanishedProfileWritesOnlyPreferences()
    {
        create(false);
        m_form->showProfile(smallIndex());
        QVERIFY(QFile::remove(profile(QStringLiteral("Small"))));
        QSignalSpy saved(m_form, &TSettingForm::profileSaved);
        QTest::mouseClick(m_form->btnOK, Qt::LeftButton);
        QCOMPARE(saved.size(), 0);
        QVERIFY(!QFile::exists(profile(QStringLiteral("Small"))));
        QVERIFY(readAll(prefs()).contains("Syn Mode=0\r\n"));
    }

    void okStopsWhenPreferencesCannotBeWritten()
    {
        create(false);
        m_form->showProfile(smallIndex());
        m_form->vleVideo->values()->setValue(1, QStringLiteral("2000k"));
        const QByteArray small = readAll(profile(QStringLiteral("Small")));
        // A directory where the file should be: the store cannot read it.
        QFile::remove(prefs());
        QVERIFY(QDir().mkdir(prefs()));
        QSignalSpy saved(m_form, &TSettingForm::profileSaved);
        bool thrown = false;
        try {
            m_form->btnOKClick();
        } catch (const TIniFileError &) {
            thrown = true;
        }
        QVERIFY(thrown);
        // The later steps did not run: profile untouched, dialog still open.
        QCOMPARE(saved.size(), 0);
        QCOMPARE(readAll(profile(QStringLiteral("Small"))), small);
        QVERIFY(m_form->isVisible());
    }

    void changingTheChooserLoadsIntoTheDialogOnly()
    {
        create(false);
        m_form->showPage(1);
        const int other = m_form->cmbProfile->findText(QStringLiteral("MP4 H.264 + AAC"));
        QVERIFY(other >= 0);
        m_form->cmbProfile->setCurrentIndex(other);
        m_form->cmbProfileChange();
        QCOMPARE(m_form->vleVideo->values()->valueOf(QStringLiteral("Video Codec")),
                 QStringLiteral("H.264"));
        QCOMPARE(m_form->panVideo->gridHeight(), m_form->vleVideo->values()->count() * 18);
        // A name without a file changes nothing.
        m_form->cmbProfile->addItem(QStringLiteral("Gone"));
        m_form->cmbProfile->setCurrentIndex(m_form->cmbProfile->count() - 1);
        m_form->cmbProfileChange();
        QCOMPARE(m_form->vleVideo->values()->valueOf(QStringLiteral("Video Codec")),
                 QStringLiteral("H.264"));
    }

    void loadDefault_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("outputPath"); // "" = the program directory
        QTest::addColumn<int>("syn");
        QTest::addColumn<bool>("openDir");
        QTest::addColumn<bool>("exit");
        QTest::addColumn<bool>("turnOff");
        QTest::addColumn<bool>("overwrite");
        QTest::newRow("with Default") << QByteArray("[Main]\r\nSyn Mode=1\r\n[Default]\r\n"
                                                    "Output Path=/factory/\r\nSyn Mode=2\r\n"
                                                    "Auto Open Dir=1\r\nAuto Exit=1\r\n"
                                                    "Auto Turn Off=0\r\nOverwrite=0\r\n")
                                      << "/factory/" << 2 << true << true << false << false;
        QTest::newRow("without Default")
            << QByteArray("[Main]\r\nSyn Mode=1\r\nAuto Exit=1\r\nOverwrite=0\r\n") << "" << 0
            << false << false << false << true;
    }
    void loadDefault()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, outputPath);
        QFETCH(int, syn);
        QFETCH(bool, openDir);
        QFETCH(bool, exit);
        QFETCH(bool, turnOff);
        QFETCH(bool, overwrite);
        create(true, file);
        m_form->showPage(0);
        const PreferenceValues before = m_form->preferences();
        const QByteArray fileBefore = readAll(prefs());

        // Answered No: nothing changes.
        m_platform->answers << Platform::Answer::No;
        QTest::mouseClick(m_form->btnDefault, Qt::LeftButton);
        QCOMPARE(m_platform->messages.size(), 1);
        const RecordingPlatform::Message q = m_platform->messages.first();
        QCOMPARE(q.text, QStringLiteral("Are you sure to load the default preferences?"));
        QCOMPARE(q.caption, QStringLiteral("Load Default"));
        QCOMPARE(q.icon, Platform::Icon::Question);
        QCOMPARE(q.buttons, Platform::Buttons::YesNo);
        QCOMPARE(m_form->preferences().synMode, before.synMode);
        QCOMPARE(m_form->preferences().overwrite, before.overwrite);

        // Yes: the factory values, and the file is not changed.
        m_platform->answers << Platform::Answer::Yes;
        QTest::mouseClick(m_form->btnDefault, Qt::LeftButton);
        const PreferenceValues v = m_form->preferences();
        QCOMPARE(v.outputPath, outputPath.isEmpty() ? m_dir->path() : outputPath);
        QCOMPARE(v.synMode, syn);
        QCOMPARE(v.autoOpenDir, openDir);
        QCOMPARE(v.autoExit, exit);
        QCOMPARE(v.autoTurnOff, turnOff);
        QCOMPARE(v.overwrite, overwrite);
        QCOMPARE(m_form->rdbRename->isChecked(), !overwrite);
        QCOMPARE(readAll(prefs()), fileBefore);
    }

    void saveAs()
    {
        create(false);
        m_form->showProfile(smallIndex());
        m_form->vleVideo->values()->setValue(1, QStringLiteral("3000k"));
        const int entries = m_form->cmbProfile->count();
        const QByteArray source = readAll(profile(QStringLiteral("Small")));

        // Cancelled: nothing written.
        QTest::mouseClick(m_form->btnSaveAs, Qt::LeftButton);
        QCOMPARE(m_platform->fileDialogFilters,
                 QStringList{QStringLiteral("Profiles (*.apf)|*.apf")});

        const QString target = profile(QStringLiteral("Copy"));
        m_platform->saveAnswers << target;
        QTest::mouseClick(m_form->btnSaveAs, Qt::LeftButton);
        QVERIFY(QFile::exists(target));
        // A copy with the grid values; the source keeps its values.
        QCOMPARE(readAll(profile(QStringLiteral("Small"))), source);
        TNewInifile copy(target);
        QCOMPARE(copy.ReadString(QStringLiteral("Main"), QStringLiteral("Type"), {}),
                 QStringLiteral("avi"));
        QCOMPARE(copy.ReadString(QStringLiteral("Bit Rate"), QStringLiteral("cmd"), {}),
                 QStringLiteral("-b:v"));
        QCOMPARE(copy.ReadString(QStringLiteral("Bit Rate"), QStringLiteral("Caption"), {}),
                 QStringLiteral("3000k"));
        // The chooser does not list the new file before the next start.
        QCOMPARE(m_form->cmbProfile->count(), entries);
        QCOMPARE(m_form->cmbProfile->findText(QStringLiteral("Copy")), -1);
        QVERIFY(
            ProfileCatalogue(AppPaths::portable(m_dir->path())).contains(QStringLiteral("Copy")));
    }

    void saveAsWithoutProfileWritesNothing()
    {
        create(false);
        m_form->showPage(1);
        const QString target = m_dir->file(QStringLiteral("Nothing.apf"));
        m_platform->saveAnswers << target;
        QTest::mouseClick(m_form->btnSaveAs, Qt::LeftButton);
        QVERIFY(!QFile::exists(target));
    }

    void browse()
    {
        create(false);
        m_form->showPage(0);
        const QString before = m_form->edtOutputDir->text();
        QTest::mouseClick(m_form->sbtnBrowse, Qt::LeftButton); // cancelled
        QCOMPARE(m_form->edtOutputDir->text(), before);
        QCOMPARE(m_platform->browseTitles,
                 QStringList{QStringLiteral("Select the output directory.")});
        m_platform->browseAnswers << QStringLiteral("/srv/video");
        QTest::mouseClick(m_form->sbtnBrowse, Qt::LeftButton);
        QCOMPARE(m_form->edtOutputDir->text(), QStringLiteral("/srv/video/"));
        m_platform->browseAnswers << QStringLiteral("/");
        QTest::mouseClick(m_form->sbtnBrowse, Qt::LeftButton);
        QCOMPARE(m_form->edtOutputDir->text(), QStringLiteral("/"));
    }

    void mainGridsReloadOnlyForTheSameProfile()
    {
        MainFormFixture::Options o;
        o.profiles = {{QStringLiteral("A"), QStringLiteral("mp4")},
                      {QStringLiteral("B"), QStringLiteral("avi")}};
        MainFormFixture f({}, o);
        f.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
        QCOMPARE(f.form->cmbProfile->currentText(), QStringLiteral("A"));
        ValueListModel *mainVideo = f.form->vleVideo->values();
        mainVideo->setGridValue(QStringLiteral("Bit Rate"), QStringLiteral("unsaved"));

        // The same profile: saved and reloaded into the main window.
        f.form->bbtnSettingClick();
        TSettingForm &dialog = *f.settingForm;
        QVERIFY(dialog.isVisible());
        QVERIFY(!f.form->isEnabled());
        QCOMPARE(dialog.cmbProfile->currentText(), QStringLiteral("A"));
        dialog.vleVideo->values()->setGridValue(QStringLiteral("Bit Rate"),
                                                QStringLiteral("1200k"));
        dialog.btnOKClick();
        QVERIFY(f.form->isEnabled());
        QCOMPARE(mainVideo->valueOf(QStringLiteral("Bit Rate")), QStringLiteral("1200k"));

        // Another profile: its file is written, the main grids stay.
        mainVideo->setGridValue(QStringLiteral("Bit Rate"), QStringLiteral("unsaved again"));
        f.form->tbtnSettingClick();
        dialog.cmbProfile->setCurrentIndex(dialog.cmbProfile->findText(QStringLiteral("B")));
        dialog.cmbProfileChange();
        dialog.vleVideo->values()->setGridValue(QStringLiteral("Bit Rate"), QStringLiteral("900k"));
        dialog.btnOKClick();
        QCOMPARE(mainVideo->valueOf(QStringLiteral("Bit Rate")), QStringLiteral("unsaved again"));
        TNewInifile b(f.dir.file(QStringLiteral("Profiles/B.apf")));
        QCOMPARE(b.ReadString(QStringLiteral("Bit Rate"), QStringLiteral("Caption"), {}),
                 QStringLiteral("900k"));
        // The output path box of the dialog went to the main window.
        QCOMPARE(f.form->edtOutputdir->text(), dialog.edtOutputDir->text());
    }

    void reopeningWithTheToolbarKeepsTheShownProfile()
    {
        create(false);
        m_form->showProfile(smallIndex());
        m_form->vleVideo->values()->setValue(1, QStringLiteral("edited"));
        m_form->btnCancelClick();
        m_form->showPage(0);
        QCOMPARE(m_form->cmbProfile->currentText(), QStringLiteral("Small"));
        QCOMPARE(m_form->vleVideo->values()->value(1), QStringLiteral("edited"));
        // Opening for a profile reloads it from the file.
        m_form->btnCancelClick();
        m_form->showProfile(smallIndex());
        QCOMPARE(m_form->vleVideo->values()->value(1), QStringLiteral("768k"));
    }
};

QTEST_MAIN(TestSettingForm)
#include "tst_settingform.moc"
