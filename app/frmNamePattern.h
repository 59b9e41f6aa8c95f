#pragma once

#include "naming/NamePattern.h"

#include <QDialog>

#include <functional>

class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The dialog in which the person types a naming pattern of their own and sees, as they
// type, the name it gives a listed file. OK stays disabled while the pattern cannot name
// files, and a line says why.
class frmNamePattern : public QDialog
{
    Q_OBJECT

public:
    // previewName: the name a usable pattern gives the file the preview shows; empty when
    // no file is listed.
    frmNamePattern(const QString &pattern, std::function<QString(const NamePattern &)> previewName, QWidget *parent);

    NamePattern pattern() const;

public Q_SLOTS:
    void txtPattern_Change();

private:
    const std::function<QString(const NamePattern &)> m_previewName;
    QLineEdit *txtPattern = nullptr;
    QLabel *lblPreview = nullptr;
    QLabel *lblProblem = nullptr;
    QPushButton *cmdOK = nullptr;
};
