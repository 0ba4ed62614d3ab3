#pragma once

#include <Qt>

#include <QList>

class QAbstractButton;
class QFont;
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

// How much wider than the design's 11-pixel font a font is (at least 1):
// sizes designed in pixels are multiplied by it.
double FontScale(const QFont &font);

// Widens a dialog laid out by hand for the design's font in proportion to
// the font it has: its fixed size and every control placed by hand, so that
// no text is cut with a large desktop font.
void ScaleToFont(QWidget *dialog);

// Widens the buttons of a row placed by hand where their captions need more
// than the design gives (a longer caption in another language), keeping the
// gaps between them and the row's left edge, or its right edge when
// keepRight is true.
void FitButtonRow(const QList<QAbstractButton *> &row, bool keepRight);
