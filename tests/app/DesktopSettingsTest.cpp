#include "app/Translations.h"
#include "editor/frmEditID3Tags.h"
#include "support/AppHarness.h"
#include "support/TempFolder.h"
#include "widgets/WidgetLook.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The controls directly inside parent that a person sees.
QList<QWidget *> shownControls(const QWidget &parent)
{
    QList<QWidget *> controls;
    for (QWidget *child : parent.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisibleTo(parent.window()) && !child->objectName().isEmpty())
            controls.append(child);
    }
    return controls;
}

// Each control of the window shows its whole text, lies inside its container and covers no
// other control there.
void expectWholeAndApart(const QWidget &container)
{
    const QList<QWidget *> controls = shownControls(container);
    for (const QWidget *control : controls) {
        const std::string name = control->objectName().toStdString();
        EXPECT_TRUE(container.rect().contains(control->geometry())) << name;
        if (const auto *box = qobject_cast<const QLineEdit *>(control)) {
            const int frame = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
            EXPECT_GE(box->height(), box->sizeHint().height()) << name;
            EXPECT_LE(box->fontMetrics().horizontalAdvance(box->text()) + 2 * frame + 4, box->width()) << name;
        } else if (const auto *frame = qobject_cast<const QGroupBox *>(control)) {
            QFont bold = frame->font();
            bold.setBold(true);
            EXPECT_LE(QFontMetrics(bold).horizontalAdvance(frame->title()), frame->width()) << name;
            expectWholeAndApart(*frame);
        } else if (qobject_cast<const QLabel *>(control) || qobject_cast<const QAbstractButton *>(control)
            || qobject_cast<const QComboBox *>(control)) {
            EXPECT_GE(control->width(), control->sizeHint().width()) << name;
            EXPECT_GE(control->height(), control->sizeHint().height()) << name;
        }
        for (const QWidget *other : controls) {
            if (other != control) {
                EXPECT_FALSE(control->geometry().intersects(other->geometry()))
                    << name << " and " << other->objectName().toStdString();
            }
        }
    }
}

// Starts with an ID3v2 header, so that the editor's note shows, and ends in an ID3v1 block.
QByteArray taggedBothWays()
{
    return QByteArray("ID3\x03\x00\x00\x00\x00\x00\x00", 10) + taggedAudio("Dark Side Of The Moon", "Pink Floyd");
}

struct ApplicationFont
{
    explicit ApplicationFont(qreal pointSize)
    {
        QFont font = saved;
        font.setPointSizeF(pointSize);
        QApplication::setFont(font);
    }
    ~ApplicationFont() { QApplication::setFont(saved); }
    const QFont saved = QApplication::font();
};

} // namespace

// At a 16 or 24 point desktop font both windows grow with their text: every label, button,
// check box, list and box shows its whole text and none covers another. At the default font
// an editor without the note keeps its design size, and cannot be resized.
TEST(DesktopSettings, LargeFontsLeaveEveryTextWholeInBothWindows)
{
    for (const qreal pointSize : {9.0, 16.0, 24.0}) {
        SCOPED_TRACE(pointSize);
        const ApplicationFont font(pointSize);
        TempFolder home;
        const QString song = home.write(u"a song.mp3"_s, taggedBothWays());
        AppHarness app(home.path());
        expectWholeAndApart(*app.window().centralWidget());

        app.state().CurrentFile.setFileName(song);
        frmEditID3Tags editor(
            app.state(), app.script(), [] {}, &app.window());
        editor.show();
        EXPECT_TRUE(editor.findChild<QLabel *>(u"lblTagNote"_s)->isVisible());
        editor.findChild<QLineEdit *>(u"txtYear"_s)->setText(u"1973"_s);
        expectWholeAndApart(editor);
    }
    TempFolder home;
    AppHarness app(home.path());
    app.state().CurrentFile.setFileName(home.write(u"b.mp3"_s, taggedAudio("Song", "Band")));
    frmEditID3Tags editor(
        app.state(), app.script(), [] {}, &app.window());
    EXPECT_EQ(editor.size(), QSize(396, 311));
    EXPECT_EQ(editor.minimumSize(), editor.maximumSize());
}

