#pragma once

#include <QList>
#include <QToolBar>

class QAction;
class QKeySequence;
class QToolButton;

// The main window's toolbar: its buttons from "Add Video Files" to "Help"
// with their pictures (a greyed set for the disabled ones) and hints, and
// the smaller pictures it takes in a narrow window. What the buttons do is
// connected by the window.
class TMainToolBar : public QToolBar
{
    Q_OBJECT
public:
    explicit TMainToolBar(QWidget *parent = nullptr);

    // The buttons, from the left.
    QList<QToolButton *> buttons() const;
    // Narrower than the toolbar's designed width, the buttons get smaller
    // pictures, so that every one of them stays in a window that wide.
    void fitToWidth(int width);
    // A key of window that clicks the button while the button is enabled;
    // the button's hint names it.
    QAction *addKey(QWidget *window, QToolButton *button, const QKeySequence &keys);
    // The button's hint names the key that does what it does.
    void showKey(QToolButton *button, const QKeySequence &keys);

    QToolButton *tbtnAddFile = nullptr, *tbtnAddDir = nullptr, *tbtnUp = nullptr,
                *tbtnDown = nullptr, *tbtnRemove = nullptr, *tbtnClear = nullptr,
                *tbtnStart = nullptr, *tbtnStop = nullptr, *tbtnPause = nullptr,
                *tbtnSetting = nullptr, *tbtnWatch = nullptr, *tbtnAbout = nullptr,
                *tbtnHelp = nullptr;
};
