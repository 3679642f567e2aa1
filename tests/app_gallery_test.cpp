// btnExamples in the real windows, offscreen: the gallery found as the modal
// dialog it is and answered through its own list and buttons, in both
// languages, the model it opens from the examples folder of the build, and
// the question and the file dialog that follow.

#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <filesystem>

#include "app/examples_folder.h"
#include "app/examples_gallery.h"
#include "examples/examples_texts.h"
#include "tests/app_commands_support.h"
#include "tests/test_support.h"
#include "tests/window_mouse.h"
#include "view/qt_text.h"
#include "view/thumbnail.h"

namespace morvane::testing {
namespace {

// Pixels that lean to red: the power disk, and the red pen's mark and locus.
int ReddishPixels(const QImage& picture) {
  int count = 0;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      const QRgb pixel = picture.pixel(x, y);
      count += qRed(pixel) > qGreen(pixel) + 40 && qRed(pixel) > qBlue(pixel) + 40;
    }
  }
  return count;
}

QListWidgetItem* ItemOf(QListWidget& list, std::string_view file) {
  for (int i = 0; i < list.count(); ++i) {
    if (list.item(i)->data(Qt::UserRole).toString().endsWith(QLatin1Char('/') + ToQString(file))) {
      return list.item(i);
    }
  }
  ADD_FAILURE() << "no item for " << file;
  return nullptr;
}

// As the window system reports one: a click, then a second press that is a
// double click, and its release.
void DoubleClick(QListWidget& list, QListWidgetItem* item) {
  list.scrollToItem(item);
  const QPoint at = list.visualItemRect(item).center();
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at);
  QTest::mouseRelease(list.viewport(), Qt::LeftButton, {}, at);
}

// The gallery closed opens nothing; a double click on an example (in
// English; Open in Japanese) asks about the changed model first, as Open
// does, and opens it on Discard; its save dialog starts in the documents
// folder with the example's name. Every dialog is the real one, answered
// through its own widgets.
TEST(ExamplesGallery, OpensTheChosenExampleAsOpenDoesAndSavesItInTheDocumentsFolder) {
  const QDir folder(app::ExamplesFolder());
  ASSERT_TRUE(folder.exists("four-pens.mvd")) << "the build's examples folder: " << folder.path().toStdString();
  for (const Language language : {Language::English, Language::Japanese}) {
    RealProgram run(language);
    run.Main().show();
    PaletteDrag(run, "imgDiskActive1", {{300, 300}});
    QStringList seen;
    int shown = 0;
    const auto chooseFourPens = [&](QWidget& gallery) {
      auto& list = Part<QListWidget>(gallery, "lstExamples");
      seen << gallery.windowTitle() << Part<QPushButton>(gallery, "btnOpen").text();
      shown = list.count();
      for (const examples_texts::ExampleText& text : examples_texts::kExampleTexts) {
        const QListWidgetItem* item = folder.exists(ToQString(text.FileName)) ? ItemOf(list, text.FileName) : nullptr;
        if (item != nullptr) {
          EXPECT_EQ(item->text(), TextOf(text.Name, language) + "\n" + TextOf(text.About, language));
        }
      }
      QListWidgetItem* fourPens = ItemOf(list, "four-pens.mvd");
      if (fourPens == nullptr) {
        return qobject_cast<QDialog*>(&gallery)->reject();
      }
      // Its pens have drawn their loci in its thumbnail.
      const QImage thumbnail = fourPens->icon().pixmap(QSize(160, 120)).toImage();
      const auto model = LoadModel(folder.filePath("four-pens.mvd").toStdString());
      EXPECT_GT(ReddishPixels(thumbnail), ReddishPixels(view::Thumbnail(*model, {}, QSize(160, 120))) + 10);
      if (language == Language::English) {
        DoubleClick(list, fourPens);
      } else {
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(fourPens).center());
        Part<QPushButton>(gallery, "btnOpen").click();
      }
    };
    run.answers.Then([](QWidget& gallery) { Part<QPushButton>(gallery, "btnClose").click(); });
    run.Press("btnExamples");
    run.answers.Then(chooseFourPens).Then(Press(QMessageBox::Cancel, &seen));
    run.Press("btnExamples");
    EXPECT_EQ(run.Model().PartCount, 1) << "closed, then the question cancelled";
    run.answers.Then(chooseFourPens).Then(Press(QMessageBox::Discard));
    run.Press("btnExamples");
    EXPECT_TRUE(run.answers.Done());
    EXPECT_EQ(run.ModelText(), ReadWholeFile(folder.filePath("four-pens.mvd").toStdString()));
    EXPECT_TRUE(run.Enabled("btnPlay"));
    EXPECT_EQ(shown, static_cast<int>(folder.entryList({"*.mvd"}).size())) << "every model of the folder";
    EXPECT_EQ(seen.mid(0, 3), language == Language::English
                                  ? QStringList({"Examples", "Open", "The model has been changed. Do you want to save it?"})
                                  : QStringList({"例題", "開く", "モデルが変更されています。保存しますか？"}));

    run.answers.Then([&](QWidget& dialog) {
      if (QFileDialog* files = Expected<QFileDialog>(dialog)) {
        seen = {files->directory().absolutePath(), Part<QLineEdit>(*files, "fileNameEdit").text()};
        files->reject();
      }
    });
    run.Press("btnSave");
    EXPECT_EQ(seen, QStringList({QDir(QString::fromStdString(app::DocumentsFolder())).absolutePath(), "four-pens"}));
  }
}

// Without the examples folder the gallery says so instead of an empty list.
TEST(ExamplesGallery, SaysWhenThereAreNoExamples) {
  const TempFolder empty;
  app::ExamplesGallery gallery(Language::Japanese, nullptr, QString::fromStdString(empty.Path.string()));
  DialogAnswers answers;
  QStringList seen;
  answers.Then([&](QWidget& shown) {
    const auto& none = Part<QLabel>(shown, "lblNoExamples");
    seen << (none.isVisible() ? none.text() : "") << QString::number(Part<QListWidget>(shown, "lstExamples").count());
    Part<QPushButton>(shown, "btnClose").click();
  });
  EXPECT_EQ(gallery.Choose(), std::nullopt);
  EXPECT_EQ(seen, QStringList({"例題のモデルが見つかりません。", "0"}));
}

}  // namespace
}  // namespace morvane::testing
