#pragma once
// Where the report window's parts go, in pixels at the window's DPI: the
// verdict with its icon first, the summary, the whole report in a box that
// scrolls, and at the bottom the change list with the fix button beside it
// and the close button. The window never outgrows the work area it is given:
// the report box gives up lines down to a screenful, then the change list
// and the summary down to a few, then the report box further; the buttons
// stay in the window's last row. Portable; no Windows calls, so that every
// screen size and DPI can be tried as a table.

// A rectangle as the window's client area counts it.
struct Box {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int Right() const { return left + width; }
  int Bottom() const { return top + height; }
  bool operator==(const Box&) const = default;
};

// What the window measured at its DPI; all in pixels.
struct ReportMetrics {
  int dpi = 96;
  int lineHeight = 0;         // one line of the message font
  int verdictLineHeight = 0;  // one line of the verdict's larger font
  int iconSize = 0;           // the system's large icon at this DPI
  int buttonWidth = 0;        // the wider of the two buttons' texts, padded
  int buttonHeight = 0;
  int boxChrome = 0;          // the report box's border and inner margins, top and bottom together
};

// How many lines each text takes at the widths TextWidths() gives.
struct ReportLines {
  int verdict = 1;
  int summary = 0;
  int details = 0;
  int changes = 0;  // 0: no fix button, no change list
};

// Pixels for a length in device-independent pixels (1/96 inch).
int Scaled(int dips, int dpi);

// The client width the window asks for: a comfortable width for long
// report lines, but never more than `maxClientWidth`.
int ChooseClientWidth(int maxClientWidth, const ReportMetrics& metrics);

// The widths the texts wrap at, for a client width.
struct TextWidths {
  int verdict = 0;
  int full = 0;     // summary and report box
  int changes = 0;  // beside the buttons
};
TextWidths TextWidthsFor(int clientWidth, const ReportMetrics& metrics);

// The client height that shows everything, but never more than `maxClientHeight`.
int ChooseClientHeight(int maxClientHeight, const ReportMetrics& metrics, const ReportLines& lines);

// The smallest client size at which the window still works (all buttons,
// a few lines of the report).
struct ClientSize {
  int width = 0;
  int height = 0;
};
ClientSize SmallestClientSize(const ReportMetrics& metrics, const ReportLines& lines);

struct ReportLayout {
  Box icon;
  Box verdict;
  Box summary;
  Box detailsLabel;
  Box details;
  Box changesLabel;
  Box changes;
  Box fixButton;  // empty without a fix
  Box closeButton;
  bool summaryScrolls = false;  // cut short: it needs its scroll bar
  bool changesScrolls = false;
};

// The parts of a client area of this size.
ReportLayout ArrangeReport(int clientWidth, int clientHeight, const ReportMetrics& metrics, const ReportLines& lines);
