#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>
#include <qt/demo/about_text.hpp>
#include <qt/demo/aspect_frame.hpp>
#include <qt/demo/date_field_row.hpp>
#include <qt/demo/demo_window.hpp>
#include <qt/demo/document_name.hpp>
#include <qt/demo/live_values.hpp>
#include <qt/demo/property_browser.hpp>
#include <sauramiti/document/document_error.hpp>
#include <sauramiti/document/refused_value.hpp>
#include <stdexcept>

namespace sauramiti::qt::demo {

namespace {

const QString kDocumentFilter = QStringLiteral("Sauramiti documents (*.json);;All files (*)");

// The picker on a form: a plain sheet with a margin, as a form designer shows it.
QWidget* MakeForm(SauramitiWidget*& picker) {
  auto* form = new QWidget;
  form->setObjectName(QStringLiteral("form"));
  form->setAutoFillBackground(true);
  auto* layout = new QVBoxLayout(form);
  layout->setContentsMargins(16, 16, 16, 16);
  picker = new SauramitiWidget;
  layout->addWidget(new AspectFrame(picker, form));
  return form;
}

}  // namespace

DemoWindow::DemoWindow(QWidget* parent) : QMainWindow(parent) {
  auto* splitter = new QSplitter(this);
  // Neither side may be squeezed below its minimum: the picker would be clipped.
  splitter->setChildrenCollapsible(false);
  QWidget* form = MakeForm(picker_);
  splitter->addWidget(form);
  dateField_ = new DateFieldRow(*picker_, [this](const QString& line) { Log(line); });
  form->layout()->addWidget(dateField_);
  StartInPublishedCalendar();

  auto* side = new QWidget;
  auto* sideLayout = new QVBoxLayout(side);
  browser_ = new PropertyBrowser(
      *picker_, [this](const RuntimeError& error) { ShowError(error); }, side);
  values_ = new LiveValues(*picker_, side);
  auto* events = new QGroupBox(QStringLiteral("Events"), side);
  log_ = new QPlainTextEdit(events);
  log_->setReadOnly(true);
  log_->setMaximumBlockCount(1000);
  auto* eventsLayout = new QVBoxLayout(events);
  eventsLayout->addWidget(log_);
  sideLayout->addWidget(browser_, 3);
  sideLayout->addWidget(values_);
  sideLayout->addWidget(events, 2);
  splitter->addWidget(side);
  splitter->setStretchFactor(0, 1);
  splitter->setSizes({560, 420});
  setCentralWidget(splitter);

  connect(picker_, &SauramitiWidget::clicked, this, [this] {
    Log(QStringLiteral("Click"));
    RefreshPanels();
  });
  connect(picker_, &SauramitiWidget::propertyChanged, this, [this](const QString& name) {
    Log(QStringLiteral("PropertyChanged ") + name);
    modified_ = true;
    UpdateTitle();
    RefreshPanels();
  });
  connect(picker_, &SauramitiWidget::errorRaised, this, [this](int number, const QString&) {
    ShowError(RuntimeError(number));
    RefreshPanels();
  });

  BuildMenus();
  SetRunMode(true);
  UpdateTitle();
  resize(980, 560);
}

void DemoWindow::BuildMenus() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  QAction* newAction = file->addAction(QStringLiteral("&New"), this, [this] { NewDocument(); });
  newAction->setShortcut(QKeySequence::New);
  QAction* openAction =
      file->addAction(QStringLiteral("&Open..."), this, [this] { OpenDocument(); });
  openAction->setShortcut(QKeySequence::Open);
  QAction* saveAction =
      file->addAction(QStringLiteral("&Save"), this, [this] { SaveDocument(false); });
  saveAction->setShortcut(QKeySequence::Save);
  file->addAction(QStringLiteral("Save &As..."), this, [this] { SaveDocument(true); })
      ->setShortcut(QKeySequence::SaveAs);
  file->addSeparator();
  file->addAction(QStringLiteral("&Quit"), this, [this] { close(); })
      ->setShortcut(QKeySequence::Quit);

  QMenu* mode = menuBar()->addMenu(QStringLiteral("&Mode"));
  auto* modes = new QActionGroup(this);
  designAction_ = mode->addAction(QStringLiteral("&Design"), this, [this] { SetRunMode(false); });
  runAction_ = mode->addAction(QStringLiteral("&Run"), this, [this] { SetRunMode(true); });
  for (QAction* action : {designAction_, runAction_}) {
    action->setCheckable(true);
    modes->addAction(action);
  }

  QToolBar* tools = addToolBar(QStringLiteral("Main"));
  tools->setMovable(false);
  tools->addAction(newAction);
  tools->addAction(openAction);
  tools->addAction(saveAction);
  tools->addSeparator();
  tools->addAction(designAction_);
  tools->addAction(runAction_);

  QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
  help->addAction(QStringLiteral("&About Sauramiti"), this, [this] { ShowAbout(); });
  help->addAction(QStringLiteral("About &Qt"), qApp, &QApplication::aboutQt);
}

void DemoWindow::ShowAbout() {
  QMessageBox::about(this, QStringLiteral("About Sauramiti"), AboutText());
}

void DemoWindow::closeEvent(QCloseEvent* event) {
  if (MayDiscardChanges()) {
    event->accept();
  } else {
    event->ignore();
  }
}

void DemoWindow::MarkUnchanged() {
  modified_ = false;
  UpdateTitle();
}

QString DemoWindow::AskDocumentName() {
  const QString name = answers_->AskSaveName(*this, documentPath_);
  return name.isEmpty() ? QString() : WithDocumentSuffix(name);
}

