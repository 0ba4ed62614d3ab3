#pragma once

#include <QDialog>
#include <QPointer>

class Platform;
class QLabel;
class QPushButton;

// The about box: product name, version, notice and rights lines, the maker's
// web site, three other products and the support addresses. Every link is
// opened through the Platform. It is a window of its own and disables the
// main window while it is shown.
class TAboutForm : public QDialog
{
    Q_OBJECT
public:
    // The dialog is deleted with parent when one is given.
    TAboutForm(QWidget *mainWindow, Platform &platform, const QString &version,
               QWidget *parent = nullptr);

    // Shows the box centred on the main window (without a modal loop).
    void open() override;

    QLabel *labProduct;
    QLabel *labVersion;
    QLabel *labNotice;
    QLabel *labRights;
    QLabel *labVisit;
    QLabel *labWebsite;
    QLabel *labMoreHeading;
    QLabel *labMore;
    QLabel *labProduct1;
    QLabel *labProduct2;
    QLabel *labProduct3;
    QPushButton *btnTech;
    QPushButton *btnSales;
    QPushButton *btnOK;

    void labWebsiteClick();
    void labMoreClick();
    void labProductClick(int index);
    void btnTechClick();
    void btnSalesClick();

protected:
    void showEvent(QShowEvent *event) override;
    void done(int result) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *makeLink(const QString &text, const QRect &geometry, bool underline);

    QPointer<QWidget> m_mainWindow;
    Platform &m_platform;
};
