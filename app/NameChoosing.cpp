// frmSelectFiles: the naming convention, or the person's own pattern, the names follow.

#include "app/frmSelectFiles.h"

#include "app/FileGridModel.h"
#include "app/frmNamePattern.h"
#include "naming/NamingConventions.h"
#include "naming/ProgramState.h"
#include "platform/DesktopServices.h"
#include "settings/Registry.h"

#include <QComboBox>
#include <QTableView>

using namespace Qt::StringLiterals;

namespace {

// The entry after the conventions.
constexpr int OwnPatternIndex = NamingConventionCount;
// The pattern last kept, offered again at the next start.
const QString NamePatternSetting = u"NamePattern"_s;
// What the dialog offers before a pattern was ever kept: the first convention.
const QString FirstPattern = u"<Artist> - <Title>"_s;

} // namespace

QStringList frmSelectFiles::nameChoiceLabels()
{
    return namingConventionLabels() << tr("Own Pattern...");
}

void frmSelectFiles::cboNameChoices_Click()
{
    // Cancelling the pattern dialog returns to the entry chosen before.
    if (cboNameChoices->currentIndex() == OwnPatternIndex && !chooseOwnPattern()) {
        cboNameChoices->setCurrentIndex(m_chosenNaming);
        return;
    }
    m_chosenNaming = cboNameChoices->currentIndex();
    m_state.ListedFiles.setNaming(nameChoice(), m_state.IllegalChars);
    m_fileRows->showListed();
    showFilesListed();
}

void frmSelectFiles::ReadyToGo()
{
    m_state.CurrentFile.setIsMissingTags(false);
    FillIllegalChars(m_state.IllegalChars);
    cboNameChoices->clear();
    cboNameChoices->addItems(nameChoiceLabels());
    cboNameChoices->setCurrentIndex(0);
    cboNameChoices_Click();
}

NameChoice frmSelectFiles::nameChoice()
{
    const int index = cboNameChoices->currentIndex();
    return {index, index == OwnPatternIndex ? m_ownPattern : std::nullopt};
}

bool frmSelectFiles::chooseOwnPattern()
{
    const QString offered
        = m_ownPattern ? m_ownPattern->text() : ReadRegistryString(ProgramKey, NamePatternSetting, FirstPattern);
    frmNamePattern dialog(
        offered, [this](const NamePattern &pattern) { return previewName(pattern); }, this);
    m_services.runModal(dialog);
    if (dialog.result() != QDialog::Accepted || !dialog.pattern().isUsable())
        return false;
    m_ownPattern = dialog.pattern();
    WriteSetting(NamePatternSetting, m_ownPattern->text());
    return true;
}

QString frmSelectFiles::previewName(const NamePattern &pattern) const
{
    const ListedFile *file = m_fileRows->fileAt(FileGrid->currentIndex().row());
    if (!file)
        file = m_fileRows->fileAt(0);
    return file ? m_state.ListedFiles.proposedName(*file, {OwnPatternIndex, pattern}) : QString();
}
