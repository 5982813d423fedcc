// The demo window as a newcomer meets it: start options that are not edits, the question before
// unsaved changes are lost, the ".json" a typed name gets, Help > About, and a layout that
// never clips the picker.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <qt/demo/about_text.hpp>
#include <qt/demo/aspect_frame.hpp>
#include <qt/demo/demo_window.hpp>
#include <qt/demo/document_name.hpp>
#include <qt/demo/start_options.hpp>
#include <qt/sauramiti_date_edit.hpp>

namespace sauramiti::qt::demo {
namespace {

// Answers the next modal dialog of type Dialog as soon as it is up (the dialogs run their own
// event loop, so the answer comes from a timer).
template <typename Dialog>
void AnswerNextDialog(std::function<void(Dialog&)> answer) {
  auto* timer = new QTimer;
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, [timer, answer] {
    auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) return;
    timer->stop();
    timer->deleteLater();
    answer(*dialog);
  });
  timer->start();
}

QAction* Action(QWidget& window, const QString& text) {
  for (QAction* action : window.findChildren<QAction*>()) {
    if (action->text().remove('&') == text) return action;
  }
  return nullptr;
}

bool ShowsUnsaved(const DemoWindow& window) { return window.windowTitle().contains('*'); }

TEST(DemoStart, StartOptionsAreTheStartingPointNotUnsavedChanges) {
  DemoWindow window;
  StartOptions options;
  options.nepali = true;
  options.horizontal = true;
  options.date = BsDate{2059, 1, 15};
  options.size = QSize(700, 500);
  EXPECT_EQ(StartDemoWindow(options, window), "");
  EXPECT_FALSE(window.Picker().english());
  EXPECT_FALSE(window.Picker().vertical());
  EXPECT_EQ(window.Picker().value(), "2059/01/15/1");
  EXPECT_EQ(window.size(), QSize(700, 500));
  EXPECT_FALSE(ShowsUnsaved(window));
  EXPECT_TRUE(window.close()) << "nothing to ask about";

  DemoWindow changed;
  StartDemoWindow(options, changed);
  changed.Picker().setEnglish(true);
  EXPECT_TRUE(ShowsUnsaved(changed)) << "an edit after the start is a change";
}

// --today starts a new document on that day, in the published calendar, and every part of the
// window shows it: the picker, the date field and the live values.
TEST(DemoStart, TodayOptionStartsEveryPartOnThatDay) {
  DemoWindow window;
  StartOptions options;
  options.today = QDate(2025, 7, 16);  // Asar 32, 2082 in the published calendar
  EXPECT_EQ(StartDemoWindow(options, window), "");
  EXPECT_EQ(window.Picker().calendar(), 1);
  EXPECT_EQ(window.Picker().value(), "2082/03/32/4");
  auto* field = window.findChild<SauramitiDateEdit*>(QStringLiteral("dateField"));
  ASSERT_NE(field, nullptr);
  EXPECT_EQ(field->date(), (bs::year_month_day{2082, 3, 32}));
  EXPECT_EQ(field->picker().calendar(), 1);
  EXPECT_FALSE(ShowsUnsaved(window));
}

// Answers the window's questions from a list given in advance, in order. A question nobody
// prepared an answer for fails the test and is cancelled, so no test can wait on a dialog.
class ScriptedAnswers final : public DialogAnswers {
 public:
  std::deque<Unsaved> unsaved;
  std::deque<QString> names;  // an empty name cancels the save dialog

  Unsaved AskUnsavedChanges(QWidget&) override {
    if (unsaved.empty()) {
      ADD_FAILURE() << "an unexpected question about unsaved changes";
      return Unsaved::Cancel;
    }
    const Unsaved answer = unsaved.front();
    unsaved.pop_front();
    return answer;
  }
  QString AskSaveName(QWidget&, const QString&) override {
    if (names.empty()) {
      ADD_FAILURE() << "an unexpected question for a document name";
      return {};
    }
    QString name = names.front();
    names.pop_front();
    return name;
  }
};

