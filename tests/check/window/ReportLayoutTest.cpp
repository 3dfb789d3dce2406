// Where the report window's parts go, for the screens and DPIs a user has:
// the window fits the work area of a 1280x720 screen at 100, 150 and 200 %
// for the longest report, its buttons stay in its last row, and a short
// report gets a window no larger than it needs.
#include <gtest/gtest.h>

#include <span>
#include <string>

#include "ReportLayout.h"

namespace {

// Figures of Windows' own at each scale: the message font's line (Yu Gothic
// UI 9 pt), the large icon, a caption and sizing border, a taskbar of 40
// pixels at 100 %.
struct Screen {
  const char* name;
  int dpi;
  int width;
  int height;
  int taskbar;
  int frameWidth;   // left and right border together
  int frameHeight;  // caption and borders together
};

ReportMetrics MetricsAt(int dpi) {
  ReportMetrics m;
  m.dpi = dpi;
  m.lineHeight = Scaled(16, dpi);
  m.verdictLineHeight = Scaled(20, dpi);
  m.iconSize = Scaled(32, dpi);
  m.buttonWidth = Scaled(140, dpi);
  m.buttonHeight = Scaled(26, dpi);
  m.boxChrome = Scaled(8, dpi);
  return m;
}

constexpr Screen Screens1280x720[] = {
    {"1280x720 at 100 %", 96, 1280, 720, 40, 16, 39},
    {"1280x720 at 150 %", 144, 1280, 720, 60, 24, 58},
    {"1280x720 at 200 %", 192, 1280, 720, 80, 32, 78},
};
// Where even the fewest lines of each part do not fit, the window still does.
constexpr Screen SmallerScreens[] = {
    {"1024x768 at 100 % (Wine's null display)", 96, 1024, 768, 0, 16, 39},
    {"800x600 at 200 %", 192, 800, 600, 80, 32, 78},
    {"640x480 at 200 %", 192, 640, 480, 80, 32, 78},
};

// 120 long lines of Japanese wrap to about twice as many; the summary and
// the change list as long as they get.
constexpr ReportLines Longest{2, 6, 260, 9};
constexpr ReportLines Short{1, 2, 4, 1};
constexpr ReportLines NoFix{1, 3, 12, 0};

struct Placed {
  int clientWidth;
  int clientHeight;
  ReportLayout layout;
};

Placed PlaceOn(const Screen& screen, const ReportLines& lines) {
  const ReportMetrics metrics = MetricsAt(screen.dpi);
  const int maxWidth = screen.width - screen.frameWidth;
  const int maxHeight = screen.height - screen.taskbar - screen.frameHeight;
  const int width = ChooseClientWidth(maxWidth, metrics);
  const int height = ChooseClientHeight(maxHeight, metrics, lines);
  return {width, height, ArrangeReport(width, height, metrics, lines)};
}

bool Inside(const Box& box, int width, int height) {
  return box.left >= 0 && box.top >= 0 && box.Right() <= width && box.Bottom() <= height;
}

std::string Describe(const Box& box) {
  return std::to_string(box.left) + "," + std::to_string(box.top) + " " + std::to_string(box.width) + "x" +
         std::to_string(box.height);
}

TEST(ReportLayout, LongestReport_WindowFitsTheWorkAreaAtEveryScale) {
  for (const auto& screens : {std::span<const Screen>(Screens1280x720), std::span<const Screen>(SmallerScreens)}) {
    for (const Screen& screen : screens) {
      const Placed placed = PlaceOn(screen, Longest);
      EXPECT_LE(placed.clientWidth + screen.frameWidth, screen.width) << screen.name;
      EXPECT_LE(placed.clientHeight + screen.frameHeight, screen.height - screen.taskbar) << screen.name;
    }
  }
}

TEST(ReportLayout, LongestReport_EveryPartInsideTheWindowAndTheButtonsInTheLastRow) {
  for (const auto& screens : {std::span<const Screen>(Screens1280x720), std::span<const Screen>(SmallerScreens)}) {
    for (const Screen& screen : screens) {
      const Placed p = PlaceOn(screen, Longest);
      const ReportLayout& l = p.layout;
      const Box parts[] = {l.icon,         l.verdict, l.summary,   l.detailsLabel, l.details,
                           l.changesLabel, l.changes, l.fixButton, l.closeButton};
      for (const Box& part : parts) {
        EXPECT_TRUE(Inside(part, p.clientWidth, p.clientHeight)) << screen.name << " " << Describe(part);
      }
      EXPECT_EQ(l.closeButton.Bottom(), p.clientHeight - Scaled(12, screen.dpi)) << screen.name;
      EXPECT_GT(l.fixButton.height, 0) << screen.name;
      EXPECT_LT(l.fixButton.Bottom(), l.closeButton.top) << screen.name;
    }
  }
}

TEST(ReportLayout, LongestReportOn1280x720_ReportBoxScrollsAndKeepsAFewLines) {
  for (const Screen& screen : Screens1280x720) {
    const ReportMetrics metrics = MetricsAt(screen.dpi);
    const Placed p = PlaceOn(screen, Longest);
    EXPECT_LT(p.layout.details.height, Longest.details * metrics.lineHeight) << screen.name;
    EXPECT_GE(p.layout.details.height, 3 * metrics.lineHeight + metrics.boxChrome) << screen.name;
  }
}

TEST(ReportLayout, LongestReportOn1280x720_PartsComeInReadingOrderWithoutOverlapping) {
  for (const Screen& screen : Screens1280x720) {
    const ReportLayout l = PlaceOn(screen, Longest).layout;
    EXPECT_EQ(l.icon.top, Scaled(12, screen.dpi)) << screen.name;
    EXPECT_LE(l.icon.Right(), l.verdict.left) << screen.name;
    EXPECT_LE(l.verdict.Bottom(), l.summary.top) << screen.name;
    EXPECT_LE(l.summary.Bottom(), l.detailsLabel.top) << screen.name;
    EXPECT_LE(l.detailsLabel.Bottom(), l.details.top) << screen.name;
    EXPECT_LE(l.details.Bottom(), l.changesLabel.top) << screen.name;
    EXPECT_LE(l.changesLabel.Bottom(), l.changes.top) << screen.name;
    // The change list beside the fix button, level with it.
    EXPECT_LE(l.changes.Right(), l.fixButton.left) << screen.name;
    EXPECT_EQ(l.changesLabel.top, l.fixButton.top) << screen.name;
  }
}

TEST(ReportLayout, ShortReport_WindowNoTallerThanItsTextAndNothingScrolls) {
  for (const Screen& screen : Screens1280x720) {
    const ReportMetrics metrics = MetricsAt(screen.dpi);
    const Placed p = PlaceOn(screen, Short);
    EXPECT_LT(p.clientHeight + screen.frameHeight, screen.height - screen.taskbar) << screen.name;
    EXPECT_EQ(p.layout.details.height, Short.details * metrics.lineHeight + metrics.boxChrome) << screen.name;
    EXPECT_EQ(p.layout.summary.height, Short.summary * metrics.lineHeight) << screen.name;
    EXPECT_FALSE(p.layout.summaryScrolls) << screen.name;
    EXPECT_FALSE(p.layout.changesScrolls) << screen.name;
  }
}

TEST(ReportLayout, NothingToFix_NoFixButtonNoChangeListAndCloseAtTheBottomRight) {
  const Screen& screen = Screens1280x720[0];
  const Placed p = PlaceOn(screen, NoFix);
  EXPECT_EQ(p.layout.fixButton, Box{});
  EXPECT_EQ(p.layout.changes, Box{});
  EXPECT_EQ(p.layout.closeButton.Right(), p.clientWidth - Scaled(12, screen.dpi));
  EXPECT_EQ(p.layout.closeButton.Bottom(), p.clientHeight - Scaled(12, screen.dpi));
}

TEST(ReportLayout, WindowMadeTallerByTheUser_GivesTheRoomToTheReportBox) {
  const ReportMetrics metrics = MetricsAt(96);
  const ReportLayout fitted = ArrangeReport(720, 700, metrics, Longest);
  const ReportLayout taller = ArrangeReport(720, 900, metrics, Longest);
  EXPECT_EQ(taller.details.height - fitted.details.height, 200);
  EXPECT_EQ(taller.summary, fitted.summary);
  EXPECT_EQ(taller.changes.height, fitted.changes.height);
}

TEST(ReportLayout, WindowCutShort_TheReportBoxGivesUpLinesFirstDownToAScreenful) {
  const ReportMetrics metrics = MetricsAt(96);
  const ReportLines lines{1, 4, 40, 6};
  const int full = ChooseClientHeight(10000, metrics, lines);
  const ReportLayout cut = ArrangeReport(720, full - 10 * metrics.lineHeight, metrics, lines);
  EXPECT_EQ(cut.summary.height, 4 * metrics.lineHeight);
  EXPECT_EQ(cut.changes.height, 6 * metrics.lineHeight);
  EXPECT_EQ(cut.details.height, 30 * metrics.lineHeight + metrics.boxChrome);
}

TEST(ReportLayout, WindowCutFurther_TheChangeListAndTheSummaryKeepAFewLinesAndScroll) {
  const ReportMetrics metrics = MetricsAt(96);
  const ReportLines lines{1, 4, 40, 6};
  const int full = ChooseClientHeight(10000, metrics, lines);
  // 32 lines from the report box, then the change list to three lines.
  const ReportLayout cut = ArrangeReport(720, full - 34 * metrics.lineHeight, metrics, lines);
  EXPECT_EQ(cut.details.height, 8 * metrics.lineHeight + metrics.boxChrome);
  EXPECT_EQ(cut.changes.height, 4 * metrics.lineHeight);
  EXPECT_TRUE(cut.changesScrolls);
  EXPECT_FALSE(cut.summaryScrolls);
  // Then the summary to two lines, and what is still missing from the report box.
  const ReportLayout tiny = ArrangeReport(720, full - 40 * metrics.lineHeight, metrics, lines);
  EXPECT_EQ(tiny.changes.height, 3 * metrics.lineHeight);
  EXPECT_EQ(tiny.summary.height, 2 * metrics.lineHeight);
  EXPECT_TRUE(tiny.summaryScrolls);
  EXPECT_EQ(tiny.details.height, 5 * metrics.lineHeight + metrics.boxChrome);
}

TEST(ReportLayout, WidthIsComfortableOnALargeScreenAndNeverWiderThanTheWorkArea) {
  const struct {
    int dpi;
    int maxWidth;
    int expected;
  } cases[] = {
      {96, 2000, 720},
      {144, 2000, 1080},
      {192, 1248, 1248},
      {96, 300, 300},
  };
  for (const auto& c : cases) EXPECT_EQ(ChooseClientWidth(c.maxWidth, MetricsAt(c.dpi)), c.expected) << c.dpi;
}

}  // namespace
