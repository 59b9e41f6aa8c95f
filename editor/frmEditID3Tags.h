#pragma once

#include <QDialog>

#include <functional>

class DesktopServices;
struct ProgramState;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The modal dialog that shows the ID3v1 tag of the file in hand and writes a new one.
// Creating it is its load: it fills itself from the file in hand, or says that there is none.
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
    // Writes the tag as the boxes hold it; a tag that cannot be written is reported and
    // nothing typed is lost.
    void SaveTags();
    void lblCurrentFile_Click();

    ProgramState &m_state;
    DesktopServices &m_services;
    const std::function<void()> m_rebuildFileList;

    QLineEdit *txtArtist = nullptr;
    QLineEdit *txtSongTitle = nullptr;
    QLineEdit *txtAlbum = nullptr;
    QLineEdit *txtYear = nullptr;
    QComboBox *cboGenre = nullptr;
    QLineEdit *txtComment = nullptr;
    QPushButton *cmdSave = nullptr;
    QPushButton *cmdCancel = nullptr;
    QLabel *lblCurrentFile = nullptr;
};
