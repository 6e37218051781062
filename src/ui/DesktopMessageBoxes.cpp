// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DesktopMessageBoxes.h"

#include "ui/QuestionBox.h"

#include "controls/xpbutton/XpButton.h"
#include "ui/DialogKeys.h"
#include "ui/FormControls.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QVBoxLayout>

#include <limits>

namespace {

// A small dialog of the question, what the caller puts in it, and two buttons: `accept`,
// the default, and Cancel.
class AskingDialog : public QDialog {
public:
    AskingDialog(QWidget* parent, const QString& question, const QString& accept)
        : QDialog(parent) {
        setObjectName(QStringLiteral("AskingDialog"));
        setWindowTitle(MessageBoxes::Title());
        m_layout = new QVBoxLayout(this);
        auto* label = new QLabel(question, this);
        label->setWordWrap(true);
        m_layout->addWidget(label);
        m_form = new QFormLayout;
        m_layout->addLayout(m_form);
        auto* buttons = new QHBoxLayout;
        buttons->addStretch();
        for (const bool isAccept : {true, false}) {
            XpButton* button = FormControls::DialogButton(
                this, isAccept ? QStringLiteral("OKButton") : QStringLiteral("CancelButton"),
                isAccept ? accept : QCoreApplication::translate("AskingDialog", "Cancel"));
            button->SetDefaultButton(isAccept);
            buttons->addWidget(button);
            connect(button, &XpButton::Click, this, isAccept ? &QDialog::accept : &QDialog::reject);
        }
        m_layout->addLayout(buttons);
        DialogKeys::GiveEveryButtonAKey(this);
    }

    QFormLayout* Form() { return m_form; }

private:
    QVBoxLayout* m_layout = nullptr;
    QFormLayout* m_form = nullptr;
};

}  // namespace

DesktopMessageBoxes& DesktopMessageBoxes::Instance() {
    static DesktopMessageBoxes instance;
    return instance;
}

MessageBoxes::Answer DesktopMessageBoxes::Ask(QWidget* parent, const QString& question) {
    QuestionBox box(question, parent);
    box.exec();
    return box.Answer();
}

MessageBoxes::Answer DesktopMessageBoxes::AskToSave(QWidget* parent, const QString& question) {
    QuestionBox box(question, parent, QuestionBox::Buttons::SaveDiscardCancel);
    box.exec();
    return box.Answer();
}

MessageBoxes::Answer DesktopMessageBoxes::AskBetween(QWidget* parent, const QString& question,
                                                     const QString& yesCaption,
                                                     const QString& noCaption) {
    // The save question's three buttons, named for the two ways on.
    QuestionBox box(question, parent, QuestionBox::Buttons::SaveDiscardCancel);
    box.SetCaption(QMessageBox::Save, yesCaption);
    box.SetCaption(QMessageBox::Discard, noCaption);
    box.exec();
    return box.Answer();
}

void DesktopMessageBoxes::Tell(QWidget* parent, const QString& message) {
    QMessageBox box(QMessageBox::Warning, Title(), message, QMessageBox::Ok, parent);
    box.exec();
}

std::optional<QString> DesktopMessageBoxes::AskText(QWidget* parent, const QString& question,
                                                    const QString& start) {
    AskingDialog dialog(parent, question, QCoreApplication::translate("AskingDialog", "OK"));
    auto* box = new QLineEdit(start, &dialog);
    box->setObjectName(QStringLiteral("Answer"));
    box->setMaxLength(std::numeric_limits<int>::max());
    box->setAccessibleName(question);
    dialog.Form()->addRow(box);
    box->setFocus();
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return box->text();
}

std::optional<std::vector<int>> DesktopMessageBoxes::AskChoices(
    QWidget* parent, const QString& question, const QStringList& labels, const QStringList& options,
    const std::vector<int>& start, const QString& accept) {
    AskingDialog dialog(parent, question, accept);
    std::vector<QComboBox*> lists;
    for (qsizetype index = 0; index < labels.size(); ++index) {
        auto* list = new QComboBox(&dialog);
        list->setObjectName(QStringLiteral("Choice%1").arg(index + 1));
        list->addItems(options);
        list->setCurrentIndex(index < qsizetype(start.size()) ? start[size_t(index)] : 0);
        list->setAccessibleName(labels[index]);
        dialog.Form()->addRow(labels[index] + QLatin1Char(':'), list);
        lists.push_back(list);
    }
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    std::vector<int> chosen;
    for (const QComboBox* list : lists)
        chosen.push_back(list->currentIndex());
    return chosen;
}
