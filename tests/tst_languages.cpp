// The window in each language and in the pseudo-language; the choice of it.
#include "engine/batchrun.h"
#include "platform/branding.h"
#include "settings/valuelistmodel.h"
#include "support/mainformfixture.h"
#include "support/testsupport.h"
#include "ui/aboutform.h"
#include "ui/languages.h"
#include "ui/logform.h"
#include "ui/mainform.h"
#include "ui/poweroffnotice.h"
#include "ui/processform.h"
#include "ui/settingform.h"
#include "ui/sizeform.h"
#include "ui/tasklistpanel.h"
#include "ui/valuelisteditor.h"

#include <QtTest>
#include <QtWidgets>

using testsupport::readFile;

namespace {

const QString TranslationsDir = QStringLiteral(QC_BIN_DIR "/translations");
const QStringList RealLanguages{"de", "fr", "es", "it", "pt_BR", "ru", "zh_CN", "ja"};

MainFormFixture::Options Shipped()
{
    MainFormFixture::Options options;
    options.withShippedProfiles = options.withPreferences = true;
    return options;
}

void useLanguage(const QString &language)
{
    qDeleteAll(qApp->findChildren<QTranslator *>());
    QVERIFY(InstallTranslations(*qApp, language, TranslationsDir));
}

// A text as it reads: no accelerator marks, no padding.
QString plain(QString text)
{
    text.remove(QRegularExpression(QStringLiteral("\\(&\\w\\)")));
    return text.remove(u'&').trimmed();
}

// Source texts the language's file translates into something else (and that
// read like no translation).
QSet<QString> translatedSources(const QString &language)
{
    QXmlStreamReader xml(
        readFile(QStringLiteral(QC_SOURCE_DIR "/translations/quivercast_%1.ts").arg(language)));
    QString source;
    QSet<QString> sources, translations;
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (xml.name() == u"source")
            source = plain(xml.readElementText());
        else if (xml.name() == u"translation")
            sources << source, translations << plain(xml.readElementText());
    }
    sources.subtract(translations);
    return sources;
}

// Texts the same in every language: numbers, times, sizes, file names, the
// names of the product, its maker and their pages, codecs, the languages.
bool sameInEveryLanguage(const QString &text)
{
    static const QRegularExpression numbers(QStringLiteral("^[\\d\\s:.,%x()+\\-/]*$"));
    static const QRegularExpression fileName(QStringLiteral("\\.[a-z0-9]{2,4}$"));
    static const QRegularExpression word(QStringLiteral("[A-Za-z]*[a-z]{2,}[A-Za-z]*"));
    QSet<QString> words{"kbps",   "Opus", "Vorbis", "Xvid",   "Larkspur", "Disc",
                        "Author", "Clip", "Joiner", "Screen", "Recorder"};
    for (const Language &l : Languages())
        words << l.nativeName;
    if (numbers.match(text).hasMatch() || fileName.match(text).hasMatch() || text.contains(u'/') ||
        text.contains(Branding::ProductName) || text.contains(Branding::MakerName) ||
        text.contains(Branding::WebSite) || text.contains(u'@') || words.contains(text))
        return true;
    for (auto it = word.globalMatch(text); it.hasNext();)
        if (!words.contains(it.next().captured()))
            return false;
    return true;
}

// Every text a window shows, or a screen reader reads, in shown and hidden parts.
QStringList textsOf(QWidget *window)
{
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);
    QStringList texts{window->windowTitle()};
    for (QWidget *w : widgets) {
        // The tab bar's scroll buttons speak Qt's own translation.
        if (qobject_cast<QTabBar *>(w->parentWidget()))
            continue;
        texts << w->toolTip() << w->accessibleName() << w->accessibleDescription();
        if (auto *label = qobject_cast<QLabel *>(w))
            texts << label->text();
        if (auto *button = qobject_cast<QAbstractButton *>(w))
            texts << button->text();
        if (auto *group = qobject_cast<QGroupBox *>(w))
            texts << group->title();
        if (auto *tabs = qobject_cast<QTabWidget *>(w))
            for (int i = 0; i < tabs->count(); ++i)
                texts << tabs->tabText(i);
        if (auto *combo = qobject_cast<QComboBox *>(w))
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
        if (auto *menu = qobject_cast<QMenu *>(w))
            for (QAction *action : menu->actions())
                texts << action->text();
        if (auto *view = qobject_cast<QAbstractItemView *>(w); view && view->model()) {
            const QAbstractItemModel *model = view->model();
            for (int c = 0; c < model->columnCount(); ++c) {
                texts << model->headerData(c, Qt::Horizontal).toString();
                for (int r = 0; r < model->rowCount(); ++r)
                    texts << model->index(r, c).data().toString();
            }
        }
    }
    QStringList shown;
    for (const QString &t : texts)
        if (!plain(t).isEmpty())
            shown << plain(t);
    return shown;
}

} // namespace

