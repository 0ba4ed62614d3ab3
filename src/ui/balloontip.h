#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

class QLabel;
class QTimer;

// A balloon tooltip attached to a target widget: a small pop-up with an
// icon, a bold title and a text. Once attached it shows at once and then
// whenever the pointer rests over the target, for as long as the condition
// (if any) holds.
class TBalloonTip : public QWidget
{
    Q_OBJECT
public:
    enum class Icon
    {
        None,
        Information,
        Warning,
        Error
    };

    TBalloonTip(QWidget *target, Icon icon, const QString &title, const QString &text);
    ~TBalloonTip() override;

    QWidget *target() const { return m_target; }
    QString title() const;
    QString text() const;
    Icon icon() const { return m_icon; }

    // The tip shows on hover only while this returns true (default: always).
    void setCondition(std::function<bool()> condition) { m_condition = std::move(condition); }
    // Shows the balloon pointing at globalPos.
    void popup(const QPoint &globalPos);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QPointer<QWidget> m_target;
    Icon m_icon;
    QLabel *m_title;
    QLabel *m_text;
    QTimer *m_hideTimer;
    std::function<bool()> m_condition;
};

// Attaches a balloon tip to target (one per target: an earlier one is
// reused with the new texts) and shows it at the pointer.
TBalloonTip *ShowBalloonTip(QWidget *target, TBalloonTip::Icon icon, const QString &title,
                            const QString &text);
