#pragma once

#include <QDialog>

class Platform;
class QPushButton;
class QSpinBox;
class QTreeWidget;
class TWatchController;
class TWatchEditForm;

// "Watch Folders": the watches with their folder, profile, output directory
// and state; adds, edits, pauses or resumes and removes them, and takes the
// failed files of one again; sets how long a file must stand still and how
// often the folders are read whole. Every change is kept in Watches.ini at
// once.
// Shown without a modal loop.
class TWatchForm : public QDialog
{
    Q_OBJECT
public:
    TWatchForm(TWatchController &watches, Platform &platform, const QStringList &profiles,
               QWidget *parent = nullptr);

    void open() override;
    TWatchEditForm &editForm() { return *m_edit; }

    QTreeWidget *ltvWatch;
    QSpinBox *spnSettle;
    QSpinBox *spnRescan;
    QPushButton *btnAdd;
    QPushButton *btnEdit;
    QPushButton *btnPause;
    QPushButton *btnRemove;
    QPushButton *btnRetry;
    QPushButton *btnClose;

    void btnAddClick();
    void btnEditClick();
    void btnPauseClick();
    void btnRemoveClick();
    void btnRetryClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void fill();
    void sizeColumns();
    void updateButtons();
    int current() const;
    void editAccepted();
    void timingChanged();
    void report(const QString &error);

    TWatchController &m_watches;
    Platform &m_platform;
    TWatchEditForm *m_edit;
    int m_editing = -1; // the watch being edited, -1 for a new one
    bool m_columnsSized = false;
};
