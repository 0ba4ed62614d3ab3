#include "poweroffnotice.h"

#include "fixeddialog.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

TPowerOffNotice::TPowerOffNotice(int seconds, QWidget *parent) : QDialog(parent, FixedDialogFlags)
{
    setObjectName(QStringLiteral("PowerOffNotice"));
    setWindowTitle(tr("Turn Off"));
    setModal(false);
    labText = new QLabel(tr("The computer will turn off in %1 seconds.").arg(seconds), this);
    pgbCountdown = new QProgressBar(this);
    pgbCountdown->setAccessibleName(tr("Seconds left"));
    pgbCountdown->setRange(0, seconds);
    pgbCountdown->setValue(seconds);
    pgbCountdown->setFormat(QStringLiteral("%v"));
    btnTurnOffNow = new QPushButton(tr("Turn Off Now"), this);
    btnCancel = new QPushButton(tr("Cancel"), this);
    btnCancel->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnTurnOffNow);
    buttons->addWidget(btnCancel);
    auto *column = new QVBoxLayout(this);
    column->addWidget(labText);
    column->addWidget(pgbCountdown);
    column->addLayout(buttons);
    connect(btnTurnOffNow, &QPushButton::clicked, this, [this] { answer(true); });
    connect(btnCancel, &QPushButton::clicked, this, [this] { answer(false); });
    m_tick.setInterval(1000);
    connect(&m_tick, &QTimer::timeout, this, [this] {
        pgbCountdown->setValue(pgbCountdown->value() - 1);
        if (pgbCountdown->value() <= 0)
            answer(true);
    });
    m_tick.start();
}

void TPowerOffNotice::answer(bool turnOff)
{
    if (m_answered)
        return;
    m_answered = true;
    m_tick.stop();
    emit answered(turnOff);
    close();
}

void TPowerOffNotice::closeEvent(QCloseEvent *event)
{
    answer(false);
    QDialog::closeEvent(event);
}
