#pragma once

#include <QWidget>

class QFrame;
class QLabel;
class QPushButton;
class TValueListEditor;

// One section of a grid stack: a header panel 18 pixels high with the
// section's name and a toggle button, and the grid under it. The toggle folds
// the grid to a one-pixel line ("+") or opens it to show every row ("-").
class TGridSection : public QWidget
{
    Q_OBJECT
public:
    // At the design font; taller for a larger one.
    static constexpr int HeaderHeight = 18;

    // title is shown as it is given ("      Video"); the grid is reparented
    // into the section.
    TGridSection(const QString &title, TValueListEditor *grid, bool toggleOnDoubleClick,
                 QWidget *parent = nullptr);

    TValueListEditor *grid() const { return m_grid; }
    QFrame *header() const { return m_header; }
    QLabel *titleLabel() const { return m_title; }
    QPushButton *toggleButton() const { return m_button; }
    bool isFolded() const;

    // The toggle button's action: "+" opens the grid to 18 x rows + 1 and
    // shows "-"; "-" folds it to 1 and shows "+".
    void toggle();
    // After a profile load: the grid shows rows x 18 (an empty grid counts as
    // one row) whatever the button shows; the button is not touched.
    void setHeightForProfileLoad(int rows);
    // Current height of the grid.
    int gridHeight() const;

signals:
    void toggled();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void fitHeader();
    void setGridHeight(int height);

    TValueListEditor *m_grid;
    QFrame *m_header;
    QLabel *m_title;
    QPushButton *m_button;
    bool m_toggleOnDoubleClick;
};