TEST(DemoClose, UnsavedChangesAskToSaveDiscardOrCancel) {
  using Unsaved = DialogAnswers::Unsaved;
  QTemporaryDir dir;
  ScriptedAnswers answers;
  DemoWindow window;
  window.SetDialogAnswers(&answers);
  window.show();
  window.Picker().setEnglish(false);
  ASSERT_TRUE(ShowsUnsaved(window));

  answers.unsaved = {Unsaved::Cancel};
  EXPECT_FALSE(window.close());
  EXPECT_TRUE(window.isVisible());

  // Ctrl+Q is the Quit action; saving an untitled document asks for a name, and cancelling
  // that cancels the quitting too.
  QAction* quit = Action(window, "Quit");
  ASSERT_NE(quit, nullptr);
  EXPECT_EQ(quit->shortcut(), QKeySequence(QKeySequence::Quit));
  answers.unsaved = {Unsaved::Save};
  answers.names = {QString()};
  quit->trigger();
  EXPECT_TRUE(window.isVisible());
  EXPECT_TRUE(ShowsUnsaved(window));

  answers.unsaved = {Unsaved::Save};
  answers.names = {dir.filePath("doc1")};
  quit->trigger();
  EXPECT_FALSE(window.isVisible());
  EXPECT_TRUE(QFileInfo::exists(dir.filePath("doc1.json")));
  EXPECT_FALSE(QFileInfo::exists(dir.filePath("doc1")));

  DemoWindow discarded;
  discarded.SetDialogAnswers(&answers);
  discarded.show();
  discarded.Picker().setVertical(false);
  answers.unsaved = {Unsaved::Discard};
  EXPECT_TRUE(discarded.close());
  EXPECT_FALSE(QFileInfo::exists(dir.filePath("Untitled.json")));

  DemoWindow unchanged;
  unchanged.SetDialogAnswers(&answers);
  unchanged.show();
  EXPECT_TRUE(unchanged.close()) << "nothing to ask about";
  EXPECT_TRUE(answers.unsaved.empty() && answers.names.empty());
}

TEST(DemoSave, ANameTypedWithoutSuffixIsSavedAsJson) {
  QTemporaryDir dir;
  ScriptedAnswers answers;
  answers.names = {dir.filePath("doc1")};
  DemoWindow window;
  window.SetDialogAnswers(&answers);
  window.SetMessagesShown(false);
  window.show();
  Action(window, "Save As...")->trigger();
  EXPECT_TRUE(QFileInfo::exists(dir.filePath("doc1.json")));
  EXPECT_TRUE(window.windowTitle().startsWith("doc1.json"));
}

TEST(DocumentName, GetsTheJsonSuffixOnlyWhenItHasNone) {
  const struct {
    const char* typed;
    const char* saved;
  } cases[] = {
      {"/tmp/doc1", "/tmp/doc1.json"},
      {"/tmp/doc1.json", "/tmp/doc1.json"},
      {"/tmp/notes.txt", "/tmp/notes.txt"},
      {"/tmp/doc1.", "/tmp/doc1.json"},
      {"/tmp/.picker", "/tmp/.picker.json"},
      {"/tmp/my.folder/doc1", "/tmp/my.folder/doc1.json"},
      {"doc1", "doc1.json"},
  };
  for (const auto& c : cases) EXPECT_EQ(WithDocumentSuffix(c.typed), c.saved) << c.typed;
}

TEST(DemoAbout, GivesTheVersionTheLicenceAndWhereTheDocumentsAre) {
  DemoWindow window;
  window.show();
  QString shown;
  AnswerNextDialog<QMessageBox>([&shown](QMessageBox& box) {
    shown = box.text();
    box.accept();
  });
  QAction* about = Action(window, "About Sauramiti");
  ASSERT_NE(about, nullptr);
  about->trigger();
  EXPECT_TRUE(shown.contains(QStringLiteral(SAURAMITI_VERSION))) << qPrintable(shown);
  EXPECT_TRUE(shown.contains("MIT")) << qPrintable(shown);
  EXPECT_TRUE(QFileInfo::exists(DocumentationReadme())) << qPrintable(DocumentationReadme());
  EXPECT_TRUE(shown.contains(DocumentationReadme().toHtmlEscaped()));
}

TEST(AspectFrame, FitsTheLargestShapeButNotBelowTheMinimum) {
  const struct {
    QSize area, shape, minimum, fitted;
  } cases[] = {
      {{369, 348}, {369, 348}, {185, 174}, {369, 348}},   // the design size
      {{738, 2000}, {369, 348}, {185, 174}, {738, 696}},  // tall: the width decides
      {{2000, 696}, {369, 348}, {185, 174}, {738, 696}},  // wide: the height decides
      {{100, 100}, {369, 348}, {185, 174}, {185, 174}},   // too small: the minimum
      {{300, 300}, {0, 0}, {185, 174}, {300, 300}},       // no shape: all of it
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FitToShape(c.area, c.shape, c.minimum), c.fitted)
        << c.area.width() << "x" << c.area.height();
  }
}

TEST(DemoLayout, ANarrowWindowNeverClipsThePicker) {
  for (const QSize windowSize : {QSize(500, 560), QSize(500, 900), QSize(980, 560)}) {
    DemoWindow window;
    window.resize(windowSize);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    SauramitiWidget& picker = window.Picker();
    const QSize minimum = picker.minimumSizeHint();
    EXPECT_GE(picker.width(), minimum.width());
    EXPECT_GE(picker.height(), minimum.height());
    // In the proportions of its design size, within two pixels of rounding.
    const QSize design = picker.sizeHint();
    EXPECT_NEAR(picker.width() * design.height(), picker.height() * design.width(),
                2 * design.width());
    // Wholly inside the window's visible area.
    const QRect shown(picker.mapTo(&window, QPoint(0, 0)), picker.size());
    EXPECT_TRUE(window.rect().contains(shown)) << windowSize.width() << "x" << windowSize.height();
  }
}

}  // namespace
}  // namespace sauramiti::qt::demo
