#include "profilepanel.h"

#include "settings/valuelistmodel.h"
#include "ui/gridsection.h"
#include "ui/sectionstack.h"
#include "ui/sizeform.h"
#include "ui/valuelisteditor.h"

#include <QGroupBox>
#include <QSplitter>
#include <QVBoxLayout>
#include <utility>

TProfilePanel::TProfilePanel(TPreviewPane::PlayerFactory playerFactory, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("panProfile"));
    m_outputValues = new ValueListModel(this);
    m_videoValues = new ValueListModel(this);
    m_audioValues = new ValueListModel(this);
    m_advancedValues = new ValueListModel(this);
    // The designed rows, shown until a profile is loaded.
    for (const char *key : {"New Filename", "Start Time", "End Time"})
        m_outputValues->appendRow(QString::fromLatin1(key));
    for (const char *key :
         {"Video Codec", "Video Size", "Bit Rate", "Frame Rate", "Aspect", "Disable Video"})
        m_videoValues->appendRow(QString::fromLatin1(key));
    for (const char *key :
         {"Audio Codec", "Audio Bitrate", "Sample Rate", "Channels", "Volumn", "Disable Audio"})
        m_audioValues->appendRow(QString::fromLatin1(key));
    for (const char *key : {"Bit Exact Algorithms", "Deinterlace"})
        m_advancedValues->appendRow(QString::fromLatin1(key));

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 10, 0);
    column->setSpacing(0);

    gpbProfile = new QGroupBox(tr("Profile Detail"), this);
    gpbProfile->setObjectName(QStringLiteral("gpbProfile"));
    auto *inner = new QVBoxLayout(gpbProfile);
    inner->setContentsMargins(2, 8, 2, 2);
    ScrollBox1 = new TSectionStack(gpbProfile);
    inner->addWidget(ScrollBox1);

    auto section = [this](const QString &title, ValueListModel *model, TValueListEditor *&grid,
                          TGridSection *&panel) {
        grid = new TValueListEditor(model);
        grid->setAccessibleName(title);
        grid->setColumnWidths(95, 68);
        panel = new TGridSection(QStringLiteral("      ") + title, grid, true);
        ScrollBox1->addSection(panel);
    };
    section(tr("Output"), m_outputValues, vleOutput, panOutput);
    section(tr("Video"), m_videoValues, vleVideo, panVideo);
    section(tr("Audio"), m_audioValues, vleAudio, panAudio);
    section(tr("Advanced"), m_advancedValues, vleAdvanced, panAdvanced);
    vleOutput->setGreyLockedRows(false);
    vleOutput->setNoTaskGuard();
    vleOutput->setObjectName(QStringLiteral("vleOutput"));
    vleVideo->setObjectName(QStringLiteral("vleVideo"));
    vleAudio->setObjectName(QStringLiteral("vleAudio"));
    vleAdvanced->setObjectName(QStringLiteral("vleAdvanced"));

    // A press in any grid repaints all four, so the focus marker shows in one
    // grid only.
    const QList<TValueListEditor *> all{vleOutput, vleVideo, vleAudio, vleAdvanced};
    for (TValueListEditor *grid : all) {
        connect(grid, &TValueListEditor::mousePressed, this, [all] {
            for (TValueListEditor *g : all)
                g->repaintGrid();
        });
    }
    connect(vleOutput, &TValueListEditor::clicked, this, [all] {
        for (TValueListEditor *g : all)
            g->repaintGrid();
    });
    connect(m_videoValues, &ValueListModel::stringsChanged, this,
            &TProfilePanel::vleVideoStringsChange);

    panPreview = new TPreviewPane(std::move(playerFactory), this);
    panPreview->setObjectName(QStringLiteral("panPreview"));

    splPreview = new QSplitter(Qt::Vertical, this);
    splPreview->setHandleWidth(4);
    splPreview->setChildrenCollapsible(false);
    splPreview->addWidget(gpbProfile);
    splPreview->addWidget(panPreview);
    splPreview->setStretchFactor(0, 1);
    splPreview->setStretchFactor(1, 0);
    splPreview->setSizes({300, 177});
    column->addWidget(splPreview);
}

ProfileGrids TProfilePanel::grids() const
{
    return ProfileGrids{m_videoValues, m_audioValues, m_advancedValues};
}

void TProfilePanel::setProfileEditable(bool editable)
{
    for (TGridSection *section : {panVideo, panAudio, panAdvanced})
        section->setEnabled(editable);
}

void TProfilePanel::setSizeForm(TSizeForm *form)
{
    m_sizeForm = form;
    if (form)
        form->setVideoGrid(m_videoValues);
}

void TProfilePanel::fitSectionsToProfile()
{
    panVideo->setHeightForProfileLoad(m_videoValues->count());
    panAudio->setHeightForProfileLoad(m_audioValues->count());
    panAdvanced->setHeightForProfileLoad(m_advancedValues->count());
}

void TProfilePanel::SetGridValue(int grid, const QString &key, const QString &value)
{
    ValueListModel *models[] = {m_outputValues, m_videoValues, m_audioValues, m_advancedValues};
    if (grid >= 0 && grid < 4)
        models[grid]->setGridValue(key, value);
}

void TProfilePanel::vleVideoStringsChange()
{
    if (!m_sizeForm)
        return;
    const int current = vleVideo->currentIndex().row();
    if (current < 0 || current >= m_videoValues->count())
        return;
    if (m_videoValues->key(current) == QLatin1String("Video Size") &&
        m_videoValues->valueOf(QStringLiteral("Video Size")) == QLatin1String("Custom Size"))
        m_sizeForm->open();
}
