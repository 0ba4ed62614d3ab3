// The main window itself: start-up, the idle and running states, a layout
// that fits any size and font, the drag strip, the preferences on close, closing
// during a run, and whole sessions with the real encoder.
#include "engine/batchrun.h"
#include "engine/intake.h"
#include "engine/probequeue.h"
#include "engine/prober.h"
#include "engine/taskstore.h"
#include "engine/tasktext.h"
#include "settings/valuelistmodel.h"
#include "support/mainformfixture.h"
#include "support/recordingplayer.h"
#include "support/testsupport.h"
#include "ui/aboutform.h"
#include "ui/intakecontroller.h"
#include "ui/mainform.h"
#include "ui/notaddedreport.h"
#include "ui/processform.h"
#include "ui/runpanel.h"
#include "ui/settingform.h"
#include "ui/sizeform.h"
#include "ui/tasklistpanel.h"
#include "ui/valuelisteditor.h"
#include "ui/welcomepanel.h"

#include <QAbstractSlider>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSet>
#include <QSpinBox>
#include <QSplitterHandle>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>
#include <QTreeView>

using testsupport::ProgramDir;

namespace {

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void sendStripMove(QWidget *strip, int x, Qt::MouseButtons buttons, Qt::KeyboardModifiers mods)
{
    const QPointF local(x, 5);
    QMouseEvent move(QEvent::MouseMove, local, strip->mapToGlobal(local), Qt::NoButton, buttons,
                     mods);
    QCoreApplication::sendEvent(strip, &move);
}

} // namespace

class TestMainForm : public QObject
{
    Q_OBJECT

    QTemporaryDir m_tmp;

private slots:
    void initTestCase()
    {
        qunsetenv("QC_FAKE_SCRIPT");
        QVERIFY(m_tmp.isValid());
    }

    void startWithoutTasks()
    {
        MainFormFixture::Options o;
        o.profiles = {{QStringLiteral("Beta"), QStringLiteral("avi")},
                      {QStringLiteral("alpha"), QStringLiteral("mkv")}};
        MainFormFixture f({}, o);
        TMainForm &form = *f.form;
        QCOMPARE(form.windowTitle(), QStringLiteral("Quivercast V1.8"));
        QCOMPARE(form.size(), QSize(798, 539)); // at the design font or a narrower one
        QCOMPARE(form.edtOutputdir->text(), f.dir.path());
        f.show();

        QVERIFY(form.taskList().welcomeVisible());
        QVERIFY(form.panBottomCenter->isVisible());
        QVERIFY(!form.panBottomLeft->isVisible());
        for (QToolButton *b : {form.tbtnUp, form.tbtnDown, form.tbtnRemove, form.tbtnClear,
                               form.tbtnStart, form.tbtnStop})
            QVERIFY2(!b->isEnabled(), qPrintable(b->objectName()));
        for (QToolButton *b : {form.tbtnAddFile, form.tbtnAddDir, form.tbtnSetting, form.tbtnWatch,
                               form.tbtnAbout, form.tbtnHelp})
            QVERIFY2(b->isEnabled(), qPrintable(b->objectName()));

        // The toolbar in its order, named by its hints for screen readers;
        // the tooltips tell the keys.
        QStringList names, tips;
        for (QToolButton *b :
             form.ToolBar1->findChildren<QToolButton *>(QString(), Qt::FindDirectChildrenOnly))
            if (b->objectName().startsWith(QLatin1String("tbtn"))) {
                names << b->accessibleName();
                tips << b->toolTip();
            }
        QCOMPARE(names, QStringList({"Add Video Files", "Add Directory", "Move Up", "Move Down",
                                     "Remove", "Clear", "Start", "Stop", "Pause", "Settings",
                                     "Watch Folders...", "About", "Help"}));
        QCOMPARE(tips, QStringList({"Add Video Files (Ctrl+O)", "Add Directory (Ctrl+Shift+O)",
                                    "Move Up (Alt+Up)", "Move Down (Alt+Down)", "Remove (Del)",
                                    "Clear (Backspace)", "Start (F5)", "Stop (Esc)", "Pause",
                                    "Settings", "Watch Folders...", "About", "Help (F1)"}));
        QCOMPARE(form.tbtnStart->size(), QSize(56, 54));
        QCOMPARE(form.tbtnStart->iconSize(), QSize(48, 48));
        QVERIFY(!form.tbtnStart->icon().pixmap(48, QIcon::Disabled).isNull());

        // The catalogue sorted ignoring case; the first profile is loaded at
        // first showing and gives the output extension.
        QCOMPARE(form.cmbProfile->count(), 2);
        QCOMPARE(form.cmbProfile->itemText(0), QStringLiteral("alpha"));
        QCOMPARE(form.cmbProfile->currentIndex(), 0);
        QCOMPARE(form.outputExtension(), QStringLiteral(".mkv"));
        QCOMPARE(form.vleVideo->values()->valueOf(QStringLiteral("Video Codec")),
                 QStringLiteral("MPEG-4"));
        // The right-hand panel: its designed 200 pixels, wider where a time
        // in the font at hand needs it.
        QVERIFY(form.panProfile->width() >= 200);
        QVERIFY(form.vleOutput->columnWidth(1) >=
                form.fontMetrics().horizontalAdvance(QStringLiteral("00:00:00.00")));
    }

