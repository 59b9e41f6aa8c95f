#pragma once

#include "track/TagFields.h"
#include "widgets/Twips.h"

#include <QDialog>

#include <array>
#include <functional>

class DesktopServices;
struct ProgramState;
class ID3v1TextValidator;
class TrackNumberValidator;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The modal dialog that shows the tag of the file in hand and writes it back: the ID3v2 tag
// for a file read from one, in full, and else an ID3v1 block, whose boxes take only what the
// block can hold. Creating it is its load: it fills itself from the file in hand, or says
// that there is none.
class frmEditID3Tags : public QDialog
{
    Q_OBJECT

public:
    // rebuildFileList lists the files again once a tag is saved, so that their proposed
    // names follow the new tag.
    frmEditID3Tags(
        ProgramState &state, DesktopServices &services, std::function<void()> rebuildFileList, QWidget *parent);

    void ShowFileInfo();
    // Lists the genres with "None" last and selects genreName (ignoring case), "Blues" for
    // a name not in the table, "None" for an empty one.
    void FillGenreList(const QString &genreName);

public Q_SLOTS:
    void cmdSave_Click();
    void cmdCancel_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void createControls();
    // Places every control at the design's position, scaled to the font, and moves on what
    // a wider text or the note pushes aside. At the design's size the dialog cannot be
    // resized; once its content needs more, the person may make it larger, and the frame,
    // its wide boxes and the buttons follow.
    void layOut();
    // Places the controls with extra room beyond what they need; returns what they need.
    QSize placeControls(QSize extra);
    // Boxes as wide as an ID3v1 block's fields, or open to any text of any length.
    void limitBoxesToID3v1(bool limited);
    // An ID3v1.1 track takes the comment's last two bytes: the comment box then holds 28.
    void txtTrack_Change();
    int typedTrack() const;
    // The fields as the boxes hold them; the genre as read while its choice is unchanged.
    TagFields typedFields() const;
    // Writes the tag as the boxes hold it; a tag that cannot be written is reported and
    // nothing typed is lost.
    void SaveTags();
    bool saveID3v2Tag(const QString &path);
    bool saveID3v1Block(const QString &path);
    void reportNotSaved(const QString &text);
    void lblCurrentFile_Click();

    ProgramState &m_state;
    DesktopServices &m_services;
    const std::function<void()> m_rebuildFileList;

    const Twips m_twips {font()};
    QGroupBox *Frame1 = nullptr;
    std::array<QLabel *, 2> Label1 {}; // "Artist" and "Comment"
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *lblTrack = nullptr;
    QLineEdit *txtArtist = nullptr;
    QLineEdit *txtSongTitle = nullptr;
    QLineEdit *txtAlbum = nullptr;
    QLineEdit *txtYear = nullptr;
    QLineEdit *txtTrack = nullptr;
    QComboBox *cboGenre = nullptr;
    QLineEdit *txtComment = nullptr;
    QPushButton *cmdSave = nullptr;
    QPushButton *cmdCancel = nullptr;
    QLabel *lblCurrentFile = nullptr;
    QLabel *lblTagNote = nullptr;
    ID3v1TextValidator *m_id3v1Text = nullptr;
    TrackNumberValidator *m_trackNumber = nullptr;

    // Whether the boxes show the file's ID3v2 tag, and what they showed first.
    // The size the content needs at this font: the dialog is not made smaller.
    QSize m_neededSize;
    bool m_editsID3v2 = false;
    TagFields m_shownFields;
    int m_shownGenreIndex = -1;
};
