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

// The lines each part keeps while others still give up lines: the report
// box a screenful first, then only a few, once the change list and the
// summary are down to theirs.
constexpr int ManyDetailsLines = 8;
constexpr int FewestDetailsLines = 3;
constexpr int FewestChangesLines = 3;
constexpr int FewestSummaryLines = 2;

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

  // Cut to `height`: the report box to a screenful, the change list and
  // the summary to their fewest lines, the report box to its fewest, then to
  // one line, and last whatever is left. A taller area goes to the report box.
  Heights Fit(int height) const {
    Heights h = Ideal();
    if (Total(h) <= height) {
      h.details += height - Total(h);
      return h;
    }
    const int line = std::max(m_.lineHeight, 1);
    const auto details = [&](int lines) { return std::min(Ideal().details, lines * line + m_.boxChrome); };
    GiveUp(h.details, details(ManyDetailsLines), h, height);
    GiveUp(h.changes, std::min(h.changes, FewestChangesLines * line), h, height);
    GiveUp(h.summary, std::min(h.summary, FewestSummaryLines * line), h, height);
    GiveUp(h.details, details(FewestDetailsLines), h, height);
    GiveUp(h.details, details(1), h, height);
    GiveUp(h.changes, 0, h, height);
    GiveUp(h.summary, 0, h, height);
    return h;
  }

  Heights Smallest() const {
    const Heights ideal = Ideal();
    return {std::min(ideal.summary, m_.lineHeight), std::min(ideal.details, 2 * m_.lineHeight + m_.boxChrome),
            std::min(ideal.changes, m_.lineHeight)};
  }

 private:
  // Takes from `part`, down to `fewest`, what the column is too tall by;
  // the summary and the change list in whole lines.
  void GiveUp(int& part, int fewest, Heights& h, int height) const {
    if (&part == &h.details) {
      if (Total(h) > height) part = std::max(fewest, part - (Total(h) - height));
      return;
    }
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
