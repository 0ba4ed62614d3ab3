#include "gridsection.h"

#include "settings/profiles.h"
#include "settings/valuelistmodel.h"
#include "valuelisteditor.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TGridSection::TGridSection(const QString &title, TValueListEditor *grid, bool toggleOnDoubleClick,
                           QWidget *parent)
    : QWidget(parent), m_grid(grid), m_header(new QFrame(this)), m_title(new QLabel(m_header)),
      m_button(new QPushButton(QStringLiteral("-"), m_header)),
      m_toggleOnDoubleClick(toggleOnDoubleClick)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_header->setObjectName(QStringLiteral("gridSectionHeader"));
    m_header->setAutoFillBackground(true);
    m_header->setBackgroundRole(QPalette::Dark); // the button-shadow colour
    m_header->setFrameShape(QFrame::NoFrame);

    m_title->setObjectName(QStringLiteral("gridSectionTitle"));
    m_title->setText(title);
    m_title->setTextFormat(Qt::PlainText);
    QFont titleFont = m_title->font();
    titleFont.setBold(true);
    m_title->setFont(titleFont);
    QPalette titlePalette = m_title->palette();
    titlePalette.setColor(QPalette::WindowText, Qt::black);
    m_title->setPalette(titlePalette);
    m_title->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    auto *headerRow = new QHBoxLayout(m_header);
    headerRow->setContentsMargins(0, 0, 0, 0);
    headerRow->addWidget(m_title);

    m_button->setObjectName(QStringLiteral("gridSectionToggle"));
    // Reached by Tab, but a click leaves the focus (and the focus marker)
    // where it was.
    m_button->setFocusPolicy(Qt::TabFocus);
    m_button->setAccessibleName(title.trimmed());
    m_button->setAccessibleDescription(tr("Folds or opens the section."));
    m_button->raise();
    fitHeader();
    connect(m_button, &QPushButton::clicked, this, &TGridSection::toggle);

    m_header->installEventFilter(this);
    m_title->installEventFilter(this);

    layout->addWidget(m_header);
    layout->addWidget(grid);
    // The designed height is the one a profile load gives: 18 x rows.
    setHeightForProfileLoad(grid->values()->count());
}

void TGridSection::fitHeader()
{
    // 18 pixels with the toggle's 12 x 12 at (5, 3), taller for a larger
    // font, all in proportion.
    const int height = std::max(HeaderHeight, m_title->fontMetrics().height() + 4);
    m_header->setFixedHeight(height);
    const int side = height - 6;
    m_button->setGeometry(5, 3, side, side);
    QFont buttonFont = m_button->font();
    buttonFont.setBold(true);
    buttonFont.setPixelSize(side * 4 / 3);
    m_button->setFont(buttonFont);
}

void TGridSection::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitHeader();
}

bool TGridSection::isFolded() const
{
    return m_button->text() == u"+";
}

int TGridSection::gridHeight() const
{
    return m_grid->height();
}

void TGridSection::setGridHeight(int height)
{
    m_grid->setFixedHeight(height);
}

void TGridSection::toggle()
{
    if (m_button->text() == u"+") {
        // An empty grid still shows one (empty) row.
        const int rows = qMax(1, m_grid->values()->count());
        setGridHeight(m_grid->openHeight(rows));
        m_button->setText(QStringLiteral("-"));
    } else {
        setGridHeight(1);
        m_button->setText(QStringLiteral("+"));
    }
    emit toggled();
}

// A loaded profile's grid shows its rows exactly, each with its line.
static_assert(kProfileRowHeight == TValueListEditor::RowPitch);

void TGridSection::setHeightForProfileLoad(int rows)
{
    setGridHeight(ProfileGridHeight(rows) / kProfileRowHeight * m_grid->rowPitch());
}

bool TGridSection::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == m_header || watched == m_title) &&
        event->type() == QEvent::MouseButtonDblClick && m_toggleOnDoubleClick) {
        toggle();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
