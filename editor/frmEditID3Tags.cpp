#include "editor/frmEditID3Tags.h"

#include "editor/ID3v1TextValidator.h"
#include "editor/TrackNumberValidator.h"
#include "naming/ProgramState.h"
#include "naming/RenameJournal.h"
#include "platform/DesktopServices.h"
#include "platform/FileLookup.h"
#include "platform/ShellActions.h"
#include "track/GenreNames.h"
#include "track/ID3TagBlock.h"
#include "track/ID3TagWriter.h"
#include "track/ID3v2Tag.h"
#include "track/ID3v2TagWriter.h"
#include "track/TextUpToNul.h"
#include "track/TrackNumber.h"
#include "widgets/WidgetLook.h"

#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

// The width of an ID3v1 block's text fields, and of its comment beside an ID3v1.1 track.
constexpr int kID3v1FieldWidth = 30;
constexpr int kID3v1CommentBesideTrack = 28;

QLabel *createLabel(QWidget *parent, const QString &name, const QString &caption)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    return label;
}

QLineEdit *createTextBox(QWidget *parent, const QString &name)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    return box;
}

// A label names its field: a screen reader announces the field by the label's text, before
// the frame's caption.
QLabel *createFieldLabel(QWidget *field, const QString &name, const QString &caption)
{
    QLabel *label = createLabel(field->parentWidget(), name, caption);
    label->setBuddy(field);
    return label;
}

// What a box shows of a field: its text, not the NULs other software pads it with, which
// would fill the box to its length, and nothing more could be typed.
TagFields shownFields(const MP3File &file)
{
    return {textUpToNul(file.Title()), textUpToNul(file.Artist()), textUpToNul(file.Album()),
        textUpToNul(file.Comment()), textUpToNul(file.Year()), file.Genre(), file.Track()};
}

QPushButton *createButton(QWidget *parent, const QString &name, const QString &caption)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

} // namespace

