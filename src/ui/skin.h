#pragma once

class QApplication;

// The program's own look: the Fusion style with our palette and style sheet
// (resources/skin/quivercast.qss), for every window and standard dialog. A
// widget whose dynamic property "tag" is 9999 keeps the plain look.
void ApplySkin(QApplication &app);
