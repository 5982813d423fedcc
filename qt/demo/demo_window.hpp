// The demo host's main window: the picker on a form, as a form designer or a running
// application shows it, with a property browser, the live date values and an event log.
//
// File New makes a fresh picker (its defaults, today's date), Open loads a saved document and
// Save writes one (JSON property bags; a name typed without a suffix gets ".json"). Leaving
// unsaved changes behind (New, Open, File Quit / Ctrl+Q, closing the window) first asks whether
// to save them, discard them or cancel. Help > About gives the version, the licence and where
// the documents are. The Design / Run switch sets the ambient UserMode: in
// design mode the picker takes no input and refuses its run-time settings. Every Click,
// PropertyChanged and run-time error is logged; an error is also shown with its number.
#pragma once

#include <QMainWindow>
#include <QString>
#include <qt/demo/dialog_answers.hpp>
#include <qt/sauramiti_widget.hpp>

class QAction;
class QCloseEvent;
class QPlainTextEdit;

namespace sauramiti::qt::demo {

class LiveValues;
class PropertyBrowser;
class DateFieldRow;

class DemoWindow final : public QMainWindow {
 public:
  explicit DemoWindow(QWidget* parent = nullptr);

  SauramitiWidget& Picker() { return *picker_; }
  // Logs a run-time error and, unless messages are off, shows it in a message box.
  void ShowError(const RuntimeError& error);
  void SetMessagesShown(bool shown) { messagesShown_ = shown; }
  // Takes the picker's settings as they are now as the document's starting point (no unsaved
  // mark): what the command line asked for at start is not a change to save.
  void MarkUnchanged();
  // Takes `today` as today's date and starts a new document on it (the --today start option):
  // the picker, the date field and the panels all show that day.
  void StartNewDocumentOn(const QDate& today);
  // File > Open without the file dialog; a document that fails to load changes nothing.
  void OpenDocumentAt(const QString& path);
  const QString& DocumentPath() const { return documentPath_; }
  // Where the window's questions (save unsaved changes? under which name?) are answered: the
  // real dialogs by default or when `answers` is null. The window does not own `answers`.
  void SetDialogAnswers(DialogAnswers* answers);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenus();
  void NewDocument();
  void OpenDocument();
  bool SaveDocument(bool askForName);
  QString AskDocumentName();
  void ShowAbout();
  bool MayDiscardChanges();
  void SetRunMode(bool run);
  void Log(const QString& line);
  void ShowFailure(const QString& title, const QString& text);
  void RefreshPanels();
  void UpdateTitle();
  void StartInPublishedCalendar();

  ModalDialogs modalDialogs_;
  DialogAnswers* answers_ = &modalDialogs_;
  SauramitiWidget* picker_ = nullptr;
  PropertyBrowser* browser_ = nullptr;
  DateFieldRow* dateField_ = nullptr;
  LiveValues* values_ = nullptr;
  QPlainTextEdit* log_ = nullptr;
  QAction* designAction_ = nullptr;
  QAction* runAction_ = nullptr;
  QString documentPath_;
  bool modified_ = false;
  bool messagesShown_ = true;
};

}  // namespace sauramiti::qt::demo
