// The plain arithmetic of exports: the area rectangle, the print layouts,
// names and progress texts.

#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "export/area_geometry.h"
#include "export/export_names.h"
#include "export/print_layout.h"
#include "export/progress_text.h"
#include "model/model_file.h"

namespace morvane::exporting {
namespace {

TEST(AreaGeometry, AspectRuleKeepsFourByThreeInsideThePreview) {
  const std::tuple<AreaSize, int, int, AreaSize> cases[] = {
      {{100, 30}, 10, 10, {100, 75}},      // the width leads
      {{40, 90}, 10, 10, {120, 90}},       // the height leads
      {{-100, 30}, 200, 100, {-100, 75}},  // each side keeps its sign
      {{-7, -1}, 100, 100, {-7, -5}},      // truncation towards zero
      {{10, 0}, 100, 100, {10, 7}},        // a zero height counts as positive
      {{200, 150}, 200, 100, {120, 90}},   // cut at the right edge
      {{-100, -75}, 50, 100, {-50, -37}},  // at the left edge
      {{100, 75}, 10, 200, {53, 40}},      // at the bottom edge
      {{-100, -75}, 200, 30, {-40, -30}},  // at the top edge
      {{300, 225}, 100, 100, {186, 140}},  // right, then bottom
  };
  for (const auto& [proposed, left, top, expected] : cases) {
    const AreaSize got = ApplyAspectRule(proposed, left, top);
    EXPECT_EQ(got, expected) << proposed.Width << " x " << proposed.Height << " at " << left << ", " << top << " gave "
                             << got.Width << " x " << got.Height;
  }
  EXPECT_TRUE(IsConfirmable(DragNewArea(StartNewArea(100, 80), 100, 82))) << "two pixels down are enough";
  // From the preview's first pixel the area starts one preview pixel before the canvas.
  EXPECT_EQ(ToExportArea(DragNewArea(StartNewArea(0, 0), 80, 60)), (ExportArea{-4, -4, 324, 244}));
}

TEST(AreaGeometry, ZonesAndWhatTheirDragsDo) {
  EXPECT_EQ(ZoneAt(96, 2, 100, 75), AreaZone::TopRight);
  EXPECT_EQ(ZoneAt(95, 2, 100, 75), AreaZone::TopEdge) << "the margin is 5 pixels";
  EXPECT_EQ(ZoneAt(5, 5, 100, 75), AreaZone::Move);
  const AreaRect start{50, 40, 100, 75};
  const std::tuple<AreaZone, int, int, AreaRect> drags[] = {
      {AreaZone::Move, -100, 0, {-50, 40, 100, 75}},  // moves are not bounded
      {AreaZone::TopLeft, -20, -20, {24, 20, 126, 95}},
      {AreaZone::TopRight, 20, 10, {50, 25, 120, 90}},
      {AreaZone::BottomLeft, 10, -15, {60, 40, 90, 67}},
      {AreaZone::BottomRight, 300, 0, {50, 40, 266, 200}},  // corners stop at the preview's edges
      {AreaZone::LeftEdge, -20, 99, {30, 40, 120, 90}},
      {AreaZone::RightEdge, 300, 0, {50, 40, 400, 300}},  // edges do not
      {AreaZone::TopEdge, 0, 15, {50, 55, 80, 60}},
      {AreaZone::BottomEdge, 0, -72, {50, 40, 4, 3}},
      {AreaZone::RightEdge, -100, 0, start},  // a step that leaves no width is not taken
      {AreaZone::TopLeft, 101, 80, start},
  };
  for (const auto& [zone, dx, dy, expected] : drags) {
    const AreaRect got = DragZone(zone, start, dx, dy);
    EXPECT_EQ(got, expected) << "zone " << static_cast<int>(zone) << " by " << dx << ", " << dy << " gave " << got.Left
                             << ", " << got.Top << ", " << got.Width << ", " << got.Height;
  }
}

TEST(ExportLayout, PrintedPages) {
  const SeriesPrintLayout page = PortraitSeriesLayout(3400, 4800);
  EXPECT_EQ(page, (SeriesPrintLayout{60, 933, 700, 240}));
  EXPECT_EQ(PrintCellAt(page, 0).Picture, (PixelBox{240, 180, 1173, 880}));
  EXPECT_EQ(PrintCellAt(page, 0).Frame, (PixelBox{232, 172, 1181, 888}));
  EXPECT_EQ(PrintCellAt(page, 17).Picture, (PixelBox{2226, 3980, 3159, 4680}));
  EXPECT_EQ(PortraitSeriesLayout(100, 4800).Left, -1409) << "the left edge truncates towards zero";

  EXPECT_EQ(FitToPage(1280, 960, 4800, 3400), (PrintSize{4533, 3400}));  // narrower than the page
  EXPECT_EQ(FitToPage(1280, 480, 4800, 3400), (PrintSize{4800, 1800}));
  EXPECT_EQ(FitToPage(3, 2, 1000, 1000), (PrintSize{1000, 667}));  // rounded, not truncated
  EXPECT_EQ(FitToPage(4, 3, 400, 300), (PrintSize{400, 300}));
}

TEST(ExportNames, ProposalsExtensionsAndProgressTexts) {
  // Files of these names stand in the model's folder.
  const std::set<std::string> files = {"/models/NewData.jpg", "/models/NewData(1).gif", "/models/新規.bmp"};
  const auto exists = [&](const std::string& path) { return files.contains(path); };
  DocumentNames names{"/models/", ""};
  EXPECT_EQ(ProposeExportName(names, kImageExtensions, Language::English, exists), "NewData(2)");
  EXPECT_EQ(ProposeExportName(names, kMovieExtensions, Language::English, exists), "NewData");
  EXPECT_EQ(ProposeExportName(names, kImageExtensions, Language::Japanese, exists), "新規(1)");
  EXPECT_EQ(PrintName(names, Language::Japanese), "新規");
  names.LastModelName = "NewData(1).gif";
  EXPECT_EQ(ProposeExportName(names, kImageExtensions, Language::English, exists), "NewData(1)");
  EXPECT_EQ(PrintName(names, Language::English), "NewData(1)");

  EXPECT_EQ(ProgressLine("連続イメージ作成中...  [  %d ％ 完了 ]", 100), "連続イメージ作成中...  [  100 ％ 完了 ]");
  EXPECT_EQ(ProgressPercent(1, 17), 6);
  EXPECT_EQ(ProgressPercent(1, 180), 1) << "rounded, not truncated";
}

}  // namespace
}  // namespace morvane::exporting
