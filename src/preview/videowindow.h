#pragma once

#include <QWidget>

class QLabel;
class QVideoWidget;

// The preview's video area: a black area with a still picture near its
// middle. Once the player's renderer is attached and showing a picture, the
// renderer covers the whole area and follows its size.
class TVideoWindow : public QWidget
{
    Q_OBJECT
public:
    explicit TVideoWindow(QWidget *parent = nullptr);

    // The still picture, 136 x 63.
    QLabel *image() const { return m_image; }
    // Creates the renderer (hidden) on first call and returns it.
    QVideoWidget *renderer();
    bool hasRenderer() const { return m_renderer != nullptr; }
    // Lets the renderer cover the area, or uncovers the still picture.
    void showVideo(bool show);
    bool videoShown() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void placeChildren();

    QLabel *m_image;
    QVideoWidget *m_renderer = nullptr;
};
