#include "engine/taskstore.h"
#include "ui/skin.h"

#include <QApplication>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTreeView>
#include <QVBoxLayout>

class TestSkin : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { ApplySkin(*qApp); }

    void styleAndSheet()
    {
        QVERIFY(!qApp->styleSheet().isEmpty());
        QVERIFY(!qApp->windowIcon().isNull());
        QCOMPARE(qApp->palette().color(QPalette::Highlight), QColor(49, 106, 197));
    }

    void taggedWidgetsStayPlain()
    {
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        auto *plain = new QFrame;
        plain->setProperty("tag", 9999);
        auto *skinned = new QFrame;
        skinned->setAutoFillBackground(true);
        auto *tagged = new QLabel(QStringLiteral("tagged later"));
        layout->addWidget(plain);
        layout->addWidget(skinned);
        layout->addWidget(tagged);
        plain->setMinimumSize(60, 40);
        skinned->setMinimumSize(60, 40);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(IsUnskinned(plain));
        QVERIFY(!IsUnskinned(skinned));
        QCOMPARE(plain->palette().color(QPalette::Window), QColor(Qt::white));
        QCOMPARE(skinned->palette().color(QPalette::Window), SkinPalette().color(QPalette::Window));
        QVERIFY(SkinPalette().color(QPalette::Window) != QColor(Qt::white));
        // What is painted: white for the tagged panel.
        const QImage shot = window.grab().toImage();
        QCOMPARE(shot.pixelColor(plain->geometry().center()), QColor(Qt::white));
        QCOMPARE(shot.pixelColor(skinned->geometry().center()),
                 SkinPalette().color(QPalette::Window));
        // A tag given after the widget was shown counts as well.
        tagged->setProperty("tag", 9999);
        QCOMPARE(tagged->palette().color(QPalette::Window), QColor(Qt::white));
        // Other tags are skinned.
        auto *other = new QLabel;
        other->setProperty("tag", 12);
        QVERIFY(!IsUnskinned(other));
        delete other;
    }

    void taskListHeaderColour()
    {
        TaskStore store;
        QTreeView view;
        view.setModel(&store);
        view.resize(400, 120);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QHeaderView *header = view.header();
        const QImage shot = header->grab().toImage();
        QCOMPARE(shot.pixelColor(header->sectionSize(0) / 2, 2), QColor(243, 243, 243));
    }

    void standardDialogsSkinned()
    {
        QMessageBox box(QMessageBox::Information, QStringLiteral("Caption"),
                        QStringLiteral("Text"));
        QCOMPARE(box.palette().color(QPalette::Window), SkinPalette().color(QPalette::Window));
    }
};

QTEST_MAIN(TestSkin)
#include "tst_skin.moc"
