#include "platform/branding.h"
#include "platform/recordingplatform.h"
#include "ui/aboutform.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

class TestAboutForm : public QObject
{
    Q_OBJECT

    QWidget *m_main = nullptr;
    RecordingPlatform *m_platform = nullptr;
    TAboutForm *m_about = nullptr;

    void clickLabel(QLabel *label)
    {
        QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
    }

private slots:
    void init()
    {
        m_main = new QWidget;
        m_main->show();
        m_platform = new RecordingPlatform;
        m_about = new TAboutForm(m_main, *m_platform, QStringLiteral("1.8"), m_main);
    }
    void cleanup()
    {
        delete m_main;
        delete m_platform;
    }

    void texts()
    {
        QCOMPARE(m_about->windowTitle(), QStringLiteral("About"));
        QCOMPARE(m_about->size(), QSize(503, 290));
        QCOMPARE(m_about->labProduct->text(), QStringLiteral("Quivercast"));
        QCOMPARE(m_about->labVersion->text(), QStringLiteral("Version 1.8"));
        QVERIFY(m_about->labNotice->text().contains(Branding::MakerName));
        QVERIFY(m_about->labNotice->text().contains(Branding::Year));
        QCOMPARE(m_about->labVisit->text(), QStringLiteral("Visit our website"));
        QCOMPARE(m_about->labWebsite->text(), Branding::WebSite);
        QCOMPARE(m_about->labMoreHeading->text(),
                 QStringLiteral("More video converting softwares"));
        QCOMPARE(m_about->labMore->text(), QStringLiteral("(More)"));
        QCOMPARE(m_about->btnTech->text(), QStringLiteral("Tech Support"));
        QCOMPARE(m_about->btnSales->text(), QStringLiteral("Sales Support"));
        QCOMPARE(m_about->btnOK->text(), QStringLiteral("&OK"));
        for (QLabel *l : {m_about->labWebsite, m_about->labMore, m_about->labProduct1,
                          m_about->labProduct2, m_about->labProduct3})
            QCOMPARE(l->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(m_about->labWebsite->font().underline());
        // Every text fits its place (nothing clipped).
        for (QLabel *l : m_about->findChildren<QLabel *>()) {
            if (l->text().isEmpty())
                continue;
            QVERIFY2(l->fontMetrics().horizontalAdvance(l->text()) <= l->width(),
                     qPrintable(l->text()));
            QVERIFY2(m_about->rect().contains(l->geometry()), qPrintable(l->text()));
        }
    }

    void linksGoThroughThePlatform()
    {
        m_about->open();
        clickLabel(m_about->labWebsite);
        clickLabel(m_about->labMore);
        clickLabel(m_about->labProduct1);
        clickLabel(m_about->labProduct2);
        clickLabel(m_about->labProduct3);
        QTest::mouseClick(m_about->btnTech, Qt::LeftButton);
        QTest::mouseClick(m_about->btnSales, Qt::LeftButton);
        const QStringList expected{Branding::WebSite,
                                   Branding::WebSite,
                                   Branding::OtherProducts[0].page,
                                   Branding::OtherProducts[1].page,
                                   Branding::OtherProducts[2].page,
                                   QStringLiteral("mailto:") + Branding::TechSupportMail,
                                   QStringLiteral("mailto:") + Branding::SalesMail};
        QCOMPARE(m_platform->opened, expected);
        // Each product link is a page of its own.
        QCOMPARE(QSet<QString>(expected.begin() + 2, expected.begin() + 5).size(), 3);
    }

    void websiteOpensWhatItShows()
    {
        m_about->labWebsite->setText(QStringLiteral("https://other.example"));
        clickLabel(m_about->labWebsite);
        QCOMPARE(m_platform->opened, QStringList{QStringLiteral("https://other.example")});
    }

    void disablesTheMainWindowWhileShown()
    {
        m_about->open();
        QVERIFY(m_about->isVisible());
        QVERIFY(!m_main->isEnabled());
        QVERIFY(m_about->isEnabled());
        QTest::mouseClick(m_about->btnOK, Qt::LeftButton);
        QVERIFY(!m_about->isVisible());
        QVERIFY(m_main->isEnabled());
        // The close box does the same; the texts stay for the next showing.
        m_about->open();
        QVERIFY(!m_main->isEnabled());
        m_about->close();
        QVERIFY(m_main->isEnabled());
        QCOMPARE(m_about->labVersion->text(), QStringLiteral("Version 1.8"));
        QVERIFY(m_platform->opened.isEmpty());
    }
};

QTEST_MAIN(TestAboutForm)
#include "tst_aboutform.moc"
