// The window in each language it speaks and in the pseudo-language made at
// build time, the choice of the language, and the files the program stores,
// which stay the same in every language.
#include "engine/batchrun.h"
#include "engine/itemdata.h"
#include "engine/taskstore.h"
#include "platform/branding.h"
#include "settings/preferences.h"
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

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTranslator>
#include <QXmlStreamReader>

using testsupport::readFile;

namespace {

const QString TranslationsDir = QStringLiteral(QC_BIN_DIR "/translations");
const QStringList RealLanguages{"de", "fr", "es", "it", "pt_BR", "ru", "zh_CN", "ja"};

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

// Source texts that the language's file translates into something else,
// less those that read like a translation of another text.
QSet<QString> translatedSources(const QString &language)
{
    QFile file(QStringLiteral(QC_SOURCE_DIR "/translations/quivercast_%1.ts").arg(language));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QSet<QString> sources;
    QXmlStreamReader xml(&file);
    QString source;
    QSet<QString> translations;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"source") {
            source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            const QString translation = xml.readElementText();
            translations << plain(translation);
            if (translation != source)
                sources << plain(source);
        }
    }
    sources.subtract(translations);
    return sources;
}

// Texts that are the same in every language: numbers, times and sizes,
// file names and paths, the names of the product, its maker and their
// pages, codecs and units, and the languages' own names.
bool sameInEveryLanguage(const QString &text)
{
    static const QRegularExpression numbers(QStringLiteral("^[\\d\\s:.,%x()+\\-/]*$"));
    static const QRegularExpression fileName(QStringLiteral("\\.[a-z0-9]{2,4}$"));
    static const QRegularExpression word(QStringLiteral("[A-Za-z]*[a-z]{2,}[A-Za-z]*"));
    static const QSet<QString> words{"kbps", "Opus", "Vorbis", "Xvid", "avi", "mp4", "mkv"};
    if (numbers.match(text).hasMatch() || fileName.match(text).hasMatch() || text.contains(u'/') ||
        text.contains(Branding::ProductName) || text.contains(Branding::MakerName) ||
        text.contains(Branding::WebSite) || text.contains(u'@'))
        return true;
    for (const auto &product : Branding::OtherProducts)
        if (text == product.name)
            return true;
    for (const Language &l : Languages())
        if (text == l.nativeName)
            return true;
    for (auto it = word.globalMatch(text); it.hasNext();)
        if (!words.contains(it.next().captured()))
            return false;
    return true;
}

// Every text a window shows: titles, labels, buttons, tabs, group boxes,
// list items, column headers, grid rows, menu items, tips and the names a
// screen reader reads, of shown and hidden parts alike.
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
        else if (auto *button = qobject_cast<QAbstractButton *>(w))
            texts << button->text();
        else if (auto *group = qobject_cast<QGroupBox *>(w))
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

    // What the program stores after the same session in the language: the
    // settings, the task list, the profile saved and the encoder's
    // arguments, with the program's folder written as "<dir>".
    QMap<QString, QByteArray> storedAfterSession(const QString &language);

private slots:
    void initTestCase();
    void cleanup() { qDeleteAll(qApp->findChildren<QTranslator *>()); }
    void noTextLeftInEnglish_data();
    void noTextLeftInEnglish();
    void storedFilesSameInEveryLanguage();
    void desktopLanguage_data();
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
    MainFormFixture::Options options;
    options.withShippedProfiles = true;
    options.withPreferences = true;
    MainFormFixture f({m_clip}, options);
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
    MainFormFixture::Options options;
    options.withShippedProfiles = true;
    options.withPreferences = true;
    MainFormFixture f({m_clip}, options);
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

void TestLanguages::desktopLanguage_data()
{
    QTest::addColumn<QStringList>("environment"); // name=value
    QTest::addColumn<QString>("language");
    QTest::newRow("LANG") << QStringList{"LANG=de_DE.UTF-8"} << "de";
    QTest::newRow("LC_MESSAGES before LANG")
        << QStringList{"LANG=de_DE.UTF-8", "LC_MESSAGES=fr_FR.UTF-8"} << "fr";
    QTest::newRow("LC_ALL before all")
        << QStringList{"LC_MESSAGES=fr_FR", "LC_ALL=ru_RU.UTF-8"} << "ru";
    QTest::newRow("LANGUAGE list")
        << QStringList{"LANG=de_DE.UTF-8", "LANGUAGE=eo:pt_BR:de"} << "pt_BR";
    QTest::newRow("LANGUAGE ignored under C") << QStringList{"LANG=C", "LANGUAGE=ja"} << "en";
    QTest::newRow("Portuguese of Portugal") << QStringList{"LANG=pt_PT.UTF-8"} << "pt_BR";
    QTest::newRow("Simplified Chinese") << QStringList{"LANG=zh_CN.GB18030"} << "zh_CN";
    QTest::newRow("Traditional Chinese") << QStringList{"LANG=zh_TW.UTF-8"} << "en";
    QTest::newRow("unknown") << QStringList{"LANG=nl_NL.UTF-8"} << "en";
    QTest::newRow("none") << QStringList{} << "en";
}

void TestLanguages::desktopLanguage()
{
    QFETCH(QStringList, environment);
    QFETCH(QString, language);
    QHash<QString, QString> values;
    for (const QString &pair : environment)
        values.insert(pair.section(u'=', 0, 0), pair.section(u'=', 1));
    QCOMPARE(DesktopLanguage([&](const char *name) { return values.value(name); }), language);
}

void TestLanguages::languageSetting()
{
    MainFormFixture::Options options;
    options.withPreferences = true;
    MainFormFixture f({}, options);
    f.show();
    // The setting wins over the desktop when the language has a translation.
    QCOMPARE(ChosenLanguage(QStringLiteral("ja"), QStringLiteral("de"), TranslationsDir), "ja");
    QCOMPARE(ChosenLanguage(QString(), QStringLiteral("de"), TranslationsDir), "de");
    QCOMPARE(ChosenLanguage(QStringLiteral("xx"), QStringLiteral("de"), TranslationsDir), "de");
    QCOMPARE(ChosenLanguage(QStringLiteral("en"), QStringLiteral("de"), TranslationsDir), "en");

    // Chosen on the General page, it is stored for the next start.
    f.form->tbtnSettingClick();
    TSettingForm &settings = *f.settingForm;
    QComboBox *languages = settings.cmbLanguage;
    QCOMPARE(languages->itemData(0).toString(), QString()); // System default
    QCOMPARE(languages->count(), Languages().size() + 1);
    languages->setFocus();
    while (languages->currentData().toString() != u"fr")
        QTest::keyClick(languages, Qt::Key_Down);
    QTest::mouseClick(settings.btnOK, Qt::LeftButton);
    QVERIFY(readFile(f.paths.preferencesFile()).contains("Language=fr\r\n"));
    QCOMPARE(ReadLanguage(f.paths.preferencesFile()), "fr");

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
