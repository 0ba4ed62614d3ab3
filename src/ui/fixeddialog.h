#pragma once

#include <Qt>

class QWidget;

// The frame of the program's dialogs of fixed size: a title and a close
// button, no minimise or maximise button.
inline constexpr Qt::WindowFlags FixedDialogFlags = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint |
                                                    Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                                    Qt::WindowCloseButtonHint;

// Centres a dialog's client area on the window's. The client areas are used
// because the frame is only known once the desktop has framed a window: a
// dialog centred by its frame would land lower on every later showing.
void CentreOnWindow(QWidget *dialog, const QWidget *window);