frmEditID3Tags::frmEditID3Tags(
    ProgramState &state, DesktopServices &services, std::function<void()> rebuildFileList, QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_state(state)
    , m_services(services)
    , m_rebuildFileList(std::move(rebuildFileList))
{
    setObjectName(u"frmEditID3Tags"_s);
    setWindowTitle(tr("Edit ID3 Tag Information"));
    createControls();

    // Showing a file lays the dialog out for it.
    if (!m_state.CurrentFile.FileName().isEmpty()) {
        ShowFileInfo();
        return;
    }
    layOut();
    m_services.showMessage(parent,
        {tr("Error Getting Information"),
            tr("Unable to get file information.  Please close the application and re-try."), MessageButtons::Ok,
            MessageIcon::Critical});
}

void frmEditID3Tags::createControls()
{
    Frame1 = new QGroupBox(tr("MP3 Information"), this);
    Frame1->setObjectName(u"Frame1"_s);
    showCaptionBold(*Frame1);

    txtArtist = createTextBox(Frame1, u"txtArtist"_s);
    txtSongTitle = createTextBox(Frame1, u"txtSongTitle"_s);
    txtAlbum = createTextBox(Frame1, u"txtAlbum"_s);
    txtYear = createTextBox(Frame1, u"txtYear"_s);
    txtYear->setMaxLength(4);
    txtTrack = createTextBox(Frame1, u"txtTrack"_s);
    m_trackNumber = new TrackNumberValidator(this);
    txtTrack->setValidator(m_trackNumber);
    connect(txtTrack, &QLineEdit::textChanged, this, &frmEditID3Tags::txtTrack_Change);
    cboGenre = new QComboBox(Frame1);
    cboGenre->setObjectName(u"cboGenre"_s);
    txtComment = createTextBox(Frame1, u"txtComment"_s);
    m_id3v1Text = new ID3v1TextValidator(this);

    cmdSave = createButton(this, u"cmdSave"_s, tr("&Save Tags"));
    cmdSave->setDefault(true);
    connect(cmdSave, &QPushButton::clicked, this, &frmEditID3Tags::cmdSave_Click);
    cmdCancel = createButton(this, u"cmdCancel"_s, tr("&Cancel"));
    connect(cmdCancel, &QPushButton::clicked, this, &frmEditID3Tags::cmdCancel_Click);

    Label6 = createLabel(this, u"Label6"_s, tr("Enter the ID3 tag information for the file: "));
    lblCurrentFile = createLabel(this, u"lblCurrentFile"_s, u"/MP3 Files/Song1.mp3"_s);
    lblCurrentFile->setToolTip(tr("Click to preview file"));
    showAsLink(*lblCurrentFile);
    lblCurrentFile->installEventFilter(this);
    lblTagNote = createLabel(
        this, u"lblTagNote"_s, tr("Players show this file's ID3v2 tag; tick Tools > Read ID3v2 Tags to edit it."));
    lblTagNote->setWordWrap(true);
    lblTagNote->hide();

    Label5 = createFieldLabel(cboGenre, u"Label5"_s, tr("Genre"));
    Label4 = createFieldLabel(txtYear, u"Label4"_s, tr("Year"));
    lblTrack = createFieldLabel(txtTrack, u"lblTrack"_s, tr("Track"));
    Label3 = createFieldLabel(txtAlbum, u"Label3"_s, tr("Album"));
    Label2 = createFieldLabel(txtSongTitle, u"Label2"_s, tr("Song Title"));
    Label1[0] = createFieldLabel(txtArtist, u"Label1"_s, tr("Artist"));
    Label1[1] = createFieldLabel(txtComment, u"Label1"_s, tr("Comment"));
    for (int index = 0; index < 2; ++index)
        Label1[size_t(index)]->setProperty("Index", index);

    QWidget *const tabOrder[]
        = {txtArtist, txtSongTitle, txtAlbum, txtYear, txtTrack, cboGenre, txtComment, cmdSave, cmdCancel};
    for (size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    for (QLineEdit *box : {txtArtist, txtSongTitle, txtAlbum, txtYear, txtTrack, txtComment})
        box->installEventFilter(this);
    txtArtist->setFocus();
}

void frmEditID3Tags::ShowFileInfo()
{
    const MP3File &file = m_state.CurrentFile;
    lblCurrentFile->setText(normalFileName(file.FileName()));
    m_editsID3v2 = file.tagSource() == MP3File::TagSource::ID3v2Tag;
    limitBoxesToID3v1(!m_editsID3v2);
    lblTagNote->setVisible(!m_state.ListedFiles.readsID3v2() && startsWithID3v2Tag(file.FileName()));
    layOut();
    m_shownFields = shownFields(file);
    txtArtist->setText(m_shownFields.Artist);
    txtSongTitle->setText(m_shownFields.Title);
    txtAlbum->setText(m_shownFields.Album);
    txtYear->setText(m_shownFields.Year);
    const int track = trackNumber(m_shownFields.Track);
    txtTrack->setText(track == 0 ? QString() : QString::number(track));
    FillGenreList(m_shownFields.Genre);
    m_shownGenreIndex = cboGenre->currentIndex();
    txtComment->setText(m_shownFields.Comment);
}

void frmEditID3Tags::limitBoxesToID3v1(bool limited)
{
    constexpr int kAnyLength = 32767; // a line edit's own limit
    for (QLineEdit *box : {txtArtist, txtSongTitle, txtAlbum, txtComment}) {
        box->setMaxLength(limited ? kID3v1FieldWidth : kAnyLength);
        box->setValidator(limited ? m_id3v1Text : nullptr);
    }
    // A block holds its track in one byte.
    constexpr int kByteTrackMost = 255;
    constexpr int kAnyTrackMost = 999999999;
    m_trackNumber->setMaximum(limited ? kByteTrackMost : kAnyTrackMost);
}

void frmEditID3Tags::txtTrack_Change()
{
    if (!m_editsID3v2)
        txtComment->setMaxLength(typedTrack() == 0 ? kID3v1FieldWidth : kID3v1CommentBesideTrack);
}

int frmEditID3Tags::typedTrack() const
{
    return txtTrack->text().toInt();
}

void frmEditID3Tags::FillGenreList(const QString &genreName)
{
    cboGenre->clear();
    // A name the table lacks (an ID3v2 genre may be any text) selects "None", so that a save
    // never writes another genre in its place.
    for (int i = 0; i < GenreNames::Count; ++i)
        cboGenre->addItem(GenreNames::name(i));
    cboGenre->addItem(tr("None"));
    cboGenre->setCurrentIndex(GenreNames::indexOf(genreName).value_or(GenreNames::Count));
}

TagFields frmEditID3Tags::typedFields() const
{
    const int genre = cboGenre->currentIndex();
    // A track number left as it was keeps the text it was read from ("03/12").
    const int track = typedTrack();
    return {txtSongTitle->text(), txtArtist->text(), txtAlbum->text(), txtComment->text(), txtYear->text(),
        genre == m_shownGenreIndex ? m_shownFields.Genre : GenreNames::name(genre),
        track == trackNumber(m_shownFields.Track) ? m_shownFields.Track : withTrackNumber(m_shownFields.Track, track)};
}

void frmEditID3Tags::SaveTags()
{
    const QString path = m_state.CurrentFile.FileName();
    if (!(m_editsID3v2 ? saveID3v2Tag(path) : saveID3v1Block(path)))
        return;
    m_rebuildFileList();
    accept();
}

bool frmEditID3Tags::saveID3v2Tag(const QString &path)
{
    const std::optional<FileIdentity> before = identityOf(path);
    const TagSaveOutcome outcome = writeID3v2Tag(path, m_shownFields, typedFields(), m_state.TagSaveRecordPath);
    if (outcome == TagSaveOutcome::Replaced) {
        // The saved tag is in a new file under the same name: it is still the file the last
        // run renamed.
        if (const std::optional<FileIdentity> after = identityOf(path); before && after)
            recordReplacedFile(m_state.RenameJournalPath, *before, *after);
    }
    if (outcome == TagSaveOutcome::WrittenInPlace || outcome == TagSaveOutcome::Replaced)
        return true;
    const QString name = QFileInfo(path).fileName();
    reportNotSaved(outcome == TagSaveOutcome::Refused
            ? tr("The ID3 tag could not be written to %1: its volume does not let a file be replaced, so the longer "
                 "tag cannot be written safely.")
                  .arg(name)
            : tr("The ID3 tag could not be written to %1.").arg(name));
    return false;
}

bool frmEditID3Tags::saveID3v1Block(const QString &path)
{
    ID3TagBlock block;
    block.setTitle(txtSongTitle->text());
    block.setArtist(txtArtist->text());
    block.setAlbum(txtAlbum->text());
    block.setYear(txtYear->text());
    block.setComment(txtComment->text());
    block.setTrack(quint8(typedTrack()));
    // The list's positions are the genre bytes, but for "None" after the table.
    const int genre = cboGenre->currentIndex();
    block.setGenre(genre >= 0 && genre < GenreNames::Count ? quint8(genre) : GenreNames::None);
    if (WriteID3Tag(path, block, OldTrackNumber::Replaced))
        return true;
    reportNotSaved(tr("The ID3 tag could not be written to %1.").arg(QFileInfo(path).fileName()));
    return false;
}

void frmEditID3Tags::reportNotSaved(const QString &text)
{
    m_services.showMessage(this, {tr("Unable to Save Tags"), text, MessageButtons::Ok, MessageIcon::Critical});
}

void frmEditID3Tags::cmdSave_Click()
{
    SaveTags();
}

void frmEditID3Tags::cmdCancel_Click()
{
    reject();
}

void frmEditID3Tags::lblCurrentFile_Click()
{
    PreviewFile(m_services, this, m_state.CurrentFile.FileName());
}

bool frmEditID3Tags::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lblCurrentFile && event->type() == QEvent::MouseButtonRelease
        && static_cast<const QMouseEvent &>(*event).button() == Qt::LeftButton) {
        lblCurrentFile_Click();
        return true;
    }
    // Entering a text box, by any way, selects its whole text.
    if (event->type() == QEvent::FocusIn) {
        if (auto *box = qobject_cast<QLineEdit *>(watched))
            box->selectAll();
    }
    return QDialog::eventFilter(watched, event);
}
