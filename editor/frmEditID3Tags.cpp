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
#include "widgets/Twips.h"
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

QLabel *createLabel(QWidget *parent, const QString &name, const QString &caption, const QRect &geometry)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->move(geometry.topLeft());
    label->adjustSize();
    return label;
}

QLineEdit *createTextBox(QWidget *parent, const QString &name, const QRect &geometry)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    return box;
}

// What a box shows of a field: its text, not the NULs other software pads it with, which
// would fill the box to its length, and nothing more could be typed.
TagFields shownFields(const MP3File &file)
{
    return {textUpToNul(file.Title()), textUpToNul(file.Artist()), textUpToNul(file.Album()),
        textUpToNul(file.Comment()), textUpToNul(file.Year()), file.Genre(), file.Track()};
}

QPushButton *createButton(QWidget *parent, const QString &name, const QString &caption, const QRect &geometry)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    widenToFitText(*button);
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
    setWindowTitle(u"Edit ID3 Tag Information"_s);
    setFixedSize(twips(5940), twips(4665));
    createControls();

    if (m_state.CurrentFile.FileName().isEmpty())
        m_services.showMessage(parent,
            {u"Error Getting Information"_s,
                u"Unable to get file information.  Please close the application and re-try."_s, MessageButtons::Ok,
                MessageIcon::Critical});
    else
        ShowFileInfo();
}

void frmEditID3Tags::createControls()
{
    auto *Frame1 = new QGroupBox(u"MP3 Information"_s, this);
    Frame1->setObjectName(u"Frame1"_s);
    Frame1->setGeometry(twipsRect(75, 735, 5790, 3450));
    showCaptionBold(*Frame1);

    txtArtist = createTextBox(Frame1, u"txtArtist"_s, twipsRect(1650, 465, 3150, 285));
    txtSongTitle = createTextBox(Frame1, u"txtSongTitle"_s, twipsRect(1650, 900, 3150, 285));
    txtAlbum = createTextBox(Frame1, u"txtAlbum"_s, twipsRect(1665, 1350, 3150, 285));
    txtYear = createTextBox(Frame1, u"txtYear"_s, twipsRect(1650, 1830, 675, 285));
    txtYear->setMaxLength(4);
    txtTrack = createTextBox(Frame1, u"txtTrack"_s, twipsRect(3300, 1830, 675, 285));
    m_trackNumber = new TrackNumberValidator(this);
    txtTrack->setValidator(m_trackNumber);
    connect(txtTrack, &QLineEdit::textChanged, this, &frmEditID3Tags::txtTrack_Change);
    cboGenre = new QComboBox(Frame1);
    cboGenre->setObjectName(u"cboGenre"_s);
    cboGenre->setGeometry(twipsRect(1650, 2265, 3180, 315));
    txtComment = createTextBox(Frame1, u"txtComment"_s, twipsRect(1665, 2700, 3150, 285));
    m_id3v1Text = new ID3v1TextValidator(this);

    cmdSave = createButton(this, u"cmdSave"_s, u"&Save Tags"_s, twipsRect(3525, 4245, 1140, 360));
    cmdSave->setDefault(true);
    connect(cmdSave, &QPushButton::clicked, this, &frmEditID3Tags::cmdSave_Click);
    cmdCancel = createButton(this, u"cmdCancel"_s, u"&Cancel"_s, twipsRect(4725, 4245, 1140, 360));
    connect(cmdCancel, &QPushButton::clicked, this, &frmEditID3Tags::cmdCancel_Click);

    createLabel(this, u"Label6"_s, u"Enter the ID3 tag information for the file: "_s, twipsRect(105, 90, 2940, 225));
    lblCurrentFile = createLabel(this, u"lblCurrentFile"_s, u"/MP3 Files/Song1.mp3"_s, twipsRect(105, 315, 1800, 195));
    lblCurrentFile->setToolTip(u"Click to preview file"_s);
    showAsLink(*lblCurrentFile);
    lblCurrentFile->installEventFilter(this);
    lblTagNote = createLabel(this, u"lblTagNote"_s,
        u"Players show this file's ID3v2 tag; tick Tools > Read ID3v2 Tags to edit it."_s,
        twipsRect(105, 510, 5700, 195));
    lblTagNote->hide();

    createLabel(Frame1, u"Label5"_s, u"Genre"_s, twipsRect(570, 2295, 435, 195));
    createLabel(Frame1, u"Label4"_s, u"Year"_s, twipsRect(570, 1845, 330, 195));
    createLabel(Frame1, u"lblTrack"_s, u"Track"_s, twipsRect(2700, 1845, 435, 195));
    createLabel(Frame1, u"Label3"_s, u"Album"_s, twipsRect(570, 1395, 435, 195));
    createLabel(Frame1, u"Label2"_s, u"Song Title"_s, twipsRect(570, 945, 720, 195));
    createLabel(Frame1, u"Label1"_s, u"Artist"_s, twipsRect(570, 495, 345, 195))->setProperty("Index", 0);
    createLabel(Frame1, u"Label1"_s, u"Comment"_s, twipsRect(570, 2745, 660, 195))->setProperty("Index", 1);

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
    lblCurrentFile->adjustSize();
    m_editsID3v2 = file.tagSource() == MP3File::TagSource::ID3v2Tag;
    limitBoxesToID3v1(!m_editsID3v2);
    lblTagNote->setVisible(!m_state.ListedFiles.readsID3v2() && startsWithID3v2Tag(file.FileName()));
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
    cboGenre->addItem(u"None"_s);
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
    reportNotSaved(path,
        outcome == TagSaveOutcome::Refused
            ? u": its volume does not let a file be replaced, so the longer tag cannot be written safely."_s
            : u"."_s);
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
    reportNotSaved(path, u"."_s);
    return false;
}

void frmEditID3Tags::reportNotSaved(const QString &path, const QString &why)
{
    m_services.showMessage(this,
        {u"Unable to Save Tags"_s, u"The ID3 tag could not be written to "_s + QFileInfo(path).fileName() + why,
            MessageButtons::Ok, MessageIcon::Critical});
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
