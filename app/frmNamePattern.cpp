#include "app/frmNamePattern.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QLabel *createLabel(QWidget *parent, const QString &name, const QString &caption = {})
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QString faultText(const NamePattern &pattern)
{
    switch (pattern.fault()) {
    case NamePattern::Fault::None:
        break;
    case NamePattern::Fault::NoField:
        return QCoreApplication::translate("frmNamePattern", "The pattern needs at least one field, such as <Title>.");
    case NamePattern::Fault::HoldsSlash:
        return QCoreApplication::translate("frmNamePattern", "A file name cannot hold \"/\".");
    case NamePattern::Fault::UnknownField:
        return QCoreApplication::translate("frmNamePattern", "<%1> is not one of the fields.")
            .arg(pattern.unknownField());
    }
    return {};
}

} // namespace

frmNamePattern::frmNamePattern(
    const QString &pattern, std::function<QString(const NamePattern &)> previewName, QWidget *parent)
    : QDialog(parent)
    , m_previewName(std::move(previewName))
{
    setObjectName(u"frmNamePattern"_s);
    setWindowTitle(tr("Own Naming Pattern"));

    txtPattern = new QLineEdit(pattern, this);
    txtPattern->setObjectName(u"txtPattern"_s);
    txtPattern->setMinimumWidth(txtPattern->fontMetrics().averageCharWidth() * 50);
    QLabel *lblPattern = createLabel(this, u"lblPattern"_s, tr("&Pattern:"));
    lblPattern->setBuddy(txtPattern);
    QLabel *lblFields = createLabel(this, u"lblFields"_s,
        tr("Fields: <Artist> <Title> <Album> <Year> <Genre> <Track>; other text stays as typed."));
    lblPreview = createLabel(this, u"lblPreview"_s);
    lblPreview->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QLabel *lblPreviewCaption = createLabel(this, u"lblPreviewCaption"_s, tr("New name:"));
    lblPreviewCaption->setBuddy(lblPreview);
    lblProblem = createLabel(this, u"lblProblem"_s);
    lblProblem->setWordWrap(true);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    cmdOK = buttons->button(QDialogButtonBox::Ok);
    cmdOK->setObjectName(u"cmdOK"_s);
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(u"cmdCancel"_s);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *form = new QFormLayout;
    form->addRow(lblPattern, txtPattern);
    form->addRow(QString(), lblFields);
    form->addRow(lblPreviewCaption, lblPreview);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(lblProblem);
    layout->addStretch();
    layout->addWidget(buttons);

    connect(txtPattern, &QLineEdit::textChanged, this, &frmNamePattern::txtPattern_Change);
    txtPattern_Change();
}

NamePattern frmNamePattern::pattern() const
{
    return NamePattern(txtPattern->text());
}

void frmNamePattern::txtPattern_Change()
{
    const NamePattern typed = pattern();
    cmdOK->setEnabled(typed.isUsable());
    lblProblem->setText(faultText(typed));
    if (!typed.isUsable())
        lblPreview->clear();
    else if (const QString name = m_previewName(typed); !name.isEmpty())
        lblPreview->setText(name);
    else
        lblPreview->setText(tr("(no file is listed)"));
}
