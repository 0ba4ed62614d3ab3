#pragma once

class QApplication;
class QColor;
class QPalette;
class QWidget;

// The program's own look: the Fusion style with our palette and style sheet
// (resources/skin/quivercast.qss), for every window and standard dialog, and
// the application icon. A widget whose dynamic property "tag" is 9999 keeps
// the plain palette with a white window colour.
void ApplySkin(QApplication &app);

// The skin's palette.
QPalette SkinPalette();
// The palette of unskinned (tag 9999) widgets.
QPalette PlainPalette();
// True when the widget is tagged to stay unskinned.
bool IsUnskinned(const QWidget *widget);

// The colour that marks what went wrong (a failed task, a rejected value),
// readable on the palette's base colour.
QColor ErrorColour(const QPalette &palette);
