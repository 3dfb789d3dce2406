#include "ReportLayout.h"

#include <algorithm>

namespace {

// Lengths in device-independent pixels, after the spacing of Windows' own
// dialogs.
constexpr int MarginDips = 12;
constexpr int GapDips = 10;
constexpr int LabelGapDips = 4;
constexpr int ButtonGapDips = 8;
// About sixty Japanese characters of the message font a line.
constexpr int PreferredWidthDips = 720;
constexpr int SmallestWidthDips = 360;

// The lines each part gets before the window is cut to the work area, and
// the fewest it keeps while others still give up lines.
constexpr int FewestSummaryLines = 2;
constexpr int FewestDetailsLines = 3;
constexpr int FewestChangesLines = 2;

struct Spacing {
  int margin;
  int gap;
  int labelGap;
  int buttonGap;
  explicit Spacing(int dpi)
      : margin(Scaled(MarginDips, dpi)),
        gap(Scaled(GapDips, dpi)),
        labelGap(Scaled(LabelGapDips, dpi)),
        buttonGap(Scaled(ButtonGapDips, dpi)) {}
};

// The heights of the three parts that give up lines.
struct Heights {
  int summary = 0;
  int details = 0;
  int changes = 0;
};

class Column {
 public:
  Column(const ReportMetrics& metrics, const ReportLines& lines) : m_(metrics), lines_(lines), s_(metrics.dpi) {}

  int HeadHeight() const { return std::max(m_.iconSize, lines_.verdict * m_.verdictLineHeight); }
  bool HasFix() const { return lines_.changes > 0; }
  int ButtonColumnHeight() const { return HasFix() ? 2 * m_.buttonHeight + s_.buttonGap : m_.buttonHeight; }
  int BandHeight(int changes) const {
    return HasFix() ? std::max(ButtonColumnHeight(), m_.lineHeight + s_.labelGap + changes) : m_.buttonHeight;
  }
  int SummaryBlock(int summary) const { return summary > 0 ? summary + s_.gap : 0; }

  int Total(const Heights& h) const {
    return s_.margin + HeadHeight() + s_.gap + SummaryBlock(h.summary) + m_.lineHeight + s_.labelGap + h.details +
           s_.gap + BandHeight(h.changes) + s_.margin;
  }

  Heights Ideal() const {
    return {lines_.summary * m_.lineHeight, lines_.details * m_.lineHeight + m_.boxChrome,
            lines_.changes * m_.lineHeight};
  }

  // Cut to `height`: the report box first (it scrolls), then the change list,
  // then the summary, each to its fewest lines; then the report box to one
  // line, and last whatever is left. A taller area goes to the report box.
  Heights Fit(int height) const {
    Heights h = Ideal();
    const int line = std::max(m_.lineHeight, 1);
    const int oneDetailsLine = std::min(h.details, line + m_.boxChrome);
    const int fewestDetails = std::min(h.details, FewestDetailsLines * line + m_.boxChrome);
    if (Total(h) <= height) {
      h.details += height - Total(h);
      return h;
    }
    h.details = std::max(fewestDetails, h.details - (Total(h) - height));
    GiveUpLines(h.changes, std::min(h.changes, FewestChangesLines * line), h, height);
    GiveUpLines(h.summary, std::min(h.summary, FewestSummaryLines * line), h, height);
    if (Total(h) > height) h.details = std::max(oneDetailsLine, h.details - (Total(h) - height));
    GiveUpLines(h.changes, 0, h, height);
    GiveUpLines(h.summary, 0, h, height);
    return h;
  }

  Heights Smallest() const {
    const Heights ideal = Ideal();
    return {std::min(ideal.summary, m_.lineHeight), std::min(ideal.details, 2 * m_.lineHeight + m_.boxChrome),
            std::min(ideal.changes, m_.lineHeight)};
  }

