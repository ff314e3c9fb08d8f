#include "app/QtDialogs.h"

#include <QFileDialog>
#include <QMessageBox>

#include "app/Look.h"

namespace quorvel::ui {

namespace {

// Qt's own dialogs everywhere, so that every platform (and every test) sees the same one.
void Prepare(QFileDialog& dialog, const char* name, const QString& filter) {
    dialog.setObjectName(QString::fromLatin1(name));
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setNameFilter(filter);
    dialog.setSizeGripEnabled(true);
}

}  // namespace

std::optional<std::string> QtDialogs::OpenFile(SourceKind kind) {
    QFileDialog dialog(parent_);
    switch (kind) {
        case SourceKind::Txt:
            Prepare(dialog, "OpenDialog1",
                    QStringLiteral("東京測器TXTファイル(*.txt);;すべて(*.*)"));
            dialog.setFileMode(QFileDialog::ExistingFile);
            break;
        case SourceKind::Csv:
            Prepare(dialog, "OpenDialog2",
                    QStringLiteral("東京測器CSVファイル(*.csv);;すべて(*.*)"));
            dialog.setFileMode(QFileDialog::AnyFile);
            break;
        case SourceKind::Other:
            Prepare(dialog, "OpenDialog3", QStringLiteral("計測データファイル(*.*)"));
            dialog.setFileMode(QFileDialog::AnyFile);
            break;
    }
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return PathFromQString(dialog.selectedFiles().front());
}

std::optional<std::string> QtDialogs::SaveFile(const std::string& proposedName) {
    QFileDialog dialog(parent_);
    Prepare(dialog, "SaveDialog1", QStringLiteral("標準データファイル(*.csv);;すべて(*.*)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.selectFile(PathToQString(proposedName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return PathFromQString(dialog.selectedFiles().front());
}

void QtDialogs::Warning(const std::string& text, const std::string& caption) {
    QMessageBox box(QMessageBox::Warning, FromUtf8(caption), FromUtf8(text), QMessageBox::Ok,
                    parent_);
    box.setObjectName(QStringLiteral("WarningBox"));
    box.exec();
}

bool QtDialogs::Confirm(const std::string& text, const std::string& caption) {
    QMessageBox box(QMessageBox::Question, FromUtf8(caption), FromUtf8(text),
                    QMessageBox::Yes | QMessageBox::No, parent_);
    box.setObjectName(QStringLiteral("QuestionBox"));
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace quorvel::ui