    // A screen reader finds a name for every control, and the column names
    // of the task list and of the grids.
    void everyControlNamed()
    {
        MainFormFixture f;
        f.show();
        TMainForm &form = *f.form;
        int named = 0;
        for (QWidget *w : form.findChildren<QWidget *>()) {
            if (!w->isVisible() ||
                !(qobject_cast<QAbstractButton *>(w) || qobject_cast<QComboBox *>(w) ||
                  qobject_cast<QLineEdit *>(w) || qobject_cast<QAbstractItemView *>(w) ||
                  qobject_cast<QProgressBar *>(w) || qobject_cast<QAbstractSlider *>(w)) ||
                qobject_cast<QAbstractItemView *>(w->parentWidget()) ||
                qobject_cast<QScrollBar *>(w)) // parts of the controls that scroll
                continue;
            QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w);
            QVERIFY2(a && !a->text(QAccessible::Name).trimmed().isEmpty(),
                     qPrintable(w->objectName() + u' ' + w->metaObject()->className()));
            ++named;
        }
        QVERIFY(named >= 29);
        auto columns = [](QWidget *view) {
            QStringList names;
            QAccessibleTableInterface *table =
                QAccessible::queryAccessibleInterface(view)->tableInterface();
            for (int c = 0; table && c < table->columnCount(); ++c)
                names << table->columnDescription(c);
            return names;
        };
        QCOMPARE(columns(form.ltvTask), QStringList({"Input File", "Length", "Size", "Status"}));
        QCOMPARE(columns(form.vleVideo), QStringList({"Name", "Value"}));
    }

    void noProfilesKeepsDesignedRows()
    {
        MainFormFixture f;
        f.show();
        TMainForm &form = *f.form;
        QCOMPARE(form.cmbProfile->count(), 0);
        QCOMPARE(form.outputExtension(), QString());
        QCOMPARE(form.vleVideo->values()->count(), 6);
        QCOMPARE(form.vleVideo->values()->key(5), QStringLiteral("Disable Video"));
        QCOMPARE(form.vleAdvanced->values()->key(0), QStringLiteral("Bit Exact Algorithms"));
    }

    void runModeTable()
    {
        MainFormFixture f;
        f.show();
        TMainForm &form = *f.form;
        form.tasks().appendRow(QStringLiteral("/src/a.avi"));
        QList<QWidget *> idleOnly{form.tbtnStart, form.tbtnSetting, form.panSplitter, form.vleVideo,
                                  form.vleAdvanced};
        // The queue stays open to editing.
        QList<QWidget *> always{form.tbtnAddFile, form.tbtnAddDir, form.tbtnUp,  form.tbtnDown,
                                form.tbtnRemove,  form.tbtnClear,  form.ltvTask, form.vleOutput,
                                form.tbtnAbout,   form.tbtnHelp};
        form.EnterRunMode();
        for (QWidget *w : idleOnly)
            QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
        for (QWidget *w : always)
            QVERIFY2(w->isEnabled(), qPrintable(w->objectName()));
        QVERIFY(form.tbtnStop->isEnabled());
        // The drag strip does nothing while disabled.
        const int width = form.panProfile->width();
        sendStripMove(form.panSplitter, -15, Qt::LeftButton, Qt::NoModifier);
        QCOMPARE(form.panProfile->width(), width);

        form.LeaveRunMode();
        for (QWidget *w : idleOnly + always)
            QVERIFY2(w->isEnabled(), qPrintable(w->objectName()));
        QVERIFY(!form.tbtnStop->isEnabled());
    }

    // At the smallest size, at the designed one and maximised, with the
    // desktop's font and with a large one: every control whole and inside
    // the window, none over another; the right-hand panel grows with the
    // window; the bottom bar's buttons at its right edge, its boxes filling
    // the rest.
    void layoutFitsAnySize_data()
    {
        QTest::addColumn<int>("points"); // 0: the desktop's
        QTest::addColumn<QSize>("size"); // empty: as the window starts
        QTest::newRow("smallest") << 0 << QSize(640, 480);
        QTest::newRow("designed") << 0 << QSize();
        QTest::newRow("maximised") << 0 << QSize(1920, 1080);
        QTest::newRow("14 points") << 14 << QSize();
        QTest::newRow("14 points maximised") << 14 << QSize(1920, 1080);
    }
    void layoutFitsAnySize()
    {
        QFETCH(int, points);
        QFETCH(QSize, size);
        const QFont desktop = QApplication::font();
        const auto restore = qScopeGuard([&] { QApplication::setFont(desktop); });
        if (points > 0) {
            QFont large = desktop;
            large.setPointSize(points);
            QApplication::setFont(large);
        }
        MainFormFixture::Options o;
        o.encoder = testsupport::fakeEncoder();
        o.withShippedProfiles = true;
        MainFormFixture f({}, o);
        TMainForm &form = *f.form;
        if (points == 0) {
            QVERIFY(form.minimumSizeHint().width() <= 640);
            QVERIFY(form.minimumSizeHint().height() <= 480);
        }
        f.show();
        const int designedPanel = form.panProfile->width();
        if (size.isValid())
            form.resize(size);
        QTRY_COMPARE(form.size(), size.isValid() ? size : form.size());
        QTRY_COMPARE(form.panMain->width() + form.panSplitter->width() + form.panProfile->width(),
                     form.centralWidget()->width());
        if (size.width() > 1000)
            QVERIFY(form.panProfile->width() > designedPanel + 100);

        // Both bottom panels in turn, the report of what was not added shown.
        form.intakeController().DropPaths({m_tmp.filePath(QStringLiteral("notes.txt"))});
        QTRY_VERIFY(form.findChild<QWidget *>(QStringLiteral("btnNotAdded"))->isVisible());
        for (bool running : {false, true}) {
            running ? form.EnterRunMode() : form.LeaveRunMode();
            emit form.batch().progressPanelShown(running);
            QApplication::processEvents();
            QWidget *panel = running ? form.panBottomLeft : form.panBottomCenter;
            QList<QWidget *> controls;
            for (QWidget *w : form.findChildren<QWidget *>()) {
                if (!w->isVisible() || w->isWindow() || !w->isVisibleTo(&form) ||
                    !(qobject_cast<QAbstractButton *>(w) || qobject_cast<QLabel *>(w) ||
                      qobject_cast<QComboBox *>(w) || qobject_cast<QLineEdit *>(w) ||
                      qobject_cast<QProgressBar *>(w) || qobject_cast<QAbstractItemView *>(w)))
                    continue;
                // Inside every one of its parents, up to the window or to
                // the content of a scrolling area.
                for (QWidget *p = w; p != &form; p = p->parentWidget()) {
                    if (qobject_cast<QAbstractScrollArea *>(p->parentWidget()->parentWidget()))
                        break;
                    const QRect inParent = p->geometry();
                    QVERIFY2(QRect(QPoint(), p->parentWidget()->size()).contains(inParent),
                             qPrintable(w->objectName() + u'/' + p->objectName()));
                }
                // A label shows its whole text, but for the file being converted.
                if (auto *label = qobject_cast<QLabel *>(w); label && !label->text().isEmpty() &&
                                                             label != form.labConvertingFile &&
                                                             !label->wordWrap())
                    QVERIFY2(label->width() >= label->sizeHint().width(),
                             qPrintable(label->text()));
                if (panel->isAncestorOf(w))
                    controls << w;
            }
            for (QWidget *a : controls)
                for (QWidget *b : controls)
                    if (a != b && !a->isAncestorOf(b) && !b->isAncestorOf(a))
                        QVERIFY2(!QRect(a->mapTo(&form, QPoint()), a->size())
                                      .intersects(QRect(b->mapTo(&form, QPoint()), b->size())),
                                 qPrintable(a->objectName() + u' ' + b->objectName()));
        }
        const int right = form.panBottomCenter->width() - 15;
        QCOMPARE(form.bbtnSetting->geometry().right() + 1, right);
        QCOMPARE(form.bbtnOpen->geometry().right() + 1, right);
        QVERIFY(form.cmbProfile->geometry().right() < form.bbtnSetting->x());
        QVERIFY(form.edtOutputdir->geometry().right() < form.bbtnBrowser->x());
        QVERIFY(form.cmbProfile->width() > form.bbtnSetting->width());
        QCOMPARE(form.labTotalProgress->geometry().right(), form.panBottomLeft->width() - 1);
    }

    void dragStrip()
    {
        MainFormFixture f;
        f.show();
        TMainForm &form = *f.form;
        const int width = form.panProfile->width();
        const int setting = form.bbtnSetting->x();
        // The pointer 20 pixels left of the strip's centre.
        sendStripMove(form.panSplitter, 5 - 20, Qt::LeftButton, Qt::NoModifier);
        QCOMPARE(form.panProfile->width(), width + 20);
        QTRY_COMPARE(form.bbtnSetting->x(), setting - 20);
        QCOMPARE(form.panBottomCenter->width(), form.panMain->width());

        // Shift held, the right button, or no button: nothing changes.
        sendStripMove(form.panSplitter, -30, Qt::LeftButton, Qt::ShiftModifier);
        sendStripMove(form.panSplitter, -30, Qt::RightButton, Qt::NoModifier);
        sendStripMove(form.panSplitter, -30, Qt::LeftButton | Qt::RightButton, Qt::NoModifier);
        sendStripMove(form.panSplitter, -30, Qt::NoButton, Qt::NoModifier);
        QCOMPARE(form.panProfile->width(), width + 20);

        // Dragging far right keeps the panel at its designed width, far left
        // keeps every width non-negative.
        sendStripMove(form.panSplitter, 5000, Qt::LeftButton, Qt::NoModifier);
        QCOMPARE(form.panProfile->width(), form.panProfile->minimumWidth());
        sendStripMove(form.panSplitter, -5000, Qt::LeftButton, Qt::NoModifier);
        QVERIFY(form.panMain->width() >= 0);
        QVERIFY(form.panProfile->width() <= form.centralWidget()->width());
    }

    // Adding files and folders starts in the folder used last, which the
    // next session finds in Preferences.ini; before, in the Videos folder,
    // or at home where there is none.
    void addingStartsInTheFolderUsedLast_data()
    {
        QTest::addColumn<bool>("withVideos");
        QTest::newRow("Videos folder") << true;
        QTest::newRow("no Videos folder") << false;
    }
    void addingStartsInTheFolderUsedLast()
    {
        QFETCH(bool, withVideos);
        QTemporaryDir home;
        const QByteArray oldHome = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(home.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral(".config"))));
        const auto restore = qScopeGuard([&] {
            qputenv("HOME", oldHome);
            qunsetenv("XDG_CONFIG_HOME");
        });
        const QString videos = home.filePath(QStringLiteral("Videos"));
        if (withVideos)
            QVERIFY(QDir().mkpath(videos));
        const QString first = withVideos ? videos : QDir(home.path()).absolutePath();
        const QString clips = home.filePath(QStringLiteral("clips"));
        const QString other = home.filePath(QStringLiteral("other"));
        QVERIFY(QDir().mkpath(clips) && QDir().mkpath(other));
        MainFormFixture::Options o;
        o.encoder = testsupport::fakeEncoder();
        QByteArray prefs;
        {
            MainFormFixture f({}, o);
            f.show();
            TMainForm &form = *f.form;
            QTest::mouseClick(form.tbtnAddFile, Qt::LeftButton);
            QTest::mouseClick(form.tbtnAddDir, Qt::LeftButton);
            f.platform.fileAnswers << QStringList{clips + QStringLiteral("/a.avi")};
            QTest::mouseClick(form.tbtnAddFile, Qt::LeftButton);
            f.platform.browseAnswers << other;
            QTest::mouseClick(form.tbtnAddDir, Qt::LeftButton);
            QTest::mouseClick(form.tbtnAddFile, Qt::LeftButton);
            QCOMPARE(f.platform.fileDialogDirectories, QStringList({first, first, other}));
            QCOMPARE(f.platform.browseDirectories, QStringList({first, clips}));
            QVERIFY(!readFile(f.dir.file(QStringLiteral("Preferences.ini"))).contains("Last"));
            QVERIFY(form.close());
            prefs = readFile(f.dir.file(QStringLiteral("Preferences.ini")));
            QVERIFY2(prefs.contains("Last Folder=" + other.toUtf8() + "\r\n"), prefs.constData());
        }
        o.preferences = QString::fromUtf8(prefs);
        MainFormFixture f({}, o);
        f.show();
        QTest::mouseClick(f.form->tbtnAddFile, Qt::LeftButton);
        QCOMPARE(f.platform.fileDialogDirectories, QStringList({other}));
    }

    void preferencesStoredOnClose()
    {
        MainFormFixture::Options o;
        o.profiles = {{QStringLiteral("A"), QStringLiteral("mp4")},
                      {QStringLiteral("B"), QStringLiteral("avi")}};
        {
            MainFormFixture f({}, o);
            f.show();
            QVERIFY(f.form->close());
            // The first close without a preferences file writes exactly this.
            const QByteArray expected = "[Main]\r\nOverwrite=1\r\nAuto Turn Off=0\r\n"
                                        "Auto Exit=0\r\nAuto Open Dir=1\r\nSyn Mode=0\r\n"
                                        "Output Path=" +
                                        f.dir.path().toUtf8() + "\r\nProfile=0\r\n";
            QCOMPARE(readFile(f.dir.file(QStringLiteral("Preferences.ini"))), expected);
        }
        {
            MainFormFixture f({}, o);
            f.show();
            f.form->cmbProfile->setCurrentIndex(1);
            f.form->cmbProfileChange();
            f.form->edtOutputdir->setText(m_tmp.path());
            f.settingForm->chkExit->setChecked(true);
            QVERIFY(f.form->close());
            const QByteArray ini = readFile(f.dir.file(QStringLiteral("Preferences.ini")));
            QVERIFY2(ini.contains("Profile=1\r\n"), ini.constData());
            QVERIFY(ini.contains("Output Path=" + m_tmp.path().toUtf8() + "\r\n"));
            QVERIFY(ini.contains("Auto Exit=1\r\n"));

            // The next start restores the path and the profile.
            const QString prefs = QString::fromUtf8(ini);
            MainFormFixture::Options again = o;
            again.preferences = prefs;
            MainFormFixture g({}, again);
            g.show();
            QCOMPARE(g.form->edtOutputdir->text(), m_tmp.path());
            QCOMPARE(g.form->cmbProfile->currentIndex(), 1);
            QCOMPARE(g.form->outputExtension(), QStringLiteral(".avi"));
        }
    }

    // An installed copy: the shipped files are read and never written; the
    // user's settings and profiles are kept in the user's own folders.
    void installedCopy_data()
    {
        QTest::addColumn<bool>("usable"); // the user's Preferences.ini can be had
        QTest::newRow("user's folders") << true;
        QTest::newRow("Preferences.ini a folder") << false;
    }
    void installedCopy()
    {
        QFETCH(bool, usable);
        MainFormFixture::Options o;
        o.installed = true;
        o.withShippedProfiles = true;
        o.withPreferences = true;
        QMap<QString, QByteArray> shipped; // every shipped file, with LF line ends
        MainFormFixture f({}, o, [&](MainFormFixture &f) {
            // A rewrite through the store would bring back CR LF.
            QDirIterator it(f.dir.path(), QDir::Files | QDir::NoSymLinks,
                            QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString path = it.next();
                shipped[path] = readFile(path).replace("\r\n", "\n");
                QVERIFY(testsupport::writeFile(path, shipped[path]));
            }
            const QString config = f.home.path() + QStringLiteral("/config/Quivercast/");
            QVERIFY(QDir().mkpath(config));
            if (usable)
                QVERIFY(testsupport::writeFile(config + QStringLiteral("Preferences.ini"),
                                               "[Main]\r\nVersion=0.9\r\n[Default]\r\n"
                                               "Overwrite=0\r\n"));
            else
                QVERIFY(QDir().mkpath(config + QStringLiteral("Preferences.ini")));
            // The user's own profile hides the shipped one of its name.
            QDir().mkpath(f.paths.userProfileDir());
            MainFormFixture::writeProfile(f.paths.userProfileDir() +
                                              QStringLiteral("mp4 h.264 + aac.apf"),
                                          QStringLiteral("mkv"));
        });
        const QString user = f.paths.userProfileDir();
        QCOMPARE(f.pathProblems.size(), usable ? 0 : 1);
        f.show();
        TMainForm &form = *f.form;
        // The version comes with the program, the output path is the user's
        // Videos folder, the catalogue holds both kinds of profile.
        QCOMPARE(form.windowTitle(), QStringLiteral("Quivercast V1.8"));
        QCOMPARE(form.edtOutputdir->text(), f.home.path() + QStringLiteral("/Videos/"));
        // The shipped settings choose "MP4 H.264 + AAC" (here the user's of
        // that name); the user's own say nothing, so the first one.
        QCOMPARE(form.cmbProfile->currentText(),
                 usable ? QStringLiteral("AVI MPEG-4 + MP3") : QStringLiteral("mp4 h.264 + aac"));
        QVERIFY(form.cmbProfile->findText(QStringLiteral("mp4 h.264 + aac")) >= 0);
        QCOMPARE(form.cmbProfile->findText(QStringLiteral("MP4 H.264 + AAC")), -1);
        form.cmbProfile->setCurrentIndex(0);
        form.cmbProfileChange();

        // Start converts with a shipped profile, which is only read.
        const QString clip =
            testsupport::makeStandardClip(f.home.path() + QStringLiteral("/clip.avi"), 1.0);
        QVERIFY(!clip.isEmpty());
        form.intakeController().DropPaths({clip});
        f.waitForIntake();
        QTest::mouseClick(form.tbtnStart, Qt::LeftButton);
        f.waitForRun();
        QCOMPARE(form.tasks().cell(0, ItemField::Status), TaskStatus::Complete);
        QVERIFY(QFileInfo(f.home.path() + QStringLiteral("/Videos/clip.avi")).isFile());
        QCOMPARE(f.platform.messages.size(), 1); // the completion message alone
        f.platform.messages.clear();

        // Save as onto a shipped profile writes the user's copy of it; the
        // dialog opens in the user's folder.
        QTest::mouseClick(form.bbtnSetting, Qt::LeftButton);
        TSettingForm &settings = *f.settingForm;
        QVERIFY(settings.isVisible());
        f.platform.saveAnswers = {f.dir.file(QStringLiteral("Profiles/WMV + WMA.apf"))};
        QTest::mouseClick(settings.btnSaveAs, Qt::LeftButton);
        QCOMPARE(f.platform.saveDirectories, QStringList{user});
        QVERIFY(readFile(user + QStringLiteral("WMV + WMA.apf")).contains("Type=avi"));
        // Load Default takes the factory values that came with the program.
        QTest::mouseClick(settings.btnDefault, Qt::LeftButton);
        QVERIFY(settings.rdbOverWrite->isChecked());
        QCOMPARE(settings.edtOutputDir->text(), f.home.path() + QStringLiteral("/Videos/"));
        // OK on a shipped profile saves the user's copy, which the main
        // window then shows.
        settings.vleVideo->values()->setGridValue(QStringLiteral("Bit Rate"),
                                                  QStringLiteral("5000 kbps"));
        QTest::mouseClick(settings.btnOK, Qt::LeftButton);
        QVERIFY(!settings.isVisible());
        QVERIFY(QFileInfo(user + QStringLiteral("AVI MPEG-4 + MP3.apf")).isFile());
        QCOMPARE(form.vleVideo->values()->valueOf(QStringLiteral("Bit Rate")),
                 QStringLiteral("5000 kbps"));

        QVERIFY(form.close());
        const QByteArray prefs =
            readFile(f.home.path() + QStringLiteral("/config/Quivercast/Preferences.ini"));
        if (usable) {
            QVERIFY2(prefs.contains("Output Path=" + f.home.path().toUtf8() + "/Videos/\r\n"),
                     prefs.constData());
            QVERIFY(prefs.contains("Profile=0\r\n"));
        }
        // Nothing shipped was written, and nothing was added beside it.
        QDirIterator it(f.dir.path(), QDir::Files | QDir::NoSymLinks, QDirIterator::Subdirectories);
        QStringList after;
        while (it.hasNext()) {
            const QString path = it.next();
            after << path;
            QVERIFY2(readFile(path) == shipped.value(path), qPrintable(path));
        }
        QCOMPARE(after.size(), shipped.size());
        for (const RecordingPlatform::Message &m : f.platform.messages)
            QCOMPARE(m.caption, QStringLiteral("Load Default")); // no error on the way
    }

    void profileIndexBeyondCatalogue()
    {
        MainFormFixture::Options o;
        o.profiles = {{QStringLiteral("A"), QStringLiteral("mp4")}};
        o.preferences = QStringLiteral("[Main]\r\nProfile=5\r\n");
        MainFormFixture f({}, o);
        f.show();
        QCOMPARE(f.form->cmbProfile->currentIndex(), -1);
        QCOMPARE(f.form->outputExtension(), QString());
        QVERIFY(f.form->close());
        QVERIFY(readFile(f.dir.file(QStringLiteral("Preferences.ini"))).contains("Profile=-1\r\n"));
    }

    // Settings the start cannot use: it goes on with what it read and the
    // defaults for the rest, and keeps the errors for one message each.
    void startWithUnusableSettings_data()
    {
        QTest::addColumn<QString>("broken");
        QTest::addColumn<bool>("directory"); // else made read-only
        QTest::addColumn<QString>("outputPath");
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<bool>("autoExit");
        QTest::newRow("read-only preferences") << "Preferences.ini" << false << "/videos/"
                                               << "2.0"
                                               << ".avi" << true;
        QTest::newRow("preferences a directory") << "Preferences.ini" << true << QString() << "1.8"
                                                 << ".mp4" << false;
        QTest::newRow("read-only profile") << "Profiles/B.apf" << false << "/videos/"
                                           << "2.0"
                                           << ".avi" << true;
    }
    void startWithUnusableSettings()
    {
        QFETCH(QString, broken);
        QFETCH(bool, directory);
        QFETCH(QString, outputPath);
        QFETCH(QString, version);
        QFETCH(QString, extension);
        QFETCH(bool, autoExit);
        MainFormFixture::Options o;
        o.profiles = {{QStringLiteral("A"), QStringLiteral("mp4")},
                      {QStringLiteral("B"), QStringLiteral("avi")}};
        o.preferences = QStringLiteral(
            "[Main]\r\nOutput Path=/videos/\r\nProfile=1\r\nAuto Exit=1\r\nVersion=2.0\r\n");
        MainFormFixture f({}, o, [&](MainFormFixture &fixture) {
            const QString path = fixture.dir.path() + broken;
            if (directory)
                QVERIFY(QFile::remove(path) && QDir().mkdir(path));
            else
                QVERIFY(QFile::setPermissions(path, QFile::ReadOwner));
        });
        f.show();
        TMainForm &form = *f.form;
        QCOMPARE(form.edtOutputdir->text(), outputPath.isEmpty() ? f.dir.path() : outputPath);
        QCOMPARE(form.windowTitle(), QStringLiteral("Quivercast V") + version);
        QCOMPARE(form.outputExtension(), extension);
        QCOMPARE(form.vleVideo->values()->valueOf(QStringLiteral("Video Codec")),
                 QStringLiteral("MPEG-4"));
        QCOMPARE(f.settingForm->chkExit->isChecked(), autoExit);
        QStringList errors = form.takeStartupErrors() + f.settingForm->takeStartupErrors();
        QVERIFY(!errors.isEmpty());
        for (const QString &error : errors)
            QVERIFY2(error.contains(QDir::toNativeSeparators(f.dir.file(broken))),
                     qPrintable(error));
        QVERIFY(form.takeStartupErrors().isEmpty());
        QVERIFY(f.platform.messages.isEmpty());
    }

    void startWithMissingOutputDirectory()
    {
        MainFormFixture::Options o;
        o.encoder = testsupport::fakeEncoder();
        MainFormFixture f({}, o);
        f.show();
        const QString clip = m_tmp.filePath(QStringLiteral("s.avi"));
        QFile(clip).open(QIODevice::WriteOnly);
        f.form->intakeController().DropPaths({clip});
        f.waitForIntake();
        f.form->edtOutputdir->setText(m_tmp.filePath(QStringLiteral("no/such/dir")));
        f.form->runPanel().tbtnStartClick();
        QCOMPARE(f.platform.messages.size(), 1);
        QCOMPARE(f.platform.messages[0].text,
                 QStringLiteral("The output path does not exist. Please specify another one."));
        QCOMPARE(f.platform.messages[0].caption, QStringLiteral("Output path does not exist"));
        QCOMPARE(f.form->tasks().cell(0, 2), QStringLiteral("OK"));
        QVERIFY(f.form->tbtnStart->isEnabled());
    }

    void dialogsFromMainWindow()
    {
        MainFormFixture::Options o;
        o.profiles = {{QStringLiteral("A"), QStringLiteral("mp4")},
                      {QStringLiteral("B"), QStringLiteral("avi")}};
        MainFormFixture f({}, o);
        f.show();
        TMainForm &form = *f.form;

        // Settings: the General page, the main window disabled meanwhile and
        // the output path copied in.
        form.edtOutputdir->setText(m_tmp.path());
        form.tbtnSettingClick();
        QVERIFY(f.settingForm->isVisible());
        QCOMPARE(f.settingForm->pgcSetting->currentIndex(), 0);
        QVERIFY(!form.isEnabled());
        QCOMPARE(f.settingForm->edtOutputDir->text(), m_tmp.path());
        // OK hands the path back to the main window.
        f.settingForm->edtOutputDir->setText(f.dir.path());
        f.settingForm->btnOKClick();
        QVERIFY(!f.settingForm->isVisible());
        QVERIFY(form.isEnabled());
        QCOMPARE(form.edtOutputdir->text(), f.dir.path());

        // "&Setting": the Profiles page with the main window's profile.
        form.cmbProfile->setCurrentIndex(1);
        form.cmbProfileChange();
        form.bbtnSettingClick();
        QCOMPARE(f.settingForm->pgcSetting->currentIndex(), 1);
        QCOMPARE(f.settingForm->cmbProfile->currentText(), QStringLiteral("B"));
        // OK on the profile the main window shows reloads its grids.
        form.vleVideo->values()->setGridValue(QStringLiteral("Bit Rate"), QStringLiteral("1k"));
        f.settingForm->vleVideo->values()->setGridValue(QStringLiteral("Bit Rate"),
                                                        QStringLiteral("2500k"));
        f.settingForm->btnOKClick();
        QCOMPARE(form.vleVideo->values()->valueOf(QStringLiteral("Bit Rate")),
                 QStringLiteral("2500k"));
        QVERIFY(form.isEnabled());

        // About box: disables the window, even during a run, until closed.
        form.EnterRunMode();
        form.tbtnAboutClick();
        QVERIFY(f.aboutForm->isVisible());
        QVERIFY(!form.isEnabled());
        f.aboutForm->btnOK->click();
        QVERIFY(!f.aboutForm->isVisible());
        QVERIFY(form.isEnabled());
        form.LeaveRunMode();

        // Closing the main window while a dialog is open closes the dialog
        // too, so the program ends.
        form.tbtnSettingClick();
        QVERIFY(f.settingForm->isVisible());
        QVERIFY(form.close());
        QVERIFY(!f.settingForm->isVisible());

        // Help opens the manual beside the program, nothing else.
        form.tbtnHelpClick();
        QCOMPARE(f.platform.opened,
                 QStringList({f.dir.path() + QStringLiteral("Quivercast.html")}));
        QVERIFY(f.platform.messages.isEmpty());
    }

    // The dialogs of fixed size have no minimise or maximise button and open
    // centred on the main window every time, not lower at each opening.
    void fixedDialogsCentred_data()
    {
        QTest::addColumn<int>("dialog");
        QTest::newRow("settings") << 0;
        QTest::newRow("about") << 1;
        QTest::newRow("size") << 2;
        QTest::newRow("process") << 3;
    }
    void fixedDialogsCentred()
    {
        QFETCH(int, dialog);
        MainFormFixture f;
        f.show();
        QDialog *dialogs[] = {f.settingForm.get(), f.aboutForm.get(), f.sizeForm.get(),
                              f.processForm.get()};
        QDialog *d = dialogs[dialog];
        const Qt::WindowFlags flags = d->windowFlags();
        QVERIFY(flags & Qt::CustomizeWindowHint);
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        if (d == f.processForm.get())
            return; // never shown by the program
        QList<QRect> shown;
        for (int i = 0; i < 3; ++i) {
            d->show();
            QVERIFY(QTest::qWaitForWindowExposed(d));
            shown << d->geometry();
            d->close();
            QTRY_VERIFY(f.form->isEnabled());
        }
        QVERIFY((shown[0].center() - f.form->geometry().center()).manhattanLength() <= 1);
        QCOMPARE(shown[1], shown[0]);
        QCOMPARE(shown[2], shown[0]);
    }

    void customVideoSize()
    {
        MainFormFixture::Options o;
        o.withShippedProfiles = true;
        MainFormFixture f({}, o);
        f.show();
        TMainForm &form = *f.form;
        ValueListModel *video = form.vleVideo->values();
        const int row = video->findRow(QStringLiteral("Video Size"));
        QVERIFY(row >= 0);
        QVERIFY(video->row(row).pickList.contains(QStringLiteral("Custom Size")));
        // Another row changing does not open the dialog.
        form.vleVideo->setCurrentIndex(video->index(row, 1));
        video->setGridValue(QStringLiteral("Bit Rate"), QStringLiteral("900k"));
        QVERIFY(!f.sizeForm->isVisible());
        // Choosing "Custom Size" in the current row does, and disables the
        // main window until it is closed.
        video->setValue(row, QStringLiteral("Custom Size"));
        QVERIFY(f.sizeForm->isVisible());
        QVERIFY(!form.isEnabled());
        f.sizeForm->btnCancelClick();
        QVERIFY(form.isEnabled());
        QCOMPARE(video->value(row), QStringLiteral("Original Size"));
        video->setValue(row, QStringLiteral("Custom Size"));
        f.sizeForm->edtWidth->setText(QStringLiteral("720"));
        f.sizeForm->edtHeight->setText(QStringLiteral("480"));
        f.sizeForm->btnOKClick();
        QCOMPARE(video->value(row), QStringLiteral("720x480"));
        QVERIFY(form.isEnabled());
    }

    void outputGridWithoutTask()
    {
        MainFormFixture f;
        f.show();
        TMainForm &form = *f.form;
        // No task shown: a press gives the tip and opens no editor.
        const QRect cell = form.vleOutput->visualRect(form.vleOutput->model()->index(1, 1));
        QTest::mousePress(form.vleOutput->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseRelease(form.vleOutput->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(form.vleOutput->viewport(), Qt::LeftButton, {}, cell.center());
        QVERIFY(form.vleOutput->editRefused());
        QVERIFY(form.vleOutput->balloonTip());
        QVERIFY(!form.vleOutput->openEditor());
    }

    // Stop clicked while the encoder is silent, or while it floods the
    // window with output: it acts within a second either way.
    void stopButton_data()
    {
        QTest::addColumn<QString>("then");
        QTest::newRow("silent") << "sleep 60000";
        QTest::newRow("flooding") << "flood 0";
    }
    void stopButton()
    {
        QFETCH(QString, then);
        MainFormFixture::Options o;
        o.encoder = testsupport::fakeEncoder();
        MainFormFixture f({}, o);
        f.show();
        TMainForm &form = *f.form;
        QTemporaryDir out;
        QStringList paths;
        for (const char *name : {"s1.avi", "s2.avi"}) {
            paths << m_tmp.filePath(QString::fromLatin1(name));
            QFile(paths.last()).open(QIODevice::WriteOnly);
        }
        form.intakeController().DropPaths(paths);
        f.waitForIntake();
        form.edtOutputdir->setText(out.path());
        testsupport::setFakeScript(m_tmp.path(), {"print frame=1 time=00:00:01.00 \\n", then});
        bool progressShown = false;
        QElapsedTimer sinceStop;
        QTimer::singleShot(1000, &form, [&] {
            progressShown = form.panBottomLeft->isVisible() && !form.panBottomCenter->isVisible();
            QVERIFY(form.tbtnStop->isEnabled());
            sinceStop.start();
            QTest::mouseClick(form.tbtnStop, Qt::LeftButton);
        });
        form.runPanel().tbtnStartClick();
        f.waitForRun();
        qunsetenv("QC_FAKE_SCRIPT");
        QVERIFY(sinceStop.isValid());
        QVERIFY2(sinceStop.elapsed() < 1000, QByteArray::number(sinceStop.elapsed()));
        QVERIFY(progressShown);
        QCOMPARE(form.tasks().cell(0, 2), QStringLiteral("Stop"));
        QCOMPARE(form.tasks().cell(1, 2), QStringLiteral("OK"));
        QCOMPARE(f.platform.messages.size(), 1);
        QCOMPARE(f.platform.messages[0].text, QStringLiteral("The Coversion is canceled."));
        QCOMPARE(f.platform.messages[0].caption, QStringLiteral("Cancel"));
        QVERIFY(form.panBottomCenter->isVisible());
        QVERIFY(!form.panBottomLeft->isVisible());
        QVERIFY(!form.tbtnStop->isEnabled());
        QVERIFY(form.tbtnStart->isEnabled());
        QVERIFY(!form.encoder().isRunning());
    }

    // Two encoders side by side through the window. Pause (the toolbar
    // button) suspends both: their processor time stands still and the title
    // says so; Resume (the same button) lets them go on, and Stop ends them.
    // Then "Stop After Current Task" in the Stop button's menu ends the run
    // once the two running tasks have finished; the third keeps its status.
    void pauseAndStopAfterCurrentTask()
    {
        if (MaxSimultaneousConversions() < 2)
            QSKIP("one processor core: no conversions side by side");
        MainFormFixture::Options o;
        o.encoder = testsupport::fakeEncoder();
        MainFormFixture f({}, o);
        f.show();
        TMainForm &form = *f.form;
        QTemporaryDir out;
        QStringList paths;
        for (const char *name : {"p1.avi", "p2.avi", "p3.avi"}) {
            paths << m_tmp.filePath(QString::fromLatin1(name));
            QFile(paths.last()).open(QIODevice::WriteOnly);
        }
        form.intakeController().DropPaths(paths);
        f.waitForIntake();
        form.edtOutputdir->setText(out.path());
        f.settingForm->spnConversions->setFocus();
        QTest::keyClick(f.settingForm->spnConversions, Qt::Key_Up);
        QVERIFY(!form.tbtnPause->isEnabled());
        const QString pids = out.filePath(QStringLiteral("pids"));
        const auto encoders = [&] { return testsupport::readFile(pids).trimmed().split('\n'); };
        testsupport::setFakeScript(m_tmp.path(), {"pid " + pids, "flood 0"});
        QTest::mouseClick(form.tbtnStart, Qt::LeftButton);
        QTRY_COMPARE(encoders().size(), 2);
        QVERIFY(form.tbtnPause->isEnabled());
        const QString title = form.windowTitle();
        QTest::mouseClick(form.tbtnPause, Qt::LeftButton);
        QCOMPARE(form.windowTitle(), QStringLiteral("Paused - ") + title);
        QCOMPARE(form.tbtnPause->toolTip(), QStringLiteral("Resume"));
        QList<qint64> ticks;
        for (const QByteArray &pid : encoders()) {
            QTRY_COMPARE(testsupport::processState(pid.toLongLong()), 'T');
            ticks << testsupport::processorTicks(pid.toLongLong());
        }
        QTest::qWait(1000);
        for (qsizetype i = 0; i < ticks.size(); ++i)
            QCOMPARE(testsupport::processorTicks(encoders()[i].toLongLong()), ticks[i]);
        QTest::mouseClick(form.tbtnPause, Qt::LeftButton);
        QCOMPARE(form.windowTitle(), title);
        for (qsizetype i = 0; i < ticks.size(); ++i)
            QTRY_VERIFY(testsupport::processorTicks(encoders()[i].toLongLong()) > ticks[i]);
        QTest::mouseClick(form.tbtnStop, Qt::LeftButton, {}, QPoint(4, 4));
        f.waitForRun();
        QCOMPARE(f.platform.messages.value(0).text, QStringLiteral("The Coversion is canceled."));
        QVERIFY(!form.tbtnPause->isEnabled());

        const QString log = out.filePath(QStringLiteral("log"));
        testsupport::setFakeScript(m_tmp.path(), {"log " + log, "sleep 1500", "touch $last"});
        QTest::mouseClick(form.tbtnStart, Qt::LeftButton);
        const auto startedCount = [&log] {
            QList<qint64> started;
            testsupport::readEncoderLog(log, &started);
            return started.size();
        };
        QTRY_COMPARE(startedCount(), 2);
        // The arrow of the Stop button opens its menu.
        QTimer::singleShot(200, &form, [&form] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            QVERIFY(menu);
            QTest::mouseClick(menu, Qt::LeftButton, {},
                              menu->actionGeometry(form.StopAfterCurrent1).center());
        });
        QTest::mouseClick(form.tbtnStop, Qt::LeftButton, {},
                          QPoint(form.tbtnStop->width() - 3, form.tbtnStop->height() / 2));
        QVERIFY(form.StopAfterCurrent1->isChecked());
        f.waitForRun();
        qunsetenv("QC_FAKE_SCRIPT");
        QCOMPARE(form.tasks().cell(0, 2), QStringLiteral("Complete"));
        QCOMPARE(form.tasks().cell(1, 2), QStringLiteral("Complete"));
        QCOMPARE(form.tasks().cell(2, 2), QStringLiteral("OK"));
        QCOMPARE(testsupport::mostAtOnce(testsupport::readEncoderLog(log), "run"), 2);
        QCOMPARE(f.platform.messages.value(1).text, QStringLiteral("The Coversion is canceled."));
        QVERIFY(!form.StopAfterCurrent1->isChecked());
    }

    // A profile that cannot be written back (read-only, as an installed one
    // is for its users): loading and every Start convert with the values
    // shown, and the failed save is told once.
    void readOnlyProfile()
    {
        MainFormFixture::Options o;
        o.encoder = testsupport::fakeEncoder();
        o.profiles = {{QStringLiteral("Fixed"), QStringLiteral("mkv")}};
        MainFormFixture f({}, o);
        const QString profile = f.dir.file(QStringLiteral("Profiles/Fixed.apf"));
        QVERIFY(QFile::setPermissions(profile, QFile::ReadOwner | QFile::ReadGroup));
        const QByteArray content = readFile(profile);
        f.show();
        TMainForm &form = *f.form;
        QCOMPARE(form.cmbProfile->currentText(), QStringLiteral("Fixed"));
        QCOMPARE(form.grids().video->valueOf(QStringLiteral("Bit Rate")), QStringLiteral("800k"));
        QTemporaryDir out;
        const QString source = m_tmp.filePath(QStringLiteral("ro.avi"));
        QFile(source).open(QIODevice::WriteOnly);
        form.intakeController().DropPaths({source});
        f.waitForIntake();
        form.edtOutputdir->setText(out.path());
        testsupport::setFakeScript(m_tmp.path(), {"touch $last"});
        for (int run = 0; run < 2; ++run) {
            QVERIFY(QFile::remove(out.filePath(QStringLiteral("ro.mkv"))) || run == 0);
            QTest::mouseClick(form.tbtnStart, Qt::LeftButton);
            f.waitForRun();
            QCOMPARE(form.tasks().cell(0, 2), QStringLiteral("Complete"));
            QVERIFY(QFile::exists(out.filePath(QStringLiteral("ro.mkv"))));
        }
        qunsetenv("QC_FAKE_SCRIPT");
        QStringList captions;
        for (const auto &m : f.platform.messages)
            captions << m.caption;
        // Found while the window was first shown: told with the start-up
        // errors, and not again at Start.
        QCOMPARE(captions, (QStringList{"Complete", "Complete"}));
        const QStringList errors = form.takeStartupErrors();
        QCOMPARE(errors.size(), 1);
        QVERIFY2(errors[0].contains(profile), qPrintable(errors[0]));
        QCOMPARE(readFile(profile), content);
    }

    void processDialog()
    {
        MainFormFixture f;
        f.show();
        TProcessForm &process = *f.processForm;
        QCOMPARE(process.windowTitle(), QStringLiteral("Process"));
        QCOMPARE(process.btnStop->text(), QStringLiteral("Stop"));
        // Never shown by the program; shown, it takes the main window's input.
        QVERIFY(!process.isVisible());
        process.show();
        QVERIFY(!f.form->isEnabled());
        process.btnStop->click(); // has no action
        QVERIFY(process.isVisible());
        process.close();
        QVERIFY(f.form->isEnabled());
    }

    void welcomeLink()
    {
        MainFormFixture f;
        f.show();
        QLabel *link = f.form->labLink;
        const QPoint inside = link->rect().center();
        QTest::mousePress(link, Qt::LeftButton, {}, inside);
        QCOMPARE(link->palette().color(QPalette::WindowText), QColor(128, 165, 253));
        QTest::mouseRelease(link, Qt::LeftButton, {}, inside);
        QCOMPARE(link->palette().color(QPalette::WindowText), QColor(194, 194, 194));
        QCOMPARE(f.platform.opened.size(), 1);
        QVERIFY(f.platform.opened[0].startsWith(QLatin1String("https://")));
    }

    // The end of a run is told on the desktop when the user looks at
    // another window; the taskbar entry shows the total progress meanwhile.
    void runEndNotice_data()
    {
        QTest::addColumn<bool>("active");
        QTest::newRow("window active") << true;
        QTest::newRow("another window active") << false;
    }
    void runEndNotice()
    {
        QFETCH(bool, active);
        MainFormFixture::Options o;
        o.encoder = testsupport::fakeEncoder();
        MainFormFixture f({}, o);
        f.show();
        QTemporaryDir out;
        QStringList paths;
        for (const char *name : {"n1.avi", "n2.avi", "n3.avi"}) {
            paths << m_tmp.filePath(QString::fromLatin1(name));
            QVERIFY(testsupport::writeFile(paths.last(), ""));
        }
        f.form->intakeController().DropPaths(paths);
        QVERIFY(testsupport::waitForIntake(f.form->intake()));
        f.form->edtOutputdir->setText(out.path());
        QVERIFY(testsupport::writeFile(out.filePath("n3.mp4"), "kept"));
        f.settingForm->rdbSkip->setChecked(true);
        QWidget other;
        other.show();
        QWidget *focus = active ? static_cast<QWidget *>(f.form.get()) : &other;
        focus->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(focus));
        testsupport::setFakeScript(m_tmp.path(), {"touch $last", "print time=60.0 "});
        QObject::connect(&f.form->batch(), &BatchRun::convertingFileChanged, f.form.get(),
                         [&](const QString &file) {
                             if (file == QLatin1String("n2.avi"))
                                 testsupport::setFakeScript(m_tmp.path(), {"exit 1"});
                         });
        QTest::mouseClick(f.form->tbtnStart, Qt::LeftButton);
        f.waitForRun();
        qunsetenv("QC_FAKE_SCRIPT");
        QCOMPARE(f.platform.taskbarProgress, (QList<int>{0, 33, 67, 100, -1}));
        QCOMPARE(f.platform.notifications.size(), active ? 0 : 1);
        if (!active) {
            QCOMPARE(f.platform.notifications[0].summary, QStringLiteral("Conversion completed"));
            QCOMPARE(f.platform.notifications[0].body,
                     QStringLiteral("1 file converted, 1 skipped, 1 failed."));
        }
    }

    void closeDuringRunAsks()
    {
        MainFormFixture::Options o;
        o.encoder = testsupport::fakeEncoder();
        o.profiles = {{QStringLiteral("A"), QStringLiteral("mp4")}};
        MainFormFixture f({}, o);
        f.show();
        QTemporaryDir out;
        const QString a = m_tmp.filePath(QStringLiteral("c1.avi"));
        const QString b = m_tmp.filePath(QStringLiteral("c2.avi"));
        QFile(a).open(QIODevice::WriteOnly);
        QFile(b).open(QIODevice::WriteOnly);
        f.form->intakeController().DropPaths({a, b});
        f.waitForIntake();
        QCOMPARE(f.form->tasks().count(), 2);
        f.form->edtOutputdir->setText(out.path());
        // An encoder that reports and then stays silent for a long time.
        testsupport::setFakeScript(m_tmp.path(),
                                   {"print frame=1 time=00:00:01.00 \\n", "sleep 60000"});
        f.platform.answers = {Platform::Answer::No, Platform::Answer::Yes};
        bool stillRunningAfterNo = false;
        QTimer::singleShot(300, f.form.get(), [&] {
            QVERIFY(!f.form->close()); // answered No: the run goes on
            stillRunningAfterNo =
                f.form->batch().RunState() == BatchRun::Running && f.form->isVisible();
            QTimer::singleShot(100, f.form.get(), [&] { f.form->close(); });
        });
        QElapsedTimer timer;
        timer.start();
        f.form->runPanel().tbtnStartClick();
        f.waitForRun();
        qunsetenv("QC_FAKE_SCRIPT");
        QVERIFY(timer.elapsed() < 20000);
        QVERIFY(stillRunningAfterNo);
        QVERIFY(!f.form->isVisible());
        QCOMPARE(f.form->tasks().cell(0, 2), QStringLiteral("Stop"));
        QCOMPARE(f.form->tasks().cell(1, 2), QStringLiteral("OK"));
        QVERIFY(!f.form->encoder().isRunning());
        // Two questions, no cancel or completion message.
        QCOMPARE(f.platform.messages.size(), 2);
        for (const auto &m : f.platform.messages)
            QCOMPARE(m.buttons, Platform::Buttons::YesNo);
        QVERIFY(readFile(f.dir.file(QStringLiteral("Preferences.ini"))).contains("[Main]"));
    }

    // A folder tree dropped with its subfolders and Start pressed while its
    // probes are still pending: each task's conversion waits for its own
    // probe, the probes go on one at a time during the run, and each output
    // lands in the task's subfolder of the output directory, made when its
    // conversion starts, with the rename rule applied inside it.
    void startWhileProbing()
    {
        MainFormFixture::Options o;
        o.encoder = testsupport::fakeEncoder();
        o.profiles = {{QStringLiteral("A"), QStringLiteral("mp4")}};
        MainFormFixture f({}, o);
        f.show();
        TMainForm &form = *f.form;
        const QString tree = m_tmp.filePath(QStringLiteral("slowtree"));
        QStringList sources;
        for (const char *name : {"a.avi", "b.avi", "sub/a.avi", "sub/deep/c.avi"}) {
            sources << tree + u'/' + QString::fromLatin1(name);
            QVERIFY(QDir().mkpath(QFileInfo(sources.last()).path()));
            QFile(sources.last()).open(QIODevice::WriteOnly);
        }
        QTemporaryDir out;
        QVERIFY(QDir().mkpath(out.filePath(QStringLiteral("sub"))));
        QVERIFY(testsupport::writeFile(out.filePath(QStringLiteral("sub/a.mp4")), "kept"));
        form.edtOutputdir->setText(out.path());
        f.settingForm->chkSubfolders->setChecked(true);
        f.settingForm->rdbRename->setChecked(true);
        f.settingForm->spnProbes->setValue(2);
        const QString log = m_tmp.filePath(QStringLiteral("whileprobing.log"));
        testsupport::setFakeScript(m_tmp.path(),
                                   {"log " + log, "sleepif slowtree 400",
                                    "print Input #0, avi, from '$last':\\n  Duration: 00:00:10.00, "
                                    "start: 0\\n  Stream #0:0: Video: a, b, 320x240\\n",
                                    "touch $last"});
        form.intakeController().DropPaths({tree});
        QTRY_COMPARE(form.tasks().count(), 4);
        QCOMPARE(form.tasks().cell(3, ItemField::Status), QStringLiteral("Probing"));
        QVERIFY(!QFileInfo::exists(out.filePath(QStringLiteral("sub/deep"))));
        QTest::mouseClick(form.tbtnStart, Qt::LeftButton);
        f.waitForRun();
        qunsetenv("QC_FAKE_SCRIPT");

        QStringList statuses;
        for (int i = 0; i < 4; ++i)
            statuses << form.tasks().cell(i, ItemField::Status);
        QCOMPARE(statuses, QStringList(4, QStringLiteral("Complete")));
        QCOMPARE(form.pgbTotal->value(), 100);
        QCOMPARE(f.platform.messages.size(), 1);
        QCOMPARE(f.platform.messages[0].caption, QStringLiteral("Complete"));
        QVERIFY(!form.labAdding->isVisible());
        for (const char *name : {"a.mp4", "b.mp4", "sub/a_3.mp4", "sub/deep/c.mp4"})
            QVERIFY2(QFileInfo::exists(out.filePath(QString::fromLatin1(name))), name);
        QCOMPARE(readFile(out.filePath(QStringLiteral("sub/a.mp4"))), QByteArray("kept"));

        QList<testsupport::EncoderSpan> probes, runs;
        for (const testsupport::EncoderSpan &span : testsupport::readEncoderLog(log))
            (span.kind == QLatin1String("probe") ? probes : runs) << span;
        QCOMPARE(probes.size(), 4);
        QCOMPARE(runs.size(), 4);
        std::sort(runs.begin(), runs.end(), [](auto &a, auto &b) { return a.start < b.start; });
        qint64 firstEnd = std::numeric_limits<qint64>::max();
        for (const testsupport::EncoderSpan &p : probes)
            firstEnd = std::min(firstEnd, p.end);
        QList<testsupport::EncoderSpan> laterProbes;
        for (int i = 0; i < 4; ++i) {
            // The task's conversion began after its probe had ended.
            const auto probe = std::find_if(probes.begin(), probes.end(),
                                            [&](auto &p) { return p.last == sources[i]; });
            QVERIFY(probe != probes.end());
            QVERIFY2(probe->end <= runs[i].start, qPrintable(sources[i]));
            if (probe->start >= firstEnd)
                laterProbes << *probe;
        }
        // Those begun during the run went one at a time.
        QCOMPARE(laterProbes.size(), 2);
        QCOMPARE(testsupport::mostAtOnce(laterProbes, QStringLiteral("probe")), 1);
    }

    // The media reader beside the program probes what is added, unless
    // "Probe with the encoder only" is checked.
    void probedByTheMediaReader_data()
    {
        QTest::addColumn<bool>("encoderOnly");
        QTest::addColumn<QString>("length"); // its start
        // The clip is a second long; the fake encoder says nine.
        QTest::newRow("media reader") << false << "00:00:01.";
        QTest::newRow("encoder only") << true << "00:00:09.00";
    }
    void probedByTheMediaReader()
    {
        QFETCH(bool, encoderOnly);
        QFETCH(QString, length);
        MainFormFixture::Options o;
        o.encoder = testsupport::fakeEncoder();
        o.withProbeHelper = true;
        MainFormFixture f({}, o);
        f.show();
        const QString clip = m_tmp.filePath(QStringLiteral("one second.avi"));
        QVERIFY(QFileInfo::exists(clip) || !testsupport::makeStandardClip(clip, 1.0).isEmpty());
        testsupport::setFakeScript(m_tmp.path(),
                                   {"print Input #0, avi, from '$last':\\n  Duration: 00:00:09.00, "
                                    "start: 0\\n  Stream #0:0: Video: a, b, 320x240\\n"});
        f.settingForm->showPage(0);
        if (encoderOnly)
            QTest::mouseClick(f.settingForm->chkProbeEncoder, Qt::LeftButton, {},
                              QPoint(8, f.settingForm->chkProbeEncoder->height() / 2));
        QCOMPARE(f.settingForm->chkProbeEncoder->isChecked(), encoderOnly);
        f.settingForm->close();
        f.form->intakeController().DropPaths({clip});
        f.waitForIntake();
        qunsetenv("QC_FAKE_SCRIPT");
        QVERIFY2(f.form->tasks().cell(0, ItemField::Length).startsWith(length),
                 qPrintable(f.form->tasks().cell(0, ItemField::Length)));
    }

    // Each output is checked when the General page's first box is ticked
    // (the Trash box goes with it): what the stand-in wrote decides the
    // status, and a failed task shows the reason when the pointer rests on it.
    void checkedOutputs_data()
    {
        testsupport::addStandInRows();
        QTest::newRow("half as long, not checked") << "half.avi"
                                                   << "";
    }
    void checkedOutputs()
    {
        QFETCH(QString, copied);
        QFETCH(QString, reason);
        const bool check = !QByteArray(QTest::currentDataTag()).endsWith("not checked");
        MainFormFixture::Options o;
        o.encoder = testsupport::fakeEncoder();
        o.withProbeHelper = true;
        o.checkOutputs = true;
        o.profiles = {{QStringLiteral("A"), QStringLiteral("mp4")}};
        MainFormFixture f({}, o);
        f.show();
        TMainForm &form = *f.form;
        f.settingForm->showPage(0);
        if (!check)
            QTest::mouseClick(f.settingForm->chkVerify, Qt::LeftButton, {},
                              QPoint(8, f.settingForm->chkVerify->height() / 2));
        QCOMPARE(f.settingForm->chkTrash->isEnabled(), check);
        f.settingForm->close();
        const QString source = m_tmp.filePath(QStringLiteral("checked.avi"));
        QFile::remove(source);
        QVERIFY(QFile::copy(testsupport::standInOutputs() + "/full.avi", source));
        QTemporaryDir out;
        form.edtOutputdir->setText(out.path());
        form.intakeController().DropPaths({source});
        f.waitForIntake();
        testsupport::setFakeScript(m_tmp.path(), testsupport::standInScript(copied));
        QTest::mouseClick(form.tbtnStart, Qt::LeftButton);
        f.waitForRun();
        qunsetenv("QC_FAKE_SCRIPT");
        const QPoint pos = form.ltvTask->visualRect(form.tasks().index(0, 3)).center();
        QHelpEvent help(QEvent::ToolTip, pos, form.ltvTask->viewport()->mapToGlobal(pos));
        QApplication::sendEvent(form.ltvTask->viewport(), &help);
        QCOMPARE(QToolTip::text(), reason.isEmpty() ? "Complete" : reason);
        QCOMPARE(f.platform.messages.value(0).caption,
                 reason.isEmpty() ? "Complete" : "Finished with errors");
    }

    // Start pressed while a folder is still being taken in: no output takes
    // the name of a source that intake has yet to add, even when existing
    // files are overwritten.
    void startDuringIntake()
    {
        MainFormFixture::Options o;
        o.encoder = testsupport::fakeEncoder();
        o.profiles = {{QStringLiteral("A"), QStringLiteral("mp4")}};
        MainFormFixture f({}, o);
        f.show();
        TMainForm &form = *f.form;
        const QString a = m_tmp.filePath(QStringLiteral("intakeA"));
        const QString b = m_tmp.filePath(QStringLiteral("intakeB"));
        QVERIFY(QDir().mkpath(a) && QDir().mkpath(b));
        QVERIFY(testsupport::writeFile(a + "/zz.avi", "source"));
        for (int i = 0; i < 3000; ++i)
            QVERIFY(testsupport::writeFile(
                b + QStringLiteral("/f%1.avi").arg(i, 4, 10, QLatin1Char('0')), {}));
        QVERIFY(testsupport::writeFile(b + "/zz.mp4", "source"));
        form.edtOutputdir->setText(b);
        f.settingForm->rdbOverWrite->setChecked(true);
        testsupport::setFakeScript(m_tmp.path(), {"ifarg -y", "touch $last"});
        QObject::connect(&form.batch(), &BatchRun::taskEnded, &form,
                         [&form] { form.batch().requestStop(); });
        form.intakeController().DropPaths({a, b});
        QTRY_VERIFY(form.tasks().count() > 0 && form.tbtnStart->isEnabled());
        QVERIFY(form.intake().isAdding());
        QTest::mouseClick(form.tbtnStart, Qt::LeftButton);
        f.waitForRun();
        qunsetenv("QC_FAKE_SCRIPT");
        QCOMPARE(form.tasks().cell(0, ItemField::Status), QStringLiteral("Complete"));
        QCOMPARE(readFile(b + "/zz.mp4"), QByteArray("source"));
        QVERIFY(QFileInfo::exists(b + "/zz_1.mp4"));
    }

    // Closing the window while probes are pending ends every encoder.
    void closeWhileProbing()
    {
        MainFormFixture::Options o;
        o.encoder = testsupport::fakeEncoder();
        MainFormFixture f({}, o);
        f.show();
        const QString log = m_tmp.filePath(QStringLiteral("closing.log"));
        testsupport::setFakeScript(m_tmp.path(), {"log " + log, "sleep 60000"});
        f.settingForm->spnProbes->setValue(2);
        QStringList paths;
        for (const char *name : {"p1.avi", "p2.avi", "p3.avi"}) {
            paths << m_tmp.filePath(QString::fromLatin1(name));
            QFile(paths.last()).open(QIODevice::WriteOnly);
        }
        f.form->intakeController().DropPaths(paths);
        QList<qint64> started;
        QTRY_VERIFY(
            (started.clear(), testsupport::readEncoderLog(log, &started), started.size() == 2));
        qunsetenv("QC_FAKE_SCRIPT");
        QVERIFY(f.form->close());
        QVERIFY(f.form->probes().isIdle());
        for (qint64 pid : started)
            QTRY_VERIFY2(testsupport::processGone(pid), QByteArray::number(pid));
        QTest::qWait(200);
        QList<qint64> after;
        testsupport::readEncoderLog(log, &after);
        QCOMPARE(after, started); // and none started since
    }

    // The real window started with a directory, a supported file and an
    // unsupported one, then a real run of the clips through Start, two
    // side by side as set on the General page, each row showing its own
    // percentage meanwhile.
    void commandLineIntakeAndRealRun()
    {
        QTemporaryDir src;
        QDir().mkpath(src.filePath(QStringLiteral("folder")));
        const QString inFolder =
            testsupport::makeStandardClip(src.filePath(QStringLiteral("folder/b clip.avi")), 2.0);
        // Today's formats are taken in too.
        const QString single =
            testsupport::makeStandardClip(src.filePath(QStringLiteral("ä single.mkv")), 3.0);
        QVERIFY(!inFolder.isEmpty() && !single.isEmpty());
        const QString text = src.filePath(QStringLiteral("notes.txt"));
        QFile(text).open(QIODevice::WriteOnly);
        const QString missing = src.filePath(QStringLiteral("gone.avi"));

        MainFormFixture::Options o;
        o.profiles = {{QStringLiteral("Test"), QStringLiteral("avi")}};
        MainFormFixture f({src.filePath(QStringLiteral("folder")), single, text, missing}, o);
        TMainForm &form = *f.form;
        // Taken in once the window is shown.
        QCOMPARE(form.tasks().count(), 0);
        f.show();
        f.waitForIntake();
        QCOMPARE(form.tasks().count(), 2);
        QCOMPARE(form.tasks().caption(0), inFolder);
        QCOMPARE(form.tasks().caption(1), single);
        QVERIFY(form.tasks().cell(0, 0).startsWith(QStringLiteral("00:00:02")));
        QCOMPARE(form.tasks().cell(0, 1), QStringLiteral(" 320x240"));
        QCOMPARE(form.tasks().cell(1, 2), QStringLiteral("OK"));
        QVERIFY(!form.taskList().welcomeVisible());
        QVERIFY(form.tbtnStart->isEnabled());
        // What was left out is told without a message box.
        QCOMPARE(form.btnNotAdded->toolTip(), text + QStringLiteral(": not a video file\n") +
                                                  missing + QStringLiteral(": not found"));

        // Cut the second clip to 1 s through the Output grid, left open.
        QTemporaryDir out;
        form.edtOutputdir->setText(out.path());
        form.taskList().selectRows({1});
        form.taskList().ltvTaskClick();
        // The edit is still open when Start is pressed.
        form.vleOutput->setFocus();
        const QModelIndex endCell = form.vleOutput->model()->index(2, 1);
        form.vleOutput->setCurrentIndex(endCell);
        form.vleOutput->QAbstractItemView::edit(endCell);
        auto *editor = qobject_cast<QLineEdit *>(form.vleOutput->openEditor());
        QVERIFY(editor);
        editor->setText(QStringLiteral("00:00:01"));
        // The run reads the live control of the settings dialog.
        f.settingForm->chkOpenDir->setChecked(true);
        f.settingForm->spnConversions->setFocus();
        QTest::keyClick(f.settingForm->spnConversions, Qt::Key_Up);
        int mostConverting = 0;
        QSet<QString> shown;
        connect(&form.tasks(), &QAbstractItemModel::dataChanged, &form, [&] {
            int converting = 0;
            for (int row = 0; row < form.tasks().count(); ++row) {
                converting += form.tasks().cell(row, 2) == QStringLiteral("Converting");
                shown << form.tasks().index(row, 3).data().toString();
            }
            mostConverting = std::max(mostConverting, converting);
        });
        QTest::mouseClick(form.tbtnStart, Qt::LeftButton);
        f.waitForRun();
        QCOMPARE(mostConverting, std::min(2, MaxSimultaneousConversions()));
        QVERIFY(std::any_of(shown.begin(), shown.end(), [](const QString &text) {
            return QRegularExpression(QStringLiteral("^Converting \\d+%$")).match(text).hasMatch();
        }));

        QCOMPARE(form.tasks().cell(0, 2), QStringLiteral("Complete"));
        QCOMPARE(form.tasks().cell(1, 2), QStringLiteral("Complete"));
        QCOMPARE(form.pgbTotal->value(), 100);
        QCOMPARE(form.labTotalProgress->text(), QStringLiteral("100%"));
        QCOMPARE(form.pgbCurrent->value(), 100);
        QCOMPARE(f.platform.messages.size(), 1);
        QCOMPARE(f.platform.messages[0].text,
                 QStringLiteral("The coversion is completed successfully."));
        QCOMPARE(f.platform.messages[0].caption, QStringLiteral("Complete"));
        QCOMPARE(f.platform.opened, QStringList({out.path()}));
        QVERIFY(QFileInfo(out.filePath(QStringLiteral("b clip.avi"))).size() > 0);
        // The edit reached the task and its encoder: one second converted.
        QCOMPARE(form.tasks().cell(1, ItemField::EndTime), QStringLiteral("00:00:01"));
        QCOMPARE(form.tasks().cell(1, ItemField::ClipLength), QStringLiteral("00:00:01"));
        Prober prober(testsupport::ffmpeg());
        testsupport::probeFile(prober, out.filePath(QStringLiteral("ä single.avi")));
        const double seconds = StrToSeconds(prober.duration());
        QVERIFY2(seconds > 0.8 && seconds < 1.3, qPrintable(prober.duration()));
        testsupport::probeFile(prober, out.filePath(QStringLiteral("b clip.avi")));
        QVERIFY2(StrToSeconds(prober.duration()) > 1.8, qPrintable(prober.duration()));
        // Back in the idle state.
        QVERIFY(form.panBottomCenter->isVisible());
        QVERIFY(!form.panBottomLeft->isVisible());
        QVERIFY(form.tbtnStart->isEnabled());
        QVERIFY(!form.tbtnStop->isEnabled());
        QVERIFY(form.ltvTask->isEnabled());
    }
};

QTEST_MAIN(TestMainForm)
#include "tst_mainform.moc"
