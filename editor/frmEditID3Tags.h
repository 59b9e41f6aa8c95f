#pragma once

#include "track/TagFields.h"

#include <QDialog>

#include <functional>

class DesktopServices;
struct ProgramState;
class ID3v1TextValidator;
class TrackNumberValidator;
class QComboBox;
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

private:
    void createControls();
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
    // why: what follows the file's name, from the punctuation on.
    void reportNotSaved(const QString &path, const QString &why);
    void lblCurrentFile_Click();

    ProgramState &m_state;
    DesktopServices &m_services;
    const std::function<void()> m_rebuildFileList;

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
    bool m_editsID3v2 = false;
    TagFields m_shownFields;
    int m_shownGenreIndex = -1;
};
