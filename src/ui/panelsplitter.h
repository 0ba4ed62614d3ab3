#pragma once

#include <QSplitter>
#include <QSplitterHandle>

// The main window's split between the main area and the right-hand panel:
// the panel grows with the window (by the stretch factors), and the user
// widens or narrows it on the drag strip between the two, a strip 10 pixels
// wide with the caption "<>". The strip does not move the split itself: it
// tells each move of the pointer (stripDragged), and the window decides.
class TPanelSplitter : public QSplitter
{
    Q_OBJECT
public:
    explicit TPanelSplitter(QWidget *parent = nullptr);

    static constexpr int StripWidth = 10;

signals:
    // The pointer moved over the strip: x relative to the strip's left
    // edge, with the buttons and keys held.
    void stripDragged(int x, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);

protected:
    QSplitterHandle *createHandle() override;

private:
    class Strip : public QSplitterHandle
    {
    public:
        Strip(TPanelSplitter *splitter);

    protected:
        void mouseMoveEvent(QMouseEvent *event) override;
        void paintEvent(QPaintEvent *event) override;

    private:
        TPanelSplitter *m_splitter;
    };
};