// In a dark scheme the links take the scheme's link colour. Every control a person can reach
// has an accessible name; each field of the editor is named by its label. The context-menu
// key and Shift+F10 open the grid's menu for the current row, below it, with its file in hand.
TEST(DesktopSettings, DarkSchemesScreenReadersAndTheKeyboard)
{
    TempFolder home;
    home.write(u"a.mp3"_s, taggedAudio("Song", "Band"));
    home.write(u"b.mp3"_s, taggedAudio("Other", "Group"));
    const QPalette light = QApplication::palette();
    QPalette dark = light;
    dark.setColor(QPalette::Window, QColor(0x22, 0x20, 0x20));
    dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Link, QColor(0x8a, 0xb4, 0xf8));
    QApplication::setPalette(dark);
    AppHarness app(home.path());
    app.state().CurrentFile.setFileName(home.path(u"a.mp3"_s));
    frmEditID3Tags editor(
        app.state(), app.script(), [] {}, &app.window());
    for (const QLabel *link :
        {&app.control<QLabel>(u"lblCurrDirectory"), editor.findChild<QLabel *>(u"lblCurrentFile"_s)}) {
        const QColor shown = link->palette().color(link->foregroundRole());
        EXPECT_EQ(shown, dark.color(QPalette::Link)) << link->objectName().toStdString();
        EXPECT_GE(contrastRatio(shown, dark.color(QPalette::Window)), 4.5);
    }
    QApplication::setPalette(light);

    const auto nameOf
        = [](QWidget *widget) { return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name); };
    // What a reader announces a field by: its name, or for a list (whose name is its entry)
    // the first label tied to it.
    const auto labelOf = [&nameOf](QWidget *widget) {
        if (!qobject_cast<QComboBox *>(widget))
            return nameOf(widget);
        const auto labels = QAccessible::queryAccessibleInterface(widget)->relations(QAccessible::Label);
        return labels.isEmpty() ? QString() : labels.front().first->text(QAccessible::Name);
    };
    for (QWidget *window : {static_cast<QWidget *>(&app.window()), static_cast<QWidget *>(&editor)}) {
        for (QWidget *control : window->findChildren<QWidget *>()) {
            if (control->focusPolicy() != Qt::NoFocus && control->isVisibleTo(window)
                && !control->objectName().isEmpty()) {
                EXPECT_FALSE(nameOf(control).isEmpty()) << control->objectName().toStdString();
            }
        }
    }
    EXPECT_EQ(nameOf(&app.control<QLabel>(u"lblCurrDirectory")), u"Current Directory:"_s);
    EXPECT_EQ(labelOf(&app.control<QComboBox>(u"cboNameChoices")), u"File Naming Convention"_s);
    const std::pair<const char16_t *, QString> fields[] = {{u"txtArtist", u"Artist"_s},
        {u"txtSongTitle", u"Song Title"_s}, {u"txtAlbum", u"Album"_s}, {u"txtYear", u"Year"_s},
        {u"txtTrack", u"Track"_s}, {u"cboGenre", u"Genre"_s}, {u"txtComment", u"Comment"_s}};
    for (const auto &[field, label] : fields)
        EXPECT_EQ(labelOf(editor.findChild<QWidget *>(QString::fromUtf16(field))), label);

    QMenu &menu = app.startUp().gridMenu();
    for (const QKeySequence &key : {QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)}) {
        app.state().CurrentFile.setFileName(QString());
        app.grid().setCurrentIndex(app.grid().model()->index(1, 0));
        QTest::keySequence(&app.grid(), key);
        ASSERT_TRUE(menu.isVisible()) << key.toString().toStdString();
        EXPECT_EQ(app.state().CurrentFile.FileName(), home.path(u"b.mp3"_s));
        const QRect row = app.grid().visualRect(app.grid().currentIndex());
        EXPECT_EQ(menu.pos().y(), app.grid().viewport()->mapToGlobal(row.bottomLeft()).y() + 1);
        menu.hide();
    }
}

// Started in German or French, the window's menus, boxes and editor speak the language, and
// Qt's own buttons with them; the names proposed stay as they are in English.
TEST(DesktopSettings, GermanAndFrenchWindows)
{
    TempFolder home;
    home.write(u"a.mp3"_s, taggedAudio("time", "pink floyd"));
    const struct
    {
        const char *locale;
        QString fileMenu;
        QString artistLabel;
        QString qtCancel;
    } languages[] = {
        {"de_DE", u"&Datei"_s, u"Interpret"_s, u"Abbrechen"_s},
        {"fr_FR", u"&Fichier"_s, u"Artiste"_s, u"Annuler"_s},
    };
    for (const auto &language : languages) {
        SCOPED_TRACE(language.locale);
        const Translations translations(
            QLocale(QString::fromLatin1(language.locale)), QStringLiteral(SORVANE_TRANSLATIONS_DIR));
        AppHarness app(home.path());
        EXPECT_EQ(app.window().menuBar()->actions().front()->text(), language.fileMenu);
        EXPECT_EQ(app.column(1), QStringList {u"Pink Floyd - Time.mp3"_s});
        app.script().answers = {MessageAnswer::Ok};
        app.action(u"mnuitmHelpAbout").trigger();
        const Message &about = app.script().messages.back();
        EXPECT_FALSE(about.text.contains(u"responsible"_s));

        app.state().CurrentFile.setFileName(home.path(u"a.mp3"_s));
        frmEditID3Tags editor(
            app.state(), app.script(), [] {}, &app.window());
        EXPECT_EQ(editor.findChild<QLabel *>(u"Label1"_s)->text(), language.artistLabel);
        const QString qtCancel = QCoreApplication::translate("QPlatformTheme", "Cancel");
        if (qtCancel == u"Cancel"_s)
            GTEST_SKIP() << "Qt's own translations are missing (Debian package qt6-translations-l10n)";
        EXPECT_EQ(qtCancel, language.qtCancel);
    }
}
