// frmEditID3Tags: where its controls go, at the font it is drawn in.

#include "editor/frmEditID3Tags.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace {

// One row of the frame: a field and the label left of it, in twips.
struct FieldRow
{
    QLabel *label;
    QWidget *field;
    int labelTop;
    int fieldLeft;
    int fieldTop;
    int fieldWidth;
    int fieldHeight;
};

int rightOf(const QWidget &widget)
{
    return widget.geometry().right() + 1;
}

int bottomOf(const QWidget &widget)
{
    return widget.geometry().bottom() + 1;
}

} // namespace

void frmEditID3Tags::layOut()
{
    const QSize designed(m_twips(5940), m_twips(4665));
    m_neededSize = placeControls({0, 0});
    if (m_neededSize == designed) {
        setFixedSize(designed);
        return;
    }
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setMinimumSize(m_neededSize);
    resize(size().expandedTo(m_neededSize));
    placeControls(size() - m_neededSize);
}

void frmEditID3Tags::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    if (m_neededSize.isValid())
        placeControls((size() - m_neededSize).expandedTo({0, 0}));
}

QSize frmEditID3Tags::placeControls(QSize extra)
{
    const Twips &t = m_twips;
    const int gap = t(90);
    Label6->adjustSize();
    Label6->move(t(105), t(90));
    lblCurrentFile->adjustSize();
    lblCurrentFile->move(t(105), t(315));

    // The fields make a column right of the widest label; the wide ones take any width the
    // person adds.
    const FieldRow rows[] = {
        {Label1[0], txtArtist, 495, 1650, 465, 3150, 285},
        {Label2, txtSongTitle, 945, 1650, 900, 3150, 285},
        {Label3, txtAlbum, 1395, 1665, 1350, 3150, 285},
        {Label4, txtYear, 1845, 1650, 1830, 675, 285},
        {Label5, cboGenre, 2295, 1650, 2265, 3180, 315},
        {Label1[1], txtComment, 2745, 1665, 2700, 3150, 285},
    };
    int labelsEnd = 0;
    for (const FieldRow &row : rows) {
        row.label->adjustSize();
        row.label->move(t(570), t(row.labelTop));
        labelsEnd = std::max(labelsEnd, rightOf(*row.label));
    }
    const int shift = std::max(0, labelsEnd + gap - t(1650));
    for (const FieldRow &row : rows) {
        const int width = t(row.fieldWidth) + (row.field == txtYear ? 0 : extra.width());
        row.field->setGeometry(t(row.fieldLeft) + shift, t(row.fieldTop), width,
            std::max(t(row.fieldHeight), row.field->sizeHint().height()));
    }
    lblTrack->adjustSize();
    lblTrack->move(std::max(t(2700) + shift, rightOf(*txtYear) + gap), t(1845));
    txtTrack->setGeometry(std::max(t(3300) + shift, rightOf(*lblTrack) + gap), t(1830), t(675),
        std::max(t(285), txtTrack->sizeHint().height()));

    const int frameWidth = std::max(t(5790) + shift, rightOf(*txtTrack) + t(960)) + extra.width();
    const int frameHeight = std::max(t(3450), bottomOf(*txtComment) + t(300));
    int frameTop = t(735);
    if (lblTagNote->isVisibleTo(this)) {
        const int noteWidth = frameWidth - t(30);
        const int noteTop = std::max(t(510), bottomOf(*lblCurrentFile));
        lblTagNote->setGeometry(t(105), noteTop, noteWidth, lblTagNote->heightForWidth(noteWidth));
        frameTop = std::max(frameTop, bottomOf(*lblTagNote) + t(30));
    }
    Frame1->setGeometry(t(75), frameTop, frameWidth, frameHeight);

    // The buttons keep to the bottom right corner, Cancel last.
    for (QPushButton *button : {cmdSave, cmdCancel})
        button->resize(QSize(t(1140), t(360)).expandedTo(button->sizeHint()));
    const int width = std::max(t(5940), rightOf(*Frame1) + t(75));
    const int buttonsTop = bottomOf(*Frame1) + t(60) + extra.height();
    cmdCancel->move(width - t(75) - cmdCancel->width(), buttonsTop);
    cmdSave->move(cmdCancel->x() - t(60) - cmdSave->width(), buttonsTop);
    return {std::max(width, rightOf(*Label6) + t(105)), bottomOf(*cmdCancel) + t(60) - extra.height()};
}