void DemoWindow::SetDialogAnswers(DialogAnswers* answers) {
  answers_ = answers != nullptr ? answers : &modalDialogs_;
}

void DemoWindow::SetRunMode(bool run) {
  picker_->setUserMode(run);
  (run ? runAction_ : designAction_)->setChecked(true);
  statusBar()->showMessage(run ? QStringLiteral("Run mode: the picker is live")
                               : QStringLiteral("Design mode: the picker sits on a designer's "
                                                "form and refuses its run-time settings"));
  Log(run ? QStringLiteral("Mode: run") : QStringLiteral("Mode: design"));
  RefreshPanels();
}

bool DemoWindow::MayDiscardChanges() {
  if (!modified_) return true;
  switch (answers_->AskUnsavedChanges(*this)) {
    case DialogAnswers::Unsaved::Save:
      return SaveDocument(false);
    case DialogAnswers::Unsaved::Discard:
      return true;
    case DialogAnswers::Unsaved::Cancel:
      break;
  }
  return false;
}

// A new or opened document replaces the picker only when it came to life; when it did not, the
// picker, its document path and the file on disk stay as they were, so a later Save cannot
// overwrite the user's file with a half-read picker.
void DemoWindow::NewDocument() {
  if (!MayDiscardChanges()) return;
  try {
    picker_->newDocument();
    StartInPublishedCalendar();
  } catch (const RuntimeError& error) {
    ShowError(error);
    return;
  } catch (const std::logic_error& error) {
    ShowFailure(QStringLiteral("Cannot start a new document"), QString::fromUtf8(error.what()));
    return;
  }
  documentPath_.clear();
  modified_ = false;
  Log(QStringLiteral("New document"));
  RefreshPanels();
  UpdateTitle();
}

void DemoWindow::OpenDocument() {
  if (!MayDiscardChanges()) return;
  const QString path =
      QFileDialog::getOpenFileName(this, QStringLiteral("Open"), documentPath_, kDocumentFilter);
  if (!path.isEmpty()) OpenDocumentAt(path);
}

void DemoWindow::OpenDocumentAt(const QString& path) {
  try {
    picker_->load(path);
    documentPath_ = path;
    modified_ = false;
    Log(QStringLiteral("Opened ") + path);
  } catch (const document::ValueRefusedError& error) {
    // The message carries the file, the key, the value and the error's number and description.
    ShowFailure(QStringLiteral("Cannot open the document (run-time error %1)").arg(error.Number()),
                QString::fromUtf8(error.what()));
  } catch (const document::DocumentError& error) {
    ShowFailure(QStringLiteral("Cannot open the document"), QString::fromUtf8(error.what()));
  } catch (const std::logic_error& error) {
    ShowFailure(QStringLiteral("Cannot open the document"), QString::fromUtf8(error.what()));
  }
  RefreshPanels();
  UpdateTitle();
}

bool DemoWindow::SaveDocument(bool askForName) {
  QString path = documentPath_;
  if (askForName || path.isEmpty()) {
    path = AskDocumentName();
    if (path.isEmpty()) return false;
  }
  try {
    picker_->save(path);
  } catch (const document::DocumentError& error) {
    ShowFailure(QStringLiteral("Cannot save the document"), QString::fromUtf8(error.what()));
    return false;
  } catch (const RuntimeError& error) {
    ShowError(error);
    return false;
  }
  documentPath_ = path;
  modified_ = false;
  Log(QStringLiteral("Saved ") + path);
  UpdateTitle();
  return true;
}

void DemoWindow::ShowError(const RuntimeError& error) {
  const QString text = QStringLiteral("Run-time error %1: %2")
                           .arg(error.Number())
                           .arg(ToQString(ErrorDescription(error.Number())));
  Log(text);
  if (messagesShown_) QMessageBox::warning(this, QStringLiteral("Sauramiti"), text);
}

void DemoWindow::ShowFailure(const QString& title, const QString& text) {
  Log(title + QStringLiteral(": ") + text);
  if (messagesShown_) QMessageBox::warning(this, title, text);
}

void DemoWindow::Log(const QString& line) {
  if (log_ != nullptr) log_->appendPlainText(line);
}

void DemoWindow::RefreshPanels() {
  if (browser_ != nullptr) browser_->Refresh();
  if (values_ != nullptr) values_->Refresh();
}

// A new document follows the calendar people in Nepal use, the published one; an opened
// document keeps the calendar it was saved with (the model when it names none). The change is
// the document's starting point, not an edit: it is not logged and leaves the document unmodified.
void DemoWindow::StartInPublishedCalendar() {
  const QSignalBlocker quiet(picker_);
  picker_->setCalendar(1);
  dateField_->FollowCalendar(*picker_);
}

void DemoWindow::StartNewDocumentOn(const QDate& today) {
  picker_->setToday(today);
  picker_->newDocument();  // a new instance reads today when it starts
  StartInPublishedCalendar();
  {
    const QSignalBlocker quiet(&dateField_->Field());  // not a change the user made
    dateField_->Field().setDate(picker_->selectedDate());
  }
  RefreshPanels();
}

void DemoWindow::UpdateTitle() {
  const QString name =
      documentPath_.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(documentPath_).fileName();
  const QString calendar = picker_->calendar() == 1 ? QStringLiteral(" \u2014 published calendar")
                                                    : QStringLiteral(" \u2014 model calendar");
  setWindowTitle(name + (modified_ ? QStringLiteral("*") : QString()) + calendar +
                 QStringLiteral(" - Sauramiti demo"));
}

}  // namespace sauramiti::qt::demo