class TestLanguages : public QObject
{
    Q_OBJECT

    QTemporaryDir m_clips;
    QString m_clip;

    // The settings, task list, profile and encoder arguments a session stores.
    QMap<QString, QByteArray> storedAfterSession(const QString &language);

private slots:
    void initTestCase();
    void cleanup() { qDeleteAll(qApp->findChildren<QTranslator *>()); }
    void noTextLeftInEnglish_data();
    void noTextLeftInEnglish();
    void storedFilesSameInEveryLanguage();
    void desktopLanguage();
    void languageSetting();
};

void TestLanguages::initTestCase()
{
    m_clip = testsupport::makeStandardClip(m_clips.filePath(QStringLiteral("holiday.avi")), 1.0);
    QVERIFY(!m_clip.isEmpty());
}

void TestLanguages::noTextLeftInEnglish_data()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : RealLanguages + QStringList{"pseudo"})
        QTest::newRow(qPrintable(language)) << language;
}

void TestLanguages::noTextLeftInEnglish()
{
    QFETCH(QString, language);
    useLanguage(language);
    MainFormFixture f({m_clip}, Shipped());
    f.show();
    f.waitForIntake();
    TMainForm &form = *f.form;
    form.taskList().selectRows({0});
    form.taskList().ltvTaskClick();

    // Every window, in the states that show its texts.
    QStringList texts = textsOf(&form);
    form.tbtnSettingClick();
    texts << textsOf(f.settingForm.get());
    f.settingForm->close();
    QTest::mouseClick(form.bbtnSetting, Qt::LeftButton);
    texts << textsOf(f.settingForm.get());
    f.settingForm->close();
    form.tbtnAboutClick();
    texts << textsOf(f.aboutForm.get()) << textsOf(f.processForm.get());
    f.aboutForm->close();
    f.sizeForm->show();
    QTest::mouseClick(f.sizeForm->btnOK, Qt::LeftButton); // no width: a message
    texts << textsOf(f.sizeForm.get());
    f.sizeForm->close();
    TPowerOffNotice notice(60);
    texts << textsOf(&notice);
    TLogForm log(f.platform);
    log.showLog(m_clip, QString());
    texts << textsOf(&log);
    log.close();
    // A message of the run, one of the window's own.
    form.edtOutputdir->setText(f.dir.file(QStringLiteral("missing")));
    QTest::mouseClick(form.tbtnStart, Qt::LeftButton);
    QCOMPARE(f.platform.messages.size(), 2);
    for (const RecordingPlatform::Message &m : f.platform.messages)
        texts << plain(m.caption) << plain(m.text);

    const QSet<QString> english = translatedSources(language);
    QStringList left;
    for (const QString &text : texts) {
        if (sameInEveryLanguage(text))
            continue;
        const bool untranslated =
            language == u"pseudo" ? !text.contains(u'[')
                                  : english.contains(text) ||
                                        english.contains(text.section(QStringLiteral(" ("), 0, 0));
        if (untranslated && !left.contains(text))
            left << text;
    }
    QVERIFY2(left.isEmpty(), qPrintable(left.join(QStringLiteral(" | "))));
    QVERIFY(texts.size() > 150);
}