 private:
  // Takes whole lines from `part`, down to `fewest`, until the column fits.
  void GiveUpLines(int& part, int fewest, Heights& h, int height) const {
    while (Total(h) > height && part > fewest) part = std::max(fewest, part - m_.lineHeight);
  }

  const ReportMetrics& m_;
  const ReportLines& lines_;
  Spacing s_;
};

}  // namespace

int Scaled(int dips, int dpi) { return (dips * dpi + 48) / 96; }

int ChooseClientWidth(int maxClientWidth, const ReportMetrics& metrics) {
  const Spacing s(metrics.dpi);
  const int smallest = std::max(Scaled(SmallestWidthDips, metrics.dpi), 2 * s.margin + 3 * metrics.buttonWidth);
  return std::min(std::max(Scaled(PreferredWidthDips, metrics.dpi), smallest), maxClientWidth);
}

TextWidths TextWidthsFor(int clientWidth, const ReportMetrics& metrics) {
  const Spacing s(metrics.dpi);
  const int full = std::max(clientWidth - 2 * s.margin, 0);
  return {std::max(full - metrics.iconSize - s.gap, 0), full, std::max(full - s.gap - metrics.buttonWidth, 0)};
}

int ChooseClientHeight(int maxClientHeight, const ReportMetrics& metrics, const ReportLines& lines) {
  const Column column(metrics, lines);
  return std::min(column.Total(column.Ideal()), maxClientHeight);
}

ClientSize SmallestClientSize(const ReportMetrics& metrics, const ReportLines& lines) {
  const Column column(metrics, lines);
  const Spacing s(metrics.dpi);
  return {std::max(Scaled(SmallestWidthDips, metrics.dpi), 2 * s.margin + 3 * metrics.buttonWidth),
          column.Total(column.Smallest())};
}

ReportLayout ArrangeReport(int clientWidth, int clientHeight, const ReportMetrics& metrics, const ReportLines& lines) {
  const Column column(metrics, lines);
  const Spacing s(metrics.dpi);
  const TextWidths widths = TextWidthsFor(clientWidth, metrics);
  const Heights h = column.Fit(clientHeight);
  ReportLayout layout;

  int y = s.margin;
  const int head = column.HeadHeight();
  layout.icon = {s.margin, y, metrics.iconSize, metrics.iconSize};
  const int verdictHeight = lines.verdict * metrics.verdictLineHeight;
  // The verdict beside the icon, centred on it when it is a single line.
  layout.verdict = {s.margin + metrics.iconSize + s.gap, y + (head - verdictHeight) / 2, widths.verdict,
                    verdictHeight};
  y += head + s.gap;
  if (h.summary > 0) {
    layout.summary = {s.margin, y, widths.full, h.summary};
    y += h.summary + s.gap;
  }
  layout.summaryScrolls = h.summary < lines.summary * metrics.lineHeight;
  layout.detailsLabel = {s.margin, y, widths.full, metrics.lineHeight};
  y += metrics.lineHeight + s.labelGap;

  // The last row is anchored to the bottom; the report box takes what is
  // between, so that no rounding leaves a strip.
  const int bandTop = clientHeight - s.margin - column.BandHeight(h.changes);
  layout.details = {s.margin, y, widths.full, std::max(bandTop - s.gap - y, 0)};
  const int buttonLeft = clientWidth - s.margin - metrics.buttonWidth;
  const int bandBottom = clientHeight - s.margin;
  layout.closeButton = {buttonLeft, bandBottom - metrics.buttonHeight, metrics.buttonWidth, metrics.buttonHeight};
  if (column.HasFix()) {
    layout.fixButton = {buttonLeft, bandTop, metrics.buttonWidth, metrics.buttonHeight};
    layout.changesLabel = {s.margin, bandTop, widths.changes, metrics.lineHeight};
    layout.changes = {s.margin, bandTop + metrics.lineHeight + s.labelGap, widths.changes, h.changes};
    layout.changesScrolls = h.changes < lines.changes * metrics.lineHeight;
  }
  return layout;
}
