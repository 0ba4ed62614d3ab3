#pragma once

#include "preview/previewpane.h"
#include "settings/profilegrids.h"

#include <QWidget>

class QGroupBox;
class QSplitter;
class TGridSection;
class TSectionStack;
class TSizeForm;
class TValueListEditor;
class ValueListModel;

// The window's right-hand panel: the group "Profile Detail" with the
// Output, Video, Audio and Advanced grids, which hold the working values of
// the loaded profile, and the preview pane below it.
class TProfilePanel : public QWidget
{
    Q_OBJECT
public:
    TProfilePanel(TPreviewPane::PlayerFactory playerFactory, QWidget *parent = nullptr);

    ProfileGrids grids() const;
    // The custom size dialog, opened when "Video Size" becomes "Custom Size".
    void setSizeForm(TSizeForm *form);
    // A profile was loaded: each grid shows its rows.
    void fitSectionsToProfile();
    // The profile's grids (Video, Audio, Advanced) take input or not; the
    // Output grid, which holds the selected task's values, always does.
    void setProfileEditable(bool editable);

    QGroupBox *gpbProfile = nullptr;
    QSplitter *splPreview = nullptr;
    TSectionStack *ScrollBox1 = nullptr;
    TValueListEditor *vleOutput = nullptr, *vleVideo = nullptr, *vleAudio = nullptr,
                     *vleAdvanced = nullptr;
    TGridSection *panOutput = nullptr, *panVideo = nullptr, *panAudio = nullptr,
                 *panAdvanced = nullptr;
    TPreviewPane *panPreview = nullptr;

public slots:
    // Sets a named value in grid 0 (Output) to 3 (Advanced); any other
    // number does nothing.
    void SetGridValue(int grid, const QString &key, const QString &value);
    void vleVideoStringsChange();

private:
    ValueListModel *m_outputValues = nullptr;
    ValueListModel *m_videoValues = nullptr;
    ValueListModel *m_audioValues = nullptr;
    ValueListModel *m_advancedValues = nullptr;
    TSizeForm *m_sizeForm = nullptr;
};
