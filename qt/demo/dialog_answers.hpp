// The questions the demo window asks a person in a modal dialog, behind one small interface.
//
// The window never opens these dialogs itself: it asks a DialogAnswers, which by default shows
// the real dialogs (ModalDialogs). A test hands the window answers of its own instead, so that
// no test races timers against a dialog's event loop and none can wait for ever on a dialog
// that nobody answers.
#pragma once

#include <QString>

class QWidget;

namespace sauramiti::qt::demo {

class DialogAnswers {
 public:
  enum class Unsaved { Save, Discard, Cancel };

  DialogAnswers() = default;
  DialogAnswers(const DialogAnswers&) = delete;
  DialogAnswers& operator=(const DialogAnswers&) = delete;
  virtual ~DialogAnswers() = default;

  // Unsaved changes are about to be lost: save them, discard them, or cancel what was asked.
  virtual Unsaved AskUnsavedChanges(QWidget& parent) = 0;
  // The name to save the document under, starting from `current`; empty when cancelled. The
  // window adds the ".json" suffix to a name without one.
  virtual QString AskSaveName(QWidget& parent, const QString& current) = 0;
};

// The real modal dialogs: a message box and a file dialog.
class ModalDialogs final : public DialogAnswers {
 public:
  Unsaved AskUnsavedChanges(QWidget& parent) override;
  QString AskSaveName(QWidget& parent, const QString& current) override;
};

}  // namespace sauramiti::qt::demo
