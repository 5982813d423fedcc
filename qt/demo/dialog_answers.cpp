#include <QFileDialog>
#include <QMessageBox>
#include <qt/demo/dialog_answers.hpp>
#include <qt/demo/document_name.hpp>

namespace sauramiti::qt::demo {

DialogAnswers::Unsaved ModalDialogs::AskUnsavedChanges(QWidget& parent) {
  const auto answer =
      QMessageBox::question(&parent, QStringLiteral("Unsaved changes"),
                            QStringLiteral("The picker's settings have changed. Save them first?"),
                            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
  if (answer == QMessageBox::Save) return Unsaved::Save;
  return answer == QMessageBox::Discard ? Unsaved::Discard : Unsaved::Cancel;
}

QString ModalDialogs::AskSaveName(QWidget& parent, const QString& current) {
  QFileDialog dialog(&parent, QStringLiteral("Save"), current,
                     QStringLiteral("Sauramiti documents (*.json);;All files (*)"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  // The dialog adds the suffix itself (and asks before overwriting that name); a native dialog
  // that ignores the default suffix still gets it added by the window.
  dialog.setDefaultSuffix(QString::fromLatin1(kDocumentSuffix));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

}  // namespace sauramiti::qt::demo