QMap<QString, QByteArray> TestLanguages::storedAfterSession(const QString &language)
{
    if (language != u"en")
        useLanguage(language);
    MainFormFixture f({m_clip}, Shipped());
    f.show();
    f.form->RestoreSession(); // from now on the task list is kept
    f.waitForIntake();
    TMainForm &form = *f.form;
    form.edtOutputdir->setText(f.dir.path());
    QStringList arguments;
    connect(&form.batch(), &BatchRun::taskStarted, this,
            [&](int, const QStringList &args) { arguments = args; });

    form.taskList().selectRows({0});
    form.taskList().ltvTaskClick();
    // The settings saved by OK; a pick-list item chosen on the Profiles page
    // and saved into the profile, which the main window then shows.
    form.tbtnSettingClick();
    QTest::mouseClick(f.settingForm->btnOK, Qt::LeftButton);
    QTest::mouseClick(form.bbtnSetting, Qt::LeftButton);
    TValueListEditor *video = f.settingForm->vleVideo;
    video->setFocus();
    video->setCurrentIndex(
        video->model()->index(video->values()->findRow(QStringLiteral("Aspect")), 1));
    if (auto *combo = qobject_cast<QComboBox *>(video->openEditor()))
        QTest::keyClick(combo, Qt::Key_Down);
    QTest::mouseClick(f.settingForm->btnOK, Qt::LeftButton);
    QTest::mouseClick(form.tbtnStart, Qt::LeftButton);
    f.waitForRun();
    form.close();

    QMap<QString, QByteArray> stored{{"arguments", arguments.join(u'\n').toUtf8()},
                                     {"Preferences.ini", readFile(f.paths.preferencesFile())},
                                     {"TaskList.ini", readFile(f.paths.taskListFile())},
                                     {"profile", readFile(form.profilePath(form.profileName()))}};
    for (QByteArray &bytes : stored)
        bytes.replace(f.dir.path().toUtf8(), "<dir>/");
    return stored;
}

void TestLanguages::storedFilesSameInEveryLanguage()
{
    const QMap<QString, QByteArray> english = storedAfterSession(QStringLiteral("en"));
    const QMap<QString, QByteArray> german = storedAfterSession(QStringLiteral("de"));
    // The session did what it should: the item chosen reached the encoder.
    QVERIFY2(english["arguments"].contains("-aspect\n4:3"), english["arguments"].constData());
    QVERIFY(english["TaskList.ini"].contains("Complete"));
    QVERIFY(!english["Preferences.ini"].contains("Language"));
    for (auto it = english.cbegin(); it != english.cend(); ++it)
        QVERIFY2(german[it.key()] == it.value(), qPrintable(it.key()));
}

void TestLanguages::desktopLanguage()
{
    // The environment (name=value ...) and the language it gives.
    const std::pair<const char *, const char *> cases[] = {
        {"LANG=de LC_MESSAGES=fr_FR.UTF-8", "fr"},
        {"LC_MESSAGES=fr LC_ALL=ru_RU", "ru"},
        {"LANG=de LANGUAGE=eo:pt_BR:de", "pt_BR"},
        {"LANG=C LANGUAGE=ja", "en"},
        {"LANG=pt_PT.UTF-8", "pt_BR"},
        {"LANG=zh_TW.UTF-8", "en"},
        {"LANG=nl_NL.UTF-8", "en"},
        {"", "en"}};
    for (const auto &[environment, language] : cases) {
        QHash<QString, QString> values;
        for (const QString &pair : QString::fromLatin1(environment).split(u' ', Qt::SkipEmptyParts))
            values.insert(pair.section(u'=', 0, 0), pair.section(u'=', 1));
        QCOMPARE(DesktopLanguage([&](const char *name) { return values.value(name); }),
                 QString::fromLatin1(language));
    }
}

void TestLanguages::languageSetting()
{
    MainFormFixture f({}, Shipped());
    f.show();
    // The setting wins over the desktop when the language has a translation.
    QCOMPARE(ChosenLanguage("ja", "de", TranslationsDir) +
                 ChosenLanguage("xx", "de", TranslationsDir),
             "jade");

    // Chosen on the General page, it is stored for the next start.
    f.form->tbtnSettingClick();
    TSettingForm &settings = *f.settingForm;
    QComboBox *languages = settings.cmbLanguage;
    QCOMPARE(languages->count(), Languages().size() + 1); // and "System default"
    languages->setFocus();
    while (languages->currentData().toString() != u"fr")
        QTest::keyClick(languages, Qt::Key_Down);
    QTest::mouseClick(settings.btnOK, Qt::LeftButton);
    QVERIFY(readFile(f.paths.preferencesFile()).contains("Language=fr\r\n"));

    // Help opens the manual in the window's language when there is one.
    testsupport::writeFile(f.dir.file(QStringLiteral("Quivercast.de.html")), "<html/>");
    f.form->setLanguage(QStringLiteral("de"));
    QTest::mouseClick(f.form->tbtnHelp, Qt::LeftButton);
    f.form->setLanguage(QStringLiteral("ja"));
    QTest::mouseClick(f.form->tbtnHelp, Qt::LeftButton);
    QCOMPARE(f.platform.opened, QStringList({f.dir.file(QStringLiteral("Quivercast.de.html")),
                                             f.dir.file(QStringLiteral("Quivercast.html"))}));
}

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
