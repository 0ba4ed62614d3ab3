#pragma once

#include <QFrame>

class QLabel;

// The welcome panel shown over the empty task list until the first task is
// added: the product name, the three steps of getting started, a picture
// and a link to the maker's web site. Its texts are sized from the window's
// font, and it takes the place it is given: the picture goes where there is
// no room for it, so that no text is ever cut.
class TWelcomePanel : public QFrame
{
    Q_OBJECT
public:
    explicit TWelcomePanel(QWidget *parent = nullptr);

    QLabel *labProductName = nullptr;
    QLabel *labLink = nullptr;
    QLabel *imgWelcome = nullptr;

signals:
    // A click on the link (pressed and released on it).
    void linkClicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // The labels' designed sizes (pixels at the design font of 11 pixels)
    // times scale.
    void applyFonts(double scale);
    void fit();
};
